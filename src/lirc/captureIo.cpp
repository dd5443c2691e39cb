#include "lirc/captureIo.h"

#include "util/GuardedFile.h"

#include <cstdio>
#include <cstring>

namespace CaptureIo {

namespace {

struct Held_s {
    int depth = 0;
    char log[2048];
    std::size_t logLength = 0;
    char markerPath[1024];
    const char* markerWord = nullptr; // a string literal
};

thread_local Held_s t_held;

void append(Held_s& held, const char* text)
{
    const std::size_t length = std::strlen(text);
    const std::size_t room = sizeof held.log - held.logLength;
    const std::size_t taken = length < room ? length : room;
    std::memcpy(held.log + held.logLength, text, taken);
    held.logLength += taken;
}

void putMarker(const char* path, const char* word) { GuardedFile::replaceContent(path, word, std::strlen(word)); }

} // namespace

Deferral::Deferral() { ++t_held.depth; }

Deferral::~Deferral()
{
    Held_s& held = t_held;
    if (--held.depth > 0)
        return;
    if (held.logLength > 0) {
        std::fwrite(held.log, 1, held.logLength, stderr);
        held.logLength = 0;
    }
    if (held.markerWord) {
        putMarker(held.markerPath, held.markerWord);
        held.markerWord = nullptr;
    }
}

void writeLog(const char* colour, const char* text, const char* reset)
{
    Held_s& held = t_held;
    if (held.depth == 0) {
        std::fputs(colour, stderr);
        std::fputs(text, stderr);
        std::fputs(reset, stderr);
        return;
    }
    append(held, colour);
    append(held, text);
    append(held, reset);
}

void writeMarker(const std::string& path, const char* word)
{
    Held_s& held = t_held;
    if (held.depth == 0 || path.size() >= sizeof held.markerPath) {
        putMarker(path.c_str(), word);
        return;
    }
    // One sample yields one code at most: the latest word is the one to write.
    std::memcpy(held.markerPath, path.c_str(), path.size() + 1);
    held.markerWord = word;
}

} // namespace CaptureIo
