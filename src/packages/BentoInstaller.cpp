#include "packages/BentoInstaller.h"

#include "appliance/ApplianceCommands.h"

#include <QDebug>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

constexpr int kPollMs = 1000;
constexpr int kEndPeriods = 4;
constexpr int kEndPeriodMs = 500;

// "progress" is a decimal string; anything else counts as 0.
int progressOf(const QJsonObject& state) { return state.value(QLatin1String("progress")).toString().toInt(); }

} // namespace

BentoInstaller::BentoInstaller(QObject* parent)
    : QThread(parent)
{
    start();
}

BentoInstaller::~BentoInstaller()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        m_done = true;
    }
    m_cond.notify_all();
    // Waiting and sleeping end at once; only a command that hangs is waited
    // out, and then the thread is torn down.
    for (int i = 0; i < kEndPeriods && !wait(kEndPeriodMs); ++i) { }
    if (isRunning()) {
        qWarning() << "BentoInstaller: worker stuck in a command, terminating it";
        terminate();
        wait();
    }
    // Pairs with the last unlock in run(): everything the worker did is now
    // visible here (QThread::wait() synchronises only inside Qt).
    std::lock_guard lock(m_mutex);
    (void)m_exited;
}

int BentoInstaller::Install(const QString& name)
{
    {
        std::lock_guard lock(m_mutex);
        if (m_busy || m_pending || m_exited)
            return -1;
        m_name = name;
    }
    ApplianceCmd::bentoInstall(name);

    std::unique_lock lock(m_mutex);
    m_pending = true;
    m_cond.notify_all();
    // The predicate makes the hand-over safe whichever side gets there first.
    m_cond.wait(lock, [this] { return !m_pending || m_exited; });
    return 0;
}

void BentoInstaller::Cancel()
{
    QString name;
    {
        std::lock_guard lock(m_mutex);
        name = m_name;
    }
    if (name.isEmpty())
        return;
    ApplianceCmd::bentoCancel(name);
    {
        std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_cond.notify_all();
}

void BentoInstaller::run()
{
    std::unique_lock lock(m_mutex);
    while (!m_stop) {
        m_busy = false;
        m_cond.wait(lock, [this] { return m_stop || m_pending; });
        if (m_stop)
            break;
        m_pending = false;
        m_busy = true;
        m_done = false;
        const QString name = m_name;
        m_cond.notify_all();
        lock.unlock();
        follow_(name);
        lock.lock();
    }
    m_busy = false;
    m_pending = false;
    m_exited = true;
    m_cond.notify_all();
}

void BentoInstaller::follow_(const QString& name)
{
    while (!m_done) {
        const CommandResult_s r = ApplianceCmd::bentoState(name);
        const QJsonObject state = QJsonDocument::fromJson(QString::fromUtf8(r.out).toUtf8()).object();
        const QString status = state.value(QLatin1String("status_value")).toString();
        if (status == QLatin1String("download_operating")) {
            emit downloadProgress(progressOf(state));
        } else if (status == QLatin1String("install_operating")) {
            emit installProgress(progressOf(state));
        } else if (status == QLatin1String("enabled")) {
            {
                // Free before the news goes out, so that a receiver may start
                // the next job straight away.
                std::lock_guard lock(m_mutex);
                m_done = true;
                m_busy = false;
            }
            emit finished();
            return;
        }
        if (sleepUnlessDone_(kPollMs))
            return;
    }
}

bool BentoInstaller::sleepUnlessDone_(int ms)
{
    std::unique_lock lock(m_mutex);
    return m_cond.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_stop || m_done; });
}
