// SPDX-License-Identifier: GPL-3.0-or-later
#include "cp1252.h"

#include <gtest/gtest.h>

TEST(Cp1252, DecodesLikeTheWebStandard) {
    EXPECT_EQ(cp1252::ToUtf8("A\xB0"), "A\xC2\xB0");
    EXPECT_EQ(cp1252::ToUtf8("\x80"), "\xE2\x82\xAC"); // euro sign
    EXPECT_EQ(cp1252::ToUtf8("\x81\x8D\x8F\x90\x9D"), "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D");
    EXPECT_EQ(cp1252::ToUtf8("\xE9"), "\xC3\xA9");
}

TEST(Cp1252, EncodesAndRoundTripsEveryByte) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    EXPECT_EQ(cp1252::FromUtf8(cp1252::ToUtf8(all)), all);
    EXPECT_EQ(cp1252::FromUtf8("\xE2\x98\x83"), "?"); // snowman: not in the code page
    EXPECT_EQ(cp1252::FromUtf8("a\xC3"), "a?");       // cut sequence
    EXPECT_EQ(cp1252::FromUtf8("\xFF\xFE"), "??");
}
