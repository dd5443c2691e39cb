#include "home/MainMWindow.h"

#include "ui_MainMWindow.h"

#include "appliance/Appliance.h"
#include "appliance/ApplianceCommands.h"
#include "appliance/ConfigFile.h"
#include "appliance/FileRewatch.h"
#include "appliance/UserSettings.h"
#include "home/ImageResources.h"
#include "home/MessageQueue.h"
#include "home/MultiIconViewV.h"
#include "home/NetworkAddresses.h"
#include "home/ScreenScale.h"
#include "home/TipsScreen.h"
#include "i18n/LanguageSwitch.h"
#include "i18n/UiLanguage.h"
#include "lirc/LircInput.h"
#include "lirc/irPipeline.h"
#include "packages/bentoconf.h"
#include "socketcpp/UnixSocket.h"
#include "util/IniParser.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCryptographicHash>
#include <QCursor>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QHostInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScreen>
#include <QTime>
#include <QTimer>
#include <QVBoxLayout>

#include <cmath>
#include <memory>

#include <fcntl.h>
#include <linux/uinput.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <sys/time.h>
#include <unistd.h>

namespace {

const char* const kBentoConf = "/etc/config/bento.conf";
const char* const kScreenConf = "/etc/Tellora/config/screen.conf";

QFont withPoints(QFont font, int points)
{
    font.setPointSize(qMax(1, points));
    return font;
}

QPixmap scaledToHeight(const QPixmap& pixmap, int height)
{
    if (pixmap.isNull() || height <= 0)
        return pixmap;
    return pixmap.scaledToHeight(height, Qt::SmoothTransformation);
}

bool isNo(const QString& value) { return value.compare(QLatin1String("no"), Qt::CaseInsensitive) == 0; }

// A new style sheet re-polishes the widget and everything below it: only when
// it really changes.
void setSheet(QWidget* widget, const QString& sheet)
{
    if (widget->styleSheet() != sheet)
        widget->setStyleSheet(sheet);
}

} // namespace

