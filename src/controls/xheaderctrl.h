// SPDX-License-Identifier: GPL-3.0-or-later
// The list's column header, painted by us: flat face, our own dividers and
// frame, dark teal labels and a bevelled triangle on the sorted column.
#pragma once

#include <QHeaderView>
#include <QSet>

class CXHeaderCtrl : public QHeaderView {
    Q_OBJECT
public:
    explicit CXHeaderCtrl(QWidget* parent = nullptr);

    // state: 0 ascending (downward triangle), 1 descending (upward), 2 none. A
    // column once given the indicator keeps the owner-drawn look for good.
    void SetSortIndicator(int column, int state);
    int SortColumn() const { return m_nSortColumn; }
    int SortState() const { return m_nSortState; }
    bool IsOwnerDrawn(int column) const { return m_ownerDrawn.contains(column); }

    static constexpr int kItemSpacing = 6;
    static inline const QColor kLabelColor{20, 80, 100};
    bool m_bDoubleBuffer = true;

    // How wide a section must be for its whole title and, beside it, the
    // sort triangle the title may get.
    int TitleWidth(int logical) const;

    // The whole header on any painter; the widget's paint and tests use it.
    void DrawHeader(QPainter& p, const QRect& clip) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void DrawItem(QPainter& p, int logical, const QRect& rect) const;
    void DrawHeaderItem(QPainter& p, const QRect& rect, int logical) const;
    void DrawTriangle(QPainter& p, const QRect& rect, int o) const;
    int TextFlags(int logical) const;

    int m_nSortColumn = -1;
    int m_nSortState = 2;
    int m_nPressed = -1;
    QSet<int> m_ownerDrawn;
};
