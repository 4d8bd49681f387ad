#include "listcompare.h"

#include "numtext.h"

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

int CompareRows(const CSortCell& a, const CSortCell& b, int state) {
    if (state == 2)
        return a.m_nInsertIndex >= b.m_nInsertIndex ? 1 : -1;
    const bool ascending = state == 0;
    if (a.m_nCheck != -1) {
        if (ascending)
            return a.m_nCheck > b.m_nCheck ? 1 : 0;
        return a.m_nCheck < b.m_nCheck ? 1 : 0;
    }
    const std::string_view x = ascending ? a.m_text : b.m_text;
    const std::string_view y = ascending ? b.m_text : a.m_text;
    if (IsNumberText(a.m_text))
        return CompareNumberTexts(x, y);
    if (IsDateText(a.m_text))
        return CompareDateTexts(x, y);
    const int c = x.compare(y); // char_traits<char> compares as unsigned bytes
    return c < 0 ? -1 : c > 0 ? 1 : 0;
}
