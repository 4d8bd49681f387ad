// SPDX-License-Identifier: GPL-3.0-or-later
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

const std::string kSample = std::string(CAIRNBOOK_SAMPLES) + "/sample.ckb";

class App : public ::testing::Test {
protected:
    void SetUp() override {
        g_nCoordFormat = 0;
        frame.resize(1200, 700);
        frame.show();
    }
    void TearDown() override {
        // Close without questions whatever a test left modified.
        for (const auto& rec : frame.DocManager().Records())
            rec->m_pDoc->SetModifiedFlag(false);
        frame.MdiArea().closeAllSubWindows();
        QApplication::processEvents();
    }
    CChildFrame* Open(const std::string& path) {
        CChildFrame* f = frame.DocManager().OpenDocumentFile(QString::fromStdString(path));
        QApplication::processEvents();
        if (f)
            f->View()->repaint();
        return f;
    }
    QStringList MenuTitles() {
        QStringList titles;
        for (QAction* a : frame.menuBar()->actions())
            titles << a->text();
        return titles;
    }
    CScriptedPrompt prompt;
    CScriptedChooser chooser;
    CTempDir dir;
    CMainFrame frame{prompt, chooser};
};

TEST_F(App, OpeningTheSampleShowsItsRows) {
    EXPECT_EQ(MenuTitles(), QStringList({"&File", "&View", "&Help"}));
    CChildFrame* f = Open(kSample);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(MenuTitles(), QStringList({"&File", "&Edit", "&View", "&Window", "&Help"}));
    CXListCtrl* list = &f->View()->ListFace().List();
    ASSERT_EQ(list->GetItemCount(), 12);
    EXPECT_EQ(list->GetItemText(0, 1), "HOME");
    EXPECT_EQ(list->GetItemText(0, 3), QString::fromUtf8("N47° 36.373'"));
    EXPECT_EQ(list->GetItemText(7, 1), "GC1M2QK");
    EXPECT_EQ(list->GetItemText(7, 6), "Traditional Cache");
    EXPECT_EQ(list->GetCheckState(7, 7), 1);
    EXPECT_EQ(f->windowTitle(), "sample.ckb[*]");
    EXPECT_EQ(frame.windowTitle(), "Cairnbook - sample.ckb[*]");
    // Opening it again activates the same window.
    EXPECT_EQ(Open(kSample), f);
    EXPECT_EQ(frame.MdiArea().subWindowList().size(), 1);
}

TEST_F(App, NewDocumentsAreNumbered) {
    CChildFrame* a = frame.DocManager().OnFileNew();
    CChildFrame* b = frame.DocManager().OnFileNew();
    EXPECT_EQ(a->windowTitle(), "Cairnbook1[*]");
    EXPECT_EQ(b->windowTitle(), "Cairnbook2[*]");
    EXPECT_EQ(a->size(), QSize(900, 450));
}

TEST_F(App, FailedOpenSaysWhichFileAndWhy) {
    WriteBytes(dir.Path("cut.ckb"), ReadBytes(kSample).substr(0, 60));
    EXPECT_EQ(Open(dir.Path("cut.ckb")), nullptr);
    ASSERT_EQ(prompt.m_asked.size(), 1u);
    EXPECT_NE(prompt.m_asked[0].m_strText.find("cut.ckb: the file ends early"), std::string::npos);
    EXPECT_TRUE(frame.MdiArea().subWindowList().isEmpty());
}

