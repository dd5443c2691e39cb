#include "CommandSettle.h"
#include "DataRows.h"
#include "HomeFixture.h"
#include "PlantedFifo.h"
#include "home/MainMWindow.h"
#include "packages/bentoconf.h"
#include "socketcpp/UnixSocket.h"
#include "widgets/ImageResources.h"
#include "widgets/MultiIconViewV.h"
#include "widgets/NetworkAddresses.h"
#include "widgets/Wallpaper.h"

#include <QFileSystemWatcher>
#include <QImageReader>
#include <QSettings>
#include <QSignalSpy>

#include <cstdio>
#include <optional>
#include <thread>

namespace {

QString shown(const QWidget& w, const char* name) { return part(w, name)->isHidden() ? "0" : "1"; }

// Changes a watched file the window ignores and waits for its report. The watcher reports changes in the order they
// happened, so every earlier change has been reported and handled by then: a later event that proves no other came.
bool settled(const MainMWindow& w, const ScratchSysroot& root)
{
    static int n = 0;
    const QString probe = root.path("/tmp/.audiosource.conf");
    const QFileSystemWatcher* watcher = w.findChild<QFileSystemWatcher*>();
    QSignalSpy spy(watcher, &QFileSystemWatcher::fileChanged);
    return watcher->files().contains(probe) && root.write("/tmp/.audiosource.conf", QByteArray::number(++n))
        && QTest::qWaitFor([&] { return spy.contains(QVariantList {probe}); }, 60000);
}

MultiIconViewV* grid(const MainMWindow& w) { return w.findChild<MultiIconViewV*>(); }

QString tiles(const MainMWindow& w) // the tiles' labels
{
    QStringList keys;
    for (int i = 0; i < grid(w)->count(); ++i)
        keys << grid(w)->text(i);
    return keys.join(' ');
}

} // namespace

class TstMainMWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageResources::registerAll(); }

    // labels: clock, addresses, host, display name shown; screen2: wallpaper script runs, start and 12 clock ticks;
    // picture: the user's own or the default one once the window is laid out for another screen.
    void preset_data()
    {
        columns<QString, QString>(); // the appliance, what the window shows and ran
        row("defaults", QString("@NasUser\njohn1"),
            QString(
                "labels=11111;user=john1;display=;taskbar=False;wallpaper=wallpaper_default.jpg;screen2=0;tandem=00;"
                "picture=default"));
        row("all no, kept task bar",
            QString("@settings\n[UIControl]\nDisplayDatetime=no\nDisplayIP=no\nDisplayServername=no\n[TaskBar]\n"
                    "Enable=yes\n"),
            QString("labels=00000;user=admin;taskbar=yes"));
        row("NO hides the addresses, tandem, wallpaper 1, own picture",
            QString("@settings\n[UIControl]\nDisplayIP=NO\n[Wallpaper]\nImage=1\n@/etc/config/bento.conf\n[Tandem]\n"
                    "Enable = TRUE\n@NasUserIcon\n%R/me.xpm@/me.xpm\n/* XPM */ static const char* me[] = {\"1 1 1 1\", "
                    "\"g c #00FF00\", \"g\"};\n"),
            QString("labels=10011;wallpaper=wallpaper_image1.jpg;tandem=11;picture=own"));
        row("other words show, no name, an extended second screen, any tandem value, the last display line",
            QString("@settings\n[UIControl]\nDisplayDatetime=off\n[Wallpaper]\nImage=3\n@NasUser\n@/etc/platform.conf\n"
                    "DISPLAY_NAME=A\nDISPLAY_NAME = a=b   \n@/etc/config/bento.conf\n[Tandem]\nEnable = FALSE\n"
                    "@/etc/Tellora/config/screen.conf\n[Screen2]\nName=HDMI-2\nExtendMode = LEFT\n"),
            QString("labels=11111;user=User;display=a=b;wallpaper=wallpaper_image3.jpg;screen2=11;tandem=11"));
    }
    void preset()
    {
        const auto [files, expect] = fetch<QString, QString>();
        PackageHome_s a(files.toUtf8());
        MainMWindow w;
        QVERIFY(!w.close()); // no closing it
        for (int i = 0; i < 12; ++i)
            w.refreshClock();
        QResizeEvent resize(QSize(1280, 720), QSize(640, 480)); // laid out anew for a 720p screen
        QApplication::sendEvent(&w, &resize);
        QVERIFY(settleCommands()); // the second screen's wallpaper runs on the command worker
        QString labels;
        for (const char* name : {"txtclock", "txtip1", "txtip2", "txthost", "txtnastype"})
            labels += shown(w, name);
        const Wallpaper* wallpaper = part(w, "centralwidget")->findChild<Wallpaper*>();
        QSettings settings(a.root.home() + "/.config/Vendra/IVO.conf", QSettings::IniFormat);
        const QMap<QString, QString> seen {{"labels", labels}, {"user", text(w, "txtadmin")},
            {"display", text(w, "txtnastype")}, {"taskbar", settings.value("TaskBar/Enable").toString()},
            {"wallpaper", QString(wallpaper->file()).remove(":/images/")},
            {"screen2", QString::number(a.lines().count(a.root.path("/opt/bin/wallpaper.sh")))},
            {"tandem", shown(w, "frmtandem") + QString::number(w.hasTandem_("/etc/config/bento.conf"))},
            {"picture", // the user's picture is green
                part<QLabel>(w, "labadmin")->pixmap().toImage().pixelColor(0, 0) == Qt::green ? "own" : "default"}};
        for (const QString& e : expect.split(';'))
            QCOMPARE(e.section('=', 0, 0) + '=' + seen.value(e.section('=', 0, 0)), e);
        a.root.write("/home/admin/.config/Vendra/IVO.conf", "[Wallpaper]\nImage=2\n"); // chosen in the settings
        w.WallpaperChange();
        QCOMPARE(wallpaper->file(), ":/images/wallpaper_image2.jpg");
    }

    // The wallpaper is kept at the size it is drawn at, not at the picture's 4K, and drawn again after a resize.
    void wallpaperAtDrawnSize()
    {
        PackageHome_s a;
        MainMWindow w;
        QWidget* central = part(w, "centralwidget");
        const Wallpaper* wallpaper = central->findChild<Wallpaper*>();
        for (const QSize size : {QSize(800, 450), QSize(640, 360)}) {
            w.showNormal();
            w.resize(size);
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            QTRY_VERIFY(!wallpaper->picture().isNull() && wallpaper->picture().size() == central->size());
            const QImage expected = QImageReader(wallpaper->file()).read().scaled(central->size());
            const QImage drawn = central->grab(QRect(0, 0, 2, 2)).toImage();
            QVERIFY2(qAbs(qRed(drawn.pixel(1, 1)) - qRed(expected.pixel(1, 1))) < 24,
                qPrintable(QString::number(qRed(drawn.pixel(1, 1)))));
        }
    }

    // Things planted where the window reads, empties or watches files: nothing is opened that could block, nothing is
    // written through a link, a file that must be empty is a new empty file. One row per reader: the guard against
    // each kind of file is checked for all readers in the appliance suite.
    void plantedFiles_data()
    {
        columns<QString, QString, QString>(); // the plant (a link to a file elsewhere, or to /dev/zero), where, tiles
        row("link as the command file", "link", "/tmp/ivo.cmd", "A");
        row("FIFO as the second one", "fifo", "/tmp/ivo.hd3", "A");
        row("FIFO as the registration file", "fifo", "/var/run/tellora/ir_reg.pid", "A");
        row("FIFO as the package configuration", "fifo", "/etc/config/bento.conf", "");
        row("endless descriptor", "zero", "/apps/A/.ivo/ivo.xml", "");
        row("FIFO as a tile's icon", "fifo", "/apps/A/icon.png", "A");
        row("FIFO as the user's settings", "fifo", "/home/admin/.config/Vendra/IVO.conf", "A");
    }
    void plantedFiles()
    {
        const auto [plant, path, tiles] = fetch<QString, QString, QString>();
        PackageHome_s h("@ir\nyes\n@/etc/secret\nkeep\n@NasUserIcon\n%R/home/admin/me.png", "A");
        const QString file = h.root.path(path);
        QFile::remove(file);
        QDir().mkpath(QFileInfo(file).path());
        std::optional<PlantedFifo> fifo;
        if (plant == "fifo")
            fifo.emplace(file);
        else
            QVERIFY(QFile::link(plant == "zero" ? "/dev/zero" : h.root.path("/etc/secret"), file));
        if (path.endsWith("bento.conf"))
            QTest::ignoreMessage(QtWarningMsg,
                QRegularExpression("\\[bentoconf\\]\\[ReadConf\\]\\[\\d+\\] "
                                   "/etc/config/bento.conf is not a regular file"));
        MainMWindow w;
        w.fileChanged(file);
        w.irkeyPressed("0003 00 KEY_LEFT r\n");
        QVERIFY(!fifo || !fifo->wasOpened());
        QCOMPARE(h.root.read("/etc/secret"), QByteArray("keep\n"));
        QCOMPARE(::tiles(w), tiles);
        if (path.startsWith("/tmp") || path.startsWith("/var")) // emptied: a new empty file in place of the plant
            QVERIFY(QFileInfo(file).isFile() && !QFileInfo(file).isSymLink() && QFileInfo(file).size() == 0);
    }

    void registersWithDesktopShell()
    {
        PackageHome_s a("@/tmp_kelp/.keep\n");
        std::unique_ptr<lumo::UnixSocket> server(lumo::UnixSocket::CreateSocket(SOCK_STREAM, false));
        QVERIFY(server->Bind(a.root.path("/tmp_kelp/.tellorafuse").toStdString(), 0) == 0 && server->Listen(1) == 0);
        QByteArray received(4096, '\0');
        std::thread service([&] {
            std::unique_ptr<lumo::UnixSocket> peer(server->Accept());
            received.truncate(qMax<ssize_t>(peer->Read(received.data(), received.size()), 0));
            received += peer->Write(std::string("{}")) == 2 ? "" : " (no reply)";
        });
        delete new MainMWindow;
        service.join();
        QFile comm("/proc/self/comm");
        QVERIFY(comm.open(QIODevice::ReadOnly));
        QCOMPARE(received,
            "{\"cmd\":\"register_shell\",\"shell_name\":\"" + comm.readAll().trimmed() + "\",\"user\":\"admin\"}");
    }

    // name=address,...: other names, loopback, an IPv6 first address and none left out; six at most, alternating.
    void addressLabels()
    {
        QList<NetworkAddresses::Interface_s> list;
        for (const QString& i : QStringLiteral("lo=127.0.0.1 docker0=1.1.1.1 veth1=1.1.1.2 eth0=fe80::1,1.1.1.3 eth1= "
                                               "wlan0=10.0.0.1,1.1.1.4 enp3s0=1.1.1.5 bond0=127.0.0.2 ubr1=10.0.0.2 "
                                               "qvs0=10.0.0.3 br0=10.0.0.4 eth2=10.0.0.5 eth3=10.0.0.6 eth4=10.0.0.7")
                                    .split(' ')) {
            list.append({i.section('=', 0, 0), {}});
            for (const QString& address : i.section('=', 1).split(',', Qt::SkipEmptyParts))
                list.last().addresses.append(QHostAddress(address));
        }
        const auto [one, two] = NetworkAddresses::labels(NetworkAddresses::select(list));
        QCOMPARE(one + '|' + two, "IP: 10.0.0.1, 10.0.0.3, 10.0.0.5|10.0.0.2, 10.0.0.4, 10.0.0.6");
    }

    // Even steps rewrite the configuration, odd ones rename a new file over it; only real changes rebuild the tiles.
    void followsTheConfiguration()
    {
        PackageHome_s h({}, "A C");
        MainMWindow w;
        const char* steps[][2] = {{"A C", "A C"}, {"A B C", "A B C"}, {"A:d B C", "B C"}, {"A B C", "A B C"},
            {"A B", "A B"}, {"A B T:t", "A B"}, {"A B T:t", "A B"}, {"A B T:t", "A B"}};
        for (int i = 0; i < 8; ++i) {
            const QByteArray text = h.conf(QLatin1String(steps[i][0]));
            const bool same = text == h.root.read(QStringLiteral("/etc/config/bento.conf"));
            grid(w)->setSelect(1);
            const QString chosen = grid(w)->text(1);
            const qsizetype before = h.lines().filter("md5sum").size();
            const QString file = h.root.path(QStringLiteral("/etc/config/bento.conf")),
                          fresh = file.chopped(10) + "new";
            QVERIFY(i % 2 ? (h.root.write("/etc/config/new", text), !std::rename(qPrintable(fresh), qPrintable(file)))
                          : h.root.write(QStringLiteral("/etc/config/bento.conf"), text));
            // The model's own report first: single tiles, the viewer stays.
            w.findChild<AggPkgInfo*>()->ReadConf(QStringLiteral("/etc/config/bento.conf"));
            QCOMPARE(tiles(w), steps[i][1]);
            QCOMPARE(grid(w)->text(grid(w)->select()), chosen);
            QTRY_VERIFY(h.lines().filter("md5sum").size() > before);
            QVERIFY(settled(w, h.root)); // both reports of a replacement handled
            QCOMPARE(grid(w)->select(), same ? 1 : 0); // a rebuild selects tile 0
        }
        QVERIFY(part(w, "frmtandem")->isVisibleTo(&w)); // hidden at start
    }
};

QTEST_MAIN(TstMainMWindow)
#include "tst_mainmwindow.moc"
