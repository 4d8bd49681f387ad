// SPDX-License-Identifier: GPL-3.0-or-later
#include "xlistmodel.h"

#include <algorithm>

const CCellData* CHeldRows::Find(int item, int column) const {
    const CRowData& row = Row(item);
    return column >= 0 && static_cast<std::size_t>(column) < row.m_cells.size()
               ? &row.m_cells[static_cast<std::size_t>(column)]
               : nullptr;
}

void CHeldRows::Cell(int item, int column, CCellData& cell) const {
    if (const CCellData* held = Find(item, column))
        cell = *held;
}

std::string CHeldRows::SortText(int item, int column) const {
    const CCellData* held = Find(item, column);
    return held ? held->m_sortText : std::string();
}

int CHeldRows::CheckState(int item, int column) const {
    const CCellData* held = Find(item, column);
    return held ? held->m_nCheck : -1;
}

int CXListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int CXListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columns.size());
}

QVariant CXListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    if (!HasCell(index.row(), index.column()))
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
    m_order.insert(m_order.begin() + row, static_cast<int>(m_held.m_rows.size()));
    m_held.m_rows.push_back(std::move(data));
    endInsertRows();
    return row;
}

void CXListModel::SetSource(const CRowSource* source, int first, int count) {
    beginResetModel();
    m_held.m_rows.clear();
    m_pSource = source ? source : &m_held;
    m_order.clear();
    m_order.shrink_to_fit();
    m_order.resize(static_cast<std::size_t>(source ? std::max(0, count) : 0));
    for (std::size_t i = 0; i < m_order.size(); ++i)
        m_order[i] = first + static_cast<int>(i);
    endResetModel();
}

void CXListModel::SetSourceItems(const CRowSource* source, std::vector<int> items) {
    beginResetModel();
    m_held.m_rows.clear();
    m_pSource = source ? source : &m_held;
    m_order = source ? std::move(items) : std::vector<int>();
    endResetModel();
}

void CXListModel::AppendItems(int first, int count) {
    if (HoldsRows() || count <= 0)
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
        beginRemoveRows({}, rows[begin], rows[end - 1]);
        m_order.erase(m_order.begin() + rows[begin], m_order.begin() + rows[end - 1] + 1);
        endRemoveRows();
        end = begin;
    }
    if (items.empty())
        return;
    for (int& item : m_order)
        item -=
            static_cast<int>(std::lower_bound(items.begin(), items.end(), item) - items.begin());
    if (HoldsRows()) // our own items leave our store; another source's owner removes its own
        for (auto it = items.rbegin(); it != items.rend(); ++it)
            m_held.m_rows.erase(m_held.m_rows.begin() + *it);
}

void CXListModel::ShiftItems(const std::vector<std::size_t>& places) {
    if (HoldsRows() || places.empty() || m_order.empty())
        return;
    // Each shown item's new number: the numbers the new places leave free,
    // in order.
    const auto known =
        static_cast<std::size_t>(*std::max_element(m_order.begin(), m_order.end())) + 1;
    std::vector<int> renumbered(known);
    for (std::size_t n = 0, old = 0, p = 0; old < known; ++n) {
        if (p < places.size() && places[p] == n)
            ++p;
        else
            renumbered[old++] = static_cast<int>(n);
    }
    for (int& item : m_order)
        item = renumbered[static_cast<std::size_t>(item)];
}

void CXListModel::InsertItemRow(int row, int item) {
    beginInsertRows({}, row, row);
    m_order.insert(m_order.begin() + row, item);
    endInsertRows();
}

CSortCell CXListModel::SortKey(int item, int column, std::string& text) const {
    text = m_pSource->SortText(item, column);
    return CSortCell(text, m_pSource->CheckState(item, column), m_pSource->InsertIndex(item));
}

void CXListModel::Clear() {
    SetSource(nullptr, 0, 0);
}

const CCellData& CXListModel::CellAt(int row, int column) const {
    m_scratch = CCellData();
    m_pSource->Cell(ItemOf(row), column, m_scratch);
    return m_scratch;
}

bool CXListModel::HasCell(int row, int column) const {
    return column >= 0 && column < columnCount() &&
           (!HoldsRows() || m_held.Find(ItemOf(row), column));
}

std::vector<CSortCell> CXListModel::SortCells(int column, std::vector<std::string>& texts) const {
    const auto n = static_cast<std::size_t>(rowCount());
    std::vector<CSortCell> cells(n);
    texts.assign(n, std::string()); // all made before any is pointed at
    for (std::size_t row = 0; row < n; ++row) {
        const int item = m_order[row];
        texts[row] = m_pSource->SortText(item, column);
        cells[row] = CSortCell(texts[row], m_pSource->CheckState(item, column),
                               m_pSource->InsertIndex(item));
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
    std::vector<int> items(order.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        items[i] = m_order[static_cast<std::size_t>(order[i])];
    m_order = std::move(items);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
