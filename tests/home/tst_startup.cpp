#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "app/Startup.h"
#include "home/ImageResources.h"
#include "home/MainMWindow.h"
#include "util/xmlParser.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTest>

#include <optional>

namespace {

const char* const kVariables[] = {"MODEL_NAME", "PLATFORM_NAME", "DISPLAY_NAME", "BENTO_CLASS", "NasUser"};

// Keeps the start-up variables of the test process as they were.
struct SavedEnvironment_s {
    QList<std::optional<QByteArray>> values;
    SavedEnvironment_s()
    {
        for (const char* v : kVariables)
            values.append(qEnvironmentVariableIsSet(v) ? std::optional<QByteArray>(qgetenv(v)) : std::nullopt);
    }
    ~SavedEnvironment_s()
    {
        for (int i = 0; i < values.size(); ++i) {
            if (values[i])
                qputenv(kVariables[i], *values[i]);
            else
                qunsetenv(kVariables[i]);
        }
    }
};

void writeSettings(const ScratchSysroot& root, const QByteArray& ini)
{
    QDir().mkpath(root.home() + QStringLiteral("/.config/Vendra"));
    QFile f(root.home() + QStringLiteral("/.config/Vendra/IVO.conf"));
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(ini);
}

QString rcPath(const ScratchSysroot& root) { return root.home() + QStringLiteral("/.config/openbox/rc.xml"); }

const QByteArray kRcXml = "<?xml version=\"1.0\"?>\n<openbox_config xmlns=\"http://openbox.org/3.4/rc\">\n"
                          "<theme><name>Night</name><titleLayout>NLIMC</titleLayout></theme>\n"
                          "<desktops><number>1</number></desktops>\n</openbox_config>\n";

QStringList messages;
void collect(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (type == QtDebugMsg)
        messages << text;
}

} // namespace

class TstStartup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageResources::registerAll(); }
    void environment_data();
    void environment();
    void noUserAsksForLogin();
    void taskBarSetting_data();
    void taskBarSetting();
    void titleLayout_data();
    void titleLayout();
    void autoRun();
    void autoRunLinkAppearsLate();
    void wholeSequenceInOrder();
};

void TstStartup::environment_data()
{
    QTest::addColumn<QByteArray>("model");
    QTest::addColumn<QByteArray>("boot");
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QByteArray>("presetModel");
    QTest::addColumn<QByteArray>("modelName");
    QTest::addColumn<QByteArray>("platformName");
    QTest::addColumn<QByteArray>("displayName"); // "<unset>" when not set

    QTest::newRow("from the files") << QByteArray("  TLR-440  \nsecond\n") << QByteArray("TLR_X86\n")
                                    << QByteArray("Platform = X\nDISPLAY_NAME = HDMI-1   \n") << QByteArray()
                                    << QByteArray("TLR-440") << QByteArray("TLR_X86") << QByteArray("HDMI-1");
    QTest::newRow("set already wins") << QByteArray("TLR-440\n") << QByteArray("B\n") << QByteArray()
                                      << QByteArray("Mine") << QByteArray("Mine") << QByteArray("B")
                                      << QByteArray("<unset>");
    QTest::newRow("unreadable files give empty values")
        << QByteArray("<none>") << QByteArray("<none>") << QByteArray("<none>") << QByteArray() << QByteArray()
        << QByteArray() << QByteArray("<unset>");
    QTest::newRow("equals first is skipped")
        << QByteArray("M\n") << QByteArray("B\n") << QByteArray("=DISPLAY_NAME=bad\nX DISPLAY_NAME = DP-2\n")
        << QByteArray() << QByteArray("M") << QByteArray("B") << QByteArray("DP-2");
}

void TstStartup::environment()
{
    QFETCH(QByteArray, model);
    QFETCH(QByteArray, boot);
    QFETCH(QByteArray, platform);
    QFETCH(QByteArray, presetModel);
    QFETCH(QByteArray, modelName);
    QFETCH(QByteArray, platformName);
    QFETCH(QByteArray, displayName);

    SavedEnvironment_s saved;
    for (const char* v : kVariables)
        qunsetenv(v);
    if (!presetModel.isEmpty())
        qputenv("MODEL_NAME", presetModel);
    ScratchSysroot root;
    if (model != "<none>")
        root.write(QStringLiteral("/etc/config/Model_Name.conf"), model);
    if (boot != "<none>")
        root.write(QStringLiteral("/etc/config/BOOT.conf"), boot);
    if (platform != "<none>" && !platform.isEmpty())
        root.write(QStringLiteral("/etc/platform.conf"), platform);

    Startup::fillEnvironment();
    QVERIFY(qEnvironmentVariableIsSet("MODEL_NAME"));
    QCOMPARE(qgetenv("MODEL_NAME"), modelName);
    QCOMPARE(qgetenv("PLATFORM_NAME"), platformName);
    if (displayName == "<unset>")
        QVERIFY(!qEnvironmentVariableIsSet("DISPLAY_NAME"));
    else
        QCOMPARE(qgetenv("DISPLAY_NAME"), displayName);
    QCOMPARE(qgetenv("BENTO_CLASS"), QByteArray("Tellora"));
}

