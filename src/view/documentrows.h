// SPDX-License-Identifier: GPL-3.0-or-later
// The list's rows read from a document: each cell is made from its waypoint
// when it is drawn or sorted, so the list keeps nothing per row but its order.
#pragma once

#include "distances.h"
#include "xlistmodel.h"

class CCairnbookDoc;
class CWayEntry;

class CDocumentRows : public CRowSource {
public:
    explicit CDocumentRows(const CCairnbookDoc& doc) : m_doc(doc) {}

    void Cell(int item, int column, CCellData& cell) const override;
    std::string SortText(int item, int column) const override;
    int CheckState(int item, int column) const override;
    quintptr ItemData(int item) const override;

    // The unit of the altitude and distance cells, as the list's titles say.
    bool m_bMetric = false;
    // This window's distances and directions from the reference point.
    CDistances m_distances;

private:
    // Null for an item the document no longer holds.
    const CWayEntry* Entry(int item) const;
    CLeg Leg(int item) const { return m_distances.At(static_cast<std::size_t>(item)); }

    const CCairnbookDoc& m_doc;
};
