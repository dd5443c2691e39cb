#pragma once

#include <QPixmap>
#include <QSize>

class Wallpaper;

namespace Ui {
class MainMWindow;
}

// The home window's sizes: every margin, picture, font and spacing is the
// 1920 x 1080 design scaled to the window, and the title bar's shadows and
// frame styles follow the width of the screen's output.
class HomeLayout
{
public:
    explicit HomeLayout(Ui::MainMWindow& ui);

    // Lays the window out for its new size; userPicture null: the default
    // picture of the user.
    void scale(const QSize& size, const QPixmap& userPicture);
    // The wallpaper of "Wallpaper/Image" number.
    void showWallpaper(int number);
    const Wallpaper& wallpaper() const { return *m_wallpaper; }
    // The user's picture beside the name, for a window of that size.
    void showUserPicture(const QPixmap& userPicture, const QSize& size);
    // The shown labels' drop shadows and the title-bar frames' styles for an
    // output screenWidth pixels wide (their minimums for -1).
    void shadows(int screenWidth);

private:
    Ui::MainMWindow& ui;
    Wallpaper* m_wallpaper; // owned by the central widget
};
