// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagelist.h"
#include "pixels.h"
#include "xlistctrl.h"

#include <QApplication>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>
#include <numeric>

namespace {

const QColor kCyan(200, 255, 255);

class List : public ::testing::Test {
protected:
    void SetUp() override {
        list.InsertColumn("Index", Qt::AlignHCenter, 50);
        list.InsertColumn("Name", Qt::AlignLeft, 100);
        list.InsertColumn("Icon", Qt::AlignLeft, 100);
        list.InsertColumn("Flag", Qt::AlignHCenter, 60);
        list.resize(360, 300);
        list.show();
    }
    int AddRow(const QString& name, int image, int check) {
        const int row = list.InsertItem(list.GetItemCount(), "");
        list.SetItemText(row, 0, QString::number(row), Rgb(0, 0, 0), Rgb(200, 255, 255));
        list.SetItemText(row, 1, name, Rgb(0, 0, 0), Rgb(200, 255, 255));
        list.SetItemText(row, 2, "sym", Rgb(0, 0, 0), Rgb(200, 255, 255));
        list.SetItemImage(row, 2, image);
        list.SetItemText(row, 3, "", Rgb(0, 0, 0), Rgb(200, 255, 255));
        list.SetCheckState(row, 3, check);
        return row;
    }
    QRect Cell(int row, int col) { return list.visualRect(list.model()->index(row, col)); }
    QImage Grab() { return list.viewport()->grab().toImage(); }
    CXListCtrl list;
};

TEST_F(List, InvalidRowsAndColumnsAreNoOps) {
    EXPECT_EQ(list.InsertItem(-1, "x"), -1);
    EXPECT_FALSE(list.SetItemText(0, 0, "x"));
    AddRow("A", 1, 0);
    EXPECT_FALSE(list.SetItemText(0, 4, "x"));
    EXPECT_FALSE(list.SetItemText(1, 0, "x"));
    EXPECT_FALSE(list.SetCheckState(-1, 3, 1));
    EXPECT_FALSE(list.SetItemData(5, 1));
    EXPECT_EQ(list.GetItemData(5), 0u);
    EXPECT_FALSE(list.DeleteItem(3));
    EXPECT_TRUE(list.SetItemData(0, 42));
    EXPECT_EQ(list.GetItemData(0), 42u);
    EXPECT_EQ(list.InsertItem(99, "end"), 1); // beyond the end appends
}

TEST_F(List, EmptyListSaysSo) {
    const QImage img = Grab();
    EXPECT_EQ(img.pixelColor(5, 5), kCyan);
    // The message starts 10 pixels below the header, centred.
    const QRect firstRows(0, 0, img.width(), 10);
    EXPECT_EQ(CountPixels(img, firstRows, [](QColor c) { return c != kCyan; }), 0);
    const QRect text(img.width() / 2 - 80, 10, 160, 20);
    EXPECT_GT(CountPixels(img, text, [](QColor c) { return qGray(c.rgb()) < 100; }), 20);
    AddRow("A", 0, 0);
    const QImage filled = Grab();
    EXPECT_EQ(CountPixels(filled, QRect(0, Cell(0, 0).bottom() + 2, img.width(), 30),
                          [](QColor c) { return qGray(c.rgb()) < 100; }),
              0);
}

TEST_F(List, CellsDrawColoursNumbersBoxesAndGrid) {
    AddRow("Alpha", 2, 1);
    AddRow("Beta", 3, 0);
    list.SetItemText(1, 1, "Beta", Rgb(255, 0, 0), Rgb(0, 0, 255));
    list.clearSelection();
    const QImage img = Grab();
    // Row numbers on the button face, the stored "0" is not what shows.
    const QRect index = Cell(0, 0);
    EXPECT_EQ(img.pixelColor(index.left() + 30, index.center().y()),
              list.palette().button().color());
    // Own colours: blue background, red text.
    const QRect beta = Cell(1, 1);
    EXPECT_EQ(img.pixelColor(beta.right() - 3, beta.center().y()), QColor(0, 0, 255));
    EXPECT_GT(CountPixels(img, beta, [](QColor c) { return c.red() > 150 && c.blue() < 150; }), 5);
    // Grid lines are black along the right and bottom edges.
    const QRect alpha = Cell(0, 1);
    EXPECT_EQ(img.pixelColor(alpha.right(), alpha.center().y()), QColor(Qt::black));
    EXPECT_EQ(img.pixelColor(alpha.center().x(), alpha.bottom()), QColor(Qt::black));
    // The icon sits 6 pixels in: nothing of it in the first 6 columns.
    const QRect icon = Cell(0, 2);
    EXPECT_EQ(CountPixels(img, QRect(icon.left(), icon.top() + 1, 6, icon.height() - 2),
                          [](QColor c) { return c != kCyan; }),
              0);
    EXPECT_GT(CountPixels(img, QRect(icon.left() + 6, icon.top() + 1, 16, icon.height() - 2),
                          [](QColor c) { return c != kCyan; }),
              20);
    // A checked box holds the black tick, an unchecked one does not.
    auto ink = [&](int row) {
        const QRect c = Cell(row, 3);
        return CountPixels(img, c.adjusted(c.width() / 2 - 5, 3, -(c.width() / 2 - 5), -3),
                           [](QColor k) { return k == QColor(Qt::black); });
    };
    EXPECT_GE(ink(0), 14);
    EXPECT_EQ(ink(1), 0);
}

// Where a pixel takes two device pixels, waypoint icons come from the strip
// drawn at that density and the tick is stroked, so neither is a doubled
// picture of the plain one.
TEST_F(List, IconsAndTicksAreDrawnAtTheScreensDensity) {
    auto drawn = [](const std::function<void(QPainter&)>& draw) {
        QImage img(64, 64, QImage::Format_ARGB32);
        img.setDevicePixelRatio(2);
        img.fill(Qt::white);
        QPainter p(&img);
        draw(p);
        return img;
    };
    for (qreal dpr : {1.0, 2.0, 3.0}) {
        const CImageList icons = CImageList::FromResource(dpr);
        ASSERT_EQ(icons.Count(), 50);
        EXPECT_EQ(icons.ImageSize(), QSize(16, 16));
        EXPECT_EQ(icons.Image(0).size(), QSize(16, 16) * dpr);
        const QImage img = drawn([&](QPainter& p) { icons.Draw(p, 0, 0, 1, EIconLook::plain); });
        EXPECT_EQ(FineBlocks(img, QRect(0, 0, 32, 32)) > 0, dpr > 1) << dpr;
    }
    AddRow("Alpha", 2, 1);
    const QRect cell = Cell(0, 3);
    const QImage tick = drawn([&](QPainter& p) {
        p.translate(-cell.topLeft());
        list.PaintCell(p, 0, 3, cell);
    });
    // Inside the box, the tick's edges fall between device pixels: grey ones
    // along them, where the plain drawing is black and white only.
    const int boxLeft = cell.width() / 2 - (cell.height() - 1) / 2;
    const QRect inside(2 * (boxLeft + 3), 2 * 3, 2 * 8, 2 * 7);
    EXPECT_GE(CountInk(tick, inside), 40);
    EXPECT_GT(CountPixels(tick, inside, [](QColor c) { return c.value() > 40 && c.value() < 215; }),
              10);
}

TEST_F(List, DefaultColoursAndSelection) {
    AddRow("A", 0, 0);
    list.SetItemText(0, 1, "A"); // defaults: the control's colours
    QApplication::setActiveWindow(&list);
    list.setFocus();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&list));
    list.SetItemSelected(0, true);
    QImage img = Grab();
    const QRect a = Cell(0, 1);
    EXPECT_EQ(img.pixel(a.right() - 3, a.center().y()),
              list.palette().color(QPalette::Active, QPalette::Highlight).rgb());
    list.clearSelection();
    img = Grab();
    EXPECT_EQ(img.pixelColor(a.right() - 3, a.center().y()), kCyan);
}

