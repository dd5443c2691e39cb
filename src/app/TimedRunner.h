#pragma once

#include "appliance/CommandRunner.h"

#include <atomic>

// Passes every command on to another runner and adds up the time the GUI
// thread spent waiting for synchronous ones, so start-up can tell its own
// work from the time its child processes take.
class TimedRunner : public CommandRunner
{
public:
    explicit TimedRunner(CommandRunner& next);

    CommandResult_s execute(const QString& program, const QStringList& args, Budget budget) override;
    bool startDetached(
        const QString& program, const QStringList& args, const QString& workingDirectory = QString()) override;
    bool startDetachedPid(
        const QString& program, const QStringList& args, const QString& workingDirectory, qint64* pid) override;

    qint64 waitedNs() const { return m_waitedNs.load(); }

private:
    template<class Call> auto timed_(Call call);

    CommandRunner& m_next;
    std::atomic<qint64> m_waitedNs {0};
};
