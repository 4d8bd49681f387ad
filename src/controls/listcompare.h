// The list's sort order: numbers by value, dd/mm/yyyy dates by date, check
// boxes by state, anything else byte by byte. Plain functions, no window.
#pragma once

#include <string_view>

bool IsNumberText(std::string_view s);
int CompareNumberTexts(std::string_view a, std::string_view b);
bool IsDateText(std::string_view s);
int CompareDateTexts(std::string_view a, std::string_view b);

struct CSortCell {
    std::string_view m_text;
    int m_nCheck = -1;
    int m_nInsertIndex = 0;
};

// state: 0 ascending, 1 descending, 2 insertion order. Negative: a before b.
int CompareRows(const CSortCell& a, const CSortCell& b, int state);
