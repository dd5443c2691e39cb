// The virtual keyboard sink and its key tables: file format, learning's
// write-back, lookup order, debounce, colour diversion and the exact events.
#include "ScratchSysroot.h"
#include "irTestSupport.h"
#include "lirc/rcMapTable.h"
#include "lirc/uinputSink.h"

#include <QTest>

#include <memory>

using Entries = std::vector<RcMapTable::Entry_s>;
Q_DECLARE_METATYPE(Entries)

class TstUinputSink : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void loadReadsLines_data();
    void loadReadsLines();
    void loadAppendsOrFails();
    void setMappingRewritesFile();
    void lookupAcrossTables_data();
    void lookupAcrossTables();
    void keyEventsAreExact();
    void debounce_data();
    void debounce();
    void colourKeys_data();
    void colourKeys();
    void initFailsCleanly_data();
    void initFailsCleanly();

private:
    // A sink writing to a non-blocking pipe, on a clock the test sets.
    void makeSink();
    std::unique_ptr<ScratchSysroot> m_root;
    std::unique_ptr<UinputSink> m_sink;
    int m_readEnd = -1;
    ManualClock m_clock;
};

void TstUinputSink::init()
{
    m_sink.reset();
    if (m_readEnd >= 0)
        ::close(m_readEnd);
    m_root.reset(); // restores the environment before the next one is made
    m_root = std::make_unique<ScratchSysroot>();
    QDir().mkpath(m_root->path("/tmp"));
    UinputSink::resetDebounce();
}

void TstUinputSink::makeSink()
{
    int fds[2];
    QVERIFY(::pipe2(fds, O_NONBLOCK | O_CLOEXEC) == 0);
    m_readEnd = fds[0];
    m_sink = std::make_unique<UinputSink>("uinput", fds[1]);
    m_sink->setClock(&m_clock);
}

void TstUinputSink::loadReadsLines_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<Entries>("expected");
    QTest::newRow("written form") << QByteArray("800F0494 191\n40070248 18E\n")
                                  << Entries {{0x800F0494, 0x191}, {0x40070248, 0x18E}};
    QTest::newRow("empty and foreign lines add nothing")
        << QByteArray("\nhello\n12\n-5 1\n0x12 1C\n\n12 1C\n") << Entries {{0x12, 0x1C}};
    QTest::newRow("blanks, lower case, trailing text, no last line feed")
        << QByteArray("  ab\t1c extra\ncd ef") << Entries {{0xAB, 0x1C}, {0xCD, 0xEF}};
    QTest::newRow("numbers too wide") << QByteArray("1FFFFFFFFFFFFFFFF 1\n1 100000000\n") << Entries {};
    // A line is read 255 characters at a time: the rest reads as a line.
    QTest::newRow("overlong line") << QByteArray(255, 'F') + "12 1C\n" << Entries {{0x12, 0x1C}};
}

void TstUinputSink::loadReadsLines()
{
    QFETCH(QByteArray, content);
    QFETCH(Entries, expected);
    QVERIFY(m_root->write("/keys.conf", content));
    RcMapTable table;
    QCOMPARE(table.loadRcMapTable(m_root->path("/keys.conf").toStdString()), 0);
    QCOMPARE(table.entries(), expected);
}

void TstUinputSink::loadAppendsOrFails()
{
    const std::string file = m_root->path("/keys.conf").toStdString();
    RcMapTable table;
    QCOMPARE(table.loadRcMapTable(), -1); // no path at all
    QCOMPARE(table.loadRcMapTable(file), -1); // missing: not created
    QVERIFY(!QFile::exists(QString::fromStdString(file)));
    QCOMPARE(table.path(), file);
    QVERIFY(m_root->write("/keys.conf", "1 2\n"));
    QCOMPARE(table.loadRcMapTable(), 0);
    QCOMPARE(table.loadRcMapTable(), 0);
    QCOMPARE(table.entries(), (Entries {{1, 2}, {1, 2}}));
}

