#include "socketcpp/UnixSocket.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <functional>
#include <memory>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

using lumo::UnixSocket;
using SocketCall = std::function<void(lumo::Socket&)>;
Q_DECLARE_METATYPE(SocketCall)

namespace {

QByteArray drain(int fd)
{
    QByteArray out;
    char buf[4096];
    ssize_t n;
    while ((n = ::read(fd, buf, sizeof buf)) > 0)
        out.append(buf, n);
    return out;
}

// Everything fn prints on standard output, captured in this process.
QByteArray captureStdout(const std::function<void()>& fn)
{
    int p[2];
    if (::pipe(p) != 0)
        qFatal("pipe");
    std::fflush(stdout);
    const int saved = ::dup(STDOUT_FILENO);
    ::dup2(p[1], STDOUT_FILENO);
    fn();
    std::fflush(stdout);
    ::dup2(saved, STDOUT_FILENO);
    ::close(saved);
    ::close(p[1]);
    const QByteArray out = drain(p[0]);
    ::close(p[0]);
    return out;
}

struct ChildResult {
    QByteArray out, err;
    int status = 0;
};

// Runs fn in a forked child whose standard output and error are captured; a
// child that survives fn exits 0.
ChildResult runInChild(const std::function<void()>& fn)
{
    int out[2], err[2];
    if (::pipe(out) != 0 || ::pipe(err) != 0)
        qFatal("pipe");
    std::fflush(stdout);
    const pid_t pid = ::fork();
    if (pid == 0) {
        // The test framework's crash handler would report the expected abort.
        std::signal(SIGABRT, SIG_DFL);
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        fn();
        std::fflush(stdout);
        ::_exit(0);
    }
    ::close(out[1]);
    ::close(err[1]);
    ChildResult r;
    r.out = drain(out[0]);
    r.err = drain(err[0]);
    ::close(out[0]);
    ::close(err[0]);
    ::waitpid(pid, &r.status, 0);
    return r;
}

bool flagOf(lumo::Socket& s)
{
    bool flag = false;
    captureStdout([&] { flag = s.IsConnected(); });
    return flag;
}

bool hasFdFlag(int fd, int flag) { return ::fcntl(fd, F_GETFD) & flag; }
bool hasFlFlag(int fd, int flag) { return ::fcntl(fd, F_GETFL) & flag; }

std::string abstractName()
{
    static int counter = 0;
    return "ivo-test-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
}

// A socket with no operations of its own, to reach the base directly.
class BareSocket : public lumo::Socket
{
};

} // namespace

class TstSocketcpp : public QObject
{
    Q_OBJECT

private slots:
    void create_data();
    void create();
    void streamRoundTrip_data();
    void streamRoundTrip();
    void datagram_data();
    void datagram();
    void bindStaleFile_data();
    void bindStaleFile();
    void overlongAddress_data();
    void overlongAddress();
    void acceptFailure();
    void connectFailureKeepsFlag_data();
    void connectFailureKeepsFlag();
    void flagAfterIo_data();
    void flagAfterIo();
    void isConnectedText_data();
    void isConnectedText();
    void baseOperationsStop_data();
    void baseOperationsStop();
    void programmingErrorsStop_data();
    void programmingErrorsStop();

private:
    std::string address(int mode) const
    {
        return mode == UnixSocket::kAbstract ? abstractName()
                                             : m_dir.filePath("s" + QString::number(++m_n)).toStdString();
    }

    QTemporaryDir m_dir;
    mutable int m_n = 0;
};

void TstSocketcpp::create_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("nonBlocking");
    QTest::newRow("stream") << int(SOCK_STREAM) << false;
    QTest::newRow("stream, non-blocking") << int(SOCK_STREAM) << true;
    QTest::newRow("datagram") << int(SOCK_DGRAM) << false;
    QTest::newRow("seqpacket, non-blocking") << int(SOCK_SEQPACKET) << true;
}

