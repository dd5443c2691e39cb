#include "lirc/decoder.h"

Decoder::~Decoder() = default;

std::uint64_t collectScanCode(std::span<Decoder* const> decoders)
{
    std::uint64_t first = 0;
    for (Decoder* decoder : decoders) {
        const std::uint64_t code = decoder->popScanCode();
        if (first == 0)
            first = code;
    }
    return first;
}
