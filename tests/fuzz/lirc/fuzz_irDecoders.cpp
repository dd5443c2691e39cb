// Raw sample streams, 4 bytes a sample, through all six decoders. Bits 26-31, which no decoder examines, steer this
// driver: bit 31 clears every decoder first, bit 30 queues the sample twice before decoding twice.
#include "irDecoderSet.h"

#include <cstring>

static void check(bool ok) { return ok ? void() : __builtin_trap(); }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static IrDecoderSet set; // one for the run, as on the appliance; every input starts idle
    IrDecoderSet::resetClassState();
    set.clear();
    for (std::size_t i = 0; i + 4 <= size; i += 4) {
        unsigned int sample;
        std::memcpy(&sample, data + i, 4);
        const bool twice = sample & 0x40000000u;
        if (sample & 0x80000000u) {
            set.clear();
            for (Decoder* d : set.decoders())
                check(d->popScanCode() == 0);
        }
        for (Decoder* d : twice ? set.decoders() : std::span<Decoder* const>())
            d->pushRawData(sample);
        set.feed(sample);
        for (Decoder* d : twice ? set.decoders() : std::span<Decoder* const>())
            d->decode(), check(d->popRawData() == 0);
        // What the stored format promises about each decoder's codes.
        set.takeCodes([](const Decoder& d, std::uint64_t code) {
            const std::string& name = d.getDecoderName();
            check((name != "mce" || (code & ~MceDecoder::CodeMask) == 0) && (name != "sharp" || code < (1u << 13))
                && (name != "sonySIRC" || code < (1u << 19)));
        });
    }
    return 0;
}