void TstSocketcpp::create()
{
    QFETCH(int, type);
    QFETCH(bool, nonBlocking);
    std::unique_ptr<UnixSocket> s(UnixSocket::CreateSocket(type, nonBlocking));
    QVERIFY(s);
    const int fd = s->GetSocket();
    QVERIFY(fd >= 0);
    int value = 0;
    socklen_t len = sizeof value;
    QCOMPARE(::getsockopt(fd, SOL_SOCKET, SO_DOMAIN, &value, &len), 0);
    QCOMPARE(value, int(AF_UNIX));
    QCOMPARE(::getsockopt(fd, SOL_SOCKET, SO_TYPE, &value, &len), 0);
    QCOMPARE(value, type);
    QVERIFY(hasFdFlag(fd, FD_CLOEXEC));
    QCOMPARE(hasFlFlag(fd, O_NONBLOCK), nonBlocking);
    QVERIFY(!flagOf(*s));

    s->Close();
    QCOMPARE(s->GetSocket(), -1);
    QCOMPARE(::fcntl(fd, F_GETFD), -1); // really closed
    s->Close(); // twice is harmless

    QVERIFY(!UnixSocket::CreateSocket(12345, false));
}

void TstSocketcpp::streamRoundTrip_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("nonBlocking");
    QTest::newRow("filesystem") << 0 << false;
    QTest::newRow("filesystem, non-blocking listener") << 0 << true;
    QTest::newRow("abstract") << 1 << false;
    QTest::newRow("abstract, non-blocking listener") << 1 << true;
}

void TstSocketcpp::streamRoundTrip()
{
    QFETCH(int, mode);
    QFETCH(bool, nonBlocking);
    const std::string addr = address(mode);
    std::unique_ptr<UnixSocket> server(UnixSocket::CreateSocket(SOCK_STREAM, nonBlocking));
    std::unique_ptr<UnixSocket> client(UnixSocket::CreateSocket(SOCK_STREAM, false));
    QVERIFY(server && client);
    QCOMPARE(server->Bind(addr, mode), 0);
    QCOMPARE(server->Listen(4), 0);
    QCOMPARE(mode == 0 ? client->Connect(addr) : client->Connect(addr, mode), 0);
    QVERIFY(flagOf(*client));

    std::unique_ptr<UnixSocket> peer(server->Accept());
    QVERIFY(peer);
    QVERIFY(flagOf(*peer));
    QVERIFY(!flagOf(*server));
    QVERIFY(hasFdFlag(peer->GetSocket(), FD_CLOEXEC));
    QCOMPARE(hasFlFlag(peer->GetSocket(), O_NONBLOCK), nonBlocking);

    char buf[16] = {};
    QCOMPARE(client->Write(std::string("hello")), ssize_t(5));
    QCOMPARE(peer->Read(buf, sizeof buf), ssize_t(5));
    QCOMPARE(QByteArray(buf, 5), QByteArray("hello"));
    QCOMPARE(peer->Write("ok", 2), ssize_t(2));
    QCOMPARE(client->Recv(buf, sizeof buf, 0), ssize_t(2));
    QCOMPARE(QByteArray(buf, 2), QByteArray("ok"));

    client->Close();
    QVERIFY(!flagOf(*client));
    // End of stream is not a failure: the peer stays connected.
    QCOMPARE(peer->Read(buf, sizeof buf), ssize_t(0));
    QVERIFY(flagOf(*peer));
}

void TstSocketcpp::datagram_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("filesystem") << 0;
    QTest::newRow("abstract") << 1;
}

