// The six IR decoders, the frame encoder, the text reader and the two IR tools.
#include "DataRows.h"
#include "ScratchSysroot.h"
#include "irDecoderSet.h"
#include "irFrameEncoder.h"
#include "irTextReader.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRegularExpression>

#include <random>
#include <thread>

// Counts allocations (decoding a sample allocates none); the nothrow form too, so a sanitizer's never meets our delete.
static std::atomic<long> g_allocations {0};
void* operator new(std::size_t size)
{
    void* p = (++g_allocations, std::malloc(size ? size : 1));
    return p ? p : throw std::bad_alloc();
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return ++g_allocations, std::malloc(size + 1); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

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

// [Header,] pulse-distance bits, first most significant[, closing pulse and end].
Samples pd(int head, int headSpace, quint64 code, int count, int mark, int zero, int one, int end)
{
    Samples out = head ? seq({head, -headSpace}) : Samples();
    for (int i = count - 1; i >= 0; --i)
        out += seq({mark, -((code >> i) & 1 ? one : zero)});
    return end ? out + seq({mark, -end}) : out;
}
Samples nec(quint64 code, int count = 32, int end = 40000) { return pd(9000, 4500, code, count, 560, 560, 1690, end); }
const Samples necRepeat = seq({9000, -2250, 560, -96200});
Samples sharp(quint32 frameBits, int count = 15) { return pd(0, 0, frameBits, count, 320, 680, 1680, 0); }

// RC6 6A in 400 µs halves; runs of one level merge, a last low half into the end.
Samples mce(quint64 data, int count, int end = 12000)
{
    QByteArray halves = "11111100101010010011";
    for (int i = count - 1; i >= 0; --i)
        halves += (data >> i) & 1 ? "10" : "01";
    Samples out;
    for (qsizetype i = 0, j = 0; i < halves.size(); i = j) {
        while (j < halves.size() && halves[j] == halves[i])
            ++j;
        out << (halves[i] == '1' ? IrSample::pulse(400 * (j - i)) : IrSample::space(400 * (j - i)));
    }
    if (halves.endsWith('0'))
        out.removeLast();
    return out << IrSample::space(end);
}

// What the replay tool prints for n codes.
QStringList lines(const QString& decoder, quint64 code, int n = 1)
{
    return QStringList(n, QStringLiteral("%1 0x%2").arg(decoder, QString::number(code, 16).toUpper()));
}

// Decodes from idle like the replay tool, pauseUs before sample pauseAt; "allocated" where a sample allocated.
QStringList decodeAll(const Samples& stream, int pauseAt = -1, int pauseUs = 0)
{
    IrDecoderSet::resetClassState();
    IrDecoderSet set;
    QStringList out;
    for (int i = 0; i < stream.size(); ++i) {
        if (i == pauseAt)
            set.advanceClockUs(pauseUs - int(IrSample::duration(stream[i])));
        const long before = g_allocations.load();
        set.feed(stream[i]);
        if (g_allocations.load() != before)
            out << "allocated";
        set.takeCodes(
            [&](const Decoder& d, quint64 code) { out << lines(QString::fromStdString(d.getDecoderName()), code); });
    }
    return out;
}

// Feeds a decoder on its clock, as the capture loop does.
void feed(IrSampleClock& clock, Decoder& decoder, const Samples& samples)
{
    for (quint32 sample : samples)
        clock.advanceUs(IrSample::duration(sample)), decoder.pushRawData(sample), decoder.decode();
}

// One press as the encoder makes it; empty when refused.
Samples press(const std::string& protocol, quint64 code, int repeats = 0, int bits = IrFrameEncoder::DefaultBits)
{
    std::vector<unsigned int> out;
    IrFrameEncoder(35000, 12000).encode(protocol, code, bits, unsigned(repeats), out);
    return Samples(out.begin(), out.end());
}

QByteArray mode2(const Samples& samples)
{
    QByteArray text;
    for (quint32 s : samples)
        text += (IrSample::isPulse(s) ? "pulse " : "space ") + QByteArray::number(IrSample::duration(s)) + '\n';
    return text;
}

} // namespace

class TstIr : public QObject
{
    Q_OBJECT

    ScratchSysroot m_sysroot; // the platform version is read through it

private slots:
    void init()
    {
        IrDecoderSet::resetClassState(); // the decoders' process-wide state
        QVERIFY(m_sysroot.write("/etc/config/corvex.conf", "[System]\nVersion=\n"));
    }

