#pragma once

#include <QDialog>

class SystemInputMethod;
namespace Ui {
class ListDialog;
}

// The modal list of input methods to switch on (mode 0, "Add input") or off
// (mode 1, "Remove input"; US English is never offered there). The choice is
// applied when the dialog is destroyed after it was accepted. It scales itself
// to the primary screen and follows its changes.
class ListDialog : public QDialog
{
    Q_OBJECT

public:
    // model: the input methods to offer and change; the process's model when
    // null.
    explicit ListDialog(QWidget* parent = nullptr, SystemInputMethod* model = nullptr);
    ~ListDialog() override;

    void reset(int mode);
    int mode() const { return m_mode; }

    void setLabelText(const QString& text);
    void setTextOK(const QString& text);
    void setTextCancel(const QString& text);

    // The form, for tests.
    Ui::ListDialog* form() const { return ui; }

public slots:
    void adaptUiToScreen(const QRect& rect);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void apply_();

    Ui::ListDialog* ui;
    SystemInputMethod* m_model;
    int m_mode = -1; // -1 none, 0 add, 1 remove
};
