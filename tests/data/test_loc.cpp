// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookdoc.h"
#include "locscan.h"
#include "test_helpers.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

std::string Element(const std::string& id, const std::string& desc, const std::string& lat,
                    const std::string& lon, bool oneLine = false) {
    const char* nl = oneLine ? "" : "\n  ";
    return std::string("<waypoint>") + nl + "<name id=\"" + id + "\"><![CDATA[" + desc +
           "]]></name>" + nl + "<coord lat=\"" + lat + "\" lon=\"" + lon + "\"/>" + nl +
           "<type>Geocache</type>" + nl +
           "<link text=\"Cache Details\">https://example.org/seek/cache_details.aspx?wp=" + id +
           "</link>" + (oneLine ? "" : "\n") + "</waypoint>";
}

std::string Loc(const std::string& body) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<loc version=\"1.0\" "
           "src=\"Groundspeak\">\n" +
           body + "\n</loc>\n";
}

class LocImport : public ::testing::Test {
protected:
    CCairnbookDoc& Import(const std::string& bytes, const char* name = "x.loc") {
        WriteBytes(dir.Path(name), bytes);
        doc.LoadFile(dir.Path(name));
        return doc;
    }
    CScriptedPrompt prompt;
    CTempDir dir;
    CCairnbookDoc doc{prompt};
};

TEST_F(LocImport, OneGeocache) {
    Import(Loc(Element("GC12AB", "Old Mill Cache by Someone", "47.123456", "-122.654321")));
    ASSERT_EQ(doc.m_WayList.size(), 1u);
    const CWayEntry& e = *doc.m_WayList[0];
    EXPECT_EQ(e.m_strName, "GC12AB");
    EXPECT_EQ(e.m_strComment, "Old Mill Cache by Someone");
    EXPECT_EQ(e.m_strAdditionalInfo, "Old Mill Cache by Someone");
    EXPECT_EQ(e.m_dLatitude, 47.123456);
    EXPECT_EQ(e.m_dLongitude, -122.654321);
    EXPECT_EQ(e.m_nIcon, 32);
    EXPECT_EQ(e.m_bGeocache, 1);
    EXPECT_EQ(e.m_bVisible, 1);
    EXPECT_EQ(e.m_dAltitude, 0);
}

// Text is decoded by the declaration, or as UTF-8 when it surely is, or
// else as Windows-1252.
TEST_F(LocImport, TextEncodings) {
    const std::string body =
        Element("GC9", "Pinds M\xC3\xB8lle \xE2\x82\xAC \xE6\x9C\xA8", "1", "2");
    const std::string undeclared = "<loc version=\"1.0\">" + body + "</loc>";
    const std::string latin = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?><loc>" +
                              Element("GC8", "Caf\xE9", "1", "2") + "</loc>";
    const std::string polish = "<?xml version=\"1.0\" encoding=\"ISO-8859-2\"?><loc>" +
                               Element("GC6",
                                       "\xA3\xF3"
                                       "d\xBC",
                                       "1", "2") +
                               "</loc>";
    const std::pair<std::string, const char*> cases[] = {
        {Loc(body), "Pinds M\u00F8lle \u20AC \u6728"},
        {undeclared, "Pinds M\u00F8lle \u20AC \u6728"},
        {latin, "Caf\u00E9"},
        {polish, "\u0141\u00F3d\u017A"},
        {"<loc>" + Element("GC7", "Caf\xE9", "1", "2") + "</loc>", "Caf\u00E9"}};
    for (const auto& [bytes, info] : cases) {
        CScriptedPrompt quiet;
        CCairnbookDoc d(quiet);
        WriteBytes(dir.Path("e.loc"), bytes);
        d.LoadFile(dir.Path("e.loc"));
        ASSERT_EQ(d.m_WayList.size(), 1u);
        EXPECT_EQ(d.m_WayList[0]->m_strAdditionalInfo, info);
        const auto notices = d.TakeNotices();
        EXPECT_EQ(notices.size(), std::string(info).find('?') == std::string::npos ? 0u : 1u);
    }
    EXPECT_EQ(doc.m_WayList.size(), 0u);
    Import(Loc("<nothing/>"));
    EXPECT_TRUE(doc.m_WayList.empty());
    ASSERT_EQ(prompt.m_asked.size(), 1u);
    EXPECT_NE(prompt.m_asked[0].m_strText.find("No LOC waypoints were found"), std::string::npos);
}

