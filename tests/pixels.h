// SPDX-License-Identifier: GPL-3.0-or-later
// Counting pixels of grabbed widgets, shared by the GUI tests.
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <functional>

// Pixels of area (clipped to the image) for which pred holds.
inline int CountPixels(const QImage& img, QRect area, const std::function<bool(QColor)>& pred) {
    area = area.intersected(img.rect());
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            n += pred(img.pixelColor(x, y));
    return n;
}

// Pixels of exactly colour c (palette colours may differ below 8 bits, so by RGB).
inline int CountColor(const QImage& img, const QRect& area, const QColor& c) {
    return CountPixels(img, area, [rgb = c.rgb()](QColor k) { return k.rgb() == rgb; });
}

// Dark pixels: text and lines.
inline int CountInk(const QImage& img, const QRect& area, int below = 90) {
    return CountPixels(img, area, [below](QColor k) { return qGray(k.rgb()) < below; });
}

// The smallest rectangle holding every dark pixel of area; empty when none.
inline QRect InkBounds(const QImage& img, QRect area, int below = 60) {
    area = area.intersected(img.rect());
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(img.pixel(x, y)) < below)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Aligned 2 x 2 blocks of area whose four pixels differ: zero where a picture
// was drawn at one device pixel per pixel and then doubled, many where it was
// drawn at two.
inline int FineBlocks(const QImage& img, QRect area) {
    area = area.intersected(img.rect());
    int n = 0;
    for (int y = area.top() & ~1; y + 1 <= area.bottom(); y += 2)
        for (int x = area.left() & ~1; x + 1 <= area.right(); x += 2) {
            const QRgb c = img.pixel(x, y);
            n += img.pixel(x + 1, y) != c || img.pixel(x, y + 1) != c ||
                 img.pixel(x + 1, y + 1) != c;
        }
    return n;
}
