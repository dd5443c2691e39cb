#pragma once

#include <QPoint>
#include <QString>
#include <QStringList>

class QLabel;
class QMenu;
class QWidget;

// The choice menu every Display and Preferences row opens: the row's value
// font, the shared look, the choices in their fixed order each followed by a
// separator, the current one highlighted, and a last "[Back]" entry. It
// stays inside the television's title-safe area and scrolls when taller.
class ChoiceMenu
{
public:
    // parent: the dialog, whose translation context the texts use.
    explicit ChoiceMenu(QWidget* parent);

    // Runs the menu modally at the value label's top-left corner, shifted
    // right by xOffset (moved left or up only as far as the safe area asks),
    // and returns the index of the chosen entry; -1 for none, Back, or a
    // click outside. current < 0 highlights nothing.
    int run(const QLabel* valueLabel, const QStringList& choices, int current, int xOffset = 0) const;
    // The same on a menu the caller keeps (the resolution rows fill it
    // twice); it is cleared first.
    int run(QMenu& menu, const QLabel* valueLabel, const QStringList& choices, int current, int xOffset = 0) const;

    static QString styleSheet();

private:
    QWidget* m_parent;
};