void TstUinputSink::setMappingRewritesFile()
{
    const std::string file = m_root->path("/keys.conf").toStdString();
    {
        RcMapTable table;
        QVERIFY(m_root->write("/keys.conf", "A 1\n"));
        QCOMPARE(table.loadRcMapTable(file), 0);
        table.setMapping(0x800F0494, 103);
        table.setMapping(0x800F0494, 103);
        QCOMPARE(m_root->read("/keys.conf"), QByteArray("A 1\n800F0494 67\n800F0494 67\n"));
        table.setMapping(0x800F0494, 108);
        QCOMPARE(m_root->read("/keys.conf"), QByteArray("A 1\n800F0494 6C\n800F0494 6C\n800F0494 6C\n"));
        QVERIFY(m_root->write("/keys.conf", "changed behind our back\n"));
        table.clear();
        table.setMapping(0xFFFFFFFFFFFFFFFF, 1);
        QVERIFY(m_root->write("/keys.conf", "changed again\n"));
    }
    // Destruction writes the table back.
    QCOMPARE(m_root->read("/keys.conf"), QByteArray("FFFFFFFFFFFFFFFF 1\n"));
    RcMapTable memoryOnly;
    memoryOnly.setMapping(1, 2);
    QCOMPARE(memoryOnly.writeBack_(), -1);
}

using Table = QList<QPair<quint64, quint32>>;

void TstUinputSink::lookupAcrossTables_data()
{
    QTest::addColumn<QList<Table>>("tables");
    QTest::addColumn<quint64>("code");
    QTest::addColumn<int>("key");
    const Table colours {{0x800F0494, 401}};
    QTest::newRow("earlier table wins") << QList<Table> {colours, {{0x800F0494, 103}}} << quint64(0x800F0494) << 401;
    QTest::newRow("first entry of a table wins") << QList<Table> {{{7, 0x1C}, {7, 1}}} << quint64(7) << 0x1C;
    QTest::newRow("key 0 defers to the next table")
        << QList<Table> {{{7, 0}, {7, 103}}, {{7, 108}}} << quint64(7) << 108;
    QTest::newRow("unknown code") << QList<Table> {colours, {{7, 108}}} << quint64(8) << 0;
}

void TstUinputSink::lookupAcrossTables()
{
    QFETCH(QList<Table>, tables);
    QFETCH(quint64, code);
    QFETCH(int, key);
    QVERIFY(m_root->write("/tmp/.tellora.keybolt.disable", {})); // colour keys typed too
    makeSink();
    std::vector<std::unique_ptr<RcMapTable>> owned;
    for (const Table& t : tables) {
        owned.push_back(std::make_unique<RcMapTable>());
        for (const auto& [scan, k] : t) {
            // Appended as loaded, without the rewrite set mapping does.
            QVERIFY(m_root->write("/t.conf", QByteArray::number(scan, 16) + ' ' + QByteArray::number(k, 16)));
            owned.back()->loadRcMapTable(m_root->path("/t.conf").toStdString());
        }
        m_sink->addRcMapTable(owned.back().get());
    }
    QCOMPARE(int(m_sink->keyFor(code)), key);
    m_sink->dispatch(code);
    QCOMPARE(readEvents(m_readEnd), key ? keyPress(key) : QList<KeyEvent> {});
}

void TstUinputSink::keyEventsAreExact()
{
    makeSink();
    RcMapTable table;
    table.setMapping(0x12345678, KEY_ENTER);
    m_sink->addRcMapTable(&table);
    m_sink->dispatch(0x12345678);
    QByteArray raw;
    QCOMPARE(readEvents(m_readEnd, &raw), keyPress(KEY_ENTER));
    QCOMPARE(raw.size(), 4 * 24);
    for (int i = 0; i < 4; ++i) // the time fields stay zero
        QCOMPARE(raw.mid(i * 24, 16), QByteArray(16, '\0'));
}

void TstUinputSink::debounce_data()
{
    QTest::addColumn<QList<int>>("atMs");
    QTest::addColumn<QList<bool>>("mapped");
    QTest::addColumn<int>("keys");
    QTest::newRow("250 ms drops, 310 ms passes") << QList<int> {0, 250, 310} << QList<bool> {1, 1, 1} << 2;
    QTest::newRow("held: every 100 ms") << QList<int> {0, 100, 200, 300, 400, 500, 600} << QList<bool>(7, true) << 3;
    QTest::newRow("unmapped code takes the interval") << QList<int> {0, 250} << QList<bool> {0, 1} << 0;
    QTest::newRow("clock set back") << QList<int> {5000, 1000, 1100} << QList<bool> {1, 1, 1} << 2;
}

