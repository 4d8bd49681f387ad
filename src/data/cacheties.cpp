// SPDX-License-Identifier: GPL-3.0-or-later
#include "cacheties.h"

#include "gpxkeep.h"
#include "wayentry.h"
#include "xmlhead.h"

#include <cctype>

#include <string_view>

namespace {

// The code in a Parent element (any prefix, either case of its first letter).
std::string ParentIn(std::string_view xml) {
    std::string_view code = ElementText(xml, "Parent");
    if (code.empty())
        code = ElementText(xml, "parent");
    while (!code.empty() && std::isspace(static_cast<unsigned char>(code.front())))
        code.remove_prefix(1);
    while (!code.empty() && std::isspace(static_cast<unsigned char>(code.back())))
        code.remove_suffix(1);
    return std::string(code);
}

} // namespace

std::string FileParent(const CWayEntry& entry) {
    if (entry.m_strKept.empty())
        return {};
    for (const gpxkeep::CRecord& r : gpxkeep::Records(entry.m_strKept))
        if (r.kind == gpxkeep::kForeign)
            if (std::string parent = ParentIn(r.xml); !parent.empty())
                return parent;
    return {};
}

CCacheTies::CCacheTies(const std::vector<std::unique_ptr<CWayEntry>>& entries)
    : m_parent(entries.size(), -1) {
    std::unordered_map<std::string_view, std::size_t> byName, byCode;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const std::string_view name = entries[i]->m_strName;
        if (!entries[i]->m_bGeocache || name.size() < 3)
            continue;
        byName.emplace(name, i);
        byCode.emplace(std::string_view(name).substr(2), i);
    }
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const CWayEntry& e = *entries[i];
        if (e.m_bGeocache)
            continue; // a cache belongs to no other
        const std::string named = FileParent(e);
        const auto& index = named.empty() ? byCode : byName;
        const auto cache = index.find(named.empty() && e.m_strName.size() >= 3
                                          ? std::string_view(e.m_strName).substr(2)
                                          : std::string_view(named));
        if (cache == index.end())
            continue;
        m_parent[i] = static_cast<std::ptrdiff_t>(cache->second);
        m_children[cache->second].push_back(i);
    }
}

std::optional<std::size_t> CCacheTies::ParentOf(std::size_t place) const {
    if (place >= m_parent.size() || m_parent[place] < 0)
        return std::nullopt;
    return static_cast<std::size_t>(m_parent[place]);
}

std::vector<std::size_t> CCacheTies::ChildrenOf(std::size_t place) const {
    const auto it = m_children.find(place);
    return it == m_children.end() ? std::vector<std::size_t>() : it->second;
}
