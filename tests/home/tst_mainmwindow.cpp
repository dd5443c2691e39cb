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
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <cstring>
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

// A scratch appliance with a logged-in user and a recording runner.
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
    void screen(const QByteArray& conf) const
    {
        if (!conf.isEmpty())
            root.write(QStringLiteral("/etc/Tellora/config/screen.conf"), conf);
    }
};

int openDescriptors() { return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::System).size()); }

QString wallpaperSheet(const char* picture)
{
    return QStringLiteral("#centralwidget{border-image: url(:/images/%1)}").arg(QLatin1String(picture));
}

} // namespace

class TstMainMWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageResources::registerAll(); }

    void irCheck_data()
    {
        QTest::addColumn<QByteArray>("answer");
        QTest::addColumn<bool>("supported");
        QTest::newRow("yes") << QByteArray("yes\n") << true;
        QTest::newRow("no") << QByteArray("no\n") << false;
        QTest::newRow("leading line feed") << QByteArray("\nyes\n") << false;
    }
    void irCheck()
    {
        QFETCH(QByteArray, answer);
        QFETCH(bool, supported);
        Appliance_s a;
        a.runner.answer(QStringLiteral(".*hal_app --check_ir_support"), answer);
        MainMWindow w;
        QCOMPARE(w.irSupported(), supported);
        QCOMPARE(a.runner.lines(),
            QStringList {QStringLiteral("sudo %1/opt/bin/privrun hal_app --check_ir_support").arg(a.root.root())});
        // Only an appliance with its own receiver watches the one-touch
        // marker and the remote registration.
        const QString pid = a.root.path(QStringLiteral("/var/run/tellora/ir_reg.pid"));
        QCOMPARE(w.watcher()->files().contains(a.root.path(QStringLiteral("/tmp/.tellora.keybolt.xxx"))), supported);
        QCOMPARE(w.watcher()->files().contains(pid), supported);
        QCOMPARE(QFileInfo::exists(pid), supported);
        w.refreshTimezone(); // started, not waited for
        QCOMPARE(a.runner.calls().last().line(), a.root.path(QStringLiteral("/etc/Tellora/init.d/tzconf")));
        QVERIFY(a.runner.calls().last().detached);
    }

    void watchedFilesAreEmptiedFirst()
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
        QCOMPARE(a.root.read(QStringLiteral("/etc/config/bento.conf")), bento);
        QVERIFY(QFileInfo::exists(a.root.path(QStringLiteral("/tmp/.audiosource.conf"))));
        QStringList expected;
        for (const char* p : {"/etc/config/bento.conf", "/tmp/ivo.cmd", "/tmp/ivo.hd3", "/tmp/.audiosource.conf"})
            expected << a.root.path(QLatin1String(p));
        QCOMPARE(w.watcher()->files(), expected); // corvex.conf does not exist
        QCOMPARE(w.watcher()->directories(), QStringList {a.root.path(QStringLiteral("/etc/config"))});
        // The first write after start is news.
        QSignalSpy spy(w.watcher(), &QFileSystemWatcher::fileChanged);
        a.root.write(QStringLiteral("/tmp/ivo.cmd"), "Settings Open\n");
        QTRY_VERIFY(spy.contains(QVariantList {a.root.path(QStringLiteral("/tmp/ivo.cmd"))}));
    }

    void keyDeviceFailsCleanly()
    {
        Appliance_s a;
        const int before = openDescriptors();
        {
            MainMWindow w; // no /dev/uinput at all
            QCOMPARE(w.keyDevice(), -1);
        }
        a.root.write(QStringLiteral("/dev/uinput"), {}); // opens, but is no uinput
        {
            MainMWindow w;
            QCOMPARE(w.keyDevice(), -1);
        }
        QCOMPARE(openDescriptors(), before);
    }

    void presetLabels_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<bool>("clock");
        QTest::addColumn<bool>("ip");
        QTest::addColumn<bool>("name");
        QTest::addColumn<QString>("shownUser");
        QTest::newRow("nothing set") << QByteArray() << QByteArray("am9objE=") << true << true << true << "john1";
        QTest::newRow("all no") << QByteArray("[UIControl]\nDisplayDatetime=no\nDisplayIP=no\nDisplayServername=no\n")
                                << QByteArray("YWRtaW4=") << false << false << false << "admin";
        QTest::newRow("NO hides the addresses")
            << QByteArray("[UIControl]\nDisplayIP=NO\n") << QByteArray("YWRtaW4=") << true << false << true << "admin";
        QTest::newRow("other words show, empty name keeps the form's")
            << QByteArray("[UIControl]\nDisplayDatetime=off\n") << QByteArray("====") << true << true << true << "User";
    }
    void presetLabels()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QByteArray, user);
        QFETCH(bool, clock);
        QFETCH(bool, ip);
        QFETCH(bool, name);
        QFETCH(QString, shownUser);
        Appliance_s a;
        a.settings(ini);
        qputenv("NasUser", user);
        MainMWindow w;
        QCOMPARE(!label(w, "txtclock")->isHidden(), clock);
        QCOMPARE(!label(w, "txtip1")->isHidden(), ip);
        QCOMPARE(!label(w, "txtip2")->isHidden(), ip);
        QCOMPARE(!label(w, "txthost")->isHidden(), name);
        QCOMPARE(!label(w, "txtnastype")->isHidden(), name);
        QCOMPARE(label(w, "txtadmin")->text(), shownUser);
        QVERIFY(QTime::fromString(label(w, "txtclock")->text(), QStringLiteral("hh:mm")).isValid());
        QVERIFY(label(w, "txtip1")->text().startsWith(QStringLiteral("IP: ")));
        QCOMPARE(label(w, "txthost")->text(), QHostInfo::localHostName());
        // An empty task-bar setting is written out as "False".
        QSettings s(a.root.home() + QStringLiteral("/.config/Vendra/IVO.conf"), QSettings::IniFormat);
        QCOMPARE(s.value(QStringLiteral("TaskBar/Enable")).toString(), QStringLiteral("False"));
    }

    void userPicture()
    {
        Appliance_s a;
        const QString picture = a.root.home() + QStringLiteral("/.icon.png");
        QImage green(64, 64, QImage::Format_RGB32);
        green.fill(Qt::green);
        QVERIFY(green.save(picture));
        for (bool own : {true, false}) {
            qputenv("NasUserIcon", own ? picture.toUtf8().toBase64() : QByteArray("bm93aGVyZQ==")); // "nowhere"
            MainMWindow w;
            QResizeEvent resize(QSize(1920, 1080), QSize(100, 100));
            QApplication::sendEvent(&w, &resize);
            const QImage shown = label(w, "labadmin")->pixmap().toImage();
            QCOMPARE(shown.height(), 50);
            QCOMPARE(shown.pixelColor(25, 25) == QColor(Qt::green), own);
        }
    }

    void displayName_data()
    {
        QTest::addColumn<QByteArray>("platform");
        QTest::addColumn<QString>("shown");
        QTest::newRow("trimmed") << QByteArray("Platform = X\nDISPLAY_NAME = HDMI-1   \n") << "HDMI-1";
        QTest::newRow("last line wins, after the first =")
            << QByteArray("DISPLAY_NAME=A\nDISPLAY_NAME = a=b\n") << "a=b";
        QTest::newRow("case matters") << QByteArray("display_name = x\n") << "";
    }
    void displayName()
    {
        QFETCH(QByteArray, platform);
        QFETCH(QString, shown);
        Appliance_s a;
        a.root.write(QStringLiteral("/etc/platform.conf"), platform);
        MainMWindow w;
        QCOMPARE(label(w, "txtnastype")->text(), shown);
    }

    void wallpaper_data()
    {
        QTest::addColumn<QByteArray>("image");
        QTest::addColumn<QString>("sheet");
        QTest::newRow("none") << QByteArray() << wallpaperSheet("wallpaper_default.jpg");
        QTest::newRow("1") << QByteArray("1") << wallpaperSheet("wallpaper_image1.jpg");
        QTest::newRow("3") << QByteArray("3") << wallpaperSheet("wallpaper_image3.jpg");
        QTest::newRow("4") << QByteArray("4") << wallpaperSheet("wallpaper_default.jpg");
        QTest::newRow("not a number") << QByteArray("sky") << wallpaperSheet("wallpaper_default.jpg");
    }
    void wallpaper()
    {
        QFETCH(QByteArray, image);
        QFETCH(QString, sheet);
        Appliance_s a;
        a.settings("[Wallpaper]\nImage=" + image + "\n");
        MainMWindow w;
        QWidget* central = part<QWidget>(w, "centralwidget");
        QCOMPARE(central->styleSheet(), sheet);
        central->setStyleSheet(QStringLiteral("marker"));
        w.WallpaperChange(); // unchanged setting: the sheet is not touched
        QCOMPARE(central->styleSheet(), QStringLiteral("marker"));
        w.loadPreset(); // always applies
        QCOMPARE(central->styleSheet(), sheet);
        a.settings("[Wallpaper]\nImage=2\n");
        w.WallpaperChange();
        QCOMPARE(central->styleSheet(), wallpaperSheet("wallpaper_image2.jpg"));
    }

    void secondScreen_data()
    {
        QTest::addColumn<QByteArray>("screen");
        QTest::addColumn<bool>("runs");
        QTest::newRow("extended right") << QByteArray("[Screen2]\nName=HDMI-2\nExtendMode=right\n") << true;
        QTest::newRow("extended LEFT") << QByteArray("[Screen2]\nName = DP-1\nExtendMode = LEFT\n") << true;
        QTest::newRow("duplicated") << QByteArray("[Screen2]\nName=HDMI-2\nExtendMode=\n") << false;
        QTest::newRow("no second screen") << QByteArray("[Screen2]\nName=none\nExtendMode=right\n") << false;
        QTest::newRow("nameless") << QByteArray("[Screen2]\nExtendMode=right\n") << false;
    }
    void secondScreen()
    {
        QFETCH(QByteArray, screen);
        QFETCH(bool, runs);
        Appliance_s a;
        a.screen(screen);
        const QString script = a.root.path(QStringLiteral("/opt/bin/wallpaper.sh"));
        MainMWindow w;
        QCOMPARE(a.runner.lines().count(script), runs ? 2 : 0); // the settings and the first clock tick
        for (int i = 0; i < 12; ++i)
            w.refreshClock();
        QCOMPARE(a.runner.lines().count(script), runs ? 11 : 0); // the first ten ticks only
    }

    void screenResolution_data()
    {
        QTest::addColumn<QByteArray>("screen");
        QTest::addColumn<QSize>("size");
        const QSize primary = QGuiApplication::primaryScreen()->geometry().size();
        QTest::newRow("no file") << QByteArray() << QSize(-1, -1);
        QTest::newRow("4K") << QByteArray("[Screen1]\nConnected = True\nMode = 3840x2160\n") << QSize(3840, 2160);
        QTest::newRow("first connected screen")
            << QByteArray("[Screen1]\nConnected=False\nMode=1280x720\n[Screen2]\nConnected=TRUE\nMode=1920x1080\n")
            << QSize(1920, 1080);
        QTest::newRow("connected defaults to false") << QByteArray("[Screen1]\nMode=1280x720\n") << QSize(-1, -1);
        QTest::newRow("any case of screen")
            << QByteArray("[screen1]\nConnected=1\nMode=1280x720\n") << QSize(1280, 720);
        QTest::newRow("not a screen") << QByteArray("[Display]\nConnected=True\nMode=1280x720\n") << QSize(-1, -1);
        QTest::newRow("not a number") << QByteArray("[Screen1]\nConnected=True\nMode=autox1080\n") << primary;
        QTest::newRow("zero") << QByteArray("[Screen1]\nConnected=True\nMode=0x1080\n") << primary;
    }
    void screenResolution()
    {
        QFETCH(QByteArray, screen);
        QFETCH(QSize, size);
        Appliance_s a;
        a.screen(screen);
        MainMWindow w;
        QCOMPARE(w.getScreenResolution_(), size);
    }

    void shadowsAndFrames_data()
    {
        QTest::addColumn<QByteArray>("screen");
        QTest::addColumn<QList<int>>("values"); // blur, offset, radius, border, tips radius, tips border
        QTest::newRow("unknown screen") << QByteArray() << QList<int> {2, 1, 5, 2, 4, 2};
        QTest::newRow("4K") << QByteArray("[Screen1]\nConnected=True\nMode=3840x2160\n")
                            << QList<int> {10, 2, 20, 12, 20, 8};
    }
    void shadowsAndFrames()
    {
        QFETCH(QByteArray, screen);
        QFETCH(QList<int>, values);
        Appliance_s a;
        a.settings("[UIControl]\nDisplayIP=no\n");
        a.screen(screen);
        MainMWindow w;
        w.changeblurshadow();
        for (const char* name : {"txtclock", "txthost", "txtnastype", "txtadmin"}) {
            auto* effect = qobject_cast<QGraphicsDropShadowEffect*>(label(w, name)->graphicsEffect());
            QVERIFY2(effect, name);
            QCOMPARE(int(effect->blurRadius()), values[0]);
            QCOMPARE(effect->offset(), QPointF(values[1], values[1]));
        }
        QVERIFY(!label(w, "txtip1")->graphicsEffect()); // hidden: no shadow
        const QString style
            = QStringLiteral("#%3{background:rgba(255,255,255,25);border-radius:%1px;}#%3:focus{border: "
                             "%2px solid rgb(0, 216, 255);border-radius:%1px;}");
        for (const char* name : {"frmlang", "frmsetting", "frmlogout", "frmaudio", "frmtandem"})
            QCOMPARE(frame(w, name)->styleSheet(), style.arg(values[2]).arg(values[3]).arg(QLatin1String(name)));
        QCOMPARE(frame(w, "frmtips")->styleSheet(), style.arg(values[4]).arg(values[5]).arg(QStringLiteral("frmtips")));
    }

    void resizeScaling_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QByteArray>("name");
        // main margins (x, y), tiles margin (x, top), points (name, host, clock,
        // addresses), icon heights (title bar, tips), frame margin (x, y)
        QTest::addColumn<QList<int>>("v");
        QTest::addColumn<QRect>("waiting");
        QTest::newRow("1080p") << QSize(1920, 1080) << QByteArray("TV")
                               << QList<int> {60, 60, 100, 20, 22, 22, 34, 20, 50, 30, 20, 10}
                               << QRect(675, 274, 150, 150);
        QTest::newRow("4K") << QSize(3840, 2160) << QByteArray("TV")
                            << QList<int> {120, 120, 200, 40, 44, 44, 68, 40, 100, 60, 40, 20}
                            << QRect(1350, 548, 300, 300);
        QTest::newRow("720p, long name") << QSize(1280, 720) << QByteArray("A display name far too long for the bar")
                                         << QList<int> {40, 40, 66, 13, 14, 10, 22, 10, 34, 20, 13, 6}
                                         << QRect(450, 182, 100, 100);
    }
    void resizeScaling()
    {
        QFETCH(QSize, size);
        QFETCH(QByteArray, name);
        QFETCH(QList<int>, v);
        QFETCH(QRect, waiting);
        Appliance_s a;
        a.root.write(QStringLiteral("/etc/platform.conf"), "DISPLAY_NAME = " + name + "\n");
        MainMWindow w;
        QResizeEvent resize(size, QSize(640, 480));
        QApplication::sendEvent(&w, &resize);
        QCOMPARE(part<QLayout>(w, "vlMainMV")->contentsMargins(), QMargins(v[0], v[1], v[0], v[1]));
        QCOMPARE(part<QLayout>(w, "vlfrmMain")->contentsMargins(), QMargins(v[2], v[3], v[2], 0));
        QCOMPARE(label(w, "txtadmin")->font().pointSize(), v[4]);
        QCOMPARE(label(w, "txthost")->font().pointSize(), v[5]);
        QCOMPARE(label(w, "txtnastype")->font().pointSize(), v[5]);
        QCOMPARE(label(w, "txtclock")->font().pointSize(), v[6]);
        QCOMPARE(label(w, "txtip2")->font().pointSize(), v[7]);
        for (const char* pic : {"labadmin", "labsetting", "lablang", "lablogout", "labaudio"})
            QCOMPARE(label(w, pic)->pixmap().height(), v[8]);
        QCOMPARE(label(w, "labtips")->pixmap().height(), v[9]);
        for (const char* l : {"hlfrmlang", "hlfrmaudio", "hlfrmsetting", "hlfrmlogout", "hlfrmtips"})
            QCOMPARE(part<QLayout>(w, l)->contentsMargins(), QMargins(v[10], v[11], v[10], v[11]));
        QCOMPARE(label(w, "labwaiting")->geometry(), waiting);
    }

    void tandem_data()
    {
        QTest::addColumn<QByteArray>("bento");
        QTest::addColumn<bool>("shown");
        QTest::newRow("enabled") << QByteArray("[Tandem]\nEnable = TRUE\n") << true;
        QTest::newRow("any value counts") << QByteArray("[Tandem]\nEnable = FALSE\n") << true;
        QTest::newRow("empty value") << QByteArray("[Tandem]\nEnable =\n") << false;
        QTest::newRow("other package") << QByteArray("[Tandemx]\nEnable = TRUE\n") << false;
    }
    void tandem()
    {
        QFETCH(QByteArray, bento);
        QFETCH(bool, shown);
        Appliance_s a;
        a.root.write(QStringLiteral("/etc/config/bento.conf"), bento);
        MainMWindow w;
        QCOMPARE(w.hasTandem_(QStringLiteral("/etc/config/bento.conf")), shown);
        QCOMPARE(!frame(w, "frmtandem")->isHidden(), shown);
    }

    void focusAndClosing()
    {
        Appliance_s a;
        MainMWindow w;
        MultiIconViewV* grid = w.iconView();
        for (int i = 0; i < 3; ++i)
            grid->add(QPixmap(), QString::number(i));
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QVERIFY(!w.close()); // the window manager cannot close it
        QVERIFY(w.isVisible());
        auto zoomed = [&] { return !grid->pageItem(grid->select())->transform().isIdentity(); };

        grid->setSelect(1);
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Up); // top row: the title bar takes over
        QVERIFY(frame(w, "frmlang")->hasFocus());
        QVERIFY(!zoomed());
        QCOMPARE(grid->select(), 1);
        frame(w, "frmlang")->hide();
        grid->setFocus();
        w.mviewtopMost();
        QVERIFY(frame(w, "frmsetting")->hasFocus());

        grid->setSelect(2);
        w.mviewbottomMost(); // the grid has no focus: nothing moves
        QVERIFY(frame(w, "frmsetting")->hasFocus() && zoomed());
        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Down); // bottom row: the tips button
        QVERIFY(frame(w, "frmtips")->hasFocus());
        QVERIFY(!zoomed());

        grid->setFocus();
        QTest::keyClick(grid, Qt::Key_Escape); // leaves, and tile 0 is chosen again
        QCOMPARE(grid->select(), 0);
        QVERIFY(zoomed());
    }

    void registersWithDesktopShell()
    {
        Appliance_s a;
        QDir().mkpath(a.root.path(QStringLiteral("/tmp_kelp")));
        const QByteArray path = QFile::encodeName(a.root.path(QStringLiteral("/tmp_kelp/.tellorafuse")));
        const int server = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un addr {};
        addr.sun_family = AF_UNIX;
        QVERIFY(size_t(path.size()) < sizeof addr.sun_path);
        std::memcpy(addr.sun_path, path.constData(), size_t(path.size()));
        QCOMPARE(::bind(server, reinterpret_cast<sockaddr*>(&addr), sizeof addr), 0);
        QCOMPARE(::listen(server, 1), 0);
        QByteArray received;
        ssize_t replied = 0;
        std::thread service([&] {
            const int c = ::accept(server, nullptr, nullptr);
            char buf[4096] = {};
            received = QByteArray(buf, int(qMax<ssize_t>(::read(c, buf, sizeof buf), 0)));
            replied = ::write(c, "{}", 2);
            ::close(c);
        });
        {
            MainMWindow w;
        }
        service.join();
        ::close(server);
        QCOMPARE(replied, ssize_t(2));
        QFile comm(QStringLiteral("/proc/self/comm"));
        QVERIFY(comm.open(QIODevice::ReadOnly));
        const QString shell = QString::fromLocal8Bit(comm.readAll()).trimmed();
        QCOMPARE(received,
            QStringLiteral("{\"cmd\":\"register_shell\",\"shell_name\":\"%1\",\"user\":\"admin\"}")
                .arg(shell)
                .toUtf8());
    }
};

QTEST_MAIN(TstMainMWindow)
#include "tst_mainmwindow.moc"
