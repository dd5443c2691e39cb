#include "display/DisplayCommands.h"

#include "appliance/Appliance.h"
#include "appliance/Paths.h"

namespace DisplayCmd {

namespace {

QString bash() { return Paths::Bash.local(); }
QString hotplug() { return Paths::HotplugScript.local(); }

} // namespace

CommandResult_s applyResolution()
{
    return Appliance::runner().runShell(bash(), hotplug() + QStringLiteral(" -fg"), Budget::Screen);
}

CommandResult_s applyArrangement()
{
    return Appliance::runner().run(hotplug(), {QStringLiteral("-fg")}, Budget::Screen);
}

int primaryOutputX()
{
    const QString pipeline = Appliance::path(QStringLiteral("/usr/bin/xrandr"))
        + QStringLiteral(" | grep primary | sed 's/.*primary//g' | sed 's/+/ /g' | awk '{print $2}'");
    bool ok = false;
    const int x
        = QString::fromUtf8(Appliance::runner().runShell(bash(), pipeline, Budget::Query).out).trimmed().toInt(&ok);
    return ok ? x : 0;
}

CommandResult_s updateMargins()
{
    return Appliance::runner().runShell(
        bash(), Appliance::path(QStringLiteral("/opt/bin/ivomargin")) + QStringLiteral(" -u"), Budget::Screen);
}

} // namespace DisplayCmd
