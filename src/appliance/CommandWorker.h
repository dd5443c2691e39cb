#pragma once

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

// Work that runs programs without holding the GUI thread: one thread of its
// own takes the jobs one after another, in the order they were posted (so
// the appliance sees its commands in the same order as before), and hands
// each answer back to the GUI thread. A job may run
// programs through Appliance::runner() and read files; it must not touch
// what the GUI thread uses meanwhile.
namespace CommandWorker {

// Runs work on the command thread after every job posted before it, then
// done on the GUI thread; done is dropped when receiver (an object of the
// GUI thread) is gone by then.
void post(QObject* receiver, std::function<void()> work, std::function<void()> done = {});

template<class T> void post(QObject* receiver, std::function<T()> work, std::function<void(const T&)> done)
{
    auto result = std::make_shared<T>();
    post(
        receiver, [work = std::move(work), result] { *result = work(); },
        [done = std::move(done), result] { done(*result); });
}

// Jobs posted whose answer has not been handed over yet (or dropped).
int pending();
// Ends the thread once the job it runs is done; jobs not started are dropped.
// The program calls it before it leaves main().
void stop();

} // namespace CommandWorker
