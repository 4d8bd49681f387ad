// SPDX-License-Identifier: GPL-3.0-or-later
// Each waypoint's distance and direction from a document's reference point,
// held by whoever shows them (a list window, the command line), not by the
// waypoints: kept in step with the document's changes.
#pragma once

#include <cstddef>
#include <optional>
#include <vector>

class CCairnbookDoc;
struct CDocChange;

struct CLeg {
    double m_dMetres = 0.0;
    int m_nDirection = 0; // 0 North, 1 North East, ... 7 North West
};

class CDistances {
public:
    // Everything measured anew from the document's reference point.
    void Measure(const CCairnbookDoc& doc);
    // Follows one change of doc: the places it concerns are measured anew. A
    // waypoint measured from a reference point that has gone keeps its leg.
    void Follow(const CCairnbookDoc& doc, const CDocChange& change);
    std::size_t Size() const { return m_legs.size(); }
    // The leg of the waypoint at place; North at no distance before any.
    CLeg At(std::size_t place) const { return place < m_legs.size() ? m_legs[place] : CLeg(); }

private:
    // Nothing without a reference point.
    static std::optional<CLeg> Measured(const CCairnbookDoc& doc, std::size_t place);
    std::vector<CLeg> m_legs;
};
