// SPDX-License-Identifier: GPL-3.0-or-later
#include "listface.h"

#include "cairnbookdoc.h"
#include "documentrows.h"
#include "res/strings.h"
#include "rowtext.h"
#include "translate.h"
#include "waitcursor.h"
#include "xheaderctrl.h"
#include "xlistctrl.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QSettings>

#include <algorithm>
#include <climits>

namespace {

// Width of each column in percent of the list's width.
constexpr int kColumnPercent[kColumnCount] = {5, 8, 20, 9, 9, 7, 8, 4, 5, 14, 5, 6};

Qt::Alignment ColumnAlignment(int c) {
    return c == 0 || c == 7 || c == 8 ? Qt::AlignHCenter : Qt::AlignLeft;
}

} // namespace

CListFace::CListFace(CCairnbookDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_pRows(std::make_unique<CDocumentRows>(doc)) {
    m_pList = new CXListCtrl(this);
    m_pList->setObjectName("Main control list");
    for (int c = 0; c < kColumnCount; ++c)
        m_pList->InsertColumn(ResText(res::kColumnTitles[c]), ColumnAlignment(c), 0);
    FitColumns(width());
    m_pList->installEventFilter(this);
    setFocusProxy(m_pList);
    // The strip below the list that says how many waypoints it leaves out.
    m_pShownStrip = new QLabel(this);
    m_pShownStrip->setObjectName("ShownStrip");
    m_pShownStrip->setFont(m_pList->font());
    m_pShownStrip->setAlignment(Qt::AlignCenter);
    m_pShownStrip->hide();
    connect(m_pList, &CXListCtrl::ItemClicked, this, [this](int row, int column) {
        if (row >= 0 && (column == 7 || column == 8))
            emit FlagClicked(row, column);
    });
    connect(m_pList, &CXListCtrl::ItemDoubleClicked, this,
            [this](int row, int) { emit EditRequested(row); });
}

void CListFace::FitColumns(int w) {
    for (int c = 0; c < kColumnCount; ++c) {
        int columnWidth = w * kColumnPercent[c] / 100;
        if (c == 8)
            columnWidth -= 9;
        // No title is cut, however narrow the window starts.
        m_pList->setColumnWidth(c, std::max(columnWidth, m_pList->Header()->TitleWidth(c)));
    }
}

CListFace::~CListFace() {
    // The list goes with the widget's children, after the rows it reads from.
    m_pList->SetRowSource(nullptr, 0, 0);
}

void CListFace::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

void CListFace::Layout() {
    const QRect r = rect();
    // The find bar, while it is open, takes the top of the list's place, and
    // the strip that says how many rows are shown its bottom.
    QRect list = r;
    for (QWidget* bar : {m_pFindBar, m_pFilterBar})
        if (bar && !bar->isHidden()) {
            const int h = bar->sizeHint().height();
            bar->setGeometry(r.left(), list.top(), r.width(), h);
            list.setTop(list.top() + h);
        }
    if (!m_pShownStrip->isHidden()) {
        const int h = m_pShownStrip->fontMetrics().height() + 6;
        list.setBottom(r.bottom() - h);
        m_pShownStrip->setGeometry(r.left(), list.bottom() + 1, r.width(), h);
    }
    m_pList->setGeometry(list);
}

void CListFace::Fill() {
    CWaitCursor wait;
    m_pList->SetRedraw(false);
    ApplyUnitTitles();
    // A new window measures; afterwards its distances follow the changes.
    if (m_pRows->m_distances.Size() != m_doc.Entries().size())
        m_pRows->m_distances.Measure(m_doc);
    // The list keeps only each row's place in the document; cells are made
    // from the waypoints as rows come into view.
    if (Filtered()) {
        const std::vector<std::size_t> places =
            MatchingPlaces(m_doc, m_filter, m_pRows->m_distances);
        m_matching.assign(m_doc.Entries().size(), 0);
        for (std::size_t place : places)
            m_matching[place] = 1;
        m_nMatching = places.size();
        const std::size_t limit = ShowAll() ? places.size() : std::size_t(kMaxRows);
        std::vector<int> items;
        for (std::size_t i = 0; i < places.size() && i < limit; ++i)
            items.push_back(static_cast<int>(places[i]));
        m_nRows = static_cast<int>(items.size());
        m_pList->SetRowItems(m_pRows.get(), std::move(items));
    } else {
        m_matching.clear();
        m_nRows = RowsForDocument();
        m_pList->SetRowSource(m_pRows.get(), 0, m_nRows);
    }
    // Row numbers of a list shown whole may need more than the column's share.
    const int numbers = m_pList->fontMetrics().horizontalAdvance(QString::number(m_nRows)) + 6;
    if (m_pList->columnWidth(0) < numbers)
        m_pList->setColumnWidth(0, numbers);
    m_pList->Resort(); // the header still shows the order it asked for
    UpdateShownStrip();
    m_pList->SetRedraw(true);
}

void CListFace::Refresh() {
    ApplyUnitTitles();
    m_pList->RedrawRows();
}

void CListFace::SetMetric(bool metric) {
    m_bMetric = metric;
    m_pList->SetRedraw(false);
    Refresh();
    m_pList->SetRedraw(true);
}

void CListFace::Follow(const CDocChange& change) {
    m_pRows->m_distances.Follow(m_doc, change);
    if (Filtered()) { // what matches may change with any change
        Fill();
        emit FilterChanged();
        return;
    }
    const std::size_t all = m_doc.Entries().size();
    const auto count = change.m_places.size();
    switch (change.m_kind) {
    case EDocChange::changed: m_pList->RedrawRows(); return;
    case EDocChange::reference:
        m_pList->RedrawRows();
        m_pList->Resort();
        return;
    case EDocChange::inserted:
        // Rows follow one by one only while the list shows every waypoint, and
        // only a few: each new row moves the rows after it.
        if (RowsForDocument() == static_cast<int>(all) && m_nRows + count == all &&
            count <= kFewRows) {
            m_pList->InsertItems(change.m_places); // each sorted into its place
            m_nRows = static_cast<int>(all);
            UpdateShownStrip();
            return;
        }
        break;
    case EDocChange::removed:
        if (static_cast<std::size_t>(m_nRows) == all + count) {
            m_pList->RemoveItems(change.m_places);
            m_nRows = static_cast<int>(all);
            UpdateShownStrip();
            return;
        }
        break;
    case EDocChange::reset: break;
    }
    Fill();
}

CWayEntry* CListFace::EntryAt(int row) const {
    const int place = PlaceOf(row);
    return place >= 0 && static_cast<std::size_t>(place) < m_doc.Entries().size()
               ? m_doc.Entries()[static_cast<std::size_t>(place)].get()
               : nullptr;
}

int CListFace::PlaceOf(int row) const {
    return m_pList->ItemOf(row);
}

void CListFace::SelectOnly(int row) {
    m_pList->clearSelection();
    m_pList->SetItemSelected(row, true);
    m_pList->SetFocusRow(row);
    m_pList->SetSelectionMark(row);
    m_pList->EnsureVisible(row);
}

bool CListFace::ShowAll() {
    if (!s_showAll)
        s_showAll = QSettings().value(kShowAllKey, false).toBool();
    return *s_showAll;
}

void CListFace::SetShowAll(bool on) {
    s_showAll = on;
    QSettings().setValue(kShowAllKey, on);
}

void CListFace::SetFilter(CWaypointFilter filter) {
    m_filter = std::move(filter);
    Fill();
    emit FilterChanged();
}

bool CListFace::Matches(std::size_t place) const {
    return !Filtered() || (place < m_matching.size() && m_matching[place]);
}

QString CListFace::ShownText() const {
    const std::size_t all = m_doc.Entries().size();
    if (Filtered())
        return tr("%1 of %2 waypoints match the filter")
            .arg(Grouped(m_nMatching))
            .arg(Grouped(all));
    // Only the limit leaves waypoints out.
    if (static_cast<std::size_t>(m_nRows) >= all || ShowAll() || m_nRows < kMaxRows)
        return QString();
    return tr("%1 of %2 waypoints shown")
        .arg(Grouped(static_cast<std::size_t>(m_nRows)))
        .arg(Grouped(all));
}

QString CListFace::Grouped(std::size_t count) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(qulonglong(count));
}

