// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "coordinate.h"
#include "documentrows.h"
#include "fileformat.h"
#include "imagelist.h"
#include "listface.h"
#include "listingpane.h"
#include "mapface.h"
#include "pixels.h"
#include "qtprompt.h"
#include "res/resource.h"
#include "res/strings.h"
#include "test_helpers.h"
#include "textcodec.h"
#include "velbutton.h"
#include "viewfixture.h"
#include "xlistctrl.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <functional>
#include <gtest/gtest.h>

namespace {

class View : public CViewTest {
protected:
    void SetUp() override {
        doc.OnNewDocument();
        ShowView(900, 420);
    }
    void Add(const std::string& name, double lat, double lon, double alt) {
        auto e = std::make_unique<CWayEntry>(name, "c", lat, lon, alt, 0, 1);
        doc.AddEntry(std::move(e));
    }
    void Paint() { view.repaint(); }
};

// A row stands for its waypoint from the moment it is added, without a paint;
// what its cells say is the row-text test's.
TEST_F(View, RowsFollowTheDocument) {
    Add("HOME", 47.5, -122.25, 100);
    ASSERT_EQ(view.ListFace().Rows(), 1);
    EXPECT_EQ(Cell(0, 1), "HOME");
    EXPECT_EQ(List().GetCheckState(0, 7), 0);
    EXPECT_EQ(List().GetCheckState(0, 8), 1);
    EXPECT_EQ(reinterpret_cast<CWayEntry*>(List().GetItemData(0)), doc.m_WayList[0].get());
}

TEST_F(View, ColumnsTitlesAndWidths) {
    const char* titles[] = {"Index",         "Name",     "Comment",  "Latitude", "Longnitude",
                            "Altitude (ft)", "Icon",     "Geocache", "Visible",  "Additional Info",
                            "Distance (mi)", "Direction"};
    ASSERT_EQ(List().GetColumnCount(), 12);
    for (int c = 0; c < 12; ++c)
        EXPECT_EQ(List().model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
    const int w = 900;
    EXPECT_EQ(List().columnWidth(2), w * 20 / 100);
    // No title is cut: each column holds its title and a sort triangle.
    for (int c = 0; c < 12; ++c)
        EXPECT_GE(List().columnWidth(c), List().fontMetrics().horizontalAdvance(titles[c]) + 10)
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
            CListFace::SetShowAll(all);
            view.FillList();
            const QString said = all ? QString() : QString(text);
            EXPECT_EQ(view.ShownText(), said) << count << " " << all;
            EXPECT_EQ(view.ListFace().ShownStrip()->text(), said) << count << " " << all;
            EXPECT_EQ(view.ListFace().ShownStrip()->isVisible(), !all && count > 2000);
            EXPECT_EQ(view.ListFace().Rows(), all ? count : std::min(count, 2000));
        }
    }
    // Find searches the whole document; a hit beyond the rows offers to show them all.
    CListFace::SetShowAll(false);
    view.FillList();
    QObject::connect(&view, &CCairnbookView::ShowAllWanted, [] { CListFace::SetShowAll(true); });
    view.ListFace().OpenFind();
    view.ListFace().FindEdit()->setText("W5000");
    QTest::keyClick(view.ListFace().FindEdit(), Qt::Key_Return);
    EXPECT_EQ(view.ListFace().FindStatus()->text(),
              "W5000 is waypoint 5,001, beyond the rows shown.");
    auto* offer = view.ListFace().FindBar()->findChild<QPushButton*>("FindShowAll");
    ASSERT_TRUE(offer && offer->isVisible());
    offer->click();
    EXPECT_TRUE(CListFace::ShowAll());
    EXPECT_EQ(view.ListFace().Rows(), 5412);
    EXPECT_EQ(List().SelectedRows(), std::vector<int>{5000});
    EXPECT_FALSE(offer->isVisible());
    CListFace::SetShowAll(false);
}

