#include "settings/GrMainEventFilter.h"

#include "ui_SettingsDialog.h"

#include "settings/DisplayPage.h"
#include "settings/SettingsDialog.h"
#include "widgets/MultiIconViewV.h"

#include <QKeyEvent>

GrMainEventFilter::GrMainEventFilter(SettingsDialog& dialog)
    : QObject(&dialog)
    , m_dialog(dialog)
{
}

bool GrMainEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Escape || key == Qt::Key_Left) {
        m_dialog.close();
        return true;
    }
    if (key == Qt::Key_Tab)
        return true;
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Right)
        return enterPage_(watched);
    return QObject::eventFilter(watched, event);
}

bool GrMainEventFilter::enterPage_(QObject* button)
{
    Ui::SettingsDialog* ui = m_dialog.form();
    QWidget* page = ui->stwgSub->currentWidget();
    if (button == ui->rbtDisp) {
        page->setFocus();
        m_dialog.displayPage().enterFromColumn();
        return true;
    }
    if (button == ui->rbtPref || button == ui->rbtGeneral) {
        page->setFocus();
        return true;
    }
    if (button == ui->rbtApp) {
        MultiIconViewV* grid = m_dialog.iconView();
        if (grid->count() == 0)
            return true;
        page->setFocus();
        grid->setSelect(grid->select() < 0 ? 0 : grid->select());
        return true;
    }
    return false;
}
