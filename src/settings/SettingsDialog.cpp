// The settings dialog's frame: construction in its fixed order, the page
// buttons, the dialog's own key rules, closing, the watched files, the
// language switch and the forwarders to the pages.
#include "settings/SettingsDialog.h"

#include "ui_SettingsDialog.h"

#include "appliance/ApplianceCommands.h"
#include "appliance/CommandWorker.h"
#include "appliance/ConfigFile.h"
#include "appliance/Login.h"
#include "appliance/Paths.h"
#include "appliance/UserSettings.h"
#include "display/ScreenConfFile.h"
#include "display/ScreenConfig.h"
#include "i18n/LanguageSwitch.h"
#include "i18n/UiLanguage.h"
#include "packages/bentoconf.h"
#include "settings/AboutPage.h"
#include "settings/AppTiles.h"
#include "settings/AppsPage.h"
#include "settings/ChoiceMenu.h"
#include "settings/DisplayPage.h"
#include "settings/FrameScaling.h"
#include "settings/GeneralPage.h"
#include "settings/GrMainEventFilter.h"
#include "settings/InterfaceFont.h"
#include "settings/PreferencesPage.h"
#include "settings/SettingsLog.h"
#include "settings/WatchedFiles.h"
#include "widgets/BusySign.h"
#include "widgets/InfoDialog.h"
#include "widgets/MultiIconViewV.h"
#include "widgets/NetworkAddresses.h"
#include "widgets/ScreenScale.h"
#include "widgets/WheelArrows.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <QStyleOption>
#include <QTimer>
#include <QWheelEvent>

SettingsDialog::SettingsDialog(AggPkgInfo* packages, QWidget* parent)
    : QDialog(parent)
    , ui(new Ui::SettingsDialog)
{
    // 1. The form holder, the grid, the pages with their filters.
    m_iconView = new MultiIconViewV(QSize(5, 3), QSizeF(380, 380), QSizeF(150, 200), 1.3, 0);
    m_choiceMenu = std::make_unique<ChoiceMenu>(this);
    m_grMainFilter = new GrMainEventFilter(*this);
    m_appsPage = std::make_unique<AppsPage>(*this);
    m_displayPage = std::make_unique<DisplayPage>(*this);
    m_prefPage = std::make_unique<PreferencesPage>(*this);
    m_generalPage = std::make_unique<GeneralPage>(*this);
    m_aboutPage = std::make_unique<AboutPage>(*this);
    m_packages = packages;

    // 2. Settings files and HOME.
    m_userSettings = UserSettings::open();
    m_bentoSettings = ConfigFile::settings(Paths::BentoConf.local());
    m_homeDir = QString::fromLocal8Bit(qgetenv("HOME"));

    // 3. The package tool is asked for once; its answer is not used.
    m_startQuestions << [this] { CommandWorker::post(this, [] { ApplianceCmd::bentoProbe(); }); };

    // 4.
    setAttribute(Qt::WA_NoSystemBackground);

    // 5.
    m_prefPage->initLangSupport();
    ui->setupUi(this);
    // The dialog is the screen's size, never what its pages' minimum sizes
    // add up to: a long text must not push it past the screen's edge.
    layout()->setSizeConstraint(QLayout::SetNoConstraint);

    // 6.
    m_appsPage->readAutoRun();

    // 7.
    m_language = std::make_unique<LanguageSwitch>();
    if (const QString stored = m_userSettings->value(QStringLiteral("Preference/Language")).toString();
        !stored.isEmpty())
        retranslateUi(stored);

    // 8.
    connect(m_iconView, &MultiIconViewV::itemEntered, this, &SettingsDialog::mviewitemEntered);
    connect(m_iconView, &MultiIconViewV::focusExit, this, &SettingsDialog::mviewfocusExit);
    if (m_packages) {
        connect(m_packages, &AggPkgInfo::availPkgChanged, this, &SettingsDialog::availPkgChanged);
        connect(m_packages, &AggPkgInfo::confPkgChanged, this, &SettingsDialog::confPkgChanged);
        connect(m_packages, &AggPkgInfo::webPkgChanged, this, &SettingsDialog::webPkgChanged);
    }

    // 9.
    reloadApps();
    m_iconView->setSelect(0);

    // 10.
    m_messageDialog = new InfoDialog(this);
    m_messageDialog->setModal(true);
    m_messageDialog->setWindowFlags(m_messageDialog->windowFlags() | Qt::FramelessWindowHint);
    m_downloader = new DownloadManager(this);
    connect(m_downloader, qOverload<const dlresult_st&>(&DownloadManager::finished), this, &SettingsDialog::finished);
    connect(&m_installer, &BentoInstaller::installProgress, this, &SettingsDialog::installProgress);
    connect(&m_installer, &BentoInstaller::downloadProgress, this, &SettingsDialog::downloadProgress);
    connect(&m_installer, &BentoInstaller::finished, this, &SettingsDialog::bentoInstallfinished);
    m_installer.start();

    // 11. Page set-ups.
    loadwebbentoinfo();
    setupLeftColumn_();
    m_appsPage->setupAllPage();
    m_appsPage->setupOnePage();
    m_displayPage->setup();
    m_prefPage->setup();
    m_generalPage->setup(*m_userSettings);
    m_aboutPage->setup(*m_bentoSettings);

    // 12. and 13.
    m_startQuestions << [this] { m_prefPage->startAudio(); };
    m_prefPage->startReceiver();

    // 14.
    // It runs while the dialog is shown (the hidden dialog has no one to
    // tell, and an idle home screen wakes for nothing else).
    m_addressTimer = new QTimer(this);
    m_addressTimer->setInterval(5000);
    connect(m_addressTimer, &QTimer::timeout, this, &SettingsDialog::refreshIpAddress);
    refreshIpAddress();

    // 15.
    currentChanged(PageDisplay);

    // 16.
    if (QScreen* screen = QGuiApplication::primaryScreen())
        connect(screen, &QScreen::availableGeometryChanged, this, &SettingsDialog::availableGeometryChanged);

    // 17.
    m_watchedFiles = std::make_unique<WatchedFiles>(*this);
    connect(ui->stwgSub, &QStackedWidget::currentChanged, this, &SettingsDialog::currentChanged);
}

