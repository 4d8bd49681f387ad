// SPDX-License-Identifier: GPL-3.0-or-later
// Opening big files, name look-up, LOC and GPX import, with gpsbabel timed
// beside each import on the same file.
#include "cairnbookdoc.h"
#include "distances.h"
#include "gpxkeep.h"
#include "prompt.h"
#include "waypointfilter.h"

#include <benchmark/benchmark.h>
#include <zip.h>

#include <chrono>
#include <random>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kWaypoints = 1'000'000;
constexpr int kGeocaches = 200'000;

class CQuietPrompt : public CPrompt {
public:
    EPromptAnswer Ask(const std::string&, const std::string&, EPromptButtons b,
                      EPromptIcon) override {
        return b == EPromptButtons::okCancel ? EPromptAnswer::ok : EPromptAnswer::no;
    }
};

std::string BenchPath(const char* name) {
    return (std::filesystem::temp_directory_path() / name).string();
}

std::string Name(int i) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "W%07d", i);
    return buf;
}

// Writes the big native and WPT files once per run.
const std::string& BigFile(bool wpt) {
    static const std::string native = BenchPath("cairnbook-bench-1m.ckb");
    static const std::string wptPath = BenchPath("cairnbook-bench-1m.wpt");
    static bool made = false;
    if (!made) {
        CQuietPrompt prompt;
        CCairnbookDoc doc(prompt);
        for (int i = 0; i < kWaypoints; ++i) {
            auto e = std::make_unique<CWayEntry>(Name(i), "Bench waypoint", 40 + i * 1e-5,
                                                 -120 - i * 1e-5, i % 3000, 0, 1);
            e->m_nIcon = static_cast<std::uint8_t>(i % 50);
            doc.m_WayList.push_back(std::move(e)); // names are unique: skip the look-up
        }
        doc.SaveFile(native);
        doc.SaveFile(wptPath);
        made = true;
    }
    return wpt ? wptPath : native;
}

std::size_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    std::size_t size = 0, resident = 0;
    statm >> size >> resident;
    return resident * static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
}

// Growth of the resident set when a new process opens path: every byte the
// document holds (entries, strings, list, name index), whatever allocator.
double MeasureBytesPerWaypoint(const std::string& path) {
    CQuietPrompt prompt;
    const std::size_t before = ResidentBytes();
    CCairnbookDoc doc(prompt);
    doc.LoadFile(path);
    return double(ResidentBytes() - before) / double(doc.m_WayList.size());
}

std::string g_strSelf;

double FreshProcessBytesPerWaypoint(const std::string& path) {
    const std::string cmd = g_strSelf + " --memory-of " + path;
    std::FILE* p = popen(cmd.c_str(), "r");
    if (!p)
        return -1;
    double value = -1;
    if (std::fscanf(p, "%lf", &value) != 1)
        value = -1;
    pclose(p);
    return value;
}

void Open(benchmark::State& state, bool wpt) {
    const std::string& path = BigFile(wpt);
    CQuietPrompt prompt;
    for (auto _ : state) {
        CCairnbookDoc doc(prompt);
        doc.LoadFile(path);
        benchmark::DoNotOptimize(doc.m_WayList.size());
        state.PauseTiming(); // the destruction is not part of opening
        {
            CCairnbookDoc gone(prompt);
            std::swap(gone.m_WayList, doc.m_WayList);
        }
        state.ResumeTiming();
    }
    state.counters["bytes_per_waypoint"] = FreshProcessBytesPerWaypoint(path);
}

