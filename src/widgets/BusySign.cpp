#include "widgets/BusySign.h"

#include "widgets/ScreenScale.h"

#include "appliance/CommandWorker.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>

namespace {

constexpr int kSteps = 12;

// Keys that come while an action waits behind the sign are held and handed,
// in their order, to whatever has the focus once it is done: a viewer who
// pressed OK on Settings and then Down meant the settings' Down.
class KeyHold : public QObject
{
public:
    static void acquire()
    {
        if (s_count++ == 0)
            qApp->installEventFilter(instance());
    }
    static void release()
    {
        if (s_count == 0 || --s_count > 0)
            return;
        qApp->removeEventFilter(instance());
        for (const Key_s& k : std::exchange(instance()->m_keys, {})) {
            QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : QApplication::activeWindow();
            if (target)
                QCoreApplication::postEvent(target, new QKeyEvent(k.type, k.key, k.modifiers, k.text, k.repeat));
        }
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

private:
    struct Key_s {
        QEvent::Type type;
        int key;
        Qt::KeyboardModifiers modifiers;
        QString text;
        bool repeat;
    };
    static KeyHold* instance()
    {
        static KeyHold* hold = new KeyHold;
        return hold;
    }

    QList<Key_s> m_keys;
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

void BusySign::show(QWidget* window)
{
    if (!window)
        return;
    BusySign* sign = of(window);
    if (!sign)
        sign = new BusySign(window->window());
    if (sign->m_shown++ > 0)
        return;
    sign->place_();
    sign->raise();
    sign->QWidget::show();
    sign->m_turn->start();
    // Now, not when the event loop comes back: the wait may hold it.
    sign->repaint();
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
    show(window);
    KeyHold::acquire();
    QPointer<QWidget> shownOver(window);
    // Never dropped: the held keys must come back even when the window went.
    CommandWorker::post(qApp, {}, [shownOver, fn = std::move(fn)] {
        hide(shownOver);
        if (shownOver)
            fn();
        KeyHold::release();
    });
}

BusySign::Scope::Scope(QWidget* window)
    : m_window(window)
{
    BusySign::show(window);
}

BusySign::Scope::~Scope() { BusySign::hide(m_window); }
