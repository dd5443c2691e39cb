// The outputs and modes read from xrandr's query, the screen configuration file shared with the hot-plug script, and
// the display scripts' command lines.
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "appliance/Paths.h"
#include "display/DisplayCommands.h"
#include "display/ScreenConfFile.h"
#include "display/ScreenConfig.h"

#include <QTest>

namespace {

// Outputs as "NAME:mode=rate,rate;mode=rate|NAME...".
QString picture(const QList<ScreenConfig::outputConfig_s>& outputs)
{
    QStringList out;
    for (const auto& o : outputs) {
        QStringList modes;
        for (const auto& m : o.modes)
            modes << m.name + "=" + m.rates.join(',');
        out << o.name + ":" + modes.join(';');
    }
    return out.join('|');
}

// Connected outputs of the file as "section,name,mode@rate,extendMode>extendFrom|...".
QString picture(const QList<ScreenConfFile::screenInfo_s>& screens)
{
    QStringList out;
    for (const auto& s : screens)
        out << QStringLiteral("%1,%2,%3@%4,%5>%6").arg(s.section, s.name, s.mode, s.rate, s.extendMode, s.extendFrom);
    return out.join('|');
}

const char* const kRotations = "(normal left inverted right x axis y axis)";

// The X.Org dummy driver's answer, as the real xrandr prints it (cut after a few modes and outputs).
const char* const kDummyServer = "Screen 0: minimum 64 x 64, current 1920 x 1080, maximum 32767 x 32767\n"
                                 "DUMMY0 connected primary 1920x1080+0+0 0mm x 0mm\n"
                                 "   1920x1080     60.00*+  50.00  \n"
                                 "   3840x2160     30.00  \n"
                                 "   1280x720      50.00    60.00  \n"
                                 "DUMMY1 disconnected\n"
                                 "DUMMY2 disconnected\n";

} // namespace

class TstScreenConfig : public QObject
{
    Q_OBJECT

