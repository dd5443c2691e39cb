#include "settings/OptionRowEvents.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

namespace OptionRowEvents {

bool handle(QWidget* row, QEvent* event, const Actions_s& actions)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Right:
            actions.activate();
            return true;
        case Qt::Key_Up:
        case Qt::Key_Down:
            actions.move(static_cast<QKeyEvent*>(event)->key() == Qt::Key_Down);
            return true;
        default:
            return false;
        }
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(event)->button() != Qt::LeftButton)
            return false;
        if (row->hasFocus())
            actions.activate();
        else
            row->setFocus(Qt::MouseFocusReason);
        return true;
    case QEvent::FocusIn:
    case QEvent::FocusOut:
        actions.showArrows(event->type() == QEvent::FocusIn);
        return false;
    default:
        return false;
    }
}

void watch(QWidget* row, QObject* filter)
{
    row->installEventFilter(filter);
    row->setFocusPolicy(Qt::TabFocus);
}

} // namespace OptionRowEvents
