// Arbitrary text through the IR tools' line reader, then through the decoders
// the way ivo-irdecode does. A line is taken whole or not at all, and every
// sample taken prints back in mode2 form as a line that reads the same.
#include "irDecoderSet.h"
#include "irTextReader.h"
#include "lirc/irSample.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

void check(bool ok)
{
    if (!ok)
        __builtin_trap();
}

std::string mode2(unsigned int sample)
{
    const char* word = IrSample::isTimeout(sample) ? "timeout " : IrSample::isPulse(sample) ? "pulse " : "space ";
    return word + std::to_string(IrSample::duration(sample));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static IrDecoderSet set;
    IrDecoderSet::resetClassState();
    set.clear();

    IrTextReader reader;
    std::vector<unsigned int> samples, again;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);

        samples.clear();
        if (!reader.parseLine(line, samples)) {
            check(samples.empty());
            continue;
        }
        for (unsigned int sample : samples) {
            check(IrSample::isPulse(sample) || (sample & ~IrSample::DurationMask) == 0);
            IrTextReader fresh;
            again.clear();
            check(fresh.parseLine(mode2(sample), again) && again.size() == 1 && again[0] == sample);
            set.feed(sample);
            set.takeCodes([](const Decoder&, std::uint64_t code) { check(code != 0); });
        }
    }
    return 0;
}
