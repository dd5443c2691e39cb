#include "util/GuardedFile.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <mutex>
#include <random>
#include <set>

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
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

// The temporary files of a replacement: ".<name>.ivo-" and six letters or digits.
constexpr char kInfix[] = ".ivo-";
constexpr std::size_t kSuffixLength = 6;

struct Split_s {
    std::string folder, name;
};

Split_s split(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return {".", path};
    return {slash == 0 ? "/" : path.substr(0, slash), path.substr(slash + 1)};
}

// Where a chain of links ends (the path itself when it is no link). A chain
// too long or circular ends at a link, which is then refused.
std::string endOfLinks(std::string path)
{
    for (int hop = 0; hop < 40; ++hop) {
        char target[PATH_MAX];
        const ssize_t n = ::readlink(path.c_str(), target, sizeof target - 1);
        if (n <= 0)
            break;
        target[n] = 0;
        path = target[0] == '/' ? std::string(target) : split(path).folder + '/' + target;
    }
    return path;
}

std::string randomSuffix()
{
    static constexpr char kChars[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device device;
    unsigned long long bits = (static_cast<unsigned long long>(device()) << 32) ^ device();
    std::string suffix;
    for (std::size_t i = 0; i < kSuffixLength; ++i, bits /= 62)
        suffix += kChars[bits % 62];
    return suffix;
}

bool isSuffix(const char* s)
{
    std::size_t n = 0;
    for (; s[n]; ++n)
        if (!(s[n] >= '0' && s[n] <= '9') && !(s[n] >= 'A' && s[n] <= 'Z') && !(s[n] >= 'a' && s[n] <= 'z'))
            return false;
    return n == kSuffixLength;
}

bool writeAll(int fd, const char* bytes, std::size_t length)
{
    for (std::size_t done = 0; done < length;) {
        const ssize_t n = ::write(fd, bytes + done, length - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += std::size_t(n);
    }
    return true;
}

// A new temporary file beside the target, locked for as long as it lives so
// that another writer's sweep leaves it alone. A sweep that took it between
// its creation and the lock has removed it: then another name.
int createTemporary(const Split_s& at, bool existed, std::string* temp)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *temp = at.folder + "/." + at.name + kInfix + randomSuffix();
        // Private until it gets the old file's mode; a new file gets the
        // usual mode under the umask, as a plain create would.
        const int fd = openNoInterrupt(
            temp->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NOCTTY | O_CLOEXEC, existed ? 0600 : 0666);
        if (fd < 0 && errno == EEXIST)
            continue;
        if (fd < 0)
            return -1;
        struct stat st {
        };
        if (::flock(fd, LOCK_EX) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink > 0)
            return fd;
        ::close(fd);
    }
    errno = EEXIST;
    return -1;
}

