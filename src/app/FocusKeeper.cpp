#include "app/FocusKeeper.h"

#include "app/XFocus.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

FocusKeeper::FocusKeeper(XServer_s x, QObject* parent)
    : QObject(parent)
    , m_x(std::move(x))
{
    m_timer.setInterval(kLookMs);
    connect(&m_timer, &QTimer::timeout, this, &FocusKeeper::look_);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now || m_timer.isActive())
            return;
        m_looks = 0;
        m_timer.start();
    });
}

FocusKeeper* FocusKeeper::install(QObject* parent)
{
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return nullptr;
    auto* display = x11->display();
    return new FocusKeeper(
        {[display] { return quint64(xInputFocus(display)); }, [display](quint64 window) { xRefocus(display, window); }},
        parent);
}

void FocusKeeper::look_()
{
    if (QApplication::activeWindow() || QApplication::activePopupWidget() || ++m_looks > kLooks) {
        m_timer.stop();
        return;
    }
    const quint64 focus = m_x.focus();
    if (!focus)
        return;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible() && w->internalWinId() == focus) {
            qInfo("focus: the X focus is on %s while no window counts as active; it is handed over again",
                w->metaObject()->className());
            m_timer.stop();
            m_x.refocus(focus);
            return;
        }
    }
}
