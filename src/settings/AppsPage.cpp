#include "settings/AppsPage.h"

#include "ui_SettingsDialog.h"

#include "settings/SettingsDialog.h"

#include "home/MultiIconViewV.h"

#include <QKeyEvent>
#include <QVBoxLayout>

StwgSubPgAppOneEventFilter::StwgSubPgAppOneEventFilter(SettingsDialog& dialog)
    : QObject(&dialog)
    , m_dialog(dialog)
{
}

bool StwgSubPgAppOneEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab)
        return true;
    return m_dialog.frameEventFilter(watched, event);
}

AppsPage::AppsPage(SettingsDialog& dialog)
    : m_dialog(dialog)
    , ui(dialog.form())
    , m_filter(new StwgSubPgAppOneEventFilter(dialog))
{
}

AppsPage::~AppsPage() = default;

void AppsPage::readAutoRun() { }
void AppsPage::reloadApps() { }
void AppsPage::loadwebbentoinfo() { }
void AppsPage::setupAllPage()
{
    MultiIconViewV* grid = m_dialog.iconView();
    QLayout* layout = ui->wgAppAll->layout();
    if (!layout)
        layout = new QVBoxLayout(ui->wgAppAll);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid);
    ui->wgAppAll->setFocusProxy(grid);
    ui->pgAppAll->setFocusProxy(ui->wgAppAll);
}

void AppsPage::setupOnePage()
{
    for (QWidget* w : {static_cast<QWidget*>(ui->pgAppOne), static_cast<QWidget*>(ui->pbtUpdate),
             static_cast<QWidget*>(ui->pbtInstall), static_cast<QWidget*>(ui->pbtEnable),
             static_cast<QWidget*>(ui->pbtSetAuto), static_cast<QWidget*>(ui->cbxAdminOnly),
             static_cast<QWidget*>(ui->labAppOneIcon)})
        w->installEventFilter(m_filter);
}

void AppsPage::showSelected() { }
void AppsPage::adaptToScreen(const QSize&) { }
void AppsPage::install(bool) { }
void AppsPage::toggleEnabled() { }
void AppsPage::toggleAutoRun() { }
void AppsPage::setAdminOnly(bool) { }
void AppsPage::webPkgChanged(const QString&) { }
void AppsPage::confPkgChanged(const QString&) { }
void AppsPage::availPkgChanged(const QString&) { }
void AppsPage::downloadFinished(const dlresult_st&) { }
void AppsPage::installFinished() { }
void AppsPage::installProgress(int) { }
void AppsPage::downloadProgress(int) { }
