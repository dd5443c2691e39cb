// The download queue against a real HTTP server on loopback that the test
// controls, so that failures happen where a real network makes them happen.
#include "TestHttpServer.h"
#include "packages/DownloadManager.h"

#include <QDir>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using Finished = QList<QPair<QString, int>>; // task name, status

class TstDownloadManager : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void refusesIncompleteTask_data();
    void refusesIncompleteTask();
    void outcome_data();
    void outcome();
    void startsOnNextEventLoopPass();
    void queueOrder();
    void progressAndStatus();
    void authentication_data();
    void authentication();
    void removeAbortsAndDrops_data();
    void removeAbortsAndDrops();
    void unusableTaskIsSkipped_data();
    void unusableTaskIsSkipped();

private:
    dltask_st task(
        const QString& name, const QString& path, const QString& dir = "dst", const QString& tag = "BENTO.ICON") const;
    static QByteArray readFile(const QString& path);
    static void writeFile(const QString& path, const QByteArray& data);
    static Finished names(const QSignalSpy& spy);

    std::unique_ptr<TestHttpServer> m_server;
    std::unique_ptr<QTemporaryDir> m_tmp;
    QByteArray m_body;
};

static dlresult_st resultAt(const QSignalSpy& spy, int i) { return spy.at(i).at(0).value<dlresult_st>(); }

static const auto finishedSignal = qOverload<const dlresult_st&>(&DownloadManager::finished);
static const auto progressSignal = qOverload<const dlresult_st&>(&DownloadManager::downloadProgress);

void TstDownloadManager::init()
{
    m_server = std::make_unique<TestHttpServer>();
    QVERIFY(m_server->listen());
    m_tmp = std::make_unique<QTemporaryDir>();
    QVERIFY(m_tmp->isValid());
    m_body.clear();
    for (int i = 0; i < 20000; ++i)
        m_body += QByteArray::number(i * 7919 % 10007) + ',';
    m_server->setFile("pkg.bin", m_body);
    m_server->setFile("x", "file x");
    m_server->setFile("y", "file y");
    m_server->setFile("secret.bin", "for members");
}

void TstDownloadManager::cleanup()
{
    m_server.reset();
    m_tmp.reset();
}

dltask_st TstDownloadManager::task(
    const QString& name, const QString& path, const QString& dir, const QString& tag) const
{
    return {name, m_server->url(path), m_tmp->filePath(dir), tag, "extra:" + name};
}

QByteArray TstDownloadManager::readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void TstDownloadManager::writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(data);
}

Finished TstDownloadManager::names(const QSignalSpy& spy)
{
    Finished out;
    for (int i = 0; i < spy.count(); ++i)
        out << qMakePair(resultAt(spy, i).task.name, resultAt(spy, i).status);
    return out;
}

void TstDownloadManager::refusesIncompleteTask_data()
{
    QTest::addColumn<bool>("noUrl");
    QTest::addColumn<bool>("noDir");
    QTest::newRow("no address") << true << false;
    QTest::newRow("no folder") << false << true;
    QTest::newRow("neither") << true << true;
}

void TstDownloadManager::refusesIncompleteTask()
{
    QFETCH(bool, noUrl);
    QFETCH(bool, noDir);
    DownloadManager dm;
    QSignalSpy done(&dm, finishedSignal);
    dltask_st t = task("p", "/files/pkg.bin");
    if (noUrl)
        t.url.clear();
    if (noDir)
        t.dstDir.clear();
    QVERIFY(!dm.append(t));
    QVERIFY(!dm.prepend(t));
    // A good task behind it is the only thing that runs.
    QVERIFY(dm.append(task("good", "/files/x")));
    QTRY_COMPARE(done.count(), 1);
    QTest::qWait(50);
    QCOMPARE(names(done), (Finished {{"good", 0}}));
    QCOMPARE(m_server->paths(), QList<QByteArray> {"/files/x"});
}

void TstDownloadManager::outcome_data()
{
    QTest::addColumn<QString>("path"); // "refused": nothing listens there
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("fresh"); // the new body replaced the old file

    QTest::newRow("success") << "/files/pkg.bin" << 0 << true;
    QTest::newRow("not found") << "/missing/pkg.bin" << int(QNetworkReply::ContentNotFoundError) << false;
    QTest::newRow("refused") << "refused" << int(QNetworkReply::ConnectionRefusedError) << false;
    QTest::newRow("dropped mid-body") << "/drop/pkg.bin" << int(QNetworkReply::RemoteHostClosedError) << false;
}

