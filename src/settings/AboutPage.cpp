#include "settings/AboutPage.h"

#include "ui_SettingsDialog.h"

#include "settings/SettingsDialog.h"

AboutPage::AboutPage(SettingsDialog& dialog)
    : m_dialog(dialog)
    , ui(dialog.form())
{
}

void AboutPage::setup(const QSettings&) { }

void AboutPage::adaptToScreen(const QSize&) { }
