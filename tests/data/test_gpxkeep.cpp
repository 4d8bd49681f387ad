// SPDX-License-Identifier: GPL-3.0-or-later
// What GPX files carry survives open and save: other readers see the same
// data, edits replace only their own fields, and other formats warn first.
#include "cairnbookdoc.h"
#include "cli.h"
#include "cp1252.h"
#include "test_helpers.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

namespace {

const std::string kFiles = CAIRNBOOK_GPX_FILES;
const std::string kSchema = std::string(CAIRNBOOK_SCHEMAS) + "/gpx11.xsd";

int Shell(const std::string& command) {
    return std::system((command + " >/dev/null 2>&1").c_str());
}

// gpsbabel's every column of every waypoint, route and track point.
std::string Unicsv(const CTempDir& dir, const std::string& gpx) {
    const std::string csv = dir.Path("view.csv");
    EXPECT_EQ(Shell("gpsbabel -i gpx -f " + gpx + " -o unicsv -F " + csv), 0) << gpx;
    return ReadBytes(csv);
}

void ExpectHolds(const std::string& text, std::initializer_list<const char*> parts) {
    for (const char* part : parts)
        EXPECT_NE(text.find(part), std::string::npos) << part;
}

struct CSaved {
    CScriptedPrompt prompt;
    CCairnbookDoc doc{prompt};
};

} // namespace

