// SPDX-License-Identifier: GPL-3.0-or-later
// Receivers made in a temporary folder: found and named from their device
// descriptions, sent files that receivers and other readers take as they
// were, a write that loses its folder, and the visits a receiver logged.
#include "archiveexception.h"
#include "cachelisting.h"
#include "cairnbookdoc.h"
#include "cli.h"
#include "garmindevice.h"
#include "receivers.h"
#include "sendfile.h"
#include "test_helpers.h"
#include "visits.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

namespace fs = std::filesystem;

namespace {

const std::string kFiles = CAIRNBOOK_GPX_FILES;

std::string Description(const std::string& model, const std::string& dataTypes) {
    return "<?xml version=\"1.0\"?>\n<Device "
           "xmlns=\"http://www.garmin.com/xmlschemas/GarminDevice/v2\"><Model><Description>" +
           model + "</Description></Model><Id>3987654321</Id><MassStorageMode>" + dataTypes +
           "</MassStorageMode></Device>";
}

std::string DataType(const std::string& name, const std::string& path, const std::string& direction,
                     const std::string& base = "") {
    return "<DataType><Name>" + name + "</Name><File><Location><Path>" + path + "</Path>" +
           (base.empty() ? "" : "<BaseName>" + base + "</BaseName>") +
           "<FileExtension>GPX</FileExtension></Location><TransferDirection>" + direction +
           "</TransferDirection></File></DataType>";
}

// A drive at dir/name with a Garmin folder, and the description when given.
std::string Drive(const CTempDir& dir, const std::string& name, const std::string& garmin,
                  const std::string* description) {
    const std::string root = dir.Path(name);
    fs::create_directories(fs::path(root) / garmin);
    if (description)
        WriteBytes((fs::path(root) / garmin / "GarminDevice.xml").string(), *description);
    return root;
}

// gpsbabel's columns of each waypoint, by name.
std::map<std::string, std::map<std::string, std::string>> Rows(const CTempDir& dir,
                                                               const std::string& gpx) {
    const std::string csv = dir.Path("rows.csv");
    EXPECT_EQ(std::system(("gpsbabel -i gpx -f '" + gpx + "' -o unicsv -F '" + csv + "'").c_str()),
              0);
    std::istringstream in(ReadBytes(csv));
    auto split = [](const std::string& line) {
        std::vector<std::string> cells(1);
        bool quoted = false;
        for (char c : line)
            if (c == '"')
                quoted = !quoted;
            else if (c == '\r')
                continue;
            else if (c == ',' && !quoted)
                cells.emplace_back();
            else
                cells.back() += c;
        return cells;
    };
    std::string line;
    std::getline(in, line);
    const std::vector<std::string> header = split(line);
    std::map<std::string, std::map<std::string, std::string>> rows;
    while (std::getline(in, line)) {
        const std::vector<std::string> cells = split(line);
        std::map<std::string, std::string> row;
        for (std::size_t i = 0; i < header.size() && i < cells.size(); ++i)
            if (header[i] != "No")
                row[header[i]] = cells[i];
        rows[row["Name"]] = row;
    }
    return rows;
}

struct CDesk {
    CScriptedPrompt prompt;
    CCairnbookDoc doc{prompt};
    std::size_t Place(const std::string& name) const {
        return static_cast<std::size_t>(doc.IndexOf(doc.FindByName(name)));
    }
};

} // namespace

TEST(Device, ReceiversAreFoundAndNamedFromTheirDescriptions) {
    CTempDir dir;
    const std::string etrex = Description(
        "eTrex 32x", DataType("GPSData", "Garmin/GPX", "InputOutput") +
                         DataType("GeocacheLogs", "Garmin", "OutputFromUnit", "geocache_visits"));
    // The first GPX folder a receiver reads from wins; one it only writes is not it.
    const std::string oregon =
        Description("Oregon 750", DataType("GPSData", "Garmin/Out", "OutputFromUnit") +
                                      DataType("GPSData", "Garmin/UserData/GPX", "InputToUnit"));
    const std::string broken = "<Device><Model><Description>eTrex";
    const std::string entities = "<!DOCTYPE Device [<!ENTITY a \"eTrex\">]><Device><Model>"
                                 "<Description>&a;</Description></Model></Device>";
    const std::string foreign = "<html><body>eTrex</body></html>";
    const std::vector<std::string> roots = {Drive(dir, "etrex", "GARMIN", &etrex),
                                            Drive(dir, "card", "garmin", nullptr),
                                            Drive(dir, "oregon", "Garmin", &oregon),
                                            Drive(dir, "broken", "Garmin", &broken),
                                            Drive(dir, "entities", "Garmin", &entities),
                                            Drive(dir, "foreign", "Garmin", &foreign),
                                            dir.Path("nothing")};
    fs::create_directories(dir.Path("nothing"));
    const std::vector<CReceiver> found = FindReceivers(roots);
    const struct {
        const char* name;
        std::string gpx, visits;
    } expected[] = {
        {"eTrex 32x (internal memory)", roots[0] + "/GARMIN/GPX",
         roots[0] + "/GARMIN/geocache_visits.GPX"},
        {"Memory card", roots[1] + "/garmin/GPX", roots[1] + "/garmin/geocache_visits.txt"},
        {"Oregon 750 (internal memory)", roots[2] + "/Garmin/UserData/GPX", ""},
        {"USB drive", roots[3] + "/Garmin/GPX", ""},
        {"USB drive", roots[4] + "/Garmin/GPX", ""},
        {"USB drive", roots[5] + "/Garmin/GPX", ""},
    };
    ASSERT_EQ(found.size(), std::size(expected));
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].m_strName, expected[i].name);
        EXPECT_EQ(found[i].m_strGpxFolder, expected[i].gpx) << expected[i].name;
        if (!expected[i].visits.empty()) {
            EXPECT_EQ(found[i].m_strVisitsFile, expected[i].visits);
        }
    }
    // With one receiver, its card is named after it.
    const std::vector<CReceiver> two = FindReceivers({roots[0], roots[1]});
    ASSERT_EQ(two.size(), 2u);
    EXPECT_EQ(two[1].m_strName, "eTrex 32x (card)");
    // A folder of any name is a target of its own; the same drive twice is one.
    EXPECT_EQ(ReceiverAt(dir.Path("nothing")).m_strGpxFolder, dir.Path("nothing"));
    EXPECT_EQ(FindReceivers({roots[0], roots[0] + "/."}).size(), 1u);
}

