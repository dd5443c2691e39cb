// The download queue against a loopback HTTP server the test controls: failures happen as on a real network.
#include "DataRows.h"
#include "ScratchSysroot.h"
#include "packages/DownloadManager.h"

#include <QtNetwork>
#include <QtTest>

#include <csignal>

#include <sys/resource.h>

using Finished = QList<QPair<QString, int>>; // task name, status

static const auto finishedSignal = qOverload<const dlresult_st&>(&DownloadManager::finished);

static dlresult_st result(const QSignalSpy& spy, qsizetype i) { return spy.at(i).at(0).value<dlresult_st>(); }

class TstDownloadManager : public QObject
{
    Q_OBJECT

    QList<QPair<QByteArray, QByteArray>> m_requests; // path, Authorization
    std::unique_ptr<QTcpServer> m_server;
    std::optional<ScratchSysroot> m_tmp; // the folders: a fresh one for each test
    const QByteArray m_body = QByteArray("0123456789abcdefghijklmnopq").repeated(5000); // no power-of-two period
    const QHash<QByteArray, QByteArray> m_files {{"pkg.bin", m_body}, {"x", "file x"}, {"y", "file y"}};

    // One request per connection: /files/NAME serves m_files[NAME], /auth/NAME behind Basic credentials; /drop/ sends
    // half and hangs up; /stall/ announces 1 MB and sends 3000 bytes, the last 2000 after 600 ms (progress signals
    // closer than 100 ms are dropped); /quiet/ sends 10 of 1000; /big/ 9 MB, /stream/ unannounced.
    void serve(QTcpSocket* socket)
    {
        const QByteArray head = socket->peek(8192);
        if (!head.contains("\r\n\r\n"))
            return;
        socket->readAll();
        const QByteArray path = head.split(' ').value(1);
        const QByteArray auth = QRegularExpression("\nAuthorization: ([^\r]*)").match(head).captured(1).toUtf8();
        m_requests << qMakePair(path, auth);
        const QByteArray kind = path.split('/').value(1), name = path.split('/').value(2), body = m_files.value(name);
        QByteArray status = "200 OK", data = body;
        qint64 length = body.size();
        if (kind == "auth" && auth != "Basic " + QByteArray("viewer:s3cret").toBase64())
            status = "401 Unauthorized\r\nWWW-Authenticate: Basic realm=\"tests\"", data = "who", length = 3;
        else if (kind == "drop")
            data = body.left(length / 2);
        else if (kind == "stall")
            data = QByteArray(1000, 's'), length = 1 << 20;
        else if (kind == "quiet")
            data = QByteArray(10, 'q'), length = 1000;
        else if (kind == "big" || kind == "stream")
            data = QByteArray(9 << 20, 'b'), length = kind == "big" ? data.size() : -1;
        const QByteArray announced = length < 0 ? "" : "\r\nContent-Length: " + QByteArray::number(length);
        socket->write("HTTP/1.1 " + status + "\r\nConnection: close" + announced + "\r\n\r\n" + data);
        if (kind == "quiet")
            return;
        if (kind != "stall")
            return socket->disconnectFromHost();
        QTimer::singleShot(600, socket, [socket] { socket->write(QByteArray(2000, 's')); });
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
        m_requests.clear();
    }

    // Each transfer ends in finished() with its status and, on failure, a text naming the cause (@ the folder): the
    // good copy stays, no temporary file is left, and the next download runs. Credentials go only to a server that
    // asks, twice: the third request is aborted.
    void outcome_data()
    {
        columns<QString, QString, QString, int, QString, int>(); // path, password of "viewer", tag, status, cause
        const auto r = [](const char* tag, QString path, int status, QString cause = {}, int requests = 1,
                           QString password = {}, QString kind = "BENTO.ICON") {
            row(tag, path, password, kind, status, cause, requests); // and the requests for it
        };
        const QString tooLarge = "Download larger than 8388608 bytes";
        r("success", "/files/pkg.bin", 0);
        r("dropped", "/drop/pkg.bin", QNetworkReply::RemoteHostClosedError);
        r("authenticated", "/auth/pkg.bin", 0, {}, 2, "s3cret");
        r("wrong password", "/auth/pkg.bin", QNetworkReply::OperationCanceledError, {}, 3, "wrong");
        r("no password", "/auth/pkg.bin", QNetworkReply::OperationCanceledError);
        r("no data for a while", "/quiet/pkg.bin", DownloadManager::StalledStatus, "No data received for 1 s");
        r("icon announced too large", "/big/pkg.bin", DownloadManager::TooLargeStatus, tooLarge);
        r("icon growing too large", "/stream/pkg.bin", DownloadManager::TooLargeStatus, tooLarge);
        r("a catalog may be that large", "/stream/pkg.bin", 0, {}, 1, {}, "BENTO.XML");
        r("disk full", "/files/pkg.bin", DownloadManager::WriteFailedStatus,
            "Cannot write @/icons/~pkg.bin: File too large");
        r("final name taken by a folder", "/files/pkg.bin", DownloadManager::RenameFailedStatus,
            "Cannot rename @/icons/~pkg.bin to @/icons/pkg.bin: Is a directory");
    }
    void outcome()
    {
        auto [path, password, kind, status, cause, requests] = fetch<QString, QString, QString, int, QString, int>();
        const QByteArray tag = QTest::currentDataTag();
        const bool folder = tag.startsWith("final");
        QVERIFY(folder ? m_tmp->write("/icons/pkg.bin/x", "in the way") : m_tmp->write("/icons/pkg.bin", "good copy"));
        DownloadManager dm;
        dm.setAuth("viewer", password);
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
        QCOMPARE(m_requests.size(), requests + 1);
        for (int i = 0; i < requests; ++i)
            QCOMPARE(m_requests[i].second, i ? "Basic " + ("viewer:" + password).toUtf8().toBase64() : "");
        // An error retires the network manager; the next transfer gets a new one.
        QTRY_COMPARE(firstManager.isNull(), status != 0);
    }

