#include "ScratchSysroot.h"
#include "irDecoderSet.h"
#include "irFrameEncoder.h"
#include "lirc/irSample.h"
#include "lirc/irSampleClock.h"

#include <QElapsedTimer>
#include <QTest>

#include <atomic>
#include <cstdlib>
#include <new>
#include <random>
#include <thread>

// Counts every allocation of the process, so a test can show that decoding
// allocates nothing per sample once running.
static std::atomic<long> g_allocations {0};
void* operator new(std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(size ? size : 1);
}
void* operator new[](std::size_t size, const std::nothrow_t& tag) noexcept { return operator new(size, tag); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }
void operator delete[](void* p, const std::nothrow_t&) noexcept { std::free(p); }

using Samples = QList<quint32>;

namespace {

// Pulses positive, spaces negative, in microseconds.
Samples seq(std::initializer_list<int> us)
{
    Samples out;
    for (int d : us)
        out << (d > 0 ? IrSample::pulse(d) : IrSample::space(-d));
    return out;
}

// Pulse-distance bits, first bit most significant.
Samples bits(quint64 code, int count, int mark, int zero, int one)
{
    Samples out;
    for (int i = count - 1; i >= 0; --i)
        out << seq({mark, -((code >> i) & 1 ? one : zero)});
    return out;
}

Samples nec(quint64 code, int count = 32, int end = 40000)
{
    return seq({9000, -4500}) + bits(code, count, 560, 560, 1690) + seq({560, -end});
}
Samples necRepeat(int space = 96200) { return seq({9000, -2250, 560, -space}); }
Samples kaseikyo(quint64 code, int count = 48, int end = 75000)
{
    return seq({3200, -1600}) + bits(code, count, 400, 400, 1200) + seq({400, -end});
}
Samples samsung(quint64 code, int count = 32, int end = 50000)
{
    return seq({4500, -4500}) + bits(code, count, 500, 500, 1500) + seq({500, -end});
}
// All frame bits, the last one included; the bits sit in the pulses.
Samples sony(quint64 frameBits, int count)
{
    Samples out = seq({2400, -600});
    for (int i = count - 1; i >= 0; --i)
        out << seq({(frameBits >> i) & 1 ? 1200 : 600, -(i ? 600 : 20000)});
    return out;
}
// All 15 frame bits: 13 code bits, expansion, check.
Samples sharp(quint32 frameBits) { return bits(frameBits, 15, 320, 680, 1680); }

// RC6 6A: Manchester halves of 400 µs; runs of one level merge.
Samples mce(quint64 data, int count, int end = 12000)
{
    QList<bool> halves;
    const auto bit = [&](bool one) { halves << one << !one; };
    halves << true << true << true << true << true << true << false << false;
    bit(true), bit(true), bit(true), bit(false);
    halves << false << false << true << true;
    for (int i = count - 1; i >= 0; --i)
        bit((data >> i) & 1);
    Samples out;
    for (qsizetype i = 0; i < halves.size();) {
        qsizetype j = i;
        while (j < halves.size() && halves[j] == halves[i])
            ++j;
        out << (halves[i] ? IrSample::pulse(400 * (j - i)) : IrSample::space(400 * (j - i)));
        i = j;
    }
    if (!halves.last())
        out.removeLast(); // the last low half merges into the end space
    return out << IrSample::space(end);
}

Samples with(Samples frame, int index, quint32 us)
{
    frame[index] = (frame[index] & ~IrSample::DurationMask) | us;
    return frame;
}

QString line(const char* decoder, quint64 code)
{
    return QStringLiteral("%1 0x%2").arg(QLatin1String(decoder), QString::number(code, 16).toUpper());
}

// Decodes like the replay tool; pauseAt/pauseUs replace the time between the
// previous sample and that one.
QStringList decodeAll(IrDecoderSet& set, const Samples& stream, int pauseAt = -1, int pauseUs = 0)
{
    QStringList out;
    for (int i = 0; i < stream.size(); ++i) {
        if (i == pauseAt)
            set.advanceClockUs(pauseUs - int(IrSample::duration(stream[i])));
        set.feed(stream[i]);
        set.takeCodes([&](const Decoder& d, quint64 code) { out << line(d.getDecoderName().c_str(), code); });
    }
    return out;
}

} // namespace

