// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookview.h"

#include "cairnbookdoc.h"
#include "coordinate.h"
#include "listface.h"
#include "mapface.h"
#include "res/resource.h"

#include <QPainter>

using namespace res;

CCairnbookView::CCairnbookView(CCairnbookDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_pListFace(new CListFace(doc, this)),
      m_pMapFace(new CMapFace(doc, this)) {
    setFocusPolicy(Qt::StrongFocus);
    m_pMapFace->hide();
    m_subscription = m_doc.Subscribe([this](const CDocChange& change) { Follow(change); });
    connect(m_pListFace, &CListFace::EditRequested, this, &CCairnbookView::OnEditRow);
    connect(m_pListFace, &CListFace::FlagClicked, this, &CCairnbookView::OnListClick);
    connect(m_pListFace, &CListFace::DeleteKeyPressed, this, &CCairnbookView::OnDeleteKey);
    connect(m_pListFace, &CListFace::ShowAllWanted, this, &CCairnbookView::ShowAllWanted);
    connect(m_pMapFace, &CMapFace::PositionChanged, this, &CCairnbookView::MapPosition);
    connect(m_pMapFace, &CMapFace::AddRequested, this, &CCairnbookView::AddWaypointAt);
    connect(m_pMapFace, &CMapFace::Command, this, &CCairnbookView::OnCommand);
}

CCairnbookView::~CCairnbookView() = default;

void CCairnbookView::OnInitialUpdate() {
    // The window has its first size now.
    m_pListFace->setGeometry(rect());
    m_pMapFace->setGeometry(rect());
    m_pMapFace->Layout();
    m_pListFace->FitColumns();
    FillList();
}

void CCairnbookView::Follow(const CDocChange& change) {
    m_pListFace->Follow(change);
    m_pMapFace->Follow(change);
}

void CCairnbookView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_pListFace->setGeometry(rect());
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
    m_pListFace->show();
}

void CCairnbookView::OnViewMap() {
    if (m_bMapMode)
        return;
    m_bMapMode = true;
    m_pListFace->hide();
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
