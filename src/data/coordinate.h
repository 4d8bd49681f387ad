// SPDX-License-Identifier: GPL-3.0-or-later
// Coordinate texts in the three notations the user can choose.
#pragma once

#include <string>

// 0 Deg/Min.MMM, 1 Deg/Min/Sec, 2 Deg.DDDD; shared by every view, never saved.
extern int g_nCoordFormat;

enum ECoordKind : int { kLatitude = 0, kLongitude = 1 };

// Leaves text unchanged when the notation is none of the three.
void FormatCoordinate(double value, std::string& text, int kind);
std::string FormatCoordinate(double value, int kind);

struct CCoordinateParts {
    std::string m_strHemisphere;
    int m_nDegrees = 0;
    double m_dMinutes = 0.0; // decimal degrees in notation 2
    int m_nSeconds = 0;
};

// Takes apart a text that FormatCoordinate produced in the current notation.
CCoordinateParts SplitCoordinate(const std::string& text);
