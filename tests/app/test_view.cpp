// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "coordinate.h"
#include "fileformat.h"
#include "pixels.h"
#include "qtprompt.h"
#include "res/resource.h"
#include "res/strings.h"
#include "test_helpers.h"
#include "textcodec.h"
#include "velbutton.h"
#include "xlistctrl.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class View : public ::testing::Test {
protected:
    void SetUp() override {
        g_nCoordFormat = 0;
        doc.OnNewDocument();
        view.resize(900, 420);
        view.OnInitialUpdate();
        view.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    }
    void TearDown() override { g_nCoordFormat = 0; }
    void Add(const std::string& name, double lat, double lon, double alt) {
        auto e = std::make_unique<CWayEntry>(name, "c", lat, lon, alt, 0, 1);
        doc.AddEntry(std::move(e));
        doc.m_bListChanged = true;
    }
    void Paint() { view.repaint(); }
    QString Cell(int row, int col) { return view.m_pList->GetItemText(row, col); }
    CScriptedPrompt prompt;
    CCairnbookDoc doc{prompt};
    CCairnbookView view{doc};
};

TEST_F(View, RowsAreBuiltAtPaintFromTheDocument) {
    Add("HOME", 47.5, -122.25, 100);
    EXPECT_EQ(view.m_pList->GetItemCount(), 0);
    Paint();
    EXPECT_FALSE(doc.m_bListChanged);
    ASSERT_EQ(view.m_nRows, 1);
    EXPECT_EQ(Cell(0, 0), "0");
    EXPECT_EQ(Cell(0, 1), "HOME");
    EXPECT_EQ(Cell(0, 3), QString::fromUtf8("N47° 30.000'"));
    EXPECT_EQ(Cell(0, 4), QString::fromUtf8("W122° 15.000'"));
    EXPECT_EQ(Cell(0, 5), "328");
    EXPECT_EQ(Cell(0, 6), "Cross");
    EXPECT_EQ(view.m_pList->GetCheckState(0, 7), 0);
    EXPECT_EQ(view.m_pList->GetCheckState(0, 8), 1);
    EXPECT_EQ(Cell(0, 10), "0.00");
    EXPECT_EQ(Cell(0, 11), "North");
    EXPECT_EQ(reinterpret_cast<CWayEntry*>(view.m_pList->GetItemData(0)), doc.m_WayList[0].get());
}

