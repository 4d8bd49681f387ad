// SPDX-License-Identifier: GPL-3.0-or-later
#include "cp1252.h"
#include "utf8text.h"

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

// Every length around the word sizes, with one byte beyond ASCII at each place.
TEST(Cp1252, AsciiIsFoundAtEveryLengthAndPlace) {
    for (std::size_t n = 0; n <= 40; ++n) {
        std::string text(n, 'a');
        EXPECT_TRUE(utf8::IsAscii(text) && cp1252::CanHold(text)) << n;
        for (std::size_t i = 0; i < n; ++i) {
            std::string one = text;
            one[i] = '\x80';
            EXPECT_FALSE(utf8::IsAscii(one)) << n << " at " << i;
            EXPECT_EQ(utf8::AsciiPrefix(one), i);
            one.replace(i, 1, "\xE2\x98\x83"); // a snowman: not in the code page
            EXPECT_FALSE(cp1252::CanHold(one)) << n << " at " << i;
        }
    }
}
