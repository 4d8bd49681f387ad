// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookdoc.h"
#include "cli.h"
#include "res/strings.h"
#include "test_helpers.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sstream>

namespace {

struct CRun {
    int code;
    std::string out;
    std::string err;
};

CRun Cli(std::vector<std::string> args) {
    std::ostringstream out, err;
    const int code = RunCli(args, out, err);
    return {code, out.str(), err.str()};
}

const std::string kSample = std::string(CAIRNBOOK_SAMPLES) + "/sample.ckb";

// The exit code of list FILE with options.
int ListExitCode(const std::string& file, const std::vector<std::string>& options) {
    std::vector<std::string> args = {"list", file};
    args.insert(args.end(), options.begin(), options.end());
    return Cli(args).code;
}

TEST(Cli, ListsEveryWaypointAsOneLine) {
    const CRun r = Cli({"list", kSample});
    ASSERT_EQ(r.code, 0) << r.err;
    std::istringstream lines(r.out);
    std::string first;
    std::getline(lines, first);
    EXPECT_EQ(first, "1\tHOME\tHome base\tN47\xC2\xB0 36.373'\tW122\xC2\xB0 "
                     "19.924'\t173\tHouse\t0\t1\t\t0.00\tNorth");
    EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 12);
    EXPECT_NE(r.out.find("Small container, bring a pen."), std::string::npos);
    EXPECT_NE(r.out.find("\\r\\n"), std::string::npos); // line breaks inside a cell escaped
}

TEST(Cli, ReferenceMetricAndNotation) {
    const CRun r = Cli({"list", kSample, "--reference", "HOME", "--metric", "--notation", "2"});
    ASSERT_EQ(r.code, 0) << r.err;
    EXPECT_NE(
        r.out.find("1\tHOME\tHome base\tN47.60621\tW122.33207\t53\tHouse\t0\t1\t\t0.00\tNorth\n"),
        std::string::npos);
    // A waypoint the file lacks is a data error, said in one line.
    const CRun missing = Cli({"list", kSample, "--reference", "NOPE"});
    EXPECT_EQ(missing.code, 1);
    EXPECT_NE(missing.err.find("sample.ckb: no waypoint named 'NOPE' in it\n"), std::string::npos)
        << missing.err;
    EXPECT_EQ(missing.err.find("usage:"), std::string::npos);
}

// Geodesic distances (to 10 m in the two decimals shown) and compass sectors.
TEST(Cli, ReferenceDistancesAtThreeLatitudes) {
    CTempDir dir;
    CScriptedPrompt prompt;
    CCairnbookDoc doc(prompt);
    const double points[][2] = {{0, 0}, {0, 1}, {31, -97}, {30.5, -96.2}, {60, 10}, {59.5, 11.5}};
    for (int i = 0; i < 6; ++i)
        doc.AddEntry(std::make_unique<CWayEntry>("P" + std::to_string(i), "", points[i][0],
                                                 points[i][1], 0, 0, 1));
    doc.SaveFile(dir.Path("three.ckb"));
    const char* expected[][3] = {{"P0", "\t111.32\tEast\n", "\t69.17\tEast\n"},
                                 {"P2", "\t94.55\tSouth East\n", "\t58.75\tSouth East\n"},
                                 {"P4", "\t101.06\tSouth East\n", "\t62.80\tSouth East\n"}};
    for (const auto& [ref, km, miles] : expected) {
        const CRun metric = Cli({"list", dir.Path("three.ckb"), "--reference", ref, "--metric"});
        EXPECT_NE(metric.out.find(km), std::string::npos) << ref << metric.out;
        const CRun imperial = Cli({"list", dir.Path("three.ckb"), "--reference", ref});
        EXPECT_NE(imperial.out.find(miles), std::string::npos) << ref << imperial.out;
    }
}

