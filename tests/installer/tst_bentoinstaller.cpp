#include "RecordingRunner.h"
#include "packages/BentoInstaller.h"

#include <QtTest>

#include <unistd.h>

static std::atomic<bool> g_hang {false}; // state queries hang while set

// Answers state queries from a script (its last entry repeats), set before the worker starts.
class StateScript : public RecordingRunner
{
public:
    QList<QByteArray> states;
    std::atomic<int> queries {0};

    // Hangs where no instrumented local lives: a torn-down thread skips their clean-up.
    CommandResult_s execute(const QString& program, const QStringList& args, Budget budget) override
    {
        for (bool query = args.contains(u"-s") && ++queries; query && g_hang;)
            usleep(20000);
        return answer_(program, args, budget);
    }
    [[gnu::noinline]] CommandResult_s answer_(const QString& program, const QStringList& args, Budget budget)
    {
        CommandResult_s r = RecordingRunner::execute(program, args, budget);
        if (args.contains(u"-s"))
            r.out = states.size() > 1 ? states.takeFirst() : states.value(0);
        return r;
    }
};

static QByteArray state(const char* status, const char* progress = nullptr)
{
    return "{\"status_value\": \"" + QByteArray(status)
        + (progress ? "\", \"progress\": " + QByteArray(progress) : "\"") + "}";
}

static QString tool(const QStringList& args)
{
    return CommandRunner::joinLine("sudo", QStringList {"/opt/bin/privrun", "/sbin/bento_cli"} + args);
}

// The process's threads by id.
static QSet<QString> threads()
{
    const QStringList ids = QDir("/proc/self/task").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
    return {ids.cbegin(), ids.cend()};
}

// One new thread, asleep.
static bool waiting(const QSet<QString>& added)
{
    QFile stat("/proc/self/task/" + added.values().value(0) + "/stat");
    return added.size() == 1 && stat.open(QIODevice::ReadOnly)
        && QString(stat.readAll()).section(") ", 1, 1).startsWith('S');
}

class TstBentoInstaller : public QObject
{
    Q_OBJECT

    std::unique_ptr<StateScript> m_runner;
    QStringList m_events; // the signals as short words

    std::unique_ptr<BentoInstaller> installer(const QList<QByteArray>& states)
    {
        m_events.clear();
        m_runner = std::make_unique<StateScript>(); // the previous one is gone (cleanup)
        m_runner->states = states;
        auto installer = std::make_unique<BentoInstaller>(); // also the receiver: its news dies with it
        const auto note = [this](const char* k) { return [this, k](int p) { m_events << k + QString::number(p); }; };
        connect(installer.get(), &BentoInstaller::downloadProgress, installer.get(), note("D"));
        connect(installer.get(), &BentoInstaller::installProgress, installer.get(), note("I"));
        connect(installer.get(), &BentoInstaller::finished, installer.get(), [this] { m_events << "F"; });
        return installer;
    }

private slots:
    void initTestCase() { qunsetenv("IVO_SYSROOT"); }
    void cleanup() { m_runner.reset(); }

    // Quoted progress counts, a number or none counts 0, other answers wait; the name is one argument.
    void reportsJobState()
    {
        const QString name = "x; touch /tmp/owned \"$(id)\"'";
        const QList<QByteArray> answers {state("download_operating", "\"10\""), state("download_operating", "40"),
            state("install_operating", "\"2\""), state("install_operating"), "{\"status_value\": \"download_oper",
            state("enabled")};
        const QStringList events {"D10", "D0", "I2", "I0", "F"};
        auto job = installer(answers + QList<QByteArray> {state("download_operating", "\"50\""), state("enabled")});
        QCOMPARE(job->Install(name), 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_events, events, 15000);
        // Polling stopped with the job: no query for it comes while another worker follows a job for a poll period.
        BentoInstaller other;
        connect(&other, &BentoInstaller::finished, &other, [this] { m_events << "other F"; });
        QCOMPARE(other.Install("next"), 0);
        QTRY_COMPARE_WITH_TIMEOUT(m_events, events + QStringList("other F"), 15000);
        job->Cancel();
        const QStringList lines = QStringList {tool({"-a", name})}
            + QStringList(answers.size(), tool({"-s", name, "--output", "2"})) + QStringList {tool({"-a", "next"})}
            + QStringList(2, tool({"-s", "next", "--output", "2"})) + QStringList {tool({"-c", name})};
        QCOMPARE(m_runner->lines(), lines);
    }

