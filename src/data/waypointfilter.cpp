// SPDX-License-Identifier: GPL-3.0-or-later
#include "waypointfilter.h"

#include "cairnbookdoc.h"
#include "distances.h"
#include "gpxkeep.h"
#include "numtext.h"
#include "utf8text.h"
#include "wayentry.h"
#include "xmlhead.h"

#include <charconv>

namespace {

// The listing's few fields a filter compares, found by a look through the
// cache element's text instead of a parse: a million waypoints are filtered
// in a blink.
struct CQuickFields {
    std::string_view type, container, difficulty, terrain, listing;
};

CQuickFields QuickFields(const CWayEntry& e) {
    CQuickFields f;
    f.listing = KeptCacheElement(e);
    // The cache's own type comes before its logs' types.
    const std::string_view head = f.listing.substr(0, f.listing.find("logs>"));
    f.type = ElementText(head, "type");
    f.container = ElementText(head, "container");
    f.difficulty = ElementText(head, "difficulty");
    f.terrain = ElementText(head, "terrain");
    return f;
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return utf8::Folded(a) == utf8::Folded(b);
}

bool AnyOf(const std::vector<std::string>& wanted, std::string_view value) {
    for (const std::string& w : wanted)
        if (EqualNoCase(w, value))
            return true;
    return false;
}

bool InRange(const std::optional<std::pair<double, double>>& range, std::string_view text) {
    if (!range)
        return true;
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    return ec == std::errc() && v >= range->first && v <= range->second;
}

} // namespace

bool CWaypointFilter::Empty() const {
    return m_types.empty() && m_containers.empty() && !m_difficulty && !m_terrain && !m_status &&
           !m_found && !m_withinMetres && m_strText.empty();
}

bool CWaypointFilter::Matches(const CWayEntry& e, const CLeg& leg) const {
    if (m_withinMetres && !(leg.m_dMetres <= *m_withinMetres))
        return false;
    const bool listingNeeded = !m_types.empty() || !m_containers.empty() || m_difficulty ||
                               m_terrain || !m_strText.empty();
    const CQuickFields f = listingNeeded ? QuickFields(e) : CQuickFields();
    if (!m_types.empty() && !AnyOf(m_types, f.type))
        return false;
    if (!m_containers.empty() && !AnyOf(m_containers, f.container))
        return false;
    if (!InRange(m_difficulty, f.difficulty) || !InRange(m_terrain, f.terrain))
        return false;
    if (m_status || m_found) {
        const CCacheState state = CacheStateOf(e);
        if (m_status && state.m_status != *m_status)
            return false;
        if (m_found && state.m_bFound != *m_found)
            return false;
    }
    if (!m_strText.empty()) {
        const std::string needle = utf8::Folded(m_strText);
        if (!utf8::ContainsNoCase(e.m_strName, needle) &&
            !utf8::ContainsNoCase(e.m_strComment, needle) &&
            !utf8::ContainsNoCase(e.m_strAdditionalInfo, needle) &&
            !utf8::ContainsNoCase(f.listing, needle))
            return false;
    }
    return true;
}

std::vector<std::size_t> MatchingPlaces(const CCairnbookDoc& doc, const CWaypointFilter& filter,
                                        const CDistances& distances) {
    std::vector<std::size_t> places;
    const auto& entries = doc.Entries();
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (filter.Matches(*entries[i], distances.At(i)))
            places.push_back(i);
    return places;
}

std::optional<std::pair<double, double>> ParseRange(std::string_view text) {
    const std::size_t dash = text.find('-', 1);
    const std::string_view lo = text.substr(0, dash),
                           hi = dash == std::string_view::npos ? lo : text.substr(dash + 1);
    double a = 0, b = 0;
    const auto ra = std::from_chars(lo.data(), lo.data() + lo.size(), a);
    const auto rb = std::from_chars(hi.data(), hi.data() + hi.size(), b);
    if (ra.ec != std::errc() || rb.ec != std::errc() || ra.ptr != lo.data() + lo.size() ||
        rb.ptr != hi.data() + hi.size() || a > b)
        return std::nullopt;
    return std::pair(a, b);
}