TEST_F(App, SaveAsWptAsksAndCancelKeepsTheFile) {
    Open(kSample);
    WriteBytes(dir.Path("keep.wpt"), "old bytes");
    chooser.m_next = CChosenFile{dir.Path("keep.wpt"), 1};
    prompt.m_answers = {EPromptAnswer::cancel};
    frame.OnCommand(res::ID_FILE_SAVE_AS);
    ASSERT_EQ(prompt.m_asked.size(), 1u);
    EXPECT_EQ(prompt.m_asked[0].m_strCaption, "Save Warning");
    EXPECT_NE(prompt.m_asked[0].m_strDetails.find("GC1M2QK: geocache flag"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir.Path("keep.wpt")), "old bytes");
    CDocRecord* rec = frame.DocManager().ActiveRecord();
    EXPECT_EQ(rec->m_strTitle, "sample.ckb");
    prompt.m_answers = {EPromptAnswer::ok};
    frame.OnCommand(res::ID_FILE_SAVE_AS);
    EXPECT_EQ(ReadBytes(dir.Path("keep.wpt")),
              ReadBytes(std::string(CAIRNBOOK_SAMPLES) + "/sample.wpt"));
    EXPECT_EQ(rec->m_strTitle, "keep.wpt");
}

TEST_F(App, ClosingAModifiedDocumentAsks) {
    CChildFrame* f = Open(kSample);
    CDocRecord* rec = frame.DocManager().RecordOf(f);
    rec->m_pDoc->SetModifiedFlag(true);
    frame.UpdateCommandUI();
    EXPECT_TRUE(f->isWindowModified());
    prompt.m_answers = {EPromptAnswer::cancel};
    frame.OnCommand(res::ID_FILE_CLOSE);
    ASSERT_EQ(prompt.m_asked.size(), 1u);
    EXPECT_EQ(prompt.m_asked[0].m_strText, "Save changes to sample.ckb?");
    EXPECT_EQ(prompt.m_asked[0].m_buttons, EPromptButtons::yesNoCancel);
    EXPECT_EQ(frame.MdiArea().subWindowList().size(), 1);
    prompt.m_answers = {EPromptAnswer::no};
    f->close();
    QApplication::processEvents();
    EXPECT_TRUE(frame.MdiArea().subWindowList().isEmpty());
    EXPECT_TRUE(frame.DocManager().Records().empty());
}

TEST_F(App, ExitAsksForEachModifiedDocument) {
    Open(kSample);
    frame.DocManager().OnFileNew();
    for (const auto& rec : frame.DocManager().Records())
        rec->m_pDoc->SetModifiedFlag(true);
    prompt.m_answers = {EPromptAnswer::no, EPromptAnswer::cancel};
    EXPECT_FALSE(frame.close());
    EXPECT_EQ(prompt.m_asked.size(), 2u);
    EXPECT_EQ(frame.MdiArea().subWindowList().size(), 2);
    prompt.m_answers = {EPromptAnswer::no, EPromptAnswer::no};
    EXPECT_TRUE(frame.close());
    QApplication::processEvents();
    EXPECT_TRUE(frame.MdiArea().subWindowList().isEmpty());
    frame.show();
}

TEST_F(App, SecondWindowShowsRowsAndOnlyTheLastOneAsks) {
    CChildFrame* first = Open(kSample);
    frame.OnCommand(res::ID_WINDOW_NEW);
    QApplication::processEvents();
    auto* second = qobject_cast<CChildFrame*>(frame.MdiArea().activeSubWindow());
    ASSERT_NE(second, first);
    second->View()->repaint();
    EXPECT_EQ(second->View()->ListFace().List().GetItemCount(), 12);
    EXPECT_EQ(first->windowTitle(), "sample.ckb:1[*]");
    EXPECT_EQ(second->windowTitle(), "sample.ckb:2[*]");
    frame.DocManager().RecordOf(first)->m_pDoc->SetModifiedFlag(true);
    second->close();
    QApplication::processEvents();
    EXPECT_TRUE(prompt.m_asked.empty());
    EXPECT_EQ(first->windowTitle(), "sample.ckb[*]");
}

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