void TstSocketcpp::datagram()
{
    QFETCH(int, mode);
    const std::string addr = address(mode);
    std::unique_ptr<UnixSocket> server(UnixSocket::CreateSocket(SOCK_DGRAM, false));
    std::unique_ptr<UnixSocket> client(UnixSocket::CreateSocket(SOCK_DGRAM, false));
    QCOMPARE(server->Bind(addr, mode), 0);
    QCOMPARE(client->SendTo("ping", addr, mode, 0), ssize_t(4));
    char buf[8] = {};
    QCOMPARE(server->Recv(buf, sizeof buf, 0), ssize_t(4));
    QCOMPARE(QByteArray(buf, 4), QByteArray("ping"));
    // The other namespace holds no such name.
    QCOMPARE(client->SendTo("ping", addr, 1 - mode, 0), ssize_t(-1));
}

void TstSocketcpp::bindStaleFile_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("filesystem replaces it") << 0;
    QTest::newRow("abstract leaves it") << 1;
}

void TstSocketcpp::bindStaleFile()
{
    QFETCH(int, mode);
    const std::string path = address(0);
    FILE* f = std::fopen(path.c_str(), "w");
    QVERIFY(f);
    std::fclose(f);
    std::unique_ptr<UnixSocket> s(UnixSocket::CreateSocket(SOCK_STREAM, false));
    QCOMPARE(s->Bind(path, mode), 0);
    struct stat st;
    QCOMPARE(::stat(path.c_str(), &st), 0);
    QCOMPARE(S_ISSOCK(st.st_mode), mode == 0);
}

void TstSocketcpp::overlongAddress_data()
{
    QTest::addColumn<int>("mode");
    QTest::newRow("filesystem") << 0;
    QTest::newRow("abstract") << 1;
}

void TstSocketcpp::overlongAddress()
{
    QFETCH(int, mode);
    const std::string base = mode == 0 ? m_dir.path().toStdString() + "/" : abstractName() + "-";
    const std::string full = base + std::string(150 - base.size(), 'a');
    const std::string kept = full.substr(0, 106);

    std::unique_ptr<UnixSocket> server(UnixSocket::CreateSocket(SOCK_STREAM, false));
    QCOMPARE(server->Bind(full, mode), 0);
    QCOMPARE(server->Listen(4), 0);

    sockaddr_un addr {};
    socklen_t len = sizeof addr;
    QCOMPARE(::getsockname(server->GetSocket(), reinterpret_cast<sockaddr*>(&addr), &len), 0);
    if (mode == 0) {
        QCOMPARE(std::string(addr.sun_path), kept);
        struct stat st;
        QCOMPARE(::stat(kept.c_str(), &st), 0);
        QVERIFY(S_ISSOCK(st.st_mode));
    } else {
        // The whole record names the socket: a zero byte, the name, zero padding.
        QCOMPARE(len, socklen_t(sizeof(sockaddr_un)));
        QCOMPARE(addr.sun_path[0], '\0');
        QCOMPARE(std::string(addr.sun_path + 1, 106), kept);
        QCOMPARE(addr.sun_path[107], '\0');
    }

    // Only the first 106 bytes count when connecting too.
    std::unique_ptr<UnixSocket> a(UnixSocket::CreateSocket(SOCK_STREAM, false));
    QCOMPARE(a->Connect(kept + "another tail", mode), 0);
    std::unique_ptr<UnixSocket> b(UnixSocket::CreateSocket(SOCK_STREAM, false));
    QCOMPARE(b->Connect(kept.substr(0, 105), mode), -1);
}

void TstSocketcpp::acceptFailure()
{
    std::unique_ptr<UnixSocket> idle(UnixSocket::CreateSocket(SOCK_STREAM, true));
    QCOMPARE(idle->Bind(abstractName(), 1), 0);
    QCOMPARE(idle->Listen(1), 0);
    QVERIFY(!idle->Accept()); // nothing pending
    std::unique_ptr<UnixSocket> notListening(UnixSocket::CreateSocket(SOCK_STREAM, false));
    QVERIFY(!notListening->Accept());
}

