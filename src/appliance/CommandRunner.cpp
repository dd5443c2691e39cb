#include "appliance/CommandRunner.h"

#include <QProcess>

#include <atomic>

CommandRunner::~CommandRunner() = default;

QStringList CommandRunner::splitAtBlanks(const QString& line)
{
    return line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

QString CommandRunner::joinLine(const QString& program, const QStringList& args)
{
    QString line = program;
    for (const QString& a : args) {
        line += QLatin1Char(' ');
        const bool quote = a.isEmpty() || a.contains(QLatin1Char(' ')) || a.contains(QLatin1Char('\t'))
            || a.contains(QLatin1Char('\n')) || a.contains(QLatin1Char('"'));
        if (quote) {
            QString escaped = a;
            escaped.replace(QLatin1String("\\"), QLatin1String("\\\\"));
            escaped.replace(QLatin1String("\""), QLatin1String("\\\""));
            line += QLatin1Char('"') + escaped + QLatin1Char('"');
        } else {
            line += a;
        }
    }
    return line;
}

CommandResult_s CommandRunner::runLine(const QString& line, int timeoutMs)
{
    QStringList parts = splitAtBlanks(line);
    if (parts.isEmpty())
        return {};
    const QString program = parts.takeFirst();
    return run(program, parts, timeoutMs);
}

bool CommandRunner::startDetachedPid(
    const QString& program, const QStringList& args, const QString& workingDirectory, qint64* pid)
{
    *pid = 0;
    return startDetached(program, args, workingDirectory);
}

bool CommandRunner::startDetachedLine(const QString& line)
{
    QStringList parts = splitAtBlanks(line);
    if (parts.isEmpty())
        return false;
    const QString program = parts.takeFirst();
    return startDetached(program, parts);
}

CommandResult_s CommandRunner::runShell(const QString& shell, const QString& script, int timeoutMs)
{
    return run(shell, {QStringLiteral("-c"), script}, timeoutMs);
}

bool CommandRunner::startDetachedShell(const QString& shell, const QString& script, const QString& workingDirectory)
{
    return startDetached(shell, {QStringLiteral("-c"), script}, workingDirectory);
}

CommandResult_s ProcessRunner::run(const QString& program, const QStringList& args, int timeoutMs)
{
    CommandResult_s r;
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(-1))
        return r;
    r.started = true;
    p.closeWriteChannel();
    if (!p.waitForFinished(timeoutMs < 0 ? -1 : timeoutMs)) {
        r.timedOut = p.state() != QProcess::NotRunning;
        if (r.timedOut) {
            p.kill();
            p.waitForFinished(-1);
        }
    }
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    if (!r.timedOut && p.exitStatus() == QProcess::NormalExit)
        r.exitCode = p.exitCode();
    return r;
}

bool ProcessRunner::startDetached(const QString& program, const QStringList& args, const QString& workingDirectory)
{
    return QProcess::startDetached(program, args, workingDirectory);
}

bool ProcessRunner::startDetachedPid(
    const QString& program, const QStringList& args, const QString& workingDirectory, qint64* pid)
{
    *pid = 0;
    return QProcess::startDetached(program, args, workingDirectory, pid);
}

namespace Appliance {

static std::atomic<CommandRunner*> s_runner {nullptr};

CommandRunner& runner()
{
    static ProcessRunner defaultRunner;
    CommandRunner* r = s_runner.load(std::memory_order_acquire);
    return r ? *r : defaultRunner;
}

CommandRunner* setRunner(CommandRunner* r) { return s_runner.exchange(r, std::memory_order_acq_rel); }

} // namespace Appliance
