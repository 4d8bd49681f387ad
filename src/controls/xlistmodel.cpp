#include "xlistmodel.h"

int CXListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_rows.size());
}

int CXListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant CXListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    const CRowData& row = Row(index.row());
    if (static_cast<std::size_t>(index.column()) >= row.m_cells.size())
        return QString();
    return row.m_cells[static_cast<std::size_t>(index.column())].m_strText;
}

QVariant CXListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return Column(section).m_strTitle;
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(Column(section).m_align | Qt::AlignVCenter);
    return {};
}

void CXListModel::AddColumn(const QString& title, Qt::Alignment align) {
    const int c = columnCount();
    beginInsertColumns({}, c, c);
    m_columns.push_back({title, align});
    endInsertColumns();
}

void CXListModel::SetColumn(int column, const QString& title, Qt::Alignment align) {
    m_columns[static_cast<std::size_t>(column)] = {title, align};
    emit headerDataChanged(Qt::Horizontal, column, column);
}

int CXListModel::InsertRow(int row, CRowData data) {
    row = std::min(row, rowCount());
    beginInsertRows({}, row, row);
    m_rows.insert(m_rows.begin() + row, std::move(data));
    endInsertRows();
    return row;
}

void CXListModel::RemoveRow(int row) {
    beginRemoveRows({}, row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
}

void CXListModel::Clear() {
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void CXListModel::Reorder(const std::vector<int>& order) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOf(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        newRowOf[static_cast<std::size_t>(order[i])] = static_cast<int>(i);
    const QModelIndexList old = persistentIndexList();
    QModelIndexList moved;
    moved.reserve(old.size());
    for (const QModelIndex& idx : old)
        moved.append(index(newRowOf[static_cast<std::size_t>(idx.row())], idx.column()));
    changePersistentIndexList(old, moved);
    std::vector<CRowData> rows;
    rows.reserve(m_rows.size());
    for (int from : order)
        rows.push_back(std::move(m_rows[static_cast<std::size_t>(from)]));
    m_rows = std::move(rows);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
