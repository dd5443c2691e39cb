#pragma once

#include "lirc/decoderBase.h"
#include "lirc/durationClassifier.h"
#include "lirc/irSample.h"

// The frame NEC, Kaseikyo and Samsung share: a header pulse and space, then
// bits, each a short pulse and a short (0) or long (1) space, closed by the
// end space that outputs the accumulated code. The subclasses give the
// duration windows and whatever follows a closed frame.
class PulseDistanceDecoder : public DecoderBase
{
protected:
    enum Symbol { Unmatched, Header, HeaderSpace, Short, Long, End, RepeatSpace, RepeatEnd };
    // States 1-3 are the frame's; a subclass numbers its own from here.
    static constexpr int FrameDone = 4;

    // headerSpace: the symbol a header space classifies as (the header's own
    // where pulse and space share a window).
    PulseDistanceDecoder(const char* name, PreviousSample_s& previous, IrClock* clock, DurationClassifier durations,
        Symbol headerSpace = HeaderSpace)
        : DecoderBase(name, previous, clock)
        , m_durations(durations)
        , m_headerSpace(headerSpace)
    {
    }

    // Takes one sample through the pause rule, the idle state and the frame;
    // a closed frame moves on to afterFrame. Returns true, with pulse and
    // symbol set, when the sample is left to the subclass (m_state is
    // FrameDone or beyond). DropTimeouts: the receiver's time-out samples
    // change neither the state nor the class's time.
    template<bool DropTimeouts> [[gnu::always_inline]] bool frameStep_(bool& pulse, Symbol& symbol, int afterFrame)
    {
        const std::int64_t now = readClock_();
        const unsigned int sample = takeSample_();
        if (DropTimeouts && IrSample::isTimeout(sample))
            return false;
        pulse = IrSample::isPulse(sample);
        symbol = Symbol(m_durations.classify(IrSample::duration(sample)));

        if (pauseAbandons_(now)) {
            m_accumulator = 0;
            m_state = pulse && symbol == Header ? 1 : 0;
            return false;
        }

        // Idle is where most samples find most decoders: only a header pulse
        // leads anywhere.
        if (m_state == 0) {
            if (pulse) {
                m_accumulator = 0;
                if (symbol == Header)
                    m_state = 1;
            }
            return false;
        }
        if (m_state >= FrameDone)
            return true;

        int next = 0;
        switch (m_state) {
        case 1: // header pulse seen
            if (!pulse && symbol == m_headerSpace)
                next = 2;
            break;
        case 2: // awaiting a bit pulse
            if (pulse && symbol == Short)
                next = 3;
            break;
        case 3: // bit pulse seen
            if (pulse)
                break;
            if (symbol == Short || symbol == Long) {
                m_accumulator = m_accumulator * 2 + (symbol == Long);
                next = 2;
            } else if (symbol == End) {
                setOutputCode_(m_accumulator);
                next = afterFrame;
            }
            break;
        }
        m_state = next;
        return false;
    }

private:
    DurationClassifier m_durations;
    Symbol m_headerSpace;
};
