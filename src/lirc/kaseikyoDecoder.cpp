#include "lirc/kaseikyoDecoder.h"

#include "lirc/irSample.h"

DecoderBase::PreviousSample_s KaseikyoDecoder::s_previous;

KaseikyoDecoder::KaseikyoDecoder(IrClock* clock)
    : DecoderBase("kaseikyo", s_previous, clock)
{
}

void KaseikyoDecoder::resetClassState() { s_previous.reset(); }

KaseikyoDecoder::Symbol KaseikyoDecoder::classify_(unsigned int us)
{
    if (us >= 2801 && us <= 3599)
        return Header;
    if (us >= 1501 && us <= 1999)
        return HeaderSpace;
    if (us >= 301 && us <= 599)
        return Short;
    if (us >= 401 && us <= 1999)
        return Long;
    if (us > 68000)
        return End;
    return Unmatched;
}

void KaseikyoDecoder::decode()
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
        }
        break;
    }
    m_state = next;
}
