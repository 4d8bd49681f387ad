// SPDX-License-Identifier: GPL-3.0-or-later
#include "geodesy.h"

#include <GeographicLib/Geodesic.hpp>

#include <algorithm>
#include <cmath>

CGeodesicLeg GeodesicLeg(double lat1, double lon1, double lat2, double lon2) {
    if (!std::isfinite(lat1) || !std::isfinite(lon1) || !std::isfinite(lat2) ||
        !std::isfinite(lon2))
        return {};
    lat1 = std::clamp(lat1, -90.0, 90.0);
    lat2 = std::clamp(lat2, -90.0, 90.0);
    double metres = 0, azi1 = 0, azi2 = 0;
    GeographicLib::Geodesic::WGS84().Inverse(lat1, lon1, lat2, lon2, metres, azi1, azi2);
    if (!std::isfinite(metres) || !std::isfinite(azi1))
        return {};
    double bearing = std::fmod(azi1, 360.0);
    if (bearing < 0)
        bearing += 360.0;
    return {metres, bearing};
}

int CompassSector(double bearing) {
    if (!std::isfinite(bearing))
        return 0;
    const double b = std::fmod(std::fmod(bearing, 360.0) + 360.0 + 22.5, 360.0);
    return std::clamp(static_cast<int>(b / 45.0), 0, 7);
}
