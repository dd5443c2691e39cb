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
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return g_allocations++, std::malloc(size + 1); }
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

// What the replay tool prints for n codes.
QStringList lines(const char* decoder, quint64 code, int n = 1)
{
    return QStringList(n, QStringLiteral("%1 0x%2").arg(QLatin1String(decoder), QString::number(code, 16).toUpper()));
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
        set.takeCodes([&](const Decoder& d, quint64 code) { out << lines(d.getDecoderName().c_str(), code); });
    }
    return out;
}

// Feeds decoders in lockstep on one clock, as the capture loop does.
void feed(IrSampleClock& clock, std::initializer_list<Decoder*> decoders, const Samples& samples)
{
    for (quint32 sample : samples) {
        clock.advanceUs(IrSample::duration(sample));
        for (Decoder* d : decoders)
            d->pushRawData(sample), d->decode();
    }
}

void row(const char* name, const Samples& stream, const QStringList& expected, const QByteArray& version = {},
    int pauseAt = -1, int pauseUs = 0)
{
    QTest::newRow(name) << version << stream << pauseAt << pauseUs << expected;
}

} // namespace

class TstIrDecoders : public QObject
{
    Q_OBJECT

private slots:
    void init() { IrDecoderSet::resetClassState(); }

    void frames_data();
    void frames();
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

    const QStringList n = lines("nec", 0x20DF10EF);
    row("nec frame, 2 repeats", nec(0x20DF10EF) + necRepeat() + necRepeat(), lines("nec", 0x20DF10EF, 3));
    row("nec 20 ms end: nothing, repeat ignored", nec(0x20DF10EF, 32, 20000) + necRepeat(), {});
    row("nec free bit count", nec(0x5, 3), lines("nec", 5));
    row("nec new frame after complete", nec(0x20DF10EF) + nec(0x1234), n + lines("nec", 0x1234));
    row("nec v4 40 ms end", nec(0x20DF10EF), n, "4.3.1");
    row("nec v3 40 ms end", nec(0x20DF10EF), n, "3.9");
    // The pause rule: more than 110 ms between two samples abandons a frame.
    row("pause 110 ms keeps frame", nec(0x20DF10EF), n, {}, 10, 110000);
    row("pause 110.001 ms abandons", nec(0x20DF10EF), {}, {}, 10, 110001);
    row("header right after pause starts frame", nec(0x20DF10EF).mid(0, 5) + nec(0x20DF10EF), n, {}, 5, 200000);
    row("pause before repeat burst", nec(0x20DF10EF) + necRepeat(), n, {}, 68, 120000);

    const QStringList s = lines("sonySIRC", 0x495);
    row("sony 15 bits", sony(0x2ABC << 1, 15), lines("sonySIRC", 0x2ABC));
    row("sony 20 bits", sony(quint64(0x7F0F1) << 1 | 1, 20), lines("sonySIRC", 0x7F0F1));
    row("sony 13 bits: nothing", sony(0x1FFF, 13), {});
    row("sony 11 bits: nothing", sony(0x7FF, 11), {});
    // A pause resets the process-wide bit count along with the frame.
    row("sony frame after abandoned one", sony(0x495 << 1, 12).mid(0, 6) + sony(0x495 << 1, 12), s, {}, 6, 150000);
    row("sony twice", sony(0x495 << 1, 12) + sony(0x495 << 1, 12), s + s);

    row("sharp expansion 0", sharp(0x1234 << 2 | 0), {});
    row("sharp check 1", sharp(0x1234 << 2 | 3), {});
    row("sharp 12 code bits", bits(0x234 << 2 | 2, 14, 320, 680, 1680), {});

    Samples timedOut = samsung(0xE0E040BF);
    timedOut.insert(20, IrSample::timeout(300));
    row("samsung time-out sample mid-frame", timedOut, lines("samsung", 0xE0E040BF));
    // A time-out sample does not reset Samsung's pause timer: 60 ms of it
    // plus 60 ms more before the next sample is a 120 ms pause.
    timedOut[20] = IrSample::timeout(60000);
    row("samsung time-out is no sample for the pause", timedOut, {}, {}, 21, 60000);

    // Hand-traced RC6 6A frame with data 1 0 1 1 0.
    const QStringList m = lines("mce", 0x16);
    row("mce hand-traced",
        seq({2400, -800, 400, -400, 400, -400, 400, -800, 400, -800, 1200, -800, 800, -400, 400, -800, 400, -12000}),
        m);
    row("mce toggle bit masked", mce(0x800F0494, 32) + mce(0x800F8494, 32), lines("mce", 0x800F0494, 2));
    row("mce ends in a 1 bit", mce(0x800F0495, 32), lines("mce", 0x800F0494 >> 1 & 0xFFFF0FFF));
    row("mce first data bit 0", mce(0x000F0494, 32), {});
    row("mce low 32 bits only", mce(0x1800F0494, 33), lines("mce", 0x800F0494));
    Samples pulsedEnd = mce(0x16, 5);
    pulsedEnd.last() = IrSample::pulse(12000);
    row("mce end is a space even marked pulse", pulsedEnd, m);
    row("mce v4 short end", mce(0x16, 5, 12000), {}, "4");

