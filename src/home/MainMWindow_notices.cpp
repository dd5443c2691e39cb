// The home window's first-run notices, its language menu, and what it does
// when the settings change under it.
#include "home/MainMWindow.h"

#include "ui_MainMWindow.h"

#include "appliance/Appliance.h"
#include "appliance/CommandRunner.h"
#include "appliance/UserSettings.h"
#include "home/InfoDialog.h"
#include "i18n/LanguageSwitch.h"
#include "i18n/UiLanguage.h"
#include "packages/bentoconf.h"

#include <QDebug>
#include <QFile>
#include <QFileInfo>
#include <QMenu>

namespace {

const QString kPadlinkMarker = QStringLiteral("/.padlinkfirst");

const char* const kMenuSheet
    = "QMenu{color:rgb(168,168,168); border-image:url(:/images/display_select_language.png);} "
      "QMenu::item{padding:0px 16px 0px 16px;} QMenu::item:selected{color:rgb(255,255,255); "
      "border-image:url(:/images/display_select.png);} QMenu:default{color:white;} "
      "QMenu::separator{margin-left:8px; margin-right:8px; height:1px; background:rgba(128,128,128,192);}";

// A frameless, modal message box sized to its text.
void prepareNotice(InfoDialog& dialog, int mode, const QString& text)
{
    dialog.setWindowFlags(dialog.windowFlags() | Qt::FramelessWindowHint);
    dialog.setModal(true);
    dialog.reset(mode);
    dialog.setLabelText(text);
}

} // namespace

void MainMWindow::firstTime()
{
    // Left by the installation of this generation, next to the program.
    const QString firstRun = QStringLiteral("root/.firstTime");
    if (QFileInfo::exists(firstRun)) {
        InfoDialog dialog(this);
        prepareNotice(dialog, 1,
            tr("Applications used by Tellora version 2 are incompatible with Tellora version 3 and have been "
               "uninstalled during the installation of Tellora v3. To use these applications again, you must "
               "install their most recent versions from the Tellora settings or the KELP Control Panel. Please "
               "ignore this message if you have already installed these applications."));
        dialog.setTextOK(tr("OK"));
        dialog.adjustSize();
        dialog.exec();
        QFile::remove(firstRun);
        QFile::remove(Appliance::path(QStringLiteral("/tmp/.@removeTelloraPackage.list")));
    }
    HandlePadlinkFirstRun_();
}

bool MainMWindow::ShowPadlinkFirstDialog_()
{
    InfoDialog dialog(this);
    prepareNotice(dialog, 2,
        tr("To enhance security, the Padlink service (mobile remote control for Tellora) is now disabled by "
           "default in this release. To use the Padlink app with Tellora, please enable it at General → Enable "
           "Padlink. We recommend using Padlink on trusted local networks."));
    dialog.setTitleText(tr("Security Update: Padlink Service Disabled by Default"));
    dialog.setTextOK(tr("Go to Settings"));
    dialog.setTextCancel(tr("Got it"));
    dialog.adjustSize();
    return dialog.exec() == QDialog::Accepted;
}

void MainMWindow::HandlePadlinkFirstRun_()
{
    const QString marker = Appliance::path(kPadlinkMarker);
    if (!QFileInfo::exists(marker) || !AggPkgInfo::isAdministrator())
        return;
    const bool openSettings = ShowPadlinkFirstDialog_();

    // Once only: the marker goes, directly for the appliance's own
    // administrator and through sudo for the others. A marker that stays
    // brings the notice back at the next start.
    const QString rm = Appliance::path(QStringLiteral("/bin/rm"));
    const QString user = QString::fromUtf8(QByteArray::fromBase64(qgetenv("NasUser"))).trimmed();
    if (user == QLatin1String("admin")) {
        const CommandResult_s r = Appliance::runner().run(rm, {QStringLiteral("-f"), marker});
        if (r.exitCode != 0)
            qWarning().noquote() << QStringLiteral("Failed to remove %1 with rm -f").arg(marker);
    } else {
        const QStringList args {rm, QStringLiteral("-f"), marker};
        const CommandResult_s r = Appliance::runner().run(Appliance::path(QStringLiteral("/usr/bin/sudo")), args, 5000);
        if (!r.started || r.timedOut)
            qWarning() << "Padlink: sudo command timeout or failed to finish:" << args;
        else if (r.exitCode != 0)
            qWarning() << "Padlink: sudo command failed:"
                       << "exitCode:" << r.exitCode << "stderr:" << r.err;
    }
    if (openSettings)
        OpenGeneralPadlinkSettings_();
}

void MainMWindow::OpenGeneralPadlinkSettings_()
{
    // Seam: once the settings dialog exists it is moved to the primary
    // screen's top-left corner, the grid selection cleared, and the dialog
    // shown maximised on the mobile-remote section of its General page.
    qWarning() << "Cannot open Padlink settings because SettingsDialog is not initialized.";
}

void MainMWindow::languageMenu(QObject* watched)
{
    if (watched != ui->frmlang)
        return;
    const QString current = m_language->current();
    auto* menu = new QMenu(this);
    menu->setFont(ui->txtadmin->font());
    menu->setStyleSheet(QLatin1String(kMenuSheet));
    for (const UiLanguage::Language_s& language : UiLanguage::table()) {
        QAction* action = menu->addAction(language.name);
        menu->addSeparator();
        if (language.code == current) {
            menu->setDefaultAction(action);
            menu->setActiveAction(action);
        }
    }
    QAction* back = menu->addAction(QStringLiteral("[%1]").arg(tr("Back")));
    menu->setFocus();
    QAction* chosen = menu->exec(ui->frmlang->mapToGlobal(QPoint(0, 0)));
    if (chosen && chosen != back)
        m_language->retranslate(UiLanguage::codeOf(chosen->text()));
    delete menu;
}

void MainMWindow::settingsfinished(int)
{
    const std::unique_ptr<QSettings> settings = UserSettings::open();
    applyLabelSettings_(*settings);
    // The web interface turned the task bar on: restart to take it.
    const bool taskBar = settings->value(QStringLiteral("TaskBar/Enable"), QStringLiteral("no"))
                             .toString()
                             .compare(QLatin1String("yes"), Qt::CaseInsensitive)
        == 0;
    if (taskBar && settings->value(QStringLiteral("TaskBar/setfromweb"), QStringLiteral("0")).toInt() != 0) {
        IVOrestart();
        settings->remove(QStringLiteral("TaskBar/setfromweb"));
        settings->sync();
    }
}

void MainMWindow::retranslate_()
{
    ui->retranslateUi(this);
    // The form's own text of the user label is only a stand-in.
    if (!m_userName.isEmpty())
        ui->txtadmin->setText(m_userName);
}
