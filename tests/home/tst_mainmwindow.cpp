#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "home/IconItem.h"
#include "home/ImageResources.h"
#include "home/MainMWindow.h"
#include "home/MultiIconViewV.h"

#include <QBoxLayout>
#include <QDir>
#include <QFileSystemWatcher>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QHostInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <cstring>

#include <memory>
#include <thread>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

template<typename T> T* part(const QWidget& w, const char* name)
{
    T* p = w.findChild<T*>(QLatin1String(name));
    if (!p)
        qFatal("no %s in the form", name);
    return p;
}
QLabel* label(const QWidget& w, const char* name) { return part<QLabel>(w, name); }
QFrame* frame(const QWidget& w, const char* name) { return part<QFrame>(w, name); }

// A scratch appliance with a logged-in user and a recording runner; the
// hardware answers that there is no IR receiver unless told otherwise.
struct Appliance_s {
    ScratchSysroot root;
    RecordingRunner runner;
    QByteArray oldUser = qgetenv("NasUser"), oldIcon = qgetenv("NasUserIcon");

    Appliance_s()
    {
        qputenv("NasUser", "YWRtaW4="); // admin
        qunsetenv("NasUserIcon");
        root.write(QStringLiteral("/tmp/.keep"), {});
    }
    ~Appliance_s()
    {
        qputenv("NasUser", oldUser);
        qputenv("NasUserIcon", oldIcon);
    }
    void settings(const QByteArray& ini) const
    {
        QDir().mkpath(root.home() + QStringLiteral("/.config/Vendra"));
        QFile f(root.home() + QStringLiteral("/.config/Vendra/IVO.conf"));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(ini);
    }
    int countOf(const QString& line) const { return int(runner.lines().count(line)); }
};

int openDescriptors() { return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::System).size()); }

} // namespace

class TstMainMWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageResources::registerAll(); }
    void irCheck_data();
    void irCheck();
    void watchedFilesAreEmptiedFirst();
    void keyDeviceFailsCleanly();
    void statusLabels_data();
    void statusLabels();
    void userNameAndPicture_data();
    void userNameAndPicture();
    void taskBarDefaultIsWritten();
    void displayName_data();
    void displayName();
    void wallpaper_data();
    void wallpaper();
    void wallpaperAppliedOnlyOnChange();
    void secondScreen_data();
    void secondScreen();
    void screenResolution_data();
    void screenResolution();
    void shadowsAndFrames_data();
    void shadowsAndFrames();
    void resizeScaling_data();
    void resizeScaling();
    void tandem_data();
    void tandem();
    void cannotBeClosed();
    void leavingTheGrid();
    void registersWithDesktopShell();
};

void TstMainMWindow::irCheck_data()
{
    QTest::addColumn<QByteArray>("answer");
    QTest::addColumn<bool>("supported");
    QTest::newRow("yes") << QByteArray("yes\n") << true;
    QTest::newRow("no") << QByteArray("no\n") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("leading line feed") << QByteArray("\nyes\n") << false;
    QTest::newRow("capitals") << QByteArray("YES\n") << false;
}

void TstMainMWindow::irCheck()
{
    QFETCH(QByteArray, answer);
    QFETCH(bool, supported);
    Appliance_s a;
    a.runner.answer(QStringLiteral(".*hal_app --check_ir_support"), answer);
    MainMWindow w;
    QCOMPARE(w.irSupported(), supported);
    QCOMPARE(a.runner.lines().value(0),
        QStringLiteral("sudo %1/opt/bin/privrun hal_app --check_ir_support").arg(a.root.root()));
    const QStringList files = w.watcher()->files();
    const QString pid = a.root.path(QStringLiteral("/var/run/tellora/ir_reg.pid"));
    QCOMPARE(files.contains(a.root.path(QStringLiteral("/tmp/.tellora.keybolt.xxx"))), supported);
    QCOMPARE(files.contains(pid), supported);
    QCOMPARE(QFileInfo::exists(pid), supported);
}

