#include "MonkeyStage.h"
#include "CommandSettle.h"

#include "app/FocusKeeper.h"
#include "home/LaunchWaiting.h"
#include "home/MainMWindow.h"
#include "home/RemoteKeys.h"
#include "lirc/LircInput.h"

#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <signal.h>

namespace {

QList<LircInput*> daemonClients(const QWidget& window)
{
    QList<LircInput*> clients = window.findChildren<LircInput*>();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != &window && !window.isAncestorOf(w))
            clients += w->findChildren<LircInput*>();
    return clients;
}

// A process's state letter ('R', 'S', 'T' stopped, 'Z' ended but not reaped ...); 0 for none.
char processState(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    const QByteArray line = stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
    const qsizetype end = line.lastIndexOf(')'); // the command's name may hold anything
    return end >= 0 && end + 2 < line.size() ? line.at(end + 2) : 0;
}

} // namespace

MonkeyStage::MonkeyStage(bool realWindows)
    : PackageHome_s("@NasGroupID\n0\n")
    , m_real(realWindows)
{
    QDir().mkpath(root.path("/opt/ivo"));
    QFile::link(qEnvironmentVariable("IVO_BINARY_DIR") + "/bin/lang", root.path("/opt/ivo/lang"));
    // Every package's files once; what is installed is only the configuration's sections.
    for (const QString& package : pool()) {
        m_sections[package] = conf(package);
        root.write("/apps/" + package + "/.ivo/ivomsg.conf",
            ("[hello]\neng = " + package + " says hello\nger = " + package + " sagt hallo\n").toUtf8());
        QFile script(root.path("/apps/" + package + "/run.sh"));
        if (script.open(QIODevice::WriteOnly))
            script.write(
                ("#!/bin/sh\nexec xmessage -name ivo-monkey-app -title " + package + " " + package + "\n").toUtf8());
        script.close();
        script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    }
    setInstalled(pool().mid(0, 6));
    if (!m_real) {
        qApp->installEventFilter(this);
        // Focus lost to no window, as when the active one closes: the window manager hands it on.
        connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
            if (!now)
                QTimer::singleShot(0, this, &MonkeyStage::activateTopmost_);
        });
    }
}

MonkeyStage::~MonkeyStage()
{
    m_window.reset();
    for (QPointer<QWidget>& w : m_appWindows)
        delete w.data();
    appsRunning(); // an ended application's number may be another process's by now
    for (qint64 pid : std::as_const(m_appPids))
        endApp_(pid);
    QCoreApplication::removeTranslator(&m_translator);
}

const QStringList& MonkeyStage::pool()
{
    static const QStringList packages {"Cinema", "Gallery", "Radio", "News", "Games", "Weather", "Music", "Photos",
        "Podcasts", "Sports", "Kids", "Recipes", "Travel", "Fitness", "Comics", "Quiz", "Maps", "Chess"};
    return packages;
}

void MonkeyStage::start()
{
    m_window = std::make_unique<MainMWindow>();
    m_window->showMaximized();
    m_window->activateWindow();
    m_window->startAppliance();
    // Watched and held before the start-up's answers are awaited: the steps go on meanwhile (a restart comes while
    // they run).
    watchFiles_();
    if (!m_real) {
        // Without real windows time is the steps': the launch animation and the power key tick only when told, so
        // a seed plays the same way every time.
        for (QObject* owner :
            std::initializer_list<QObject*> {m_window->findChild<LaunchWaiting*>(), m_window->findChild<RemoteKeys*>()})
            for (QTimer* timer : owner->findChildren<QTimer*>())
                m_heldTimers.insert(timer);
    }
    settleCommands();
    if (m_real)
        FocusKeeper::install(m_window.get()); // as the program's start-up does
}

void MonkeyStage::restart()
{
    m_window.reset();
    m_pendingKey.clear();
    m_heldTimers.clear();
    start();
}

