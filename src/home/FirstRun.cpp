#include "home/FirstRun.h"

#include "appliance/Appliance.h"
#include "appliance/CommandRunner.h"
#include "appliance/Login.h"
#include "appliance/Sudo.h"
#include "packages/bentoconf.h"
#include "settings/SettingsDialog.h"
#include "widgets/InfoDialog.h"
#include "widgets/MultiIconViewV.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

// The notices' texts stay in the home window's translation context, where
// the translations have them.
struct FirstRunTexts {
    Q_DECLARE_TR_FUNCTIONS(MainMWindow)
};

namespace FirstRun {

namespace {

// Left by the installation of this generation, next to the program.
const QString kFirstRun = QStringLiteral("root/.firstTime");

QString padlinkMarker() { return Appliance::path(QStringLiteral("/.padlinkfirst")); }

// A frameless, modal message box sized to its text.
void prepareNotice(InfoDialog& dialog, int mode, const QString& text)
{
    dialog.setWindowFlags(dialog.windowFlags() | Qt::FramelessWindowHint);
    dialog.setModal(true);
    dialog.reset(mode);
    dialog.setLabelText(text);
}

void openPadlinkSettings(SettingsDialog& settings, MultiIconViewV& grid)
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        settings.move(screen->geometry().topLeft());
    grid.setSelect(-1);
    settings.showMaximized();
    settings.ShowGeneralPadlink();
}

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

void showDue(QWidget* window, SettingsDialog& settings, MultiIconViewV& grid)
{
    if (olderGenerationRemoved()) {
        InfoDialog dialog(window);
        prepareNotice(dialog, 1,
            FirstRunTexts::tr(
                "Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been "
                "uninstalled during the installation of Tellora v3. To use these applications again, you must "
                "install their most recent versions from the Tellora settings or the KELP Control Panel. Please "
                "ignore this message if you have already installed these applications."));
        dialog.setTextOK(FirstRunTexts::tr("OK"));
        dialog.adjustSize();
        dialog.exec();
        forgetOlderGeneration();
    }
    if (!padlinkNoticeDue())
        return;
    const bool openSettings = askPadlinkSettings(window);
    removePadlinkMarker();
    if (openSettings)
        openPadlinkSettings(settings, grid);
}

bool askPadlinkSettings(QWidget* window)
{
    InfoDialog dialog(window);
    prepareNotice(dialog, 2,
        FirstRunTexts::tr(
            "To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by "
            "default in this release. To use the Padlink app with Tellora, please enable it at General → Enable "
            "Padlink. We recommend using Padlink on trusted local networks."));
    dialog.setTitleText(FirstRunTexts::tr("Security Update: Padlink Service Disabled by Default"));
    dialog.setTextOK(FirstRunTexts::tr("Go to Settings"));
    dialog.setTextCancel(FirstRunTexts::tr("Got it"));
    dialog.adjustSize();
    return dialog.exec() == QDialog::Accepted;
}

} // namespace FirstRun