void TstDownloadManager::outcome()
{
    QFETCH(QString, path);
    QFETCH(int, status);
    QFETCH(bool, fresh);

    const QString dst = m_tmp->filePath("icons/pkg");
    writeFile(dst + "/pkg.bin", "previous good copy");
    dltask_st t = task("pkg", path, "icons/pkg");
    if (path == "refused") {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
        t.url = QStringLiteral("http://127.0.0.1:%1/files/pkg.bin").arg(closed.serverPort());
    }

    DownloadManager dm;
    QPointer<QNetworkAccessManager> firstManager = dm.findChild<QNetworkAccessManager*>();
    QVERIFY(firstManager);
    QSignalSpy done(&dm, finishedSignal);
    QVERIFY(dm.append(t));
    QTRY_COMPARE(done.count(), 1);

    const dlresult_st r = resultAt(done, 0);
    QCOMPARE(r.status, status);
    QCOMPARE(r.task, t);
    QCOMPARE(r.errorString.isEmpty(), status == 0);
    QVERIFY(r.elapsedMs >= 0);
    QCOMPARE(readFile(dst + "/pkg.bin"), fresh ? m_body : QByteArray("previous good copy"));
    if (fresh) {
        QCOMPARE(r.bytesReceived, m_body.size());
        QCOMPARE(r.bytesTotal, m_body.size());
    }
    QVERIFY(!QFile::exists(dst + "/~pkg.bin"));
    dlresult_st idle;
    QVERIFY(!dm.getDownloadStatus(idle));

    // An error retires the network manager; the next transfer gets a new one.
    if (status) {
        QTRY_VERIFY(firstManager.isNull());
        QCOMPARE(dm.findChildren<QNetworkAccessManager*>().size(), 1);
    } else {
        QTest::qWait(20);
        QCOMPARE(dm.findChildren<QNetworkAccessManager*>(), QList<QNetworkAccessManager*> {firstManager.data()});
    }
    QVERIFY(dm.append(task("again", "/files/pkg.bin", "icons/pkg")));
    QTRY_COMPARE(done.count(), 2);
    QCOMPARE(resultAt(done, 1).status, 0);
    QCOMPARE(readFile(dst + "/pkg.bin"), m_body);
}

void TstDownloadManager::startsOnNextEventLoopPass()
{
    DownloadManager dm;
    QSignalSpy done(&dm, finishedSignal);
    dlresult_st r;
    r.status = 9;
    QVERIFY(dm.append(task("x", "/files/x")));
    // Nothing runs inside the call: still idle, the record untouched.
    QVERIFY(!dm.getDownloadStatus(r));
    QCOMPARE(r.status, 9);
    QVERIFY(r.task.name.isEmpty());
    QTRY_COMPARE(done.count(), 1);
    QCOMPARE(readFile(m_tmp->filePath("dst/x")), QByteArray("file x"));
}

void TstDownloadManager::queueOrder()
{
    DownloadManager dm;
    QSignalSpy done(&dm, finishedSignal);
    QVERIFY(dm.append(task("x1", "/files/x")));
    QVERIFY(dm.append(task("x2", "/files/x")));
    QVERIFY(dm.prepend(task("y", "/files/y")));
    QVERIFY(dm.append(task("pkg", "/files/pkg.bin")));
    QTRY_COMPARE(done.count(), 4);
    QCOMPARE(names(done), (Finished {{"y", 0}, {"x1", 0}, {"x2", 0}, {"pkg", 0}}));
    QCOMPARE(m_server->paths(), (QList<QByteArray> {"/files/y", "/files/x", "/files/x", "/files/pkg.bin"}));
    // Appending from a finished handler while the queue ran dry starts it.
    connect(&dm, finishedSignal, &dm, [&](const dlresult_st& r) {
        if (r.task.name == "y")
            dm.append(task("x3", "/files/x"));
    });
    QVERIFY(dm.append(task("y", "/files/y")));
    QTRY_COMPARE(done.count(), 6);
    QCOMPARE(names(done).mid(4), (Finished {{"y", 0}, {"x3", 0}}));
}

