#include "home/HomeStart.h"

#include "appliance/ApplianceCommands.h"
#include "appliance/CommandWorker.h"
#include "widgets/BusySign.h"

#include <QPointer>
#include <QWidget>

HomeStart::HomeStart(QWidget* window)
    : QObject(window)
    , m_window(window)
{
}

void HomeStart::checkReceiver()
{
    CommandWorker::post<bool>(
        this, [] { return ApplianceCmd::hasIrReceiver(); }, [this](const bool& ir) { emit irChecked(ir); });
}

void HomeStart::whenAnswered(std::function<void()> fn) { BusySign::afterCommands(m_window, std::move(fn)); }
