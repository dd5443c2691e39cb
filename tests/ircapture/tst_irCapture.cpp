// The capture thread over a real FIFO or socket as the receiver: registration,
// first code wins, learning, prompt ending, the assembled pipeline with the
// tools' encoder as the remote, the simulator's button, and capture, learning
// and table changes at once (also run under ThreadSanitizer).
#include "ScratchSysroot.h"
#include "appliance/ApplianceCommands.h"
#include "irDecoderSet.h"
#include "irFrameEncoder.h"
#include "irTestSupport.h"
#include "lirc/decoder.h"
#include "lirc/irPipeline.h"
#include "lirc/irSample.h"
#include "lirc/lirc.h"
#include "lirc/outputSink.h"
#include "lirc/uinputSink.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>

#include <atomic>
#include <deque>
#include <memory>
#include <set>
#include <thread>

#include <sys/socket.h>
#include <sys/stat.h>

namespace {

// Completes `code` on the sample `trigger`. Lirc calls it under its lock only.
class ScriptedDecoder final : public Decoder
{
public:
    explicit ScriptedDecoder(std::string name, unsigned int trigger = 0, std::uint64_t code = 0)
        : m_name(std::move(name))
        , m_trigger(trigger)
        , m_code(code)
    {
    }
    const std::string& getDecoderName() const override { return m_name; }
    void pushRawData(unsigned int sample) override { m_fifo.push_back(sample); }
    unsigned int popRawData() override
    {
        const unsigned int s = m_fifo.empty() ? 0 : m_fifo.front();
        if (!m_fifo.empty())
            m_fifo.pop_front();
        return s;
    }
    std::uint64_t popScanCode() override { return std::exchange(m_pending, 0); }
    void decode() override
    {
        if (popRawData() == m_trigger)
            m_pending = m_code;
    }
    void clear() override { m_fifo.clear(), m_pending = 0; }

private:
    std::string m_name;
    unsigned int m_trigger;
    std::uint64_t m_code, m_pending = 0;
    std::deque<unsigned int> m_fifo;
};

class RecordingSink final : public OutputSink
{
public:
    explicit RecordingSink(std::string name = "rec")
        : m_name(std::move(name))
    {
    }
    void pushScanCode(unsigned long) override { }
    unsigned long popScanCode() override { return 0; }
    unsigned long frontScakCode() override { return 0; }
    const std::string& getSinkName() const override { return m_name; }
    void clear() override { }
    void addRcMapTable(RcMapTable*) override { }
    void dispatch(unsigned long code) override
    {
        std::lock_guard lock(m_mutex);
        m_codes.append(code);
    }
    QList<quint64> codes() const
    {
        std::lock_guard lock(m_mutex);
        return m_codes;
    }

private:
    std::string m_name;
    mutable std::mutex m_mutex;
    QList<quint64> m_codes;
};

int countFds(const QByteArray& kind)
{
    int n = 0;
    char target[64];
    for (const QString& name : QDir("/proc/self/fd").entryList(QDir::System)) {
        const ssize_t len = ::readlink(qPrintable("/proc/self/fd/" + name), target, sizeof target);
        n += len > 0 && QByteArray(target, len) == kind;
    }
    return n;
}

QList<unsigned int> press(const char* protocol, std::uint64_t code, unsigned int repeats = 0)
{
    std::vector<unsigned int> samples;
    IrFrameEncoder().encode(protocol, code, IrFrameEncoder::DefaultBits, repeats, samples);
    return QList<unsigned int>(samples.begin(), samples.end());
}

} // namespace

class TstIrCapture : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void registersOncePerName_data();
    void registersOncePerName();
    void firstDecoderWins();
    void learningHoldsCodesBack_data();
    void learningHoldsCodesBack();
    void stopsPromptly_data();
    void stopsPromptly();
    void setupFailures();
    void assemblesInOrder();
    void remotePresses_data();
    void remotePresses();
    void learningAndTablesDuringCapture();
    void simulatorPressReachesSink();

private:
    // The receiver FIFO at /dev/lirc0 and a writer on it (after lirc opened it).
    void openWriter();
    void feed(const QList<unsigned int>& samples);
    // A pipeline on m_lirc whose keyboard is a pipe; replay: signal time
    // from the samples themselves.
    void assemble(bool replay, std::array<RcMapTable*, 3> tables);

    std::unique_ptr<ScratchSysroot> m_root;
    std::unique_ptr<Lirc> m_lirc;
    std::unique_ptr<IrPipeline> m_pipeline;
    std::array<RcMapTable, 3> m_tables;
    int m_writer = -1;
    int m_keys = -1;
};

