// SPDX-License-Identifier: GPL-3.0-or-later
// Streaming GPX 1.0 and 1.1 reading with expat: each <wpt> becomes a
// waypoint, keeping what the document does not model as XML text; the
// file's metadata, routes and tracks are kept as text too. Namespaces are
// matched by URI. Files that declare entities are refused, so nothing
// external is loaded and nothing expands without bound.
#pragma once

#include "gpxkeep.h"
#include "wayentry.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct CGpxReport {
    std::size_t m_nSkippedPoints = 0;   // route and track points (kept, not shown)
    std::size_t m_nNoPosition = 0;      // waypoints without a usable lat/lon
    std::vector<std::size_t> m_unnamed; // waypoints (in the order given) the file named not
    std::size_t m_nCut = 0;             // texts cut at 1 MiB
    std::size_t m_nUnknownSymbols = 0;  // shown with the neutral icon, kept as they were
};

// The namespace of our own extension elements.
inline constexpr const char* kCairnbookGpxNs = "urn:x-cairnbook:gpx:1";

class CGpxReader {
public:
    using Sink = std::function<void(std::unique_ptr<CWayEntry>)>;
    // file: what the document already holds of GPX files (the prefixes of
    // its namespaces go on); the reader's File() is that and this file.
    CGpxReader(Sink sink, CGpxFileKept file = {});
    ~CGpxReader();
    CGpxReader(const CGpxReader&) = delete;
    CGpxReader& operator=(const CGpxReader&) = delete;

    // Parses the next piece of the file; last marks its end. False on a
    // failure: Error() says what, ErrorOffset() at which byte.
    bool Feed(const char* data, std::size_t size, bool last);
    // The same without a copy: the caller reads up to size bytes into
    // Buffer(size), then parses the ones it got with FeedBuffer.
    char* Buffer(std::size_t size);
    bool FeedBuffer(std::size_t size, bool last);
    const std::string& Error() const;
    std::uint64_t ErrorOffset() const;
    const CGpxReport& Report() const;
    CGpxFileKept& File();

    struct CState;

private:
    std::unique_ptr<CState> m_pState;
};
