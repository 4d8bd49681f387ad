// SPDX-License-Identifier: GPL-3.0-or-later
#include "archiveexception.h"
#include "cairnbookdoc.h"
#include "cp1252.h"
#include "gpxreader.h"
#include "gpxsymbols.h"
#include "gpxwriter.h"
#include "rowtext.h"
#include "test_helpers.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sstream>

namespace {

const std::string kSchema = std::string(CAIRNBOOK_SCHEMAS) + "/gpx11.xsd";

std::string Gpx11(const std::string& body, const std::string& extraNs = "") {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"t\" "
           "xmlns=\"http://www.topografix.com/GPX/1/1\"" +
           extraNs + ">\n" + body + "\n</gpx>\n";
}

class Gpx : public ::testing::Test {
protected:
    CCairnbookDoc& Read(const std::string& bytes, const char* name = "x.gpx") {
        WriteBytes(dir.Path(name), bytes);
        doc.LoadFile(dir.Path(name));
        return doc;
    }
    const CWayEntry& At(std::size_t i) const { return *doc.Entries().at(i); }
    int Run(const std::string& command) {
        return std::system((command + " >/dev/null 2>&1").c_str());
    }
    CScriptedPrompt prompt;
    CTempDir dir;
    CCairnbookDoc doc{prompt};
};

void ExpectSameEntries(const CCairnbookDoc& a, const CCairnbookDoc& b) {
    ASSERT_EQ(a.Entries().size(), b.Entries().size());
    for (std::size_t i = 0; i < a.Entries().size(); ++i) {
        const CWayEntry &x = *a.Entries()[i], &y = *b.Entries()[i];
        EXPECT_EQ(x.m_strName, y.m_strName) << i;
        EXPECT_EQ(x.m_strComment, y.m_strComment) << i;
        EXPECT_EQ(x.m_strAdditionalInfo, y.m_strAdditionalInfo) << i;
        EXPECT_EQ(x.m_dLatitude, y.m_dLatitude) << i;
        EXPECT_EQ(x.m_dLongitude, y.m_dLongitude) << i;
        EXPECT_EQ(x.m_dAltitude, y.m_dAltitude) << i;
        EXPECT_EQ(x.m_nIcon, y.m_nIcon) << i;
        EXPECT_EQ(x.m_bGeocache, y.m_bGeocache) << i;
        EXPECT_EQ(x.m_bVisible, y.m_bVisible) << i;
    }
}

// Every icon, both flags, every printable Windows-1252 character and more, tabs and line
// breaks, extreme positions and heights: all come back exactly, and the file
// is valid GPX 1.1.
TEST_F(Gpx, RoundTripKeepsEveryFieldAndValidates) {
    const double positions[][3] = {{90, -180, 8848.86},
                                   {-90, 179.99999999999997, -1e6},
                                   {0.1 + 0.2, 1e-7, 1.7976931348623157e12},
                                   {-33.123456789012345, 151.2, -0.0},
                                   {47.60621, -122.33207, 53}};
    // Every printable Windows-1252 character, and Polish, Japanese and a
    // character beyond the BMP, one string per character.
    std::vector<std::string> chars;
    for (int b = 0x20; b <= 0xFF; ++b)
        chars.push_back(cp1252::ToUtf8(std::string(1, static_cast<char>(b))));
    for (const char* c : {"\u0142", "\u0159", "\u016F", "\u6771", "\u4EAC", "\U0001F600"})
        chars.push_back(c);
    std::string every;
    for (const std::string& c : chars)
        every += c;
    auto window = [&chars](std::size_t from) {
        std::string text;
        for (std::size_t k = 0; k < 30; ++k)
            text += chars[(from + k) % chars.size()];
        return text;
    };
    for (int i = 0; i < 56; ++i) {
        const auto& p = positions[i % 5];
        auto e = std::make_unique<CWayEntry>();
        e->m_strName = i == 0 ? std::string() : "W" + std::to_string(i) + "<&>";
        e->m_strComment = window(static_cast<std::size_t>(i) * 30);
        e->m_strAdditionalInfo = i % 2 ? "tab\there\r\nline \"two\"\nthree\r" : every;
        e->m_dLatitude = p[0];
        e->m_dLongitude = p[1];
        e->m_dAltitude = p[2];
        e->m_nIcon = static_cast<std::uint8_t>(i < 50 ? i : 200 + i);
        e->m_bGeocache = i % 3 == 0;
        e->m_bVisible = i % 4 != 1;
        doc.AddEntry(std::move(e));
    }
    ASSERT_EQ(doc.SaveFile(dir.Path("all.GPX")), ESaveResult::saved); // any case
    EXPECT_TRUE(prompt.m_asked.empty());                              // nothing is lost: no warning
    CCairnbookDoc back(prompt);
    back.LoadFile(dir.Path("all.GPX"));
    ExpectSameEntries(doc, back);
    EXPECT_EQ(Run("xmllint --noout --schema " + kSchema + " " + dir.Path("all.GPX")), 0);
}

// gpsbabel reads what we write, and we read what it writes.
TEST_F(Gpx, InterworksWithGpsbabel) {
    doc.LoadFile(std::string(CAIRNBOOK_SAMPLES) + "/sample.ckb");
    doc.SaveFile(dir.Path("ours.gpx"));
    ASSERT_EQ(
        Run("gpsbabel -i gpx -f " + dir.Path("ours.gpx") + " -o unicsv -F " + dir.Path("ours.csv")),
        0);
    const std::string csv = ReadBytes(dir.Path("ours.csv"));
    for (const char* row : {"1,47.606210,-122.332070,\"HOME\",53.0,", "\"Residence\"",
                            "\"GC1M2QK\",321.0,", "\"Geocache\"", "\"Summit\""})
        EXPECT_NE(csv.find(row), std::string::npos) << row << "\n" << csv;
    ASSERT_EQ(
        Run("gpsbabel -i gpx -f " + dir.Path("ours.gpx") + " -o gpx -F " + dir.Path("theirs.gpx")),
        0);
    CCairnbookDoc theirs(prompt);
    theirs.LoadFile(dir.Path("theirs.gpx"));
    ASSERT_EQ(theirs.Entries().size(), doc.Entries().size());
    for (std::size_t i = 0; i < doc.Entries().size(); ++i) {
        EXPECT_EQ(theirs.Entries()[i]->m_strName, doc.Entries()[i]->m_strName);
        EXPECT_NEAR(theirs.Entries()[i]->m_dLatitude, doc.Entries()[i]->m_dLatitude, 1e-9);
        EXPECT_NEAR(theirs.Entries()[i]->m_dLongitude, doc.Entries()[i]->m_dLongitude, 1e-9);
    }
}

constexpr const char* kGroundspeak10 = R"(<?xml version="1.0" encoding="utf-8"?>
<gpx xmlns:xsi="http://www.w3.org/2001/XMLSchema-instance" version="1.0" creator="site"
 xmlns="http://www.topografix.com/GPX/1/0">
  <wpt lat="55.67610" lon="12.56834">
    <time>2010-01-01T00:00:00Z</time>
    <name>GC1ABCD</name>
    <desc>Pinds Mølle by Ørsted, Traditional Cache (1.5/2)</desc>
    <sym>Geocache</sym>
    <type>Geocache|Traditional Cache</type>
    <groundspeak:cache id="1" available="True" xmlns:groundspeak="http://www.groundspeak.com/cache/1/0">
      <groundspeak:name>Pinds Mølle</groundspeak:name>
      <groundspeak:placed_by>Ørsted</groundspeak:placed_by>
      <groundspeak:owner id="2">Ørsted</groundspeak:owner>
      <groundspeak:type>Multi-cache</groundspeak:type>
      <groundspeak:container>Small</groundspeak:container>
      <groundspeak:difficulty>1.5</groundspeak:difficulty>
      <groundspeak:terrain>2</groundspeak:terrain>
      <groundspeak:long_description html="True">&lt;p&gt;Long text&lt;/p&gt;</groundspeak:long_description>
      <groundspeak:encoded_hints>Under the 木 stone</groundspeak:encoded_hints>
      <groundspeak:logs><groundspeak:log id="3"><groundspeak:text>TFTC</groundspeak:text></groundspeak:log></groundspeak:logs>
    </groundspeak:cache>
  </wpt>
</gpx>
)";

