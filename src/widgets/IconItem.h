#pragma once

#include <QFont>
#include <QGraphicsObject>
#include <QPen>
#include <QPixmap>

#include <array>

// One tile slot of the icon grid: an icon, four corner badges, a focus frame
// (or status picture) on top and a label below. The grid owns a fixed pool of
// these and copies entry pictures into them when it pages.
class IconItem : public QGraphicsObject
{
    Q_OBJECT

public:
    static constexpr int LayerCount = 6;

    IconItem(const QSizeF& size, int textOffset, int id, QGraphicsItem* parent = nullptr);

    // Layer 0 is the icon and clears the badges (layers 1 to 4); layers 1 to
    // 5 are ignored while there is no icon.
    void setPixmap(const QPixmap& pixmap, int layer);
    QPixmap pixmap(int layer) const;
    void setText(const QString& text);
    QString text() const { return m_text; }
    void setFont(const QFont& font);
    QFont font() const { return m_font; }
    void setPen(const QPen& pen);
    QPen pen() const { return m_pen; }
    int id() const { return m_id; }
    bool isClickable() const { return m_clickable; }
    // Empty slot: no icon, no frame, no label, not clickable.
    void clear();

    QRectF boundingRect() const override;
    QPainterPath shape() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

signals:
    void itemClicked(int id);

protected:
    void hoverEnterEvent(QGraphicsSceneHoverEvent* event) override;
    void hoverLeaveEvent(QGraphicsSceneHoverEvent* event) override;
    void mousePressEvent(QGraphicsSceneMouseEvent* event) override;

private:
    QRectF iconRect_() const;
    QRectF textRect_() const;

    QRectF m_rect;
    std::array<QPixmap, LayerCount> m_layers;
    QFont m_font;
    QPen m_pen;
    QString m_text;
    int m_textOffset = 0;
    int m_id = 0;
    bool m_clickable = false;
};
