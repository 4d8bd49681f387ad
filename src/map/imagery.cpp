// SPDX-License-Identifier: GPL-3.0-or-later
#include "imagery.h"

#include "mapimage.h"
#include "tilecompose.h"
#include "tilemath.h"
#include "tileservice.h"

#include <QPainter>
#include <QTimer>

std::unique_ptr<CImagery> CImagery::ForCurrentSource() {
    if (CTileService::Instance().Source().IsTiles())
        return std::make_unique<CTileImagery>();
    return std::make_unique<CAreaImagery>();
}

CTileImagery::CTileImagery() {
    connect(&CTileService::Instance(), &CTileService::TileArrived, this, &CImagery::Changed);
}

CTileImagery::~CTileImagery() {
    if (CTileService* tiles = CTileService::Existing())
        tiles->Forget(this);
}

void CTileImagery::Draw(QPainter& p, const CMapFrame& frame, const COuterRect& r, int theme) {
    CTileService& tiles = CTileService::Instance();
    const int code = ThemeCode(theme, frame.m_nScale);
    if (code == 0) {
        tiles.Forget(this);
        return;
    }
    const int zoom =
        TileZoomFor(MetresPerPixel(frame.m_nScale), frame.m_dCenterLat, tiles.Source().m_nMaxZoom);
    auto key = [&] {
        return QString("%1 %2 %3 %4x%5 %6 %7 %8")
            .arg(frame.m_nScale)
            .arg(frame.m_dCenterLon, 0, 'g', 17)
            .arg(frame.m_dCenterLat, 0, 'g', 17)
            .arg(r.Width())
            .arg(r.Height())
            .arg(zoom)
            .arg(code)
            .arg(tiles.Version());
    };
    if (key() != m_strFrame) {
        // Composed again only when the frame changed or a tile came.
        const CFrameTileMap map = MapFrameToTiles(frame, r, zoom);
        tiles.Want(this, code, TilesOfFrame(map));
        m_picture =
            ComposeFrame(map, [&tiles, code](const CTileKey& k) { return tiles.Tile(code, k); });
        m_strFrame = key();
    }
    p.drawImage(r.L, r.T, m_picture);
}

bool CTileImagery::Settled(const CMapFrame&) const {
    const CTileService* tiles = CTileService::Existing();
    return !tiles || !tiles->Busy();
}

QString CTileImagery::Attribution(int theme) const {
    return theme == kThemeOff ? QString() : CTileService::Instance().Source().m_strAttribution;
}

CAreaImagery::CAreaImagery() : m_pDownload(new CImageDownload(this)), m_pRetry(new QTimer(this)) {
    connect(m_pDownload, &CImageDownload::Finished, this, &CAreaImagery::Arrived);
    connect(m_pDownload, &CImageDownload::Problem, this, &CImagery::Problem);
    m_pRetry->setSingleShot(true);
    m_pRetry->setInterval(kImageryRetryMs);
    connect(m_pRetry, &QTimer::timeout, this, [this] {
        m_strFailed.clear();
        emit Changed();
    });
}

CAreaImagery::~CAreaImagery() = default;

void CAreaImagery::Draw(QPainter& p, const CMapFrame& frame, const COuterRect& r, int theme) {
    if (!m_pPicture)
        Fetch(frame, r, theme);
    if (m_pPicture)
        m_pPicture->Render(p, r.Width() / 2 - m_nHalfWidth, r.Height() / 2 - m_nHalfHeight);
}

void CAreaImagery::Discard() {
    m_pPicture.reset();
    m_pDownload->Abandon();
    m_strRequested.clear();
}

bool CAreaImagery::PictureIsNull() const {
    return !m_pPicture || m_pPicture->IsNull();
}

void CAreaImagery::SetRetryPause(int ms) {
    m_pRetry->setInterval(ms);
}

bool CAreaImagery::Settled(const CMapFrame& frame) const {
    return frame.m_nScale > kMaxImageryScale || m_pPicture != nullptr || !m_strFailed.isEmpty();
}

void CAreaImagery::Fetch(const CMapFrame& frame, const COuterRect& r, int theme) {
    const int code = ThemeCode(theme, frame.m_nScale);
    if (frame.m_nScale > kMaxImageryScale || code == 0)
        return;
    const QString path = QString::fromStdString(ImageRequestPath(
        code, frame.m_nScale, frame.m_dCenterLon, frame.m_dCenterLat, r.Width(), r.Height()));
    // After a failure nothing is asked until the pause is over, whatever the
    // frame: a refusing host would otherwise get a request per resize.
    if (m_pRetry->isActive() || (m_pDownload->InFlight() && path == m_strRequested))
        return; // waiting: for the pause after a failure, or for the answer
    m_strRequested = path;
    m_nRequestHalfWidth = r.Width() / 2;
    m_nRequestHalfHeight = r.Height() / 2;
    m_pDownload->Get(ImageryHost(), path);
}

void CAreaImagery::Arrived(bool ok, const QByteArray& body) {
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
    m_pPicture = std::make_unique<CMapImage>();
    if (m_pPicture->LoadFromMemory(body)) {
        m_nHalfWidth = m_nRequestHalfWidth;
        m_nHalfHeight = m_nRequestHalfHeight;
    }
    emit Changed();
}