// Geocache listings: the cache's own type picks the icon, its details fill
// Additional Info, and the comment follows the LOC rule.
TEST_F(Gpx, GroundspeakCachesIn10And11) {
    Read(kGroundspeak10);
    ASSERT_EQ(doc.Entries().size(), 1u);
    const CWayEntry& e = At(0);
    EXPECT_EQ(e.m_strName, "GC1ABCD");
    EXPECT_EQ(e.m_strComment, "Pinds M lle by  rsted  Traditi");
    EXPECT_EQ(e.m_nIcon, 43);
    EXPECT_EQ(e.m_bGeocache, 1);
    EXPECT_EQ(e.m_strAdditionalInfo, "Pinds Mølle by Ørsted, Traditional Cache (1.5/2)\r\nPinds "
                                     "Mølle by Ørsted\r\nMulti-cache\r\nSmall\r\n"
                                     "Difficulty 1.5, terrain 2\r\nHint: Under the \u6728 stone");
    EXPECT_EQ(doc.TakeNotices(), std::vector<std::string>{});
    // 1.1 with the 1.0.1 extension inside <extensions>, under other prefixes.
    CScriptedPrompt quiet;
    CCairnbookDoc other(quiet);
    WriteBytes(dir.Path("b.gpx"),
               "<g:gpx xmlns:g=\"http://www.topografix.com/GPX/1/1\" version=\"1.1\">"
               "<g:wpt lat=\"1\" lon=\"2\"><g:name>GC2</g:name><g:sym>Geocache Found</g:sym>"
               "<g:extensions><c:cache xmlns:c=\"http://www.groundspeak.com/cache/1/0/1\">"
               "<c:name>Webcam at the pier</c:name><c:type>Webcam Cache</c:type></c:cache>"
               "</g:extensions></g:wpt></g:gpx>");
    other.LoadFile(dir.Path("b.gpx"));
    ASSERT_EQ(other.Entries().size(), 1u);
    EXPECT_EQ(other.Entries()[0]->m_nIcon, 47);
    EXPECT_EQ(other.Entries()[0]->m_strComment, "Webcam at the pier");
}