class TstIrDecoders : public QObject
{
    Q_OBJECT

private slots:
    void init() { IrDecoderSet::resetClassState(); }

    void frames_data();
    void frames();
    void windowEdges_data();
    void windowEdges() { frames(); }
    void sonyProcessWideCountAndPause();
    void fifoClearAndCollection();
    void crossThreadHandOver();
    void noAllocationPerSample();
};

void TstIrDecoders::frames_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<Samples>("stream");
    QTest::addColumn<int>("pauseAt");
    QTest::addColumn<int>("pauseUs");
    QTest::addColumn<QStringList>("expected");

    const QString lg = line("nec", 0x20DF10EF);
    QTest::newRow("nec frame, repeat") << QByteArray() << nec(0x20DF10EF) + necRepeat() << -1 << 0
                                       << QStringList {lg, lg};
    QTest::newRow("nec frame, 2 repeats")
        << QByteArray() << nec(0x20DF10EF) + necRepeat() + necRepeat() << -1 << 0 << QStringList {lg, lg, lg};
    QTest::newRow("nec 20 ms end: nothing, repeat ignored")
        << QByteArray() << nec(0x20DF10EF, 32, 20000) + necRepeat() << -1 << 0 << QStringList {};
    QTest::newRow("nec free bit count") << QByteArray() << nec(0x5, 3) << -1 << 0 << QStringList {line("nec", 5)};
    QTest::newRow("nec new frame after complete")
        << QByteArray() << nec(0x20DF10EF) + nec(0x1234) << -1 << 0 << QStringList {lg, line("nec", 0x1234)};
    QTest::newRow("nec v4 40 ms end") << QByteArray("4.3.1") << nec(0x20DF10EF) << -1 << 0 << QStringList {lg};
    QTest::newRow("nec v3 40 ms end") << QByteArray("3.9") << nec(0x20DF10EF) << -1 << 0 << QStringList {lg};

    // The pause rule: more than 110 ms between two samples abandons a frame.
    QTest::newRow("pause 110 ms keeps frame") << QByteArray() << nec(0x20DF10EF) << 10 << 110000 << QStringList {lg};
    QTest::newRow("pause 110.001 ms abandons") << QByteArray() << nec(0x20DF10EF) << 10 << 110001 << QStringList {};
    QTest::newRow("header right after pause starts frame")
        << QByteArray() << nec(0x20DF10EF).mid(0, 5) + nec(0x20DF10EF) << 5 << 200000 << QStringList {lg};
    QTest::newRow("pause before repeat burst")
        << QByteArray() << nec(0x20DF10EF) + necRepeat() << 68 << 120000 << QStringList {lg};

    const quint64 sony11 = 0x495;
    QTest::newRow("sony 12 bits") << QByteArray() << sony(sony11 << 1, 12) << -1 << 0
                                  << QStringList {line("sonySIRC", sony11)};
    QTest::newRow("sony 15 bits") << QByteArray() << sony(0x2ABC << 1, 15) << -1 << 0
                                  << QStringList {line("sonySIRC", 0x2ABC)};
    QTest::newRow("sony 20 bits") << QByteArray() << sony(quint64(0x7F0F1) << 1 | 1, 20) << -1 << 0
                                  << QStringList {line("sonySIRC", 0x7F0F1)};
    QTest::newRow("sony 13 bits: nothing") << QByteArray() << sony(0x1FFF, 13) << -1 << 0 << QStringList {};
    QTest::newRow("sony 11 bits: nothing") << QByteArray() << sony(0x7FF, 11) << -1 << 0 << QStringList {};
    // A pause resets the process-wide bit count along with the frame.
    QTest::newRow("sony frame after abandoned one")
        << QByteArray() << sony(sony11 << 1, 12).mid(0, 6) + sony(sony11 << 1, 12) << 6 << 150000
        << QStringList {line("sonySIRC", sony11)};
    QTest::newRow("sony twice") << QByteArray() << sony(sony11 << 1, 12) + sony(sony11 << 1, 12) << -1 << 0
                                << QStringList {line("sonySIRC", sony11), line("sonySIRC", sony11)};

    QTest::newRow("sharp") << QByteArray() << sharp(0x1234 << 2 | 2) << -1 << 0 << QStringList {line("sharp", 0x1234)};
    QTest::newRow("sharp expansion 0") << QByteArray() << sharp(0x1234 << 2 | 0) << -1 << 0 << QStringList {};
    QTest::newRow("sharp check 1") << QByteArray() << sharp(0x1234 << 2 | 3) << -1 << 0 << QStringList {};
    QTest::newRow("sharp 12 code bits") << QByteArray() << bits(0x234 << 2 | 2, 14, 320, 680, 1680) << -1 << 0
                                        << QStringList {};

    QTest::newRow("kaseikyo 48") << QByteArray() << kaseikyo(0x40040100BCBD) << -1 << 0
                                 << QStringList {line("kaseikyo", 0x40040100BCBD)};
    QTest::newRow("samsung 32") << QByteArray() << samsung(0xE0E040BF) << -1 << 0
                                << QStringList {line("samsung", 0xE0E040BF)};
    Samples timedOut = samsung(0xE0E040BF);
    timedOut.insert(20, IrSample::timeout(300));
    QTest::newRow("samsung time-out sample mid-frame")
        << QByteArray() << timedOut << -1 << 0 << QStringList {line("samsung", 0xE0E040BF)};
    // A time-out sample does not reset Samsung's pause timer: 60 ms of it
    // plus 60 ms more before the next sample is a 120 ms pause.
    timedOut = samsung(0xE0E040BF);
    timedOut.insert(20, IrSample::timeout(60000));
    QTest::newRow("samsung time-out is no sample for the pause")
        << QByteArray() << timedOut << 21 << 60000 << QStringList {};

    // Hand-traced RC6 6A frame with data 1 0 1 1 0.
    const Samples mce0x16
        = seq({2400, -800, 400, -400, 400, -400, 400, -800, 400, -800, 1200, -800, 800, -400, 400, -800, 400, -12000});
    QTest::newRow("mce hand-traced") << QByteArray() << mce0x16 << -1 << 0 << QStringList {line("mce", 0x16)};
    QTest::newRow("mce builder agrees") << QByteArray() << mce(0x16, 5) << -1 << 0 << QStringList {line("mce", 0x16)};
    QTest::newRow("mce toggle bit masked") << QByteArray() << mce(0x800F0494, 32) + mce(0x800F8494, 32) << -1 << 0
                                           << QStringList {line("mce", 0x800F0494), line("mce", 0x800F0494)};
    QTest::newRow("mce ends in a 1 bit") << QByteArray() << mce(0x800F0495, 32) << -1 << 0
                                         << QStringList {line("mce", 0x800F0494 >> 1 & 0xFFFF0FFF)};
    QTest::newRow("mce first data bit 0") << QByteArray() << mce(0x000F0494, 32) << -1 << 0 << QStringList {};
    QTest::newRow("mce low 32 bits only")
        << QByteArray() << mce(0x1800F0494, 33) << -1 << 0 << QStringList {line("mce", 0x800F0494)};
    Samples pulsedEnd = mce(0x16, 5);
    pulsedEnd.last() = IrSample::pulse(12000);
    QTest::newRow("mce end is a space even marked pulse")
        << QByteArray() << pulsedEnd << -1 << 0 << QStringList {line("mce", 0x16)};
    QTest::newRow("mce v4 end") << QByteArray("4") << mce(0x16, 5, 69600) << -1 << 0 << QStringList {line("mce", 0x16)};
    QTest::newRow("mce v4 short end") << QByteArray("4") << mce(0x16, 5, 12000) << -1 << 0 << QStringList {};
}

