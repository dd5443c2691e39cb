#pragma once

#include "lirc/decoderSet.h"
#include "lirc/irSample.h"
#include "lirc/irSampleClock.h"

#include <cstdint>
#include <span>

// The decoder set on a replay clock: each sample advances the clock by its
// own duration before it is decoded, so a recorded signal decodes as it would
// have live.
class IrDecoderSet
{
public:
    IrDecoderSet()
        : m_set(&m_clock)
    {
    }

    void feed(unsigned int sample)
    {
        m_clock.advanceUs(IrSample::duration(sample));
        for (Decoder* decoder : m_set.decoders()) {
            decoder->pushRawData(sample);
            decoder->decode();
        }
    }
    // Pops every decoder in order and calls onCode(decoder, code) for each
    // completed code.
    template<class F> void takeCodes(F&& onCode)
    {
        for (Decoder* decoder : m_set.decoders())
            if (const std::uint64_t code = decoder->popScanCode())
                onCode(*decoder, code);
    }
    // A pause on top of the samples' own durations.
    void advanceClockUs(std::int64_t us) { m_clock.advanceUs(us); }

    std::span<Decoder* const> decoders() const { return m_set.decoders(); }
    void clear() { m_set.clear(); }
    static void resetClassState() { DecoderSet::resetClassState(); }

private:
    IrSampleClock m_clock;
    DecoderSet m_set;
};
