// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "cellfont.h"
#include "coordinate.h"
#include "editwaypointdlg.h"
#include "imagelist.h"
#include "listface.h"
#include "mapdraw.h"
#include "mapface.h"
#include "mapgeometry.h"
#include "mapsource.h"
#include "pixels.h"
#include "res/resource.h"
#include "test_helpers.h"
#include "textline.h"
#include "tileservice.h"
#include "trackingtip.h"
#include "viewfixture.h"
#include "viewprint.h"
#include "xlistctrl.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QProgressDialog>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QColor kSky(150, 210, 255);

class MapFace : public CViewTest {
protected:
    void SetUp() override {
        doc.AddEntry(std::make_unique<CWayEntry>("HOME", "my house", 47.5, -122.25, 0, 0, 1));
        ShowView(600, 400, true);
        view.repaint();
    }
    void SetScale(int scale) {
        CMapFrame f = Map().Frame();
        f.m_nScale = scale;
        Map().SetFrame(f);
    }
    void SetCentreLon(double lon) {
        CMapFrame f = Map().Frame();
        f.m_dCenterLon = lon;
        Map().SetFrame(f);
    }
    QPoint Centre() const { return QPoint(Map().Outer().Cx(), Map().Outer().Cy()); }
};

TEST_F(MapFace, FirstPaintFitsTheFrameAroundTheWaypoints) {
    EXPECT_DOUBLE_EQ(Map().Frame().m_dCenterLat, 47.5);
    EXPECT_DOUBLE_EQ(Map().Frame().m_dCenterLon, -122.25);
    EXPECT_EQ(Map().Frame().m_nScale, FitScale(0.25, 0.25, Map().Outer().Width(), 404));
    const QImage img = Grab();
    EXPECT_EQ(img.pixelColor(30, 30), kSky);
    // Crosshair: black over its pink under-stroke at the centre pixel.
    EXPECT_EQ(img.pixelColor(Centre() + QPoint(5, 0)), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(Centre() + QPoint(5, 1)), QColor(255, 200, 255));
}

TEST_F(MapFace, WaypointIconAndLabel) {
    // Move the centre away so the crosshair does not sit on the waypoint.
    SetCentreLon(-122.26);
    const QImage img = Grab();
    int x = 0, y = 0;
    GeoToClient(Map().Frame(), Map().Outer(), 47.5, -122.25, x, y);
    EXPECT_GT(CountPixels(img, QRect(x - 8, y - 8, 16, 16), [](QColor c) { return c != kSky; }),
              30);
    EXPECT_GT(CountInk(img, QRect(x - 20, y - 20, 40, 11)), 10); // the label, above the icon
    view.OnCommand(res::ID_HIDE_WAYPOINTS);
    const QImage hidden = Grab();
    EXPECT_EQ(hidden.pixelColor(x, y), kSky);
    EXPECT_EQ(hidden.pixelColor(Centre() + QPoint(5, 0)), kSky); // no crosshair either
    // The strip stays: its boxes in the button face colour.
    EXPECT_EQ(hidden.pixelColor(Map().ClickBox().center()), view.palette().button().color());
}

// Names stand beside their icons where there is room, never over another
// name or an icon: three close waypoints show all three names whole.
TEST(MapLabels, StandBesideTheirIconsWithoutOverlap) {
    const CMapFrame frame{18, -122.25, 47.5};
    const COuterRect outer{0, 0, 400, 300};
    const QPoint points[] = {{200, 150}, {222, 150}, {200, 172}};
    const char* names[] = {"AAAAAA", "BBBBBB", "CCCCCC"};
    CTextLine text(FontOfCellHeight(12));
    const CImageList noIcons; // the icons' places are kept, nothing drawn there
    auto draw = [&](const std::vector<int>& which) {
        std::vector<std::unique_ptr<CWayEntry>> entries;
        for (int i : which) {
            double lat = 0, lon = 0;
            ClientToGeo(frame, outer, points[i].x(), points[i].y(), lat, lon);
            entries.push_back(std::make_unique<CWayEntry>(names[i], "", lat, lon, 0, 0, 1));
        }
        QImage img(400, 300, QImage::Format_RGB32);
        img.fill(kSky);
        QPainter p(&img);
        DrawWaypoints(p, entries, frame, outer, img.rect(), noIcons, text);
        return img;
    };
    int alone = 0;
    for (int i = 0; i < 3; ++i)
        alone += CountInk(draw({i}), QRect(0, 0, 400, 300));
    const QImage all = draw({0, 1, 2});
    EXPECT_EQ(CountInk(all, QRect(0, 0, 400, 300)), alone);
    for (const QPoint& at : points)
        EXPECT_EQ(CountInk(all, QRect(at - QPoint(8, 8), QSize(16, 16))), 0);
}