void TstIrCapture::init()
{
    m_root.reset();
    m_root = std::make_unique<ScratchSysroot>();
    QDir().mkpath(m_root->path("/dev"));
    QDir().mkpath(m_root->path("/tmp"));
    QVERIFY(::mkfifo(qPrintable(m_root->path("/dev/lirc0")), 0600) == 0);
    m_lirc = std::make_unique<Lirc>("/dev/lirc0");
    UinputSink::resetDebounce();
    IrDecoderSet::resetClassState();
}

void TstIrCapture::cleanup()
{
    m_pipeline.reset();
    m_lirc.reset();
    for (RcMapTable& t : m_tables)
        t.clear();
    for (int* fd : {&m_writer, &m_keys})
        if (*fd >= 0)
            ::close(std::exchange(*fd, -1));
}

void TstIrCapture::openWriter()
{
    m_writer = ::open(qPrintable(m_root->path("/dev/lirc0")), O_WRONLY | O_CLOEXEC);
    QVERIFY(m_writer >= 0);
}

void TstIrCapture::feed(const QList<unsigned int>& samples)
{
    const qsizetype bytes = samples.size() * qsizetype(sizeof(unsigned int));
    QCOMPARE(::write(m_writer, samples.constData(), bytes), ssize_t(bytes));
}

void TstIrCapture::assemble(bool replay, std::array<RcMapTable*, 3> tables)
{
    int fds[2];
    QVERIFY(::pipe2(fds, O_NONBLOCK | O_CLOEXEC) == 0);
    m_keys = fds[0];
    auto sink = std::make_unique<UinputSink>("uinput", fds[1]);
    m_lirc->setReplayTiming(replay);
    if (replay)
        sink->setClock(m_lirc->sampleClock());
    IrPipeline::Parts_s parts;
    parts.lirc = m_lirc.get();
    parts.slotTables = tables;
    parts.sink = std::move(sink);
    m_pipeline = IrPipeline::assemble(std::move(parts));
    QVERIFY(m_pipeline);
    openWriter();
}

void TstIrCapture::registersOncePerName_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("registered");
    QTest::newRow("second nec") << QStringList {"nec", "nec"} << QStringList {"nec"};
    QTest::newRow("order kept") << QStringList {"mce", "nec", "mce", "sonySIRC", "nec"}
                                << QStringList {"mce", "nec", "sonySIRC"};
    QTest::newRow("byte strings") << QStringList {"nec", "NEC", "nec "} << QStringList {"nec", "NEC", "nec "};
}

void TstIrCapture::registersOncePerName()
{
    QFETCH(QStringList, names);
    QFETCH(QStringList, registered);
    std::vector<std::unique_ptr<ScriptedDecoder>> decoders;
    std::vector<std::unique_ptr<RecordingSink>> sinks;
    for (const QString& n : names) {
        decoders.push_back(std::make_unique<ScriptedDecoder>(n.toStdString()));
        sinks.push_back(std::make_unique<RecordingSink>(n.toStdString()));
        m_lirc->registerDecoder(decoders.back().get());
        m_lirc->registerSink(sinks.back().get());
    }
    std::vector<std::string> expected;
    for (const QString& n : registered)
        expected.push_back(n.toStdString());
    QVERIFY(m_lirc->decoderNames() == expected);
    QVERIFY(m_lirc->sinkNames() == expected);
}

void TstIrCapture::firstDecoderWins()
{
    ScriptedDecoder late("late", 7, 0xB), early("early", 7, 0xA), other("other", 9, 0xC);
    RecordingSink sink1("one"), sink2("two");
    for (Decoder* d : {static_cast<Decoder*>(&early), static_cast<Decoder*>(&late), static_cast<Decoder*>(&other)})
        m_lirc->registerDecoder(d);
    m_lirc->registerSink(&sink1);
    m_lirc->registerSink(&sink2);
    QVERIFY(m_lirc->init() >= 0);
    m_lirc->start();
    openWriter();
    // Both complete on 7: the later decoder's code is dropped, not kept for
    // the next sample; 9 completes only the third.
    feed({7, 1, 9});
    QTRY_COMPARE(m_lirc->samplesRead(), 3u);
    QCOMPARE(sink1.codes(), (QList<quint64> {0xA, 0xC}));
    QCOMPARE(sink2.codes(), sink1.codes());
}

