// SPDX-License-Identifier: GPL-3.0-or-later
#include "cachestatus.h"

#include "gpxkeep.h"
#include "gpxsymbols.h"
#include "wayentry.h"
#include "xmlhead.h"

#include <string_view>

namespace {

bool IsTrue(std::string_view v) {
    return v == "True" || v == "true" || v == "1";
}

} // namespace

std::string_view KeptCacheElement(const CWayEntry& entry) {
    std::size_t at = 0;
    gpxkeep::CRecord r;
    while (!entry.m_strKept.empty() && gpxkeep::NextRecord(entry.m_strKept, at, r))
        if (r.kind == gpxkeep::kForeign && r.xml.starts_with('<') &&
            RootElement(r.xml.substr(0, r.xml.find('>') + 1)) == "cache")
            return r.xml;
    return {};
}

CCacheState CacheStateOf(const CWayEntry& entry) {
    CCacheState state;
    state.m_bFound = SymbolOfIcon(entry.m_nIcon) == "Geocache Found";
    std::size_t at = 0;
    gpxkeep::CRecord r;
    while (!entry.m_strKept.empty() && gpxkeep::NextRecord(entry.m_strKept, at, r))
        if (r.kind == gpxkeep::kGpxChild && r.local == "sym")
            state.m_bFound = r.xml.find(">Geocache Found<") != std::string_view::npos;
    // Only the start tag: the listing's text may be long.
    const std::string_view cache = KeptCacheElement(entry);
    const std::string_view tag = cache.substr(0, cache.find('>'));
    if (IsTrue(AttributeOf(tag, "archived")))
        state.m_status = ECacheStatus::archived;
    else if (const std::string a = AttributeOf(tag, "available"); !a.empty() && !IsTrue(a))
        state.m_status = ECacheStatus::disabled;
    return state;
}
