// SPDX-License-Identifier: GPL-3.0-or-later
#include "xlistctrl.h"

#include "listcompare.h"
#include "textline.h"
#include "xheaderctrl.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollBar>

void InstallCellDelegate(CXListCtrl* list); // xlistpaint.cpp

CXListCtrl::CXListCtrl(QWidget* parent)
    : QTableView(parent), m_pModel(new CXListModel(this)), m_pHeader(new CXHeaderCtrl(this)),
      m_images(CImageList::FromResource()) {
    // The small proportional font such lists use, so the columns hold their texts.
    QFont small = font();
    small.setPixelSize(11);
    setFont(small);
    m_pHeader->setFont(small);
    setHorizontalHeader(m_pHeader);
    setModel(m_pModel);
    verticalHeader()->hide();
    setShowGrid(false); // the cells draw their own grid lines
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    m_pHeader->setStretchLastSection(false);
    m_pHeader->setSectionResizeMode(QHeaderView::Interactive);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(std::max(17, fontMetrics().height() + 4));
    connect(m_pHeader, &QHeaderView::sectionClicked, this, &CXListCtrl::OnColumnClick);
    ReadColors();
    InstallCellDelegate(this);
}

CXListCtrl::~CXListCtrl() = default;

void CXListCtrl::ReadColors() {
    const QPalette pal = palette();
    m_highlight = pal.color(QPalette::Active, QPalette::Highlight);
    m_highlightText = pal.color(QPalette::Active, QPalette::HighlightedText);
    m_buttonFace = pal.color(QPalette::Button);
    m_windowTextColor = pal.color(QPalette::Text);
    QPalette own = pal;
    own.setColor(QPalette::Base, m_windowColor);
    setPalette(own);
}

void CXListCtrl::changeEvent(QEvent* event) {
    // A new system palette replaces every colour, the window colour included.
    if (event->type() == QEvent::ApplicationPaletteChange) {
        m_windowColor = QApplication::palette().color(QPalette::Base);
        setPalette(QApplication::palette());
        ReadColors();
    }
    QTableView::changeEvent(event);
}

bool CXListCtrl::ValidCell(int row, int column) const {
    return row >= 0 && row < GetItemCount() && m_pModel->HasCell(row, column);
}

int CXListCtrl::InsertColumn(const QString& title, Qt::Alignment align, int width) {
    m_pModel->AddColumn(title, align);
    const int c = GetColumnCount() - 1;
    setColumnWidth(c, width);
    return c;
}

void CXListCtrl::SetColumnTitle(int column, const QString& title) {
    if (column >= 0 && column < GetColumnCount())
        m_pModel->SetColumn(column, title, m_pModel->Column(column).m_align);
}

void CXListCtrl::SetColumnAlignment(int column, Qt::Alignment align) {
    if (column >= 0 && column < GetColumnCount())
        m_pModel->SetColumn(column, m_pModel->Column(column).m_strTitle, align);
}

int CXListCtrl::GetColumnCount() const {
    return m_pModel->columnCount();
}
int CXListCtrl::GetItemCount() const {
    return m_pModel->rowCount();
}

void CXListCtrl::SetRowSource(const CRowSource* source, int first, int count) {
    m_pModel->SetSource(source, first, count);
    m_nSelectionMark = -1;
}

void CXListCtrl::SetRowItems(const CRowSource* source, std::vector<int> items) {
    m_pModel->SetSourceItems(source, std::move(items));
    m_nSelectionMark = -1;
}

void CXListCtrl::AppendItems(int first, int count) {
    m_pModel->AppendItems(first, count);
}

void CXListCtrl::InsertItems(const std::vector<std::size_t>& places) {
    if (m_pModel->HoldsRows())
        return;
    m_pModel->ShiftItems(places);
    for (const std::size_t place : places) {
        const int item = static_cast<int>(place);
        const int row = RowForNewItem(item);
        m_pModel->InsertItemRow(row, item);
        if (m_nSelectionMark >= row)
            ++m_nSelectionMark;
    }
}

