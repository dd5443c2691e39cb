#include "app/Startup.h"

#include "app/FocusKeeper.h"
#include "app/TaskBarHint.h"
#include "app/TimedRunner.h"
#include "appliance/Appliance.h"
#include "appliance/CommandWorker.h"
#include "appliance/ConfigFile.h"
#include "appliance/Login.h"
#include "appliance/Paths.h"
#include "appliance/PlatformFile.h"
#include "appliance/UserSettings.h"
#include "home/MainMWindow.h"
#include "util/xmlParser.h"
#include "widgets/ScreenScale.h"

#include <QApplication>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QPixmapCache>
#include <QThread>

#include <chrono>
#include <thread>

// Off by default; the start-up benchmark turns it on to see when the first
// frame is on screen.
Q_LOGGING_CATEGORY(lcFirstFrame, "ivo.startup.firstframe", QtWarningMsg)

namespace Startup {

namespace {

// Set on the window by prepare(): the title layout was written, and the
// margins tool runs after the first frame.
constexpr char kTitleLayoutApplied[] = "ivoTitleLayoutApplied";

QString firstLine(const QString& appliancePath) { return ConfigFile::firstLine(Appliance::path(appliancePath)); }

bool isUnset(const char* name) { return qgetenv(name).isEmpty(); }

QString home() { return QString::fromLocal8Bit(qgetenv("HOME")); }

void step(const char* text, const QElapsedTimer& sinceStart)
{
    qDebug().noquote() << QStringLiteral("%1 %2").arg(QLatin1String(text)).arg(sinceStart.elapsed());
}

} // namespace

void fillEnvironment()
{
    if (isUnset("MODEL_NAME"))
        qputenv("MODEL_NAME", firstLine(QStringLiteral("/etc/config/Model_Name.conf")).toUtf8());
    if (isUnset("PLATFORM_NAME"))
        qputenv("PLATFORM_NAME", firstLine(QStringLiteral("/etc/config/BOOT.conf")).toUtf8());
    if (isUnset("DISPLAY_NAME")) {
        if (const std::optional<QString> name = PlatformFile::firstDisplayName())
            qputenv("DISPLAY_NAME", name->toUtf8());
    }
    if (isUnset("BENTO_CLASS"))
        qputenv("BENTO_CLASS", "Tellora");
}

bool requireLoginWhenNoUser()
{
    if (!qgetenv("NasUser").isEmpty())
        return false;
    Login::requireAtNextStart();
    return true;
}

bool taskBarEnabled() { return UserSettings::taskBarEnabled(); }

bool applyTitleLayout(bool taskBar)
{
    const QString rc = home() + QStringLiteral("/.config/openbox/rc.xml");
    if (!QFileInfo::exists(rc))
        return false;
    const QByteArray file = QFile::encodeName(rc);
    XMLResults results {};
    XMLNode root = XMLNode::parseFile(file.constData(), "openbox_config", &results);
    if (root.isEmpty())
        return false;
    XMLNode theme = root.getChildNode("theme");
    if (theme.isEmpty())
        return false;
    XMLNode layout = theme.getChildNode("titleLayout");
    if (layout.isEmpty())
        layout = theme.addChild("titleLayout");
    // Iconify and maximise buttons only make sense with a task bar to come
    // back from.
    layout.updateText(taskBar ? "NLIMC" : "NLC", 0);
    root.writeToFile(file.constData(), nullptr, 1);
    return true;
}

void applyMargins()
{
    Appliance::runner().runShell(QStringLiteral("sh"), QStringLiteral("ivomargin -u"), Budget::Screen);
}

void hideFromTaskBar(QWidget* window)
{
    void* display = nullptr;
    if (auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>())
        display = x11->display();
    sendSkipTaskBar(static_cast<unsigned long>(window->winId()), display);
}

void tellTaskBar()
{
    Appliance::runner().run(Appliance::path(QStringLiteral("/usr/bin/killall")),
        {QStringLiteral("-USR1"), QStringLiteral("tint2")}, Budget::Setting);
}

void startAutoRun(const Sleeper& sleep)
{
    const QString folder = home() + QStringLiteral("/.autorun/");
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::System, QDir::Unsorted);
    for (const QFileInfo& entry : entries) {
        if (entry.isSymLink()) {
            // The target may sit on a volume that is still being mounted.
            for (int i = 0; i < 10 && !QFileInfo::exists(entry.absoluteFilePath()); ++i)
                sleep(1);
        }
        const QString enable = ConfigFile::value(
            Paths::BentoConf.local(), entry.fileName() + QStringLiteral("/Enable"), QStringLiteral("FALSE"))
                                   .trimmed();
        if (enable.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) != 0)
            continue;
        Appliance::runner().startDetached(folder + entry.fileName(), {});
        sleep(3);
    }
}

