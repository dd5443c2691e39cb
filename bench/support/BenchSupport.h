#pragma once
// What the window benchmarks share: a runner that starts nothing, waiting for
// a paint, and the median.
#include "appliance/CommandRunner.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <vector>

// The appliance's programs answer nothing here; no process is started.
class SilentRunner : public CommandRunner
{
public:
    CommandResult_s run(const QString&, const QStringList&, int) override { return {true, false, 0, {}, {}}; }
    bool startDetached(const QString&, const QStringList&, const QString&) override { return true; }
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
