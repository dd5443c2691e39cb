#include "MonkeyDriver.h"

#include "MonkeyStage.h"

#include "appliance/UserSettings.h"
#include "home/MainMWindow.h"
#include "widgets/IconItem.h"
#include "widgets/MultiIconViewV.h"

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>
#include <QThread>
#include <QTimer>
#include <QWindow>

#include <csignal>
#include <cstring>

#include <unistd.h>

namespace {

const QMap<QString, QString> kKeys {{"Up", "KEY_UP"}, {"Down", "KEY_DOWN"}, {"Left", "KEY_LEFT"},
    {"Right", "KEY_RIGHT"}, {"OK", "KEY_OK"}, {"Back", "KEY_EXIT"}, {"Menu", "KEY_MENU"}};

// How long the program may take to react to a file another program wrote.
constexpr int kReactionMs = 10000;

// The tile drawn selected (zoomed), -1 for none.
int shownTile(const MultiIconViewV& grid)
{
    for (int slot = 0; slot < grid.pageSize(); ++slot)
        if (const IconItem* item = grid.pageItem(slot); item && !item->transform().isIdentity())
            return grid.pageStart() + slot;
    return -1;
}

// The last steps, kept where a fatal signal's handler can print them.
struct CrashNote_s {
    char lines[20][96] {};
    int next = 0;
    char header[96] {};
} g_note;

void printNote(int sig)
{
    const auto put = [](const char* s) { (void)!::write(2, s, std::strlen(s)); };
    put("\nmonkey: the program died (signal) after these steps:\n");
    put(g_note.header);
    for (int i = 0; i < 20; ++i) {
        const char* line = g_note.lines[(g_note.next + i) % 20];
        if (*line) {
            put("  ");
            put(line);
            put("\n");
        }
    }
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

} // namespace

MonkeyDriver::MonkeyDriver(MonkeyStage& stage, int graceMs)
    : m_stage(stage)
    , m_context(&stage)
    , m_grace(graceMs)
{
    for (int sig : {SIGSEGV, SIGABRT, SIGBUS, SIGFPE})
        std::signal(sig, printNote);
}

bool MonkeyDriver::waitUntil(const std::function<bool()>& cond, int ms)
{
    QElapsedTimer clock;
    clock.start();
    while (!gui(cond)) {
        if (clock.elapsed() > ms)
            return false;
        QThread::usleep(200); // a polling interval: the GUI thread runs its loop in between
    }
    return true;
}

bool MonkeyDriver::perform(const QString& step)
{
    const std::function<bool()> settled = gui([&] { return begin_(step); });
    return settled && waitUntil(settled, kReactionMs);
}

std::function<bool()> MonkeyDriver::begin_(const QString& step)
{
    const QString verb = step.section(' ', 0, 0), arg = step.section(' ', 1);
    MonkeyStage& s = m_stage;
    const auto done = [] { return true; };
    if (kKeys.contains(step) || (verb == "twice" && kKeys.contains(arg))) {
        // Twice: two lines the daemon sent before the program read either.
        for (int i = verb == "twice" ? 2 : 1; i > 0; --i)
            s.remoteKey(kKeys[verb == "twice" ? arg : step]);
        return [&s] { return s.keyDelivered(); };
    }
    if (step == "Power") {
        s.shortPowerPress();
    } else if (verb == "wait") { // seconds (one unless given) of the launch animation's timer
        for (int i = 5 * (arg.isEmpty() ? 1 : arg.toInt()); i > 0; --i)
            s.window()->refreshWaiting();
    } else if (step == "app closes") {
        s.closeApp();
    } else if (verb == "language") {
        s.switchLanguage(arg);
    } else if (verb == "screen") {
        s.changeScreen(QSize(arg.section('x', 0, 0).toInt(), arg.section('x', 1, 1).toInt()));
    } else {
        // The rest are files other programs write: the step ends when the watcher has told the program.
        const int before = s.watchReports();
        if (verb == "install" || verb == "remove") {
            QStringList packages = s.installed();
            const QStringList& pool = MonkeyStage::pool();
            if (verb == "remove")
                packages.removeAll(arg);
            else if (!packages.contains(arg)) // in the pool's order, as the package tool keeps its file
                packages.insert(std::count_if(packages.begin(), packages.end(),
                                    [&](const QString& p) { return pool.indexOf(p) < pool.indexOf(arg); }),
                    arg);
            s.setInstalled(packages);
        } else if (verb == "msg" || verb == "lap") {
            s.writeCommandFile("/tmp/ivo.hd3", (verb + ' ' + arg + (verb == "msg" ? " hello\n" : " start\n")).toUtf8());
        } else if (verb == "settings") {
            s.writeCommandFile("/tmp/ivo.cmd", ("Settings " + arg + "\n").toUtf8());
        } else {
            return {};
        }
        if (verb == "settings" && !s.realWindows()) {
            // Without a window manager the window layer activates a window shown or closed on its next pass: keys
            // read before it went where they went before the command. The step ends when the settings are in
            // front with the keys, or behind what holds them (a message, a menu), or gone.
            const bool open = arg == "Open";
            return [&s, before, open] {
                if (s.watchReports() <= before)
                    return false;
                QWidget* active = QApplication::activeWindow();
                const bool settingsActive = active && active->objectName() == QLatin1String("SettingsDialog");
                const bool heldElsewhere
                    = QApplication::activePopupWidget() || (QApplication::activeModalWidget() && !settingsActive);
                return open ? settingsActive || heldElsewhere : !settingsActive;
            };
        }
        return [&s, before] { return s.watchReports() > before; };
    }
    return done;
}

QString MonkeyDriver::problem_()
{
    MainMWindow* home = m_stage.window();
    if (!home || !home->isVisible())
        return QStringLiteral("the home window is not shown");
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->isVisible() ? QString() : QStringLiteral("a hidden menu takes the keys");
    if (m_stage.appInForeground())
        return {};
    QWidget* active = QApplication::activeWindow();
    if (!active)
        return QStringLiteral("no window has the focus");
    // While a launch waits for its application the window and its dialogs take no keys, and it shows the lights.
    const auto ownedByHome = [home](const QWidget* w) {
        while (w && w != home)
            w = w->parentWidget();
        return w == home;
    };
    if (ownedByHome(active) && !home->isEnabled())
        return home->findChild<QLabel*>("labwaiting")->isVisible()
            ? QString()
            : QStringLiteral("the home window is disabled without the waiting lights");
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != active)
        return QStringLiteral("dialog %1 is open, but %2 is active").arg(nameOf(modal), nameOf(active));
    QWidget* focus = QApplication::focusWidget();
    if (!focus)
        return QStringLiteral("%1 is active, and nothing in it has the focus (it names %2%3)")
            .arg(nameOf(active), nameOf(active->focusWidget()),
                active->isEnabled() ? QString() : QStringLiteral(", and is disabled"));
    if (focus->window() != active)
        return QStringLiteral("the focus is on %1, outside the active %2").arg(nameOf(focus), nameOf(active));
    if (!focus->isVisible())
        return QStringLiteral("the focus is on %1, which is hidden").arg(nameOf(focus));
    if (!focus->isEnabled())
        return QStringLiteral("the focus is on %1, which is disabled").arg(nameOf(focus));
    if (auto* grid = qobject_cast<MultiIconViewV*>(focus); grid && grid->count() > 0 && shownTile(*grid) < 0)
        return QStringLiteral("the grid has the focus, but no tile is shown selected");
    return {};
}

