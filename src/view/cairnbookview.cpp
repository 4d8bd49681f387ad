// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookview.h"

#include "cairnbookdoc.h"
#include "coordinate.h"
#include "listface.h"
#include "listingpane.h"
#include "mapface.h"
#include "res/resource.h"
#include "xlistctrl.h"

#include <QItemSelectionModel>
#include <QPainter>
#include <QSettings>
#include <QSplitter>

using namespace res;

CCairnbookView::CCairnbookView(CCairnbookDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_pSplitter(new QSplitter(this)),
      m_pListFace(new CListFace(doc, m_pSplitter)), m_pListing(new CListingPane(doc, m_pSplitter)),
      m_pMapFace(new CMapFace(doc, this)) {
    setFocusPolicy(Qt::StrongFocus);
    m_pMapFace->hide();
    m_pSplitter->setChildrenCollapsible(false);
    m_pSplitter->addWidget(m_pListFace);
    m_pSplitter->addWidget(m_pListing);
    m_pSplitter->setStretchFactor(0, 3);
    m_pSplitter->setStretchFactor(1, 2);
    const QSettings settings;
    m_pSplitter->restoreState(settings.value(kListingSplitKey).toByteArray());
    m_pListing->setVisible(settings.value(kListingKey, false).toBool());
    connect(m_pSplitter, &QSplitter::splitterMoved, this,
            [this] { QSettings().setValue(kListingSplitKey, m_pSplitter->saveState()); });
    connect(m_pListFace->List().selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &CCairnbookView::ShowCurrentListing);
    connect(m_pListing, &CListingPane::SelectPlace, this, [this](std::size_t place) {
        if (const int row = m_pListFace->List().RowOfItem(static_cast<int>(place)); row >= 0)
            m_pListFace->SelectOnly(row);
    });
    m_subscription = m_doc.Subscribe([this](const CDocChange& change) { Follow(change); });
    connect(m_pListFace, &CListFace::EditRequested, this, &CCairnbookView::OnEditRow);
    connect(m_pListFace, &CListFace::FlagClicked, this, &CCairnbookView::OnListClick);
    connect(m_pListFace, &CListFace::DeleteKeyPressed, this, &CCairnbookView::OnDeleteKey);
    connect(m_pListFace, &CListFace::ShowAllWanted, this, &CCairnbookView::ShowAllWanted);
    // The map draws what the list's filter lets through.
    connect(m_pListFace, &CListFace::FilterChanged, this, [this] {
        std::vector<char> shown;
        if (m_pListFace->Filtered())
            for (std::size_t i = 0; i < m_doc.Entries().size(); ++i)
                shown.push_back(m_pListFace->Matches(i) ? 1 : 0);
        m_pMapFace->SetShown(std::move(shown));
    });
    connect(m_pMapFace, &CMapFace::PositionChanged, this, &CCairnbookView::MapPosition);
    connect(m_pMapFace, &CMapFace::AddRequested, this, &CCairnbookView::AddWaypointAt);
    connect(m_pMapFace, &CMapFace::Command, this, &CCairnbookView::OnCommand);
}

CCairnbookView::~CCairnbookView() = default;

void CCairnbookView::OnInitialUpdate() {
    // The window has its first size now.
    m_pSplitter->setGeometry(rect());
    m_pMapFace->setGeometry(rect());
    m_pMapFace->Layout();
    // The splitter places its panes later; the list takes the whole width or
    // its share beside the listing.
    const QList<int> sizes = m_pSplitter->sizes();
    m_pListFace->FitColumns(m_pListing->isHidden() || sizes.value(0) <= 0 ? width()
                                                                          : sizes.value(0));
    FillList();
}

void CCairnbookView::Follow(const CDocChange& change) {
    m_pListFace->Follow(change);
    m_pMapFace->Follow(change);
    if (!m_pListing->isHidden())
        ShowCurrentListing();
}

void CCairnbookView::ShowCurrentListing() {
    if (m_pListing->isHidden())
        return;
    const int place = m_pListFace->PlaceOf(m_pListFace->List().currentIndex().row());
    m_pListing->Show(place >= 0 ? std::optional<std::size_t>(place) : std::nullopt);
}

void CCairnbookView::OnViewListing() {
    const bool shown = m_pListing->isHidden();
    m_pListing->setVisible(shown);
    // A pane never shown yet, or shown at no width, takes two fifths.
    if (shown && m_pSplitter->sizes().value(1) <= 0)
        m_pSplitter->setSizes({width() * 3 / 5, width() - width() * 3 / 5});
    QSettings().setValue(kListingKey, shown);
    ShowCurrentListing();
}

void CCairnbookView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_pSplitter->setGeometry(rect());
    m_pMapFace->setGeometry(rect());
    m_pMapFace->Layout();
}