    void busyRefusesAndCancelStops()
    {
        auto job = installer({state("download_operating", "\"30\"")});
        job->Cancel(); // nothing to cancel yet
        QCOMPARE(job->Install("Alpha"), 0);
        QTRY_VERIFY(m_events.contains("D30"));
        QCOMPARE(job->Install("Beta"), -1);
        job->Cancel();
        // The worker stops polling and takes a new job (no QTRY_: it evaluates twice).
        for (QDeadlineTimer deadline(5000); job->Install("Beta") != 0 && !deadline.hasExpired();)
            QTest::qWait(10);
        // Nothing ran before the first job or for the refused one; no query after the cancel.
        const QStringList lines = m_runner->lines();
        QCOMPARE(lines.first(), tool({"-a", "Alpha"}));
        QCOMPARE(lines.filter(" -a "), (QStringList {tool({"-a", "Alpha"}), tool({"-a", "Beta"})}));
        QCOMPARE(lines.mid(lines.indexOf(tool({"-c", "Alpha"})), 2),
            (QStringList {tool({"-c", "Alpha"}), tool({"-a", "Beta"})}));
        QVERIFY(!m_events.contains("F"));
    }

    // Each job ends at its first poll: a lost wake-up would hang Install for good.
    void handOverNeverLosesWakeUp()
    {
        auto job = installer({state("enabled")});
        for (int i = 0; i < 50; ++i) {
            QCOMPARE(job->Install(QString("p%1").arg(i)), 0);
            QTRY_COMPARE(m_events.size(), i + 1); // the worker is free when its news arrives
        }
        // Now without waiting for the news: requests race the worker's return.
        int taken = 0;
        for (QDeadlineTimer deadline(30000); taken < 300 && !deadline.hasExpired();)
            taken += job->Install(QString("q%1").arg(taken)) == 0;
        QCOMPARE(taken, 300);
        QTRY_COMPARE(m_events, QStringList(350, "F"));
        QCOMPARE(m_runner->queries.load(), 350);
    }

    void destruction_data()
    {
        QTest::addColumn<int>("phase");
        QTest::newRow("waiting for a request") << 0;
        QTest::newRow("sleeping between polls") << 1; // a whole second ahead
        QTest::newRow("stuck in a command") << 2; // waited out for 2 s, then torn down
    }

    void destruction()
    {
        QFETCH(int, phase);
        g_hang = phase == 2;
        const QSet<QString> before = threads();
        auto job = installer({state("install_operating", "\"1\"")});
        QTRY_VERIFY(waiting(threads() - before)); // the worker has reached its wait for a request
        if (phase)
            QCOMPARE(job->Install("Gamma"), 0);
        QTRY_COMPARE(m_runner->queries.load(), int(phase > 0));
        QTest::failOnWarning(QRegularExpression(".*"));
        if (phase == 2)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("terminating"));
        const QDeadlineTimer soon(500), late(1900);
        job.reset();
        QVERIFY(phase == 2 ? late.hasExpired() : !soon.hasExpired());
        // The worker is gone (only new threads count): no query after the end; one that hung was never recorded.
        QTRY_COMPARE(threads() - before, QSet<QString>());
        QCOMPARE(m_runner->lines().size(), (phase > 0) + (phase == 1));
    }
};

QTEST_GUILESS_MAIN(TstBentoInstaller)
#include "tst_bentoinstaller.moc"
