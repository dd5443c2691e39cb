#pragma once

#include <QFont>
#include <QGraphicsView>
#include <QList>
#include <QPen>
#include <QPixmap>

#include <array>

class IconItem;
class QLabel;
class QTimer;

// The paged tile grid of the home screen and of the settings' application
// pages. A fixed pool of page items shows a window of whole rows over a longer
// list of entries; the selected tile is zoomed and framed while the grid has
// the focus, and only then. The owner hears when the user leaves an edge so it
// can move the focus to its buttons.
class MultiIconViewV : public QGraphicsView
{
    Q_OBJECT

public:
    static constexpr int LayerCount = 6;

    MultiIconViewV(const QSize& grid, const QSizeF& itemSize, const QSizeF& spacing, double focusScale, int mode,
        QWidget* parent = nullptr);
    ~MultiIconViewV() override;

    // Entries. add() scales the picture to the tile once (the default picture
    // when null) and does not refresh the page.
    bool add(const QPixmap& pixmap, const QString& text, int pos = -1);
    bool del(int index);
    void delAll(int reset);
    bool setIcon(const QPixmap& pixmap, int index, int layer);
    bool setText(const QString& text, int index);
    bool setFlag(int value, int index);
    int flag(int index) const;
    QPixmap icon(int index, int layer) const;
    QString text(int index) const;

    // Style of every page item (hides QWidget's font of the view itself).
    void setFont(const QFont& font);
    void setPen(const QPen& pen);
    QFont font() const { return m_font; }
    QPen pen() const { return m_pen; }

    int count() const { return int(m_texts.size()); }
    int select() const { return m_select; }
    // index < 0 only takes the zoom, frame and page markers away; the stored
    // selection stays. Without the focus the selection is stored and paged
    // to, and they show when the focus comes.
    void setSelect(int index);

    bool moveLeft();
    bool moveRight();
    bool moveUp();
    bool moveDown();

    // Read-only views for the owner and for tests.
    int pageStart() const { return m_pageStart; }
    int pageSize() const { return m_pageSize; }
    QSize grid() const { return m_grid; }
    QSizeF itemSize() const { return m_itemRect.size(); }
    const IconItem* pageItem(int slot) const;
    bool previousMarkerVisible() const;
    bool nextMarkerVisible() const;
    QLabel* previousMarker() const { return m_previous; }
    QLabel* nextMarker() const { return m_next; }

signals:
    void itemSelected(int index);
    void itemEntered(int index);
    void focusExit();
    void topMost();
    void bottomMost();
    // The grid is drawn larger than the pictures it keeps: the owner may set
    // them again from their sources (setIcon) to have them sharp.
    void sharperPicturesWanted();

public slots:
    void itemClicked(int id);

protected:
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap scaledToTile_(const QPixmap& pixmap);
    QPixmap atPictureScale_(const QPixmap& pixmap, const QSize& tile, Qt::TransformationMode mode) const;
    void fitPictures_();
    const QPixmap& focusFrame_(bool off);
    int pageStartFor_(int index) const;
    void fillSlot_(int slot);
    void zoomSlot_(int slot);
    bool isOnPage_(int index) const;

    QList<IconItem*> m_items;
    std::array<QList<QPixmap>, LayerCount> m_layers;
    QList<QString> m_texts;
    QList<int> m_flags;
    QRectF m_sceneRect;
    QRectF m_itemRect;
    QSize m_grid;
    QSizeF m_spacing;
    double m_focusScale = 1.2;
    QFont m_font;
    QPen m_pen;
    QLabel* m_previous = nullptr;
    QLabel* m_next = nullptr;
    int m_pageStart = -1;
    int m_select = -1;
    int m_pageSize = 0;
    QSize m_rememberedSize;
    // Pixels per scene unit of the kept tile pictures: the zoomed tile's size
    // on the screen, so a 1080p grid does not hold pictures for a 4K one.
    qreal m_pictureScale = 1.0;
    QTimer* m_fitPictures = nullptr;

    // The focus frames scaled to the tile once, not on every page change, and
    // the scaled copies add() hands out again.
    QPixmap m_focusOn, m_focusOff;
    QPixmap m_defaultTile;
    QPixmap m_lastScaled;
    qint64 m_lastSourceKey = 0;
};
