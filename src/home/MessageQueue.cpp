#include "home/MessageQueue.h"

#include "widgets/InfoDialog.h"

MessageQueue::MessageQueue(QWidget* parent)
    : QObject(parent)
    , m_parent(parent)
{
}

MessageQueue::~MessageQueue() { delete m_dialog; }

InfoDialog* MessageQueue::current() const { return m_dialog; }

void MessageQueue::post(const QString& text)
{
    if (m_dialog) {
        m_waiting = text;
        return;
    }
    show_(text);
}

void MessageQueue::show_(const QString& text)
{
    auto* dialog = new InfoDialog(m_parent);
    dialog->setWindowFlags(dialog->windowFlags() | Qt::FramelessWindowHint);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialog->reset(1);
    dialog->setTextOK(InfoDialog::tr("OK"));
    dialog->setLabelText(text);
    dialog->adjustSize();
    connect(dialog, &QDialog::finished, this, [this, dialog] {
        dialog->deleteLater();
        m_dialog = nullptr;
        if (m_waiting)
            show_(*std::exchange(m_waiting, std::nullopt));
    });
    m_dialog = dialog;
    dialog->show();
    // A frameless window is not always given the focus by the window
    // manager, and the remote's OK must reach the button.
    dialog->activateWindow();
}
