// The IR daemon client against a server of the test's own, for what the real daemon will not send: lines in pieces
// and bursts. Its reconnection to a restarted daemon runs in the audio chooser's simulator flow.
#include "DataRows.h"
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