SettingsDialog::~SettingsDialog()
{
    // The form's widgets still send events as they go (focus, hide); the
    // filters call back into this dialog, so they hear none of them.
    const QList<QObject*> filters {m_grMainFilter, m_appsPage ? m_appsPage->filter() : nullptr,
        m_generalPage ? m_generalPage->filter() : nullptr, m_prefPage ? m_prefPage->filter() : nullptr,
        m_displayPage ? m_displayPage->filter() : nullptr};
    for (QObject* object : findChildren<QObject*>())
        for (QObject* filter : filters)
            if (filter)
                object->removeEventFilter(filter);
    // Pages and filters refer to the form: they go first.
    m_aboutPage.reset();
    m_generalPage.reset();
    m_prefPage.reset();
    m_displayPage.reset();
    m_appsPage.reset();
    delete m_iconView;
    delete ui;
}

void SettingsDialog::setupLeftColumn_()
{
    ui->grMain->setFocus();
    if (!IsCurrentUserAdmin_()) {
        ui->rbtApp->hide();
        ui->rbtGeneral->setChecked(true);
    } else {
        ui->rbtApp->setChecked(true);
    }
    ui->labIpAddress->setStyleSheet(QStringLiteral("color: rgb(0, 175, 251)"));
    for (QRadioButton* b : {ui->rbtGeneral, ui->rbtApp, ui->rbtDisp, ui->rbtPref, ui->rbtAbout})
        b->installEventFilter(m_grMainFilter);
}

// Administrators.

bool SettingsDialog::isAdminGroup(const QByteArray& nasGroupId)
{
    const std::optional<QByteArray> decoded = Login::decodeGroupId(nasGroupId);
    const QByteArray trimmed = decoded ? decoded->trimmed() : QByteArray();
    const bool digits = !trimmed.isEmpty()
        && std::all_of(trimmed.begin(), trimmed.end(), [](char c) { return c >= '0' && c <= '9'; });
    return (digits ? trimmed : nasGroupId.trimmed()) == "0";
}

bool SettingsDialog::IsCurrentUserAdmin_() const { return isAdminGroup(qgetenv("NasGroupID")); }

// Page buttons and pages.

