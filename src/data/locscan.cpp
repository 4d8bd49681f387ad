// SPDX-License-Identifier: GPL-3.0-or-later
#include "locscan.h"

#include <cctype>
#include <string>

#include "numtext.h"

namespace {

constexpr std::size_t kStartTagSkip = 8;

// The value that starts one quote character after marker and ends one character
// before the first stop found after it. The markers end in '=', found by it.
template <std::size_t N>
std::optional<std::string_view> QuotedValue(std::string_view element, const char (&marker)[N],
                                            char stop) {
    const std::size_t at = FindMarker<N - 2>(element, marker, kStartTagSkip);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::size_t start = at + (N - 1) + 1;
    if (start > element.size())
        return std::nullopt;
    const std::size_t end = element.find(stop, start);
    if (end == std::string_view::npos || end < start + 1)
        return std::nullopt;
    return element.substr(start, end - 1 - start);
}

} // namespace

std::optional<CLocWaypoint> ScanLocElement(std::string_view element) {
    const auto name = QuotedValue(element, "name id=", '>');
    if (!name)
        return std::nullopt;
    const std::size_t cdata = FindMarker<5>(element, "CDATA[", kStartTagSkip);
    if (cdata == std::string_view::npos)
        return std::nullopt;
    const std::size_t descStart = cdata + 6;
    const std::size_t descEnd = element.find(']', descStart);
    if (descEnd == std::string_view::npos)
        return std::nullopt;
    const auto lat = QuotedValue(element, "lat=", ' ');
    const auto lon = QuotedValue(element, "lon=", '/');
    if (!lat || !lon)
        return std::nullopt;
    CLocWaypoint wp;
    wp.m_name = *name;
    wp.m_description = element.substr(descStart, descEnd - descStart);
    wp.m_dLatitude = AtoF(*lat);
    wp.m_dLongitude = AtoF(*lon);
    return wp;
}

ELocEncoding LocDeclaredEncoding(std::string_view head, std::string* name) {
    if (head.starts_with("\xEF\xBB\xBF"))
        return ELocEncoding::utf8;
    if (!head.starts_with("<?xml"))
        return ELocEncoding::undeclared;
    const std::string_view decl = head.substr(0, head.find("?>"));
    const std::size_t at = decl.find("encoding");
    if (at == std::string_view::npos)
        return ELocEncoding::utf8; // XML's own default
    std::string value;
    for (std::size_t i = at + 8; i < decl.size(); ++i) {
        const char c = decl[i];
        if (c == '"' || c == '\'') {
            if (!value.empty())
                break;
            continue;
        }
        if (c != '=' && c != ' ')
            value += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (name)
        *name = value;
    return value == "utf-8" || value == "utf8" ? ELocEncoding::utf8 : ELocEncoding::other;
}
