// SPDX-License-Identifier: GPL-3.0-or-later
// One <wpt>'s texts made into a waypoint: which of its elements fills which
// field, its icon from the cache type or symbol, and the Additional Info a
// cache listing gives.
#include "gpxreadstate.h"

#include "gpxsymbols.h"
#include "wayentry.h"

#include <charconv>
#include <cmath>

using namespace gpxread;

namespace gpxread {

std::string_view Trim(std::string_view s) {
    while (!s.empty() &&
           (s.front() == ' ' || s.front() == '\t' || s.front() == '\n' || s.front() == '\r'))
        s.remove_prefix(1);
    while (!s.empty() &&
           (s.back() == ' ' || s.back() == '\t' || s.back() == '\n' || s.back() == '\r'))
        s.remove_suffix(1);
    return s;
}

std::optional<double> Number(std::string_view text) {
    text = Trim(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value))
        return std::nullopt;
    return value;
}

} // namespace gpxread

namespace {

using CField = std::optional<std::string> CWptTexts::*;
struct CFieldName {
    std::string_view name;
    CField field;
};

constexpr CFieldName kWptFields[] = {{"name", &CWptTexts::name}, {"cmt", &CWptTexts::cmt},
                                     {"desc", &CWptTexts::desc}, {"ele", &CWptTexts::ele},
                                     {"sym", &CWptTexts::sym},   {"type", &CWptTexts::type}};
constexpr CFieldName kCacheFields[] = {{"name", &CWptTexts::title},
                                       {"owner", &CWptTexts::owner},
                                       {"type", &CWptTexts::cacheType},
                                       {"container", &CWptTexts::container},
                                       {"difficulty", &CWptTexts::difficulty},
                                       {"terrain", &CWptTexts::terrain},
                                       {"encoded_hints", &CWptTexts::hint}};

template <std::size_t N>
std::optional<std::string>* FieldOf(CWptTexts& w, const CFieldName (&fields)[N],
                                    std::string_view local) {
    for (const CFieldName& f : fields)
        if (f.name == local)
            return &(w.*f.field);
    return nullptr;
}

} // namespace

std::optional<std::string>* CGpxReader::CState::WptField(std::string_view local) {
    return FieldOf(m_wpt, kWptFields, local);
}

std::optional<std::string>* CGpxReader::CState::CacheField(std::string_view local) {
    // Some listings name only the one who placed the cache.
    if (local == "placed_by" && !m_wpt.owner)
        return &m_wpt.owner;
    return FieldOf(m_wpt, kCacheFields, local);
}

void CGpxReader::CState::OursAttributes(const XML_Char** attributes) {
    m_wpt.ours = true;
    for (const XML_Char** a = attributes; a[0] && a[1]; a += 2) {
        const std::optional<double> v = Number(a[1]);
        if (!v || *v < 0 || *v > 255)
            continue;
        if (std::string_view(a[0]) == "icon")
            m_wpt.icon = static_cast<int>(*v);
        else if (std::string_view(a[0]) == "visible")
            m_wpt.visible = static_cast<int>(*v);
        else if (std::string_view(a[0]) == "geocache")
            m_wpt.geocache = static_cast<int>(*v);
    }
}

std::unique_ptr<CWayEntry> CGpxReader::CState::MakeEntry() {
    CWptTexts& w = m_wpt;
    auto entry = std::make_unique<CWayEntry>();
    entry->m_strName = Text(w.name);
    entry->m_dLatitude = *w.lat;
    entry->m_dLongitude = *w.lon;
    entry->m_dAltitude = w.ele ? Number(*w.ele).value_or(0.0) : 0.0;
    const std::string_view type = w.type ? Trim(*w.type) : std::string_view();
    const std::string_view sym = w.sym ? Trim(*w.sym) : std::string_view();
    entry->m_bGeocache = w.cache || StartsNoCase(type, "geocache") || StartsNoCase(sym, "geocache");
    std::string_view cacheType = w.cacheType ? Trim(*w.cacheType) : std::string_view();
    if (cacheType.empty() && StartsNoCase(type, "geocache|"))
        cacheType = type.substr(9);
    constexpr std::uint8_t kNone = 255;
    entry->m_nIcon = IconOfCacheType(cacheType, IconOfSymbol(sym, kNone));
    if (entry->m_nIcon == kNone) {
        entry->m_nIcon = kUnknownSymbolIcon;
        m_report.m_nUnknownSymbols += !sym.empty() && !w.ours;
    }
    if (w.ours) {
        // Our own files carry every field exactly.
        entry->m_strComment = Text(w.cmt);
        entry->m_strAdditionalInfo = Text(w.desc);
        if (w.icon >= 0)
            entry->m_nIcon = static_cast<std::uint8_t>(w.icon);
        entry->m_bVisible = static_cast<std::uint8_t>(w.visible);
        if (w.geocache >= 0)
            entry->m_bGeocache = static_cast<std::uint8_t>(w.geocache);
        return entry;
    }
    // An empty element says nothing: it does not hide the other one.
    auto said = [](const std::optional<std::string>& v) { return v && !Trim(*v).empty(); };
    const std::optional<std::string>& about = said(w.cmt) ? w.cmt : said(w.desc) ? w.desc : w.title;
    entry->m_strComment = CleanComment(Text(about));
    std::string info = Text(said(w.desc) ? w.desc : w.cmt);
    auto line = [&](std::string_view prefix, const std::optional<std::string>& value) {
        if (!value || Trim(*value).empty())
            return;
        if (!info.empty())
            info += "\r\n";
        info += std::string(prefix) + Text(std::string(Trim(*value)));
    };
    if (w.cache) {
        if (w.title && w.owner)
            line("", *w.title + " by " + *w.owner);
        else
            line("", w.title ? w.title : w.owner);
        line("", w.cacheType);
        line("", w.container);
        if (w.difficulty || w.terrain)
            line("Difficulty ", std::string(Trim(w.difficulty.value_or("?"))) + ", terrain " +
                                    std::string(Trim(w.terrain.value_or("?"))));
        line("Hint: ", w.hint);
    }
    entry->m_strAdditionalInfo = std::move(info);
    return entry;
}
