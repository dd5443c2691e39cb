#pragma once

#include "settings/PageEventFilter.h"

#include <QSize>

class SettingsDialog;
namespace Ui {
class SettingsDialog;
}

// Keys and clicks on the Display page's option rows.
class StwgSubPgDisplayEventFilter : public PageEventFilter
{
    Q_OBJECT

public:
    using PageEventFilter::PageEventFilter;
};

// The Display page: resolutions of up to five outputs, secondary monitors,
// screen off, overscan and wallpaper.
class DisplayPage
{
public:
    explicit DisplayPage(SettingsDialog& dialog);
    ~DisplayPage();
    DisplayPage(const DisplayPage&) = delete;
    DisplayPage& operator=(const DisplayPage&) = delete;

    StwgSubPgDisplayEventFilter* filter() const { return m_filter; }

    // Set-up during the dialog's construction.
    void setup();
    // The page becomes current (and at construction, and when the screen
    // configuration changes).
    void refresh();
    // Entered from the left column with Return or Right.
    void enterFromColumn();
    void adaptToScreen(const QSize& screenSize);
    // True for the page's option rows.
    bool ownsRow(QObject* row) const;
    void popupMenu(QObject* row);

    void ShowMonitorInfo(int n);
    void RefreshDispOptionList();
    void ShowDispOptionItem(QObject* row, bool show);

private:
    SettingsDialog& m_dialog;
    Ui::SettingsDialog* ui;
    StwgSubPgDisplayEventFilter* m_filter;
};
