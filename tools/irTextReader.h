#pragma once

#include <string_view>
#include <vector>

// Raw IR samples written as text, one line at a time. Two forms:
//  - mode2 lines: "pulse N", "space N" or "timeout N" (the receiver's
//    time-out sample);
//  - the "+N -N ..." form, several samples a line; a number without sign is
//    the opposite kind of the sample before it (a pulse at first).
// "#" starts a comment in both. N is a decimal duration in microseconds that
// fits the sample's 24 bits.
class IrTextReader
{
public:
    // Appends the line's samples and returns true; a blank or comment-only
    // line gives none. Returns false, appending nothing, for any other line.
    bool parseLine(std::string_view line, std::vector<unsigned int>& samples);

private:
    bool m_lastWasPulse = false;
};