void TstDownloadManager::progressAndStatus()
{
    DownloadManager dm;
    QSignalSpy done(&dm, finishedSignal);
    QSignalSpy progress(&dm, progressSignal);
    const dltask_st t = task("big", "/stall/big");
    QVERIFY(dm.append(t));
    QTRY_VERIFY(progress.count() > 0 && resultAt(progress, progress.count() - 1).bytesReceived == 3000);

    qint64 last = 0;
    for (int i = 0; i < progress.count(); ++i) {
        const dlresult_st p = resultAt(progress, i);
        QCOMPARE(p.status, 0);
        QVERIFY(p.errorString.isEmpty());
        QCOMPARE(p.task, t);
        QVERIFY(p.bytesReceived >= last);
        last = p.bytesReceived;
    }
    QCOMPARE(resultAt(progress, progress.count() - 1).bytesTotal, 1 << 20);
    // Received data goes to the temporary file as it arrives.
    QTRY_COMPARE(readFile(m_tmp->filePath("dst/~big")), QByteArray(3000, 's'));

    dlresult_st r;
    r.status = 77;
    r.errorString = "kept";
    QVERIFY(dm.getDownloadStatus(r));
    QCOMPARE(r.status, 77);
    QCOMPARE(r.errorString, QString("kept"));
    QCOMPARE(r.task, t);
    QCOMPARE(r.bytesReceived, 3000);
    QCOMPARE(r.bytesTotal, 1 << 20);
    QVERIFY(r.elapsedMs >= 0);
    QCOMPARE(done.count(), 0);

    // Going away mid-transfer leaves no temporary file and says nothing.
    {
        DownloadManager other;
        QSignalSpy otherDone(&other, finishedSignal);
        QVERIFY(other.append(task("big2", "/stall/big2", "dst2")));
        QTRY_COMPARE(readFile(m_tmp->filePath("dst2/~big2")).size(), 3000);
    }
    QVERIFY(!QFile::exists(m_tmp->filePath("dst2/~big2")));
    QVERIFY(!QFile::exists(m_tmp->filePath("dst2/big2")));
}

void TstDownloadManager::authentication_data()
{
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<int>("status");
    QTest::addColumn<int>("requests");

    // Right credentials: the first request is refused, the second served.
    QTest::newRow("accepted") << "viewer"
                              << "s3cret" << 0 << 2;
    // Wrong ones are offered twice; the third request is aborted.
    QTest::newRow("rejected") << "viewer"
                              << "wrong" << int(QNetworkReply::OperationCanceledError) << 3;
    QTest::newRow("no credentials") << ""
                                    << "" << int(QNetworkReply::OperationCanceledError) << 1;
    QTest::newRow("no user") << ""
                             << "s3cret" << int(QNetworkReply::OperationCanceledError) << 1;
    QTest::newRow("no password") << "viewer"
                                 << "" << int(QNetworkReply::OperationCanceledError) << 1;
}

void TstDownloadManager::authentication()
{
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(int, status);
    QFETCH(int, requests);
    m_server->setCredentials("viewer", "s3cret");
    writeFile(m_tmp->filePath("dst/secret.bin"), "old");

    DownloadManager dm;
    dm.setAuth(user, password);
    QSignalSpy done(&dm, finishedSignal);
    QVERIFY(dm.append(task("s", "/auth/secret.bin")));
    QTRY_COMPARE(done.count(), 1);
    QTest::qWait(50);
    QCOMPARE(resultAt(done, 0).status, status);
    QCOMPARE(m_server->requests().size(), requests);
    const QByteArray offered = "Basic " + (user + ':' + password).toUtf8().toBase64();
    for (int i = 0; i < requests; ++i)
        QCOMPARE(m_server->requests().at(i).authorization, i == 0 ? QByteArray() : offered);
    QCOMPARE(readFile(m_tmp->filePath("dst/secret.bin")), QByteArray(status ? "old" : "for members"));
    QVERIFY(!QFile::exists(m_tmp->filePath("dst/~secret.bin")));
}

