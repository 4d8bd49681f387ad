// SPDX-License-Identifier: GPL-3.0-or-later
#include "cacheties.h"

#include "gpxkeep.h"
#include "wayentry.h"

#include <string_view>

namespace {

// The text of the first element named Parent (any prefix, any case of its
// first letter) in xml.
std::string ParentIn(std::string_view xml) {
    for (std::size_t at = 0; (at = xml.find("arent>", at)) != std::string_view::npos; at += 6) {
        if (at < 2 || (xml[at - 1] != 'P' && xml[at - 1] != 'p'))
            continue;
        const char before = xml[at - 2];
        if (before != '<' && before != ':')
            continue;
        const std::size_t start = at + 6, end = xml.find('<', start);
        if (end == std::string_view::npos)
            return {};
        std::string_view code = xml.substr(start, end - start);
        while (!code.empty() && (code.front() == ' ' || code.front() == '\n'))
            code.remove_prefix(1);
        while (!code.empty() && (code.back() == ' ' || code.back() == '\n'))
            code.remove_suffix(1);
        return std::string(code);
    }
    return {};
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
        const std::string& name = entries[i]->m_strName;
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