QString MonkeyDriver::check()
{
    QString problem = gui([&] { return problem_(); });
    if (problem.isEmpty())
        return {};
    waitUntil([&] { return (problem = problem_()).isEmpty(); }, m_grace);
    return problem;
}

QString MonkeyDriver::focusId()
{
    return gui([&] { return focusHere_(); });
}

QString MonkeyDriver::focusHere_()
{
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
        return "menu:" + (menu->activeAction() ? menu->activeAction()->text() : QStringLiteral("-"));
    QWidget* active = QApplication::activeWindow();
    if (!active)
        return m_stage.appInForeground() ? QStringLiteral("app") : QStringLiteral("nothing");
    QWidget* focus = QApplication::focusWidget();
    QString id = nameOf(active) + '/' + nameOf(focus);
    if (auto* grid = qobject_cast<MultiIconViewV*>(focus))
        id += '#' + QString::number(shownTile(*grid));
    return id;
}

void MonkeyDriver::closeAll()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    // Not only modal ones: a dialog shown before its exec() runs its loop without being modal.
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
            dialog->reject();
}

bool MonkeyDriver::atHome()
{
    return gui([&] { return atHomeHere(); });
}

bool MonkeyDriver::atHomeHere() const
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QDialog*>(w) && w->isVisible())
            return false;
    return !QApplication::activePopupWidget() && QApplication::activeWindow() == m_stage.window()
        && m_stage.window()->isEnabled();
}

