// The Applications pages: the grid of every known package, the page of one
// package with its actions, the catalog download and the installer's
// progress.
#include "settings/AppsPage.h"

#include "ui_SettingsDialog.h"

#include "appliance/Appliance.h"
#include "appliance/ApplianceCommands.h"
#include "appliance/CommandRunner.h"
#include "packages/bentoconf.h"
#include "prefs/SettingsTexts.h"
#include "settings/AppTiles.h"
#include "settings/FrameScaling.h"
#include "settings/SettingsDialog.h"
#include "widgets/InfoDialog.h"
#include "widgets/MultiIconViewV.h"
#include "widgets/ScreenScale.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QSettings>
#include <QSignalBlocker>
#include <QTimer>
#include <QVBoxLayout>

namespace {

bool isTrue(const QString& value) { return value.compare(QLatin1String("TRUE"), Qt::CaseInsensitive) == 0; }

QString lastComponent(const QString& path) { return path.section(QLatin1Char('/'), -1); }

const QString kAutoRunKey = QStringLiteral("BENTO/AutoRun");

} // namespace

StwgSubPgAppOneEventFilter::StwgSubPgAppOneEventFilter(SettingsDialog& dialog)
    : QObject(&dialog)
    , m_dialog(dialog)
{
}

bool StwgSubPgAppOneEventFilter::eventFilter(QObject* watched, QEvent* event)
{
    Ui::SettingsDialog* ui = m_dialog.form();
    switch (event->type()) {
    case QEvent::KeyPress:
        if (key_(watched, static_cast<QKeyEvent*>(event)->key()))
            return true;
        break;
    case QEvent::MouseButtonPress:
        if (watched == ui->pgAppOne) {
            ui->stwgSub->setCurrentIndex(SettingsDialog::PageAppAll);
            return true;
        }
        break;
    case QEvent::Resize:
        if (watched == ui->labAppOneIcon)
            m_dialog.appsPage().rescaleIcon();
        break;
    default:
        break;
    }
    return m_dialog.frameEventFilter(watched, event);
}

bool StwgSubPgAppOneEventFilter::key_(QObject* watched, int key)
{
    Ui::SettingsDialog* ui = m_dialog.form();
    if (key == Qt::Key_Tab)
        return true;
    // Up and Down go along the buttons and the box, past those that are disabled or hidden, and stop at either
    // end: the page itself shows no focus. The page has it only when none of them could take it; Down then takes
    // the first.
    const QList<QWidget*> column {ui->pbtUpdate, ui->pbtInstall, ui->pbtEnable, ui->pbtSetAuto, ui->cbxAdminOnly};
    auto* at = qobject_cast<QWidget*>(watched);
    if ((key != Qt::Key_Up && key != Qt::Key_Down) || (at != ui->pgAppOne && !column.contains(at)))
        return false;
    const qsizetype step = key == Qt::Key_Up ? -1 : 1;
    for (qsizetype i = column.indexOf(at) + step; i >= 0 && i < column.size(); i += step) {
        if (column[i]->isEnabled() && column[i]->isVisibleTo(ui->pgAppOne)) {
            column[i]->setFocus();
            break;
        }
    }
    return true;
}

AppsPage::AppsPage(SettingsDialog& dialog)
    : m_dialog(dialog)
    , ui(dialog.form())
    , m_filter(new StwgSubPgAppOneEventFilter(dialog))
{
}

AppsPage::~AppsPage() { QObject::disconnect(m_sharper); }

InfoDialog& AppsPage::message_() const { return *m_dialog.messageDialog(); }

QString AppsPage::shownPackage_() const { return ui->txtSummary->text(); }

void AppsPage::readAutoRun() { m_autoRun = m_dialog.userSettings().value(kAutoRunKey).toString(); }

void AppsPage::reloadApps()
{
    if (!m_dialog.packages())
        return;
    if (!m_tiles) {
        m_tiles = std::make_unique<AppTiles>(*m_dialog.packages(), *m_dialog.iconView());
        m_sharper = QObject::connect(m_dialog.iconView(), &MultiIconViewV::sharperPicturesWanted, m_dialog.iconView(),
            [this] { m_tiles->refreshPictures(); });
    }
    m_tiles->reload(m_autoRun);
}

