#pragma once

#include <cstddef>
#include <string>

// Every configuration file, descriptor, key table and command file the
// program reads is opened here, because any of them may be replaced by
// something hostile or broken: a FIFO that never delivers, a link to
// /dev/zero that never ends, a folder. A file is opened only after it was
// seen to be a regular file (links are followed, so a link to a device is
// refused as the device itself), without blocking, and read only up to a
// bound that no real file of its kind reaches.
//
// The writers keep the same promise: they never write through a link unless
// told to and never open anything but a regular file.
//
// Plain C++ on file descriptors, no Qt types, safe from any thread.
namespace GuardedFile {

enum class State {
    Read, // a regular file, opened (and read)
    Missing, // nothing at the path
    NotRegular, // a folder, FIFO, socket or device, or a link to one
    TooLarge, // larger than the bound
    Unreadable, // there but not for us (permissions, I/O error)
};

// Configuration files, package descriptors, key tables, command files.
inline constexpr std::size_t ConfigLimit = std::size_t(16) << 20;
// The package catalog, the largest file the program reads; downloads of it
// stop at the same size.
inline constexpr std::size_t CatalogLimit = std::size_t(64) << 20;

// A short English name of the state for log lines ("not a regular file").
const char* describe(State state);

// What opening the file would find, without opening it: for readers that
// open the file themselves.
State check(const char* path, std::size_t limit = ConfigLimit);

// Opens a regular file for reading (or for reading and updating) without
// blocking; the descriptor (close-on-exec) and its size, or -1 with the
// reason in *state.
int open(const char* path, State* state, std::size_t* size, std::size_t limit = ConfigLimit, bool update = false);

// Reads an open descriptor to its end into a buffer that grow(context, n)
// resizes to n bytes and returns. *got is the number of bytes read. TooLarge
// when more than limit bytes come, Unreadable on a read error.
using Grow = char* (*)(void* context, std::size_t size);
State readAll(int fd, std::size_t sizeHint, std::size_t limit, Grow grow, void* context, std::size_t* got);
void closeDescriptor(int fd);

// The whole file into out (std::string, QByteArray, std::vector<char> ...);
// out is empty unless the state is Read.
template<class Bytes> State read(const char* path, Bytes& out, std::size_t limit = ConfigLimit, bool update = false)
{
    out.clear();
    State state = State::Read;
    std::size_t size = 0;
    const int fd = open(path, &state, &size, limit, update);
    if (fd < 0)
        return state;
    std::size_t got = 0;
    state = readAll(
        fd, size, limit,
        [](void* context, std::size_t n) -> char* {
            Bytes& bytes = *static_cast<Bytes*>(context);
            bytes.resize(static_cast<decltype(bytes.size())>(n));
            return bytes.data();
        },
        &out, &got);
    closeDescriptor(fd);
    out.resize(static_cast<decltype(out.size())>(state == State::Read ? got : 0));
    return state;
}

// Leaves an empty regular file at path: a regular file there is emptied in
// place; a link, FIFO, socket or device there is removed and a new file is
// created in its place (exclusively, so nothing is written through a link
// planted in between). A folder stays. True when an empty regular file is
// there now.
bool makeEmpty(const char* path);

// Replaces the content of the regular file at path with the bytes, creating
// it when nothing is there. A link (unless followLinks) or anything else at
// the path is left alone and nothing is written. Never blocks on a FIFO.
// Written in place: for the markers and the receiver's switches that are
// read by name and rewritten a word at a time, not for files kept for good.
bool replaceContent(const char* path, const char* bytes, std::size_t length, bool followLinks = false);

// What a whole-file replacement came to.
enum class Replace {
    Done, // the new content is in place and on disk (or, so far, being written)
    Refused, // something other than a regular file at the path, or a link not to be followed
    Unwritable, // neither a new file beside it nor the file itself can be written
    Failed, // writing, flushing or renaming failed; the old file is as it was
};

// Every file the program keeps (screen, audio and login files, key tables,
// the desktop's configuration) is replaced whole: the new content
// goes to a temporary file ".<name>.ivo-XXXXXX" in the same folder, is
// flushed to disk and renamed over the old file, so that a power cut, a kill
// or a reader at the wrong moment (the hot-plug script reads screen.conf at
// any time) finds the old content or the new, never an empty or partial file.
//
// Only a regular file or nothing at the path is replaced; a link is refused
// unless followLinks, and then the file at the end of the links is replaced
// and the temporary file goes beside it. A file the process may not write is
// left alone, as when it was written in place. The old file's mode is kept,
// and its owner where the process may set it (logged when it changes). Where
// the folder takes no new file but the file is writable, it is written in
// place, logged once per path. A temporary file left by a killed writer is
// removed by the next replacement of the same file.
class Replacement
{
public:
    explicit Replacement(const char* path, bool followLinks = false);
    // Without commit() the old file stays as it was (unless written in place).
    ~Replacement();
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

    // Done while the content can be written.
    Replace state() const { return m_state; }
    bool write(const char* bytes, std::size_t length);
    // Flushes the content to disk and puts it in place.
    Replace commit();

private:
    void abandon_(Replace state);

    std::string m_target; // the file replaced (the links' end when followed)
    std::string m_temp; // empty when written in place
    int m_fd = -1;
    Replace m_state = Replace::Done;
    bool m_existed = false;
    unsigned m_uid = 0, m_gid = 0;
};

// The whole content at once.
Replace replaceWhole(const char* path, const char* bytes, std::size_t length, bool followLinks = false);

// Removes the regular file at path when no process holds a lock (flock) on
// it: a temporary or lock file whose writer was killed. True when removed.
bool removeUnheld(const char* path);
// Removes what killed writers of path left beside it: regular files named
// prefix + its name + infix + six letters or digits that no live writer
// holds. Only for temporaries whose writers either lock them (replaceWhole)
// or are kept out by a lock of their own that the caller holds.
void sweepTemporaries(const char* path, const char* prefix, const char* infix);

// Logs, once per path and process, that the file is written in place because
// its folder takes no new file.
void noteWrittenInPlace(const char* path);

} // namespace GuardedFile
