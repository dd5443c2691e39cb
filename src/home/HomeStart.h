#pragma once

#include <QObject>

#include <functional>

// What the home screen asks the appliance once its first frame is on the
// screen, instead of before it: whether it has its own IR receiver, then
// whatever the settings and the screen-blanking preset ask as they are set
// up. The questions go to the command worker in the order the home screen
// always asked them, and the answers are applied as they come. An action
// that needs an answer not there yet waits for it behind the busy sign; the
// keys pressed meanwhile are handled as they come.
class HomeStart : public QObject
{
    Q_OBJECT

public:
    explicit HomeStart(QWidget* window);

    // Asks whether the appliance has an IR receiver; irChecked follows.
    void checkReceiver();
    // Runs fn now when no question is waiting for its answer, else once the
    // answers are in, the busy sign shown until then.
    void whenAnswered(std::function<void()> fn);

signals:
    void irChecked(bool supported);

private:
    QWidget* m_window;
};