void TstIrCapture::learningHoldsCodesBack_data()
{
    QTest::addColumn<bool>("switchOffFirst");
    QTest::newRow("taken by the learner") << false;
    QTest::newRow("dropped when learning ends") << true;
}

void TstIrCapture::learningHoldsCodesBack()
{
    QFETCH(bool, switchOffFirst);
    ScriptedDecoder decoder("d", 7, 0xA);
    RecordingSink sink;
    m_lirc->registerDecoder(&decoder);
    m_lirc->registerSink(&sink);
    std::atomic<int> announced {0};
    connect(
        m_lirc.get(), &Lirc::signalIrRecived, this, [&] { ++announced; }, Qt::DirectConnection);
    QVERIFY(m_lirc->init() >= 0);
    m_lirc->start();
    openWriter();
    m_lirc->enableLearning(true);
    feed({1, 7, 2});
    QTRY_COMPARE(m_lirc->samplesRead(), 3u);
    QCOMPARE(announced.load(), 3);
    if (switchOffFirst)
        m_lirc->enableLearning(false);
    QCOMPARE(m_lirc->getScanCode(), switchOffFirst ? 0u : 0xAu);
    QCOMPARE(m_lirc->getScanCode(), 0u);
    QVERIFY(sink.codes().isEmpty());
    // Learning off again: codes go to the sinks, samples are not announced.
    m_lirc->enableLearning(false);
    feed({7});
    QTRY_COMPARE(sink.codes(), QList<quint64> {0xA});
    QCOMPARE(announced.load(), 3);
}

void TstIrCapture::stopsPromptly_data()
{
    QTest::addColumn<bool>("vanished");
    QTest::newRow("idle receiver") << false;
    QTest::newRow("vanished receiver") << true;
}

void TstIrCapture::stopsPromptly()
{
    QFETCH(bool, vanished);
    const int epolls = countFds("anon_inode:[eventpoll]"), events = countFds("anon_inode:[eventfd]");
    StderrCapture err;
    auto lirc = std::make_unique<Lirc>("/dev/lirc0");
    if (vanished) {
        // A socket whose peer is gone reads 0 bytes for ever.
        int pair[2];
        QVERIFY(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) == 0);
        ::close(pair[1]);
        lirc->adoptDevice(pair[0]);
    } else {
        QVERIFY(lirc->init() >= 0);
    }
    lirc->start();
    QTest::qWait(1200);
    QVERIFY(lirc->isRunning());
    QElapsedTimer destroying;
    destroying.start();
    lirc.reset();
    QVERIFY2(destroying.elapsed() < 250, qPrintable(QString::number(destroying.elapsed())));
    QCOMPARE(countFds("anon_inode:[eventpoll]"), epolls);
    QCOMPARE(countFds("anon_inode:[eventfd]"), events);
    // Every failed read logs, but the loop rests 500 ms after each.
    const int failures = err.count("[Func:virtual void Lirc::run()]: Read data fail\n\033[m");
    QVERIFY2(vanished ? failures >= 2 && failures <= 4 : failures == 0, err.text().constData());
    QCOMPARE(err.count("\033[1;31m[File:lirc/lirc][Line:"), failures);
}

void TstIrCapture::setupFailures()
{
    StderrCapture err;
    Lirc unset("");
    QCOMPARE(unset.init(), -1);
    QVERIFY(err.text().contains("[Func:int Lirc::init(const std::string&)]: The device isn't set!!\n"));
    QCOMPARE(m_lirc->init("/dev/lirc9"), -1); // missing: no line
    QCOMPARE(err.count("\033[1;31m"), 1);
    // A regular file opens but cannot be waited on.
    QVERIFY(m_root->write("/dev/file", "x"));
    QVERIFY(m_lirc->init("/dev/file") >= 0);
    m_lirc->start();
    QVERIFY(m_lirc->wait(2000));
    QVERIFY(err.text().contains("[Func:virtual void Lirc::run()]: epoll_ctl() fail\n"));
    // No receiver: nothing is built.
    QVERIFY(QFile::remove(m_root->path("/dev/lirc0")));
    Lirc absent("/dev/lirc0");
    IrPipeline::Parts_s parts;
    parts.lirc = &absent;
    QVERIFY(!IrPipeline::assemble(std::move(parts)));
    QVERIFY(absent.decoderNames().empty() && absent.sinkNames().empty() && !absent.isRunning());
}