void SettingsDialog::on_rbtGeneral_toggled(bool checked)
{
    if (checked)
        ui->stwgSub->setCurrentIndex(PageGeneral);
}

void SettingsDialog::on_rbtApp_toggled(bool checked)
{
    if (checked)
        ui->stwgSub->setCurrentIndex(PageAppAll);
}

void SettingsDialog::on_rbtDisp_toggled(bool checked)
{
    if (checked)
        ui->stwgSub->setCurrentIndex(PageDisplay);
}

void SettingsDialog::on_rbtPref_toggled(bool checked)
{
    if (checked)
        ui->stwgSub->setCurrentIndex(PagePref);
}

void SettingsDialog::on_rbtAbout_toggled(bool checked)
{
    if (checked)
        ui->stwgSub->setCurrentIndex(PageAbout);
}

void SettingsDialog::on_rbtApp_clicked()
{
    const int page = ui->stwgSub->currentIndex();
    if (page != PageAppAll && page != PageAppOne)
        return;
    ui->stwgSub->setCurrentIndex(PageAppAll);
    m_iconView->setSelect(-1);
}

void SettingsDialog::on_pbtClose_clicked() { close(); }

void SettingsDialog::mviewitemEntered(int)
{
    if (ui->stwgSub->currentIndex() == PageAppOne)
        currentChanged(PageAppOne); // another tile: its page again
    else
        ui->stwgSub->setCurrentIndex(PageAppOne);
}

void SettingsDialog::mviewfocusExit() { ui->grMain->setFocus(); }

void SettingsDialog::currentChanged(int index)
{
    SETTINGS_LOG << QStringLiteral("index=%1").arg(index);
    switch (index) {
    case PageAppAll:
        loadwebbentoinfo();
        break;
    case PageAppOne:
        SETTINGS_LOG << QStringLiteral("index=%1").arg(m_iconView->select());
        m_appsPage->showSelected();
        break;
    case PageDisplay:
    case PagePref:
        refreshPage_(index);
        break;
    default:
        break;
    }
}

void SettingsDialog::startAppliance()
{
    m_started = true;
    prepareLook_();
    ensurePolished();
    for (const std::function<void()>& ask : std::exchange(m_startQuestions, {}))
        ask();
}

void SettingsDialog::refreshPage_(int page)
{
    if (!m_started) {
        m_startQuestions << [this, page] {
            if (page == PageDisplay)
                CommandWorker::post<DisplayPage::Reading_s>(this, &DisplayPage::read,
                    [this](const DisplayPage::Reading_s& reading) { m_displayPage->show(reading); });
            else
                CommandWorker::post<PreferencesPage::Reading_s>(this, &PreferencesPage::read,
                    [this](const PreferencesPage::Reading_s& reading) { m_prefPage->show(reading); });
        };
        return;
    }
    // An arrow on the page buttons checks the next one before it moves the
    // focus there: the focus goes first, so that the viewer sees it where
    // they went while the page waits.
    QRadioButton* button = page == PageDisplay ? ui->rbtDisp : ui->rbtPref;
    if (auto* from = qobject_cast<QRadioButton*>(QApplication::focusWidget());
        from && from != button && from->parentWidget() == button->parentWidget())
        button->setFocus(Qt::OtherFocusReason);
    // The models may still be answering the start's questions; the page
    // waits for them, and the viewer sees the wait.
    BusySign::afterCommands(this, [this, page] {
        const BusySign::Scope busy(this);
        if (page == PageDisplay)
            m_displayPage->refresh();
        else
            m_prefPage->refresh();
    });
}

// Keys, wheel and closing.

bool SettingsDialog::frameEventFilter(QObject* watched, QEvent* event) { return eventFilter(watched, event); }

bool SettingsDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab)
            return true;
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && qobject_cast<QCheckBox*>(watched)) {
            static_cast<QCheckBox*>(watched)->click();
            return true;
        }
        if ((key == Qt::Key_Escape || key == Qt::Key_Left) && ui->stwgSub->currentIndex() == PageAppOne) {
            ui->stwgSub->setCurrentIndex(PageAppAll);
            // Back on the grid with a tile shown selected, also when the tiles
            // changed under the one-app page and took the selection with them.
            if (m_iconView->count() > 0 && m_iconView->select() < 0)
                m_iconView->setSelect(0);
            m_iconView->setFocus();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void SettingsDialog::wheelEvent(QWheelEvent* event) { wheelToArrow(event, QApplication::focusWidget()); }

void SettingsDialog::paintEvent(QPaintEvent*)
{
    QStyleOption option;
    option.initFrom(this);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_Widget, &option, &painter, this);
}

