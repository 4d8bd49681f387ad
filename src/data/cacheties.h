// SPDX-License-Identifier: GPL-3.0-or-later
// Which waypoints belong to which geocache: a parking place, a stage, a
// final. A waypoint belongs to a cache when its file says so (a Parent
// element among what its GPX file held), else when its code after the
// two-letter prefix is the cache's code after its prefix ("AAV272" and
// "PKV272" belong to "GCV272"), the cache being in the same document.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

class CWayEntry;

// The code of the cache a waypoint's file names as its parent; empty when none.
std::string FileParent(const CWayEntry& entry);

class CCacheTies {
public:
    explicit CCacheTies(const std::vector<std::unique_ptr<CWayEntry>>& entries);
    // The place of the cache the waypoint at place belongs to.
    std::optional<std::size_t> ParentOf(std::size_t place) const;
    // The places of the waypoints that belong to the cache at place, rising.
    std::vector<std::size_t> ChildrenOf(std::size_t place) const;

private:
    std::vector<std::ptrdiff_t> m_parent; // -1: none
    std::unordered_map<std::size_t, std::vector<std::size_t>> m_children;
};
