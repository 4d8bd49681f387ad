// SPDX-License-Identifier: GPL-3.0-or-later
// A geocache's state as its GPX listing says it: available, temporarily
// disabled or archived, and whether the one who asked for the file found it.
#pragma once

#include <string>
#include <string_view>

class CWayEntry;
struct CGpxFileKept;

enum class ECacheStatus { available, disabled, archived };

struct CCacheState {
    ECacheStatus m_status = ECacheStatus::available;
    bool m_bFound = false;
};

// From what the waypoint's GPX file held; a waypoint without a listing is
// available and not found.
CCacheState CacheStateOf(const CWayEntry& entry);

// The cache element (a Groundspeak listing) the waypoint's GPX file held, as
// kept; empty when none.
std::string_view KeptCacheElement(const CWayEntry& entry);

// The kept text of a cache marked found: the symbol "Geocache Found" and,
// where it has a listing, a log of the find (type "Found it" and so on, its
// date as logs write it, text) first among its logs. file: the document's
// GPX side.
std::string MarkedFound(const CWayEntry& entry, const CGpxFileKept& file, std::string_view date,
                        std::string_view type, std::string_view text);
