#include "settings/ChoiceMenu.h"

#include "settings/TitleSafeMenu.h"

#include <QCoreApplication>
#include <QLabel>
#include <QMenu>

ChoiceMenu::ChoiceMenu(QWidget* parent)
    : m_parent(parent)
{
}

QString ChoiceMenu::styleSheet()
{
    return QStringLiteral(
        "QMenu{color:rgb(168,168,168); border-image:url(:/images/display_select_language.png);} "
        "QMenu::item{padding:0px 16px 0px 16px;} QMenu::item:selected{color:rgb(255,255,255); "
        "border-image:url(:/images/display_select.png);} QMenu:default{color:white;} "
        "QMenu::separator{margin-left:8px; margin-right:8px; height:1px; background:rgba(128,128,128,192);}");
}

int ChoiceMenu::run(const QLabel* valueLabel, const QStringList& choices, int current, int xOffset) const
{
    QMenu menu(m_parent);
    return run(menu, valueLabel, choices, current, xOffset);
}

int ChoiceMenu::run(QMenu& menu, const QLabel* valueLabel, const QStringList& choices, int current, int xOffset) const
{
    menu.clear();
    menu.setFont(valueLabel->font());
    menu.setStyleSheet(styleSheet());
    QList<QAction*> actions;
    for (const QString& choice : choices) {
        actions.append(menu.addAction(choice));
        menu.addSeparator();
    }
    QAction* highlighted = current >= 0 && current < actions.size() ? actions.at(current) : nullptr;
    if (highlighted) {
        menu.setDefaultAction(highlighted);
        menu.setActiveAction(highlighted);
    }
    QAction* back
        = menu.addAction(QLatin1Char('[') + QCoreApplication::translate("SettingsDialog", "Back") + QLatin1Char(']'));
    menu.setFocus();
    const QAction* chosen = TitleSafeMenu::exec(menu, valueLabel->mapToGlobal(QPoint(xOffset, 0)), highlighted);
    if (!chosen || chosen == back)
        return -1;
    return int(actions.indexOf(chosen));
}