void TstIrDecoders::frames()
{
    QFETCH(QByteArray, version);
    QFETCH(Samples, stream);
    QFETCH(int, pauseAt);
    QFETCH(int, pauseUs);
    QFETCH(QStringList, expected);

    ScratchSysroot sysroot;
    if (!version.isEmpty())
        QVERIFY(
            sysroot.write("/etc/config/corvex.conf", "[Network]\nVersion = 9\n[System]\nVersion = " + version + "\n"));
    IrDecoderSet set;
    QCOMPARE(decodeAll(set, stream, pauseAt, pauseUs), expected);
}

void TstIrDecoders::windowEdges_data()
{
    QTest::addColumn<QByteArray>("version");
    QTest::addColumn<Samples>("stream");
    QTest::addColumn<int>("pauseAt");
    QTest::addColumn<int>("pauseUs");
    QTest::addColumn<QStringList>("expected");

    // Each window: its two edges decode, one microsecond beyond each does
    // not (or decodes another bit where a neighbouring window takes over).
    // hi 0: a window open at the top.
    const auto edges
        = [](const char* name, const Samples& frame, int index, quint32 lo, quint32 hi, const QStringList& good,
              const QStringList& below = {}, const QStringList& above = {}, const QByteArray& version = {}) {
              QTest::addRow("%s %u", name, lo) << version << with(frame, index, lo) << -1 << 0 << good;
              QTest::addRow("%s %u", name, lo - 1) << version << with(frame, index, lo - 1) << -1 << 0 << below;
              if (hi) {
                  QTest::addRow("%s %u", name, hi) << version << with(frame, index, hi) << -1 << 0 << good;
                  QTest::addRow("%s %u", name, hi + 1) << version << with(frame, index, hi + 1) << -1 << 0 << above;
              }
          };

    const Samples necFrames = nec(0x20DF10EF) + necRepeat();
    const QString n = line("nec", 0x20DF10EF);
    edges("nec header pulse", necFrames, 0, 8501, 9499, {n, n});
    edges("nec header space", necFrames, 1, 4001, 4999, {n, n});
    edges("nec bit pulse", necFrames, 2, 361, 759, {n, n});
    edges("nec 0 space", necFrames, 3, 361, 759, {n, n});
    edges("nec 1 space", necFrames, 7, 1391, 1989, {n, n});
    edges("nec end space", necFrames, 67, 25001, 49999, {n, n});
    edges("nec v4 end space", necFrames, 67, 33681, 58679, {n, n}, {}, {}, "4.0");
    edges("nec repeat space", necFrames, 69, 2051, 2449, {n, n}, {n}, {n});
    edges("nec repeat end", necFrames, 71, 94801, 98799, {n, n}, {n}, {n});

    const Samples sonyFrame = sony(0x495 << 1, 12); // first bits 1, 0
    const QStringList s {line("sonySIRC", 0x495)};
    edges("sony header", sonyFrame, 0, 2201, 2599, s);
    edges("sony header space", sonyFrame, 1, 401, 799, s);
    edges("sony 1 pulse", sonyFrame, 2, 1001, 1399, s);
    edges("sony bit space", sonyFrame, 3, 401, 799, s);
    edges("sony 0 pulse", sonyFrame, 4, 401, 799, s);

    const Samples sharpFrame = sharp(0x1234 << 2 | 2); // first bits 1, 0
    const QStringList sh {line("sharp", 0x1234)};
    edges("sharp pulse", sharpFrame, 0, 221, 419, sh);
    edges("sharp 1 space", sharpFrame, 1, 1481, 1879, sh);
    edges("sharp 0 space", sharpFrame, 3, 581, 779, sh);
    edges("sharp check space", sharpFrame, 29, 581, 779, sh);

    const Samples kFrame = kaseikyo(0x40040100BCBD); // first bits 0, 1
    const QStringList k {line("kaseikyo", 0x40040100BCBD)};
    edges("kaseikyo header", kFrame, 0, 2801, 3599, k);
    edges("kaseikyo header space", kFrame, 1, 1501, 1999, k);
    edges("kaseikyo bit pulse", kFrame, 2, 301, 599, k);
    edges("kaseikyo 0 space", kFrame, 3, 301, 599, k, {}, {line("kaseikyo", 0xC0040100BCBD)});
    edges("kaseikyo 1 space", kFrame, 5, 600, 1500, k, {line("kaseikyo", 0x00040100BCBD)});
    edges("kaseikyo end", kFrame, int(kFrame.size()) - 1, 68001, 0, k);

    const Samples sFrame = samsung(0xE0E040BF); // bits 1, 1, 1, 0
    const QStringList sa {line("samsung", 0xE0E040BF)};
    edges("samsung header", sFrame, 0, 4001, 4999, sa);
    edges("samsung header space", sFrame, 1, 4001, 4999, sa);
    edges("samsung bit pulse", sFrame, 2, 376, 749, sa);
    edges("samsung 1 space", sFrame, 3, 750, 2499, sa, {line("samsung", 0x60E040BF)});
    edges("samsung 0 space", sFrame, 9, 376, 749, sa, {}, {line("samsung", 0xF0E040BF)});
    edges("samsung end", sFrame, int(sFrame.size()) - 1, 46501, 0, sa);

    const Samples mceFrame = mce(0x16, 5);
    const QStringList m {line("mce", 0x16)};
    edges("mce leader", mceFrame, 0, 1901, 2899, m);
    edges("mce leader space", mceFrame, 1, 651, 999, m);
    edges("mce half bit", mceFrame, 2, 301, 649, m);
    edges("mce trailer mark", mceFrame, 10, 1001, 1449, m);
    edges("mce end", mceFrame, 17, 10001, 13999, m);
    edges("mce v4 end", mce(0x16, 5, 69600), 17, 67601, 71599, m, {}, {}, "4");
}

