#include "lirc/sonySIRCDecoder.h"

#include "lirc/irLog.h"

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
    static constexpr Opening_s<Symbol> opening {Header};
    Step_s<Symbol> step;
    // The bit count is the class's: a new frame and a pause both reset it,
    // and a pause also drops a code nobody collected.
    const auto newFrame = [] { setBitCount_(0); };
    const auto abandon = [this] {
        setOutputCode_(0);
        setBitCount_(0);
    };
    if (!open_<opening>(m_durations, step, newFrame, abandon))
        return;

    State next = Idle;
    switch (State(m_state)) {
    case HeaderPulse:
        if (!step.pulse && step.symbol == Zero)
            next = AwaitingBitPulse;
        break;
    case AwaitingBitPulse:
        if (step.pulse && step.symbol == Zero)
            next = ZeroPulse;
        else if (step.pulse && step.symbol == One)
            next = OnePulse;
        break;
    case ZeroPulse:
    case OnePulse:
        if (step.pulse)
            break;
        if (step.symbol == Zero) {
            m_accumulator = m_accumulator * 2 + (m_state == OnePulse);
            setBitCount_(bitCount() + 1);
            next = AwaitingBitPulse;
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
    case Idle:
        break;
    }
    m_state = next;
}
