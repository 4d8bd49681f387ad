// SPDX-License-Identifier: GPL-3.0-or-later
#include "sendfile.h"

#include "archiveexception.h"
#include "bytestream.h"
#include "cacheties.h"
#include "cairnbookdoc.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

std::vector<std::size_t> WithChildren(const CCairnbookDoc& doc, std::vector<std::size_t> places) {
    const CCacheTies ties(doc.Entries());
    const std::size_t given = places.size();
    for (std::size_t i = 0; i < given; ++i)
        for (std::size_t child : ties.ChildrenOf(places[i]))
            places.push_back(child);
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());
    return places;
}

std::string SentFileName(const std::string& docPath) {
    const std::string stem = fs::path(docPath).stem().string();
    return (stem.empty() ? "Waypoints" : stem) + ".gpx";
}

std::string KeepBothName(const std::string& folder, const std::string& name) {
    const fs::path p(name);
    std::error_code ec;
    for (int n = 2;; ++n) {
        const std::string candidate =
            p.stem().string() + "-" + std::to_string(n) + p.extension().string();
        if (!fs::exists(fs::path(folder) / candidate, ec))
            return candidate;
    }
}

CSentCount SendFile(const CCairnbookDoc& doc, const std::vector<std::size_t>& places,
                    const std::string& path, const std::function<void(std::uint64_t)>& progress) {
    std::vector<const CWayEntry*> entries;
    entries.reserve(places.size());
    for (std::size_t place : places)
        entries.push_back(doc.Entries().at(place).get());
    CSentCount count;
    const std::string gpx =
        ReceiverGpx(entries, doc.GpxFile(), fs::path(path).stem().string(), count);
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    if (ec)
        throw CArchiveException(CArchiveException::fileError, path, 0,
                                "its folder cannot be made: " + ec.message());
    CSafeFileSink sink(path);
    // In pieces: a USB drive is slow, and the user sees how far it got.
    constexpr std::size_t kPiece = 256 * 1024;
    for (std::size_t at = 0; at < gpx.size(); at += kPiece) {
        sink.Write(gpx.data() + at, std::min(kPiece, gpx.size() - at));
        if (progress)
            progress(sink.Written());
    }
    sink.Commit();
    return count;
}

std::string SentMessage(const CSentCount& count, const std::string& to) {
    auto plural = [](std::size_t n, const char* one, const char* many) {
        return std::to_string(n) + " " + (n == 1 ? one : many);
    };
    return "Sent " + plural(count.m_nWaypoints, "waypoint", "waypoints") + " (" +
           plural(count.m_nCaches, "cache", "caches") + ") to " + to;
}