void AppsPage::setupAllPage()
{
    MultiIconViewV* grid = m_dialog.iconView();
    QLayout* layout = ui->wgAppAll->layout();
    if (!layout)
        layout = new QVBoxLayout(ui->wgAppAll);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(grid);
    grid->setPen(QPen(Qt::white));
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
    ui->pgAppOne->setFocusPolicy(Qt::StrongFocus);
    // Catalog texts are shown as they are, never as markup, and wrap in the
    // column they are given: a long name must not run off the screen.
    for (QLabel* text : {ui->txtAppName, ui->txtAuthor, ui->txtVersion, ui->txtDesc}) {
        text->setTextFormat(Qt::PlainText);
        text->setWordWrap(true);
    }
    for (QWidget* hidden : {static_cast<QWidget*>(ui->labType), static_cast<QWidget*>(ui->txtType),
             static_cast<QWidget*>(ui->labRating), static_cast<QWidget*>(ui->txtRating),
             static_cast<QWidget*>(ui->labsummary), static_cast<QWidget*>(ui->txtSummary)})
        hidden->hide();
}

void AppsPage::adaptToScreen(const QSize& screenSize)
{
    const ScreenScale scale(screenSize);
    FrameScaling::scaleFonts(ui->pgAppOne, scale);
    FrameScaling::scaleFixedSize(ui->labAppOneIcon, QSize(380, 380), scale);
    for (QWidget* b : {ui->pbtUpdate, ui->pbtInstall, ui->pbtEnable, ui->pbtSetAuto})
        b->setMinimumSize(scale.x(288), scale.y(88));
    // The administrators-only box with the same pictures as the General
    // page's boxes, large enough to see across the room.
    ui->cbxAdminOnly->setStyleSheet(
        QStringLiteral("QCheckBox {spacing: %1px} QCheckBox::indicator {width: %2px; height: %2px} "
                       "QCheckBox::indicator:checked {image: url(:/images/checkbox1.png)} "
                       "QCheckBox::indicator:unchecked {image: url(:/images/checkbox0.png)}")
            .arg(scale.x(20))
            .arg(scale.x(36)));
    FrameScaling::scaleFonts(ui->pgAppWarn, scale);
}

// The catalog.

void AppsPage::loadwebbentoinfo()
{
    const QString lang = m_dialog.lang();
    AggPkgInfo* packages = m_dialog.packages();
    if (lang.isEmpty() || !packages)
        return;
    const QString address = AggPkgInfo::CatalogAddress(lang);
    const QString file = AggPkgInfo::CatalogFile(lang);
    const QFileInfo local(file);
    if (local.exists()) {
        if (file != packages->XmlFile())
            packages->ReadXml(file, m_dialog.downloader());
        if (local.lastModified().secsTo(QDateTime::currentDateTime()) < 300)
            return;
    } else {
        packages->clearAggPkgInfo(1);
    }
    m_dialog.downloader()->append({QString(), address, m_dialog.homeDir() + QStringLiteral("/Vendra/IVO/BENTO"),
        QStringLiteral("BENTO.XML"), {}});
}

void AppsPage::downloadFinished(const dlresult_st& result)
{
    const QString file = result.task.dstDir + QLatin1Char('/') + lastComponent(result.task.url);
    if (result.task.userTag == QLatin1String("BENTO.XML")) {
        // Read whatever copy is there: after a failure, the previous one.
        if (AggPkgInfo* packages = m_dialog.packages())
            packages->ReadXml(file, m_dialog.downloader());
    } else if (result.task.userTag == QLatin1String("BENTO.ICON") && m_tiles) {
        m_tiles->setIconFile(lastComponent(result.task.dstDir), file);
    }
}

// The model's changes.

void AppsPage::confPkgChanged(const QString& event)
{
    const QString name = event.section(QLatin1Char('\n'), 1, 1).trimmed();
    if (ui->stwgSub->currentIndex() == SettingsDialog::PageAppOne && shownPackage_() == name)
        showButtons_(name);
    if (m_tiles)
        m_tiles->refresh(name, m_autoRun);
}

