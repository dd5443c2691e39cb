#pragma once

#include "lirc/pulseDistanceDecoder.h"

// NEC: a 9000/4500 header, 560 µs bit pulses, 560 (0) or 1690 (1) µs spaces,
// any number of bits, closed by the end space E; a held button sends repeat
// bursts (9000, 2250, 560, 96800) that yield the last code again.
class NecDecoder final : public PulseDistanceDecoder
{
public:
    // E comes from the platform configuration, read here once.
    explicit NecDecoder(IrClock* clock = nullptr);

    void decode() override;

    unsigned int endSpace() const { return m_endSpace; }
    // The end space the platform configuration asks for: 35000 or 43680 µs.
    static unsigned int configuredEndSpace();
    // Forgets the class's previous-sample time (tests, replays).
    static void resetClassState();

private:
    // After a frame: a new frame, or repeat bursts that yield its code again.
    enum RepeatState : int { SecondHeader = FrameDone + 1, RepeatSpaceSeen, RepeatPulseSeen };

    NecDecoder(IrClock* clock, unsigned int endSpace);
    static DurationClassifier durations_(unsigned int endSpace);

    unsigned int m_endSpace;
    static PreviousSample_s s_previous;
};
