#include "socketcpp/UnixSocket.h"

#include <QtTest>

#include <csignal>
#include <fcntl.h>
#include <unistd.h>

using lumo::UnixSocket;
using Sock = QScopedPointer<UnixSocket>;

class TstSocketcpp : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    // The client as the shell registration uses it (the server's side only serves it): addresses cut at 106 bytes,
    // closed on exec, data both ways; with the peer gone, end of stream reads as such and a write fails instead of
    // raising SIGPIPE.
    void client()
    {
        const std::string addr = m_dir.filePath(QString(150, 'a')).toStdString().substr(0, 106);
        Sock server(UnixSocket::CreateSocket(SOCK_STREAM, false)), client(UnixSocket::CreateSocket(SOCK_STREAM, false));
        QCOMPARE(server->Bind(addr, 0) + server->Listen(4), 0);
        QCOMPARE(client->Connect(addr.substr(0, 105)), -1);
        QCOMPARE(client->Connect(addr + "tail"), 0);
        QVERIFY(::fcntl(client->GetSocket(), F_GETFD) & FD_CLOEXEC);
        Sock peer(server->Accept());
        char buf[8] = {};
        QCOMPARE(client->Write(std::string("hello")) + peer->Read(buf, 5), 10);
        QCOMPARE(peer->Write(std::string("ok")) + client->Read(buf + 5, 2), 4);
        QCOMPARE(QByteArray(buf), "hellook");
        peer.reset();
        QCOMPARE(client->Read(buf, sizeof buf), 0);
        std::signal(SIGPIPE, SIG_DFL);
        QCOMPARE(client->Write(std::string("x")), -1);
    }
};

QTEST_GUILESS_MAIN(TstSocketcpp)
#include "tst_socketcpp.moc"
