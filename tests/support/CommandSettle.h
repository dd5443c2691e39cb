#pragma once
// Waits, handling events, until the command worker has handed over every answer; false when ms passed first.
#include "appliance/CommandWorker.h"

#include <QCoreApplication>
#include <QDeadlineTimer>

inline bool settleCommands(int ms = 60000)
{
    for (const QDeadlineTimer deadline(ms); CommandWorker::pending() > 0;) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    }
    QCoreApplication::processEvents();
    return true;
}
