#include "home/LaunchWaiting.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QTimer>

namespace {

// The window's first control that takes the focus from the keyboard.
void focusFirstControl(QWidget* window)
{
    for (QWidget* w = window->nextInFocusChain(); w && w != window; w = w->nextInFocusChain()) {
        if (w->window() == window && (w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled()) {
            w->setFocus(Qt::ActiveWindowFocusReason);
            return;
        }
    }
}

} // namespace

LaunchWaiting::LaunchWaiting(QWidget& window, QLabel& lights)
    : QObject(&window)
    , m_window(window)
    , m_lights(lights)
    , m_timer(new QTimer(this))
{
    connect(m_timer, &QTimer::timeout, this, &LaunchWaiting::tick);
    m_lights.hide();
}

void LaunchWaiting::show_(int frame)
{
    m_lights.setStyleSheet(QStringLiteral("border-image: url(:/images/waiting_%1.png);").arg(frame));
    m_lights.show();
}

void LaunchWaiting::start()
{
    // A second launch while waiting (a command file) must not stack cursors.
    const bool waiting = running();
    if (!waiting) {
        m_focus.clear();
        for (QWidget* w : m_window.findChildren<QWidget*>()) {
            if (w->isWindow() && w->isVisible() && w->focusWidget())
                m_focus.append(std::pair(QPointer(w), QPointer(w->focusWidget())));
        }
    }
    m_window.setEnabled(false);
    m_step = 1;
    m_timer->start(200);
    tick();
    show_(1);
    m_window.repaint();
    if (waiting)
        QApplication::changeOverrideCursor(QCursor(Qt::BlankCursor));
    else
        QApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
}

void LaunchWaiting::tick()
{
    if (m_step == 0)
        return;
    show_(m_step % 8 + 1);
    m_lights.repaint();
    if (++m_step > 49) {
        emit finished();
        m_step = 0;
        m_lights.hide();
        m_timer->stop();
    }
}

void LaunchWaiting::finish()
{
    m_window.setEnabled(true);
    for (const auto& [window, focus] : std::as_const(m_focus)) {
        // A window activated while it was disabled may still name its focus
        // widget without the keys going there.
        const QWidget* now = window ? window->focusWidget() : nullptr;
        if (window && focus && (!now || now == focus) && focus->isVisible() && focus->isEnabled())
            focus->setFocus();
    }
    m_focus.clear();
    // A window of ours that came up during the wait (the tips, a message) and was activated while disabled took no
    // focus at all, and the remote would reach nothing in it.
    if (QWidget* active = QApplication::activeWindow();
        active && active != &m_window && !active->focusWidget() && m_window.findChildren<QWidget*>().contains(active))
        focusFirstControl(active);
    QApplication::restoreOverrideCursor();
}

void LaunchWaiting::takenOver()
{
    if (running())
        m_step = 50;
}