// --details: the listing's columns, the cache's state and the cache a
// waypoint belongs to.
TEST(Cli, DetailsOfTheListings) {
    CTempDir dir;
    std::string gpx = ReadBytes(std::string(CAIRNBOOK_SAMPLES) + "/caches.gpx");
    gpx.insert(gpx.find("  <trk>"), "  <wpt lat=\"47.6\" lon=\"-121.8\"><name>PK1M2QK</name>"
                                    "<sym>Parking Area</sym></wpt>\n");
    WriteBytes(dir.Path("pq.gpx"), gpx);
    const CRun r = Cli({"list", dir.Path("pq.gpx"), "--details"});
    ASSERT_EQ(r.code, 0) << r.err;
    std::map<std::string, std::string> details; // name: the seven columns
    std::istringstream lines(r.out);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> cells;
        for (std::size_t at = 0;; ++at) {
            const std::size_t tab = line.find('\t', at);
            cells.push_back(line.substr(at, tab - at));
            if (tab == std::string::npos)
                break;
            at = tab;
        }
        ASSERT_EQ(cells.size(), 19u) << line;
        std::string seven;
        for (std::size_t c = 12; c < 19; ++c)
            seven += cells[c] + (c < 18 ? "|" : "");
        details[cells[1]] = seven;
    }
    EXPECT_EQ(details["GC1M2QK"], "Traditional Cache|Small|2|1.5|available||");
    EXPECT_EQ(details["GC2B7XA"], "Multi-cache|Regular|3|2|available|2024-06-01|");
    EXPECT_EQ(details["GC4TTRE"].substr(0, details["GC4TTRE"].find("|disabled")),
              "Letterbox Hybrid|Small|2|3");
    EXPECT_NE(details["GC5VRTL"].find("|archived|"), std::string::npos);
    EXPECT_EQ(details["PK1M2QK"], "||||||GC1M2QK");
}

// Each criterion alone and combined selects the same waypoints in list and
// in what convert writes.
TEST(Cli, FiltersSelectRows) {
    const std::string listing = std::string(CAIRNBOOK_SAMPLES) + "/caches.gpx";
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{"--type", "traditional cache"}, "GC1M2QK GC9MLLE"},
        {{"--type", "Virtual Cache", "--type", "Webcam Cache"}, "GC5VRTL GC7WBCM"},
        {{"--container", "regular"}, "GC2B7XA GC9MLLE"},
        {{"--difficulty", "2-3", "--terrain", "1.5-3"}, "GC1M2QK GC2B7XA GC4TTRE"},
        {{"--status", "archived"}, "GC5VRTL"},
        {{"--status", "disabled"}, "GC4TTRE"},
        {{"--found", "yes"}, "GC2B7XA"},
        {{"--within", "5", "--reference", "GC1M2QK"}, "GC1M2QK GC9MLLE"},
        {{"--within", "6.5km", "--reference", "GC1M2QK", "--difficulty", "2"}, "GC1M2QK"},
        {{"--text", "BRIDGES"}, "GC2B7XA"},
        {{"--text", "rivets"}, "GC2B7XA"}, // in the listing's hint
    };
    CTempDir dir;
    for (const auto& [filter, names] : cases) {
        auto run = [&](std::vector<std::string> args) {
            args.insert(args.end(), filter.begin(), filter.end());
            return Cli(args);
        };
        const CRun listed = run({"list", listing});
        ASSERT_EQ(listed.code, 0) << listed.err;
        const CRun converted = run({"convert", listing, dir.Path("out.gpx")});
        ASSERT_EQ(converted.code, 0) << converted.err;
        for (const std::string& out : {listed.out, Cli({"list", dir.Path("out.gpx")}).out}) {
            std::string got;
            std::istringstream lines(out);
            for (std::string line; std::getline(lines, line);)
                got += (got.empty() ? "" : " ") + line.substr(line.find('\t') + 1, 7);
            EXPECT_EQ(got, names) << filter.front() << " " << filter.back();
        }
    }
    for (const auto& bad :
         std::vector<std::vector<std::string>>{{"--difficulty", "3-2"},
                                               {"--status", "gone"},
                                               {"--found", "maybe"},
                                               {"--within", "5"},
                                               {"--within", "far", "--reference", "GC1M2QK"}})
        EXPECT_EQ(ListExitCode(listing, bad), 2) << bad.front();
}

