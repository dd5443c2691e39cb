// The display models without a display: xrandr's text, screen.conf, blanking through xset, the EDID tools' text.
#include "DataRows.h"
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "appliance/Paths.h"
#include "appliance/UserSettings.h"
#include "display/DisplayCommands.h"
#include "display/DpmsConfig.h"
#include "display/EDIDInfo.h"
#include "display/ScreenConfFile.h"
#include "display/ScreenConfig.h"

#include <QTest>

namespace {

// The X.Org dummy driver's answer, as the real xrandr prints it (cut after a few modes and outputs).
const char* const kDummyServer
    = "Screen 0: minimum 64 x 64, current 1920 x 1080, maximum 32767 x 32767\n"
      "DUMMY0 connected primary 1920x1080+0+0 0mm x 0mm\n   1920x1080     60.00*+  50.00  \n"
      "   3840x2160     30.00  \n   1280x720      50.00    60.00  \nDUMMY1 disconnected\nDUMMY2 disconnected\n";

} // namespace

class TstDisplayModels : public QObject
{
    Q_OBJECT

    ScratchSysroot m_root; // HOME of the user settings too

private slots:
    void parse_data()
    {
        columns<QString, QString>(); // xrandr's text, the outputs read
        row("markers apart", "HDMI-1 connected\n   1280x720      60.00 +\n   720x480 59.94 * *+\n",
            "HDMI-1:1280x720=60.00;720x480=59.94");
        row("dummy server", kDummyServer, "DUMMY0:1920x1080=60.00+,50.00;3840x2160=30.00;1280x720=50.00,60.00");
        // Mode lines under a disconnected header join the output read before it, or none.
        row("modes below disconnected",
            "HDMI-2 disconnected\n   640x480 60.00*\nHDMI-1 connected\n   720x576 50.00\nHDMI-3 disconnected\n"
            "   640x480 60\n",
            "HDMI-1:720x576=50.00;640x480=60");
        row("not xrandr", "Can't open display :0\n", "");
    }
    void parse()
    {
        const auto [text, outputs] = fetch<QString, QString>();
        QStringList seen; // "NAME:mode=rate,rate;mode=rate|NAME..."
        for (const auto& o : ScreenConfig::parse(text)) {
            QStringList modes;
            for (const auto& m : o.modes)
                modes << m.name + "=" + m.rates.join(',');
            seen << o.name + ":" + modes.join(';');
        }
        QCOMPARE(seen.join('|'), outputs);
    }

    // xrandr runs through bash; what it prints fills the model, and the indices are checked both ways.
    void lookups()
    {
        RecordingRunner runner;
        runner.answer(".*xrandr -q\"", QByteArray(kDummyServer) + "HDMI-2 connected\n   1280x720 60.00\n");
        ScreenConfig screens;
        QCOMPARE(runner.lines(), QStringList {m_root.root() + "/bin/bash -c \"xrandr -q\""});
        QCOMPARE(QList({screens.numOfMode(-1), screens.numOfMode(0), screens.numOfMode(1), screens.numOfMode(2)}),
            QList({0, 3, 1, 0}));
        QString name;
        QList<QString> rates;
        for (const auto& [index, output] : {std::pair {3, 0}, {-1, 0}, {0, 2}, {1, 1}})
            QVERIFY2(!screens.mode(index, name, rates, output), qPrintable(QString::number(index)));
        QVERIFY(screens.mode(2, name, rates, 0));
        QCOMPARE(name + "@" + rates.join(','), "1280x720@50.00,60.00");
        QCOMPARE(screens.getOutputByName("HDMI-2"), 1);
        for (const char* other : {"", "DUMMY", "hdmi-2", "HDMI-3"})
            QCOMPARE(screens.getOutputByName(other), 0);

        RecordingRunner one; // installed over the first one while it lives
        one.answer(".*", "HDMI-2 connected\n");
        screens.refresh(true);
        QCOMPARE(screens.numOfOutput() + screens.getOutputByName("HDMI-2"), 1);

        // A mode's line count for the task bar; the primary output's offset is 0 unless the pipeline printed a number.
        for (const auto& [mode, height] : {std::pair {"3840x2160", 2160}, {"1920x1080i", 1080}, {"1080", 0}})
            QCOMPARE(ScreenConfig::modeHeight(mode), height);
        RecordingRunner pipeline;
        pipeline.answer(".*", "1920x1080\n");
        QCOMPARE(DisplayCmd::primaryOutputX(), 0);
    }

