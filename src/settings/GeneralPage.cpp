#include "settings/GeneralPage.h"

#include "ui_SettingsDialog.h"

#include "settings/SettingsDialog.h"

GeneralPage::GeneralPage(SettingsDialog& dialog)
    : m_dialog(dialog)
    , ui(dialog.form())
    , m_filter(new StwgSubPgGeneralEventFilter(dialog))
{
}

GeneralPage::~GeneralPage() = default;

void GeneralPage::setup(QSettings&) { }

void GeneralPage::adaptToScreen(const QSize&) { }

void GeneralPage::datetimeToggled(bool) { }

void GeneralPage::ipToggled(bool) { }

void GeneralPage::servernameToggled(bool) { }

void GeneralPage::padlinkToggled(bool) { }

void GeneralPage::requireLoginToggled(bool) { }

void GeneralPage::taskbarToggled(bool) { }

void GeneralPage::setTaskbarHeight(int) { }

void GeneralPage::showPadlink() { }
