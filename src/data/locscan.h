// SPDX-License-Identifier: GPL-3.0-or-later
// Finds the values of one LOC waypoint element by its fixed markers.
#pragma once

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