// A GPX waypoint under a name the document holds asks the merge question.
TEST_F(Gpx, MergeAsksAsForEveryOtherSource) {
    doc.AddEntry(std::make_unique<CWayEntry>("GC1ABCD", "old", 1, 2, 0, 0, 1));
    WriteBytes(dir.Path("m.gpx"), kGroundspeak10);
    prompt.m_answers = {EPromptAnswer::yes};
    doc.MergeFile(dir.Path("m.gpx"));
    ASSERT_EQ(prompt.m_asked.size(), 1u);
    EXPECT_EQ(prompt.m_asked[0].m_strCaption, "Merge");
    ASSERT_EQ(doc.Entries().size(), 1u);
    EXPECT_EQ(At(0).m_dLatitude, 55.6761);
}

struct CReadCase {
    const char* label;
    std::string bytes;
    std::vector<std::string> names;
    std::string notice; // the first, or nothing
};

// Files from other programs: what is read and what is told.
TEST_F(Gpx, ReadsWhatOtherProgramsWrite) {
    const CReadCase cases[] = {
        {"routes and tracks",
         Gpx11("<wpt lat=\"1\" lon=\"2\"><name>A</name></wpt>"
               "<rte><rtept lat=\"1\" lon=\"1\"/><rtept lat=\"2\" lon=\"2\"/></rte>"
               "<trk><trkseg><trkpt lat=\"1\" lon=\"1\"/></trkseg></trk>"),
         {"A"},
         "3 route and track points are kept for saving as GPX; only waypoints are shown"},
        {"bom, crlf and references",
         "\xEF\xBB\xBF" + Gpx11("<wpt lat=\" +1.5 \" lon=\"2\">\r\n<name>R&amp;D &#233;</name>\r\n"
                                "<ele>12.5</ele><sym>Campground</sym></wpt>\r\n"),
         {"R&D \u00E9"},
         ""},
        {"no position",
         Gpx11("<wpt lat=\"x\" lon=\"2\"><name>N</name></wpt><wpt lat=\"3\" lon=\"4\"/>"),
         {"WPT0001"},
         "1 waypoint without a position was skipped"},
        {"no names, and what an empty element hides not",
         Gpx11("<wpt lat=\"1\" lon=\"2\"><name>WPT0001</name></wpt>"
               "<wpt lat=\"3\" lon=\"4\"><cmt/><desc>said</desc></wpt>"
               "<wpt lat=\"5\" lon=\"6\"><name> </name><sym>geocache found</sym></wpt>"),
         {"WPT0001", "WPT0002", "WPT0003"},
         "2 waypoints without a name were given one (WPT0001 and on)"},
        {"a field over 1 MiB",
         Gpx11("<wpt lat=\"1\" lon=\"2\"><name>LONG</name><desc>" +
               std::string((1 << 20) + 10, 'x') + "</desc></wpt>"),
         {"LONG"},
         "1 text longer than 1 MiB was cut there"},
        // Single-byte encodings by their declaration.
        {"windows-1250",
         "<?xml version=\"1.0\" encoding=\"windows-1250\"?><gpx><wpt lat=\"1\" "
         "lon=\"1\"><name>\x8A\xE9</name></wpt></gpx>",
         {"\u0160\u00E9"},
         ""},
        {"iso-8859-15",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-15\"?><gpx><wpt lat=\"1\" "
         "lon=\"1\"><name>\xA4</name></wpt></gpx>",
         {"\u20AC"},
         ""},
        {"iso-8859-2",
         "<?xml version=\"1.0\" encoding=\"ISO-8859-2\"?><gpx><wpt lat=\"1\" "
         "lon=\"1\"><name>\xB3\xF3"
         "d\xBC</name></wpt></gpx>",
         {"\u0142\u00F3d\u017A"},
         ""},
        {"unknown symbol",
         Gpx11("<wpt lat=\"1\" lon=\"2\"><name>A</name><sym>Nowhere</sym></wpt>"),
         {"A"},
         "1 symbol the icon table does not know shows the neutral icon (the file's symbol is "
         "kept)"},
        {"https namespace",
         "<gpx xmlns=\"https://www.topografix.com/GPX/1/1\"><wpt lat=\"1\" lon=\"2\">"
         "<name>S</name></wpt></gpx>",
         {"S"},
         ""},
        {"windows-1252",
         "<?xml version=\"1.0\" encoding=\"windows-1252\"?><gpx><wpt lat=\"1\" "
         "lon=\"1\"><name>Caf\xE9 \x80</name></wpt></gpx>",
         {"Caf\u00E9 \u20AC"},
         ""},
    };
    for (const auto& c : cases) {
        CScriptedPrompt quiet;
        CCairnbookDoc d(quiet);
        WriteBytes(dir.Path("c.gpx"), c.bytes);
        d.LoadFile(dir.Path("c.gpx"));
        std::vector<std::string> names;
        for (const auto& e : d.Entries())
            names.push_back(e->m_strName.str());
        EXPECT_EQ(names, c.names) << c.label;
        const auto notices = d.TakeNotices();
        EXPECT_EQ(notices.empty() ? "" : notices.front(), c.notice) << c.label;
    }
    Read(Gpx11("<wpt lat=\"1\" lon=\"2\"><ele>12.5</ele><sym>Campground</sym></wpt>"));
    EXPECT_EQ(At(0).m_dAltitude, 12.5);
    EXPECT_EQ(At(0).m_nIcon, 9);
    EXPECT_EQ(At(0).m_bGeocache, 0);
    // Neither the symbol nor the cache type known: the neutral icon, read
    // back through its name (the byte was once left uninitialised here).
    Read(Gpx11("<wpt lat=\"1\" "
               "lon=\"2\"><name>ODD</name><sym>Nowhere</sym><type>Geocache|Odd</type></wpt>"));
    EXPECT_EQ(At(1).m_nIcon, kUnknownSymbolIcon);
    EXPECT_EQ(IconName(At(1).m_nIcon), IconName(kUnknownSymbolIcon));
    // A comment of blanks hides no description; "geocache" in any case.
    Read(Gpx11("<wpt lat=\"3\" lon=\"4\"><name>X</name><cmt> </cmt><desc>said</desc>"
               "<type>GEOCACHE|Traditional Cache</type></wpt>"));
    EXPECT_EQ(At(2).m_strComment, "said");
    EXPECT_EQ(At(2).m_bGeocache, 1);
    EXPECT_EQ(At(2).m_nIcon, 42);
}

