#include "lirc/necDecoder.h"

#include "lirc/irSample.h"
#include "lirc/platformVersion.h"

DecoderBase::PreviousSample_s NecDecoder::s_previous;

NecDecoder::NecDecoder(IrClock* clock)
    : DecoderBase("nec", s_previous, clock)
    , m_endSpace(configuredEndSpace())
    , m_durations(durations_(m_endSpace))
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
    const std::int64_t now = readClock_();
    const unsigned int sample = takeSample_();
    const bool pulse = IrSample::isPulse(sample);
    const Symbol symbol = classify_(IrSample::duration(sample));

    if (pauseAbandons_(now)) {
        m_accumulator = 0;
        m_state = pulse && symbol == Header ? 1 : 0;
        return;
    }

    // Idle is where most samples find most decoders: only a header pulse
    // leads anywhere.
    if (m_state == 0) {
        if (pulse) {
            m_accumulator = 0;
            if (symbol == Header)
                m_state = 1;
        }
        return;
    }

    int next = 0;
    switch (m_state) {
    case 1: // header pulse seen
        if (!pulse && symbol == HeaderSpace)
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
            next = 4;
        }
        break;
    case 4: // frame complete
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
            next = 4;
        }
        break;
    }
    m_state = next;
}