void TstMainMWindow::watchedFilesAreEmptiedFirst()
{
    Appliance_s a;
    const QByteArray bento("[Foo]\nEnable = TRUE\n");
    a.root.write(QStringLiteral("/tmp/ivo.cmd"), "Settings Open\n");
    a.root.write(QStringLiteral("/tmp/ivo.hd3"), "lsh xterm\n");
    a.root.write(QStringLiteral("/etc/config/bento.conf"), bento);
    MainMWindow w;

    // Stale commands are gone; the appliance's own files are left alone.
    QCOMPARE(a.root.read(QStringLiteral("/tmp/ivo.cmd")), QByteArray());
    QCOMPARE(a.root.read(QStringLiteral("/tmp/ivo.hd3")), QByteArray());
    QVERIFY(QFileInfo::exists(a.root.path(QStringLiteral("/tmp/.audiosource.conf"))));
    QCOMPARE(a.root.read(QStringLiteral("/etc/config/bento.conf")), bento);
    QVERIFY(!QFileInfo::exists(a.root.path(QStringLiteral("/etc/config/corvex.conf"))));

    const QStringList expected {a.root.path(QStringLiteral("/etc/config/bento.conf")),
        a.root.path(QStringLiteral("/tmp/ivo.cmd")), a.root.path(QStringLiteral("/tmp/ivo.hd3")),
        a.root.path(QStringLiteral("/tmp/.audiosource.conf"))};
    QCOMPARE(w.watcher()->files(), expected);
    QCOMPARE(w.watcher()->directories(), QStringList {a.root.path(QStringLiteral("/etc/config"))});

    // The first write after start is news.
    QSignalSpy spy(w.watcher(), &QFileSystemWatcher::fileChanged);
    a.root.write(QStringLiteral("/tmp/ivo.cmd"), "Settings Open\n");
    QTRY_VERIFY(spy.contains(QVariantList {a.root.path(QStringLiteral("/tmp/ivo.cmd"))}));
}

void TstMainMWindow::keyDeviceFailsCleanly()
{
    Appliance_s a;
    const int before = openDescriptors();
    {
        MainMWindow w; // no /dev/uinput at all
        QCOMPARE(w.keyDevice(), -1);
    }
    // A device node that is not uinput: opened, refused, closed again.
    a.root.write(QStringLiteral("/dev/uinput"), {});
    {
        MainMWindow w;
        QCOMPARE(w.keyDevice(), -1);
    }
    QCOMPARE(openDescriptors(), before);
}

void TstMainMWindow::statusLabels_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<bool>("clock");
    QTest::addColumn<bool>("ip");
    QTest::addColumn<bool>("name");
    QTest::newRow("nothing set") << QByteArray() << true << true << true;
    QTest::newRow("all no") << QByteArray("[UIControl]\nDisplayDatetime=no\nDisplayIP=no\nDisplayServername=no\n")
                            << false << false << false;
    QTest::newRow("NO hides the addresses") << QByteArray("[UIControl]\nDisplayIP=NO\n") << true << false << true;
    QTest::newRow("other words show") << QByteArray("[UIControl]\nDisplayDatetime=off\nDisplayServername=false\n")
                                      << true << true << true;
}

void TstMainMWindow::statusLabels()
{
    QFETCH(QByteArray, ini);
    QFETCH(bool, clock);
    QFETCH(bool, ip);
    QFETCH(bool, name);
    Appliance_s a;
    a.settings(ini);
    MainMWindow w;
    QCOMPARE(!label(w, "txtclock")->isHidden(), clock);
    QCOMPARE(!label(w, "txtip1")->isHidden(), ip);
    QCOMPARE(!label(w, "txtip2")->isHidden(), ip);
    QCOMPARE(!label(w, "txthost")->isHidden(), name);
    QCOMPARE(!label(w, "txtnastype")->isHidden(), name);
    QVERIFY(QTime::fromString(label(w, "txtclock")->text(), QStringLiteral("hh:mm")).isValid());
    QVERIFY(label(w, "txtip1")->text().startsWith(QStringLiteral("IP: ")));
}

