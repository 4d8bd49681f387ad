// SPDX-License-Identifier: GPL-3.0-or-later
#include "rowtext.h"

#include "coordinate.h"
#include "geodesy.h"
#include "numtext.h"

#include <algorithm>

namespace {

constexpr std::array<const char*, kIconCount> kIconNames = {"Cross",
                                                            "Box",
                                                            "House",
                                                            "Aerial",
                                                            "Airport",
                                                            "Amusement",
                                                            "ATM",
                                                            "Auto Repair",
                                                            "Boating",
                                                            "Camping",
                                                            "Exit Ramp",
                                                            "First Aid",
                                                            "Nav Aid",
                                                            "Bouy",
                                                            "Fuel",
                                                            "Garden",
                                                            "Golf",
                                                            "Hotel",
                                                            "Hunt/Fish",
                                                            "Large City",
                                                            "Light House",
                                                            "Major City",
                                                            "Marina",
                                                            "Medium City",
                                                            "Museum",
                                                            "Obstruction",
                                                            "Park",
                                                            "Resort",
                                                            "Restaurant",
                                                            "Rock",
                                                            "Scuba",
                                                            "RV Resort",
                                                            "Shooting",
                                                            "Sight Seeing",
                                                            "Small City",
                                                            "Sounding",
                                                            "Sports Arena",
                                                            "Tourist Info",
                                                            "Truck Service",
                                                            "Winery",
                                                            "Wreck",
                                                            "Zoo",
                                                            "Traditional Cache",
                                                            "MultiCache",
                                                            "Virtual Cache",
                                                            "Letterbox Cache",
                                                            "Event Cache",
                                                            "Webcam Cache",
                                                            "Mystery Cache",
                                                            "Locationless Cache"};

constexpr std::array<const char*, 8> kDirectionNames = {
    "North", "North East", "East", "South East", "South", "South West", "West", "North West"};

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
    case 1: return entry.m_strName;
    case 2: return entry.m_strComment;
    case 3: return FormatCoordinate(entry.m_dLatitude, kLatitude);
    case 4: return FormatCoordinate(entry.m_dLongitude, kLongitude);
    case 5: return std::to_string(DisplayAltitude(entry.m_dAltitude, metric));
    case 6: return IconName(entry.m_nIcon);
    case 9: return entry.m_strAdditionalInfo;
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
