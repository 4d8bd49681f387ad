// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapface.h"

#include "cairnbookdoc.h"
#include "cellfont.h"
#include "imagelist.h"
#include "imagery.h"
#include "mapcursors.h"
#include "mapdraw.h"
#include "mapgeometry.h"
#include "mapimage.h"
#include "memdc.h"
#include "prompt.h"
#include "res/resource.h"
#include "striplayout.h"
#include "textline.h"
#include "tileservice.h"
#include "trackingtip.h"
#include "velbutton.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

using namespace res;

namespace {

bool IsClickMode(int id) {
    return id == ID_ZOOM_IN || id == ID_ZOOM_OUT || id == ID_RECENTER || id == ID_MAP_ADD_WAYPOINT;
}
bool IsTheme(int id) {
    return id == ID_MAP_OFF || id == ID_MAP_AUTO || id == ID_MAP_AERIAL || id == ID_MAP_TOPO ||
           id == ID_MAP_URBAN;
}

QMenu* MakeMenu(QWidget* parent, const QString& title,
                std::initializer_list<std::pair<int, QString>> items,
                const std::function<void(int)>& command) {
    auto* menu = new QMenu(title, parent);
    for (const auto& [id, text] : items) {
        QAction* a = menu->addAction(text);
        a->setData(id);
        QObject::connect(a, &QAction::triggered, parent, [command, id] { command(id); });
    }
    return menu;
}

QString CurrentText(const QMenu* menu) {
    return menu->defaultAction() ? menu->defaultAction()->text() : QString();
}

void SetDefault(QMenu* menu, int id) {
    for (QAction* a : menu->actions())
        if (a->data().toInt() == id)
            menu->setDefaultAction(a);
}

} // namespace

CMapFace::CMapFace(CCairnbookDoc& doc, QWidget* parent)
    : QWidget(parent), m_doc(doc), m_nClickMode(ID_ZOOM_IN), m_nTheme(ID_MAP_OFF) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    m_pHideButton = new CVelButton(tr("Hide Waypoints\nShow Waypoints"), this);
    m_pResetButton = new CVelButton(tr("Reset Map"), this);
    connect(m_pHideButton, &QPushButton::clicked, this, &CMapFace::ToggleWaypoints);
    connect(m_pResetButton, &QPushButton::clicked, this, &CMapFace::ResetFrame);
    CreateMenus();
    Layout();
}

CMapFace::~CMapFace() = default;

void CMapFace::CreateMenus() {
    auto command = [this](int id) { emit Command(id); };
    m_pClickMenu.reset(MakeMenu(this, tr("Map Click Mode"),
                                {{ID_ZOOM_IN, tr("Zoom In")},
                                 {ID_ZOOM_OUT, tr("Zoom Out")},
                                 {ID_RECENTER, tr("Recenter")},
                                 {ID_MAP_ADD_WAYPOINT, tr("Add a Waypoint")}},
                                command));
    m_pModeMenu.reset(MakeMenu(this, tr("Mapping Modes"),
                               {{ID_MAP_OFF, tr("Turn Off Map")},
                                {ID_MAP_AUTO, tr("Auto Map")},
                                {ID_MAP_TOPO, tr("Topology")},
                                {ID_MAP_AERIAL, tr("Aerial View")},
                                {ID_MAP_URBAN, tr("Urban View")}},
                               command));
    SetDefault(m_pClickMenu.get(), m_nClickMode);
    SetDefault(m_pModeMenu.get(), m_nTheme);
    UseCurrentSource();
    // Another map source was chosen: the picture is asked of it anew.
    connect(&CTileService::Instance(), &CTileService::SourceChanged, this, [this] {
        UseCurrentSource();
        update();
    });
}

void CMapFace::UseCurrentSource() {
    m_pImagery = CImagery::ForCurrentSource();
    m_bDrawn = false;
    connect(m_pImagery.get(), &CImagery::Changed, this, [this] {
        if (isVisible() && m_nTheme != ID_MAP_OFF)
            update();
    });
    connect(m_pImagery.get(), &CImagery::Problem, this, [this](const QString& text) {
        m_doc.Prompt().Ask(CImageDownload::kCaption, text.toStdString(), EPromptButtons::ok,
                           EPromptIcon::warning);
    });
}

CAreaImagery* CMapFace::AreaImagery() const {
    return dynamic_cast<CAreaImagery*>(m_pImagery.get());
}

void CMapFace::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Layout();
}

void CMapFace::Layout() {
    const CStripLayout strip = ComputeStripLayout(rect());
    m_rcClickBox = strip.m_rcClickBox;
    m_rcModeBox = strip.m_rcModeBox;
    m_pHideButton->setGeometry(strip.m_rcHideButton);
    m_pResetButton->setGeometry(strip.m_rcResetButton);
}