    // Sections named "Screen" (in that case) whose "Connected" is "True" in any case, in name order.
    void connectedScreens()
    {
        QVERIFY(m_root.write(Paths::ScreenConf.path,
            "# by hand\n[Screen3] ; third\nConnected = TRUE\nName = HDMI-3\nMode = 1280x720 # hd\n"
            "[Screen1]\nConnected=True\nName=HDMI-1\nMode=3840x2160\nRate=60.00+\n"
            "[Screen2]\nConnected = False\nName = HDMI-2\n[Screen4]\nConnected = yes\n"
            "[Overscan]\nConnected = True\n[screen5]\nConnected = True\n"));
        ScreenConfFile conf;
        QVERIFY(conf.load());
        QStringList seen;
        for (const auto& s : conf.connectedScreens())
            seen << QStringLiteral("%1,%2,%3@%4,%5>%6")
                        .arg(s.section, s.name, s.mode, s.rate, s.extendMode, s.extendFrom);
        QCOMPARE(seen.join('|'), "Screen1,HDMI-1,3840x2160@60.00+,>|Screen3,HDMI-3,1280x720@,>");
    }

    // A file the strict reader refuses reads as empty and is never written over; a missing one is created by the
    // first save.
    void unreadableFiles()
    {
        const QByteArray broken = "Mode=1920x1080\n[Screen1]\nConnected=True\n";
        QVERIFY(m_root.write(Paths::ScreenConf.path, broken));
        ScreenConfFile conf;
        QVERIFY(!conf.load());
        QVERIFY(conf.connectedScreens().isEmpty());
        conf.setMode(0, "1280x720", "60.00");
        QVERIFY(!conf.save());
        QCOMPARE(m_root.read(Paths::ScreenConf.path), broken);

        QFile::remove(m_root.path(Paths::ScreenConf.path));
        QVERIFY(!conf.load());
        conf.setMode(0, "1280x720", "60.00");
        QVERIFY(conf.save());
        QCOMPARE(m_root.read(Paths::ScreenConf.path), "[Screen1]\nMode=1280x720\nRate=60.00\n");
    }

    // A copy of the main output drops every secondary monitor's arrangement (an extension written by output position
    // is the page suite's).
    void duplicateArrangement()
    {
        QVERIFY(m_root.write(Paths::ScreenConf.path,
            "[Screen1]\nConnected = True\nName = HDMI-1\n[Screen2]\nConnected = True\nName = HDMI-2\n"
            "ExtendMode = right\nExtendFrom = HDMI-1\n[Screen3]\nName = HDMI-3\nExtendMode = Right\nExtendFrom = "
            "HDMI-2\n"));
        ScreenConfFile conf;
        QVERIFY(conf.load());
        conf.setArrangement(ScreenConfFile::Duplicate, conf.connectedScreens());
        QVERIFY(conf.save());
        QCOMPARE(m_root.read(Paths::ScreenConf.path),
            "[Screen1]\nConnected=True\nName=HDMI-1\n\n[Screen2]\nConnected=True\n"
            "Name=HDMI-2\n\n[Screen3]\nName=HDMI-3\n");
    }

