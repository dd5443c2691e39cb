#include "socketcpp/UnixSocket.h"

#include <QtTest>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <tuple>
#include <unistd.h>

using lumo::UnixSocket;
using Sock = QScopedPointer<UnixSocket>;

// Runs op and IsConnected() in a child: what they print, then how it ended.
static QByteArray inChild(UnixSocket& s, int (*op)(UnixSocket&))
{
    FILE* out = std::tmpfile();
    std::fflush(stdout);
    if (::fork() == 0) {
        std::signal(SIGABRT, SIG_DFL); // the test framework would report the expected abort
        ::dup2(::fileno(out), STDOUT_FILENO);
        ::dup2(::fileno(out), STDERR_FILENO);
        const int result = op ? op(s) : 0;
        std::printf("=%d", int(s.IsConnected())); // the answer goes with the text
        std::fflush(stdout);
        ::_exit(result & 0xFF);
    }
    int status = 0;
    ::wait(&status);
    QByteArray text(1 << 16, 0); // one short report
    text.truncate(std::max<ssize_t>(0, ::pread(::fileno(out), text.data(), text.size(), 0)));
    std::fclose(out);
    const int n = WIFEXITED(status) ? WEXITSTATUS(status) : WTERMSIG(status);
    return text + (WIFEXITED(status) ? " [exit " : " [signal ") + QByteArray::number(n) + "]";
}

static bool connected(UnixSocket& s) { return inChild(s, nullptr).endsWith(":ture\n=1 [exit 0]"); }

// An operation on a connected socket, the peer perhaps gone: the output ('*' is any text).
const std::tuple<const char*, bool, int (*)(UnixSocket&), const char*> kOps[] = {
    {"Close clears the flag", 0, [](auto& s) { return s.Close(), s.GetSocket(); }, "*:false\n=0 [exit 255]"},
    {"Read blocks", 0, [](auto& s) { return int(s.Read(std::string(8, 0).data(), 8)); }, "*:false\n=0 [exit 255]"},
    {"Recv blocks", 0, [](auto& s) { return int(s.Recv(std::string(8, 0).data(), 8, 0)); }, "*:false\n=0 [exit 255]"},
    {"Read, peer gone", 1, [](auto& s) { return int(s.Read(std::string(8, 0).data(), 8)); }, "*:ture\n=1 [exit 0]"},
    {"Write(string), peer gone", 1, [](auto& s) { return int(s.Write(std::string("x"))); }, "*:false\n=0 [exit 255]"},
    {"Write(buffer), peer gone", 1, [](auto& s) { return int(s.Write("x", 1)); }, "*:ture\n=1 [exit 255]"},
    {"Write(empty string)", 0, [](auto& s) { return int(s.Write(std::string())); }, "*:ture\n=1 [exit 255]"},
    {"Connect fails", 0, [](auto& s) { return s.Connect("/nonexistent"); },
        "[virtual bool lumo::UnixSocket::IsConnected()]:ture\n=1 [exit 255]"},
    {"base operation", 0, [](UnixSocket& s) { return s.Bind(80); },
        "[*socketcpp/Socket.cpp][virtual int lumo::Socket::Bind(int)][*] Not implement yet\n [signal 6]"},
    {"Bind empty", 0, [](auto& s) { return s.Bind("", 1); }, "[*] programming error: * [signal 6]"},
    {"Connect empty", 0, [](auto& s) { return s.Connect(""); }, "[*] programming error: * [signal 6]"},
    {"Read null", 0, [](auto& s) { return int(s.Read(nullptr, 1)); }, "[*] programming error: * [signal 6]"},
    {"Write null", 0, [](auto& s) { return int(s.Write(nullptr, 1)); }, "[*] programming error: * [signal 6]"},
};

class TstSocketcpp : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void roundTrip();
    void operations();
};

// Addresses are cut at 106 bytes; an abstract one fills the record and leaves a stale file alone.
void TstSocketcpp::roundTrip()
{
    for (int mode : {0, 1}) {
        const std::string full = m_dir.filePath(QString(150, QLatin1Char('a' + mode))).toStdString();
        const std::string addr = full.substr(0, 106);
        QCOMPARE(::close(::creat(addr.c_str(), 0600)), 0);
        Sock server(UnixSocket::CreateSocket(SOCK_STREAM, mode)), client(UnixSocket::CreateSocket(SOCK_STREAM, false));
        QCOMPARE(server->Bind(full, mode) + server->Listen(4), 0);
        QCOMPARE(QFileInfo(QString::fromStdString(addr)).isFile(), bool(mode));
        sockaddr_un record {};
        socklen_t len = sizeof record;
        QCOMPARE(::getsockname(server->GetSocket(), reinterpret_cast<sockaddr*>(&record), &len), 0);
        QCOMPARE(QByteArray(record.sun_path, len - sizeof(sa_family_t)), QByteArray(mode, 0) + addr.c_str() + '\0');
        QVERIFY(client->Connect(addr.substr(0, 105), mode) == -1 && !connected(*client));
        QCOMPARE(mode ? client->Connect(addr + "tail", mode) : client->Connect(addr + "tail"), 0);
        Sock peer(server->Accept());
        QVERIFY(peer && connected(*client) && connected(*peer) && !connected(*server));
        QVERIFY(::fcntl(client->GetSocket(), F_GETFD) & ::fcntl(peer->GetSocket(), F_GETFD) & FD_CLOEXEC);
        QCOMPARE(bool(::fcntl(peer->GetSocket(), F_GETFL) & O_NONBLOCK), bool(mode)); // the listener's flags

        char buf[8] = {};
        QCOMPARE(client->Write(std::string("hello")) + peer->Read(buf, 5), 10);
        QCOMPARE(peer->Write("ok", 2) + client->Recv(buf + 5, 2, 0), 4);
        QCOMPARE(QByteArray(buf), "hellook");
        client.reset();
        QVERIFY(peer->Read(buf, sizeof buf) == 0 && connected(*peer)); // end of stream is no failure
    }
}

void TstSocketcpp::operations()
{
    for (const auto& [name, closePeer, op, output] : kOps) {
        int sp[2];
        QCOMPARE(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, sp), 0);
        UnixSocket s(sp[0], SOCK_STREAM | SOCK_NONBLOCK, true), peer(sp[1], SOCK_STREAM, false);
        if (closePeer)
            peer.Close();
        const QByteArray out = inChild(s, op);
        const QString re = "\\A" + QRegularExpression::escape(output).replace("\\*", "[\\s\\S]*") + "\\z";
        QVERIFY2(QRegularExpression(re).match(QString::fromUtf8(out)).hasMatch(), (name + (": " + out)).constData());
    }
}

QTEST_GUILESS_MAIN(TstSocketcpp)
#include "tst_socketcpp.moc"
