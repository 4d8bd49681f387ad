// SPDX-License-Identifier: GPL-3.0-or-later
#include "cairnbookview.h"

#include "cairnbookdoc.h"
#include "documentrows.h"
#include "imagelist.h"
#include "mapdraw.h"
#include "mapgeometry.h"
#include "mapimage.h"
#include "memdc.h"
#include "res/resource.h"
#include "res/strings.h"
#include "rowtext.h"
#include "striplayout.h"
#include "textcodec.h"
#include "textline.h"
#include "tileservice.h"
#include "trackingtip.h"
#include "velbutton.h"
#include "waitcursor.h"
#include "xheaderctrl.h"
#include "xlistctrl.h"

#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
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

CCairnbookView::CCairnbookView(CCairnbookDoc& doc, QWidget* parent)
    : QWidget(parent), m_nClickMode(res::ID_ZOOM_IN), m_nMapTheme(res::ID_MAP_OFF),
      m_pRows(std::make_unique<CDocumentRows>(doc)), m_doc(doc) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

CCairnbookView::~CCairnbookView() {
    // The list goes with the widget's children, after the rows it reads from.
    if (m_pList)
        m_pList->SetRowSource(nullptr, 0, 0);
    if (CTileService* tiles = CTileService::Existing())
        tiles->Forget(this);
}

void CCairnbookView::OnInitialUpdate() {
    if (!m_bControlsCreated) {
        CreateControls();
        m_bControlsCreated = true;
    }
    m_pList->DeleteAllItems();
    m_nRows = 0;
    // A view opened on a document that is already shown fills itself at its
    // first paint, not only when the document changes.
    m_bRowsStale = true;
    update();
}

void CCairnbookView::CreateControls() {
    const QRect r = rect();
    m_pList = new CXListCtrl(this);
    m_pList->setObjectName("Main control list");
    m_pList->setGeometry(r);
    const int w = r.width();
    for (int c = 0; c < kColumnCount; ++c) {
        int width = w * kColumnPercent[c] / 100;
        if (c == 8)
            width -= 9;
        m_pList->InsertColumn(res::kColumnTitles[c], ColumnAlignment(c), width);
        // No title is cut, however narrow the window starts.
        m_pList->setColumnWidth(c, std::max(width, m_pList->Header()->TitleWidth(c)));
    }
    m_pList->show();
    m_pList->installEventFilter(this);
    // The strip below the list that says how many waypoints it leaves out.
    m_pShownStrip = new QLabel(this);
    m_pShownStrip->setObjectName("ShownStrip");
    m_pShownStrip->setFont(m_pList->font());
    m_pShownStrip->setAlignment(Qt::AlignCenter);
    m_pShownStrip->hide();
    connect(m_pList, &CXListCtrl::ItemClicked, this, &CCairnbookView::OnListClick);
    connect(m_pList, &CXListCtrl::ItemDoubleClicked, this,
            [this](int row, int) { OnEditRow(row); });

    const CStripLayout strip = ComputeStripLayout(r);
    m_rcClickBox = strip.m_rcClickBox;
    m_rcModeBox = strip.m_rcModeBox;
    const int b = r.top() + r.height();
    m_pHideButton = new CVelButton("Hide Waypoints\nShow Waypoints", this);
    m_pHideButton->setGeometry(strip.m_nButtonX, b - 20, 96, 20);
    m_pHideButton->hide();
    m_pResetButton = new CVelButton("Reset Map", this);
    m_pResetButton->setGeometry(strip.m_nButtonX + 101, b - 20, 70, 20);
    m_pResetButton->hide();
    connect(m_pHideButton, &QPushButton::clicked, this, &CCairnbookView::OnHideWaypoints);
    connect(m_pResetButton, &QPushButton::clicked, this, &CCairnbookView::OnResetMap);
    CreateMapMenus();
}

void CCairnbookView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_bControlsCreated)
        Layout();
}

void CCairnbookView::Layout() {
    const QRect r = rect();
    // The find bar, while it is open, takes the top of the list's place, and
    // the strip that says how many rows are shown its bottom.
    QRect list = r;
    if (m_pFindBar && !m_pFindBar->isHidden()) {
        const int h = m_pFindBar->sizeHint().height();
        m_pFindBar->setGeometry(r.left(), r.top(), r.width(), h);
        list.setTop(r.top() + h);
    }
    if (!m_pShownStrip->isHidden()) {
        const int h = m_pShownStrip->fontMetrics().height() + 6;
        list.setBottom(r.bottom() - h);
        m_pShownStrip->setGeometry(r.left(), list.bottom() + 1, r.width(), h);
    }
    m_pList->setGeometry(list);
    const CStripLayout strip = ComputeStripLayout(r);
    m_rcClickBox = strip.m_rcClickBox;
    m_rcModeBox = strip.m_rcModeBox;
    m_pHideButton->setGeometry(strip.m_rcHideButton);
    m_pResetButton->setGeometry(strip.m_rcResetButton);
}

