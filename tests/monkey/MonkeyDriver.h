#pragma once
// Drives the home screen from a thread of its own, so that a key which opens a menu or a dialog with its own event
// loop does not stop the driver: every touch of the program is a call into the GUI thread, served by whichever loop
// runs there. Steps are texts ("Up", "install Cinema", "msg Radio" ...), so that a run can be printed and replayed.
#include "FocusHistory.h"

#include <QMetaObject>
#include <QString>
#include <QStringList>

#include <atomic>
#include <functional>
#include <random>

class MonkeyStage;
class QObject;
class QWidget;

// How reports name a widget: its object name, else its class; "nothing" for none.
QString nameOf(const QObject* o);

class MonkeyDriver
{

public:
    // graceMs: how long a broken invariant may take to mend (a window manager handing the focus over) before it
    // counts.
    MonkeyDriver(MonkeyStage& stage, int graceMs);

    // Runs fn in the GUI thread and returns what it returns.
    template<typename F> auto gui(F&& fn) -> decltype(fn())
    {
        if constexpr (std::is_void_v<decltype(fn())>) {
            QMetaObject::invokeMethod(m_context, std::forward<F>(fn), Qt::BlockingQueuedConnection);
        } else {
            decltype(fn()) result {};
            QMetaObject::invokeMethod(
                m_context, [&] { result = fn(); }, Qt::BlockingQueuedConnection);
            return result;
        }
    }
    // Polls cond in the GUI thread until it holds or ms pass.
    bool waitUntil(const std::function<bool()>& cond, int ms);

    // Performs one step and waits until the program has taken it; false for a text that is no step.
    bool perform(const QString& step);
    // The invariant after a step, given time to mend: empty, or what is wrong.
    QString check();
    // Where the remote's keys go now: the open menu and its highlighted entry, or the active window and its focus
    // widget (with the selected tile of a grid).
    QString focusId();
    // Closes the open menus and dialogs (in the GUI thread).
    static void closeAll();
    // The home window is active, nothing is open above it and no launch is waiting; atHomeHere in the GUI thread.
    bool atHome();
    bool atHomeHere() const;

    // steps random steps from seed, in this (the GUI) thread: empty when the invariant held throughout, else the
    // reproducer.
    QString run(quint64 seed, int steps);
    // The steps one by one from the start, in this thread; empty or the reproducer.
    QString replay(const QStringList& steps);
    static QString randomStep(std::mt19937_64& rng, const QStringList& installed, bool appRunning);

    // Set by the GUI thread's owner when the program ended its event loop.
    std::atomic<bool> ended {false};
    int stepsTaken() const { return m_taken; }
    // Where the focus was after the last step of a run or replay.
    QString lastPlace() const { return m_lastPlace; }

private:
    // Starts a step in the GUI thread and returns what tells that the program has taken it; empty for a text
    // that is no step.
    std::function<bool()> begin_(const QString& step);
    QString drive_(const QString& header, const std::function<QString()>& next);
    QString focusHere_();
    QString problem_();
    QString report_(const QString& problem, const QString& header);
    void remember_(const QString& step);

    MonkeyStage& m_stage;
    QObject* m_context;
    int m_grace;
    int m_taken = 0;
    QStringList m_last; // the last 20 steps
    QString m_lastPlace;
    FocusHistory m_history;
};

// Runs body on a thread of its own while this thread serves its calls; a program that ends its event loop is
// noted in driver.ended, and the loop runs on.
void runDriven(MonkeyDriver& driver, const std::function<void()>& body);
