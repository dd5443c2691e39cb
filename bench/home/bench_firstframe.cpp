// Start-up to the first painted frame: the home screen against a minimal
// maximised window with the same wallpaper style sheet, both started by this
// harness on the same X display, alternately, --runs times each. Reports the
// medians, their ratio and, separately, the time the home screen spent
// waiting for its child processes before that frame.
//
// Run it with the simulator's environment on an Xvfb with openbox:
//   sim/ivo-sim setup && eval "$(sim/ivo-sim env)"
//   tests/run-xvfb build/default/bench/bench_home_firstframe --runs 10
#include "FirstFrame.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QList>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

struct Sample_s {
    double ms = -1;
    double childWaitMs = 0;
};

// Starts program, reads its standard error until the first-frame line, then
// ends it. The clock starts right before the program is spawned.
Sample_s measure(const QByteArray& program)
{
    int fds[2];
    if (pipe(fds) != 0)
        return {};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, fds[1], STDERR_FILENO);
    posix_spawn_file_actions_addclose(&actions, fds[0]);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    char* argv[] = {const_cast<char*>(program.constData()), nullptr};
    pid_t pid = 0;
    const qint64 start = FirstFrame::nowNs();
    const int rc = posix_spawn(&pid, program.constData(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(fds[1]);
    Sample_s sample;
    if (rc != 0) {
        std::fprintf(stderr, "cannot start %s: %s\n", program.constData(), std::strerror(rc));
        close(fds[0]);
        return sample;
    }
    QByteArray pending;
    const qint64 deadline = start + 60LL * 1000000000;
    while (FirstFrame::nowNs() < deadline) {
        pollfd p {fds[0], POLLIN, 0};
        if (poll(&p, 1, 1000) <= 0)
            continue;
        char buf[4096];
        const ssize_t n = read(fds[0], buf, sizeof buf);
        if (n <= 0)
            break;
        pending.append(buf, int(n));
        int eol;
        bool found = false;
        while ((eol = pending.indexOf('\n')) >= 0) {
            const FirstFrame::Line_s line = FirstFrame::parse(pending.left(eol));
            pending.remove(0, eol + 1);
            if (line.monotonicNs > 0) {
                sample.ms = double(line.monotonicNs - start) / 1e6;
                sample.childWaitMs = line.childWaitMs;
                found = true;
                break;
            }
        }
        if (found)
            break;
    }
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    close(fds[0]);
    return sample;
}

double median(std::vector<double> v)
{
    if (v.empty())
        return -1;
    std::sort(v.begin(), v.end());
    const size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    int runs = 10;
    const QString binDir = QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin"));
    QByteArray ivo = QFile::encodeName(binDir + QStringLiteral("/ivo"));
    QByteArray reference
        = QFile::encodeName(QCoreApplication::applicationDirPath() + QStringLiteral("/bench_home_refwindow"));
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--runs"))
            runs = args[i + 1].toInt();
        else if (args[i] == QLatin1String("--ivo"))
            ivo = QFile::encodeName(args[i + 1]);
        else if (args[i] == QLatin1String("--reference"))
            reference = QFile::encodeName(args[i + 1]);
    }
    if (qEnvironmentVariableIsEmpty("DISPLAY") || qEnvironmentVariableIsEmpty("IVO_SYSROOT")) {
        std::fprintf(stderr, "needs DISPLAY (an Xvfb with openbox) and the simulator's environment\n");
        return 2;
    }
    // The program's first-frame line is off by default.
    qputenv("QT_LOGGING_RULES", "ivo.startup.firstframe.debug=true");
    qputenv("QT_QPA_PLATFORM", "xcb");

    // One unmeasured start of each first: the window manager and the file
    // cache settle.
    measure(reference);
    measure(ivo);
    usleep(300000);

    std::vector<double> ivoMs, refMs, waitMs;
    for (int i = 0; i < runs; ++i) {
        const Sample_s r = measure(reference);
        usleep(300000);
        const Sample_s s = measure(ivo);
        usleep(300000);
        if (r.ms < 0 || s.ms < 0) {
            std::fprintf(stderr, "run %d: no first-frame line (reference %.1f, ivo %.1f)\n", i + 1, r.ms, s.ms);
            return 1;
        }
        refMs.push_back(r.ms);
        ivoMs.push_back(s.ms);
        waitMs.push_back(s.childWaitMs);
        std::printf("run %2d  reference %7.1f ms   ivo %7.1f ms (child processes %6.1f ms)\n", i + 1, r.ms, s.ms,
            s.childWaitMs);
    }
    const double ref = median(refMs), home = median(ivoMs), wait = median(waitMs);
    std::printf(
        "\nmedian of %d: reference %.1f ms, ivo %.1f ms, ratio %.2f (target <= 1.30)\n", runs, ref, home, home / ref);
    std::printf("ivo waiting on child processes before it: median %.1f ms (target 0); without it %.1f ms, ratio %.2f\n",
        wait, home - wait, (home - wait) / ref);
    return 0;
}