std::unique_ptr<MainMWindow> prepare(const QElapsedTimer& sinceStart, const Options& options)
{
    // Pictures and tools are found next to the program.
    QDir::setCurrent(QCoreApplication::applicationDirPath());
    fillEnvironment();
    if (requireLoginWhenNoUser())
        return nullptr;
    step("Step 1 ...", sinceStart);

    // The first frame shows the wallpaper; the hot-plug script follows it.
    auto window = std::make_unique<MainMWindow>();
    window->setWindowFlags(window->windowFlags() | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint);
    window->showMaximized();
    FocusKeeper::install(window.get());
    if (options.windowShown)
        options.windowShown(*window);

    const bool taskBar = taskBarEnabled();
    window->setProperty(kTitleLayoutApplied, applyTitleLayout(taskBar));
    if (taskBar)
        hideFromTaskBar(window.get());
    return window;
}

void startAppliance(MainMWindow& window, const QElapsedTimer& sinceStart, const Options& options)
{
    // Everything below asks the appliance; the command worker runs it in this
    // order, after what the window and its settings ask.
    window.startAppliance();
    if (window.property(kTitleLayoutApplied).toBool())
        CommandWorker::post(&window, &applyMargins);
    if (taskBarEnabled())
        CommandWorker::post(&window, &tellTaskBar);
    CommandWorker::post(&window, {}, [sinceStart] { step("Step 2 ...", sinceStart); });
    CommandWorker::post(
        &window, [] { Appliance::runner().run(Paths::HotplugScript.local(), {}, Budget::Screen); },
        [sinceStart] { step("Step 3 ...", sinceStart); });
    // The entries start seconds apart, on a thread of their own: the command
    // worker goes on answering meanwhile.
    const Sleeper sleep = options.sleep ? options.sleep : [](int s) { QThread::sleep(s); };
    CommandWorker::post(&window, [sleep, finished = options.autoRunFinished] {
        std::thread([sleep, finished] {
            startAutoRun(sleep);
            if (finished)
                finished();
        }).detach();
    });
}

int run(QApplication& app, const QElapsedTimer& sinceStart, const Options& options)
{
    TimedRunner timed(Appliance::runner());
    CommandRunner* previous = Appliance::setRunner(&timed);
    std::unique_ptr<MainMWindow> window = prepare(sinceStart, options);
    int rc = 0;
    if (window) {
        QObject::connect(window.get(), &MainMWindow::firstFramePainted, window.get(),
            [&timed, &sinceStart, &options, w = window.get()] {
                const auto now = std::chrono::steady_clock::now().time_since_epoch();
                qCDebug(lcFirstFrame).noquote()
                    << QStringLiteral("first frame: monotonic_ns=%1 since_start_ms=%2 child_wait_ms=%3")
                           .arg(std::chrono::duration_cast<std::chrono::nanoseconds>(now).count())
                           .arg(sinceStart.elapsed())
                           .arg(timed.waitedNs() / 1000000.0, 0, 'f', 1);
                startAppliance(*w, sinceStart, options);
            });
        rc = app.exec();
        // A job still running ends within its budget; those not started are
        // dropped.
        CommandWorker::stop();
        window.reset();
    }
    Appliance::setRunner(previous);
    return rc;
}

} // namespace Startup