// A GPX document is saved as GPX; what its read skipped shows in the status bar.
TEST_F(App, GpxDocumentsStayGpx) {
    chooser.m_next.reset();
    frame.OnCommand(res::ID_FILE_OPEN);
    EXPECT_NE(chooser.m_strFilter.find("All readable files (*.ckb *.wpt *.loc *.gpx)"),
              std::string::npos);
    const std::string gpx = dir.Path("walk.gpx");
    WriteBytes(gpx, "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\"><wpt lat=\"1\" lon=\"2\">"
                    "<name>START</name></wpt><rte><rtept lat=\"1\" lon=\"1\"/></rte></gpx>");
    ASSERT_NE(Open(gpx), nullptr);
    EXPECT_EQ(frame.StatusMessage(),
              "1 route or track point is kept for saving as GPX; only waypoints are shown");
    CDocRecord* rec = frame.DocManager().ActiveRecord();
    rec->m_pDoc->SetModifiedFlag(true);
    frame.OnCommand(res::ID_FILE_SAVE);
    EXPECT_TRUE(prompt.m_asked.empty());
    EXPECT_EQ(ReadBytes(gpx).rfind("<?xml", 0), 0u);
    EXPECT_NE(ReadBytes(gpx).find("<name>START</name>"), std::string::npos);
}

QMenu* SubMenu(QMenuBar* bar, const QStringList& path) {
    QList<QAction*> actions = bar->actions();
    QMenu* menu = nullptr;
    for (const QString& title : path) {
        menu = nullptr;
        for (QAction* a : actions)
            if (a->menu() && a->text() == title)
                menu = a->menu();
        if (!menu)
            return nullptr;
        actions = menu->actions();
    }
    return menu;
}