void TstMainMWindow::userNameAndPicture_data()
{
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("ownPicture");
    QTest::newRow("base64 name") << QByteArray("am9objE=") << "john1" << true;
    QTest::newRow("decodes to nothing") << QByteArray("====") << "User" << false;
}

void TstMainMWindow::userNameAndPicture()
{
    QFETCH(QByteArray, user);
    QFETCH(QString, shown);
    QFETCH(bool, ownPicture);
    Appliance_s a;
    qputenv("NasUser", user);
    const QString picture = a.root.home() + QStringLiteral("/.icon.png");
    QImage green(64, 64, QImage::Format_RGB32);
    green.fill(Qt::green);
    QVERIFY(green.save(picture));
    if (ownPicture)
        qputenv("NasUserIcon", picture.toUtf8().toBase64());
    else
        qputenv("NasUserIcon", "bm93aGVyZQ=="); // "nowhere": no picture loads

    MainMWindow w;
    QCOMPARE(label(w, "txtadmin")->text(), shown);
    QCOMPARE(w.userName(), shown == QLatin1String("User") ? QString() : shown);
    QResizeEvent resize(QSize(1920, 1080), QSize(100, 100));
    QApplication::sendEvent(&w, &resize);
    const QImage shownPicture = label(w, "labadmin")->pixmap().toImage();
    QCOMPARE(shownPicture.height(), 50);
    QCOMPARE(shownPicture.pixelColor(25, 25) == QColor(Qt::green), ownPicture);
}

void TstMainMWindow::taskBarDefaultIsWritten()
{
    {
        Appliance_s a;
        MainMWindow w;
        QSettings s(a.root.home() + QStringLiteral("/.config/Vendra/IVO.conf"), QSettings::IniFormat);
        QCOMPARE(s.value(QStringLiteral("TaskBar/Enable")).toString(), QStringLiteral("False"));
    }
    {
        Appliance_s a;
        a.settings("[TaskBar]\nEnable=true\n");
        MainMWindow w;
        QSettings s(a.root.home() + QStringLiteral("/.config/Vendra/IVO.conf"), QSettings::IniFormat);
        QCOMPARE(s.value(QStringLiteral("TaskBar/Enable")).toString(), QStringLiteral("true"));
    }
}

void TstMainMWindow::displayName_data()
{
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QString>("shown");
    QTest::newRow("trimmed") << QByteArray("Platform = X\nDISPLAY_NAME = HDMI-1   \n") << "HDMI-1";
    QTest::newRow("last line wins") << QByteArray("DISPLAY_NAME=A\nDISPLAY_NAME=B\n") << "B";
    QTest::newRow("text after the first equals") << QByteArray("DISPLAY_NAME = a=b\n") << "a=b";
    QTest::newRow("case matters") << QByteArray("display_name = x\n") << "";
    QTest::newRow("no file") << QByteArray() << "";
}

void TstMainMWindow::displayName()
{
    QFETCH(QByteArray, platform);
    QFETCH(QString, shown);
    Appliance_s a;
    if (!platform.isEmpty())
        a.root.write(QStringLiteral("/etc/platform.conf"), platform);
    MainMWindow w;
    QCOMPARE(label(w, "txtnastype")->text(), shown);
    QCOMPARE(label(w, "txthost")->text(), QHostInfo::localHostName());
}

void TstMainMWindow::wallpaper_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("picture");
    QTest::newRow("none") << QByteArray() << "wallpaper_default.jpg";
    QTest::newRow("0") << QByteArray("0") << "wallpaper_default.jpg";
    QTest::newRow("1") << QByteArray("1") << "wallpaper_image1.jpg";
    QTest::newRow("2") << QByteArray("2") << "wallpaper_image2.jpg";
    QTest::newRow("3") << QByteArray("3") << "wallpaper_image3.jpg";
    QTest::newRow("4") << QByteArray("4") << "wallpaper_default.jpg";
    QTest::newRow("not a number") << QByteArray("sky") << "wallpaper_default.jpg";
}

