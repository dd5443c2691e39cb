#include "app/TimedRunner.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>

TimedRunner::TimedRunner(CommandRunner& next)
    : m_next(next)
{
}

template<class Call> auto TimedRunner::timed_(Call call)
{
    // Only the GUI thread's waits count: the command worker's hold nothing
    // the viewer sees.
    QCoreApplication* app = QCoreApplication::instance();
    if (app && QThread::currentThread() != app->thread())
        return call();
    QElapsedTimer t;
    t.start();
    auto result = call();
    m_waitedNs += t.nsecsElapsed();
    return result;
}

CommandResult_s TimedRunner::execute(const QString& program, const QStringList& args, Budget budget)
{
    return timed_([&] { return m_next.execute(program, args, budget); });
}

bool TimedRunner::startDetached(const QString& program, const QStringList& args, const QString& workingDirectory)
{
    return timed_([&] { return m_next.startDetached(program, args, workingDirectory); });
}

bool TimedRunner::startDetachedPid(
    const QString& program, const QStringList& args, const QString& workingDirectory, qint64* pid)
{
    return timed_([&] { return m_next.startDetachedPid(program, args, workingDirectory, pid); });
}
