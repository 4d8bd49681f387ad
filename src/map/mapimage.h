// SPDX-License-Identifier: GPL-3.0-or-later
// The picture behind the map: fetched with one HTTP GET from the imagery
// service, asynchronously, and decoded by Qt's image readers.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QPointer>
#include <QTimer>

class QNetworkAccessManager;
class QNetworkReply;
class QPainter;

class CMapImage {
public:
    bool LoadFromMemory(const QByteArray& bytes);
    bool Render(QPainter& p, int x, int y) const;
    bool IsNull() const { return m_picture.isNull(); }
    const QImage& Picture() const { return m_picture; }

private:
    QImage m_picture;
};

class CImageDownload : public QObject {
    Q_OBJECT
public:
    explicit CImageDownload(QObject* parent = nullptr);
    ~CImageDownload() override;

    // GET http://HOST[:PORT]/path; an earlier request still under way is abandoned.
    void Get(const QString& host, const QString& path);
    void Abandon();
    bool InFlight() const { return !m_pReply.isNull() || m_bFailing; }

    static constexpr qint64 kMaxBody = qint64(64) << 20;
    static constexpr int kSilenceMs = 30000;
    // Tests shorten the limits; the program keeps the ones above.
    void SetLimits(qint64 maxBody, int silenceMs) {
        m_nMaxBody = maxBody;
        m_silence.setInterval(silenceMs);
    }
    static inline const char* const kCaption = "Tallowmarket - NET";

signals:
    // ok: a body arrived (it may still not be a picture; one over the size
    // limit arrives empty).
    void Finished(bool ok, const QByteArray& body);
    // A message for the user, with kCaption.
    void Problem(const QString& text);

private:
    void OnFinished();

    QNetworkAccessManager* m_pNet;
    QPointer<QNetworkReply> m_pReply;
    QTimer m_silence;
    qint64 m_nMaxBody = kMaxBody;
    bool m_bFailing = false;
    bool m_bTooBig = false;     // aborted for its size: an answer, but no picture
    unsigned m_nGeneration = 0; // which request a late answer belongs to
};

// The imagery host, "HOST" or "HOST:PORT": the --imagery-host option, else
// CAIRNBOOK_IMAGERY_HOST, else the "Imagery/Host" setting, else 127.0.0.1.
QString ImageryHost();
void SetImageryHostOverride(const QString& host);
