#pragma once

#include "lirc/pulseDistanceDecoder.h"

// Samsung: a 4500/4500 µs header, 500 µs bit pulses, 500 (0) or 1500 (1) µs
// spaces, closed by a space of more than 46.5 ms. The receiver's time-out
// samples are dropped unseen: they change neither the state nor the time.
class SamsungDecoder final : public PulseDistanceDecoder
{
public:
    explicit SamsungDecoder(IrClock* clock = nullptr);

    void decode() override;

    static void resetClassState();

private:
    static DurationClassifier durations_();

    static PreviousSample_s s_previous;
};
