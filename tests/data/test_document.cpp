// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookdoc.h"
#include "coordinate.h"
#include "distances.h"
#include "finding.h"
#include "geodesy.h"
#include "rowtext.h"
#include "test_helpers.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

std::unique_ptr<CWayEntry> Make(const std::string& name, double lat = 0, double lon = 0,
                                const std::string& comment = "") {
    return std::make_unique<CWayEntry>(name, comment, lat, lon, 0.0, 0, 1);
}

TEST(WayEntry, ValueConstructorKeepsNameAndCleansComment) {
    CWayEntry e("TWELVECHARSX",
                "a,b;c\xE9"
                "d",
                1, 2, 3, 1, 0);
    EXPECT_EQ(e.m_strName, "TWELVECHARSX");
    EXPECT_EQ(e.m_strComment, "a b c d");
    EXPECT_EQ(e.m_nIcon, 0);
    EXPECT_EQ(e.m_bSave, 1);
    CWayEntry longComment("X", std::string(40, 'c'), 0, 0, 0, 0, 1);
    EXPECT_EQ(longComment.m_strComment, std::string(30, 'c'));
    std::string accents;
    for (int i = 0; i < 40; ++i)
        accents += "\xC3\xA9";
    EXPECT_EQ(CWayEntry("X", accents, 0, 0, 0, 0, 1).m_strComment, std::string(30, ' '));
    // A character beyond ASCII just past the kept 30, and as the 30th.
    EXPECT_EQ(CWayEntry("X", std::string(30, 'c') + "\xC3\xA9", 0, 0, 0, 0, 1).m_strComment,
              std::string(30, 'c'));
    EXPECT_EQ(CWayEntry("X", std::string(29, 'c') + "\xC3\xA9x", 0, 0, 0, 0, 1).m_strComment,
              std::string(29, 'c') + " ");
}

TEST(WayEntry, SanitizeRemovesThenCuts) {
    CWayEntry e;
    e.m_strName = "ABCDEFGH#I"; // hash removed first, then cut to 8
    e.m_strComment = "one, two; three";
    e.Sanitize();
    EXPECT_EQ(e.m_strName, "ABCDEFGH");
    EXPECT_EQ(e.m_strComment, "one  two  three");
    e.m_strName = "Caf\xE9";
    e.m_strComment = "Caf\xE9";
    e.Sanitize();
    EXPECT_EQ(e.m_strName, "Caf");
    EXPECT_EQ(e.m_strComment, "Caf ");
}

TEST(WayEntry, AssignmentKeepsTheSaveMark) {
    CWayEntry target("A", "", 1, 1, 1, 0, 1);
    target.m_bSave = 0;
    CWayEntry source("B", "new", 2, 2, 2, 1, 0);
    source.m_nIcon = 44;
    source.m_strAdditionalInfo = "info";
    target = source;
    EXPECT_EQ(target.m_strName, "B");
    EXPECT_EQ(target.m_nIcon, 44);
    EXPECT_EQ(target.m_strAdditionalInfo, "info");
    EXPECT_EQ(target.m_bSave, 0);
}

TEST(Document, AddEntryKeepsOneEntryPerName) {
    CScriptedPrompt prompt;
    CCairnbookDoc doc(prompt);
    EXPECT_TRUE(doc.AddEntry(Make("A", 1)));
    EXPECT_FALSE(doc.AddEntry(Make("A", 1))); // identical: dropped silently
    EXPECT_TRUE(prompt.m_asked.empty());
    auto differentGeocache = Make("A", 1);
    differentGeocache->m_bGeocache = 1;
    EXPECT_FALSE(doc.AddEntry(std::move(differentGeocache)));
    EXPECT_TRUE(prompt.m_asked.empty());
    EXPECT_EQ(doc.m_WayList.size(), 1u);
    EXPECT_EQ(doc.m_WayList[0]->m_bGeocache, 0);
}

