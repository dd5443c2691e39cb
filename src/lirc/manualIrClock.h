#pragma once

#include "lirc/irClock.h"

// A clock that moves only when told to: for replaying recorded samples, for
// tests, and for a capture loop that stamps each sample once and lets all
// decoders read that one stamp.
class ManualIrClock final : public IrClock
{
public:
    std::int64_t nowNs() override { return m_ns; }
    void setNs(std::int64_t ns) { m_ns = ns; }
    void advanceUs(std::int64_t us) { m_ns += us * 1000; }

private:
    std::int64_t m_ns = 0;
};
