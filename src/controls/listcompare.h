// SPDX-License-Identifier: GPL-3.0-or-later
// The list's sort order: numbers by value, dd/mm/yyyy dates by date, check
// boxes by state, anything else byte by byte. Plain functions, no window.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

bool IsNumberText(std::string_view s);
int CompareNumberTexts(std::string_view a, std::string_view b);
bool IsDateText(std::string_view s);
int CompareDateTexts(std::string_view a, std::string_view b);

// One row's key: the text is read once, so a sort of a million rows does not
// parse every number twenty times.
struct CSortCell {
    CSortCell() = default;
    CSortCell(std::string_view text, int check, int insertIndex);
    std::string_view m_text;
    int m_nCheck = -1;
    int m_nInsertIndex = 0;
    bool m_bNumber = true; // as IsNumberText(m_text)
    double m_dNumber = 0.0;
    // The first eight bytes, most significant first: most comparisons of
    // texts end here, without reading the texts themselves.
    std::uint64_t m_nPrefix = 0;
};

// state: 0 ascending, 1 descending, 2 insertion order. Negative: a before b.
int CompareRows(const CSortCell& a, const CSortCell& b, int state);

// The rows' new order, cells[i] being row i's key: a bottom-up merge sort of
// our own, since the comparison is not a strict order (mixed numbers and
// words); it stays in bounds and stable whatever CompareRows says.
std::vector<int> SortOrder(const std::vector<CSortCell>& cells, int state);
