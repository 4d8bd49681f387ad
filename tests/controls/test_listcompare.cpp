// SPDX-License-Identifier: GPL-3.0-or-later
#include "listcompare.h"

#include <gtest/gtest.h>

namespace {

TEST(ListCompare, NumberAndDateTexts) {
    for (const char* s : {"", "-", "3", "-12.5", "1.2.3", "007"})
        EXPECT_TRUE(IsNumberText(s)) << s;
    for (const char* s : {"--1", "1e5", "12a", " 1"})
        EXPECT_FALSE(IsNumberText(s)) << s;
    EXPECT_TRUE(IsDateText("10/03/2004"));
    for (const char* s : {"1/03/2004", "10-03-2004", "10/03/04", "aa/bb/cccc"})
        EXPECT_FALSE(IsDateText(s)) << s;
}

struct Order {
    const char* a;
    const char* b;
    int ascending;
    int descending;
};

TEST(ListCompare, RowsOrder) {
    const Order cases[] = {
        {"-12.5", "3", -1, 1},
        {"", "3", -1, 1},
        {"", "-1", 1, -1},
        {"10", "9", 1, -1},
        {"2", "2.0", 0, 0},
        {"10/03/2004", "01/04/2004", -1, 1},
        {"01/01/2005", "31/12/2004", 1, -1},
        {"B", "a", -1, 1},
        {"abc", "abd", -1, 1},
        {"\xE9", "z", 1, -1},              // bytes compare unsigned
        {"abcdefghX", "abcdefghY", -1, 1}, // differing beyond the first eight bytes
        {"abcdefgh", "abcdefgh!", -1, 1},
        // The first cell's kind decides: a word against a number is read as 0.
        {"5", "x", -1, -1},
    };
    for (const auto& c : cases) {
        const CSortCell a{c.a, -1, 0}, b{c.b, -1, 1};
        EXPECT_EQ(CompareRows(a, b, 0), c.ascending) << c.a << " vs " << c.b;
        EXPECT_EQ(CompareRows(a, b, 1), c.descending) << c.a << " vs " << c.b;
    }
}

TEST(ListCompare, CheckBoxesAndInsertionOrder) {
    const CSortCell on{"", 1, 5}, off{"", 0, 2};
    EXPECT_EQ(CompareRows(on, off, 0), 1);
    EXPECT_EQ(CompareRows(off, on, 0), 0); // never -1
    EXPECT_EQ(CompareRows(off, on, 1), 1);
    EXPECT_EQ(CompareRows(on, off, 2), 1);
    EXPECT_EQ(CompareRows(off, on, 2), -1);
}

} // namespace