TEST_F(View, ColumnsTitlesAndWidths) {
    const char* titles[] = {"Index",         "Name",     "Comment",  "Latitude", "Longnitude",
                            "Altitude (ft)", "Icon",     "Geocache", "Visible",  "Additional Info",
                            "Distance (mi)", "Direction"};
    ASSERT_EQ(view.m_pList->GetColumnCount(), 12);
    for (int c = 0; c < 12; ++c)
        EXPECT_EQ(view.m_pList->model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
    const int w = 900;
    EXPECT_EQ(view.m_pList->columnWidth(2), w * 20 / 100);
    // No title is cut: each column holds its title and a sort triangle.
    for (int c = 0; c < 12; ++c)
        EXPECT_GE(view.m_pList->columnWidth(c),
                  view.m_pList->fontMetrics().horizontalAdvance(titles[c]) + 10)
            << titles[c];
}

// A list that holds fewer rows than the document says so, below its rows;
// with every waypoint shown it says nothing.
TEST_F(View, SaysHowManyWaypointsItShows) {
    const std::pair<int, const char*> cases[] = {{2, ""},
                                                 {2000, ""},
                                                 {2001, "2,000 of 2,001 waypoints shown"},
                                                 {5412, "2,000 of 5,412 waypoints shown"}};
    // A list that has not caught up yet (a merge still asking) says nothing.
    Add("A", 1, 2, 3);
    Paint();
    Add("B", 1, 2, 3);
    EXPECT_EQ(view.ShownText(), "");
    for (const auto& [count, text] : cases) { // growing: each case adds to the last
        for (int i = static_cast<int>(doc.Entries().size()); i < count; ++i)
            doc.AddEntry(std::make_unique<CWayEntry>("W" + std::to_string(i), "", 1, 2, 3, 0, 1));
        for (bool all : {false, true}) {
            CCairnbookView::SetShowAll(all);
            view.InvalidateRows();
            Paint();
            const QString said = all ? QString() : QString(text);
            EXPECT_EQ(view.ShownText(), said) << count << " " << all;
            EXPECT_EQ(view.m_pShownStrip->text(), said) << count << " " << all;
            EXPECT_EQ(view.m_pShownStrip->isVisible(), !all && count > 2000);
            EXPECT_EQ(view.m_nRows, all ? count : std::min(count, 2000));
        }
    }
    // Find searches the whole document; a hit beyond the rows offers to show them all.
    CCairnbookView::SetShowAll(false);
    view.InvalidateRows();
    Paint();
    view.m_fnShowAll = [] { CCairnbookView::SetShowAll(true); };
    view.OnFind();
    view.m_pFindEdit->setText("W5000");
    QTest::keyClick(view.m_pFindEdit, Qt::Key_Return);
    EXPECT_EQ(view.m_pFindStatus->text(), "W5000 is waypoint 5,001, beyond the rows shown.");
    auto* offer = view.m_pFindBar->findChild<QPushButton*>("FindShowAll");
    ASSERT_TRUE(offer && offer->isVisible());
    offer->click();
    EXPECT_TRUE(CCairnbookView::ShowAll());
    EXPECT_EQ(view.m_nRows, 5412);
    EXPECT_EQ(view.m_pList->SelectedRows(), std::vector<int>{5000});
    EXPECT_FALSE(offer->isVisible());
    CCairnbookView::SetShowAll(false);
}

TEST_F(View, MetricToggleRewritesTitlesAndValues) {
    Add("REF", 10, 5, 100);
    Add("EAST", 10, 6, 100);
    Paint();
    doc.m_pReference = doc.m_WayList[0].get();
    doc.ComputeDistances();
    view.RefreshRows();
    EXPECT_EQ(Cell(1, 10), "68.13");
    view.OnCommand(res::ID_METRIC);
    EXPECT_EQ(view.m_pList->model()->headerData(5, Qt::Horizontal).toString(), "Altitude (m)");
    EXPECT_EQ(view.m_pList->model()->headerData(10, Qt::Horizontal).toString(), "Distance (km)");
    EXPECT_EQ(Cell(1, 10), "109.64");
    EXPECT_EQ(Cell(1, 5), "100");
    view.OnCommand(res::ID_METRIC);
    EXPECT_EQ(view.m_pList->model()->headerData(5, Qt::Horizontal).toString(), "Altitude (ft)");
    EXPECT_EQ(view.m_pList->model()->headerData(10, Qt::Horizontal).toString(), "Distance (mi)");
    EXPECT_EQ(Cell(1, 5), "328");
}

TEST_F(View, MetricToggledOnTheMapReachesTheList) {
    Add("A", 1, 1, 100);
    Paint();
    view.OnCommand(res::ID_VIEW_MAP);
    view.OnCommand(res::ID_METRIC);
    EXPECT_EQ(Cell(0, 5), "328");             // the list is not shown meanwhile
    view.OnCommand(res::ID_FORMAT_DEGMINSEC); // rebuilds the rows, in metres
    view.OnCommand(res::ID_VIEW_LIST);
    EXPECT_EQ(Cell(0, 5), "100");
    EXPECT_EQ(view.m_pList->model()->headerData(5, Qt::Horizontal).toString(), "Altitude (m)");
    EXPECT_EQ(view.m_pList->model()->headerData(10, Qt::Horizontal).toString(), "Distance (km)");
}

TEST_F(View, NotationCommandsRebuildRows) {
    Add("A", -33.25, 0.5, 0);
    Paint();
    view.OnCommand(res::ID_FORMAT_DEGDEC);
    EXPECT_EQ(g_nCoordFormat, 2);
    EXPECT_EQ(Cell(0, 3), "S33.25000");
    view.OnCommand(res::ID_FORMAT_DEGMINSEC);
    EXPECT_EQ(Cell(0, 3), QString::fromUtf8("S33° 15' 00"));
    bool checked = false;
    EXPECT_TRUE(view.UpdateCommand(res::ID_FORMAT_DEGMINSEC, checked));
    EXPECT_TRUE(checked);
    EXPECT_TRUE(view.UpdateCommand(res::ID_FORMAT_DEGMIN, checked));
    EXPECT_FALSE(checked);
}

TEST_F(View, FacesAndTheStripButtons) {
    bool checked = false;
    view.UpdateCommand(res::ID_VIEW_LIST, checked);
    EXPECT_TRUE(checked);
    EXPECT_FALSE(view.m_pHideButton->isVisible());
    view.OnCommand(res::ID_VIEW_MAP);
    EXPECT_TRUE(view.m_bMapMode);
    EXPECT_FALSE(view.m_pList->isVisible());
    EXPECT_TRUE(view.m_pHideButton->isVisible());
    EXPECT_TRUE(view.m_pResetButton->isVisible());
    const QImage face = view.grab().toImage();
    EXPECT_EQ(face.pixelColor(100, 100), QColor(150, 210, 255));
    // The menu command and the button act on the same flag.
    view.OnCommand(res::ID_HIDE_WAYPOINTS);
    EXPECT_TRUE(view.m_bHideWaypoints);
    EXPECT_EQ(view.m_pHideButton->Caption(), "Show Waypoints");
    view.m_pHideButton->click();
    EXPECT_FALSE(view.m_bHideWaypoints);
    EXPECT_EQ(view.m_pHideButton->Caption(), "Hide Waypoints");
    view.OnCommand(res::ID_VIEW_LIST);
    EXPECT_TRUE(view.m_pList->isVisible());
    EXPECT_FALSE(view.m_pHideButton->isVisible());
}

TEST_F(View, StripLayoutFollowsTheWidth) {
    struct Case {
        int width;
        int clickLeft, modeLeft, hideLeft;
    } cases[] = {{600, 100, 292, 420}, {462, 50, 192, 284}, {362, 0, 92, 184}, {300, 0, 92, 184}};
    for (const auto& c : cases) {
        view.resize(c.width, 300);
        EXPECT_EQ(view.m_rcClickBox.left(), c.clickLeft) << c.width;
        EXPECT_EQ(view.m_rcModeBox.left(), c.modeLeft) << c.width;
        EXPECT_EQ(view.m_pHideButton->geometry().left(), c.hideLeft) << c.width;
        EXPECT_EQ(view.m_pHideButton->width(), 100);
        EXPECT_EQ(view.m_pResetButton->geometry().left(), c.hideLeft + 102);
        EXPECT_EQ(view.m_rcClickBox.bottom(), 300 - 1);
    }
}

// Dark pixels of a text as the list's font draws it.
int InkOf(const QString& text, const QFont& font) {
    QImage img(40, 20, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setFont(font);
    p.setPen(Qt::black);
    p.drawText(QPoint(2, 15), text);
    return CountInk(img, img.rect(), 128);
}

// The number shows, in dark ink, on a selected row of a focused list too.
TEST_F(View, FirstRowShowsItsNumberNotItsText) {
    Add("A", 1, 1, 1);
    Paint();
    ASSERT_EQ(Cell(0, 0), "0");
    for (bool selected : {false, true}) {
        view.m_pList->clearSelection();
        view.m_pList->SetItemSelected(0, selected);
        view.m_pList->setFocus();
        const QImage img = view.m_pList->viewport()->grab().toImage();
        const QRect cell = view.m_pList->visualRect(view.m_pList->model()->index(0, 0));
        const int ink = CountInk(img, cell.adjusted(0, 1, -1, -1), 128); // inside the grid lines
        const int one = InkOf("1", view.m_pList->font()), zero = InkOf("0", view.m_pList->font());
        ASSERT_NE(one, zero);
        EXPECT_NEAR(ink, one, 2) << selected;
    }
}

} // namespace

namespace {

// Each file-type filter names its pattern once, whatever its description says.
TEST(FileDialogs, EachFilterShowsItsPatternOnce) {
    EXPECT_EQ(ToQtFilters(MergeFilter()),
              QStringList({"Cairnbook (*.ckb)", "WPT Files (*.wpt)", "TopoGrafix Data File (*.loc)",
                           "GPX Files (*.gpx)", "Text Files (*.txt)", "All Files (*.*)"}));
    EXPECT_EQ(ToQtFilters("MBTiles Files (*.mbtiles)|*.mbtiles;*.db||"),
              QStringList({"MBTiles Files (*.mbtiles *.db)"}));
}

// A file's name in a title or a message shows its controls as symbols.
TEST(FileDialogs, ControlsInNamesShowAsSymbols) {
    EXPECT_EQ(VisibleControls("a\x1B]0;x\x07"
                              "b\x7F\n"),
              QString::fromUtf8("a\u241B]0;x\u2407b\u2421\u240A"));
    EXPECT_EQ(VisibleControls("one\ntwo\x1B", true), QString::fromUtf8("one\ntwo\u241B"));
}

// File dialogs start in the folder where a file was last chosen.
TEST(FileDialogs, StartInTheLastFolderUsed) {
    CTempDir dir;
    WriteBytes(dir.Path("a.ckb"), "");
    CQtFileChooser chooser;
    QString seen;
    auto answer = [&](bool choose) {
        QTimer::singleShot(0, [&, choose] {
            auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            seen = d->directory().absolutePath();
            if (choose) {
                d->selectFile(QString::fromStdString(dir.Path("a.ckb")));
                QMetaObject::invokeMethod(d, "accept");
            } else {
                d->reject();
            }
        });
    };
    answer(true);
    ASSERT_TRUE(chooser.ChooseOpen("Open", OpenFilter()));
    answer(false);
    EXPECT_FALSE(chooser.ChooseOpen("Open", OpenFilter()));
    EXPECT_EQ(seen, QDir(QString::fromStdString(dir.Path(""))).absolutePath());
    answer(false);
    chooser.ChooseSave("Save As", SaveAsFilter(), "Cairnbook1.ckb");
    EXPECT_EQ(seen, QDir(QString::fromStdString(dir.Path(""))).absolutePath());
}

} // namespace
