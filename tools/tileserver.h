// SPDX-License-Identifier: GPL-3.0-or-later
// A development tile service: GET /THEME/Z/X/Y.png (THEME aerial, topo or
// urban) answers a pattern tile whose colours give each pixel's position.
// Keeps connections open as real servers do, and can misbehave for tests.
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTcpServer>

#include <functional>

class QTcpSocket;

class CTileServer : public QObject {
    Q_OBJECT
public:
    // Ways to misbehave, for the tests of a polite and robust client.
    enum class EMisbehave {
        none,
        redirectLoop,      // every tile redirects to itself
        redirectElsewhere, // to the same path on another host (127.0.0.2)
        hugeBody,          // 200 MB without a length, as fast as it goes
        endlessChunked,    // chunks for ever
        drip,              // one byte a second
        hugeHeaders,       // header lines for ever, a kilobyte at a time
    };
    explicit CTileServer(QObject* parent = nullptr);
    ~CTileServer() override;
    bool Listen(quint16 port = 0); // 0: any free port
    quint16 Port() const { return m_server.serverPort(); }
    // Stops listening and drops every open connection: the server is gone.
    void close();
    // The URL template of this server, for a map source.
    QString UrlTemplate(const QString& theme = "{theme}") const;

    QSet<QString> m_missing; // "z/x/y" answered 404
    QSet<QString> m_garbage; // "z/x/y" answered with bytes that are no picture
    int m_nDelayMs = 0;      // before each answer
    int m_nMaxAgeSeconds = 3600;
    EMisbehave m_misbehave = EMisbehave::none;
    QStringList m_paths; // request paths received, in order
    QStringList m_userAgents;
    int m_nOpen = 0;     // connections open now
    int m_nMostOpen = 0; // the most that were ever open at once

private:
    void OnConnection();
    void Serve(QTcpSocket* socket);
    void Answer(QTcpSocket* socket, const QString& path);
    bool Misbehave(QTcpSocket* socket, const QString& path);
    // Writes what next() gives as the socket takes it, until next() gives nothing.
    void Stream(QTcpSocket* socket, std::function<QByteArray()> next, int intervalMs = 0);

    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_pending;
    quint16 m_port = 0; // kept when closed, so URLs still name it
};
