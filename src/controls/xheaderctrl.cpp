// SPDX-License-Identifier: GPL-3.0-or-later
#include "xheaderctrl.h"

#include "memdc.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

CXHeaderCtrl::CXHeaderCtrl(QWidget* parent) : QHeaderView(Qt::Horizontal, parent) {
    setSectionsClickable(true);
    setSortIndicatorShown(false);
    setHighlightSections(false);
}

void CXHeaderCtrl::SetSortIndicator(int column, int state) {
    m_nSortColumn = column;
    m_nSortState = state;
    m_ownerDrawn.insert(column);
    viewport()->update();
}

int CXHeaderCtrl::TextFlags(int logical) const {
    const QVariant a =
        model() ? model()->headerData(logical, orientation(), Qt::TextAlignmentRole) : QVariant();
    int flags = Qt::TextSingleLine | Qt::AlignVCenter;
    const int h = a.isValid() ? a.toInt() & Qt::AlignHorizontal_Mask : Qt::AlignLeft;
    if (h & Qt::AlignHCenter)
        flags |= Qt::AlignHCenter;
    else if (h & Qt::AlignRight)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    return flags;
}

void CXHeaderCtrl::paintEvent(QPaintEvent* event) {
    QPainter target(viewport());
    if (!m_bDoubleBuffer) {
        DrawHeader(target, event->rect());
        return;
    }
    target.setBackground(palette().button());
    CMemDC dc(target, event->rect());
    DrawHeader(dc.Painter(), event->rect());
}

void CXHeaderCtrl::DrawHeader(QPainter& p, const QRect& clip) const {
    if (clip.isEmpty())
        return;
    const QPalette& pal = palette();
    p.fillRect(clip, pal.button());
    p.setFont(font());
    int total = 0;
    const int n = count();
    const int h = viewport()->height();
    for (int i = 0; i < n; ++i) {
        const int logical = logicalIndex(i);
        if (isSectionHidden(logical))
            continue;
        const QRect rect(sectionViewportPosition(logical), 0, sectionSize(logical), h);
        if (m_ownerDrawn.contains(logical))
            DrawItem(p, logical, rect);
        else
            DrawHeaderItem(p, rect.adjusted(kItemSpacing, 0, -kItemSpacing, 0), logical);
        if (i < n - 1) {
            const int right = rect.left() + rect.width(); // one past the item, as the divider sits
            p.setPen(pal.color(QPalette::Dark));
            p.drawLine(right - 1, rect.top() + 2, right - 1, rect.bottom() - 2);
            p.setPen(pal.color(QPalette::Light));
            p.drawLine(right, rect.top() + 2, right, rect.bottom() - 2);
        }
        total += rect.width();
    }
    if (total > 0) {
        const int left = n > 0 ? sectionViewportPosition(logicalIndex(0)) : 0;
        const QRect frame(left, 0, total, h);
        p.setPen(pal.color(QPalette::Light));
        p.drawLine(frame.topLeft(), frame.topRight());
        p.drawLine(frame.topLeft(), frame.bottomLeft());
        p.setPen(pal.color(QPalette::Dark));
        p.drawLine(frame.bottomLeft(), frame.bottomRight());
        p.drawLine(frame.topRight(), frame.bottomRight());
    }
}

int CXHeaderCtrl::TitleWidth(int logical) const {
    if (!model())
        return 0;
    const QString text = model()->headerData(logical, orientation(), Qt::DisplayRole).toString();
    const int o = std::max(height(), sizeHint().height()) / 4; // as DrawItem lays it out
    return fontMetrics().horizontalAdvance(text) + 5 * o + 2;
}

void CXHeaderCtrl::DrawHeaderItem(QPainter& p, const QRect& rect, int logical) const {
    if (rect.width() <= 0 || !model())
        return;
    const QString text = model()->headerData(logical, orientation(), Qt::DisplayRole).toString();
    p.setPen(kLabelColor);
    p.drawText(rect, TextFlags(logical),
               p.fontMetrics().elidedText(text, Qt::ElideRight, rect.width()));
}

void CXHeaderCtrl::DrawItem(QPainter& p, int logical, const QRect& item) const {
    p.save();
    p.setClipRect(item);
    p.fillRect(item, palette().button());
    QRect label = item;
    if (m_nPressed == logical)
        label.adjust(1, 2, 1, 0);
    const int o = item.height() / 4;
    const bool sorted = logical == m_nSortColumn;
    if (sorted)
        label.setRight(label.right() - 3 * o);
    label.adjust(o, 0, -o, 0);
    if (label.width() > 0 && model()) {
        const QString text =
            model()->headerData(logical, orientation(), Qt::DisplayRole).toString();
        p.setPen(kLabelColor);
        p.drawText(label, TextFlags(logical),
                   p.fontMetrics().elidedText(text, Qt::ElideRight, label.width()));
    }
    if (sorted)
        DrawTriangle(p, item, o);
    p.restore();
}

void CXHeaderCtrl::DrawTriangle(QPainter& p, const QRect& item, int o) const {
    // R and B are one past the item's right and bottom edges.
    const int R = item.left() + item.width();
    const int B = item.top() + item.height();
    const QColor light = palette().color(QPalette::Light);
    const QColor dark = palette().color(QPalette::Dark);
    if (m_nSortState == 0) {
        p.setPen(light);
        p.drawLine(R - o - 1, o, R - 2 * o - 1, B - o);
        p.setPen(dark);
        p.drawLine(R - 2 * o - 2, B - o, R - 3 * o - 1, o);
        p.drawLine(R - 3 * o - 1, o, R - o - 1, o);
    } else if (m_nSortState == 1) {
        p.setPen(light);
        p.drawLine(R - 2 * o, o, R - o, B - o - 1);
        p.drawLine(R - o, B - o - 1, R - 3 * o - 2, B - o - 1);
        p.setPen(dark);
        p.drawLine(R - 3 * o - 1, B - o - 1, R - 2 * o, o - 1);
    }
}

void CXHeaderCtrl::mousePressEvent(QMouseEvent* event) {
    m_nPressed = logicalIndexAt(event->position().toPoint());
    viewport()->update();
    QHeaderView::mousePressEvent(event);
}

void CXHeaderCtrl::mouseReleaseEvent(QMouseEvent* event) {
    m_nPressed = -1;
    viewport()->update();
    QHeaderView::mouseReleaseEvent(event);
}
