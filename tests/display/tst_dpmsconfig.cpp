// Screen blanking: "xset q" read back, the xset command lines that set it, and the preset kept in the user settings.
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "appliance/UserSettings.h"
#include "display/DpmsConfig.h"

#include <QTest>

namespace {

// The sections "xset q" prints before its DPMS section, as the real tool printed them on an X server.
const QByteArray kHead = "Keyboard Control:\n"
                         "  auto repeat:  on    key click percent:  0    LED mask:  00000000\n"
                         "  auto repeat delay:  660    repeat rate:  25\n"
                         "  bell percent:  50    bell pitch:  400    bell duration:  100\n"
                         "Pointer Control:\n"
                         "  acceleration:  2/1    threshold:  4\n"
                         "Screen Saver:\n"
                         "  prefer blanking:  yes    allow exposures:  yes\n"
                         "  timeout:  600    cycle:  600\n"
                         "Font Path:\n"
                         "  /usr/share/fonts/X11/misc,built-ins\n";

QByteArray xsetQ(int standby, int suspend, int off, bool enabled = true)
{
    return kHead + "DPMS (Energy Star):\n"
        + QStringLiteral("  Standby: %1    Suspend: %2    Off: %3\n").arg(standby).arg(suspend).arg(off).toUtf8()
        + (enabled ? "  DPMS is Enabled\n  Monitor is On\n" : "  DPMS is Disabled\n");
}

QString fields(const DpmsConfig& dpms)
{
    int standby = -9, suspend = -9, off = -9;
    dpms.mode(&standby, &suspend, &off);
    return QStringLiteral("%1 %2 %3 %4").arg(dpms.enabled()).arg(standby).arg(suspend).arg(off);
}

} // namespace

class TstDpmsConfig : public QObject
{
    Q_OBJECT

    ScratchSysroot m_root; // HOME of the user settings

private slots:
    void parse_data()
    {
        QTest::addColumn<QByteArray>("output");
        QTest::addColumn<QString>("fields");
        auto row = [](const char* name, const QByteArray& output, const char* fields) {
            QTest::newRow(name) << output << QString(fields);
        };
        row("enabled", xsetQ(600, 1200, 1800), "1 600 1200 1800");
        row("disabled", xsetQ(600, 600, 600, false), "0 0 0 0");
        row("no extension", kHead + "DPMS (Energy Star):\n  Server does not have the DPMS Extension\n", "1 0 0 0");
        row("section ends at the next title",
            kHead + "DPMS (Energy Star):\nFont Path:\n  Standby: 5    Suspend: 6    Off: 7\n", "1 0 0 0");
        row("first section only",
            "DPMS (Energy Star):\n  Standby: 1    Suspend: 2    Off: 3\nDPMS (Energy Star):\n  DPMS is Disabled\n",
            "1 1 2 3");
        row("disabled in any case", "DPMS x\n  STANDBY: 60 suspend: 70\n  dpms is DISABLED?\n", "0 0 0 0");
        row("labels in any case", "DPMS x\n  STANDBY: 60 suspend: 70\n  Monitor is On\n", "1 60 70 0");
        row("bad numbers", "DPMS\n  Standby: -5    Suspend: 9x    Off:\n", "1 0 0 0");
        row("title must start the line", " DPMS (Energy Star):\n  Standby: 60    Suspend: 60    Off: 60\n", "1 0 0 0");
    }
    void parse()
    {
        QFETCH(QByteArray, output);
        QFETCH(QString, fields);
        RecordingRunner runner;
        runner.answer("xset q", output);
        QCOMPARE(::fields(DpmsConfig()), fields);
        QCOMPARE(runner.lines(), QStringList {"xset q"});
    }