TEST(Document, MergeQuestionTextAndAnswers) {
    g_nCoordFormat = 0;
    CScriptedPrompt prompt;
    CCairnbookDoc doc(prompt);
    auto existing = Make("CACHE", 47.25, -122.5, "old");
    existing->m_dAltitude = 100;
    doc.AddEntry(std::move(existing));
    auto incoming = Make("CACHE", 47.5, -122.5, "old");
    incoming->m_dAltitude = 100;
    incoming->m_strAdditionalInfo = "x";
    prompt.m_answers = {EPromptAnswer::no};
    EXPECT_EQ(doc.AddOrReconcile(std::make_unique<CWayEntry>(*incoming)), EAddResult::kept);
    ASSERT_EQ(prompt.m_asked.size(), 1u);
    EXPECT_EQ(prompt.m_asked[0].m_strCaption, "Merge");
    EXPECT_EQ(prompt.m_asked[0].m_buttons, EPromptButtons::yesNo);
    EXPECT_EQ(prompt.m_asked[0].m_strText,
              "Replace\n    CACHE (old) N47\u00B0 15.000' W122\u00B0 30.000' 328 ft \nwith\n"
              "    CACHE (old) N47\u00B0 30.000' W122\u00B0 30.000' 328 ft x\n?\n\n"
              "Difference is Latitude AdditionalInfo ");
    EXPECT_EQ(doc.m_WayList[0]->m_dLatitude, 47.25);
    prompt.m_answers = {EPromptAnswer::yes};
    EXPECT_EQ(doc.AddOrReconcile(std::move(incoming)), EAddResult::replaced);
    EXPECT_EQ(doc.m_WayList[0]->m_dLatitude, 47.5);
}

TEST(Document, IconOnlyDifferenceAsksWithEmptyList) {
    CScriptedPrompt prompt;
    CCairnbookDoc doc(prompt);
    doc.AddEntry(Make("A"));
    auto other = Make("A");
    other->m_nIcon = 5;
    doc.AddEntry(std::move(other));
    ASSERT_EQ(prompt.m_asked.size(), 1u);
    const std::string& text = prompt.m_asked[0].m_strText;
    EXPECT_EQ(text.substr(text.size() - 14), "Difference is ");
}

TEST(Document, FindByNameFollowsRemovalAndRename) {
    CScriptedPrompt prompt;
    CCairnbookDoc doc(prompt);
    for (const char* n : {"A", "B", "C"})
        doc.AddEntry(Make(n));
    CWayEntry* b = doc.FindByName("B");
    ASSERT_NE(b, nullptr);
    doc.SetReference(b);
    doc.RemoveEntry(b);
    EXPECT_EQ(doc.FindByName("B"), nullptr);
    EXPECT_EQ(doc.Reference(), nullptr);
    CWayEntry* c = doc.FindByName("C");
    doc.RenameEntry(c, "Z");
    EXPECT_EQ(doc.FindByName("C"), nullptr);
    EXPECT_EQ(doc.FindByName("Z"), c);
    EXPECT_TRUE(doc.AddEntry(Make("C")));
    EXPECT_EQ(doc.FindByName("c"), nullptr); // case-sensitive
}

TEST(Document, NumberEntriesSkipsUnmarked) {
    CScriptedPrompt prompt;
    CCairnbookDoc doc(prompt);
    EXPECT_EQ(doc.NumberEntries(), 0);
    for (const char* n : {"A", "B", "C"})
        doc.AddEntry(Make(n));
    doc.m_WayList[1]->m_nNumber = 77;
    doc.m_WayList[1]->m_bSave = 0;
    EXPECT_EQ(doc.NumberEntries(), 2);
    EXPECT_EQ(doc.m_WayList[0]->m_nNumber, 1u);
    EXPECT_EQ(doc.m_WayList[1]->m_nNumber, 77u);
    EXPECT_EQ(doc.m_WayList[2]->m_nNumber, 2u);
}

struct DistanceCase {
    const char* label;
    double refLat, refLon, lat, lon;
    double metres; // WGS84 geodesic, from GeographicLib's own solution
    int direction;
};