void SettingsDialog::showEvent(QShowEvent* event)
{
    prepareLook_();
    QDialog::showEvent(event);
    if (!m_addressTimer->isActive()) {
        // After the first frame: the interfaces are asked for while the
        // dialog is already on the screen.
        QMetaObject::invokeMethod(this, &SettingsDialog::refreshIpAddress, Qt::QueuedConnection);
        m_addressTimer->start();
    }
    if (const QScreen* onScreen = screen())
        setGeometry(onScreen->geometry());
    prepareLook_();
    focusPageButton_();
}

void SettingsDialog::prepareLook_()
{
    // The look is not set while the home screen starts (nobody sees it
    // before), but once it is on the screen, so that an open only shows the
    // dialog; and again for another screen size.
    if (styleSheet().isEmpty()) {
        setStyleSheet(FrameScaling::styleSheet());
        m_adaptedTo = QSize();
    }
    if (const QScreen* onScreen = screen(); onScreen && m_adaptedTo != onScreen->geometry().size())
        adaptUiToScreen(onScreen->geometry().size());
}

void SettingsDialog::focusPageButton_()
{
    // Opening always starts in the left column, on the current page's button.
    for (QRadioButton* b : {ui->rbtApp, ui->rbtGeneral, ui->rbtDisp, ui->rbtPref, ui->rbtAbout}) {
        if (b->isChecked() && b->isVisibleTo(this))
            b->setFocus();
    }
}

void SettingsDialog::changeEvent(QEvent* event)
{
    QDialog::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isEnabled() && isVisible() && !focusWidget())
        focusPageButton_();
}

void SettingsDialog::openInFront()
{
    showMaximized();
    activateWindow();
    raise();
    // Closed while a menu was up, the dialog may still hold the window system's focus, which the widgets (taking no
    // window change while a menu is up) did not follow; activating it again tells them nothing.
    if (QGuiApplication::focusWindow() == windowHandle() && QApplication::activeWindow() != this)
        QApplication::setActiveWindow(this);
    // A message still waiting for its answer stays in front: it blocks the
    // settings, and the remote's keys go to it.
    if (QWidget* modal = QApplication::activeModalWidget(); modal && modal != this) {
        modal->raise();
        modal->activateWindow();
    }
}

void SettingsDialog::hideEvent(QHideEvent* event)
{
    // What a page opened goes with the settings: left over the home screen, a
    // menu or a dialog (remote learning, the input-method list) would keep the
    // remote's keys there.
    for (QMenu* menu : findChildren<QMenu*>())
        if (menu->isVisible())
            menu->close();
    for (QDialog* dialog : findChildren<QDialog*>())
        if (dialog->isWindow() && dialog->isVisible())
            dialog->reject();
    m_addressTimer->stop();
    QDialog::hideEvent(event);
}

void SettingsDialog::closeEvent(QCloseEvent* event)
{
    QRadioButton* first = ui->rbtApp->isVisibleTo(this) ? ui->rbtApp : ui->rbtGeneral;
    first->setChecked(true);
    first->setFocus();
    const int page = ui->stwgSub->currentIndex();
    if (page == PageAppAll || page == PageAppOne) {
        ui->stwgSub->setCurrentIndex(PageAppAll);
        m_iconView->setSelect(-1);
    }
    QDialog::closeEvent(event);
}

// Addresses.

void SettingsDialog::refreshIpAddress()
{
    const QStringList addresses = NetworkAddresses::select(NetworkAddresses::interfaces());
    ui->labIpAddress->setText(QStringLiteral("IP: ") + addresses.join(QStringLiteral("\n     ")));
}

// Watched files.

void SettingsDialog::fileChanged(const QString& path)
{
    if (m_watchedFiles)
        m_watchedFiles->changed(path);
}

// Language.

QString SettingsDialog::lang() const { return m_language ? m_language->current() : QString(); }