// Sources of the user's settings file are offered beside the built-in ones,
// and the chosen one draws and is remembered.
TEST_F(App, UserMapSourcesFromTheSettingsFile) {
    CTileServer server;
    ASSERT_TRUE(server.Listen());
    const QString mbtiles = QString::fromStdString(dir.Path("pattern.mbtiles"));
    ASSERT_TRUE(WritePatternMbTiles(mbtiles, 10, 12, 47, -123, 48, -121));
    {
        QSettings ini(MapSourcesFile(), QSettings::IniFormat);
        ini.setValue("Pattern Server/url", server.UrlTemplate("aerial"));
        ini.setValue("Pattern Server/maxzoom", 18);
        ini.setValue("Pattern Server/attribution", "Pattern Server tiles");
        ini.setValue("Pattern File/mbtiles", mbtiles);
    }
    CCairnbookView* view = Open(kSample)->View();
    view->OnCommand(res::ID_VIEW_MAP);
    view->OnCommand(res::ID_MAP_AERIAL);
    view->OnHideWaypoints();
    for (const QString name : {"Pattern Server", "Pattern File"}) {
        frame.BuildMenus();
        QMenu* sources = SubMenu(frame.menuBar(), {"&View", "Map Source"});
        ASSERT_NE(sources, nullptr);
        QStringList names;
        QAction* pick = nullptr;
        for (QAction* a : sources->actions()) {
            names << a->text();
            if (a->text() == name)
                pick = a;
        }
        for (const char* listed : {"OpenStreetMap", "USGS National Map", "Area imagery service",
                                   "Open MBTiles File...", "Reload Map Sources"})
            EXPECT_TRUE(names.contains(listed)) << listed;
        ASSERT_NE(pick, nullptr) << qPrintable(name);
        pick->trigger();
        EXPECT_EQ(QSettings().value("Map/Source").toString(), name);
        view->repaint();
        WaitFor([view] {
            view->repaint();
            return view->MapSettled();
        });
        const QImage shown = view->grab().toImage();
        EXPECT_NE(shown.pixelColor(200, 150), QColor(150, 210, 255)) << qPrintable(name);
    }
    // The chosen source gone from the file: Reload says so, and the stand-in
    // is in use and ticked.
    QFile::remove(MapSourcesFile());
    QSignalSpy told(&CTileService::Instance(), &CTileService::Problem);
    QMenu* sources = SubMenu(frame.menuBar(), {"&View", "Map Source"});
    ASSERT_NE(sources, nullptr);
    for (QAction* a : sources->actions())
        if (a->text() == "Reload Map Sources")
            a->trigger();
    EXPECT_EQ(CTileService::Instance().Source().m_strName, kAreaServiceName);
    ASSERT_TRUE(told.wait(1000));
    EXPECT_EQ(told.front().front().toString(), "The map source \"Pattern File\" is no longer "
                                               "defined. Showing Area imagery service instead.");
    QApplication::processEvents();
    QStringList ticked;
    for (QAction* a : SubMenu(frame.menuBar(), {"&View", "Map Source"})->actions())
        if (a->isChecked())
            ticked << a->text();
    EXPECT_EQ(ticked, QStringList({kAreaServiceName}));
    frame.ChooseMapSource(MapSourceFromArgument("Area imagery service"));
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

TEST_F(App, StatusBarSaysHowManyRowsTheListShows) {
    CScriptedPrompt quiet;
    CCairnbookDoc big(quiet);
    for (int i = 0; i < 2001; ++i)
        big.AddEntry(std::make_unique<CWayEntry>("W" + std::to_string(i), "", 1, 2, 3, 0, 1));
    big.SaveFile(dir.Path("big.ckb"));
    Open(dir.Path("big.ckb"));
    frame.UpdateCommandUI();
    EXPECT_EQ(frame.StatusMessage(), "2,000 of 2,001 waypoints shown");
    // View > Show All Waypoints lifts the limit, and is remembered.
    frame.OnCommand(res::ID_SHOW_ALL_WAYPOINTS);
    frame.DocManager().ActiveRecord()->m_frames[0]->View()->repaint();
    frame.UpdateCommandUI();
    EXPECT_EQ(frame.StatusMessage(), "Ready");
    EXPECT_EQ(frame.DocManager().ActiveRecord()->m_frames[0]->View()->ListFace().Rows(), 2001);
    EXPECT_TRUE(QSettings().value(CListFace::kShowAllKey).toBool());
    EXPECT_TRUE(frame.Action(res::ID_SHOW_ALL_WAYPOINTS)->isChecked());
    frame.OnCommand(res::ID_SHOW_ALL_WAYPOINTS);
    EXPECT_FALSE(CListFace::ShowAll());
    Open(kSample);
    frame.UpdateCommandUI();
    EXPECT_EQ(frame.StatusMessage(), "Ready");
}

// LOC is import-only: Save asks for a native name beside it and leaves it alone.
TEST_F(App, SavingADocumentOpenedFromLocAsksForANewName) {
    const std::string loc = dir.Path("caches.loc");
    std::filesystem::copy_file(std::string(CAIRNBOOK_SAMPLES) + "/sample.loc", loc);
    Open(loc);
    CDocRecord* rec = frame.DocManager().ActiveRecord();
    rec->m_pDoc->SetModifiedFlag(true);
    chooser.m_next.reset();
    frame.OnCommand(res::ID_FILE_SAVE);
    EXPECT_EQ(chooser.m_strTitle, "Save As");
    EXPECT_EQ(chooser.m_strProposed, dir.Path("caches.ckb"));
    EXPECT_EQ(ReadBytes(loc), ReadBytes(std::string(CAIRNBOOK_SAMPLES) + "/sample.loc"));
    chooser.m_next = CChosenFile{dir.Path("caches.ckb"), 1};
    frame.OnCommand(res::ID_FILE_SAVE);
    EXPECT_EQ(rec->m_strTitle, "caches.ckb");
    EXPECT_FALSE(rec->m_pDoc->IsModified());
}

TEST_F(App, NotationChangeReachesEveryWindow) {
    CChildFrame* a = Open(kSample);
    CChildFrame* b = Open(std::string(CAIRNBOOK_SAMPLES) + "/sample.wpt");
    frame.MdiArea().setActiveSubWindow(b);
    frame.OnCommand(res::ID_FORMAT_DEGDEC);
    a->View()->repaint();
    EXPECT_EQ(a->View()->ListFace().List().GetItemText(0, 3), "N47.60621");
    EXPECT_EQ(b->View()->ListFace().List().GetItemText(0, 3), "N47.60621");
    EXPECT_TRUE(frame.Action(res::ID_FORMAT_DEGDEC)->isChecked());
    EXPECT_FALSE(frame.Action(res::ID_FORMAT_DEGMIN)->isChecked());
}

TEST_F(App, RecentFilesKeepFour) {
    for (int i = 0; i < 6; ++i) {
        const std::string path = dir.Path("r" + std::to_string(i) + ".ckb");
        std::filesystem::copy_file(kSample, path);
        Open(path);
    }
    const QStringList recent = frame.DocManager().RecentFiles();
    ASSERT_EQ(recent.size(), 4);
    EXPECT_TRUE(recent[0].endsWith("r5.ckb"));
    EXPECT_TRUE(recent[3].endsWith("r2.ckb"));
    // A file that is gone leaves the list when it fails to open.
    frame.MdiArea().closeAllSubWindows();
    QApplication::processEvents();
    std::filesystem::remove(dir.Path("r4.ckb"));
    EXPECT_EQ(frame.DocManager().OpenDocumentFile(recent[1]), nullptr);
    EXPECT_EQ(frame.DocManager().RecentFiles().size(), 3);
}

// The Window menu lists the open windows, the active one checked, and
// choosing one activates it.
TEST_F(App, WindowMenuListsTheOpenWindows) {
    Open(kSample);
    frame.DocManager().OnFileNew();
    QMenu* window = nullptr;
    for (QAction* a : frame.menuBar()->actions())
        if (a->text() == "&Window")
            window = a->menu();
    ASSERT_NE(window, nullptr);
    auto listed = [window] {
        emit window->aboutToShow();
        QStringList texts;
        for (QAction* a : window->actions())
            if (a->isCheckable())
                texts << a->text() + (a->isChecked() ? " (active)" : "");
        return texts;
    };
    EXPECT_EQ(listed(), (QStringList{"&1 sample.ckb", "&2 Cairnbook1 (active)"}));
    for (QAction* a : window->actions())
        if (a->text() == "&1 sample.ckb")
            a->trigger();
    EXPECT_EQ(listed(), (QStringList{"&1 sample.ckb (active)", "&2 Cairnbook1"}));
}

TEST_F(App, MenusStatusPromptsAndPosition) {
    Open(kSample);
    QAction* merge = frame.Action(res::ID_FILE_MERGE);
    EXPECT_EQ(merge->text(), "Open &Merge...\tCtrl+M");
    EXPECT_EQ(merge->statusTip(), "Merge a file with the current document");
    EXPECT_EQ(merge->toolTip(), "Merge");
    EXPECT_EQ(merge->shortcut(), QKeySequence("Ctrl+M"));
    // Ctrl+D deletes the selected rows, through the window's own shortcut.
    CCairnbookView* view = qobject_cast<CChildFrame*>(frame.MdiArea().activeSubWindow())->View();
    view->ListFace().List().setFocus();
    view->ListFace().List().selectAll();
    QTest::keyClick(&view->ListFace().List(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(view->ListFace().List().GetItemCount(), 0);
    frame.OnCommand(res::ID_EDIT_UNDO);
    // Each key a menu shows is that command's key, and none takes Select All.
    for (const res::CMenuItem& item : res::kMenuDocument) {
        const QString text = QString::fromLatin1(item.m_text ? item.m_text : "");
        if (item.m_kind != res::EMenuKind::command || !text.contains('\t'))
            continue;
        const QKeySequence shown(text.section('\t', 1));
        EXPECT_TRUE(frame.Action(item.m_nId)->shortcuts().contains(shown)) << qPrintable(text);
        for (const QKeySequence& key : frame.Action(item.m_nId)->shortcuts())
            EXPECT_NE(key, QKeySequence(QKeySequence::SelectAll)) << qPrintable(text);
    }
    EXPECT_TRUE(frame.Action(res::ID_VIEW_LIST)->isChecked());
    // The desktop's Close key closes the window, with no other key in the way.
    const auto windows = frame.MdiArea().subWindowList().size();
    QTest::keyClick(&view->ListFace().List(), Qt::Key_W, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(frame.MdiArea().subWindowList().size(), windows - 1);
    frame.OnMapPosition(-1222500, 475000);
    EXPECT_EQ(frame.PositionText(), QString::fromUtf8("N47° 30.000'  W122° 15.000'"));
    frame.OnMapPosition(0, 0);
    EXPECT_EQ(frame.PositionText(), QString::fromUtf8("S00° 00.000'  W00° 00.000'"));
}

// A maximised window's name stands once in the title; with the last window
// closed, nothing without a target looks pressed or enabled.
TEST_F(App, TitleAndCommandsFollowTheWindows) {
    CChildFrame* f = Open(kSample);
    f->View()->OnCommand(res::ID_VIEW_MAP);
    f->View()->OnCommand(res::ID_MAP_AUTO);
    f->showMaximized();
    QApplication::processEvents();
    EXPECT_EQ(frame.windowTitle(), "Cairnbook - sample.ckb[*]");
    // The modified mark shows in the frame's title, with no complaint from Qt.
    static QStringList warnings;
    warnings.clear();
    const QtMessageHandler old = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString& text) { warnings << text; });
    frame.DocManager().RecordOf(f)->m_pDoc->SetModifiedFlag();
    frame.UpdateCommandUI();
    QApplication::processEvents();
    frame.UpdateCommandUI();
    qInstallMessageHandler(old);
    EXPECT_TRUE(frame.isWindowModified());
    EXPECT_TRUE(warnings.isEmpty()) << qPrintable(warnings.join('\n'));
    frame.DocManager().RecordOf(f)->m_pDoc->SetModifiedFlag(false);
    EXPECT_TRUE(frame.Action(res::ID_MAP_AUTO)->isChecked());
    frame.MdiArea().closeAllSubWindows();
    QApplication::processEvents();
    EXPECT_EQ(frame.windowTitle(), "Cairnbook");
    for (int id : {res::ID_MAP_AUTO, res::ID_ZOOM_IN, res::ID_VIEW_LIST, res::ID_FILE_SAVE,
                   res::ID_REFERENCE_POINT}) {
        EXPECT_FALSE(frame.Action(id)->isChecked()) << id;
        EXPECT_FALSE(frame.Action(id)->isEnabled()) << id;
    }
    for (int id : {res::ID_FILE_NEW, res::ID_FILE_OPEN, res::ID_APP_ABOUT})
        EXPECT_TRUE(frame.Action(id)->isEnabled()) << id;
}

// The pane shows the keyboard's real lock state from the start, and follows
// it at every key and focus change.
TEST(CapsLock, PaneFollowsTheLockState) {
    bool on = true;
    SetCapsLockSource([&on] { return on; });
    CScriptedPrompt prompt;
    CScriptedChooser chooser;
    {
        CMainFrame frame(prompt, chooser);
        EXPECT_EQ(frame.CapsText(), "CAP");
        on = false;
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        QApplication::sendEvent(&frame, &key);
        EXPECT_EQ(frame.CapsText(), "");
        on = true;
        QFocusEvent focus(QEvent::FocusIn);
        QApplication::sendEvent(&frame, &focus);
        EXPECT_EQ(frame.CapsText(), "CAP");
    }
    SetCapsLockSource({});
}

TEST_F(App, DroppedFilesOpen) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(
        QString::fromStdString(std::string(CAIRNBOOK_SAMPLES) + "/sample.wpt"))});
    frame.OpenDropped(data);
    QApplication::processEvents();
    ASSERT_EQ(frame.MdiArea().subWindowList().size(), 1);
    auto* f = qobject_cast<CChildFrame*>(frame.MdiArea().subWindowList()[0]);
    f->View()->repaint();
    EXPECT_EQ(f->View()->ListFace().List().GetItemCount(), 12); // read as WPT by its header
    EXPECT_EQ(f->View()->ListFace().List().GetItemText(7, 6),
              "Cross"); // WPT folds cache icons onto the first ones
}

