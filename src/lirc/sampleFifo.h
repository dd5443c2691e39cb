#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// The decoders' queue of raw samples. The capture loop decodes every sample
// as soon as it is pushed, so the queue holds one sample at most there: that
// one lives in a slot of its own, and only further samples go to a ring that
// is allocated when first needed and doubled when full. In steady state
// nothing is allocated.
class SampleFifo
{
public:
    void push(unsigned int sample)
    {
        if (m_count == 0) {
            m_oldest = sample;
            m_count = 1;
        } else {
            pushMore_(sample);
        }
    }
    // The oldest sample, or 0 when empty.
    unsigned int pop()
    {
        if (m_count == 1) {
            m_count = 0;
            return m_oldest;
        }
        return m_count == 0 ? 0 : popMore_();
    }
    void clear() { m_count = 0, m_head = m_tail = 0; }
    std::size_t size() const { return m_count; }

private:
    [[gnu::noinline]] void pushMore_(unsigned int sample);
    [[gnu::noinline]] unsigned int popMore_();

    std::size_t m_count = 0;
    unsigned int m_oldest = 0;
    // Samples after the oldest, in order.
    std::unique_ptr<unsigned int[]> m_ring;
    std::size_t m_mask = 0; // capacity - 1, or 0 before the first allocation
    std::size_t m_head = 0;
    std::size_t m_tail = 0;
};