TEST(Device, MountPointsAreReadAsTheKernelWritesThem) {
    const std::string mountinfo =
        "22 1 0:21 / /proc rw,nosuid - proc proc rw\n"
        "40 1 8:17 / /media/u/GARMIN\\040DRIVE rw,relatime shared:1 - vfat /dev/sdb1 rw\n"
        "41 1 0:50 / /mnt/share rw - nfs4 server:/x rw\n"
        "42 1 0:51 / /tmp/receiver rw - tmpfs none rw\n";
    EXPECT_EQ(MountPoints(mountinfo),
              (std::vector<std::string>{"/media/u/GARMIN DRIVE", "/tmp/receiver"}));
}

TEST(Device, ASendCarriesCachesTheirWaypointsAndListingsAsReceiversReadThem) {
    CTempDir dir;
    CDesk desk;
    desk.doc.LoadFile(kFiles + "/pocketquery10.gpx");
    desk.doc.MergeFile(kFiles + "/gsak11.gpx");
    // A cache that came without a listing (from a LOC file, say).
    auto loc = std::make_unique<CWayEntry>("GC1A2B3", "Bridge cache", 47.5, -122.3, 0, 1, 1);
    loc->m_nIcon = 43;
    loc->m_strAdditionalInfo = "Bridge cache by Troll";
    desk.doc.AddEntry(std::move(loc));
    const std::vector<std::size_t> places = WithChildren(
        desk.doc, {desk.Place("GC2ABCD"), desk.Place("GC7XYZ1"), desk.Place("GC1A2B3")});
    ASSERT_EQ(places.size(), 5u); // the parking and the stage go with their caches
    const std::string sent = dir.Path("GPX/caches.gpx");
    const CSentCount count = SendFile(desk.doc, places, sent);
    EXPECT_EQ(SentMessage(count, "eTrex 32x"), "Sent 5 waypoints (3 caches) to eTrex 32x");
    const std::string schema = std::string(CAIRNBOOK_TEST_SCHEMAS) + "/receiver.xsd";
    EXPECT_EQ(std::system(("xmllint --noout --schema " + schema + " '" + sent + "'").c_str()), 0);
    const std::string text = ReadBytes(sent);
    for (const char* part :
         {"<sym>Geocache Found</sym>", "<type>Geocache|Multi-cache</type>",
          "<sym>Parking Area</sym>", "<groundspeak:cache id=\"12345\"", ":cache id=\"812577\""})
        EXPECT_NE(text.find(part), std::string::npos) << part;
    // Another reader sees in the sent file what it saw in the file read, and
    // the listings that a GPX 1.1 file hid from it in its extensions.
    auto sentRows = Rows(dir, sent);
    auto rows = Rows(dir, kFiles + "/pocketquery10.gpx");
    for (const std::string name : {"GC2ABCD", "PK2ABCD"})
        for (const auto& [column, value] : rows[name])
            EXPECT_EQ(sentRows[name][column], value) << name << " " << column;
    for (const auto& [column, value] : {std::pair<const char*, const char*>{"GCID", "77"},
                                        {"Container", "Micro"},
                                        {"Hint", "Magnet"},
                                        {"Archived", "True"},
                                        {"URL", "https://coord.info/GC7XYZ1"}})
        EXPECT_EQ(sentRows["GC7XYZ1"][column], value) << column;
    EXPECT_EQ(sentRows["S17XYZ1"]["Symbol"], "Stages of a Multicache");
    EXPECT_EQ(sentRows["GC1A2B3"]["Type"], "Multi-cache");
    // We read it back with the same waypoints.
    CDesk back;
    back.doc.LoadFile(sent);
    ASSERT_EQ(back.doc.Entries().size(), 5u);
    EXPECT_EQ(ListingOf(*back.doc.FindByName("GC2ABCD")).m_strHint, "Pod kamieniem");
}

