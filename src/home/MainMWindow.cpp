// The home window: its construction and wiring, the slots that hand over to
// its collaborators, the title bar, the dialogs and the notices.
#include "home/MainMWindow.h"

#include "ui_MainMWindow.h"

#include "appliance/ApplianceCommands.h"
#include "appliance/CommandWorker.h"
#include "appliance/ConfigFile.h"
#include "appliance/Login.h"
#include "appliance/Paths.h"
#include "appliance/PlatformFile.h"
#include "appliance/UserSettings.h"
#include "audiochooser/AudioDetectDialog.h"
#include "display/DisplayCommands.h"
#include "display/DpmsConfig.h"
#include "display/ScreenConfFile.h"
#include "home/ApplianceWatch.h"
#include "home/DesktopShell.h"
#include "home/FirstRun.h"
#include "home/HomeLayout.h"
#include "home/HomeStart.h"
#include "home/LaunchWaiting.h"
#include "home/MessageQueue.h"
#include "home/OneTouchTool.h"
#include "home/RemoteKeys.h"
#include "home/TandemSwitcher.h"
#include "home/TileList.h"
#include "home/TipsScreen.h"
#include "i18n/UiLanguage.h"
#include "lirc/LircInput.h"
#include "lirc/irPipeline.h"
#include "packages/bentoconf.h"
#include "settings/ChoiceMenu.h"
#include "settings/SettingsDialog.h"
#include "widgets/ImageResources.h"
#include "widgets/MultiIconViewV.h"
#include "widgets/NetworkAddresses.h"
#include "widgets/ScreenScale.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCursor>
#include <QDebug>
#include <QHostInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

MainMWindow::MainMWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::MainMWindow)
{
    ui->setupUi(this);
    m_layout = std::make_unique<HomeLayout>(*ui);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);

    m_iconView = new MultiIconViewV(QSize(5, 3), QSizeF(380, 380), QSizeF(150, 200), 1.3, 0);
    connect(m_iconView, &MultiIconViewV::itemSelected, this, &MainMWindow::mviewitemSelected);
    connect(m_iconView, &MultiIconViewV::itemEntered, this, &MainMWindow::mviewitemEntered);
    connect(m_iconView, &MultiIconViewV::focusExit, this, &MainMWindow::mviewfocusExit);
    connect(m_iconView, &MultiIconViewV::topMost, this, &MainMWindow::mviewtopMost);
    connect(m_iconView, &MultiIconViewV::bottomMost, this, &MainMWindow::mviewbottomMost);

    // The watch takes the package configuration's checksum before the model
    // reads it, so that a change in between is not lost.
    m_watch = new ApplianceWatch(this);
    m_packages = new AggPkgInfo(this);
    m_packages->ReadConf(Paths::BentoConf.text());
    m_lircInput = new LircInput(this);
    connect(m_lircInput, &LircInput::irkeyPressed, this, &MainMWindow::irkeyPressed);
    m_lircInput->start();

    // Whether there is an IR receiver is asked once the first frame is on
    // the screen (startAppliance); its watches and pipeline follow then.
    m_watch->watchAll();
    followAppliance_();
    m_remoteKeys = new RemoteKeys(this);
    m_start = new HomeStart(this);
    connect(m_start, &HomeStart::irChecked, this, &MainMWindow::receiverChecked_);
    connect(m_packages, &AggPkgInfo::confPkgChanged, this, &MainMWindow::confPkgChanged);
    m_tiles = std::make_unique<TileList>(*m_packages, *m_iconView);
    connect(m_iconView, &MultiIconViewV::sharperPicturesWanted, this, [this] { m_tiles->refreshPictures(); });
    m_oneTouch = std::make_unique<OneTouchTool>(*m_watch);
    reloadApps();

    QLayout* gridLayout = ui->wgAppAll->layout();
    if (!gridLayout)
        gridLayout = new QVBoxLayout(ui->wgAppAll);
    gridLayout->setContentsMargins(0, 0, 0, 0);
    gridLayout->addWidget(m_iconView);
    // Taking the grid into the window took away the focus reloadApps gave it.
    m_iconView->setFocus();
    m_iconView->setPen(QPen(Qt::white));
    QCursor::setPos(mapToGlobal(QPoint(0, 0)));

    ui->txthost->setText(QHostInfo::localHostName());
    if (const std::optional<QString> name = PlatformFile::lastDisplayName())
        ui->txtnastype->setText(*name);

    m_tipsScreen = new TipsScreen(ui->txtnastype->text(), this, false, true);
    m_messages = new MessageQueue(this);
    m_tipsScreen->setWindowFlags(m_tipsScreen->windowFlags() | Qt::Tool);

    m_clockTimer = new QTimer(this);
    connect(m_clockTimer, &QTimer::timeout, this, &MainMWindow::refreshClock);
    m_clockTimer->start(1000);
    refreshClock();
    m_addressTimer = new QTimer(this);
    connect(m_addressTimer, &QTimer::timeout, this, &MainMWindow::refreshIpAddress);
    m_addressTimer->start(5000);
    refreshIpAddress();
    m_waiting = new LaunchWaiting(*this, *ui->labwaiting);
    connect(m_waiting, &LaunchWaiting::finished, this, &MainMWindow::launchDelayed);

    for (QFrame* f : {ui->frmlang, ui->frmsetting, ui->frmlogout, ui->frmtips, ui->frmaudio, ui->frmtandem})
        f->installEventFilter(this);

    loadPreset();
    ui->frmtandem->setVisible(hasTandem_(Paths::BentoConf.text()));
    DesktopShell::registerShell(m_userName);
}