void TstIrCapture::assemblesInOrder()
{
    QVERIFY(m_root->write("/home/admin/.config/Vendra/lirckeytable1.conf", "1 67\n"));
    QVERIFY(m_root->write("/home/admin/.config/Vendra/lirckeytable3.conf", "3 6C\n3 69\n"));
    assemble(false, {&m_tables[0], &m_tables[1], &m_tables[2]});
    QVERIFY(m_lirc->isRunning());
    QVERIFY(m_lirc->decoderNames()
        == (std::vector<std::string> {"mce", "nec", "sonySIRC", "sharp", "kaseikyo", "samsung"}));
    QVERIFY(m_lirc->sinkNames() == std::vector<std::string> {"uinput"});
    const std::vector<RcMapTable*> tables = m_pipeline->sink()->tables();
    QCOMPARE(tables.size(), 4u);
    QCOMPARE(tables[0], &m_pipeline->builtinColourKeyTable());
    QVERIFY(tables[0]->entries()
        == (std::vector<RcMapTable::Entry_s> {
            {0x40070248, 398}, {0x800F0494, 401}, {0x800F0492, 399}, {0x40070249, 400}}));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(tables[i + 1], &m_tables[i]);
    QVERIFY((m_tables[0].entries() == std::vector<RcMapTable::Entry_s> {{1, 0x67}}));
    QVERIFY(m_tables[1].entries().empty());
    QCOMPARE(m_tables[2].entries().size(), 2u);
    // The pipeline leaves the capture loop with everything it built.
    m_pipeline.reset();
    QVERIFY(m_lirc->decoderNames().empty() && m_lirc->sinkNames().empty());
}

void TstIrCapture::remotePresses_data()
{
    QTest::addColumn<QByteArray>("protocol");
    QTest::addColumn<quint64>("code");
    QTest::addColumn<int>("repeats");
    QTest::addColumn<int>("keys");
    // A repeat burst every 108.6 ms: every third passes the 300 ms debounce.
    QTest::newRow("nec held 2 s") << QByteArray("nec") << quint64(0x20DF10EF) << 18 << 7;
    QTest::newRow("nec once") << QByteArray("nec") << quint64(0x20DF10EF) << 0 << 1;
    // Universal remotes send each press three times.
    QTest::newRow("sony three times") << QByteArray("sonySIRC") << quint64(0x95) << 2 << 1;
    QTest::newRow("samsung three times") << QByteArray("samsung") << quint64(0xE0E040BF) << 2 << 1;
    QTest::newRow("mce three times") << QByteArray("mce") << quint64(0x800F0422) << 2 << 1;
    QTest::newRow("kaseikyo three times") << QByteArray("kaseikyo") << quint64(0x400401000809) << 2 << 1;
    QTest::newRow("sharp three times") << QByteArray("sharp") << quint64(0xA5A) << 2 << 1;
}

void TstIrCapture::remotePresses()
{
    QFETCH(QByteArray, protocol);
    QFETCH(quint64, code);
    QFETCH(int, repeats);
    QFETCH(int, keys);
    m_tables[1].setMapping(code, KEY_ENTER);
    assemble(true, {&m_tables[0], &m_tables[1], &m_tables[2]});
    const QList<unsigned int> samples = press(protocol.constData(), code, unsigned(repeats));
    feed(samples);
    QTRY_COMPARE(m_lirc->samplesRead(), quint64(samples.size()));
    QList<KeyEvent> expected;
    for (int i = 0; i < keys; ++i)
        expected += keyPress(KEY_ENTER);
    QCOMPARE(readEvents(m_keys), expected);
}

