// SPDX-License-Identifier: GPL-3.0-or-later
#include "tileserver.h"

#include "tilepattern.h"

#include <QBuffer>
#include <QTcpSocket>
#include <QTimer>

#include <memory>

CTileServer::CTileServer(QObject* parent) : QObject(parent) {
    connect(&m_server, &QTcpServer::newConnection, this, &CTileServer::OnConnection);
}

CTileServer::~CTileServer() {
    // The sockets go with the server, after this object's own members.
    for (QTcpSocket* socket : m_server.findChildren<QTcpSocket*>())
        socket->disconnect(this);
}

bool CTileServer::Listen(quint16 port) {
    return m_server.listen(QHostAddress::LocalHost, port);
}

void CTileServer::close() {
    m_port = m_server.serverPort();
    m_server.close();
    for (QTcpSocket* socket : m_server.findChildren<QTcpSocket*>())
        socket->abort();
}

QString CTileServer::UrlTemplate(const QString& theme) const {
    const quint16 port = m_server.isListening() ? Port() : m_port;
    return QString("http://127.0.0.1:%1/%2/{z}/{x}/{y}.png").arg(port).arg(theme);
}

void CTileServer::OnConnection() {
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        m_nMostOpen = std::max(m_nMostOpen, ++m_nOpen);
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            --m_nOpen;
            m_pending.remove(socket);
            socket->deleteLater();
        });
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { Serve(socket); });
    }
}

void CTileServer::Serve(QTcpSocket* socket) {
    QByteArray& buffer = m_pending[socket];
    buffer += socket->readAll();
    // One request at a time per connection, as HTTP/1.1 clients send them.
    for (qsizetype end = buffer.indexOf("\r\n\r\n"); end >= 0; end = buffer.indexOf("\r\n\r\n")) {
        const QByteArray head = buffer.left(end);
        buffer.remove(0, end + 4);
        const QList<QByteArray> lines = head.split('\n');
        const QList<QByteArray> request = lines.value(0).trimmed().split(' ');
        for (const QByteArray& line : lines)
            if (line.toLower().startsWith("user-agent:"))
                m_userAgents << QString::fromLatin1(line.mid(11).trimmed());
        const QString path = QString::fromLatin1(request.value(1));
        m_paths << path;
        if (m_nDelayMs > 0)
            QTimer::singleShot(m_nDelayMs, socket, [this, socket, path] { Answer(socket, path); });
        else
            Answer(socket, path);
    }
}

void CTileServer::Stream(QTcpSocket* socket, std::function<QByteArray()> next, int intervalMs) {
    // The function knows itself weakly; the connection or the pending timer
    // holds it, and it goes with them.
    auto more = std::make_shared<std::function<void()>>();
    std::weak_ptr<std::function<void()>> self = more;
    *more = [socket, next, intervalMs, self] {
        if (socket->state() != QAbstractSocket::ConnectedState)
            return;
        if (intervalMs > 0) {
            const QByteArray piece = next();
            if (piece.isEmpty())
                return;
            socket->write(piece);
            if (auto again = self.lock())
                QTimer::singleShot(intervalMs, socket, [again] { (*again)(); });
            return;
        }
        while (socket->bytesToWrite() < (1 << 20)) {
            const QByteArray piece = next();
            if (piece.isEmpty()) {
                socket->disconnectFromHost();
                return;
            }
            socket->write(piece);
        }
    };
    if (intervalMs == 0)
        connect(socket, &QTcpSocket::bytesWritten, socket, [more] { (*more)(); });
    (*more)();
}

bool CTileServer::Misbehave(QTcpSocket* socket, const QString& path) {
    const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: image/png\r\n";
    switch (m_misbehave) {
    case EMisbehave::none: return false;
    case EMisbehave::redirectLoop:
    case EMisbehave::redirectElsewhere: {
        const QByteArray to =
            m_misbehave == EMisbehave::redirectLoop
                ? path.toLatin1()
                : "http://127.0.0.2:" + QByteArray::number(Port()) + path.toLatin1();
        socket->write("HTTP/1.1 302 Found\r\nLocation: " + to +
                      "\r\nContent-Length: 0\r\nConnection: keep-alive\r\n\r\n");
        return true;
    }
    case EMisbehave::hugeBody: {
        socket->write(head + "Connection: close\r\n\r\n");
        auto left = std::make_shared<int>(200);
        Stream(socket, [left] { return (*left)-- > 0 ? QByteArray(1 << 20, 'x') : QByteArray(); });
        return true;
    }
    case EMisbehave::endlessChunked:
        socket->write(head + "Transfer-Encoding: chunked\r\n\r\n");
        Stream(socket, [] { return "100000\r\n" + QByteArray(0x100000, 'x') + "\r\n"; });
        return true;
    case EMisbehave::drip:
        socket->write(head + "Content-Length: 1000\r\n\r\n");
        Stream(
            socket, [] { return QByteArray("x"); }, 1000);
        return true;
    case EMisbehave::hugeHeaders:
        socket->write("HTTP/1.1 200 OK\r\n");
        Stream(
            socket, [] { return "X-Pad: " + QByteArray(1000, 'x') + "\r\n"; }, 1);
        return true;
    }
    return false;
}

void CTileServer::Answer(QTcpSocket* socket, const QString& path) {
    if (Misbehave(socket, path))
        return;
    const QStringList parts = path.split('/', Qt::SkipEmptyParts); // theme z x y.png
    QByteArray status = "200 OK", type = "image/png", body;
    const QString key = parts.mid(1).join('/').remove(".png");
    const int theme = parts.value(0) == "topo" ? 2 : parts.value(0) == "urban" ? 4 : 1;
    if (parts.size() != 4 || m_missing.contains(key)) {
        status = "404 Not Found";
        type = "text/plain";
        body = "no such tile";
    } else if (m_garbage.contains(key)) {
        body = "this is not a picture";
    } else {
        QBuffer buffer(&body);
        buffer.open(QIODevice::WriteOnly);
        PatternTile(theme, parts[1].toInt(), parts[2].toInt(), parts[3].section('.', 0, 0).toInt())
            .save(&buffer, "PNG");
    }
    socket->write("HTTP/1.1 " + status + "\r\nContent-Type: " + type +
                  "\r\nContent-Length: " + QByteArray::number(body.size()) +
                  "\r\nCache-Control: max-age=" + QByteArray::number(m_nMaxAgeSeconds) +
                  "\r\nConnection: keep-alive\r\n\r\n" + body);
}
