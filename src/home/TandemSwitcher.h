#pragma once

#include <QDialog>

// Asks the viewer to confirm the switch of the television output to the
// video-conferencing product and asks the appliance to make it. "Yes" does not
// close the dialog: the other product replaces the home screen.
class TandemSwitcher : public QDialog
{
    Q_OBJECT

public:
    explicit TandemSwitcher(QWidget* parent = nullptr);
};