TEST_F(MapFace, ScaleBarAndReadout) {
    const QImage img = Grab();
    const int cy = Map().Outer().Cy();
    const int Y = 2 * cy - 50;
    EXPECT_EQ(img.pixelColor(60, Y + 4), QColor(Qt::black));       // the bar
    EXPECT_GT(CountInk(img, QRect(10, 2 * cy - 41, 100, 32)), 30); // the read-out text
}

// Every read-out, the longest box items and the labels stand whole on one
// line inside their rectangles; the scale box ends on the strip's top line.
TEST_F(MapFace, OverlayTextsFitTheirRectangles) {
    view.OnCommand(res::ID_MAP_ADD_WAYPOINT); // the longest items of both boxes
    view.OnCommand(res::ID_MAP_OFF);
    const int cy = Map().Outer().Cy(), B = Map().Outer().B;
    // The read-out's rectangle reaches into the strip: its text must end above.
    const QRect readout(10, 2 * cy - 41, 100, B - 26 - (2 * cy - 41) + 1);
    const QRect boxInside(1, 2 * cy - 54, 123, B - 26 - (2 * cy - 54) + 1);
    // A cut text touches the edge of its clip; a centred one both edges.
    auto expectWhole = [](const QImage& img, const QRect& area, const std::string& what,
                          bool centred) {
        const QRect ink = InkBounds(img, area);
        ASSERT_FALSE(ink.isEmpty()) << what;
        if (centred) {
            EXPECT_GT(ink.left(), area.left()) << what;
        }
        EXPECT_LT(ink.right(), area.right()) << what;
        EXPECT_LT(ink.bottom(), area.bottom()) << what;
    };
    for (int level : {8, 16, 20, 30})
        for (bool metric : {false, true}) {
            SetScale(level);
            if (view.IsMetric() != metric)
                view.OnMetric();
            const QImage img = Grab();
            const std::string what = std::to_string(level) + (metric ? " km" : " miles");
            expectWhole(img, readout, what, true);
            const QRegion outside = QRegion(boxInside.adjusted(0, 12, 0, 0)) - readout;
            for (const QRect& part : outside)
                EXPECT_EQ(CountInk(img, part), 0) << what;
            EXPECT_EQ(CountInk(img, QRect(1, B - 24, 123, 1)), 0) << what; // below the strip's line
            for (const QRect& box : {Map().ClickBox(), Map().ModeBox()})
                expectWhole(img, box.adjusted(6, 2, -7, -3), what + " box", false);
            expectWhole(img, QRect(0, B - 21, Map().ClickBox().left() - 2, 20), what + " label",
                        false);
        }
}

TEST_F(MapFace, ClickInAModeBoxOpensItsMenuWithoutZooming) {
    const int scale = Map().Frame().m_nScale;
    QTimer::singleShot(0, [] {
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        EXPECT_EQ(qobject_cast<QMenu*>(popup)->title(), "Mapping Modes");
        popup->close();
    });
    QTest::mouseClick(&Map(), Qt::LeftButton, {}, Map().ModeBox().center());
    QTest::qWait(20);
    EXPECT_EQ(Map().Frame().m_nScale, scale);
    // Three pixels above the boxes: nothing at all.
    QTest::mouseClick(&Map(), Qt::LeftButton, {}, QPoint(300, Map().ModeBox().top() - 3));
    EXPECT_EQ(Map().Frame().m_nScale, scale);
    // On the map: zoom in.
    QTest::mouseClick(&Map(), Qt::LeftButton, {}, QPoint(300, 100));
    EXPECT_EQ(Map().Frame().m_nScale, scale - 1);
}

// A map centred on longitude 0 is a map like any other: a zoom there stays.
TEST_F(MapFace, ZoomAtLongitudeZeroStays) {
    Map().MoveFrame(CMapFrame{12, 0.0, 51.4778});
    view.OnCommand(res::ID_ZOOM_IN);
    QTest::mouseClick(&Map(), Qt::LeftButton, {}, Centre());
    const int zoomed = Map().Frame().m_nScale;
    EXPECT_NE(zoomed, 12);
    Grab();
    EXPECT_EQ(Map().Frame().m_nScale, zoomed);
    EXPECT_EQ(Map().Frame().m_dCenterLon, 0.0);
}

