// SPDX-License-Identifier: GPL-3.0-or-later
// The XML tokenizers a GPX reader can stand on, side by side on the data
// benchmarks' pocket query (200,000 caches with listings and logs): each
// walks every element and text of the file and does nothing else, so what is
// timed is the floor a reader built on it cannot go below.
//   expat, fed 64 KiB or 1 MiB at a time (as the reader feeds it), with
//     namespace processing (as the reader uses it);
//   pugixml over the whole file in place: one document tree for the file;
//   pugixml one <wpt> at a time: the file cut at its <wpt elements, each
//     parsed in place as a document of its own, so memory stays one element.
#include <benchmark/benchmark.h>
#include <expat.h>
#include <pugixml.hpp>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <unistd.h>

namespace {

const std::string& PocketQuery() {
    static const std::string path = [] {
        std::string last;
        if (std::FILE* files = popen(CAIRNBOOK_BENCH_DATA " --write-files", "r")) {
            char line[4096];
            while (std::fgets(line, sizeof line, files))
                last.assign(line, std::strcspn(line, "\n"));
            pclose(files);
        }
        return last; // the third file: the GPX pocket query
    }();
    return path;
}

std::string ReadAll(const std::string& path) {
    std::string bytes;
    const int fd = open(path.c_str(), O_RDONLY);
    struct stat st {};
    if (fd < 0 || fstat(fd, &st) != 0)
        return bytes;
    bytes.resize(std::size_t(st.st_size));
    std::size_t got = 0;
    while (got < bytes.size()) {
        const ssize_t n = read(fd, bytes.data() + got, bytes.size() - got);
        if (n <= 0)
            break;
        got += std::size_t(n);
    }
    close(fd);
    bytes.resize(got);
    return bytes;
}

struct CCounts {
    std::size_t m_nElements = 0;
    std::size_t m_nText = 0;
};

void Report(benchmark::State& state, std::size_t bytes, const CCounts& c) {
    state.SetBytesProcessed(std::int64_t(bytes) * state.iterations());
    state.counters["elements"] = double(c.m_nElements);
    state.counters["text_MB"] = double(c.m_nText) / 1e6;
}

void BM_Expat(benchmark::State& state) {
    const std::string& path = PocketQuery();
    const std::size_t chunk = std::size_t(state.range(0)) << 10;
    std::string buffer(chunk, '\0');
    CCounts c;
    std::size_t bytes = 0;
    for (auto _ : state) {
        c = {};
        bytes = 0;
        XML_Parser p = XML_ParserCreateNS(nullptr, '\x01');
        XML_SetUserData(p, &c);
        XML_SetElementHandler(
            p,
            [](void* d, const XML_Char*, const XML_Char**) {
                ++static_cast<CCounts*>(d)->m_nElements;
            },
            [](void*, const XML_Char*) {});
        XML_SetCharacterDataHandler(p, [](void* d, const XML_Char*, int n) {
            static_cast<CCounts*>(d)->m_nText += std::size_t(n);
        });
        const int fd = open(path.c_str(), O_RDONLY);
        for (ssize_t n; (n = read(fd, buffer.data(), chunk)) > 0;) {
            bytes += std::size_t(n);
            if (XML_Parse(p, buffer.data(), int(n), XML_FALSE) != XML_STATUS_OK)
                state.SkipWithError("expat stopped");
        }
        XML_Parse(p, nullptr, 0, XML_TRUE);
        close(fd);
        XML_ParserFree(p);
    }
    Report(state, bytes, c);
}
BENCHMARK(BM_Expat)->Arg(64)->Arg(1024)->Unit(benchmark::kMillisecond)->Iterations(2);

void Walk(const pugi::xml_node& node, CCounts& c) {
    for (pugi::xml_node n = node.first_child(); n; n = n.next_sibling()) {
        if (n.type() == pugi::node_element) {
            ++c.m_nElements;
            Walk(n, c);
        } else {
            c.m_nText += std::strlen(n.value());
        }
    }
}

void BM_PugixmlWholeFile(benchmark::State& state) {
    const std::string& path = PocketQuery();
    CCounts c;
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string text = ReadAll(path); // the tree points into it
        bytes = text.size();
        c = {};
        pugi::xml_document doc;
        if (!doc.load_buffer_inplace(text.data(), text.size(), pugi::parse_default))
            state.SkipWithError("pugixml stopped");
        Walk(doc, c);
    }
    Report(state, bytes, c);
}
BENCHMARK(BM_PugixmlWholeFile)->Unit(benchmark::kMillisecond)->Iterations(2);

void BM_PugixmlPerWaypoint(benchmark::State& state) {
    const std::string& path = PocketQuery();
    CCounts c;
    std::size_t bytes = 0;
    for (auto _ : state) {
        std::string text = ReadAll(path);
        bytes = text.size();
        c = {};
        pugi::xml_document doc;
        std::size_t at = text.find("<wpt");
        while (at != std::string::npos) {
            const std::size_t end = text.find("</wpt>", at);
            if (end == std::string::npos)
                break;
            const std::size_t next = end + 6;
            if (!doc.load_buffer_inplace(text.data() + at, next - at, pugi::parse_default))
                state.SkipWithError("pugixml stopped");
            Walk(doc, c);
            at = text.find("<wpt", next);
        }
    }
    Report(state, bytes, c);
}
BENCHMARK(BM_PugixmlPerWaypoint)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

BENCHMARK_MAIN();
