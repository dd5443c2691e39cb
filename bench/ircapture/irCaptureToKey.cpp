// bench_irCaptureToKey: what the capture thread spends on the sample that
// completes a remote frame (its read, six decoders, the scan-code collection,
// the debounce, the lookup across four tables and the key event write),
// against the key event write alone, alternating in one loop so both see the
// same machine. The receiver is a FIFO, the keyboard a pipe; the assembled
// pipeline is driven one step at a time with its thread stopped.
#include "irFrameEncoder.h"
#include "lirc/irClock.h"
#include "lirc/irPipeline.h"
#include "lirc/uinputSink.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <algorithm>
#include <ctime>
#include <vector>

#include <fcntl.h>
#include <linux/input.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Every code passes the debounce: each reading is a second later.
class SteppingClock final : public IrClock
{
public:
    std::int64_t nowNs() override { return m_ns += 1'000'000'000; }

private:
    std::int64_t m_ns = 0;
};

std::int64_t monotonicNs()
{
    timespec ts {};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return std::int64_t(ts.tv_sec) * 1'000'000'000 + ts.tv_nsec;
}

bool drain(int fd, ssize_t expected)
{
    char buffer[256];
    return ::read(fd, buffer, sizeof buffer) == expected;
}

void BM_CaptureToKey(benchmark::State& state)
{
    QTemporaryDir dir;
    const std::string fifo = dir.path().toStdString() + "/lirc0";
    int keys[2];
    if (::mkfifo(fifo.c_str(), 0600) != 0 || ::pipe2(keys, O_NONBLOCK | O_CLOEXEC) != 0)
        return state.SkipWithError("no FIFO or pipe");

    // The code sits in the last learned table: the longest lookup.
    const std::uint64_t code = 0x20DF10EF;
    RcMapTable slot1, slot2, slot3;
    slot3.setMapping(code, KEY_ENTER);
    SteppingClock clock;
    Lirc lirc(fifo);
    auto sink = std::make_unique<UinputSink>("uinput", keys[1]);
    sink->setClock(&clock);
    IrPipeline::Parts_s parts;
    parts.lirc = &lirc;
    parts.slotTables = {&slot1, &slot2, &slot3};
    parts.sink = std::move(sink);
    parts.home = dir.path();
    const std::unique_ptr<IrPipeline> pipeline = IrPipeline::assemble(std::move(parts));
    const int writer = ::open(fifo.c_str(), O_WRONLY | O_CLOEXEC);
    if (!pipeline || writer < 0)
        return state.SkipWithError("no pipeline");
    lirc.requestStop();
    lirc.wait();

    std::vector<unsigned int> frame;
    IrFrameEncoder().encode("nec", code, IrFrameEncoder::DefaultBits, 0, frame);
    const ssize_t frameBytes = ssize_t(frame.size() * sizeof frame[0]);
    input_event event[4] {};
    event[0] = {{}, EV_KEY, KEY_ENTER, 1};
    event[2] = {{}, EV_KEY, KEY_ENTER, 0};

    // Medians per repetition: a preempted round says nothing about the code.
    std::vector<std::int64_t> captureNs, writeNs, readNs;
    const unsigned int probe = frame.back();
    for (auto _ : state) {
        if (::write(writer, frame.data(), frameBytes) != frameBytes)
            return state.SkipWithError("FIFO write");
        for (std::size_t i = 1; i < frame.size(); ++i)
            lirc.captureOne();
        std::int64_t start = monotonicNs();
        lirc.captureOne();
        const std::int64_t capture = monotonicNs() - start;
        if (!drain(keys[0], sizeof event))
            return state.SkipWithError("the closing sample wrote no key");
        captureNs.push_back(capture);
        state.SetIterationTime(double(capture) * 1e-9);

        start = monotonicNs();
        [[maybe_unused]] const ssize_t written = ::write(keys[1], event, sizeof event);
        writeNs.push_back(monotonicNs() - start);
        drain(keys[0], sizeof event);

        // The read of one sample alone, to show what the rest costs.
        [[maybe_unused]] const ssize_t queued = ::write(writer, &probe, sizeof probe);
        unsigned int sample = 0;
        start = monotonicNs();
        [[maybe_unused]] const ssize_t got = ::read(lirc.descriptor(), &sample, sizeof sample);
        readNs.push_back(monotonicNs() - start);
    }
    auto median = [](std::vector<std::int64_t>& v) {
        std::nth_element(v.begin(), v.begin() + v.size() / 2, v.end());
        return double(v[v.size() / 2]);
    };
    const double capture = median(captureNs), write = median(writeNs), read = median(readNs);
    state.counters["capture_ns"] = capture;
    state.counters["write_ns"] = write;
    state.counters["read_ns"] = read;
    state.counters["ratio"] = capture / write;
    ::close(writer);
    ::close(keys[0]);
}
BENCHMARK(BM_CaptureToKey)->UseManualTime()->Iterations(20000)->Repetitions(5)->ReportAggregatesOnly(true);

} // namespace

BENCHMARK_MAIN();