MainMWindow::MainMWindow(QWidget* parent)
    : QMainWindow(parent)
    , ui(new Ui::MainMWindow)
{
    m_homeDir = QString::fromLocal8Bit(qgetenv("HOME"));
    ui->setupUi(this);
    setAttribute(Qt::WA_NoSystemBackground);
    setAttribute(Qt::WA_TranslucentBackground);

    m_iconView = new MultiIconViewV(QSize(5, 3), QSizeF(380, 380), QSizeF(150, 200), 1.3, 0);
    connect(m_iconView, &MultiIconViewV::itemSelected, this, &MainMWindow::mviewitemSelected);
    connect(m_iconView, &MultiIconViewV::itemEntered, this, &MainMWindow::mviewitemEntered);
    connect(m_iconView, &MultiIconViewV::focusExit, this, &MainMWindow::mviewfocusExit);
    connect(m_iconView, &MultiIconViewV::topMost, this, &MainMWindow::mviewtopMost);
    connect(m_iconView, &MultiIconViewV::bottomMost, this, &MainMWindow::mviewbottomMost);

    m_packages = new AggPkgInfo(this);
    // The checksum of what is read now, taken before the read so that a
    // change in between is not lost: a later rewrite with the same contents,
    // even the first one, then rebuilds nothing. Computed here rather than
    // with the md5sum pipeline of later changes (same hex digest), which
    // would hold up the first frame.
    if (const QByteArray conf = ConfigFile::read(Appliance::path(QString::fromLatin1(kBentoConf))); !conf.isEmpty())
        m_confChecksum = QString::fromLatin1(QCryptographicHash::hash(conf, QCryptographicHash::Md5).toHex());
    m_packages->ReadConf(QString::fromLatin1(kBentoConf));
    m_lircInput = new LircInput(this);
    connect(m_lircInput, &LircInput::irkeyPressed, this, &MainMWindow::irkeyPressed);
    m_lircInput->start();

    m_irSupported = ApplianceCmd::hasIrReceiver();
    if (m_irSupported) {
        watch_(QStringLiteral("/tmp/.tellora.keybolt.xxx"), true);
        const QString pidFile = QStringLiteral("/var/run/tellora/ir_reg.pid");
        if (!QFileInfo::exists(Appliance::path(pidFile)))
            QDir().mkpath(QFileInfo(Appliance::path(pidFile)).absolutePath());
        watch_(pidFile, true);
    }
    watch_(QStringLiteral("/etc/config"), false);
    watch_(QString::fromLatin1(kBentoConf), false);
    watch_(QStringLiteral("/etc/config/corvex.conf"), false);
    watch_(QStringLiteral("/tmp/ivo.cmd"), true);
    watch_(QStringLiteral("/tmp/ivo.hd3"), true);
    watch_(QStringLiteral("/tmp/.audiosource.conf"), true);
    m_rewatch = std::make_unique<FileRewatch>(m_watcher);
    QStringList replaceable {QStringLiteral("/tmp/ivo.cmd"), QStringLiteral("/tmp/ivo.hd3")};
    if (m_irSupported)
        replaceable << QStringLiteral("/tmp/.tellora.keybolt.xxx");
    for (const QString& file : std::as_const(replaceable))
        m_rewatch->watch(Appliance::path(file));
    connect(m_watcher, &QFileSystemWatcher::fileChanged, this, &MainMWindow::fileChanged);
    connect(m_watcher, &QFileSystemWatcher::directoryChanged, this, &MainMWindow::directoryChanged);

    openKeyDevice_();

    m_powerKeyTimer = new QTimer(this);
    m_powerKeyTimer->setInterval(500);
    m_powerKeyCount = 0;
    connect(m_powerKeyTimer, &QTimer::timeout, this, &MainMWindow::powerkeyTimeout);

    // Seam: the settings dialog is created here for the package model, gets
    // the frameless flag, and its finished, IVOConfChange, IVOrestart and
    // WallpaperChange signals are connected. It takes the language switch
    // over; until then the window keeps it and applies the stored language
    // the way the dialog's construction does.
    m_language = std::make_unique<LanguageSwitch>();
    if (const QString stored = UiLanguage::stored(); !stored.isEmpty())
        m_language->retranslate(stored);
    connect(m_packages, &AggPkgInfo::confPkgChanged, this, &MainMWindow::confPkgChanged);
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
    readDisplayName_();

    m_tipsScreen = new TipsScreen(ui->txtnastype->text(), this, m_irSupported, true);
    m_messages = new MessageQueue(this);
    m_tipsScreen->setWindowFlags(m_tipsScreen->windowFlags() | Qt::FramelessWindowHint | Qt::Tool);

    m_clockTimer = new QTimer(this);
    connect(m_clockTimer, &QTimer::timeout, this, &MainMWindow::refreshClock);
    m_clockTimer->start(1000);
    refreshClock();
    m_addressTimer = new QTimer(this);
    connect(m_addressTimer, &QTimer::timeout, this, &MainMWindow::refreshIpAddress);
    m_addressTimer->start(5000);
    refreshIpAddress();
    m_waitingTimer = new QTimer(this);
    connect(m_waitingTimer, &QTimer::timeout, this, &MainMWindow::refreshWaiting);

    for (QFrame* f : {ui->frmlang, ui->frmsetting, ui->frmlogout, ui->frmtips, ui->frmaudio, ui->frmtandem})
        f->installEventFilter(this);
    m_waitingStep = 0;
    ui->labwaiting->hide();

    loadPreset();

    ui->frmtandem->setVisible(hasTandem_(QString::fromLatin1(kBentoConf)));

    if (m_irSupported)
        m_irPipeline = IrPipeline::assemble();

    registerWithShell_();
}

MainMWindow::~MainMWindow()
{
    m_irPipeline.reset();
    closeKeyDevice_();
    // Owned objects go in the reverse order of their creation.
    delete m_waitingTimer;
    delete m_addressTimer;
    delete m_clockTimer;
    delete m_powerKeyTimer;
    delete m_packages;
    m_packages = nullptr;
    delete m_messages;
    m_messages = nullptr;
    delete m_tipsScreen;
    m_tipsScreen = nullptr;
    m_rewatch.reset();
    delete m_watcher;
    m_watcher = nullptr;
    m_language.reset();
    delete m_lircInput;
    m_lircInput = nullptr;
    delete m_iconView;
    m_iconView = nullptr;
    delete ui;
}

void MainMWindow::watch_(const QString& appliancePath, bool truncate)
{
    const QString path = Appliance::path(appliancePath);
    // Most of these lie in world-writable folders: whatever was planted there
    // is replaced, never written through.
    if (truncate)
        GuardedFile::makeEmpty(QFile::encodeName(path).constData());
    if (!m_watcher)
        m_watcher = new QFileSystemWatcher(this);
    if (QFileInfo::exists(path))
        m_watcher->addPath(path);
}