TEST(Cli, UsageErrors) {
    for (const auto& args :
         std::vector<std::vector<std::string>>{{},
                                               {"frobnicate"},
                                               {"list"},
                                               {"list", kSample, "--notation", "3"},
                                               {"list", kSample, "--bogus"},
                                               {"merge", kSample, "-o", "x.ckb"},
                                               {"convert", kSample},
                                               {"list", kSample, "--on-conflict", "maybe"},
                                               {"convert", kSample, "out.LOC"},
                                               {"merge", kSample, kSample, "-o", "x.loc"},
                                               {"convert", kSample, "out.ckb", "--details"},
                                               {"devices", kSample},
                                               {"send", kSample, "--visits"},
                                               {"receive", kSample},
                                               {"list", kSample, "--device", "x"},
                                               {"help", "nope"},
                                               {"help", "list", "send"},
                                               {"list", kSample, "--notation=3"},
                                               {"list", kSample, "--type"}}) {
        const CRun r = Cli(args);
        EXPECT_EQ(r.code, 2) << (args.empty() ? "" : args[0]);
        EXPECT_NE(r.err.find("usage:"), std::string::npos);
    }
    // Each command's help, asked either way.
    for (const auto& args : std::vector<std::vector<std::string>>{
             {"help", "send"}, {"send", "--help"}, {"send", kSample, "-h"}}) {
        const CRun help = Cli(args);
        EXPECT_EQ(help.code, 0);
        EXPECT_EQ(help.out.rfind("usage: cairnbook-cli send FILE...", 0), 0u) << help.out;
        EXPECT_NE(help.out.find("Exit codes: 0 success, 1 failure, 2 usage"), std::string::npos);
    }
    // Options take their value after "=" too, anywhere among the files.
    const CRun equals = Cli({"list", "--notation=2", kSample, "--metric"});
    EXPECT_EQ(equals.code, 0) << equals.err;
    EXPECT_NE(equals.out.find("\tN47.60621\tW122.33207\t53\t"), std::string::npos)
        << equals.out.substr(0, 200);
    EXPECT_EQ(Cli({"help"}).out, Cli({"--help"}).out);
    const CRun version = Cli({"--version"});
    EXPECT_EQ(version.code, 0);
    EXPECT_EQ(version.out.rfind("cairnbook-cli 2.0\nLicence GPL-3.0-or-later", 0), 0u)
        << version.out;
    EXPECT_NE(Cli({"--help"}).out.find("(written: .ckb .wpt .gpx; read only: .loc"),
              std::string::npos);
}

TEST(Cli, ConvertAsksBeforeWritingWpt) {
    CTempDir dir;
    const CRun declined = Cli({"convert", kSample, dir.Path("out.wpt")});
    EXPECT_EQ(declined.code, 3);
    EXPECT_NE(declined.err.find("Save Warning: Some data will be lost"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("out.wpt")));
    EXPECT_EQ(declined.err.find("GC1M2QK:"), std::string::npos); // told only when written
    const CRun yes = Cli({"convert", kSample, dir.Path("out.wpt"), "--yes"});
    EXPECT_EQ(yes.code, 0) << yes.err;
    // What the format loses, waypoint by waypoint.
    EXPECT_NE(yes.err.find("\nTRLHEAD: Additional Info\nFUEL1: Additional Info\nGC1M2QK: "
                           "geocache flag, Additional Info, icon Traditional Cache (becomes "
                           "Cross)\n"),
              std::string::npos)
        << yes.err;
    EXPECT_EQ(yes.err.find("HOME:"), std::string::npos);
    const CRun back = Cli({"convert", dir.Path("out.wpt"), dir.Path("back.ckb")});
    EXPECT_EQ(back.code, 0);
}

TEST(Cli, FileErrorsNameTheFileAndWriteNothing) {
    CTempDir dir;
    WriteBytes(dir.Path("cut.ckb"), ReadBytes(kSample).substr(0, 100));
    WriteBytes(dir.Path("target.ckb"), "keep");
    const CRun r = Cli({"convert", dir.Path("cut.ckb"), dir.Path("target.ckb")});
    EXPECT_EQ(r.code, 1);
    EXPECT_NE(r.err.find("cut.ckb: the file ends early"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir.Path("target.ckb")), "keep");
    EXPECT_EQ(Cli({"list", dir.Path("missing.ckb")}).code, 1);
}

TEST(Cli, MergeAnswersConflictsFromTheOption) {
    CTempDir dir;
    const std::string loc = std::string(CAIRNBOOK_SAMPLES) + "/sample.loc";
    // The LOC copies differ from the document (icon, comment): keep is the default.
    const CRun keep = Cli({"merge", kSample, loc, "-o", dir.Path("keep.ckb"), "--notation", "1"});
    ASSERT_EQ(keep.code, 0) << keep.err;
    EXPECT_NE(keep.err.find("Merge: Replace\n    GC1M2QK"), std::string::npos);
    EXPECT_EQ(keep.err.find("\\x0D"), std::string::npos); // the file's line breaks are real ones
    EXPECT_NE(keep.err.find("N47\xC2\xB0 31' 38"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir.Path("keep.ckb")), ReadBytes(kSample));
    const CRun replace =
        Cli({"merge", kSample, loc, "-o", dir.Path("rep.ckb"), "--on-conflict", "replace"});
    ASSERT_EQ(replace.code, 0);
    const CRun listed = Cli({"list", dir.Path("rep.ckb")});
    EXPECT_NE(listed.out.find("\tShooting\t1\t1\t"), std::string::npos);
}