void TstIrDecoders::sonyProcessWideCountAndPause()
{
    // Two Sony decoders share one bit count: fed in lockstep, every bit
    // counts twice and no frame length matches any more.
    IrSampleClock clock;
    SonySIRCDecoder a(&clock), b(&clock);
    for (quint32 sample : sony(0x495 << 1, 12)) {
        clock.advanceUs(IrSample::duration(sample));
        for (SonySIRCDecoder* d : {&a, &b}) {
            d->pushRawData(sample);
            d->decode();
        }
    }
    QCOMPARE(SonySIRCDecoder::bitCount(), 22u);
    QCOMPARE(a.popScanCode() | b.popScanCode(), 0u);

    SonySIRCDecoder::resetClassState();
    for (quint32 sample : sony(0x495 << 1, 12)) {
        clock.advanceUs(IrSample::duration(sample));
        a.pushRawData(sample);
        a.decode();
    }
    QCOMPARE(a.popScanCode(), quint64(0x495));
    QCOMPARE(a.popScanCode(), 0u);

    // While learning, codes wait in their decoders; a pause drops a waiting
    // Sony code (and only Sony's).
    NecDecoder necDecoder(&clock);
    for (quint32 sample : sony(0x495 << 1, 12) + nec(0x1234)) {
        clock.advanceUs(IrSample::duration(sample));
        for (Decoder* d : std::initializer_list<Decoder*> {&a, &necDecoder}) {
            d->pushRawData(sample);
            d->decode();
        }
    }
    clock.advanceUs(200000);
    for (Decoder* d : std::initializer_list<Decoder*> {&a, &necDecoder}) {
        d->pushRawData(IrSample::space(500));
        d->decode();
    }
    QCOMPARE(a.popScanCode(), 0u);
    QCOMPARE(necDecoder.popScanCode(), quint64(0x1234));
}

