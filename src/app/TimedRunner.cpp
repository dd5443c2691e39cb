#include "app/TimedRunner.h"

#include <QElapsedTimer>

TimedRunner::TimedRunner(CommandRunner& next)
    : m_next(next)
{
}

CommandResult_s TimedRunner::run(const QString& program, const QStringList& args, int timeoutMs)
{
    QElapsedTimer t;
    t.start();
    CommandResult_s r = m_next.run(program, args, timeoutMs);
    m_waitedNs += t.nsecsElapsed();
    return r;
}

bool TimedRunner::startDetached(const QString& program, const QStringList& args, const QString& workingDirectory)
{
    QElapsedTimer t;
    t.start();
    const bool ok = m_next.startDetached(program, args, workingDirectory);
    m_waitedNs += t.nsecsElapsed();
    return ok;
}
