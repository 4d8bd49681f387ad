// SPDX-License-Identifier: GPL-3.0-or-later
#include "coordinate.h"
#include "numtext.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>

#include <gtest/gtest.h>

namespace {

struct NotationCase {
    int notation;
    double value;
    int kind;
    const char* text;
};

class Notation : public ::testing::TestWithParam<NotationCase> {};

TEST_P(Notation, Formats) {
    const auto& c = GetParam();
    g_nCoordFormat = c.notation;
    EXPECT_EQ(FormatCoordinate(c.value, c.kind), c.text);
    g_nCoordFormat = 0;
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Notation,
    ::testing::Values(NotationCase{0, 47.5125, kLatitude, "N47\u00B0 30.750'"},
                      NotationCase{1, 47.5125, kLatitude, "N47\u00B0 30' 45"},
                      NotationCase{2, 47.5125, kLatitude, "N47.51250"},
                      NotationCase{0, 0.0, kLatitude, "S00\u00B0 00.000'"},
                      NotationCase{0, 0.0, kLongitude, "W00\u00B0 00.000'"},
                      NotationCase{0, -33.25, kLatitude, "S33\u00B0 15.000'"},
                      NotationCase{1, -33.25, kLatitude, "S33\u00B0 15' 00"},
                      NotationCase{2, -33.25, kLatitude, "S33.25000"},
                      NotationCase{0, -122.5, kLongitude, "W122\u00B0 30.000'"},
                      NotationCase{0, 10 + 5.5 / 60, kLatitude, "N10\u00B0 05.500'"},
                      // truncated minutes 9 ask for the 0, the formatter rounds to 10.000
                      NotationCase{0, 10 + 9.9996 / 60, kLatitude, "N10\u00B0 010.000'"},
                      NotationCase{0, 10 + 59.9996 / 60, kLatitude, "N10\u00B0 60.000'"},
                      NotationCase{0, 47.99999, kLatitude, "N47\u00B0 59.999'"},
                      NotationCase{2, 5.5, kLatitude, "N5.50000"},
                      NotationCase{2, 122.25, kLongitude, "E122.25000"},
                      // one second past 47 comes out as 0.99999... seconds: truncated to 0
                      NotationCase{1, 47.0 + 1.0 / 3600, kLatitude, "N47\u00B0 00' 00"}),
    [](const auto& info) { return "case" + std::to_string(info.index); });

TEST(Notation, UnknownNotationLeavesTextAlone) {
    g_nCoordFormat = 7;
    std::string text = "unchanged";
    FormatCoordinate(12.0, text, kLatitude);
    EXPECT_EQ(text, "unchanged");
    g_nCoordFormat = 0;
}

TEST(Notation, SplitsEachNotation) {
    g_nCoordFormat = 0;
    auto p = SplitCoordinate("N47\u00B0 30.750'");
    EXPECT_EQ(p.m_strHemisphere, "N");
    EXPECT_EQ(p.m_nDegrees, 47);
    EXPECT_DOUBLE_EQ(p.m_dMinutes, 30.75);
    g_nCoordFormat = 1;
    p = SplitCoordinate("W122\u00B0 30' 45");
    EXPECT_EQ(p.m_strHemisphere, "W");
    EXPECT_EQ(p.m_nDegrees, 122);
    EXPECT_DOUBLE_EQ(p.m_dMinutes, 30.0);
    EXPECT_EQ(p.m_nSeconds, 45);
    g_nCoordFormat = 2;
    p = SplitCoordinate("S33.25000");
    EXPECT_EQ(p.m_strHemisphere, "S");
    EXPECT_DOUBLE_EQ(p.m_dMinutes, 33.25);
    g_nCoordFormat = 0;
}

TEST(Notation, SplitOfGarbageDoesNotCrash) {
    for (int n = 0; n < 3; ++n) {
        g_nCoordFormat = n;
        for (const char* s : {"", "N", "N ", "x N", "N4 ", "Q12 34"})
            (void)SplitCoordinate(s);
    }
    g_nCoordFormat = 0;
}

TEST(Notation, ExtremeValuesStayInBounds) {
    for (int n = 0; n < 3; ++n) {
        g_nCoordFormat = n;
        for (double v : {1e300, -1e300, std::numeric_limits<double>::quiet_NaN()})
            EXPECT_FALSE(FormatCoordinate(v, kLatitude).empty());
    }
    g_nCoordFormat = 0;
}

// The list's own fixed notation against the library's, which formats the
// exact binary value: random values of every size, and values a hair either
// side of the halves where one rounding could tip the last digit.
TEST(Notation, FixedNotationMatchesTheExactFormatter) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    for (int precision = 0; precision <= 7; ++precision) {
        std::vector<double> values = {0.0, -0.0, 1e8, 123456789.5, -1e-9, 0.005, 1.005, 2.675};
        for (int i = 0; i < 20000; ++i) {
            const double magnitude = std::pow(10.0, static_cast<int>(random() % 12) - 3);
            values.push_back((unit(random) - 0.3) * magnitude);
            const double half =
                (static_cast<double>(random() % 2000000) + 0.5) / std::pow(10.0, precision);
            double below = half, above = half;
            values.push_back(half);
            for (int ulps = 1; ulps <= 3; ++ulps) {
                values.push_back(below = std::nextafter(below, 0.0));
                values.push_back(above = std::nextafter(above, 1e9));
            }
        }
        for (double v : values) {
            char buffer[400];
            const auto end = std::to_chars(buffer, buffer + sizeof buffer, v,
                                           std::chars_format::fixed, precision)
                                 .ptr;
            std::string ours;
            AppendFixed(ours, v, precision);
            ASSERT_EQ(ours, std::string(buffer, end)) << v << " at " << precision;
        }
    }
}

// Decimal texts as files write them, and the odd ones: the same double as the
// C library's full parse, bit for bit.
TEST(Notation, DecimalTextReadsAsTheFullParse) {
    std::mt19937_64 random(11);
    std::vector<std::string> texts = {"0",
                                      "-0.0",
                                      ".5",
                                      "5.",
                                      "1.2.3",
                                      "1e",
                                      "1e5",
                                      "2E-3",
                                      "  7",
                                      "-1e400",
                                      "1e-400",
                                      ".",
                                      "-",
                                      "+3.25",
                                      "12345678901234567",
                                      "0.1000000000000000055511"};
    for (int i = 0; i < 50000; ++i) {
        std::string t = random() % 4 == 0 ? "-" : "";
        const int whole = static_cast<int>(random() % 10),
                  fraction = static_cast<int>(random() % 12);
        for (int d = 0; d < whole; ++d)
            t += char('0' + random() % 10);
        if (fraction > 0)
            t += '.';
        for (int d = 1; d < fraction; ++d)
            t += char('0' + random() % 10);
        t += "x,/e"[random() % 4];
        texts.push_back(t);
    }
    for (const std::string& t : texts) {
        const double ours = AtoF(t), full = std::strtod(t.c_str(), nullptr);
        ASSERT_EQ(std::memcmp(&ours, &full, sizeof ours), 0) << t << ": " << ours << " " << full;
    }
}

} // namespace