void TstMainMWindow::wallpaper()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, picture);
    Appliance_s a;
    if (!image.isEmpty())
        a.settings("[Wallpaper]\nImage=" + image + "\n");
    MainMWindow w;
    QCOMPARE(part<QWidget>(w, "centralwidget")->styleSheet(),
        QStringLiteral("#centralwidget{border-image: url(:/images/%1)}").arg(picture));
    QVERIFY(!QPixmap(QStringLiteral(":/images/") + picture).isNull());
}

void TstMainMWindow::wallpaperAppliedOnlyOnChange()
{
    Appliance_s a;
    a.settings("[Wallpaper]\nImage=1\n");
    MainMWindow w;
    QWidget* central = part<QWidget>(w, "centralwidget");
    central->setStyleSheet(QStringLiteral("marker"));
    w.WallpaperChange(); // still 1
    QCOMPARE(central->styleSheet(), QStringLiteral("marker"));
    QCOMPARE(w.wallpaperNumber(), 1);
    w.loadPreset(); // always applies
    QCOMPARE(central->styleSheet(), QStringLiteral("#centralwidget{border-image: url(:/images/wallpaper_image1.jpg)}"));
    a.settings("[Wallpaper]\nImage=2\n");
    w.WallpaperChange();
    QCOMPARE(central->styleSheet(), QStringLiteral("#centralwidget{border-image: url(:/images/wallpaper_image2.jpg)}"));
}

void TstMainMWindow::secondScreen_data()
{
    QTest::addColumn<QByteArray>("screen");
    QTest::addColumn<bool>("runs");
    QTest::newRow("extended right") << QByteArray("[Screen2]\nName=HDMI-2\nExtendMode=right\n") << true;
    QTest::newRow("extended LEFT") << QByteArray("[Screen2]\nName = DP-1\nExtendMode = LEFT\n") << true;
    QTest::newRow("duplicated") << QByteArray("[Screen2]\nName=HDMI-2\nExtendMode=\n") << false;
    QTest::newRow("no second screen") << QByteArray("[Screen2]\nName=none\nExtendMode=right\n") << false;
    QTest::newRow("nameless") << QByteArray("[Screen2]\nExtendMode=right\n") << false;
    QTest::newRow("no file") << QByteArray() << false;
}

void TstMainMWindow::secondScreen()
{
    QFETCH(QByteArray, screen);
    QFETCH(bool, runs);
    Appliance_s a;
    if (!screen.isEmpty())
        a.root.write(QStringLiteral("/etc/Tellora/config/screen.conf"), screen);
    const QString script = a.root.path(QStringLiteral("/opt/bin/wallpaper.sh"));
    MainMWindow w;
    // Once from the settings, once from the first clock tick.
    QCOMPARE(a.countOf(script), runs ? 2 : 0);
    for (int i = 0; i < 12; ++i)
        w.refreshClock();
    // The clock looks during its first ten ticks only.
    QCOMPARE(a.countOf(script), runs ? 11 : 0);
}

void TstMainMWindow::screenResolution_data()
{
    QTest::addColumn<QByteArray>("screen");
    QTest::addColumn<QSize>("size");
    const QSize primary = QGuiApplication::primaryScreen()->geometry().size();
    QTest::newRow("no file") << QByteArray() << QSize(-1, -1);
    QTest::newRow("4K") << QByteArray("[Screen1]\nConnected = True\nMode = 3840x2160\n") << QSize(3840, 2160);
    QTest::newRow("first connected screen decides")
        << QByteArray("[Screen1]\nConnected=False\nMode=1280x720\n[Screen2]\nConnected=TRUE\nMode=1920x1080\n")
        << QSize(1920, 1080);
    QTest::newRow("connected defaults to false") << QByteArray("[Screen1]\nMode=1280x720\n") << QSize(-1, -1);
    QTest::newRow("any case of screen") << QByteArray("[screen1]\nConnected=yes\nMode=1280x720\n") << QSize(1280, 720);
    QTest::newRow("not a screen") << QByteArray("[Display]\nConnected=True\nMode=1280x720\n") << QSize(-1, -1);
    QTest::newRow("not a number") << QByteArray("[Screen1]\nConnected=True\nMode=autox1080\n") << primary;
    QTest::newRow("zero") << QByteArray("[Screen1]\nConnected=True\nMode=0x1080\n") << primary;
}

