#include "lirc/decoderSet.h"

DecoderSet::DecoderSet(IrClock* clock)
    : m_mce(clock)
    , m_nec(clock)
    , m_sony(clock)
    , m_sharp(clock)
    , m_kaseikyo(clock)
    , m_samsung(clock)
    , m_order {&m_mce, &m_nec, &m_sony, &m_sharp, &m_kaseikyo, &m_samsung}
{
}

void DecoderSet::clear()
{
    for (Decoder* decoder : m_order)
        decoder->clear();
}

void DecoderSet::resetClassState()
{
    MceDecoder::resetClassState();
    NecDecoder::resetClassState();
    SonySIRCDecoder::resetClassState();
    SharpDecoder::resetClassState();
    KaseikyoDecoder::resetClassState();
    SamsungDecoder::resetClassState();
}