void MainMWindow::startAppliance()
{
    m_start->checkReceiver();
    // The settings dialog is built now, once the home screen is on the
    // screen: building it takes as long as the rest of the window.
    settingsDialog()->startAppliance();
    // The screen-blanking time-outs the viewer chose, which the X server
    // forgets with every restart.
    CommandWorker::post(this, [] { DpmsConfig().loadPreset(); });
}

SettingsDialog* MainMWindow::settingsDialog()
{
    if (m_settings)
        return m_settings;
    // Opening it later only shows it. The language is the switch's, which
    // the program installed before the window was built.
    m_settings = new SettingsDialog(m_packages, this);
    m_settings->setWindowFlags(m_settings->windowFlags() | Qt::FramelessWindowHint);
    connect(m_settings, &QDialog::finished, this, &MainMWindow::settingsfinished);
    connect(m_settings, &SettingsDialog::IVOConfChange, this, &MainMWindow::settingsfinished);
    connect(m_settings, &SettingsDialog::IVOrestart, this, &MainMWindow::IVOrestart);
    connect(m_settings, &SettingsDialog::WallpaperChange, this, &MainMWindow::WallpaperChange);
    return m_settings;
}

void MainMWindow::receiverChecked_(bool supported)
{
    m_tipsScreen->setOneTouchShown(supported);
    if (!supported)
        return;
    m_watch->watchReceiver();
    m_irPipeline = IrPipeline::assemble();
}

MainMWindow::~MainMWindow()
{
    // The key device first, then the owned objects in the reverse order of
    // their creation.
    delete m_remoteKeys;
    m_irPipeline.reset();
    delete m_waiting;
    delete m_addressTimer;
    delete m_clockTimer;
    m_oneTouch.reset();
    m_tiles.reset();
    delete m_packages;
    delete m_messages;
    delete m_tipsScreen;
    delete m_watch;
    delete m_settings;
    delete m_lircInput;
    delete m_iconView;
    delete ui;
}

// What the watched files ask for, each to the reaction of its name.
void MainMWindow::followAppliance_()
{
    connect(m_watch, &ApplianceWatch::settingsOpenRequested, this, &MainMWindow::openSettings_);
    connect(m_watch, &ApplianceWatch::settingsCloseRequested, this, &MainMWindow::closeSettings_);
    connect(m_watch, &ApplianceWatch::karaokeKeyPressed, this, &MainMWindow::karaokeKey_);
    connect(
        m_watch, &ApplianceWatch::packageActionRequested, this, [this](const QString& package, const QString& action) {
            if (const QStringList arguments = m_tiles->actionArguments(package, action); !arguments.isEmpty())
                launchApp(arguments);
        });
    connect(m_watch, &ApplianceWatch::shellCommandRequested, this, [this](const QString& command) {
        launchApp({QStringLiteral("-c"), Appliance::command(command)});
    });
    connect(m_watch, &ApplianceWatch::packageMessageRequested, this, &MainMWindow::showPackageMessage_);
    connect(m_watch, &ApplianceWatch::packageConfTouched, this,
        [this] { ui->frmtandem->setVisible(hasTandem_(Paths::BentoConf.text())); });
    connect(m_watch, &ApplianceWatch::packageConfChanged, this, [this] {
        m_packages->ReadConf(Paths::BentoConf.text());
        reloadApps();
    });
    connect(m_watch, &ApplianceWatch::systemConfChanged, this, &MainMWindow::refreshTimezone);
    connect(m_watch, &ApplianceWatch::keyboltMarkerChanged, this, [this] {
        if (OneTouchTool::enabled())
            launchKeybolt_();
    });
}

