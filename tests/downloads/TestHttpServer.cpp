#include "TestHttpServer.h"

#include <QPointer>
#include <QTcpSocket>
#include <QTimer>

TestHttpServer::TestHttpServer(QObject* parent)
    : QObject(parent)
{
    connect(&m_server, &QTcpServer::newConnection, this, &TestHttpServer::onNewConnection_);
}

TestHttpServer::~TestHttpServer()
{
    // The sockets are the listening server's children; they must not call
    // back into this half-destroyed object.
    for (QTcpSocket* socket : m_server.findChildren<QTcpSocket*>()) {
        socket->disconnect(this);
        delete socket;
    }
}

bool TestHttpServer::listen() { return m_server.listen(QHostAddress::LocalHost, 0); }

QString TestHttpServer::url(const QString& path) const
{
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port()).arg(path);
}

void TestHttpServer::setCredentials(const QByteArray& user, const QByteArray& password)
{
    m_expectedAuth = "Basic " + (user + ':' + password).toBase64();
}

QList<QByteArray> TestHttpServer::paths() const
{
    QList<QByteArray> out;
    for (const Request_s& r : m_requests)
        out << r.path;
    return out;
}

void TestHttpServer::onNewConnection_()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        ++m_open;
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve_(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            --m_open;
            m_buffers.remove(socket);
            socket->deleteLater();
        });
    }
}

void TestHttpServer::serve_(QTcpSocket* socket)
{
    QByteArray& buffer = m_buffers[socket];
    buffer += socket->readAll();
    // A kept-alive connection may carry several requests.
    for (;;) {
        const qsizetype end = buffer.indexOf("\r\n\r\n");
        if (end < 0)
            return;
        const QList<QByteArray> lines = buffer.left(end).split('\n');
        buffer.remove(0, end + 4);
        Request_s request;
        const QList<QByteArray> first = lines.value(0).trimmed().split(' ');
        request.path = first.value(1);
        for (const QByteArray& line : lines.mid(1)) {
            const qsizetype colon = line.indexOf(':');
            if (colon > 0 && line.left(colon).trimmed().toLower() == "authorization")
                request.authorization = line.mid(colon + 1).trimmed();
        }
        m_requests << request;
        respond_(socket, request);
        if (socket->state() != QAbstractSocket::ConnectedState)
            return;
    }
}

void TestHttpServer::respond_(QTcpSocket* socket, const Request_s& request)
{
    const QByteArray path = request.path;
    const QByteArray name = path.mid(path.lastIndexOf('/') + 1);
    auto header = [](int code, const char* reason, qint64 length, const QByteArray& extra = {}) {
        return "HTTP/1.1 " + QByteArray::number(code) + ' ' + reason + "\r\nContent-Length: "
            + QByteArray::number(length) + "\r\nContent-Type: application/octet-stream\r\n" + extra + "\r\n";
    };

    if (path.startsWith("/auth/") && request.authorization != m_expectedAuth) {
        const QByteArray body = "who are you?";
        socket->write(header(401, "Unauthorized", body.size(), "WWW-Authenticate: Basic realm=\"tests\"\r\n") + body);
        return;
    }
    if ((path.startsWith("/files/") || path.startsWith("/auth/")) && m_files.contains(name)) {
        const QByteArray& body = m_files[name];
        socket->write(header(200, "OK", body.size()) + body);
        return;
    }
    if (path.startsWith("/drop/") && m_files.contains(name)) {
        const QByteArray& body = m_files[name];
        socket->write(header(200, "OK", body.size()) + body.left(body.size() / 2));
        socket->flush();
        socket->disconnectFromHost();
        return;
    }
    if (path.startsWith("/stall/")) {
        // Three pieces 150 ms apart: the client reports progress at most every
        // 100 ms, so the last piece is always reported.
        socket->write(header(200, "OK", 1 << 20) + QByteArray(1000, 's'));
        QPointer<QTcpSocket> guard(socket);
        for (int i = 1; i <= 2; ++i) {
            QTimer::singleShot(150 * i, socket, [guard] {
                if (guard)
                    guard->write(QByteArray(1000, 's'));
            });
        }
        return;
    }
    const QByteArray body = "no such thing";
    socket->write(header(404, "Not Found", body.size()) + body);
}
