// The rows of CXListCtrl: every cell's text, colours, image and check state,
// plus one opaque value per row. Knows nothing of what the rows mean.
#pragma once

#include <QAbstractTableModel>
#include <QColor>
#include <QString>

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

    int InsertRow(int row, CRowData data);
    void RemoveRow(int row);
    void Clear();
    CRowData& Row(int row) { return m_rows[static_cast<std::size_t>(row)]; }
    const CRowData& Row(int row) const { return m_rows[static_cast<std::size_t>(row)]; }
    CCellData& Cell(int row, int column) { return Row(row).m_cells[static_cast<std::size_t>(column)]; }
    const CCellData& Cell(int row, int column) const {
        return Row(row).m_cells[static_cast<std::size_t>(column)];
    }
    // Puts the rows in a new order; selection follows its rows.
    void Reorder(const std::vector<int>& order);

private:
    std::vector<CRowData> m_rows;
    std::vector<CColumnData> m_columns;
};
