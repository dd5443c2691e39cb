#pragma once

#include "appliance/CommandRunner.h"

#include <QList>
#include <QMutex>
#include <QRegularExpression>

#include <functional>

// A command runner for tests: records every command (program and arguments, and the line as it would be typed) and
// answers with scripted results. It installs itself on construction and restores the previous runner when destroyed.
// Safe to call from any thread.
class RecordingRunner : public CommandRunner
{
public:
    struct Call_s {
        bool detached = false;
        QString program;
        QStringList args;
        Budget budget = Budget::Query; // synchronous calls only
        QString workingDirectory;
        QString line() const { return CommandRunner::joinLine(program, args); }
    };

    // Starts with no overrun remembered, whatever an earlier test scripted.
    RecordingRunner()
    {
        CommandBudget::forgetOverruns();
        m_previous = Appliance::setRunner(this);
    }
    ~RecordingRunner() override { Appliance::setRunner(m_previous); }

    // The first rule whose pattern matches the whole command line answers; without one a command "succeeds" silently.
    void answer(const QString& linePattern, const QByteArray& out, int exitCode = 0)
    {
        answer(linePattern, CommandResult_s {.started = true, .exitCode = exitCode, .out = out, .err = {}});
    }
    void answer(const QString& linePattern, const CommandResult_s& result);

    // Called on the GUI thread before each command the GUI thread waits for.
    std::function<void(const Call_s&)> beforeGuiWait;

    QList<Call_s> calls() const
    {
        QMutexLocker lock(&m_mutex);
        return m_calls;
    }
    QStringList lines() const;
    void clear()
    {
        QMutexLocker lock(&m_mutex);
        m_calls.clear();
    }

    CommandResult_s execute(const QString& program, const QStringList& args, Budget budget) override;
    bool startDetached(
        const QString& program, const QStringList& args, const QString& workingDirectory = QString()) override;

private:
    CommandResult_s record_(const Call_s& call);

    mutable QMutex m_mutex;
    QList<Call_s> m_calls;
    QList<std::pair<QRegularExpression, CommandResult_s>> m_rules; // pattern, answer
    CommandRunner* m_previous = nullptr;
};