void CCairnbookView::FillList() {
    if (!m_bControlsCreated)
        return;
    CWaitCursor wait;
    m_pList->SetRedraw(false);
    ApplyUnitTitles();
    HideToolTip(); // its waypoint may be gone
    // The list keeps only each row's place in the document; cells are made
    // from the waypoints as rows come into view.
    m_nRows = RowsForDocument();
    m_pList->SetRowSource(m_pRows.get(), 0, m_nRows);
    // Row numbers of a list shown whole may need more than the column's share.
    const int numbers = m_pList->fontMetrics().horizontalAdvance(QString::number(m_nRows)) + 6;
    if (m_pList->columnWidth(0) < numbers)
        m_pList->setColumnWidth(0, numbers);
    m_pList->Resort(); // the header still shows the order it asked for
    m_bRowsStale = false;
    UpdateShownStrip();
    m_pList->SetRedraw(true);
}

void CCairnbookView::RefreshRows() {
    if (!m_bControlsCreated)
        return;
    // The rows stand for the same entries only while nothing was added or
    // removed behind them; another view may have added some since.
    if (m_nRows != RowsForDocument() || m_bRowsStale) {
        FillList();
        return;
    }
    ApplyUnitTitles();
    m_pList->RedrawRows();
}

bool CCairnbookView::ShowAll() {
    if (!s_showAll)
        s_showAll = QSettings().value(kShowAllKey, false).toBool();
    return *s_showAll;
}

void CCairnbookView::SetShowAll(bool on) {
    s_showAll = on;
    QSettings().setValue(kShowAllKey, on);
}

QString CCairnbookView::ShownText() const {
    const std::size_t all = m_doc.Entries().size();
    // Only the limit leaves waypoints out: a list that has not caught up yet
    // (a merge still asking its questions) says nothing.
    if (!m_bControlsCreated || static_cast<std::size_t>(m_nRows) >= all || ShowAll() ||
        m_nRows < kMaxRows)
        return QString();
    return QString("%1 of %2 waypoints shown")
        .arg(Grouped(static_cast<std::size_t>(m_nRows)))
        .arg(Grouped(all));
}

QString CCairnbookView::Grouped(std::size_t count) {
    return QLocale(QLocale::English, QLocale::UnitedStates).toString(qulonglong(count));
}

void CCairnbookView::UpdateShownStrip() {
    if (!m_bControlsCreated)
        return;
    const QString text = ShownText();
    m_pShownStrip->setText(text);
    const bool shown = !text.isEmpty() && !m_bMapMode;
    if (shown != !m_pShownStrip->isHidden()) {
        m_pShownStrip->setVisible(shown);
        Layout();
    }
}

int CCairnbookView::RowsForDocument() const {
    const std::size_t limit = ShowAll() ? static_cast<std::size_t>(INT_MAX) : kMaxRows;
    return static_cast<int>(std::min(m_doc.Entries().size(), limit));
}

void CCairnbookView::ApplyUnitTitles() {
    m_pRows->m_bMetric = m_bMetric;
    if (m_bListMetric == m_bMetric)
        return;
    m_pList->SetColumnTitle(5, m_bMetric ? res::kAltitudeMetric : res::kAltitudeFeet);
    m_pList->SetColumnTitle(10, m_bMetric ? res::kDistanceMetric : res::kDistanceMiles);
    m_bListMetric = m_bMetric;
}

void CCairnbookView::ListChanged() {
    // This view's rows follow the change already, and the others rebuild now:
    // the next paint has nothing to rebuild, and the selection stays.
    m_doc.m_bListChanged = false;
    UpdateShownStrip();
    if (m_fnListChanged)
        m_fnListChanged(this);
}

void CCairnbookView::InvalidateRows() {
    m_bRowsStale = true;
    update();
}

void CCairnbookView::RebuildIfChanged() {
    if (!m_bControlsCreated)
        return;
    if (m_doc.m_bListChanged) {
        FillList();
        m_doc.m_bListChanged = false;
        if (m_fnRowsRebuilt)
            m_fnRowsRebuilt(this);
    } else if (m_bRowsStale) {
        FillList();
    }
}

void CCairnbookView::paintEvent(QPaintEvent* event) {
    RebuildIfChanged();
    QPainter p(this);
    if (!m_bMapMode) {
        p.fillRect(event->rect(), palette().window());
        return;
    }
    p.setBackground(kMapBackground);
    CMemDC dc(p, event->rect());
    DrawMap(dc.Painter(), event->rect());
}

void CCairnbookView::PaintContent(QPainter& p, const QRect& rect) {
    if (m_bMapMode)
        DrawMap(p, rect, true);
}
