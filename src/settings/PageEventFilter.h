#pragma once

#include <QObject>

class QKeyEvent;
class SettingsDialog;
namespace Ui {
class SettingsDialog;
}

// The key rules every settings page shares, on the rows a page installs it
// on: Tab is swallowed, Escape and Left give the focus back to the left
// column. A page's own filter adds its rules in pageEvent(), which sees every
// event first; what neither handles goes on to the dialog's own rules.
class PageEventFilter : public QObject
{
    Q_OBJECT

public:
    explicit PageEventFilter(SettingsDialog& dialog);

    bool eventFilter(QObject* watched, QEvent* event) override;

protected:
    // The page's own rules; true when the event was handled.
    virtual bool pageEvent(QObject* watched, QEvent* event);
    // Focus to the left column ("grMain").
    void focusLeftColumn() const;

    SettingsDialog& dialog() const { return m_dialog; }
    Ui::SettingsDialog* ui() const;

private:
    SettingsDialog& m_dialog;
};