TEST_F(LocImport, LongDescriptionsAndIdentifiers) {
    const std::string desc = "Bob's Walk, the long one: by Ann & Joe (2004)";
    Import(Loc(Element("GCLONGIDENT", desc, "1.5", "2.5", true)), "X.LOC");
    ASSERT_EQ(doc.m_WayList.size(), 1u);
    EXPECT_EQ(doc.m_WayList[0]->m_strName, "GCLONGIDENT");
    EXPECT_EQ(doc.m_WayList[0]->m_strComment, "Bob s Walk  the long one  by A");
    EXPECT_EQ(doc.m_WayList[0]->m_strAdditionalInfo, desc);
}

TEST_F(LocImport, ElementsAcrossChunkBoundariesAndSecondImport) {
    std::string body;
    for (int i = 0; i < 2000; ++i)
        body += Element("GC" + std::to_string(1000 + i), "Cache number " + std::to_string(i),
                        std::to_string(40 + i * 0.001), std::to_string(-120 - i * 0.001), i % 2) +
                "\n";
    const std::string file = Loc(body);
    ASSERT_GT(file.size(), 100000u); // read in pieces larger than the smallest
    Import(file);
    ASSERT_EQ(doc.m_WayList.size(), 2000u);
    for (int i = 0; i < 2000; ++i) {
        EXPECT_EQ(doc.m_WayList[static_cast<std::size_t>(i)]->m_strName,
                  "GC" + std::to_string(1000 + i));
        EXPECT_NEAR(doc.m_WayList[static_cast<std::size_t>(i)]->m_dLatitude, 40 + i * 0.001, 1e-6);
    }
    Import(file);
    EXPECT_EQ(doc.m_WayList.size(), 2000u);
    EXPECT_TRUE(prompt.m_asked.empty());
}

TEST_F(LocImport, ExactChunkSizesAndPaddedElements) {
    // Shift one element across every offset around the 10000-byte boundary.
    for (std::size_t pad = 9700; pad < 10010; pad += 7) {
        CCairnbookDoc d(prompt);
        WriteBytes(dir.Path("p.loc"), std::string(pad, ' ') + Element("GCPAD", "p", "1", "2"));
        d.LoadFile(dir.Path("p.loc"));
        ASSERT_EQ(d.m_WayList.size(), 1u) << pad;
        EXPECT_EQ(d.m_WayList[0]->m_dLongitude, 2.0);
    }
    CCairnbookDoc d(prompt);
    WriteBytes(dir.Path("exact.loc"), std::string(10000, 'x'));
    d.LoadFile(dir.Path("exact.loc"));
    EXPECT_TRUE(d.m_WayList.empty());
}

TEST_F(LocImport, IncompleteElementsAreSkipped) {
    const std::string good = Element("GCOK", "fine", "3", "4");
    const char* broken[] = {
        "<waypoint><coord lat=\"1\" lon=\"2\"/></waypoint>",           // no name, no CDATA
        "<waypoint><name id=\"GCX\"><![CDATA[x]]></name></waypoint>",  // no coordinates
        "<waypoint><name id=\"GCY\"><![CDATA[never closed</waypoint>", // no ']' inside
        "<waypoint><name id=\"GCZ\"><![CDATA[y]]><coord lat=\"5\"/></waypoint>",
    };
    std::string body;
    for (const char* b : broken)
        body += std::string(b) + "\n" + good + "\n";
    Import(Loc(body + "<waypoint><name id=\"GCEND"));
    ASSERT_EQ(doc.m_WayList.size(), 1u);
    EXPECT_EQ(doc.m_WayList[0]->m_strName, "GCOK");
}

