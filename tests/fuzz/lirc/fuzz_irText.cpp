// Arbitrary text through the IR tools' line reader: a line is taken whole or not at all, and every sample taken prints
// back in mode2 form as a line that reads the same.
#include "irTextReader.h"
#include "lirc/irSample.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    IrTextReader reader; // one for the whole text: unsigned numbers alternate from the sample before
    std::vector<unsigned int> samples, again;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    for (std::size_t end = 0; !text.empty(); text = end == text.npos ? std::string_view() : text.substr(end + 1)) {
        end = text.find('\n');
        samples.clear();
        if (!reader.parseLine(text.substr(0, end), samples) && !samples.empty())
            __builtin_trap();
        for (unsigned int sample : samples) {
            const char* word
                = IrSample::isTimeout(sample) ? "timeout " : (IrSample::isPulse(sample) ? "pulse " : "space ");
            again.clear();
            if ((!IrSample::isPulse(sample) && (sample & ~IrSample::DurationMask) != 0)
                || !IrTextReader().parseLine(word + std::to_string(IrSample::duration(sample)), again)
                || again != std::vector<unsigned int> {sample})
                __builtin_trap();
        }
    }
    return 0;
}