TEST_F(MapFace, RightClickZoomsTheOtherWay) {
    SetScale(30);
    const double lon = Map().Frame().m_dCenterLon;
    QTest::mouseClick(&Map(), Qt::RightButton, {}, Centre() + QPoint(50, 0));
    EXPECT_EQ(Map().Frame().m_nScale, 30);
    EXPECT_GT(Map().Frame().m_dCenterLon, lon);
    view.OnCommand(res::ID_ZOOM_OUT);
    SetScale(15);
    QTest::mouseClick(&Map(), Qt::RightButton, {}, Centre());
    EXPECT_EQ(Map().Frame().m_nScale, 14);
    view.OnCommand(res::ID_RECENTER);
    QTest::mouseClick(&Map(), Qt::RightButton, {}, Centre());
    EXPECT_EQ(Map().Frame().m_nScale, 14);
}

TEST_F(MapFace, MouseMoveReportsThePositionAndShowsTheComment) {
    int lon = 0, lat = 0;
    QObject::connect(&view, &CCairnbookView::MapPosition, [&](int lo, int la) {
        lon = lo;
        lat = la;
    });
    QTest::mouseMove(&Map(), Centre());
    EXPECT_EQ(lon, -1222500);
    EXPECT_EQ(lat, 475000);
    EXPECT_EQ(Map().Hovered(), doc.m_WayList[0].get());
    // The tip stands 8 right of and 16 below the waypoint, and stays while
    // the mouse is on its icon.
    ASSERT_NE(Map().Tip(), nullptr);
    const QLabel* tip = Map().Tip()->Label();
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->text(), "my house");
    EXPECT_EQ(tip->pos(), view.mapToGlobal(Centre() + QPoint(8, 16)));
    QTest::mouseMove(&Map(), Centre() + QPoint(5, 5));
    QTest::qWait(50);
    EXPECT_TRUE(tip->isVisible());
    EXPECT_EQ(tip->pos(), view.mapToGlobal(Centre() + QPoint(8, 16)));
    QTest::mouseMove(&Map(), QPoint(20, 20));
    EXPECT_EQ(Map().Hovered(), nullptr);
    EXPECT_FALSE(tip->isVisible());
}

TEST_F(MapFace, ClickModesAndThemesAreChecked) {
    bool checked = false;
    view.UpdateCommand(res::ID_ZOOM_IN, checked);
    EXPECT_TRUE(checked);
    view.OnCommand(res::ID_MAP_AUTO);
    view.UpdateCommand(res::ID_MAP_AUTO, checked);
    EXPECT_TRUE(checked);
    view.UpdateCommand(res::ID_MAP_OFF, checked);
    EXPECT_FALSE(checked);
    view.OnCommand(res::ID_VIEW_LIST);
    view.OnCommand(res::ID_MAP_ADD_WAYPOINT); // ignored in the list face
    EXPECT_EQ(Map().ClickMode(), res::ID_ZOOM_IN);
    view.OnCommand(res::ID_ZOOM_OUT); // taken silently
    EXPECT_EQ(Map().ClickMode(), res::ID_ZOOM_OUT);
    view.UpdateCommand(res::ID_ZOOM_OUT, checked);
    EXPECT_FALSE(checked); // checks show in the map face only
}

TEST_F(MapFace, AddingOnTheMapPresetsTheClickedPosition) {
    view.OnCommand(res::ID_MAP_ADD_WAYPOINT);
    const QPoint at(150, 120);
    double lat = 0, lon = 0;
    ClientToGeo(Map().Frame(), Map().Outer(), at.x(), at.y(), lat, lon);
    QTimer::singleShot(0, [] {
        auto* dlg = qobject_cast<CEditWaypointDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        dlg->Edit(1001)->setText("ONMAP");
        dlg->accept();
    });
    QTest::mouseClick(&Map(), Qt::LeftButton, {}, at);
    ASSERT_EQ(doc.m_WayList.size(), 2u);
    EXPECT_EQ(doc.m_WayList[1]->m_strName, "ONMAP");
    EXPECT_NEAR(doc.m_WayList[1]->m_dLatitude, lat,
                0.001 / 60 + 1e-9); // the text form rounds minutes
    EXPECT_NEAR(doc.m_WayList[1]->m_dLongitude, lon, 0.001 / 60 + 1e-9);
    EXPECT_EQ(view.ListFace().Rows(), 2);
    EXPECT_TRUE(doc.IsModified());
}