void TstIrCapture::learningAndTablesDuringCapture()
{
    const std::uint64_t codes[] = {0x20DF10EF, 0x20DF906F, 0x20DF50AF, 0x20DFD02F};
    const std::set<int> keys {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT};
    m_tables[0].setMapping(codes[0], KEY_UP);
    assemble(false, {&m_tables[0], &m_tables[1], &m_tables[2]});
    std::atomic<bool> done {false};
    std::thread remote([&] {
        for (int i = 0; !done; ++i) {
            std::vector<unsigned int> s;
            IrFrameEncoder().encode("nec", codes[i % 4], IrFrameEncoder::DefaultBits, 1, s);
            if (::write(m_writer, s.data(), s.size() * sizeof s[0]) < 0)
                break;
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    });
    std::set<std::uint64_t> learned;
    std::thread learner([&] {
        while (!done) {
            m_lirc->enableLearning(true);
            for (int i = 0; i < 20 && !done; ++i) {
                if (const std::uint64_t c = m_lirc->getScanCode())
                    learned.insert(c);
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
            m_lirc->enableLearning(false);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
    });
    m_tables[1].loadRcMapTable(m_root->path("/slot2.conf").toStdString()); // gives the table a file
    QElapsedTimer t;
    t.start();
    for (int i = 0; t.elapsed() < 1500; ++i) {
        m_tables[1].setMapping(codes[i % 4], *std::next(keys.begin(), i % 4));
        if (i % 16 == 15)
            m_tables[1].clear();
    }
    done = true;
    remote.join();
    learner.join();
    QVERIFY(!learned.empty());
    for (std::uint64_t c : learned)
        QVERIFY(std::find(std::begin(codes), std::end(codes), c) != std::end(codes));
    const QList<KeyEvent> events = readEvents(m_keys);
    QVERIFY(!events.isEmpty());
    for (qsizetype i = 0; i < events.size(); i += 4)
        QVERIFY(keys.count(std::get<1>(events[i])) && events.mid(i, 4) == keyPress(std::get<1>(events[i])));
}

void TstIrCapture::simulatorPressReachesSink()
{
    // The simulator's receiver pieces in a sysroot of their own.
    const QString root = QStringLiteral("/tmp/ivir-%1").arg(QCoreApplication::applicationPid());
    QDir(root).removeRecursively();
    const QString sim = qEnvironmentVariable("IVO_SOURCE_DIR") + "/sim";
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("SYSROOT", root);
    env.insert("SIM_SRC", sim);
    env.insert("SIM_STATE", root + "/sim");
    env.insert("IVO_SIM_ROOT", root);
    env.insert("IVO_SIM_IR", "yes");
    env.insert("IVO_IRENCODE", qEnvironmentVariable("IVO_BINARY_DIR") + "/bin/ivo-irencode");
    auto run = [&](const QString& program, const QStringList& args) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(program, args);
        return p.waitForFinished(20000) && p.exitCode() == 0 ? QByteArray() : p.readAllStandardError() + "failed";
    };
    QDir().mkpath(root + "/sim");
    QCOMPARE(run("bash", {sim + "/setup.d/00-base.sh"}), QByteArray());
    QCOMPARE(run("bash", {sim + "/setup.d/40-ir.sh"}), QByteArray());
    qputenv("IVO_SYSROOT", root.toLocal8Bit());
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", (root + "/sim/bin:").toLocal8Bit() + path);
    const bool receiver = ApplianceCmd::hasIrReceiver();
    qputenv("PATH", path);
    QVERIFY(receiver);

    QVERIFY(QDir().mkpath(root + "/home/admin/.config/Vendra"));
    QFile table(root + "/home/admin/.config/Vendra/lirckeytable1.conf");
    QVERIFY(table.open(QIODevice::WriteOnly) && table.write("20DF10EF 67\n") > 0);
    table.close();
    m_lirc = std::make_unique<Lirc>("/dev/lirc0");
    int fds[2];
    QVERIFY(::pipe2(fds, O_NONBLOCK | O_CLOEXEC) == 0);
    m_keys = fds[0];
    IrPipeline::Parts_s parts;
    parts.lirc = m_lirc.get();
    parts.slotTables = {&m_tables[0], &m_tables[1], &m_tables[2]};
    parts.sink = std::make_unique<UinputSink>("uinput", fds[1]);
    parts.home = root + "/home/admin";
    m_pipeline = IrPipeline::assemble(std::move(parts));
    QVERIFY(m_pipeline);

    // No one-touch marker here: a colour key ends in the key-bolt file.
    QCOMPARE(run(sim + "/ivo-sim", {"press", "mce", "800F0494"}), QByteArray());
    auto bolt = [&] {
        QFile f(root + "/tmp/.tellora.keybolt.xxx");
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    QTRY_COMPARE(bolt(), QByteArray("blue"));
    QTest::qWait(350); // the debounce
    QCOMPARE(run(sim + "/ivo-sim", {"press", "nec", "20DF10EF"}), QByteArray());
    QList<KeyEvent> events;
    QTRY_VERIFY((events += readEvents(m_keys)).size() >= 4);
    QCOMPARE(events, keyPress(KEY_UP));
    m_pipeline.reset();
    m_lirc.reset();
    QDir(root).removeRecursively();
}

QTEST_GUILESS_MAIN(TstIrCapture)
#include "tst_irCapture.moc"
