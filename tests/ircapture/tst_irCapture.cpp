// The capture thread with a FIFO or a socket as the receiver, the assembled pipeline with the tools' encoder as the
// remote, and capture, learning and table changes at once.
#include "DataRows.h"
#include "irDecoderSet.h"
#include "irFrameEncoder.h"
#include "irTestSupport.h"
#include "lirc/irPipeline.h"

#include <QElapsedTimer>

#include <thread>

#include <sys/socket.h>
#include <sys/stat.h>

static int countFds(const QString& kind)
{
    int n = 0;
    for (const QString& fd : QDir("/proc/self/fd").entryList(QDir::System))
        n += QFile::symLinkTarget("/proc/self/fd/" + fd).endsWith(kind) ? 1 : 0;
    return n;
}

class TstIrCapture : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScratchSysroot> m_root;
    std::unique_ptr<Lirc> m_lirc;
    std::unique_ptr<IrPipeline> m_pipeline;
    std::array<RcMapTable, 3> m_tables;
    int m_writer = -1, m_keys = -1;

    // The pipeline on m_lirc; replay: the samples' own durations are the time.
    void assemble(bool replay)
    {
        IrPipeline::Parts_s parts;
        parts.lirc = m_lirc.get();
        parts.slotTables = {&m_tables[0], &m_tables[1], &m_tables[2]};
        parts.sink = pipeKeyboard(&m_keys);
        m_lirc->setReplayTiming(replay);
        if (replay)
            parts.sink->setClock(m_lirc->sampleClock());
        QVERIFY((m_pipeline = IrPipeline::assemble(std::move(parts))));
    }
    // Writes to the receiver FIFO, opened at the first write.
    void feed(const std::vector<unsigned int>& samples)
    {
        if (m_writer < 0)
            m_writer = ::open(qPrintable(m_root->path("/dev/lirc0")), O_WRONLY | O_CLOEXEC);
        const ssize_t bytes = ssize_t(samples.size() * sizeof samples[0]);
        QCOMPARE(::write(m_writer, samples.data(), bytes), bytes);
    }

