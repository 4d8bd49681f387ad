// SPDX-License-Identifier: GPL-3.0-or-later
// The view's display settings and its share of command routing.
#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "coordinate.h"
#include "res/resource.h"
#include "res/strings.h"
#include "velbutton.h"
#include "xlistctrl.h"

using namespace res;

bool CCairnbookView::OnCommand(int id) {
    switch (id) {
    case ID_VIEW_LIST: OnViewList(); return true;
    case ID_VIEW_MAP: OnViewMap(); return true;
    case ID_HIDE_WAYPOINTS: OnHideWaypoints(); return true;
    case ID_METRIC: OnMetric(); return true;
    case ID_FORMAT_DEGMIN: OnNotation(0); return true;
    case ID_FORMAT_DEGMINSEC: OnNotation(1); return true;
    case ID_FORMAT_DEGDEC: OnNotation(2); return true;
    default: return OnListCommand(id) || OnMapCommand(id);
    }
}

bool CCairnbookView::UpdateCommand(int id, bool& checked) const {
    switch (id) {
    case ID_VIEW_LIST: checked = !m_bMapMode; return true;
    case ID_VIEW_MAP: checked = m_bMapMode; return true;
    case ID_HIDE_WAYPOINTS: checked = m_bHideWaypoints; return true;
    case ID_METRIC: checked = m_bMetric; return true;
    case ID_FORMAT_DEGMIN: checked = g_nCoordFormat == 0; return true;
    case ID_FORMAT_DEGMINSEC: checked = g_nCoordFormat == 1; return true;
    case ID_FORMAT_DEGDEC: checked = g_nCoordFormat == 2; return true;
    default: return UpdateMapCommand(id, checked);
    }
}

void CCairnbookView::OnViewList() {
    if (!m_bMapMode || !m_bControlsCreated)
        return;
    m_bMapMode = false;
    HideToolTip();
    // A metric toggle made in map face, here or in another view, reaches the
    // titles and the values now.
    if (m_bListMetric != m_bMetric)
        ApplyMetricToList();
    m_pList->show();
    UpdateShownStrip();
    m_pHideButton->hide();
    m_pResetButton->hide();
    UpdateCursor();
    update();
}

void CCairnbookView::OnViewMap() {
    if (m_bMapMode || !m_bControlsCreated)
        return;
    m_bMapMode = true;
    m_pList->hide();
    UpdateShownStrip();
    m_pHideButton->show();
    m_pResetButton->show();
    UpdateCursor();
    update();
}

void CCairnbookView::OnHideWaypoints() {
    m_bHideWaypoints = !m_bHideWaypoints;
    if (m_pHideButton) {
        m_pHideButton->SetCheck(m_bHideWaypoints);
        m_pHideButton->update();
    }
    update();
}

void CCairnbookView::OnResetMap() {
    m_bFramed = false; // the next paint fits the frame around the waypoints
    DiscardMapImage();
    update();
}

void CCairnbookView::OnMetric() {
    m_bMetric = !m_bMetric;
    if (m_bMapMode) {
        update();
        return;
    }
    ApplyMetricToList();
}

void CCairnbookView::ApplyMetricToList() {
    if (!m_bControlsCreated)
        return;
    m_pList->SetRedraw(false);
    RefreshRows();
    m_pList->SetRedraw(true);
}

void CCairnbookView::OnNotation(int notation) {
    if (g_nCoordFormat == notation)
        return;
    g_nCoordFormat = notation;
    FillList();
    update();
}
