#include "learning/remoteLearning.h"

#include <algorithm>

RemoteLearning::RemoteLearning(Port& port, std::atomic<std::uint64_t>& handOver)
    : m_port(port)
    , m_handOver(handOver)
{
}

void RemoteLearning::setMode(bool learn, int slot)
{
    m_slot = LearnedRemotes::normalSlot(slot);
    m_port.showPage(learn ? StartPage : ResetPage);
}

void RemoteLearning::displayStep(int step)
{
    if (step < NoSignal || step >= LearnedRemotes::StepCount)
        return;
    m_port.showStep(step);
    setProgress_(0);
}

bool RemoteLearning::isExistScanCode(std::uint64_t code) const
{
    return std::find(m_codes.begin(), m_codes.begin() + m_step, code) != m_codes.begin() + m_step;
}

void RemoteLearning::irActivity()
{
    if (m_progress == 0) {
        displayStep(m_step);
        setProgress_(FillStep);
    }
    m_idleTicks = 0;
}

void RemoteLearning::tick()
{
    if (m_progress >= 1 && m_progress < FillEnd) {
        m_idleTicks = 0;
        setProgress_(m_progress + FillStep);
    }

    if (const std::uint64_t code = m_handOver.load()) {
        m_port.setTimerActive(false);
        m_idleTicks = 0;
        m_port.stopWorker();
        if (isExistScanCode(code)) {
            // Learning stays on and the timer off until "Try again".
            setProgress_(0);
            m_port.showPage(DuplicatePage);
            return;
        }
        setProgress_(Full);
        m_codes[m_step] = code;
        m_handOver.store(0);
        if (m_step + 1 < LearnedRemotes::StepCount) {
            m_port.setTimerActive(true); // waits for the button to be let go
        } else {
            m_port.enableLearning(false);
            setProgress_(0);
            m_port.showPage(CompletePage);
        }
        return;
    }

    ++m_idleTicks;
    if (m_progress == Full && m_idleTicks == ReleaseTicks) {
        m_port.enableLearning(false);
        m_port.setTimerActive(false);
        m_idleTicks = 0;
        displayStep(++m_step);
        restartWorker_();
        m_port.setTimerActive(true);
    } else if (m_idleTicks == NoSignalTicks) {
        m_port.setTimerActive(false);
        m_idleTicks = 0;
        displayStep(NoSignal);
        m_port.enableLearning(false);
        m_port.stopWorker();
        restartWorker_();
        m_port.setTimerActive(true);
    }
}

void RemoteLearning::start()
{
    m_port.showPage(LearnPage);
    m_idleTicks = 0;
    m_step = 0;
    m_codes.fill(0);
    displayStep(0);
    restartWorker_();
    m_port.setTimerActive(true);
}

void RemoteLearning::tryAgain()
{
    m_port.showPage(LearnPage);
    displayStep(m_step);
    restartWorker_();
    m_port.setTimerActive(true);
}

void RemoteLearning::save() { LearnedRemotes::save(m_slot, m_codes); }

void RemoteLearning::reset() { LearnedRemotes::reset(m_slot); }

void RemoteLearning::finish()
{
    setProgress_(0);
    m_port.setTimerActive(false);
    m_idleTicks = 0;
    m_port.stopWorker();
    m_port.enableLearning(false);
}

void RemoteLearning::setProgress_(int value)
{
    m_progress = value;
    m_port.showProgress(value);
}

void RemoteLearning::restartWorker_()
{
    m_handOver.store(0);
    m_port.startWorker();
}
