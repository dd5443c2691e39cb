// The download queue against a loopback HTTP server the test controls: failures happen as on a real network.
#include "DataRows.h"
#include "ScratchSysroot.h"
#include "packages/DownloadManager.h"

#include <QtNetwork>
#include <QtTest>

#include <csignal>

#include <sys/resource.h>

static const auto finishedSignal = qOverload<const dlresult_st&>(&DownloadManager::finished);

static dlresult_st result(const QSignalSpy& spy, qsizetype i) { return spy.at(i).at(0).value<dlresult_st>(); }

class TstDownloadManager : public QObject
{
    Q_OBJECT

    int m_requests = 0;
    std::unique_ptr<QTcpServer> m_server;
    std::optional<ScratchSysroot> m_tmp; // the folders: a fresh one for each test
    const QByteArray m_body = QByteArray("0123456789abcdefghijklmnopq").repeated(5000); // no power-of-two period
    const QHash<QByteArray, QByteArray> m_files {{"pkg.bin", m_body}, {"x", "file x"}, {"y", "file y"}};

    // One request per connection: /files/NAME serves m_files[NAME]; /auth/ asks for credentials; /drop/ sends half
    // and hangs up; /quiet/ sends 10 of 1000 bytes and stays; /big/ 9 MB, /stream/ the same unannounced.
    void serve(QTcpSocket* socket)
    {
        const QByteArray head = socket->peek(8192);
        if (!head.contains("\r\n\r\n"))
            return;
        socket->readAll();
        ++m_requests;
        const QList<QByteArray> path = head.split(' ').value(1).split('/');
        const QByteArray kind = path.value(1), body = m_files.value(path.value(2));
        QByteArray status = "200 OK", data = body;
        qint64 length = body.size();
        if (kind == "auth")
            status = "401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"tests\"", data = "who", length = 3;
        else if (kind == "drop")
            data = body.left(length / 2);
        else if (kind == "quiet")
            data = QByteArray(10, 'q'), length = 1000;
        else if (kind == "big" || kind == "stream")
            data = QByteArray(9 << 20, 'b'), length = kind == "big" ? data.size() : -1;
        const QByteArray announced = length < 0 ? "" : "\r\nContent-Length: " + QByteArray::number(length);
        socket->write("HTTP/1.1 " + status + "\r\nConnection: close" + announced + "\r\n\r\n" + data);
        if (kind != "quiet")
            socket->disconnectFromHost();
    }
    dltask_st task(const QString& name, const QString& path, const QString& dir = "/d", QString tag = "BENTO.ICON")
    {
        const QString url = QString("http://127.0.0.1:%1%2").arg(m_server->serverPort()).arg(path);
        return {name, url, m_tmp->path(dir), tag, "extra:" + name};
    }
    QStringList entries(const QString& dir) const
    {
        return QDir(m_tmp->path(dir)).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    }

private slots:
    void init()
    {
        m_server = std::make_unique<QTcpServer>();
        connect(m_server.get(), &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = m_server->nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        });
        m_tmp.reset(); // before the next one saves the environment
        m_tmp.emplace();
        QVERIFY(m_server->listen(QHostAddress::LocalHost) && m_tmp->write("/blocker", {})); // a file, not a folder
        m_requests = 0;
    }

    // Each transfer ends in finished() with its status and, on failure, a text naming the cause (@ the folder): the
    // good copy stays, no temporary file is left, and the next download runs.
    void outcome_data()
    {
        columns<QString, QString, int, QString>(); // path, tag, status, cause
        const auto r = [](const char* name, QString path, int status, QString cause = {}, QString tag = "BENTO.ICON") {
            row(name, path, tag, status, cause);
        };
        const QString tooLarge = "Download larger than 8388608 bytes";
        r("success", "/files/pkg.bin", 0);
        r("dropped", "/drop/pkg.bin", QNetworkReply::RemoteHostClosedError);
        r("server asks for credentials", "/auth/pkg.bin", QNetworkReply::OperationCanceledError);
        r("no data for a while", "/quiet/pkg.bin", DownloadManager::StalledStatus, "No data received for 1 s");
        r("icon announced too large", "/big/pkg.bin", DownloadManager::TooLargeStatus, tooLarge);
        r("icon growing too large", "/stream/pkg.bin", DownloadManager::TooLargeStatus, tooLarge);
        r("a catalog may be that large", "/stream/pkg.bin", 0, {}, "BENTO.XML");
        r("disk full", "/files/pkg.bin", DownloadManager::WriteFailedStatus,
            "Cannot write @/icons/~pkg.bin: File too large");
        r("final name taken by a folder", "/files/pkg.bin", DownloadManager::RenameFailedStatus,
            "Cannot rename @/icons/~pkg.bin to @/icons/pkg.bin: Is a directory");
    }
    void outcome()
    {
        auto [path, kind, status, cause] = fetch<QString, QString, int, QString>();
        const QByteArray tag = QTest::currentDataTag();
        const bool folder = tag.startsWith("final");
        QVERIFY(folder ? m_tmp->write("/icons/pkg.bin/x", "in the way") : m_tmp->write("/icons/pkg.bin", "good copy"));
        DownloadManager dm;
        if (path.startsWith("/quiet"))
            dm.setStallTimeout(1000);
        QPointer<QNetworkAccessManager> firstManager = dm.findChild<QNetworkAccessManager*>();
        QSignalSpy done(&dm, finishedSignal);
        const dltask_st t = task("pkg", path, "/icons", kind);
        QVERIFY(dm.append(t) && dm.append(task("x", "/files/x", "/icons")));
        // A full disk as a file size limit shows it: writes past 64 KB fail.
        rlimit saved {};
        QVERIFY(::getrlimit(RLIMIT_FSIZE, &saved) == 0 && std::signal(SIGXFSZ, SIG_IGN) != SIG_ERR);
        const rlimit small {64 * 1024, saved.rlim_max};
        QVERIFY(tag != "disk full" || ::setrlimit(RLIMIT_FSIZE, &small) == 0);
        const bool first = QTest::qWaitFor([&] { return !done.isEmpty(); }, 20000);
        ::setrlimit(RLIMIT_FSIZE, &saved);
        QVERIFY(first);
        QTRY_COMPARE_WITH_TIMEOUT(done.count(), 2, 20000);
        QCOMPARE(result(done, 0).task, t);
        QCOMPARE(qMakePair(result(done, 0).status, result(done, 0).errorString.isEmpty()), qMakePair(status, !status));
        QVERIFY(cause.isEmpty() || result(done, 0).errorString == cause.replace('@', m_tmp->root()));
        QCOMPARE(result(done, 1).task.name + QString::number(result(done, 1).status), "x0");
        QCOMPARE(entries("/icons").join(' '), "pkg.bin x");
        const QByteArray kept = status ? "good copy" : path.startsWith("/stream") ? QByteArray(9 << 20, 'b') : m_body;
        QVERIFY(folder || m_tmp->read("/icons/pkg.bin") == kept);
        QCOMPARE(m_requests, 2);
        // An error retires the network manager; the next transfer gets a new one.
        QTRY_COMPARE(firstManager.isNull(), status != 0);
    }

    // Unusable tasks are refused or skipped unasked, each file lands in its own folder, data reaches the temporary file
    // as it arrives, and a manager going away mid-transfer leaves no temporary file and says nothing.
    void queue()
    {
        auto dm = std::make_unique<DownloadManager>();
        QSignalSpy done(dm.get(), finishedSignal);
        QVERIFY(!dm->append({"p", "", "/tmp", "", ""}) && !dm->append({"p", "http://127.0.0.1/x", "", "", ""}));
        QVERIFY(dm->append(task("x", "/files/x")));
        // Skipped: a folder that cannot be made, names that leave the folder.
        QVERIFY(dm->append(task("bad", "/files/x", "/blocker/sub")));
        for (const char* path : {"/files/", "/files/.", "/files/.."})
            QVERIFY(dm->append(task("bad", path, "/bad")));
        QVERIFY(dm->append(task("y", "/files/y", "/d2", "BENTO.XML")) && dm->append(task("q", "/quiet/q")));
        QTRY_COMPARE(m_tmp->read("/d/~q"), QByteArray(10, 'q'));
        dm.reset();
        QCOMPARE(done.count(), 2);
        QCOMPARE(result(done, 0).task.name + QString::number(result(done, 0).status) + result(done, 1).task.name
                + QString::number(result(done, 1).status),
            "x0y0");
        QCOMPARE(m_requests, 3);
        QCOMPARE(entries("/d") + entries("/d2") + entries("/bad"), QStringList({"x", "y"}));
    }
};

QTEST_GUILESS_MAIN(TstDownloadManager)
#include "tst_downloadmanager.moc"
