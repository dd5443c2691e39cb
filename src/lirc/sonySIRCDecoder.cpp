#include "lirc/sonySIRCDecoder.h"

#include "lirc/irLog.h"
#include "lirc/irSample.h"

DecoderBase::PreviousSample_s SonySIRCDecoder::s_previous;
std::atomic<std::uint32_t> SonySIRCDecoder::s_bitCount {0};

SonySIRCDecoder::SonySIRCDecoder(IrClock* clock)
    : DecoderBase("sonySIRC", s_previous, clock)
    , m_durations(durations_())
{
}

void SonySIRCDecoder::resetClassState()
{
    s_previous.reset();
    setBitCount_(0);
}

// The windows in the order they are tried; the first holding d gives N.
DurationClassifier SonySIRCDecoder::durations_()
{
    const DurationClassifier::Window_s windows[] = {
        {2201, 2599, Header},
        {1001, 1399, One},
        {401, 799, Zero},
    };
    return DurationClassifier(windows);
}

void SonySIRCDecoder::decode()
{
    const std::int64_t now = readClock_();
    const unsigned int sample = takeSample_();
    const bool pulse = IrSample::isPulse(sample);
    const Symbol symbol = classify_(IrSample::duration(sample));

    if (pauseAbandons_(now)) {
        m_accumulator = 0;
        setOutputCode_(0);
        setBitCount_(0);
        m_state = pulse && symbol == Header ? 1 : 0;
        return;
    }

    // Idle is where most samples find most decoders: only a header pulse
    // leads anywhere.
    if (m_state == 0) {
        if (pulse) {
            m_accumulator = 0;
            setBitCount_(0);
            if (symbol == Header)
                m_state = 1;
        }
        return;
    }

    int next = 0;
    switch (m_state) {
    case 1: // header pulse seen
        if (!pulse && symbol == Zero)
            next = 2;
        break;
    case 2: // awaiting a bit pulse
        if (pulse && symbol == Zero)
            next = 3;
        else if (pulse && symbol == One)
            next = 4;
        break;
    case 3: // 0-bit pulse seen
    case 4: // 1-bit pulse seen
        if (pulse)
            break;
        if (symbol == Zero) {
            m_accumulator = m_accumulator * 2 + (m_state == 4);
            setBitCount_(bitCount() + 1);
            next = 2;
        } else {
            // Any other space ends the frame; the last pulse's bit is not taken.
            const std::uint32_t bits = bitCount();
            if (bits == 11 || bits == 14 || bits == 19) {
                setOutputCode_(m_accumulator);
                IR_LOG_INFO("lirc/sonySIRCDecoder", "m_outputCode(bits:%d):%lX", int(bits),
                    static_cast<unsigned long>(m_accumulator));
            }
        }
        break;
    }
    m_state = next;
}
