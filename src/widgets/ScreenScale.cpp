#include "widgets/ScreenScale.h"

#include <QGuiApplication>
#include <QScreen>

QSize dialogTargetSize(const QRect& rect)
{
    QSize target = rect.isValid() ? rect.size() : QSize();
    if (target.isEmpty()) {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            target = screen->geometry().size();
    }
    return target.isEmpty() ? QSize(1920, 1080) : target;
}

QString dialogStyleSheet(const QString& objectName, int screenWidth)
{
    return QStringLiteral(
        "#%1{border-width: %2px; border-style: solid; border-color:rgba(128,128,128,255);background-color: "
        "qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, stop:0.106195 rgb(12, 84, 117), stop:0.893805 rgb(0, 0, "
        "0))} QPushButton{color: rgb(255,255,255); border-image: url(:/images/icon_normal.png); padding: 0 %3px} "
        "QPushButton:focus{outline:none; border-image: url(:/images/icon_pressed.png)}  QPushButton:disabled{color: "
        "rgb(85,84,84);border-image: url(:/images/icon_disabled.png)} QProgressBar {border: 2px solid grey; "
        "border-radius: 5px;} QProgressBar::chunk {background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, "
        "y2:1, stop:0 rgba(0, 204, 255, 255), stop:1 rgba(0, 57, 162, 255)); width: 20px;}")
        .arg(objectName)
        .arg(screenWidth / 320)
        .arg(screenWidth / 120); // a button's text keeps clear of its rounded edges
}

QFont pointSized(QFont font, int points)
{
    font.setPointSize(qMax(1, points));
    return font;
}
