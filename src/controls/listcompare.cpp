// SPDX-License-Identifier: GPL-3.0-or-later
#include "listcompare.h"

#include "numtext.h"

#include <algorithm>
#include <cctype>

namespace {

int Sign(double d) {
    return d < 0 ? -1 : d > 0 ? 1 : 0;
}

int DatePart(std::string_view s, std::size_t pos, std::size_t len) {
    return AtoI(s.substr(pos, len));
}

} // namespace

bool IsNumberText(std::string_view s) {
    if (!s.empty() && s[0] == '-')
        s.remove_prefix(1);
    for (char c : s)
        if (c != '.' && !std::isdigit(static_cast<unsigned char>(c)))
            return false;
    return true;
}

int CompareNumberTexts(std::string_view a, std::string_view b) {
    if (!IsNumberText(b))
        return -1;
    return Sign(AtoF(a) - AtoF(b));
}

bool IsDateText(std::string_view s) {
    if (s.size() != 10)
        return false;
    for (std::size_t i = 0; i < 10; ++i) {
        const bool slash = i == 2 || i == 5;
        if (slash ? s[i] != '/' : !std::isdigit(static_cast<unsigned char>(s[i])))
            return false;
    }
    return true;
}

int CompareDateTexts(std::string_view a, std::string_view b) {
    // A date compared with a text of another shape sorts after it.
    const bool da = IsDateText(a), db = IsDateText(b);
    if (!da || !db)
        return da == db ? 0 : da ? 1 : -1;
    const std::pair<std::size_t, std::size_t> parts[] = {{6, 4}, {3, 2}, {0, 2}};
    for (const auto& [pos, len] : parts) {
        const int x = DatePart(a, pos, len), y = DatePart(b, pos, len);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return 0;
}

CSortCell::CSortCell(std::string_view text, int check, int insertIndex)
    : m_text(text), m_nCheck(check), m_nInsertIndex(insertIndex), m_bNumber(IsNumberText(text)),
      m_dNumber(m_bNumber ? AtoF(text) : 0.0) {
    for (std::size_t i = 0; i < 8; ++i)
        m_nPrefix = m_nPrefix << 8 | (i < text.size() ? static_cast<unsigned char>(text[i]) : 0u);
}

int CompareRows(const CSortCell& a, const CSortCell& b, int state) {
    if (state == 2)
        return a.m_nInsertIndex >= b.m_nInsertIndex ? 1 : -1;
    const bool ascending = state == 0;
    if (a.m_nCheck != -1) {
        if (ascending)
            return a.m_nCheck > b.m_nCheck ? 1 : 0;
        return a.m_nCheck < b.m_nCheck ? 1 : 0;
    }
    const CSortCell& x = ascending ? a : b;
    const CSortCell& y = ascending ? b : a;
    if (a.m_bNumber) // as CompareNumberTexts, with the numbers read already
        return y.m_bNumber ? Sign(x.m_dNumber - y.m_dNumber) : -1;
    if (IsDateText(a.m_text))
        return CompareDateTexts(x.m_text, y.m_text);
    if (x.m_nPrefix != y.m_nPrefix) // a difference there is the texts' first
        return x.m_nPrefix < y.m_nPrefix ? -1 : 1;
    const int c = x.m_text.compare(y.m_text); // char_traits<char> compares as unsigned bytes
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}

std::vector<int> SortOrder(const std::vector<CSortCell>& cells, int state) {
    const std::size_t n = cells.size();
    std::vector<int> order(n), scratch(n);
    for (std::size_t i = 0; i < n; ++i)
        order[i] = static_cast<int>(i);
    for (std::size_t width = 1; width < n; width *= 2) {
        for (std::size_t lo = 0; lo < n; lo += 2 * width) {
            const std::size_t mid = std::min(lo + width, n);
            const std::size_t hi = std::min(lo + 2 * width, n);
            std::size_t i = lo, j = mid, k = lo;
            while (i < mid && j < hi) {
                const int a = order[i], b = order[j];
                if (CompareRows(cells[static_cast<std::size_t>(a)],
                                cells[static_cast<std::size_t>(b)], state) > 0) {
                    scratch[k++] = b;
                    ++j;
                } else {
                    scratch[k++] = a;
                    ++i;
                }
            }
            while (i < mid)
                scratch[k++] = order[i++];
            while (j < hi)
                scratch[k++] = order[j++];
        }
        order.swap(scratch);
    }
    return order;
}