TEST_F(App, TiledWindowsScreenshot) {
    Open(kSample);
    Open(std::string(CAIRNBOOK_SAMPLES) + "/sample.loc");
    frame.OnCommand(res::ID_WINDOW_TILE_HORZ);
    QApplication::processEvents();
    const QImage shot = frame.grab().toImage();
    EXPECT_EQ(frame.MdiArea().subWindowList().size(), 2);
    if (const char* out = std::getenv("CAIRNBOOK_SCREENSHOTS"))
        shot.save(QString::fromLocal8Bit(out) + "/tiled.png");
    // Both windows show rows on the pale cyan background.
    EXPECT_GT(CountColor(shot, shot.rect(), QColor(200, 255, 255)), 16000);
}

TEST(StartOptions, ScreenshotOptions) {
    const CStartOptions o =
        ParseStartOptions({"cairnbook", "--screenshot", "x.png", "--size", "800x500", "--map",
                           "--theme", "topo", "a.ckb", "b.wpt"});
    EXPECT_TRUE(o.m_bValid);
    EXPECT_EQ(o.m_strScreenshot, "x.png");
    EXPECT_EQ(o.m_size, QSize(800, 500));
    EXPECT_TRUE(o.m_bMap);
    EXPECT_EQ(o.m_nTheme, res::ID_MAP_TOPO);
    EXPECT_EQ(o.m_files, QStringList({"a.ckb", "b.wpt"}));
    const CStartOptions print = ParseStartOptions({"c", "--print-to", "Office", "a.ckb"});
    EXPECT_TRUE(print.m_bPrint);
    EXPECT_EQ(print.m_strPrinter, "Office");
    EXPECT_EQ(print.m_files, QStringList({"a.ckb"}));
    EXPECT_TRUE(ParseStartOptions({"c", "--print", "a.ckb"}).m_bPrint);
    for (const QStringList& bad :
         {QStringList{"c", "--size", "80"}, QStringList{"c", "--theme", "sepia"},
          QStringList{"c", "--bogus"}, QStringList{"c", "--print"}})
        EXPECT_FALSE(ParseStartOptions(bad).m_bValid) << qPrintable(bad.join(' '));
    // Nobody answers in a screenshot run: the cautious answer, and no waiting.
    CStderrPrompt prompt;
    EXPECT_EQ(prompt.Ask("Save Warning", "?", EPromptButtons::okCancel, EPromptIcon::question),
              EPromptAnswer::cancel);
    EXPECT_EQ(prompt.Ask("Merge", "?", EPromptButtons::yesNo, EPromptIcon::question),
              EPromptAnswer::no);
}