void syncFolder(const std::string& folder)
{
    const int fd = openNoInterrupt(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
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
    const bool ok
        = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && ::ftruncate(fd, 0) == 0 && writeAll(fd, bytes, length);
    ::close(fd);
    return ok;
}

// Whole-file replacement: a temporary file beside the old one, flushed to
// disk and renamed over it.

void noteWrittenInPlace(const char* path)
{
    static std::mutex mutex;
    static std::set<std::string> noted;
    std::lock_guard lock(mutex);
    if (noted.insert(path).second)
        std::fprintf(stderr,
            "[util/GuardedFile][noteWrittenInPlace][%d] %s: its folder takes no new file; the file is written in "
            "place\n",
            __LINE__, path);
}

bool removeUnheld(const char* path)
{
    // Only a regular file is opened: a FIFO of that name would wait, a device could act.
    struct stat seen {
    };
    if (::lstat(path, &seen) != 0 || !S_ISREG(seen.st_mode))
        return false;
    const int fd = openNoInterrupt(path, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat now {
    };
    // Still the file under that name once locked.
    const bool removed = ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &seen) == 0 && ::lstat(path, &now) == 0
        && now.st_ino == seen.st_ino && now.st_dev == seen.st_dev && ::unlink(path) == 0;
    ::close(fd);
    return removed;
}

void sweepTemporaries(const char* path, const char* prefix, const char* infix)
{
    const Split_s at = split(path);
    const std::string start = prefix + at.name + infix;
    DIR* dir = ::opendir(at.folder.c_str());
    if (!dir)
        return;
    while (const dirent* entry = ::readdir(dir)) {
        if (std::strncmp(entry->d_name, start.c_str(), start.size()) == 0 && isSuffix(entry->d_name + start.size()))
            removeUnheld((at.folder + '/' + entry->d_name).c_str());
    }
    ::closedir(dir);
}

Replacement::Replacement(const char* path, bool followLinks)
{
    if (!path || !*path) {
        m_state = Replace::Unwritable;
        return;
    }
    m_target = followLinks ? endOfLinks(path) : std::string(path);
    struct stat old {
    };
    m_existed = ::lstat(m_target.c_str(), &old) == 0;
    if (m_existed ? !S_ISREG(old.st_mode) : errno != ENOENT) {
        m_state = m_existed ? Replace::Refused : Replace::Unwritable;
        return;
    }
    if (m_existed && ::faccessat(AT_FDCWD, m_target.c_str(), W_OK, AT_EACCESS) != 0) {
        m_state = Replace::Unwritable;
        return;
    }
    m_uid = old.st_uid;
    m_gid = old.st_gid;
    const Split_s at = split(m_target);
    sweepTemporaries(m_target.c_str(), ".", kInfix);
    m_fd = createTemporary(at, m_existed, &m_temp);
    if (m_fd >= 0) {
        if (m_existed) {
            // The owner first: a change of owner drops the set-id bits that
            // the mode then puts back.
            struct stat made {
            };
            if (::fstat(m_fd, &made) == 0 && (made.st_uid != old.st_uid || made.st_gid != old.st_gid)
                && ::fchown(m_fd, old.st_uid, old.st_gid) != 0)
                ::fchown(m_fd, uid_t(-1), old.st_gid); // the group alone, where we belong to it
            if (::fchmod(m_fd, old.st_mode & 07777) != 0)
                abandon_(Replace::Failed);
        }
        return;
    }
    m_temp.clear();
    if (!m_existed || (errno != EACCES && errno != EPERM)) {
        m_state = Replace::Unwritable;
        return;
    }
    // The folder takes no new file but the file itself is writable.
    noteWrittenInPlace(m_target.c_str());
    m_fd = openNoInterrupt(m_target.c_str(), O_WRONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    struct stat opened {
    };
    if (m_fd < 0 || ::fstat(m_fd, &opened) != 0 || opened.st_ino != old.st_ino || opened.st_dev != old.st_dev)
        abandon_(Replace::Unwritable);
}

Replacement::~Replacement() { abandon_(m_state); }

void Replacement::abandon_(Replace state)
{
    if (m_fd >= 0 && !m_temp.empty())
        ::unlink(m_temp.c_str());
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
    m_state = state;
}

bool Replacement::write(const char* bytes, std::size_t length)
{
    if (m_state != Replace::Done)
        return false;
    if (writeAll(m_fd, bytes, length))
        return true;
    abandon_(Replace::Failed);
    return false;
}

Replace Replacement::commit()
{
    if (m_state != Replace::Done || m_fd < 0)
        return m_state;
    if (m_temp.empty()) {
        // In place: the new content was written over the old from the start,
        // so the file was never empty; what is left of the old goes now.
        const off_t end = ::lseek(m_fd, 0, SEEK_CUR);
        const bool ok = end >= 0 && ::ftruncate(m_fd, end) == 0 && ::fsync(m_fd) == 0;
        ::close(m_fd);
        m_fd = -1;
        return m_state = ok ? Replace::Done : Replace::Failed;
    }
    struct stat made {
    };
    const bool ok = ::fsync(m_fd) == 0 && ::fstat(m_fd, &made) == 0 && ::rename(m_temp.c_str(), m_target.c_str()) == 0;
    if (!ok) {
        abandon_(Replace::Failed);
        return m_state;
    }
    ::close(m_fd);
    m_fd = -1;
    syncFolder(split(m_target).folder);
    if (m_existed && (made.st_uid != m_uid || made.st_gid != m_gid))
        std::fprintf(stderr, "[util/GuardedFile][commit][%d] %s: owner %u:%u could not be kept, now %u:%u\n", __LINE__,
            m_target.c_str(), m_uid, m_gid, unsigned(made.st_uid), unsigned(made.st_gid));
    return m_state;
}

Replace replaceWhole(const char* path, const char* bytes, std::size_t length, bool followLinks)
{
    Replacement replacement(path, followLinks);
    replacement.write(bytes, length);
    return replacement.commit();
}

} // namespace GuardedFile
