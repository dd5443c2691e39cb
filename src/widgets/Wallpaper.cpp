#include "widgets/Wallpaper.h"

#include <QDebug>
#include <QEvent>
#include <QImageReader>
#include <QPaintEvent>
#include <QPainter>
#include <QWidget>

Wallpaper::Wallpaper(QWidget& widget)
    : QObject(&widget)
    , m_widget(widget)
    , m_file(file(0))
{
    widget.installEventFilter(this);
}

QString Wallpaper::file(int number)
{
    if (number >= 1 && number <= 3)
        return QStringLiteral(":/images/wallpaper_image%1.jpg").arg(number);
    return QStringLiteral(":/images/wallpaper_default.jpg");
}

void Wallpaper::show(int number)
{
    const QString wanted = file(number);
    if (wanted == m_file)
        return;
    m_file = wanted;
    m_picture = QPixmap();
    m_widget.update();
}

bool Wallpaper::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != &m_widget)
        return false;
    if (event->type() == QEvent::Resize) {
        // The next paint decodes at the new size; the old picture goes now.
        m_picture = QPixmap();
    } else if (event->type() == QEvent::Paint) {
        const QSize size = m_widget.size();
        if (m_picture.isNull() && !size.isEmpty()) {
            // The decoder scales as it reads (a JPEG at a half or a quarter
            // of its size costs that much less to decode).
            QImageReader reader(m_file);
            reader.setScaledSize(size);
            m_picture = QPixmap::fromImage(reader.read());
            if (m_picture.isNull())
                qWarning().noquote() << QStringLiteral("wallpaper %1: %2").arg(m_file, reader.errorString());
        }
        if (!m_picture.isNull()) {
            const QRect exposed = static_cast<QPaintEvent*>(event)->rect();
            QPainter(&m_widget).drawPixmap(exposed, m_picture, exposed);
        }
    }
    return false;
}
