// SPDX-License-Identifier: GPL-3.0-or-later
// What a receiver that shows up as a USB drive says of itself in the device
// description at its root: its model, its id, and where it reads GPX files
// and writes the caches it visited.
#pragma once

#include <optional>
#include <string>
#include <string_view>

struct CDeviceDescription {
    std::string m_strModel; // "eTrex 32x"
    std::string m_strId;
    std::string m_strGpxFolder = "Garmin/GPX";                  // from the root
    std::string m_strVisitsFile = "Garmin/geocache_visits.txt"; // from the root
};

// Nothing when xml is no device description: broken, foreign, too deep, or
// declaring entities (no description needs them).
std::optional<CDeviceDescription> ReadDeviceDescription(std::string_view xml);
