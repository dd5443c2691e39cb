#include "lirc/kaseikyoDecoder.h"

#include "lirc/irSample.h"

DecoderBase::PreviousSample_s KaseikyoDecoder::s_previous;

KaseikyoDecoder::KaseikyoDecoder(IrClock* clock)
    : DecoderBase("kaseikyo", s_previous, clock)
    , m_durations(durations_())
{
}

void KaseikyoDecoder::resetClassState() { s_previous.reset(); }

// The windows in the order they are tried; the first holding d gives N.
DurationClassifier KaseikyoDecoder::durations_()
{
    const DurationClassifier::Window_s windows[] = {
        {2801, 3599, Header},
        {1501, 1999, HeaderSpace},
        {301, 599, Short},
        {401, 1999, Long}, // 600-1500 after the windows before it
        {68001, DurationClassifier::Open, End},
    };
    return DurationClassifier(windows);
}

void KaseikyoDecoder::decode()
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
        }
        break;
    }
    m_state = next;
}