void TstDownloadManager::removeAbortsAndDrops_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("what");
    QTest::addColumn<Finished>("expected");

    // Running: s1 (stalls, folder d1, icon tag). Queued: x (d1, icon), y (d2,
    // catalog tag), s2 (stalls, d2, catalog tag). Whatever still runs at the
    // end is aborted by address so the queue drains.
    const int cancel = QNetworkReply::OperationCanceledError;
    QTest::newRow("url of running") << "url"
                                    << "/stall/s1" << Finished {{"s1", cancel}, {"x", 0}, {"y", 0}, {"s2", cancel}};
    QTest::newRow("url of queued") << "url"
                                   << "/stall/s2" << Finished {{"s1", cancel}, {"x", 0}, {"y", 0}};
    QTest::newRow("tag") << "tag"
                         << "BENTO.ICON" << Finished {{"s1", cancel}, {"y", 0}, {"s2", cancel}};
    QTest::newRow("tag in other case") << "tag"
                                       << "bento.icon" << Finished {{"s1", cancel}, {"x", 0}, {"y", 0}, {"s2", cancel}};
    QTest::newRow("folder of queued") << "dir"
                                      << "d2" << Finished {{"s1", cancel}, {"x", 0}};
    QTest::newRow("folder of running") << "dir"
                                       << "d1" << Finished {{"s1", cancel}, {"y", 0}, {"s2", cancel}};
}

void TstDownloadManager::removeAbortsAndDrops()
{
    QFETCH(QString, how);
    QFETCH(QString, what);
    QFETCH(Finished, expected);

    DownloadManager dm;
    QSignalSpy done(&dm, finishedSignal);
    QVERIFY(dm.append(task("s1", "/stall/s1", "d1", "BENTO.ICON")));
    QVERIFY(dm.append(task("x", "/files/x", "d1", "BENTO.ICON")));
    QVERIFY(dm.append(task("y", "/files/y", "d2", "BENTO.XML")));
    QVERIFY(dm.append(task("s2", "/stall/s2", "d2", "BENTO.XML")));

    dlresult_st r;
    // Settled: idle, or a stalled transfer that has its first bytes.
    auto settled = [&] { return !dm.getDownloadStatus(r) || r.bytesReceived == 3000; };
    QTRY_VERIFY(dm.getDownloadStatus(r) && r.bytesReceived == 3000);
    QCOMPARE(r.task.name, QString("s1"));

    if (how == "url")
        dm.remove(m_server->url(what));
    else if (how == "tag")
        dm.removeUserTag(what);
    else
        dm.removeDstDir(m_tmp->filePath(what));

    for (int guard = 0; guard < 5; ++guard) {
        QTRY_VERIFY(settled());
        if (!dm.getDownloadStatus(r))
            break;
        dm.remove(r.task.url);
    }
    QTest::qWait(50);
    QCOMPARE(names(done), expected);
    for (int i = 0; i < done.count(); ++i) {
        const dlresult_st f = resultAt(done, i);
        QVERIFY(!QFile::exists(f.task.dstDir + "/~" + f.task.name));
        QCOMPARE(QFile::exists(f.task.dstDir + '/' + f.task.name), f.status == 0);
    }
    // Dropped tasks never reached the server.
    QCOMPARE(m_server->requests().size(), expected.size());
}

void TstDownloadManager::unusableTaskIsSkipped_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("dir");

    QTest::newRow("folder is a file") << "/files/x"
                                      << "blocker/sub";
    QTest::newRow("no file name") << "/files/"
                                  << "bad";
    QTest::newRow("dot name") << "/files/."
                              << "bad";
    QTest::newRow("parent name") << "/files/.."
                                 << "bad";
}

void TstDownloadManager::unusableTaskIsSkipped()
{
    QFETCH(QString, path);
    QFETCH(QString, dir);
    writeFile(m_tmp->filePath("blocker"), "a file where a folder should be");

    DownloadManager dm;
    QSignalSpy done(&dm, finishedSignal);
    QVERIFY(dm.append(task("bad", path, dir)));
    QVERIFY(dm.append(task("good", "/files/y", "good")));
    QTRY_COMPARE(done.count(), 1);
    QTest::qWait(50);
    QCOMPARE(names(done), (Finished {{"good", 0}}));
    QCOMPARE(m_server->paths(), QList<QByteArray> {"/files/y"});
    // Nothing was written beside or above the destination folder.
    QDir top(m_tmp->path());
    QStringList expected {"blocker", "good"};
    if (dir == "bad")
        expected.prepend("bad");
    QCOMPARE(top.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), expected);
    QCOMPARE(
        QDir(m_tmp->filePath("bad")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden), QStringList());
}

QTEST_GUILESS_MAIN(TstDownloadManager)
#include "tst_downloadmanager.moc"
