// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo of every change, in every window of the document.
#include "appfixture.h"
#include "archive.h"
#include "bytestream.h"
#include "cairnbookapp.h"
#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "capslock.h"
#include "childframe.h"
#include "clipboardtext.h"
#include "coordinate.h"
#include "docmanager.h"
#include "editwaypointdlg.h"
#include "listface.h"
#include "mainframe.h"
#include "mapsource.h"
#include "pixels.h"
#include "qtprogress.h"
#include "res/menus.h"
#include "res/resource.h"
#include "test_helpers.h"
#include "textcodec.h"
#include "tilepattern.h"
#include "tileserver.h"
#include "tileservice.h"
#include "waitfor.h"
#include "xlistctrl.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QPrinter>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace {

// Every row of every window of the document stands for one of its entries,
// each entry once: a stale row would point at freed memory.
void ExpectRowsMatchTheDocument(const CDocRecord& rec, const char* step) {
    const CCairnbookDoc& doc = *rec.m_pDoc;
    for (CChildFrame* f : rec.m_frames) {
        CXListCtrl* list = &f->View()->ListFace().List();
        ASSERT_EQ(list->GetItemCount(), static_cast<int>(doc.Entries().size())) << step;
        std::set<const CWayEntry*> seen;
        for (int r = 0; r < list->GetItemCount(); ++r) {
            const auto* e = reinterpret_cast<const CWayEntry*>(list->GetItemData(r));
            EXPECT_GE(doc.IndexOf(e), 0) << step << " row " << r;
            EXPECT_TRUE(seen.insert(e).second) << step << " row " << r;
        }
    }
}

void SelectOnly(CCairnbookView* view, int row) {
    view->ListFace().List().clearSelection();
    view->ListFace().List().SetItemSelected(row, true);
    view->ListFace().List().SetSelectionMark(row);
}

// The document as its native file holds it, and what every window shows.
struct CState {
    std::string bytes;
    std::vector<QStringList> rows;
    bool operator==(const CState&) const = default;
};

CState StateOf(const CDocRecord& rec) {
    CState state;
    state.bytes = StateBytes(*rec.m_pDoc);
    for (CChildFrame* f : rec.m_frames) {
        f->View()->repaint();
        QStringList names;
        for (int r = 0; r < f->View()->ListFace().List().GetItemCount(); ++r)
            names << f->View()->ListFace().List().GetItemText(r, 1) + "|" +
                         f->View()->ListFace().List().GetItemText(r, 2) + "|" +
                         QString::number(f->View()->ListFace().List().GetCheckState(r, 7));
        state.rows.push_back(names);
    }
    return state;
}

