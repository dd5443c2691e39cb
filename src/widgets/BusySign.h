#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

class QTimer;

// What a viewer sees while the program waits for the appliance: a turning
// ring in the middle of the window. It is painted as it is shown, before the
// wait starts, so that a wait that holds the GUI thread has something on the
// screen; it turns only while the event loop runs (a wait on the command
// worker).
class BusySign : public QWidget
{
public:
    // Shows the window's sign (made at the first call) and paints it now;
    // false when the window is not on the screen, and then hide() must not
    // follow. Shows nest: the sign goes with the last hide().
    static bool show(QWidget* window);
    static void hide(QWidget* window);
    // The window's sign, when one was made.
    static BusySign* of(QWidget* window);
    // Runs fn now when the command worker has no answer outstanding; else
    // once every job posted so far is answered, the sign shown meanwhile.
    static void afterCommands(QWidget* window, std::function<void()> fn);

    // Shown for the span of a scope.
    class Scope
    {
    public:
        explicit Scope(QWidget* window);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        QPointer<QWidget> m_window;
        bool m_shown = false;
    };

    // Paints since it was made (tests tell from it that the sign was on the
    // screen before a command ran).
    int paints() const { return m_paints; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    explicit BusySign(QWidget* window);
    void place_();

    QTimer* m_turn = nullptr;
    int m_step = 0;
    int m_shown = 0; // nested shows
    int m_paints = 0;
};
