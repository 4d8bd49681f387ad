// SPDX-License-Identifier: GPL-3.0-or-later
// The rows of CXListCtrl: every cell's text, colours, image and check state,
// plus one opaque value per row. Knows nothing of what the rows mean. The
// model keeps only each row's item; the cells come from a CRowSource, which is
// either the model's own store of rows or one the owner hands it.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

#include "imagelist.h"
#include "listcompare.h"

#include <string>
#include <vector>

struct CCellData {
    int m_nImage = -1;
    EIconLook m_look = EIconLook::plain; // how the image shows
    QColor m_textColor;
    QColor m_backColor;
    int m_nCheck = -1; // -1 no check box, 0 unchecked, 1 checked
    QString m_strText;
    std::string m_sortText; // the text as Windows-1252 bytes, for sorting
};

struct CRowData {
    std::vector<CCellData> m_cells;
    int m_nInsertIndex = 0;
    quintptr m_nItemData = 0;
};

// Items numbered 0..n-1 whose cells are made only when a row of theirs is
// drawn, read or sorted: a list of a million rows costs a number per row.
class CRowSource {
public:
    virtual ~CRowSource() = default;
    // The cell's text, colours, image and check state.
    virtual void Cell(int item, int column, CCellData& cell) const = 0;
    // What sorting compares: the text as Windows-1252 bytes, and the check state.
    virtual std::string SortText(int item, int column) const = 0;
    virtual int CheckState(int item, int column) const = 0;
    virtual quintptr ItemData(int item) const = 0;
    // The place that sorting's insertion order gives the item.
    virtual int InsertIndex(int item) const { return item; }
};

// Rows held cell by cell: a list's own source until it is handed another.
class CHeldRows : public CRowSource {
public:
    void Cell(int item, int column, CCellData& cell) const override;
    std::string SortText(int item, int column) const override;
    int CheckState(int item, int column) const override;
    quintptr ItemData(int item) const override { return Row(item).m_nItemData; }
    int InsertIndex(int item) const override { return Row(item).m_nInsertIndex; }
    CRowData& Row(int item) { return m_rows[static_cast<std::size_t>(item)]; }
    const CRowData& Row(int item) const { return m_rows[static_cast<std::size_t>(item)]; }
    // Null for a column the row has no cell in.
    const CCellData* Find(int item, int column) const;
    std::vector<CRowData> m_rows;
};

struct CColumnData {
    QString m_strTitle;
    Qt::Alignment m_align = Qt::AlignLeft;
};

class CXListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    void AddColumn(const QString& title, Qt::Alignment align);
    void SetColumn(int column, const QString& title, Qt::Alignment align);
    const CColumnData& Column(int column) const {
        return m_columns[static_cast<std::size_t>(column)];
    }

    // Rows held here: a new row at row; the row's own cells.
    int InsertRow(int row, CRowData data);
    bool HoldsRows() const { return m_pSource == &m_held; }
    CRowData& Row(int row) { return m_held.Row(ItemOf(row)); }

    // Rows read from source: one per item first..first+count-1, in that order.
    // Null goes back to rows held here, none yet.
    void SetSource(const CRowSource* source, int first, int count);
    // Rows read from source for these items, in this order.
    void SetSourceItems(const CRowSource* source, std::vector<int> items);
    // Rows for items the source gained, at the end.
    void AppendItems(int first, int count);
    int ItemOf(int row) const { return m_order[static_cast<std::size_t>(row)]; }

    // Removed rows take their items with them: the items after each are
    // numbered one lower. rows ascending.
    void RemoveRows(const std::vector<int>& rows);
    // The source gained items at these places (ascending, as numbered after
    // the gain): the items already shown are numbered anew.
    void ShiftItems(const std::vector<std::size_t>& places);
    // A row for item, placed at row.
    void InsertItemRow(int row, int item);
    // The sort key of item's cell in column, its text kept in text.
    CSortCell SortKey(int item, int column, std::string& text) const;
    void Clear();
    // Made anew on each call; the reference holds until the next.
    const CCellData& CellAt(int row, int column) const;
    // Whether the row has a cell in column (rows held here may have fewer).
    bool HasCell(int row, int column) const;
    quintptr ItemData(int row) const { return m_pSource->ItemData(ItemOf(row)); }
    // The sort keys of one column, texts kept alive in texts.
    std::vector<CSortCell> SortCells(int column, std::vector<std::string>& texts) const;
    // Puts the rows in a new order; selection follows its rows.
    void Reorder(const std::vector<int>& order);

private:
    std::vector<CColumnData> m_columns;
    CHeldRows m_held;
    const CRowSource* m_pSource = &m_held;
    std::vector<int> m_order; // each row's item
    mutable CCellData m_scratch;
};
