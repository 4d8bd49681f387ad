// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagelist.h"

#include "cachestatus.h"

#include <QFile>
#include <QGuiApplication>
#include <QPainter>

CImageList::CImageList(const QImage& strip, int width, QColor mask, int ratio) {
    if (strip.isNull() || width <= 0 || ratio <= 0)
        return;
    m_size = QSize(width, strip.height() / ratio);
    width *= ratio;
    QImage argb = strip.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = mask.rgb();
    for (int y = 0; y < argb.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(argb.scanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF))
                line[x] = 0;
    }
    for (int x = 0; x + width <= argb.width(); x += width) {
        m_images.push_back(QPixmap::fromImage(argb.copy(x, 0, width, argb.height())));
        m_images.back().setDevicePixelRatio(ratio);
    }
}

QImage CImageList::LoadStrip(const QString& path, qreal dpr) {
    if (dpr <= 0)
        dpr = qApp ? qApp->devicePixelRatio() : 1.0; // the densest screen's
    // Drawn smaller by the painter rather than larger: a 2x image on a 1.5x
    // screen stays sharp.
    const int ratio = dpr > 2.0 ? 3 : dpr > 1.0 ? 2 : 1;
    if (ratio > 1) {
        QString dense = path;
        dense.insert(path.lastIndexOf('.'), QString("@%1x").arg(ratio));
        if (QImage strip(dense); !strip.isNull()) {
            strip.setDevicePixelRatio(ratio);
            return strip;
        }
    }
    return QImage(path);
}

CImageList CImageList::FromStrip(const QString& path, int width, QColor mask, qreal dpr) {
    const QImage strip = LoadStrip(path, dpr);
    return CImageList(strip, width, mask, qRound(strip.devicePixelRatio()));
}

CImageList CImageList::FromResource(qreal dpr) {
    return FromStrip(QStringLiteral(":/res/waypoint-icons.png"), 16, QColor(192, 192, 192), dpr);
}

void CImageList::Draw(QPainter& p, int x, int y, int index, EIconLook look) const {
    if (index < 0 || index >= Count())
        return;
    const auto i = static_cast<std::size_t>(index);
    if (look == EIconLook::disabled || look == EIconLook::archived) {
        if (m_grey.empty())
            m_grey.resize(m_images.size());
        if (m_grey[i].isNull()) {
            // Grey by lightness, kept light: the icon reads as out of use.
            QImage image = m_images[i].toImage().convertToFormat(QImage::Format_ARGB32);
            for (int py = 0; py < image.height(); ++py)
                for (int px = 0; px < image.width(); ++px) {
                    const QRgb c = image.pixel(px, py);
                    const int g = 128 + qGray(c) / 2;
                    image.setPixel(px, py, qRgba(g, g, g, qAlpha(c)));
                }
            m_grey[i] = QPixmap::fromImage(image);
        }
        p.drawPixmap(x, y, m_grey[i]);
    } else {
        p.drawPixmap(x, y, m_images[i]);
    }
    const int w = m_size.width(), h = m_size.height();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (look == EIconLook::found) {
        const QPolygonF tick({QPointF(x + w - 8.5, y + h - 4.5), QPointF(x + w - 6, y + h - 2),
                              QPointF(x + w - 1, y + h - 8)});
        p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(tick);
        p.setPen(QPen(QColor(0, 150, 0), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPolyline(tick);
    } else if (look == EIconLook::archived) {
        p.setPen(QPen(QColor(210, 0, 0), 2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x + 2, y + 2), QPointF(x + w - 2, y + h - 2));
        p.drawLine(QPointF(x + w - 2, y + 2), QPointF(x + 2, y + h - 2));
    }
    p.restore();
}

EIconLook IconLook(const CWayEntry& entry) {
    const CCacheState state = CacheStateOf(entry);
    switch (state.m_status) {
    case ECacheStatus::archived: return EIconLook::archived;
    case ECacheStatus::disabled: return EIconLook::disabled;
    case ECacheStatus::available: break;
    }
    return state.m_bFound ? EIconLook::found : EIconLook::plain;
}