// The map prints within the page's printable area, with its attribution and
// scale but none of its controls; the list's columns fit the page, titles
// whole, and a long text ends within its column.
TEST_F(MapFace, PrintsTheMapAndTheList) {
    CTempDir dir;
    auto e = std::make_unique<CWayEntry>("LONGINFO", "a comment of thirty characters", 47.51,
                                         -122.24, 100, 1, 1);
    e->m_strAdditionalInfo = std::string(40, 'x') + " " + std::string(300, 'y') + " THE END";
    doc.AddEntry(std::move(e));
    CMapSource tiles = MapSourceFromArgument("http://127.0.0.1:1/{z}/{x}/{y}.png");
    tiles.m_strAttribution = "Attributed Tiles";
    CTileService::Instance().SetSource(tiles);
    view.OnCommand(res::ID_MAP_AERIAL);
    view.resize(1400, 500); // wider than a portrait page
    for (bool map : {true, false}) {
        view.OnCommand(map ? res::ID_VIEW_MAP : res::ID_VIEW_LIST);
        view.repaint();
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        const QString out = QString::fromStdString(dir.Path(map ? "map.pdf" : "list.pdf"));
        printer.setOutputFileName(out);
        ASSERT_EQ(RenderPages(view, printer), EPrintResult::printed);
        // Only what stands on the page is read back.
        QProcess text;
        text.start("pdftotext", {"-layout", out, "-"});
        ASSERT_TRUE(text.waitForFinished(20000));
        const QString words = QString::fromUtf8(text.readAllStandardOutput());
        const QStringList wanted = map ? QStringList{"Attributed Tiles", "miles (", "LONGINFO"}
                                       : QStringList{"Altitude (ft)", "Geocache",  "Visible",
                                                     "Distance (mi)", "Direction", "xxxxxxxx"};
        for (const QString& w : wanted)
            EXPECT_TRUE(words.contains(w)) << qPrintable(w + " in " + words);
        for (const char* absent : {"Click on map to", "Mapping Mode", "Zoom In", "THE END"})
            EXPECT_FALSE(words.contains(absent)) << absent;
        if (const char* keep = std::getenv("CAIRNBOOK_SCREENSHOTS")) {
            const QString target = QString::fromLocal8Bit(keep) + (map ? "/map.pdf" : "/list.pdf");
            QFile::remove(target);
            QFile::copy(out, target);
        }
    }
    CTileService::Instance().SetSource(CurrentMapSource());
}

// A list of many pages shows its progress, and Cancel stops it.
TEST_F(MapFace, PrintingManyPagesCanBeCancelled) {
    for (int i = 0; i < 400; ++i)
        doc.AddEntry(std::make_unique<CWayEntry>("W" + std::to_string(i), "", 47, -122, 0, 0, 1));
    view.OnCommand(res::ID_VIEW_LIST);
    view.repaint();
    CTempDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(dir.Path("many.pdf")));
    QString said;
    QTimer::singleShot(0, &view, [&] {
        auto* bar = view.findChild<QProgressDialog*>();
        ASSERT_NE(bar, nullptr);
        said = bar->labelText();
        bar->cancel();
    });
    EXPECT_EQ(RenderPages(view, printer, &view), EPrintResult::cancelled);
    EXPECT_TRUE(said.startsWith("Printing page 1 of ")) << qPrintable(said);
}

TEST(Printing, ColumnsAndPicturesFitThePage) {
    // Wide enough: as they are, but never narrower than their titles.
    EXPECT_EQ(PrintColumnWidths({50, 10, 300}, {40, 30, 40}, 1000),
              (std::vector<int>{50, 30, 300}));
    // Too wide: the widest give way first, down to one common width.
    EXPECT_EQ(PrintColumnWidths({40, 30, 440}, {40, 30, 40}, 310), (std::vector<int>{40, 30, 240}));
    EXPECT_EQ(PrintColumnWidths({100, 60, 300}, {20, 20, 20}, 300),
              (std::vector<int>{100, 60, 140}));
    // The titles alone too wide: the titles' widths, for the page scale to shrink.
    EXPECT_EQ(PrintColumnWidths({100, 100}, {80, 90}, 100), (std::vector<int>{80, 90}));
    EXPECT_DOUBLE_EQ(PageScale(600, 400, 6000, 8000, 6.25), 6.25); // physical size fits
    EXPECT_DOUBLE_EQ(PageScale(1400, 500, 7000, 9000, 6.25), 5.0); // narrowed to the width
    EXPECT_DOUBLE_EQ(PageScale(500, 1800, 7000, 9000, 6.25), 5.0); // shortened to the height
}

} // namespace