    ScratchSysroot m_root;
    QString confPath() const { return m_root.path(Paths::ScreenConf.path); }

private slots:
    void parse_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("outputs");
        auto row = [](const char* name, const QString& text, const char* outputs) {
            QTest::newRow(name) << text << QString(outputs);
        };
        row("markers, blanks",
            QStringLiteral("HDMI-1 connected primary 1920x1080+0+0 %1 598mm x 336mm\n"
                           "   1920x1080     60.00*+  50.00    59.94  \n")
                .arg(kRotations),
            "HDMI-1:1920x1080=60.00+,50.00,59.94");
        row("markers apart", "HDMI-1 connected\n   1280x720      60.00 +\n   720x480 59.94 * *+\n",
            "HDMI-1:1280x720=60.00;720x480=59.94");
        row("dummy server", kDummyServer, "DUMMY0:1920x1080=60.00+,50.00;3840x2160=30.00;1280x720=50.00,60.00");
        row("outputs between disconnected ones",
            QStringLiteral("HDMI-1 connected primary 3840x2160+1920+0 %1 1210mm x 680mm\n"
                           "   3840x2160     60.00*+  50.00  \n   1920x1080i    60.00  \nDP-1 disconnected %1\n"
                           "HDMI-2 connected %1\n   1920x1080     60.00 +\nHDMI-4 disconnected %1\n")
                .arg(kRotations),
            "HDMI-1:3840x2160=60.00+,50.00;1920x1080i=60.00|HDMI-2:1920x1080=60.00");
        // Mode lines under a disconnected header join the output read before it, or none.
        row("modes below disconnected",
            "HDMI-2 disconnected\n   640x480 60.00*\nHDMI-1 connected\n   720x576 50.00\nHDMI-3 disconnected\n   "
            "640x480 60\n",
            "HDMI-1:720x576=50.00;640x480=60");
        row("not xrandr", "Can't open display :0\n", "");
    }
    void parse()
    {
        QFETCH(QString, text);
        QFETCH(QString, outputs);
        QCOMPARE(picture(ScreenConfig::parse(text)), outputs);
    }

    // xrandr runs through bash; what it prints fills the model, and the indices are checked both ways.
    void refreshAndLookups()
    {
        RecordingRunner runner;
        runner.answer(".*xrandr -q\"", QByteArray(kDummyServer) + "HDMI-2 connected\n   1280x720 60.00\n");
        ScreenConfig screens;
        QCOMPARE(runner.lines(), QStringList {m_root.root() + "/bin/bash -c \"xrandr -q\""});
        QCOMPARE(QList({screens.numOfMode(-1), screens.numOfMode(0), screens.numOfMode(1), screens.numOfMode(2)}),
            QList({0, 3, 1, 0}));
        QString name = "kept";
        QList<QString> rates {"kept"};
        for (const auto& [index, output] : {std::pair {3, 0}, {-1, 0}, {0, 2}, {0, -1}, {1, 1}})
            QVERIFY2(!screens.mode(index, name, rates, output), qPrintable(QString::number(index)));
        QCOMPARE(name + rates.join(','), "keptkept");
        QVERIFY(screens.mode(2, name, rates, 0));
        QCOMPARE(name + "@" + rates.join(','), "1280x720@50.00,60.00");
        QCOMPARE(screens.getOutputByName("HDMI-2"), 1);
        for (const char* other : {"", "DUMMY", "hdmi-2", "HDMI-3"})
            QCOMPARE(screens.getOutputByName(other), 0);

        RecordingRunner one; // installed over the first one while it lives
        one.answer(".*", "HDMI-2 connected\n");
        screens.refresh(true);
        QCOMPARE(screens.numOfOutput() + screens.getOutputByName("HDMI-2"), 1);
        RecordingRunner failing;
        failing.failToStart(".*");
        screens.refresh(true);
        QCOMPARE(screens.numOfOutput(), 0);
    }

    // The task bar follows the line count of a newly chosen mode.
    void modeHeight()
    {
        for (const auto& [mode, height] :
            {std::pair {"3840x2160", 2160}, {"1920x1080i", 1080}, {"1080", 0}, {"x", 0}, {"1920x1080ii", 0}})
            QCOMPARE(ScreenConfig::modeHeight(mode), height);
    }

    void connectedScreens_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("screens");
        QTest::newRow("sorted, connected only")
            << QByteArray("# by hand\n[Screen3] ; third\nConnected = TRUE\nName = HDMI-3\nMode = 1280x720 # hd\n"
                          "[Screen1]\nConnected=True\nName=HDMI-1\nMode=3840x2160\nRate=60.00+\n"
                          "[Screen2]\nConnected = False\nName = HDMI-2\n[Screen4]\nConnected = yes\n"
                          "[Overscan]\nConnected = True\n[screen5]\nConnected = True\n")
            << "Screen1,HDMI-1,3840x2160@60.00+,>|Screen3,HDMI-3,1280x720@,>";
        QTest::newRow("arrangement and six outputs")
            << QByteArray("[Screen1]\nConnected=True\nName=A\n[Screen2]\nConnected=True\nName=B\nExtendMode=left\n"
                          "ExtendFrom=A\n[Screen3]\nConnected=True\n[Screen4]\nConnected=True\n[Screen5]\n"
                          "Connected=True\n[Screen6]\nConnected=True\nName=F\n")
            << "Screen1,A,@,>|Screen2,B,@,left>A|Screen3,,@,>|Screen4,,@,>|Screen5,,@,>|Screen6,F,@,>";
    }
    void connectedScreens()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, screens);
        QVERIFY(m_root.write(Paths::ScreenConf.path, file));
        ScreenConfFile conf;
        QCOMPARE(conf.path(), confPath());
        QVERIFY(conf.load());
        QCOMPARE(picture(conf.connectedScreens()), screens);
    }

    // A file the strict reader refuses reads as empty with the reader's message, and is never written over; a
    // missing one is created by the first save.
    void unreadableFiles()
    {
        const QByteArray broken = "Mode=1920x1080\n[Screen1]\nConnected=True\n";
        QVERIFY(m_root.write(Paths::ScreenConf.path, broken));
        ScreenConfFile conf;
        QVERIFY(!conf.load());
        QCOMPARE(conf.errorString(),
            "l.1: ini parsing failed, field has no section or ini file in use by another application");
        QVERIFY(conf.connectedScreens().isEmpty());
        conf.setMode(0, "1280x720", "60.00");
        QVERIFY(!conf.save());
        QCOMPARE(m_root.read(Paths::ScreenConf.path), broken);

        QFile::remove(confPath());
        QVERIFY(!conf.load());
        QVERIFY(conf.errorString().isEmpty());
        conf.setMode(0, "1280x720", "60.00");
        QVERIFY(conf.save());
        QCOMPARE(m_root.read(Paths::ScreenConf.path), "[Screen1]\nMode=1280x720\nRate=60.00\n");
    }

    // The secondary monitors' arrangement: written into "Screen2" onwards by output position, or dropped for a copy.
    void arrangement()
    {
        const QByteArray head
            = "[Overscan]\nMargin=0\n\n[Screen1]\nConnected=True\nName=HDMI-1\n\n[Screen2]\nConnected=True\n";
        for (const auto& [arrangement, written] : {std::pair {ScreenConfFile::ExtendLeft,
                                                       head
                                                           + "ExtendFrom=HDMI-1\nExtendMode=left\nName=HDMI-2\n\n["
                                                             "Screen3]\nConnected=True\nExtendFrom=HDMI-2\n"
                                                             "ExtendMode=left\nName=HDMI-3\n"},
                 {ScreenConfFile::Duplicate, head + "Name=HDMI-2\n\n[Screen3]\nConnected=True\nName=HDMI-3\n"}}) {
            QVERIFY(m_root.write(Paths::ScreenConf.path,
                "[Overscan]\nMargin = 0\n[Screen1]\nConnected = True\nName = HDMI-1\n[Screen2]\nConnected = True\n"
                "Name = HDMI-2\nExtendMode = right\nExtendFrom = HDMI-3\n[Screen3]\nConnected = True\n"
                "Name = HDMI-3\nExtendMode = Right\nExtendFrom = HDMI-1\n"));
            ScreenConfFile conf;
            QVERIFY(conf.load());
            conf.setArrangement(arrangement, conf.connectedScreens());
            QVERIFY(conf.save());
            QCOMPARE(m_root.read(Paths::ScreenConf.path), written);
            QVERIFY(conf.load());
            QCOMPARE(ScreenConfFile::arrangementOf(conf.connectedScreens().value(1).extendMode), int(arrangement));
        }
    }

    void overscan_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("margin");
        QTest::addColumn<QString>("error");
        QTest::addColumn<bool>("cleared"); // by clearOverscan(), which looks at "OverScan"
        auto row = [](const char* name, const QByteArray& file, int margin, const char* error, bool cleared) {
            QTest::newRow(name) << file << margin << QString(error) << cleared;
        };
        row("decimal", "[Overscan]\nMargin = 35\n", 35, "", false);
        row("leading zero is decimal", "[Overscan]\nMargin = 010\n", 10, "", false);
        row("hexadecimal", "[Overscan]\nMargin = 0x1e\n", 30, "", false);
        row("not an int", "[Overscan]\nMargin = 3.5\n", 0, "field is not an int", false);
        row("absent", "[Screen1]\nConnected = True\n", 0, "", false);
        row("other spelling set", "[OverScan]\nMargin = 5\n[Overscan]\nMargin = 5\n", 5, "", true);
        row("other spelling garbage", "[OverScan]\nMargin = on\n", 0, "", true);
    }
    void overscan()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, margin);
        QFETCH(QString, error);
        QFETCH(bool, cleared);
        QVERIFY(m_root.write(Paths::ScreenConf.path, file));
        ScreenConfFile conf;
        QVERIFY(conf.load());
        QString reported;
        QCOMPARE(conf.overscanMargin(&reported), margin);
        QCOMPARE(reported, error);
        QCOMPARE(conf.clearOverscan(), cleared);
        QCOMPARE(conf.overscanMargin(), cleared ? 0 : margin);
        conf.setOverscanMargin(70);
        QVERIFY(conf.save());
        QVERIFY(m_root.read(Paths::ScreenConf.path).contains("[Overscan]\nMargin=70\n"));
    }

    // The three readings of the file with the lenient reader: the settings' main output size, the home screen's size
    // (P: the primary screen's given size, D: 1920 x 1080 when it has none) and whether output 2 extends the main one.
    void readings_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("expect"); // settings' | home's | extends
        auto row = [](const char* name, const QByteArray& file, const char* expect) {
            QTest::newRow(name) << file << QString(expect);
        };
        row("first connected", "[Screen1]\nConnected=False\nMode=1280x720\n[Screen2]\nConnected=True\nMode=3840x2160\n",
            "3840x2160|3840x2160|0");
        row("interlaced", "[Screen1]\nConnected=True\nMode=1920x1080i\n", "1920x0|P|0");
        row("any case", "[screen1]\nConnected=yes\nMode=720x576\n", "720x576|720x576|0");
        row("connected by default", "[Screen1]\nMode=720x576\n", "-1x-1|-1x-1|0");
        row("three parts: skipped, or decide",
            "[Screen1]\nConnected=True\nMode=1x2x3\n[Screen2]\nConnected=True\nMode=4x5\n", "4x5|-1x-1|0");
        row("not numbers", "[Display]\nConnected=True\nMode=1x2\n[Screen]\nConnected=True\nMode=wxh\n", "0x0|P|0");
        row("a zero", "[Screen1]\nConnected=True\nMode=0x1080\n[Screen2]\nName=HDMI-2\nExtendMode = LEFT\n",
            "0x1080|P|1");
        row("lenient reader, extended right",
            "Mode=9x9\n[Screen1]\nConnected=True\nMode = 1280 x 720\n[Screen2]\nName=HDMI-2\nExtendMode=right\n",
            "1280x720|1280x720|1");
        row("duplicated, none, unnamed", "[Screen2]\nName=HDMI-2\nExtendMode=\n", "-1x-1|-1x-1|0");
        row("named none", "[Screen2]\nName=none\nExtendMode=right\n", "-1x-1|-1x-1|0");
        row("nameless", "[Screen2]\nExtendMode=left\n", "-1x-1|-1x-1|0");
        row("missing file", QByteArray(), "-1x-1|-1x-1|0");
    }
    void readings()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, expect);
        QFile::remove(confPath());
        QVERIFY(file.isNull() || m_root.write(Paths::ScreenConf.path, file));
        auto text = [](QSize s) { return QStringLiteral("%1x%2").arg(s.width()).arg(s.height()); };
        const QSize home = ScreenConfFile::homeScreenSize(QSize(11, 22));
        const QString seen = text(ScreenConfFile::modeSize()) + '|' + QString(home == QSize(11, 22) ? "P" : text(home))
            + '|' + QString::number(ScreenConfFile::secondScreenExtends());
        QCOMPARE(seen, expect);
        if (expect.section('|', 1, 1) == "P")
            QCOMPARE(ScreenConfFile::homeScreenSize(QSize()), QSize(1920, 1080));
    }

    // The display scripts' command lines, and the primary output's offset read from the pipeline.
    void commands()
    {
        RecordingRunner runner;
        runner.answer(".*awk.*", "  1920\n");
        DisplayCmd::applyResolution();
        DisplayCmd::applyArrangement();
        QCOMPARE(DisplayCmd::primaryOutputX(), 1920);
        DisplayCmd::updateMargins();
        const QString r = m_root.root();
        QCOMPARE(runner.lines(),
            QStringList({r + "/bin/bash -c \"" + r + "/etc/Tellora/init.d/xrandr-hotplug.sh -fg\"",
                r + "/etc/Tellora/init.d/xrandr-hotplug.sh -fg",
                r + "/bin/bash -c \"" + r
                    + "/usr/bin/xrandr | grep primary | sed 's/.*primary//g' | sed 's/+/ /g' | awk '{print $2}'\"",
                r + "/bin/bash -c \"" + r + "/opt/bin/ivomargin -u\""}));
        for (const char* out : {"", "1920x1080\n", "-"}) {
            RecordingRunner other;
            other.answer(".*", out);
            QCOMPARE(DisplayCmd::primaryOutputX(), 0);
        }
    }
};

QTEST_GUILESS_MAIN(TstScreenConfig)
#include "tst_screenconfig.moc"
