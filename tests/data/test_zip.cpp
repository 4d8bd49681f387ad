// SPDX-License-Identifier: GPL-3.0-or-later
#include "archiveexception.h"
#include "cachelisting.h"
#include "cachestatus.h"
#include "cacheties.h"
#include "cairnbookdoc.h"
#include "listinghtml.h"
#include "test_helpers.h"

#include <zip.h>

#include <gtest/gtest.h>

namespace {

struct CPart {
    std::string name;
    std::string bytes;
    bool encrypted = false;
};

// Writes a zip of the parts, deflated; false when libzip cannot (AES).
bool MakeZip(const std::string& path, const std::vector<CPart>& parts) {
    int error = 0;
    zip_t* z = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!z)
        return false;
    bool ok = true;
    for (const CPart& p : parts) {
        zip_source_t* s = zip_source_buffer(z, p.bytes.data(), p.bytes.size(), 0);
        const zip_int64_t i = s ? zip_file_add(z, p.name.c_str(), s, ZIP_FL_OVERWRITE) : -1;
        ok = ok && i >= 0 &&
             (!p.encrypted ||
              zip_file_set_encryption(z, zip_uint64_t(i), ZIP_EM_AES_256, "secret") == 0);
    }
    return zip_close(z) == 0 && ok;
}

std::string Gpx(const std::vector<std::string>& names, const std::string& extra = "") {
    std::string gpx = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n"
                      "<gpx version=\"1.0\" creator=\"test\" "
                      "xmlns=\"http://www.topografix.com/GPX/1/0\">\n";
    for (const std::string& n : names)
        gpx += "<wpt lat=\"47.5\" lon=\"-122.25\"><name>" + n + "</name>" + extra + "</wpt>\n";
    return gpx + "</gpx>\n";
}

// Archives as pocket queries come and as attackers make them: what opens,
// in which order, and what is refused with which words.
TEST(Zip, PocketQueriesOpenAndHostileArchivesAreRefused) {
    const std::string caches = Gpx({"GCV272", "GC1234"}, "<sym>Geocache</sym>");
    const std::string wpts = Gpx({"AAV272", "PKV272"});
    const std::string spaces(20 << 20, ' ');
    struct Case {
        const char* what;
        std::string file;
        std::vector<CPart> parts;
        std::vector<std::string> names; // read, in order; empty: refused
        std::string said;               // in the notice, or in the failure
    };
    const Case cases[] = {
        {"a pocket query, waypoints listed first",
         "pq.zip",
         {{"12345-wpts.gpx", wpts}, {"readme.txt", "hello"}, {"12345.gpx", caches}},
         {"GCV272", "GC1234", "AAV272", "PKV272"},
         "1 member of the archive is no GPX file and was skipped: readme.txt"},
        {"named as GPX", "renamed.gpx", {{"12345.gpx", caches}}, {"GCV272", "GC1234"}, ""},
        {"a zip bomb",
         "bomb.zip",
         {{"big.gpx", Gpx({"A"}, "<desc>" + spaces + "</desc>")}},
         {},
         "big.gpx would inflate to"},
        {"a nested zip",
         "nested.zip",
         {{"12345.gpx", caches}, {"inner.zip", "PK\x03\x04 x"}},
         {},
         "inner.zip is itself a zip archive"},
        {"an encrypted member",
         "secret.zip",
         {{"12345.gpx", caches, true}},
         {},
         "12345.gpx is encrypted"},
        {"no GPX at all", "none.zip", {{"readme.txt", "hello"}}, {}, "it holds no GPX file"},
    };
    CTempDir dir;
    for (const Case& c : cases) {
        const std::string path = dir.Path(c.file);
        if (!MakeZip(path, c.parts)) {
            ASSERT_TRUE(c.parts.front().encrypted) << c.what;
            continue; // a libzip without AES writes no encrypted member
        }
        CScriptedPrompt prompt;
        CCairnbookDoc doc(prompt);
        std::string failure;
        try {
            doc.LoadFile(path);
        } catch (const CArchiveException& e) {
            failure = e.what();
        }
        std::vector<std::string> names;
        for (const auto& e : doc.Entries())
            names.push_back(e->m_strName.str());
        EXPECT_EQ(names, c.names) << c.what;
        const std::vector<std::string> notices = doc.TakeNotices();
        const std::string told = c.names.empty()   ? failure
                                 : notices.empty() ? std::string()
                                                   : notices.front();
        EXPECT_NE(told.find(c.said), std::string::npos) << c.what << ": " << told;
        if (!c.names.empty()) {
            EXPECT_EQ(failure, "") << c.what;
        }
        const CCacheTies ties(doc.Entries());
        for (std::size_t i = 0; i < names.size(); ++i) // AAV272 and PKV272: GCV272's
            EXPECT_EQ(ties.ParentOf(i),
                      names[i].starts_with("GC") ? std::nullopt : std::optional<std::size_t>(0))
                << c.what << " " << names[i];
    }
}

