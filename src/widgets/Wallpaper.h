#pragma once

#include <QObject>
#include <QPixmap>
#include <QString>

class QWidget;

// A widget's wallpaper: one of the built-in pictures, decoded at the size it
// is drawn at and painted under the widget's children. A 4K picture on a
// 1080p screen is kept at 1080p, and a repaint copies pixels instead of
// scaling the picture again.
class Wallpaper : public QObject
{
    Q_OBJECT

public:
    explicit Wallpaper(QWidget& widget);

    // Template 1 to 3, else the default picture.
    static QString file(int number);
    void show(int number);
    QString file() const { return m_file; }
    // The decoded picture (null until the widget is first painted).
    QPixmap picture() const { return m_picture; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& m_widget;
    QString m_file;
    QPixmap m_picture;
};
