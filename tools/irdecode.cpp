// ivo-irdecode [--raw] [FILE]
// Feeds raw IR samples to the six decoders in the system's order and prints
// one "<decoder> 0x<CODE>" line for every code a decoder completes. Input is
// mode2 text or the "+N -N" form, or with --raw the 4-byte samples of the
// LIRC device; from FILE or standard input.
#include "irDecoderSet.h"
#include "irTextReader.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <vector>

namespace {

int usage(const char* why)
{
    std::fprintf(stderr, "ivo-irdecode: %s\n", why);
    std::fputs("usage: ivo-irdecode [--raw] [FILE]\n", stderr);
    return 2;
}

void decodeOne(IrDecoderSet& decoders, unsigned int sample)
{
    decoders.feed(sample);
    bool printed = false;
    decoders.takeCodes([&](const Decoder& decoder, std::uint64_t code) {
        std::printf("%s 0x%llX\n", decoder.getDecoderName().c_str(), static_cast<unsigned long long>(code));
        printed = true;
    });
    // Keep a live pipe from the receiver responsive.
    if (printed)
        std::fflush(stdout);
}

void decodeText(std::FILE* in, IrDecoderSet& decoders)
{
    IrTextReader reader;
    std::vector<unsigned int> samples;
    char* line = nullptr;
    std::size_t capacity = 0;
    unsigned long number = 0;
    ssize_t length;
    while ((length = getline(&line, &capacity, in)) >= 0) {
        ++number;
        std::string_view text(line, std::size_t(length));
        if (!text.empty() && text.back() == '\n')
            text.remove_suffix(1);
        samples.clear();
        if (!reader.parseLine(text, samples)) {
            std::fprintf(
                stderr, "ivo-irdecode: line %lu: not a sample, skipped: %.*s\n", number, int(text.size()), text.data());
            continue;
        }
        for (unsigned int sample : samples)
            decodeOne(decoders, sample);
    }
    std::free(line);
}

void decodeRaw(std::FILE* in, IrDecoderSet& decoders)
{
    unsigned int buffer[1024];
    std::size_t bytes;
    std::size_t left = 0;
    auto* base = reinterpret_cast<unsigned char*>(buffer);
    while ((bytes = std::fread(base + left, 1, sizeof buffer - left, in)) > 0) {
        bytes += left;
        const std::size_t whole = bytes / sizeof(unsigned int);
        for (std::size_t i = 0; i < whole; ++i)
            decodeOne(decoders, buffer[i]);
        left = bytes % sizeof(unsigned int);
        std::memmove(base, base + whole * sizeof(unsigned int), left);
    }
    if (left)
        std::fprintf(stderr, "ivo-irdecode: %zu trailing bytes do not make a sample, ignored\n", left);
}

} // namespace

int main(int argc, char** argv)
{
    bool raw = false;
    const char* path = nullptr;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--raw")
            raw = true;
        else if (arg.size() > 1 && arg[0] == '-')
            return usage((std::string("unknown option ") + argv[i]).c_str());
        else if (path)
            return usage("only one FILE can be read");
        else
            path = argv[i];
    }

    std::FILE* in = stdin;
    if (path && std::string_view(path) != "-") {
        in = std::fopen(path, "rb");
        if (!in) {
            std::fprintf(stderr, "ivo-irdecode: cannot read %s: %s\n", path, std::strerror(errno));
            return 1;
        }
    }

    IrDecoderSet decoders;
    if (raw)
        decodeRaw(in, decoders);
    else
        decodeText(in, decoders);

    const bool failed = std::ferror(in);
    const int error = errno;
    if (in != stdin)
        std::fclose(in);
    if (failed) {
        std::fprintf(
            stderr, "ivo-irdecode: cannot read %s: %s\n", path ? path : "standard input", std::strerror(error));
        return 1;
    }
    std::fflush(stdout);
    return 0;
}