// Every notation and unit, chosen in list face or in map face: the titles,
// values and check marks follow, and so does what the list shows next.
TEST_F(View, NotationsAndUnits) {
    Add("REF", -33.25, 0.5, 100);
    Add("EAST", -33.25, 1.5, 100);
    doc.SetReference(doc.m_WayList[0].get());
    struct Case {
        int command;
        bool onMap;
        const char *latitude, *altitude, *distance, *altitudeTitle, *distanceTitle;
    };
    const Case cases[] = {
        {res::ID_FORMAT_DEGDEC, false, "S33.25000", "328", "57.90", "Altitude (ft)",
         "Distance (mi)"},
        {res::ID_METRIC, false, "S33.25000", "100", "93.19", "Altitude (m)", "Distance (km)"},
        {res::ID_FORMAT_DEGMINSEC, true, "S33\u00B0 15' 00", "100", "93.19", "Altitude (m)",
         "Distance (km)"},
        {res::ID_METRIC, true, "S33\u00B0 15' 00", "328", "57.90", "Altitude (ft)",
         "Distance (mi)"},
        {res::ID_FORMAT_DEGMIN, false, "S33\u00B0 15.000'", "328", "57.90", "Altitude (ft)",
         "Distance (mi)"},
    };
    for (const Case& c : cases) {
        view.OnCommand(c.onMap ? res::ID_VIEW_MAP : res::ID_VIEW_LIST);
        view.OnCommand(c.command);
        view.OnCommand(res::ID_VIEW_LIST);
        const QString what = QString::number(c.command) + (c.onMap ? " on the map" : "");
        EXPECT_EQ(Cell(1, 3), QString::fromUtf8(c.latitude)) << qPrintable(what);
        EXPECT_EQ(Cell(1, 5), c.altitude) << qPrintable(what);
        EXPECT_EQ(Cell(1, 10), c.distance) << qPrintable(what);
        EXPECT_EQ(List().model()->headerData(5, Qt::Horizontal).toString(), c.altitudeTitle);
        EXPECT_EQ(List().model()->headerData(10, Qt::Horizontal).toString(), c.distanceTitle);
        bool checked = false;
        if (c.command != res::ID_METRIC) {
            EXPECT_TRUE(view.UpdateCommand(c.command, checked));
            EXPECT_TRUE(checked) << qPrintable(what);
        }
        EXPECT_TRUE(view.UpdateCommand(res::ID_METRIC, checked));
        EXPECT_EQ(checked, std::string(c.altitude) == "100") << qPrintable(what);
    }
}

TEST_F(View, FacesAndTheStripButtons) {
    bool checked = false;
    view.UpdateCommand(res::ID_VIEW_LIST, checked);
    EXPECT_TRUE(checked);
    EXPECT_FALSE(Map().HideButton()->isVisible());
    view.OnCommand(res::ID_VIEW_MAP);
    EXPECT_TRUE(view.IsMapMode());
    EXPECT_FALSE(List().isVisible());
    EXPECT_TRUE(Map().HideButton()->isVisible());
    EXPECT_TRUE(Map().ResetButton()->isVisible());
    const QImage face = view.grab().toImage();
    EXPECT_EQ(face.pixelColor(100, 100), QColor(150, 210, 255));
    // The menu command and the button act on the same flag.
    view.OnCommand(res::ID_HIDE_WAYPOINTS);
    EXPECT_TRUE(Map().WaypointsHidden());
    EXPECT_EQ(Map().HideButton()->Caption(), "Show Waypoints");
    Map().HideButton()->click();
    EXPECT_FALSE(Map().WaypointsHidden());
    EXPECT_EQ(Map().HideButton()->Caption(), "Hide Waypoints");
    view.OnCommand(res::ID_VIEW_LIST);
    EXPECT_TRUE(List().isVisible());
    EXPECT_FALSE(Map().HideButton()->isVisible());
}

TEST_F(View, StripLayoutFollowsTheWidth) {
    struct Case {
        int width;
        int clickLeft, modeLeft, hideLeft;
    } cases[] = {{600, 100, 292, 420}, {462, 50, 192, 284}, {362, 0, 92, 184}, {300, 0, 92, 184}};
    for (const auto& c : cases) {
        view.resize(c.width, 300);
        EXPECT_EQ(Map().ClickBox().left(), c.clickLeft) << c.width;
        EXPECT_EQ(Map().ModeBox().left(), c.modeLeft) << c.width;
        EXPECT_EQ(Map().HideButton()->geometry().left(), c.hideLeft) << c.width;
        EXPECT_EQ(Map().HideButton()->width(), 100);
        EXPECT_EQ(Map().ResetButton()->geometry().left(), c.hideLeft + 102);
        EXPECT_EQ(Map().ClickBox().bottom(), 300 - 1);
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
        List().clearSelection();
        List().SetItemSelected(0, selected);
        List().setFocus();
        const QImage img = List().viewport()->grab().toImage();
        const QRect cell = List().visualRect(List().model()->index(0, 0));
        const int ink = CountInk(img, cell.adjusted(0, 1, -1, -1), 128); // inside the grid lines
        const int one = InkOf("1", List().font()), zero = InkOf("0", List().font());
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
                           "GPX Files (*.gpx)", "Zip Files of GPX Files (*.zip)",
                           "Text Files (*.txt)", "All Files (*.*)"}));
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
