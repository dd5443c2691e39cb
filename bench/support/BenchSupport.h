#pragma once
// What the window benchmarks share: a runner that starts nothing, a scratch
// appliance with the IR daemon's socket, waiting for a paint, and the median.
#include "appliance/CommandRunner.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPaintEvent>
#include <QRegion>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

// The appliance's programs answer nothing here; no process is started.
class SilentRunner : public CommandRunner
{
public:
    CommandResult_s execute(const QString&, const QStringList&, Budget) override { return {true, false, 0, {}, {}}; }
    bool startDetached(const QString&, const QStringList&, const QString&) override { return true; }
};

// An empty appliance in a scratch folder (IVO_SYSROOT; user admin, an
// administrator if asked, with HOME there) whose programs answer nothing; the
// offscreen platform unless one is chosen, or with display, unless DISPLAY is
// set. Made before the application.
struct BenchOptions_s {
    bool administrator = false;
    bool display = false;
};
class BenchAppliance
{
public:
    explicit BenchAppliance(BenchOptions_s options = {})
    {
        QDir().mkpath(m_root.path() + QStringLiteral("/dev"));
        QDir().mkpath(m_root.path() + QStringLiteral("/home/admin"));
        qputenv("IVO_SYSROOT", m_root.path().toUtf8());
        qputenv("HOME", (m_root.path() + QStringLiteral("/home/admin")).toUtf8());
        qputenv("NasUser", "YWRtaW4=");
        if (options.administrator)
            qputenv("NasGroupID", "MA==");
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")
            && !(options.display && !qEnvironmentVariableIsEmpty("DISPLAY")))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        Appliance::setRunner(&m_runner);
    }
    ~BenchAppliance() { Appliance::setRunner(nullptr); }

    // Listens on the IR daemon's socket, once the application exists.
    bool listen()
    {
        if (m_daemon.listen(m_root.path() + QStringLiteral("/dev/lircd")))
            return true;
        std::fprintf(stderr, "cannot listen on the daemon's socket\n");
        return false;
    }
    // The home window's connection to the daemon, null when none came within ten seconds.
    QLocalSocket* connection()
    {
        if (m_daemon.waitForNewConnection(10000))
            return m_daemon.nextPendingConnection();
        std::fprintf(stderr, "the home window never connected to the daemon\n");
        return nullptr;
    }

private:
    QTemporaryDir m_root;
    SilentRunner m_runner;
    QLocalServer m_daemon;
};

// Notes the paints of one widget and the region of the last.
struct PaintWatch_s : QObject {
    bool painted = false;
    QRegion region;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint) {
            painted = true;
            region = static_cast<QPaintEvent*>(e)->region();
        }
        return false;
    }
};

// Runs the loop until watch.painted; the paint is over when the call that
// delivered it returns. Nanoseconds since start, -1 when nothing was painted
// within ten seconds.
template<typename Watch> qint64 untilPainted(Watch& watch, const QElapsedTimer& start)
{
    while (!watch.painted && start.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 100);
    return watch.painted ? start.nsecsElapsed() : -1;
}

inline qint64 median(std::vector<qint64> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}
