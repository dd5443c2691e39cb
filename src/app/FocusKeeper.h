#pragma once

#include <QAbstractNativeEventFilter>
#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>

// Keeps the program's active window in step with the X server's input focus.
//
// When one of our windows closes, the window manager focuses the one under it
// and Qt hears of that through a focus-in. On a busy machine that can go
// astray in these ways, and then the remote reaches nothing until a mouse
// click:
// - the window manager focuses a window that just came up and takes the focus
//   back before Qt has looked: Qt counts the new window active while the X
//   focus stays on the window under it, and once the new window closes Qt
//   counts none, while the X focus, already where it belongs, never moves;
// - Qt hears of the focus while a menu is open, and its widgets, which take no
//   window change while a menu is up, never learn of it;
// - the window manager, its list of windows in flux, finds no window to fall
//   back to and keeps the focus itself;
// - an application the viewer started closes while Qt, with the application in
//   front, counts no window active, and the window manager focuses none of
//   ours: nothing in Qt changes, so only the window manager's word tells;
// - the window manager, as an application closes, keeps naming a window of it
//   active after that window went, and the focus itself.
//
// So, a while after Qt is left without an active window, or the window manager
// named another active window while Qt counts none (and once no menu is open),
// the keeper asks the X server where the focus is. On a window of ours
// that shows: the widgets are told, where Qt's window layer already knows;
// else the focus is moved off the window and back, so that Qt hears the
// focus-in it missed (a window a modal dialog blocks hands it to the dialog).
// With the window manager naming no shown window active, ours is activated: the
// open modal dialog, else the window active last, else the keeper's own. A
// window of another program in front (an application the viewer started) is
// left alone.
class FocusKeeper : public QObject
{
public:
    struct XServer_s {
        // The X window with the input focus; 0 for none or the pointer root.
        std::function<quint64()> focus;
        // The window manager's active window: 0 for none; empty when the window
        // manager keeps no such property (or there is none).
        std::function<std::optional<quint64>()> active;
        // Whether a window exists and is shown.
        std::function<bool(quint64)> shown;
        // Moves the focus off the window and back.
        std::function<void(quint64)> refocus;
        // Asks the window manager to activate a window of ours.
        std::function<void(QWidget*)> activate;
        // Makes a window the widgets' active one, where only they missed it.
        std::function<void(QWidget*)> adopt;
    };
    FocusKeeper(XServer_s x, QObject* parent);

    // On an X display: a keeper on the connection Qt runs on, told of the
    // window manager's active window changing. Null elsewhere.
    static FocusKeeper* install(QObject* parent);
    // The window manager has named another active window (or none).
    void activeWindowChanged();
    // Between Qt losing its active window and the end of the looks that follow.
    bool watching() const { return m_timer.isActive(); }

    // How long Qt may take to hear of the focus by itself (it waits 400 ms for
    // a focus-in after a focus-out), and how many such looks an episode gets.
    static constexpr int kLookMs = 600;
    static constexpr int kLooks = 8;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void watch_();
    void look_();
    QWidget* windowToActivate_() const;

    XServer_s m_x;
    QTimer m_timer;
    int m_looks = 0;
    QPointer<QWidget> m_lastActive;
    std::unique_ptr<QAbstractNativeEventFilter> m_activeWindowFilter;
};
