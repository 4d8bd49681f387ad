// SPDX-License-Identifier: GPL-3.0-or-later
// Flicker-free drawing: paint into an off-screen image of just the area being
// drawn, copied to the target in one go when the surface is destroyed. A
// printer target is drawn on directly.
#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>

#include <optional>

class CMemDC {
public:
    // rect is in the target's logical coordinates; without one the target's clip
    // region (or the whole device) is covered.
    explicit CMemDC(QPainter& target, std::optional<QRect> rect = std::nullopt);
    ~CMemDC();
    CMemDC(const CMemDC&) = delete;
    CMemDC& operator=(const CMemDC&) = delete;

    QPainter& Painter() { return m_bMemory ? m_painter : m_target; }
    QPainter* operator->() { return &Painter(); }
    const QRect& Rect() const { return m_rect; }
    bool IsMemory() const { return m_bMemory; }

private:
    QPainter& m_target;
    QRect m_rect;
    bool m_bMemory;
    QImage m_image;
    QPainter m_painter;
};
