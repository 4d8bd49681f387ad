// SPDX-License-Identifier: GPL-3.0-or-later
// The map's projection: a frame is a centre and a scale level s, one pixel
// covering 0.25 * 2^(s-8) metres, with fixed metres per degree everywhere.
// No window needed: the view, the imagery and the development server share it.
#pragma once

#include <string>

inline constexpr double kMetresPerDegreeLat = 111073.0;
inline constexpr double kMetresPerDegreeLon = 82851.0;
inline constexpr int kMinScale = 8;
inline constexpr int kMaxScale = 30;
inline constexpr int kMaxFittedScale = 38; // the largest level whose pixel size is computable
inline constexpr int kMaxImageryScale = 20;

// The view's outer rectangle in its own client coordinates (border included).
struct COuterRect {
    int L = 0, T = 0, R = 0, B = 0;
    int Width() const { return R - L; }
    int Height() const { return B - T; }
    int Cx() const { return R / 2; }
    int Cy() const { return B / 2; }
};

struct CMapFrame {
    int m_nScale = 15;
    double m_dCenterLon = 0.0;
    double m_dCenterLat = 0.0;
};

double MetresPerPixel(int scale);
void GeoToClient(const CMapFrame& f, const COuterRect& r, double lat, double lon, int& x, int& y);
void ClientToGeo(const CMapFrame& f, const COuterRect& r, int x, int y, double& lat, double& lon);

// The smallest scale level whose pixels are large enough to fit both the
// latitude span into the outer height and the longitude span into the outer
// width, each less 20 pixels; no room (20 or less) gives kMaxScale, fits
// beyond kMaxFittedScale give it.
int FitScale(double latSpan, double lonSpan, int outerWidth, int outerHeight);
void FitFrame(CMapFrame& f, const COuterRect& r, double maxLat, double minLat, double maxLon,
              double minLon);

void RecenterAt(CMapFrame& f, const COuterRect& r, int x, int y);
void ZoomInAt(CMapFrame& f, const COuterRect& r, int x, int y);
void ZoomOutAt(CMapFrame& f, const COuterRect& r, int x, int y);

// Mapping modes, as their command numbers.
enum : int {
    kThemeAuto = 32833,
    kThemeAerial = 32834,
    kThemeTopo = 32835,
    kThemeUrban = 32836,
    kThemeOff = 32844
};
// 1 aerial, 2 topographic, 4 urban; 0 when nothing is to be requested.
int ThemeCode(int mapTheme, int scale);

// "%.3f km. (%d)" or "%.3f miles (%d)": what the 100-pixel bar stands for.
std::string ScaleReadout(int scale, bool metric);
// Path and query of the picture of a frame of w x h pixels.
std::string ImageRequestPath(int theme, int scale, double lon, double lat, int w, int h);