// A waypoint belongs to the cache its file names, else to the cache of its
// code after the prefix; caches belong to none, and a missing cache ties
// nothing.
TEST(CacheTies, WaypointsBelongToTheirCache) {
    const std::string gsak = "<gsak:wptExtension xmlns:gsak=\"http://www.gsak.net/xmlv1/6\">"
                             "<gsak:Parent>GC1234</gsak:Parent></gsak:wptExtension>";
    CTempDir dir;
    std::string gpx = Gpx({"GCV272", "GC1234"}, "<sym>Geocache</sym>") +
                      Gpx({"AAV272", "S11234", "PKZZZZ", "GC"}) + Gpx({"XXV272"}, gsak);
    // One file: the three documents' waypoints in one <gpx>.
    for (const char* cut : {"</gpx>\n<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<gpx "
                            "version=\"1.0\" creator=\"test\" "
                            "xmlns=\"http://www.topografix.com/GPX/1/0\">\n"})
        for (std::size_t at; (at = gpx.find(cut)) != std::string::npos;)
            gpx.erase(at, std::string(cut).size());
    WriteBytes(dir.Path("ties.gpx"), gpx);
    CScriptedPrompt prompt;
    CCairnbookDoc doc(prompt);
    doc.LoadFile(dir.Path("ties.gpx"));
    ASSERT_EQ(doc.Entries().size(), 7u);
    const CCacheTies ties(doc.Entries());
    const std::optional<std::size_t> none;
    const std::vector<std::optional<std::size_t>> parents = {none, none, 0, 1, none, none, 1};
    for (std::size_t i = 0; i < parents.size(); ++i)
        EXPECT_EQ(ties.ParentOf(i), parents[i]) << doc.Entries()[i]->m_strName;
    EXPECT_EQ(ties.ChildrenOf(1), (std::vector<std::size_t>{3, 6}));
    EXPECT_EQ(FileParent(*doc.Entries()[6]), "GC1234");
}

} // namespace

namespace {

// The sample listing's caches as their listings say: found, disabled,
// archived, the others available.
TEST(CacheStatus, ReadFromTheListing) {
    CScriptedPrompt prompt;
    CCairnbookDoc doc(prompt);
    doc.LoadFile(std::string(CAIRNBOOK_SAMPLES) + "/caches.gpx");
    for (const auto& e : doc.Entries()) {
        const CCacheState s = CacheStateOf(*e);
        const std::string_view n = e->m_strName;
        EXPECT_EQ(s.m_bFound, n == "GC2B7XA") << n;
        EXPECT_EQ(s.m_status, n == "GC4TTRE"   ? ECacheStatus::disabled
                              : n == "GC5VRTL" ? ECacheStatus::archived
                                               : ECacheStatus::available)
            << n;
    }
    CWayEntry plain("WP", "", 1, 2, 3, 0, 1); // no listing at all
    EXPECT_EQ(CacheStateOf(plain).m_status, ECacheStatus::available);
    EXPECT_FALSE(ListingOf(plain).m_bPresent);
    const CCacheListing l = ListingOf(*doc.Entries()[1]); // GC2B7XA
    ASSERT_TRUE(l.m_bPresent);
    EXPECT_EQ(l.m_strName + "|" + l.m_strOwner + "|" + l.m_strType + "|" + l.m_strContainer + "|" +
                  l.m_strDifficulty + "|" + l.m_strTerrain + "|" + l.m_strHint,
              "The Five Bridges|kayakKat|Multi-cache|Regular|3|2|Count the rivets");
    EXPECT_FALSE(l.m_bShortHtml);
    EXPECT_TRUE(l.m_bLongHtml);
    EXPECT_EQ(l.m_strLong, "<p>Bring a pen & something to trade.</p>");
    ASSERT_EQ(l.m_logs.size(), 1u);
    EXPECT_EQ(l.m_logs[0].m_strType + "|" + l.m_logs[0].m_strFinder, "Found it|Rover");
    EXPECT_EQ(l.FoundDate(), "2024-06-01");
}

} // namespace

namespace {

// Descriptions from files run nothing and fetch nothing.
TEST(ListingHtml, DescriptionsAreMadeSafe) {
    const std::pair<const char*, const char*> cases[] = {
        {"<p onclick=\"x()\">Hi <b>there</b></p>", "<p>Hi <b>there</b></p>"},
        {"a<script>alert(1)</script>b<SCRIPT src=x></SCRIPT>c", "abc"},
        {"<style>p{}</style><iframe src=\"http://e.org\"></iframe>x", "x"},
        {"<img src=\"https://e.org/a.jpg\" onerror=\"x()\">",
         "<a href=\"https://e.org/a.jpg\">[image: https://e.org/a.jpg]</a>"},
        {"<img src=\"file:///etc/passwd\">", ""},
        {"<a href=\"javascript:x()\">go</a> <a href='http://e.org'>e</a>",
         "<a>go</a> <a href=\"http://e.org\">e</a>"},
        {"<br/>unfinished <b", "<br/>unfinished "},
    };
    for (const auto& [in, out] : cases)
        EXPECT_EQ(SafeHtml(in), out) << in;
    EXPECT_EQ(Rot13("Count the rivets!"), "Pbhag gur evirgf!");
}

} // namespace
