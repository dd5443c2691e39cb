// The installer thread against scripted answers of the package tool: what it
// reports, which command lines it runs, and that its hand-over and shutdown
// hold up (this suite also runs under ThreadSanitizer).
#include "RecordingRunner.h"
#include "packages/BentoInstaller.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include <atomic>
#include <chrono>
#include <memory>
#include <mutex>
#include <thread>

namespace {

// A state query that hangs until released. Kept outside any object the test
// frees: a thread torn down inside it never tells anyone it is gone.
std::atomic<bool> g_hang {false};
std::atomic<bool> g_hanging {false};

// Answers the state query from a script, one entry per query; the last entry
// repeats. Every command is still recorded by the base class.
class StateScript : public RecordingRunner
{
public:
    void setStates(const QList<QByteArray>& states)
    {
        std::lock_guard lock(m_mutex);
        m_states = states;
    }
    int queries() const
    {
        std::lock_guard lock(m_mutex);
        return m_queries;
    }

    CommandResult_s run(const QString& program, const QStringList& args, int timeoutMs) override
    {
        const bool query = args.contains("-s");
        if (query && g_hang) {
            g_hanging = true;
            while (g_hang)
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        CommandResult_s r = RecordingRunner::run(program, args, timeoutMs);
        if (!query)
            return r;
        std::lock_guard lock(m_mutex);
        ++m_queries;
        if (!m_states.isEmpty())
            r.out = m_states.size() > 1 ? m_states.takeFirst() : m_states.first();
        return r;
    }

private:
    mutable std::mutex m_mutex;
    QList<QByteArray> m_states;
    int m_queries = 0;
};

QByteArray state(const char* status, const char* progress = nullptr)
{
    QByteArray json = QByteArray("{\"status_value\": \"") + status + '"';
    if (progress)
        json += QByteArray(", \"progress\": ") + progress;
    return json + "}\n";
}

const QString kPrefix = "sudo /opt/bin/privrun /sbin/bento_cli ";

} // namespace

class TstBentoInstaller : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void reportsJobState_data();
    void reportsJobState();
    void busyRefusesAndCancelStops();
    void cancelBeforeInstallDoesNothing();
    void handOverNeverLosesWakeUp();
    void destructionEndsThreadPromptly_data();
    void destructionEndsThreadPromptly();
    void destructionGivesUpOnHungCommand();

private:
    // Signals as short words, recorded in the receiving thread.
    void record(BentoInstaller& installer);

    std::unique_ptr<StateScript> m_runner;
    QStringList m_events;
    bool m_offThread = false;
};

void TstBentoInstaller::initTestCase() { qunsetenv("IVO_SYSROOT"); }

void TstBentoInstaller::init()
{
    m_runner = std::make_unique<StateScript>();
    m_events.clear();
    m_offThread = false;
}

void TstBentoInstaller::cleanup() { m_runner.reset(); }

void TstBentoInstaller::record(BentoInstaller& installer)
{
    auto note = [this](const QString& event) {
        m_offThread |= QThread::currentThread() != thread();
        m_events << event;
    };
    connect(&installer, &BentoInstaller::downloadProgress, this, [note](int p) { note(QString("D%1").arg(p)); });
    connect(&installer, &BentoInstaller::installProgress, this, [note](int p) { note(QString("I%1").arg(p)); });
    connect(&installer, &BentoInstaller::finished, this, [note] { note("F"); });
}

void TstBentoInstaller::reportsJobState_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<QByteArray>>("answers");
    QTest::addColumn<QStringList>("events");

    QTest::newRow("download, install, enabled")
        << "Photon"
        << QList<QByteArray> {state("download_operating", "\"10\""), state("download_operating", "\"60\""),
               state("install_operating", "\"2\""), state("enabled")}
        << QStringList {"D10", "D60", "I2", "F"};
    QTest::newRow("progress as a number or missing counts 0")
        << "Media Hub"
        << QList<QByteArray> {state("download_operating", "40"), state("install_operating"), state("enabled")}
        << QStringList {"D0", "I0", "F"};
    // Package names are one argument each, never shell text.
    QTest::newRow("broken, empty and unknown answers are pending")
        << "x; touch /tmp/owned \"$(id)\"'"
        << QList<QByteArray> {"{\"status_value\": \"download_oper", "", state("ENABLED", "\"5\""), state("enabled")}
        << QStringList {"F"};
}

void TstBentoInstaller::reportsJobState()
{
    QFETCH(QString, name);
    QFETCH(QList<QByteArray>, answers);
    QFETCH(QStringList, events);
    m_runner->setStates(answers);

    BentoInstaller installer;
    record(installer);
    QCOMPARE(installer.Install(name), 0);
    QTRY_COMPARE_WITH_TIMEOUT(m_events.size(), events.size(), 10000);
    QCOMPARE(m_events, events);
    QVERIFY(!m_offThread);

    // Polling stopped with the job; the commands were exactly these.
    QTest::qWait(1300);
    installer.Cancel();
    const QStringList runner {"/opt/bin/privrun", "/sbin/bento_cli"};
    QList<QStringList> expected {runner + QStringList({"-a", name})};
    for (int i = 0; i < answers.size(); ++i)
        expected << runner + QStringList({"-s", name, "--output", "2"});
    expected << runner + QStringList({"-c", name});
    QList<QStringList> args;
    for (const RecordingRunner::Call_s& c : m_runner->calls()) {
        QCOMPARE(c.program, QString("sudo"));
        args << c.args;
    }
    QCOMPARE(args, expected);
    QCOMPARE(m_events, events);
}

