#include "appliance/Sudo.h"

#include "appliance/Appliance.h"
#include "appliance/CommandRunner.h"

#include <QDebug>

namespace Sudo {

bool run(const QStringList& command, FailureLine line)
{
    const CommandResult_s r
        = Appliance::runner().run(Appliance::path(QStringLiteral("/usr/bin/sudo")), command, Budget::Sudo);
    if (!r.started || r.timedOut) {
        qWarning() << "Padlink: sudo command timeout or failed to finish:" << command;
        return false;
    }
    if (r.exitCode == 0)
        return true;
    if (line == FailureLine::WithCommand)
        qWarning() << "Padlink: sudo command failed:" << command << "exitCode:" << r.exitCode << "stderr:" << r.err;
    else
        qWarning() << "Padlink: sudo command failed:"
                   << "exitCode:" << r.exitCode << "stderr:" << r.err;
    return false;
}

} // namespace Sudo
