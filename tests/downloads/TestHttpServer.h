#pragma once

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QObject>
#include <QTcpServer>

class QTcpSocket;

// A small HTTP/1.1 server on loopback for the download tests. It runs on the
// test's own event loop and misbehaves on request, by address:
//   /files/NAME   200 with the body set by setFile(NAME)
//   /drop/NAME    200 announcing the whole body, sends half, then hangs up
//   /stall/NAME   200 announcing 1 MB, sends 3000 bytes, then sends nothing
//   /auth/NAME    401 until the request carries the expected Basic
//                 credentials, then like /files/NAME
//   anything else 404
class TestHttpServer : public QObject
{
    Q_OBJECT

public:
    struct Request_s {
        QByteArray path;
        QByteArray authorization;
    };

    explicit TestHttpServer(QObject* parent = nullptr);
    ~TestHttpServer() override;

    bool listen();
    quint16 port() const { return m_server.serverPort(); }
    QString url(const QString& path) const;

    void setFile(const QByteArray& name, const QByteArray& body) { m_files[name] = body; }
    void setCredentials(const QByteArray& user, const QByteArray& password);

    QList<Request_s> requests() const { return m_requests; }
    QList<QByteArray> paths() const;
    // Connections currently open (a stalled transfer keeps one).
    int openConnections() const { return m_open; }

private:
    void onNewConnection_();
    void serve_(QTcpSocket* socket);
    void respond_(QTcpSocket* socket, const Request_s& request);

    QTcpServer m_server;
    QHash<QByteArray, QByteArray> m_files;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    QByteArray m_expectedAuth;
    QList<Request_s> m_requests;
    int m_open = 0;
};
