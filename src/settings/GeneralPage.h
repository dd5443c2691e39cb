#pragma once

#include "settings/PageEventFilter.h"

#include <QList>

#include <memory>

class PadlinkService;
class QCheckBox;
class QSettings;
class QSize;
class SettingsDialog;
namespace Ui {
class SettingsDialog;
}

// Keys on the General page's check boxes: Return toggles the focused box, Up
// and Down go round the boxes that can take the focus (from the first to the
// last and back), Right stays where it is.
class StwgSubPgGeneralEventFilter : public PageEventFilter
{
    Q_OBJECT

public:
    using PageEventFilter::PageEventFilter;

protected:
    bool pageEvent(QObject* watched, QEvent* event) override;
};

// The General page: the title bar's labels, the mobile remote service,
// automatic login and the task bar.
class GeneralPage
{
public:
    explicit GeneralPage(SettingsDialog& dialog);
    ~GeneralPage();
    GeneralPage(const GeneralPage&) = delete;
    GeneralPage& operator=(const GeneralPage&) = delete;

    StwgSubPgGeneralEventFilter* filter() const { return m_filter; }
    // The six boxes, top to bottom.
    QList<QCheckBox*> boxes() const;

    // Set-up during the dialog's construction, given the user settings.
    void setup(QSettings& userSettings);
    // Sizes for a screen of that size (design values for 1920 x 1080).
    void adaptToScreen(const QSize& screenSize);

    void datetimeToggled(bool checked);
    void ipToggled(bool checked);
    void servernameToggled(bool checked);
    void padlinkToggled(bool checked);
    void requireLoginToggled(bool checked);
    void taskbarToggled(bool checked);
    void setTaskbarHeight(int screenHeight);
    void showPadlink();

private:
    SettingsDialog& m_dialog;
    Ui::SettingsDialog* ui;
    StwgSubPgGeneralEventFilter* m_filter;
    std::unique_ptr<PadlinkService> m_padlink;
};