// Within a metre of the ellipsoid's geodesic in both units; the direction is
// the compass sector of the initial bearing.
TEST(Document, DistanceAndDirection) {
    const DistanceCase cases[] = {
        {"equator, one degree east", 0, 0, 0, 1, 111319.4908, 2},
        {"equator, north", 0, 0, 0.01, 0, 1105.7428, 0},
        {"latitude 31, north west", 31, -97, 31.3, -97.4, 50607.5249, 7},
        {"latitude 31, bearing 126", 31, -97, 30.5, -96.2, 94554.4161, 3},
        {"latitude 60, one degree east", 60, 10, 60, 11, 55799.4704, 2},
        {"latitude 60, bearing 123", 60, 10, 59.5, 11.5, 101063.6214, 3},
        {"south", 45, 0, 44, 0, 111122.0083, 4},
        {"same", 3, 3, 3, 3, 0, 0},
    };
    for (const auto& c : cases) {
        CWayEntry ref("R", "", c.refLat, c.refLon, 0, 0, 1), e("E", "", c.lat, c.lon, 0, 0, 1);
        for (bool metric : {false, true}) {
            int dir = -1;
            const double d = CCairnbookDoc::Distance(ref, e, metric, dir);
            EXPECT_NEAR(d * (metric ? 1000.0 : 1609.344), c.metres, 1.0) << c.label;
            EXPECT_EQ(dir, c.direction) << c.label;
        }
    }
}

TEST(Document, CompassSectorsAreCentredOnTheirDirections) {
    const std::pair<double, int> cases[] = {{0, 0},     {22.4, 0},  {22.5, 1},  {114, 3},
                                            {180, 4},   {247.4, 5}, {292.5, 7}, {337.4, 7},
                                            {337.5, 0}, {359.9, 0}, {-10, 0},   {std::nan(""), 0}};
    for (const auto& [bearing, sector] : cases)
        EXPECT_EQ(CompassSector(bearing), sector) << bearing;
    CWayEntry pole("P", "", 95, 0, 0, 0, 1), nan("N", "", std::nan(""), 0, 0, 0, 1);
    int dir = -1;
    EXPECT_EQ(CCairnbookDoc::Distance(pole, nan, false, dir), 0.0);
    EXPECT_EQ(dir, 0);
}

// A window's distances follow the document: measured from the reference
// point when it is set, for new and moved waypoints, for all when the
// reference point itself moves; kept when the reference point goes.
TEST(Distances, FollowTheDocumentsChanges) {
    CScriptedPrompt prompt;
    CCairnbookDoc doc(prompt);
    doc.AddEntry(Make("A", 45));
    doc.AddEntry(Make("B", 44));
    CDistances d;
    const auto listening = doc.Subscribe([&](const CDocChange& c) { d.Follow(doc, c); });
    d.Measure(doc);
    auto miles = [&](std::size_t i) { return d.At(i).m_dMetres / kMetresPerMile; };
    EXPECT_EQ(miles(1), 0); // no reference point: nothing measured
    doc.SetReference(doc.m_WayList[0].get());
    EXPECT_NEAR(miles(1), 69.0480, 1e-4);
    EXPECT_EQ(d.At(1).m_nDirection, 4);
    EXPECT_EQ(RowCellTexts(*doc.m_WayList[0], 0, false, d.At(0))[10], "0.00");
    EXPECT_EQ(RowCellTexts(*doc.m_WayList[0], 0, false, d.At(0))[11], "North");
    doc.InsertEntry(1, Make("C", 46));
    EXPECT_NEAR(miles(1), 69.05, 0.1);
    EXPECT_EQ(d.At(1).m_nDirection, 0);
    EXPECT_NEAR(miles(2), 69.0480, 1e-4);
    doc.AssignEntry(2, *Make("B", 43)); // moved
    EXPECT_NEAR(miles(2), 138.1, 0.1);
    doc.AssignEntry(0, *Make("A", 44)); // the reference point itself moved
    EXPECT_NEAR(miles(1), 138.1, 0.1);
    EXPECT_NEAR(miles(2), 69.0, 0.1);
    doc.TakeEntry(0);
    EXPECT_NEAR(miles(1), 69.0, 0.1); // its old legs stay
    EXPECT_NEAR(d.At(0).m_dMetres / kMetresPerMile, 138.1, 0.1);
}

