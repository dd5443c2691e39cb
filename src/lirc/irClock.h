#pragma once

#include <cstdint>

// Where the decoders take the time of each sample from. Only differences
// matter: a pause of more than 110 ms between two samples abandons a frame.
class IrClock
{
public:
    virtual ~IrClock();
    // Nanoseconds on this clock's own scale.
    virtual std::int64_t nowNs() = 0;
    // A clock whose time is a stamp set from outside shows where the stamp
    // lives, so a decoder can read it without a call on every sample.
    virtual const std::int64_t* stampNs() const { return nullptr; }

    // The process-wide real-time clock (CLOCK_REALTIME): every read asks the
    // system. The decoders' default.
    static IrClock* realTime();
    static std::int64_t realTimeNs();
};