// GPX in and out; what a read leaves out goes to standard error.
TEST(Cli, ConvertsGpxAndTellsWhatWasSkipped) {
    CTempDir dir;
    ASSERT_EQ(Cli({"convert", kSample, dir.Path("s.gpx")}).code, 0);
    ASSERT_EQ(Cli({"convert", dir.Path("s.gpx"), dir.Path("back.ckb")}).code, 0);
    EXPECT_EQ(ReadBytes(dir.Path("back.ckb")), ReadBytes(kSample));
    WriteBytes(dir.Path("t.gpx"), "<gpx xmlns=\"http://www.topografix.com/GPX/1/1\"><trk><trkseg>"
                                  "<trkpt lat=\"1\" lon=\"1\"/></trkseg></trk></gpx>");
    const CRun listed = Cli({"list", dir.Path("t.gpx")});
    EXPECT_EQ(listed.code, 0);
    EXPECT_NE(listed.err.find("t.gpx: 1 route or track point is kept"), std::string::npos)
        << listed.err;
    const CRun bad = Cli({"convert", kSample, dir.Path("x.kml")});
    EXPECT_EQ(bad.code, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.Path("x.kml")));
}

TEST(Cli, ExitCodesFromTheRealProgram) {
    const std::string cli = CAIRNBOOK_CLI;
    EXPECT_EQ(std::system((cli + " list " + kSample + " >/dev/null").c_str()), 0);
    EXPECT_EQ(WEXITSTATUS(std::system((cli + " list 2>/dev/null").c_str())), 2);
    EXPECT_EQ(WEXITSTATUS(std::system((cli + " list /nonexistent 2>/dev/null").c_str())), 1);
}

TEST(Cli, EscapesCellText) {
    EXPECT_EQ(EscapeCell("a\tb\\c\r\n\u00B0"), "a\\tb\\\\c\\r\\n\u00B0");
    EXPECT_EQ(EscapeCell("\x1B[31m\x07\x7F\u009D\u20AC\xFF"),
              "\\x1B[31m\\x07\\x7F\\xC2\\x9D\u20AC\\xFF");
}

// Files that are not ours, out-of-range altitudes, terminal controls and
// huge fields in the merge question.
TEST(Cli, HostileFilesAreToldSafely) {
    CTempDir dir;
    std::string random(1 << 16, '\0');
    for (std::size_t i = 0; i < random.size(); ++i)
        random[i] = static_cast<char>(i * 2654435761u >> 13);
    WriteBytes(dir.Path("random.ckb"), random);
    const CRun notOurs = Cli({"list", dir.Path("random.ckb")});
    EXPECT_EQ(notOurs.code, 1);
    EXPECT_NE(notOurs.err.find("not a Cairnbook file"), std::string::npos) << notOurs.err;
    // Two waypoints "A", the second one's altitude far beyond an int of feet.
    auto record = [](double altitude, const std::string& info) {
        return Str("A") + Str("") + U32(1) + "\x05\x01" + F64(altitude) + F64(2) + F64(3) + "\x01" +
               Str(info);
    };
    WriteBytes(dir.Path("huge.ckb"), Str(res::kNativeHeader) + U32(1) + U32(2) +
                                         record(0, "\x1B]2;pwned\x07") +
                                         record(1e300, std::string(250, 'x')));
    const CRun merged = Cli({"list", dir.Path("huge.ckb")});
    EXPECT_NE(merged.err.find("2147483647 ft"), std::string::npos) << merged.err;
    EXPECT_NE(merged.err.find("\\x1B]2;pwned\\x07"), std::string::npos);
    EXPECT_EQ(merged.err.find('\x1B'), std::string::npos);
    EXPECT_NE(merged.err.find("... (50 more characters)"), std::string::npos);
    EXPECT_EQ(merged.err.find(std::string(201, 'x')), std::string::npos);
}