TEST(Device, NamesThatExistAreKeptAndAWriteThatLosesItsFolderLeavesNothing) {
    CTempDir dir;
    WriteBytes(dir.Path("caches.gpx"), "old");
    WriteBytes(dir.Path("caches-2.gpx"), "old");
    EXPECT_EQ(KeepBothName(dir.Path(""), "caches.gpx"), "caches-3.gpx");
    EXPECT_EQ(SentFileName("/home/u/Pocket Query.ckb"), "Pocket Query.gpx");
    EXPECT_EQ(SentFileName(""), "Waypoints.gpx");
    CDesk desk;
    desk.doc.LoadFile(kFiles + "/pocketquery10.gpx");
    SendFile(desk.doc, {0}, dir.Path("caches.gpx")); // replaces
    EXPECT_NE(ReadBytes(dir.Path("caches.gpx")).find("GC2ABCD"), std::string::npos);
    // The receiver goes while the file is written.
    const std::string folder = dir.Path("receiver/Garmin/GPX");
    fs::create_directories(folder);
    EXPECT_THROW(SendFile(desk.doc, {0, 1}, folder + "/caches.gpx",
                          [&](std::uint64_t) { fs::remove_all(dir.Path("receiver")); }),
                 CArchiveException);
    EXPECT_FALSE(fs::exists(folder + "/caches.gpx"));
}

TEST(Device, VisitsMarkTheDocumentsCachesFoundWithTheirDates) {
    // UTF-16 with a byte-order mark, as receivers write it.
    const std::u16string lines =
        u"GC2ABCD,2024-06-01T10:00Z,Didn't find it,\"gone?\"\r\n"
        u"GC7XYZ1,2024-06-02T11:30Z,Found it,\"TFTC, \"\"great\"\" spot \u00e9\U0001F600\"\r\n"
        u"GC1A2B3,2024-06-03T09:00Z,Found it,\"\"\r\n"
        u"GCNOPE,2024-06-04T09:00Z,Found it,\"not here\"\r\n"
        u"garbage line\r\n";
    std::string bytes = "\xFF\xFE";
    for (char16_t c : lines)
        bytes += {static_cast<char>(c & 0xFF), static_cast<char>(c >> 8)};
    const std::vector<CVisit> visits = ReadVisits(bytes);
    ASSERT_EQ(visits.size(), 4u);
    EXPECT_EQ(visits[1].m_strText, "TFTC, \"great\" spot \u00e9\U0001F600");
    CDesk desk;
    desk.doc.LoadFile(kFiles + "/pocketquery10.gpx"); // GC2ABCD is found already
    desk.doc.MergeFile(kFiles + "/gsak11.gpx");
    desk.doc.AddEntry(std::make_unique<CWayEntry>("GC1A2B3", "Bridge", 47.5, -122.3, 0, 1, 1));
    const CVisitMarks marks = MarkVisits(desk.doc, visits);
    ASSERT_EQ(marks.m_found.size(), 2u);
    ASSERT_EQ(marks.m_missing.size(), 1u);
    EXPECT_EQ(marks.m_missing[0].m_strCode, "GCNOPE");
    for (const auto& [place, entry] : marks.m_found)
        desk.doc.AssignEntry(place, entry);
    const CCacheListing gsak = ListingOf(*desk.doc.FindByName("GC7XYZ1"));
    EXPECT_TRUE(gsak.m_state.m_bFound);
    EXPECT_EQ(gsak.FoundDate(), "2024-06-02");
    ASSERT_FALSE(gsak.m_logs.empty());
    EXPECT_EQ(gsak.m_logs[0].m_strText, visits[1].m_strText);
    EXPECT_TRUE(ListingOf(*desk.doc.FindByName("GC1A2B3")).m_state.m_bFound);
    // Saved and read again, they stay found.
    CTempDir dir;
    desk.doc.SaveFile(dir.Path("found.gpx"));
    CDesk back;
    back.doc.LoadFile(dir.Path("found.gpx"));
    EXPECT_EQ(ListingOf(*back.doc.FindByName("GC7XYZ1")).FoundDate(), "2024-06-02");
    EXPECT_TRUE(ListingOf(*back.doc.FindByName("GC1A2B3")).m_state.m_bFound);
    EXPECT_TRUE(MarkVisits(back.doc, visits).m_found.empty());
}

TEST(Device, CacheIdsFollowTheirCodes) {
    const std::pair<const char*, std::optional<std::uint64_t>> cases[] = {
        {"GC1", 1},           {"GCFFFF", 65535},       {"GCG000", 65536},     {"GC1A2B3", 812577},
        {"GC2ABCD", 1744788}, {"OC123", std::nullopt}, {"GCIO", std::nullopt}};
    for (const auto& [code, id] : cases)
        EXPECT_EQ(CacheIdOfCode(code), id) << code;
}
