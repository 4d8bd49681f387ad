// SPDX-License-Identifier: GPL-3.0-or-later
// A strip of equal-width images with a mask colour, like the list's icons.
#pragma once

#include <QImage>
#include <QPixmap>
#include <cstdint>
#include <vector>

class QPainter;

// How a waypoint's icon shows its cache's state.
enum class EIconLook : std::uint8_t {
    plain,
    found,    // a green tick over its lower right
    disabled, // grey
    archived  // grey, crossed out in red
};

class CWayEntry;
// The look of a waypoint's icon, from its cache's state.
EIconLook IconLook(const CWayEntry& entry);

class CImageList {
public:
    CImageList() = default;
    // Cuts strip into cells of width pixels; mask pixels become transparent.
    // A strip drawn at ratio device pixels per pixel has cells of width *
    // ratio device pixels, drawn width pixels wide.
    CImageList(const QImage& strip, int width, QColor mask, int ratio = 1);
    // The strip at path (NAME.png) as drawn for the screen: NAME@2x.png or
    // NAME@3x.png where a pixel takes more device pixels (dpr: the screen's
    // ratio, 0 for the application's).
    static CImageList FromStrip(const QString& path, int width, QColor mask, qreal dpr = 0);
    // The strip FromStrip uses, with its device pixel ratio set.
    static QImage LoadStrip(const QString& path, qreal dpr = 0);
    // The strip resource of the program (bitmap 138), 50 icons of 16 x 16.
    static CImageList FromResource(qreal dpr = 0);

    int Count() const { return static_cast<int>(m_images.size()); }
    QSize ImageSize() const { return m_size; }
    const QPixmap& Image(int index) const { return m_images[static_cast<std::size_t>(index)]; }
    bool IsNull() const { return m_images.empty(); }
    // Draws image index at (x, y) with look.
    void Draw(QPainter& p, int x, int y, int index, EIconLook look) const;

private:
    std::vector<QPixmap> m_images;
    mutable std::vector<QPixmap> m_grey; // made when first asked
    QSize m_size;
};