void TstStartup::noUserAsksForLogin()
{
    SavedEnvironment_s saved;
    ScratchSysroot root;
    RecordingRunner runner;
    root.write(QStringLiteral("/etc/Tellora/config/login.conf"),
        "[UIControl]\nRequireLogin = no\n\n[Padlink]\nEnable = yes\n");

    qputenv("NasUser", "YWRtaW4=");
    QVERIFY(!Startup::requireLoginWhenNoUser());
    QVERIFY(root.read(QStringLiteral("/etc/Tellora/config/login.conf")).contains("RequireLogin = no"));

    qunsetenv("NasUser");
    QElapsedTimer t;
    t.start();
    QVERIFY(!Startup::prepare(*qApp, t));
    QSettings login(root.path(QStringLiteral("/etc/Tellora/config/login.conf")), QSettings::IniFormat);
    QCOMPARE(login.value(QStringLiteral("UIControl/RequireLogin")).toString(), QStringLiteral("yes"));
    QCOMPARE(login.value(QStringLiteral("Padlink/Enable")).toString(), QStringLiteral("yes"));
    QCOMPARE(runner.lines(), QStringList()); // nothing else happened
    QVERIFY(QApplication::topLevelWidgets().isEmpty());

    // An empty variable counts as no user, and the file is created when missing.
    ScratchSysroot fresh;
    qputenv("NasUser", "");
    QVERIFY(Startup::requireLoginWhenNoUser());
    QSettings created(fresh.path(QStringLiteral("/etc/Tellora/config/login.conf")), QSettings::IniFormat);
    QCOMPARE(created.value(QStringLiteral("UIControl/RequireLogin")).toString(), QStringLiteral("yes"));
}

void TstStartup::taskBarSetting_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("TRUE") << QByteArray("[TaskBar]\nEnable=TRUE\n") << true;
    QTest::newRow("yes is not true") << QByteArray("[TaskBar]\nEnable=yes\n") << false;
    QTest::newRow("missing") << QByteArray() << false;
}

void TstStartup::taskBarSetting()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, enabled);
    ScratchSysroot root;
    writeSettings(root, ini);
    QCOMPARE(Startup::taskBarEnabled(), enabled);
}

void TstStartup::titleLayout_data()
{
    QTest::addColumn<QByteArray>("rc");
    QTest::addColumn<bool>("taskBar");
    QTest::addColumn<bool>("edited");
    QTest::addColumn<QByteArray>("layout");

    QTest::newRow("task bar") << kRcXml << true << true << QByteArray("NLIMC");
    QTest::newRow("no task bar") << kRcXml << false << true << QByteArray("NLC");
    QByteArray noLayout = kRcXml;
    noLayout.replace("<titleLayout>NLIMC</titleLayout>", "");
    QTest::newRow("layout added") << noLayout << false << true << QByteArray("NLC");
    QByteArray noTheme = kRcXml;
    noTheme.replace("theme>", "other>");
    QTest::newRow("no theme") << noTheme << false << false << QByteArray();
    QTest::newRow("other root") << QByteArray("<config><theme/></config>") << false << false << QByteArray();
    QTest::newRow("no file") << QByteArray() << false << false << QByteArray();
}

void TstStartup::titleLayout()
{
    QFETCH(QByteArray, rc);
    QFETCH(bool, taskBar);
    QFETCH(bool, edited);
    QFETCH(QByteArray, layout);
    ScratchSysroot root;
    RecordingRunner runner;
    if (!rc.isEmpty()) {
        QDir().mkpath(root.home() + QStringLiteral("/.config/openbox"));
        QFile f(rcPath(root));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(rc);
    }
    QCOMPARE(Startup::applyTitleLayout(taskBar), edited);
    QCOMPARE(runner.lines(), edited ? QStringList {QStringLiteral("sh -c \"ivomargin -u\"")} : QStringList());
    if (!edited) {
        QFile f(rcPath(root));
        QCOMPARE(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(), rc);
        return;
    }
    const QByteArray file = QFile::encodeName(rcPath(root));
    XMLNode config = XMLNode::parseFile(file.constData(), "openbox_config");
    QVERIFY(!config.isEmpty());
    XMLNode theme = config.getChildNode("theme");
    QCOMPARE(theme.nChildNode("titleLayout"), 1);
    QCOMPARE(QByteArray(theme.getChildNode("titleLayout").getText()), layout);
    QCOMPARE(QByteArray(config.getAttribute("xmlns")), QByteArray("http://openbox.org/3.4/rc"));
    QCOMPARE(QByteArray(config.getChildNode("desktops").getChildNode("number").getText()), QByteArray("1"));
}

