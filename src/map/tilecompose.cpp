// SPDX-License-Identifier: GPL-3.0-or-later
#include "tilecompose.h"

#include <algorithm>
#include <cmath>

namespace {

// One axis of the sampling: the two neighbouring tile pixels and the weight
// of the second (0..256), per column or per row.
struct CAxisSample {
    int tile0, pixel0, tile1, pixel1;
    std::uint32_t weight;
    bool valid;
};

CAxisSample Sample(double at, int world, bool wraps) {
    if (std::isnan(at))
        return {0, 0, 0, 0, 0, false};
    const double centre = at - 0.5;
    int p0 = static_cast<int>(std::floor(centre));
    const auto weight = static_cast<std::uint32_t>(std::lround((centre - p0) * 256));
    int p1 = p0 + 1;
    if (wraps) {
        p0 = (p0 % world + world) % world;
        p1 = p1 % world;
    } else {
        p0 = std::clamp(p0, 0, world - 1);
        p1 = std::clamp(p1, 0, world - 1);
    }
    return {p0 / kTileSize, p0 % kTileSize, p1 / kTileSize, p1 % kTileSize, weight, true};
}

std::uint32_t Lerp(std::uint32_t a, std::uint32_t b, std::uint32_t t) {
    const std::uint32_t s = 256 - t;
    const std::uint32_t rb = (((a & 0x00FF00FF) * s + (b & 0x00FF00FF) * t) >> 8) & 0x00FF00FF;
    const std::uint32_t ag =
        (((a >> 8) & 0x00FF00FF) * s + ((b >> 8) & 0x00FF00FF) * t) & 0xFF00FF00;
    return rb | ag;
}

// The distinct tile numbers of an axis, and each sample's place among them.
std::vector<int> Distinct(const std::vector<CAxisSample>& samples) {
    std::vector<int> tiles;
    for (const CAxisSample& s : samples)
        if (s.valid)
            for (int t : {s.tile0, s.tile1})
                if (std::find(tiles.begin(), tiles.end(), t) == tiles.end())
                    tiles.push_back(t);
    return tiles;
}

int IndexOf(const std::vector<int>& tiles, int t) {
    return static_cast<int>(std::find(tiles.begin(), tiles.end(), t) - tiles.begin());
}

// The tile itself, or the quarter of an ancestor that covers it, enlarged.
const QImage* TileOrAncestor(const CTileKey& key, const TileLookup& lookup,
                             std::vector<QImage>& made) {
    if (const QImage* tile = lookup(key))
        return tile;
    for (int up = 1; up <= kParentLevels && up <= key.z; ++up) {
        const QImage* parent = lookup({key.z - up, key.x >> up, key.y >> up});
        if (!parent)
            continue;
        const int part = kTileSize >> up, mask = (1 << up) - 1;
        made.push_back(
            parent->copy((key.x & mask) * part, (key.y & mask) * part, part, part)
                .scaled(kTileSize, kTileSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                .convertToFormat(QImage::Format_ARGB32_Premultiplied));
        return &made.back();
    }
    return nullptr;
}

} // namespace

std::vector<CTileKey> TilesOfFrame(const CFrameTileMap& map) {
    const int world = kTileSize << map.m_nZoom;
    std::vector<CAxisSample> columns, rows;
    for (double x : map.m_columnX)
        columns.push_back(Sample(x, world, true));
    for (double y : map.m_rowY)
        rows.push_back(Sample(y, world, false));
    std::vector<CTileKey> keys;
    for (int ty : Distinct(rows))
        for (int tx : Distinct(columns))
            keys.push_back({map.m_nZoom, tx, ty});
    return keys;
}

QImage ComposeFrame(const CFrameTileMap& map, const TileLookup& lookup) {
    const int w = static_cast<int>(map.m_columnX.size()), h = static_cast<int>(map.m_rowY.size());
    QImage out(std::max(1, w), std::max(1, h), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    const int world = kTileSize << map.m_nZoom;
    std::vector<CAxisSample> columns(static_cast<std::size_t>(w)),
        rows(static_cast<std::size_t>(h));
    for (int i = 0; i < w; ++i)
        columns[std::size_t(i)] = Sample(map.m_columnX[std::size_t(i)], world, true);
    for (int j = 0; j < h; ++j)
        rows[std::size_t(j)] = Sample(map.m_rowY[std::size_t(j)], world, false);
    const std::vector<int> tileXs = Distinct(columns), tileYs = Distinct(rows);
    const std::size_t nx = tileXs.size();
    // Reserved up front: the grid keeps pointers into it.
    std::vector<QImage> made;
    made.reserve(nx * tileYs.size());
    std::vector<const QImage*> grid(nx * tileYs.size());
    for (std::size_t gy = 0; gy < tileYs.size(); ++gy)
        for (std::size_t gx = 0; gx < nx; ++gx)
            grid[gy * nx + gx] =
                TileOrAncestor({map.m_nZoom, tileXs[gx], tileYs[gy]}, lookup, made);
    // Per column: the grid columns and pixels of its two samples.
    std::vector<int> g0(static_cast<std::size_t>(w)), g1(static_cast<std::size_t>(w));
    for (int i = 0; i < w; ++i) {
        g0[std::size_t(i)] = IndexOf(tileXs, columns[std::size_t(i)].tile0);
        g1[std::size_t(i)] = IndexOf(tileXs, columns[std::size_t(i)].tile1);
    }
    std::vector<const std::uint32_t*> line0(nx), line1(nx);
    for (int j = 0; j < h; ++j) {
        const CAxisSample& r = rows[std::size_t(j)];
        if (!r.valid)
            continue;
        const std::size_t gy0 = std::size_t(IndexOf(tileYs, r.tile0)),
                          gy1 = std::size_t(IndexOf(tileYs, r.tile1));
        for (std::size_t g = 0; g < nx; ++g) {
            const QImage* a = grid[gy0 * nx + g];
            const QImage* b = grid[gy1 * nx + g];
            line0[g] =
                a ? reinterpret_cast<const std::uint32_t*>(a->constScanLine(r.pixel0)) : nullptr;
            line1[g] =
                b ? reinterpret_cast<const std::uint32_t*>(b->constScanLine(r.pixel1)) : nullptr;
        }
        auto* dst = reinterpret_cast<std::uint32_t*>(out.scanLine(j));
        for (int i = 0; i < w; ++i) {
            const CAxisSample& c = columns[std::size_t(i)];
            const std::size_t a = std::size_t(g0[std::size_t(i)]),
                              b = std::size_t(g1[std::size_t(i)]);
            const std::uint32_t p00 = line0[a] ? line0[a][c.pixel0] : 0,
                                p01 = line0[b] ? line0[b][c.pixel1] : 0,
                                p10 = line1[a] ? line1[a][c.pixel0] : 0,
                                p11 = line1[b] ? line1[b][c.pixel1] : 0;
            dst[i] = Lerp(Lerp(p00, p01, c.weight), Lerp(p10, p11, c.weight), r.weight);
        }
    }
    return out;
}