void AppsPage::webPkgChanged(const QString& event)
{
    const QString action = event.section(QLatin1Char('\n'), 0, 0).trimmed();
    const QString name = event.section(QLatin1Char('\n'), 1, 1).trimmed();
    if (m_tiles && action.compare(QLatin1String("pkg_add"), Qt::CaseInsensitive) == 0 && m_tiles->indexOf(name) >= 0
        && m_dialog.packages()->PkgByName(name, 0).xmlInfo.value(QStringLiteral("icon_tv")).isEmpty())
        m_tiles->setIconFile(name, m_tiles->catalogIconFile(name));
    confPkgChanged(event);
}

void AppsPage::availPkgChanged(const QString& event)
{
    if (!m_tiles)
        return;
    const QString name = event.section(QLatin1Char('\n'), 1, 1).trimmed();
    MultiIconViewV* grid = m_dialog.iconView();
    const bool hadFocus = grid->hasFocus();
    if (!m_tiles->follow(name, m_autoRun))
        return;
    if (ui->stwgSub->currentIndex() == SettingsDialog::PageAppAll && m_dialog.isVisible()) {
        if (grid->count() > 0 && grid->select() < 0)
            grid->setSelect(0);
        // The grid keeps the focus it had; a tile coming or going does not
        // take it from the left column.
        if (hadFocus)
            grid->setFocus();
    }
}

// The one-app page.

void AppsPage::showSelected()
{
    const QString name = m_tiles ? m_tiles->nameAt(m_dialog.iconView()->select()) : QString();
    m_icon = m_dialog.iconView()->icon(m_dialog.iconView()->select(), AppTiles::IconSlot);
    rescaleIcon();
    for (QLabel* l : {ui->txtAppName, ui->txtAuthor, ui->txtVersion, ui->txtDesc})
        l->clear();
    ui->txtSummary->setText(name);
    showTexts_(name);
    showButtons_(name);
}

void AppsPage::rescaleIcon()
{
    const int side = ui->labAppOneIcon->height();
    ui->labAppOneIcon->setPixmap(
        m_icon.isNull() || side <= 0 ? m_icon : m_icon.scaledToHeight(side, Qt::SmoothTransformation));
}

void AppsPage::showTexts_(const QString& name)
{
    const AggPkgInfo* packages = m_dialog.packages();
    const PkgInfo_s web = packages->PkgByName(name, 1);
    const PkgInfo_s conf = packages->PkgByName(name, 0);
    if (!web.name.isEmpty()) {
        ui->txtAuthor->setText(web.confInfo.value(QStringLiteral("Author")));
        ui->txtAppName->setText(web.xmlInfo.value(QStringLiteral("name")));
        ui->txtDesc->setText(
            web.xmlInfo.value(QStringLiteral("description")) + web.xmlInfo.value(QStringLiteral("moreDescription")));
    }
    if (!conf.name.isEmpty()) {
        if (const QString author = conf.confInfo.value(QStringLiteral("Author")); !author.isEmpty())
            ui->txtAuthor->setText(author);
        const QString display = conf.confInfo.value(QStringLiteral("Display_Name"));
        const QString xmlName = conf.xmlInfo.value(QStringLiteral("name"));
        ui->txtAppName->setText(!display.isEmpty() ? display : (!xmlName.isEmpty() ? xmlName : display));
        if (ui->txtDesc->text().isEmpty()) {
            for (const QString& key : {QStringLiteral("description<%1>").arg(m_dialog.lang()),
                     QStringLiteral("description"), QStringLiteral("description<eng>")}) {
                if (const QString d = conf.xmlInfo.value(key); !d.isEmpty()) {
                    ui->txtDesc->setText(d);
                    break;
                }
            }
        }
    }
    if (ui->txtAppName->text().isEmpty())
        ui->txtAppName->setText(name);
}

