// SPDX-License-Identifier: GPL-3.0-or-later
#include "tileservice.h"

#include "mbtilesfile.h"
#include "res/strings.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkDiskCache>
#include <QNetworkReply>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>

#include <algorithm>
#include <memory>

namespace {

QImage Decoded(const QByteArray& body) {
    QImage image;
    if (body.isEmpty() || !image.loadFromData(body) || image.isNull())
        return QImage();
    if (image.size() != QSize(kTileSize, kTileSize))
        image = image.scaled(kTileSize, kTileSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

} // namespace

namespace {

QPointer<CTileService>& Shared() {
    static QPointer<CTileService> service;
    return service;
}

} // namespace

CTileService& CTileService::Instance() {
    // Owned by the application, so it goes before the application does.
    if (!Shared())
        Shared() = new CTileService(QCoreApplication::instance());
    return *Shared();
}

CTileService* CTileService::Existing() {
    return Shared();
}

CTileService::CTileService(QObject* parent)
    : QObject(parent), m_pNet(new QNetworkAccessManager(this)), m_tiles(768) {
    auto* cache = new QNetworkDiskCache(this);
    cache->setCacheDirectory(QStandardPaths::writableLocation(QStandardPaths::CacheLocation) +
                             "/tiles");
    // The cache may pass its size by one body before it expires old ones:
    // one body's room is kept free, so the setting is never exceeded.
    const qint64 limit = QSettings().value("Map/CacheMB", 512).toLongLong() << 20;
    cache->setMaximumCacheSize(std::max<qint64>(limit - kMaxBody, limit / 2));
    m_pNet->setCache(cache);
    m_pFileReads = std::make_shared<CFileReads>();
    m_filePool.setMaxThreadCount(1);
    m_filePool.setExpiryTimeout(-1); // the reader's connection stays with its thread
    SetSource(CurrentMapSource());
}

CTileService::~CTileService() {
    // The reader closes on its own thread; no answer outlives the service.
    m_filePool.start([reads = m_pFileReads] { reads->m_pReader.reset(); });
    m_filePool.waitForDone();
    m_decodePool.waitForDone();
}

QByteArray CTileService::UserAgent() {
    return QByteArray("Cairnbook/") + res::kVersionNumber + " (+" + res::kProjectAddress + ")";
}

std::uint64_t CTileService::CacheKey(int theme, const CTileKey& key) {
    return key.Packed() ^ (std::uint64_t(CMapSource::ThemeIndex(theme)) << 62);
}

void CTileService::SetSource(const CMapSource& source) {
    ++m_nGeneration; // answers to the old source's requests are dropped
    ++m_nVersion;
    m_said.clear();
    m_source = source;
    if (const QString problem = CheckMapSource(m_source); !problem.isEmpty()) {
        m_source = FallbackMapSource(source.m_strName);
        Tell(tr("The map source \"%1\" cannot be used: %2. Showing %3 instead.")
                 .arg(source.m_strName, problem, m_source.m_strName));
    }
    m_tiles.clear();
    m_failedAt.clear();
    m_inFlight.clear();
    m_perHost.clear();
    m_hostPausedUntil.clear();
    m_wants.remove(this); // parents asked for the old source's missing tiles
    m_filePool.start([reads = m_pFileReads] { reads->m_pReader.reset(); });
    emit SourceChanged();
}

const QImage* CTileService::Tile(int theme, const CTileKey& key) const {
    return m_tiles.object(CacheKey(theme, key));
}

void CTileService::Want(const void* map, int theme, const std::vector<CTileKey>& keys) {
    std::vector<CWanted>& wants = m_wants[map];
    wants.clear();
    for (const CTileKey& key : keys)
        wants.push_back({theme, CacheKey(theme, key), key});
    Pump();
}

void CTileService::Forget(const void* map) {
    m_wants.remove(map);
}

bool CTileService::Pending(std::uint64_t key) const {
    if (m_tiles.contains(key))
        return false;
    const auto failed = m_failedAt.find(key);
    return failed == m_failedAt.end() ||
           (failed.value() != kNever &&
            QDateTime::currentMSecsSinceEpoch() - failed.value() >= kRetryMs);
}

bool CTileService::Busy() const {
    if (!m_inFlight.isEmpty())
        return true;
    for (const auto& wants : m_wants)
        for (const CWanted& w : wants)
            if (Pending(w.packed) && !HostPaused(w))
                return true;
    return false;
}

QUrl CTileService::UrlOf(const CWanted& want) const {
    return QUrl(QString::fromStdString(ExpandTileUrl(m_source.UrlForTheme(want.theme).toStdString(),
                                                     want.key.z, want.key.x, want.key.y)));
}

QString CTileService::HostOf(const CWanted& want) const {
    return m_source.m_kind == CMapSource::EKind::mbtiles ? QString() : UrlOf(want).host();
}

bool CTileService::HostPaused(const CWanted& want) const {
    const auto until = m_hostPausedUntil.find(HostOf(want));
    return until != m_hostPausedUntil.end() && QDateTime::currentMSecsSinceEpoch() < until.value();
}

void CTileService::PauseHost(const QString& host) {
    m_hostPausedUntil.insert(host, QDateTime::currentMSecsSinceEpoch() + kRetryMs);
    QTimer::singleShot(kRetryMs + 20, Qt::PreciseTimer, this, [this] { Pump(); });
}

void CTileService::Pump() {
    std::vector<CWanted> all; // a copy: a failure adds its parent to the wants
    for (const auto& wants : std::as_const(m_wants))
        all.insert(all.end(), wants.begin(), wants.end());
    for (const CWanted& w : all) {
        if (m_inFlight.contains(w.packed) || !Pending(w.packed))
            continue;
        if (m_source.m_kind == CMapSource::EKind::mbtiles) {
            ReadMbTiles(w);
            continue;
        }
        if (m_perHost.value(HostOf(w)) >= kPerHost || HostPaused(w))
            continue;
        Start(w);
    }
}

void CTileService::SetTimeouts(int silenceMs, int deadlineMs) {
    m_nSilenceMs = silenceMs;
    m_nDeadlineMs = deadlineMs;
}

void CTileService::Start(const CWanted& want) {
    const QUrl url = UrlOf(want);
    if (!url.isValid() || url.host().isEmpty()) {
        Failed(want, true);
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, UserAgent());
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::PreferCache);
    // A few redirects, on the same host and scheme: a loop or a hop elsewhere
    // is a failed tile, never a flood of requests.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    request.setTransferTimeout(m_nSilenceMs);
    m_inFlight.insert(want.packed);
    ++m_perHost[url.host()];
    QNetworkReply* reply = m_pNet->get(request);
    // Qt reads ahead no more than this: a fast huge body waits in the socket.
    reply->setReadBufferSize(qint64(1) << 20);
    const unsigned generation = m_nGeneration;
    // The body is taken as it comes, and the transfer stops at the cap: no
    // more than the cap is ever held for one tile.
    auto body = std::make_shared<QByteArray>();
    auto refused = std::make_shared<bool>(false);
    auto stop = [reply, refused] {
        *refused = true;
        reply->abort();
    };
    connect(reply, &QNetworkReply::metaDataChanged, reply, [reply, stop] {
        if (reply->header(QNetworkRequest::ContentLengthHeader).toLongLong() > kMaxBody)
            stop();
    });
    connect(reply, &QNetworkReply::readyRead, reply, [reply, body, stop] {
        if (body->size() + reply->bytesAvailable() > kMaxBody)
            return stop();
        body->append(reply->readAll());
    });
    // A server that drips its bytes keeps the silence away: a deadline too.
    QTimer::singleShot(m_nDeadlineMs, reply, stop);
    connect(reply, &QNetworkReply::finished, this,
            [this, reply, want, generation, host = url.host(), body, refused] {
                reply->deleteLater();
                if (generation != m_nGeneration)
                    return;
                --m_perHost[host];
                m_inFlight.remove(want.packed);
                if (*refused || reply->error() == QNetworkReply::TooManyRedirectsError ||
                    reply->error() == QNetworkReply::InsecureRedirectError ||
                    reply->error() == QNetworkReply::OperationCanceledError) {
                    Tell(tr("The map server %1 misbehaves (a tile too large, too slow or "
                            "redirected away); its tiles are asked again after a pause.")
                             .arg(host));
                    PauseHost(host); // nothing more for it until the pause is over
                    Failed(want, false, false);
                } else {
                    Finished(reply, want, *body + reply->readAll());
                }
                Pump();
            });
}

void CTileService::Finished(QNetworkReply* reply, const CWanted& want, const QByteArray& body) {
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && reply->error() == QNetworkReply::NoError) {
        Decode(want, body, reply->url());
        return;
    }
    if (status.isValid()) {
        // An answer that is no tile (404, an error page) comes again if asked again.
        Failed(want, true);
        return;
    }
    // No answer at all: what the disk cache holds, however old, beats nothing.
    QNetworkRequest request = reply->request();
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysCache);
    QNetworkReply* cached = m_pNet->get(request);
    const unsigned generation = m_nGeneration;
    m_inFlight.insert(want.packed);
    const QString why = reply->errorString();
    connect(cached, &QNetworkReply::finished, this, [this, cached, want, generation, why] {
        cached->deleteLater();
        if (generation != m_nGeneration)
            return;
        m_inFlight.remove(want.packed);
        if (cached->attribute(QNetworkRequest::HttpStatusCodeAttribute).isValid()) {
            Finished(cached, want, cached->readAll()); // kept: an answer
            return;
        }
        // Nothing kept either: the tile is asked again after the pause, like
        // any other, so a server that comes back fills the map.
        Tell(tr("The map server %1 does not answer (%2); the map will ask again.")
                 .arg(cached->request().url().host(), why));
        Failed(want, false);
    });
}