void MainMWindow::openKeyDevice_()
{
    const std::string device = Appliance::path(std::string("/dev/uinput"));
    int fd = ::open(device.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        m_keyDevice = -1;
        return;
    }
    uinput_user_dev dev {};
    std::snprintf(dev.name, sizeof dev.name, "%s", "uinput-IVO");
    dev.id.bustype = BUS_USB;
    dev.id.vendor = 0;
    dev.id.product = 0;
    dev.id.version = 1;
    const bool ok = ::ioctl(fd, UI_SET_EVBIT, EV_KEY) == 0 && ::ioctl(fd, UI_SET_KEYBIT, KEY_LEFTSHIFT) == 0
        && ::write(fd, &dev, sizeof dev) == ssize_t(sizeof dev) && ::ioctl(fd, UI_DEV_CREATE) == 0;
    if (!ok) {
        ::close(fd);
        fd = -1;
    }
    m_keyDevice = fd;
}

void MainMWindow::closeKeyDevice_()
{
    if (m_keyDevice < 0)
        return;
    ::ioctl(m_keyDevice, UI_DEV_DESTROY);
    ::close(m_keyDevice);
    m_keyDevice = -1;
}

void MainMWindow::readDisplayName_()
{
    const QByteArray bytes = ConfigFile::read(Appliance::path(QStringLiteral("/etc/platform.conf")));
    for (const QByteArray& raw : bytes.split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (line.contains(QLatin1String("DISPLAY_NAME")))
            ui->txtnastype->setText(line.section(QLatin1Char('='), 1).trimmed());
    }
}

void MainMWindow::registerWithShell_()
{
    std::unique_ptr<lumo::UnixSocket> socket(lumo::UnixSocket::CreateSocket(SOCK_STREAM, false));
    if (!socket)
        return;
    if (socket->Connect(Appliance::path(std::string("/tmp_kelp/.tellorafuse"))) != 0)
        return;
    QString comm;
    QFile f(QStringLiteral("/proc/self/comm"));
    if (f.open(QIODevice::ReadOnly))
        comm = QString::fromLocal8Bit(f.readLine()).trimmed();
    const QJsonObject message {{QStringLiteral("cmd"), QStringLiteral("register_shell")},
        {QStringLiteral("shell_name"), comm}, {QStringLiteral("user"), m_userName}};
    const QByteArray bytes = QJsonDocument(message).toJson(QJsonDocument::Compact);
    if (socket->Write(bytes.toStdString()) > 0) {
        // The reply is not used; a service that never answers must not keep
        // the home screen from coming up.
        timeval limit {3, 0};
        ::setsockopt(socket->GetSocket(), SOL_SOCKET, SO_RCVTIMEO, &limit, sizeof limit);
        char reply[4096] = {};
        socket->Read(reply, sizeof reply - 1);
    }
}

void MainMWindow::loadPreset()
{
    std::unique_ptr<QSettings> settings = UserSettings::open();
    // Seam: DpmsConfig::loadPreset applies the stored screen-blanking settings here.
    if (settings->value(QStringLiteral("TaskBar/Enable")).toString().isEmpty()) {
        settings->setValue(QStringLiteral("TaskBar/Enable"), QStringLiteral("False"));
        settings->sync();
    }

    m_wallpaper = -1;
    WallpaperChange();
    CheckSecScreen();

    applyLabelSettings_(*settings);

    const QString user = QString::fromUtf8(QByteArray::fromBase64(qgetenv("NasUser")));
    if (!user.isEmpty()) {
        m_userName = user;
        ui->txtadmin->setText(user);
    }
    const QString picture = QString::fromUtf8(QByteArray::fromBase64(qgetenv("NasUserIcon")));
    const QPixmap pm = ImageResources::fromFile(picture);
    if (!picture.isEmpty() && !pm.isNull()) {
        m_userPicturePath = picture;
        ui->labadmin->setPixmap(scaledToHeight(pm, int(std::ceil(50.0 * height() / 1080))));
    }
}

void MainMWindow::applyLabelSettings_(const QSettings& settings)
{
    const QString yes = QStringLiteral("yes");
    ui->txtclock->setHidden(isNo(settings.value(QStringLiteral("UIControl/DisplayDatetime"), yes).toString()));
    const bool hideIp = isNo(settings.value(QStringLiteral("UIControl/DisplayIP"), yes).toString());
    ui->txtip1->setHidden(hideIp);
    ui->txtip2->setHidden(hideIp);
    const bool hideName = isNo(settings.value(QStringLiteral("UIControl/DisplayServername"), yes).toString());
    ui->txthost->setHidden(hideName);
    ui->txtnastype->setHidden(hideName);
}

