#include "settings/PageEventFilter.h"

#include "ui_SettingsDialog.h"

#include "settings/SettingsDialog.h"

#include <QKeyEvent>

PageEventFilter::PageEventFilter(SettingsDialog& dialog)
    : QObject(&dialog)
    , m_dialog(dialog)
{
}

Ui::SettingsDialog* PageEventFilter::ui() const { return m_dialog.form(); }

bool PageEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (pageEvent(watched, event))
        return true;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab)
            return true;
        if (key == Qt::Key_Escape || key == Qt::Key_Left) {
            focusLeftColumn();
            return true;
        }
    }
    return m_dialog.frameEventFilter(watched, event);
}

bool PageEventFilter::pageEvent(QObject*, QEvent*) { return false; }

void PageEventFilter::focusLeftColumn() const { ui()->grMain->setFocus(); }
