// SPDX-License-Identifier: GPL-3.0-or-later
// The view's map face: frame, picture, drawing, mouse and the map commands.
#include "cairnbookdoc.h"
#include "cairnbookview.h"
#include "cellfont.h"
#include "editwaypointdlg.h"
#include "imagelist.h"
#include "mapcursors.h"
#include "mapdraw.h"
#include "mapgeometry.h"
#include "mapimage.h"
#include "memdc.h"
#include "prompt.h"
#include "res/resource.h"
#include "textcodec.h"
#include "textline.h"
#include "tilecompose.h"
#include "tileservice.h"
#include "trackingtip.h"
#include "velbutton.h"
#include "xlistctrl.h"

#include <QMenu>
#include <QMouseEvent>
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
                std::initializer_list<std::pair<int, const char*>> items,
                const std::function<void(int)>& command) {
    auto* menu = new QMenu(title, parent);
    for (const auto& [id, text] : items) {
        QAction* a = menu->addAction(text);
        a->setData(id);
        QObject::connect(a, &QAction::triggered, parent, [command, id] { command(id); });
    }
    return menu;
}

void SetDefault(QMenu* menu, int id) {
    for (QAction* a : menu->actions())
        if (a->data().toInt() == id)
            menu->setDefaultAction(a);
}

} // namespace

void CCairnbookView::CreateMapMenus() {
    auto command = [this](int id) { OnCommand(id); };
    m_pClickMenu.reset(MakeMenu(this, "Map Click Mode",
                                {{ID_ZOOM_IN, "Zoom In"},
                                 {ID_ZOOM_OUT, "Zoom Out"},
                                 {ID_RECENTER, "Recenter"},
                                 {ID_MAP_ADD_WAYPOINT, "Add a Waypoint"}},
                                command));
    m_pModeMenu.reset(MakeMenu(this, "Mapping Modes",
                               {{ID_MAP_OFF, "Turn Off Map"},
                                {ID_MAP_AUTO, "Auto Map"},
                                {ID_MAP_TOPO, "Topology"},
                                {ID_MAP_AERIAL, "Aerial View"},
                                {ID_MAP_URBAN, "Urban View"}},
                               command));
    SetDefault(m_pClickMenu.get(), m_nClickMode);
    SetDefault(m_pModeMenu.get(), m_nMapTheme);
    m_pDownload = new CImageDownload(this);
    connect(m_pDownload, &CImageDownload::Finished, this, &CCairnbookView::OnImageArrived);
    connect(m_pDownload, &CImageDownload::Problem, this, [this](const QString& text) {
        m_doc.Prompt().Ask(CImageDownload::kCaption, FromQString(text), EPromptButtons::ok,
                           EPromptIcon::warning);
    });
    connect(&CTileService::Instance(), &CTileService::TileArrived, this,
            &CCairnbookView::OnTileArrived);
    m_pRetry = new QTimer(this);
    m_pRetry->setSingleShot(true);
    m_pRetry->setInterval(kRetryMs);
    connect(m_pRetry, &QTimer::timeout, this, [this] {
        m_strFailed.clear();
        update();
    });
    setMouseTracking(true);
}

COuterRect CCairnbookView::Outer() const {
    // The view counts a two-pixel border around its client area, as its frame had one.
    return COuterRect{-2, -2, width() + 2, height() + 2};
}

CMapFrame CCairnbookView::Frame() const {
    return CMapFrame{m_nScale, m_dCenterLon, m_dCenterLat};
}

void CCairnbookView::SetFrame(const CMapFrame& frame) {
    m_nScale = frame.m_nScale;
    m_dCenterLon = frame.m_dCenterLon;
    m_dCenterLat = frame.m_dCenterLat;
    m_bFramed = true;
}

void CCairnbookView::MoveFrame(const CMapFrame& frame) {
    SetFrame(frame);
    DiscardMapImage();
    update();
}

void CCairnbookView::DiscardMapImage() {
    m_pMapImage.reset();
    if (m_pDownload)
        m_pDownload->Abandon();
    m_strRequested.clear();
}