// Files that do not open are reported, the others open; with none left the
// program starts with a new document as a plain start does.
TEST(Start, FilesThatFailToOpenLeaveTheOthersOrANewDocument) {
    CTempDir dir;
    WriteBytes(dir.Path("bad.ckb"), "not a document");
    const struct {
        QStringList files;
        QString title;
    } cases[] = {
        {{QString::fromStdString(dir.Path("bad.ckb")), QString(CAIRNBOOK_SAMPLES) + "/sample.ckb"},
         "sample.ckb"},
        {{QString::fromStdString(dir.Path("bad.ckb"))}, "Cairnbook1"}};
    for (const auto& c : cases) {
        CStartOptions options;
        options.m_files = c.files;
        options.m_strScreenshot =
            QString::fromStdString(dir.Path("unused.png")); // no message boxes
        CCairnbookApp app;
        ASSERT_TRUE(app.InitInstance(options));
        const auto& records = app.MainFrame().DocManager().Records();
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0]->m_strTitle, c.title);
        app.MainFrame().MdiArea().closeAllSubWindows();
    }
}

// The text of each page of a PDF, read back by pdftotext.
QStringList PdfPages(const QString& pdf) {
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    if (!p.waitForFinished(20000))
        return {};
    QStringList pages = QString::fromUtf8(p.readAllStandardOutput()).split('\f');
    if (!pages.isEmpty() && pages.back().trimmed().isEmpty())
        pages.removeLast();
    return pages;
}