    void frames_data()
    {
        columns<QByteArray, Samples, int, int, QStringList>(); // version, stream, pauseAt, pauseUs, expected
        const auto row
            = [](const char* name, const Samples& stream, const QStringList& expected, const QByteArray& version = {},
                  int pauseAt = -1, int pauseUs = 0) { ::row(name, version, stream, pauseAt, pauseUs, expected); };

        const QStringList n = lines("nec", 0x20DF10EF);
        row("nec new frame after complete", nec(0x20DF10EF) + nec(0x1234), n + lines("nec", 0x1234));
        // The pause rule: more than 110 ms between two samples abandons a frame.
        row("pause 110 ms keeps frame", nec(0x20DF10EF), n, {}, 10, 110000);
        row("pause 110.001 ms abandons", nec(0x20DF10EF), {}, {}, 10, 110001);
        row("header right after pause starts frame", nec(0x20DF10EF).mid(0, 5) + nec(0x20DF10EF), n, {}, 5, 200000);
        row("pause before repeat burst", nec(0x20DF10EF) + necRepeat, n, {}, 68, 120000);

        const QStringList s = lines("sonySIRC", 0x495);
        // A 15-bit frame without two of its bits.
        const Samples sony15 = press("sonySIRC", 0x1FFF, 0, 15);
        row("sony 13 bits: nothing", sony15.mid(0, 2) + sony15.mid(6), {});
        // A pause resets the process-wide bit count along with the frame.
        const Samples sony = press("sonySIRC", 0x495);
        row("sony frame after abandoned one", sony.mid(0, 6) + sony, s, {}, 6, 150000);

        row("sharp expansion 0", sharp(0x1234 << 2 | 0), {});
        row("sharp check 1", sharp(0x1234 << 2 | 3), {});
        row("sharp 12 code bits", sharp(0x234 << 2 | 2, 14), {});

        Samples timedOut = pd(4500, 4500, 0xE0E040BF, 32, 500, 500, 1500, 50000);
        timedOut.insert(20, IrSample::timeout(300));
        row("samsung time-out sample mid-frame", timedOut, lines("samsung", 0xE0E040BF));
        // A time-out sample does not reset Samsung's pause timer: 60 + 60 ms is a pause.
        timedOut[20] = IrSample::timeout(60000);
        row("samsung time-out is no sample for the pause", timedOut, {}, {}, 21, 60000);

        const QStringList m = lines("mce", 0x16);
        row("mce toggle bit masked", mce(0x800F0494, 32) + mce(0x800F8494, 32), lines("mce", 0x800F0494, 2));
        row("mce ends in a 1 bit", mce(0x800F0495, 32), lines("mce", 0x800F0494 >> 1 & 0xFFFF0FFF));
        row("mce first data bit 0", mce(0x000F0494, 32), {});
        row("mce low 32 bits only", mce(0x1800F0494, 33), lines("mce", 0x800F0494));
        Samples pulsedEnd = mce(0x16, 5);
        pulsedEnd.last() = IrSample::pulse(12000);
        row("mce end is a space even marked pulse", pulsedEnd, m);
        // Only a version beginning with 4 asks for the long end spaces.
        row("mce v3 short end", mce(0x16, 5), m, "3.9");
        row("mce v4 short end", mce(0x16, 5), {}, "4");

        // Each window's edges decode, 1 µs beyond does not (or decodes as the neighbouring window's bit). hi 0: open
        // at the top; index -1: the last sample.
        struct Window_s {
            const char* name;
            int index;
            quint32 lo, hi;
            QStringList below = {}, above = {};
            QByteArray version = {};
        };
        const auto edges = [](const char* protocol, const Samples& frame, const QStringList& good,
                               std::initializer_list<Window_s> windows) {
            for (const Window_s& w : windows)
                for (auto [us, expected] :
                    {std::pair {w.lo, good}, {w.lo - 1, w.below}, {w.hi, good}, {w.hi + 1, w.above}}) {
                    const qsizetype at = w.index < 0 ? frame.size() - 1 : w.index;
                    Samples changed = frame;
                    changed[at] = (frame[at] & ~IrSample::DurationMask) | us;
                    if (w.hi || us + 1 >= w.lo)
                        QTest::addRow("%s %s %u", protocol, w.name, us) << w.version << changed << -1 << 0 << expected;
                }
        };
        edges("nec", nec(0x20DF10EF) + necRepeat, n + n,
            {{"header pulse", 0, 8501, 9499}, {"header space", 1, 4001, 4999}, {"0 space", 3, 361, 759},
                {"1 space", 7, 1391, 1989}, {"end space", 67, 25001, 49999},
                {"v4 end space", 67, 33681, 58679, {}, {}, "4.0"}, {"repeat space", 69, 2051, 2449, n, n},
                {"repeat end", 71, 94801, 98799, n, n}});
        // First bits 1, 0.
        edges("sony", press("sonySIRC", 0x495), s,
            {{"header", 0, 2201, 2599}, {"1 pulse", 2, 1001, 1399}, {"0 pulse", 4, 401, 799}});
        edges("sharp", sharp(0x1234 << 2 | 2), lines("sharp", 0x1234),
            {{"pulse", 0, 221, 419}, {"1 space", 1, 1481, 1879}, {"0 space", 3, 581, 779}});
        // First bits 0, 1; below the 1 space's window a space reads as a 0 bit.
        edges("kaseikyo", pd(3200, 1600, 0x40040100BCBD, 48, 400, 400, 1200, 75000), lines("kaseikyo", 0x40040100BCBD),
            {{"header", 0, 2801, 3599}, {"header space", 1, 1501, 1999},
                {"0 space", 3, 301, 599, {}, lines("kaseikyo", 0xC0040100BCBD)},
                {"1 space", 5, 600, 1500, lines("kaseikyo", 0x00040100BCBD)}, {"end", -1, 68001, 0}});
        // Bits 1, 1, 1, 0; the header's space shares the header pulse's window.
        edges("samsung", pd(4500, 4500, 0xE0E040BF, 32, 500, 500, 1500, 50000), lines("samsung", 0xE0E040BF),
            {{"header", 0, 4001, 4999}, {"header space", 1, 4001, 4999},
                {"1 space", 3, 750, 2499, lines("samsung", 0x60E040BF)},
                {"0 space", 9, 376, 749, {}, lines("samsung", 0xF0E040BF)}, {"end", -1, 46501, 0}});
        // The leader space spans two windows with the end's between them.
        edges("mce", mce(0x16, 5), m,
            {{"leader", 0, 1901, 2899}, {"leader space", 1, 651, 999}, {"half bit", 2, 301, 649},
                {"trailer mark", 10, 1001, 1449}, {"end", 17, 10001, 13999}});
        edges("mce", mce(0x16, 5, 69600), m, {{"v4 end", 17, 67601, 71599, {}, {}, "4"}});
    }

