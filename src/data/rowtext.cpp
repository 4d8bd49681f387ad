// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowtext.h"

#include "coordinate.h"
#include "geodesy.h"
#include "numtext.h"
#include "res/translate.h"

#include <algorithm>

namespace {

// Shown translated in the windows, as written on the command line and in files.
constexpr std::array<const char*, kIconCount> kIconNames = {
    TRANSLATE_NOOP("res", "Cross"),
    TRANSLATE_NOOP("res", "Box"),
    TRANSLATE_NOOP("res", "House"),
    TRANSLATE_NOOP("res", "Aerial"),
    TRANSLATE_NOOP("res", "Airport"),
    TRANSLATE_NOOP("res", "Amusement"),
    TRANSLATE_NOOP("res", "ATM"),
    TRANSLATE_NOOP("res", "Auto Repair"),
    TRANSLATE_NOOP("res", "Boating"),
    TRANSLATE_NOOP("res", "Camping"),
    TRANSLATE_NOOP("res", "Exit Ramp"),
    TRANSLATE_NOOP("res", "First Aid"),
    TRANSLATE_NOOP("res", "Nav Aid"),
    TRANSLATE_NOOP("res", "Bouy"),
    TRANSLATE_NOOP("res", "Fuel"),
    TRANSLATE_NOOP("res", "Garden"),
    TRANSLATE_NOOP("res", "Golf"),
    TRANSLATE_NOOP("res", "Hotel"),
    TRANSLATE_NOOP("res", "Hunt/Fish"),
    TRANSLATE_NOOP("res", "Large City"),
    TRANSLATE_NOOP("res", "Light House"),
    TRANSLATE_NOOP("res", "Major City"),
    TRANSLATE_NOOP("res", "Marina"),
    TRANSLATE_NOOP("res", "Medium City"),
    TRANSLATE_NOOP("res", "Museum"),
    TRANSLATE_NOOP("res", "Obstruction"),
    TRANSLATE_NOOP("res", "Park"),
    TRANSLATE_NOOP("res", "Resort"),
    TRANSLATE_NOOP("res", "Restaurant"),
    TRANSLATE_NOOP("res", "Rock"),
    TRANSLATE_NOOP("res", "Scuba"),
    TRANSLATE_NOOP("res", "RV Resort"),
    TRANSLATE_NOOP("res", "Shooting"),
    TRANSLATE_NOOP("res", "Sight Seeing"),
    TRANSLATE_NOOP("res", "Small City"),
    TRANSLATE_NOOP("res", "Sounding"),
    TRANSLATE_NOOP("res", "Sports Arena"),
    TRANSLATE_NOOP("res", "Tourist Info"),
    TRANSLATE_NOOP("res", "Truck Service"),
    TRANSLATE_NOOP("res", "Winery"),
    TRANSLATE_NOOP("res", "Wreck"),
    TRANSLATE_NOOP("res", "Zoo"),
    TRANSLATE_NOOP("res", "Traditional Cache"),
    TRANSLATE_NOOP("res", "MultiCache"),
    TRANSLATE_NOOP("res", "Virtual Cache"),
    TRANSLATE_NOOP("res", "Letterbox Cache"),
    TRANSLATE_NOOP("res", "Event Cache"),
    TRANSLATE_NOOP("res", "Webcam Cache"),
    TRANSLATE_NOOP("res", "Mystery Cache"),
    TRANSLATE_NOOP("res", "Locationless Cache")};

constexpr std::array<const char*, 8> kDirectionNames = {
    TRANSLATE_NOOP("res", "North"), TRANSLATE_NOOP("res", "North East"),
    TRANSLATE_NOOP("res", "East"),  TRANSLATE_NOOP("res", "South East"),
    TRANSLATE_NOOP("res", "South"), TRANSLATE_NOOP("res", "South West"),
    TRANSLATE_NOOP("res", "West"),  TRANSLATE_NOOP("res", "North West")};

} // namespace

std::string IconName(int icon) {
    if (icon >= 0 && icon < kIconCount)
        return kIconNames[static_cast<std::size_t>(icon)];
    return StrFormat("%d", icon);
}

std::string DirectionName(int direction) {
    if (direction >= 0 && direction < 8)
        return kDirectionNames[static_cast<std::size_t>(direction)];
    return std::string();
}

int DisplayAltitude(double metres, bool metric) {
    return SaturatingInt(metric ? metres : metres * kFeetPerMetre);
}

std::string RowCellText(const CWayEntry& entry, int index, int column, bool metric,
                        const CLeg& leg) {
    switch (column) {
    case 0: return std::to_string(index);
    case 1: return entry.m_strName.str();
    case 2: return entry.m_strComment.str();
    case 3: return FormatCoordinate(entry.m_dLatitude, kLatitude);
    case 4: return FormatCoordinate(entry.m_dLongitude, kLongitude);
    case 5: return std::to_string(DisplayAltitude(entry.m_dAltitude, metric));
    case 6: return IconName(entry.m_nIcon);
    case 9: return entry.m_strAdditionalInfo.str();
    case 10: {
        std::string text;
        AppendFixed(text, leg.m_dMetres / (metric ? 1000.0 : kMetresPerMile), 2);
        return text;
    }
    case 11: return DirectionName(leg.m_nDirection);
    default: return std::string(); // the two check boxes
    }
}

std::array<std::string, kColumnCount> RowCellTexts(const CWayEntry& entry, int index, bool metric,
                                                   const CLeg& leg) {
    std::array<std::string, kColumnCount> cells;
    for (int c = 0; c < kColumnCount; ++c)
        cells[static_cast<std::size_t>(c)] = RowCellText(entry, index, c, metric, leg);
    return cells;
}