// Every column on a portrait page, the titles on every page of a long list;
// a file that does not open fails the run after the others printed.
TEST(Start, PrintsEveryFileAndEveryRow) {
    CTempDir dir;
    CScriptedPrompt quiet;
    CCairnbookDoc doc(quiet);
    for (int i = 0; i < 150; ++i)
        doc.AddEntry(std::make_unique<CWayEntry>("W" + std::to_string(i), "", 45, 7, 0, 0, 1));
    doc.SaveFile(dir.Path("long.ckb"));
    for (bool withMissing : {false, true}) {
        CStartOptions options;
        options.m_bPrint = true;
        options.m_files = {QString::fromStdString(dir.Path("long.ckb"))};
        if (withMissing)
            options.m_files << QString::fromStdString(dir.Path("missing.ckb"));
        CCairnbookApp app;
        ASSERT_TRUE(app.InitInstance(options));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setPageOrientation(QPageLayout::Portrait);
        const QString pdf = QString::fromStdString(dir.Path("long.pdf"));
        printer.setOutputFileName(pdf);
        EXPECT_EQ(app.PrintDocuments(printer), withMissing ? 1 : 0);
        const QStringList pages = PdfPages(pdf);
        ASSERT_GE(pages.size(), 2);
        for (const QString& page : pages) {
            EXPECT_TRUE(page.contains("Distance")) << qPrintable(page);
            EXPECT_TRUE(page.contains("Direction")) << qPrintable(page);
        }
        EXPECT_TRUE(pages.front().contains("W0"));
        EXPECT_TRUE(pages.back().contains("W149"));
        app.MainFrame().MdiArea().closeAllSubWindows();
    }
}

