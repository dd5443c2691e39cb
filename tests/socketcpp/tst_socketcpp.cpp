#include "socketcpp/UnixSocket.h"

#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <sys/un.h>
#include <unistd.h>

using lumo::UnixSocket;
using Sock = QScopedPointer<UnixSocket>;

class TstSocketcpp : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // Client and server as the shell registration and its service use them: addresses cut at 106 bytes, a stale file
    // at the address replaced, descriptors closed on exec, data both ways; with the peer gone, end of stream is no
    // failure and a write fails instead of raising SIGPIPE.
    void roundTrip()
    {
        const std::string full = m_dir.filePath(QString(150, 'a')).toStdString(), addr = full.substr(0, 106);
        QCOMPARE(::close(::creat(addr.c_str(), 0600)), 0);
        Sock server(UnixSocket::CreateSocket(SOCK_STREAM, false)), client(UnixSocket::CreateSocket(SOCK_STREAM, false));
        QCOMPARE(server->Bind(full, 0) + server->Listen(4), 0);
        QVERIFY(!QFileInfo(QString::fromStdString(addr)).isFile());
        sockaddr_un record {};
        socklen_t len = sizeof record;
        QCOMPARE(::getsockname(server->GetSocket(), reinterpret_cast<sockaddr*>(&record), &len), 0);
        QCOMPARE(QByteArray(record.sun_path, len - sizeof(sa_family_t)), QByteArray(addr.c_str()) + '\0');
        QVERIFY(client->Connect(addr.substr(0, 105)) == -1 && !client->IsConnected());
        QCOMPARE(client->Connect(addr + "tail"), 0);
        Sock peer(server->Accept());
        QVERIFY(peer && client->IsConnected() && peer->IsConnected() && !server->IsConnected());
        QVERIFY(::fcntl(client->GetSocket(), F_GETFD) & ::fcntl(peer->GetSocket(), F_GETFD) & FD_CLOEXEC);

        char buf[8] = {};
        QCOMPARE(client->Write(std::string("hello")) + peer->Read(buf, 5), 10);
        QCOMPARE(peer->Write(std::string("ok")) + client->Read(buf + 5, 2), 4);
        QCOMPARE(QByteArray(buf), "hellook");
        client.reset();
        QVERIFY(peer->Read(buf, sizeof buf) == 0 && peer->IsConnected());
        std::signal(SIGPIPE, SIG_DFL);
        QVERIFY(peer->Write(std::string("x")) == -1 && !peer->IsConnected());
    }
};

QTEST_GUILESS_MAIN(TstSocketcpp)
#include "tst_socketcpp.moc"
