// Arbitrary raw sample streams through all six decoders, 4 bytes a sample as the device delivers it. Bits 26-31, which
// no decoder examines, also steer this driver: bit 31 clears every decoder before the sample, bit 30 queues the sample
// twice before decoding twice.
#include "irDecoderSet.h"

#include <cstddef>
#include <cstdint>
#include <cstring>

static void check(bool ok) { return ok ? void() : __builtin_trap(); }

// What the stored format promises about each decoder's codes.
static void checkCode(const Decoder& decoder, std::uint64_t code)
{
    const std::string& name = decoder.getDecoderName();
    check((name != "mce" || (code & ~MceDecoder::CodeMask) == 0) && (name != "sharp" || code < (1u << 13))
        && (name != "sonySIRC" || code < (1u << 19)));
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // One set for the whole run, as on the appliance; every input starts idle.
    static IrDecoderSet set;
    IrDecoderSet::resetClassState();
    set.clear();

    for (std::size_t i = 0; i + 4 <= size; i += 4) {
        unsigned int sample;
        std::memcpy(&sample, data + i, 4);
        if (sample & 0x80000000u) {
            set.clear();
            for (Decoder* d : set.decoders())
                check(d->popScanCode() == 0);
        }
        if (sample & 0x40000000u) {
            for (Decoder* d : set.decoders())
                d->pushRawData(sample);
            set.feed(sample);
            for (Decoder* d : set.decoders())
                d->decode(), check(d->popRawData() == 0);
        } else {
            set.feed(sample);
        }
        set.takeCodes(checkCode);
    }
    return 0;
}
