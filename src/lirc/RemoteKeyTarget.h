#pragma once

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QWidget>

// Where a key name of the IR daemon goes inside this program: the focus widget
// of the active window. A window that has just hidden may still count as
// active until the window manager's word arrives: the window it belongs to
// takes the keys, as it is about to take the focus. While a modal dialog is
// open that the focus is not in yet (it has just opened, and the window manager
// has not handed it the focus), the dialog's own focus widget: a window the
// dialog blocks takes no keys, or a second OK on a title-bar button would open
// its dialog again inside the first. An open menu is in front of every window
// and takes the keys itself, also after another window became active under it.
// Null when no window takes keys.
inline QWidget* remoteKeyTarget()
{
    if (QWidget* popup = QApplication::activePopupWidget())
        return popup->focusWidget() ? popup->focusWidget() : popup;
    QWidget* active = QApplication::activeWindow();
    QWidget* focus = QApplication::focusWidget();
    while (active && !active->isVisible() && active->parentWidget()) {
        active = active->parentWidget()->window();
        focus = active->focusWidget();
    }
    if (!active || !active->isVisible() || !focus)
        return nullptr;
    QWidget* modal = QApplication::activeModalWidget();
    for (const QWidget* w = focus->window(); modal && w; w = w->parentWidget()) {
        if (w == modal)
            return focus;
    }
    return modal ? modal->focusWidget() : focus;
}

// A key of the daemon on its way: it goes to the widget that had the focus when
// its line was read, so that the two copies of a line that two clients of the
// daemon read land on the same button. When its turn comes and that widget no
// longer takes keys (hidden, disabled, gone, or behind a modal dialog opened
// meanwhile), or when it was given none, it goes where keys go by then.
class RemoteKeyEvent : public QEvent
{
public:
    RemoteKeyEvent(QWidget* target, int key)
        : QEvent(type())
        , m_target(target)
        , m_key(key)
    {
    }
    static QEvent::Type type()
    {
        static const auto registered = QEvent::Type(QEvent::registerEventType());
        return registered;
    }
    int key() const { return m_key; }
    QWidget* receiver() const
    {
        QWidget* now = remoteKeyTarget();
        QWidget* w = m_target.data();
        if (!w || !w->isVisible() || !w->isEnabled())
            return now;
        // No window of ours is active while the window manager hands the focus
        // on (a dialog just closed): nothing took the keys from that widget.
        if (!now)
            return w;
        // Behind a modal dialog or a menu that came up after the line was read.
        const bool covered = QApplication::activeModalWidget() || QApplication::activePopupWidget();
        return now->window() == w->window() || !covered ? w : now;
    }

private:
    QPointer<QWidget> m_target;
    int m_key;
};
