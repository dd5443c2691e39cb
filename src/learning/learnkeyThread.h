#pragma once

#include <QThread>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>

class Lirc;

// The scan code the learning worker captured, for the GUI thread to take and
// clear; 0: none yet.
extern std::atomic<std::uint64_t> g_learnedScanCode;

// Waits for the receiver to complete one code while a remote is learned:
// switches learning on (every decoder starts afresh), then asks for a code at
// once and after each pause, ten times in all. A code found is left in the
// hand-over value and ends the worker; so does the tenth try, and so does
// setStop(), at once even in the middle of a pause.
class learnkeyThread : public QThread
{
    Q_OBJECT

public:
    // lirc: the receiver, g_lircLearning when null; handOver: where a code
    // goes, g_learnedScanCode when null.
    explicit learnkeyThread(
        QObject* parent = nullptr, Lirc* lirc = nullptr, std::atomic<std::uint64_t>* handOver = nullptr);
    // Stops the worker and returns once it has ended.
    ~learnkeyThread() override;

    // Starts a fresh run; one still running is stopped first. The stop flag
    // is cleared here rather than in run(), so a stop asked for before the
    // thread gets going is never lost.
    void launch();
    // Asks the run to end and wakes it from its pause.
    void setStop();
    // setStop(), then waits until the run has ended; nothing when idle.
    void stopAndWait();

    static constexpr int Tries = 10;
    // The pause between two tries (tests shorten it).
    void setPause(std::chrono::milliseconds pause) { m_pause = pause; }

protected:
    void run() override;

private:
    Lirc& m_lirc;
    std::atomic<std::uint64_t>& m_handOver;
    std::chrono::milliseconds m_pause {1000};
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_stop = false; // guarded by m_mutex
};
