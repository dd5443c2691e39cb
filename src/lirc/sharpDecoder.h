#pragma once

#include "lirc/decoderBase.h"

#include <cstdint>

// Sharp: every bit is a 320 µs pulse and a 680 (0) or 1680 (1) µs space. A
// frame is 13 bits of address and command, the expansion bit 1 and the check
// bit 0; the code is the 13 bits. The bit count is kept per object.
class SharpDecoder final : public DecoderBase
{
public:
    explicit SharpDecoder(IrClock* clock = nullptr);

    void decode() override;

    std::uint32_t bitCount() const { return m_bitCount; }
    static void resetClassState();

private:
    enum Symbol : std::uint8_t { Unmatched, Pulse320, Space680, Space1680 };
    enum State : int {
        Idle = IdleState,
        BitPulse = HeaderState, // every bit starts with the 320 µs pulse
        BitSpace,
        ExpansionPulse,
        ExpansionBit,
        CheckPulse,
    };
    static DurationClassifier durations_();

    std::uint32_t m_bitCount = 0;
    DurationClassifier m_durations;
    static PreviousSample_s s_previous;
};