void SettingsDialog::retranslateUi(const QString& code)
{
    if (!m_language)
        return;
    const QString previous = m_language->current();
    const LanguageSwitch::Outcome outcome = m_language->retranslate(code);
    switch (outcome) {
    case LanguageSwitch::Outcome::Ignored:
        return;
    case LanguageSwitch::Outcome::English:
        ui->txtPrefLang->setText(UiLanguage::nameOf(QStringLiteral("eng")));
        return;
    case LanguageSwitch::Outcome::Unchanged:
        m_prefPage->refreshCRcurrent();
        return;
    case LanguageSwitch::Outcome::Switched:
    case LanguageSwitch::Outcome::NoTranslation:
        break;
    }
    InterfaceFont::follow(previous, code);
    // The form's texts again (in the source language when the translation
    // did not load), then what the pages had filled in.
    ui->retranslateUi(this);
    ui->txtPrefLang->setText(UiLanguage::nameOf(code));
    refillTexts_();
    m_prefPage->refreshCRcurrent();
}

void SettingsDialog::refillTexts_()
{
    m_aboutPage->setup(*m_bentoSettings);
    refreshIpAddress();
    const int page = ui->stwgSub->currentIndex();
    if (page != PageAppAll)
        currentChanged(page);
}

// Scaling.

int SettingsDialog::pixel_scale(int value, int minimum)
{
    return qMax(value * getScreenResolution_().width() / 1920, minimum);
}

QSize SettingsDialog::getScreenResolution_()
{
    QSize size = ScreenConfFile::modeSize();
    qDebug().noquote() << funcLine(Q_FUNC_INFO, __LINE__)
            + QStringLiteral(" Screen Resolution from %1: %2 x %3")
                  .arg(Paths::ScreenConf.local())
                  .arg(size.width())
                  .arg(size.height());
    if (size.width() == 0 || size.height() == 0) {
        logScreen(Q_FUNC_INFO, __LINE__);
        const QScreen* screen = QGuiApplication::primaryScreen();
        size = screen ? screen->geometry().size() : QSize();
        if (size.width() == 0 || size.height() == 0)
            size = QSize(1920, 1080);
    }
    qDebug().noquote() << funcLine(Q_FUNC_INFO, __LINE__)
            + QStringLiteral(" Final Screen Resolution: %1 x %2").arg(size.width()).arg(size.height());
    return size;
}

void SettingsDialog::adaptUiToScreen(const QSize& screenSize)
{
    m_adaptedTo = screenSize;
    resize(screenSize);
    const ScreenScale scale(screenSize);
    FrameScaling::scaleTitle(*ui, scale);
    FrameScaling::scaleLeftColumn(*ui, scale);
    m_appsPage->adaptToScreen(screenSize);
    m_displayPage->adaptToScreen(screenSize);
    m_prefPage->adaptToScreen(screenSize);
    m_aboutPage->adaptToScreen(screenSize);
    m_generalPage->adaptToScreen(screenSize);
}

void SettingsDialog::availableGeometryChanged(const QRect& geometry)
{
    SETTINGS_LOG << QStringLiteral("x:%1  y:%2  w:%3  h:%4")
                        .arg(geometry.x())
                        .arg(geometry.y())
                        .arg(geometry.width())
                        .arg(geometry.height());
    setGeometry(geometry);
    adaptUiToScreen(QSize(geometry.right() - geometry.left() + 1, geometry.bottom() - geometry.top() + 1));
    repaint();
}

void SettingsDialog::resizeEvent(QResizeEvent* event)
{
    const QString at = funcLine(Q_FUNC_INFO, __LINE__);
    qDebug().noquote() << at
            + QStringLiteral(" event: size:(%1x%2)  oldSize:(%3x%4)")
                  .arg(event->size().width())
                  .arg(event->size().height())
                  .arg(event->oldSize().width())
                  .arg(event->oldSize().height());
    qDebug().noquote() << at + QStringLiteral(" widget: %1 x %2").arg(width()).arg(height());
    logScreen(Q_FUNC_INFO, __LINE__);
    QDialog::resizeEvent(event);
    // Scaled by the screen, never by the dialog's own size: a dialog the
    // window manager or a long text made larger would otherwise scale its
    // minimum sizes up and grow again on every round.
    const QScreen* onScreen = screen();
    if (!onScreen)
        return;
    const QSize screenSize = onScreen->geometry().size();
    if (m_adaptedTo != screenSize || size() != screenSize)
        adaptUiToScreen(screenSize);
}

