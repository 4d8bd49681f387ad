// SPDX-License-Identifier: GPL-3.0-or-later
// The geocacher's desk in a window: cache states on icons, the listing pane, the filter bar.
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

// A found cache's icon carries a green tick, a disabled one is grey, an
// archived one grey and crossed out in red; the list's rows (and with them
// printouts) and the map draw them so.
TEST(Looks, CacheStatesShowOnTheirIcons) {
    const CImageList icons = CImageList::FromResource();
    auto drawn = [&](EIconLook look) {
        QImage img(16, 16, QImage::Format_ARGB32);
        img.fill(Qt::white);
        QPainter p(&img);
        icons.Draw(p, 0, 0, 0, look); // the house
        return img;
    };
    auto isGreen = [](QColor c) { return c.green() > 110 && c.red() < 40 && c.blue() < 40; };
    auto isRed = [](QColor c) { return c.red() > 170 && c.green() < 60 && c.blue() < 60; };
    const QImage plain = drawn(EIconLook::plain), found = drawn(EIconLook::found),
                 grey = drawn(EIconLook::disabled), crossed = drawn(EIconLook::archived);
    EXPECT_EQ(CountPixels(plain, plain.rect(), isGreen), 0);
    EXPECT_GT(CountPixels(found, found.rect(), isGreen), 5);
    EXPECT_GT(CountPixels(plain, plain.rect(), [](QColor c) { return c.hsvSaturation() > 80; }),
              20);
    EXPECT_EQ(CountPixels(grey, grey.rect(), [](QColor c) { return c.hsvSaturation() > 20; }), 0);
    EXPECT_TRUE(isRed(crossed.pixelColor(4, 4)) && isRed(crossed.pixelColor(11, 4)));
    // Which rows show which look.
    CScriptedPrompt prompt;
    CCairnbookDoc doc(prompt);
    doc.LoadFile(std::string(CAIRNBOOK_SAMPLES) + "/caches.gpx");
    const CDocumentRows rows(doc);
    for (int i = 0; i < int(doc.Entries().size()); ++i) {
        CCellData cell;
        rows.Cell(i, 6, cell);
        const std::string_view n = doc.Entries()[std::size_t(i)]->m_strName;
        EXPECT_EQ(cell.m_look, n == "GC2B7XA"   ? EIconLook::found
                               : n == "GC4TTRE" ? EIconLook::disabled
                               : n == "GC5VRTL" ? EIconLook::archived
                                                : EIconLook::plain)
            << n;
    }
}

} // namespace

namespace {

class Listing : public CViewTest {};

// View > Listing shows the current row's listing beside the list: the hint
// behind a link, the cache's waypoints as links that select them.
TEST_F(Listing, ShowsTheCurrentRowsListing) {
    std::string gpx = ReadBytes(std::string(CAIRNBOOK_SAMPLES) + "/caches.gpx");
    gpx.insert(gpx.find("  <trk>"), "  <wpt lat=\"47.6\" lon=\"-121.8\"><name>PK1M2QK</name>"
                                    "<cmt>Parking</cmt><sym>Parking Area</sym></wpt>\n");
    CTempDir dir;
    WriteBytes(dir.Path("pq.gpx"), gpx);
    doc.LoadFile(dir.Path("pq.gpx"));
    QSettings().remove(CCairnbookView::kListingKey);
    ShowView(1200, 500);
    CListingPane& pane = view.ListingPane();
    EXPECT_TRUE(pane.isHidden());
    view.OnCommand(res::ID_VIEW_LISTING);
    EXPECT_TRUE(pane.isVisible());
    EXPECT_TRUE(QSettings().value(CCairnbookView::kListingKey).toBool());
    List().setCurrentIndex(List().model()->index(1, 1)); // GC2B7XA
    QString text = pane.toPlainText();
    for (const char* said : {"The Five Bridges", "GC2B7XA by kayakKat", "Multi-cache, Regular",
                             "difficulty 3, terrain 2", "found 2024-06-01", "Show hint",
                             "Bring a pen & something to trade.", "Found it by Rover"})
        EXPECT_TRUE(text.contains(said)) << said << "\n" << qPrintable(text);
    EXPECT_FALSE(text.contains("Count the rivets"));
    emit pane.anchorClicked(QUrl("cairnbook:hint"));
    EXPECT_TRUE(pane.toPlainText().contains("Hint: Count the rivets"));
    if (const char* keep = std::getenv("CAIRNBOOK_SCREENSHOTS"))
        view.grab().save(QString::fromLocal8Bit(keep) + "/listing.png");
    List().setCurrentIndex(List().model()->index(0, 1)); // GC1M2QK, with its parking
    EXPECT_TRUE(pane.toPlainText().contains("PK1M2QK Parking"));
    EXPECT_FALSE(pane.toPlainText().contains("Count the rivets"));
    emit pane.anchorClicked(QUrl("cairnbook:select:9"));
    EXPECT_EQ(List().SelectedRows(), std::vector<int>{9});
    EXPECT_TRUE(pane.toPlainText().contains("Belongs to GC1M2QK"));
    if (const char* keep = std::getenv("CAIRNBOOK_SCREENSHOTS"))
        view.grab().save(QString::fromLocal8Bit(keep) + "/listing-child.png");
    view.OnCommand(res::ID_VIEW_LISTING);
    EXPECT_TRUE(pane.isHidden());
}

} // namespace

