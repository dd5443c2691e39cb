#include "util/GuardedFile.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace GuardedFile {

namespace {

State stateOfStat(const struct stat& st, std::size_t limit)
{
    if (!S_ISREG(st.st_mode))
        return State::NotRegular;
    if (st.st_size < 0 || std::size_t(st.st_size) > limit)
        return State::TooLarge;
    return State::Read;
}

State stateOfErrno(int error) { return error == ENOENT || error == ENOTDIR ? State::Missing : State::Unreadable; }

int openNoInterrupt(const char* path, int flags, mode_t mode = 0)
{
    int fd;
    do
        fd = ::open(path, flags, mode);
    while (fd < 0 && errno == EINTR);
    return fd;
}

} // namespace

const char* describe(State state)
{
    switch (state) {
    case State::Read:
        return "readable";
    case State::Missing:
        return "missing";
    case State::NotRegular:
        return "not a regular file";
    case State::TooLarge:
        return "too large";
    case State::Unreadable:
        return "unreadable";
    }
    return "unreadable";
}

State check(const char* path, std::size_t limit)
{
    struct stat st {
    };
    if (!path || ::stat(path, &st) != 0)
        return path ? stateOfErrno(errno) : State::Missing;
    return stateOfStat(st, limit);
}

int open(const char* path, State* state, std::size_t* size, std::size_t limit, bool update)
{
    *size = 0;
    // Looked at before it is opened: opening a device can have effects of
    // its own (a watchdog, a tape), and opening a FIFO waits for a writer.
    *state = check(path, limit);
    if (*state != State::Read)
        return -1;
    const int fd = openNoInterrupt(path, (update ? O_RDWR : O_RDONLY) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) {
        *state = stateOfErrno(errno);
        return -1;
    }
    // Whatever was swapped in between the look and the open is looked at again.
    struct stat st {
    };
    *state = ::fstat(fd, &st) == 0 ? stateOfStat(st, limit) : State::Unreadable;
    if (*state != State::Read) {
        ::close(fd);
        return -1;
    }
    *size = std::size_t(st.st_size);
    return fd;
}

State readAll(int fd, std::size_t sizeHint, std::size_t limit, Grow grow, void* context, std::size_t* got)
{
    *got = 0;
    // One byte more than announced, so the end is seen in one read; files
    // of /proc and /sys announce nothing at all.
    std::size_t capacity = (sizeHint < limit ? sizeHint : limit) + 1;
    if (capacity < 4096)
        capacity = 4096;
    char* buffer = grow(context, capacity);
    for (;;) {
        if (*got == capacity) {
            if (capacity > limit)
                return State::TooLarge;
            capacity = capacity > limit / 2 ? limit + 1 : capacity * 2;
            buffer = grow(context, capacity);
        }
        const ssize_t n = ::read(fd, buffer + *got, capacity - *got);
        if (n > 0) {
            *got += std::size_t(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return State::Unreadable;
        return *got > limit ? State::TooLarge : State::Read;
    }
}

void closeDescriptor(int fd) { ::close(fd); }

bool makeEmpty(const char* path)
{
    struct stat st {
    };
    if (::lstat(path, &st) == 0) {
        if (S_ISDIR(st.st_mode))
            return false;
        if (S_ISREG(st.st_mode)) {
            const int fd = openNoInterrupt(path, O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
            struct stat opened {
            };
            const bool same = fd >= 0 && ::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode)
                && opened.st_ino == st.st_ino && opened.st_dev == st.st_dev;
            const bool emptied = same && ::ftruncate(fd, 0) == 0;
            if (fd >= 0)
                ::close(fd);
            if (emptied)
                return true;
        }
        // A link, FIFO, socket or device (or a file swapped for one): taken
        // away, never opened.
        if (::unlink(path) != 0)
            return false;
    } else if (errno != ENOENT) {
        return false;
    }
    const int fd = openNoInterrupt(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    ::close(fd);
    return true;
}

bool replaceContent(const char* path, const char* bytes, std::size_t length, bool followLinks)
{
    struct stat st {
    };
    if ((followLinks ? ::stat(path, &st) : ::lstat(path, &st)) == 0 && !S_ISREG(st.st_mode))
        return false;
    const int fd = openNoInterrupt(
        path, O_WRONLY | O_CREAT | (followLinks ? 0 : O_NOFOLLOW) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0666);
    if (fd < 0)
        return false;
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::ftruncate(fd, 0) == 0;
    for (std::size_t done = 0; ok && done < length;) {
        const ssize_t n = ::write(fd, bytes + done, length - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += std::size_t(n);
    }
    ::close(fd);
    return ok;
}

} // namespace GuardedFile
