#include "widgets/MultiIconViewV.h"

#include "widgets/IconItem.h"

#include <QDebug>
#include <QFocusEvent>
#include <QGraphicsScene>
#include <QHash>
#include <QKeyEvent>
#include <QLabel>
#include <QResizeEvent>
#include <QTimer>
#include <QWheelEvent>

MultiIconViewV::MultiIconViewV(
    const QSize& grid, const QSizeF& itemSize, const QSizeF& spacing, double focusScale, int mode, QWidget* parent)
    : QGraphicsView(parent)
    , m_grid(grid)
    , m_spacing(spacing)
    , m_focusScale(focusScale)
    , m_font(QStringLiteral("WenQuanYi Zen Hei"), 30)
    , m_pen(QColor::fromRgba(0xFFA8A8A8))
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    // A move repaints the tiles it changes (their labels and frames are in
    // their bounding rectangles), not the whole grid.
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    setCacheMode(QGraphicsView::CacheNone);
    setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing | QPainter::SmoothPixmapTransform);
    setFrameShape(QFrame::NoFrame);
    // The wallpaper behind the grid shows through.
    setStyleSheet(QStringLiteral("background: transparent"));
    viewport()->setAutoFillBackground(false);

    if (m_grid.width() < 1 || m_grid.height() < 1)
        m_grid = QSize(3, 2);
    if (m_spacing.width() < 0 || m_spacing.height() < 0)
        m_spacing = QSizeF(20, 20);
    QSizeF item = itemSize;
    if (item.width() <= 0 || item.height() <= 0)
        item = QSizeF(20, 20);
    if (m_focusScale < 1.0)
        m_focusScale = 1.2;
    m_itemRect = QRectF(-item.width() / 2, -item.height() / 2, item.width(), item.height());

    const int cols = m_grid.width();
    const int rows = m_grid.height();
    const qreal cellW = item.width() + m_spacing.width();
    const qreal cellH = item.height() + m_spacing.height();
    const qreal sceneW = cellW * cols;
    const qreal sceneH = mode == 0 ? cellH * rows + cellH / 4 : cellH * rows + cellH / 2;
    m_sceneRect = QRectF(-sceneW / 2, -sceneH / 2, sceneW, sceneH);

    auto* scene = new QGraphicsScene(m_sceneRect, this);
    scene->setItemIndexMethod(QGraphicsScene::NoIndex);
    setScene(scene);

    m_pageSize = mode == 0 ? cols * rows : cols * (rows + 1);
    m_items.reserve(m_pageSize);
    for (int s = 0; s < m_pageSize; ++s) {
        auto* it = new IconItem(item, 0, s);
        it->setPos(
            m_sceneRect.left() + cellW / 2 + (s % cols) * cellW, m_sceneRect.top() + cellH / 2 + (s / cols) * cellH);
        it->setFont(m_font);
        it->setPen(m_pen);
        scene->addItem(it);
        connect(it, &IconItem::itemClicked, this, &MultiIconViewV::itemClicked);
        m_items.append(it);
    }

    m_previous = new QLabel(this);
    m_previous->setStyleSheet(QStringLiteral("border-image: url(:/images/previous_on.png);"));
    m_previous->hide();
    m_next = new QLabel(this);
    m_next->setStyleSheet(QStringLiteral("border-image: url(:/images/next_on.png);"));
    m_next->hide();

    // Pictures are fitted to a new size once the window has settled, not
    // while its first frame waits.
    m_fitPictures = new QTimer(this);
    m_fitPictures->setSingleShot(true);
    m_fitPictures->setInterval(0);
    connect(m_fitPictures, &QTimer::timeout, this, &MultiIconViewV::fitPictures_);
}

MultiIconViewV::~MultiIconViewV() = default;

// A copy of pixmap at tile scene units, m_pictureScale pixels each; its device
// pixel ratio keeps it drawn at the tile's size in the scene.
QPixmap MultiIconViewV::atPictureScale_(const QPixmap& pixmap, const QSize& tile, Qt::TransformationMode mode) const
{
    if (pixmap.isNull())
        return pixmap;
    const QSize pixels = (QSizeF(tile) * m_pictureScale).toSize().expandedTo(QSize(1, 1));
    QPixmap scaled = pixmap.scaled(pixels, Qt::KeepAspectRatio, mode);
    // The ratio of whole pixels, so that a full tile is exactly a tile.
    scaled.setDevicePixelRatio(qreal(pixels.width()) / qMax(1, tile.width()));
    return scaled;
}