    // Each window: its two edges decode, one microsecond beyond each does
    // not (or decodes another bit where a neighbouring window takes over).
    // hi 0: a window open at the top.
    const auto edges
        = [](const char* name, const Samples& frame, int index, quint32 lo, quint32 hi, const QStringList& good,
              const QStringList& below = {}, const QStringList& above = {}, const QByteArray& version = {}) {
              for (auto [us, expected] : {std::pair {lo, good}, {lo - 1, below}, {hi, good}, {hi + 1, above}})
                  if (hi || us + 1 >= lo)
                      QTest::addRow("%s %u", name, us) << version << with(frame, index, us) << -1 << 0 << expected;
          };
    const Samples necFrames = nec(0x20DF10EF) + necRepeat();
    edges("nec header pulse", necFrames, 0, 8501, 9499, n + n);
    edges("nec header space", necFrames, 1, 4001, 4999, n + n);
    edges("nec bit pulse", necFrames, 2, 361, 759, n + n);
    edges("nec 0 space", necFrames, 3, 361, 759, n + n);
    edges("nec 1 space", necFrames, 7, 1391, 1989, n + n);
    edges("nec end space", necFrames, 67, 25001, 49999, n + n);
    edges("nec v4 end space", necFrames, 67, 33681, 58679, n + n, {}, {}, "4.0");
    edges("nec repeat space", necFrames, 69, 2051, 2449, n + n, n, n);
    edges("nec repeat end", necFrames, 71, 94801, 98799, n + n, n, n);

    const Samples sonyFrame = sony(0x495 << 1, 12); // first bits 1, 0
    edges("sony header", sonyFrame, 0, 2201, 2599, s);
    edges("sony header space", sonyFrame, 1, 401, 799, s);
    edges("sony 1 pulse", sonyFrame, 2, 1001, 1399, s);
    edges("sony bit space", sonyFrame, 3, 401, 799, s);
    edges("sony 0 pulse", sonyFrame, 4, 401, 799, s);

    const Samples sharpFrame = sharp(0x1234 << 2 | 2); // first bits 1, 0
    const QStringList sh = lines("sharp", 0x1234);
    edges("sharp pulse", sharpFrame, 0, 221, 419, sh);
    edges("sharp 1 space", sharpFrame, 1, 1481, 1879, sh);
    edges("sharp 0 space", sharpFrame, 3, 581, 779, sh);
    edges("sharp check space", sharpFrame, 29, 581, 779, sh);

    const Samples kFrame = kaseikyo(0x40040100BCBD); // first bits 0, 1
    const QStringList k = lines("kaseikyo", 0x40040100BCBD);
    edges("kaseikyo header", kFrame, 0, 2801, 3599, k);
    edges("kaseikyo header space", kFrame, 1, 1501, 1999, k);
    edges("kaseikyo bit pulse", kFrame, 2, 301, 599, k);
    edges("kaseikyo 0 space", kFrame, 3, 301, 599, k, {}, lines("kaseikyo", 0xC0040100BCBD));
    edges("kaseikyo 1 space", kFrame, 5, 600, 1500, k, lines("kaseikyo", 0x00040100BCBD));
    edges("kaseikyo end", kFrame, int(kFrame.size()) - 1, 68001, 0, k);

    const Samples sFrame = samsung(0xE0E040BF); // bits 1, 1, 1, 0
    const QStringList sa = lines("samsung", 0xE0E040BF);
    edges("samsung header", sFrame, 0, 4001, 4999, sa);
    edges("samsung header space", sFrame, 1, 4001, 4999, sa);
    edges("samsung bit pulse", sFrame, 2, 376, 749, sa);
    edges("samsung 1 space", sFrame, 3, 750, 2499, sa, lines("samsung", 0x60E040BF));
    edges("samsung 0 space", sFrame, 9, 376, 749, sa, {}, lines("samsung", 0xF0E040BF));
    edges("samsung end", sFrame, int(sFrame.size()) - 1, 46501, 0, sa);

    const Samples mceFrame = mce(0x16, 5);
    edges("mce leader", mceFrame, 0, 1901, 2899, m);
    edges("mce leader space", mceFrame, 1, 651, 999, m);
    edges("mce half bit", mceFrame, 2, 301, 649, m);
    edges("mce trailer mark", mceFrame, 10, 1001, 1449, m);
    edges("mce end", mceFrame, 17, 10001, 13999, m);
    edges("mce v4 end", mce(0x16, 5, 69600), 17, 67601, 71599, m, {}, {}, "4");
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
        QVERIFY(sysroot.write("/etc/config/corvex.conf", "[Net]\nVersion = 9\n[System]\nVersion = " + version + "\n"));
    IrDecoderSet set;
    QCOMPARE(decodeAll(set, stream, pauseAt, pauseUs), expected);
}

