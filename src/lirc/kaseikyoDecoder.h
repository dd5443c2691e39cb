#pragma once

#include "lirc/decoderBase.h"
#include "lirc/durationClassifier.h"

// Kaseikyo: a 3200/1600 µs header, 400 µs bit pulses, 400 (0) or 1200 (1) µs
// spaces, any number of bits (48 in a standard frame), closed by a space of
// more than 68 ms.
class KaseikyoDecoder final : public DecoderBase
{
public:
    explicit KaseikyoDecoder(IrClock* clock = nullptr);

    void decode() override;

    static void resetClassState();

private:
    enum Symbol { Unmatched, Header, HeaderSpace, Short, Long, End };
    Symbol classify_(unsigned int us) const { return Symbol(m_durations.classify(us)); }
    static DurationClassifier durations_();

    DurationClassifier m_durations;
    static PreviousSample_s s_previous;
};