void TstSocketcpp::connectFailureKeepsFlag_data()
{
    QTest::addColumn<bool>("connected");
    QTest::newRow("was connected") << true;
    QTest::newRow("was not connected") << false;
}

void TstSocketcpp::connectFailureKeepsFlag()
{
    QFETCH(bool, connected);
    UnixSocket s(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0), SOCK_STREAM, connected);
    QCOMPARE(s.Connect(address(0)), -1);
    QCOMPARE(errno, ENOENT);
    QCOMPARE(flagOf(s), connected);
    QCOMPARE(s.Connect(abstractName(), 1), -1);
    QCOMPARE(flagOf(s), connected);
}

void TstSocketcpp::flagAfterIo_data()
{
    QTest::addColumn<QString>("op");
    QTest::addColumn<bool>("closePeer");
    QTest::addColumn<int>("result");
    QTest::addColumn<bool>("connected");
    QTest::newRow("Read would block") << "read" << false << -1 << false;
    QTest::newRow("Recv would block") << "recv" << false << -1 << false;
    QTest::newRow("Write(string) to closed peer") << "write string" << true << -1 << false;
    QTest::newRow("Write(buffer) to closed peer") << "write buffer" << true << -1 << true;
    QTest::newRow("Write(empty string)") << "write empty" << false << -1 << true;
    QTest::newRow("Read at end of stream") << "read" << true << 0 << true;
}

void TstSocketcpp::flagAfterIo()
{
    QFETCH(QString, op);
    QFETCH(bool, closePeer);
    QFETCH(int, result);
    QFETCH(bool, connected);
    int sp[2];
    QCOMPARE(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, sp), 0);
    UnixSocket s(sp[0], SOCK_STREAM | SOCK_NONBLOCK, true);
    if (closePeer)
        ::close(sp[1]);

    char buf[8];
    ssize_t n = 0;
    if (op == "read")
        n = s.Read(buf, sizeof buf);
    else if (op == "recv")
        n = s.Recv(buf, sizeof buf, 0);
    else if (op == "write string")
        n = s.Write(std::string("x")); // EPIPE, not a SIGPIPE that ends the test
    else if (op == "write buffer")
        n = s.Write("x", 1);
    else if (op == "write empty")
        n = s.Write(std::string());
    QCOMPARE(n, ssize_t(result));
    QCOMPARE(flagOf(s), connected);
    if (!closePeer) {
        QCOMPARE(::recv(sp[1], buf, sizeof buf, MSG_DONTWAIT), ssize_t(-1)); // nothing was written
        ::close(sp[1]);
    }
}

void TstSocketcpp::isConnectedText_data()
{
    QTest::addColumn<bool>("connected");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("connected") << true << QByteArray("[virtual bool lumo::UnixSocket::IsConnected()]:ture\n");
    QTest::newRow("not connected") << false << QByteArray("[virtual bool lumo::UnixSocket::IsConnected()]:false\n");
}

void TstSocketcpp::isConnectedText()
{
    QFETCH(bool, connected);
    QFETCH(QByteArray, text);
    UnixSocket s(-1, SOCK_STREAM, connected);
    bool answer = !connected;
    QCOMPARE(captureStdout([&] { answer = s.IsConnected(); }), text);
    QCOMPARE(answer, connected);
}

