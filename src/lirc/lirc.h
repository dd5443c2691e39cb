#pragma once

#include "lirc/irSampleClock.h"

#include <QThread>

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

class Decoder;
class OutputSink;

// The raw infrared receiver, read on a thread of its own: every 4-byte sample
// goes to every registered decoder, and the first completed scan code (in
// registration order) to every registered sink. While learning, codes stay in
// their decoders for getScanCode() and every sample is announced instead.
//
// Threads: the capture thread runs the loop; registration, learning and
// getScanCode() may come from any other thread (one lock guards the lists
// and every call into decoders and sinks). Destruction wakes the loop and
// returns once the thread has ended.
class Lirc : public QThread
{
    Q_OBJECT

public:
    explicit Lirc(const std::string& device);
    ~Lirc() override;

    // A non-empty device replaces the stored one, which is then opened
    // read-write (an appliance path). The descriptor, or -1. While capture
    // runs the open device stays and its descriptor is returned.
    int init(const std::string& device = {});
    // Takes over an open descriptor as the device (tests, replays).
    void adoptDevice(int descriptor);

    // Both ignore an object whose name is already registered.
    void registerDecoder(Decoder* decoder);
    void registerSink(OutputSink* sink);
    // Takes an object out again; returns once no call into it is running.
    void unregisterDecoder(Decoder* decoder);
    void unregisterSink(OutputSink* sink);
    std::vector<std::string> decoderNames() const;
    std::vector<std::string> sinkNames() const;

    // Switches learning on or off; either way every decoder starts afresh.
    void enableLearning(bool on);
    bool isLearning() const { return m_learning.load(std::memory_order_relaxed); }
    // The first pending scan code in decoder order, 0 when none (learning).
    std::uint64_t getScanCode();

    // The time of the sample being decoded: decoders built on this clock
    // share one time read per sample instead of reading the clock each.
    IrClock* sampleClock() { return &m_clock; }
    // Replay timing: each sample advances the sample clock by its own
    // duration instead of reading the real-time clock, so a signal written
    // in one go decodes as if it had arrived live. Set before start().
    void setReplayTiming(bool on) { m_replay.store(on, std::memory_order_relaxed); }

    enum class Capture { Sample, Stopped, ReadFailed };
    // One round of the loop after the device turned readable: reads one
    // sample and runs it through decoders and sinks. The capture thread's
    // own step; benchmarks call it directly while no thread runs.
    Capture captureOne();

    // Asks the loop to end and wakes it.
    void requestStop();
    int descriptor() const { return m_fd.load(std::memory_order_relaxed); }
    std::uint64_t samplesRead() const { return m_samplesRead.load(std::memory_order_acquire); }

signals:
    // Every sample received while learning, before it is decoded (emitted on
    // the capture thread).
    void signalIrRecived();

protected:
    void run() override;

private:
    void pushRawData_(unsigned int sample);
    void decode_();
    std::uint64_t popScanCode_();
    void keyDispatch_(std::uint64_t code);
    // After a failed read: up to 500 ms on the wake-up descriptor alone, so a
    // vanished device cannot spin the loop.
    void pauseAfterFailedRead_();
    void closeDevice_();

    std::atomic<int> m_fd {-1};
    std::atomic<bool> m_stop {false};
    std::string m_device;
    std::vector<Decoder*> m_decoders;
    std::vector<OutputSink*> m_sinks;
    std::atomic<bool> m_learning {false};

    mutable std::mutex m_registry;
    int m_wakeFd = -1;
    IrSampleClock m_clock; // capture thread only
    std::atomic<bool> m_replay {false};
    std::atomic<std::uint64_t> m_samplesRead {0};
    std::atomic<bool> m_loopActive {false};
};

// The receiver of the appliance, process-wide, on "/dev/lirc0".
extern Lirc g_lircLearning;