    void runningAndRemoved_data()
    {
        columns<QString, QString, Finished>(); // how, what, expected
        // Running: s1 (put first; stalls, folder d, tag BENTO.ICON). Queued: x (d, BENTO.ICON), unusable ones,
        // y (d2, BENTO.XML), s2 (stalls, d2, BENTO.XML). What still runs at the end is removed by address.
        const int cancel = QNetworkReply::OperationCanceledError;
        const Finished all {{"s1", cancel}, {"x", 0}, {"y", 0}, {"s2", cancel}};
        row("address of queued", "url", "/stall/s2", all.mid(0, 3));
        row("tag", "tag", "BENTO.ICON", Finished {all[0], all[2], all[3]});
        row("tag in other case", "tag", "bento.icon", all);
        row("folder of running", "dir", "/d", Finished {all[0], all[2], all[3]});
        // Going away mid-transfer leaves no temporary file and says nothing.
        row("manager deleted", "delete", QString(), Finished {});
    }

    void runningAndRemoved()
    {
        const auto [how, what, expected] = fetch<QString, QString, Finished>();
        auto dm = std::make_unique<DownloadManager>();
        QSignalSpy done(dm.get(), finishedSignal);
        QVERIFY(!dm->append({"p", "", "/tmp", "", ""}) && !dm->prepend({"p", "http://127.0.0.1/x", "", "", ""}));
        QVERIFY(dm->append(task("x", "/files/x")));
        dlresult_st r;
        QVERIFY(!dm->getDownloadStatus(r)); // nothing starts inside the call
        // Skipped: a folder that cannot be made, names that leave the folder.
        QVERIFY(dm->append(task("bad", "/files/x", "/blocker/sub")));
        for (const char* path : {"/files/", "/files/.", "/files/.."})
            QVERIFY(dm->append(task("bad", path, "/bad")));
        QVERIFY(dm->append(task("y", "/files/y", "/d2", "BENTO.XML")));
        QVERIFY(dm->append(task("s2", "/stall/s2", "/d2", "BENTO.XML")));
        const dltask_st s1 = task("s1", "/stall/s1");
        QVERIFY(dm->prepend(s1));

        // Received data goes to the temporary file as it arrives.
        QTRY_COMPARE(m_tmp->read("/d/~s1"), QByteArray(3000, 's'));
        QVERIFY(dm->getDownloadStatus(r) && r.task == s1);

        if (how == "url")
            dm->remove(task({}, what).url);
        else if (how == "tag")
            dm->removeUserTag(what);
        else if (how == "dir")
            dm->removeDstDir(m_tmp->path(what));
        else
            dm.reset();
        // Settled: idle, or a stalled transfer with its first bytes, which goes too.
        const auto settled = [&] { return !dm->getDownloadStatus(r) || r.bytesReceived == 3000; };
        for (int guard = 0; dm && guard < 5 && QTest::qWaitFor(settled) && dm->getDownloadStatus(r); ++guard)
            dm->remove(r.task.url);
        Finished finished;
        for (int i = 0; i < done.count(); ++i)
            finished << qMakePair(result(done, i).task.name, result(done, i).status);
        QCOMPARE(finished, expected);
        QCOMPARE(m_requests.size(), qMax(1, int(expected.size()))); // dropped tasks never asked
        QStringList stored; // finished files only, no temporary ones
        for (const auto& [name, status] : expected)
            stored << (status ? QStringList() : QStringList {name});
        QCOMPARE(entries("/d") + entries("/d2") + entries("/bad"), stored);
    }
};

QTEST_GUILESS_MAIN(TstDownloadManager)
#include "tst_downloadmanager.moc"
