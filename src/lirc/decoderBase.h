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
    void pushRawData(unsigned int sample) final
    {
        if (m_clearPending.load(std::memory_order_relaxed)) [[unlikely]]
            return pushAfterClear_(sample);
        m_fifo.push(sample);
    }
    unsigned int popRawData() final;
    std::uint64_t popScanCode() final;
    void clear() final;

    // nullptr selects the real-time clock.
    void setClock(IrClock* clock);
    IrClock* clock() const { return m_clock; }

    // A pause longer than this between two samples abandons a frame.
    static constexpr std::int64_t AbandonPauseNs = 110'000'000;

protected:
    // When a pause begins for one decoder class: 110 ms after the previous
    // sample any object of the class decoded; kept per class, process-wide.
    struct PreviousSample_s {
        static constexpr std::int64_t None = std::numeric_limits<std::int64_t>::max();
        std::atomic<std::int64_t> pauseAfterNs {None};
        void reset() { pauseAfterNs.store(None, std::memory_order_relaxed); }
    };

    DecoderBase(const char* name, PreviousSample_s& previous, IrClock* clock);

    // Takes the sample for one decode() call (0 when the FIFO is empty).
    unsigned int takeSample_()
    {
        applyPendingClear_();
        return m_fifo.pop();
    }
    // The time of this sample. Read before anything else, while no other
    // value is live, which keeps the decoders' common path free of calls.
    std::int64_t readClock_() const { return m_stamp ? *m_stamp : m_clock->nowNs(); }
    // Makes now the class's previous-sample time; true when the class had
    // decoded a sample before and more than 110 ms have passed since then (a
    // clock that jumps back makes no pause).
    bool pauseAbandons_(std::int64_t now)
    {
        const std::int64_t pauseAfter = m_previous.pauseAfterNs.load(std::memory_order_relaxed);
        m_previous.pauseAfterNs.store(std::int64_t(std::uint64_t(now) + AbandonPauseNs), std::memory_order_relaxed);
        return now > pauseAfter;
    }
    void setOutputCode_(std::uint64_t code) { m_outputCode.store(code, std::memory_order_release); }

    std::uint64_t m_accumulator = 0;
    int m_state = 0;

private:
    void applyPendingClear_()
    {
        if (m_clearPending.load(std::memory_order_relaxed)) [[unlikely]]
            takePendingClear_();
    }
    [[gnu::noinline, gnu::cold]] void takePendingClear_();
    [[gnu::noinline, gnu::cold]] void pushAfterClear_(unsigned int sample);

    std::string m_name;
    std::atomic<std::uint64_t> m_outputCode {0};
    std::atomic<bool> m_clearPending {false};
    SampleFifo m_fifo;
    IrClock* m_clock = nullptr;
    const std::int64_t* m_stamp = nullptr;
    PreviousSample_s& m_previous;
};
