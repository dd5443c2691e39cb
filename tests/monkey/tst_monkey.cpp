// The remote monkey: random remote keys and appliance events against the home screen, with the focus checked after
// every step; a breadth-first walk over the keys that must reach every control; and the sequences that once lost
// the focus, replayed. Offscreen the monkey plays the window manager; under an X server (run-xvfb) openbox does.
// IVO_MONKEY_SEEDS ("1 2 3") and IVO_MONKEY_STEPS choose the random runs (tests/monkey/long-run sets them).
#include "FocusWalk.h"
#include "MonkeyDriver.h"
#include "MonkeyStage.h"

#include "home/MainMWindow.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

namespace {

QtMessageHandler g_previous = nullptr;

// The program's debug lines would be most of a long run's time; warnings still show.
void quietDebug(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // The focus keeper's lines go to the failure report's history.
    if (FocusHistory* history = FocusHistory::current();
        history && context.category && std::strcmp(context.category, "ivo.focus") == 0)
        history->note(message);
    if (type != QtDebugMsg)
        g_previous(type, context, message);
}

// A failure report's first line for the test log, which cuts long messages short; the whole report goes to stderr.
QByteArray headline(const QString& report)
{
    if (!report.isEmpty())
        std::fputs(qPrintable(report), stderr);
    return report.section('\n', 0, 0).toUtf8();
}

bool realWindows() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

struct Started_s {
    MonkeyStage stage;
    MonkeyDriver driver;
    Started_s()
        : stage(realWindows())
        , driver(stage, realWindows() ? 15000 : 3000)
    {
        stage.start();
        QVERIFY(QTest::qWaitForWindowActive(stage.window(), 60000));
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
        g_previous = qInstallMessageHandler(quietDebug);
        QLoggingCategory::setFilterRules(QStringLiteral("ivo.focus.debug=true"));
    }

    void randomSteps_data()
    {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("steps");
        const QStringList seeds = qEnvironmentVariable("IVO_MONKEY_SEEDS", realWindows() ? "7 10" : "1 2 3 4")
                                      .split(' ', Qt::SkipEmptyParts);
        const int steps = qEnvironmentVariableIntValue("IVO_MONKEY_STEPS");
        for (const QString& seed : seeds)
            QTest::addRow("seed %s", qPrintable(seed)) << seed.toULongLong()
                                                       << (steps > 0              ? steps
                                                                  : realWindows() ? 1000
                                                                                  : 2500);
    }
    void randomSteps()
    {
        QFETCH(quint64, seed);
        QFETCH(int, steps);
        Started_s s;
        QString report;
        QElapsedTimer clock;
        clock.start();
        report = s.driver.run(seed, steps);
        QVERIFY2(report.isEmpty(), headline(report).constData());
        qInfo("seed %llu: %d steps, %.0f steps/s", seed, steps, steps * 1000.0 / qMax<qint64>(1, clock.elapsed()));
    }

    // From the home screen the keys reach every title-bar button and tile, and in the settings every page button,
    // every control of each page and the menus and dialogs its rows open; the focus holds everywhere on the way, it
    // shows where it is and nowhere else, and Back leads home from each place. The appliance has two outputs (the
    // Display rows scroll) with modes to choose from, a receiver with two modes and the remote slots.
    void reachability()
    {
        Started_s s;
        QString conf;
        for (int i = 1; i <= 2; ++i)
            conf += QStringLiteral("[Screen%1]\nConnected = True\nName = HDMI-%1\nMode = 1920x1080\nRate = 60.00\n")
                        .arg(i);
        s.stage.root.write("/etc/Tellora/config/screen.conf", conf.toUtf8());
        s.stage.answer(".*xrandr -q.*",
            "Screen 0: minimum 8 x 8, current 3840 x 1080, maximum 32767 x 32767\n"
            "HDMI-1 connected primary 1920x1080+0+0 (normal left inverted right x axis y axis) 510mm x 290mm\n"
            "   1920x1080     60.00*+  50.00\n   1280x720      60.00\n"
            "HDMI-2 connected 1920x1080+1920+0 (normal left inverted right x axis y axis) 510mm x 290mm\n"
            "   1920x1080     60.00*+\n");
        s.stage.answer(".*hal_app --check_ec_support", "1\n");
        s.stage.root.write("/proc/ite_8721f_cir/support", "1:NEC\n2:RC6\n");
        s.stage.root.write("/proc/ite_8721f_cir/current", "2\n");
        FocusWalk walk(s.driver);
        WalkResult_s result;
        runDriven(s.driver, [&] { result = walk.walk(walk.homeTargets() + walk.settingsTargets()); });
        qInfo("%d places reached", int(result.ways.size()));
        if (qEnvironmentVariableIsSet("IVO_MONKEY_TRACE"))
            for (auto it = result.ways.cbegin(); it != result.ways.cend(); ++it)
                qInfo("%s <- %s", qPrintable(it.key()), qPrintable(it.value().join(' ')));
        QVERIFY2(result.unreached.isEmpty(), qPrintable("not reached: " + result.unreached.join(", ")));
        QVERIFY2(
            result.noWayHome.isEmpty(), qPrintable("Back does not lead home from: " + result.noWayHome.join(", ")));
        QVERIFY2(result.broken.isEmpty(), qPrintable(result.broken.join('\n')));
        QVERIFY2(result.looks.isEmpty(), headline(result.looks.join('\n')).constData());
    }

