#pragma once
// The home screen on a scratch appliance, driven by steps as texts ("Up", "install Cinema", "msg Radio" ...). With
// real windows the applications are processes; without, they are windows here and the monkey plays the window manager.
#include "../home/HomeFixture.h"
#include "CommandSettle.h"

#include "app/FocusKeeper.h"
#include "appliance/UserSettings.h"
#include "home/LaunchWaiting.h"
#include "home/MainMWindow.h"
#include "home/RemoteKeys.h"
#include "lirc/LircInput.h"
#include "widgets/IconItem.h"
#include "widgets/MultiIconViewV.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QFileSystemWatcher>
#include <QLabel>
#include <QMenu>
#include <QThread>
#include <QTranslator>

#include <numeric>
#include <random>
#include <signal.h>

inline QString nameOf(const QObject* o)
{
    if (!o)
        return QStringLiteral("nothing");
    return o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName();
}

// The tile drawn selected (zoomed), -1 for none.
inline int shownTile(const MultiIconViewV& grid)
{
    for (int slot = 0; slot < grid.pageSize(); ++slot)
        if (const IconItem* item = grid.pageItem(slot); item && !item->transform().isIdentity())
            return grid.pageStart() + slot;
    return -1;
}

// Runs body on a thread of its own while this thread's event loop serves its calls; ended when that loop ended early.
inline void runDriven(const std::function<void()>& body, const std::function<void()>& ended = {})
{
    std::atomic<bool> done {false};
    std::unique_ptr<QThread> thread(QThread::create([&] {
        body();
        done = true;
        QMetaObject::invokeMethod(
            qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    }));
    thread->start();
    while (!done)
        if (QCoreApplication::exec(); !done && ended)
            ended();
    thread->wait();
}

class Monkey : public QObject, public PackageHome_s
{
public:
    static inline const QStringList kPool {"Cinema", "Gallery", "Radio", "News", "Games", "Weather", "Music", "Photos",
        "Podcasts", "Sports", "Kids", "Recipes", "Travel", "Fitness", "Comics", "Quiz", "Maps", "Chess"};

    // graceMs: how long a broken invariant may take to mend (a window manager handing the focus over).
    Monkey(bool realWindows, int graceMs)
        : PackageHome_s("@NasGroupID\n0\n")
        , m_real(realWindows)
        , m_grace(graceMs)
    {
        QDir().mkpath(root.path("/opt/ivo"));
        QFile::link(qEnvironmentVariable("IVO_BINARY_DIR") + "/bin/lang", root.path("/opt/ivo/lang"));
        for (const QString& package : kPool) {
            m_sections[package] = conf(package);
            root.write("/apps/" + package + "/.ivo/ivomsg.conf",
                ("[hello]\neng = " + package + " says hello\nger = " + package + " sagt hallo\n").toUtf8());
            const QString script = root.path("/apps/" + package + "/run.sh");
            root.write("/apps/" + package + "/run.sh",
                ("#!/bin/sh\nexec xmessage -name ivo-monkey-app -title " + package + " " + package + "\n").toUtf8());
            QFile::setPermissions(script, QFile::permissions(script) | QFileDevice::ExeOwner);
        }
        setInstalled(kPool.mid(0, 6));
        if (!m_real) {
            qApp->installEventFilter(this);
            connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* now) {
                if (!now) // as when the active window closes: the window manager hands the focus on
                    QTimer::singleShot(0, this, &Monkey::activateTopmost_);
            });
        }
    }
    ~Monkey() override
    {
        m_window.reset();
        qDeleteAll(m_appWindows);
        appsRunning(); // an ended application's number may be another process's by now
        for (qint64 pid : std::as_const(m_appPids))
            endApp_(pid);
        QCoreApplication::removeTranslator(&m_translator);
    }

    // As start-up does; the files are watched before the start-up's answers come.
    void start()
    {
        m_window = std::make_unique<MainMWindow>();
        m_window->showMaximized();
        m_window->activateWindow();
        m_window->startAppliance();
        for (QFileSystemWatcher* watcher : m_window->findChildren<QFileSystemWatcher*>()) {
            connect(watcher, &QFileSystemWatcher::fileChanged, this, [this] { ++m_watchReports; });
            connect(watcher, &QFileSystemWatcher::directoryChanged, this, [this] { ++m_watchReports; });
        }
        // Without real windows the launch animation and the power key tick only on steps: a seed always plays alike.
        if (!m_real)
            for (QObject* owner : std::initializer_list<QObject*> {
                     m_window->findChild<LaunchWaiting*>(), m_window->findChild<RemoteKeys*>()})
                for (QTimer* timer : owner->findChildren<QTimer*>())
                    m_heldTimers.insert(timer);
        settleCommands();
        m_loggedOut = false;
        m_taskBar = UserSettings::taskBarEnabled();
        if (m_real)
            FocusKeeper::install(m_window.get()); // as the program's start-up does
    }
    MainMWindow* window() const { return m_window.get(); }

    // Runs fn in the GUI thread (from the walk's) and returns what it returns.
    template<typename F> auto gui(F&& fn)
    {
        decltype(fn()) result {};
        QMetaObject::invokeMethod(
            this, [&] { result = fn(); }, Qt::BlockingQueuedConnection);
        return result;
    }
    bool waitUntil(const std::function<bool()>& cond, int ms)
    {
        QElapsedTimer clock;
        clock.start();
        for (; !gui(cond); QThread::usleep(200))
            if (clock.elapsed() > ms)
                return false;
        return true;
    }
    // One step, until the program (or the one started again meanwhile) has taken it: false if it did not.
    bool perform(const QString& step)
    {
        int restarts = 0;
        const std::function<bool()> settled = gui([&] { return restarts = m_restarts, begin_(step); });
        return settled && waitUntil([&] { return m_restarts != restarts || settled(); }, kReactionMs);
    }
    // The invariant after a step, given time to mend: empty, or what is wrong.
    QString check()
    {
        QString problem;
        waitUntil([&] { return (problem = problem_()).isEmpty(); }, m_grace);
        return problem;
    }
    // Where the keys go: the active window's focus widget (a grid's tile, a menu's highlighted entry over it).
    QString focusHere()
    {
        QWidget* active = QApplication::activeWindow();
        if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
            return nameOf(active) + '/' + nameOf(active ? active->focusWidget() : nullptr)
                + " menu:" + (menu->activeAction() ? menu->activeAction()->text() : QStringLiteral("-"));
        if (!active)
            return appInForeground() ? QStringLiteral("app") : QStringLiteral("nothing");
        QWidget* focus = QApplication::focusWidget();
        auto* grid = qobject_cast<MultiIconViewV*>(focus);
        return nameOf(active) + '/' + nameOf(focus) + (grid ? '#' + QString::number(shownTile(*grid)) : QString());
    }
    // Closes the open menus and dialogs; a dialog shown before its exec() runs its loop without being modal.
    static void closeAll()
    {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
                dialog->reject();
    }
    bool atHome() const
    {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (qobject_cast<QDialog*>(w) && w->isVisible())
                return false;
        return !QApplication::activePopupWidget() && QApplication::activeWindow() == m_window.get()
            && m_window->isEnabled();
    }

    // steps random steps from seed, or the given ones: empty when the invariant held throughout, else the report.
    QString run(quint64 seed, int steps)
    {
        std::mt19937_64 rng(seed);
        return drive_(QStringLiteral("monkey seed %1").arg(seed),
            [&] { return m_taken >= steps ? QString() : randomStep_(rng); });
    }
    QString replay(const QStringList& steps)
    {
        return drive_(QStringLiteral("replay"), [&] { return steps.value(m_taken); });
    }
    QString lastPlace() const { return m_lastPlace; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Held timers run on the steps' time; nobody looks at the pixels of a run without real windows.
        const QEvent::Type type = event->type();
        if ((type == QEvent::Timer && m_heldTimers.contains(watched)) || type == QEvent::UpdateRequest)
            return true;
        if (auto* w = watched->isWidgetType() ? static_cast<QWidget*>(watched) : nullptr; w && w->isWindow()) {
            if (type == QEvent::Hide)
                QTimer::singleShot(0, this, &Monkey::activateTopmost_);
            if (type == QEvent::WindowActivate)
                m_activated.removeAll(w), m_activated.append(w);
        }
        return false;
    }
    bool startDetached(const QString& program, const QStringList& args, const QString& wd = QString()) override
    {
        PackageHome_s::startDetached(program, args, wd);
        const bool app = program == "sh" && args.value(0) == "-c";
        const bool closeKey = program == "xdotool" && args == QStringList {"key", "alt+F4"};
        qint64 pid = 0;
        if (m_real) {
            if ((app || closeKey) && ProcessRunner().startDetachedPid(program, args, wd, &pid) && app)
                m_appPids << pid;
        } else if (app) {
            auto* window = new QWidget;
            window->setAttribute(Qt::WA_DeleteOnClose);
            window->setObjectName("ivo-monkey-app");
            window->setFocusPolicy(Qt::StrongFocus);
            window->resize(640, 360);
            window->show();
            window->activateWindow();
            m_appWindows << window;
        } else if (QWidget* active = QApplication::activeWindow(); closeKey && active) {
            active->close(); // the window manager closes the active window; the home screen refuses
        }
        return true;
    }
    CommandResult_s execute(const QString& program, const QStringList& args, Budget budget) override
    {
        if (calls().size() > 1000) // a long run must not grow
            clear();
        return PackageHome_s::execute(program, args, budget);
    }

