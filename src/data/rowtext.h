// SPDX-License-Identifier: GPL-3.0-or-later
// The texts a waypoint shows in the list's cells, shared by the list face and
// the command-line tool.
#pragma once

#include "distances.h"
#include "wayentry.h"

#include <array>
#include <string>

inline constexpr int kIconCount = 50;
inline constexpr int kColumnCount = 12;
inline constexpr double kFeetPerMetre = 3.280839895013123;

// The icon's name, or its number for values beyond the table.
std::string IconName(int icon);
// Empty for codes outside 0..7.
std::string DirectionName(int direction);
// Whole feet or metres, truncated toward zero.
int DisplayAltitude(double metres, bool metric);

// One cell of RowCellTexts, made alone: a list of a million rows makes only
// the cells it draws or sorts by.
std::string RowCellText(const CWayEntry& entry, int index, int column, bool metric,
                        const CLeg& leg = {});
// Cells 0..11 of a row: index, name, comment, latitude, longitude, altitude,
// icon name, "" (geocache box), "" (visible box), additional info, and the
// leg's distance and direction.
std::array<std::string, kColumnCount> RowCellTexts(const CWayEntry& entry, int index, bool metric,
                                                   const CLeg& leg = {});
