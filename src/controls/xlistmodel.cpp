#include "xlistmodel.h"

#include <algorithm>

int CXListModel::rowCount(const QModelIndex& parent) const {
    if (parent.isValid())
        return 0;
    return static_cast<int>(m_pSource ? m_order.size() : m_rows.size());
}

int CXListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant CXListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    if (index.column() >= CellCount(index.row()))
        return QString();
    return CellAt(index.row(), index.column()).m_strText;
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

void CXListModel::SetSource(const CRowSource* source, int first, int count) {
    beginResetModel();
    m_rows.clear();
    m_pSource = source;
    m_order.clear();
    m_order.shrink_to_fit();
    if (source) {
        m_order.resize(static_cast<std::size_t>(std::max(0, count)));
        for (std::size_t i = 0; i < m_order.size(); ++i)
            m_order[i] = first + static_cast<int>(i);
    }
    endResetModel();
}

void CXListModel::AppendItems(int first, int count) {
    if (!m_pSource || count <= 0)
        return;
    const int row = rowCount();
    beginInsertRows({}, row, row + count - 1);
    for (int i = 0; i < count; ++i)
        m_order.push_back(first + i);
    endInsertRows();
}

void CXListModel::RemoveRows(const std::vector<int>& rows) {
    std::vector<int> items;
    for (int row : rows)
        items.push_back(ItemOf(row));
    std::sort(items.begin(), items.end());
    // Block by block from the highest, so the rows still to go keep their numbers.
    for (std::size_t end = rows.size(); end > 0;) {
        std::size_t begin = end - 1;
        while (begin > 0 && rows[begin - 1] == rows[begin] - 1)
            --begin;
        const int top = rows[begin], bottom = rows[end - 1];
        beginRemoveRows({}, top, bottom);
        if (m_pSource)
            m_order.erase(m_order.begin() + top, m_order.begin() + bottom + 1);
        else
            m_rows.erase(m_rows.begin() + top, m_rows.begin() + bottom + 1);
        endRemoveRows();
        end = begin;
    }
    if (m_pSource && !items.empty())
        for (int& item : m_order)
            item -= static_cast<int>(std::lower_bound(items.begin(), items.end(), item) -
                                     items.begin());
}

void CXListModel::Clear() {
    SetSource(nullptr, 0, 0);
}

const CCellData& CXListModel::CellAt(int row, int column) const {
    if (!m_pSource)
        return Row(row).m_cells[static_cast<std::size_t>(column)];
    m_scratch = CCellData();
    m_pSource->Cell(ItemOf(row), column, m_scratch);
    return m_scratch;
}

int CXListModel::CellCount(int row) const {
    return m_pSource ? columnCount() : static_cast<int>(Row(row).m_cells.size());
}

quintptr CXListModel::ItemData(int row) const {
    return m_pSource ? m_pSource->ItemData(ItemOf(row)) : Row(row).m_nItemData;
}

std::vector<CSortCell> CXListModel::SortCells(int column, std::vector<std::string>& texts) const {
    const int n = rowCount();
    std::vector<CSortCell> cells(static_cast<std::size_t>(n));
    if (m_pSource) {
        texts.assign(static_cast<std::size_t>(n), std::string());
        for (int row = 0; row < n; ++row) {
            const int item = ItemOf(row);
            const auto r = static_cast<std::size_t>(row);
            texts[r] = m_pSource->SortText(item, column);
            cells[r] = CSortCell(texts[r], m_pSource->CheckState(item, column), item);
        }
        return cells;
    }
    const auto c = static_cast<std::size_t>(column);
    for (int row = 0; row < n; ++row) {
        const CRowData& r = Row(row);
        CSortCell& cell = cells[static_cast<std::size_t>(row)];
        if (c < r.m_cells.size())
            cell = CSortCell(r.m_cells[c].m_sortText, r.m_cells[c].m_nCheck, r.m_nInsertIndex);
        else
            cell.m_nInsertIndex = r.m_nInsertIndex;
    }
    return cells;
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
    if (m_pSource) {
        std::vector<int> items(order.size());
        for (std::size_t i = 0; i < order.size(); ++i)
            items[i] = m_order[static_cast<std::size_t>(order[i])];
        m_order = std::move(items);
    } else {
        std::vector<CRowData> rows;
        rows.reserve(m_rows.size());
        for (int from : order)
            rows.push_back(std::move(m_rows[static_cast<std::size_t>(from)]));
        m_rows = std::move(rows);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
