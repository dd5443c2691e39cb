#include "lirc/mceDecoder.h"

#include "lirc/irSample.h"
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
    const std::int64_t now = readClock_();
    const unsigned int sample = takeSample_();
    const Symbol symbol = classify_(IrSample::duration(sample));
    // The end space is a space whatever the sample says.
    const bool pulse = IrSample::isPulse(sample) && symbol != End;

    if (pauseAbandons_(now)) {
        m_accumulator = 0;
        m_state = pulse && symbol == Leader ? 1 : 0;
        return;
    }

    // Idle is where most samples find most decoders: only a header pulse
    // leads anywhere.
    if (m_state == 0) {
        if (pulse) {
            m_accumulator = 0;
            if (symbol == Leader)
                m_state = 1;
        }
        return;
    }

    // Each step of the header expects one (kind, symbol) pair.
    struct Step_s {
        bool pulse;
        Symbol symbol;
    };
    static constexpr Step_s header[] = {
        {false, Double}, // 1: leader space
        {true, Single}, // 2: start bit
        {false, Single}, // 3
        {true, Single}, // 4: mode bits 1, 1, 0
        {false, Single}, // 5
        {true, Single}, // 6
        {false, Double}, // 7
        {true, Single}, // 8
        {false, Double}, // 9: trailer bit
        {true, Triple}, // 10: trailer mark with the first data bit's mark
    };

    int next = 0;
    switch (m_state) {
    case 1:
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 7:
    case 8:
    case 9:
    case 10:
        if (pulse == header[m_state - 1].pulse && symbol == header[m_state - 1].symbol)
            next = m_state + 1;
        break;
    case 11: // mid-bit after a mark
        if (pulse)
            break;
        if (symbol == Single) {
            m_accumulator = m_accumulator * 2 + 1;
            next = 12;
        } else if (symbol == Double) {
            m_accumulator = m_accumulator * 4 + 2;
            next = 13;
        } else if (symbol == End) {
            // A frame ending in the middle of a 1 bit completes without it.
            setOutputCode_(m_accumulator & CodeMask);
        }
        break;
    case 12: // bit boundary, line low
        if (pulse && symbol == Single)
            next = 11;
        else if (pulse && symbol == Double)
            next = 14;
        break;
    case 13: // mid-bit after a space
        if (pulse && symbol == Single)
            next = 14;
        else if (pulse && symbol == Double)
            next = 11;
        break;
    case 14: // bit boundary, line high
        if (pulse)
            break;
        if (symbol == Single) {
            m_accumulator = m_accumulator * 2;
            next = 13;
        } else if (symbol == Double) {
            m_accumulator = m_accumulator * 2 + 1;
            next = 12;
        } else if (symbol == End) {
            setOutputCode_(m_accumulator & CodeMask);
        }
        break;
    }
    m_state = next;
}
