#pragma once

#include <QString>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <mutex>

// Installs or updates one package at a time through the appliance's package
// tool. The tool works in the background; this thread starts the job on
// request and then asks for its state once a second, reporting download and
// install progress and the end of the job. Signals are emitted from the worker
// and reach GUI-thread receivers queued.
//
// All state shared with the worker lives in std:: primitives so that
// ThreadSanitizer sees every hand-over.
class BentoInstaller : public QThread
{
    Q_OBJECT

public:
    explicit BentoInstaller(QObject* parent = nullptr);
    // Ends the worker without forced termination unless it is stuck inside a
    // command for more than two seconds.
    ~BentoInstaller() override;

    // -1 while a job is being followed; otherwise starts the job for name
    // (blocking while the start command runs), hands it to the worker and
    // returns 0 once the worker has taken it.
    int Install(const QString& name);
    // Cancels the job of the last requested package; polling stops after the
    // current poll. Does nothing before the first Install.
    void Cancel();

signals:
    // Hides QThread::finished on purpose: this one means "the job is done".
    void finished();
    void installProgress(int percent);
    void downloadProgress(int percent);

protected:
    void run() override;

private:
    // Polls until the job ends, is cancelled or the object goes away.
    void follow_(const QString& name);
    // Sleeps up to ms; true when woken because polling must stop.
    bool sleepUnlessDone_(int ms);

    std::mutex m_mutex;
    std::condition_variable m_cond;
    QString m_name; // guarded by m_mutex
    bool m_pending = false; // a request waits for the worker; guarded by m_mutex
    bool m_exited = false; // run() has returned; guarded by m_mutex
    std::atomic<bool> m_stop {false};
    std::atomic<bool> m_done {false};
    std::atomic<bool> m_busy {false};
};
