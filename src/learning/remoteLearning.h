#pragma once

#include "lirc/learnedRemotes.h"

#include <array>
#include <atomic>
#include <cstdint>

extern std::atomic<std::uint64_t> g_learnedScanCode;

// The steps of teaching the appliance a remote, without a window: which page
// shows, which button is being learned, how full the progress bar is, and when
// the worker, the receiver's learning mode and the 100 ms timer run. The bar
// starts with the first sample of a button, fills while the button is held,
// jumps to full when the worker hands a code over, and the next button comes
// one second after the last sample; five seconds without any sample report
// "no signal" and the same button is asked for again. A code already taken
// for an earlier button is refused.
class RemoteLearning
{
public:
    enum Page { StartPage, LearnPage, CompletePage, DuplicatePage, ResetPage };
    static constexpr int NoSignal = -1;
    static constexpr int TickMs = 100;
    // Timer ticks without a sample: after a capture, the button was let go;
    // otherwise, nothing reaches the receiver.
    static constexpr int ReleaseTicks = 10;
    static constexpr int NoSignalTicks = 50;
    // The bar grows by FillStep a tick up to FillEnd while a code is awaited.
    static constexpr int FillStep = 2;
    static constexpr int FillEnd = 90;
    static constexpr int Full = 100;

    // What the steps act on.
    class Port
    {
    public:
        // A fresh run of the worker that waits for a code.
        virtual void startWorker() = 0;
        // Returns once the worker has ended; nothing when it does not run.
        virtual void stopWorker() = 0;
        virtual void enableLearning(bool on) = 0;
        virtual void setTimerActive(bool on) = 0;
        // The page, with the focus on its first button.
        virtual void showPage(Page page) = 0;
        // The button being learned, or the no-signal line for NoSignal.
        virtual void showStep(int step) = 0;
        virtual void showProgress(int value) = 0;

    protected:
        ~Port() = default;
    };

    // handOver: where the worker leaves a captured code.
    explicit RemoteLearning(Port& port, std::atomic<std::uint64_t>& handOver = g_learnedScanCode);

    // Learn mode opens on the start page, reset mode on the reset page.
    void setMode(bool learn, int slot);
    // Shows a step (0-6) or NoSignal with an empty bar.
    void displayStep(int step);
    // True when an earlier button of this run has this code.
    bool isExistScanCode(std::uint64_t code) const;

    // A sample reached the receiver while learning.
    void irActivity();
    // The 100 ms timer.
    void tick();

    // The buttons of the pages.
    void start();
    void tryAgain();
    void save();
    void reset();
    // The dialog closes, however: nothing keeps running and learning is off.
    void finish();

    int slot() const { return m_slot; }
    int step() const { return m_step; }
    int progress() const { return m_progress; }
    int idleTicks() const { return m_idleTicks; }
    const std::array<std::uint64_t, LearnedRemotes::StepCount>& codes() const { return m_codes; }

private:
    void setProgress_(int value);
    // The worker, afresh: no code of an earlier run can be mistaken for its.
    void restartWorker_();

    Port& m_port;
    std::atomic<std::uint64_t>& m_handOver;
    int m_slot = 0;
    int m_step = 0;
    int m_progress = 0;
    int m_idleTicks = 0;
    std::array<std::uint64_t, LearnedRemotes::StepCount> m_codes {};
};
