// The rows of CXListCtrl: every cell's text, colours, image and check state,
// plus one opaque value per row. Knows nothing of what the rows mean. Rows are
// either held here, cell by cell, or read on demand from a CRowSource, when the
// model holds nothing but each row's item number.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

#include "listcompare.h"

#include <string>
#include <vector>

struct CCellData {
    int m_nImage = -1;
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

    // Rows held here.
    int InsertRow(int row, CRowData data);
    CRowData& Row(int row) { return m_rows[static_cast<std::size_t>(row)]; }
    const CRowData& Row(int row) const { return m_rows[static_cast<std::size_t>(row)]; }

    // Rows read from source: one per item first..first+count-1, in that order.
    // Null goes back to rows held here.
    void SetSource(const CRowSource* source, int first, int count);
    const CRowSource* Source() const { return m_pSource; }
    // Rows for items the source gained, at the end.
    void AppendItems(int first, int count);
    // Item of a source row; the row itself for rows held here.
    int ItemOf(int row) const { return m_pSource ? m_order[static_cast<std::size_t>(row)] : row; }

    // Either kind. Removed rows of a source take their items with them: the
    // items after each are numbered one lower. rows ascending.
    void RemoveRows(const std::vector<int>& rows);
    void Clear();
    // A source row's cell is made anew on each call; the reference holds
    // until the next.
    const CCellData& CellAt(int row, int column) const;
    int CellCount(int row) const;
    quintptr ItemData(int row) const;
    // The sort keys of one column, texts kept alive in texts.
    std::vector<CSortCell> SortCells(int column, std::vector<std::string>& texts) const;
    // Puts the rows in a new order; selection follows its rows.
    void Reorder(const std::vector<int>& order);

private:
    std::vector<CRowData> m_rows;
    std::vector<CColumnData> m_columns;
    const CRowSource* m_pSource = nullptr;
    std::vector<int> m_order; // each source row's item
    mutable CCellData m_scratch;
};
