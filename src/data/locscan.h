// SPDX-License-Identifier: GPL-3.0-or-later
// Finds the values of one LOC waypoint element by its fixed markers.
#pragma once

#include <cstring>
#include <optional>
#include <string_view>

struct CLocWaypoint {
    std::string_view m_name;
    std::string_view m_description;
    double m_dLatitude = 0.0;
    double m_dLongitude = 0.0;
};

// What the file's start says of its text: UTF-8 (declared, or a byte order
// mark), another encoding, or nothing.
enum class ELocEncoding { utf8, other, undeclared };
// name, when given, receives the declared encoding's name, in lower case.
ELocEncoding LocDeclaredEncoding(std::string_view head, std::string* name = nullptr);

// element runs from its "<waypoint>" start tag up to (not including) its end
// tag. Nothing when a marker, or the end of a value, is not inside it.
std::optional<CLocWaypoint> ScanLocElement(std::string_view element);

// Where marker first starts at or after from, or npos: as string_view::find,
// but stopping only at its byte number Anchor (one that text around it seldom
// holds) and comparing the whole marker there in line.
template <std::size_t Anchor, std::size_t N>
std::size_t FindMarker(std::string_view text, const char (&marker)[N], std::size_t from) {
    static_assert(N >= 2 && Anchor < N - 1);
    constexpr std::size_t kLength = N - 1;
    if (from > text.size() || text.size() - from < kLength)
        return std::string_view::npos;
    const char* const first = text.data() + from + Anchor;
    const char* const last = text.data() + text.size() - (kLength - 1 - Anchor);
    for (const char* p = first; p < last; ++p) {
        p = static_cast<const char*>(std::memchr(p, marker[Anchor], std::size_t(last - p)));
        if (!p)
            break;
        if (std::memcmp(p - Anchor, marker, kLength) == 0)
            return std::size_t(p - Anchor - text.data());
    }
    return std::string_view::npos;
}