TEST(Document, ExtentsWidenSmallBoxes) {
    CScriptedPrompt prompt;
    CCairnbookDoc doc(prompt);
    double a, b, c, d;
    doc.GetExtents(a, b, c, d);
    EXPECT_EQ(a, 0.125);
    EXPECT_EQ(b, -0.125);
    EXPECT_EQ(c, 0.125);
    EXPECT_EQ(d, -0.125);
    doc.AddEntry(Make("A", 47, -122));
    doc.GetExtents(a, b, c, d);
    EXPECT_EQ(a, 47.125);
    EXPECT_EQ(b, 46.875);
    EXPECT_EQ(c, -121.875);
    EXPECT_EQ(d, -122.125);
    doc.AddEntry(Make("B", 48, -121.9));
    doc.GetExtents(a, b, c, d);
    EXPECT_EQ(a, 48);
    EXPECT_EQ(b, 47);
    EXPECT_DOUBLE_EQ(c, -121.9 + 0.125);
}

TEST(RowTexts, CellsOfARow) {
    g_nCoordFormat = 0;
    CWayEntry e("HOME", "my house", 47.5, -122.25, 100, 1, 2);
    e.m_nIcon = 7;
    auto cells = RowCellTexts(e, 0, false);
    EXPECT_EQ(cells[0], "0");
    EXPECT_EQ(cells[5], "328");
    EXPECT_EQ(cells[6], "Auto Repair");
    EXPECT_EQ(cells[11], "North");
    EXPECT_EQ(RowCellTexts(e, 0, true)[5], "100");
    e.m_dAltitude = -0.7;
    EXPECT_EQ(RowCellTexts(e, 0, true)[5], "0");
    e.m_nIcon = 50;
    EXPECT_EQ(RowCellTexts(e, 0, true)[6], "50");
    EXPECT_EQ(RowCellTexts(e, 0, true, CLeg{0, 9})[11], "");
}

} // namespace

namespace {

// Finding by text: any of the three texts, Windows-1252 case, round the end.
TEST(Find, NamesCommentsAndInfoIgnoringCase) {
    std::vector<std::unique_ptr<CWayEntry>> entries;
    const char* texts[][3] = {{"HOME", "Home base", ""},
                              {"CAFE", "Caf\xE9 du Pont", ""},
                              {"GC1", "",
                               "Hint: under the \x8A"
                               "TONE"},
                              {"LAKE", "", ""}};
    for (const auto& t : texts) {
        entries.push_back(std::make_unique<CWayEntry>());
        entries.back()->m_strName = t[0];
        entries.back()->m_strComment = t[1];
        entries.back()->m_strAdditionalInfo = t[2];
    }
    const struct {
        const char* needle;
        std::size_t from;
        bool forward;
        std::optional<std::size_t> hit;
    } cases[] = {{"home", 3, true, 0}, {"CAF\xC9", 0, true, 1},  {"\x9Atone", 0, true, 2},
                 {"a", 1, true, 3},    {"a", 3, true, 0},        {"a", 1, false, 0},
                 {"home", 0, true, 0}, {"nowhere", 0, true, {}}, {"", 0, true, {}}};
    for (const auto& c : cases)
        EXPECT_EQ(FindWaypoint(entries, c.needle, c.from, c.forward), c.hit) << c.needle;
}

} // namespace

namespace {

// The name index keeps the first entry of a name in list order through
// renames, removals and reinsertions, duplicates included.
TEST(Document, NameIndexThroughTakeAndInsert) {
    CScriptedPrompt prompt;
    CCairnbookDoc doc(prompt);
    for (const char* name : {"A", "B", "C"})
        doc.AddEntry(std::make_unique<CWayEntry>(name, "", 1, 2, 3, 0, 1));
    CWayEntry* b = doc.m_WayList[1].get();
    doc.RenameEntry(doc.m_WayList[2].get(), "B"); // now twice, the first holds it
    EXPECT_EQ(doc.FindByName("B"), b);
    auto taken = doc.TakeEntry(1);
    EXPECT_EQ(doc.FindByName("B"), doc.m_WayList[1].get()); // the second takes over
    doc.InsertEntry(1, std::move(taken));
    EXPECT_EQ(doc.FindByName("B"), b);
    EXPECT_EQ(doc.FindByName("C"), nullptr);
    doc.TakeEntry(2);
    doc.TakeEntry(1);
    EXPECT_EQ(doc.FindByName("B"), nullptr);
    EXPECT_EQ(doc.FindByName("A"), doc.m_WayList[0].get());
}

} // namespace