    // Step sequences that once broke the focus, from a freshly started home screen, and where the focus ends.
    void regressions_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("place");
        // A launch disables the window and with it the message it shows: the message takes its focus back after.
        QTest::newRow("message over a launch") << "msg Cinema, lap Cinema, app closes, wait 10"
                                               << "InfoDialog/pbtYes";
        // Launched while the title bar had the focus: the grid takes it back showing its tile.
        QTest::newRow("launch from the title bar") << "Up, lap Cinema, wait 10, app closes"
                                                   << "MainMWindow/MultiIconViewV#0";
        // A second OK read before the chooser has the focus goes to the chooser (and closes it), not to the button
        // that opened it, which would open a second chooser inside the first.
        QTest::newRow("audio button twice") << "Up, Right, twice OK, Down"
                                            << "MainMWindow/MultiIconViewV#0";
        // Likewise the language button: a second menu inside the first would be left open by Back.
        QTest::newRow("language button twice") << "twice Up, twice OK, Back"
                                               << "MainMWindow/frmlang";
        // Opened while a launch waits, the settings are disabled with the home window: enabled again, they take the
        // focus on their page button. (The launch's wait runs on the steps' time only without real windows.)
        if (!realWindows()) {
            QTest::newRow("settings during a launch") << "lap Cinema, Power, settings Open, Left, wait"
                                                      << "SettingsDialog/rbtApp";
            // Opened over a message that waits for its answer: the message stays in front with its focus. (With
            // real windows the launch before it may still wait at the end, and the home window shows its lights.)
            QTest::newRow("settings over a message") << "lap Cinema, app closes, msg Cinema, settings Open, wait"
                                                     << "InfoDialog/pbtYes";
        }
        // Logged out with a second OK on its way: the program ends with it, and starts again on its grid.
        QTest::newRow("log-out, OK again") << "Up, Right, Right, Right, OK, OK"
                                           << "MainMWindow/MultiIconViewV#0";
        QTest::newRow("log-out, a package installed") << "Up, Right, Right, Right, OK, install Maps"
                                                      << "MainMWindow/MultiIconViewV#0";
        // A menu opened while the settings come up, and left in front of them: it still takes the remote's keys.
        QTest::newRow("menu over the settings") << "twice Up, settings Open, OK, settings Close, Back"
                                                << "MainMWindow/frmlang";
        // Keys that follow the settings' opening: without real windows the settings have the keys once shown; a
        // window manager hands them over in its own time.
        if (!realWindows()) {
            // The settings closed by the appliance's command while a row's menu was up: the menu goes with them,
            // and the settings open again with the focus.
            QTest::newRow("settings closed under a menu") << "settings Open, wait, Down, twice Down, OK, Down, Right, "
                                                             "Up, settings Close, Down, settings Open, wait"
                                                          << "SettingsDialog/rbtApp";
            // The settings closed by the appliance's command while a dialog of theirs was up: the dialog goes with
            // them, and the home screen has the focus.
            QTest::newRow("settings closed under the learning dialog")
                << "settings Open, wait, Down, Down, Down, OK, Down, Down, Down, OK, settings Close"
                << "MainMWindow/MultiIconViewV#0";
            QTest::newRow("settings closed under the input-method list")
                << "settings Open, wait, Down, Down, Down, OK, Down, Right, Down, OK, settings Close"
                << "MainMWindow/MultiIconViewV#0";
            // The home's language menu opened over the settings, which then closed and opened again: the window
            // layer still had the settings in focus, and the widgets had followed nothing while the menu was up.
            QTest::newRow("settings reopened past a menu")
                << "Up, OK, Up, settings Open, OK, Up, Up, settings Close, wait, settings Open"
                << "SettingsDialog/rbtApp";
            // The task bar switched on: the program restarts to show it.
            QTest::newRow("task bar applied") << "settings Open, wait, Down, OK, Up, OK, Left, OK"
                                              << "MainMWindow/MultiIconViewV#0";
            // The tiles changed under the one-app page: Left leads back to the grid with a tile shown selected.
            QTest::newRow("packages change under the one-app page")
                << "remove Cinema, remove Gallery, remove Radio, remove News, remove Games, remove Weather, "
                   "settings Open, wait, OK, OK, install Maps, remove Maps, Left"
                << "SettingsDialog/MultiIconViewV#0";
        }
    }
    void regressions()
    {
        QFETCH(QString, steps);
        QFETCH(QString, place);
        Started_s s;
        s.stage.answer(".*hal_app --check_ec_support", "1\n"); // the learned-remote slots on the Preferences page
        const QString report = s.driver.replay(steps.split(", "));
        QVERIFY2(report.isEmpty(), headline(report).constData());
        QCOMPARE(s.driver.lastPlace(), place);
    }

private:
    QTemporaryDir m_cwd;
};

QTEST_MAIN(TstMonkey)
#include "tst_monkey.moc"