void CCairnbookView::FillList() {
    m_pListFace->Fill();
}

void CCairnbookView::RefreshRows() {
    m_pListFace->Refresh();
}

QString CCairnbookView::ShownText() const {
    return m_pListFace->ShownText();
}

bool CCairnbookView::MapSettled() const {
    return !m_bMapMode || m_pMapFace->Settled();
}

void CCairnbookView::PaintContent(QPainter& p, const QRect& rect) {
    if (m_bMapMode)
        m_pMapFace->Draw(p, rect, true);
}

bool CCairnbookView::OnCommand(int id) {
    switch (id) {
    case ID_VIEW_LIST: OnViewList(); return true;
    case ID_VIEW_MAP: OnViewMap(); return true;
    case ID_HIDE_WAYPOINTS: OnHideWaypoints(); return true;
    case ID_METRIC: OnMetric(); return true;
    case ID_VIEW_LISTING: OnViewListing(); return true;
    case ID_VIEW_FILTER:
        OnViewList(); // the bar stands above the list
        m_pListFace->ToggleFilterBar();
        return true;
    case ID_FORMAT_DEGMIN: OnNotation(0); return true;
    case ID_FORMAT_DEGMINSEC: OnNotation(1); return true;
    case ID_FORMAT_DEGDEC: OnNotation(2); return true;
    // Adding on the map only makes sense while the map is shown.
    case ID_MAP_ADD_WAYPOINT: return !m_bMapMode || m_pMapFace->OnCommand(id);
    default: return OnListCommand(id) || m_pMapFace->OnCommand(id);
    }
}

bool CCairnbookView::UpdateCommand(int id, bool& checked) const {
    switch (id) {
    case ID_VIEW_LIST: checked = !m_bMapMode; return true;
    case ID_VIEW_MAP: checked = m_bMapMode; return true;
    case ID_HIDE_WAYPOINTS: checked = m_pMapFace->WaypointsHidden(); return true;
    case ID_METRIC: checked = m_bMetric; return true;
    case ID_VIEW_LISTING: checked = !m_pListing->isHidden(); return true;
    case ID_VIEW_FILTER:
        checked = m_pListFace->FilterBar() && !m_pListFace->FilterBar()->isHidden();
        return true;
    case ID_FORMAT_DEGMIN: checked = g_nCoordFormat == 0; return true;
    case ID_FORMAT_DEGMINSEC: checked = g_nCoordFormat == 1; return true;
    case ID_FORMAT_DEGDEC: checked = g_nCoordFormat == 2; return true;
    case ID_ZOOM_IN:
    case ID_ZOOM_OUT:
    case ID_RECENTER:
    case ID_MAP_ADD_WAYPOINT:
        // A click mode is checked only while the map is shown.
        m_pMapFace->UpdateCommand(id, checked);
        checked = checked && m_bMapMode;
        return true;
    default: return m_pMapFace->UpdateCommand(id, checked);
    }
}

void CCairnbookView::OnViewList() {
    if (!m_bMapMode)
        return;
    m_bMapMode = false;
    m_pMapFace->HideTip();
    m_pMapFace->hide();
    m_pSplitter->show();
}

void CCairnbookView::OnViewMap() {
    if (m_bMapMode)
        return;
    m_bMapMode = true;
    m_pSplitter->hide();
    m_pMapFace->show();
}

void CCairnbookView::OnHideWaypoints() {
    m_pMapFace->ToggleWaypoints();
}

void CCairnbookView::OnResetMap() {
    m_pMapFace->ResetFrame();
}

void CCairnbookView::OnMetric() {
    m_bMetric = !m_bMetric;
    m_pListFace->SetMetric(m_bMetric);
    m_pMapFace->SetMetric(m_bMetric);
}

void CCairnbookView::OnNotation(int notation) {
    if (g_nCoordFormat == notation)
        return;
    g_nCoordFormat = notation;
    FillList();
}