void TstIrDecoders::fifoClearAndCollection()
{
    IrSampleClock clock;
    NecDecoder first(&clock);
    QCOMPARE(first.getDecoderName(), std::string("nec"));
    QCOMPARE(first.popRawData(), 0u);
    for (quint32 i = 1; i <= 5; ++i)
        first.pushRawData(i);
    for (quint32 i = 1; i <= 3; ++i)
        QCOMPARE(first.popRawData(), i);
    for (quint32 i = 6; i <= 40; ++i) // the ring wraps, then grows twice
        first.pushRawData(i);
    for (quint32 i = 4; i <= 40; ++i)
        QCOMPARE(first.popRawData(), i);
    QCOMPARE(first.popRawData(), 0u);
    // A clear drops everything queued, however much.
    for (quint32 i = 1; i <= 4; ++i)
        first.pushRawData(i);
    first.clear();
    first.pushRawData(7);
    first.pushRawData(8);
    QCOMPARE(first.popRawData(), 7u);
    QCOMPARE(first.popRawData(), 8u);
    QCOMPARE(first.popRawData(), 0u);

    // clear() mid-frame: the rest of the frame is not taken.
    const Samples frame = nec(0x20DF10EF);
    const auto feed = [&](Decoder& d, const Samples& samples) {
        for (quint32 sample : samples) {
            clock.advanceUs(IrSample::duration(sample));
            d.pushRawData(sample);
            d.decode();
        }
    };
    feed(first, frame.mid(0, 30));
    first.pushRawData(frame[30]);
    first.clear();
    QCOMPARE(first.popRawData(), 0u);
    feed(first, frame.mid(30));
    QCOMPARE(first.popScanCode(), 0u);
    feed(first, frame);
    first.clear(); // a completed code nobody collected is dropped
    QCOMPARE(first.popScanCode(), 0u);

    // Collection: the first decoder's code wins, later ones are emptied.
    NecDecoder second(&clock);
    feed(first, frame);
    feed(second, nec(0x1234));
    std::vector<Decoder*> order {&first, &second};
    QCOMPARE(collectScanCode(order), quint64(0x20DF10EF));
    QCOMPARE(second.popScanCode(), 0u);
    feed(second, nec(0x1234));
    QCOMPARE(collectScanCode(order), quint64(0x1234));
    QCOMPARE(collectScanCode(order), 0u);
    QCOMPARE(collectScanCode({}), 0u);
}

