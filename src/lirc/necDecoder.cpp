#include "lirc/necDecoder.h"

#include "lirc/platformVersion.h"

DecoderBase::PreviousSample_s NecDecoder::s_previous;

NecDecoder::NecDecoder(IrClock* clock)
    : NecDecoder(clock, configuredEndSpace())
{
}

NecDecoder::NecDecoder(IrClock* clock, unsigned int endSpace)
    : PulseDistanceDecoder("nec", s_previous, clock, durations_(endSpace))
    , m_endSpace(endSpace)
{
}

unsigned int NecDecoder::configuredEndSpace() { return platformUsesLongEndSpaces() ? 43680 : 35000; }

void NecDecoder::resetClassState() { s_previous.reset(); }

// The windows in the order they are tried; the first holding d gives N.
DurationClassifier NecDecoder::durations_(unsigned int endSpace)
{
    const unsigned int e = endSpace;
    const DurationClassifier::Window_s windows[] = {
        {8501, 9499, Header},
        {4001, 4999, HeaderSpace},
        {2051, 2449, RepeatSpace},
        {361, 759, Short},
        {1391, 1989, Long},
        {e - 9999, e + 14999, End}, // E - 10000 < d < E + 15000
        {94801, 98799, RepeatEnd},
    };
    return DurationClassifier(windows);
}

void NecDecoder::decode()
{
    Step_s<Symbol> step;
    if (!frameStep_<false>(step, FrameDone))
        return;

    int next = Idle;
    switch (m_state) {
    case FrameDone:
        if (step.pulse && step.symbol == Header)
            next = SecondHeader;
        break;
    case SecondHeader: // a new frame or a repeat burst
        if (step.pulse)
            break;
        if (step.symbol == HeaderSpace) {
            m_accumulator = 0;
            next = AwaitingBitPulse;
        } else if (step.symbol == RepeatSpace) {
            next = RepeatSpaceSeen;
        }
        break;
    case RepeatSpaceSeen:
        if (step.pulse && step.symbol == Short)
            next = RepeatPulseSeen;
        break;
    case RepeatPulseSeen:
        if (!step.pulse && step.symbol == RepeatEnd) {
            setOutputCode_(m_accumulator);
            next = FrameDone;
        }
        break;
    }
    m_state = next;
}
