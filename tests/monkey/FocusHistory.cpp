#include "FocusHistory.h"

#include "MonkeyDriver.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>

namespace {

constexpr int kKept = 60;
FocusHistory* g_current = nullptr;

const char* detailName(quint8 detail)
{
    static const char* const names[]
        = {"Ancestor", "Virtual", "Inferior", "Nonlinear", "NonlinearVirtual", "Pointer", "PointerRoot", "None"};
    return detail < 8 ? names[detail] : "?";
}

const char* modeName(quint8 mode)
{
    static const char* const names[] = {"Normal", "Grab", "Ungrab", "WhileGrabbed"};
    return mode < 4 ? names[mode] : "?";
}

} // namespace

FocusHistory::FocusHistory()
{
    m_clock.start();
    g_current = this;
    connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* w) {
        note(
            QStringLiteral("Qt focus window: %1").arg(w ? w->title() + '/' + w->objectName() : QStringLiteral("none")));
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        note(QStringLiteral("Qt focus widget: %1 in %2").arg(nameOf(now), nameOf(now ? now->window() : nullptr)));
    });
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (xcb_connection_t* c = x11 ? x11->connection() : nullptr; c && x11->display()) {
        m_root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
        static const char name[] = "_NET_ACTIVE_WINDOW";
        if (xcb_intern_atom_reply_t* r
            = xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, sizeof name - 1, name), nullptr)) {
            m_activeAtom = r->atom;
            free(r);
        }
        qApp->installNativeEventFilter(this);
    }
}

FocusHistory::~FocusHistory()
{
    if (g_current == this)
        g_current = nullptr;
    qApp->removeNativeEventFilter(this);
}

FocusHistory* FocusHistory::current() { return g_current; }

void FocusHistory::note(const QString& what)
{
    QMutexLocker lock(&m_mutex);
    m_lines << QStringLiteral("%1 %2").arg(m_clock.elapsed(), 8).arg(what);
    if (m_lines.size() > kKept)
        m_lines.removeFirst();
}

QString FocusHistory::text() const
{
    QMutexLocker lock(&m_mutex);
    return m_lines.join('\n');
}

QString FocusHistory::windowName_(quint32 window)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->internalWinId() == window)
            return nameOf(w) + (w->isVisible() ? QString() : QStringLiteral(" (hidden)"));
    return QStringLiteral("0x%1").arg(window, 0, 16);
}

bool FocusHistory::nativeEventFilter(const QByteArray& type, void* message, qintptr*)
{
    if (type != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    switch (event->response_type & 0x7f) {
    case XCB_FOCUS_IN:
    case XCB_FOCUS_OUT: {
        const auto* f = static_cast<const xcb_focus_in_event_t*>(message);
        note(QStringLiteral("X focus %1 %2 (%3, %4)")
                 .arg((event->response_type & 0x7f) == XCB_FOCUS_IN ? "in" : "out", windowName_(f->event),
                     detailName(f->detail), modeName(f->mode)));
        break;
    }
    case XCB_PROPERTY_NOTIFY: {
        const auto* p = static_cast<const xcb_property_notify_event_t*>(message);
        if (p->window != m_root || p->atom != m_activeAtom)
            break;
        auto* c = qGuiApp->nativeInterface<QNativeInterface::QX11Application>()->connection();
        QString active = QStringLiteral("unnamed");
        if (xcb_get_property_reply_t* r
            = xcb_get_property_reply(c, xcb_get_property(c, 0, m_root, m_activeAtom, XCB_ATOM_WINDOW, 0, 1), nullptr)) {
            if (xcb_get_property_value_length(r) == 4)
                active = windowName_(*static_cast<const quint32*>(xcb_get_property_value(r)));
            free(r);
        }
        note(QStringLiteral("the window manager's active window: %1").arg(active));
        break;
    }
    default:
        break;
    }
    return false;
}
