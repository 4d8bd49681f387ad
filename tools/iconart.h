// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing helpers shared by the icon and toolbar artwork (tools only).
#pragma once

#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <vector>

namespace art {

using Draw = std::function<void(QPainter&)>;

inline const QColor kInk(0, 0, 0), kRed(200, 0, 0), kGreen(0, 128, 0), kBlue(0, 70, 200),
    kBrown(140, 80, 20), kYellow(240, 200, 0), kWhite(255, 255, 255), kGrey(90, 90, 90),
    kSea(0, 120, 200), kOrange(230, 120, 0), kPurple(120, 40, 160);

inline void Box(QPainter& p, QRect r, QColor fill, QColor line = kInk) {
    p.setPen(line);
    p.setBrush(fill);
    p.drawRect(r);
}
inline void Line(QPainter& p, QColor c, int x1, int y1, int x2, int y2) {
    p.setPen(c);
    p.drawLine(x1, y1, x2, y2);
}
inline void Poly(QPainter& p, QColor fill, std::initializer_list<QPoint> pts, QColor line = kInk) {
    p.setPen(line);
    p.setBrush(fill);
    p.drawPolygon(QPolygon(pts));
}
inline void Disc(QPainter& p, QColor fill, int x, int y, int w, int h, QColor line = kInk) {
    p.setPen(line);
    p.setBrush(fill);
    p.drawEllipse(x, y, w, h);
}
inline void Glyph(QPainter& p, QColor c, const QString& text, int px,
                  QRect r = QRect(0, 0, 16, 16)) {
    QFont f("DejaVu Sans");
    f.setPixelSize(px);
    f.setBold(true);
    p.setFont(f);
    p.setPen(c);
    p.drawText(r, Qt::AlignCenter, text);
}
inline void Building(QPainter& p, int x, int w, int top, QColor fill) {
    Box(p, QRect(x, top, w, 15 - top), fill);
    for (int y = top + 2; y < 13; y += 3)
        for (int wx = x + 2; wx < x + w - 1; wx += 3)
            p.fillRect(wx, y, 1, 1, kYellow);
}
inline void CacheBox(QPainter& p, QColor fill, int x, int y, int w, int h) {
    Box(p, QRect(x, y + 3, w, h - 3), fill);
    Poly(p, fill.darker(130), {{x, y + 3}, {x + 3, y}, {x + w + 3, y}, {x + w, y + 3}});
    Poly(p, fill.darker(160),
         {{x + w, y + 3}, {x + w + 3, y}, {x + w + 3, y + h - 3}, {x + w, y + h}});
}

// The 50 waypoint symbols, 16 x 16, in icon-number order.
std::vector<Draw> WaypointIcons();
// The 19 toolbar images, 16 x 15, in button order.
std::vector<Draw> ToolbarIcons();

} // namespace art
