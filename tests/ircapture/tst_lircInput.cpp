// The IR daemon client against a server of the test's own, for what the real daemon will not send: lines in pieces
// and bursts, copies of a line read by two clients in either order. (Reconnection: the audio chooser's flow.)
#include "DataRows.h"
#include "ScratchSysroot.h"
#include "lirc/LircInput.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QTest>

class TstLircInput : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScratchSysroot> m_root;
    std::unique_ptr<LircInput> m_input;
    QStringList m_lines; // as emitted

private slots:
    void init()
    {
        m_root.reset();
        m_root = std::make_unique<ScratchSysroot>();
        QVERIFY(QDir().mkpath(m_root->path("/dev")) && m_root->path("/dev/lircd").size() < 100);
        m_input = std::make_unique<LircInput>();
        m_lines.clear();
        connect(m_input.get(), &LircInput::irkeyPressed, this, [this](const QString& line) { m_lines << line; });
    }

    void cleanup() { m_input.reset(); }

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
            QTRY_VERIFY(client->bytesAvailable() > 0 || !m_lines.isEmpty() || part == reads.last());
        }
        QTRY_COMPARE(m_lines, expected);
        // Stopping hangs up; the retry timer is 10 s away: only start() itself connects this soon.
        m_input->stop();
        QTRY_COMPARE(first->state(), QLocalSocket::UnconnectedState);
        QVERIFY(!m_input->isConnected());
        m_input->start();
        QVERIFY(server.waitForNewConnection(2000));
    }

    // A window's client (w) and the home window's (h) read each line in the order given, with the window the key
    // would go to then ("win" the window, "-" another): who takes it. The first reader decides, also for a copy read
    // after the window went; a window whose client is down leaves its keys to the home.
    void oneTaker_data()
    {
        columns<QString, QString, QString>(); // the window's client connected, the reads "client line goesTo", answers
        row("window's client first, the window gone", QString("yes"), QString("w OK win, h OK -"), QString("win win"));
        row("not the window's key", QString("yes"), QString("w OK -, h OK win"), QString("home home"));
        row("several lines ahead", QString("yes"), QString("w UP win, w OK -, h UP -, h OK win, h DOWN -"),
            QString("win home win home home"));
        row("a line one client missed", QString("yes"), QString("w UP win, h OK -"), QString("win home"));
        row("window's client down", QString("no"), QString("h OK win, w OK win"), QString("home win"));
    }
    void oneTaker()
    {
        const auto [connected, reads, answers] = fetch<QString, QString, QString>();
        QLocalServer server;
        QVERIFY(server.listen(m_root->path("/dev/lircd")));
        QObject window;
        LircInput own;
        own.setWindow(&window);
        m_input->start();
        if (connected == "yes")
            own.start();
        QTRY_VERIFY(m_input->isConnected() && own.isConnected() == (connected == "yes"));
        QStringList seen;
        for (const QString& read : reads.split(", ")) {
            const QStringList r = read.split(' ');
            const QString line = "1 00 KEY_" + r[1] + " r\n";
            const QObject* goesTo = r[2] == "win" ? &window : nullptr;
            const bool byWindow = r[0] == "w" ? own.takes(line, goesTo) : LircInput::takenByWindow(line, goesTo);
            seen << (byWindow ? "win" : "home");
        }
        QCOMPARE(seen.join(' '), answers);
    }
};

QTEST_GUILESS_MAIN(TstLircInput)
#include "tst_lircInput.moc"
