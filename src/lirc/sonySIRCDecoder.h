#pragma once

#include "lirc/decoderBase.h"

#include <atomic>
#include <cstdint>

// Sony SIRC: a 2400 µs header pulse, 600 µs spaces, bit pulses of 600 (0) or
// 1200 (1) µs. Frames of 12, 15 and 20 bits are accepted; the code holds their
// first 11, 14 or 19 bits (the last bit's pulse is followed by the frame gap,
// which closes the frame). The bit count is kept per class, process-wide.
class SonySIRCDecoder final : public DecoderBase
{
public:
    explicit SonySIRCDecoder(IrClock* clock = nullptr);

    void decode() override;

    static std::uint32_t bitCount() { return s_bitCount.load(std::memory_order_relaxed); }
    // Forgets the class's previous-sample time and zeroes the bit count.
    static void resetClassState();

private:
    enum Symbol : std::uint8_t { Unmatched, Header, One, Zero };
    enum State : int { Idle = IdleState, HeaderPulse = HeaderState, AwaitingBitPulse, ZeroPulse, OnePulse };
    static DurationClassifier durations_();
    static void setBitCount_(std::uint32_t count) { s_bitCount.store(count, std::memory_order_relaxed); }

    DurationClassifier m_durations;
    static PreviousSample_s s_previous;
    static std::atomic<std::uint32_t> s_bitCount;
};