    void frames()
    {
        const auto [version, stream, pauseAt, pauseUs, expected] = fetch<QByteArray, Samples, int, int, QStringList>();
        QVERIFY(m_sysroot.write("/etc/config/corvex.conf", "[Net]\nVersion=9\n[System]\nVersion=" + version));
        QCOMPARE(decodeAll(stream, pauseAt, pauseUs), expected);
    }

    void decoderState()
    {
        IrSampleClock clock;
        NecDecoder first(&clock);
        // The FIFO: the ring behind the oldest sample wraps and grows twice.
        for (quint32 i = 1; i <= 40; ++i) {
            first.pushRawData(i);
            if (i % 2)
                QCOMPARE(first.popRawData(), i / 2 + 1);
        }
        for (quint32 i = 21; i <= 40; ++i)
            QCOMPARE(first.popRawData(), i);
        QCOMPARE(first.popRawData(), 0u);
        // clear() mid-frame drops the uncollected code, the queue and the half frame: its rest, ended by the next
        // leader, is no code.
        const Samples frame = nec(0x20DF10EF);
        feed(clock, first, frame + frame.mid(0, 30));
        first.pushRawData(frame[30]);
        first.clear();
        QCOMPARE(first.popScanCode(), 0u);
        feed(clock, first, frame.mid(31) + frame.mid(0, 2));
        QCOMPARE(first.popScanCode(), 0u);
    }

    // The capture thread decodes while another collects and now and then clears: it sees whole codes or nothing.
    void crossThreadHandOver()
    {
        IrSampleClock clock;
        NecDecoder decoder(&clock);
        std::atomic<bool> stop {false};
        std::thread capture([&] {
            while (!stop)
                feed(clock, decoder, nec(0x20DF10EF) + necRepeat + necRepeat);
        });
        QList<quint64> seen;
        QElapsedTimer timer; // a loaded machine may starve either thread for a while
        timer.start();
        while (seen.size() < 500 && !timer.hasExpired(30000)) {
            if (const quint64 code = decoder.popScanCode(); code && (seen << code).size() % 10 == 0)
                decoder.clear();
        }
        stop = true;
        capture.join();
        QCOMPARE(seen, QList<quint64>(500, 0x20DF10EF));
    }