void MainMWindow::loadPreset()
{
    UserSettings::storeTaskBarDefault();
    m_wallpaper = -1;
    WallpaperChange();
    CheckSecScreen();
    applyLabelSettings_();

    if (const QString user = Login::userName(); !user.isEmpty()) {
        m_userName = user;
        ui->txtadmin->setText(user);
    }
    const QString picture = Login::userPicturePath();
    const QPixmap pm = ImageResources::fromFile(picture);
    if (!picture.isEmpty() && !pm.isNull()) {
        m_userPicturePath = picture;
        m_layout->showUserPicture(pm, size());
    }
}

void MainMWindow::applyLabelSettings_()
{
    const UserSettings::Labels_s shown = UserSettings::labels();
    ui->txtclock->setHidden(!shown.clock);
    ui->txtip1->setHidden(!shown.addresses);
    ui->txtip2->setHidden(!shown.addresses);
    ui->txthost->setHidden(!shown.names);
    ui->txtnastype->setHidden(!shown.names);
}

void MainMWindow::CheckSecScreen()
{
    if (ScreenConfFile::secondScreenExtends())
        CommandWorker::post(this, [] {
            Appliance::runner().run(Appliance::path(QStringLiteral("/opt/bin/wallpaper.sh")), {}, Budget::Screen);
        });
}

bool MainMWindow::hasTandem_(const QString& appliancePath) const
{
    return !ConfigFile::value(Appliance::path(appliancePath), QStringLiteral("Tandem/Enable")).isEmpty();
}

QSize MainMWindow::getScreenResolution_() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return ScreenConfFile::homeScreenSize(screen ? screen->geometry().size() : QSize());
}

void MainMWindow::refreshClock()
{
    if (++m_hostCounter > 599) {
        ui->txthost->setText(QHostInfo::localHostName());
        m_hostCounter = 0;
    }
    if (m_startCounter < 10) {
        ++m_startCounter;
        CheckSecScreen();
        if (m_startCounter == 2)
            firstTime();
    }
    ui->txtclock->setText(QTime::currentTime().toString(QStringLiteral("hh:mm")));
}

void MainMWindow::refreshIpAddress()
{
    const auto [first, second] = NetworkAddresses::labels(NetworkAddresses::select(NetworkAddresses::interfaces()));
    ui->txtip1->setText(first);
    ui->txtip2->setText(second);
}

void MainMWindow::refreshTimezone()
{
    Appliance::runner().startDetached(Appliance::path(QStringLiteral("/etc/Tellora/init.d/tzconf")), {});
}

void MainMWindow::WallpaperChange()
{
    const int number = UserSettings::wallpaper();
    if (number == m_wallpaper)
        return;
    m_layout->showWallpaper(number);
    m_wallpaper = number;
}

void MainMWindow::changeblurshadow() { m_layout->shadows(getScreenResolution_().width()); }

void MainMWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    qDebug().noquote() << logPrefix(__FILE__, __LINE__, __func__)
                       << QStringLiteral("resizeEvent: %1 x %2").arg(event->size().width()).arg(event->size().height());
    m_layout->scale(
        event->size(), m_userPicturePath.isEmpty() ? QPixmap() : ImageResources::fromFile(m_userPicturePath));
    changeblurshadow();
    m_layout->showWallpaper(m_wallpaper);
}

void MainMWindow::paintEvent(QPaintEvent* event)
{
    QMainWindow::paintEvent(event);
    if (m_painted)
        return;
    m_painted = true;
    // Queued: the whole frame, children included, is on screen by the time
    // the loop comes back here.
    QTimer::singleShot(0, this, &MainMWindow::firstFramePainted);
}

void MainMWindow::closeEvent(QCloseEvent* event)
{
    // The home screen is never closed by the window manager.
    event->ignore();
}

void MainMWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange) {
        // A launched application took over.
        if (!isActiveWindow())
            m_waiting->takenOver();
        return;
    }
    if (event->type() == QEvent::LanguageChange)
        retranslate_();
    QMainWindow::changeEvent(event);
}

void MainMWindow::retranslate_()
{
    ui->retranslateUi(this);
    // The form's own text of the user label is only a stand-in.
    if (!m_userName.isEmpty())
        ui->txtadmin->setText(m_userName);
}

void MainMWindow::availableGeometryChanged(const QRect& geometry) { setGeometry(geometry); }

void MainMWindow::IVOrestart() { QCoreApplication::exit(0); }

// The tiles.