void TstBentoInstaller::busyRefusesAndCancelStops()
{
    m_runner->setStates({state("download_operating", "\"30\"")});
    BentoInstaller installer;
    record(installer);
    QCOMPARE(installer.Install("Alpha"), 0);
    QTRY_VERIFY(m_events.contains("D30"));
    QCOMPARE(installer.Install("Beta"), -1);
    QVERIFY(!m_runner->lines().join('\n').contains("Beta"));

    installer.Cancel();
    QVERIFY(m_runner->lines().contains(kPrefix + "-c Alpha"));
    // The worker goes back to waiting: no more queries, and a new job is taken.
    // (Install has effects, so no QTRY_ macro: they evaluate twice.)
    QDeadlineTimer deadline(5000);
    int rc = -1;
    while ((rc = installer.Install("Beta")) != 0 && !deadline.hasExpired())
        QTest::qWait(10);
    QCOMPARE(rc, 0);
    const QStringList lines = m_runner->lines();
    const int cancelAt = lines.indexOf(kPrefix + "-c Alpha");
    QVERIFY(lines.indexOf(kPrefix + "-a Beta") > cancelAt);
    QVERIFY(!lines.mid(cancelAt).contains(kPrefix + "-s Alpha --output 2"));
    QVERIFY(!m_events.contains("F"));
}

void TstBentoInstaller::cancelBeforeInstallDoesNothing()
{
    BentoInstaller installer;
    installer.Cancel();
    QTest::qWait(50);
    QCOMPARE(m_runner->lines(), QStringList());
}

// Each job ends at its first poll, so the next request arrives just as the
// worker returns to waiting: a lost wake-up would hang Install for good.
void TstBentoInstaller::handOverNeverLosesWakeUp()
{
    m_runner->setStates({state("enabled")});
    BentoInstaller installer;
    record(installer);
    const int rounds = 50;
    for (int i = 0; i < rounds; ++i) {
        QCOMPARE(installer.Install(QString("p%1").arg(i)), 0);
        // The worker is free by the time its news arrives.
        QTRY_COMPARE(m_events.size(), i + 1);
    }
    // Now without waiting for the news: requests race the worker's return.
    int taken = 0;
    QDeadlineTimer deadline(30000);
    while (taken < 300 && !deadline.hasExpired()) {
        if (installer.Install(QString("q%1").arg(taken)) == 0)
            ++taken;
    }
    QCOMPARE(taken, 300);
    QTRY_COMPARE(m_events.size(), rounds + taken);
    QCOMPARE(m_events, QStringList(rounds + taken, "F"));
    QCOMPARE(m_runner->queries(), rounds + taken);
    QVERIFY(!m_offThread);
}

void TstBentoInstaller::destructionEndsThreadPromptly_data()
{
    QTest::addColumn<bool>("polling");
    QTest::newRow("waiting for a request") << false;
    QTest::newRow("sleeping between polls") << true;
}

void TstBentoInstaller::destructionEndsThreadPromptly()
{
    QFETCH(bool, polling);
    QTest::failOnWarning(QRegularExpression(".*"));
    m_runner->setStates({state("install_operating", "\"1\"")});
    auto installer = std::make_unique<BentoInstaller>();
    if (polling) {
        QCOMPARE(installer->Install("Gamma"), 0);
        QTRY_COMPARE(m_runner->queries(), 1);
    } else {
        QTest::qWait(20);
    }
    // Right after a poll the worker has a whole second of sleep ahead.
    QElapsedTimer t;
    t.start();
    installer.reset();
    QVERIFY2(t.elapsed() < 500, qPrintable(QString("took %1 ms").arg(t.elapsed())));
    const int queries = m_runner->queries();
    QTest::qWait(1200);
    QCOMPARE(m_runner->queries(), queries);
}

// A command that never returns cannot hold the program hostage.
void TstBentoInstaller::destructionGivesUpOnHungCommand()
{
    g_hang = true;
    auto installer = std::make_unique<BentoInstaller>();
    QCOMPARE(installer->Install("Delta"), 0);
    QTRY_VERIFY(g_hanging);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("terminating"));
    QElapsedTimer t;
    t.start();
    installer.reset();
    QVERIFY(t.elapsed() >= 1900);
    g_hang = false;
    QCOMPARE(m_runner->lines(), QStringList {kPrefix + "-a Delta"});
}

QTEST_GUILESS_MAIN(TstBentoInstaller)
#include "tst_bentoinstaller.moc"
