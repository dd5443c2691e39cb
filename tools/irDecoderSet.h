#pragma once

#include "lirc/decoder.h"
#include "lirc/irSample.h"
#include "lirc/irSampleClock.h"
#include "lirc/kaseikyoDecoder.h"
#include "lirc/mceDecoder.h"
#include "lirc/necDecoder.h"
#include "lirc/samsungDecoder.h"
#include "lirc/sharpDecoder.h"
#include "lirc/sonySIRCDecoder.h"

#include <array>
#include <cstdint>
#include <span>

// The six decoders in the system's order (mce, nec, sonySIRC, sharp,
// kaseikyo, samsung) on one replay clock: each sample advances the clock by
// its own duration before it is decoded, so a recorded signal decodes as it
// would have live.
class IrDecoderSet
{
public:
    IrDecoderSet();
    IrDecoderSet(const IrDecoderSet&) = delete;
    IrDecoderSet& operator=(const IrDecoderSet&) = delete;

    void feed(unsigned int sample)
    {
        m_clock.advanceUs(IrSample::duration(sample));
        for (Decoder* decoder : m_order) {
            decoder->pushRawData(sample);
            decoder->decode();
        }
    }
    // Pops every decoder in order and calls onCode(decoder, code) for each
    // completed code.
    template<class F> void takeCodes(F&& onCode)
    {
        for (Decoder* decoder : m_order)
            if (const std::uint64_t code = decoder->popScanCode())
                onCode(*decoder, code);
    }
    // A pause on top of the samples' own durations.
    void advanceClockUs(std::int64_t us) { m_clock.advanceUs(us); }

    std::span<Decoder* const> decoders() const { return m_order; }
    void clear();

    // Forgets every decoder class's process-wide state (previous-sample times,
    // the Sony bit count), so a new replay does not see the last one's pause.
    static void resetClassState();

private:
    IrSampleClock m_clock;
    MceDecoder m_mce;
    NecDecoder m_nec;
    SonySIRCDecoder m_sony;
    SharpDecoder m_sharp;
    KaseikyoDecoder m_kaseikyo;
    SamsungDecoder m_samsung;
    std::array<Decoder*, 6> m_order;
};
