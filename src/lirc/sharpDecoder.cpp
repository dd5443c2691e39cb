#include "lirc/sharpDecoder.h"

DecoderBase::PreviousSample_s SharpDecoder::s_previous;

SharpDecoder::SharpDecoder(IrClock* clock)
    : DecoderBase("sharp", s_previous, clock)
    , m_durations(durations_())
{
}

void SharpDecoder::resetClassState() { s_previous.reset(); }

// The windows in the order they are tried; the first holding d gives N.
DurationClassifier SharpDecoder::durations_()
{
    const DurationClassifier::Window_s windows[] = {
        {221, 419, Pulse320},
        {581, 779, Space680},
        {1481, 1879, Space1680},
    };
    return DurationClassifier(windows);
}

void SharpDecoder::decode()
{
    static constexpr Opening_s<Symbol> opening {Pulse320};
    Step_s<Symbol> step;
    if (!open_<opening>(m_durations, step, [this] { m_bitCount = 0; }))
        return;

    State next = Idle;
    switch (State(m_state)) {
    case BitPulse:
        if (!step.pulse && (step.symbol == Space680 || step.symbol == Space1680)) {
            ++m_bitCount;
            m_accumulator = m_accumulator * 2 + (step.symbol == Space1680);
            next = BitSpace;
        } else if (!step.pulse || step.symbol == Unmatched) {
            // A wrong space still counts as a bit; only a known pulse does not.
            ++m_bitCount;
        }
        break;
    case BitSpace:
        if (step.pulse && step.symbol == Pulse320)
            next = m_bitCount == 13 ? ExpansionPulse : BitPulse;
        break;
    case ExpansionPulse:
        if (!step.pulse && step.symbol == Space1680)
            next = ExpansionBit;
        break;
    case ExpansionBit:
        if (step.pulse && step.symbol == Pulse320)
            next = CheckPulse;
        break;
    case CheckPulse: // its 0 closes the frame
        if (!step.pulse && step.symbol == Space680)
            setOutputCode_(m_accumulator);
        break;
    case Idle:
        break;
    }
    m_state = next;
}
