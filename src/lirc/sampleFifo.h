#pragma once

#include <cstddef>
#include <memory>

// The decoders' queue of raw samples: a ring whose storage is allocated once
// and doubled only when it is full. The capture loop decodes every sample as
// soon as it is pushed, so in steady state it never grows and never allocates.
class SampleFifo
{
public:
    SampleFifo()
        : m_buffer(new unsigned int[InitialCapacity])
        , m_mask(InitialCapacity - 1)
    {
    }

    void push(unsigned int sample)
    {
        if (m_tail - m_head > m_mask)
            grow_();
        m_buffer[m_tail++ & m_mask] = sample;
    }
    // The oldest sample, or 0 when empty.
    unsigned int pop()
    {
        if (m_head == m_tail)
            return 0;
        return m_buffer[m_head++ & m_mask];
    }
    void clear() { m_head = m_tail = 0; }
    std::size_t size() const { return m_tail - m_head; }
    std::size_t capacity() const { return m_mask + 1; }

private:
    static constexpr std::size_t InitialCapacity = 8;

    void grow_()
    {
        const std::size_t count = size();
        std::unique_ptr<unsigned int[]> bigger(new unsigned int[2 * capacity()]);
        for (std::size_t i = 0; i < count; ++i)
            bigger[i] = m_buffer[(m_head + i) & m_mask];
        m_buffer = std::move(bigger);
        m_mask = 2 * m_mask + 1;
        m_head = 0;
        m_tail = count;
    }

    std::unique_ptr<unsigned int[]> m_buffer;
    std::size_t m_mask;
    std::size_t m_head = 0;
    std::size_t m_tail = 0;
};