    // The margin is read in base 10 first; clearOverscan() looks at the other spelling, "OverScan", and clears the
    // margin when that holds anything but 0, even words.
    void overscan()
    {
        for (const auto& [file, margin, cleared] : {std::tuple {"[Overscan]\nMargin = 010\n", 10, false},
                 {"[OverScan]\nMargin = on\n[Overscan]\nMargin = 5\n", 5, true}}) {
            QVERIFY(m_root.write(Paths::ScreenConf.path, file));
            ScreenConfFile conf;
            QVERIFY(conf.load());
            QCOMPARE(conf.overscanMargin(), margin);
            QCOMPARE(conf.clearOverscan(), cleared);
            QCOMPARE(conf.overscanMargin(), cleared ? 0 : margin);
            conf.setOverscanMargin(70);
            QVERIFY(conf.save());
            QVERIFY(m_root.read(Paths::ScreenConf.path).contains("[Overscan]\nMargin=70\n"));
        }
    }

    // The three readings of the file with the lenient reader: the settings' main output size, the home screen's size
    // (P: the primary screen's given size, D: 1920 x 1080 when it has none) and whether output 2 extends the main one.
    void readings_data()
    {
        columns<QString, QString>(); // the file, "settings' | home's | extends"
        row("first connected, any case",
            "[Display]\nConnected=True\nMode=1x2\n[Screen1]\nConnected=False\nMode=1280x720\n[screen2]\nConnected=yes\n"
            "Mode=3840x2160\n",
            "3840x2160|3840x2160|0");
        row("connected by default, nameless", "[Screen1]\nMode=720x576\n[Screen2]\nExtendMode=left\n", "-1x-1|-1x-1|0");
        row("a zero", "[Screen1]\nConnected=True\nMode=0x1080\n[Screen2]\nName=HDMI-2\nExtendMode = LEFT\n",
            "0x1080|P|1");
        row("lenient reader, extended right",
            "Mode=9x9\n[Screen1]\nConnected=True\nMode = 1280 x 720\n[Screen2]\nName=HDMI-2\nExtendMode=right\n",
            "1280x720|1280x720|1");
        row("named none", "[Screen2]\nName=none\nExtendMode=right\n", "-1x-1|-1x-1|0");
    }
    void readings()
    {
        const auto [file, expect] = fetch<QString, QString>();
        QVERIFY(m_root.write(Paths::ScreenConf.path, file.toUtf8()));
        auto text = [](QSize s) { return QStringLiteral("%1x%2").arg(s.width()).arg(s.height()); };
        const QSize home = ScreenConfFile::homeScreenSize(QSize(11, 22));
        const QString seen = text(ScreenConfFile::modeSize()) + '|' + QString(home == QSize(11, 22) ? "P" : text(home))
            + '|' + QString::number(ScreenConfFile::secondScreenExtends());
        QCOMPARE(seen, expect);
        if (expect.section('|', 1, 1) == "P")
            QCOMPARE(ScreenConfFile::homeScreenSize(QSize()), QSize(1920, 1080));
    }

    // The fields afterwards are what the server reports; a server that reports no DPMS section keeps the choice (as
    // applied, non-decreasing), which is what the preset then stores, and says so.
    void dpmsSetMode_data()
    {
        columns<QList<int>, bool, QString, QString>(); // the arguments, DPMS reported, the command lines, fields
        row("never decreasing", QList {300, 100, 200}, true, "xset +dpms|xset dpms 300 300 300", "1 11 22 33");
        row("as given", QList {60, 120, 30}, true, "xset +dpms|xset dpms 60 120 120", "1 11 22 33");
        row("not reported: 10 min kept", QList {600, -1, -1}, false, "xset +dpms|xset dpms 600 600 600",
            "1 600 600 600");
        row("not reported: off kept", QList {0, -1, -1}, false, "xset -dpms|xset s off", "0 0 0 0");
    }
    void dpmsSetMode()
    {
        const auto [args, reported, lines, expect] = fetch<QList<int>, bool, QString, QString>();
        RecordingRunner runner;
        DpmsConfig dpms; // reads nothing: no server
        runner.clear();
        runner.answer("xset q",
            QByteArray("Screen Saver:\n  timeout:  600    cycle:  600\n")
                + (reported ? "DPMS (Energy Star):\n  Standby: 11    Suspend: 22    Off: 33\n  DPMS is Enabled\n"
                            : ""));
        if (!reported)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no DPMS section.*kept"));
        dpms.setMode(args[0], args[1], args[2]);
        QCOMPARE(runner.lines().join('|'), lines + "|xset q");
        int standby = -9, suspend = -9, off = -9;
        dpms.mode(&standby, &suspend, &off);
        QCOMPARE(QStringLiteral("%1 %2 %3 %4").arg(dpms.enabled()).arg(standby).arg(suspend).arg(off), expect);
    }

