#pragma once

#include "settings/PageEventFilter.h"

#include <QSize>

class SettingsDialog;
namespace Ui {
class SettingsDialog;
}

// Keys and clicks on the Preferences page's rows.
class StwgSubPgPrefEventFilter : public PageEventFilter
{
    Q_OBJECT

public:
    using PageEventFilter::PageEventFilter;
};

// The Preferences page: language, input methods, audio output, the built-in
// receiver's mode and the learned remotes.
class PreferencesPage
{
public:
    explicit PreferencesPage(SettingsDialog& dialog);
    ~PreferencesPage();
    PreferencesPage(const PreferencesPage&) = delete;
    PreferencesPage& operator=(const PreferencesPage&) = delete;

    StwgSubPgPrefEventFilter* filter() const { return m_filter; }

    // The languages offered, before the form is built.
    void initLangSupport();
    // Set-up during the dialog's construction.
    void setup();
    // At construction, after the page set-ups: the audio output, then the
    // built-in receiver's stored mode.
    void startAudio();
    void startReceiver();
    // The page becomes current.
    void refresh();
    void adaptToScreen(const QSize& screenSize);
    // True for the page's rows.
    bool ownsRow(QObject* row) const;
    void popupMenu(QObject* row);

    void refreshIMcurrent();
    void refreshCRcurrent();
    void remoteLearning(QObject* row);
    void setAlsaDefaultDevice(int device);
    void speakerTestFunc();

private:
    SettingsDialog& m_dialog;
    Ui::SettingsDialog* ui;
    StwgSubPgPrefEventFilter* m_filter;
};
