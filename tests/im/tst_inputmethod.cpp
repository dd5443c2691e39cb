// The input-method model on what ibus and gsettings print, the exact commands of each change, and the simulated
// display's real ibus daemon and gsettings end to end.
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "im/SystemInputMethod.h"

#include <QtTest>

namespace {

// "ibus list-engine", cut down to the engines the offer file names and their neighbours.
const QByteArray kEngines = "language: Danish\n"
                            "  xkb:dk:mac:dan - Danish (Macintosh)\n"
                            "  xkb:dk::dan - Danish\n"
                            "language: English\n"
                            "  xkb:us:dvorak-classic:eng - English (classic Dvorak)\n"
                            "  xkb:us::eng - English (US)\n"
                            "  xkb:us:intl:eng - English (US, intl., with dead keys)\n"
                            "  xkb:gb::eng - English (UK)\n"
                            "language:\n"
                            "language: French\n"
                            "  xkb:fr::fra - French\n"
                            "language: German\n"
                            "  xkb:de:neo:deu - German (Neo 2)\n"
                            "  xkb:de::deu - German\n"
                            "language: Japanese\n"
                            "  xkb:jp::jpn - Japanese\n"
                            "language: Spanish\n"
                            "  xkb:es::spa - Spanish\n";

QByteArray offer(const QByteArray& entries)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<IMList>\n" + entries + "</IMList>\n";
}
QByteArray im(const char* id, const char* name)
{
    return QByteArray("\t<IMInfo>\n\t\t<id>") + id + "</id>\n\t\t<display>" + name + "</display>\n\t</IMInfo>\n";
}

// Offered: five installed layouts, one engine that is not installed, and entries without an id, without a name
// and with a blank id.
const QByteArray kOffer = offer(im("xkb:us::eng", "English (US)") + im("xkb:gb::eng", "English (UK)")
    + im("xkb:de::deu", "Deutsch") + im("pinyin", "中文 (拼音)") + im("xkb:fr::fra", "Français")
    + im("xkb:dk::dan", "dansk") + im("xkb:es::spa", "Español") + im("xkb:jp::jpn", "日本語")
    + "<IMInfo><display>Nameless</display></IMInfo><IMInfo><id>xkb:us:intl:eng</id></IMInfo>"
      "<IMInfo><id> </id><display>Blank</display></IMInfo>\n");

QString names(const QList<IMInfo>& list)
{
    QStringList out;
    for (const IMInfo& m : list)
        out << m.name;
    return out.join(',');
}

// A scratch appliance whose ibus and gsettings answer as given.
struct Display_s {
    ScratchSysroot root;
    RecordingRunner runner;
    Display_s(const QByteArray& preload, const QByteArray& engine, const QByteArray& offerFile = kOffer)
    {
        runner.answer(".*/usr/bin/ibus list-engine", kEngines);
        runner.answer(".*/usr/bin/ibus engine", engine);
        runner.answer(".*/bin/bash -c \"gsettings get org.freedesktop.ibus.general preload-engines .*", preload);
        if (!offerFile.isNull())
            root.write("/etc/Tellora/config/IMList.xml", offerFile);
    }
    // Command lines as the appliance runs them; a gsettings value is one argument.
    QStringList lines() const
    {
        QStringList out;
        for (const RecordingRunner::Call_s& c : runner.calls())
            out << c.line().replace(root.root(), QString())
                    + (c.program == "gsettings" && c.args.size() != 4 ? "!" : "");
        return out;
    }
};

// all | removable | available | active
QString state(SystemInputMethod& m)
{
    return QStringList {
        names(m.getAllList()), names(m.getRemovableList()), names(m.getAvailableList()), m.getActiveIM().name}
        .join(" | ");
}

} // namespace

