#include "lirc/samsungDecoder.h"

DecoderBase::PreviousSample_s SamsungDecoder::s_previous;

// The header's space falls into the header's window.
SamsungDecoder::SamsungDecoder(IrClock* clock)
    : PulseDistanceDecoder("samsung", s_previous, clock, durations_(), Header)
{
}

void SamsungDecoder::resetClassState() { s_previous.reset(); }

// The windows in the order they are tried; the first holding d gives N.
DurationClassifier SamsungDecoder::durations_()
{
    const DurationClassifier::Window_s windows[] = {
        {4001, 4999, Header},
        {376, 749, Short},
        {501, 2499, Long}, // 750-2499 after the window before it
        {46501, DurationClassifier::Open, End},
    };
    return DurationClassifier(windows);
}

void SamsungDecoder::decode()
{
    Step_s<Symbol> step;
    frameStep_<true>(step, Idle);
}