void TstSocketcpp::baseOperationsStop_data()
{
    QTest::addColumn<SocketCall>("call");
    QTest::addColumn<QString>("name");
    static sockaddr_un addr {};
    static socklen_t addrLen = sizeof addr;
    static char buf[4];
    static std::string text;
    QTest::newRow("Bind(int)") << SocketCall([](lumo::Socket& s) { s.Bind(80); }) << "Bind(int)";
    QTest::newRow("Read(string)") << SocketCall([](lumo::Socket& s) { s.Read(text); }) << "Read(";
    QTest::newRow("Send(buffer)") << SocketCall([](lumo::Socket& s) { s.Send(buf, 1, 0); }) << "Send(const void*";
    QTest::newRow("Send(string)") << SocketCall([](lumo::Socket& s) { s.Send(text, 0); }) << "Send(";
    QTest::newRow("SendTo(buffer, record)")
        << SocketCall([](lumo::Socket& s) { s.SendTo(buf, 1, reinterpret_cast<sockaddr*>(&addr), addrLen, 0); })
        << "SendTo(const void*";
    QTest::newRow("SendTo(string, record)")
        << SocketCall([](lumo::Socket& s) { s.SendTo(text, reinterpret_cast<sockaddr*>(&addr), addrLen, 0); })
        << "SendTo(";
    QTest::newRow("Recvfrom") << SocketCall([](lumo::Socket& s) {
        s.Recvfrom(buf, 1, reinterpret_cast<sockaddr*>(&addr), &addrLen, 0);
    }) << "Recvfrom(";
}

void TstSocketcpp::baseOperationsStop()
{
    QFETCH(SocketCall, call);
    QFETCH(QString, name);
    for (const bool bare : {false, true}) {
        const ChildResult r = runInChild([&] {
            if (bare) {
                BareSocket s;
                call(s);
            } else {
                UnixSocket s(-1, SOCK_STREAM, false);
                call(s);
            }
        });
        QVERIFY2(WIFSIGNALED(r.status) && WTERMSIG(r.status) == SIGABRT, r.out.constData());
        static const QRegularExpression line(R"(^\[([^\]]*)\]\[([^\]]*)\]\[(\d+)\] Not implement yet\n$)");
        const auto m = line.match(QString::fromUtf8(r.out));
        QVERIFY2(m.hasMatch(), r.out.constData());
        QVERIFY2(m.captured(1).endsWith("socketcpp/Socket.cpp"), qPrintable(m.captured(1)));
        QVERIFY2(m.captured(2).contains("lumo::Socket::" + name), qPrintable(m.captured(2)));
        QVERIFY(m.captured(3).toInt() > 0);
    }
}

void TstSocketcpp::programmingErrorsStop_data()
{
    QTest::addColumn<SocketCall>("call");
    static char buf[4];
    QTest::newRow("Bind empty") << SocketCall([](lumo::Socket& s) { s.Bind("", 0); });
    QTest::newRow("Bind empty abstract") << SocketCall([](lumo::Socket& s) { s.Bind("", 1); });
    QTest::newRow("Connect empty") << SocketCall([](lumo::Socket& s) { s.Connect(""); });
    QTest::newRow("Connect empty abstract") << SocketCall([](lumo::Socket& s) { s.Connect("", 1); });
    QTest::newRow("Read null") << SocketCall([](lumo::Socket& s) { s.Read(nullptr, 4); });
    QTest::newRow("Write null") << SocketCall([](lumo::Socket& s) { s.Write(nullptr, 4); });
    // Control row: a valid call on the same socket returns normally.
    QTest::newRow("control") << SocketCall([](lumo::Socket& s) { s.Read(buf, 4); });
}

void TstSocketcpp::programmingErrorsStop()
{
    QFETCH(SocketCall, call);
    const bool control = QByteArray(QTest::currentDataTag()) == "control";
    const ChildResult r = runInChild([&] {
        std::unique_ptr<UnixSocket> s(UnixSocket::CreateSocket(SOCK_STREAM, true));
        call(*s);
    });
    if (control) {
        QVERIFY(WIFEXITED(r.status) && WEXITSTATUS(r.status) == 0);
        QVERIFY(r.err.isEmpty());
    } else {
        QVERIFY(WIFSIGNALED(r.status) && WTERMSIG(r.status) == SIGABRT);
        QVERIFY2(r.err.contains("] programming error: "), r.err.constData());
    }
    QVERIFY(r.out.isEmpty());
}

QTEST_GUILESS_MAIN(TstSocketcpp)
#include "tst_socketcpp.moc"
