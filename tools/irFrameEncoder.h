#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The raw samples of one button press in one of the six protocols, with the
// nominal durations the decoders expect. A press starts with a pulse and ends
// with the space that completes the code, always shorter than the 110 ms that
// would abandon a frame.
class IrFrameEncoder
{
public:
    // The end spaces of NEC and MCE come from the platform configuration,
    // exactly as the decoders read them.
    IrFrameEncoder();
    IrFrameEncoder(unsigned int necEndSpace, unsigned int mceEndSpace);

    static constexpr int DefaultBits = -1;
    // Upper bound for the repeat count, to keep a typo from filling memory.
    static constexpr unsigned int MaxRepeats = 10000;

    // The protocol names, as the decoders name themselves.
    static const std::vector<std::string_view>& protocols();

    // Appends the press to samples and returns an empty string; when the
    // protocol cannot carry the code in that many bits, returns why and
    // appends nothing. repeats: NEC adds repeat bursts, the others send the
    // whole frame again.
    std::string encode(std::string_view protocol, std::uint64_t code, int bits, unsigned int repeats,
        std::vector<unsigned int>& samples) const;

private:
    unsigned int m_necEndSpace;
    unsigned int m_mceEndSpace;
};
