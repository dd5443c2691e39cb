// The IR daemon client against a server of the test's own on the daemon's socket in a scratch
// sysroot; the real daemon's lines reach it in the simulator's end-to-end flows.
#include "ScratchSysroot.h"
#include "lirc/LircInput.h"

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QTest>

class TstLircInput : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScratchSysroot> m_root;
    std::unique_ptr<LircInput> m_input;
    std::unique_ptr<QSignalSpy> m_spy;

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
    }

    void daemonStartsLateAndRestarts()
    {
        m_input->setReconnectInterval(200);
        m_input->start();
        QTest::qWait(500);
        QVERIFY(!m_input->isConnected());
        QLocalServer server;
        QStringList sent;
        for (const char* line : {"1 00 KEY_LEFT r\n", "1 00 KEY_UP r\n"}) {
            QVERIFY(server.listen(m_root->path("/dev/lircd")));
            QTRY_VERIFY(m_input->isConnected() && server.hasPendingConnections());
            QLocalSocket* daemon = server.nextPendingConnection();
            daemon->write(line);
            sent << line;
            QTRY_COMPARE(lines(), sent);
            // The daemon goes away: its socket closes and its file is gone.
            daemon->abort();
            server.close();
            QTRY_VERIFY(!m_input->isConnected());
        }
    }

    void piecesAndBursts_data()
    {
        QTest::addColumn<QByteArray>("burst");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("two lines at once")
            << QByteArray("1 00 KEY_UP r\n1 01 KEY_UP r\n") << QStringList {"1 00 KEY_UP r\n", "1 01 KEY_UP r\n"};
        QTest::newRow("long line in pieces") << QByteArray(300, 'x')
                + '\n' << QStringList {QString(127, 'x'), QString(127, 'x'), QString(46, 'x') + '\n'};
        QTest::newRow("127 with its line feed") << QByteArray(126, 'y') + "\n\xc3\x84\n"
                                                << QStringList {QString(126, 'y') + '\n', QString::fromUtf8("Ä\n")};
    }

    void piecesAndBursts()
    {
        QFETCH(QByteArray, burst);
        QFETCH(QStringList, expected);
        QLocalServer server;
        QVERIFY(server.listen(m_root->path("/dev/lircd")));
        m_input->start();
        QVERIFY(server.waitForNewConnection(5000));
        QLocalSocket* first = server.nextPendingConnection();
        first->write(burst);
        QTRY_COMPARE(lines(), expected);
        // Stopping hangs up; the retry timer is 10 s away: only start() itself connects this soon.
        m_input->stop();
        QTRY_COMPARE(first->state(), QLocalSocket::UnconnectedState);
        QVERIFY(!m_input->isConnected());
        m_input->start();
        QVERIFY(server.waitForNewConnection(2000));
    }
};

QTEST_GUILESS_MAIN(TstLircInput)
#include "tst_lircInput.moc"
