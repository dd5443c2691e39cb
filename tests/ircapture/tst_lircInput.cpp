// The IR daemon client against LIRC's own lircd (on a socket in a scratch sysroot, lines sent with
// "irsend SIMULATE"), and against a server of the test's own for what lircd will not send.
#include "DataRows.h"
#include "ScratchSysroot.h"
#include "lirc/LircInput.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

class TstLircInput : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScratchSysroot> m_root;
    std::unique_ptr<QProcess> m_daemon;
    std::unique_ptr<LircInput> m_input;
    std::unique_ptr<QSignalSpy> m_spy;

    void startDaemon()
    {
        const QString etc = m_root->path("/etc/lirc");
        QVERIFY(m_root->write("/etc/lirc/lirc_options.conf", "[lircd]\n"));
        QVERIFY(m_root->write("/etc/lirc/lircd.conf",
            "begin remote\n name testremote\n bits 16\n flags SPACE_ENC\n header 9000 4500\n one 560 1690\n"
            " zero 560 560\n gap 108000\n begin codes\n  KEY_LEFT 0x1\n end codes\nend remote\n"));
        QUdpSocket probe; // a free port for the daemon's UDP driver
        QVERIFY(probe.bind(QHostAddress::LocalHost, 0));
        m_daemon = std::make_unique<QProcess>();
        m_daemon->start("lircd",
            {"--nodaemon", "--options-file=" + etc + "/lirc_options.conf", "--driver=udp",
                "--device=" + QString::number(probe.localPort()), "--output=" + m_root->path("/dev/lircd"),
                "--pidfile=" + etc + "/lircd.pid", "--logfile=" + etc + "/lircd.log", "--allow-simulate",
                etc + "/lircd.conf"});
        QVERIFY2(m_daemon->waitForStarted(), "lircd (Debian package lirc) is needed");
    }
    // The line lircd broadcasts for the button, empty when irsend failed.
    QString press(const QString& button)
    {
        const QString line = "0000000000000001 00 " + button + " testremote";
        QProcess irsend;
        irsend.start("irsend", {"-d", m_root->path("/dev/lircd"), "SIMULATE", line});
        return irsend.waitForFinished(5000) && irsend.exitCode() == 0 ? line + '\n' : QString();
    }
    QStringList lines() const
    {
        QStringList out;
        for (const QList<QVariant>& call : *m_spy)
            out << call.at(0).toString();
        return out;
    }

private slots:
    void init()
    {
        m_root.reset();
        m_root = std::make_unique<ScratchSysroot>();
        QVERIFY(QDir().mkpath(m_root->path("/dev")) && m_root->path("/dev/lircd").size() < 100);
        m_input = std::make_unique<LircInput>();
        m_spy = std::make_unique<QSignalSpy>(m_input.get(), &LircInput::irkeyPressed);
    }

    void cleanup()
    {
        m_spy.reset();
        m_input.reset();
        if (m_daemon) {
            m_daemon->terminate();
            m_daemon->waitForFinished(5000);
            m_daemon.reset();
        }
    }

    void daemonStartsLateAndRestarts()
    {
        m_input->setReconnectInterval(200);
        QSignalSpy refused(m_input->findChild<QLocalSocket*>(), &QLocalSocket::errorOccurred);
        m_input->start();
        QTRY_VERIFY(refused.count() >= 2); // the first attempt and a retry, both before the daemon is there
        QVERIFY(!m_input->isConnected());
        startDaemon();
        QTRY_VERIFY(m_input->isConnected());
        QStringList sent {press("KEY_LEFT"), press("KEY_RIGHT")};
        QTRY_COMPARE(lines(), sent);
        m_daemon->terminate();
        QVERIFY(m_daemon->waitForFinished(5000));
        QTRY_VERIFY(!m_input->isConnected());
        startDaemon();
        QTRY_VERIFY(m_input->isConnected());
        sent << press("KEY_UP");
        QTRY_COMPARE(lines(), sent);
    }

    void piecesAndBursts_data()
    {
        columns<QByteArray, QStringList>(); // what the daemon sends ("|": the rest in a read of its own), lines
        row("a line in two reads", QByteArray("1 00 KEY_|UP r\n"), QStringList {"1 00 KEY_UP r\n"});
        row("two lines at once", QByteArray("1 00 KEY_UP r\n1 01 KEY_UP r\n"),
            QStringList {"1 00 KEY_UP r\n", "1 01 KEY_UP r\n"});
        row("long line in pieces", QByteArray(300, 'x') + '\n',
            QStringList {QString(127, 'x'), QString(127, 'x'), QString(46, 'x') + '\n'});
        row("127 with its line feed", QByteArray(126, 'y') + "\n\xc3\x84\n",
            QStringList {QString(126, 'y') + '\n', QString::fromUtf8("Ä\n")});
    }

    void piecesAndBursts()
    {
        const auto [burst, expected] = fetch<QByteArray, QStringList>();
        QLocalServer server;
        QVERIFY(server.listen(m_root->path("/dev/lircd")));
        m_input->start();
        QVERIFY(server.waitForNewConnection(5000));
        QLocalSocket* first = server.nextPendingConnection();
        const QList<QByteArray> reads = burst.split('|');
        for (const QByteArray& part : reads) {
            first->write(part);
            // Received (and read, if it were) before the next part goes.
            auto* client = m_input->findChild<QLocalSocket*>();
            QTRY_VERIFY(client->bytesAvailable() > 0 || !m_spy->isEmpty() || part == reads.last());
        }
        QTRY_COMPARE(lines(), expected);
        // Stopping hangs up; the retry timer is 10 s away: only start() itself connects this soon.
        m_input->stop();
        QTRY_COMPARE(first->state(), QLocalSocket::UnconnectedState);
        QVERIFY(!m_input->isConnected());
        m_input->start();
        QVERIFY(server.waitForNewConnection(2000));
    }

    // Lines already sent are handed on at once, before the event loop has looked at the connection.
    void pendingAtOnce()
    {
        QLocalServer server;
        QVERIFY(server.listen(m_root->path("/dev/lircd")));
        m_input->start();
        QVERIFY(server.waitForNewConnection(5000));
        QLocalSocket* daemon = server.nextPendingConnection();
        daemon->write("1 00 KEY_OK r\n");
        QVERIFY(daemon->waitForBytesWritten(5000));
        m_input->readPending();
        QCOMPARE(lines(), QStringList {"1 00 KEY_OK r\n"});
    }
};

QTEST_GUILESS_MAIN(TstLircInput)
#include "tst_lircInput.moc"
