// SPDX-License-Identifier: GPL-3.0-or-later
// Composing a frame's picture from Web Mercator tiles: which tiles a frame
// needs, and the picture sampled bilinearly from them.
#pragma once

#include "tilemath.h"

#include <QImage>

#include <cstdint>
#include <functional>
#include <vector>

struct CTileKey {
    int z = 0, x = 0, y = 0;
    bool operator==(const CTileKey&) const = default;
    std::uint64_t Packed() const {
        return (std::uint64_t(z) << 56) | (std::uint64_t(std::uint32_t(x)) << 28) |
               std::uint64_t(std::uint32_t(y) & 0x0FFFFFFF);
    }
};

// The tiles under a frame, row by row.
std::vector<CTileKey> TilesOfFrame(const CFrameTileMap& map);

// A tile as it is held: 256 x 256, premultiplied ARGB32; null when absent.
using TileLookup = std::function<const QImage*(const CTileKey&)>;
inline constexpr int kParentLevels = 4;

// The frame's picture; a missing tile is drawn from its nearest ancestor up to
// kParentLevels up, enlarged, else left transparent (the map's background).
QImage ComposeFrame(const CFrameTileMap& map, const TileLookup& lookup);