    void roundTrip_data()
    {
        // protocol, code (also the mask of the random codes tried), bits, repeats
        columns<QString, quint64, int, int>();
        for (auto [name, protocol, code, bits, repeats] :
            std::initializer_list<std::tuple<const char*, QString, quint64, int, int>> {
                {"nec", "nec", 0xFFFFFFFF, -1, 3}, {"nec 1 bit", "nec", 1, 1, 0},
                {"nec 64 bits", "nec", ~quint64(0), 64, 0}, {"kaseikyo", "kaseikyo", 0xFFFFFFFFFFFF, -1, 1},
                {"samsung", "samsung", 0xFFFFFFFF, -1, 2}, {"sony 12", "sonySIRC", 0x7FF, 12, 1},
                {"sony 15", "sonySIRC", 0x3FFF, 15, 0}, {"sony 20", "sonySIRC", 0x7FFFF, 20, 0},
                {"sharp", "sharp", 0x1FFF, -1, 1}, {"mce", "mce", 0xFFFF0FFE, -1, 2}, {"mce 2 bits", "mce", 2, -1, 0}})
            row(name, protocol, code, bits, repeats);
    }

    void roundTrip()
    {
        const auto [protocol, code, bits, repeats] = fetch<QString, quint64, int, int>();

        // A press: pulse first, space last, none a pause; only the protocol's own decoder sees anything.
        const std::string name = protocol.toStdString();
        Samples samples = press(name, code, repeats, bits);
        QVERIFY(IrSample::isPulse(samples.value(0)) && !IrSample::isPulse(samples.last()));
        for (quint32 s : samples)
            QVERIFY2(IrSample::duration(s) > 0 && IrSample::duration(s) <= 110000, qPrintable(QString::number(s)));
        QCOMPARE(decodeAll(samples), lines(protocol, code, repeats + 1));

        // Random codes within the row's, durations off by up to 5 % (NEC without repeats: their end's window is 2 %).
        std::mt19937_64 random(qHash(QByteArray(QTest::currentDataTag())));
        std::uniform_real_distribution<double> jitter(-0.05, 0.05);
        for (int trial = 0; trial < 150; ++trial) {
            const int n = name == "nec" ? 0 : trial % 3;
            quint64 c = 0;
            while ((samples = press(name, c = random() & code, n, bits)).isEmpty()) { }
            for (quint32& s : samples)
                s = (s & ~IrSample::DurationMask) | unsigned(qRound(IrSample::duration(s) * (1 + jitter(random))));
            const QStringList got = decodeAll(samples);
            QVERIFY2(got == lines(protocol, c, n + 1), qPrintable(QString::number(c, 16) + ": " + got.join(", ")));
        }
    }

