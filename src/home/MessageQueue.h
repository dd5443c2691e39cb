#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include <optional>

class InfoDialog;
class QWidget;

// The messages other programs ask the home screen to show: one at a time,
// each in a modal, frameless message dialog with its one OK button. A message
// that comes while one is up waits; of those waiting only the newest is
// kept. The dialog runs without an event loop of its own, so a watched file
// that changes every few milliseconds never nests one modal loop inside
// another: the queue stays one dialog and one waiting text.
class MessageQueue : public QObject
{
    Q_OBJECT

public:
    // Dialogs are children of parent.
    explicit MessageQueue(QWidget* parent);
    ~MessageQueue() override;

    void post(const QString& text);

    // The dialog up now, or nullptr; the text waiting behind it.
    InfoDialog* current() const;
    std::optional<QString> waiting() const { return m_waiting; }

private:
    void show_(const QString& text);

    QWidget* m_parent;
    QPointer<InfoDialog> m_dialog;
    std::optional<QString> m_waiting;
};