class TstInputMethod : public QObject
{
    Q_OBJECT

private slots:
    // The lists and the active method read from the framework; the preload list as "gsettings get" prints it, after
    // sed took its brackets off.
    void lists_data()
    {
        QTest::addColumn<QByteArray>("preload");
        QTest::addColumn<QByteArray>("engine");
        QTest::addColumn<QByteArray>("offerFile");
        QTest::addColumn<QString>("expect");
        const QString all = "English (US),English (UK),Deutsch,Français,dansk,Español,日本語";
        QTest::newRow("two switched on") << QByteArray("'xkb:us::eng', 'xkb:de::deu'\n") << QByteArray("xkb:de::deu\n")
                                         << kOffer
                                         << all
                + " | English (US),Deutsch | English (UK),Español,Français,dansk,日本語 "
                  "| Deutsch";
        QTest::newRow("preload order kept")
            << QByteArray("'xkb:jp::jpn', 'xkb:us::eng'\n") << QByteArray("xkb:us::eng") << kOffer
            << all
                + " | 日本語,English (US) | Deutsch,English (UK),Español,Français,"
                  "dansk | English (US)";
        QTest::newRow("unknown, not installed and twice")
            << QByteArray("'anthy', 'xkb:us::eng', 'pinyin', 'xkb:us::eng'\n") << QByteArray() << kOffer
            << all + " | English (US) | Deutsch,English (UK),Español,Français,dansk,日本語 | ";
        QTest::newRow("none switched on") << QByteArray("@as \n") << QByteArray("xkb:fr::fra\n") << kOffer
                                          << all
                + " |  | Deutsch,English (UK),English (US),Español,Français,dansk,日本語 | "
                  "Français";
        QTest::newRow("engine not offered")
            << QByteArray("'xkb:us::eng'\n") << QByteArray("xkb:us:intl:eng\n") << kOffer
            << all
                + " | English (US) | Deutsch,English (UK),Español,Français,dansk,日本語 "
                  "| ";
        QTest::newRow("no offer file") << QByteArray("'xkb:us::eng'\n") << QByteArray("xkb:us::eng\n") << QByteArray()
                                       << " |  |  | ";
        // The reader closes what a cut file left open: even the cut entry stays.
        QTest::newRow("cut offer file") << QByteArray("'xkb:us::eng'\n") << QByteArray("xkb:us::eng\n")
                                        << QByteArray("<IMList><IMInfo><id>xkb:us::eng</id><display>US</display>"
                                                      "</IMInfo><IMInfo><id>xkb:de::deu</id><display>Deu")
                                        << "US,Deu | US | Deu | US";
        QTest::newRow("unparsable offer file") << QByteArray("'xkb:us::eng'\n") << QByteArray("xkb:us::eng\n")
                                               << QByteArray("<IMList><IMInfo><id>xkb:us::eng</id><display>US"
                                                             "</display></IMInfo></IMLis>")
                                               << " |  |  | ";
        QTest::newRow("another root") << QByteArray("'xkb:us::eng'\n") << QByteArray("xkb:us::eng\n")
                                      << QByteArray("<Methods><IMInfo><id>xkb:us::eng</id><display>US</display>"
                                                    "</IMInfo></Methods>")
                                      << " |  |  | ";
    }
    void lists()
    {
        QFETCH(QByteArray, preload);
        QFETCH(QByteArray, engine);
        QFETCH(QByteArray, offerFile);
        QFETCH(QString, expect);
        Display_s d(preload, engine, offerFile);
        SystemInputMethod m;
        QCOMPARE(state(m), expect);
    }

