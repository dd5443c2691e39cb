#pragma once

#include <QSize>
#include <QString>

class QSettings;
class SettingsDialog;
namespace Ui {
class SettingsDialog;
}

// The About page: product name, version with build date, support and
// legal lines.
class AboutPage
{
public:
    explicit AboutPage(SettingsDialog& dialog);

    // Set-up during the dialog's construction, given the package configuration.
    void setup(const QSettings& packageConfig);
    void adaptToScreen(const QSize& screenSize);

    // The version line for a version: the version, three blanks and the
    // build date from "/.build_date" when that file can be read, the version
    // alone otherwise; empty for no version.
    static QString versionLine(const QString& version);

private:
    Ui::SettingsDialog* ui;
};
