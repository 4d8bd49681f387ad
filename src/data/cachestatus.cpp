// SPDX-License-Identifier: GPL-3.0-or-later
#include "cachestatus.h"

#include "gpxkeep.h"
#include "gpxsymbols.h"
#include "wayentry.h"

#include <string_view>

namespace {

// The value of attribute name in a start tag, without unescaping.
std::string_view Attribute(std::string_view tag, std::string_view name) {
    for (std::size_t at = 0; (at = tag.find(name, at)) != std::string_view::npos; ++at) {
        const std::size_t eq = at + name.size();
        if (at == 0 || tag[at - 1] != ' ' || eq + 1 >= tag.size() || tag[eq] != '=')
            continue;
        const char quote = tag[eq + 1];
        const std::size_t end = tag.find(quote, eq + 2);
        if (end != std::string_view::npos)
            return tag.substr(eq + 2, end - eq - 2);
    }
    return {};
}

// The local name of the element xml starts with.
std::string_view LocalName(std::string_view xml) {
    const std::size_t end = xml.find_first_of(" \t\r\n/>");
    std::string_view name = xml.substr(1, end == std::string_view::npos ? 0 : end - 1);
    if (const std::size_t colon = name.find(':'); colon != std::string_view::npos)
        name.remove_prefix(colon + 1);
    return name;
}

bool IsTrue(std::string_view v) {
    return v == "True" || v == "true" || v == "1";
}

} // namespace

CCacheState CacheStateOf(const CWayEntry& entry) {
    CCacheState state;
    state.m_bFound = SymbolOfIcon(entry.m_nIcon) == "Geocache Found";
    if (entry.m_strKept.empty())
        return state;
    std::size_t at = 0;
    gpxkeep::CRecord r;
    while (gpxkeep::NextRecord(entry.m_strKept, at, r)) {
        if (r.kind == gpxkeep::kGpxChild && r.local == "sym")
            state.m_bFound = r.xml.find(">Geocache Found<") != std::string_view::npos;
        if (r.kind != gpxkeep::kForeign || !r.xml.starts_with('<') || LocalName(r.xml) != "cache")
            continue;
        // Only the start tag: the listing's text may be long.
        const std::string_view tag = r.xml.substr(0, r.xml.find('>'));
        if (IsTrue(Attribute(tag, "archived")))
            state.m_status = ECacheStatus::archived;
        else if (const std::string_view a = Attribute(tag, "available"); !a.empty() && !IsTrue(a))
            state.m_status = ECacheStatus::disabled;
    }
    return state;
}
