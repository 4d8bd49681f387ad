// SPDX-License-Identifier: GPL-3.0-or-later
#include "hovergrid.h"
#include "mapgeometry.h"
#include "wayentry.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace {

const COuterRect kView{-2, -2, 602, 402}; // a 600 x 400 client area with its border

// The level's pixels must be at least r metres, r being the larger of the
// two axes' needs: the fitted frame then holds every waypoint.
TEST(MapGeometry, FitScaleExamples) {
    struct Case {
        double r;
        int s;
    } cases[] = {{55.5, 16}, {64, 16}, {64.1, 17}, {1000, 20}, {4000, 22}, {0.01, kMinScale}};
    const int W = 620, H = 420;
    for (const auto& c : cases) {
        // r is metres per pixel over H - 20 rows, or over W - 20 columns.
        const double latSpan = c.r * (H - 20) / kMetresPerDegreeLat;
        const double lonSpan = c.r * (W - 20) / kMetresPerDegreeLon;
        EXPECT_EQ(FitScale(latSpan, 0, W, H), c.s) << c.r;
        EXPECT_EQ(FitScale(0, -lonSpan, W, H), c.s) << c.r;
        EXPECT_EQ(FitScale(latSpan / 2, lonSpan, W, H), c.s) << c.r;
    }
    EXPECT_EQ(FitScale(1.0, 1.0, 600, 20), kMaxScale); // no rows to fit into
    EXPECT_EQ(FitScale(1.0, 1.0, 20, 400), kMaxScale);
    EXPECT_EQ(FitScale(1e9, 0, 600, 400), kMaxFittedScale);
    EXPECT_EQ(FitScale(std::nan(""), 0, 600, 400), kMaxFittedScale);
}

// Twenty caches across Texas: the fitted frame shows every one.
TEST(MapGeometry, FittedFrameHoldsEveryWaypoint) {
    const double lats[] = {25.9, 36.4, 29.8, 31.1, 33.5}, lons[] = {-106.5, -93.6, -97.7, -100.2};
    CMapFrame f;
    FitFrame(f, kView, 36.4, 25.9, -93.6, -106.5);
    for (double lat : lats)
        for (double lon : lons) {
            int x = 0, y = 0;
            GeoToClient(f, kView, lat, lon, x, y);
            EXPECT_TRUE(x >= kView.L && x <= kView.R && y >= kView.T && y <= kView.B)
                << lat << "," << lon << " at level " << f.m_nScale;
        }
}

TEST(MapGeometry, OneWaypointIsCentred) {
    CMapFrame f;
    FitFrame(f, kView, 47.125, 46.875, -121.875, -122.125);
    EXPECT_DOUBLE_EQ(f.m_dCenterLat, 47.0);
    EXPECT_DOUBLE_EQ(f.m_dCenterLon, -122.0);
    EXPECT_EQ(f.m_nScale, FitScale(0.25, 0.25, kView.Width(), kView.Height()));
    int x = 0, y = 0;
    GeoToClient(f, kView, 47.0, -122.0, x, y);
    EXPECT_EQ(x, kView.Cx());
    EXPECT_EQ(y, kView.Cy());
    double lat = 0, lon = 0;
    ClientToGeo(f, kView, kView.Cx(), kView.Cy(), lat, lon);
    EXPECT_EQ(lat, 47.0);
    EXPECT_EQ(lon, -122.0);
}

TEST(MapGeometry, ALongitudeDegreeIsTheSameEverywhere) {
    for (double lat : {0.0, 45.0, 70.0}) {
        for (int s : {8, 15, 20}) {
            const CMapFrame f{s, 10.0, lat};
            int x0 = 0, x1 = 0, y = 0;
            GeoToClient(f, kView, lat, 10.0, x0, y);
            GeoToClient(f, kView, lat, 11.0, x1, y);
            EXPECT_EQ(x1 - x0, static_cast<int>(kMetresPerDegreeLon / MetresPerPixel(s)))
                << lat << " " << s;
        }
    }
}

