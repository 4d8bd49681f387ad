// SPDX-License-Identifier: GPL-3.0-or-later
// How CXListCtrl draws: every cell through its own off-screen surface.
#include "memdc.h"
#include "textline.h"
#include "xheaderctrl.h"
#include "xlistctrl.h"

#include <QPaintEvent>
#include <QStyledItemDelegate>

#include <algorithm>

namespace {

class CCellDelegate : public QStyledItemDelegate {
public:
    explicit CCellDelegate(CXListCtrl* list) : QStyledItemDelegate(list), m_pList(list) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        m_pList->PaintCell(*painter, index.row(), index.column(), option.rect);
    }

private:
    CXListCtrl* m_pList;
};

// A sunken 3-D edge two pixels deep, as common controls draw around a check box.
void DrawSunkenEdge(QPainter& p, const QRect& r, const QPalette& pal) {
    auto frame = [&](const QRect& f, const QColor& topLeft, const QColor& bottomRight) {
        p.setPen(topLeft);
        p.drawLine(f.topLeft(), f.topRight());
        p.drawLine(f.topLeft(), f.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(f.bottomLeft(), f.bottomRight());
        p.drawLine(f.topRight(), f.bottomRight());
    };
    frame(r, pal.color(QPalette::Mid), pal.color(QPalette::Light));
    frame(r.adjusted(1, 1, -1, -1), pal.color(QPalette::Shadow), pal.color(QPalette::Midlight));
}

// The check mark of a box whose top left is at: seven columns three pixels
// tall on a plain screen; where a pixel has more device pixels, the same
// tick as a smooth stroke through their middles, so it stays sharp.
void DrawCheckMark(QPainter& p, QPoint at) {
    const int L = at.x(), T = at.y();
    if (p.device()->devicePixelRatioF() > 1.0) {
        p.save();
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(Qt::black, 2.2, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
        p.drawPolyline(
            QPolygonF({QPointF(L + 3, T + 6), QPointF(L + 5.5, T + 8.5), QPointF(L + 10, T + 4)}));
        p.restore();
        return;
    }
    p.setPen(Qt::black);
    const QPoint starts[] = {{L + 9, T + 3}, {L + 8, T + 4}, {L + 7, T + 5}, {L + 6, T + 6},
                             {L + 5, T + 7}, {L + 4, T + 6}, {L + 3, T + 5}};
    for (const QPoint& s : starts)
        p.drawLine(s, s + QPoint(0, 2));
}

// One line of text, vertically centred in r and aligned as asked. Cheaper than
// the rectangle form of drawText, which lays the text out in full every time;
// the cell's own off-screen surface cuts off whatever runs past the cell.
void DrawLine(QPainter& p, CTextLine& font, const QRect& r, Qt::Alignment align,
              const QString& text) {
    int x = r.left();
    if (align & (Qt::AlignHCenter | Qt::AlignRight)) {
        const int w = qRound(font.Width(text));
        x = align & Qt::AlignRight ? r.right() + 1 - w : r.left() + (r.width() - w) / 2;
    }
    const int y = r.top() + (r.height() - font.Height() + 1) / 2 + font.Ascent();
    font.Draw(p, x, y, text);
}

} // namespace

void InstallCellDelegate(CXListCtrl* list) {
    list->setItemDelegate(new CCellDelegate(list));
}

CTextLine& CXListCtrl::Text() const {
    if (!m_pText || m_pText->Font() != font())
        m_pText = std::make_unique<CTextLine>(font());
    return *m_pText;
}

void CXListCtrl::CellColors(const CCellData& cell, int row, int column, QColor& text, QColor& back,
                            bool plain) const {
    text = cell.m_textColor;
    back = cell.m_backColor;
    if (plain || !IsItemSelected(row) || !(m_bFullRowSelect || column == 0))
        return;
    if (hasFocus()) {
        text = m_highlightText;
        back = m_highlight;
    } else if (m_bShowSelAlways) {
        text = m_windowTextColor;
        back = m_buttonFace;
    }
}

void CXListCtrl::PaintCell(QPainter& target, int row, int column, const QRect& rect,
                           bool plain) const {
    if (!ValidCell(row, column))
        return;
    const CCellData& cell = m_pModel->CellAt(row, column); // read once: a source makes it anew
    QColor text, back;
    CellColors(cell, row, column, text, back, plain);
    CMemDC dc(target, rect);
    QPainter& p = dc.Painter();
    if (cell.m_nCheck != -1) {
        DrawCheckCell(p, cell, row, rect, text, back);
        return;
    }
    QRect r = rect;
    r.setLeft(r.left() + DrawCellImage(p, cell, row, rect, back));
    DrawCellText(p, cell, row, column, r, text, back);
}

int CXListCtrl::DrawCellImage(QPainter& p, const CCellData& cell, int row, const QRect& rect,
                              const QColor& back) const {
    p.fillRect(rect, back);
    if (m_images.IsNull())
        return 0;
    const int image = cell.m_nImage;
    if (image < 0 || image >= m_images.Count())
        return 0;
    const QRect left = rect.adjusted(CXHeaderCtrl::kItemSpacing, 0, 0, 0);
    const QSize size = m_images.ImageSize();
    const int top = (rect.top() + rect.bottom() + 1) / 2 - size.height() / 2;
    p.save();
    p.setClipRect(rect);
    m_images.Draw(p, left.left(), top, image, cell.m_look);
    p.restore();
    if (m_bGridLines) {
        p.setPen(Qt::black);
        p.drawLine(rect.left() - 1, rect.bottom(), rect.right(), rect.bottom());
        if (row == 0)
            p.drawLine(rect.left() - 1, rect.top(), rect.right(), rect.top());
    }
    return CXHeaderCtrl::kItemSpacing + size.width();
}

void CXListCtrl::DrawCellText(QPainter& p, const CCellData& cell, int row, int column, QRect rect,
                              const QColor& text, const QColor& back) const {
    if (column == 0 && m_bShowRowNumbers) {
        // A grey button face whether selected or not, so the number keeps
        // the window's text colour (the highlight's white would vanish on it).
        p.fillRect(rect, m_buttonFace);
        p.setPen(m_windowTextColor);
        DrawLine(p, Text(), rect.adjusted(2, 0, 0, 0), Qt::AlignLeft, QString::number(row + 1));
        p.setPen(Qt::black);
        p.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
        p.drawLine(rect.left() - 3, rect.bottom(), rect.right(), rect.bottom());
        return;
    }
    if (!cell.m_strText.isEmpty()) {
        p.fillRect(rect, back);
        p.setPen(text);
        const Qt::Alignment h = m_pModel->Column(column).m_align & Qt::AlignHorizontal_Mask;
        // A text longer than its column ends in an ellipsis inside it.
        const int room = std::max(0, rect.width() - 4);
        const QString shown = Text().Width(cell.m_strText) <= room
                                  ? cell.m_strText
                                  : fontMetrics().elidedText(cell.m_strText, Qt::ElideRight, room);
        DrawLine(p, Text(), rect.adjusted(2, 0, 0, 0), h ? h : Qt::AlignLeft, shown);
    }
    if (m_bGridLines) {
        p.setPen(Qt::black);
        p.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
        p.drawLine(rect.left() - 3, rect.bottom(), rect.right(), rect.bottom());
        if (row == 0)
            p.drawLine(rect.left() - 2, rect.top(), rect.right(), rect.top());
    }
}

void CXListCtrl::DrawCheckCell(QPainter& p, const CCellData& cell, int row, QRect rect,
                               const QColor& text, const QColor& back) const {
    p.fillRect(rect, back);
    p.setPen(Qt::black);
    if (row == 0)
        p.drawLine(rect.left() - 1, rect.top(), rect.right(), rect.top());
    if (m_bGridLines) {
        p.drawLine(rect.right(), rect.top(), rect.right(), rect.bottom());
        p.drawLine(rect.left(), rect.bottom(), rect.right(), rect.bottom());
    }
    if (rect.width() < 9)
        return;
    // The box is as tall as the cell less its bottom grid line.
    const int size = rect.height() - 1;
    int left = rect.left() + 9;
    if (cell.m_strText.isEmpty())
        left = rect.left() + (rect.width() / 2 - size / 2) - 1;
    QRect box(left, rect.top(), size, size);
    p.fillRect(box, m_windowColor);
    box.setLeft(box.left() + 1);
    DrawSunkenEdge(p, box, palette());
    if (cell.m_nCheck == 1)
        DrawCheckMark(p, box.topLeft());
    if (!cell.m_strText.isEmpty()) {
        p.setPen(text);
        DrawLine(p, Text(),
                 QRect(box.right() + 5, rect.top(), rect.right() - box.right() - 4, rect.height()),
                 Qt::AlignLeft, cell.m_strText);
    }
}

void CXListCtrl::paintEvent(QPaintEvent* event) {
    if (GetItemCount() > 0) {
        QTableView::paintEvent(event);
        return;
    }
    QPainter p(viewport());
    const QRect r = viewport()->rect();
    p.fillRect(r, m_windowColor);
    p.setPen(m_windowTextColor);
    p.setFont(font());
    p.drawText(r.adjusted(0, 10, 0, 0), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QString::fromLatin1(kEmptyText));
}
