#pragma once

#include <QList>
#include <QObject>
#include <QPointer>

class QLabel;
class QTimer;
class QWidget;

// The waiting animation of a launch: the window takes no input and the
// pointer is hidden while the lights turn, every 200 ms for 49 steps (about
// ten seconds) or until the application takes over.
class LaunchWaiting : public QObject
{
    Q_OBJECT

public:
    // window is disabled while the animation runs; lights shows it.
    LaunchWaiting(QWidget& window, QLabel& lights);

    void start();
    // One step of the animation; after the last, finished() is emitted and
    // the lights go.
    void tick();
    // The window takes input again and the pointer shows.
    void finish();
    // The launched application took the focus: the next tick is the last.
    void takenOver();
    bool running() const { return m_step != 0; }

signals:
    void finished();

private:
    void show_(int frame);

    // Disabling the window takes the focus out of the dialogs it has open
    // too: where each had it, to give it back.
    QList<std::pair<QPointer<QWidget>, QPointer<QWidget>>> m_focus;
    QWidget& m_window;
    QLabel& m_lights;
    QTimer* m_timer;
    int m_step = 0;
};
