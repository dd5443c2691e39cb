#pragma once

#include <QDialog>

class QTimer;
namespace Ui {
class InfoDialog;
}

// The small modal message box of the system: a title, a message, an optional
// progress bar, up to two buttons and, in mode 5, a countdown that answers
// "No" by itself. Modes:
//   0  message only, cannot be closed by the user
//   1  OK
//   2  OK and Cancel, Cancel focused
//   3  progress, cannot be closed by the user
//   4  progress and Cancel
//   5  OK and Cancel with a 15 s countdown on Cancel
// It scales itself to the primary screen and follows its changes.
class InfoDialog : public QDialog
{
    Q_OBJECT

public:
    explicit InfoDialog(QWidget* parent = nullptr, bool large = false);
    ~InfoDialog() override;

    void reset(int mode);
    int mode() const { return m_mode; }
    int countdown() const { return m_countdown; }
    bool isLarge() const { return m_large; }

    void setTitleText(const QString& text);
    void setLabelText(const QString& text);
    void setTextOK(const QString& text);
    void setTextCancel(const QString& text);
    void setRange(int minimum, int maximum);
    void setValue(int value);
    int minimum() const;
    int maximum() const;
    int value() const;

    // The form, for tests and for callers that size the dialog to its text.
    Ui::InfoDialog* form() const { return ui; }

public slots:
    void accept() override;
    void reject() override;
    void adaptUiToScreen(const QRect& rect);
    void refreshDiallog();

private:
    bool closable_() const { return m_mode != 0 && m_mode != 3; }

    Ui::InfoDialog* ui;
    QTimer* m_timer = nullptr;
    int m_mode = -1;
    bool m_large = false;
    int m_countdown = -1;
};
