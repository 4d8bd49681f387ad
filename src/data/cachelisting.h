// SPDX-License-Identifier: GPL-3.0-or-later
// A geocache's listing as its GPX file carried it (a Groundspeak cache
// element among what the waypoint kept): what the listing pane shows and the
// command line's details list.
#pragma once

#include "cachestatus.h"

#include <string>
#include <vector>

class CWayEntry;

struct CCacheLog {
    std::string m_strDate; // as written, "2020-01-01T00:00:00Z"
    std::string m_strType; // "Found it", "Didn't find it", ...
    std::string m_strFinder;
    std::string m_strText;
};

struct CCacheListing {
    bool m_bPresent = false; // the file carried a listing
    std::string m_strName, m_strOwner, m_strType, m_strContainer;
    std::string m_strDifficulty, m_strTerrain; // "1.5", as written
    std::string m_strHint;
    std::string m_strShort, m_strLong; // descriptions, HTML when m_bShortHtml/m_bLongHtml
    bool m_bShortHtml = false, m_bLongHtml = false;
    std::vector<std::string> m_attributes; // "Available at all times", "No dogs"
    std::vector<CCacheLog> m_logs;         // as listed, latest first in pocket queries
    CCacheState m_state;
    // The date (YYYY-MM-DD) of the latest log that found it, when found.
    std::string FoundDate() const;
};

CCacheListing ListingOf(const CWayEntry& entry);
