// SPDX-License-Identifier: GPL-3.0-or-later
// Web Mercator tile arithmetic, and how a frame of the map's own projection
// (fixed metres per degree) maps onto tile pixels. No window needed.
#pragma once

#include "mapgeometry.h"

#include <string>
#include <vector>

inline constexpr int kTileSize = 256;
inline constexpr double kMaxMercatorLatitude = 85.05112877980659;
inline constexpr int kMaxTileZoom = 22; // tile pixels of the whole world still fit an int

// Global tile-pixel coordinates at zoom z, and back.
double MercatorX(double lon, int z);
double MercatorY(double lat, int z);
double MercatorLon(double x, int z);
double MercatorLat(double y, int z);

// The zoom whose pixels are at most the frame's metres per pixel at its
// centre latitude, so tiles are shrunk rather than blown up; capped at
// maxZoom (deeper frames enlarge the deepest tiles).
int TileZoomFor(double metresPerPixel, double centreLat, int maxZoom);

// {z}, {x}, {y} and {-y} (the TMS row) of a URL template.
std::string ExpandTileUrl(const std::string& urlTemplate, int z, int x, int y);

// Where each column and each row of a w x h frame picture falls in global
// tile pixels at zoom z: longitude is linear in the column and latitude in
// the row, so the mapping is computed per column and per row. Picture pixel
// (i, j) is client pixel (outer.L + i, outer.T + j), sampled at its centre.
struct CFrameTileMap {
    int m_nZoom = 0;
    std::vector<double> m_columnX; // tile-pixel x of each column
    std::vector<double> m_rowY;    // tile-pixel y of each row (NaN beyond Mercator's reach)
};
CFrameTileMap MapFrameToTiles(const CMapFrame& frame, const COuterRect& outer, int zoom);

// The longitude of a client column's centre and the latitude of a row's.
double ColumnLongitude(const CMapFrame& frame, const COuterRect& outer, double x);
double RowLatitude(const CMapFrame& frame, const COuterRect& outer, double y);
