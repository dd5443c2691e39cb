#pragma once

#include <QCoreApplication>

// The settings pages' texts belong to the settings dialog's translation context, wherever they are written:
// SettingsTexts::tr("Add") is looked up under "SettingsDialog", and lupdate files it there too.
struct SettingsTexts {
    Q_DECLARE_TR_FUNCTIONS(SettingsDialog)
};
