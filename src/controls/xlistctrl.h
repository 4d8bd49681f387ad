// SPDX-License-Identifier: GPL-3.0-or-later
// A report list that paints every cell itself: per-cell colours, images and
// check boxes, row numbers in column 0, three-state sorting from the header,
// a message when empty. Rows carry one opaque value each.
#pragma once

#include "colorref.h"
#include "imagelist.h"
#include "xlistmodel.h"

#include <QTableView>

#include <functional>
#include <memory>
#include <vector>

class CTextLine;
class CXHeaderCtrl;

class CXListCtrl : public QTableView {
    Q_OBJECT
public:
    explicit CXListCtrl(QWidget* parent = nullptr);
    ~CXListCtrl() override;

    // Columns are set up before the first row.
    int InsertColumn(const QString& title, Qt::Alignment align, int width);
    void SetColumnTitle(int column, const QString& title);
    void SetColumnAlignment(int column, Qt::Alignment align);
    int GetColumnCount() const;

    // Rows read on demand from source, one per item first..first+count-1; the
    // list then holds only their order. Null goes back to rows held here.
    // The items must outlive the rows.
    void SetRowSource(const CRowSource* source, int first, int count);
    // Rows from source for these items only (a filter's), in this order.
    void SetRowItems(const CRowSource* source, std::vector<int> items);
    // Rows for items the source gained, at the end.
    void AppendItems(int first, int count);
    // Rows for items the source gained at these places (ascending, numbered
    // as after the gain), and rows that go with the items it lost from these
    // places (ascending, numbered as before); the other rows' items are
    // numbered anew.
    void InsertItems(const std::vector<std::size_t>& places);
    void RemoveItems(const std::vector<std::size_t>& places);
    // The source item a row shows; -1 for a row out of range.
    int ItemOf(int row) const;
    // The row that shows item, or -1 (a look through every row).
    int RowOfItem(int item) const;
    // A source's items changed: every row is drawn anew.
    void RedrawRows();

    // Rows held here (not with a source, where these do nothing).
    // Returns the new row, or -1 for a negative row.
    int InsertItem(int row, const QString& text, int image = -1);
    bool SetItemText(int row, int column, const QString& text, ColorRef textColor = kDefaultColor,
                     ColorRef backColor = kDefaultColor);
    QString GetItemText(int row, int column) const;
    bool SetItemImage(int row, int column, int image);
    bool SetCheckState(int row, int column, int state);
    int GetCheckState(int row, int column) const;
    bool SetItemData(int row, quintptr value);
    quintptr GetItemData(int row) const;
    bool DeleteItem(int row);
    // With a source, the rows' items have left it: the items after each are
    // numbered one lower.
    void DeleteItems(std::vector<int> rows);
    bool DeleteAllItems();
    int GetItemCount() const;
    void RedrawCell(int row, int column);

    void SortByColumn(int column, int state);
    void Resort();
    int SortColumn() const { return m_nSortColumn; }
    int SortState() const { return m_nSortState; }

    int GetSelectionMark() const { return m_nSelectionMark; }
    void SetSelectionMark(int row) { m_nSelectionMark = row; }
    std::vector<int> SelectedRows() const; // ascending
    void SetItemSelected(int row, bool selected);
    bool IsItemSelected(int row) const;
    void SetFocusRow(int row);
    void EnsureVisible(int row);
    void SetRedraw(bool on);

    CXHeaderCtrl* Header() const { return m_pHeader; }
    const CImageList& Images() const { return m_images; }

    // Default colours; the window colour is RGB(200,255,255).
    QColor m_windowColor{200, 255, 255};
    QColor m_windowTextColor;
    bool m_bGridLines = true;
    bool m_bShowRowNumbers = true;
    bool m_bFullRowSelect = true;
    bool m_bShowSelAlways = false;

    static inline const char* const kEmptyText = "There are no entries.";

    // One cell, drawn on any painter (the view's paint, printing, tests).
    // plain: as printed, without the selection's colours.
    void PaintCell(QPainter& p, int row, int column, const QRect& rect, bool plain = false) const;

signals:
    void CheckBoxClicked(int row, int column);
    void ItemClicked(int row, int column);
    void ItemDoubleClicked(int row, int column);
    void ColumnClicked(int column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    // Home and End go to the first and last row, as in any list, and select
    // it with or without Ctrl (Shift extends the selection).
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                         const QEvent* event) const override;
    void changeEvent(QEvent* event) override;

private:
    bool ValidCell(int row, int column) const;
    // Where a row for a new item goes in the current order.
    int RowForNewItem(int item) const;
    // Changes one cell and redraws it; false for a row or column out of range.
    bool EditCell(int row, int column, const std::function<void(CCellData&)>& change);
    void OnColumnClick(int column);
    void ReadColors();
    void CellColors(const CCellData& cell, int row, int column, QColor& text, QColor& back,
                    bool plain) const;
    int DrawCellImage(QPainter& p, const CCellData& cell, int row, const QRect& rect,
                      const QColor& back) const;
    void DrawCellText(QPainter& p, const CCellData& cell, int row, int column, QRect rect,
                      const QColor& text, const QColor& back) const;
    void DrawCheckCell(QPainter& p, const CCellData& cell, int row, QRect rect, const QColor& text,
                       const QColor& back) const;

    CTextLine& Text() const;

    CXListModel* m_pModel;
    mutable std::unique_ptr<CTextLine> m_pText;
    CXHeaderCtrl* m_pHeader;
    CImageList m_images;
    int m_nSortColumn = -1;
    int m_nSortState = 2;
    int m_nSelectionMark = -1;
    QColor m_highlight, m_highlightText, m_buttonFace;
};