    void tools_data()
    {
        // tool, args, input, exit code, output, standard error (a pattern; empty: nothing)
        columns<QString, QStringList, QByteArray, int, QByteArray, QString>();
        const auto row = [](const char* name, const char* tool, const QStringList& args, const QByteArray& input,
                             int exitCode, const QByteArray& out,
                             const QString& err = {}) { ::row(name, QString(tool), args, input, exitCode, out, err); };
        const char *dec = "ivo-irdecode", *enc = "ivo-irencode";
        const auto raw
            = [](const Samples& s) { return QByteArray(reinterpret_cast<const char*>(s.data()), s.size() * 4); };

        // Rejected lines are warned about by number and taken not at all.
        const auto warned = [](std::initializer_list<int> numbers) {
            QString pattern = "^";
            for (int n : numbers)
                pattern += QString("[^\n]*line %1: [^\n]*\n").arg(n);
            return pattern + '$';
        };
        // mode2 text amid a receiver tool's chatter, with a time-out sample.
        QByteArray mode2Text
            = "Using driver default on device /dev/lirc0\nPULSE 560\npulse 16777216\npulse -5\nspace 4x\ntimeout\n"
            + mode2(press("samsung", 0xE0E040BF)) + "space 16777215\n";
        mode2Text.replace("space 4500\n", "  space\t4500 \r\ncarrier 38000\n");
        mode2Text.insert(mode2Text.indexOf("pulse 500"), "timeout 300\n");
        row("mode2 text", dec, {}, mode2Text, 0, "samsung 0xE0E040BF\n", warned({1, 2, 3, 4, 5, 6, 9}));
        // sharp 0x1; unsigned numbers alternate from the sample before, unchanged by a rejected line's start.
        const QByteArray signedText = "# a note\n" + QByteArray("+320 -680 ").repeated(12)
            + "# twelve 0 bits\n320 1680 320 1680\n+9000 45x00\n+1 - 1\npulse 5 space 5\n320 680\n";
        row("signed form", dec, {"-"}, signedText, 0, "sharp 0x1\n", warned({4, 5, 6}));
        row("raw, trailing bytes", dec, {"--raw"}, raw(press("sharp", 0x1234, 1)) + "xy", 0,
            "sharp 0x1234\nsharp 0x1234\n", "2 trailing bytes");
        // Decoder log lines go to standard error.
        row("sony log line", dec, {}, mode2(press("sonySIRC", 0x495)), 0, "sonySIRC 0x495\n",
            "^[^\\n]*SonySIRCDecoder::decode[^\\n]*: m_outputCode\\(bits:11\\):495\\n[^\\n]*$");
        // sharp 0x1: twelve 0 bits, the code's 1, expansion 1, check 0.
        const QByteArray zero = "pulse 320\nspace 680\n", one = "pulse 320\nspace 1680\n";
        row("sharp repeated", enc, {"sharp", "1", "--repeats", "1", "--bits", "15"}, {}, 0,
            (zero.repeated(12) + one + one + zero).repeated(2));
        // A frame lasts 17 ms: held for 40 ms, it is sent three times.
        row("sharp held", enc, {"sharp", "1", "--hold", "40"}, {}, 0,
            (zero.repeated(12) + one + one + zero).repeated(3));
        // Refusals: usage errors, codes a protocol cannot carry.
        for (auto [tool, args, exitCode, err] :
            std::initializer_list<std::tuple<const char*, QStringList, int, QString>> {
                {dec, {"/nonexistent/ir.txt"}, 1, "cannot read /nonexistent/ir.txt"}, {dec, {"/"}, 1, "cannot read /"},
                {dec, {"a", "b"}, 2, "usage"}, {dec, {"--text"}, 2, "unknown option --text"},
                {enc, {"rc5", "1"}, 2, "unknown protocol rc5"}, {enc, {"nec", "0x12G4"}, 2, "not hexadecimal"},
                {enc, {"nec"}, 2, "usage"}, {enc, {"nec", "1", "--repeats", "x"}, 2, "--repeats needs"},
                {enc, {"nec", "0"}, 2, "code of 0"}, {enc, {"nec", "100000000"}, 2, "cannot carry"},
                {enc, {"nec", "1", "--bits", "65"}, 2, "cannot carry"},
                {enc, {"sonySIRC", "1", "--bits", "13"}, 2, "cannot carry"},
                {enc, {"sonySIRC", "800", "--bits", "12"}, 2, "cannot carry"},
                {enc, {"sharp", "2000"}, 2, "cannot carry"}, {enc, {"sharp", "1", "--bits", "13"}, 2, "cannot carry"},
                {enc, {"mce", "800F1494"}, 2, "bits 12-15"}, {enc, {"mce", "800F0495"}, 2, "last bit"},
                {enc, {"mce", "400F0494", "--bits", "32"}, 2, "first data bit"},
                {enc, {"mce", "1"}, 2, "cannot carry"}})
            row(qPrintable(tool + (' ' + args.join(' '))), tool, args, {}, exitCode, {}, err);
    }

    void tools()
    {
        const auto [tool, args, input, exitCode, out, err]
            = fetch<QString, QStringList, QByteArray, int, QByteArray, QString>();
        QProcess process;
        process.start(qEnvironmentVariable("IVO_BINARY_DIR") + "/bin/" + tool, args);
        process.write(input);
        process.closeWriteChannel();
        QVERIFY(process.waitForFinished(30000));
        QCOMPARE(process.readAllStandardOutput(), out);
        const QString errors = process.readAllStandardError();
        QVERIFY2(err.isEmpty() ? errors.isEmpty() : errors.contains(QRegularExpression(err)), qPrintable(errors));
        QCOMPARE(process.exitCode(), exitCode);
    }
};

QTEST_GUILESS_MAIN(TstIr)
#include "tst_ir.moc"