void BM_OpenNative1M(benchmark::State& state) {
    Open(state, false);
}
void BM_OpenWpt1M(benchmark::State& state) {
    Open(state, true);
}
BENCHMARK(BM_OpenNative1M)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_OpenWpt1M)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_FindByName(benchmark::State& state) {
    CQuietPrompt prompt;
    CCairnbookDoc doc(prompt);
    const int n = static_cast<int>(state.range(0));
    for (int i = 0; i < n; ++i)
        doc.AddEntry(std::make_unique<CWayEntry>(Name(i), "", 0, 0, 0, 0, 1));
    int i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(doc.FindByName(Name(i)));
        i = (i + 7919) % n;
    }
}
BENCHMARK(BM_FindByName)->Arg(1000)->Arg(100'000)->Arg(1'000'000);

const std::string& LocFile() {
    static const std::string path = BenchPath("cairnbook-bench-200k.loc");
    static bool made = false;
    if (!made) {
        std::ofstream out(path, std::ios::binary);
        out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<loc version=\"1.0\" "
               "src=\"Groundspeak\">\r\n";
        for (int i = 0; i < kGeocaches; ++i) {
            char buf[512];
            std::snprintf(
                buf, sizeof buf,
                "<waypoint>\r\n\t<name id=\"GC%05X\"><![CDATA[Cache number %d in the big "
                "benchmark file by Someone Patient]]></name>\r\n\t<coord lat=\"%.6f\" "
                "lon=\"%.6f\"/>\r\n\t<type>Geocache</type>\r\n\t<link text=\"Cache "
                "Details\">https://example.org/seek/cache_details.aspx?wp=GC%05X</link>\r\n"
                "</waypoint>\r\n",
                i, i, 30 + i * 1e-4, -100 - i * 1e-4, i);
            out << buf;
        }
        out << "</loc>\r\n";
        made = true;
    }
    return path;
}

void BM_LocImport200k(benchmark::State& state) {
    const std::string& path = LocFile();
    CQuietPrompt prompt;
    for (auto _ : state) {
        CCairnbookDoc doc(prompt);
        doc.LoadFile(path);
        benchmark::DoNotOptimize(doc.m_WayList.size());
    }
    state.counters["MB"] = double(std::filesystem::file_size(path)) / 1e6;
}
BENCHMARK(BM_LocImport200k)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same file through gpsbabel's reader, for comparison in the same run.
void BM_GpsbabelLoc200k(benchmark::State& state) {
    if (std::system("command -v gpsbabel >/dev/null 2>&1") != 0) {
        state.SkipWithError("gpsbabel is not installed");
        return;
    }
    const std::string cmd = "gpsbabel -i geo -f " + LocFile() + " -o unicsv -F /dev/null";
    for (auto _ : state)
        benchmark::DoNotOptimize(std::system(cmd.c_str()));
}
BENCHMARK(BM_GpsbabelLoc200k)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// 200,000 geocaches as pocket queries send them: GPX 1.0 with Groundspeak
// listings (short and long descriptions, hint, attributes, three logs),
// about 460 MB.
const std::string& GpxFile() {
    static const std::string path = BenchPath("cairnbook-bench-200k-listings.gpx");
    if (std::filesystem::exists(path))
        return path;
    std::ofstream out(path, std::ios::binary);
    out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<gpx version=\"1.0\" creator=\"bench\" "
           "xmlns=\"http://www.topografix.com/GPX/1/0\" "
           "xmlns:groundspeak=\"http://www.groundspeak.com/cache/1/0/1\">\n";
    const std::string longText(900, 'x'), logText(300, 'y');
    for (int i = 0; i < kGeocaches; ++i) {
        char wpt[1024];
        std::snprintf(wpt, sizeof wpt,
                      "  <wpt lat=\"%.6f\" lon=\"%.6f\">\n    <time>2011-05-04T00:00:00</time>\n"
                      "    <name>GC%06X</name>\n    <desc>Cache %d by Owner%d, Traditional Cache "
                      "(1.5/2)</desc>\n    <url>http://www.example.com/seek/cache_details.aspx?"
                      "guid=%08x</url>\n    <urlname>Cache %d</urlname>\n    <sym>Geocache</sym>\n"
                      "    <type>Geocache|Traditional Cache</type>\n    <groundspeak:cache "
                      "id=\"%d\" available=\"True\" archived=\"False\">\n"
                      "      <groundspeak:name>Cache %d</groundspeak:name>\n"
                      "      <groundspeak:placed_by>Owner%d</groundspeak:placed_by>\n"
                      "      <groundspeak:owner id=\"%d\">Owner%d</groundspeak:owner>\n"
                      "      <groundspeak:type>Traditional Cache</groundspeak:type>\n"
                      "      <groundspeak:container>Small</groundspeak:container>\n"
                      "      <groundspeak:attributes><groundspeak:attribute id=\"13\" inc=\"1\">"
                      "Available at all times</groundspeak:attribute></groundspeak:attributes>\n"
                      "      <groundspeak:difficulty>1.5</groundspeak:difficulty>\n"
                      "      <groundspeak:terrain>2</groundspeak:terrain>\n",
                      40 + i * 1e-4, -120 - i * 1e-4, i, i, i % 977, unsigned(i) * 2654435761u, i,
                      i, i, i % 977, i % 977, i % 977);
        out << wpt
            << "      <groundspeak:short_description html=\"False\">A short walk."
               "</groundspeak:short_description>\n      <groundspeak:long_description "
               "html=\"True\">&lt;p&gt;"
            << longText
            << "&lt;/p&gt;</groundspeak:long_description>\n      <groundspeak:encoded_hints>"
               "Under the stump</groundspeak:encoded_hints>\n      <groundspeak:logs>\n";
        for (int k = 0; k < 3; ++k)
            out << "        <groundspeak:log id=\"" << i * 3 + k
                << "\">\n          <groundspeak:date>2020-01-0" << k + 1
                << "T00:00:00Z</groundspeak:date>\n          <groundspeak:type>Found it"
                   "</groundspeak:type>\n          <groundspeak:finder id=\""
                << k << "\">Finder" << k
                << "</groundspeak:finder>\n          <groundspeak:text encoded=\"False\">"
                << logText << "</groundspeak:text>\n        </groundspeak:log>\n";
        out << "      </groundspeak:logs>\n    </groundspeak:cache>\n  </wpt>\n";
    }
    out << "</gpx>\n";
    return path;
}

// A pocket query as it arrives: caches with listings and logs in words (so
// the file packs about as real ones do), and the zip that carries it, about
// 100 MB. Returns the GPX file's path; the zip is beside it.
constexpr int kPocketQueryCaches = 290'000;

const std::string& WordyGpxFile() {
    static const std::string path = BenchPath("cairnbook-bench-pq.gpx");
    static const std::string zip = path + ".zip";
    if (std::filesystem::exists(zip))
        return path;
    static const char* const words[] = {
        "the",   "cache",  "is",    "under", "a",      "stump", "near", "old",     "bridge",
        "trail", "muggle", "found", "quick", "thanks", "for",   "nice", "walk",    "log",
        "full",  "needs",  "maint", "rain",  "forest", "view",  "hill", "parking", "TFTC",
        "north", "south",  "creek", "rock",  "tree",   "fence", "sign", "gate",    "path"};
    std::mt19937 rng(1);
    std::uniform_int_distribution<std::size_t> pick(0, std::size(words) - 1);
    auto text = [&](int n) {
        std::string t;
        for (int k = 0; k < n; ++k)
            (t += words[pick(rng)]) += ' ';
        return t;
    };
    {
        std::ofstream out(path, std::ios::binary);
        out << "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<gpx version=\"1.0\" "
               "creator=\"bench\" xmlns=\"http://www.topografix.com/GPX/1/0\" "
               "xmlns:groundspeak=\"http://www.groundspeak.com/cache/1/0/1\">\n";
        for (int i = 0; i < kPocketQueryCaches; ++i) {
            char wpt[512];
            std::snprintf(wpt, sizeof wpt,
                          "<wpt lat=\"%.6f\" lon=\"%.6f\"><name>GC%06X</name><sym>Geocache</sym>"
                          "<type>Geocache|Traditional Cache</type><groundspeak:cache id=\"%d\" "
                          "available=\"True\" archived=\"False\"><groundspeak:name>Cache %d"
                          "</groundspeak:name><groundspeak:difficulty>%d</groundspeak:difficulty>",
                          40 + pick(rng) * 1e-3 + i * 1e-6, -120 - i * 1e-5, i, i, i, 1 + i % 5);
            out << wpt << "<groundspeak:long_description html=\"True\">" << text(150)
                << "</groundspeak:long_description><groundspeak:logs>";
            for (int k = 0; k < 3; ++k)
                out << "<groundspeak:log id=\"" << i * 3 + k << "\"><groundspeak:text>" << text(40)
                    << "</groundspeak:text></groundspeak:log>";
            out << "</groundspeak:logs></groundspeak:cache></wpt>\n";
        }
        out << "</gpx>\n";
    }
    int error = 0;
    zip_t* z = zip_open(zip.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    zip_file_add(z, "12345.gpx", zip_source_file(z, path.c_str(), 0, -1), ZIP_FL_OVERWRITE);
    zip_close(z);
    return path;
}

// Opening the pocket query's zip, and its GPX file unpacked: the zip may
// take at most 1.5 times as long (zip_over_gpx).
void BM_OpenPocketQueryZip(benchmark::State& state) {
    const std::string gpx = WordyGpxFile(), zip = gpx + ".zip";
    CQuietPrompt prompt;
    double gpxSeconds = 0, zipSeconds = 0;
    for (auto _ : state) {
        for (const std::string& path : {gpx, zip}) {
            const auto start = std::chrono::steady_clock::now();
            CCairnbookDoc doc(prompt);
            doc.LoadFile(path);
            const double s =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            (path == zip ? zipSeconds : gpxSeconds) += s;
            if (doc.m_WayList.size() != std::size_t(kPocketQueryCaches))
                state.SkipWithError("not every cache was read");
        }
    }
    state.counters["zip_MB"] = double(std::filesystem::file_size(zip)) / 1e6;
    state.counters["gpx_MB"] = double(std::filesystem::file_size(gpx)) / 1e6;
    state.counters["zip_over_gpx"] = zipSeconds / gpxSeconds;
}
BENCHMARK(BM_OpenPocketQueryZip)->Unit(benchmark::kMillisecond)->Iterations(2);

// A window's filter over 1,000,000 caches with their listings: by type,
// difficulty and distance from the reference point (measured beforehand,
// as a window holds its distances).
void BM_Filter1M(benchmark::State& state) {
    CQuietPrompt prompt;
    CCairnbookDoc doc(prompt);
    static const char* const types[] = {"Traditional Cache", "Multi-cache", "Unknown Cache",
                                        "Virtual Cache"};
    for (int i = 0; i < 1'000'000; ++i) {
        auto e = std::make_unique<CWayEntry>(Name(i), "A cache", 47 + (i % 1000) * 1e-3,
                                             -122 + (i / 1000) * 1e-3, 0, 1, 1);
        std::string kept;
        gpxkeep::Begin(kept, 10);
        gpxkeep::AddRecord(
            kept, gpxkeep::kForeign, "",
            std::string("<groundspeak:cache id=\"1\" available=\"True\" archived=\"False\">"
                        "<groundspeak:name>A cache</groundspeak:name><groundspeak:type>") +
                types[i % 4] +
                "</groundspeak:type><groundspeak:container>Small"
                "</groundspeak:container><groundspeak:difficulty>" +
                std::to_string(1 + i % 5) + "</groundspeak:difficulty><groundspeak:terrain>" +
                std::to_string(1 + i % 3) + "</groundspeak:terrain></groundspeak:cache>");
        gpxkeep::Finish(kept, *e, gpxkeep::kName);
        e->m_strKept = std::move(kept);
        doc.m_WayList.push_back(std::move(e));
    }
    doc.SetReference(doc.m_WayList[500'500].get());
    CDistances distances;
    distances.Measure(doc);
    CWaypointFilter filter;
    filter.m_types = {"Traditional Cache", "multi-cache"};
    filter.m_difficulty = std::pair(2.0, 4.0);
    filter.m_withinMetres = 20'000;
    std::size_t matched = 0;
    for (auto _ : state)
        matched = MatchingPlaces(doc, filter, distances).size();
    state.counters["matched"] = double(matched);
}
BENCHMARK(BM_Filter1M)->Unit(benchmark::kMillisecond)->Iterations(5);

std::size_t TextBytes(const CCairnbookDoc& doc, bool kept) {
    std::size_t n = 0;
    for (const auto& e : doc.m_WayList)
        n += kept ? e->m_strKept.size()
                  : e->m_strName.size() + e->m_strComment.size() + e->m_strAdditionalInfo.size();
    return n;
}

void BM_GpxImport200k(benchmark::State& state) {
    const std::string& path = GpxFile();
    CQuietPrompt prompt;
    std::size_t text = 0, kept = 0, count = 0;
    for (auto _ : state) {
        CCairnbookDoc doc(prompt);
        doc.LoadFile(path);
        count = doc.m_WayList.size();
        state.PauseTiming();
        text = TextBytes(doc, false);
        kept = TextBytes(doc, true);
        {
            CCairnbookDoc gone(prompt);
            std::swap(gone.m_WayList, doc.m_WayList);
        }
        state.ResumeTiming();
    }
    state.counters["MB"] = double(std::filesystem::file_size(path)) / 1e6;
    state.counters["waypoints"] = double(count);
    const double n = double(count ? count : 1);
    state.counters["text_per_waypoint"] = double(text) / n;
    state.counters["kept_per_waypoint"] = double(kept) / n;
    // The goal: memory within 1.3 times what is kept, plus 300 bytes each.
    const double bytes = FreshProcessBytesPerWaypoint(path);
    state.counters["bytes_per_waypoint"] = bytes;
    state.counters["budget_used"] = bytes / (1.3 * double(kept) / n + 300);
}
BENCHMARK(BM_GpxImport200k)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same file through gpsbabel's GPX reader: the CPU time of the child.
void BM_GpsbabelGpx200k(benchmark::State& state) {
    if (std::system("command -v gpsbabel >/dev/null 2>&1") != 0) {
        state.SkipWithError("gpsbabel is not installed");
        return;
    }
    const std::string cmd = "gpsbabel -i gpx -f " + GpxFile() + " -o unicsv -F /dev/null";
    auto childCpu = [] {
        rusage u{};
        getrusage(RUSAGE_CHILDREN, &u);
        return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
               double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) * 1e-6;
    };
    for (auto _ : state) {
        const double before = childCpu();
        benchmark::DoNotOptimize(std::system(cmd.c_str()));
        state.SetIterationTime(childCpu() - before);
    }
}
BENCHMARK(BM_GpsbabelGpx200k)->Unit(benchmark::kMillisecond)->Iterations(1)->UseManualTime();

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--memory-of") {
        std::printf("%.1f\n", MeasureBytesPerWaypoint(argv[2]));
        return 0;
    }
    // The files of the benchmarks, for timing whole programs on them
    // (tools/bench_peers.py): native 1M, LOC 200k, GPX 200k with listings.
    if (argc == 2 && std::string(argv[1]) == "--write-files") {
        for (const std::string* path : {&BigFile(false), &LocFile(), &GpxFile()})
            std::printf("%s\n", path->c_str());
        return 0;
    }
    g_strSelf = argv[0];
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