void CTileService::Tell(const QString& text) {
    if (m_said.contains(text))
        return;
    m_said.insert(text);
    // Queued: a problem found while the program starts reaches the window
    // that listens once it does.
    QTimer::singleShot(0, this, [this, text] { emit Problem(text); });
}

void CTileService::Decode(const CWanted& want, const QByteArray& body, const QUrl& from) {
    m_inFlight.insert(want.packed);
    const unsigned generation = m_nGeneration;
    m_decodePool.start([this, want, body, from, generation] {
        QImage image = Decoded(body);
        QMetaObject::invokeMethod(
            this,
            [this, want, from, generation, image = std::move(image)]() mutable {
                if (generation != m_nGeneration)
                    return;
                m_inFlight.remove(want.packed);
                if (!image.isNull()) {
                    Keep(want, std::move(image));
                    return;
                }
                // The disk cache keeps pictures only.
                if (m_pNet->cache())
                    m_pNet->cache()->remove(from);
                Failed(want, true);
                Pump(); // its parent
            },
            Qt::QueuedConnection);
    });
}

void CTileService::Keep(const CWanted& want, QImage image) {
    m_failedAt.remove(want.packed);
    m_tiles.insert(want.packed, new QImage(std::move(image)));
    ++m_nVersion;
    emit TileArrived();
}

