// SPDX-License-Identifier: GPL-3.0-or-later
// GPX as receivers read it: version 1.0, each geocache with its listing (the
// Groundspeak cache element of namespace 1.0.1, with its id) directly under
// <wpt>, the symbols "Geocache" and "Geocache Found", types such as
// "Geocache|Traditional Cache", and the other waypoints with their symbols.
// Nothing of our own: a receiver has no use for it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CWayEntry;
struct CGpxFileKept;

inline constexpr const char* kGroundspeak101 = "http://www.groundspeak.com/cache/1/0/1";

struct CSentCount {
    std::size_t m_nWaypoints = 0, m_nCaches = 0;
};

// file: what the document keeps of the GPX files its waypoints came from
// (the prefixes their kept listings use).
std::string ReceiverGpx(const std::vector<const CWayEntry*>& entries, const CGpxFileKept& file,
                        std::string_view title, CSentCount& count);

// A cache's number as the listing service gives it, from its code ("GC1A2B3");
// nothing for a code that is none.
std::optional<std::uint64_t> CacheIdOfCode(std::string_view code);