// Damaged and hostile files end with a message that says what is wrong, and
// a merge of them changes nothing.
TEST_F(Gpx, BadFilesFailClearlyAndChangeNothing) {
    const std::string laughs = "<?xml version=\"1.0\"?><!DOCTYPE gpx [<!ENTITY a \"aaaaaaaaaa\">"
                               "<!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;&a;&a;\"><!ENTITY c "
                               "\"&b;&b;&b;&b;&b;&b;&b;&b;&b;&b;\">"
                               "<!ENTITY d \"&c;&c;&c;&c;&c;&c;&c;&c;&c;&c;\"><!ENTITY e "
                               "\"&d;&d;&d;&d;&d;&d;&d;&d;&d;&d;\">"
                               "<!ENTITY f \"&e;&e;&e;&e;&e;&e;&e;&e;&e;&e;\"><!ENTITY g "
                               "\"&f;&f;&f;&f;&f;&f;&f;&f;&f;&f;\">"
                               "<!ENTITY h \"&g;&g;&g;&g;&g;&g;&g;&g;&g;&g;\"><!ENTITY i "
                               "\"&h;&h;&h;&h;&h;&h;&h;&h;&h;&h;\">]>"
                               "<gpx><wpt lat=\"1\" lon=\"1\"><name>&i;</name></wpt></gpx>";
    const std::pair<std::string, const char*> cases[] = {
        {Gpx11("<wpt lat=\"1\" lon=\"2\"><name>A</wpt>"),
         "the GPX file is damaged: mismatched tag"},
        {Gpx11("<wpt lat=\"1\" lon=\"2\"><name>A</name></wpt>").substr(0, 120), "damaged"},
        {laughs, "declares XML entities"},
        {"<?xml version=\"1.0\"?><!DOCTYPE gpx [<!ENTITY x SYSTEM \"file:///etc/passwd\">]>"
         "<gpx><wpt lat=\"1\" lon=\"1\"><name>&x;</name></wpt></gpx>",
         "declares XML entities"},
        {std::string("\x00\x01\x02\x03 binary", 11), "not a GPX file"},
        {"<kml><Placemark/></kml>", "not a GPX file: its root element is not <gpx>"},
        {Gpx11("<wpt lat=\"1\" lon=\"2\" " +
               [] {
                   std::string many;
                   for (int i = 0; i < 1001; ++i)
                       many += "a" + std::to_string(i) + "='>' ";
                   return many;
               }() +
               "><name>A</name></wpt>"),
         "has an element with more than 1000 attributes"},
    };
    doc.AddEntry(std::make_unique<CWayEntry>("KEEP", "", 1, 2, 0, 0, 1));
    CScriptedChooser chooser;
    doc.SetFileChooser(&chooser);
    for (const auto& [bytes, expected] : cases) {
        WriteBytes(dir.Path("bad.gpx"), bytes);
        chooser.m_next = CChosenFile{dir.Path("bad.gpx"), 1};
        prompt.m_asked.clear();
        doc.OnFileMerge();
        ASSERT_EQ(prompt.m_asked.size(), 1u) << expected;
        EXPECT_NE(prompt.m_asked[0].m_strText.find(expected), std::string::npos)
            << prompt.m_asked[0].m_strText;
        EXPECT_EQ(doc.Entries().size(), 1u) << expected;
    }
    // Content, not the name, tells the format: GPX under a native name, LOC
    // under a GPX name, native bytes under a LOC name.
    doc.SaveFile(dir.Path("native.ckb"));
    const std::pair<const char*, std::string> named[] = {
        {"named.ckb", Gpx11("<wpt lat=\"1\" lon=\"2\"><name>G</name></wpt>")},
        {"named.gpx", "<?xml version=\"1.0\"?><!-- x --><loc><waypoint><name id=\"L\">"
                      "<![CDATA[l]]></name><coord lat=\"1\" lon=\"2\"/></waypoint></loc>"},
        {"named.loc", ReadBytes(dir.Path("native.ckb"))}};
    for (const auto& [name, bytes] : named) {
        CCairnbookDoc d(prompt);
        WriteBytes(dir.Path(name), bytes);
        d.LoadFile(dir.Path(name));
        EXPECT_EQ(d.Entries().size(), 1u) << name;
    }
}