int CXListCtrl::RowForNewItem(int item) const {
    // The rows stand in the header's order: a look at a few of them finds
    // where the new one goes, as a sort would put it.
    const bool sorted = m_nSortState != 2 && m_nSortColumn >= 0;
    std::string keyText, rowText;
    const CSortCell key = sorted ? m_pModel->SortKey(item, m_nSortColumn, keyText) : CSortCell();
    int lo = 0, hi = GetItemCount();
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        const bool after =
            sorted ? CompareRows(m_pModel->SortKey(m_pModel->ItemOf(mid), m_nSortColumn, rowText),
                                 key, m_nSortState) > 0
                   : m_pModel->ItemOf(mid) > item;
        if (after)
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

void CXListCtrl::RemoveItems(const std::vector<std::size_t>& places) {
    std::vector<int> rows;
    for (int row = 0, n = GetItemCount(); row < n; ++row)
        if (std::binary_search(places.begin(), places.end(),
                               static_cast<std::size_t>(m_pModel->ItemOf(row))))
            rows.push_back(row);
    DeleteItems(std::move(rows));
}

int CXListCtrl::ItemOf(int row) const {
    return row >= 0 && row < GetItemCount() ? m_pModel->ItemOf(row) : -1;
}

int CXListCtrl::RowOfItem(int item) const {
    for (int row = 0, n = GetItemCount(); row < n; ++row)
        if (m_pModel->ItemOf(row) == item)
            return row;
    return -1;
}

void CXListCtrl::RedrawRows() {
    if (updatesEnabled())
        viewport()->update();
}

int CXListCtrl::InsertItem(int row, const QString& text, int image) {
    if (row < 0 || !m_pModel->HoldsRows())
        return -1;
    CRowData data;
    data.m_cells.resize(static_cast<std::size_t>(std::max(1, GetColumnCount())));
    for (CCellData& cell : data.m_cells) {
        cell.m_textColor = m_windowTextColor;
        cell.m_backColor = m_windowColor;
    }
    data.m_cells[0].m_nImage = image;
    data.m_cells[0].m_strText = text;
    data.m_cells[0].m_sortText = text.toStdString();
    data.m_nInsertIndex = row;
    if (m_nSelectionMark >= row)
        ++m_nSelectionMark;
    return m_pModel->InsertRow(row, std::move(data));
}

bool CXListCtrl::EditCell(int row, int column, const std::function<void(CCellData&)>& change) {
    if (!ValidCell(row, column) || !m_pModel->HoldsRows())
        return false;
    change(m_pModel->Row(row).m_cells[static_cast<std::size_t>(column)]);
    RedrawCell(row, column);
    return true;
}

bool CXListCtrl::SetItemText(int row, int column, const QString& text, ColorRef textColor,
                             ColorRef backColor) {
    return EditCell(row, column, [&](CCellData& cell) {
        cell.m_strText = text;
        cell.m_sortText = text.toStdString();
        cell.m_textColor = textColor == kDefaultColor ? m_windowTextColor : ToQColor(textColor);
        cell.m_backColor = backColor == kDefaultColor ? m_windowColor : ToQColor(backColor);
    });
}

QString CXListCtrl::GetItemText(int row, int column) const {
    if (!ValidCell(row, column))
        return QString();
    return m_pModel->CellAt(row, column).m_strText;
}

bool CXListCtrl::SetItemImage(int row, int column, int image) {
    return EditCell(row, column, [image](CCellData& cell) { cell.m_nImage = image; });
}

bool CXListCtrl::SetCheckState(int row, int column, int state) {
    return EditCell(row, column, [state](CCellData& cell) { cell.m_nCheck = state; });
}

int CXListCtrl::GetCheckState(int row, int column) const {
    if (!ValidCell(row, column))
        return -1;
    return m_pModel->CellAt(row, column).m_nCheck;
}

bool CXListCtrl::SetItemData(int row, quintptr value) {
    if (row < 0 || row >= GetItemCount() || !m_pModel->HoldsRows())
        return false;
    m_pModel->Row(row).m_nItemData = value;
    return true;
}

quintptr CXListCtrl::GetItemData(int row) const {
    if (row < 0 || row >= GetItemCount())
        return 0;
    return m_pModel->ItemData(row);
}

bool CXListCtrl::DeleteItem(int row) {
    if (row < 0 || row >= GetItemCount())
        return false;
    DeleteItems({row});
    return true;
}

void CXListCtrl::DeleteItems(std::vector<int> rows) {
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [n = GetItemCount()](int r) { return r < 0 || r >= n; }),
               rows.end());
    if (rows.empty())
        return;
    if (m_nSelectionMark >= 0) {
        const auto at = std::lower_bound(rows.begin(), rows.end(), m_nSelectionMark);
        m_nSelectionMark = at != rows.end() && *at == m_nSelectionMark
                               ? -1
                               : m_nSelectionMark - static_cast<int>(at - rows.begin());
    }
    m_pModel->RemoveRows(rows);
}

bool CXListCtrl::DeleteAllItems() {
    m_pModel->Clear();
    m_nSelectionMark = -1;
    return true;
}

void CXListCtrl::RedrawCell(int row, int column) {
    if (updatesEnabled())
        viewport()->update(visualRect(m_pModel->index(row, column)));
}