void MonkeyDriver::remember_(const QString& step)
{
    ++m_taken;
    m_last.append(QStringLiteral("%1 %2").arg(m_taken, 7).arg(step));
    if (m_last.size() > 20)
        m_last.removeFirst();
    m_history.note("step " + m_last.last().trimmed());
    std::strncpy(g_note.lines[g_note.next], m_last.last().toUtf8().constData(), sizeof g_note.lines[0] - 1);
    g_note.next = (g_note.next + 1) % 20;
}

QString MonkeyDriver::report_(const QString& problem, const QString& header)
{
    const QWindow* focus = QGuiApplication::focusWindow();
    QStringList shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            shown << nameOf(w) + (w->isEnabled() ? QString() : QStringLiteral(" (disabled)"));
    QString where
        = QStringLiteral("\nQt: %1 active, focus window %2; shown: %3")
              .arg(nameOf(QApplication::activeWindow()),
                  focus ? focus->title() + '/' + focus->objectName() : QStringLiteral("none"), shown.join(", "));
    if (m_stage.realWindows())
        where += QStringLiteral("\nthe window manager: ") + m_stage.windowManagerView();
    where += QStringLiteral("\nthe focus lately:\n") + m_history.text();
    return QStringLiteral("%1, step %2: %3%4\nlast steps:\n%5\n")
        .arg(header)
        .arg(m_taken)
        .arg(problem, where, m_last.join('\n'));
}

QString MonkeyDriver::randomStep(std::mt19937_64& rng, const QStringList& installed, bool appRunning)
{
    // Weights: mostly the remote's keys, now and then the appliance.
    static const QList<std::pair<QString, int>> kinds {{"Up", 12}, {"Down", 12}, {"Left", 12}, {"Right", 12},
        {"OK", 10}, {"Back", 8}, {"Menu", 2}, {"Power", 3}, {"twice", 3}, {"install", 3}, {"remove", 3}, {"msg", 3},
        {"lap", 2}, {"settings", 2}, {"language", 2}, {"app closes", 3}, {"screen", 1}, {"wait", 3}};
    static const int total = [] {
        int t = 0;
        for (const auto& k : kinds)
            t += k.second;
        return t;
    }();
    int pick = int(rng() % total);
    QString kind;
    for (const auto& [name, weight] : kinds) {
        if (pick < weight) {
            kind = name;
            break;
        }
        pick -= weight;
    }
    const QStringList& pool = MonkeyStage::pool();
    const auto any = [&](const QStringList& l) { return l.at(int(rng() % l.size())); };
    QStringList missing;
    for (const QString& p : pool)
        if (!installed.contains(p))
            missing << p;
    if (kind == "install" && missing.isEmpty())
        kind = "remove";
    if (kind == "remove" && installed.isEmpty())
        kind = "install";
    if (kind == "install")
        return "install " + any(missing);
    if (kind == "remove")
        return "remove " + any(installed);
    if (kind == "msg" || kind == "lap")
        return kind + ' ' + any(installed.isEmpty() ? pool : installed);
    if (kind == "settings")
        return rng() % 2 ? QStringLiteral("settings Open") : QStringLiteral("settings Close");
    if (kind == "language")
        return "language " + any({"eng", "ger", "fre", "spa"});
    if (kind == "screen")
        return "screen " + any({"1920x1080", "1280x720", "3840x2160", "1366x768"});
    if (kind == "twice")
        return "twice " + any({"OK", "Back", "Down", "Up"});
    if (kind == "app closes" && !appRunning)
        return QStringLiteral("Back");
    return kind;
}

