// ivo-irencode PROTOCOL CODE [--repeats N | --hold MS] [--bits N] [--raw]
// Writes the raw signal of one button press: mode2 text ("pulse N" and
// "space N" lines) or, with --raw, the 4-byte samples of the LIRC device.
// --hold sends as many repeats as a button held that long gives.
#include "irFrameEncoder.h"
#include "lirc/irSample.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace {

int usage(const char* why)
{
    std::fprintf(stderr, "ivo-irencode: %s\n", why);
    std::fputs("usage: ivo-irencode PROTOCOL CODE [--repeats N | --hold MS] [--bits N] [--raw]\n"
               "  PROTOCOL  mce, nec, sonySIRC, sharp, kaseikyo or samsung\n"
               "  CODE      the scan code in hexadecimal, with or without 0x\n",
        stderr);
    return 2;
}

bool parseHex(std::string_view text, std::uint64_t& value)
{
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        text.remove_prefix(2);
    if (text.empty() || text.size() > 16)
        return false;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 16);
    return error == std::errc() && end == text.data() + text.size();
}

bool parseCount(std::string_view text, unsigned int& value)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, 10);
    return !text.empty() && error == std::errc() && end == text.data() + text.size();
}

std::uint64_t lengthUs(const std::vector<unsigned int>& samples)
{
    std::uint64_t us = 0;
    for (unsigned int sample : samples)
        us += IrSample::duration(sample);
    return us;
}

// The fewest repeats after which the press has lasted holdMs.
unsigned int repeatsToHold(std::string_view protocol, std::uint64_t code, int bits, unsigned int holdMs)
{
    std::vector<unsigned int> once, twice;
    const IrFrameEncoder encoder;
    if (!encoder.encode(protocol, code, bits, 0, once).empty()
        || !encoder.encode(protocol, code, bits, 1, twice).empty())
        return 0;
    const std::uint64_t first = lengthUs(once), period = lengthUs(twice) - first;
    const std::uint64_t wanted = std::uint64_t(holdMs) * 1000;
    if (wanted <= first || period == 0)
        return 0;
    return unsigned(std::min<std::uint64_t>((wanted - first + period - 1) / period, IrFrameEncoder::MaxRepeats));
}

} // namespace

int main(int argc, char** argv)
{
    std::vector<std::string_view> positional;
    unsigned int repeats = 0, holdMs = 0;
    int bits = IrFrameEncoder::DefaultBits;
    bool raw = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--raw") {
            raw = true;
        } else if (arg == "--repeats" || arg == "--bits" || arg == "--hold") {
            unsigned int value = 0;
            if (i + 1 == argc || !parseCount(argv[i + 1], value))
                return usage((std::string(arg) + " needs a decimal number").c_str());
            ++i;
            if (arg == "--repeats")
                repeats = value;
            else if (arg == "--hold")
                holdMs = value;
            else
                bits = int(std::min(value, 1000u));
        } else if (arg.size() > 1 && arg[0] == '-') {
            return usage(("unknown option " + std::string(arg)).c_str());
        } else {
            positional.push_back(arg);
        }
    }
    if (positional.size() != 2)
        return usage("PROTOCOL and CODE are needed");

    const auto& known = IrFrameEncoder::protocols();
    if (std::find(known.begin(), known.end(), positional[0]) == known.end())
        return usage(("unknown protocol " + std::string(positional[0])).c_str());
    std::uint64_t code = 0;
    if (!parseHex(positional[1], code))
        return usage(("CODE is not hexadecimal: " + std::string(positional[1])).c_str());

    if (holdMs)
        repeats = std::max(repeats, repeatsToHold(positional[0], code, bits, holdMs));
    std::vector<unsigned int> samples;
    const std::string refused = IrFrameEncoder().encode(positional[0], code, bits, repeats, samples);
    if (!refused.empty()) {
        std::fprintf(stderr, "ivo-irencode: %s\n", refused.c_str());
        return 2;
    }

    if (raw) {
        std::fwrite(samples.data(), sizeof(unsigned int), samples.size(), stdout);
    } else {
        std::string text;
        text.reserve(samples.size() * 12);
        for (unsigned int sample : samples) {
            text += sample & 0x01000000u ? "pulse " : "space ";
            text += std::to_string(sample & 0x00FFFFFFu);
            text += '\n';
        }
        std::fwrite(text.data(), 1, text.size(), stdout);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        std::perror("ivo-irencode: standard output");
        return 1;
    }
    return 0;
}
