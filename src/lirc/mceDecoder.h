#pragma once

#include "lirc/decoderBase.h"

// RC6 mode 6A, the protocol of media-centre remotes: a 2400/800 µs leader,
// the start bit, mode bits 1 1 0 and a double-width trailer bit, then
// Manchester-coded data bits over 400 µs halves, closed by the end space E.
// The code is the low 32 data bits without bits 12-15, which drops the toggle
// bit so that repeated presses of one button give one code.
class MceDecoder final : public DecoderBase
{
public:
    // E comes from the platform configuration, read here once.
    explicit MceDecoder(IrClock* clock = nullptr);

    void decode() override;

    unsigned int endSpace() const { return m_endSpace; }
    // The end space the platform configuration asks for: 12000 or 69600 µs.
    static unsigned int configuredEndSpace();
    static void resetClassState();

    static constexpr std::uint64_t CodeMask = 0xFFFF0FFFull;

private:
    enum Symbol : std::uint8_t { Unmatched, Leader, Double, End, Single, Triple };
    // What the decoder has seen: the header's half-bits (the mode bits are
    // 1, 1, 0, so the second one's space runs into the third's), then the
    // Manchester half-bits of the data.
    enum State : int {
        Idle = IdleState,
        LeaderMark = HeaderState,
        LeaderSpace,
        StartMark,
        StartSpace,
        ModeOneMark,
        ModeOneSpace,
        ModeTwoMark,
        ModeTwoThreeSpace,
        ModeThreeMark,
        TrailerSpace, // the trailer mark that follows runs into the first data bit's
        MidBitAfterMark,
        BoundaryLow,
        MidBitAfterSpace,
        BoundaryHigh,
    };
    static DurationClassifier durations_(unsigned int endSpace);

    unsigned int m_endSpace;
    DurationClassifier m_durations;
    static PreviousSample_s s_previous;
};
