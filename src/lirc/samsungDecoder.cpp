#include "lirc/samsungDecoder.h"

#include "lirc/irSample.h"

DecoderBase::PreviousSample_s SamsungDecoder::s_previous;

SamsungDecoder::SamsungDecoder(IrClock* clock)
    : DecoderBase("samsung", s_previous, clock)
{
}

void SamsungDecoder::resetClassState() { s_previous.reset(); }

SamsungDecoder::Symbol SamsungDecoder::classify_(unsigned int us)
{
    if (us >= 4001 && us <= 4999)
        return Header;
    if (us >= 376 && us <= 749)
        return Short;
    if (us >= 501 && us <= 2499)
        return Long;
    if (us > 46500)
        return End;
    return Unmatched;
}

void SamsungDecoder::decode()
{
    const unsigned int sample = takeSample_();
    if (IrSample::isTimeout(sample))
        return;
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
        if (!pulse && symbol == Header)
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
        }
        break;
    }
    m_state = next;
}
