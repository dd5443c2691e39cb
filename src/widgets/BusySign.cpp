#include "widgets/BusySign.h"

#include "widgets/ScreenScale.h"

#include "appliance/CommandWorker.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>

namespace {

constexpr int kSteps = 12;

// Keys that come while an action waits behind the sign are held, and handed
// in their order to where the action leaves the focus: a viewer who pressed
// OK on Settings and then Down meant the settings' Down. They are posted
// before the action runs, so that a dialog it runs gets them inside its own
// loop, and each goes, when its turn comes, to a window the action showed
// (it may not be active yet while the window manager hands it the focus),
// else where keys go by then.
class KeyHold : public QObject
{
public:
    static void acquire()
    {
        KeyHold* hold = instance();
        if (s_count++ > 0)
            return;
        hold->m_before.clear();
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible())
                hold->m_before << w;
        qApp->installEventFilter(hold);
    }
    static void release()
    {
        if (s_count == 0 || --s_count > 0)
            return;
        KeyHold* hold = instance();
        qApp->removeEventFilter(hold);
        for (const Key_s& k : std::exchange(hold->m_keys, {}))
            QCoreApplication::postEvent(hold, new Held(k, hold->m_before));
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        m_keys.append({event->type(), key->key(), key->modifiers(), key->text(), key->isAutoRepeat()});
        return true;
    }
    bool event(QEvent* event) override
    {
        if (event->type() != Held::type())
            return QObject::event(event);
        const auto* held = static_cast<Held*>(event);
        if (QWidget* target = targetAfter_(held->before)) {
            const Key_s& k = held->key;
            QKeyEvent key(k.type, k.key, k.modifiers, k.text, k.repeat);
            QCoreApplication::sendEvent(target, &key);
        }
        return true;
    }

private:
    struct Key_s {
        QEvent::Type type;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        bool repeat;
    };
    struct Held : QEvent {
        Held(const Key_s& k, const QList<QPointer<QWidget>>& shown)
            : QEvent(type())
            , key(k)
            , before(shown)
        {
        }
        static QEvent::Type type()
        {
            static const auto registered = QEvent::Type(QEvent::registerEventType());
            return registered;
        }
        Key_s key;
        QList<QPointer<QWidget>> before;
    };

    static QWidget* targetAfter_(const QList<QPointer<QWidget>>& before)
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            return popup->focusWidget() ? popup->focusWidget() : popup;
        if (QWidget* modal = QApplication::activeModalWidget())
            return modal->focusWidget() ? modal->focusWidget() : modal;
        for (QWidget* w : QApplication::topLevelWidgets()) {
            if (w->isVisible() && !before.contains(w) && !(w->windowFlags() & Qt::ToolTip) && w->focusWidget())
                return w->focusWidget();
        }
        return QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
    }
    static KeyHold* instance()
    {
        static KeyHold* hold = new KeyHold;
        return hold;
    }

    QList<Key_s> m_keys;
    QList<QPointer<QWidget>> m_before;
    static inline int s_count = 0;
};

} // namespace

BusySign::BusySign(QWidget* window)
    : QWidget(window)
    , m_turn(new QTimer(this))
{
    setObjectName(QStringLiteral("busySign"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    m_turn->setInterval(90);
    QObject::connect(m_turn, &QTimer::timeout, this, [this] {
        m_step = (m_step + 1) % kSteps;
        update();
    });
    QWidget::hide();
}

BusySign* BusySign::of(QWidget* window)
{
    return window ? window->window()->findChild<BusySign*>(QStringLiteral("busySign"), Qt::FindDirectChildrenOnly)
                  : nullptr;
}

bool BusySign::show(QWidget* window)
{
    // Nothing to show on a window not on the screen yet (one being shown
    // reads its values first, before its first frame).
    const QWindow* handle = window ? window->window()->windowHandle() : nullptr;
    if (!handle || !handle->isExposed())
        return false;
    BusySign* sign = of(window);
    if (!sign)
        sign = new BusySign(window->window());
    if (sign->m_shown++ > 0)
        return true;
    sign->place_();
    sign->raise();
    sign->QWidget::show();
    sign->m_turn->start();
    // Now, not when the event loop comes back: the wait may hold it.
    sign->repaint();
    return true;
}

void BusySign::hide(QWidget* window)
{
    BusySign* sign = of(window);
    if (!sign || sign->m_shown == 0 || --sign->m_shown > 0)
        return;
    sign->m_turn->stop();
    sign->QWidget::hide();
}

void BusySign::place_()
{
    const QWidget* window = parentWidget();
    const int side = ScreenScale(window->screen() ? window->screen()->size() : window->size()).x(120);
    setGeometry((window->width() - side) / 2, (window->height() - side) / 2, side, side);
}

void BusySign::paintEvent(QPaintEvent*)
{
    ++m_paints;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal r = width() / 2.0;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 140));
    p.drawEllipse(rect());
    // Twelve dots round the ring, the one at the step brightest.
    const qreal dot = r / 7;
    for (int i = 0; i < kSteps; ++i) {
        const int age = (m_step - i + kSteps) % kSteps;
        p.setBrush(QColor(0, 216, 255, 255 - age * 18));
        p.save();
        p.translate(r, r);
        p.rotate(i * 360.0 / kSteps);
        p.drawEllipse(QPointF(0, -r * 0.62), dot, dot);
        p.restore();
    }
}

void BusySign::afterCommands(QWidget* window, std::function<void()> fn)
{
    if (CommandWorker::pending() == 0) {
        fn();
        return;
    }
    // The worker answers in order: once this empty job is handed over, every
    // job posted before it has its answer.
    const bool shown = show(window);
    KeyHold::acquire();
    QPointer<QWidget> shownOver(window);
    // Never dropped: the held keys must come back even when the window went.
    CommandWorker::post(qApp, {}, [shownOver, shown, fn = std::move(fn)] {
        if (shown)
            hide(shownOver);
        KeyHold::release();
        if (shownOver)
            fn();
    });
}

BusySign::Scope::Scope(QWidget* window)
    : m_window(window)
    , m_shown(BusySign::show(window))
{
}

BusySign::Scope::~Scope()
{
    if (m_shown)
        BusySign::hide(m_window);
}