void TstUinputSink::debounce()
{
    QFETCH(QList<int>, atMs);
    QFETCH(QList<bool>, mapped);
    QFETCH(int, keys);
    makeSink();
    RcMapTable table;
    table.setMapping(1, KEY_UP);
    m_sink->addRcMapTable(&table);
    for (int i = 0; i < atMs.size(); ++i) {
        m_clock.ns = std::int64_t(atMs[i]) * 1000000 + 1;
        m_sink->dispatch(mapped[i] ? 1 : 2);
    }
    QCOMPARE(readEvents(m_readEnd).size(), 4 * keys);
}

void TstUinputSink::colourKeys_data()
{
    QTest::addColumn<quint64>("code");
    QTest::addColumn<bool>("marker");
    QTest::addColumn<QByteArray>("word");
    QTest::addColumn<int>("key");
    QTest::newRow("blue diverted") << quint64(0x800F0494) << false << QByteArray("blue") << 0;
    QTest::newRow("red diverted") << quint64(0x40070248) << false << QByteArray("red") << 0;
    QTest::newRow("green diverted") << quint64(0x800F0492) << false << QByteArray("green") << 0;
    QTest::newRow("yellow diverted") << quint64(0x40070249) << false << QByteArray("yellow") << 0;
    QTest::newRow("blue typed with the marker") << quint64(0x800F0494) << true << QByteArray("old") << KEY_BLUE;
    QTest::newRow("other keys typed") << quint64(0x1) << false << QByteArray("old") << KEY_UP;
}

void TstUinputSink::colourKeys()
{
    QFETCH(quint64, code);
    QFETCH(bool, marker);
    QFETCH(QByteArray, word);
    QFETCH(int, key);
    if (marker)
        QVERIFY(m_root->write("/tmp/.tellora.keybolt.disable", {}));
    QVERIFY(m_root->write("/tmp/.tellora.keybolt.xxx", "old"));
    makeSink();
    RcMapTable colours;
    colours.setMapping(0x40070248, KEY_RED);
    colours.setMapping(0x800F0494, KEY_BLUE);
    colours.setMapping(0x800F0492, KEY_GREEN);
    colours.setMapping(0x40070249, KEY_YELLOW);
    colours.setMapping(0x1, KEY_UP);
    m_sink->addRcMapTable(&colours);
    m_sink->dispatch(code);
    QCOMPARE(m_root->read("/tmp/.tellora.keybolt.xxx"), word);
    QCOMPARE(readEvents(m_readEnd), key ? keyPress(key) : QList<KeyEvent> {});
}

void TstUinputSink::initFailsCleanly_data()
{
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QByteArray>("message");
    QTest::newRow("no uinput") << QStringList {} << QByteArray("uinput open fail");
    // A file that is not the uinput device refuses its requests.
    QTest::newRow("not a device") << QStringList {"/dev/uinput"} << QByteArray("ioctl fail");
    QTest::newRow("second place") << QStringList {"/dev/input/uinput"} << QByteArray("ioctl fail");
}

void TstUinputSink::initFailsCleanly()
{
    QFETCH(QStringList, files);
    QFETCH(QByteArray, message);
    for (const QString& f : files)
        QVERIFY(m_root->write(f, {}));
    makeSink();
    StderrCapture err;
    QCOMPARE(m_sink->init(), -1);
    const QByteArray line = err.text();
    QVERIFY2(line.startsWith("\033[1;31m[File:lirc/uinputSink][Line:")
            && line.contains("[Func:int UinputSink::init()]: " + message + "\n\033[m"),
        line.constData());
    // Without a device the adopted one stays; a failed device is closed.
    QCOMPARE(m_sink->descriptor() >= 0, files.isEmpty());
}

QTEST_GUILESS_MAIN(TstUinputSink)
#include "tst_uinputSink.moc"