void AppsPage::showButtons_(const QString& name)
{
    const AggPkgInfo* packages = m_dialog.packages();
    const PkgInfo_s web = packages->PkgByName(name, 1);
    const PkgInfo_s conf = packages->PkgByName(name, 0);
    const bool installed = !conf.name.isEmpty();
    ui->pbtUpdate->setText(SettingsTexts::tr("Update"));
    ui->pbtInstall->setText(SettingsTexts::tr("Install"));
    ui->pbtUpdate->setEnabled(false);
    ui->pbtInstall->setEnabled(false);
    ui->labAppOneIcon->setEnabled(false);
    const QString offered = web.confInfo.value(QStringLiteral("Version"));
    const QString current = conf.confInfo.value(QStringLiteral("Version"));
    if (!web.name.isEmpty() && !web.confInfo.value(QStringLiteral("location")).isEmpty()) {
        ui->pbtInstall->setEnabled(!installed);
        ui->pbtUpdate->setEnabled(installed && SettingsDialog::VersionCompare(current, offered));
    }

    // The box mirrors the package: setting it must not run its command.
    const QSignalBlocker quiet(ui->cbxAdminOnly);
    if (installed) {
        const QString start = conf.xmlInfo.value(QStringLiteral("start"));
        ui->pbtEnable->setEnabled(!conf.confInfo.value(QStringLiteral("Shell")).isEmpty());
        if (isTrue(conf.confInfo.value(QStringLiteral("Enable")))) {
            ui->pbtEnable->setText(SettingsTexts::tr("Disable"));
            ui->pbtSetAuto->setText(
                name == m_autoRun ? SettingsTexts::tr("Unset Auto Run") : SettingsTexts::tr("Set Auto Run"));
            ui->pbtSetAuto->setEnabled(!start.isEmpty());
            ui->labAppOneIcon->setEnabled(true);
        } else {
            ui->pbtEnable->setText(SettingsTexts::tr("Enable"));
            ui->pbtSetAuto->setText(SettingsTexts::tr("Set Auto Run"));
            ui->pbtSetAuto->setEnabled(false);
        }
        ui->cbxAdminOnly->setEnabled(!start.isEmpty());
        const bool locked = isTrue(conf.confInfo.value(QStringLiteral("AdminLock")));
        if (start.isEmpty()) {
            ui->cbxAdminOnly->hide();
            ui->labAdminOnly->hide();
        } else if (locked) {
            ui->cbxAdminOnly->setEnabled(false);
            ui->cbxAdminOnly->hide();
            ui->labAdminOnly->show();
        } else {
            ui->cbxAdminOnly->show();
            ui->labAdminOnly->hide();
        }
        ui->labAdminOnlyNote->hide();
        ui->cbxAdminOnly->setChecked(isTrue(conf.confInfo.value(QStringLiteral("AdminOnly"))));
    } else {
        ui->pbtEnable->setText(SettingsTexts::tr("Enable"));
        ui->pbtSetAuto->setText(SettingsTexts::tr("Set Auto Run"));
        ui->pbtEnable->setEnabled(false);
        ui->pbtSetAuto->setEnabled(false);
        ui->cbxAdminOnly->setChecked(false);
        ui->cbxAdminOnly->setEnabled(false);
        ui->cbxAdminOnly->hide();
        ui->labAdminOnly->hide();
        ui->labAdminOnlyNote->hide();
    }

    // The version goes with the buttons: an update that went through takes
    // its arrow away with its button.
    if (ui->pbtUpdate->isEnabled()) {
        ui->txtVersion->setText(current + QStringLiteral(" --> ") + offered);
        ui->pbtUpdate->setFocus();
        return;
    }
    ui->txtVersion->setText(installed ? current : offered);
    for (QWidget* w : {static_cast<QWidget*>(ui->pbtInstall), static_cast<QWidget*>(ui->pbtEnable),
             static_cast<QWidget*>(ui->pbtSetAuto), static_cast<QWidget*>(ui->cbxAdminOnly)}) {
        if (w->isEnabled()) {
            w->setFocus();
            return;
        }
    }
    ui->pgAppOne->setFocus();
}

// Actions.

void AppsPage::showCentred_(InfoDialog& message) const
{
    // Shown again right after its question was answered, the window would
    // otherwise go wherever the window manager puts a new one.
    message.adjustSize();
    message.move(m_dialog.mapToGlobal(m_dialog.rect().center()) - message.rect().center());
    message.show();
}

