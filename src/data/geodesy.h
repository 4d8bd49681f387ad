// SPDX-License-Identifier: GPL-3.0-or-later
// Distances and directions on the WGS84 ellipsoid, for the list's Distance
// and Direction columns.
#pragma once

inline constexpr double kMetresPerMile = 1609.344;

struct CGeodesicLeg {
    double m_dMetres = 0.0;  // along the geodesic
    double m_dBearing = 0.0; // initial bearing, degrees clockwise from north, [0, 360)
};

// The shortest way from point 1 to point 2. Latitudes beyond the poles count
// as the pole; a position that is not a number gives a leg of 0 metres.
CGeodesicLeg GeodesicLeg(double lat1, double lon1, double lat2, double lon2);

// The eight-point compass sector of a bearing: 0 North, 1 North East, ... 7
// North West, each 45 degrees wide and centred on its direction.
int CompassSector(double bearing);
