#pragma once

#include "lirc/pulseDistanceDecoder.h"

// Kaseikyo: a 3200/1600 µs header, 400 µs bit pulses, 400 (0) or 1200 (1) µs
// spaces, any number of bits (48 in a standard frame), closed by a space of
// more than 68 ms.
class KaseikyoDecoder final : public PulseDistanceDecoder
{
public:
    explicit KaseikyoDecoder(IrClock* clock = nullptr);

    void decode() override;

    static void resetClassState();

private:
    static DurationClassifier durations_();

    static PreviousSample_s s_previous;
};