void MonkeyStage::watchFiles_()
{
    for (QFileSystemWatcher* watcher : m_window->findChildren<QFileSystemWatcher*>()) {
        connect(watcher, &QFileSystemWatcher::fileChanged, this, [this] { ++m_watchReports; });
        connect(watcher, &QFileSystemWatcher::directoryChanged, this, [this] { ++m_watchReports; });
    }
}

void MonkeyStage::remoteKey(const QString& name)
{
    static quint64 code = 0x1000;
    const QString line = QStringLiteral("%1 00 %2 simremote\n").arg(++code, 16, 16, QLatin1Char('0')).arg(name);
    // The daemon sends each line to every client; a client that goes away
    // while another hands the line on (a dialog closing) is no longer waited for.
    m_pendingKey.clear();
    const QList<LircInput*> clients = daemonClients(*m_window);
    for (LircInput* client : clients)
        m_pendingKey.insert(client);
    for (LircInput* client : clients) {
        QPointer<LircInput> alive(client);
        if (!alive)
            continue;
        m_pendingKey.remove(client);
        emit client->irkeyPressed(line);
    }
}

bool MonkeyStage::keyDelivered() const { return m_pendingKey.isEmpty(); }

void MonkeyStage::shortPowerPress()
{
    remoteKey(QStringLiteral("KEY_POWER"));
    // No second event by the next tick: the key was let go.
    m_window->powerkeyTimeout();
}

void MonkeyStage::setInstalled(const QStringList& packages)
{
    m_installed = packages;
    QByteArray text;
    for (const QString& package : packages)
        text += m_sections.value(package);
    root.write("/etc/config/bento.conf", text);
}

void MonkeyStage::writeCommandFile(const QString& appliancePath, const QByteArray& line)
{
    root.write(appliancePath, line);
}

void MonkeyStage::switchLanguage(const QString& code)
{
    QCoreApplication::removeTranslator(&m_translator);
    if (code != "eng" && m_translator.load(code, root.path("/opt/ivo/lang")))
        QCoreApplication::installTranslator(&m_translator);
    else // removing alone tells the widgets too
        QCoreApplication::postEvent(qApp, new QEvent(QEvent::LanguageChange));
}

void MonkeyStage::changeScreen(const QSize& size)
{
    root.write("/etc/Tellora/config/screen.conf",
        QStringLiteral("[Screen1]\nName=HDMI-1\nMode=%1x%2\n").arg(size.width()).arg(size.height()).toUtf8());
    m_window->availableGeometryChanged(QRect(QPoint(0, 0), size));
}

int MonkeyStage::appsRunning()
{
    if (m_real) {
        // The launch's shell ends with its application; nobody may reap it here, so an ended one can linger as a
        // zombie.
        m_appPids.removeIf([](qint64 pid) {
            const char state = processState(pid);
            return state == 0 || state == 'Z';
        });
        return int(m_appPids.size());
    }
    m_appWindows.removeIf([](const QPointer<QWidget>& w) { return !w || !w->isVisible(); });
    return int(m_appWindows.size());
}

bool MonkeyStage::appInForeground()
{
    if (!appsRunning())
        return false;
    if (m_real) // the focus is in another program's window
        return !QApplication::activeWindow();
    return QApplication::activeWindow() && QApplication::activeWindow()->objectName() == "ivo-monkey-app";
}

void MonkeyStage::closeApp()
{
    if (!appsRunning())
        return;
    if (m_real) {
        endApp_(m_appPids.takeLast());
        return;
    }
    m_appWindows.takeLast()->close();
}

QString MonkeyStage::windowManagerView()
{
    const auto ask = [](const QStringList& args) {
        QProcess xdotool;
        xdotool.start(QStringLiteral("xdotool"), args);
        xdotool.waitForFinished(10000);
        return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
    };
    // A window by its number and name (none for a window that is gone).
    const auto window = [&](const QStringList& args) {
        const QString id = ask(args);
        if (id.isEmpty())
            return QStringLiteral("none");
        const QString name = ask({"getwindowname", id});
        return QStringLiteral("0x%1 \"%2\"").arg(id.toULongLong(), 0, 16).arg(name);
    };
    return QStringLiteral("active %1, input focus on %2")
        .arg(window({"getactivewindow"}), window({"getwindowfocus", "-f"}));
}