QPixmap MultiIconViewV::scaledToTile_(const QPixmap& pixmap)
{
    const QSize tile = m_itemRect.size().toSize();
    if (pixmap.isNull()) {
        // One scaled copy of the default picture serves every entry without one.
        if (m_defaultTile.isNull()) {
            const QPixmap fallback(QStringLiteral(":/images/default.png"));
            m_defaultTile = atPictureScale_(fallback, tile, Qt::SmoothTransformation);
        }
        return m_defaultTile;
    }
    // The same picture added again (one icon for several entries) shares the
    // scaled copy instead of holding another one.
    if (pixmap.cacheKey() != m_lastSourceKey) {
        m_lastScaled
            = atPictureScale_(pixmap, tile, m_pictureScale < 1.0 ? Qt::SmoothTransformation : Qt::FastTransformation);
        m_lastSourceKey = pixmap.cacheKey();
    }
    return m_lastScaled;
}

const QPixmap& MultiIconViewV::focusFrame_(bool off)
{
    QPixmap& frame = off ? m_focusOff : m_focusOn;
    if (frame.isNull()) {
        // Read past the pixmap cache: only the scaled frame is kept.
        const QPixmap source = QPixmap::fromImage(
            QImage(off ? QStringLiteral(":/images/app_focus_off.png") : QStringLiteral(":/images/app_focus.png")));
        frame = atPictureScale_(source, m_itemRect.size().toSize(), Qt::SmoothTransformation);
    }
    return frame;
}

bool MultiIconViewV::add(const QPixmap& pixmap, const QString& text, int pos)
{
    const int n = count();
    if (pos < 0 || pos > n)
        pos = n;
    m_layers[0].insert(pos, scaledToTile_(pixmap));
    for (int layer = 1; layer < LayerCount; ++layer)
        m_layers[layer].insert(pos, QPixmap());
    m_texts.insert(pos, text);
    m_flags.insert(pos, 0);
    return true;
}

bool MultiIconViewV::del(int index)
{
    if (index < 0 || index >= count())
        return false;
    for (auto& list : m_layers)
        list.removeAt(index);
    m_texts.removeAt(index);
    m_flags.removeAt(index);
    const int clamped = qMin(m_select, count() - 1);
    if (clamped < 0) {
        // Nothing left to select: the page empties on the next line.
        m_select = -1;
    }
    setSelect(clamped);
    return true;
}

void MultiIconViewV::delAll(int reset)
{
    for (auto& list : m_layers)
        list.clear();
    m_texts.clear();
    m_flags.clear();
    // No entry is left to be selected or to start a page with.
    m_select = -1;
    m_pageStart = -1;
    if (reset != 0)
        setSelect(-1);
}

bool MultiIconViewV::isOnPage_(int index) const
{
    return m_pageStart >= 0 && index >= m_pageStart && index < m_pageStart + m_pageSize;
}

bool MultiIconViewV::setIcon(const QPixmap& pixmap, int index, int layer)
{
    if (index < 0 || index >= count() || layer < 0 || layer >= LayerCount)
        return false;
    m_layers[layer][index] = layer == 0 ? scaledToTile_(pixmap) : pixmap;
    if (isOnPage_(index))
        fillSlot_(index - m_pageStart);
    return true;
}

bool MultiIconViewV::setText(const QString& text, int index)
{
    if (index < 0 || index >= count())
        return false;
    m_texts[index] = text;
    if (isOnPage_(index))
        m_items[index - m_pageStart]->setText(text);
    return true;
}

bool MultiIconViewV::setFlag(int value, int index)
{
    if (index < 0 || index >= count())
        return false;
    m_flags[index] = value;
    return true;
}

int MultiIconViewV::flag(int index) const { return index >= 0 && index < count() ? m_flags[index] : 0; }

QPixmap MultiIconViewV::icon(int index, int layer) const
{
    if (index < 0 || index >= count() || layer < 0 || layer >= LayerCount)
        return QPixmap();
    return m_layers[layer][index];
}

QString MultiIconViewV::text(int index) const { return index >= 0 && index < count() ? m_texts[index] : QString(); }

void MultiIconViewV::setFont(const QFont& font)
{
    m_font = font;
    for (IconItem* it : m_items)
        it->setFont(font);
}

void MultiIconViewV::setPen(const QPen& pen)
{
    m_pen = pen;
    for (IconItem* it : m_items)
        it->setPen(pen);
}

