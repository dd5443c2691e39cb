#pragma once

#include "lirc/decoderBase.h"

// The frame NEC, Kaseikyo and Samsung share: a header pulse and space, then
// bits, each a short pulse and a short (0) or long (1) space, closed by the
// end space that outputs the accumulated code. The subclasses give the
// duration windows and whatever follows a closed frame.
class PulseDistanceDecoder : public DecoderBase
{
protected:
    enum Symbol : std::uint8_t { Unmatched, Header, HeaderSpace, Short, Long, End, RepeatSpace, RepeatEnd };
    // The frame's states; a subclass numbers its own from FrameDone on.
    enum State : int {
        Idle = IdleState,
        HeaderPulse = HeaderState,
        AwaitingBitPulse,
        BitPulse,
        FrameDone,
    };

    // headerSpace: the symbol a header space classifies as (the header's own
    // where pulse and space share a window).
    PulseDistanceDecoder(const char* name, PreviousSample_s& previous, IrClock* clock, DurationClassifier durations,
        Symbol headerSpace = HeaderSpace)
        : DecoderBase(name, previous, clock)
        , m_durations(durations)
        , m_headerSpace(headerSpace)
    {
    }

    // Takes one sample through the opening and the frame; a closed frame moves
    // on to afterFrame. Returns true, with step set, when the sample is left
    // to the subclass (the state is FrameDone or beyond). DropTimeouts: the
    // receiver's time-out samples change neither the state nor the time.
    template<bool DropTimeouts> [[gnu::always_inline]] bool frameStep_(Step_s<Symbol>& step, int afterFrame)
    {
        static constexpr Opening_s<Symbol> opening {Header, Unmatched, DropTimeouts};
        if (!open_<opening>(m_durations, step))
            return false;
        if (m_state >= FrameDone)
            return true;

        State next = Idle;
        switch (State(m_state)) {
        case HeaderPulse:
            if (!step.pulse && step.symbol == m_headerSpace)
                next = AwaitingBitPulse;
            break;
        case AwaitingBitPulse:
            if (step.pulse && step.symbol == Short)
                next = BitPulse;
            break;
        case BitPulse:
            if (step.pulse)
                break;
            if (step.symbol == Short || step.symbol == Long) {
                m_accumulator = m_accumulator * 2 + (step.symbol == Long);
                next = AwaitingBitPulse;
            } else if (step.symbol == End) {
                setOutputCode_(m_accumulator);
                next = State(afterFrame);
            }
            break;
        default:
            break;
        }
        m_state = next;
        return false;
    }

private:
    DurationClassifier m_durations;
    Symbol m_headerSpace;
};
