#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

// Keeps the program's active window in step with the X server's input focus.
//
// When one of our windows closes, the window manager focuses the one under it
// and Qt hears of that through a focus-in. On a busy machine the window
// manager can focus a window that just came up and take the focus back before
// Qt has looked: Qt then counts the new window active while the X focus stays
// on the window under it, and once the new window closes Qt counts none
// active, while the X focus, already where it belongs, never moves again. The
// remote would reach nothing until a mouse click.
//
// So, a while after Qt is left without an active window, the keeper asks the
// X server where the focus is. Is it on a window of ours that shows, the focus
// is moved off it and back, and Qt hears the focus-in it missed. A window of
// another program in front (an application the viewer started) is left alone.
class FocusKeeper : public QObject
{
public:
    // The X window with the input focus (0: none), and the move off and back.
    struct XServer_s {
        std::function<quint64()> focus;
        std::function<void(quint64)> refocus;
    };
    FocusKeeper(XServer_s x, QObject* parent);

    // On an X server: a keeper on the connection Qt runs on. Null elsewhere.
    static FocusKeeper* install(QObject* parent);
    // Between Qt losing its active window and the end of the looks that follow.
    bool watching() const { return m_timer.isActive(); }

    // How long Qt may take to hear of the focus by itself (it waits 400 ms for
    // a focus-in after a focus-out), and how many such looks an episode gets.
    static constexpr int kLookMs = 600;
    static constexpr int kLooks = 8;

private:
    void look_();

    XServer_s m_x;
    QTimer m_timer;
    int m_looks = 0;
};
