#include "home/LaunchWaiting.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QTimer>

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
    QApplication::restoreOverrideCursor();
}

void LaunchWaiting::takenOver()
{
    if (running())
        m_step = 50;
}
