#pragma once

#include "lirc/decoder.h"
#include "lirc/irClock.h"
#include "lirc/sampleFifo.h"

#include <atomic>
#include <cstdint>
#include <limits>
#include <string>

// What the six protocol decoders share: the name, the sample FIFO, the bit
// accumulator, the pending scan code, the state number and the pause rule.
//
// Threads: decode(), pushRawData() and popRawData() belong to the capture
// thread. popScanCode() and clear() may also be called from another thread
// (the learning worker, the GUI): the pending code is an atomic hand-over,
// and clear() only raises a flag plus zeroes that code; the capture thread
// resets its state, accumulator and FIFO before it next touches them. Seen
// from a single thread, clear() behaves as an immediate reset.
class DecoderBase : public Decoder
{
public:
    const std::string& getDecoderName() const final { return m_name; }
    void pushRawData(unsigned int sample) final;
    unsigned int popRawData() final;
    std::uint64_t popScanCode() final;
    void clear() final;

    // nullptr selects the real-time clock.
    void setClock(IrClock* clock) { m_clock = clock ? clock : IrClock::realTime(); }
    IrClock* clock() const { return m_clock; }

    // A pause longer than this between two samples abandons a frame.
    static constexpr std::int64_t AbandonPauseNs = 110'000'000;

protected:
    // The time of the previous sample decoded by any object of one decoder
    // class; kept per class, process-wide.
    struct PreviousSample_s {
        static constexpr std::int64_t None = std::numeric_limits<std::int64_t>::min();
        std::atomic<std::int64_t> ns {None};
        void reset() { ns.store(None, std::memory_order_relaxed); }
    };

    DecoderBase(const char* name, PreviousSample_s& previous, IrClock* clock);

    // Takes the sample for one decode() call (0 when the FIFO is empty).
    unsigned int takeSample_()
    {
        applyPendingClear_();
        return m_fifo.pop();
    }
    // Reads the clock and makes it the class's previous-sample time; true when
    // the class had decoded a sample before and more than 110 ms have passed.
    bool pauseAbandons_()
    {
        const std::int64_t now = m_clock->nowNs();
        const std::int64_t before = m_previous.ns.load(std::memory_order_relaxed);
        m_previous.ns.store(now, std::memory_order_relaxed);
        // Wrapping difference: a clock that jumps back is no pause.
        return before != PreviousSample_s::None
            && std::int64_t(std::uint64_t(now) - std::uint64_t(before)) > AbandonPauseNs;
    }
    void setOutputCode_(std::uint64_t code) { m_outputCode.store(code, std::memory_order_release); }

    std::uint64_t m_accumulator = 0;
    int m_state = 0;

private:
    void applyPendingClear_()
    {
        if (m_clearPending.load(std::memory_order_relaxed) && m_clearPending.exchange(false, std::memory_order_acquire))
            resetNow_();
    }
    void resetNow_();

    std::string m_name;
    std::atomic<std::uint64_t> m_outputCode {0};
    std::atomic<bool> m_clearPending {false};
    SampleFifo m_fifo;
    IrClock* m_clock;
    PreviousSample_s& m_previous;
};
