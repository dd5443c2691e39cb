#include "learning/learnkeyThread.h"

#include "lirc/lirc.h"

std::atomic<std::uint64_t> g_learnedScanCode {0};

learnkeyThread::learnkeyThread(QObject* parent, Lirc* lirc, std::atomic<std::uint64_t>* handOver)
    : QThread(parent)
    , m_lirc(lirc ? *lirc : g_lircLearning)
    , m_handOver(handOver ? *handOver : g_learnedScanCode)
{
}

learnkeyThread::~learnkeyThread() { stopAndWait(); }

void learnkeyThread::launch()
{
    stopAndWait();
    {
        std::lock_guard lock(m_mutex);
        m_stop = false;
    }
    start();
}

void learnkeyThread::setStop()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
}

void learnkeyThread::stopAndWait()
{
    setStop();
    wait();
    // The run ends holding the mutex: taking it here makes what the run did
    // visible in terms ThreadSanitizer follows too (QThread's own wait is
    // invisible to it).
    std::lock_guard lock(m_mutex);
}

void learnkeyThread::run()
{
    m_handOver.store(0);
    m_lirc.enableLearning(true);
    std::unique_lock lock(m_mutex);
    for (int i = 0; i < Tries && !m_stop; ++i) {
        lock.unlock();
        const std::uint64_t code = m_lirc.getScanCode();
        lock.lock();
        if (code) {
            m_handOver.store(code);
            break;
        }
        if (!m_stop && i + 1 < Tries)
            m_wake.wait_for(lock, m_pause, [this] { return m_stop; });
    }
}