void TstMainMWindow::screenResolution()
{
    QFETCH(QByteArray, screen);
    QFETCH(QSize, size);
    Appliance_s a;
    if (!screen.isEmpty())
        a.root.write(QStringLiteral("/etc/Tellora/config/screen.conf"), screen);
    MainMWindow w;
    QCOMPARE(w.getScreenResolution_(), size);
}

void TstMainMWindow::shadowsAndFrames_data()
{
    QTest::addColumn<QByteArray>("screen");
    QTest::addColumn<int>("blur");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("radius");
    QTest::addColumn<int>("border");
    QTest::addColumn<int>("tipsRadius");
    QTest::addColumn<int>("tipsBorder");
    QTest::newRow("unknown screen") << QByteArray() << 2 << 1 << 5 << 2 << 4 << 2;
    QTest::newRow("1080p") << QByteArray("[Screen1]\nConnected=True\nMode=1920x1080\n") << 5 << 1 << 10 << 6 << 10 << 4;
    QTest::newRow("4K") << QByteArray("[Screen1]\nConnected=True\nMode=3840x2160\n") << 10 << 2 << 20 << 12 << 20 << 8;
}

void TstMainMWindow::shadowsAndFrames()
{
    QFETCH(QByteArray, screen);
    QFETCH(int, blur);
    QFETCH(int, offset);
    QFETCH(int, radius);
    QFETCH(int, border);
    QFETCH(int, tipsRadius);
    QFETCH(int, tipsBorder);
    Appliance_s a;
    a.settings("[UIControl]\nDisplayIP=no\n");
    if (!screen.isEmpty())
        a.root.write(QStringLiteral("/etc/Tellora/config/screen.conf"), screen);
    MainMWindow w;
    w.changeblurshadow();
    for (const char* name : {"txtclock", "txthost", "txtnastype", "txtadmin"}) {
        auto* effect = qobject_cast<QGraphicsDropShadowEffect*>(label(w, name)->graphicsEffect());
        QVERIFY2(effect, name);
        QCOMPARE(int(effect->blurRadius()), blur);
        QCOMPARE(effect->offset(), QPointF(offset, offset));
    }
    QVERIFY(!label(w, "txtip1")->graphicsEffect()); // hidden: no shadow
    for (const char* name : {"frmlang", "frmsetting", "frmlogout", "frmaudio", "frmtandem"}) {
        QCOMPARE(frame(w, name)->styleSheet(),
            QStringLiteral("#%3{background:rgba(255,255,255,25);border-radius:%1px;}#%3:focus{border: %2px solid "
                           "rgb(0, 216, 255);border-radius:%1px;}")
                .arg(radius)
                .arg(border)
                .arg(QLatin1String(name)));
    }
    QCOMPARE(frame(w, "frmtips")->styleSheet(),
        QStringLiteral("#frmtips{background:rgba(255,255,255,25);border-radius:%1px;}#frmtips:focus{border: %2px "
                       "solid rgb(0, 216, 255);border-radius:%1px;}")
            .arg(tipsRadius)
            .arg(tipsBorder));
}

