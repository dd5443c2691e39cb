#include "lirc/sharpDecoder.h"

#include "lirc/irSample.h"

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
    const std::int64_t now = readClock_();
    const unsigned int sample = takeSample_();
    const bool pulse = IrSample::isPulse(sample);
    const Symbol symbol = classify_(IrSample::duration(sample));

    if (pauseAbandons_(now)) {
        m_accumulator = 0;
        if (pulse)
            m_bitCount = 0;
        m_state = pulse && symbol == Pulse320 ? 1 : 0;
        return;
    }

    // Idle is where most samples find most decoders: only a header pulse
    // leads anywhere.
    if (m_state == 0) {
        if (pulse) {
            m_accumulator = 0;
            m_bitCount = 0;
            if (symbol == Pulse320)
                m_state = 1;
        }
        return;
    }

    int next = 0;
    switch (m_state) {
    case 1: // bit pulse seen
        if (!pulse && (symbol == Space680 || symbol == Space1680)) {
            ++m_bitCount;
            m_accumulator = m_accumulator * 2 + (symbol == Space1680);
            next = 2;
        } else if (!pulse || symbol == Unmatched) {
            // A wrong space still counts as a bit; only a known pulse does not.
            ++m_bitCount;
        }
        break;
    case 2: // bit space seen
        if (pulse && symbol == Pulse320)
            next = m_bitCount == 13 ? 3 : 1;
        break;
    case 3: // expansion bit pulse
        if (!pulse && symbol == Space1680)
            next = 4;
        break;
    case 4: // expansion bit 1 seen
        if (pulse && symbol == Pulse320)
            next = 5;
        break;
    case 5: // check bit pulse: its 0 closes the frame
        if (!pulse && symbol == Space680)
            setOutputCode_(m_accumulator);
        break;
    }
    m_state = next;
}
