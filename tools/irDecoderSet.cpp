#include "irDecoderSet.h"

IrDecoderSet::IrDecoderSet()
    : m_mce(&m_clock)
    , m_nec(&m_clock)
    , m_sony(&m_clock)
    , m_sharp(&m_clock)
    , m_kaseikyo(&m_clock)
    , m_samsung(&m_clock)
    , m_order {&m_mce, &m_nec, &m_sony, &m_sharp, &m_kaseikyo, &m_samsung}
{
}

void IrDecoderSet::clear()
{
    for (Decoder* decoder : m_order)
        decoder->clear();
}

void IrDecoderSet::resetClassState()
{
    MceDecoder::resetClassState();
    NecDecoder::resetClassState();
    SonySIRCDecoder::resetClassState();
    SharpDecoder::resetClassState();
    KaseikyoDecoder::resetClassState();
    SamsungDecoder::resetClassState();
}
