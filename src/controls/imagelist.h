// SPDX-License-Identifier: GPL-3.0-or-later
// A strip of equal-width images with a mask colour, like the list's icons.
#pragma once

#include <QImage>
#include <QPixmap>
#include <vector>

class CImageList {
public:
    CImageList() = default;
    // Cuts strip into cells of width pixels; mask pixels become transparent.
    CImageList(const QImage& strip, int width, QColor mask);
    // The strip resource of the program (bitmap 138), 50 icons of 16 x 16.
    static CImageList FromResource();

    int Count() const { return static_cast<int>(m_images.size()); }
    QSize ImageSize() const { return m_size; }
    const QPixmap& Image(int index) const { return m_images[static_cast<std::size_t>(index)]; }
    bool IsNull() const { return m_images.empty(); }

private:
    std::vector<QPixmap> m_images;
    QSize m_size;
};
