#include "settings/DetachedDaemon.h"

#include <cerrno>
#include <cstdint>
#include <cstring>

#include <fcntl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

namespace DetachedDaemon {

namespace {

// Closes every descriptor from 3 up except keep. Runs between fork and exec
// of a threaded program, so only system calls: no opendir (it allocates).
void closeDescriptorsExcept(int keep)
{
    const int dir = ::open("/proc/self/fd", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0)
        return;
    alignas(8) char buffer[4096];
    for (;;) {
        const long n = ::syscall(SYS_getdents64, dir, buffer, sizeof buffer);
        if (n <= 0)
            break;
        for (long at = 0; at < n;) {
            // struct linux_dirent64: inode, offset, record length, type, name.
            unsigned short length = 0;
            std::memcpy(&length, buffer + at + 16, sizeof length);
            const char* name = buffer + at + 19;
            int fd = 0;
            bool number = *name != '\0';
            for (const char* c = name; *c && number; ++c) {
                number = *c >= '0' && *c <= '9';
                fd = fd * 10 + (*c - '0');
            }
            if (number && fd >= 3 && fd != keep && fd != dir)
                ::close(fd);
            at += length;
        }
    }
    ::close(dir);
}

[[noreturn]] void runDaemon(const char* program, const char* name, int errorPipe)
{
    closeDescriptorsExcept(errorPipe);
    char* const argv[] = {const_cast<char*>(name), nullptr};
    ::execv(program, argv);
    const std::int32_t error = errno;
    [[maybe_unused]] const ssize_t written = ::write(errorPipe, &error, sizeof error);
    ::_exit(1);
}

Result_s failed(Failure failure, int error, const int pipe[2])
{
    ::close(pipe[0]);
    ::close(pipe[1]);
    return {failure, error};
}

} // namespace

Result_s start(const char* program, const char* name)
{
    int pipe[2];
    if (::pipe(pipe) != 0)
        return {Failure::Pipe, errno};
    if (::fcntl(pipe[0], F_SETFD, FD_CLOEXEC) != 0 || ::fcntl(pipe[1], F_SETFD, FD_CLOEXEC) != 0)
        return failed(Failure::CloseOnExec, errno, pipe);

    const pid_t intermediate = ::fork();
    if (intermediate < 0)
        return failed(Failure::Fork, errno, pipe);
    if (intermediate == 0) {
        ::close(pipe[0]);
        ::setsid();
        const pid_t daemon = ::fork();
        if (daemon == 0)
            runDaemon(program, name, pipe[1]);
        ::close(pipe[1]);
        ::_exit(daemon < 0 ? 1 : 0);
    }

    ::close(pipe[1]);
    int status = 0;
    while (::waitpid(intermediate, &status, 0) < 0 && errno == EINTR) { }
    // The write end closes when the daemon's exec succeeds (close-on-exec) or
    // after it has written the errno of a failed one.
    std::int32_t error = 0;
    std::size_t got = 0;
    while (got < sizeof error) {
        const ssize_t n = ::read(pipe[0], reinterpret_cast<char*>(&error) + got, sizeof error - got);
        if (n > 0)
            got += std::size_t(n);
        else if (n == 0 || errno != EINTR)
            break;
    }
    ::close(pipe[0]);
    if (got == sizeof error)
        return {Failure::Exec, error};
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {Failure::Intermediate, 0};
    return {};
}

} // namespace DetachedDaemon
