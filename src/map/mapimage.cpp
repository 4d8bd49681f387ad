// SPDX-License-Identifier: GPL-3.0-or-later
#include "mapimage.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>
#include <QSettings>
#include <QUrl>

#include <utility>

namespace {

QString& HostOverride() {
    static QString host;
    return host;
}

} // namespace

QString ImageryHost() {
    if (!HostOverride().isEmpty())
        return HostOverride();
    const QString env = qEnvironmentVariable("CAIRNBOOK_IMAGERY_HOST");
    if (!env.isEmpty())
        return env;
    const QString setting = QSettings().value("Imagery/Host").toString();
    return setting.isEmpty() ? QStringLiteral("127.0.0.1") : setting;
}

void SetImageryHostOverride(const QString& host) {
    HostOverride() = host;
}

bool CMapImage::LoadFromMemory(const QByteArray& bytes) {
    m_picture = QImage();
    if (bytes.isEmpty())
        return false;
    return m_picture.loadFromData(bytes) && !m_picture.isNull();
}

bool CMapImage::Render(QPainter& p, int x, int y) const {
    if (m_picture.isNull())
        return false;
    p.drawImage(x, y, m_picture);
    return true;
}

CImageDownload::CImageDownload(QObject* parent)
    : QObject(parent), m_pNet(new QNetworkAccessManager(this)) {
    m_silence.setSingleShot(true);
    m_silence.setInterval(kSilenceMs);
    connect(&m_silence, &QTimer::timeout, this, [this] {
        if (m_pReply)
            m_pReply->abort(); // ends in OnFinished with an error
    });
}

CImageDownload::~CImageDownload() {
    Abandon();
}

void CImageDownload::Abandon() {
    ++m_nGeneration;
    m_bFailing = false;
    m_bTooBig = false;
    m_silence.stop();
    if (!m_pReply)
        return;
    QNetworkReply* reply = m_pReply;
    m_pReply = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void CImageDownload::Get(const QString& host, const QString& path) {
    Abandon();
    const QUrl url("http://" + host + "/" + path, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty()) {
        // Told later: the caller may be painting, and a message box must not open inside a paint.
        m_bFailing = true; // counts as under way until told
        QTimer::singleShot(0, this, [this, host, generation = m_nGeneration] {
            if (generation != m_nGeneration)
                return; // abandoned meanwhile
            m_bFailing = false;
            emit Problem(
                QCoreApplication::translate(
                    "CMapImage", "Can't open http request on %1 server, please try again later!")
                    .arg(host));
            emit Finished(false, {});
        });
        return;
    }
    QNetworkRequest request(url);
    request.setHeader(QNetworkRequest::UserAgentHeader, "Cairnbook");
    request.setRawHeader("Cache-Control", "no-cache");
    request.setRawHeader("Pragma", "no-cache");
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::ManualRedirectPolicy);
    m_pReply = m_pNet->get(request);
    connect(m_pReply, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64) {
        m_silence.start(); // silence counts from the last byte
        if (received > m_nMaxBody && m_pReply) {
            m_bTooBig = true;
            m_pReply->abort();
        }
    });
    connect(m_pReply, &QNetworkReply::finished, this, &CImageDownload::OnFinished);
    m_silence.start();
}

void CImageDownload::OnFinished() {
    m_silence.stop();
    QNetworkReply* reply = m_pReply;
    m_pReply = nullptr;
    if (!reply)
        return;
    reply->deleteLater();
    // A body too big to keep is an answer all the same: asking again would
    // fetch it again.
    if (std::exchange(m_bTooBig, false)) {
        emit Finished(true, {});
        return;
    }
    // Any answer of the server is a body to decode, an error page included;
    // no answer at all (refused, silent, aborted, too big) is a failure.
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid() || reply->error() == QNetworkReply::OperationCanceledError) {
        emit Finished(false, {});
        return;
    }
    const QByteArray body = reply->readAll();
    emit Finished(true, body.size() > m_nMaxBody ? QByteArray() : body);
}