void MonkeyStage::endApp_(qint64 shell)
{
    // The launch's shell runs the application as its child and waits for it: the application ends, and the shell
    // with it. Stopped, the shell cannot start it between the look at its children and its own end. The stop takes
    // effect after kill() returns: a fork under way meanwhile would leave an application nobody knows of.
    ::kill(pid_t(shell), SIGSTOP);
    QElapsedTimer waited;
    waited.start();
    for (char state = processState(shell); state && state != 'T' && state != 'Z' && waited.elapsed() < 2000;
         state = processState(shell))
        QThread::usleep(200);
    QFile children(QStringLiteral("/proc/%1/task/%1/children").arg(shell));
    if (children.open(QIODevice::ReadOnly))
        for (const QByteArray& child : children.readAll().split(' '))
            if (const int pid = child.toInt(); pid > 0)
                ::kill(pid, SIGTERM);
    ::kill(pid_t(shell), SIGTERM);
    ::kill(pid_t(shell), SIGCONT);
}

bool MonkeyStage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Timer && m_heldTimers.contains(watched))
        return true;
    // Nobody looks at the pixels of a run without real windows, and painting them would be most of its time.
    if (event->type() == QEvent::UpdateRequest)
        return true;
    if (event->type() == QEvent::WindowActivate && watched->isWidgetType()
        && static_cast<QWidget*>(watched)->isWindow()) {
        auto* w = static_cast<QWidget*>(watched);
        m_activated.removeAll(w);
        m_activated.append(w);
    } else if (event->type() == QEvent::Hide && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow()) {
        QTimer::singleShot(0, this, &MonkeyStage::activateTopmost_);
    }
    return false;
}

void MonkeyStage::activateTopmost_()
{
    // A window that hid may still count as active until the platform says otherwise.
    if ((QApplication::activeWindow() && QApplication::activeWindow()->isVisible())
        || QApplication::activePopupWidget())
        return;
    m_activated.removeIf([](const QPointer<QWidget>& w) { return !w || !w->isVisible(); });
    QWidget* next = m_activated.isEmpty() ? m_window.get() : m_activated.last().data();
    // A window with a modal dialog open gives the focus to the dialog.
    if (QWidget* modal = QApplication::activeModalWidget();
        modal && modal->isVisible() && next != modal && next->objectName() != "ivo-monkey-app")
        next = modal;
    if (next && next->isVisible())
        next->activateWindow();
}

bool MonkeyStage::startDetached(const QString& program, const QStringList& args, const QString& wd)
{
    PackageHome_s::startDetached(program, args, wd);
    const bool app = program == "sh" && args.value(0) == "-c";
    const bool closeKey = program == "xdotool" && args == QStringList {"key", "alt+F4"};
    if (m_real) {
        if (!app && !closeKey)
            return true;
        qint64 pid = 0;
        ProcessRunner real;
        if (real.startDetachedPid(program, args, wd, &pid) && app)
            m_appPids << pid;
        return true;
    }
    if (app) {
        auto* window = new QWidget;
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setObjectName("ivo-monkey-app");
        window->setWindowTitle(args.value(1));
        window->setFocusPolicy(Qt::StrongFocus);
        window->resize(640, 360);
        window->show();
        window->activateWindow();
        m_appWindows << window;
    } else if (closeKey) {
        // The window manager closes the active window; the home screen refuses.
        if (QWidget* active = QApplication::activeWindow())
            active->close();
    }
    return true;
}

CommandResult_s MonkeyStage::execute(const QString& program, const QStringList& args, Budget budget)
{
    // Nothing of the run is needed afterwards; a long run must not grow.
    if (calls().size() > 1000)
        clear();
    return PackageHome_s::execute(program, args, budget);
}
