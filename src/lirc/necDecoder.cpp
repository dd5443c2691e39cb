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
    bool pulse;
    Symbol symbol;
    if (!frameStep_<false>(pulse, symbol, FrameDone))
        return;

    // After a frame: a new frame, or repeat bursts that yield its code again.
    int next = 0;
    switch (m_state) {
    case FrameDone:
        if (pulse && symbol == Header)
            next = 5;
        break;
    case 5: // second header: a new frame or a repeat burst
        if (pulse)
            break;
        if (symbol == HeaderSpace) {
            m_accumulator = 0;
            next = 2;
        } else if (symbol == RepeatSpace) {
            next = 6;
        }
        break;
    case 6: // repeat space seen
        if (pulse && symbol == Short)
            next = 7;
        break;
    case 7: // repeat pulse seen
        if (!pulse && symbol == RepeatEnd) {
            setOutputCode_(m_accumulator);
            next = FrameDone;
        }
        break;
    }
    m_state = next;
}
