#include "locscan.h"

#include "numtext.h"

namespace {

constexpr std::size_t kStartTagSkip = 8;

// The value that starts one quote character after marker and ends one character
// before the first stop found after it.
std::optional<std::string_view> QuotedValue(std::string_view element, std::string_view marker,
                                            char stop) {
    const std::size_t at = element.find(marker, kStartTagSkip);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::size_t start = at + marker.size() + 1;
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
    const std::size_t cdata = element.find("CDATA[", kStartTagSkip);
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
