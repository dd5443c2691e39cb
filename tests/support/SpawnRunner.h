#pragma once

#include "appliance/CommandRunner.h"

#include <QFile>
#include <QList>

#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

// Programs started without fork(), for suites with threads of their own: under ThreadSanitizer a QProcess start
// (vfork semantics) leaves this process marked as a fork child, and the next thread it starts ends the test.

// Starts argv[0] (looked up on PATH), standard output into outFd when one is given: the process id, or -1.
inline pid_t spawnProgram(QList<QByteArray> argv, int outFd = -1)
{
    std::vector<char*> words;
    for (QByteArray& w : argv)
        words.push_back(w.data());
    words.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (outFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, outFd, STDOUT_FILENO);
    pid_t pid = -1;
    const bool started = posix_spawnp(&pid, words[0], &actions, nullptr, words.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    return started ? pid : -1;
}

// Really runs the commands through spawnProgram(), collecting standard output; no time limits, no detached starts.
class SpawnRunner final : public CommandRunner
{
public:
    SpawnRunner()
        : m_previous(Appliance::setRunner(this))
    {
    }
    ~SpawnRunner() override { Appliance::setRunner(m_previous); }

    CommandResult_s execute(const QString& program, const QStringList& args, Budget) override
    {
        CommandResult_s result;
        int out[2];
        if (::pipe2(out, O_CLOEXEC) != 0)
            return result;
        QList<QByteArray> argv {QFile::encodeName(program)};
        for (const QString& arg : args)
            argv << arg.toLocal8Bit();
        const pid_t pid = spawnProgram(argv, out[1]);
        ::close(out[1]);
        char buffer[4096];
        for (ssize_t n; (n = ::read(out[0], buffer, sizeof buffer)) > 0;)
            result.out.append(buffer, n);
        ::close(out[0]);
        int status = 0;
        result.started = pid > 0;
        if (result.started && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status))
            result.exitCode = WEXITSTATUS(status);
        return result;
    }
    bool startDetached(const QString&, const QStringList&, const QString& = QString()) override { return false; }

private:
    CommandRunner* m_previous;
};