void MainMWindow::reloadApps()
{
    m_tiles->reload();
    m_iconView->setFocus();
}

void MainMWindow::confPkgChanged(const QString& event)
{
    switch (m_tiles->follow(event)) {
    case TileList::Change::Removed:
        if (!m_iconView->hasFocus())
            m_iconView->setSelect(-1);
        else if (m_tiles->names().isEmpty())
            focusTitleBar_();
        break;
    case TileList::Change::Inserted:
        if (ui->frmlang->hasFocus() || ui->frmsetting->hasFocus() || ui->frmlogout->hasFocus())
            m_iconView->setSelect(-1);
        else
            m_iconView->setFocus();
        break;
    default:
        break;
    }
}

void MainMWindow::mviewitemSelected(int) { }

void MainMWindow::mviewitemEntered(int index)
{
    if (const QStringList arguments = m_tiles->enter(index); !arguments.isEmpty())
        launchApp(arguments);
}

void MainMWindow::mviewfocusExit() { m_iconView->setSelect(0); }

void MainMWindow::mviewtopMost()
{
    if (m_iconView->hasFocus() && focusTitleBar_())
        m_iconView->setSelect(-1);
}

void MainMWindow::mviewbottomMost()
{
    if (!m_iconView->hasFocus() || !ui->frmtips->isVisible())
        return;
    ui->frmtips->setFocus();
    m_iconView->setSelect(-1);
}

void MainMWindow::launchApp(QStringList arguments)
{
    m_waiting->start();
    Appliance::runner().startDetached(QStringLiteral("sh"), arguments, QString());
}

void MainMWindow::refreshWaiting() { m_waiting->tick(); }

void MainMWindow::launchDelayed()
{
    m_waiting->finish();
    // A launch from a command file may have come while the title bar had the
    // focus: the grid takes it back with its tile shown selected.
    m_iconView->setSelect(std::max(0, m_iconView->select()));
    m_iconView->setFocus();
}

// The outside world: the remote's keys, the watched files, the one-touch tool.

void MainMWindow::irkeyPressed(const QString& keystr) { m_remoteKeys->keyLine(keystr); }

void MainMWindow::powerkeyTimeout() { m_remoteKeys->powerTick(); }

void MainMWindow::dpmsKeepalive() { m_remoteKeys->keepAlive(); }

void MainMWindow::fileChanged(const QString& path) { m_watch->fileChanged(path); }

void MainMWindow::directoryChanged(const QString& path) { m_watch->directoryChanged(path); }

void MainMWindow::launchKeybolt_() { m_oneTouch->launch(settingsDialog()->lang()); }

void MainMWindow::openSettings_()
{
    m_start->whenAnswered([this] { settingsDialog()->openInFront(); });
}

void MainMWindow::closeSettings_()
{
    if (m_settings)
        m_settings->close();
}

void MainMWindow::karaokeKey_()
{
    if (m_tiles->karaokeIndex() < 0)
        return;
    if (ApplianceCmd::karaokeRunning()) {
        ApplianceCmd::stopKaraoke();
    } else {
        closeSettings_();
        mviewitemEntered(m_tiles->karaokeIndex());
    }
}

void MainMWindow::showPackageMessage_(const QString& package, const QString& key)
{
    if (const QString text = m_tiles->message(
            package, key, settingsDialog()->lang().isEmpty() ? QStringLiteral("eng") : m_settings->lang());
        !text.isEmpty())
        m_messages->post(text);
}

// The title bar.

