// SPDX-License-Identifier: GPL-3.0-or-later
#include "aboutdlg.h"
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
#include "res/menus.h"
#include "res/resource.h"
#include "res/strings.h"
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
#include <QLabel>
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
    EXPECT_NE(ReadBytes(dir.Path("keep.wpt")), "old bytes");
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

// A GPX document is saved as GPX; what its read skipped shows in the status bar.
TEST_F(App, GpxDocumentsStayGpx) {
    chooser.m_next.reset();
    frame.OnCommand(res::ID_FILE_OPEN);
    EXPECT_NE(chooser.m_strFilter.find("All readable files (*.ckb *.wpt *.loc *.gpx *.zip)"),
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

// Arrange Icons lines the minimised windows up along the area's bottom, left
// to right in the order they were opened; the others stay where they are.
TEST_F(App, ArrangeIconsLinesUpMinimisedWindows) {
    Open(kSample);
    for (int i = 0; i < 3; ++i)
        frame.OnCommand(res::ID_WINDOW_NEW);
    const QList<QMdiSubWindow*> windows = frame.MdiArea().subWindowList(QMdiArea::CreationOrder);
    ASSERT_EQ(windows.size(), 4);
    windows[3]->showNormal();
    windows[3]->move(40, 30);
    for (int i = 0; i < 3; ++i) {
        windows[i]->showMinimized();
        windows[i]->move(100 + 37 * i, 50 + 11 * i);
    }
    QApplication::processEvents();
    frame.OnCommand(res::ID_WINDOW_ARRANGE);
    const int bottom = frame.MdiArea().viewport()->rect().bottom() + 1;
    int x = 0;
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(windows[i]->geometry().bottom() + 1, bottom) << i;
        EXPECT_EQ(windows[i]->x(), x) << i;
        x += windows[i]->width();
    }
    EXPECT_EQ(windows[3]->pos(), QPoint(40, 30));
}

// The About box credits the map data shown, names the licences, Qt's version
// and the project's page.
TEST_F(App, AboutCreditsTheMapDataShown) {
    const CMapSource original = CTileService::Instance().Source();
    for (const CMapSource& shown : BuiltInMapSources()) {
        CTileService::Instance().SetSource(shown);
        CAboutDlg about(&frame);
        QString texts;
        for (const QLabel* label : about.findChildren<QLabel*>())
            texts += label->text() + "\n";
        const CMapSource& source = CTileService::Instance().Source();
        EXPECT_TRUE(texts.contains(source.m_strAttribution.isEmpty() ? res::kAboutCredit
                                                                     : source.m_strAttribution))
            << shown.m_strName.toStdString();
        for (const QString& part : {QString("GPL-3.0-or-later"), QString("libzip"),
                                    QString(qVersion()), QString(res::kProjectAddress)})
            EXPECT_TRUE(texts.contains(part)) << part.toStdString();
        if (const char* folder = std::getenv("CAIRNBOOK_SHOTS"))
            about.grab().save(QString("%1/about-%2.png").arg(folder, shown.m_strName));
    }
    CTileService::Instance().SetSource(original);
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

} // namespace
