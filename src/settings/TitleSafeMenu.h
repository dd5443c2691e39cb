#pragma once

#include <QPoint>
#include <QRect>

class QAction;
class QMenu;
class QScreen;

// A popup menu on a television, which cuts a few percent off each edge of the picture: it stays inside the
// title-safe area, the central 90 % of the screen (5 % off each side) within what the window manager leaves free,
// and a menu taller than that scrolls instead of breaking into columns.
namespace TitleSafeMenu {

QRect area(const QScreen& screen);

// Runs the menu modally at `at` (global), moved left or up only as far as it takes to stay inside the area, with
// `current` (may be null) highlighted and scrolled into view. Returns the chosen action, or null.
QAction* exec(QMenu& menu, QPoint at, QAction* current);

} // namespace TitleSafeMenu
