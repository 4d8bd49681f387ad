// SPDX-License-Identifier: GPL-3.0-or-later
#include "cachestatus.h"

#include "gpxkeep.h"
#include "gpxsymbols.h"
#include "gpxwriter.h"
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
    // The symbol as read, unless the user chose another icon since.
    std::size_t at = 0;
    gpxkeep::CRecord r;
    const bool kept = !entry.m_strKept.empty() && !gpxkeep::Changes(entry.m_strKept, entry).icon;
    while (kept && gpxkeep::NextRecord(entry.m_strKept, at, r))
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

std::string MarkedFound(const CWayEntry& entry, const CGpxFileKept& file, std::string_view date,
                        std::string_view type, std::string_view text) {
    const int version = file.m_nVersion ? file.m_nVersion : 11;
    std::string_view sym;
    std::size_t at = 0;
    gpxkeep::CRecord r;
    while (!entry.m_strKept.empty() && gpxkeep::NextRecord(entry.m_strKept, at, r))
        if (r.kind == gpxkeep::kGpxChild && r.local == "sym")
            sym = r.xml;
    CWayEntry marked = entry;
    marked.m_strKept = gpxkeep::Replaced(entry.m_strKept, entry, version, gpxkeep::kGpxChild, "sym",
                                         sym, "<sym>Geocache Found</sym>");
    const std::string_view cache = KeptCacheElement(marked);
    if (cache.empty())
        return std::string(marked.m_strKept.View());
    // The listing's own prefix names the log's elements.
    const std::string prefix(cache.substr(1, cache.find(':') - 1));
    auto element = [&prefix](const char* name, std::string_view value, const char* attributes) {
        std::string out = "<" + prefix + ":" + name + attributes + ">";
        AppendEscaped(out, value);
        return out + "</" + prefix + ":" + name + ">";
    };
    const std::string log = "<" + prefix + ":log id=\"0\">" + element("date", date, "") +
                            element("type", type, "") + element("finder", "", " id=\"0\"") +
                            element("text", text, " encoded=\"False\"") + "</" + prefix + ":log>";
    std::string xml(cache);
    const std::string open = "<" + prefix + ":logs>", empty = "<" + prefix + ":logs/>";
    if (const std::size_t logs = xml.find(open); logs != std::string::npos)
        xml.insert(logs + open.size(), log);
    else if (const std::size_t none = xml.find(empty); none != std::string::npos)
        xml.replace(none, empty.size(), open + log + "</" + prefix + ":logs>");
    else {
        // Logs come before the travel bugs, at the end of the listing.
        std::size_t before = xml.find("<" + prefix + ":travelbugs");
        if (before == std::string::npos)
            before = xml.rfind("</");
        xml.insert(before, open + log + "</" + prefix + ":logs>");
    }
    return gpxkeep::Replaced(marked.m_strKept, marked, version, gpxkeep::kForeign, "", cache, xml);
}
