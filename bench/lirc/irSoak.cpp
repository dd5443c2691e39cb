// Ten million samples of random input through the decoders' fuzz target:
// no crash and no memory growth. Prints the resident set size after a
// warm-up chunk and at the end; fails when it grew by more than 1 MiB.
//
//   bench_irSoak [SAMPLES]
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

long residentKiB()
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return -1;
    char line[256];
    long kib = -1;
    while (std::fgets(line, sizeof line, status))
        if (std::strncmp(line, "VmRSS:", 6) == 0)
            kib = std::atol(line + 6);
    std::fclose(status);
    return kib;
}

std::uint64_t g_state = 0x9E3779B97F4A7C15ull;
std::uint64_t next()
{
    g_state ^= g_state << 13, g_state ^= g_state >> 7, g_state ^= g_state << 17;
    return g_state;
}

// Random samples shaped to reach the decoders' states: mostly durations near
// one of the protocols' nominal values, some short random ones, a few of any
// length; random kind, now and then a time-out, a clear or a double push.
unsigned int randomSample()
{
    static const unsigned int nominal[] = {9000, 4500, 2250, 560, 1690, 35000, 96800, 2400, 1200, 600, 320, 680, 1680,
        3200, 1600, 400, 75000, 500, 1500, 52000, 800, 12000};
    const std::uint64_t r = next();
    unsigned int us;
    switch (r & 7) {
    case 0:
        us = unsigned(r >> 8) & 0xFFFFFF;
        break;
    case 1:
    case 2:
        us = unsigned(r >> 8) & 0x3FFF;
        break;
    default: {
        const unsigned int n = nominal[(r >> 8) % (sizeof nominal / sizeof *nominal)];
        us = n - n / 10 + unsigned((r >> 24) % (n / 5 + 1));
    }
    }
    unsigned int sample = us | ((r >> 40) & 1 ? 0x01000000u : 0);
    if (((r >> 41) & 0xFF) == 0)
        sample |= 0x03000000u;
    if (((r >> 49) & 0x3FF) == 0)
        sample |= 0x80000000u;
    if (((r >> 49) & 0x3FF) == 1)
        sample |= 0x40000000u;
    return sample;
}

void runChunk(std::vector<unsigned int>& chunk)
{
    for (unsigned int& sample : chunk)
        sample = randomSample();
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(chunk.data()), chunk.size() * sizeof(unsigned int));
}

} // namespace

int main(int argc, char** argv)
{
    const long total = argc > 1 ? std::atol(argv[1]) : 10'000'000;
    std::vector<unsigned int> chunk(4096);
    runChunk(chunk);
    const long before = residentKiB();
    long done = 0;
    while (done < total) {
        runChunk(chunk);
        done += long(chunk.size());
    }
    const long after = residentKiB();
    std::printf(
        "samples %ld  RSS before %ld KiB  after %ld KiB  growth %ld KiB\n", done, before, after, after - before);
    return after - before > 1024 ? 1 : 0;
}
