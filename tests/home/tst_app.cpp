// The program's start-up before and around the event loop, and the keeper of the active window against a stand-in X
// server (the window above closed and Qt missed the focus-in).
#include "HomeFixture.h"
#include "app/FocusKeeper.h"
#include "app/Startup.h"

#include <QMenu>
#include <QWindow>

#include <atomic>

namespace {

constexpr quint64 kGone = 0x5c0001; // a window the window manager names that is no longer there

// The X server as the rows name its windows ("unnamed": the window manager names no active one), and what the keeper
// did there.
struct Desk_s {
    QWidget home;
    QWidget closed {&home, Qt::Tool}; // the window that was above, gone
    QString xFocus, wmActive;
    int looks = 0;
    QStringList did;
    FocusKeeper::XServer_s x(const QString& focus, const QString& active)
    {
        xFocus = focus, wmActive = active;
        home.setObjectName("home");
        const auto id = [this](const QString& name) {
            return QMap<QString, quint64> {{"home", home.winId()}, {"closed", closed.winId()}, {"other", 0x5a0001},
                {"wm", 0x5b0001}, {"gone", kGone}}
                .value(name);
        };
        const auto doing = [this](const QString& what) {
            return [this, what](QWidget* w) {
                did << what + ' ' + w->objectName();
                QApplication::setActiveWindow(w); // what Qt does on the focus-in
            };
        };
        return {[this, id] { return ++looks, id(xFocus); },
            [this, id] { return wmActive == "unnamed" ? std::nullopt : std::optional<quint64>(id(wmActive)); },
            [](quint64 w) { return w != kGone; },
            [this, doing](quint64 w) { doing("refocus")(w == home.winId() ? &home : &closed); }, doing("activate"),
            doing("adopt")};
    }
};

} // namespace

