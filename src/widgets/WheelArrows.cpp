#include "widgets/WheelArrows.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWheelEvent>
#include <QWidget>

void wheelToArrow(QWheelEvent* event, QWidget* target)
{
    const int delta = event->angleDelta().y();
    if (target && (delta >= 120 || delta <= -120)) {
        const int key = delta > 0 ? Qt::Key_Up : Qt::Key_Down;
        QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
    }
    event->accept();
}
