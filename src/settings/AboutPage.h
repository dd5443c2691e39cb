#pragma once

#include <QSize>

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

private:
    SettingsDialog& m_dialog;
    Ui::SettingsDialog* ui;
};