void CXListCtrl::OnColumnClick(int column) {
    emit ColumnClicked(column);
    if (column == 0 && m_bShowRowNumbers)
        return;
    const int state = column == m_nSortColumn ? (m_nSortState + 1) % 3 : 0;
    SortByColumn(column, state);
}

void CXListCtrl::SortByColumn(int column, int state) {
    if (column < 0 || column >= GetColumnCount())
        return;
    m_nSortColumn = column;
    m_nSortState = state;
    m_pHeader->SetSortIndicator(column, state);
    std::vector<int> order;
    {
        std::vector<std::string> texts; // the keys' texts, for a list that holds none
        order = SortOrder(m_pModel->SortCells(column, texts), state);
    }
    if (m_nSelectionMark >= 0)
        m_nSelectionMark = static_cast<int>(
            std::find(order.begin(), order.end(), m_nSelectionMark) - order.begin());
    m_pModel->Reorder(order);
}

void CXListCtrl::Resort() {
    if (m_nSortState != 2)
        SortByColumn(m_nSortColumn, m_nSortState);
}

std::vector<int> CXListCtrl::SelectedRows() const {
    // Range by range: a selection of a million rows is one range, not a
    // million indexes.
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection())
        if (range.left() == 0)
            for (int r = range.top(); r <= range.bottom(); ++r)
                rows.push_back(r);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

void CXListCtrl::SetItemSelected(int row, bool selected) {
    if (row < 0 || row >= GetItemCount())
        return;
    selectionModel()->select(m_pModel->index(row, 0), (selected ? QItemSelectionModel::Select
                                                                : QItemSelectionModel::Deselect) |
                                                          QItemSelectionModel::Rows);
}

bool CXListCtrl::IsItemSelected(int row) const {
    return row >= 0 && row < GetItemCount() && selectionModel()->isRowSelected(row, {});
}

void CXListCtrl::SetFocusRow(int row) {
    if (row >= 0 && row < GetItemCount())
        selectionModel()->setCurrentIndex(m_pModel->index(row, 0), QItemSelectionModel::NoUpdate);
}

void CXListCtrl::EnsureVisible(int row) {
    if (row >= 0 && row < GetItemCount())
        scrollTo(m_pModel->index(row, 0));
}

void CXListCtrl::SetRedraw(bool on) {
    setUpdatesEnabled(on);
    if (on)
        viewport()->update();
}

void CXListCtrl::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    // The anchor moves with the focus unless Shift extends the selection from it.
    if (current.isValid() && !(QApplication::keyboardModifiers() & Qt::ShiftModifier))
        m_nSelectionMark = current.row();
}

QModelIndex CXListCtrl::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) {
    if ((action == MoveHome || action == MoveEnd) && GetItemCount() > 0) {
        const int column = std::max(0, currentIndex().column());
        return m_pModel->index(action == MoveHome ? 0 : GetItemCount() - 1, column);
    }
    return QTableView::moveCursor(action, modifiers);
}

QItemSelectionModel::SelectionFlags CXListCtrl::selectionCommand(const QModelIndex& index,
                                                                 const QEvent* event) const {
    if (event && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if ((key->key() == Qt::Key_Home || key->key() == Qt::Key_End) &&
            !(key->modifiers() & Qt::ShiftModifier))
            return QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows;
    }
    return QTableView::selectionCommand(index, event);
}

void CXListCtrl::mousePressEvent(QMouseEvent* event) {
    const QModelIndex idx = indexAt(event->position().toPoint());
    if (ValidCell(idx.row(), idx.column()) && event->button() == Qt::LeftButton &&
        m_pModel->CellAt(idx.row(), idx.column()).m_nCheck >= 0) {
        // A source's box shows its item, which the owner changes on the click.
        if (m_pModel->HoldsRows()) {
            CCellData& cell =
                m_pModel->Row(idx.row()).m_cells[static_cast<std::size_t>(idx.column())];
            cell.m_nCheck = cell.m_nCheck == 0 ? 1 : 0;
        }
        RedrawCell(idx.row(), idx.column());
        emit CheckBoxClicked(idx.row(), idx.column());
    }
    QTableView::mousePressEvent(event);
    // A click is the left button's, as the check box's own toggle is: a right
    // or middle click must not change what the box no longer shows.
    if (idx.isValid() && event->button() == Qt::LeftButton) {
        emit ItemClicked(idx.row(), idx.column());
        RedrawCell(idx.row(), idx.column());
    }
}

void CXListCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableView::mouseDoubleClickEvent(event);
    const QModelIndex idx = indexAt(event->position().toPoint());
    if (idx.isValid())
        emit ItemDoubleClicked(idx.row(), idx.column());
}