// The reader's scans carry their state from one piece of the file to the
// next: a file fed a byte at a time reads as when fed whole, and the text
// written back is escaped as a byte-by-byte escaper would.
TEST(GpxPieces, AFileReadInPiecesReadsAsWhole) {
    auto read = [](const std::string& bytes, std::size_t piece) {
        std::string got;
        CGpxReader reader([&got](std::unique_ptr<CWayEntry> e) {
            got += e->m_strName + "|" + e->m_strAdditionalInfo + "|" +
                   std::string(e->m_strKept.View()) + "\n";
        });
        for (std::size_t at = 0; at < bytes.size(); at += piece)
            if (!reader.Feed(bytes.data() + at, std::min(piece, bytes.size() - at),
                             at + piece >= bytes.size()))
                return "error: " + reader.Error() + " at " + std::to_string(reader.ErrorOffset());
        return got;
    };
    std::string attrs;
    for (int i = 0; i < 1001; ++i)
        attrs += " a" + std::to_string(i) + (i % 2 ? "='\">'" : "=\"'>\"");
    const std::string files[] = {
        Gpx11("<!-- \"a > b' --><?pi x=\"<wpt>\"?>\n<wpt lat=\"1\" lon=\"2\" q='\">' "
              "r=\"'<\"><name>A&amp;B</name><desc>x &lt;p&gt; \"y\"\r\n\tz&#1;\x7f\xc3\xa9 "
              "long run of plain text that spans words</desc><link href=\"h?a=1&amp;b=2\">"
              "<text>&quot;t&quot;</text></link></wpt>"),
        Gpx11("<wpt lat=\"1\" lon=\"2\"" + attrs + "><name>A</name></wpt>")};
    for (const std::string& file : files) {
        const std::string whole = read(file, file.size());
        EXPECT_NE(whole, "");
        for (std::size_t piece : {1, 3, 7, 64})
            EXPECT_TRUE(read(file, piece) == whole) << "fed " << piece << " bytes at a time";
    }
    EXPECT_NE(read(files[1], 1).find("more than 1000 attributes"), std::string::npos);

    auto plain = [](std::string_view text) {
        std::string out;
        for (char c : text)
            out += c == '&'    ? "&amp;"
                   : c == '<'  ? "&lt;"
                   : c == '>'  ? "&gt;"
                   : c == '"'  ? "&quot;"
                   : c == '\r' ? "&#13;"
                   : (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n')
                       ? std::string(" ")
                       : std::string(1, c);
        return out;
    };
    const std::string specials = "&<>\"\r\x01\x1f\t\n\x7f\xc3\xa9 ";
    // Every length from the single characters the reader hands over alone up.
    for (char c : specials)
        for (std::size_t size = 1; size <= 20; ++size)
            for (std::size_t at = 0; at < size; ++at) {
                std::string text(size, 'a');
                text[at] = c;
                text[size - 1 - at / 2] = specials[at % specials.size()];
                std::string out = "=";
                AppendEscaped(out, text);
                EXPECT_EQ(out, "=" + plain(text)) << int(c) << " at " << at << " of " << size;
            }
}

} // namespace