void CMapFace::showEvent(QShowEvent* event) {
    UpdateCursor();
    QWidget::showEvent(event);
}

COuterRect CMapFace::Outer() const {
    return COuterRect{-2, -2, width() + 2, height() + 2};
}

void CMapFace::SetFrame(const CMapFrame& frame) {
    m_frame = frame;
    m_bFramed = true;
    m_bDrawn = false;
    update();
}

void CMapFace::MoveFrame(const CMapFrame& frame) {
    SetFrame(frame);
    DiscardPicture();
    update();
}

void CMapFace::ResetFrame() {
    m_bFramed = false;
    m_bDrawn = false;
    DiscardPicture();
    update();
}

void CMapFace::ToggleWaypoints() {
    m_bHideWaypoints = !m_bHideWaypoints;
    m_pHideButton->SetCheck(m_bHideWaypoints);
    m_pHideButton->update();
    update();
}

void CMapFace::SetShown(std::vector<char> shown) {
    m_shown = std::move(shown);
    m_hoverFrame.reset();
    HideTip();
    update();
}

void CMapFace::SetMetric(bool metric) {
    m_bMetric = metric;
    update();
}

void CMapFace::Follow(const CDocChange& change) {
    // Icons moved, came or went: the hover grid is filed anew at the next
    // move, and a tip may speak of a waypoint that is gone.
    m_hoverFrame.reset();
    if (change.m_kind != EDocChange::reference && change.m_kind != EDocChange::changed)
        HideTip();
    update();
}

void CMapFace::DiscardPicture() {
    m_pImagery->Discard();
}

bool CMapFace::Settled() const {
    // Until the frame was drawn, its picture was not even asked for.
    return m_nTheme == ID_MAP_OFF || (m_bDrawn && m_pImagery->Settled(m_frame));
}

void CMapFace::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    p.setBackground(kMapBackground);
    CMemDC dc(p, event->rect());
    Draw(dc.Painter(), event->rect());
}

void CMapFace::Draw(QPainter& p, const QRect& clip, bool forPrint) {
    const COuterRect r = Outer();
    p.setBackground(kMapBackground);
    if (!m_bFramed) {
        double maxLat, minLat, maxLon, minLon;
        m_doc.GetExtents(maxLat, minLat, maxLon, minLon);
        CMapFrame f = m_frame;
        FitFrame(f, r, maxLat, minLat, maxLon, minLon);
        SetFrame(f);
    }
    const QRect outer(QPoint(r.L, r.T), QPoint(r.R - 1, r.B - 1));
    p.fillRect(outer, kMapBackground);
    m_pImagery->Draw(p, m_frame, r, m_nTheme);
    m_bDrawn = true;
    if (!m_bHideWaypoints) {
        if (!m_pIcons)
            m_pIcons = std::make_unique<CImageList>(CImageList::FromResource());
        const QFont labelFont = FontOfCellHeight(12);
        if (!m_pLabelText || m_pLabelText->Font() != labelFont)
            m_pLabelText = std::make_unique<CTextLine>(labelFont);
        DrawWaypoints(p, m_doc.Entries(), m_frame, r, clip.intersected(outer), *m_pIcons,
                      *m_pLabelText, m_shown.empty() ? nullptr : &m_shown);
    }
    CMapOverlay o;
    o.m_outer = r;
    o.m_rcClickBox = m_rcClickBox;
    o.m_rcModeBox = m_rcModeBox;
    o.m_strClickMode = CurrentText(m_pClickMenu.get());
    o.m_strMapMode = CurrentText(m_pModeMenu.get());
    for (const QMenu* menu : {m_pClickMenu.get(), m_pModeMenu.get()})
        for (const QAction* a : menu->actions())
            o.m_boxItems << a->text();
    o.m_boxFace = palette().button().color();
    o.m_bHideWaypoints = m_bHideWaypoints;
    o.m_bMetric = m_bMetric;
    o.m_nScale = m_frame.m_nScale;
    o.m_bForPrint = forPrint;
    o.m_strAttribution = m_pImagery->Attribution(m_nTheme);
    DrawMapOverlay(p, o);
}

bool CMapFace::OnCommand(int id) {
    if (IsClickMode(id)) {
        m_nClickMode = id;
        SetDefault(m_pClickMenu.get(), id);
        UpdateCursor();
        update(m_rcClickBox);
        return true;
    }
    if (IsTheme(id)) {
        if (m_nTheme == id)
            return true;
        DiscardPicture();
        update();
        m_nTheme = id;
        m_bDrawn = false;
        SetDefault(m_pModeMenu.get(), id);
        return true;
    }
    return false;
}

bool CMapFace::UpdateCommand(int id, bool& checked) const {
    if (IsClickMode(id)) {
        checked = m_nClickMode == id;
        return true;
    }
    if (IsTheme(id)) {
        checked = m_nTheme == id;
        return true;
    }
    return false;
}

