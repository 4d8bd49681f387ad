#include "finding.h"

#include <algorithm>
#include <array>

namespace {

// Windows-1252 lower case: ASCII, the Latin-1 letters, and Š Œ Ž Ÿ.
constexpr std::array<unsigned char, 256> MakeLower() {
    std::array<unsigned char, 256> t{};
    for (int c = 0; c < 256; ++c)
        t[std::size_t(c)] = static_cast<unsigned char>(c);
    for (int c = 'A'; c <= 'Z'; ++c)
        t[std::size_t(c)] = static_cast<unsigned char>(c + 32);
    for (int c = 0xC0; c <= 0xDE; ++c)
        if (c != 0xD7)
            t[std::size_t(c)] = static_cast<unsigned char>(c + 32);
    t[0x8A] = 0x9A;
    t[0x8C] = 0x9C;
    t[0x8E] = 0x9E;
    t[0x9F] = 0xFF;
    return t;
}
constexpr std::array<unsigned char, 256> kLower = MakeLower();

bool Holds(const CWayEntry& e, std::string_view needle) {
    return ContainsNoCase(e.m_strName, needle) || ContainsNoCase(e.m_strComment, needle) ||
           ContainsNoCase(e.m_strAdditionalInfo, needle);
}

} // namespace

bool ContainsNoCase(std::string_view text, std::string_view needle) {
    const auto same = [](char a, char b) {
        return kLower[static_cast<unsigned char>(a)] == kLower[static_cast<unsigned char>(b)];
    };
    return std::search(text.begin(), text.end(), needle.begin(), needle.end(), same) != text.end();
}

std::optional<std::size_t> FindWaypoint(const std::vector<std::unique_ptr<CWayEntry>>& entries,
                                        std::string_view needle, std::size_t from, bool forward) {
    const std::size_t n = entries.size();
    if (needle.empty() || n == 0)
        return std::nullopt;
    from = std::min(from, n - 1);
    for (std::size_t step = 1; step <= n; ++step) {
        const std::size_t i = forward ? (from + step) % n : (from + n - step % n) % n;
        if (Holds(*entries[i], needle))
            return i;
    }
    return std::nullopt;
}
