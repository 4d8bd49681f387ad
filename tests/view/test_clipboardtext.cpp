// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookdoc.h"
#include "clipboardtext.h"
#include "test_helpers.h"

#include <gtest/gtest.h>

namespace {

class Clipboard : public ::testing::Test {
protected:
    CScriptedPrompt prompt;
    CCairnbookDoc doc{prompt};
};

TEST_F(Clipboard, CopiedLineAndItsWayBack) {
    CWayEntry home("HOME", "my house", 47.5, -122.25, 100, 0, 1);
    home.m_nIcon = 2;
    const std::string line = FormatClipboardLine(home);
    EXPECT_EQ(line, "HOME\tmy house\t47.500000\t-122.250000\t100.000000\t2\t0\t1\t\r\n");
    const CPasteResult r = ParseClipboardText(doc, line);
    EXPECT_EQ(r.m_nAdded, 1);
    ASSERT_EQ(doc.m_WayList.size(), 1u);
    EXPECT_TRUE(doc.m_WayList[0]->SameWaypoint(home));
}

// Cut and paste gives back the same doubles: no altitude loses its
// fraction, no position its seventh decimal, and the waypoint's own document
// finds nothing to ask about.
TEST_F(Clipboard, ValuesTravelExactly) {
    CWayEntry e("ALT", "", 47.665283333, -122.1234567891, 277.368, 0, 1);
    doc.AddEntry(std::make_unique<CWayEntry>(e));
    const std::string line = FormatClipboardLine(e);
    EXPECT_EQ(line, "ALT\t\t47.665283333\t-122.1234567891\t277.368000\t0\t0\t1\t\r\n");
    CCairnbookDoc other(prompt);
    ParseClipboardText(other, line);
    ASSERT_EQ(other.m_WayList.size(), 1u);
    EXPECT_TRUE(other.m_WayList[0]->SameWaypoint(e));
    const CPasteResult r = ParseClipboardText(doc, line);
    EXPECT_TRUE(prompt.m_asked.empty());
    EXPECT_EQ(r.m_nAdded + r.m_nReplaced, 0);
}

TEST_F(Clipboard, LinesStopAtTheFirstMalformedOne) {
    auto line = [](const std::string& n) { return n + "\tc\t1\t2\t3\t4\t0\t1\tinfo\r\n"; };
    const std::string text =
        line("A") + line("B") + line("C") + "D\tc\t1\t2\t3\t4\t0\t1\r\n" + line("E") + line("F");
    EXPECT_EQ(ParseClipboardText(doc, text).m_nAdded, 3);
    EXPECT_EQ(doc.m_WayList.size(), 3u);
    EXPECT_EQ(ParseClipboardText(doc, line("G").substr(0, line("G").size() - 2)).m_nAdded,
              0); // no line end
}

TEST_F(Clipboard, PastedNamesAreSanitized) {
    ParseClipboardText(doc, "N-47/11b\tok, fine\t1\t2\t3\t300\t0\t1\t\r\n");
    ASSERT_EQ(doc.m_WayList.size(), 1u);
    EXPECT_EQ(doc.m_WayList[0]->m_strName, "N-4711b");
    EXPECT_EQ(doc.m_WayList[0]->m_strComment, "ok  fine");
    EXPECT_EQ(doc.m_WayList[0]->m_nIcon, 300 % 256);
}

TEST_F(Clipboard, CachePageForm) {
    const std::string page = "GC12AB\r\nA nice cache\r\n  N 47\u00B0 30.123 W 122\u00B0 15.456\r\n";
    EXPECT_EQ(ParseClipboardText(doc, page).m_nAdded, 1);
    ASSERT_EQ(doc.m_WayList.size(), 1u);
    const CWayEntry& e = *doc.m_WayList[0];
    EXPECT_EQ(e.m_strName, "GC12AB");
    EXPECT_EQ(e.m_strComment, "GC12AB A nice cache");
    EXPECT_NEAR(e.m_dLatitude, 47.50205, 1e-9);
    EXPECT_NEAR(e.m_dLongitude, -122.2576, 1e-9);
    EXPECT_EQ(e.m_bGeocache, 1);
    // A third line that does not scan falls back to lines, which finds no tab.
    EXPECT_EQ(ParseClipboardText(doc, "GC1\r\nTitle\r\n  nothing here\r\n").m_nAdded, 0);
    // Minutes 30.5 read as 30 whole and 5 thousandths.
    ParseClipboardText(doc, "GC2\r\nT\r\n  S 10\u00B0 30.5 E 5\u00B0 0.0\r\n");
    EXPECT_NEAR(doc.FindByName("GC2")->m_dLatitude, -(10 + 30.005 / 60), 1e-9);
}

TEST_F(Clipboard, LineEndsFromOtherPrograms) {
    EXPECT_EQ(NormalizeLineEnds("a\nb\r\nc\n"), "a\r\nb\r\nc\r\n");
}

} // namespace