void TstIrDecoders::sonyProcessWideCountAndPause()
{
    // Two Sony decoders share one bit count: fed in lockstep, every bit
    // counts twice and no frame length matches any more.
    IrSampleClock clock;
    SonySIRCDecoder a(&clock), b(&clock);
    feed(clock, {&a, &b}, sony(0x495 << 1, 12));
    QCOMPARE(SonySIRCDecoder::bitCount(), 22u);
    QCOMPARE(a.popScanCode() | b.popScanCode(), 0u);
    SonySIRCDecoder::resetClassState();
    feed(clock, {&a}, sony(0x495 << 1, 12));
    QCOMPARE(a.popScanCode(), quint64(0x495));
    QCOMPARE(a.popScanCode(), 0u);

    // While learning, codes wait in their decoders; a pause drops a waiting
    // Sony code (and only Sony's).
    NecDecoder necDecoder(&clock);
    feed(clock, {&a, &necDecoder}, sony(0x495 << 1, 12) + nec(0x1234));
    clock.advanceUs(200000);
    feed(clock, {&a, &necDecoder}, {IrSample::space(500)});
    QCOMPARE(a.popScanCode(), 0u);
    QCOMPARE(necDecoder.popScanCode(), quint64(0x1234));
}

void TstIrDecoders::fifoClearAndCollection()
{
    IrSampleClock clock;
    NecDecoder first(&clock), second(&clock);
    QCOMPARE(first.getDecoderName(), std::string("nec"));
    QCOMPARE(first.popRawData(), 0u);
    // The ring behind the first sample wraps, then grows twice; a clear drops
    // everything queued.
    for (quint32 i = 1; i <= 5; ++i)
        first.pushRawData(i);
    for (quint32 i = 1; i <= 3; ++i)
        QCOMPARE(first.popRawData(), i);
    for (quint32 i = 6; i <= 40; ++i)
        first.pushRawData(i);
    for (quint32 i = 4; i <= 40; ++i)
        QCOMPARE(first.popRawData(), i);
    for (quint32 i = 1; i <= 4; ++i)
        first.pushRawData(i);
    first.clear();
    first.pushRawData(7), first.pushRawData(8);
    QCOMPARE(first.popRawData(), 7u);
    QCOMPARE(first.popRawData(), 8u);
    QCOMPARE(first.popRawData(), 0u);

    // clear() mid-frame: the rest of the frame is not taken; a completed
    // code nobody collected is dropped.
    const Samples frame = nec(0x20DF10EF);
    feed(clock, {&first}, frame.mid(0, 30));
    first.pushRawData(frame[30]);
    first.clear();
    QCOMPARE(first.popRawData(), 0u);
    feed(clock, {&first}, frame.mid(30));
    QCOMPARE(first.popScanCode(), 0u);
    feed(clock, {&first}, frame);
    first.clear();
    QCOMPARE(first.popScanCode(), 0u);

    // Collection: the first decoder's code wins, later ones are emptied.
    feed(clock, {&first}, frame);
    feed(clock, {&second}, nec(0x1234));
    std::vector<Decoder*> order {&first, &second};
    QCOMPARE(collectScanCode(order), quint64(0x20DF10EF));
    QCOMPARE(second.popScanCode(), 0u);
    feed(clock, {&second}, nec(0x1234));
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
    std::atomic<bool> stop {false};
    std::thread capture([&] {
        while (!stop)
            feed(clock, {&decoder}, nec(0x20DF10EF) + necRepeat() + necRepeat());
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
}

void TstIrDecoders::noAllocationPerSample()
{
    // Every protocol's presses and random noise, decoded twice: the second
    // pass may not allocate at all.
    std::vector<unsigned int> press;
    for (auto [protocol, code] : {std::pair {"mce", 0x800F0494ull}, {"nec", 0x20DF10EFull}, {"sonySIRC", 0x495ull},
             {"sharp", 0x1234ull}, {"kaseikyo", 0x40040100BCBDull}, {"samsung", 0xE0E040BFull}})
        QVERIFY(IrFrameEncoder(35000, 12000).encode(protocol, code, IrFrameEncoder::DefaultBits, 2, press).empty());
    std::mt19937 random(7);
    for (int i = 0; i < 2000; ++i)
        press.push_back(random() & 0x0300FFFF);
    const Samples stream(press.begin(), press.end());

    IrDecoderSet set;
    const QStringList codes = decodeAll(set, stream);
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
