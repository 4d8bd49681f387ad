// SPDX-License-Identifier: GPL-3.0-or-later
#include "imageryserver.h"

#include "mapgeometry.h"

#include <QBuffer>
#include <QPainter>
#include <QTcpSocket>
#include <QUrlQuery>

#include <cmath>

namespace {

// Degree spacing that puts graticule lines at least 80 pixels apart.
double GraticuleStep(double pixelsPerDegree) {
    for (double step : {0.001, 0.002, 0.005, 0.01, 0.02, 0.05, 0.1, 0.2, 0.5, 1.0, 2.0, 5.0, 10.0})
        if (step * pixelsPerDegree >= 80)
            return step;
    return 30.0;
}

void PaintTheme(QPainter& p, int theme, int w, int h, double lon, double lat) {
    // A cheap deterministic texture, tied to the ground so it moves with the frame.
    auto noise = [](int a, int b) {
        unsigned v = static_cast<unsigned>(a) * 73856093u ^ static_cast<unsigned>(b) * 19349663u;
        v = (v ^ (v >> 13)) * 1274126177u;
        return static_cast<int>((v >> 24) & 0x3F);
    };
    const int ox = static_cast<int>(lon * 1000), oy = static_cast<int>(lat * 1000);
    switch (theme) {
    case 1: // aerial: fields and forest
        p.fillRect(0, 0, w, h, QColor(70, 100, 55));
        for (int y = 0; y < h; y += 8)
            for (int x = 0; x < w; x += 8) {
                const int n = noise((x / 8) + ox, (y / 8) - oy);
                p.fillRect(x, y, 8, 8, QColor(60 + n, 90 + n / 2, 45 + n / 3));
            }
        break;
    case 2: // topographic sheet: paper with contour lines
        p.fillRect(0, 0, w, h, QColor(245, 238, 215));
        p.setPen(QPen(QColor(190, 140, 90), 1));
        for (int y = 10; y < h; y += 14) {
            QPolygon line;
            for (int x = 0; x <= w; x += 8)
                line << QPoint(x, y + static_cast<int>(6 * std::sin((x + ox) / 40.0)));
            p.drawPolyline(line);
        }
        break;
    default: // urban: blocks and streets
        p.fillRect(0, 0, w, h, QColor(170, 170, 170));
        p.setPen(QPen(QColor(235, 235, 225), 3));
        for (int x = 0; x < w; x += 40)
            p.drawLine(x, 0, x, h);
        for (int y = 0; y < h; y += 40)
            p.drawLine(0, y, w, y);
        break;
    }
}

} // namespace

CImageryServer::CImageryServer(QObject* parent) : QObject(parent) {
    connect(&m_server, &QTcpServer::newConnection, this, &CImageryServer::OnConnection);
}

bool CImageryServer::Listen(quint16 port) {
    return m_server.listen(QHostAddress::LocalHost, port);
}

QImage CImageryServer::Render(int theme, int scale, double lon, double lat, int w, int h) {
    QImage img(std::max(1, w), std::max(1, h), QImage::Format_RGB32);
    QPainter p(&img);
    PaintTheme(p, theme, w, h, lon, lat);
    // The graticule: the picture is centred on (lat, lon), as the map takes it.
    const CMapFrame frame{scale, lon, lat};
    const COuterRect rect{0, 0, w, h};
    const double m = MetresPerPixel(scale);
    const double stepLon = GraticuleStep(kMetresPerDegreeLon / m),
                 stepLat = GraticuleStep(kMetresPerDegreeLat / m);
    double lat0 = 0, lon0 = 0, lat1 = 0, lon1 = 0;
    ClientToGeo(frame, rect, 0, h, lat0, lon0);
    ClientToGeo(frame, rect, w, 0, lat1, lon1);
    const QColor gridColor = theme == 2   ? QColor(40, 90, 200)
                             : theme == 4 ? QColor(20, 40, 120)
                                          : QColor(255, 255, 255);
    p.setPen(QPen(gridColor, 1, Qt::DashLine));
    QFont font;
    font.setPixelSize(10);
    p.setFont(font);
    for (double v = std::floor(lon0 / stepLon) * stepLon; v <= lon1; v += stepLon) {
        int x = 0, y = 0;
        GeoToClient(frame, rect, lat, v, x, y);
        p.drawLine(x, 0, x, h);
        p.drawText(x + 3, 12, QString::number(v, 'f', 3));
    }
    for (double v = std::floor(lat0 / stepLat) * stepLat; v <= lat1; v += stepLat) {
        int x = 0, y = 0;
        GeoToClient(frame, rect, v, lon, x, y);
        p.drawLine(0, y, w, y);
        p.drawText(3, y - 3, QString::number(v, 'f', 3));
    }
    p.setPen(gridColor);
    p.drawText(QRect(0, 0, w - 4, h - 30), Qt::AlignRight | Qt::AlignBottom,
               QString("theme %1, level %2").arg(theme).arg(scale));
    return img;
}

void CImageryServer::OnConnection() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine())
                return;
            const QByteArray line = socket->readLine().trimmed();
            Answer(socket, line);
        });
    }
}

void CImageryServer::Answer(QTcpSocket* socket, const QByteArray& requestLine) {
    m_requests << QString::fromLatin1(requestLine);
    if (m_mode == EMode::silent)
        return; // keep the connection open and say nothing
    QByteArray body;
    QByteArray status = "200 OK";
    QByteArray type = "image/png";
    const QList<QByteArray> parts = requestLine.split(' ');
    const QUrl url(QString::fromLatin1(parts.value(1)));
    const QUrlQuery q(url);
    if (m_mode == EMode::garbage) {
        body = "this is not a picture";
    } else if (m_mode == EMode::notFound || !url.path().endsWith("GetImageArea.ashx")) {
        status = "404 Not Found";
        type = "text/plain";
        body = "no such service";
    } else if (m_mode == EMode::picture) {
        const QImage img =
            Render(q.queryItemValue("t").toInt(), q.queryItemValue("s").toInt(),
                   q.queryItemValue("lon").toDouble(), q.queryItemValue("lat").toDouble(),
                   q.queryItemValue("w").toInt(), q.queryItemValue("h").toInt());
        QBuffer buffer(&body);
        buffer.open(QIODevice::WriteOnly);
        img.save(&buffer, "PNG");
    }
    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: " + type + "\r\nContent-Length: " +
                  QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    socket->disconnectFromHost();
}
