#pragma once

#include <QApplication>
#include <QWidget>

// Where a key name of the IR daemon goes inside this program: the focus widget
// of the active window. While a modal dialog is open that the focus is not in
// yet (it has just opened, and the window manager has not handed it the focus),
// the dialog's own focus widget: a window the dialog blocks takes no keys, or
// a second OK on a title-bar button would open its dialog again inside the
// first. Null when no window is active or nothing has the focus.
inline QWidget* remoteKeyTarget()
{
    QWidget* focus = QApplication::focusWidget();
    if (!QApplication::activeWindow() || !focus)
        return nullptr;
    QWidget* modal = QApplication::activeModalWidget();
    for (const QWidget* w = focus->window(); modal && w; w = w->parentWidget()) {
        if (w == modal)
            return focus;
    }
    return modal ? modal->focusWidget() : focus;
}
