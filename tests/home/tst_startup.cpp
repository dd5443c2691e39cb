#include "CommandSettle.h"
#include "DataRows.h"
#include "HomeFixture.h"
#include "PlantedFifo.h"
#include "app/Startup.h"
#include "home/MainMWindow.h"
#include "widgets/ImageResources.h"
#include "widgets/Wallpaper.h"

#include <QSettings>

#include <atomic>

class TstStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageResources::registerAll(); }

    // The sequence before the event loop from the appliance's files (and a MODEL_NAME set before). Expected: the
    // variables filled | the command lines in order (%R the sysroot) | the wallpaper | the title layouts in rc.xml |
    // the waits in seconds ("/share/late" appears at the second).
    void sequence_data()
    {
        columns<QString, QString>(); // the appliance, what start-up did
        QTest::newRow("task bar on, the enabled entry")
            << "@settings\n[TaskBar]\nEnable=TRUE\n[Wallpaper]\nImage=2\n@/etc/config/Model_Name.conf\n  TLR-440  \n"
               "second\n@/etc/config/BOOT.conf\nTLR_X86\n@/etc/platform.conf\nPlatform = X\nDISPLAY_NAME = HDMI-1   \n"
               "@run/foo\n@run/bar\n@run/.hidden\n@/etc/config/bento.conf\n[foo]\nEnable = TRUE\n[bar]\nEnable = "
               "FALSE\n[.hidden]\nEnable = TRUE\n@rc\n<openbox_config xmlns=\"http://openbox.org/3.4/rc\"><theme><name>"
               "Night</name><titleLayout>NLIMC</titleLayout></theme><desktops><number>1</number></desktops>"
               "</openbox_config>\n"
            << "TLR-440,TLR_X86,HDMI-1,Tellora|sh -c \"ivomargin -u\",%R/usr/bin/killall -USR1 tint2,"
               "%R/etc/Tellora/init.d/xrandr-hotplug.sh,%R/home/admin/.autorun/foo|wallpaper_image2.jpg|NLIMC|3";
        QTest::newRow("yes is not true, a layout added, a preset variable, = first, enabled with a blank")
            << "@settings\n[TaskBar]\nEnable=yes\n[Wallpaper]\nImage=4\n@MODEL_NAME\nMine@/etc/config/Model_Name.conf\n"
               "TLR-440\n@/etc/platform.conf\n=DISPLAY_NAME=bad\nX DISPLAY_NAME = DP-2\n@run/Spaced\n"
               "@/etc/config/bento.conf\n[Spaced]\nEnable = true \n@rc\n<openbox_config "
               "xmlns=\"http://openbox.org/3.4/rc\"><theme><name>Night</name></theme><desktops><number>1</number>"
               "</desktops></openbox_config>\n"
            << "Mine,,DP-2,Tellora|sh -c \"ivomargin -u\","
               "%R/etc/Tellora/init.d/xrandr-hotplug.sh,%R/home/admin/.autorun/Spaced|wallpaper_default.jpg|NLC|3";
        QTest::newRow("no theme, no files, ten seconds for a missing link target, then started")
            << "@run/link\n->/share/missing@/etc/config/bento.conf\n[link]\nEnable = TRUE\n@rc\n<openbox_config "
               "xmlns=\"http://openbox.org/3.4/rc\"><other><name>Night</name><titleLayout>NLIMC</titleLayout></other>"
               "<desktops><number>1</number></desktops></openbox_config>\n"
            << ",,<unset>,Tellora|%R/etc/Tellora/init.d/xrandr-hotplug.sh,%R/home/admin/.autorun/link|"
               "wallpaper_default.jpg|NLIMC|1 1 1 1 1 1 1 1 1 1 3";
        QTest::newRow("other root, a link target appears, not enabled")
            << "@run/late\n->/share/late@/etc/config/bento.conf\n[late]\nEnable = FALSE\n@rc\n<config><theme/></config>"
            << ",,<unset>,Tellora|%R/etc/Tellora/init.d/xrandr-hotplug.sh|wallpaper_default.jpg||1 1";
    }
    void sequence()
    {
        auto [files, expect] = fetch<QString, QString>();
        // After the first frame every start checks for a receiver and the package tool; the settings read the screen
        // blanking for their shown page, and the window then sets it from the stored preset.
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
        const QString wallpaper = QString(w->findChild<Wallpaper*>()->file()).remove(":/images/");
        QCOMPARE(QStringList({environment.join(','), a.lines().filter(notAudio).join(',').replace(a.root.root(), "%R"),
                                 wallpaper, layouts, slept.join(' ')})
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

    // The one-touch tool's process id comes through the runner that start-up puts around every command: a second
    // colour while the tool runs starts nothing.
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
};

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"