// Every change is one step that Undo takes back exactly and Redo makes again,
// in every window of the document, with the step named in the menu.
TEST_F(App, UndoAndRedoEveryChange) {
    CChildFrame* f = Open(kSample);
    frame.OnCommand(res::ID_WINDOW_NEW);
    QApplication::processEvents();
    CCairnbookView* one = f->View();
    CCairnbookView* two = qobject_cast<CChildFrame*>(frame.MdiArea().activeSubWindow())->View();
    CDocRecord& rec = *frame.DocManager().RecordOf(f);
    CScriptedPrompt quiet;
    CCairnbookDoc other(quiet);
    other.AddEntry(std::make_unique<CWayEntry>("MERGED", "new", 1, 2, 0, 0, 1));
    other.AddEntry(std::make_unique<CWayEntry>("HOME", "moved home", 1, 2, 0, 0, 1));
    other.SaveFile(dir.Path("more.ckb"));
    CWayEntry pasted("HOME", "pasted home", 3, 4, 5, 0, 1);
    const struct {
        const char* step;
        std::function<void()> change;
    } steps[] = {
        {"Add NEWONE",
         [&] {
             CEditWaypointDlg dlg;
             dlg.m_strName = "NEWONE";
             one->AddFromDialog(dlg);
         }},
        {"Edit GC1M2QK",
         [&] {
             QTimer::singleShot(0, [] {
                 auto* dlg = qobject_cast<CEditWaypointDlg*>(QApplication::activeModalWidget());
                 dlg->Edit(1002)->setText("a new comment");
                 dlg->accept();
             });
             two->OnEditRow(7);
         }},
        {"Edit HOME",
         [&] {
             CXListCtrl& list = one->ListFace().List();
             QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                               list.visualRect(list.model()->index(0, 7)).center());
         }},
        {"Delete 3 Waypoints",
         [&] {
             one->ListFace().List().clearSelection(); // undo and redo keep a selection
             for (int row : {1, 4, 9})
                 one->ListFace().List().SetItemSelected(row, true);
             one->OnCommand(res::ID_DELETE_WAYPOINT);
         }},
        {"Cut 1 Waypoint",
         [&] {
             two->ListFace().List().clearSelection();
             two->ListFace().List().SetItemSelected(2, true);
             two->OnCommand(res::ID_EDIT_CUT);
         }},
        {"Paste 2 Waypoints",
         [&] {
             prompt.m_answers = {EPromptAnswer::yes};
             QApplication::clipboard()->setText(
                 ToQString(FormatClipboardLine(pasted) + "NEWLINE\tx\t1\t2\t3\t1\t0\t1\t\r\n"));
             one->OnCommand(res::ID_EDIT_PASTE);
         }},
        {"Merge 2 Waypoints",
         [&] {
             prompt.m_answers = {EPromptAnswer::yes};
             chooser.m_next = CChosenFile{dir.Path("more.ckb"), 1};
             frame.OnCommand(res::ID_FILE_MERGE);
         }},
    };
    for (const auto& s : steps) {
        const CState before = StateOf(rec);
        s.change();
        ExpectRowsMatchTheDocument(rec, s.step); // at once, without a paint between
        const CState after = StateOf(rec);
        ASSERT_NE(before.bytes, after.bytes) << s.step;
        frame.UpdateCommandUI();
        EXPECT_EQ(frame.Action(res::ID_EDIT_UNDO)->text(), QString("&Undo %1\tCtrl+Z").arg(s.step));
        frame.OnCommand(res::ID_EDIT_UNDO);
        EXPECT_TRUE(StateOf(rec) == before) << "undo " << s.step;
        EXPECT_EQ(frame.Action(res::ID_EDIT_REDO)->text(), QString("&Redo %1\tCtrl+Y").arg(s.step));
        frame.OnCommand(res::ID_EDIT_REDO);
        EXPECT_TRUE(StateOf(rec) == after) << "redo " << s.step;
        ExpectRowsMatchTheDocument(rec, s.step);
    }
    // Reference Point and Copy read the rows; neither is a step.
    for (CCairnbookView* view : {two, one}) {
        SelectOnly(view, 3);
        view->OnCommand(res::ID_REFERENCE_POINT);
        view->OnCommand(res::ID_EDIT_COPY);
        ExpectRowsMatchTheDocument(rec, "reference point");
    }
    // Undoing everything comes back to the file as saved: nothing to ask on close.
    while (rec.m_pUndo->canUndo())
        frame.OnCommand(res::ID_EDIT_UNDO);
    EXPECT_FALSE(rec.m_pDoc->IsModified());
    frame.OnCommand(res::ID_EDIT_REDO);
    EXPECT_TRUE(rec.m_pDoc->IsModified());
    frame.OnCommand(res::ID_EDIT_UNDO);
    prompt.m_asked.clear();
    frame.OnCommand(res::ID_FILE_CLOSE);
    EXPECT_TRUE(prompt.m_asked.empty());
}

} // namespace

// A merge the user stops leaves the document as it was, with nothing to undo;
// the progress dialog appears when a read takes a while, and its Cancel stops it.
TEST_F(App, AStoppedMergeLeavesTheDocumentAsItWas) {
    {
        CCairnbookDoc big(prompt);
        for (int i = 0; i < 40'000; ++i)
            big.AddEntry(std::make_unique<CWayEntry>("M" + std::to_string(i), "merged waypoint", 47,
                                                     -122, 0, 0, 1));
        big.SaveFile(dir.Path("big.ckb"));
        big.SaveFile(dir.Path("big.gpx"));
    }
    ASSERT_TRUE(Open(kSample));
    CDocRecord& rec = *frame.DocManager().ActiveRecord();
    const std::string before = StateBytes(*rec.m_pDoc);
    struct CStop : CProgress {
        bool Step(const std::string&, bool, std::uint64_t, std::uint64_t) override { return false; }
    } stop;
    rec.m_pDoc->SetProgress(&stop);
    // A GPX file adds nothing before it is read whole, but the merge marks.
    for (const char* file : {"big.ckb", "big.gpx"}) {
        chooser.m_next = CChosenFile{dir.Path(file), 1};
        frame.OnCommand(res::ID_FILE_MERGE);
        EXPECT_EQ(StateBytes(*rec.m_pDoc), before) << file;
        EXPECT_FALSE(rec.m_pDoc->IsModified()) << file;
        EXPECT_FALSE(rec.m_pUndo->canUndo()) << file;
    }
    EXPECT_TRUE(prompt.m_asked.empty());
    // The program's own progress: shown after a while, Cancel heard.
    CQtProgress& progress = frame.DocManager().Progress();
    EXPECT_TRUE(progress.Step(dir.Path("big.ckb"), false, 0, 3000));
    QTest::qWait(CQtProgress::kShowAfterMs + 100);
    EXPECT_TRUE(progress.Step(dir.Path("big.ckb"), false, 1000, 3000));
    ASSERT_TRUE(progress.Dialog() && progress.Dialog()->isVisible());
    EXPECT_EQ(progress.Dialog()->labelText(), "Reading big.ckb...");
    if (const char* folder = std::getenv("CAIRNBOOK_SHOTS"))
        progress.Dialog()->grab().save(QString(folder) + "/progress.png");
    progress.Dialog()->cancel();
    EXPECT_FALSE(progress.Step(dir.Path("big.ckb"), false, 2000, 3000));
    progress.Finished();
    EXPECT_FALSE(progress.Dialog());
}