// Where input may come from: a file, a pipe to the end ("-" or /dev/stdin);
// never a device, which could go on for ever.
TEST(Cli, InputSources) {
    CTempDir dir;
    const std::string cli = CAIRNBOOK_CLI;
    std::filesystem::create_symlink("/dev/zero", dir.Path("zero.loc"));
    const std::string listed = dir.Path("listed.txt");
    const struct {
        std::string command;
        int code;
        std::string err; // part of standard error
    } cases[] = {
        {"cat " + kSample + " | " + cli + " list - >" + listed, 0, ""},
        {"cat " + kSample + " | " + cli + " list /dev/stdin >" + listed, 0, ""},
        {cli + " convert - " + dir.Path("piped.ckb") + " <" + kSample, 0, ""},
        {"timeout 20 " + cli + " list " + dir.Path("zero.loc"), 1, "it is a device, not a file"},
        {"true | " + cli + " list -", 1, "standard input: "},
    };
    const std::string direct = Cli({"list", kSample}).out;
    for (const auto& c : cases) {
        std::filesystem::remove(listed);
        const std::string err = dir.Path("err.txt");
        const int status = std::system((c.command + " 2>" + err).c_str());
        EXPECT_EQ(WEXITSTATUS(status), c.code) << c.command << ": " << ReadBytes(err);
        EXPECT_NE(ReadBytes(err).find(c.err), std::string::npos) << ReadBytes(err);
        if (c.code == 0 && std::filesystem::exists(listed)) {
            EXPECT_EQ(ReadBytes(listed), direct) << c.command;
        }
    }
    EXPECT_EQ(ReadBytes(dir.Path("piped.ckb")), ReadBytes(kSample));
}

// A file's name reaches the terminal with its controls escaped.
TEST(Cli, FileNamesAreEscaped) {
    CTempDir dir;
    const std::string evil = dir.Path("evil\x1B]0;PWNED\x07\x1B[2J\xC2\x9B.gpx");
    const CRun r = Cli({"list", evil});
    EXPECT_EQ(r.code, 1);
    EXPECT_EQ(r.err.find('\x1B'), std::string::npos) << r.err;
    EXPECT_EQ(r.err.find('\x07'), std::string::npos);
    EXPECT_NE(r.err.find("evil\\x1B]0;PWNED\\x07\\x1B[2J\\xC2\\x9B.gpx"), std::string::npos)
        << r.err;
}

} // namespace

// A receiver in a folder of CAIRNBOOK_DEVICE_ROOTS: listed, sent to with a
// filter, read back, and its visits marking a document's caches found.
TEST(Cli, DevicesSendAndReceive) {
    CTempDir dir;
    const std::string root = dir.Path("etrex");
    std::filesystem::create_directories(root + "/Garmin");
    WriteBytes(root + "/Garmin/GarminDevice.xml",
               "<Device><Model><Description>eTrex 22x</Description></Model></Device>");
    ASSERT_EQ(setenv("CAIRNBOOK_DEVICE_ROOTS", (root + ":" + dir.Path("none")).c_str(), 1), 0);
    const CRun devices = Cli({"devices"});
    EXPECT_EQ(devices.code, 0);
    EXPECT_EQ(devices.out.rfind("eTrex 22x (internal memory)\t" + root + "/Garmin/GPX\t", 0), 0u)
        << devices.out;
    const std::string caches = std::string(CAIRNBOOK_SAMPLES) + "/caches.gpx";
    for (const char* expected : {"caches.gpx", "caches-2.gpx"}) {
        const CRun sent = Cli({"send", caches, "--type", "Multi-cache"});
        EXPECT_EQ(sent.code, 0) << sent.err;
        EXPECT_NE(sent.out.find(std::string("(1 cache) to eTrex 22x as ") + expected),
                  std::string::npos)
            << sent.out;
    }
    EXPECT_EQ(Cli({"send", caches, "--on-conflict", "replace"}).code, 0);
    const CRun received = Cli({"receive", root, "-o", dir.Path("got.gpx")});
    EXPECT_EQ(received.code, 0) << received.err;
    CScriptedPrompt prompt;
    CCairnbookDoc got(prompt);
    got.LoadFile(dir.Path("got.gpx"));
    EXPECT_EQ(got.Entries().size(), 9u); // caches.gpx replaced; caches-2.gpx holds one of them
    WriteBytes(
        root + "/Garmin/geocache_visits.txt",
        "GC1M2QK,2024-06-01T10:00Z,Found it,\"nice\"\nGCNONE,2024-06-01T11:00Z,Found it,\"\"\n");
    const CRun visits = Cli({"receive", root, "-o", dir.Path("got.gpx"), "--visits"});
    EXPECT_EQ(visits.code, 0) << visits.err;
    EXPECT_NE(visits.out.find("Marked 1 caches found"), std::string::npos) << visits.out;
    EXPECT_NE(visits.out.find("Not in got.gpx: GCNONE"), std::string::npos);
    EXPECT_NE(Cli({"list", dir.Path("got.gpx"), "--details", "--found", "yes"}).out.find("GC1M2QK"),
              std::string::npos);
    unsetenv("CAIRNBOOK_DEVICE_ROOTS");
    EXPECT_EQ(Cli({"send", caches, "--device", dir.Path("plain")}).code, 0);
    EXPECT_TRUE(std::filesystem::exists(dir.Path("plain/caches.gpx")));
}