bool MainMWindow::eventFilter(QObject* watched, QEvent* event)
{
    QFrame* frame = nullptr;
    for (QFrame* f : {ui->frmlang, ui->frmaudio, ui->frmsetting, ui->frmtandem, ui->frmlogout, ui->frmtips}) {
        if (watched == f)
            frame = f;
    }
    if (!frame)
        return QMainWindow::eventFilter(watched, event);

    if (event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            m_iconView->setSelect(-1);
            frameAction_(frame);
            return true;
        }
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab)
            return true;
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            frameAction_(frame);
            return true;
        }
        if ((key == Qt::Key_Left || key == Qt::Key_Right) && moveAlongTitleBar_(frame, key))
            return true;
        // Down from the title bar, Up from the tips button: into the grid,
        // or on to the other side of an empty one.
        if ((key == Qt::Key_Down && frame != ui->frmtips) || (key == Qt::Key_Up && frame == ui->frmtips)) {
            m_iconView->setSelect(m_iconView->select() < 0 ? 0 : m_iconView->select());
            m_iconView->setFocus();
            if (m_iconView->count() == 0)
                key == Qt::Key_Down ? mviewbottomMost() : mviewtopMost();
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainMWindow::moveAlongTitleBar_(QObject* watched, int key)
{
    // Left to right, the video conferencing button only while it shows.
    QList<QFrame*> bar {ui->frmlang, ui->frmaudio, ui->frmsetting, ui->frmtandem, ui->frmlogout};
    if (ui->frmtandem->isHidden())
        bar.removeOne(ui->frmtandem);
    const qsizetype at = bar.indexOf(watched) + (key == Qt::Key_Left ? -1 : 1);
    if (!bar.contains(watched) || at < 0 || at >= bar.size())
        return false;
    bar.at(at)->setFocus();
    return true;
}

bool MainMWindow::focusTitleBar_()
{
    for (QFrame* f : {ui->frmlang, ui->frmsetting, ui->frmlogout}) {
        if (f->isVisible()) {
            f->setFocus();
            return true;
        }
    }
    return false;
}

void MainMWindow::frameAction_(QFrame* frame)
{
    if (frame == ui->frmlang) {
        languageMenu(frame);
    } else if (frame == ui->frmaudio) {
        m_start->whenAnswered([this] { launchAudioDialog(); });
    } else if (frame == ui->frmsetting) {
        showSettingsFromTitleBar_();
    } else if (frame == ui->frmtandem) {
        launchTandemSwitcher();
    } else if (frame == ui->frmlogout) {
        logOut_();
    } else if (frame == ui->frmtips) {
        // Its one-touch panel shows with the receiver's answer.
        m_start->whenAnswered([this] {
            m_tipsScreen->showMaximized();
            // A tool window is not given the focus by the window manager,
            // and the remote's keys must reach it.
            m_tipsScreen->activateWindow();
        });
    }
}

void MainMWindow::showSettingsFromTitleBar_()
{
    m_start->whenAnswered([this] {
        // On the primary output, which need not be the leftmost.
        settingsDialog()->move(DisplayCmd::primaryOutputX(), 0);
        m_settings->showMaximized();
    });
}

void MainMWindow::logOut_()
{
    // The next start asks for a login again; the service manager restarts us.
    Login::requireAtNextStartWhenReadable();
    QCoreApplication::exit(0);
}

void MainMWindow::launchAudioDialog()
{
    auto* chooser = new AudioDetectDialog(this);
    chooser->setWindowFlags(Qt::FramelessWindowHint | Qt::SplashScreen);
    // Modal before it shows: exec() on a shown dialog leaves it modeless.
    chooser->setWindowModality(Qt::ApplicationModal);
    chooser->setFocus();
    chooser->initFocus();
    chooser->show();
    chooser->activateWindow(); // a splash window is not focused by the window manager
    chooser->exec();
    ui->frmaudio->setFocus();
    delete chooser;
}

void MainMWindow::launchTandemSwitcher()
{
    auto* switcher = new TandemSwitcher(this);
    switcher->show();
    switcher->activateWindow(); // a splash window is not focused by the window manager
    switcher->exec();
    ui->frmtandem->setFocus();
    delete switcher;
}

void MainMWindow::languageMenu(QObject* watched)
{
    if (watched != ui->frmlang)
        return;
    const QString current = settingsDialog()->lang();
    auto* menu = new QMenu(this);
    menu->setFont(ui->txtadmin->font());
    menu->setStyleSheet(ChoiceMenu::styleSheet());
    for (const UiLanguage::Language_s& language : UiLanguage::table()) {
        QAction* action = menu->addAction(language.name);
        menu->addSeparator();
        if (language.code == current) {
            menu->setDefaultAction(action);
            menu->setActiveAction(action);
        }
    }
    QAction* back = menu->addAction(QStringLiteral("[%1]").arg(tr("Back")));
    menu->setFocus();
    QAction* chosen = menu->exec(ui->frmlang->mapToGlobal(QPoint(0, 0)));
    if (chosen && chosen != back)
        m_settings->retranslateUi(UiLanguage::codeOf(chosen->text()));
    delete menu;
}

// The notices and the settings' end.

void MainMWindow::firstTime() { FirstRun::showDue(this, *settingsDialog(), *m_iconView); }

bool MainMWindow::ShowPadlinkFirstDialog_() { return FirstRun::askPadlinkSettings(this); }

void MainMWindow::settingsfinished(int)
{
    applyLabelSettings_();
    // The web interface turned the task bar on: restart to take it.
    if (UserSettings::taskBarTurnedOnFromWeb()) {
        IVOrestart();
        UserSettings::forgetTaskBarFromWeb();
    }
}
