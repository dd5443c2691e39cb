#include "lirc/kaseikyoDecoder.h"

DecoderBase::PreviousSample_s KaseikyoDecoder::s_previous;

KaseikyoDecoder::KaseikyoDecoder(IrClock* clock)
    : PulseDistanceDecoder("kaseikyo", s_previous, clock, durations_())
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
    Step_s<Symbol> step;
    frameStep_<false>(step, Idle);
}