    // Each change from "English (US), Deutsch switched on, Deutsch active": the exact commands, in order, and the
    // lists and active method after it. Steps: +ID adds, -ID removes, =ID activates.
    void changes_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("expect");
        const QString set = "gsettings set org.freedesktop.ibus.general %1 %2";
        const auto both = [&](const QString& value) {
            return QStringList {set.arg("preload-engines", value), set.arg("engines-order", value)};
        };
        QTest::newRow("add") << "+xkb:fr::fra"
                             << both("\"['xkb:us::eng', 'xkb:de::deu', 'xkb:fr::fra']\"")
                + QStringList {"/usr/bin/ibus engine xkb:fr::fra"}
                             << "English (US),Deutsch,Français | English (UK),Español,dansk,日本語 | Français";
        QTest::newRow("remove the active one")
            << "-xkb:de::deu" << both("['xkb:us::eng']") + QStringList {"/usr/bin/ibus engine xkb:us::eng"}
            << "English (US) | Deutsch,English (UK),Español,Français,dansk,日本語 | English (US)";
        QTest::newRow("remove another")
            << "-xkb:us::eng" << both("['xkb:de::deu']")
            << "Deutsch | English (UK),English (US),Español,Français,dansk,日本語 | Deutsch";
        QTest::newRow("remove the last one")
            << "-xkb:us::eng -xkb:de::deu" << both("['xkb:de::deu']") + both("[]")
            << " | Deutsch,English (UK),English (US),Español,Français,dansk,日本語 | Deutsch";
        QTest::newRow("activate") << "=xkb:jp::jpn" << QStringList {"/usr/bin/ibus engine xkb:jp::jpn"}
                                  << "English (US),Deutsch | English (UK),Español,Français,dansk,日本語 | 日本語";
    }
    void changes()
    {
        QFETCH(QString, steps);
        QFETCH(QStringList, lines);
        QFETCH(QString, expect);
        Display_s d("'xkb:us::eng', 'xkb:de::deu'\n", "xkb:de::deu\n");
        SystemInputMethod m;
        QCOMPARE(m.getActiveIM().name, "Deutsch");
        const QList<RecordingRunner::Call_s> init = d.runner.calls();
        QCOMPARE(d.lines().mid(0, 1) + d.lines().mid(2),
            QStringList({"/usr/bin/ibus list-engine", "/usr/bin/ibus engine", "/usr/bin/ibus engine"}));
        QCOMPARE(init.at(1).args,
            QStringList({"-c",
                "gsettings get org.freedesktop.ibus.general preload-engines | sed "
                "-e 's/\\[//g' -e 's/\\]//g'"}));
        d.runner.clear();
        for (const QString& step : steps.split(' ')) {
            // Callers hand in entries of the model's own lists.
            const QList<IMInfo>& from = step[0] == '+' ? m.getAvailableList()
                : step[0] == '-'                       ? m.getRemovableList()
                                                       : m.getAllList();
            const auto it = std::find(from.cbegin(), from.cend(), step.mid(1));
            QVERIFY(it != from.cend());
            step[0] == '+' ? m.addIM(*it) : step[0] == '-' ? m.removeIM(*it) : m.setActiveIM(*it);
        }
        QCOMPARE(d.lines(), lines);
        // The lists and the active method as the model holds them, without asking the framework again.
        QCOMPARE(QStringList({names(m.getRemovableList()), names(m.getAvailableList())}).join(" | "),
            expect.section(" | ", 0, 1));
        RecordingRunner silent; // the framework names no engine: the model keeps the one it set
        QCOMPARE(m.getActiveIM().name, expect.section(" | ", 2));
    }

    // On the simulated display: the real ibus daemon lists its engines and switches them, the real gsettings keeps
    // the switched-on list in its keyfile, so the next start of the program sees each change.
    void simulatedDisplay()
    {
#ifdef __SANITIZE_THREAD__
        QSKIP("ThreadSanitizer cannot follow the processes this starts");
#endif
        ScratchSysroot root;
        const QString sim = qEnvironmentVariable("IVO_SOURCE_DIR") + "/sim/ivo-sim";
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("IVO_SIM_ROOT", root.root());
        const auto simulator = [&](const QStringList& args) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.start(sim, args);
            return p.waitForFinished(120000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
        };
        const QByteArray keys[] = {"GSETTINGS_BACKEND", "XDG_CONFIG_HOME", "IBUS_ADDRESS"};
        QByteArray saved[3];
        for (int i = 0; i < 3; ++i)
            saved[i] = qgetenv(keys[i]);
        const auto restore = qScopeGuard([&] {
            simulator({"stop"});
            for (int i = 0; i < 3; ++i)
                saved[i].isNull() ? qunsetenv(keys[i]) : qputenv(keys[i], saved[i]);
        });
        QVERIFY(simulator({"setup"}));
        QVERIFY(simulator({"services", "im"}));
        qputenv("GSETTINGS_BACKEND", "keyfile");
        qputenv("XDG_CONFIG_HOME", (root.home() + "/.config").toLocal8Bit());
        qputenv("IBUS_ADDRESS", ("unix:path=" + root.root() + "/sim/ibus/bus").toLocal8Bit());
        const auto keyfile = [&] {
            return QString::fromUtf8(root.read("/home/admin/.config/glib-2.0/settings/keyfile"))
                .split('\n')
                .filter(QRegularExpression("^(preload-engines|engines-order)="))
                .join(' ');
        };

        {
            SystemInputMethod m;
            QCOMPARE(state(m),
                "English (US),English (UK),Deutsch,Français,Español,日本語 | English (US),Deutsch | English (UK),"
                "Español,Français,日本語 | English (US)");
            m.addIM(m.getAvailableList().at(2));
        }
        QCOMPARE(keyfile(),
            "preload-engines=['xkb:us::eng', 'xkb:de::deu', 'xkb:fr::fra'] "
            "engines-order=['xkb:us::eng', 'xkb:de::deu', 'xkb:fr::fra']");
        {
            SystemInputMethod next;
            QCOMPARE(state(next),
                "English (US),English (UK),Deutsch,Français,Español,日本語 | English (US),Deutsch,Français | English "
                "(UK),"
                "Español,日本語 | Français");
            next.removeIM(next.getRemovableList().at(2));
            QCOMPARE(next.getActiveIM().name, "English (US)");
        }
        QCOMPARE(
            keyfile(), "preload-engines=['xkb:us::eng', 'xkb:de::deu'] engines-order=['xkb:us::eng', 'xkb:de::deu']");
    }
};

QTEST_GUILESS_MAIN(TstInputMethod)
#include "tst_inputmethod.moc"
