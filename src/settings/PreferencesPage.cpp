#include "settings/PreferencesPage.h"

#include "ui_SettingsDialog.h"

#include "settings/SettingsDialog.h"

PreferencesPage::PreferencesPage(SettingsDialog& dialog)
    : m_dialog(dialog)
    , ui(dialog.form())
    , m_filter(new StwgSubPgPrefEventFilter(dialog))
{
}

PreferencesPage::~PreferencesPage() = default;

void PreferencesPage::initLangSupport() { }

void PreferencesPage::setup() { }

void PreferencesPage::startAudio() { }

void PreferencesPage::startReceiver() { }

void PreferencesPage::refresh() { }

void PreferencesPage::adaptToScreen(const QSize&) { }

bool PreferencesPage::ownsRow(QObject*) const { return false; }

void PreferencesPage::popupMenu(QObject*) { }

void PreferencesPage::refreshIMcurrent() { }

void PreferencesPage::refreshCRcurrent() { }

void PreferencesPage::remoteLearning(QObject*) { }

void PreferencesPage::setAlsaDefaultDevice(int) { }

void PreferencesPage::speakerTestFunc() { }