bool CCairnbookView::FetchMapImage() {
    if (m_nMapTheme == ID_MAP_OFF || !m_pDownload)
        return false;
    const COuterRect r = Outer();
    const int t = ThemeCode(m_nMapTheme, m_nScale);
    if (m_nScale > kMaxImageryScale || t == 0)
        return false;
    const QString path = QString::fromStdString(
        ImageRequestPath(t, m_nScale, m_dCenterLon, m_dCenterLat, r.Width(), r.Height()));
    // After a failure nothing is asked until the pause is over, whatever the
    // frame: a refusing host would otherwise get a request per resize.
    if (m_pRetry->isActive() || (m_pDownload->InFlight() && path == m_strRequested))
        return false; // waiting: for the pause after a failure, or for the answer
    m_strRequested = path;
    m_nRequestHalfWidth = r.Width() / 2;
    m_nRequestHalfHeight = r.Height() / 2;
    m_pDownload->Get(ImageryHost(), path);
    return false; // the picture comes later, and the view is repainted then
}

void CCairnbookView::OnImageArrived(bool ok, const QByteArray& body) {
    const QString path = m_strRequested;
    m_strRequested.clear();
    if (!ok) {
        m_strFailed = path;
        m_pRetry->start();
        return;
    }
    m_strFailed.clear();
    m_pRetry->stop(); // an answer lifts the pause
    // A body that is no picture leaves an empty image: nothing is asked again
    // until the frame changes.
    m_pMapImage = std::make_unique<CMapImage>();
    if (m_pMapImage->LoadFromMemory(body)) {
        m_nImageHalfWidth = m_nRequestHalfWidth;
        m_nImageHalfHeight = m_nRequestHalfHeight;
    }
    update();
}

void CCairnbookView::SetRetryPause(int ms) {
    m_pRetry->setInterval(ms);
}

void CCairnbookView::OnMapSourceChanged() {
    DiscardMapImage();
    m_strTileFrame.clear();
    update();
}

void CCairnbookView::OnTileArrived() {
    if (m_bMapMode && m_nMapTheme != ID_MAP_OFF)
        update();
}

bool CCairnbookView::DrawTiles(QPainter& p, const COuterRect& r) {
    CTileService& tiles = CTileService::Instance();
    if (!tiles.Source().IsTiles())
        return false;
    const int theme = ThemeCode(m_nMapTheme, m_nScale);
    if (theme == 0) {
        tiles.Forget(this);
        return true;
    }
    const int zoom = TileZoomFor(MetresPerPixel(m_nScale), m_dCenterLat, tiles.Source().m_nMaxZoom);
    auto frameKey = [&] {
        return QString("%1 %2 %3 %4x%5 %6 %7 %8")
            .arg(m_nScale)
            .arg(m_dCenterLon, 0, 'g', 17)
            .arg(m_dCenterLat, 0, 'g', 17)
            .arg(r.Width())
            .arg(r.Height())
            .arg(zoom)
            .arg(theme)
            .arg(tiles.Version());
    };
    if (frameKey() != m_strTileFrame) {
        // Composed again only when the frame changed or a tile came.
        const CFrameTileMap map = MapFrameToTiles(Frame(), r, zoom);
        tiles.Want(this, theme, TilesOfFrame(map));
        m_tilePicture =
            ComposeFrame(map, [&tiles, theme](const CTileKey& k) { return tiles.Tile(theme, k); });
        m_strTileFrame = frameKey();
    }
    p.drawImage(r.L, r.T, m_tilePicture);
    return true;
}

bool CCairnbookView::MapSettled() const {
    if (!m_bMapMode || m_nMapTheme == ID_MAP_OFF)
        return true;
    if (const CTileService* tiles = CTileService::Existing(); tiles && tiles->Source().IsTiles())
        return !tiles->Busy();
    if (m_nScale > kMaxImageryScale)
        return true;
    return m_pMapImage != nullptr || !m_strFailed.isEmpty();
}

QString CCairnbookView::CurrentMenuText(const QMenu* menu) const {
    return menu && menu->defaultAction() ? menu->defaultAction()->text() : QString();
}

