// Download throughput over loopback: the download manager against curl on the
// same 100 MB file from the same server, alternating in every round so that
// both see the same machine load. The figure that matters is "ratio"
// (manager throughput / curl throughput).
#include "packages/DownloadManager.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <arpa/inet.h>
#include <atomic>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <netinet/in.h>
#include <string>
#include <sys/sendfile.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr qint64 kFileSize = 100 * 1024 * 1024;

// A minimal HTTP server on its own thread: every request gets the one file,
// sent with sendfile(2), so the server costs next to nothing.
class FileServer
{
public:
    explicit FileServer(const std::string& path)
        : m_path(path)
    {
        m_listen = ::socket(AF_INET, SOCK_STREAM, 0);
        int one = 1;
        ::setsockopt(m_listen, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in addr {};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        ::bind(m_listen, reinterpret_cast<sockaddr*>(&addr), sizeof addr);
        ::listen(m_listen, 8);
        socklen_t len = sizeof addr;
        ::getsockname(m_listen, reinterpret_cast<sockaddr*>(&addr), &len);
        m_port = ntohs(addr.sin_port);
        m_thread = std::thread([this] { serve(); });
    }
    ~FileServer()
    {
        m_stop = true;
        ::shutdown(m_listen, SHUT_RDWR);
        ::close(m_listen);
        m_thread.join();
    }
    int port() const { return m_port; }

private:
    void serve()
    {
        while (!m_stop) {
            const int c = ::accept(m_listen, nullptr, nullptr);
            if (c < 0)
                return;
            std::string request;
            char buf[4096];
            while (request.find("\r\n\r\n") == std::string::npos) {
                const ssize_t n = ::read(c, buf, sizeof buf);
                if (n <= 0)
                    break;
                request.append(buf, size_t(n));
            }
            const int fd = ::open(m_path.c_str(), O_RDONLY);
            struct stat st {
            };
            ::fstat(fd, &st);
            const std::string head = "HTTP/1.1 200 OK\r\nContent-Length: " + std::to_string(st.st_size)
                + "\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n\r\n";
            ssize_t sent = ::write(c, head.data(), head.size());
            off_t offset = 0;
            while (sent >= 0 && offset < st.st_size)
                sent = ::sendfile(c, fd, &offset, size_t(st.st_size - offset));
            ::close(fd);
            ::shutdown(c, SHUT_WR);
            while (::read(c, buf, sizeof buf) > 0) { }
            ::close(c);
        }
    }

    std::string m_path;
    int m_listen = -1;
    int m_port = 0;
    std::atomic<bool> m_stop {false};
    std::thread m_thread;
};

struct Fixture_s {
    QTemporaryDir dir;
    std::unique_ptr<FileServer> server;
    QString url;

    Fixture_s()
    {
        QFile f(dir.filePath("src/big.bin"));
        QDir().mkpath(dir.filePath("src"));
        f.open(QIODevice::WriteOnly);
        QByteArray block(1 << 20, '\0');
        for (int i = 0; i < block.size(); ++i)
            block[i] = char((i * 2654435761u) >> 24);
        for (qint64 done = 0; done < kFileSize; done += block.size())
            f.write(block);
        f.close();
        server = std::make_unique<FileServer>(f.fileName().toStdString());
        url = QStringLiteral("http://127.0.0.1:%1/files/big.bin").arg(server->port());
    }
};

Fixture_s& fixture()
{
    static Fixture_s f;
    return f;
}

double timeCurl(const QString& out)
{
    QElapsedTimer t;
    t.start();
    QProcess curl;
    curl.start(QStringLiteral("curl"), {QStringLiteral("-s"), QStringLiteral("-o"), out, fixture().url});
    curl.waitForFinished(-1);
    const double s = t.nsecsElapsed() / 1e9;
    if (curl.exitCode() != 0 || QFileInfo(out).size() != kFileSize)
        return -1;
    return s;
}

double timeManager(DownloadManager& dm, const QString& dstDir)
{
    QEventLoop loop;
    qint32 status = -1;
    QObject::connect(&dm, qOverload<const dlresult_st&>(&DownloadManager::finished), &loop, [&](const dlresult_st& r) {
        status = r.status;
        loop.quit();
    });
    QElapsedTimer t;
    t.start();
    dm.append({QString(), fixture().url, dstDir, QStringLiteral("BENCH"), QString()});
    loop.exec();
    const double s = t.nsecsElapsed() / 1e9;
    if (status != 0 || QFileInfo(dstDir + QStringLiteral("/big.bin")).size() != kFileSize)
        return -1;
    return s;
}

void BM_DownloadVsCurl(benchmark::State& state)
{
    Fixture_s& fx = fixture();
    DownloadManager dm;
    const QString curlOut = fx.dir.filePath("curl/big.bin");
    QDir().mkpath(fx.dir.filePath("curl"));
    const QString dmDir = fx.dir.filePath("dm");
    double curlTotal = 0, dmTotal = 0;
    int round = 0;
    for (auto _ : state) {
        QFile::remove(curlOut);
        QFile::remove(dmDir + QStringLiteral("/big.bin"));
        double c, d;
        if (round++ % 2) {
            c = timeCurl(curlOut);
            d = timeManager(dm, dmDir);
        } else {
            d = timeManager(dm, dmDir);
            c = timeCurl(curlOut);
        }
        if (c < 0 || d < 0) {
            state.SkipWithError("a download failed");
            return;
        }
        curlTotal += c;
        dmTotal += d;
        state.SetIterationTime(c + d);
    }
    // Same bytes as the source, not only the same size.
    QFile a(fx.dir.filePath("src/big.bin")), b(dmDir + QStringLiteral("/big.bin"));
    if (!a.open(QIODevice::ReadOnly) || !b.open(QIODevice::ReadOnly)) {
        state.SkipWithError("files missing");
        return;
    }
    while (!a.atEnd()) {
        if (a.read(1 << 20) != b.read(1 << 20)) {
            state.SkipWithError("the manager's copy differs");
            return;
        }
    }
    const double mb = double(kFileSize) / (1024 * 1024) * round;
    state.counters["curl_MBps"] = mb / curlTotal;
    state.counters["manager_MBps"] = mb / dmTotal;
    state.counters["ratio"] = curlTotal / dmTotal;
}
BENCHMARK(BM_DownloadVsCurl)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(12);

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