const IconItem* MultiIconViewV::pageItem(int slot) const
{
    return slot >= 0 && slot < m_items.size() ? m_items[slot] : nullptr;
}

bool MultiIconViewV::previousMarkerVisible() const { return !m_previous->isHidden(); }

bool MultiIconViewV::nextMarkerVisible() const { return !m_next->isHidden(); }

int MultiIconViewV::pageStartFor_(int index) const
{
    const int cols = m_grid.width();
    const int rows = m_grid.height();
    const int n = count();
    int start;
    if (index < ((rows + 1) / 2) * cols)
        start = 0;
    else if (index / cols + 1 < (n - 1) / cols)
        start = (index / cols - rows / 2) * cols; // keep the selected row in the middle
    else
        start = ((n + cols - 1) / cols - rows) * cols; // the last full page
    // Fewer rows than a page (possible with the extra row of mode 1).
    return qMax(start, 0);
}

void MultiIconViewV::fillSlot_(int slot)
{
    IconItem* it = m_items[slot];
    const int entry = m_pageStart + slot;
    if (entry < 0 || entry >= count()) {
        it->clear();
        return;
    }
    for (int layer = 0; layer < LayerCount; ++layer)
        it->setPixmap(m_layers[layer][entry], layer);
    it->setText(m_texts[entry]);
    if (entry == m_select && !it->transform().isIdentity())
        it->setPixmap(focusFrame_(m_flags[entry] != 0), 5);
}

void MultiIconViewV::zoomSlot_(int slot)
{
    IconItem* it = m_items[slot];
    it->setTransform(QTransform::fromScale(m_focusScale, m_focusScale));
    it->setZValue(1); // the zoomed tile overlaps its neighbours
    it->setPixmap(focusFrame_(m_flags[m_pageStart + slot] != 0), 5);
}

void MultiIconViewV::setSelect(int index)
{
    if (index < 0) {
        for (IconItem* it : m_items) {
            it->setTransform(QTransform());
            it->setZValue(0);
        }
        if (m_pageStart >= 0) {
            for (int s = 0; s < m_pageSize; ++s) {
                const int entry = m_pageStart + s;
                const bool off = entry < count() && m_flags[entry] != 0;
                m_items[s]->setPixmap(off ? m_layers[5][entry] : QPixmap(), 5);
            }
        }
        if (m_select < 0 && count() == 0) {
            for (IconItem* it : m_items)
                it->clear();
        }
        m_previous->hide();
        m_next->hide();
        return;
    }
    const int n = count();
    if (n == 0)
        return;
    index = qMin(index, n - 1);
    const int cols = m_grid.width();
    const bool shown = hasFocus();
    m_pageStart = pageStartFor_(index);
    m_previous->setVisible(shown && index >= cols);
    m_next->setVisible(shown && index / cols + 1 < (n + cols - 1) / cols);
    // Every slot is filled again (entries may have come or gone since); a
    // slot whose pictures and label stay the same does not repaint.
    for (int s = 0; s < m_pageSize; ++s) {
        m_items[s]->setTransform(QTransform());
        m_items[s]->setZValue(0);
        fillSlot_(s);
    }
    if (shown)
        zoomSlot_(index - m_pageStart);

    if (index != m_select) {
        m_select = index;
        emit itemSelected(index);
    }
}

bool MultiIconViewV::moveLeft()
{
    if (m_select > 0) {
        setSelect(m_select - 1);
        return true;
    }
    setSelect(-1);
    return false;
}

bool MultiIconViewV::moveRight()
{
    if (m_select + 1 < count()) {
        setSelect(m_select + 1);
        return true;
    }
    return false;
}

bool MultiIconViewV::moveUp()
{
    if (m_select >= m_grid.width()) {
        setSelect(m_select - m_grid.width());
        return true;
    }
    return false;
}

bool MultiIconViewV::moveDown()
{
    const int cols = m_grid.width();
    if ((count() - 1) / cols > m_select / cols) {
        setSelect(qMin(m_select + cols, count() - 1));
        return true;
    }
    return false;
}

// The zoomed, framed tile tells the viewer where the focus is: it goes with
// the focus, as it does when Up leaves the top row, and comes back with it.
// A click shows it on the tile it lands on (a first click only selects).
void MultiIconViewV::focusInEvent(QFocusEvent* event)
{
    QGraphicsView::focusInEvent(event);
    if (event->reason() != Qt::MouseFocusReason && m_select >= 0)
        setSelect(m_select);
}