void CCairnbookView::DrawMap(QPainter& p, const QRect& clip, bool forPrint) {
    const COuterRect r = Outer();
    p.setBackground(kMapBackground);
    if (!m_bFramed) {
        double maxLat, minLat, maxLon, minLon;
        m_doc.GetExtents(maxLat, minLat, maxLon, minLon);
        CMapFrame f = Frame();
        FitFrame(f, r, maxLat, minLat, maxLon, minLon);
        SetFrame(f);
    }
    const QRect outer(QPoint(r.L, r.T), QPoint(r.R - 1, r.B - 1));
    p.fillRect(outer, kMapBackground);
    if (!DrawTiles(p, r)) {
        if (!m_pMapImage)
            FetchMapImage();
        if (m_pMapImage)
            m_pMapImage->Render(p, r.Width() / 2 - m_nImageHalfWidth,
                                r.Height() / 2 - m_nImageHalfHeight);
    }
    if (!m_bHideWaypoints) {
        if (!m_pIcons)
            m_pIcons = std::make_unique<CImageList>(CImageList::FromResource());
        const QFont labelFont = FontOfCellHeight(12);
        if (!m_pLabelText || m_pLabelText->Font() != labelFont)
            m_pLabelText = std::make_unique<CTextLine>(labelFont);
        DrawWaypoints(p, m_doc.Entries(), Frame(), r, clip.intersected(outer), *m_pIcons,
                      *m_pLabelText);
    }
    CMapOverlay o;
    o.m_outer = r;
    o.m_rcClickBox = m_rcClickBox;
    o.m_rcModeBox = m_rcModeBox;
    o.m_strClickMode = CurrentMenuText(m_pClickMenu.get());
    o.m_strMapMode = CurrentMenuText(m_pModeMenu.get());
    for (const QMenu* menu : {m_pClickMenu.get(), m_pModeMenu.get()})
        if (menu)
            for (const QAction* a : menu->actions())
                o.m_boxItems << a->text();
    o.m_boxFace = palette().button().color();
    o.m_bHideWaypoints = m_bHideWaypoints;
    o.m_bMetric = m_bMetric;
    o.m_nScale = m_nScale;
    o.m_bForPrint = forPrint;
    if (const CTileService* tiles = CTileService::Existing();
        tiles && tiles->Source().IsTiles() && m_nMapTheme != ID_MAP_OFF)
        o.m_strAttribution = tiles->Source().m_strAttribution;
    DrawMapOverlay(p, o);
}

bool CCairnbookView::OnMapCommand(int id) {
    if (IsClickMode(id)) {
        // Adding on the map only makes sense while the map is shown.
        if (id == ID_MAP_ADD_WAYPOINT && !m_bMapMode)
            return true;
        m_nClickMode = id;
        if (m_pClickMenu)
            SetDefault(m_pClickMenu.get(), id);
        UpdateCursor();
        update(m_rcClickBox);
        return true;
    }
    if (IsTheme(id)) {
        if (m_nMapTheme == id)
            return true;
        DiscardMapImage();
        update();
        m_nMapTheme = id;
        if (m_pModeMenu)
            SetDefault(m_pModeMenu.get(), id);
        return true;
    }
    return false;
}

bool CCairnbookView::UpdateMapCommand(int id, bool& checked) const {
    if (IsClickMode(id)) {
        checked = m_bMapMode && m_nClickMode == id;
        return true;
    }
    if (IsTheme(id)) {
        checked = m_nMapTheme == id;
        return true;
    }
    return false;
}

void CCairnbookView::UpdateCursor() {
    const QCursor cursor = m_bMapMode ? MapCursor(m_nClickMode) : QCursor();
    // Over the whole view in map mode, its buttons included.
    for (QWidget* w : {static_cast<QWidget*>(this), static_cast<QWidget*>(m_pHideButton),
                       static_cast<QWidget*>(m_pResetButton)}) {
        if (!w)
            continue;
        if (m_bMapMode)
            w->setCursor(cursor);
        else
            w->unsetCursor();
    }
}

void CCairnbookView::PopUpModeMenu(QMenu* menu, const QRect& box) {
    // The current item comes to lie over the box.
    menu->ensurePolished();
    const QAction* current = menu->defaultAction();
    const int itemTop = current ? menu->actionGeometry(const_cast<QAction*>(current)).top() : 0;
    const QPoint at = mapToGlobal(QPoint(box.left() + 2, box.top() - itemTop));
    menu->popup(at);
}

