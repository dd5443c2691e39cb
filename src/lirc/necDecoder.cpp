#include "lirc/necDecoder.h"

#include "lirc/irSample.h"
#include "lirc/platformVersion.h"

DecoderBase::PreviousSample_s NecDecoder::s_previous;

NecDecoder::NecDecoder(IrClock* clock)
    : DecoderBase("nec", s_previous, clock)
    , m_endSpace(configuredEndSpace())
{
}

unsigned int NecDecoder::configuredEndSpace() { return platformUsesLongEndSpaces() ? 43680 : 35000; }

void NecDecoder::resetClassState() { s_previous.reset(); }

NecDecoder::Symbol NecDecoder::classify_(unsigned int us) const
{
    if (us >= 8501 && us <= 9499)
        return Header;
    if (us >= 4001 && us <= 4999)
        return HeaderSpace;
    if (us >= 2051 && us <= 2449)
        return RepeatSpace;
    if (us >= 361 && us <= 759)
        return Short;
    if (us >= 1391 && us <= 1989)
        return Long;
    if (us + 10000 > m_endSpace && us < m_endSpace + 15000)
        return End;
    if (us >= 94801 && us <= 98799)
        return RepeatEnd;
    return Unmatched;
}

void NecDecoder::decode()
{
    const unsigned int sample = takeSample_();
    const bool pulse = IrSample::isPulse(sample);
    const Symbol symbol = classify_(IrSample::duration(sample));

    if (pauseAbandons_()) {
        m_accumulator = 0;
        m_state = pulse && symbol == Header ? 1 : 0;
        return;
    }

    int next = 0;
    switch (m_state) {
    case 0: // idle
        if (pulse) {
            m_accumulator = 0;
            if (symbol == Header)
                next = 1;
        }
        break;
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