bool SettingsDialog::VersionCompare(const QString& installed, const QString& offered)
{
    return AppTiles::versionCompare(installed, offered);
}

// Forwarders to the pages.

ScreenConfig* SettingsDialog::screenConfig()
{
    // Asking xrandr takes a while: not during the home screen's start-up.
    if (!m_screenConfig)
        m_screenConfig = std::make_unique<ScreenConfig>();
    return m_screenConfig.get();
}

void SettingsDialog::popupMenu(QObject* row)
{
    if (m_displayPage->ownsRow(row))
        m_displayPage->popupMenu(row);
    else if (m_prefPage->ownsRow(row))
        m_prefPage->popupMenu(row);
}

void SettingsDialog::reloadApps() { m_appsPage->reloadApps(); }
void SettingsDialog::loadwebbentoinfo() { m_appsPage->loadwebbentoinfo(); }
void SettingsDialog::on_pbtUpdate_clicked() { m_appsPage->install(true); }
void SettingsDialog::on_pbtInstall_clicked() { m_appsPage->install(false); }
void SettingsDialog::on_pbtEnable_clicked() { m_appsPage->toggleEnabled(); }
void SettingsDialog::on_pbtSetAuto_clicked() { m_appsPage->toggleAutoRun(); }
void SettingsDialog::on_cbxAdminOnly_toggled(bool checked) { m_appsPage->setAdminOnly(checked); }
void SettingsDialog::webPkgChanged(QString event) { m_appsPage->webPkgChanged(event); }
void SettingsDialog::confPkgChanged(QString event) { m_appsPage->confPkgChanged(event); }
void SettingsDialog::availPkgChanged(QString event) { m_appsPage->availPkgChanged(event); }
void SettingsDialog::finished(dlresult_st result) { m_appsPage->downloadFinished(result); }
void SettingsDialog::bentoInstallfinished() { m_appsPage->installFinished(); }
void SettingsDialog::installProgress(int step) { m_appsPage->installProgress(step); }
void SettingsDialog::downloadProgress(int percent) { m_appsPage->downloadProgress(percent); }

void SettingsDialog::ShowMonitorInfo(int n) { m_displayPage->ShowMonitorInfo(n); }
void SettingsDialog::RefreshDispOptionList() { m_displayPage->RefreshDispOptionList(); }
void SettingsDialog::ShowDispOptionItem(QObject* row, bool show) { m_displayPage->ShowDispOptionItem(row, show); }

void SettingsDialog::refreshIMcurrent() { m_prefPage->refreshIMcurrent(); }
void SettingsDialog::refreshCRcurrent() { m_prefPage->refreshCRcurrent(); }
void SettingsDialog::remoteLearning(QObject* row) { m_prefPage->remoteLearning(row); }
void SettingsDialog::setAlsaDefaultDevice(int device) { m_prefPage->setAlsaDefaultDevice(device); }
void SettingsDialog::speakerTestFunc() { m_prefPage->speakerTestFunc(); }

void SettingsDialog::on_cbxDatetime_toggled(bool checked) { m_generalPage->datetimeToggled(checked); }
void SettingsDialog::on_cbxIP_toggled(bool checked) { m_generalPage->ipToggled(checked); }
void SettingsDialog::on_cbxServername_toggled(bool checked) { m_generalPage->servernameToggled(checked); }
void SettingsDialog::on_cbxPadlink_toggled(bool checked) { m_generalPage->padlinkToggled(checked); }
void SettingsDialog::on_cbxRequireLogin_toggled(bool checked) { m_generalPage->requireLoginToggled(checked); }
void SettingsDialog::onCbxTaskbarToggled(bool checked) { m_generalPage->taskbarToggled(checked); }
void SettingsDialog::setTaskbarHeight(int screenHeight) { m_generalPage->setTaskbarHeight(screenHeight); }
void SettingsDialog::ShowGeneralPadlink() { m_generalPage->showPadlink(); }
