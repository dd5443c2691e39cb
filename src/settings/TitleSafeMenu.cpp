#include "settings/TitleSafeMenu.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QProxyStyle>
#include <QScreen>
#include <QStyleOption>

#include <algorithm>

namespace TitleSafeMenu {

namespace {

QMargins margins(const QScreen& screen)
{
    const QSize s = screen.geometry().size();
    return {s.width() / 20, s.height() / 20, s.width() / 20, s.height() / 20};
}

// The menu's own style, under its style sheet (the sheet's style wraps it and asks it what the sheet does not say).
// Qt's menus scroll only where the style allows it, and keep PM_MenuDesktopFrameWidth off the available area's edges
// where they place, size and scroll themselves: the safe area's margin keeps a tall menu inside it while it scrolls.
// Where more entries are above or below, the menu shows the settings' own marker for more rows, large enough to be
// seen from the sofa.
class Style : public QProxyStyle
{
public:
    void drawControl(
        ControlElement element, const QStyleOption* option, QPainter* painter, const QWidget* widget) const override
    {
        if (element != CE_MenuScroller)
            return QProxyStyle::drawControl(element, option, painter, widget);
        const QPixmap marker(option->state & State_DownArrow ? QStringLiteral(":/images/next_on.png")
                                                             : QStringLiteral(":/images/previous_on.png"));
        QRect r(QPoint(), marker.size().scaled(option->rect.size() * 2 / 3, Qt::KeepAspectRatio));
        r.moveCenter(option->rect.center());
        painter->drawPixmap(r, marker);
    }
    int styleHint(
        StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* data) const override
    {
        return hint == SH_Menu_Scrollable ? 1 : QProxyStyle::styleHint(hint, option, widget, data);
    }
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        if (metric == PM_MenuDesktopFrameWidth && widget && widget->screen())
            return margins(*widget->screen()).top();
        if (metric == PM_MenuScrollerHeight && widget && widget->screen())
            return widget->screen()->geometry().height() / 40;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// Qt shows a scrolling menu short of the area's bottom by one margin more; shown, the menu takes its place in full.
// Qt also resets the scrolling as it shows a menu: the current entry is scrolled into view once it is up.
class Placement : public QObject
{
public:
    Placement(QMenu& menu, const QRect& rect, QAction* current)
        : m_menu(menu)
        , m_rect(rect)
        , m_current(current)
    {
        menu.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            m_menu.setGeometry(m_rect);
            if (m_current)
                m_menu.setActiveAction(m_current);
        }
        return false;
    }

private:
    QMenu& m_menu;
    const QRect m_rect;
    QAction* const m_current;
};

} // namespace

QRect area(const QScreen& screen) { return screen.availableGeometry().marginsRemoved(margins(screen)); }

QAction* exec(QMenu& menu, QPoint at, QAction* current)
{
    const QScreen* screen = QGuiApplication::screenAt(at);
    const QRect safe = area(screen ? *screen : *menu.screen());
    Style style;
    menu.setStyle(&style);
    menu.setMaximumSize(safe.size());
    const QSize size = menu.sizeHint().boundedTo(safe.size());
    at.setX(std::clamp(at.x(), safe.left(), safe.right() + 1 - size.width()));
    at.setY(std::clamp(at.y(), safe.top(), safe.bottom() + 1 - size.height()));
    QAction* chosen = nullptr;
    {
        const Placement placement(menu, QRect(at, size), current);
        chosen = menu.exec(at);
    }
    menu.setStyle(nullptr); // before the style goes
    return chosen;
}

} // namespace TitleSafeMenu
