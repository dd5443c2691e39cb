#include "lirc/decoderBase.h"

DecoderBase::DecoderBase(const char* name, PreviousSample_s& previous, IrClock* clock)
    : m_name(name)
    , m_previous(previous)
{
    setClock(clock);
}

void DecoderBase::setClock(IrClock* clock)
{
    m_clock = clock ? clock : IrClock::realTime();
    m_stamp = m_clock->stampNs();
}

void DecoderBase::pushAfterClear_(unsigned int sample)
{
    applyPendingClear_();
    m_fifo.push(sample);
}

unsigned int DecoderBase::popRawData()
{
    applyPendingClear_();
    return m_fifo.pop();
}

std::uint64_t DecoderBase::popScanCode()
{
    // The common case is "nothing pending": a plain load, no locked exchange.
    if (m_outputCode.load(std::memory_order_relaxed) == 0)
        return 0;
    return m_outputCode.exchange(0, std::memory_order_acq_rel);
}

void DecoderBase::clear()
{
    m_outputCode.store(0, std::memory_order_relaxed);
    m_clearPending.store(true, std::memory_order_release);
}

void DecoderBase::takePendingClear_()
{
    if (!m_clearPending.exchange(false, std::memory_order_acquire))
        return;
    m_state = 0;
    m_accumulator = 0;
    m_outputCode.store(0, std::memory_order_relaxed);
    m_fifo.clear();
}