void CListFace::UpdateShownStrip() {
    const QString text = ShownText();
    m_pShownStrip->setText(text);
    if (text.isEmpty() != m_pShownStrip->isHidden()) {
        m_pShownStrip->setVisible(!text.isEmpty());
        Layout();
    }
}

int CListFace::RowsForDocument() const {
    const std::size_t limit = ShowAll() ? static_cast<std::size_t>(INT_MAX) : kMaxRows;
    return static_cast<int>(std::min(m_doc.Entries().size(), limit));
}

void CListFace::ApplyUnitTitles() {
    m_pRows->m_bMetric = m_bMetric;
    if (m_bTitlesMetric == m_bMetric)
        return;
    m_pList->SetColumnTitle(5, ResText(m_bMetric ? res::kAltitudeMetric : res::kAltitudeFeet));
    m_pList->SetColumnTitle(10, ResText(m_bMetric ? res::kDistanceMetric : res::kDistanceMiles));
    m_bTitlesMetric = m_bMetric;
}

bool CListFace::eventFilter(QObject* watched, QEvent* event) {
    if (m_pFindEdit && watched == static_cast<QObject*>(m_pFindEdit) &&
        event->type() == QEvent::KeyPress && FindKey(static_cast<QKeyEvent*>(event)))
        return true;
    // The Delete key deletes when the list has the focus.
    if (watched == m_pList && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Delete && key->modifiers() == Qt::NoModifier) {
            emit DeleteKeyPressed();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

std::vector<std::size_t> CListFace::AllMatching() const {
    std::vector<std::size_t> places;
    for (std::size_t i = 0; i < m_matching.size() && i < m_doc.Entries().size(); ++i)
        if (m_matching[i])
            places.push_back(i);
    return places;
}
