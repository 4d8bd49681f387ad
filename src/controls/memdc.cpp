// SPDX-License-Identifier: GPL-3.0-or-later
#include "memdc.h"

#include <QPaintDevice>

namespace {

QRect DefaultRect(QPainter& target) {
    if (target.hasClipping())
        return target.clipBoundingRect().toAlignedRect();
    const QPaintDevice* device = target.device();
    return target.transform().inverted().mapRect(QRect(0, 0, device->width(), device->height()));
}

} // namespace

CMemDC::CMemDC(QPainter& target, std::optional<QRect> rect)
    : m_target(target), m_rect(rect ? *rect : DefaultRect(target)),
      m_bMemory(target.device()->devType() != QInternal::Printer) {
    const QColor background = target.background().color();
    if (!m_bMemory || m_rect.isEmpty()) {
        m_bMemory = false;
        if (!m_rect.isEmpty())
            m_target.fillRect(m_rect, background);
        return;
    }
    const qreal dpr = target.device()->devicePixelRatioF();
    m_image = QImage(m_rect.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    m_image.setDevicePixelRatio(dpr);
    m_image.fill(background);
    m_painter.begin(&m_image);
    m_painter.translate(-m_rect.topLeft());
    m_painter.setFont(target.font());
    m_painter.setPen(target.pen());
    m_painter.setBackground(target.background());
}

CMemDC::~CMemDC() {
    if (!m_bMemory)
        return;
    m_painter.end();
    m_target.drawImage(m_rect.topLeft(), m_image);
}
