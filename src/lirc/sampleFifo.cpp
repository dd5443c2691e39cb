#include "lirc/sampleFifo.h"

#include <utility>

void SampleFifo::pushMore_(unsigned int sample)
{
    const std::size_t queued = m_tail - m_head;
    if (!m_ring || queued > m_mask) {
        const std::size_t capacity = m_ring ? 2 * (m_mask + 1) : 8;
        std::unique_ptr<unsigned int[]> bigger(new unsigned int[capacity]);
        for (std::size_t i = 0; i < queued; ++i)
            bigger[i] = m_ring[(m_head + i) & m_mask];
        m_ring = std::move(bigger);
        m_mask = capacity - 1;
        m_head = 0;
        m_tail = queued;
    }
    m_ring[m_tail++ & m_mask] = sample;
    ++m_count;
}

unsigned int SampleFifo::popMore_()
{
    const unsigned int oldest = m_oldest;
    m_oldest = m_ring[m_head++ & m_mask];
    --m_count;
    return oldest;
}