void AppsPage::install(bool update)
{
    const QString name = shownPackage_();
    const PkgInfo_s web = m_dialog.packages()->PkgByName(name, 1);
    InfoDialog& message = message_();
    if (web.name.isEmpty() || web.confInfo.value(QStringLiteral("location")).isEmpty()) {
        message.reset(1);
        message.setTextOK(SettingsTexts::tr("OK"));
        message.setLabelText(SettingsTexts::tr("Installation failed"));
        message.exec();
        return;
    }
    message.reset(2);
    message.setTextOK(SettingsTexts::tr("Yes"));
    message.setTextCancel(SettingsTexts::tr("No"));
    message.setLabelText((update ? SettingsTexts::tr("Update") : SettingsTexts::tr("Install")) + QLatin1Char(' ') + name
        + QLatin1Char(' ') + web.confInfo.value(QStringLiteral("Version")) + QStringLiteral(" ?"));
    if (message.exec() != QDialog::Accepted)
        return;
    message.reset(3);
    message.setLabelText(SettingsTexts::tr("Initializing"));
    showCentred_(message);
    message.repaint();
    m_dialog.installer().Install(name);
}

void AppsPage::downloadProgress(int percent)
{
    InfoDialog& message = message_();
    message.setRange(0, 100);
    message.setValue(percent);
    message.setLabelText(QStringLiteral("%1 ").arg(SettingsTexts::tr("Downloading")));
}

void AppsPage::installProgress(int step)
{
    InfoDialog& message = message_();
    message.setRange(0, 4);
    message.setValue(step);
    message.setLabelText(SettingsTexts::tr("Installing"));
}

void AppsPage::installFinished()
{
    InfoDialog& message = message_();
    message.setValue(message.maximum());
    message.reset(0);
    message.setLabelText(SettingsTexts::tr("Installation completed"));
    showCentred_(message);
    // Shown for three seconds while everything else goes on.
    for (int round = 0; round < 60; ++round) {
        QEventLoop loop;
        QTimer::singleShot(50, &loop, &QEventLoop::quit);
        loop.exec();
    }
    message.hide();
}

void AppsPage::toggleEnabled()
{
    const QString name = shownPackage_();
    const PkgInfo_s conf = m_dialog.packages()->PkgByName(name, 0);
    const QString shell = conf.confInfo.value(QStringLiteral("Shell"));
    if (conf.name.isEmpty() || shell.isEmpty())
        return;
    CommandRunner& runner = Appliance::runner();
    if (!isTrue(conf.confInfo.value(QStringLiteral("Enable")))) {
        ApplianceCmd::bentoSetEnabled(name, true);
        runner.runLine(Appliance::command(QStringLiteral("%1 start").arg(shell)), Budget::Package);
    } else {
        runner.runLine(Appliance::command(QStringLiteral("%1 stop").arg(shell)), Budget::Package);
        ApplianceCmd::bentoSetEnabled(name, false);
    }
}

void AppsPage::setAdminOnly(bool checked)
{
    const QString name = shownPackage_();
    const PkgInfo_s conf = m_dialog.packages()->PkgByName(name, 0);
    if (conf.name.isEmpty() || conf.confInfo.value(QStringLiteral("Shell")).isEmpty())
        return;
    ApplianceCmd::setcfg(name, QStringLiteral("AdminOnly"), checked ? QStringLiteral("TRUE") : QStringLiteral("FALSE"),
        m_dialog.packages()->ConfFile());
}

void AppsPage::toggleAutoRun()
{
    const QString name = shownPackage_();
    const QString folder = m_dialog.homeDir() + QStringLiteral("/.autorun");
    Appliance::runner().runShell(
        Appliance::path(QStringLiteral("/bin/sh")), QStringLiteral("rm -f %1/*").arg(folder), Budget::Setting);
    QSettings& settings = m_dialog.userSettings();
    if (name == m_autoRun) {
        ui->pbtSetAuto->setText(SettingsTexts::tr("Set Auto Run"));
        settings.remove(kAutoRunKey);
        settings.sync();
        if (m_tiles)
            m_tiles->setAutoRunBadge(name, false);
        m_autoRun.clear();
        return;
    }
    QDir().mkpath(folder);
    const QString start = m_dialog.packages()->PkgByName(name, 0).xmlInfo.value(QStringLiteral("start"));
    if (!start.isEmpty())
        QFile::link(start, folder + QLatin1Char('/') + name);
    if (!m_tiles)
        return;
    m_tiles->setAutoRunBadge(m_autoRun, false);
    if (m_tiles->indexOf(name) < 0)
        return;
    ui->pbtSetAuto->setText(SettingsTexts::tr("Unset Auto Run"));
    settings.setValue(kAutoRunKey, name);
    settings.sync();
    m_tiles->setAutoRunBadge(name, true);
    m_autoRun = name;
}
