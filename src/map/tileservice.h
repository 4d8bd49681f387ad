// SPDX-License-Identifier: GPL-3.0-or-later
// The tiles of the current map source, shared by every map: a memory cache
// of decoded tiles, fetching over the network (at most two requests per host,
// a disk cache that honours the server's expiry and serves stale tiles when
// the network is down) or reading an MBTiles file. Files are read and tiles
// decoded on threads of their own; the results come back to the GUI thread as
// queued calls, so nothing here blocks a paint. Views say which tiles their
// frames need and repaint when TileArrived says one came.
#pragma once

#include "imagery.h"
#include "mapsource.h"
#include "tilecompose.h"

#include <QCache>
#include <QHash>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QThreadPool>

#include <memory>
#include <vector>

class QNetworkAccessManager;
class CMbTilesReader;
class QNetworkReply;
class QUrl;

class CTileService : public QObject {
    Q_OBJECT
public:
    // The one service of the application, created on first use.
    static CTileService& Instance();
    // The service if it was created, without creating it.
    static CTileService* Existing();
    // Grows whenever a tile arrives or the source changes: pictures composed
    // before are out of date.
    unsigned Version() const { return m_nVersion; }

    explicit CTileService(QObject* parent = nullptr);
    ~CTileService() override;

    const CMapSource& Source() const { return m_source; }
    // A new source: every cached tile and request of the old one goes. One
    // that cannot draw is told and the default source is used instead.
    void SetSource(const CMapSource& source);

    // The decoded tile, when it is held; theme is 1, 2 or 4.
    const QImage* Tile(int theme, const CTileKey& key) const;
    // The tiles one map needs now; tiles no map needs any more are not fetched.
    void Want(const void* map, int theme, const std::vector<CTileKey>& keys);
    void Forget(const void* map);
    // True while a tile a map wants is still to come.
    bool Busy() const;

    static constexpr int kPerHost = 2;
    static constexpr int kRetryMs = kImageryRetryMs;
    static constexpr int kSilenceMs = 5000;   // no byte for this long: the tile failed
    static constexpr int kDeadlineMs = 20000; // a tile that takes longer failed too
    static constexpr int kMaxRedirects = 3;   // on the same host and scheme
    static constexpr qint64 kMaxBody = qint64(64) << 20;
    // Shorter waits for tests.
    void SetTimeouts(int silenceMs, int deadlineMs);
    static QByteArray UserAgent();
    // Emits Problem(text) once, from the event loop.
    void Tell(const QString& text);

signals:
    void TileArrived();
    // Another source is used: maps take their pictures from it.
    void SourceChanged();
    // Something the user should know about the map's source: a source that
    // cannot be used, a server that does not answer. Each said once.
    void Problem(const QString& text);

private:
    struct CWanted {
        int theme = 0;
        std::uint64_t packed = 0;
        CTileKey key;
    };
    static std::uint64_t CacheKey(int theme, const CTileKey& key);
    void Pump();
    void Start(const CWanted& want);
    void Finished(QNetworkReply* reply, const CWanted& want, const QByteArray& body);
    // final: an answer that is no tile, not asked again for this source;
    // otherwise no answer at all, asked again after the pause.
    // askParent: the tile is missing, so its parent stands in; a server that
    // misbehaves (too big, too slow, redirected in circles) is not asked more.
    void Failed(const CWanted& want, bool final, bool askParent = true);
    static constexpr qint64 kNever = -1;
    // A body is decoded on a thread of the pool, then kept here; one that is
    // no picture fails and leaves the disk cache (from: where it was fetched).
    void Decode(const CWanted& want, const QByteArray& body, const QUrl& from);
    void Keep(const CWanted& want, QImage image);
    void ReadMbTiles(const CWanted& want);
    // The file thread's answer for one tile.
    struct CFileAnswer {
        int result = 0; // CMbTilesReader::EResult
        QImage image;
        QString error;
    };
    void FileAnswered(const CWanted& want, unsigned generation, const CFileAnswer& answer);
    bool Pending(std::uint64_t key) const;
    QUrl UrlOf(const CWanted& want) const;
    QString HostOf(const CWanted& want) const; // empty for a file
    // A host that misbehaved gets nothing until its pause is over.
    bool HostPaused(const CWanted& want) const;
    void PauseHost(const QString& host);

    CMapSource m_source;
    QNetworkAccessManager* m_pNet;
    QCache<std::uint64_t, QImage> m_tiles;
    QHash<const void*, std::vector<CWanted>> m_wants;
    QHash<std::uint64_t, qint64> m_failedAt; // when a tile last failed, for the pause
    QSet<std::uint64_t> m_inFlight;
    QHash<QString, int> m_perHost;
    QHash<QString, qint64> m_hostPausedUntil;
    // The source's file, opened and used on the file thread only (a database
    // connection belongs to the thread that made it): one thread that stays.
    struct CFileReads {
        QString m_strFile;
        std::unique_ptr<CMbTilesReader> m_pReader;
    };
    std::shared_ptr<CFileReads> m_pFileReads;
    QThreadPool m_filePool;
    QThreadPool m_decodePool;
    QSet<QString> m_said; // problems told since the source was set
    unsigned m_nGeneration = 0;
    int m_nSilenceMs = kSilenceMs;
    int m_nDeadlineMs = kDeadlineMs;
    unsigned m_nVersion = 0;
};
