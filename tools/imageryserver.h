// SPDX-License-Identifier: GPL-3.0-or-later
// A small imagery service for development and tests: answers
// GET /GetImageArea.ashx?t=&s=&lon=&lat=&w=&h= on a loopback port with a picture
// rendered for exactly that frame (a look per theme, a graticule at round
// degrees), so waypoints can be checked against their coordinates.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QObject>
#include <QStringList>
#include <QTcpServer>

class CImageryServer : public QObject {
    Q_OBJECT
public:
    // How the server answers; tests use the misbehaving ones.
    enum class EMode { picture, garbage, empty, silent, notFound };

    explicit CImageryServer(QObject* parent = nullptr);
    bool Listen(quint16 port = 0); // 0: any free port
    quint16 Port() const { return m_server.serverPort(); }
    QString Host() const { return QString("127.0.0.1:%1").arg(Port()); }

    EMode m_mode = EMode::picture;
    QStringList m_requests; // request lines received, in order

    // The picture of a frame, as the server sends it.
    static QImage Render(int theme, int scale, double lon, double lat, int w, int h);

private:
    void OnConnection();
    void Answer(class QTcpSocket* socket, const QByteArray& requestLine);

    QTcpServer m_server;
};
