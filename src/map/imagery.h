// SPDX-License-Identifier: GPL-3.0-or-later
// Where a map face's picture comes from. The face asks its one source for the
// picture of each frame: the tiles of the current map source (a tile server
// or an MBTiles file, through the shared tile service), or the area service's
// one picture of exactly the frame. A source says when more came (Changed),
// whether it still waits for anything (Settled), and what it must credit.
#pragma once

#include "mapgeometry.h"

#include <QImage>
#include <QObject>
#include <QString>

#include <memory>

class CImageDownload;
class CMapImage;
class QPainter;
class QTimer;

// After a request failed, its source asks nothing again for this long: tiles
// and the area service alike.
inline constexpr int kImageryRetryMs = 6000;

class CImagery : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    // Draws what the source holds for the frame now and asks for what is missing.
    virtual void Draw(QPainter& p, const CMapFrame& frame, const COuterRect& outer, int theme) = 0;
    // The frame moved: what was fetched or asked for the old one is dropped.
    virtual void Discard() {}
    virtual bool Settled(const CMapFrame& frame) const = 0;
    // The credit the picture asks for; empty when none.
    virtual QString Attribution(int theme) const = 0;

    // The source of the current map source's kind.
    static std::unique_ptr<CImagery> ForCurrentSource();

signals:
    void Changed();
    // Something the user should know, said once per request.
    void Problem(const QString& text);
};

// Tiles from the shared tile service, composed into the frame's picture.
class CTileImagery : public CImagery {
    Q_OBJECT
public:
    CTileImagery();
    ~CTileImagery() override;
    void Draw(QPainter& p, const CMapFrame& frame, const COuterRect& outer, int theme) override;
    bool Settled(const CMapFrame& frame) const override;
    QString Attribution(int theme) const override;

private:
    QImage m_picture;   // composed for m_strFrame
    QString m_strFrame; // frame, size, zoom, theme and tile version
};

// The area service: one GET per frame, one request at a time, a pause after
// a failure.
class CAreaImagery : public CImagery {
    Q_OBJECT
public:
    CAreaImagery();
    ~CAreaImagery() override;
    void Draw(QPainter& p, const CMapFrame& frame, const COuterRect& outer, int theme) override;
    void Discard() override;
    bool Settled(const CMapFrame& frame) const override;
    QString Attribution(int) const override { return {}; }

    // Whether the picture has come, and whether it was one.
    bool HasPicture() const { return m_pPicture != nullptr; }
    bool PictureIsNull() const;
    QPoint PictureHalfSize() const { return {m_nHalfWidth, m_nHalfHeight}; }
    CImageDownload& Download() const { return *m_pDownload; }
    // Tests shorten the pause.
    void SetRetryPause(int ms);

private:
    void Fetch(const CMapFrame& frame, const COuterRect& outer, int theme);
    void Arrived(bool ok, const QByteArray& body);

    CImageDownload* m_pDownload;
    QTimer* m_pRetry;
    std::unique_ptr<CMapImage> m_pPicture;
    QString m_strRequested; // the request under way
    QString m_strFailed;    // the request that failed, until its pause is over
    int m_nHalfWidth = 0, m_nHalfHeight = 0;
    int m_nRequestHalfWidth = 0, m_nRequestHalfHeight = 0;
};