private slots:
    void init()
    {
        m_root.reset();
        m_root = std::make_unique<ScratchSysroot>();
        QDir().mkpath(m_root->path("/dev"));
        QVERIFY(::mkfifo(qPrintable(m_root->path("/dev/lirc0")), 0600) == 0);
        m_lirc = std::make_unique<Lirc>("/dev/lirc0");
        UinputSink::resetDebounce();
        IrDecoderSet::resetClassState();
    }

    void cleanup()
    {
        m_pipeline.reset();
        m_lirc.reset();
        for (RcMapTable& t : m_tables)
            t.clear();
        for (int* fd : {&m_writer, &m_keys})
            if (*fd >= 0)
                ::close(std::exchange(*fd, -1));
    }

    void collectsFirstCode_data()
    {
        // Learning (0 off, 1 on, 2 on and off again before collecting), the keys typed, the code learned.
        columns<int, QList<int>, quint64>();
        row("dispatched", 0, QList<int> {KEY_A, KEY_C}, quint64(0));
        row("held for the learner", 1, QList<int> {}, quint64(0xA));
        row("dropped when learning ends", 2, QList<int> {}, quint64(0));
    }

    void collectsFirstCode()
    {
        const auto [learning, typed, learned] = fetch<int, QList<int>, quint64>();
        // Both complete on 7: the earlier-registered wins and the later one's code is gone, not kept for later; 9
        // completes only "other". A second decoder or sink of a name is ignored.
        ScriptedDecoder early("early", 7, 0xA), late("late", 7, 0xB), other("other", 9, 0xC), again("early", 7, 0xD),
            upper("EARLY", 9, 0xE);
        for (Decoder* d : std::initializer_list<Decoder*> {&early, &late, &other, &again, &upper})
            m_lirc->registerDecoder(d);
        const std::unique_ptr<UinputSink> sink = pipeKeyboard(&m_keys);
        UinputSink ignored("uinput", ::open("/dev/null", O_WRONLY | O_CLOEXEC));
        ManualClock clock; // a second between two codes: none is debounced
        clock.step = 1000000000;
        sink->setClock(&clock);
        RcMapTable table; // every code a key, so any code dispatched shows
        for (auto [code, key] : {std::pair {0xA, KEY_A}, {0xB, KEY_B}, {0xC, KEY_C}, {0xD, KEY_D}, {0xE, KEY_E}})
            table.setMapping(code, key);
        sink->addRcMapTable(&table);
        m_lirc->registerSink(sink.get());
        m_lirc->registerSink(&ignored);
        QVERIFY((m_lirc->decoderNames() == std::vector<std::string> {"early", "late", "other", "EARLY"}));
        QCOMPARE(m_lirc->sinkNames().size(), 1u);
        std::atomic<int> announced {0};
        connect(
            m_lirc.get(), &Lirc::signalIrRecived, this, [&] { ++announced; }, Qt::DirectConnection);
        QVERIFY(m_lirc->init() >= 0);
        m_lirc->start();
        m_lirc->enableLearning(learning > 0);
        feed({7, 1, 9});
        QTRY_COMPARE(m_lirc->samplesRead(), 3u);
        QCOMPARE(announced.load(), learning ? 3 : 0);
        if (learning == 2)
            m_lirc->enableLearning(false);
        QCOMPARE(m_lirc->getScanCode(), learned);
        QCOMPARE(m_lirc->getScanCode(), 0u);
        QList<int> keys = typedKeys(m_keys);
        QCOMPARE(keys, typed);
        m_lirc->enableLearning(false);
        feed({7});
        QTRY_COMPARE(keys += typedKeys(m_keys), typed + QList<int> {KEY_A});
        m_lirc.reset(); // before the decoders and the sink go
    }

    void stopsPromptly_data()
    {
        columns<bool>();
        row("idle receiver", false);
        row("vanished receiver", true);
    }

    void stopsPromptly()
    {
        const auto [vanished] = fetch<bool>();
        const int epolls = countFds("[eventpoll]"), events = countFds("[eventfd]");
        StderrCapture err;
        int pair[2]; // a socket whose peer is gone reads 0 bytes for ever
        if (vanished) {
            QVERIFY(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, pair) == 0);
            ::close(pair[1]);
            m_lirc->adoptDevice(pair[0]);
        } else {
            QVERIFY(m_lirc->init() >= 0);
        }
        QElapsedTimer running;
        running.start();
        m_lirc->start();
        // Vanished: the loop waits again after a failed read. Idle: a sample read proves the loop reached its wait.
        if (vanished)
            QTRY_VERIFY_WITH_TIMEOUT(err.text().count("Read data fail") >= 2, 10000);
        else {
            feed({7});
            QTRY_COMPARE(m_lirc->samplesRead(), 1u);
        }
        QVERIFY(m_lirc->isRunning());
        QElapsedTimer destroying;
        destroying.start();
        m_lirc.reset();
        QVERIFY2(destroying.elapsed() < 250, qPrintable(QString::number(destroying.elapsed())));
        QCOMPARE(countFds("[eventpoll]"), epolls);
        QCOMPARE(countFds("[eventfd]"), events - 1); // the fixture's Lirc had one
        // Every failed read logs, but the loop rests 500 ms after each (one more may come as it stops).
        const qsizetype failures = err.text().count("\033[1;31m[File:lirc/lirc][Line:");
        QCOMPARE(err.text().count("[Func:virtual void Lirc::run()]: Read data fail\n\033[m"), failures);
        const qint64 most = running.elapsed() / 500 + 2;
        QVERIFY2(vanished ? failures >= 2 && failures <= most : failures == 0, err.text().constData());
    }

    void setupFailures()
    {
        StderrCapture err;
        QCOMPARE(Lirc("").init(), -1);
        QVERIFY(err.text().contains("[Func:int Lirc::init(const std::string&)]: The device isn't set!!\n"));
        QVERIFY(QFile::remove(m_root->path("/dev/lirc0")));
        // No receiver: nothing is built.
        IrPipeline::Parts_s parts;
        parts.lirc = m_lirc.get();
        QVERIFY(!IrPipeline::assemble(std::move(parts)));
        QVERIFY(m_lirc->decoderNames().empty() && m_lirc->sinkNames().empty() && !m_lirc->isRunning());
        // A regular file opens but cannot be waited on.
        QVERIFY(m_root->write("/dev/lirc0", "x"));
        QVERIFY(m_lirc->init() >= 0);
        m_lirc->start();
        QVERIFY(m_lirc->wait(2000));
        QVERIFY(err.text().contains("[Func:virtual void Lirc::run()]: epoll_ctl() fail\n"));
    }

    void remotePresses_data()
    {
        columns<QByteArray, quint64, int, int>(); // protocol, code, repeats, keys typed
        // A repeat burst every 108.6 ms: every third passes the 300 ms debounce.
        row("nec held 2 s", QByteArray("nec"), quint64(0x20DF10EF), 18, 7);
        // Universal remotes send each press three times; the media-centre decoder is registered apart from the rest.
        row("mce three times", QByteArray("mce"), quint64(0x800F0422), 2, 1);
    }

    void remotePresses()
    {
        const auto [protocol, code, repeats, keys] = fetch<QByteArray, quint64, int, int>();
        m_tables[1].setMapping(code, KEY_ENTER);
        assemble(true);
        std::vector<unsigned int> samples;
        IrFrameEncoder().encode(protocol.constData(), code, IrFrameEncoder::DefaultBits, unsigned(repeats), samples);
        feed(samples);
        QTRY_COMPARE(m_lirc->samplesRead(), quint64(samples.size()));
        QCOMPARE(typedKeys(m_keys), QList<int>(keys, KEY_ENTER));
    }

    // Nothing that can block is done under the capture lock: while standard error is a pipe nobody drains, learning
    // can be switched (the GUI thread takes the lock for it), the next key arrives, and the pipeline goes at once.
    void nothingBlocksUnderTheLock()
    {
        m_tables[1].setMapping(0x95, KEY_ENTER);
        m_tables[1].setMapping(0x20DF10EF, KEY_UP);
        assemble(true);
        int err[2];
        QVERIFY(::pipe2(err, O_NONBLOCK | O_CLOEXEC) == 0);
        char junk[4096] = {};
        while (::write(err[1], junk, sizeof junk) > 0) { } // full: the next write waits
        ::fcntl(err[1], F_SETFL, 0);
        const int savedErr = ::dup(STDERR_FILENO);
        // A Sony frame (its decoder's log line), then an arrow half a second later.
        std::vector<unsigned int> samples;
        for (const auto& [protocol, code] : {std::pair {"sonySIRC", 0x95ull}, {"nec", 0x20DF10EFull}}) {
            IrFrameEncoder().encode(protocol, code, IrFrameEncoder::DefaultBits, 0, samples);
            samples.push_back(500000);
        }
        ::dup2(err[1], STDERR_FILENO);
        feed(samples);
        // The capture thread is held up by standard error before the last samples.
        quint64 last = ~0ull;
        int still = 0;
        const bool held = QTest::qWaitFor(
            [&] {
                const quint64 n = m_lirc->samplesRead();
                still = n == std::exchange(last, n) ? still + 1 : 0;
                return still >= 10 && n < samples.size();
            },
            5000);
        std::atomic<int> switched {0};
        std::thread gui([&] {
            for (int i = 0; i < 20; ++i, std::this_thread::sleep_for(std::chrono::milliseconds(5)))
                m_lirc->enableLearning(false), ++switched;
        });
        const bool free = QTest::qWaitFor([&] { return switched == 20; }, 5000);
        ::fcntl(err[0], F_SETFL, O_NONBLOCK); // let the log line go
        while (!QTest::qWaitFor([&] { return m_lirc->samplesRead() == samples.size(); }, 50))
            while (::read(err[0], junk, sizeof junk) > 0) { }
        ::dup2(savedErr, STDERR_FILENO);
        gui.join();
        for (int fd : {savedErr, err[0], err[1]})
            ::close(fd);
        QVERIFY(held && free);
        QCOMPARE(typedKeys(m_keys), QList<int>({KEY_ENTER, KEY_UP}));
        QElapsedTimer destroying;
        destroying.start();
        m_pipeline.reset();
        m_lirc.reset();
        QVERIFY2(destroying.elapsed() < 250, qPrintable(QString::number(destroying.elapsed())));
    }

    // The remote presses one button after another while a learned table changes under it (and writes itself back).
    void tablesChangeDuringCapture()
    {
        const std::uint64_t codes[] = {0x20DF10EF, 0x20DF906F, 0x20DF50AF, 0x20DFD02F};
        const QList<int> keys = {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT};
        assemble(false);
        m_tables[1].loadRcMapTable(m_root->path("/slot2.conf").toStdString());
        QElapsedTimer t;
        for (int i = (t.start(), 0); t.elapsed() < 1500; ++i) {
            m_tables[1].setMapping(codes[i % 4], keys[i % 4]);
            if (i % 16 == 15)
                m_tables[1].clear();
            std::vector<unsigned int> frame;
            IrFrameEncoder().encode("nec", codes[i % 4], IrFrameEncoder::DefaultBits, 1, frame);
            feed(frame);
        }
        const QList<int> typed = typedKeys(m_keys);
        QVERIFY(!typed.isEmpty() && std::all_of(typed.cbegin(), typed.cend(), [&](int k) { return keys.contains(k); }));
    }
};

QTEST_GUILESS_MAIN(TstIrCapture)
#include "tst_irCapture.moc"