void TstIrDecoders::crossThreadHandOver()
{
    // The capture thread decodes while another thread collects and now and
    // then clears: whatever the collector sees is a whole code or nothing.
    IrSampleClock clock;
    NecDecoder decoder(&clock);
    const Samples frames = nec(0x20DF10EF) + necRepeat() + necRepeat();
    std::atomic<bool> stop {false};
    std::thread capture([&] {
        while (!stop)
            for (quint32 sample : frames) {
                clock.advanceUs(IrSample::duration(sample));
                decoder.pushRawData(sample);
                decoder.decode();
            }
    });
    quint64 wrong = 0;
    int seen = 0;
    QElapsedTimer timer; // a loaded machine may starve either thread for a while
    timer.start();
    while (seen < 500 && !timer.hasExpired(30000)) {
        const quint64 code = decoder.popScanCode();
        if (code != 0 && code != 0x20DF10EF)
            wrong = code;
        if (code && ++seen % 10 == 0)
            decoder.clear();
    }
    stop = true;
    capture.join();
    QCOMPARE(wrong, 0u);
    QCOMPARE(seen, 500);
    // Single-threaded again, a clear still resets at once.
    decoder.pushRawData(1);
    decoder.clear();
    QCOMPARE(decoder.popRawData(), 0u);
}

void TstIrDecoders::noAllocationPerSample()
{
    // A mix of every protocol's presses and random noise, decoded twice: the
    // second pass may not allocate at all.
    Samples stream;
    IrFrameEncoder encoder(35000, 12000);
    std::vector<unsigned int> press;
    for (auto [protocol, code] : {std::pair {"mce", 0x800F0494ull}, {"nec", 0x20DF10EFull}, {"sonySIRC", 0x495ull},
             {"sharp", 0x1234ull}, {"kaseikyo", 0x40040100BCBDull}, {"samsung", 0xE0E040BFull}})
        QVERIFY(encoder.encode(protocol, code, IrFrameEncoder::DefaultBits, 2, press).empty());
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i)
        press.push_back(random() & 0x0300FFFF);
    stream = Samples(press.begin(), press.end());

    IrDecoderSet set;
    QStringList codes = decodeAll(set, stream);
    QVERIFY(codes.size() >= 6 * 3);
    set.clear();
    const long before = g_allocations.load();
    int count = 0;
    for (quint32 sample : stream) {
        set.feed(sample);
        set.takeCodes([&](const Decoder&, quint64) { ++count; });
    }
    QCOMPARE(g_allocations.load() - before, 0);
    QCOMPARE(count, codes.size());
}

QTEST_GUILESS_MAIN(TstIrDecoders)
#include "tst_irDecoders.moc"