void MainMWindow::CheckSecScreen()
{
    lumo::IniParser ini;
    ini.ParseFile(Appliance::path(std::string(kScreenConf)));
    const std::string name = ini.Get("Screen2", "Name", "");
    const QString mode = QString::fromStdString(ini.Get("Screen2", "ExtendMode", ""));
    const bool extended = mode.compare(QLatin1String("right"), Qt::CaseInsensitive) == 0
        || mode.compare(QLatin1String("left"), Qt::CaseInsensitive) == 0;
    if (!name.empty() && name != "none" && extended)
        Appliance::runner().run(Appliance::path(QStringLiteral("/opt/bin/wallpaper.sh")), {});
}

bool MainMWindow::hasTandem_(const QString& appliancePath) const
{
    return !ConfigFile::settings(Appliance::path(appliancePath))
                ->value(QStringLiteral("Tandem/Enable"))
                .toString()
                .isEmpty();
}

QSize MainMWindow::getScreenResolution_() const
{
    lumo::IniParser ini;
    if (ini.ParseFile(Appliance::path(std::string(kScreenConf))) != 0)
        return QSize(-1, -1);
    for (size_t i = 0; i < ini.getSessionCount(); ++i) {
        const std::string section = ini.getSessionNameByIndex(i);
        if (!QString::fromStdString(section).contains(QLatin1String("Screen"), Qt::CaseInsensitive))
            continue;
        const QString connected = QString::fromStdString(ini.Get(section, "Connected", "False"));
        const QString mode = QString::fromStdString(ini.Get(section, "Mode", ""));
        if (connected.contains(QLatin1String("False"), Qt::CaseInsensitive) || !mode.contains(QLatin1Char('x')))
            continue;
        const QStringList parts = mode.split(QLatin1Char('x'));
        if (parts.size() != 2)
            return QSize(-1, -1);
        bool okW = false, okH = false;
        const int w = parts[0].trimmed().toInt(&okW);
        const int h = parts[1].trimmed().toInt(&okH);
        if (okW && okH && w != 0 && h != 0)
            return QSize(w, h);
        const QScreen* screen = QGuiApplication::primaryScreen();
        const QSize primary = screen ? screen->geometry().size() : QSize();
        return primary.isEmpty() ? QSize(1920, 1080) : primary;
    }
    return QSize(-1, -1);
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
    const int number = UserSettings::open()->value(QStringLiteral("Wallpaper/Image"), 0).toInt();
    if (number == m_wallpaper)
        return;
    ui->centralwidget->setStyleSheet(wallpaperStyleSheet(number));
    m_wallpaper = number;
}

void MainMWindow::changeblurshadow()
{
    const int w = getScreenResolution_().width();
    const int blur = qMax(w * 5 / 1920, 2);
    const int offset = qMax(w / 1920, 1);
    auto shadow = [&](QWidget* label) {
        auto* effect = qobject_cast<QGraphicsDropShadowEffect*>(label->graphicsEffect());
        if (!effect) {
            effect = new QGraphicsDropShadowEffect(label);
            effect->setColor(QColor(0, 0, 0, 210));
            label->setGraphicsEffect(effect);
        }
        effect->setBlurRadius(blur);
        effect->setOffset(offset, offset);
    };
    if (!ui->txtclock->isHidden())
        shadow(ui->txtclock);
    if (!ui->txtip1->isHidden()) {
        shadow(ui->txtip1);
        shadow(ui->txtip2);
    }
    if (!ui->txthost->isHidden()) {
        shadow(ui->txthost);
        shadow(ui->txtnastype);
    }
    shadow(ui->txtadmin);

    const QString style = QStringLiteral(
        "#%3{background:rgba(255,255,255,25);border-radius:%1px;}#%3:focus{border: %2px solid rgb(0, 216, "
        "255);border-radius:%1px;}");
    const int radius = qMax(w * 10 / 1920, 5);
    const int border = qMax(w * 6 / 1920, 2);
    for (QFrame* f : {ui->frmlang, ui->frmsetting, ui->frmlogout, ui->frmaudio, ui->frmtandem})
        setSheet(f, style.arg(radius).arg(border).arg(f->objectName()));
    setSheet(ui->frmtips, style.arg(qMax(w * 10 / 1920, 4)).arg(qMax(w * 4 / 1920, 2)).arg(ui->frmtips->objectName()));
}

QPixmap MainMWindow::userPicture_() const
{
    QPixmap pm;
    if (!m_userPicturePath.isEmpty())
        pm = ImageResources::fromFile(m_userPicturePath);
    if (pm.isNull())
        pm.load(QStringLiteral(":/images/admin_default_smail.png"));
    return pm;
}

