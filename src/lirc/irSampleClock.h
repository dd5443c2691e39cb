#pragma once

#include "lirc/irClock.h"

// The time of the sample being decoded, set once per sample and read by every
// decoder. Live, the capture loop stamps each sample with one real-time read
// (stampRealTime) instead of six decoders reading the clock each; a replay of
// recorded samples advances it by each sample's duration, so the samples
// decode exactly as they would have live. Set and read on one thread.
class IrSampleClock final : public IrClock
{
public:
    std::int64_t nowNs() override { return m_ns; }
    const std::int64_t* stampNs() const override { return &m_ns; }

    void stampRealTime() { m_ns = realTimeNs(); }
    void setNs(std::int64_t ns) { m_ns = ns; }
    void advanceUs(std::int64_t us) { m_ns += us * 1000; }

private:
    std::int64_t m_ns = 0;
};
