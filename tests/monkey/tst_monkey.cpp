// The remote monkey: random keys and appliance events with the focus checked after every step, a walk that must
// reach every control, and step sequences that once lost the focus. Offscreen the monkey plays the window manager;
// under run-xvfb openbox does. IVO_MONKEY_SEEDS ("1 2 3") and IVO_MONKEY_STEPS choose the random runs.
#include "DataRows.h"
#include "FocusWalk.h"

#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdio>

namespace {

// The test log cuts long messages short: the whole report goes to stderr.
QByteArray headline(const QString& report)
{
    std::fputs(qPrintable(report), stderr);
    return report.section('\n', 0, 0).toUtf8();
}

bool realWindows() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

struct Started_s : Monkey {
    Started_s()
        : Monkey(realWindows(), realWindows() ? 15000 : 3000)
    {
        start();
        QVERIFY(QTest::qWaitForWindowActive(window(), 60000));
    }
};

} // namespace

class TstMonkey : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_cwd.isValid());
        QDir::setCurrent(m_cwd.path());
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false")); // most of a long run's time otherwise
    }

    void randomSteps_data()
    {
        columns<quint64, int>();
        const int steps = qEnvironmentVariableIntValue("IVO_MONKEY_STEPS");
        for (const QString& seed :
            qEnvironmentVariable("IVO_MONKEY_SEEDS", realWindows() ? "7 10" : "1 2 3 4").split(' ', Qt::SkipEmptyParts))
            row("seed " + seed.toUtf8(), seed.toULongLong(), steps > 0 ? steps : realWindows() ? 1000 : 2500);
    }
    void randomSteps()
    {
        const auto [seed, steps] = fetch<quint64, int>();
        Started_s s;
        const QString report = s.run(seed, steps);
        QVERIFY2(report.isEmpty(), headline(report).constData());
    }

    // The walk, with two outputs (the Display rows scroll), a receiver with two modes and the remote slots.
    void reachability()
    {
        Started_s s;
        s.root.write("/etc/Tellora/config/screen.conf",
            "[Screen1]\nConnected = True\nName = HDMI-1\nMode = 1920x1080\nRate = 60.00\n"
            "[Screen2]\nConnected = True\nName = HDMI-2\nMode = 1920x1080\nRate = 60.00\n");
        s.answer(".*xrandr -q.*",
            "Screen 0: minimum 8 x 8, current 3840 x 1080, maximum 32767 x 32767\n"
            "HDMI-1 connected primary 1920x1080+0+0 (normal left inverted right x axis y axis) 510mm x 290mm\n"
            "   1920x1080     60.00*+  50.00\n   1280x720      60.00\n"
            "HDMI-2 connected 1920x1080+1920+0 (normal left inverted right x axis y axis) 510mm x 290mm\n"
            "   1920x1080     60.00*+\n");
        s.answer(".*hal_app --check_ec_support", "1\n");
        s.root.write("/proc/ite_8721f_cir/support", "1:NEC\n2:RC6\n");
        s.root.write("/proc/ite_8721f_cir/current", "2\n");
        FocusWalk walk(s);
        runDriven([&] { walk.walk(); });
        QVERIFY2(walk.unreached.isEmpty(), qPrintable("not reached: " + walk.unreached.join(", ")));
        QVERIFY2(walk.noWayHome.isEmpty(), qPrintable("Back does not lead home from: " + walk.noWayHome.join(", ")));
        QVERIFY2(walk.broken.isEmpty(), qPrintable(walk.broken.join('\n')));
        QVERIFY2(walk.looks.isEmpty(), headline(walk.looks.join('\n')).constData());
    }

    // Step sequences that once broke the focus, from a freshly started home screen, and where the focus ends.
    void regressions_data()
    {
        columns<QString, QString>();
        // A launch disables the window and its message: the message takes its focus back after.
        row("message over a launch", "msg Cinema, lap Cinema, app closes, wait 10", "InfoDialog/pbtYes");
        row("launch from the title bar", "Up, lap Cinema, wait 10, app closes", "MainMWindow/MultiIconViewV#0");
        // A second OK read before the chooser or menu has the focus goes to it, and opens no second one.
        row("audio button twice", "Up, Right, twice OK, Down", "MainMWindow/MultiIconViewV#0");
        row("language button twice", "twice Up, twice OK, Back", "MainMWindow/frmlang");
        row("log-out, OK again", "Up, Right, Right, Right, twice OK", "MainMWindow/MultiIconViewV#0");
        row("log-out, a package installed", "Up, Right, Right, Right, OK, install Maps",
            "MainMWindow/MultiIconViewV#0");
        row("menu over the settings", "twice Up, settings Open, OK, settings Close, Back", "MainMWindow/frmlang");
        // A window manager hands the keys to the settings in its own time, and a launch's wait runs on real time.
        if (realWindows())
            return;
        // Disabled with the home window by a launch, the settings take the focus back on their page button.
        row("settings during a launch", "lap Cinema, Power, settings Open, Left, wait", "SettingsDialog/rbtApp");
        row("settings over a message", "lap Cinema, app closes, msg Cinema, settings Open, wait", "InfoDialog/pbtYes");
        // Closed by the appliance under a menu or a dialog of theirs: what was open goes with them.
        row("settings closed under a menu",
            "settings Open, wait, Down, twice Down, OK, Down, Right, Up, settings Close, Down, settings Open, wait",
            "SettingsDialog/rbtApp");
        row("settings closed under the learning dialog",
            "settings Open, wait, Down, Down, Down, OK, Down, Down, Down, OK, settings Close",
            "MainMWindow/MultiIconViewV#0");
        row("settings closed under the input-method list",
            "settings Open, wait, Down, Down, Down, OK, Down, Right, Down, OK, settings Close",
            "MainMWindow/MultiIconViewV#0");
        row("settings reopened past a menu",
            "Up, OK, Up, settings Open, OK, Up, Up, settings Close, wait, settings Open", "SettingsDialog/rbtApp");
        row("task bar applied", "settings Open, wait, Down, OK, Up, OK, Left, OK", "MainMWindow/MultiIconViewV#0");
        row("packages change under the one-app page",
            "remove Cinema, remove Gallery, remove Radio, remove News, remove Games, remove Weather, settings Open, "
            "wait, OK, OK, install Maps, remove Maps, Left",
            "SettingsDialog/MultiIconViewV#0");
    }
    void regressions()
    {
        const auto [steps, place] = fetch<QString, QString>();
        Started_s s;
        s.answer(".*hal_app --check_ec_support", "1\n"); // the learned-remote slots on the Preferences page
        const QString report = s.replay(steps.split(", "));
        QVERIFY2(report.isEmpty(), headline(report).constData());
        QCOMPARE(s.lastPlace(), place);
    }

private:
    QTemporaryDir m_cwd;
};

QTEST_MAIN(TstMonkey)
#include "tst_monkey.moc"