namespace {

class Filter : public CViewTest {};

// The filter bar's criteria, each alone: the list holds and Select All and
// Copy take only the matching rows, the map draws only them, and the strip
// says how many match; Clear Filter shows every waypoint again.
TEST_F(Filter, OnlyMatchingWaypointsAreListedSelectedAndDrawn) {
    doc.LoadFile(std::string(CAIRNBOOK_SAMPLES) + "/caches.gpx");
    doc.SetReference(doc.Entries()[0].get()); // GC1M2QK
    ShowView(1200, 420);
    view.OnCommand(res::ID_VIEW_FILTER);
    QWidget* bar = view.ListFace().FilterBar();
    ASSERT_TRUE(bar && bar->isVisible());
    auto type = [bar](const char* name) {
        for (QAction* a : bar->findChild<QToolButton*>("FilterTypes")->menu()->actions())
            if (a->text() == name)
                a->trigger();
    };
    auto typed = [bar](const char* field, const char* text) {
        QTest::keyClicks(bar->findChild<QLineEdit*>(field), text);
    };
    auto chosen = [bar](const char* box, int index) {
        bar->findChild<QComboBox*>(box)->setCurrentIndex(index);
    };
    const std::vector<std::pair<std::function<void()>, QString>> cases = {
        {[&] { type("Traditional Cache"); }, "GC1M2QK GC9MLLE"},
        {[&] { type("Virtual Cache"), type("Webcam Cache"); }, "GC5VRTL GC7WBCM"},
        {[&] { typed("FilterDifficulty", "2-3"), typed("FilterTerrain", "1.5-3"); },
         "GC1M2QK GC2B7XA GC4TTRE"},
        {[&] { typed("FilterContainer", "regular"); }, "GC2B7XA GC9MLLE"},
        {[&] { chosen("FilterStatus", 3); }, "GC5VRTL"},
        {[&] { chosen("FilterFound", 1); }, "GC2B7XA"},
        {[&] { typed("FilterWithin", "5"); }, "GC1M2QK GC9MLLE"},
        {[&] { typed("FilterText", "rivets"); }, "GC2B7XA"},
    };
    for (const auto& [apply, names] : cases) {
        bar->findChild<QPushButton*>("ClearFilter")->click();
        apply();
        QStringList rows;
        for (int r = 0; r < List().GetItemCount(); ++r)
            rows << Cell(r, 1);
        EXPECT_EQ(rows.join(' '), names);
        EXPECT_EQ(view.ShownText(), QString("%1 of 9 waypoints match the filter").arg(rows.size()));
        QStringList drawn;
        for (std::size_t i = 0; i < Map().Shown().size(); ++i)
            if (Map().Shown()[i])
                drawn << ToQString(doc.Entries()[i]->m_strName);
        EXPECT_EQ(drawn.join(' '), names);
        List().selectAll();
        EXPECT_EQ(int(List().SelectedRows().size()), rows.size()) << qPrintable(names);
        const QString copied = QString::fromStdString(view.SelectedAsText());
        for (const auto& e : doc.Entries()) {
            const QString name = ToQString(e->m_strName);
            EXPECT_EQ(copied.startsWith(name + "\t") || copied.contains("\n" + name + "\t"),
                      rows.contains(name))
                << qPrintable(name);
        }
    }
    if (const char* keep = std::getenv("CAIRNBOOK_SCREENSHOTS")) {
        view.grab().save(QString::fromLocal8Bit(keep) + "/filtered-list.png");
        view.OnCommand(res::ID_VIEW_MAP);
        Grab().save(QString::fromLocal8Bit(keep) + "/filtered-map.png");
        view.OnCommand(res::ID_VIEW_LIST);
    }
    // Export Selected writes what Select All took: the matching waypoints.
    CTempDir dir;
    doc.SetFileChooser(&chooser);
    chooser.m_next = CChosenFile{dir.Path("selected.gpx"), 3}; // keeps all: no question
    view.OnCommand(res::ID_SAVE_SELECTED);
    CCairnbookDoc exported(prompt);
    exported.LoadFile(dir.Path("selected.gpx"));
    ASSERT_EQ(exported.Entries().size(), 1u);
    EXPECT_EQ(exported.Entries()[0]->m_strName, "GC2B7XA"); // the last case's one
    bar->findChild<QPushButton*>("ClearFilter")->click();
    EXPECT_EQ(List().GetItemCount(), 9);
    EXPECT_EQ(view.ShownText(), "");
    EXPECT_TRUE(Map().Shown().empty());
    // A filter kept by name comes back whole, from the bar's drop-down.
    QSettings().remove(CListFace::kFiltersGroup);
    type("Traditional Cache");
    typed("FilterDifficulty", "1-1.5");
    view.ListFace().SaveFilterAs("Easy traditionals");
    bar->findChild<QPushButton*>("ClearFilter")->click();
    const auto* saved = bar->findChild<QComboBox*>("SavedFilters");
    ASSERT_EQ(saved->count(), 2);
    EXPECT_EQ(saved->itemText(1), "Easy traditionals");
    view.ListFace().UseSavedFilter("Easy traditionals");
    ASSERT_EQ(List().GetItemCount(), 1);
    EXPECT_EQ(Cell(0, 1), "GC9MLLE");
    EXPECT_EQ(bar->findChild<QLineEdit*>("FilterDifficulty")->text(), "1-1.5");
}

} // namespace
