// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagelist.h"

#include <QFile>

CImageList::CImageList(const QImage& strip, int width, QColor mask) {
    if (strip.isNull() || width <= 0)
        return;
    m_size = QSize(width, strip.height());
    QImage argb = strip.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = mask.rgb();
    for (int y = 0; y < argb.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                line[x] = 0;
    }
    for (int x = 0; x + width <= argb.width(); x += width)
        m_images.push_back(QPixmap::fromImage(argb.copy(x, 0, width, argb.height())));
}

CImageList CImageList::FromResource() {
    return CImageList(QImage(QStringLiteral(":/res/waypoint-icons.png")), 16,
                      QColor(192, 192, 192));
}
