#include "appliance/CommandWorker.h"

#include <QCoreApplication>
#include <QMetaObject>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

namespace CommandWorker {

namespace {

struct Job_s {
    std::function<void()> work;
    std::function<void()> handOver;
};

// Never destroyed: a job may still run while the process exits.
struct State_s {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<Job_s> jobs;
    std::thread thread;
    bool stopping = false;
};

State_s& state()
{
    static State_s* s = new State_s;
    return *s;
}

std::atomic<int> s_pending {0};

// Counts a job as pending until its answer is handed over or dropped with
// the queued call.
struct Pending_s {
    Pending_s() { ++s_pending; }
    ~Pending_s() { --s_pending; }
};

void loop()
{
    State_s& s = state();
    for (;;) {
        Job_s job;
        {
            std::unique_lock lock(s.mutex);
            s.wake.wait(lock, [&] { return s.stopping || !s.jobs.empty(); });
            if (s.stopping)
                return;
            job = std::move(s.jobs.front());
            s.jobs.pop_front();
        }
        if (job.work)
            job.work();
        job.handOver();
    }
}

} // namespace

void post(QObject* receiver, std::function<void()> work, std::function<void()> done)
{
    auto pending = std::make_shared<Pending_s>();
    // Looked at on the GUI thread only, where the receiver lives and dies.
    QPointer<QObject> target(receiver);
    Job_s job {std::move(work), [target, done = std::move(done), pending]() mutable {
                   QCoreApplication* app = QCoreApplication::instance();
                   if (!app)
                       return;
                   QMetaObject::invokeMethod(
                       app,
                       [target, done = std::move(done), pending] {
                           if (target && done)
                               done();
                       },
                       Qt::QueuedConnection);
               }};
    State_s& s = state();
    std::lock_guard lock(s.mutex);
    if (s.stopping)
        return;
    if (!s.thread.joinable())
        s.thread = std::thread(loop);
    s.jobs.push_back(std::move(job));
    s.wake.notify_one();
}

int pending() { return s_pending.load(); }

void stop()
{
    State_s& s = state();
    {
        std::lock_guard lock(s.mutex);
        s.stopping = true;
        s.jobs.clear();
    }
    s.wake.notify_one();
    if (s.thread.joinable() && s.thread.get_id() != std::this_thread::get_id())
        s.thread.join();
}

} // namespace CommandWorker