private:
    static constexpr int kReactionMs = 10000; // for the program to react to a file another program wrote
    static inline const QMap<QString, QString> kKeys {{"Up", "KEY_UP"}, {"Down", "KEY_DOWN"}, {"Left", "KEY_LEFT"},
        {"Right", "KEY_RIGHT"}, {"OK", "KEY_OK"}, {"Back", "KEY_EXIT"}, {"Menu", "KEY_MENU"}};

    // One line of the IR daemon to each of its clients; a client gone meanwhile (a dialog closing) is not waited for.
    void remoteKey_(const QString& name)
    {
        static quint64 code = 0x1000;
        const QString line = QStringLiteral("%1 00 %2 simremote\n").arg(++code, 16, 16, QLatin1Char('0')).arg(name);
        QList<LircInput*> found = m_window->findChildren<LircInput*>();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w != m_window.get())
                found += w->findChildren<LircInput*>();
        m_pendingKey = QSet<QObject*>(found.begin(), found.end());
        for (const QPointer<LircInput>& client : QList<QPointer<LircInput>>(found.begin(), found.end()))
            if (client) {
                m_pendingKey.remove(client);
                emit client->irkeyPressed(line);
            }
    }
    void setInstalled(const QStringList& packages)
    {
        m_installed = packages;
        QByteArray text;
        for (const QString& package : packages)
            text += m_sections.value(package);
        root.write("/etc/config/bento.conf", text);
    }
    // The applications the tiles started that still run (an ended launch shell lingers: nobody here reaps it).
    int appsRunning()
    {
        m_appPids.removeIf([](qint64 pid) {
            QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
            const QByteArray line = stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
            const qsizetype end = line.lastIndexOf(')'); // the state letter follows the command's name
            return end < 0 || end + 2 >= line.size() || line.at(end + 2) == 'Z';
        });
        m_appWindows.removeIf([](const QPointer<QWidget>& w) { return !w || !w->isVisible(); });
        return int(m_real ? m_appPids.size() : m_appWindows.size());
    }
    bool appInForeground() // with real windows the focus is then in another program's window
    {
        QWidget* active = QApplication::activeWindow();
        return appsRunning() && (m_real ? !active : active && active->objectName() == "ivo-monkey-app");
    }
    // Without real windows: the window active last that still shows (or its modal dialog) takes the focus.
    void activateTopmost_()
    {
        if ((QApplication::activeWindow() && QApplication::activeWindow()->isVisible())
            || QApplication::activePopupWidget())
            return;
        m_activated.removeIf([](const QPointer<QWidget>& w) { return !w || !w->isVisible(); });
        QWidget* next = m_activated.isEmpty() ? m_window.get() : m_activated.last().data();
        if (QWidget* modal = QApplication::activeModalWidget();
            modal && modal->isVisible() && next != modal && next->objectName() != "ivo-monkey-app")
            next = modal;
        if (next && next->isVisible())
            next->activateWindow();
    }

    // The launch's shell and its application: a process group of their own.
    static void endApp_(qint64 shell)
    {
        if (const pid_t group = ::getpgid(pid_t(shell)); group > 0 && group != ::getpgrp())
            ::kill(-group, SIGTERM);
    }
    // Starts a step and returns what tells that the program has taken it; empty for no such step.
    std::function<bool()> begin_(const QString& step)
    {
        const QString verb = step.section(' ', 0, 0), arg = step.section(' ', 1);
        m_loggedOut = m_loggedOut || (step.endsWith("OK") && focusHere().endsWith("/frmlogout"));
        if (kKeys.contains(step) || (verb == "twice" && kKeys.contains(arg))) {
            // Twice: two lines the daemon sent before the program read either.
            for (int i = verb == "twice" ? 2 : 1; i > 0; --i)
                remoteKey_(kKeys[verb == "twice" ? arg : step]);
            return [this] { return m_pendingKey.isEmpty(); };
        }
        const int before = m_watchReports;
        if (step == "Power") { // let go before the next tick
            remoteKey_(QStringLiteral("KEY_POWER"));
            m_window->powerkeyTimeout();
        } else if (verb == "wait") { // seconds (one unless given) of the launch animation's timer
            for (int i = 5 * (arg.isEmpty() ? 1 : arg.toInt()); i > 0; --i)
                m_window->refreshWaiting();
        } else if (step == "app closes") { // the application in front ends by itself
            if (appsRunning())
                m_real ? endApp_(m_appPids.takeLast()) : void(m_appWindows.takeLast()->close());
        } else if (verb == "language") { // removing the translator alone tells the widgets
            QCoreApplication::removeTranslator(&m_translator);
            if (arg != "eng" && m_translator.load(arg, root.path("/opt/ivo/lang")))
                QCoreApplication::installTranslator(&m_translator);
            else
                QCoreApplication::postEvent(qApp, new QEvent(QEvent::LanguageChange));
        } else if (verb == "screen") {
            root.write("/etc/Tellora/config/screen.conf", "[Screen1]\nName=HDMI-1\nMode=" + arg.toUtf8() + '\n');
            m_window->availableGeometryChanged(
                QRect(0, 0, arg.section('x', 0, 0).toInt(), arg.section('x', 1, 1).toInt()));
        } else if (verb == "install" || verb == "remove") { // in the pool's order, as the package tool keeps its file
            QStringList packages = m_installed;
            packages.removeAll(arg);
            if (verb == "install")
                packages.insert(std::count_if(packages.begin(), packages.end(),
                                    [&](const QString& p) { return kPool.indexOf(p) < kPool.indexOf(arg); }),
                    arg);
            setInstalled(packages);
        } else if (verb == "msg" || verb == "lap") {
            root.write("/tmp/ivo.hd3", (verb + ' ' + arg + (verb == "msg" ? " hello\n" : " start\n")).toUtf8());
        } else if (verb == "settings") {
            root.write("/tmp/ivo.cmd", ("Settings " + arg + "\n").toUtf8());
        } else {
            return {};
        }
        if (!QStringList {"install", "remove", "msg", "lap", "settings"}.contains(verb))
            return [] { return true; };
        if (verb == "settings" && !m_real) {
            // Taken when the settings are in front, behind what holds the keys (a message, a menu), or gone.
            return [this, before, open = arg == "Open"] {
                QWidget* active = QApplication::activeWindow();
                const bool settingsActive = active && active->objectName() == QLatin1String("SettingsDialog");
                const bool heldElsewhere
                    = QApplication::activePopupWidget() || (QApplication::activeModalWidget() && !settingsActive);
                return m_watchReports > before && (open ? settingsActive || heldElsewhere : !settingsActive);
            };
        }
        // A file another program writes: taken when the watcher has told the program.
        return [this, before] { return m_watchReports > before; };
    }

    // The invariant: the keys go to a visible menu, an application in front, or a shown, enabled widget of the active
    // window (the modal dialog if one is open), a grid showing its tile selected; a disabled home shows its lights.
    QString problem_()
    {
        if (!m_window || !m_window->isVisible())
            return QStringLiteral("the home window is not shown");
        if (QWidget* popup = QApplication::activePopupWidget())
            return popup->isVisible() ? QString() : QStringLiteral("a hidden menu takes the keys");
        if (appInForeground())
            return {};
        QWidget* active = QApplication::activeWindow();
        if (!active)
            return QStringLiteral("no window has the focus");
        const QWidget* owner = active;
        while (owner && owner != m_window.get())
            owner = owner->parentWidget();
        if (owner && !m_window->isEnabled())
            return m_window->findChild<QLabel*>("labwaiting")->isVisible()
                ? QString()
                : QStringLiteral("the home window is disabled without the waiting lights");
        if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != active)
            return QStringLiteral("dialog %1 is open, but %2 is active").arg(nameOf(modal), nameOf(active));
        QWidget* focus = QApplication::focusWidget();
        if (!focus || focus->window() != active || !focus->isVisible() || !focus->isEnabled())
            return QStringLiteral("%1 is active, and the focus is on %2 (not a shown, enabled widget of it)")
                .arg(nameOf(active), nameOf(focus));
        if (auto* grid = qobject_cast<MultiIconViewV*>(focus); grid && grid->count() > 0 && shownTile(*grid) < 0)
            return QStringLiteral("the grid has the focus, but no tile is shown selected");
        return {};
    }

    // Mostly the remote's keys, now and then the appliance.
    QString randomStep_(std::mt19937_64& rng)
    {
        static const QList<std::pair<QString, int>> kinds {{"Up", 12}, {"Down", 12}, {"Left", 12}, {"Right", 12},
            {"OK", 10}, {"Back", 8}, {"Menu", 2}, {"Power", 3}, {"twice", 3}, {"install", 3}, {"remove", 3}, {"msg", 3},
            {"lap", 2}, {"settings", 2}, {"language", 2}, {"app closes", 3}, {"screen", 1}, {"wait", 3}};
        static const int total = std::accumulate(
            kinds.begin(), kinds.end(), 0, [](int sum, const auto& kind) { return sum + kind.second; });
        static const QMap<QString, QStringList> kArgs {{"settings", {"Close", "Open"}},
            {"language", {"eng", "ger", "fre", "spa"}}, {"screen", {"1920x1080", "1280x720", "3840x2160", "1366x768"}},
            {"twice", {"OK", "Back", "Down", "Up"}}};
        QString kind;
        for (int pick = int(rng() % total), i = 0; kind.isEmpty(); pick -= kinds[i++].second)
            if (pick < kinds[i].second)
                kind = kinds[i].first;
        const auto any = [&](const QStringList& l) { return l.at(int(rng() % l.size())); };
        QStringList missing = kPool;
        for (const QString& p : m_installed)
            missing.removeAll(p);
        if (kind == "install" && missing.isEmpty())
            kind = "remove";
        if (kind == "remove" && m_installed.isEmpty())
            kind = "install";
        if (kind == "install" || kind == "remove")
            return kind + ' ' + any(kind == "install" ? missing : m_installed);
        if (kind == "msg" || kind == "lap")
            return kind + ' ' + any(m_installed.isEmpty() ? kPool : m_installed);
        if (kArgs.contains(kind))
            return kind + ' ' + any(kArgs[kind]);
        return kind == "app closes" && !appsRunning() ? QStringLiteral("Back") : kind;
    }

    // Steps from next(), each taken and the invariant holding after it. On log-out or a task-bar switch the program
    // ends its event loop, and with it what it had queued; the service manager starts it again.
    QString drive_(const QString& header, const std::function<QString()>& next)
    {
        QString report, step;
        QStringList last; // the last 20 steps
        std::atomic<bool> endedLoop = false;
        runDriven(
            [&] {
                while (report.isEmpty() && !(step = gui([&] { return next(); })).isEmpty()) {
                    last << QStringLiteral("%1 %2").arg(++m_taken, 7).arg(step);
                    if (last.size() > 20)
                        last.removeFirst();
                    QString problem = perform(step) ? check() : QStringLiteral("the program did not take the step");
                    if (endedLoop)
                        problem = QStringLiteral("the program ended its event loop");
                    if (!problem.isEmpty())
                        report = QStringLiteral("%1, step %2: %3\nlast steps:\n%4\n")
                                     .arg(header)
                                     .arg(m_taken)
                                     .arg(problem, last.join('\n'));
                }
                m_lastPlace = gui([&] { return focusHere(); });
                gui([] { return closeAll(), true; }); // so that the loops they run end
            },
            [&] {
                endedLoop = endedLoop || (!m_loggedOut && UserSettings::taskBarEnabled() == m_taskBar);
                m_window.reset();
                m_pendingKey.clear();
                m_heldTimers.clear();
                start();
                ++m_restarts;
            });
        return report;
    }

    bool m_real;
    int m_grace;
    std::unique_ptr<MainMWindow> m_window;
    QStringList m_installed;
    QMap<QString, QByteArray> m_sections; // each package's section of the package configuration
    int m_watchReports = 0;
    QSet<QObject*> m_heldTimers;
    QSet<QObject*> m_pendingKey; // daemon clients that have not yet handed the last line on
    QTranslator m_translator;
    QList<QPointer<QWidget>> m_appWindows, m_activated; // without real windows; m_activated in activation order
    QList<qint64> m_appPids; // with real windows
    int m_taken = 0, m_restarts = 0;
    bool m_loggedOut = false, m_taskBar = false;
    QString m_lastPlace;
};
