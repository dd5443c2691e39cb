// The display models on the simulated appliance: layouts, blanking on X.Org's dummy server, the real EDID tools.
#include "DataRows.h"
#include "ScratchSysroot.h"
#include "appliance/Paths.h"
#include "display/DisplayCommands.h"
#include "display/DpmsConfig.h"
#include "display/EDIDInfo.h"
#include "display/ScreenConfFile.h"
#include "display/ScreenConfig.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTest>

namespace {

QString src(const QString& path) { return qEnvironmentVariable("IVO_SOURCE_DIR") + path; }

// Standard output of a program run with the test's environment.
QString output(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

template<class List> QStringList names(const List& list)
{
    QStringList out;
    for (const auto& o : list)
        out << o.name;
    return out;
}

QString dpms(const DpmsConfig& d)
{
    int standby = -9, suspend = -9, off = -9;
    d.mode(&standby, &suspend, &off);
    return QStringLiteral("%1 %2 %3 %4").arg(d.enabled()).arg(standby).arg(suspend).arg(off);
}

} // namespace

class TstDisplaySim : public QObject
{
    Q_OBJECT

    ScratchSysroot m_root; // the simulator's sysroot, IVO_SYSROOT and HOME

    bool setting(const QByteArray& lines) const { return m_root.write("/sim/settings", lines); }
    QString xrandrQuery() const { return output(m_root.path("/sim/bin/xrandr"), {"-q"}); }

private slots:
    void initTestCase()
    {
        qputenv("IVO_SIM_ROOT", m_root.root().toLocal8Bit());
        qputenv("IVO_BIN", (qEnvironmentVariable("IVO_BINARY_DIR") + "/bin/ivo").toLocal8Bit());
        QCOMPARE(QProcess::execute(src("/sim/ivo-sim"), {"setup"}), 0);
        qputenv("PATH", (m_root.root() + "/sim/bin:").toLocal8Bit() + qgetenv("PATH"));
        const QString display = output(src("/sim/xorg-dummy"), {"start", m_root.path("/sim/xorg")}).trimmed();
        QVERIFY2(display.startsWith(':'), "X.Org's server with the dummy driver did not start");
        qputenv("DISPLAY", display.toLocal8Bit());
    }
    void cleanupTestCase() { QProcess::execute(src("/sim/xorg-dummy"), {"stop", m_root.path("/sim/xorg")}); }
    void init()
    {
        QVERIFY(setting("XRANDR_OUTPUTS=real\n"));
        QVERIFY(m_root.write(Paths::ScreenConf.path,
            "[Screen1]\nName = HDMI-1\nConnected = True\nMode = 1920x1080\n\n[Screen2]\nName = none\nConnected = "
            "False\n"));
    }

    void layouts_data()
    {
        columns<QByteArray, int, QStringList, int, QString>(); // settings, arrangement, outputs, primary's x, screen
        const QStringList three {"HDMI-1", "HDMI-2", "HDMI-3"};
        // Main output 1920 wide, the second 1920, the third 3840: left of left of the main one.
        row("three, extend to left", QByteArray("XRANDR_OUTPUTS=3\n"), 2, three, 5760, QString("7680 x 2160"));
        row("three, extend to right", QByteArray("XRANDR_OUTPUTS=3\n"), 1, three, 0, QString("7680 x 2160"));
        row("five, counted from 0", QByteArray("XRANDR_OUTPUTS=5\nXRANDR_NAMES=HDMI-A-\n"), 0,
            QStringList {"HDMI-A-0", "HDMI-A-1", "HDMI-A-2", "HDMI-A-3", "HDMI-A-4"}, 0, QString("3840 x 2160"));
    }
    // The hot-plug script names the outputs, the model reads them, the arrangement moves the primary output.
    void layouts()
    {
        const auto [settings, arrangement, outputs, primaryX, screen]
            = fetch<QByteArray, int, QStringList, int, QString>();
        QVERIFY(setting(settings));
        DisplayCmd::applyArrangement();
        ScreenConfFile conf;
        QVERIFY(conf.load());
        QCOMPARE(names(conf.connectedScreens()), outputs);
        QCOMPARE(names(ScreenConfig().outputs()), outputs);
        conf.setArrangement(ScreenConfFile::Arrangement(arrangement), conf.connectedScreens());
        QVERIFY(conf.save());
        DisplayCmd::applyArrangement();
        QCOMPARE(DisplayCmd::primaryOutputX(), primaryX);
        QVERIFY2(xrandrQuery().startsWith("Screen 0: minimum 320 x 200, current " + screen + ","), qPrintable(screen));
    }

    // Screen blanking on the dummy server through the xset stand-in, read back from the server's answer.
    void blanking()
    {
        QFile::remove(m_root.path("/sim/xset.json"));
        QTest::failOnWarning(QRegularExpression("no DPMS section")); // the values are the server's, not the choice
        DpmsConfig d;
        QCOMPARE(dpms(d), "1 600 600 600");
        d.setMode(1200, -1, -1);
        QCOMPARE(dpms(d), "1 1200 1200 1200");
        d.setMode(0, -1, -1);
        QCOMPARE(dpms(d), "0 0 0 0");
        QVERIFY(output("xset", {"q"}).contains("  timeout:  0    cycle:  600\n")); // the real server's screen saver
    }

    // The real parse-edid and edid-decode on the empty EDID file of a port without a monitor: no name.
    void unpluggedMonitor()
    {
        QVERIFY(setting("XRANDR_OUTPUTS=2\n"));
        xrandrQuery(); // the monitors of this layout are plugged in
        EDIDInfo info;
        info.init("0", "3");
        QCOMPARE(info.getModelName() + info.getIdentifier(), QString());
    }
};

QTEST_GUILESS_MAIN(TstDisplaySim)
#include "tst_displaysim.moc"
