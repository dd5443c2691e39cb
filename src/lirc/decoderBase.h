#pragma once

#include "lirc/decoder.h"
#include "lirc/durationClassifier.h"
#include "lirc/irClock.h"
#include "lirc/irSample.h"
#include "lirc/sampleFifo.h"

#include <atomic>
#include <cstdint>
#include <limits>
#include <string>

// What the six protocol decoders share: the name, the sample FIFO, the bit
// accumulator, the pending scan code, the state and the opening of every
// decode() step (the sample, its symbol, the pause rule and the idle state).
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
    // Every decoder's states begin with these two; each names the rest.
    static constexpr int IdleState = 0;
    static constexpr int HeaderState = 1; // the header pulse was seen

    // How a decoder's opening reads a sample. Symbols are the decoder's own
    // duration windows, 0 meaning none matched.
    template<class Symbol> struct Opening_s {
        Symbol header; // the pulse that starts a frame
        Symbol alwaysSpace = Symbol(0); // a symbol read as a space whatever the sample says
        bool dropTimeouts = false; // receiver time-out samples change neither the state nor the time
    };
    template<class Symbol> struct Step_s {
        bool pulse;
        Symbol symbol;
    };
    struct NoReset_s {
        void operator()() const { }
    };

    // The opening of one decode() step: takes the sample, classifies it, and
    // applies the pause rule and the idle state. True when the sample is left
    // to the decoder's state machine (the state is past idle and no pause
    // abandoned the frame).
    //
    // A pause of more than 110 ms abandons the frame (onPause clears what
    // the decoder keeps besides the accumulator); a pulse then, or any pulse
    // while idle, may start a new frame (onPulse clears the per-frame
    // counters), and the header pulse does.
    template<auto O, class Symbol = decltype(O.header), class OnPulse = NoReset_s, class OnPause = NoReset_s>
    [[gnu::always_inline]] bool open_(
        const DurationClassifier& durations, Step_s<Symbol>& step, OnPulse onPulse = {}, OnPause onPause = {})
    {
        const std::int64_t now = readClock_();
        const unsigned int sample = takeSample_();
        if (O.dropTimeouts && IrSample::isTimeout(sample))
            return false;
        step.symbol = Symbol(durations.classify(IrSample::duration(sample)));
        step.pulse = IrSample::isPulse(sample) && (O.alwaysSpace == Symbol(0) || step.symbol != O.alwaysSpace);

        if (pauseAbandons_(now)) {
            m_accumulator = 0;
            onPause();
            if (step.pulse)
                onPulse();
            m_state = step.pulse && step.symbol == O.header ? HeaderState : IdleState;
            return false;
        }
        // Idle is where most samples find most decoders: only a header pulse
        // leads anywhere.
        if (m_state == IdleState) {
            if (step.pulse) {
                m_accumulator = 0;
                onPulse();
                if (step.symbol == O.header)
                    m_state = HeaderState;
            }
            return false;
        }
        return true;
    }

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
