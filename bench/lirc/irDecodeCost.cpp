// Drives the six decoders the way the capture loop does (push, decode, then
// collect the first completed code) for N samples, for instruction counting
// under callgrind: run-callgrind.sh takes the difference of an N and a 2N run,
// so building the stream and starting up cancel out.
//
//   bench_irDecodeCost N [real|stamp]
//   real:  every decoder reads the real-time clock itself (the default clock);
//   stamp: the loop reads the real-time clock once per sample and the
//          decoders read that stamp.
//
// A counting operator new shows that decoding allocates nothing per sample.
// Sony's informational line per code is part of the cost and goes to stderr.
#include "irFrameEncoder.h"
#include "lirc/decoder.h"
#include "lirc/irSampleClock.h"
#include "lirc/kaseikyoDecoder.h"
#include "lirc/mceDecoder.h"
#include "lirc/necDecoder.h"
#include "lirc/samsungDecoder.h"
#include "lirc/sharpDecoder.h"
#include "lirc/sonySIRCDecoder.h"

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>
#include <vector>

static std::atomic<long> g_allocations {0};
void* operator new(std::size_t size)
{
    g_allocations.fetch_add(1, std::memory_order_relaxed);
    if (void* p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace {

// Every protocol's presses with repeats, then noise: about 4000 samples.
std::vector<unsigned int> makeStream()
{
    std::vector<unsigned int> stream;
    const IrFrameEncoder encoder;
    const struct {
        const char* protocol;
        unsigned long long code;
    } presses[] = {{"mce", 0x800F0494}, {"nec", 0x20DF10EF}, {"sonySIRC", 0x495}, {"sharp", 0x1234},
        {"kaseikyo", 0x40040100BCBD}, {"samsung", 0xE0E040BF}};
    for (const auto& press : presses)
        encoder.encode(press.protocol, press.code, IrFrameEncoder::DefaultBits, 3, stream);
    unsigned int x = 12345;
    for (int i = 0; i < 3000; ++i) {
        x ^= x << 13, x ^= x >> 17, x ^= x << 5;
        stream.push_back(x & 0x01003FFF);
    }
    return stream;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: bench_irDecodeCost N [real|stamp]\n");
        return 2;
    }
    const long count = std::atol(argv[1]);
    const bool stamp = argc > 2 && std::strcmp(argv[2], "stamp") == 0;

    IrSampleClock stampClock;
    IrClock* clock = stamp ? &stampClock : nullptr;
    // Registered as the capture loop has them: a list of Decoder pointers it
    // calls through, in the system's order. The barrier keeps the compiler
    // from seeing the concrete types, which the capture loop does not see
    // either.
    std::vector<Decoder*> decoders {new MceDecoder(clock), new NecDecoder(clock), new SonySIRCDecoder(clock),
        new SharpDecoder(clock), new KaseikyoDecoder(clock), new SamsungDecoder(clock)};
    for (Decoder*& decoder : decoders)
        asm volatile("" : "+r"(decoder));
    const std::vector<unsigned int> stream = makeStream();

    const long before = g_allocations.load();
    unsigned long long codes = 0, sum = 0;
    std::size_t at = 0;
    for (long i = 0; i < count; ++i) {
        const unsigned int sample = stream[at];
        at = at + 1 == stream.size() ? 0 : at + 1;
        if (stamp)
            stampClock.stampRealTime();
        for (Decoder* decoder : decoders) {
            decoder->pushRawData(sample);
            decoder->decode();
        }
        if (const std::uint64_t code = collectScanCode(decoders)) {
            ++codes;
            sum += code;
        }
    }
    const long allocations = g_allocations.load() - before;

    std::printf("samples %ld clock %s codes %llu checksum %llx allocations %ld\n", count, stamp ? "stamp" : "real",
        codes, sum, allocations);
    return allocations == 0 ? 0 : 1;
}
