#pragma once

#include "appliance/CommandBudget.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// Result of a synchronous command.
struct CommandResult_s {
    bool started = false; // false: the program could not be started (or was skipped)
    bool timedOut = false; // ran past its budget: ended, or no longer waited for
    int exitCode = -1; // -1 when it did not exit normally
    QByteArray out; // standard output
    QByteArray err; // standard error
    bool skipped = false; // not started: the program overran its budget a moment ago

    bool ok() const { return started && !timedOut && exitCode == 0; }
};

// The one way the program runs other programs. Production code uses the
// QProcess runner; tests install a recording runner that captures each
// command line and answers with scripted output. Implementations must be
// callable from any thread (the installer polls from its worker thread).
class CommandRunner
{
public:
    virtual ~CommandRunner();

    // Runs program with args and waits at most the budget's time (see
    // CommandBudget). A program that overran its budget in the last minute is
    // not started: the call fails at once, skipped, and says so in the log.
    CommandResult_s run(const QString& program, const QStringList& args, Budget budget);
    // What a runner implements: run and wait within the budget. Callers use
    // run(), which keeps the memory of overruns.
    virtual CommandResult_s execute(const QString& program, const QStringList& args, Budget budget) = 0;
    // Starts program with args detached; false when it could not be started.
    virtual bool startDetached(
        const QString& program, const QStringList& args, const QString& workingDirectory = QString())
        = 0;
    // Like startDetached(), and hands back the process id in *pid: 0 when the
    // program could not be started or the runner cannot tell. A runner that
    // passes commands on to another must pass this one on too, or the
    // callers that keep the id (the one-touch tool) lose it.
    virtual bool startDetachedPid(
        const QString& program, const QStringList& args, const QString& workingDirectory, qint64* pid);

    // One string split at blanks into program and arguments (no quoting).
    CommandResult_s runLine(const QString& line, Budget budget);
    bool startDetachedLine(const QString& line);
    // Shell text run as "<shell> -c <script>"; shell is "sh" or a mapped path
    // such as Appliance::path("/bin/bash").
    CommandResult_s runShell(const QString& shell, const QString& script, Budget budget);
    bool startDetachedShell(const QString& shell, const QString& script, const QString& workingDirectory = QString());

    // The blank-split form used by runLine(): empty parts are dropped.
    static QStringList splitAtBlanks(const QString& line);
    // program and args as one line, arguments holding white space or quotes
    // in double quotes, the way the command would be typed.
    static QString joinLine(const QString& program, const QStringList& args);
};

// The QProcess-based runner used on the appliance and in the simulator. Each
// program runs in a process group of its own; past its budget the group gets
// SIGTERM, then SIGKILL, and every wait, the one after the kill included, is
// bounded. A command whose budget lets it go is no longer waited for and
// goes on detached.
class ProcessRunner : public CommandRunner
{
public:
    CommandResult_s execute(const QString& program, const QStringList& args, Budget budget) override;
    bool startDetached(
        const QString& program, const QStringList& args, const QString& workingDirectory = QString()) override;
    bool startDetachedPid(
        const QString& program, const QStringList& args, const QString& workingDirectory, qint64* pid) override;
};

namespace Appliance {
// The runner in use; a process-wide ProcessRunner unless one was installed.
CommandRunner& runner();
// Installs a runner (nullptr restores the default) and returns the previous
// one. Not owned. Install before threads that run commands start.
CommandRunner* setRunner(CommandRunner* runner);
} // namespace Appliance
