// SPDX-License-Identifier: GPL-3.0-or-later
// Development tiles whose colours say where each pixel is: red is the pixel's
// column inside its tile, green its row, blue tells the theme and the tile's
// parity. With the zoom and a rough position known, any map pixel reads back
// as a position to the pixel.
#pragma once

#include <QImage>
#include <QString>

QImage PatternTile(int theme, int z, int x, int y);
// The global tile pixel a pattern colour stands for, taking the candidate
// nearest to the tile pixel (nearX, nearY) the reader expected.
void DecodePattern(QRgb colour, double nearX, double nearY, double& x, double& y);

// Writes an MBTiles file of pattern tiles (PNG, the aerial theme) for zooms
// minZoom..maxZoom over the box; false when it could not be written.
bool WritePatternMbTiles(const QString& path, int minZoom, int maxZoom, double minLat,
                         double minLon, double maxLat, double maxLon);