void TstMainMWindow::resizeScaling_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QByteArray>("platform");
    QTest::addColumn<QMargins>("main");
    QTest::addColumn<QMargins>("tiles");
    QTest::addColumn<int>("namePoints");
    QTest::addColumn<int>("hostPoints");
    QTest::addColumn<int>("clockPoints");
    QTest::addColumn<int>("ipPoints");
    QTest::addColumn<int>("iconHeight");
    QTest::addColumn<int>("tipsHeight");
    QTest::addColumn<QRect>("waiting");
    QTest::addColumn<QMargins>("frameMargins");

    const QByteArray shortName("DISPLAY_NAME = TV\n");
    const QByteArray longName("DISPLAY_NAME = A display name far too long for the title bar\n");
    QTest::newRow("1080p") << QSize(1920, 1080) << shortName << QMargins(60, 60, 60, 60) << QMargins(100, 20, 100, 0)
                           << 22 << 22 << 34 << 20 << 50 << 30 << QRect(675, 274, 150, 150) << QMargins(20, 10, 20, 10);
    QTest::newRow("4K") << QSize(3840, 2160) << shortName << QMargins(120, 120, 120, 120) << QMargins(200, 40, 200, 0)
                        << 44 << 44 << 68 << 40 << 100 << 60 << QRect(1350, 548, 300, 300) << QMargins(40, 20, 40, 20);
    QTest::newRow("long display name") << QSize(1920, 1080) << longName << QMargins(60, 60, 60, 60)
                                       << QMargins(100, 20, 100, 0) << 22 << 16 << 34 << 16 << 50 << 30
                                       << QRect(675, 274, 150, 150) << QMargins(20, 10, 20, 10);
    QTest::newRow("720p") << QSize(1280, 720) << shortName << QMargins(40, 40, 40, 40) << QMargins(66, 13, 66, 0) << 14
                          << 14 << 22 << 13 << 34 << 20 << QRect(450, 182, 100, 100) << QMargins(13, 6, 13, 6);
}

void TstMainMWindow::resizeScaling()
{
    QFETCH(QSize, size);
    QFETCH(QByteArray, platform);
    QFETCH(QMargins, main);
    QFETCH(QMargins, tiles);
    QFETCH(int, namePoints);
    QFETCH(int, hostPoints);
    QFETCH(int, clockPoints);
    QFETCH(int, ipPoints);
    QFETCH(int, iconHeight);
    QFETCH(int, tipsHeight);
    QFETCH(QRect, waiting);
    QFETCH(QMargins, frameMargins);

    Appliance_s a;
    a.root.write(QStringLiteral("/etc/platform.conf"), platform);
    MainMWindow w;
    QResizeEvent resize(size, QSize(640, 480));
    QApplication::sendEvent(&w, &resize);

    QCOMPARE(part<QLayout>(w, "vlMainMV")->contentsMargins(), main);
    QCOMPARE(part<QLayout>(w, "vlfrmMain")->contentsMargins(), tiles);
    QCOMPARE(label(w, "txtadmin")->font().pointSize(), namePoints);
    QCOMPARE(label(w, "txthost")->font().pointSize(), hostPoints);
    QCOMPARE(label(w, "txtnastype")->font().pointSize(), hostPoints);
    QCOMPARE(label(w, "txtclock")->font().pointSize(), clockPoints);
    QCOMPARE(label(w, "txtip1")->font().pointSize(), ipPoints);
    QCOMPARE(label(w, "txtip2")->font().pointSize(), ipPoints);
    for (const char* name : {"labadmin", "labsetting", "lablang", "lablogout", "labaudio"})
        QCOMPARE(label(w, name)->pixmap().height(), iconHeight);
    QCOMPARE(label(w, "labtips")->pixmap().height(), tipsHeight);
    QCOMPARE(label(w, "labwaiting")->geometry(), waiting);
    for (const char* name : {"hlfrmlang", "hlfrmaudio", "hlfrmsetting", "hlfrmlogout", "hlfrmtips"})
        QCOMPARE(part<QLayout>(w, name)->contentsMargins(), frameMargins);
}

void TstMainMWindow::tandem_data()
{
    QTest::addColumn<QByteArray>("bento");
    QTest::addColumn<bool>("shown");
    QTest::newRow("enabled") << QByteArray("[Tandem]\nEnable = TRUE\n") << true;
    QTest::newRow("any value counts") << QByteArray("[Tandem]\nEnable = FALSE\n") << true;
    QTest::newRow("empty value") << QByteArray("[Tandem]\nEnable =\n") << false;
    QTest::newRow("other package") << QByteArray("[Tandemx]\nEnable = TRUE\n") << false;
    QTest::newRow("no file") << QByteArray() << false;
}

