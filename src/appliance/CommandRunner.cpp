#include "appliance/CommandRunner.h"

#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QMutex>
#include <QProcess>
#include <QThread>

#include <atomic>
#include <memory>
#include <vector>

#include <cstdio>
#include <execinfo.h>
#include <signal.h>
#include <unistd.h>

Q_LOGGING_CATEGORY(lcCommand, "ivo.command")

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

CommandResult_s CommandRunner::run(const QString& program, const QStringList& args, Budget budget)
{
    const QString name = CommandBudget::programOf(program, args);
    const int age = CommandBudget::overrunAge(name);
    if (age >= 0) {
        qCWarning(lcCommand).noquote() << QStringLiteral("command: skipped, %1 ran past its budget %2 s ago: %3")
                                              .arg(name)
                                              .arg(age)
                                              .arg(joinLine(program, args));
        CommandResult_s skipped;
        skipped.skipped = true;
        return skipped;
    }
    CommandResult_s r = execute(program, args, budget);
    if (r.timedOut)
        CommandBudget::noteOverrun(name);
    return r;
}

CommandResult_s CommandRunner::runLine(const QString& line, Budget budget)
{
    QStringList parts = splitAtBlanks(line);
    if (parts.isEmpty())
        return {};
    const QString program = parts.takeFirst();
    return run(program, parts, budget);
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

CommandResult_s CommandRunner::runShell(const QString& shell, const QString& script, Budget budget)
{
    return run(shell, {QStringLiteral("-c"), script}, budget);
}

bool CommandRunner::startDetachedShell(const QString& shell, const QString& script, const QString& workingDirectory)
{
    return startDetached(shell, {QStringLiteral("-c"), script}, workingDirectory);
}

namespace {

// Processes no longer waited for whose program still runs. A QProcess
// destroyed while its child runs kills the child and waits for it, up to
// 30 s, so these live until their program ends; each is looked at again by
// the next command of its own thread. Never destroyed: at exit they are left
// running.
QMutex s_leftoverMutex;
std::vector<QProcess*>* s_leftovers = new std::vector<QProcess*>;

void keepLeftover(QProcess* p)
{
    QMutexLocker lock(&s_leftoverMutex);
    s_leftovers->push_back(p);
}

void reapLeftovers()
{
    std::vector<QProcess*> done;
    {
        QMutexLocker lock(&s_leftoverMutex);
        for (auto it = s_leftovers->begin(); it != s_leftovers->end();) {
            QProcess* p = *it;
            if (p->thread() == QThread::currentThread()) {
                p->waitForFinished(0);
                // Drained, so that a chatty program does not block on a full pipe.
                p->readAllStandardOutput();
                p->readAllStandardError();
                if (p->state() == QProcess::NotRunning) {
                    done.push_back(p);
                    it = s_leftovers->erase(it);
                    continue;
                }
            }
            ++it;
        }
    }
    for (QProcess* p : done)
        delete p;
}

void signalGroup(qint64 pid, int signal)
{
    if (pid > 0)
        ::kill(-pid_t(pid), signal);
}

} // namespace

CommandResult_s ProcessRunner::execute(const QString& program, const QStringList& args, Budget budget)
{
    if (qEnvironmentVariableIsSet("IVO_TRACE_CMD")) {
        fprintf(stderr, "CMD %s\n", qPrintable(joinLine(program, args)));
        void* frames[40];
        const int n = backtrace(frames, 40);
        backtrace_symbols_fd(frames, n, 2);
    }
    reapLeftovers();
    CommandResult_s r;
    auto p = std::make_unique<QProcess>();
    // Its own process group, so that an overrun ends the shell's children too.
    p->setChildProcessModifier([] { ::setpgid(0, 0); });
    QElapsedTimer clock;
    clock.start();
    const int limit = CommandBudget::ms(budget);
    p->start(program, args);
    if (!p->waitForStarted(limit)) {
        if (p->state() != QProcess::NotRunning) {
            keepLeftover(p.release());
            r.timedOut = true;
        }
        return r;
    }
    r.started = true;
    p->closeWriteChannel();
    const int left = int(std::max<qint64>(0, limit - clock.elapsed()));
    if (!p->waitForFinished(left) && p->state() != QProcess::NotRunning) {
        r.timedOut = true;
        const BudgetRule_s& rule = CommandBudget::rule(budget);
        const QString line = joinLine(program, args);
        const QString overrun = QStringLiteral("command: ran past its budget of %1 ms (%2)").arg(limit).arg(rule.name);
        r.out = p->readAllStandardOutput();
        r.err = p->readAllStandardError();
        if (rule.letGo) {
            qCWarning(lcCommand).noquote() << overrun + QStringLiteral(", left running: ") + line;
            keepLeftover(p.release());
            return r;
        }
        const qint64 pid = p->processId();
        const int grace = CommandBudget::graceMs(budget);
        if (grace > 0) {
            signalGroup(pid, SIGTERM);
            p->waitForFinished(grace);
        }
        if (p->state() != QProcess::NotRunning) {
            signalGroup(pid, SIGKILL);
            p->kill();
            p->waitForFinished(CommandBudget::afterKillMs());
        }
        if (p->state() != QProcess::NotRunning) {
            // A program running as root under sudo cannot be ended by us.
            qCWarning(lcCommand).noquote() << overrun
                    + QStringLiteral(", still running after its kill (a child under sudo may run as root): ") + line;
            keepLeftover(p.release());
            return r;
        }
        qCWarning(lcCommand).noquote() << overrun + QStringLiteral(", ended: ") + line;
        return r;
    }
    r.out = p->readAllStandardOutput();
    r.err = p->readAllStandardError();
    if (p->exitStatus() == QProcess::NormalExit)
        r.exitCode = p->exitCode();
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