void MainMWindow::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    const int W = event->size().width();
    const int H = event->size().height();
    qDebug().noquote() << QStringLiteral("[%1][%2][%3] resizeEvent: %4 x %5")
                              .arg(QLatin1String(__FILE__))
                              .arg(__LINE__)
                              .arg(QLatin1String(__func__))
                              .arg(W)
                              .arg(H);

    ui->vlMainMV->setContentsMargins(W / 32, H / 18, W / 32, H / 18);
    const int iconHeight = int(std::ceil(50.0 * H / 1080));
    ui->labadmin->setPixmap(scaledToHeight(userPicture_(), iconHeight));
    ui->labsetting->setPixmap(scaledToHeight(QPixmap(QStringLiteral(":/images/icon_setting.png")), iconHeight));
    ui->lablang->setPixmap(scaledToHeight(QPixmap(QStringLiteral(":/images/icon_language.png")), iconHeight));
    ui->lablogout->setPixmap(scaledToHeight(QPixmap(QStringLiteral(":/images/icon_logout.png")), iconHeight));
    ui->labaudio->setPixmap(scaledToHeight(QPixmap(QStringLiteral(":/images/speaker.png")), iconHeight));
    ui->labtandem->setPixmap(scaledToHeight(QPixmap(QStringLiteral(":/images/icon_tandem.png")), iconHeight));
    ui->labtips->setPixmap(
        scaledToHeight(QPixmap(QStringLiteral(":/images/icon_help.png")), int(std::ceil(30.0 * H / 1080))));

    const QFont nameFont = withPoints(ui->txtadmin->font(), 22 * H / 1080);
    ui->txtadmin->setFont(nameFont);
    ui->txthost->setFont(nameFont);
    ui->txtnastype->setFont(nameFont);
    const bool longName = QFontMetrics(nameFont).horizontalAdvance(ui->txtnastype->text()) > 200;
    if (longName) {
        ui->txthost->setFont(withPoints(nameFont, 16 * H / 1080));
        ui->txtnastype->setFont(withPoints(nameFont, 16 * H / 1080));
    }
    ui->txtclock->setFont(withPoints(ui->txtclock->font(), 34 * H / 1080));
    const int ipPoints = longName ? 16 * H / 1080 : H / 54;
    ui->txtip1->setFont(withPoints(ui->txtip1->font(), ipPoints));
    ui->txtip2->setFont(withPoints(ui->txtip2->font(), ipPoints));
    ui->txttips->setFont(withPoints(ui->txttips->font(), 18 * H / 1080));

    const int frameV = H / 108;
    for (QLayout* l : {ui->hlfrmlang, ui->hlfrmaudio, ui->hlfrmsetting, ui->hlfrmlogout, ui->hlfrmtips})
        l->setContentsMargins(W / 96, frameV, W / 96, frameV);
    ui->hlfrmtandem->setContentsMargins(W / 96, frameV, W / 96, frameV);

    auto fixed = [](QSpacerItem* s, int w) { s->changeSize(w, 1, QSizePolicy::Fixed, QSizePolicy::Minimum); };
    fixed(ui->hsAdmin, W / 192);
    fixed(ui->hsAdminText, W / 96);
    fixed(ui->hsNasType, W / 96);
    for (QSpacerItem* s : {ui->hsLang, ui->hsAudio, ui->hsSetting, ui->hsTandem, ui->hsLangLead, ui->hsAudioLead,
             ui->hsSettingLead, ui->hsTandemLead})
        fixed(s, W / 120);
    fixed(ui->hsLogout, W / 64);
    fixed(ui->hsLogoutLead, W / 64);
    fixed(ui->hsTips, W / 128);
    fixed(ui->hsClock, W / 96);
    ui->hlTitle->setSpacing(W * 12 / 1920);
    ui->hlTitle->invalidate();

    ui->vlfrmMain->setContentsMargins(W * 100 / 1920, H / 54, W * 100 / 1920, 0);
    ui->labwaiting->move(W * 675 / 1920, H * 274 / 1080);
    ui->labwaiting->resize(W * 150 / 1920, H * 150 / 1080);
    ui->labwaiting->raise();

    changeblurshadow();
    setSheet(ui->centralwidget, wallpaperStyleSheet(m_wallpaper));
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
        // A launched application took over: end the waiting animation on its
        // next tick.
        if (!isActiveWindow() && m_waitingStep != 0)
            m_waitingStep = 50;
        return;
    }
    if (event->type() == QEvent::LanguageChange)
        retranslate_();
    QMainWindow::changeEvent(event);
}

void MainMWindow::availableGeometryChanged(const QRect& geometry) { setGeometry(geometry); }

void MainMWindow::mviewitemSelected(int) { }

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

void MainMWindow::IVOrestart() { QCoreApplication::exit(0); }
