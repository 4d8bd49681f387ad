// SPDX-License-Identifier: GPL-3.0-or-later
#include "pixels.h"
#include "xheaderctrl.h"
#include "xlistctrl.h"

#include <gtest/gtest.h>

namespace {

class Header : public ::testing::Test {
protected:
    void SetUp() override {
        list.InsertColumn("Index", Qt::AlignHCenter, 50);
        list.InsertColumn("Name", Qt::AlignLeft, 120);
        list.InsertColumn("Value", Qt::AlignLeft, 120);
        list.resize(400, 200);
        list.show();
    }
    QImage Grab() { return list.Header()->grab().toImage(); }
    QRect Section(int c) {
        CXHeaderCtrl* h = list.Header();
        return QRect(h->sectionViewportPosition(c), 0, h->sectionSize(c), h->height());
    }
    CXListCtrl list;
};

TEST_F(Header, LabelsInTealInsetBySixPixels) {
    const QImage img = Grab();
    const QRect name = Section(1);
    // Antialiased text: count the pixels that lean toward the label colour.
    auto teal = [&](QRect area) {
        return CountPixels(img, area, [](QColor c) {
            return c.red() < 150 && c.blue() > c.red() + 15 && c.green() > c.red() + 15;
        });
    };
    EXPECT_GT(teal(name), 40);
    EXPECT_EQ(teal(QRect(name.left(), 0, CXHeaderCtrl::kItemSpacing, name.height())), 0);
    // Past the last column only the face colour remains.
    const QRect beyond(Section(2).right() + 3, 3, 20, img.height() - 6);
    EXPECT_EQ(CountColor(img, beyond, list.Header()->palette().button().color()),
              beyond.width() * beyond.height());
}

TEST_F(Header, TriangleFollowsTheSortState) {
    CXHeaderCtrl* h = list.Header();
    const QColor dark = h->palette().color(QPalette::Dark);
    const QColor light = h->palette().color(QPalette::Light);
    const QRect col = Section(2);
    const int o = col.height() / 4;
    const QRect tri(col.left() + col.width() - 3 * o - 3, 0, 3 * o + 3, col.height());
    const int before = CountColor(Grab(), tri, dark);
    list.SortByColumn(2, 0);
    const QImage asc = Grab();
    EXPECT_GT(CountColor(asc, tri, dark), before + 3);
    EXPECT_GT(CountColor(asc, tri, light), 3);
    // Ascending: the flat dark edge is on top (row o); descending: the light base at the bottom.
    EXPECT_GT(CountColor(asc, QRect(tri.left(), o, tri.width(), 1), dark), o);
    list.SortByColumn(2, 1);
    const QImage desc = Grab();
    EXPECT_GT(CountColor(desc, QRect(tri.left(), col.height() - o - 1, tri.width(), 1), light), o);
    list.SortByColumn(2, 2);
    EXPECT_EQ(CountColor(Grab(), tri, dark), before);
    EXPECT_TRUE(h->IsOwnerDrawn(2));
    EXPECT_FALSE(h->IsOwnerDrawn(1));
}

TEST_F(Header, HeaderClicksCycleAndColumnZeroNeverSorts) {
    for (int c = 0; c < 3; ++c) {
        const int row = list.InsertItem(c, "");
        list.SetItemText(row, 1, QString("n%1").arg(2 - c));
    }
    emit list.Header()->sectionClicked(0);
    EXPECT_EQ(list.SortColumn(), -1);
    emit list.Header()->sectionClicked(1);
    EXPECT_EQ(list.SortState(), 0);
    EXPECT_EQ(list.GetItemText(0, 1), "n0");
    emit list.Header()->sectionClicked(1);
    EXPECT_EQ(list.SortState(), 1);
    EXPECT_EQ(list.GetItemText(0, 1), "n2");
    emit list.Header()->sectionClicked(1);
    EXPECT_EQ(list.SortState(), 2);
    EXPECT_EQ(list.GetItemText(0, 1), "n2"); // insertion order again
    EXPECT_EQ(list.GetItemText(2, 1), "n0");
    emit list.Header()->sectionClicked(2);
    EXPECT_EQ(list.SortColumn(), 2);
    EXPECT_EQ(list.SortState(), 0);
}

} // namespace
