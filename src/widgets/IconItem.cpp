#include "widgets/IconItem.h"

#include <QCursor>
#include <QGraphicsScene>
#include <QGraphicsSceneMouseEvent>
#include <QPainter>

#include <algorithm>

IconItem::IconItem(const QSizeF& size, int textOffset, int id, QGraphicsItem* parent)
    : QGraphicsObject(parent)
    , m_rect(-size.width() / 2, -size.height() / 2, size.width(), size.height())
    , m_font(QStringLiteral("WenQuanYi Zen Hei"), 30)
    , m_pen(QColor::fromRgba(0xFFA8A8A8))
    , m_textOffset(textOffset)
    , m_id(id)
{
    setAcceptHoverEvents(true);
}

void IconItem::setPixmap(const QPixmap& pixmap, int layer)
{
    if (layer < 0 || layer >= LayerCount)
        return;
    if (layer == 0) {
        // The grid refills its slots on every page change; an unchanged
        // slot must not repaint.
        const auto noBadge = [this] {
            return std::all_of(m_layers.begin() + 1, m_layers.begin() + 5, [](const QPixmap& p) { return p.isNull(); });
        };
        if (m_layers[0].cacheKey() == pixmap.cacheKey() && noBadge())
            return;
        m_layers[0] = pixmap;
        m_clickable = !pixmap.isNull();
        for (int i = 1; i <= 4; ++i)
            m_layers[i] = QPixmap();
    } else {
        if (m_layers[0].isNull() || m_layers[layer].cacheKey() == pixmap.cacheKey())
            return;
        m_layers[layer] = pixmap;
    }
    prepareGeometryChange();
    update();
}

QPixmap IconItem::pixmap(int layer) const
{
    if (layer < 0 || layer >= LayerCount)
        return QPixmap();
    return m_layers[layer];
}

void IconItem::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    update();
}

void IconItem::setFont(const QFont& font)
{
    m_font = font;
    update();
}

void IconItem::setPen(const QPen& pen)
{
    m_pen = pen;
    update();
}

void IconItem::clear()
{
    for (QPixmap& p : m_layers)
        p = QPixmap();
    m_text.clear();
    m_clickable = false;
    prepareGeometryChange();
    update();
}

QRectF IconItem::iconRect_() const
{
    const QSizeF s = m_layers[0].deviceIndependentSize();
    return QRectF(-s.width() / 2, -s.height() / 2, s.width(), s.height());
}

QRectF IconItem::textRect_() const
{
    return QRectF(m_rect.left(), m_rect.bottom() + m_textOffset, m_rect.width(), m_rect.height());
}

// Everything paint() may touch, the label below the tile and a frame larger
// than the tile included: the grid repaints only what changed.
QRectF IconItem::boundingRect() const
{
    QRectF r = m_rect.united(textRect_());
    if (const QPixmap& top = m_layers[5]; !top.isNull()) {
        const QSizeF t = top.deviceIndependentSize();
        r = r.united(QRectF(-t.width() / 2, -t.height() / 2, t.width(), t.height()));
    }
    return r;
}

QPainterPath IconItem::shape() const
{
    QPainterPath path;
    if (!m_clickable)
        return path;
    path.addRect(m_layers[0].isNull() ? m_rect : iconRect_());
    return path;
}

void IconItem::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    if (!m_layers[0].isNull()) {
        const QRectF icon = iconRect_();
        painter->drawPixmap(icon.topLeft(), m_layers[0]);
        // Badges sit 30 units in from their corner of the icon.
        constexpr qreal inset = 30;
        for (int layer = 1; layer <= 4; ++layer) {
            const QPixmap& badge = m_layers[layer];
            if (badge.isNull())
                continue;
            const QSizeF b = badge.deviceIndependentSize();
            const bool right = layer == 2 || layer == 4;
            const bool bottom = layer == 3 || layer == 4;
            const qreal cx = right ? icon.right() - inset - b.width() / 2 : icon.left() + inset + b.width() / 2;
            const qreal cy = bottom ? icon.bottom() - inset - b.height() / 2 : icon.top() + inset + b.height() / 2;
            painter->drawPixmap(QPointF(cx - b.width() / 2, cy - b.height() / 2), badge);
        }
        const QPixmap& top = m_layers[5];
        if (!top.isNull()) {
            const QSizeF t = top.deviceIndependentSize();
            painter->drawPixmap(QPointF(-t.width() / 2, -t.height() / 2), top);
        }
    }
    if (!m_text.isEmpty()) {
        painter->setFont(m_font);
        painter->setPen(m_pen);
        painter->drawText(textRect_(), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, m_text);
    }
}

void IconItem::hoverEnterEvent(QGraphicsSceneHoverEvent*) { setCursor(Qt::PointingHandCursor); }

void IconItem::hoverLeaveEvent(QGraphicsSceneHoverEvent*) { setCursor(Qt::ArrowCursor); }

void IconItem::mousePressEvent(QGraphicsSceneMouseEvent* event)
{
    event->accept();
    // A click is complete on the press: keep no grab that a modal launch
    // started from here could leave dangling.
    if (scene() && scene()->mouseGrabberItem() == this)
        ungrabMouse();
    emit itemClicked(m_id);
}
