#pragma once

#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>

// Every size of the home window and of the dialogs is a value for a
// 1920 x 1080 screen: horizontal values scale with the real width, vertical
// ones with the real height, truncated.
struct ScreenScale {
    int width = 1920;
    int height = 1080;

    ScreenScale() = default;
    ScreenScale(int w, int h)
        : width(w)
        , height(h)
    {
    }
    explicit ScreenScale(const QSize& size)
        : width(size.width())
        , height(size.height())
    {
    }

    int x(int value) const { return value * width / 1920; }
    int y(int value) const { return value * height / 1080; }
    // The width form with a lower bound, as the title bar's shadows use it.
    int x(int value, int minimum) const { return qMax(x(value), minimum); }
    // The height form rounded up, as the title bar's pictures use it.
    int yUp(int value) const { return (value * height + 1079) / 1080; }
};

// The screen size a dialog lays itself out for: rect when it is valid, else
// the primary screen's, else 1920 x 1080.
QSize dialogTargetSize(const QRect& rect);
// The frame and button style of the small dialogs, for the dialog whose
// object name is objectName on a screen screenWidth pixels wide.
QString dialogStyleSheet(const QString& objectName, int screenWidth);
// font at the given point size (at least 1).
QFont pointSized(QFont font, int points);

// "[file][line][function]", the prefix of the home screen's debug lines
// about its layout.
inline QString logPrefix(const char* file, int line, const char* function)
{
    return QStringLiteral("[%1][%2][%3]").arg(QLatin1String(file)).arg(line).arg(QLatin1String(function));
}