    // The stored choice is applied at start-up and kept in the form it was applied in.
    void dpmsLoadPreset_data()
    {
        columns<QString, QString, QString>(); // the user's settings, the second command, "Standby Suspend Off"
        row("rewritten non-decreasing", "[DPMS]\nStandby=300\nSuspend=100\nOff=200\n", "xset dpms 300 300 300",
            "300 300 300");
        row("off keeps its growth", "[DPMS]\nStandby=600\nSuspend=1200\nOff=60\n", "xset dpms 600 1200 1200",
            "600 1200 1200");
        row("blanking off", "[DPMS]\nStandby=0\n", "xset s off", "0 0 0");
        row("no file", QString(), QString(), "-1 -1 -1");
    }
    void dpmsLoadPreset()
    {
        const auto [settings, applied, stored] = fetch<QString, QString, QString>();
        ScratchSysroot root; // a home of its own: settings files of one size written within one clock tick look alike
        if (!settings.isNull())
            QVERIFY(root.write("/home/admin/.config/Vendra/IVO.conf", settings.toUtf8()));
        RecordingRunner runner;
        DpmsConfig dpms;
        runner.clear();
        dpms.loadPreset();
        QCOMPARE(runner.lines().value(1), applied);
        const auto file = UserSettings::open();
        QStringList values;
        for (const char* key : {"DPMS/Standby", "DPMS/Suspend", "DPMS/Off"})
            values << file->value(key, -1).toString();
        QCOMPARE(values.join(' '), stored);
        QCOMPARE(QFileInfo::exists(UserSettings::path()), !settings.isNull());
    }

    // edid-decode runs only when parse-edid printed nothing; the name comes from its "Monitor name" line. No tool
    // runs for a connector without a file; a path from elsewhere goes to the shell in quotes when it would split.
    void edidDecodeAfterBlankParseEdid()
    {
        QVERIFY(m_root.write("/sys/class/drm/card0-HDMI-A-1/edid", "\0\xff"));
        RecordingRunner runner;
        runner.answer(".*parse-edid.*", " \n\t\n");
        // The older edid-decode's name line (the current one's "Display Product Name: '...'" is not read).
        runner.answer(".*edid-decode.*", "EDID version: 1.3\nMonitor name: Den Desk 24\nChecksum: 0x7a (valid)\n");
        EDIDInfo info;
        info.init("0", "1");
        QCOMPARE(info.getModelName() + '|' + info.getIdentifier(), "Den Desk 24|Den Desk 24");
        const QString r = m_root.root(), file = r + "/sys/class/drm/card0-HDMI-A-1/edid";
        QCOMPARE(runner.lines(),
            QStringList({r + "/bin/sh -c \"" + r + "/usr/bin/parse-edid < " + file + "\"",
                r + "/bin/sh -c \"" + r + "/usr/bin/edid-decode < " + file + "\""}));
        runner.clear();
        EDIDInfo().init("0", "4");
        QCOMPARE(runner.lines(), QStringList());
        QVERIFY(m_root.write("/tmp/it's $HOME; x/edid", "x"));
        EDIDInfo().init(m_root.path("/tmp/it's $HOME; x/edid"));
        QCOMPARE(
            runner.calls().value(0).args.value(1), r + "/usr/bin/parse-edid < '" + r + "/tmp/it'\\''s $HOME; x/edid'");
    }
};

QTEST_GUILESS_MAIN(TstDisplayModels)
#include "tst_displaymodels.moc"
