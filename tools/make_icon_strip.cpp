// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the 50 waypoint symbols (16 x 16 each, in icon-number order) into
// FOLDER/waypoint-icons.png and the 19 toolbar images (16 x 15) into
// FOLDER/toolbar.png, and both again at 2 and 3 device pixels per pixel
// (NAME@2x.png, NAME@3x.png) for high-density screens. Grey RGB(192,192,192)
// is the mask colour.
//     make_icon_strip res
#include <QColor>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <vector>

#include "iconart.h"

namespace {

// The art is vector drawing, so a larger scale draws finer edges, not
// bigger pixels.
QImage DrawStrip(const std::vector<art::Draw>& icons, int w, int h, int scale) {
    QImage strip(w * scale * static_cast<int>(icons.size()), h * scale, QImage::Format_RGB32);
    strip.fill(QColor(192, 192, 192));
    QPainter p(&strip);
    p.scale(scale, scale);
    for (std::size_t i = 0; i < icons.size(); ++i) {
        p.save();
        p.translate(w * static_cast<int>(i), 0);
        p.setClipRect(0, 0, w, h);
        icons[i](p);
        p.restore();
    }
    return strip;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    bool ok = true;
    for (int scale : {1, 2, 3}) {
        const QString suffix = scale == 1 ? QString(".png") : QString("@%1x.png").arg(scale);
        ok = ok &&
             DrawStrip(art::WaypointIcons(), 16, 16, scale)
                 .save(folder + "/waypoint-icons" + suffix) &&
             DrawStrip(art::ToolbarIcons(), 16, 15, scale).save(folder + "/toolbar" + suffix);
    }
    return ok ? 0 : 1;
}
