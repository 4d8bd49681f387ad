// A development tile service: GET /THEME/Z/X/Y.png (THEME aerial, topo or
// urban) answers a pattern tile whose colours give each pixel's position.
// Keeps connections open as real servers do, and can misbehave for tests.
#pragma once

#include <QHash>
#include <QObject>
#include <QSet>
#include <QStringList>
#include <QTcpServer>

class QTcpSocket;

class CTileServer : public QObject {
    Q_OBJECT
public:
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
    QStringList m_paths; // request paths received, in order
    QStringList m_userAgents;
    int m_nOpen = 0;     // connections open now
    int m_nMostOpen = 0; // the most that were ever open at once

private:
    void OnConnection();
    void Serve(QTcpSocket* socket);
    void Answer(QTcpSocket* socket, const QString& path);

    QTcpServer m_server;
    QHash<QTcpSocket*, QByteArray> m_pending;
    quint16 m_port = 0; // kept when closed, so URLs still name it
};
