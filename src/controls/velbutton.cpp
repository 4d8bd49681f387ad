// SPDX-License-Identifier: GPL-3.0-or-later
#include "velbutton.h"

#include "cellfont.h"
#include "memdc.h"

#include <QMouseEvent>
#include <QPaintEvent>

namespace {

constexpr int kEdge = 2; // the system's 3-D edge width
const QColor kDark(92, 92, 92);
const QColor kLight(240, 240, 240);

QFont CaptionFont() {
    return FontOfCellHeight(14);
}

} // namespace

CVelButton::CVelButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    setFocusPolicy(Qt::NoFocus);
}

QString CVelButton::Caption() const {
    const QString all = text();
    const qsizetype br = all.indexOf('\n');
    if (br < 0)
        return all;
    return m_bChecked ? all.mid(br + 1) : all.left(br);
}

void CVelButton::paintEvent(QPaintEvent* event) {
    QPainter target(this);
    target.setBackground(palette().window());
    CMemDC dc(target, event->rect());
    QPainter& p = dc.Painter();
    const QRect r = rect();
    const bool pressed = isDown();
    // Both pens are 2 pixels wide and centred on the outline, as the bevel expects.
    const QPen outline(pressed ? kDark : kLight, 2);
    const QPen bevel(pressed ? kLight : kDark, 2);
    p.setBrush(palette().button());
    p.setPen(outline);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(bevel);
    p.drawPolyline(QPolygon({QPoint(r.left() + 1, r.bottom()), QPoint(r.right(), r.bottom()),
                             QPoint(r.right(), r.top() + 1)}));
    const QString caption = Caption();
    if (caption.isEmpty())
        return;
    const QRect inner = r.adjusted(kEdge, kEdge, -kEdge, -kEdge);
    p.setFont(CaptionFont());
    const QFontMetrics fm(p.font());
    const int w = fm.horizontalAdvance(caption);
    const int h = fm.height();
    int x = (inner.left() + inner.right() + 1) / 2 - w / 2;
    int y = (inner.top() + inner.bottom() + 1) / 2 - h / 2;
    if (pressed) {
        ++x;
        ++y;
    }
    p.setPen(Qt::black);
    p.drawText(QPoint(x, y + fm.ascent()), caption);
}

void CVelButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        SetCheck(!m_bChecked);
        update();
    }
    QPushButton::mouseReleaseEvent(event);
}