TEST(MapGeometry, ZoomLimitsStillRecentre) {
    CMapFrame f{8, 5.0, 5.0};
    ZoomInAt(f, kView, 100, 100);
    EXPECT_EQ(f.m_nScale, 8);
    EXPECT_NE(f.m_dCenterLon, 5.0);
    CMapFrame g{30, 5.0, 5.0};
    ZoomOutAt(g, kView, kView.Cx(), kView.Cy());
    EXPECT_EQ(g.m_nScale, 30);
    EXPECT_EQ(g.m_dCenterLon, 5.0);
    CMapFrame h{15, 5.0, 5.0};
    ZoomInAt(h, kView, kView.Cx() + 100, kView.Cy());
    EXPECT_EQ(h.m_nScale, 14);
    // The new centre was computed with the old scale.
    EXPECT_DOUBLE_EQ(h.m_dCenterLon, 5.0 + 100 / (kMetresPerDegreeLon / MetresPerPixel(15)));
}

TEST(MapGeometry, ThemesAndReadout) {
    EXPECT_EQ(ThemeCode(kThemeAuto, 9), 4);
    EXPECT_EQ(ThemeCode(kThemeAuto, 10), 1);
    EXPECT_EQ(ThemeCode(kThemeAuto, 11), 1);
    EXPECT_EQ(ThemeCode(kThemeAuto, 12), 1);
    EXPECT_EQ(ThemeCode(kThemeAuto, 13), 2);
    EXPECT_EQ(ThemeCode(kThemeAuto, 16), 2);
    EXPECT_EQ(ThemeCode(kThemeAerial, 16), 1);
    EXPECT_EQ(ThemeCode(kThemeTopo, 9), 2);
    EXPECT_EQ(ThemeCode(kThemeUrban, 13), 4);
    EXPECT_EQ(ThemeCode(kThemeOff, 13), 0);
    EXPECT_EQ(ScaleReadout(16, true), "6.400 km. (16)");
    EXPECT_EQ(ScaleReadout(16, false), "3.977 miles (16)");
    EXPECT_EQ(ImageRequestPath(1, 16, -122.654321, 47.123456, 604, 404),
              "GetImageArea.ashx?t=1&s=16&lon=-122.6543&lat=47.1235&w=604&h=404");
}

} // namespace

// The grid finds what a look at every waypoint finds: the first in list order
// whose icon box holds the point, crowded or alone, inside the view or at its
// edges.
TEST(HoverGrid, FindsWhatAScanOfEveryWaypointFinds) {
    const CMapFrame frame{14, -122.0, 47.5};
    std::mt19937 rng(11);
    std::uniform_real_distribution<double> lat(47.45, 47.55), lon(-122.1, -121.9);
    std::vector<std::unique_ptr<CWayEntry>> entries;
    for (int i = 0; i < 3000; ++i)
        entries.push_back(std::make_unique<CWayEntry>("W", "", lat(rng), lon(rng), 0, 0, 1));
    for (int i = 0; i < 5; ++i) // a pile on one spot: the first of them wins
        entries.push_back(std::make_unique<CWayEntry>("P", "", 47.5, -122.0, 0, 0, 1));
    CHoverGrid grid;
    grid.Build(entries, frame, kView);
    std::uniform_int_distribution<int> px(0, 599), py(0, 399); // where the mouse can be
    int hits = 0;
    for (int i = 0; i < 4000; ++i) {
        const int x = i == 0 ? kView.Cx() : px(rng), y = i == 0 ? kView.Cy() : py(rng);
        std::optional<std::size_t> scanned;
        for (std::size_t e = 0; e < entries.size() && !scanned; ++e) {
            int ex = 0, ey = 0;
            GeoToClient(frame, kView, entries[e]->m_dLatitude, entries[e]->m_dLongitude, ex, ey);
            if (x >= ex - 8 && x < ex + 8 && y >= ey - 8 && y < ey + 8)
                scanned = e;
        }
        const auto hit = grid.At(x, y);
        ASSERT_EQ(hit.has_value(), scanned.has_value()) << x << "," << y;
        if (hit) {
            EXPECT_EQ(hit->m_nIndex, *scanned) << x << "," << y;
            ++hits;
        }
    }
    EXPECT_GT(hits, 1000); // the case is not one of empty space
}