class TstApp : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageResources::registerAll(); }

    // Start-up from the appliance's files. Expected: variables | command lines in order (%R the sysroot) | title
    // layouts in rc.xml | the waits in seconds ("/share/late" appears at the second).
    void sequence_data()
    {
        columns<QString, QString>(); // the appliance, what start-up did
        QTest::newRow("task bar on, the enabled entry")
            << "@settings\n[TaskBar]\nEnable=TRUE\n@/etc/config/Model_Name.conf\n  TLR-440  \n"
               "second\n@/etc/config/BOOT.conf\nTLR_X86\n@/etc/platform.conf\nPlatform = X\nDISPLAY_NAME = HDMI-1   \n"
               "@run/foo\n@run/bar\n@run/.hidden\n@/etc/config/bento.conf\n[foo]\nEnable = TRUE\n[bar]\nEnable = "
               "FALSE\n[.hidden]\nEnable = TRUE\n@rc\n<openbox_config xmlns=\"http://openbox.org/3.4/rc\"><theme><name>"
               "Night</name><titleLayout>NLIMC</titleLayout></theme><desktops><number>1</number></desktops>"
               "</openbox_config>\n"
            << "TLR-440,TLR_X86,HDMI-1,Tellora|sh -c \"ivomargin -u\",%R/usr/bin/killall -USR1 tint2,"
               "%R/etc/Tellora/init.d/xrandr-hotplug.sh,%R/home/admin/.autorun/foo|NLIMC|3";
        QTest::newRow("yes is not true, a layout added, a preset variable, = first, enabled with a blank")
            << "@settings\n[TaskBar]\nEnable=yes\n@MODEL_NAME\nMine@/etc/config/Model_Name.conf\n"
               "TLR-440\n@/etc/platform.conf\n=DISPLAY_NAME=bad\nX DISPLAY_NAME = DP-2\n@run/Spaced\n"
               "@/etc/config/bento.conf\n[Spaced]\nEnable = true \n@rc\n<openbox_config "
               "xmlns=\"http://openbox.org/3.4/rc\"><theme><name>Night</name></theme><desktops><number>1</number>"
               "</desktops></openbox_config>\n"
            << "Mine,,DP-2,Tellora|sh -c \"ivomargin -u\","
               "%R/etc/Tellora/init.d/xrandr-hotplug.sh,%R/home/admin/.autorun/Spaced|NLC|3";
        QTest::newRow("no theme, no files, ten seconds for a missing link target, then started")
            << "@run/link\n->/share/missing@/etc/config/bento.conf\n[link]\nEnable = TRUE\n@rc\n<openbox_config "
               "xmlns=\"http://openbox.org/3.4/rc\"><other><name>Night</name><titleLayout>NLIMC</titleLayout></other>"
               "<desktops><number>1</number></desktops></openbox_config>\n"
            << ",,<unset>,Tellora|%R/etc/Tellora/init.d/xrandr-hotplug.sh,%R/home/admin/.autorun/link|"
               "NLIMC|1 1 1 1 1 1 1 1 1 1 3";
        QTest::newRow("other root, a link target appears, not enabled")
            << "@run/late\n->/share/late@/etc/config/bento.conf\n[late]\nEnable = FALSE\n@rc\n<config><theme/></config>"
            << ",,<unset>,Tellora|%R/etc/Tellora/init.d/xrandr-hotplug.sh||1 1";
    }
    void sequence()
    {
        auto [files, expect] = fetch<QString, QString>();
        // After the first frame: the receiver and package-tool checks, then xset q by the settings and the window.
        expect.replace("Tellora|",
            "Tellora|sudo %R/opt/bin/privrun hal_app --check_ir_support,sudo %R/opt/bin/privrun ls "
            "%R/sbin/bento_cli,xset q,xset q,");
        Appliance_s a(files.toUtf8());
        const QByteArray rcBefore = a.root.read("/home/admin/.config/openbox/rc.xml");
        for (int step = 1; step <= 3; ++step) // with the milliseconds since the start
            QTest::ignoreMessage(QtDebugMsg, QRegularExpression(QStringLiteral("^Step %1 \\.\\.\\. \\d+$").arg(step)));
        QElapsedTimer t;
        t.start();
        QStringList slept;
        bool shownFirst = false; // nothing asked of the appliance before the first frame
        std::atomic<bool> autoRunDone = false;
        Startup::Options options {[&](int s) {
                                      slept << QString::number(s);
                                      if (slept.size() == 2)
                                          a.root.write("/share/late", "#!/bin/sh\n");
                                  },
            [&](MainMWindow& w) { shownFirst = w.isVisible(); }, [&] { autoRunDone = true; }};
        std::unique_ptr<MainMWindow> w = Startup::prepare(t, options);
        QVERIFY(w && shownFirst); // frameless and maximized: the task-bar test sees that under a window manager
        QCOMPARE(a.lines(), QStringList());
        Startup::startAppliance(*w, t, options);
        QVERIFY(settleCommands());
        QTRY_VERIFY_WITH_TIMEOUT(autoRunDone, 30000);
        QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
        for (const RecordingRunner::Call_s& c : a.calls())
            QCOMPARE(c.detached, c.program.contains("/.autorun/")); // the entries are started, not waited for

        QStringList environment;
        for (const char* v : {"MODEL_NAME", "PLATFORM_NAME", "DISPLAY_NAME", "BENTO_CLASS"})
            environment << (qEnvironmentVariableIsSet(v) ? qEnvironmentVariable(v) : QStringLiteral("<unset>"));
        // The audio model reads the devices when the process first asks for it (the first row's settings dialog).
        const QRegularExpression notAudio("^(?!.*(aplay|pactl))");
        const QByteArray rc = a.root.read("/home/admin/.config/openbox/rc.xml");
        QVERIFY(rc == rcBefore || (rc.contains("openbox.org/3.4/rc") && rc.contains("<number>1</number>")));
        QString layouts;
        for (const QString& tag : QString::fromUtf8(rc).split('<').filter("titleLayout>"))
            layouts += tag.startsWith('/') ? "" : tag.mid(12);
        QCOMPARE(QStringList({environment.join(','), a.lines().filter(notAudio).join(',').replace(a.root.root(), "%R"),
                                 layouts, slept.join(' ')})
                     .join('|'),
            expect);
    }

    // A FIFO where a start-up step reads a file: no step opens it (one that did would wait for a writer for ever).
    void plantedFifos_data()
    {
        columns<QString>(); // a file read at start-up
        for (const char* path :
            {"/home/admin/.config/openbox/rc.xml", "/etc/config/Model_Name.conf", "/etc/platform.conf",
                "/etc/Tellora/config/login.conf", "/home/admin/.config/Vendra/IVO.conf", "/etc/config/bento.conf"})
            row(path, QString(path));
    }
    void plantedFifos()
    {
        const auto [path] = fetch<QString>();
        Appliance_s a("@NasUser\n@run/x\n");
        PlantedFifo fifo(a.root.path(path));
        QVERIFY(fifo.isValid());
        Startup::fillEnvironment();
        QVERIFY(Startup::requireLoginWhenNoUser() && !Startup::taskBarEnabled() && !Startup::applyTitleLayout(false));
        Startup::startAutoRun([](int) {});
        QVERIFY(!fifo.wasOpened() && a.lines().isEmpty());
    }

    // The one-touch tool's pid comes through start-up's runner: a second colour while the tool runs starts nothing.
    void keyboltThroughTheProgramsRunner()
    {
        Appliance_s a("@ir\nyes\n@/tmp/.tellora.keybolt.xxx\n@/etc/config/bento.conf\n[Keybolt]\nEnable = TRUE\n");
        a.pid = ::getpid(); // the tool runs on
        QElapsedTimer t;
        Startup::Options options;
        options.windowShown = [&a](MainMWindow& w) {
            QTimer::singleShot(0, &w, [&a, &w] {
                for (int i = 0; i < 2; ++i) {
                    a.root.write("/tmp/.tellora.keybolt.xxx", "red");
                    w.fileChanged(a.root.path("/tmp/.tellora.keybolt.xxx"));
                }
                QCoreApplication::exit(0);
            });
        };
        QCOMPARE(Startup::run(*qApp, t, options), 0);
        QCOMPARE(a.lines().filter("keyBolt").size(), 1);
    }

    // No user (an empty variable too): the login screen is asked for, nothing else happens, the process ends with 0.
    void noUserAsksForLogin()
    {
        Appliance_s a(
            "@NasUser\n@/etc/Tellora/config/login.conf\n[UIControl]\nRequireLogin = no\n\n[Padlink]\nEnable = yes\n");
        QElapsedTimer t;
        QCOMPARE(Startup::run(*qApp, t), 0);
        QSettings login(a.root.path("/etc/Tellora/config/login.conf"), QSettings::IniFormat);
        QCOMPARE(login.value("UIControl/RequireLogin").toString() + login.value("Padlink/Enable").toString(), "yesyes");
        QVERIFY(a.lines().isEmpty() && QApplication::topLevelWidgets().isEmpty());
    }

    void afterWindowCloses_data()
    {
        columns<QString, QString, bool, QString>(); // the X focus, the window manager's active one, a menu, done
        row("on the window under it", "home", "home", false, "refocus home");
        row("known to Qt's window layer", "home", "home", false, "adopt home");
        row("a menu open meanwhile", "home", "home", true, "refocus home");
        row("on another program's window", "other", "other", false, "");
        row("still on the closed window", "closed", "other", false, "");
        row("kept by the window manager", "wm", "none", false, "activate home");
        row("no window manager", "none", "unnamed", false, "");
    }
    void afterWindowCloses()
    {
        const auto [xFocus, wmActive, menu, done] = fetch<QString, QString, bool, QString>();
        Desk_s d;
        d.home.setFocusPolicy(Qt::StrongFocus);
        showActive(d.home);
        FocusKeeper keeper(d.x(xFocus, wmActive), &d.home);
        // The focus-in went astray: Qt's windows count another (widgetless) one active, or only the widgets missed it.
        QWindow elsewhere;
        if (done.startsWith("adopt")) {
            QApplication::setActiveWindow(nullptr);
        } else {
            elsewhere.show();
            elsewhere.requestActivate();
            QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::focusWindow() == &elsewhere, 30000);
        }
        QVERIFY(!QApplication::activeWindow() && keeper.watching());
        if (menu) { // nothing happens while a menu is open; once it closed, the keeper looks again
            QMenu popup;
            popup.addAction("entry");
            QSignalSpy ticks(keeper.findChild<QTimer*>(), &QTimer::timeout);
            popup.popup(d.home.geometry().center());
            QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 2, 30000);
            QCOMPARE(d.looks, 0);
            popup.close();
        }
        if (!done.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == &d.home, 30000);
            QCOMPARE(d.did, QStringList {done});
        } else { // each look finds nothing to do, until the keeper gives up
            QTRY_VERIFY_WITH_TIMEOUT(!keeper.watching(), 30000);
            QCOMPARE(d.looks, FocusKeeper::kLooks);
            QVERIFY(d.did.isEmpty());
        }
    }

    // An application in front closed: only the window manager's active window changes (none, another's, gone one's).
    void afterApplicationCloses_data()
    {
        columns<QString, QString>(); // the window manager's active window at the end, done
        row("the window manager focuses none", "none", "activate home");
        row("another program's window follows", "other", "");
        row("the window manager names the gone window", "gone", "activate home");
    }
    void afterApplicationCloses()
    {
        const auto [wmActive, done] = fetch<QString, QString>();
        Desk_s d;
        showActive(d.home);
        FocusKeeper keeper(d.x("other", "other"), &d.home);
        keeper.activeWindowChanged(); // while a window of ours is active the news is Qt's own
        QVERIFY(!keeper.watching());
        QApplication::setActiveWindow(nullptr); // the application took the focus: the keeper's looks end
        QTRY_VERIFY_WITH_TIMEOUT(!keeper.watching(), 30000);
        QVERIFY(d.did.isEmpty());
        d.looks = 0;
        // The window manager names the application's window; by the keeper's last look at it, the application closes.
        keeper.activeWindowChanged();
        QVERIFY(keeper.watching());
        QTRY_COMPARE_WITH_TIMEOUT(d.looks, FocusKeeper::kLooks, 30000);
        d.wmActive = wmActive;
        d.xFocus = wmActive == "other" ? "other" : "wm";
        keeper.activeWindowChanged();
        QTRY_VERIFY_WITH_TIMEOUT(!keeper.watching(), 30000);
        QCOMPARE(d.did, done.isEmpty() ? QStringList() : QStringList {done});
        QCOMPARE(d.looks, FocusKeeper::kLooks + (done.isEmpty() ? FocusKeeper::kLooks : 1));
    }
};

QTEST_MAIN(TstApp)
#include "tst_app.moc"