// What each operation tells the windows, alone and folded in a batch.
TEST(Document, OperationsTellWhatTheyChanged) {
    using P = std::vector<std::size_t>;
    struct Case {
        const char* what;
        std::function<void(CCairnbookDoc&)> act;
        EDocChange kind;
        P places;
    };
    const std::vector<Case> cases = {
        {"append", [](CCairnbookDoc& d) { d.AddEntry(Make("N")); }, EDocChange::inserted, {4}},
        {"insert",
         [](CCairnbookDoc& d) { d.InsertEntry(1, Make("N")); },
         EDocChange::inserted,
         {1}},
        {"take", [](CCairnbookDoc& d) { d.TakeEntry(2); }, EDocChange::removed, {2}},
        {"assign",
         [](CCairnbookDoc& d) { d.AssignEntry(3, *Make("Z")); },
         EDocChange::changed,
         {3}},
        {"rename",
         [](CCairnbookDoc& d) { d.RenameEntry(d.m_WayList[0].get(), "Q"); },
         EDocChange::changed,
         {0}},
        {"reference",
         [](CCairnbookDoc& d) { d.SetReference(d.m_WayList[1].get()); },
         EDocChange::reference,
         {}},
        {"rising inserts in a batch",
         [](CCairnbookDoc& d) {
             CCairnbookDoc::CChangeBatch batch(d);
             d.InsertEntry(0, Make("X"));
             {
                 CCairnbookDoc::CChangeBatch inner(d); // told with the outer one
                 d.InsertEntry(2, Make("Y"));
             }
             d.AddEntry(Make("Z"));
         },
         EDocChange::inserted,
         {0, 2, 6}},
        {"removals from the highest in a batch",
         [](CCairnbookDoc& d) {
             CCairnbookDoc::CChangeBatch batch(d);
             for (std::size_t i : {3, 1, 0})
                 d.TakeEntry(i);
         },
         EDocChange::removed,
         {0, 1, 3}},
        {"changes in a batch",
         [](CCairnbookDoc& d) {
             CCairnbookDoc::CChangeBatch batch(d);
             d.AssignEntry(2, *Make("C2"));
             d.AssignEntry(0, *Make("A2"));
         },
         EDocChange::changed,
         {0, 2}},
        {"a mix in a batch",
         [](CCairnbookDoc& d) {
             CCairnbookDoc::CChangeBatch batch(d);
             d.TakeEntry(0);
             d.AddEntry(Make("N"));
         },
         EDocChange::reset,
         {}},
        {"removals from the lowest in a batch",
         [](CCairnbookDoc& d) {
             CCairnbookDoc::CChangeBatch batch(d);
             d.TakeEntry(0);
             d.TakeEntry(0);
         },
         EDocChange::reset,
         {}},
    };
    for (const Case& c : cases) {
        CScriptedPrompt prompt;
        CCairnbookDoc doc(prompt);
        for (const char* n : {"A", "B", "C", "D"})
            doc.AddEntry(Make(n));
        std::vector<CDocChange> told;
        auto listening = doc.Subscribe([&](const CDocChange& change) { told.push_back(change); });
        c.act(doc);
        ASSERT_EQ(told.size(), 1u) << c.what;
        EXPECT_EQ(told[0].m_kind, c.kind) << c.what;
        EXPECT_EQ(told[0].m_places, c.places) << c.what;
        listening = {};
        doc.AddEntry(Make("AFTER"));
        EXPECT_EQ(told.size(), 1u) << c.what;
    }
}