    void setMode_data()
    {
        QTest::addColumn<QList<int>>("args");
        QTest::addColumn<QStringList>("lines");
        const QStringList off {"xset -dpms", "xset s off", "xset q"};
        QTest::newRow("page choice") << QList {600, -1, -1}
                                     << QStringList {"xset +dpms", "xset dpms 600 600 600", "xset q"};
        QTest::newRow("never decreasing")
            << QList {300, 100, 200} << QStringList {"xset +dpms", "xset dpms 300 300 300", "xset q"};
        QTest::newRow("as given") << QList {60, 120, 30}
                                  << QStringList {"xset +dpms", "xset dpms 60 120 120", "xset q"};
        QTest::newRow("off") << QList {0, -1, -1} << off;
        QTest::newRow("negative") << QList {-1, 600, 600} << off;
    }
    void setMode()
    {
        QFETCH(QList<int>, args);
        QFETCH(QStringList, lines);
        RecordingRunner runner;
        DpmsConfig dpms; // reads nothing: no server
        runner.clear();
        runner.answer("xset q", xsetQ(11, 22, 33));
        dpms.setMode(args[0], args[1], args[2]);
        QCOMPARE(runner.lines(), lines);
        QCOMPARE(fields(dpms), "1 11 22 33"); // what the server says afterwards
        int suspend = 0;
        dpms.mode(nullptr, &suspend, nullptr);
        QCOMPARE(suspend, 22);
    }

    void loadPreset_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("stored"); // "Standby Suspend Off" afterwards
        const QStringList none;
        auto row = [](const char* name, const QByteArray& settings, const QStringList& lines, const char* stored) {
            QTest::newRow(name) << settings << lines << QString(stored);
        };
        row("rewritten non-decreasing", "[DPMS]\nStandby=300\nSuspend=100\nOff=200\n",
            {"xset +dpms", "xset dpms 300 300 300", "xset q"}, "300 300 300");
        row("off keeps its growth", "[DPMS]\nStandby=600\nSuspend=1200\nOff=60\n",
            {"xset +dpms", "xset dpms 600 1200 1200", "xset q"}, "600 1200 1200");
        row("only standby", "[DPMS]\nStandby=600\n", {"xset +dpms", "xset dpms 600 600 600", "xset q"}, "600 600 600");
        row("blanking off", "[DPMS]\nStandby=0\nSuspend=0\nOff=0\n", {"xset -dpms", "xset s off", "xset q"}, "0 0 0");
        row("no preset", "[UIControl]\nDisplayIP=yes\n", none, "-1 -1 -1");
        row("not a number", "[DPMS]\nStandby=ten\nSuspend=600\n", none, "ten 600 -1");
        row("no file", QByteArray(), none, "-1 -1 -1");
    }
    // The stored choice is applied at start-up and kept in the form it was applied in.
    void loadPreset()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QStringList, lines);
        QFETCH(QString, stored);
        ScratchSysroot root; // a home of its own: settings files of one size written within one clock tick look alike
        if (!settings.isNull())
            QVERIFY(root.write("/home/admin/.config/Vendra/IVO.conf", settings));
        RecordingRunner runner;
        DpmsConfig dpms;
        runner.clear();
        dpms.loadPreset();
        QCOMPARE(runner.lines(), lines);
        const auto file = UserSettings::open();
        QStringList values;
        for (const char* key : {"DPMS/Standby", "DPMS/Suspend", "DPMS/Off"})
            values << file->value(key, -1).toString();
        QCOMPARE(values.join(' '), stored);
        QCOMPARE(QFileInfo::exists(UserSettings::path()), !settings.isNull() || !lines.isEmpty());
    }

    // The server's time-outs become the preset that the next start applies.
    void savePresetRoundTrip()
    {
        QFile::remove(UserSettings::path());
        QVERIFY(m_root.write("/home/admin/.config/Vendra/IVO.conf", "[Wallpaper]\nImage=2\n"));
        {
            RecordingRunner runner;
            runner.answer("xset q", xsetQ(1200, 1200, 1800));
            DpmsConfig().savePreset();
        }
        const auto file = UserSettings::open();
        QCOMPARE(file->value("DPMS/Off").toInt(), 1800);
        QCOMPARE(file->value("Wallpaper/Image").toInt(), 2);
        RecordingRunner runner;
        DpmsConfig dpms;
        runner.clear();
        dpms.loadPreset();
        QCOMPARE(runner.lines(), QStringList({"xset +dpms", "xset dpms 1200 1200 1800", "xset q"}));
    }
};

QTEST_GUILESS_MAIN(TstDpmsConfig)
#include "tst_dpmsconfig.moc"
