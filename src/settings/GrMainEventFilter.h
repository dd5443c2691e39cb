#pragma once

#include <QObject>

class SettingsDialog;

// Keys on the left column's page buttons: Escape or Left closes the dialog,
// Return or Right enters the shown page. Up and Down are the radio buttons'
// own: they move to the neighbour and check it, which switches the page.
class GrMainEventFilter : public QObject
{
    Q_OBJECT

public:
    explicit GrMainEventFilter(SettingsDialog& dialog);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Return or Right on a page button; true when consumed.
    bool enterPage_(QObject* button);

    SettingsDialog& m_dialog;
};
