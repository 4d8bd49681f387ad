// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentrows.h"

#include "cairnbookdoc.h"
#include "colorref.h"
#include "rowtext.h"
#include "textcodec.h"
#include "translate.h"

namespace {

constexpr ColorRef kRowText = Rgb(0, 0, 0);
constexpr ColorRef kRowBack = Rgb(200, 255, 255);

} // namespace

const CWayEntry* CDocumentRows::Entry(int item) const {
    const auto& entries = m_doc.Entries();
    return item >= 0 && static_cast<std::size_t>(item) < entries.size()
               ? entries[static_cast<std::size_t>(item)].get()
               : nullptr;
}

void CDocumentRows::Cell(int item, int column, CCellData& cell) const {
    cell.m_textColor = ToQColor(kRowText);
    cell.m_backColor = ToQColor(kRowBack);
    const CWayEntry* entry = Entry(item);
    if (!entry)
        return;
    const std::string text = RowCellText(*entry, item, column, m_bMetric, Leg(item));
    // Icon names and directions are the tables' words: shown in the user's language.
    cell.m_strText = column == 6 || column == 11 ? ResText(text.c_str()) : ToQString(text);
    cell.m_nCheck = CheckState(item, column);
    if (column == 6) {
        cell.m_nImage = entry->m_nIcon % kIconCount;
        cell.m_look = IconLook(*entry);
    }
}

std::string CDocumentRows::SortText(int item, int column) const {
    const CWayEntry* entry = Entry(item);
    return entry ? RowCellText(*entry, item, column, m_bMetric, Leg(item)) : std::string();
}

int CDocumentRows::CheckState(int item, int column) const {
    const CWayEntry* entry = Entry(item);
    if (!entry || (column != 7 && column != 8))
        return -1;
    return (column == 7 ? entry->m_bGeocache : entry->m_bVisible) == 1 ? 1 : 0;
}

quintptr CDocumentRows::ItemData(int item) const {
    return reinterpret_cast<quintptr>(Entry(item));
}
