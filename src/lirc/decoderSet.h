#pragma once

#include "lirc/kaseikyoDecoder.h"
#include "lirc/mceDecoder.h"
#include "lirc/necDecoder.h"
#include "lirc/samsungDecoder.h"
#include "lirc/sharpDecoder.h"
#include "lirc/sonySIRCDecoder.h"

#include <array>
#include <span>

class IrClock;

// The six protocol decoders in the system's order: mce, nec, sonySIRC,
// sharp, kaseikyo, samsung. The order is the tie-break when two decoders
// complete a frame on the same sample. The capture pipeline and the replay
// tools both decode with one of these.
class DecoderSet
{
public:
    // Every decoder reads the time of its samples from clock (nullptr: the
    // real-time clock).
    explicit DecoderSet(IrClock* clock);
    DecoderSet(const DecoderSet&) = delete;
    DecoderSet& operator=(const DecoderSet&) = delete;

    std::span<Decoder* const> decoders() const { return m_order; }
    // Every decoder back to idle.
    void clear();

    // Forgets every decoder class's process-wide state (previous-sample
    // times, the Sony bit count), so a new replay does not see the last one's
    // pause.
    static void resetClassState();

private:
    MceDecoder m_mce;
    NecDecoder m_nec;
    SonySIRCDecoder m_sony;
    SharpDecoder m_sharp;
    KaseikyoDecoder m_kaseikyo;
    SamsungDecoder m_samsung;
    std::array<Decoder*, 6> m_order;
};