// Runs that cannot do what they were asked fail with one line that says why.
TEST(Start, PrintingOrAScreenshotThatCannotBeMadeFails) {
    const QString sample = QString(CAIRNBOOK_SAMPLES) + "/sample.ckb";
    const std::pair<QStringList, const char*> runs[] = {
        {{"--print-to", "No Such Printer", sample}, "No Such Printer"},
        {{"--screenshot", "/nonexistent/x.png", sample},
         "the screenshot could not be written to /nonexistent/x.png"}};
    for (const auto& [args, said] : runs) {
        QProcess p;
        p.start(CAIRNBOOK_APP, args);
        ASSERT_TRUE(p.waitForFinished(20000));
        EXPECT_EQ(p.exitCode(), 1) << said;
        EXPECT_TRUE(p.readAllStandardError().contains(said)) << said;
    }
}

// Both programs say their version and licence.
TEST(Start, VersionNamesTheLicence) {
    QProcess p;
    p.start(CAIRNBOOK_APP, {"--version"});
    ASSERT_TRUE(p.waitForFinished(20000));
    EXPECT_EQ(p.exitCode(), 0);
    const QByteArray out = p.readAllStandardOutput();
    EXPECT_TRUE(out.startsWith("cairnbook 2.0\n")) << out.constData();
    EXPECT_TRUE(out.contains("GPL-3.0-or-later")) << out.constData();
}

} // namespace
