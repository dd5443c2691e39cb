#include "settings/DisplayPage.h"

#include "ui_SettingsDialog.h"

#include "settings/SettingsDialog.h"

DisplayPage::DisplayPage(SettingsDialog& dialog)
    : m_dialog(dialog)
    , ui(dialog.form())
    , m_filter(new StwgSubPgDisplayEventFilter(dialog))
{
}

DisplayPage::~DisplayPage() = default;

void DisplayPage::setup() { }

void DisplayPage::refresh() { }

void DisplayPage::enterFromColumn() { }

void DisplayPage::adaptToScreen(const QSize&) { }

bool DisplayPage::ownsRow(QObject*) const { return false; }

void DisplayPage::popupMenu(QObject*) { }

void DisplayPage::ShowMonitorInfo(int) { }

void DisplayPage::RefreshDispOptionList() { }

void DisplayPage::ShowDispOptionItem(QObject*, bool) { }
