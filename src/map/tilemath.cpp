// SPDX-License-Identifier: GPL-3.0-or-later
#include "tilemath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

double WorldPixels(int z) {
    return kTileSize * std::ldexp(1.0, z);
}

// Web Mercator's metres per pixel at the equator for zoom 0.
constexpr double kEquatorMetresPerPixel = 2 * std::numbers::pi * 6378137.0 / kTileSize;

void Replace(std::string& s, const std::string& key, const std::string& value) {
    for (std::size_t at = s.find(key); at != std::string::npos; at = s.find(key, at + value.size()))
        s.replace(at, key.size(), value);
}

} // namespace

double MercatorX(double lon, int z) {
    return (lon + 180.0) / 360.0 * WorldPixels(z);
}

double MercatorY(double lat, int z) {
    const double phi =
        std::clamp(lat, -kMaxMercatorLatitude, kMaxMercatorLatitude) * std::numbers::pi / 180.0;
    return (1.0 - std::asinh(std::tan(phi)) / std::numbers::pi) / 2.0 * WorldPixels(z);
}

double MercatorLon(double x, int z) {
    return x / WorldPixels(z) * 360.0 - 180.0;
}

double MercatorLat(double y, int z) {
    const double n = std::numbers::pi * (1.0 - 2.0 * y / WorldPixels(z));
    return std::atan(std::sinh(n)) * 180.0 / std::numbers::pi;
}

int TileZoomFor(double metresPerPixel, double centreLat, int maxZoom) {
    const double cosLat =
        std::max(0.01, std::cos(std::clamp(centreLat, -kMaxMercatorLatitude, kMaxMercatorLatitude) *
                                std::numbers::pi / 180.0));
    int z = 0;
    while (z < std::min(maxZoom, kMaxTileZoom) &&
           kEquatorMetresPerPixel * cosLat / std::ldexp(1.0, z) > metresPerPixel)
        ++z;
    return z;
}

std::string ExpandTileUrl(const std::string& urlTemplate, int z, int x, int y) {
    std::string url = urlTemplate;
    Replace(url, "{z}", std::to_string(z));
    Replace(url, "{x}", std::to_string(x));
    Replace(url, "{-y}", std::to_string((1 << z) - 1 - y));
    Replace(url, "{y}", std::to_string(y));
    return url;
}

double ColumnLongitude(const CMapFrame& frame, const COuterRect& outer, double x) {
    const double kx = kMetresPerDegreeLon / MetresPerPixel(frame.m_nScale);
    return frame.m_dCenterLon - (outer.Cx() - x) / kx;
}

double RowLatitude(const CMapFrame& frame, const COuterRect& outer, double y) {
    const double ky = kMetresPerDegreeLat / MetresPerPixel(frame.m_nScale);
    return frame.m_dCenterLat + (outer.Cy() - y) / ky;
}

CFrameTileMap MapFrameToTiles(const CMapFrame& frame, const COuterRect& outer, int zoom) {
    CFrameTileMap map;
    map.m_nZoom = zoom;
    const int w = std::max(0, outer.Width()), h = std::max(0, outer.Height());
    map.m_columnX.resize(static_cast<std::size_t>(w));
    map.m_rowY.resize(static_cast<std::size_t>(h));
    const double world = WorldPixels(zoom);
    for (int i = 0; i < w; ++i) {
        double x = MercatorX(ColumnLongitude(frame, outer, outer.L + i + 0.5), zoom);
        x = std::fmod(x, world); // round the world east and west
        map.m_columnX[static_cast<std::size_t>(i)] = x < 0 ? x + world : x;
    }
    for (int j = 0; j < h; ++j) {
        const double lat = RowLatitude(frame, outer, outer.T + j + 0.5);
        map.m_rowY[static_cast<std::size_t>(j)] =
            std::fabs(lat) > kMaxMercatorLatitude ? std::nan("") : MercatorY(lat, zoom);
    }
    return map;
}