void CCairnbookView::OnMapLeftClick(const QPoint& pt) {
    if (m_rcClickBox.contains(pt)) {
        PopUpModeMenu(m_pClickMenu.get(), m_rcClickBox);
        return;
    }
    if (m_rcModeBox.contains(pt)) {
        PopUpModeMenu(m_pModeMenu.get(), m_rcModeBox);
        return;
    }
    if (pt.y() >= m_rcModeBox.top() - 3)
        return; // the bottom strip takes no map clicks
    CMapFrame f = Frame();
    switch (m_nClickMode) {
    case ID_ZOOM_IN: ZoomInAt(f, Outer(), pt.x(), pt.y()); break;
    case ID_ZOOM_OUT: ZoomOutAt(f, Outer(), pt.x(), pt.y()); break;
    case ID_RECENTER: RecenterAt(f, Outer(), pt.x(), pt.y()); break;
    case ID_MAP_ADD_WAYPOINT: AddWaypointAt(pt); return;
    default: return;
    }
    MoveFrame(f);
}

void CCairnbookView::OnMapRightClick(const QPoint& pt) {
    CMapFrame f = Frame();
    if (m_nClickMode == ID_ZOOM_IN)
        ZoomOutAt(f, Outer(), pt.x(), pt.y());
    else if (m_nClickMode == ID_ZOOM_OUT)
        ZoomInAt(f, Outer(), pt.x(), pt.y());
    else
        return;
    MoveFrame(f);
}

void CCairnbookView::AddWaypointAt(const QPoint& pt) {
    double lat = 0, lon = 0;
    ClientToGeo(Frame(), Outer(), pt.x(), pt.y(), lat, lon);
    CEditWaypointDlg dlg(window());
    dlg.m_dLatitude = lat;
    dlg.m_dLongitude = lon;
    dlg.m_bMetric = m_bMetric;
    dlg.m_pDoc = &m_doc;
    if (dlg.exec() != QDialog::Accepted)
        return;
    AddFromDialog(dlg);
    update();
}

void CCairnbookView::OnMapMouseMove(const QPoint& pt) {
    const CMapFrame f = Frame();
    const COuterRect r = Outer();
    double lat = 0, lon = 0;
    ClientToGeo(f, r, pt.x(), pt.y(), lat, lon);
    if (m_fnMapPosition)
        m_fnMapPosition(static_cast<int>(std::clamp(lon * 10000, -2.0e9, 2.0e9)),
                        static_cast<int>(std::clamp(lat * 10000, -2.0e9, 2.0e9)));
    CWayEntry* hovered = nullptr;
    int hx = 0, hy = 0;
    for (const auto& e : m_doc.Entries()) {
        int x = 0, y = 0;
        GeoToClient(f, r, e->m_dLatitude, e->m_dLongitude, x, y);
        if (pt.x() >= x - 8 && pt.x() < x + 8 && pt.y() >= y - 8 && pt.y() < y + 8) {
            hovered = e.get();
            hx = x;
            hy = y;
            break;
        }
    }
    if (hovered && hovered != m_pHoverEntry) {
        HideToolTip();
        m_pHoverEntry = hovered;
        if (!m_pToolTip)
            m_pToolTip = std::make_unique<CTrackingTip>(this);
        // 8 pixels right of and 16 below the waypoint, until the mouse leaves it.
        m_pToolTip->ShowAt(mapToGlobal(QPoint(hx + 8, hy + 16)), ToQString(hovered->m_strComment));
        m_bToolTipShown = true;
    } else if (!hovered && m_bToolTipShown) {
        HideToolTip();
    }
}

void CCairnbookView::HideToolTip() {
    if (m_pToolTip)
        m_pToolTip->Hide();
    m_bToolTipShown = false;
    m_pHoverEntry = nullptr;
}

void CCairnbookView::leaveEvent(QEvent* event) {
    HideToolTip(); // the mouse left every icon with the view
    QWidget::leaveEvent(event);
}

void CCairnbookView::mousePressEvent(QMouseEvent* event) {
    if (m_bMapMode && m_bControlsCreated) {
        const QPoint pt = event->position().toPoint();
        if (event->button() == Qt::LeftButton)
            OnMapLeftClick(pt);
        else if (event->button() == Qt::RightButton)
            OnMapRightClick(pt);
    }
    QWidget::mousePressEvent(event);
}

void CCairnbookView::mouseMoveEvent(QMouseEvent* event) {
    if (m_bMapMode && m_bControlsCreated)
        OnMapMouseMove(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}
