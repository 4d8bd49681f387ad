// SPDX-License-Identifier: GPL-3.0-or-later
#include "hovergrid.h"

#include "wayentry.h"

#include <algorithm>

int CHoverGrid::CellOf(int x, int y) const {
    // The grid reaches an icon's half beyond the outer rectangle on every side.
    const int cx = (x - m_outer.L + kHalfIcon) / kCell;
    const int cy = (y - m_outer.T + kHalfIcon) / kCell;
    if (x - m_outer.L + kHalfIcon < 0 || y - m_outer.T + kHalfIcon < 0 || cx >= m_nColumns ||
        cy >= m_nRows)
        return -1;
    return cy * m_nColumns + cx;
}

void CHoverGrid::Build(const std::vector<std::unique_ptr<CWayEntry>>& entries,
                       const CMapFrame& frame, const COuterRect& outer,
                       const std::vector<char>* shown) {
    m_outer = outer;
    m_nColumns = std::max(0, outer.Width() + 2 * kHalfIcon) / kCell + 1;
    m_nRows = std::max(0, outer.Height() + 2 * kHalfIcon) / kCell + 1;
    const auto cells = static_cast<std::size_t>(m_nColumns) * static_cast<std::size_t>(m_nRows);
    // Two passes over the centres: count per cell, then fill in list order.
    std::vector<int> cellOf(entries.size(), -1);
    std::vector<int> xs(entries.size()), ys(entries.size());
    m_start.assign(cells + 1, 0);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (shown && (i >= shown->size() || !(*shown)[i]))
            continue;
        GeoToClient(frame, outer, entries[i]->m_dLatitude, entries[i]->m_dLongitude, xs[i], ys[i]);
        cellOf[i] = CellOf(xs[i], ys[i]);
        if (cellOf[i] >= 0)
            ++m_start[static_cast<std::size_t>(cellOf[i]) + 1];
    }
    for (std::size_t c = 0; c < cells; ++c)
        m_start[c + 1] += m_start[c];
    m_slots.assign(m_start.back(), 0);
    m_x.assign(m_start.back(), 0);
    m_y.assign(m_start.back(), 0);
    std::vector<std::uint32_t> next(m_start.begin(), m_start.end() - 1);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (cellOf[i] < 0)
            continue;
        const std::uint32_t slot = next[static_cast<std::size_t>(cellOf[i])]++;
        m_slots[slot] = static_cast<std::uint32_t>(i);
        m_x[slot] = xs[i];
        m_y[slot] = ys[i];
    }
}

std::optional<CHoverGrid::CHit> CHoverGrid::At(int x, int y) const {
    std::optional<CHit> best;
    // A box that holds (x, y) has its centre within half an icon: in this
    // cell or a neighbour.
    for (int dy = -kHalfIcon; dy <= kHalfIcon; dy += kHalfIcon)
        for (int dx = -kHalfIcon; dx <= kHalfIcon; dx += kHalfIcon) {
            const int cell = CellOf(x + dx, y + dy);
            if (cell < 0)
                continue;
            for (std::uint32_t s = m_start[static_cast<std::size_t>(cell)];
                 s < m_start[static_cast<std::size_t>(cell) + 1]; ++s) {
                if (best && m_slots[s] >= best->m_nIndex)
                    break; // slots rise in list order: the rest come later
                if (x >= m_x[s] - kHalfIcon && x < m_x[s] + kHalfIcon && y >= m_y[s] - kHalfIcon &&
                    y < m_y[s] + kHalfIcon)
                    best = CHit{m_slots[s], m_x[s], m_y[s]};
            }
        }
    return best;
}