void CMapFace::UpdateCursor() {
    const QCursor cursor = MapCursor(m_nClickMode);
    // Over the whole face, its buttons included.
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(m_pHideButton),
                       static_cast<QWidget*>(m_pResetButton)})
        w->setCursor(cursor);
}

void CMapFace::PopUp(QMenu* menu, const QRect& box) {
    // The current item comes to lie over the box.
    menu->ensurePolished();
    const QAction* current = menu->defaultAction();
    const int itemTop = current ? menu->actionGeometry(const_cast<QAction*>(current)).top() : 0;
    menu->popup(mapToGlobal(QPoint(box.left() + 2, box.top() - itemTop)));
}

void CMapFace::LeftClick(const QPoint& pt) {
    if (m_rcClickBox.contains(pt)) {
        PopUp(m_pClickMenu.get(), m_rcClickBox);
        return;
    }
    if (m_rcModeBox.contains(pt)) {
        PopUp(m_pModeMenu.get(), m_rcModeBox);
        return;
    }
    if (pt.y() >= m_rcModeBox.top() - 3)
        return; // the bottom strip takes no map clicks
    CMapFrame f = m_frame;
    switch (m_nClickMode) {
    case ID_ZOOM_IN: ZoomInAt(f, Outer(), pt.x(), pt.y()); break;
    case ID_ZOOM_OUT: ZoomOutAt(f, Outer(), pt.x(), pt.y()); break;
    case ID_RECENTER: RecenterAt(f, Outer(), pt.x(), pt.y()); break;
    case ID_MAP_ADD_WAYPOINT: {
        double lat = 0, lon = 0;
        ClientToGeo(m_frame, Outer(), pt.x(), pt.y(), lat, lon);
        emit AddRequested(lat, lon);
        return;
    }
    default: return;
    }
    MoveFrame(f);
}

void CMapFace::RightClick(const QPoint& pt) {
    CMapFrame f = m_frame;
    if (m_nClickMode == ID_ZOOM_IN)
        ZoomOutAt(f, Outer(), pt.x(), pt.y());
    else if (m_nClickMode == ID_ZOOM_OUT)
        ZoomInAt(f, Outer(), pt.x(), pt.y());
    else
        return;
    MoveFrame(f);
}

void CMapFace::MouseMove(const QPoint& pt) {
    const COuterRect r = Outer();
    double lat = 0, lon = 0;
    ClientToGeo(m_frame, r, pt.x(), pt.y(), lat, lon);
    emit PositionChanged(static_cast<int>(std::clamp(lon * 10000, -2.0e9, 2.0e9)),
                         static_cast<int>(std::clamp(lat * 10000, -2.0e9, 2.0e9)));
    const bool sameFrame = m_hoverFrame && m_hoverFrame->m_nScale == m_frame.m_nScale &&
                           m_hoverFrame->m_dCenterLon == m_frame.m_dCenterLon &&
                           m_hoverFrame->m_dCenterLat == m_frame.m_dCenterLat &&
                           m_hoverSize == size();
    if (!sameFrame) {
        m_hover.Build(m_doc.Entries(), m_frame, r, m_shown.empty() ? nullptr : &m_shown);
        m_hoverFrame = m_frame;
        m_hoverSize = size();
    }
    const auto hit = m_hover.At(pt.x(), pt.y());
    const CWayEntry* hovered = hit ? m_doc.Entries()[hit->m_nIndex].get() : nullptr;
    if (hovered && hovered != m_pHoverEntry) {
        HideTip();
        m_pHoverEntry = hovered;
        if (!m_pToolTip)
            m_pToolTip = std::make_unique<CTrackingTip>(this);
        // 8 pixels right of and 16 below the waypoint, until the mouse leaves it.
        m_pToolTip->ShowAt(mapToGlobal(QPoint(hit->m_nX + 8, hit->m_nY + 16)),
                           QString::fromUtf8(hovered->m_strComment.View()));
    } else if (!hovered && m_pHoverEntry) {
        HideTip();
    }
}

void CMapFace::HideTip() {
    if (m_pToolTip)
        m_pToolTip->Hide();
    m_pHoverEntry = nullptr;
}

void CMapFace::leaveEvent(QEvent* event) {
    HideTip(); // the mouse left every icon with the face
    QWidget::leaveEvent(event);
}

void CMapFace::mousePressEvent(QMouseEvent* event) {
    const QPoint pt = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        LeftClick(pt);
    else if (event->button() == Qt::RightButton)
        RightClick(pt);
    QWidget::mousePressEvent(event);
}

void CMapFace::mouseMoveEvent(QMouseEvent* event) {
    MouseMove(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}
