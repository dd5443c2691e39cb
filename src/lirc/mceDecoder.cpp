#include "lirc/mceDecoder.h"

#include "lirc/platformVersion.h"

DecoderBase::PreviousSample_s MceDecoder::s_previous;

MceDecoder::MceDecoder(IrClock* clock)
    : DecoderBase("mce", s_previous, clock)
    , m_endSpace(configuredEndSpace())
    , m_durations(durations_(m_endSpace))
{
}

unsigned int MceDecoder::configuredEndSpace() { return platformUsesLongEndSpaces() ? 69600 : 12000; }

void MceDecoder::resetClassState() { s_previous.reset(); }

// The windows in the order they are tried; the first holding d gives N.
DurationClassifier MceDecoder::durations_(unsigned int endSpace)
{
    const unsigned int e = endSpace;
    const DurationClassifier::Window_s windows[] = {
        {1901, 2899, Leader},
        {651, 949, Double},
        {e - 1999, e + 1999, End}, // E - 2000 < d < E + 2000
        {301, 649, Single},
        {701, 999, Double},
        {1001, 1449, Triple},
    };
    return DurationClassifier(windows);
}

void MceDecoder::decode()
{
    // The end space is a space whatever the sample says.
    static constexpr Opening_s<Symbol> opening {Leader, End};
    Step_s<Symbol> step;
    if (!open_<opening>(m_durations, step))
        return;

    // Each step of the header expects one (kind, symbol) pair: state
    // LeaderMark + i expects header[i].
    static constexpr Step_s<Symbol> header[] = {
        {false, Double}, // leader space
        {true, Single}, // start bit
        {false, Single}, {true, Single}, // mode bits 1, 1, 0
        {false, Single}, {true, Single}, {false, Double}, {true, Single}, {false, Double}, // trailer bit
        {true, Triple}, // trailer mark with the first data bit's mark
    };

    State next = Idle;
    const State state = State(m_state);
    if (state < MidBitAfterMark) {
        const Step_s<Symbol>& expected = header[state - LeaderMark];
        m_state = step.pulse == expected.pulse && step.symbol == expected.symbol ? state + 1 : Idle;
        return;
    }
    switch (state) {
    case MidBitAfterMark:
        if (step.pulse)
            break;
        if (step.symbol == Single) {
            m_accumulator = m_accumulator * 2 + 1;
            next = BoundaryLow;
        } else if (step.symbol == Double) {
            m_accumulator = m_accumulator * 4 + 2;
            next = MidBitAfterSpace;
        } else if (step.symbol == End) {
            // A frame ending in the middle of a 1 bit completes without it.
            setOutputCode_(m_accumulator & CodeMask);
        }
        break;
    case BoundaryLow:
        if (step.pulse && step.symbol == Single)
            next = MidBitAfterMark;
        else if (step.pulse && step.symbol == Double)
            next = BoundaryHigh;
        break;
    case MidBitAfterSpace:
        if (step.pulse && step.symbol == Single)
            next = BoundaryHigh;
        else if (step.pulse && step.symbol == Double)
            next = MidBitAfterMark;
        break;
    case BoundaryHigh:
        if (step.pulse)
            break;
        if (step.symbol == Single) {
            m_accumulator = m_accumulator * 2;
            next = MidBitAfterSpace;
        } else if (step.symbol == Double) {
            m_accumulator = m_accumulator * 2 + 1;
            next = BoundaryLow;
        } else if (step.symbol == End) {
            setOutputCode_(m_accumulator & CodeMask);
        }
        break;
    default:
        break;
    }
    m_state = next;
}