void CTileService::Failed(const CWanted& want, bool final, bool askParent) {
    m_failedAt.insert(want.packed, final ? kNever : QDateTime::currentMSecsSinceEpoch());
    // Its parent, enlarged, stands in: ask for it as well (not beyond four levels).
    const CTileKey& k = want.key;
    for (int up = 1; askParent && up <= kParentLevels && up <= k.z; ++up) {
        const CTileKey parent{k.z - up, k.x >> up, k.y >> up};
        const std::uint64_t packed = CacheKey(want.theme, parent);
        if (m_tiles.contains(packed))
            break;
        if (m_inFlight.contains(packed) || m_failedAt.contains(packed))
            continue;
        m_wants[this].push_back({want.theme, packed, parent});
        break;
    }
    if (!final)
        // Precise, and a little late rather than early: a coarse timer may
        // fire before the pause has passed, find nothing due and never come back.
        QTimer::singleShot(kRetryMs + 20, Qt::PreciseTimer, this, [this] { Pump(); });
    ++m_nVersion;
    emit TileArrived(); // the picture may now show the parent, or settle
}

void CTileService::ReadMbTiles(const CWanted& want) {
    m_inFlight.insert(want.packed);
    const unsigned generation = m_nGeneration;
    m_filePool.start([this, reads = m_pFileReads, file = m_source.m_strFile, want, generation] {
        if (!reads->m_pReader || reads->m_strFile != file) {
            reads->m_pReader = std::make_unique<CMbTilesReader>(file);
            reads->m_strFile = file;
        }
        CFileAnswer answer;
        QByteArray data;
        const auto result = reads->m_pReader->Tile(want.key.z, want.key.x, want.key.y, data);
        answer.result = static_cast<int>(result);
        if (result == CMbTilesReader::EResult::found)
            answer.image = Decoded(data);
        else if (result == CMbTilesReader::EResult::failed)
            answer.error = reads->m_pReader->Error();
        QMetaObject::invokeMethod(
            this, [this, want, generation, answer] { FileAnswered(want, generation, answer); },
            Qt::QueuedConnection);
    });
}

void CTileService::FileAnswered(const CWanted& want, unsigned generation,
                                const CFileAnswer& answer) {
    if (generation != m_nGeneration)
        return;
    m_inFlight.remove(want.packed);
    switch (static_cast<CMbTilesReader::EResult>(answer.result)) {
    case CMbTilesReader::EResult::found:
        if (!answer.image.isNull()) {
            Keep(want, answer.image);
            return;
        }
        Failed(want, true); // a file does not change
        break;
    case CMbTilesReader::EResult::missing: Failed(want, true); break;
    case CMbTilesReader::EResult::failed:
        Tell(tr("The map source \"%1\" cannot be read: %2.").arg(m_source.m_strName, answer.error));
        Failed(want, true, false);
        break;
    }
    Pump(); // the parent a failure asked for
}