TEST_F(List, CheckBoxClicksToggleAndTellTheParent) {
    AddRow("A", 0, 0);
    AddRow("B", 0, -1);
    QSignalSpy checks(&list, &CXListCtrl::CheckBoxClicked);
    QSignalSpy clicks(&list, &CXListCtrl::ItemClicked);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, Cell(0, 3).center() + QPoint(20, 0));
    EXPECT_EQ(list.GetCheckState(0, 3), 1);
    ASSERT_EQ(checks.count(), 1);
    EXPECT_EQ(checks[0][0].toInt(), 0);
    EXPECT_EQ(checks[0][1].toInt(), 3);
    EXPECT_EQ(clicks.count(), 1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, Cell(1, 3).center());
    EXPECT_EQ(list.GetCheckState(1, 3), -1);
    EXPECT_EQ(checks.count(), 1);
    EXPECT_TRUE(list.IsItemSelected(1));
    EXPECT_EQ(list.GetSelectionMark(), 1);
}

TEST_F(List, SortCycleAndSelectionFollowRows) {
    const char* names[] = {"-12.5", "3", "", "10"};
    for (const char* n : names)
        AddRow(n, 0, 0);
    for (int r = 0; r < 4; ++r)
        list.SetItemData(r, static_cast<quintptr>(100 + r));
    list.SetItemSelected(1, true); // "3"
    list.SortByColumn(1, 0);
    EXPECT_EQ(list.GetItemText(0, 1), "-12.5");
    EXPECT_EQ(list.GetItemText(1, 1), "");
    EXPECT_EQ(list.GetItemText(2, 1), "3");
    EXPECT_EQ(list.GetItemText(3, 1), "10");
    EXPECT_EQ(list.SelectedRows(), std::vector<int>{2});
    EXPECT_EQ(list.GetItemData(2), 101u);
    list.SortByColumn(1, 2);
    for (int r = 0; r < 4; ++r)
        EXPECT_EQ(list.GetItemData(r), static_cast<quintptr>(100 + r));
    // Rows added after a sort join it only on Resort.
    list.SortByColumn(1, 1);
    AddRow("99", 0, 0);
    EXPECT_EQ(list.GetItemText(4, 1), "99");
    list.Resort();
    EXPECT_EQ(list.GetItemText(0, 1), "99");
}