QString MonkeyDriver::run(quint64 seed, int steps)
{
    std::mt19937_64 rng(seed);
    const QString header = QStringLiteral("monkey seed %1").arg(seed);
    std::strncpy(g_note.header, (header + '\n').toUtf8().constData(), sizeof g_note.header - 1);
    return drive_(header, [&]() -> QString {
        if (m_taken >= steps)
            return {};
        return randomStep(rng, m_stage.installed(), m_stage.appsRunning() > 0);
    });
}

QString MonkeyDriver::replay(const QStringList& steps)
{
    return drive_(QStringLiteral("replay"), [&] { return steps.value(m_taken); });
}

QString MonkeyDriver::drive_(const QString& header, const std::function<QString()>& next)
{
    const bool trace = qEnvironmentVariableIsSet("IVO_MONKEY_TRACE");
    QString report, step;
    std::function<bool()> settled = [] { return true; };
    QElapsedTimer since; // the step's start, then the invariant's first break
    bool broken = false, loggedOut = false, finished = false;
    bool taskBar = UserSettings::taskBarEnabled();
    since.start();
    QTimer ticks;
    // One step per turn of whichever event loop runs, so that a menu or a dialog with a loop of its own is driven
    // from inside it.
    QObject::connect(&ticks, &QTimer::timeout, [&] {
        if (finished)
            return;
        if (!settled()) {
            if (since.elapsed() > kReactionMs)
                report = report_(QStringLiteral("the program did not take the step"), header), finished = true;
            return;
        }
        if (!step.isEmpty()) {
            if (const QString problem = problem_(); !problem.isEmpty()) {
                if (!std::exchange(broken, true))
                    since.restart();
                if (since.elapsed() > m_grace)
                    report = report_(problem, header), finished = true;
                return;
            }
            if (trace)
                qInfo("%7d %-20s %s (modal: %s)", m_taken, qPrintable(step), qPrintable(focusHere_()),
                    qPrintable(nameOf(QApplication::activeModalWidget())));
        }
        broken = false;
        step = next();
        if (step.isEmpty()) {
            m_lastPlace = focusHere_();
            // What is still open goes, so that the loops it runs end.
            closeAll();
            finished = true;
            return;
        }
        remember_(step);
        loggedOut = loggedOut || (step.endsWith("OK") && focusHere_().endsWith("/frmlogout"));
        settled = begin_(step);
        if (!settled)
            report = report_(QStringLiteral("no such step"), header), finished = true;
        since.restart();
    });
    ticks.start(0);
    QObject::connect(&ticks, &QTimer::timeout, qApp, [&] {
        if (finished)
            QCoreApplication::exit(0);
    });
    // The application's own loop, as on the appliance (some of Qt behaves otherwise outside it). It also ends
    // when the program ends it (log-out, the task bar switched on or off): its process is gone then, with whatever
    // it still had queued (a second OK for the log-out button), and the service manager starts it again.
    while (!finished) {
        QCoreApplication::exec();
        if (finished)
            break;
        if (!loggedOut && UserSettings::taskBarEnabled() == taskBar) {
            report = report_(QStringLiteral("the program ended its event loop"), header);
            break;
        }
        m_stage.restart();
        loggedOut = false;
        taskBar = UserSettings::taskBarEnabled();
        // A step begun meanwhile went with the old process or is read afresh by the new one.
        settled = [] { return true; };
    }
    return report;
}

void runDriven(MonkeyDriver& driver, const std::function<void()>& body)
{
    std::atomic<bool> done {false};
    QThread* thread = QThread::create([&] {
        body();
        done = true;
        QMetaObject::invokeMethod(
            qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    });
    thread->start();
    while (!done) {
        QCoreApplication::exec();
        driver.ended = !done;
    }
    thread->wait();
    delete thread;
}

QString nameOf(const QObject* o)
{
    if (!o)
        return QStringLiteral("nothing");
    return o->objectName().isEmpty() ? QString::fromLatin1(o->metaObject()->className()) : o->objectName();
}
