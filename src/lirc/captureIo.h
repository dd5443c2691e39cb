#pragma once

#include <string>

// The capture thread decodes and dispatches each sample while it holds the
// capture lock, and the GUI thread takes that lock to switch learning on or
// off and to take decoders and sinks out before they go. Nothing done under
// it may block, so the two things that could (an IR log line, when standard
// error is a pipe nobody drains; the colour-key marker file) are held back
// while a Deferral is open on the thread and done when it closes, after the
// lock is released. Without an open Deferral they are done at once.
//
// Fixed buffers, no allocation: held-back log lines beyond 2 KB are cut.
namespace CaptureIo {

class Deferral
{
public:
    Deferral();
    ~Deferral();
    Deferral(const Deferral&) = delete;
    Deferral& operator=(const Deferral&) = delete;
};

// One IR log line in its three pieces: colour, text (with its line feed), reset.
void writeLog(const char* colour, const char* text, const char* reset);
// The word as the whole content of the marker file: only a regular file (or
// a new one) is written, never through a link, never waiting on a FIFO.
void writeMarker(const std::string& path, const char* word);

} // namespace CaptureIo
