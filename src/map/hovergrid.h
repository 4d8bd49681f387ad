// SPDX-License-Identifier: GPL-3.0-or-later
// Which waypoint's icon lies under the mouse: the waypoints of one frame
// filed into a grid of screen cells, so a move looks at a few cells, not at
// every waypoint. No window needed.
#pragma once

#include "mapgeometry.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class CWayEntry;

class CHoverGrid {
public:
    // Files the entries as the frame shows them within outer; shown: per
    // entry, whether it is on the map (null: all).
    void Build(const std::vector<std::unique_ptr<CWayEntry>>& entries, const CMapFrame& frame,
               const COuterRect& outer, const std::vector<char>* shown = nullptr);
    struct CHit {
        std::size_t m_nIndex; // in the entries
        int m_nX, m_nY;       // the icon's centre
    };
    // The first entry in list order whose 16-pixel icon box holds (x, y).
    std::optional<CHit> At(int x, int y) const;

    static constexpr int kHalfIcon = 8;

private:
    static constexpr int kCell = 2 * kHalfIcon;
    int CellOf(int x, int y) const; // -1 outside the grid
    COuterRect m_outer;
    int m_nColumns = 0, m_nRows = 0;
    std::vector<std::uint32_t> m_start; // each cell's first slot in m_slots
    std::vector<std::uint32_t> m_slots; // entry indexes, cell by cell, in list order
    std::vector<int> m_x, m_y;          // each filed entry's centre, by slot
};