TEST_F(LocImport, ScannerNeverReadsOutsideTheElement) {
    const std::string full = Element("GC1", "d", "1", "2");
    for (std::size_t n = 0; n <= full.size(); ++n)
        (void)ScanLocElement(std::string_view(full).substr(0, n));
    EXPECT_TRUE(ScanLocElement(full.substr(0, full.size() - 11)).has_value());
}

// Texts of the markers' own pieces, searched from every place, with each
// anchor byte the reader uses: found where string_view::find finds them.
TEST(LocScan, MarkersAreFoundWhereFindFindsThem) {
    const char* pieces[] = {"<waypoint>", "</waypoint>", "</waypoin", "lat=",  "lon",
                            "=",          "name id=",    "CDATA[",    "CDATA", "<",
                            "/",          "w",           "x"};
    std::srand(7);
    for (int round = 0; round < 300; ++round) {
        std::string text;
        for (int n = std::rand() % 8; n > 0; --n)
            text += pieces[std::size_t(std::rand()) % std::size(pieces)];
        const std::string_view view = text;
        for (std::size_t from = 0; from <= text.size() + 1; ++from) {
            ASSERT_EQ(FindMarker<0>(view, "<waypoint>", from), view.find("<waypoint>", from));
            ASSERT_EQ(FindMarker<2>(view, "</waypoint>", from), view.find("</waypoint>", from));
            ASSERT_EQ(FindMarker<7>(view, "name id=", from), view.find("name id=", from));
            ASSERT_EQ(FindMarker<3>(view, "lat=", from), view.find("lat=", from)) << text;
            ASSERT_EQ(FindMarker<5>(view, "CDATA[", from), view.find("CDATA[", from));
        }
    }
}

TEST_F(LocImport, HugeElementDoesNotEatTheFile) {
    const std::string file = Loc("<waypoint>" + std::string(3 << 20, 'x') + "</waypoint>\n" +
                                 Element("GCAFTER", "after", "1", "2"));
    Import(file);
    ASSERT_EQ(doc.m_WayList.size(), 1u);
    EXPECT_EQ(doc.m_WayList[0]->m_strName, "GCAFTER");
}

// The same names and coordinates another reader of the format finds.
TEST_F(LocImport, AgreesWithGpsbabel) {
    if (std::system("command -v gpsbabel >/dev/null 2>&1") != 0)
        GTEST_SKIP() << "gpsbabel is not installed";
    std::string body;
    for (int i = 0; i < 60; ++i)
        body += Element("GC" + std::to_string(7000 + i), "Cache " + std::to_string(i) + " by Me",
                        std::to_string(47.1 + i * 0.0137), std::to_string(-122.3 - i * 0.0091),
                        i % 3 == 0) +
                (i % 2 ? "\n" : "");
    Import(Loc(body));
    const std::string csv = dir.Path("out.csv");
    const std::string cmd =
        "gpsbabel -i geo -f '" + dir.Path("x.loc") + "' -o unicsv -F '" + csv + "'";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::ifstream in(csv);
    std::string line;
    std::getline(in, line); // column names
    ASSERT_NE(line.find("Name"), std::string::npos);
    std::vector<std::string> cols;
    {
        std::stringstream ss(line);
        for (std::string c; std::getline(ss, c, ',');)
            cols.push_back(c);
    }
    auto col = [&](const char* n) {
        return static_cast<std::size_t>(std::find(cols.begin(), cols.end(), n) - cols.begin());
    };
    std::size_t row = 0;
    while (std::getline(in, line)) {
        std::vector<std::string> f;
        std::stringstream ss(line);
        for (std::string c; std::getline(ss, c, ',');)
            f.push_back(c);
        ASSERT_LT(row, doc.m_WayList.size());
        const CWayEntry& e = *doc.m_WayList[row++];
        std::string name = f[col("Name")];
        name.erase(std::remove(name.begin(), name.end(), '"'), name.end());
        EXPECT_EQ(name, e.m_strName);
        EXPECT_NEAR(std::stod(f[col("Latitude")]), e.m_dLatitude, 1e-6);
        EXPECT_NEAR(std::stod(f[col("Longitude")]), e.m_dLongitude, 1e-6);
    }
    EXPECT_EQ(row, 60u);
}

} // namespace