TEST(GpxKept, OpenAndSaveChangeNothingAnotherReaderSees) {
    const struct {
        const char* file;
        std::initializer_list<const char*> kept;
    } cases[] = {
        {"pocketquery10.gpx",
         {"<groundspeak:finder id=\"56\">東京駅</groundspeak:finder>", "<urlname>Parking</urlname>",
          "<sym>Parking Area</sym>", "<course>12.5</course>", "<keywords>cache, geocache",
          "<trk><name>Walk</name>", "&lt;p&gt;Szukaj przy smoku &amp; zamku.&lt;/p&gt;",
          "<wpt lat=\"1\" lon=\"2\">\n    <cb:waypoint"}},
        {"gsak11.gpx",
         {"<gsak:Parent>GC7XYZ1</gsak:Parent>", "<gsak:FavPoints>12</gsak:FavPoints>",
          "archived=\"True\"", "<text>GSAK</text>"}},
        {"basecamp11.gpx",
         {"<gpxx:City>Grindelwald</gpxx:City>", "<wptx1:Proximity>50</wptx1:Proximity>",
          "<sym>Drinking Water</sym>", "<fix>3d</fix>", "<rtept lat=\"46.6\" lon=\"8.0\">"}},
        {"polish1250.gpx", {"<name>Łódź</name>", "<desc>Zażółć gęślą jaźń</desc>"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.file);
        CTempDir dir;
        CSaved s;
        s.doc.LoadFile(kFiles + "/" + c.file);
        ASSERT_EQ(s.doc.SaveFile(dir.Path("ours.gpx")), ESaveResult::saved);
        EXPECT_TRUE(s.prompt.m_asked.empty());
        const std::string ours = ReadBytes(dir.Path("ours.gpx"));
        ExpectHolds(ours, c.kept);
        EXPECT_EQ(Unicsv(dir, dir.Path("ours.gpx")), Unicsv(dir, kFiles + "/" + c.file));
        if (ours.find("version=\"1.1\"") != std::string::npos) {
            EXPECT_EQ(Shell("xmllint --noout --schema " + kSchema + " " + dir.Path("ours.gpx")), 0);
        }
        // Our own file read and written again is the same file.
        CSaved again;
        again.doc.LoadFile(dir.Path("ours.gpx"));
        again.doc.SaveFile(dir.Path("again.gpx"));
        EXPECT_EQ(ReadBytes(dir.Path("again.gpx")), ours);
    }
}

// The fields the user changed are written from the document, the rest as read.
TEST(GpxKept, EditsReplaceOnlyTheirOwnElements) {
    CTempDir dir;
    CSaved s;
    s.doc.LoadFile(kFiles + "/pocketquery10.gpx");
    CWayEntry& cache = *s.doc.FindByName("GC2ABCD");
    CWayEntry& parking = *s.doc.FindByName("PK2ABCD");
    EXPECT_EQ(parking.m_nIcon, 7); // a receiver's name the icon table knows
    EXPECT_EQ(s.doc.FindByName("WPT0002")->m_strComment, "only desc"); // <cmt/> hides nothing
    cache.m_strComment = "Found with Ala";
    parking.m_nIcon = 29;
    parking.m_dAltitude = 212;
    s.doc.SaveFile(dir.Path("edited.gpx"));
    const std::string out = ReadBytes(dir.Path("edited.gpx"));
    ExpectHolds(out, {"<cmt>Found with Ala</cmt>", "<sym>Geocache Found</sym>",
                      "<ele>212</ele>\n    <time>2011-05-04T00:00:00</time>\n    <name>PK2ABCD",
                      "<sym>Summit</sym>", "<type>Waypoint|Parking Area</type>",
                      "<groundspeak:text encoded=\"False\">Díky! Ůžasné.</groundspeak:text>"});
    EXPECT_EQ(out.find("<sym>Parking Area</sym>"), std::string::npos);
    EXPECT_EQ(out.find("<ele>0</ele>"), std::string::npos); // no elevation stays none
}

// A 1.0 pocket query merged into a 1.1 document: written as valid 1.1, its
// links as <link>, its listings and 1.0-only elements inside <extensions>.
TEST(GpxKept, VersionsMixAsValidGpx11) {
    CTempDir dir;
    CSaved s;
    s.doc.LoadFile(kFiles + "/basecamp11.gpx");
    s.doc.MergeFile(kFiles + "/pocketquery10.gpx");
    ASSERT_EQ(s.doc.SaveFile(dir.Path("mixed.gpx")), ESaveResult::saved);
    EXPECT_EQ(Shell("xmllint --noout --schema " + kSchema + " " + dir.Path("mixed.gpx")), 0);
    ExpectHolds(Unicsv(dir, dir.Path("mixed.gpx")),
                {"\"Geocache Found\",,,2011/05/04,00:00:00,\"http://www.geocaching.com/seek/"
                 "cache_details.aspx?guid=abc\"",
                 "\"Grindelwald\""});
    ExpectHolds(ReadBytes(dir.Path("mixed.gpx")),
                {"<extensions>\n    <groundspeak:cache id=\"12345\"",
                 "<course xmlns=\"http://www.topografix.com/GPX/1/0\">12.5</course>"});
}

// A listing converted to the native layout: refused without --yes, and with
// it written with what was lost told by kind.
TEST(GpxKept, LossyConversionAsksFirst) {
    CTempDir dir;
    const std::string pq = kFiles + "/pocketquery10.gpx";
    std::ostringstream out, err;
    EXPECT_EQ(RunCli({"convert", pq, dir.Path("a.ckb")}, out, err), kExitDeclined);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("a.ckb")));
    std::ostringstream out2, err2;
    EXPECT_EQ(RunCli({"convert", "--yes", pq, dir.Path("a.ckb")}, out2, err2), kExitOk);
    ExpectHolds(err2.str(), {"cache listings: 1 waypoint (GC2ABCD)\n",
                             "times: 2 waypoints (GC2ABCD, PK2ABCD)\n",
                             "characters Windows-1252 cannot hold: 3 waypoints (GC2ABCD, 東京駅, "
                             "京都駅)\n",
                             "routes and tracks: 2 points\n"});
}

// Every Windows-1252 byte of a native file comes back byte for byte, the
// five it leaves undefined included.
TEST(GpxKept, NativeFilesKeepEveryByte) {
    CTempDir dir;
    std::string bytes;
    for (int b = 1; b < 256; ++b)
        bytes += static_cast<char>(b);
    CSaved s;
    auto e = std::make_unique<CWayEntry>();
    e->m_strName = cp1252::ToUtf8(bytes.substr(0x7F, 8));
    e->m_strComment = cp1252::ToUtf8(bytes.substr(0x80, 30));
    e->m_strAdditionalInfo = cp1252::ToUtf8(bytes);
    s.doc.AddEntry(std::move(e));
    ASSERT_EQ(s.doc.SaveFile(dir.Path("a.ckb")), ESaveResult::saved);
    EXPECT_TRUE(s.prompt.m_asked.empty());
    CSaved back;
    back.doc.LoadFile(dir.Path("a.ckb"));
    back.doc.SaveFile(dir.Path("b.ckb"));
    EXPECT_EQ(ReadBytes(dir.Path("b.ckb")), ReadBytes(dir.Path("a.ckb")));
    EXPECT_NE(ReadBytes(dir.Path("a.ckb")).find(bytes), std::string::npos);
}
