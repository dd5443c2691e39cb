#include "home/FirstRun.h"

#include "appliance/Appliance.h"
#include "appliance/CommandRunner.h"
#include "appliance/Login.h"
#include "appliance/Sudo.h"
#include "packages/bentoconf.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>

namespace FirstRun {

namespace {

// Left by the installation of this generation, next to the program.
const QString kFirstRun = QStringLiteral("root/.firstTime");

QString padlinkMarker() { return Appliance::path(QStringLiteral("/.padlinkfirst")); }

} // namespace

bool olderGenerationRemoved() { return QFileInfo::exists(kFirstRun); }

void forgetOlderGeneration()
{
    QFile::remove(kFirstRun);
    QFile::remove(Appliance::path(QStringLiteral("/tmp/.@removeTelloraPackage.list")));
}

bool padlinkNoticeDue() { return QFileInfo::exists(padlinkMarker()) && AggPkgInfo::isAdministrator(); }

void removePadlinkMarker()
{
    const QString marker = padlinkMarker();
    const QString rm = Appliance::path(QStringLiteral("/bin/rm"));
    if (Login::userName().trimmed() == QLatin1String("admin")) {
        const CommandResult_s r = Appliance::runner().run(rm, {QStringLiteral("-f"), marker}, Budget::Setting);
        if (r.exitCode != 0)
            qWarning().noquote() << QStringLiteral("Failed to remove %1 with rm -f").arg(marker);
        return;
    }
    Sudo::run({rm, QStringLiteral("-f"), marker}, Sudo::FailureLine::WithoutCommand);
}

} // namespace FirstRun