TEST_F(List, DeletingKeepsTheMarkInStep) {
    for (int i = 0; i < 5; ++i)
        AddRow(QString::number(i), 0, 0);
    list.SetSelectionMark(3);
    list.DeleteItem(1);
    EXPECT_EQ(list.GetSelectionMark(), 2);
    list.DeleteItem(2);
    EXPECT_EQ(list.GetSelectionMark(), -1);
    list.DeleteAllItems();
    EXPECT_EQ(list.GetItemCount(), 0);
}

// Items numbered as a source numbers them, each showing its id; the list
// holds only the rows' order.
class CIds : public CRowSource {
public:
    void Cell(int item, int column, CCellData& cell) const override {
        cell.m_strText = QString::fromStdString(SortText(item, column));
        cell.m_nCheck = CheckState(item, column);
    }
    std::string SortText(int item, int column) const override {
        return column == 1 ? std::to_string(ids[std::size_t(item)] % 13) : std::string();
    }
    int CheckState(int, int column) const override { return column == 3 ? 0 : -1; }
    quintptr ItemData(int item) const override { return quintptr(ids[std::size_t(item)]); }
    std::vector<int> ids;
};

// Random sorts, deletions, appends, and items gained and lost at any place:
// every row keeps showing the item the same steps give on a plain vector,
// ties in the order they stood, a new item where a sort puts it, and the
// anchor stays on its item.
TEST_F(List, SourceRowsFollowRandomStepsExactly) {
    CIds source;
    std::vector<int> shown; // the ids, row by row
    int next = 0;
    auto append = [&](int n) {
        list.AppendItems(int(source.ids.size()), n);
        for (int i = 0; i < n; ++i, ++next) {
            source.ids.push_back(next);
            shown.push_back(next);
        }
    };
    list.SetRowSource(&source, 0, 0);
    append(40);
    EXPECT_FALSE(list.SetItemText(0, 1, "x")); // the source's cells are its own
    std::srand(7);
    int state = 2;
    // k ascending distinct places among n + k.
    auto places = [](std::size_t n, std::size_t k) {
        std::vector<std::size_t> p(n + k);
        std::iota(p.begin(), p.end(), std::size_t(0));
        for (std::size_t i = 0; i < k; ++i)
            std::swap(p[i], p[i + std::size_t(std::rand()) % (p.size() - i)]);
        p.resize(k);
        std::sort(p.begin(), p.end());
        return p;
    };
    for (int step = 0; step < 400; ++step) {
        const int what = std::rand() % 5;
        auto sortShown = [&] {
            std::stable_sort(shown.begin(), shown.end(), [state](int a, int b) {
                return state == 0 ? a % 13 < b % 13 : a % 13 > b % 13;
            });
        };
        if (what == 3) { // gained at places, into a list in its order
            if (state != 2) {
                list.SortByColumn(1, state);
                sortShown();
            }
            const auto at = places(source.ids.size(), 1 + std::rand() % 3);
            for (std::size_t place : at) {
                const int id = next++;
                source.ids.insert(source.ids.begin() + std::ptrdiff_t(place), id);
                auto after = std::find_if(shown.begin(), shown.end(), [&](int row) {
                    return state == 0 ? row % 13 > id % 13 : row % 13 < id % 13;
                });
                if (state != 2)
                    shown.insert(after, id);
            }
            if (state == 2)
                shown = source.ids;
            list.InsertItems(at);
        } else if (what == 4 && !shown.empty()) { // lost from places
            std::vector<std::size_t> at;
            for (std::size_t i = 0; i < source.ids.size(); ++i)
                if (std::rand() % 10 == 0)
                    at.push_back(i);
            for (auto it = at.rbegin(); it != at.rend(); ++it) {
                std::erase(shown, source.ids[*it]);
                source.ids.erase(source.ids.begin() + std::ptrdiff_t(*it));
            }
            list.RemoveItems(at);
        } else if (what == 0) {
            state = std::rand() % 3;
            list.SortByColumn(1, state);
            if (state == 2)
                shown = source.ids;
            else
                sortShown();
        } else if (what == 1 && !shown.empty()) {
            std::vector<int> rows;
            for (int r = 0; r < int(shown.size()); ++r)
                if (std::rand() % 8 == 0)
                    rows.push_back(r);
            const int mark = std::rand() % int(shown.size());
            const bool markGoes = std::count(rows.begin(), rows.end(), mark) > 0;
            const int marked = shown[std::size_t(mark)];
            list.SetSelectionMark(mark);
            for (auto it = rows.rbegin(); it != rows.rend(); ++it) {
                std::erase(source.ids, shown[std::size_t(*it)]);
                shown.erase(shown.begin() + *it);
            }
            list.DeleteItems(rows);
            const int at = list.GetSelectionMark();
            if (markGoes)
                ASSERT_EQ(at, -1) << step;
            else
                ASSERT_EQ(list.GetItemData(at), quintptr(marked)) << step;
        } else {
            append(1 + std::rand() % 4);
        }
        ASSERT_EQ(list.GetItemCount(), int(shown.size())) << step;
        for (int r = 0; r < list.GetItemCount(); ++r) {
            ASSERT_EQ(list.GetItemData(r), quintptr(shown[std::size_t(r)])) << step << " " << r;
            ASSERT_EQ(list.RowOfItem(list.ItemOf(r)), r) << step << " " << r;
        }
    }
}

} // namespace
