// Key tables (file format, learning's write-back) and the virtual keyboard sink: lookup order, debounce, colour
// diversion, set-up failures.
#include "DataRows.h"
#include "PlantedFifo.h"
#include "irTestSupport.h"
#include "lirc/rcMapTable.h"

#include <QRegularExpression>

#include <optional>
#include <thread>

using Entries = std::vector<RcMapTable::Entry_s>;
using Press = QPair<int, quint64>; // milliseconds, scan code
Q_DECLARE_METATYPE(Entries)

class TstUinputSink : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScratchSysroot> m_root;

private slots:
    void init()
    {
        m_root.reset();
        m_root = std::make_unique<ScratchSysroot>();
        QDir().mkpath(m_root->path("/tmp"));
        UinputSink::resetDebounce();
    }

    void loadReadsLines_data()
    {
        columns<QByteArray, Entries>(); // the file, its entries
        row("written form", QByteArray("800F0494 191\n40070248 18E\n"),
            Entries {{0x800F0494, 0x191}, {0x40070248, 0x18E}});
        row("empty and foreign lines", QByteArray("\nhello\n12\n-5 1\n\n12 1C\n"), Entries {{0x12, 0x1C}});
        row("0x prefixes, blanks, case, trailing text", QByteArray("0x12 0X1c\n  ab\t1c extra\ncd ef"),
            Entries {{0x12, 0x1C}, {0xAB, 0x1C}, {0xCD, 0xEF}});
        row("numbers too wide", QByteArray("1FFFFFFFFFFFFFFFF 1\n1 100000000\n"), Entries {});
        // At most 255 characters with the line feed: a longer line goes whole, its tail is no entry.
        const QByteArray overlong = QByteArray(255, 'F') + "12 1C\n" + QByteArray(249, ' ') + "13 1D\n";
        row("overlong lines", overlong + QByteArray(250, ' ') + "14 1E\n", Entries {{0x13, 0x1D}});
    }

    void loadReadsLines()
    {
        const auto [content, expected] = fetch<QByteArray, Entries>();
        QVERIFY(m_root->write("/keys.conf", content));
        RcMapTable table;
        QCOMPARE(table.loadRcMapTable(m_root->path("/keys.conf").toStdString()), 0);
        QCOMPARE(table.entries(), expected);
    }

    void loadAndWriteBack()
    {
        const std::string file = m_root->path("/keys.conf").toStdString();
        {
            RcMapTable table;
            QCOMPARE(table.loadRcMapTable(), -1); // no path at all
            QCOMPARE(table.loadRcMapTable(file), -1); // missing, and not created
            QVERIFY(!QFile::exists(m_root->path("/keys.conf")));
            QVERIFY(m_root->write("/keys.conf", "A 1\n"));
            QCOMPARE(table.loadRcMapTable(), 0);
            table.setMapping(0x800F0494, 103); // the same button learned twice
            table.setMapping(0x800F0494, 103);
            QCOMPARE(m_root->read("/keys.conf"), QByteArray("A 1\n800F0494 67\n800F0494 67\n"));
            table.setMapping(0x800F0494, 108); // then for another key
            QCOMPARE(m_root->read("/keys.conf"), QByteArray("A 1\n800F0494 6C\n800F0494 6C\n800F0494 6C\n"));
            QCOMPARE(table.loadRcMapTable(), 0); // appends
            QCOMPARE(table.entries().size(), 8u);
            QVERIFY(m_root->write("/keys.conf", "changed behind its back\n"));
        }
        QCOMPARE(m_root->read("/keys.conf"), QByteArray("A 1\n800F0494 6C\n800F0494 6C\n800F0494 6C\n").repeated(2));
    }

    // A FIFO as a key table is neither read nor, at exit, written: neither would ever end.
    void fifoKeyTable()
    {
        PlantedFifo fifo(m_root->path("/fifo.conf"));
        std::atomic<int> loaded {1};
        std::atomic<bool> gone {false};
        std::thread([&] {
            loaded = RcMapTable().loadRcMapTable(m_root->path("/fifo.conf").toStdString()); // and written back
            gone = true;
        }).detach(); // a thread that waits on the FIFO waits for good
        QVERIFY2(QTest::qWaitFor([&] { return gone.load(); }, 5000), "the key table's FIFO was waited on");
        QVERIFY(loaded == -1 && !fifo.wasOpened());
    }

    void dispatch_data()
    {
        // The tables in the file form, after the colour table; what lies at the colour marker ("old" in a file, "link"
        // to a file outside, "fifo"; "disabled": the one-touch tool's marker too, so colours are typed); the presses;
        // the keys typed; what the marker holds afterwards.
        columns<QByteArrayList, QByteArray, QList<Press>, QList<int>, QByteArray>();
        auto row = [&](const char* name, QByteArrayList tables, const char* marker, QList<Press> presses,
                       QList<int> keys, QByteArray colourFile = "old") {
            tables.prepend("40070248 18E\n800F0494 191\n800F0492 18F\n40070249 190\n");
            ::row(name, tables, QByteArray(marker), presses, keys, colourFile);
        };
        row("colour table first", {"800F0494 67\n"}, "disabled", {{0, 0x800F0494}}, {0x191});
        row("first entry of a table", {"7 1C\n7 1\n"}, "old", {{0, 7}}, {0x1C});
        row("key 0 defers", {"7 0\n7 67\n", "7 6C\n"}, "old", {{0, 7}}, {0x6C});
        row("unknown code", {"7 6C\n"}, "old", {{0, 8}}, {});
        for (auto [code, colour] :
            {std::pair {0x800F0494, "blue"}, {0x40070248, "red"}, {0x800F0492, "green"}, {0x40070249, "yellow"}})
            row(qPrintable(QString(colour) + " diverted"), {}, "old", {{0, code}}, {}, colour);
        // Planted in the marker's world-writable folder: not written through a link, a FIFO not waited on (it would
        // hold the capture thread), and the colour still not typed.
        row("blue at a planted link", {}, "link", {{0, 0x800F0494}}, {}, "keep");
        row("blue at a planted FIFO", {}, "fifo", {{0, 0x800F0494}}, {}, {});
        // Debounce: 300 ms from the last key typed.
        row("held every 100 ms", {"7 1\n"}, "old", {{0, 7}, {100, 7}, {200, 7}, {300, 7}, {400, 7}, {600, 7}},
            {1, 1, 1});
        row("unmapped code takes the interval", {"7 1\n"}, "old", {{0, 8}, {250, 7}}, {});
        row("clock set back", {"7 1\n"}, "old", {{5000, 7}, {1000, 7}, {1100, 7}}, {1, 1});
    }

    void dispatch()
    {
        const auto [tables, marker, presses, expected, colourFile]
            = fetch<QByteArrayList, QByteArray, QList<Press>, QList<int>, QByteArray>();
        const QString colour = m_root->path("/tmp/.tellora.keybolt.xxx");
        std::optional<PlantedFifo> planted;
        if (marker == "fifo")
            planted.emplace(colour);
        else if (marker == "link")
            QVERIFY(m_root->write("/outside", "keep") && QFile::link(m_root->path("/outside"), colour));
        else
            QVERIFY(m_root->write("/tmp/.tellora.keybolt.xxx", "old"));
        if (marker == "disabled")
            QVERIFY(m_root->write("/tmp/.tellora.keybolt.disable", {}));
        int keys = -1;
        const std::unique_ptr<UinputSink> sink = pipeKeyboard(&keys);
        ManualClock clock;
        sink->setClock(&clock);
        std::vector<std::unique_ptr<RcMapTable>> owned;
        for (const QByteArray& text : tables) {
            // Loaded, so entries append without set mapping's rewrite.
            QVERIFY(m_root->write("/t.conf", text));
            owned.push_back(std::make_unique<RcMapTable>());
            owned.back()->loadRcMapTable(m_root->path("/t.conf").toStdString());
            sink->addRcMapTable(owned.back().get());
        }
        std::atomic<bool> done {false};
        std::thread t([&] {
            for (const auto& [ms, code] : presses) {
                clock.ns = std::int64_t(ms) * 1000000 + 1;
                sink->dispatch(code);
            }
            done = true;
        });
        const bool returned = QTest::qWaitFor([&] { return done.load(); }, 5000);
        const int reader = ::open(qPrintable(colour), O_RDONLY | O_NONBLOCK | O_CLOEXEC); // lets a waiting writer go
        t.join();
        if (reader >= 0)
            ::close(reader);
        QVERIFY(returned);
        QCOMPARE(typedKeys(keys), expected);
        ::close(keys);
        QCOMPARE(QFileInfo(colour).isSymLink(), marker == "link");
        if (!planted)
            QCOMPARE(m_root->read("/tmp/.tellora.keybolt.xxx"), colourFile);
    }

    void initFailsCleanly_data()
    {
        columns<QString, QByteArray>(); // the file at a device's place, the message
        row("no uinput", QString(), QByteArray("uinput open fail"));
        row("not a device", "/dev/uinput", QByteArray("ioctl fail")); // a plain file refuses the device's requests
        row("second place", "/dev/input/uinput", QByteArray("ioctl fail"));
    }

    void initFailsCleanly()
    {
        const auto [file, message] = fetch<QString, QByteArray>();
        QVERIFY(file.isEmpty() || m_root->write(file, {}));
        UinputSink sink("uinput", ::open("/dev/null", O_WRONLY | O_CLOEXEC));
        StderrCapture err;
        QCOMPARE(sink.init(), -1);
        QCOMPARE(QString::fromUtf8(err.text()).replace(QRegularExpression("Line:\\d+"), "Line:N"),
            "\033[1;31m[File:lirc/uinputSink][Line:N][Func:int UinputSink::init()]: " + message + "\n\033[m");
        // Without a device the adopted one stays; a failed device is closed.
        QCOMPARE(sink.descriptor() >= 0, file.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TstUinputSink)
#include "tst_uinputSink.moc"
