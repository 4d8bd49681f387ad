// SPDX-License-Identifier: GPL-3.0-or-later
// The list's rows read from a document: each cell is made from its waypoint
// when it is drawn or sorted, so the list keeps nothing per row but its order.
#pragma once

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

    // The unit of the altitude cells, as the list's titles say.
    bool m_bMetric = false;

private:
    // Null for an item the document no longer holds.
    const CWayEntry* Entry(int item) const;

    const CCairnbookDoc& m_doc;
};
