#include "settings/AboutPage.h"

#include "ui_SettingsDialog.h"

#include "appliance/Appliance.h"
#include "appliance/ConfigFile.h"
#include "settings/FrameScaling.h"
#include "settings/SettingsDialog.h"
#include "widgets/ScreenScale.h"

#include <QSettings>

AboutPage::AboutPage(SettingsDialog& dialog)
    : ui(dialog.form())
{
}

QString AboutPage::versionLine(const QString& version)
{
    if (version.isEmpty())
        return {};
    GuardedFile::State state = GuardedFile::State::Read;
    const QString date = ConfigFile::firstLine(Appliance::path(QStringLiteral("/.build_date")), &state);
    return state == GuardedFile::State::Read ? QStringLiteral("%1   %2").arg(version, date) : version;
}

void AboutPage::setup(const QSettings& packageConfig)
{
    // The name and version stand out; the rest is quieter.
    ui->pgAbout->setStyleSheet(
        QStringLiteral("QLabel {color: rgb(168,168,168)} #txtAboutName, #labAboutVer, #txtAboutVer {color: white}"));
    // Without a version the form's placeholder stays.
    const QString line = versionLine(packageConfig.value(QStringLiteral("Tellora/Version")).toString());
    if (!line.isEmpty())
        ui->txtAboutVer->setText(line);
}

void AboutPage::adaptToScreen(const QSize& screenSize)
{
    const ScreenScale scale(screenSize);
    FrameScaling::scaleFonts(ui->pgAbout, scale);
    FrameScaling::scaleLayouts(ui->pgAbout, scale);
}
