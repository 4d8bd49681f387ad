// SPDX-License-Identifier: GPL-3.0-or-later
#include "compacttext.h"

#include <gtest/gtest.h>

namespace {

// Texts either side of the inline limit: kept whole and NUL-terminated
// through copies, moves and assignment from a part of themselves.
template <typename Text> void CheckEveryLength() {
    for (const std::size_t n : {std::size_t(0), std::size_t(1), Text::kInline - 1, Text::kInline,
                                Text::kInline + 1, std::size_t(1000)}) {
        std::string s(n, ' ');
        for (std::size_t i = 0; i < n; ++i)
            s[i] = static_cast<char>('a' + i % 26);
        Text t(s);
        EXPECT_EQ(t, s);
        EXPECT_EQ(t.size(), n);
        EXPECT_EQ(t.c_str()[n], '\0') << n;
        Text copy(t);
        Text moved(std::move(copy));
        EXPECT_EQ(moved, s);
        EXPECT_TRUE(copy.empty()); // NOLINT(bugprone-use-after-move): left empty on purpose
        t = t.View().substr(n / 2);
        EXPECT_EQ(t, s.substr(n / 2)) << n;
        EXPECT_EQ(t.c_str()[t.size()], '\0') << n;
        t = moved;
        EXPECT_EQ(t, s);
        EXPECT_EQ("<" + t + ">", "<" + s + ">");
        moved = Text();
        EXPECT_TRUE(moved.empty());
    }
}

TEST(CompactText, KeepsEveryLengthThroughCopiesAndMoves) {
    static_assert(sizeof(CCompactText<16>) == 16 && sizeof(CCompactText<32>) == 32);
    CheckEveryLength<CCompactText<16>>();
    CheckEveryLength<CCompactText<32>>();
    CCompactText<32> filled("old text that is long enough for the heap");
    std::memcpy(filled.Fill(3), "new", 3);
    EXPECT_EQ(filled, "new");
    EXPECT_LT(filled, "nex");
}

} // namespace
