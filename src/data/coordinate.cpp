// SPDX-License-Identifier: GPL-3.0-or-later
#include "coordinate.h"

#include "numtext.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>

int g_nCoordFormat = 0;

namespace {

const char* Hemisphere(double value, int kind) {
    if (kind == kLatitude)
        return value > 0 ? "N" : "S";
    return value > 0 ? "E" : "W";
}

// The conversion of a double to an int, toward zero; out-of-range values saturate
// instead of being undefined.
int Trunc(double value) {
    return SaturatingInt(value);
}

int AbsInt(int value) {
    return value == INT32_MIN ? INT32_MAX : std::abs(value);
}

} // namespace

void FormatCoordinate(double value, std::string& text, int kind) {
    const char* letter = Hemisphere(value, kind);
    switch (g_nCoordFormat) {
    case 0: {
        const int degrees = Trunc(value);
        double minutes = (value - degrees) * 60.0;
        if (minutes < 0)
            minutes = -minutes;
        text = letter;
        AppendInt(text, AbsInt(degrees), 2);
        text += Trunc(minutes) >= 10 ? "\u00B0 " : "\u00B0 0";
        AppendFixed(text, minutes, 3);
        text += '\'';
        break;
    }
    case 1: {
        const int degrees = Trunc(value);
        const double m = (value - degrees) * 60.0;
        const int wholeMinutes = AbsInt(Trunc(m));
        const int seconds = AbsInt(Trunc((std::fabs(m) - wholeMinutes) * 60.0));
        text = letter;
        AppendInt(text, AbsInt(degrees), 2);
        text += "\u00B0 ";
        AppendInt(text, wholeMinutes, 2);
        text += "' ";
        AppendInt(text, seconds, 2);
        break;
    }
    case 2:
        text = letter;
        AppendFixed(text, std::fabs(value), 5);
        break;
    default: break;
    }
}

std::string FormatCoordinate(double value, int kind) {
    std::string text;
    FormatCoordinate(value, text, kind);
    return text;
}

CCoordinateParts SplitCoordinate(const std::string& text) {
    CCoordinateParts parts;
    const std::size_t h = text.find_first_of("NSEW");
    if (h == std::string::npos)
        return parts; // not a coordinate text: leave every field at zero
    parts.m_strHemisphere = text.substr(h, 1);
    const std::string_view s(text);
    switch (g_nCoordFormat) {
    case 0:
    case 1: {
        const std::size_t p1 = text.find(' ', h);
        if (p1 == std::string::npos || p1 < h + 2)
            return parts;
        parts.m_nDegrees = AtoI(s.substr(h + 1, p1 - h - 2));
        parts.m_dMinutes = AtoF(s.substr(p1 + 1));
        if (g_nCoordFormat == 1) {
            const std::size_t p2 = text.find(' ', p1 + 1);
            if (p2 != std::string::npos)
                parts.m_nSeconds = AtoI(s.substr(p2 + 1));
        }
        break;
    }
    case 2: parts.m_dMinutes = AtoF(s.substr(h + 1)); break;
    default: break;
    }
    return parts;
}
