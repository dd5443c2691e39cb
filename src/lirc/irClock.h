#pragma once

#include <cstdint>

// Where the decoders take the time of each sample from. Live decoding reads
// the real-time clock; a recorded signal is decoded against a clock that the
// caller advances by each sample's duration, so that it decodes exactly as it
// would have live.
class IrClock
{
public:
    virtual ~IrClock();
    // Nanoseconds on this clock's own scale; only differences matter.
    virtual std::int64_t nowNs() = 0;

    // The process-wide real-time clock (CLOCK_REALTIME), the decoders' default.
    static IrClock* realTime();
};
