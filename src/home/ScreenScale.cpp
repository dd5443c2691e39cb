#include "home/ScreenScale.h"

QString wallpaperStyleSheet(int number)
{
    if (number >= 1 && number <= 3)
        return QStringLiteral("#centralwidget{border-image: url(:/images/wallpaper_image%1.jpg)}").arg(number);
    return QStringLiteral("#centralwidget{border-image: url(:/images/wallpaper_default.jpg)}");
}