void MultiIconViewV::focusOutEvent(QFocusEvent* event)
{
    QGraphicsView::focusOutEvent(event);
    setSelect(-1);
}

void MultiIconViewV::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        setSelect(-1);
        emit focusExit();
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (m_select >= 0)
            emit itemEntered(m_select);
        break;
    case Qt::Key_Left:
        // A held key leaves the grid only once, never by accident.
        if (!event->isAutoRepeat() && !moveLeft())
            emit focusExit();
        break;
    case Qt::Key_Right:
        if (!event->isAutoRepeat())
            moveRight();
        break;
    case Qt::Key_Up:
        if (!moveUp())
            emit topMost();
        break;
    case Qt::Key_Down:
        if (!moveDown())
            emit bottomMost();
        break;
    default:
        event->ignore();
        return;
    }
    event->accept();
}

void MultiIconViewV::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    const int dy = event->angleDelta().y();
    if (dy > 119)
        moveUp();
    else if (dy < -119)
        moveDown();
    event->accept();
}

void MultiIconViewV::mousePressEvent(QMouseEvent* event)
{
    if (count() == 0) {
        emit focusExit();
        event->accept();
        return;
    }
    QGraphicsView::mousePressEvent(event);
    // A click beside the tiles gave the focus without choosing one.
    if (hasFocus() && isOnPage_(m_select) && m_items[m_select - m_pageStart]->transform().isIdentity())
        setSelect(m_select);
}

void MultiIconViewV::itemClicked(int id)
{
    int slot = -1;
    for (int s = 0; s < m_items.size(); ++s) {
        if (m_items[s]->id() == id) {
            slot = s;
            break;
        }
    }
    if (slot < 0 || m_pageStart < 0)
        return;
    const int entry = m_pageStart + slot;
    if (entry >= count())
        return;
    if (entry == m_select) {
        if (m_items[slot]->transform().isIdentity()) {
            zoomSlot_(slot);
        } else {
            emit itemEntered(entry);
        }
        return;
    }
    setSelect(entry);
}

void MultiIconViewV::resizeEvent(QResizeEvent* event)
{
    const QSize size = event->size();
    const QSize old = event->oldSize();
    qDebug().noquote() << QStringLiteral("[%1][%2] size:(w:%3,h:%4)  oldsize:(w:%5,h:%6)")
                              .arg(QLatin1String(__func__))
                              .arg(__LINE__)
                              .arg(size.width())
                              .arg(size.height())
                              .arg(old.width())
                              .arg(old.height());
    if (!old.isValid() && m_rememberedSize.isValid())
        setGeometry(QRect(pos(), m_rememberedSize));
    else
        m_rememberedSize = size;
    QGraphicsView::resizeEvent(event);
    fitInView(m_sceneRect, Qt::KeepAspectRatio);

    int w = 46, h = 24;
    if (size.width() != 0 && size.height() != 0) {
        w = size.width() * 46 / 1920;
        h = size.height() / 45;
    }
    m_previous->setGeometry(width() - 2 * w, h, w, h);
    m_next->setGeometry(width() - 2 * w, height() - 2 * h, w, h);
    m_fitPictures->start();
}

// Keeps the tile pictures at the size the zoomed tile is drawn at: smaller
// ones are scaled down in place (a picture shared by several entries stays
// shared), larger ones are asked of the owner.
void MultiIconViewV::fitPictures_()
{
    const qreal wanted = qMin(1.0, transform().m11() * m_focusScale * devicePixelRatioF());
    if (wanted <= 0 || qAbs(wanted - m_pictureScale) < 0.01)
        return;
    const bool sharper = wanted > m_pictureScale;
    m_pictureScale = wanted;
    m_lastScaled = m_defaultTile = m_focusOn = m_focusOff = QPixmap();
    m_lastSourceKey = 0;
    if (!sharper) {
        const QSize tile = m_itemRect.size().toSize();
        QHash<qint64, QPixmap> done;
        for (QPixmap& picture : m_layers[0]) {
            auto it = done.constFind(picture.cacheKey());
            if (it == done.constEnd())
                it = done.insert(picture.cacheKey(), atPictureScale_(picture, tile, Qt::SmoothTransformation));
            picture = *it;
        }
    }
    if (m_pageStart >= 0) {
        for (int s = 0; s < m_pageSize; ++s)
            fillSlot_(s);
    }
    if (sharper)
        emit sharperPicturesWanted();
}
