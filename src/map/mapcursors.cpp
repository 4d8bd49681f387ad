// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapcursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <functional>

namespace {

enum : int { kZoomOut = 32829, kZoomIn = 32831, kAdd = 32840, kRecenter = 32848 };

// Black strokes with a white outline, so the cursor shows on any picture.
void Stroke(QPainter& p, const std::function<void()>& draw, int width) {
    p.setPen(QPen(Qt::white, width + 2, Qt::SolidLine, Qt::RoundCap));
    draw();
    p.setPen(QPen(Qt::black, width, Qt::SolidLine, Qt::RoundCap));
    draw();
}

QPixmap Magnifier(bool plus) {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(255, 255, 255, 160));
    Stroke(
        p, [&] { p.drawEllipse(2, 2, 16, 16); }, 2);
    Stroke(
        p, [&] { p.drawLine(17, 17, 27, 27); }, 3);
    Stroke(
        p,
        [&] {
            p.drawLine(6, 10, 14, 10);
            if (plus)
                p.drawLine(10, 6, 10, 14);
        },
        2);
    return pm;
}

QPixmap Crosshair() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    Stroke(
        p,
        [&] {
            p.drawLine(16, 2, 16, 12);
            p.drawLine(16, 20, 16, 30);
            p.drawLine(2, 16, 12, 16);
            p.drawLine(20, 16, 30, 16);
        },
        1);
    p.setPen(Qt::red);
    p.drawEllipse(13, 13, 6, 6);
    return pm;
}

QPixmap Pin() {
    QPixmap pm(32, 32);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(200, 0, 0));
    QPainterPath path;
    path.moveTo(8, 31);
    path.lineTo(3, 16);
    path.arcTo(1, 4, 14, 14, 200, -220);
    path.closeSubpath();
    p.drawPath(path);
    p.setBrush(Qt::white);
    p.drawEllipse(5, 8, 6, 6);
    Stroke(
        p,
        [&] {
            p.drawLine(24, 2, 24, 12);
            p.drawLine(19, 7, 29, 7);
        },
        2);
    return pm;
}

} // namespace

QCursor MapCursor(int clickMode) {
    switch (clickMode) {
    case kZoomOut: return QCursor(Magnifier(false), 10, 10);
    case kRecenter: return QCursor(Crosshair(), 16, 16);
    case kAdd: return QCursor(Pin(), 8, 31);
    case kZoomIn:
    default: return QCursor(Magnifier(true), 10, 10);
    }
}
