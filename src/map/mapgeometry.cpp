// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapgeometry.h"

#include "numtext.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

int Trunc(double v) {
    return SaturatingInt(v);
}

} // namespace

double MetresPerPixel(int scale) {
    const int shift = std::clamp(scale, kMinScale, kMaxFittedScale) - 8;
    return 0.25 * static_cast<double>(std::int64_t(1) << shift);
}

void GeoToClient(const CMapFrame& f, const COuterRect& r, double lat, double lon, int& x, int& y) {
    const double m = MetresPerPixel(f.m_nScale);
    const double kx = kMetresPerDegreeLon / m, ky = kMetresPerDegreeLat / m;
    x = Trunc(static_cast<double>(r.Cx()) - (f.m_dCenterLon - lon) * kx);
    y = Trunc(static_cast<double>(r.Cy()) - (lat - f.m_dCenterLat) * ky);
}

void ClientToGeo(const CMapFrame& f, const COuterRect& r, int x, int y, double& lat, double& lon) {
    const double m = MetresPerPixel(f.m_nScale);
    const double kx = kMetresPerDegreeLon / m, ky = kMetresPerDegreeLat / m;
    lon = f.m_dCenterLon - static_cast<double>(r.Cx() - x) / kx;
    lat = f.m_dCenterLat + static_cast<double>(r.Cy() - y) / ky;
}

int FitScale(double latSpan, double lonSpan, int outerWidth, int outerHeight) {
    if (outerHeight <= 20 || outerWidth <= 20)
        return kMaxScale;
    const double r = std::max(std::fabs(latSpan * kMetresPerDegreeLat) / (outerHeight - 20),
                              std::fabs(lonSpan * kMetresPerDegreeLon) / (outerWidth - 20));
    for (int s = kMinScale; s < kMaxFittedScale; ++s)
        if (MetresPerPixel(s) >= r)
            return s;
    return kMaxFittedScale; // also for a span that is not a number
}

void FitFrame(CMapFrame& f, const COuterRect& r, double maxLat, double minLat, double maxLon,
              double minLon) {
    f.m_dCenterLon = minLon + (maxLon - minLon) * 0.5;
    f.m_dCenterLat = minLat + (maxLat - minLat) * 0.5;
    f.m_nScale = FitScale(maxLat - minLat, maxLon - minLon, r.Width(), r.Height());
}

void RecenterAt(CMapFrame& f, const COuterRect& r, int x, int y) {
    ClientToGeo(f, r, x, y, f.m_dCenterLat, f.m_dCenterLon);
}

void ZoomInAt(CMapFrame& f, const COuterRect& r, int x, int y) {
    RecenterAt(f, r, x, y);
    if (f.m_nScale > kMinScale)
        --f.m_nScale;
}

void ZoomOutAt(CMapFrame& f, const COuterRect& r, int x, int y) {
    RecenterAt(f, r, x, y);
    if (f.m_nScale < kMaxScale)
        ++f.m_nScale;
}

int ThemeCode(int mapTheme, int scale) {
    switch (mapTheme) {
    case kThemeAerial: return 1;
    case kThemeTopo: return 2;
    case kThemeUrban: return 4;
    case kThemeAuto: return scale < 10 ? 4 : scale > 12 ? 2 : 1;
    default: return 0;
    }
}

std::string ScaleReadout(int scale, bool metric) {
    const double m = MetresPerPixel(scale);
    return metric ? StrFormat("%.3f km. (%d)", m * 0.1, scale)
                  : StrFormat("%.3f miles (%d)", m * 0.06214, scale);
}

std::string ImageRequestPath(int theme, int scale, double lon, double lat, int w, int h) {
    return StrFormat("GetImageArea.ashx?t=%d&s=%d&lon=%.4f&lat=%.4f&w=%d&h=%d", theme, scale, lon,
                     lat, w, h);
}
