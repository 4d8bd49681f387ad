// SPDX-License-Identifier: GPL-3.0-or-later
// Which waypoints a window or the command line shows: by cache type,
// difficulty and terrain, container, state, found or not, distance from the
// reference point, and text. A filter never changes the document.
#pragma once

#include "cachestatus.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

class CCairnbookDoc;
class CDistances;
class CWayEntry;
struct CLeg;

struct CWaypointFilter {
    std::vector<std::string> m_types;      // any of these cache types (any case)
    std::vector<std::string> m_containers; // any of these container sizes
    std::optional<std::pair<double, double>> m_difficulty, m_terrain; // inclusive
    std::optional<ECacheStatus> m_status;
    std::optional<bool> m_found;
    std::optional<double> m_withinMetres; // of the reference point
    std::string m_strText;                // in the name, comment, Additional Info or listing

    bool Empty() const;
    bool Matches(const CWayEntry& entry, const CLeg& leg) const;
};

// The places of doc's waypoints that match, rising; distances measured from
// the document's reference point.
std::vector<std::size_t> MatchingPlaces(const CCairnbookDoc& doc, const CWaypointFilter& filter,
                                        const CDistances& distances);
// "1.5-3" as an inclusive range; nothing for text that is none.
std::optional<std::pair<double, double>> ParseRange(std::string_view text);
