#pragma once

#include <cstddef>

// Every configuration file, descriptor, key table and command file the
// program reads is opened here, because any of them may be replaced by
// something hostile or broken: a FIFO that never delivers, a link to
// /dev/zero that never ends, a folder. A file is opened only after it was
// seen to be a regular file (links are followed, so a link to a device is
// refused as the device itself), without blocking, and read only up to a
// bound that no real file of its kind reaches.
//
// The two writers keep the same promise for the files the program empties or
// fills in world-writable folders: they never write through a link and never
// open anything but a regular file.
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
bool replaceContent(const char* path, const char* bytes, std::size_t length, bool followLinks = false);

} // namespace GuardedFile