void TstStartup::autoRun()
{
    ScratchSysroot root;
    RecordingRunner runner;
    const QString folder = root.home() + QStringLiteral("/.autorun/");
    QDir().mkpath(folder);
    for (const char* name : {"foo", "bar", "baz", "Spaced"}) {
        QFile f(folder + QLatin1String(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QVERIFY(QFile::link(root.path(QStringLiteral("/share/missing/app")), folder + QStringLiteral("link")));
    QFile hidden(folder + QStringLiteral(".hidden"));
    QVERIFY(hidden.open(QIODevice::WriteOnly));
    root.write(QStringLiteral("/etc/config/bento.conf"),
        "[foo]\nEnable = TRUE\n\n[bar]\nEnable = FALSE\n\n[Spaced]\nEnable = true \n\n[link]\nEnable = TRUE\n"
        "\n[.hidden]\nEnable = TRUE\n");

    QList<int> sleeps;
    Startup::startAutoRun([&](int s) { sleeps << s; });

    QStringList started;
    for (const RecordingRunner::Call_s& c : runner.calls()) {
        QVERIFY(c.detached);
        QVERIFY(c.args.isEmpty());
        started << c.program;
    }
    started.sort();
    QCOMPARE(started, (QStringList {folder + "Spaced", folder + "foo", folder + "link"}));
    // Ten one-second waits for the missing link target, three seconds after
    // each start.
    QCOMPARE(sleeps.count(1), 10);
    QCOMPARE(sleeps.count(3), 3);
    QCOMPARE(sleeps.size(), 13);
}

void TstStartup::autoRunLinkAppearsLate()
{
    ScratchSysroot root;
    RecordingRunner runner;
    const QString folder = root.home() + QStringLiteral("/.autorun/");
    QDir().mkpath(folder);
    const QString target = root.path(QStringLiteral("/share/vol1/app"));
    QVERIFY(QFile::link(target, folder + QStringLiteral("late")));
    root.write(QStringLiteral("/etc/config/bento.conf"), "[late]\nEnable = FALSE\n");

    QList<int> sleeps;
    Startup::startAutoRun([&](int s) {
        sleeps << s;
        if (sleeps.size() == 2)
            root.write(QStringLiteral("/share/vol1/app"), "#!/bin/sh\n");
    });
    QCOMPARE(sleeps, (QList<int> {1, 1}));
    QCOMPARE(runner.lines(), QStringList()); // not enabled
}

void TstStartup::wholeSequenceInOrder()
{
    SavedEnvironment_s saved;
    ScratchSysroot root;
    RecordingRunner runner;
    runner.answer(QStringLiteral(".*hal_app --check_ir_support"), "no\n");
    qputenv("NasUser", "YWRtaW4=");
    writeSettings(root, "[TaskBar]\nEnable=True\n[Wallpaper]\nImage=2\n");
    QDir().mkpath(root.home() + QStringLiteral("/.config/openbox"));
    {
        QFile f(rcPath(root));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(kRcXml);
    }
    QDir().mkpath(root.home() + QStringLiteral("/.autorun"));
    {
        QFile f(root.home() + QStringLiteral("/.autorun/foo"));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    root.write(QStringLiteral("/etc/config/bento.conf"), "[foo]\nEnable = TRUE\n");

    messages.clear();
    QtMessageHandler previous = qInstallMessageHandler(collect);
    QElapsedTimer t;
    t.start();
    bool shownFirst = false;
    Startup::Options options;
    options.sleep = [](int) {};
    options.windowShown = [&](MainMWindow& w) { shownFirst = w.isVisible() && runner.lines().size() == 1; };
    std::unique_ptr<MainMWindow> w = Startup::prepare(*qApp, t, options);
    qInstallMessageHandler(previous);

    QVERIFY(w);
    QVERIFY(shownFirst); // shown right after construction, before the window manager steps
    QVERIFY(w->windowFlags().testFlag(Qt::FramelessWindowHint));
    QVERIFY(w->windowFlags().testFlag(Qt::WindowStaysOnBottomHint));
    QVERIFY(w->windowState().testFlag(Qt::WindowMaximized));
    QCOMPARE(QDir::currentPath(), QCoreApplication::applicationDirPath());
    QCOMPARE(qApp->styleSheet(), QStringLiteral("#centralwidget{border-image: url(:/images/wallpaper_image2.jpg)}"));

    const QString r = root.root();
    QCOMPARE(runner.lines(),
        (QStringList {QStringLiteral("sudo %1/opt/bin/privrun hal_app --check_ir_support").arg(r),
            QStringLiteral("sh -c \"ivomargin -u\""), QStringLiteral("%1/usr/bin/killall -USR1 tint2").arg(r),
            QStringLiteral("%1/etc/Tellora/init.d/xrandr-hotplug.sh").arg(r),
            root.home() + QStringLiteral("/.autorun/foo")}));
    QVERIFY(runner.calls().last().detached);

    // "Step N ... " and the milliseconds since start, in order.
    const QStringList steps = messages.filter(QRegularExpression(QStringLiteral("^Step \\d \\.\\.\\. \\d+$")));
    QCOMPARE(steps.size(), 3);
    for (int i = 0; i < 3; ++i)
        QVERIFY(steps[i].startsWith(QStringLiteral("Step %1 ... ").arg(i + 1)));
}

QTEST_MAIN(TstStartup)
#include "tst_startup.moc"
