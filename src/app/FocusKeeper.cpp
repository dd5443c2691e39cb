#include "app/FocusKeeper.h"

#include "app/XFocus.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QWidget>

#include <xcb/xproto.h>

// What the keeper did, in "focus:" lines; its looks at debug level.
Q_LOGGING_CATEGORY(lcFocus, "ivo.focus", QtInfoMsg)

namespace {

// Hands the keeper the window manager's changes of its active window, from the
// events of the root window's properties.
class ActiveWindowFilter : public QAbstractNativeEventFilter
{
public:
    ActiveWindowFilter(FocusKeeper* keeper, quint32 atom, quint32 root)
        : m_keeper(keeper)
        , m_atom(atom)
        , m_root(root)
    {
    }
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type != "xcb_generic_event_t")
            return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
        if (change->window == m_root && change->atom == m_atom)
            m_keeper->activeWindowChanged();
        return false;
    }

private:
    FocusKeeper* m_keeper;
    quint32 m_atom;
    quint32 m_root;
};

} // namespace

FocusKeeper::FocusKeeper(XServer_s x, QObject* parent)
    : QObject(parent)
    , m_x(std::move(x))
    , m_timer(this)
{
    m_timer.setInterval(kLookMs);
    connect(&m_timer, &QTimer::timeout, this, &FocusKeeper::look_);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now)
            m_lastActive = now->window();
        else
            watch_();
    });
    // A menu that closes gives the keys back to the active window; a window that closed while the menu was open
    // left none, and no focus change says so.
    qApp->installEventFilter(this);
}

bool FocusKeeper::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Hide && watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
        watch_();
    return false;
}

void FocusKeeper::watch_()
{
    qCDebug(lcFocus, "focus: watching%s", m_timer.isActive() ? " again" : "");
    // News during the looks gives them their full count again: the last look may have come before it.
    m_looks = 0;
    if (!m_timer.isActive())
        m_timer.start();
}

FocusKeeper* FocusKeeper::install(QObject* parent)
{
    // The offscreen platform answers for X too, without a display.
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    auto* display = x11 ? x11->display() : nullptr;
    if (!display)
        return nullptr;
    xcb_connection_t* connection = x11->connection();
    unsigned long atom = 0, root = 0;
    xWatchActiveWindow(display, &atom, &root);
    auto* keeper = new FocusKeeper(
        {[display] { return quint64(xInputFocus(display)); },
            [display, atom]() -> std::optional<quint64> {
                bool named = false;
                const unsigned long window = xActiveWindow(display, atom, &named);
                return named ? std::optional<quint64>(window) : std::nullopt;
            },
            [connection](quint64 window) { return xWindowShown(connection, window); },
            [display](quint64 window) { xRefocus(display, window); }, [](QWidget* w) { w->activateWindow(); },
            [](QWidget* w) { QApplication::setActiveWindow(w); }},
        parent);
    keeper->m_activeWindowFilter = std::make_unique<ActiveWindowFilter>(keeper, quint32(atom), quint32(root));
    qApp->installNativeEventFilter(keeper->m_activeWindowFilter.get());
    return keeper;
}

void FocusKeeper::activeWindowChanged()
{
    // With a window of ours active, Qt hears of everything itself.
    qCDebug(lcFocus, "focus: the window manager names another active window%s",
        QApplication::activeWindow() ? ", with one of ours active" : "");
    if (!QApplication::activeWindow())
        watch_();
}

void FocusKeeper::look_()
{
    // An open menu has the keys; Qt's widgets hear of window changes again once it closed.
    if (QApplication::activePopupWidget())
        return;
    if (QApplication::activeWindow() || ++m_looks > kLooks) {
        m_timer.stop();
        return;
    }
    const quint64 focus = m_x.focus();
    const std::optional<quint64> active = m_x.active();
    // A window the window manager still names after it went (or was withdrawn) is in front of nobody.
    const bool gone = active && *active && !m_x.shown(*active);
    qCDebug(lcFocus, "focus: look %d, X focus 0x%llx, active %s%s", m_looks, focus,
        active ? qPrintable(QString::number(*active, 16)) : "unnamed", gone ? " (not shown)" : "");
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (focus && w->isVisible() && w->internalWinId() == focus) {
            qCInfo(lcFocus, "focus: the X focus is on %s while no window counts as active; it is handed over again",
                w->metaObject()->className());
            m_timer.stop();
            // A window a modal dialog blocks gives the keys to the dialog.
            if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible() && modal != w)
                m_x.activate(modal);
            else if (QGuiApplication::focusWindow() && QGuiApplication::focusWindow() == w->windowHandle())
                m_x.adopt(w);
            else
                m_x.refocus(focus);
            return;
        }
    }
    if (active != std::optional<quint64>(0) && !gone)
        return;
    if (QWidget* w = windowToActivate_()) {
        qCInfo(lcFocus, "focus: the window manager has no shown window active; %s is activated",
            w->metaObject()->className());
        m_timer.stop();
        m_x.activate(w);
    }
}

QWidget* FocusKeeper::windowToActivate_() const
{
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal->isVisible())
        return modal;
    if (m_lastActive && m_lastActive->isVisible())
        return m_lastActive;
    QWidget* own = qobject_cast<QWidget*>(parent());
    return own && own->window()->isVisible() ? own->window() : nullptr;
}