void TstMainMWindow::tandem()
{
    QFETCH(QByteArray, bento);
    QFETCH(bool, shown);
    Appliance_s a;
    if (!bento.isEmpty())
        a.root.write(QStringLiteral("/etc/config/bento.conf"), bento);
    MainMWindow w;
    QCOMPARE(w.hasTandem_(QStringLiteral("/etc/config/bento.conf")), shown);
    QCOMPARE(!frame(w, "frmtandem")->isHidden(), shown);
}

void TstMainMWindow::cannotBeClosed()
{
    Appliance_s a;
    MainMWindow w;
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QVERIFY(!w.close());
    QVERIFY(w.isVisible());
}

void TstMainMWindow::leavingTheGrid()
{
    Appliance_s a;
    MainMWindow w;
    MultiIconViewV* grid = w.iconView();
    for (int i = 0; i < 3; ++i)
        grid->add(QPixmap(), QString::number(i));
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
    auto zoomedTiles = [&] {
        int n = 0;
        for (int s = 0; s < grid->pageSize(); ++s)
            n += grid->pageItem(s)->transform().isIdentity() ? 0 : 1;
        return n;
    };

    grid->setSelect(1);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Up); // top row: the title bar takes over
    QVERIFY(frame(w, "frmlang")->hasFocus());
    QCOMPARE(zoomedTiles(), 0);
    QCOMPARE(grid->select(), 1);

    frame(w, "frmlang")->hide();
    grid->setFocus();
    grid->setSelect(1);
    w.mviewtopMost();
    QVERIFY(frame(w, "frmsetting")->hasFocus());

    grid->setFocus();
    grid->setSelect(2);
    QTest::keyClick(grid, Qt::Key_Down); // bottom row: the tips button
    QVERIFY(frame(w, "frmtips")->hasFocus());
    QCOMPARE(zoomedTiles(), 0);

    // Only the grid's own focus hands over.
    grid->setSelect(2);
    w.mviewbottomMost();
    QVERIFY(frame(w, "frmtips")->hasFocus());
    QCOMPARE(zoomedTiles(), 1);

    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Escape); // leaves, and tile 0 is chosen again
    QCOMPARE(grid->select(), 0);
    QCOMPARE(zoomedTiles(), 1);
}

void TstMainMWindow::registersWithDesktopShell()
{
    Appliance_s a;
    QDir().mkpath(a.root.path(QStringLiteral("/tmp_kelp")));
    const QByteArray path = QFile::encodeName(a.root.path(QStringLiteral("/tmp_kelp/.tellorafuse")));
    QVERIFY(size_t(path.size()) < sizeof(sockaddr_un::sun_path));
    const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un addr {};
    addr.sun_family = AF_UNIX;
    std::memcpy(addr.sun_path, path.constData(), size_t(path.size()));
    QCOMPARE(::bind(server, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
    QCOMPARE(::listen(server, 1), 0);

    QByteArray received;
    std::thread service([&] {
        const int c = ::accept(server, nullptr, nullptr);
        char buf[4096] = {};
        const ssize_t n = ::read(c, buf, sizeof buf);
        received = QByteArray(buf, int(qMax<ssize_t>(n, 0)));
        ::write(c, "{}", 2);
        ::close(c);
    });
    {
        MainMWindow w;
    }
    service.join();
    ::close(server);

    QFile comm(QStringLiteral("/proc/self/comm"));
    QVERIFY(comm.open(QIODevice::ReadOnly));
    const QJsonObject expected {{QStringLiteral("cmd"), QStringLiteral("register_shell")},
        {QStringLiteral("shell_name"), QString::fromLocal8Bit(comm.readAll()).trimmed()},
        {QStringLiteral("user"), QStringLiteral("admin")}};
    QCOMPARE(received, QJsonDocument(expected).toJson(QJsonDocument::Compact));
    QVERIFY(received.startsWith("{\"cmd\":\"register_shell\",\"shell_name\":\""));
}

QTEST_MAIN(TstMainMWindow)
#include "tst_mainmwindow.moc"
