// The home window and its collaborators: what it shows, runs, reads and follows; the title bar, the command files,
// first-run notices, languages, the end of the loop; tiles, launch animation, watched files, remote keys, one-touch.
#include "HomeFixture.h"
#include "home/ApplianceWatch.h"
#include "home/LaunchWaiting.h"
#include "home/OneTouchTool.h"
#include "home/RemoteKeys.h"
#include "home/TileList.h"
#include "home/TipsScreen.h"
#include "i18n/UiLanguage.h"
#include "settings/SettingsDialog.h"
#include "socketcpp/UnixSocket.h"
#include "widgets/InfoDialog.h"
#include "widgets/NetworkAddresses.h"

#include <QDialog>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>

#include <cstdio>
#include <optional>
#include <thread>

using namespace Qt::StringLiterals;

namespace {

// An administrator, one package "Foo" and the built translations but Italian (a language the appliance lacks).
struct Home_s : Appliance_s {
    explicit Home_s(const QByteArray& more = {})
        : Appliance_s(
            "@BENTO_CLASS\nTellora@NasGroupID\n0@/etc/config/bento.conf\n[Foo]\nClass = Tellora\nEnable = "
            "TRUE\nInstall_Path = /apps/Foo\n[Keybolt]\nEnable = true\n@/apps/Foo/.ivo/ivo.xml\n<IVO><start>"
            "/apps/Foo/run.sh</start><stop>foo-stop now</stop></IVO>@/apps/Foo/.ivo/ivomsg.conf\n[hello]\neng "
            "= Hello, viewer\nger = Hallo\n"
            + more)
    {
        const QDir built(qEnvironmentVariable("IVO_BINARY_DIR") + "/bin/lang");
        QDir().mkpath(root.path("/opt/ivo/lang"));
        for (const QString& qm : built.entryList({"*.qm"}))
            if (qm != "ita.qm")
                QFile::link(built.filePath(qm), root.path("/opt/ivo/lang/" + qm));
    }
};

const char* const kLoadFailed = ".*\\[err\\] m_translatorPtr->load\\(\\) ... fail";

QString shown(const QWidget& w, const char* name) { return part(w, name)->isHidden() ? "0" : "1"; }

// The appliance's files watched (the receiver's too), every signal logged as "name(arguments)".
struct Watched_s : ApplianceWatch {
    QStringList seen;
    Watched_s()
    {
        watchAll();
        watchReceiver();
        auto log = [this](const char* name) { return [this, name] { seen << name; }; };
        connect(this, &ApplianceWatch::settingsOpenRequested, log("open"));
        connect(this, &ApplianceWatch::settingsCloseRequested, log("close"));
        connect(this, &ApplianceWatch::karaokeKeyPressed, log("karaoke"));
        connect(this, &ApplianceWatch::packageActionRequested,
            [this](const QString& p, const QString& a) { seen << "action(" + p + ',' + a + ')'; });
        connect(this, &ApplianceWatch::shellCommandRequested, [this](const QString& c) { seen << "shell(" + c + ')'; });
        connect(this, &ApplianceWatch::systemConfChanged, log("system"));
        connect(this, &ApplianceWatch::keyboltMarkerChanged, log("keybolt"));
    }
    QFileSystemWatcher* watcher() const { return findChild<QFileSystemWatcher*>(); }
};

// Records the keys posted to a widget.
struct KeyLog_s : QObject {
    QList<int> keys;
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::KeyPress)
            keys << static_cast<QKeyEvent*>(e)->key();
        return false;
    }
};

} // namespace

class TstHome : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        ImageResources::registerAll();
        QVERIFY(QDir::setCurrent(m_cwd.path()));
        m_font = QApplication::font();
    }
    void init() // the font and the cursor are the process's: a window gone during a launch left its cursor
    {
        QApplication::setFont(m_font);
        while (QApplication::overrideCursor())
            QApplication::restoreOverrideCursor();
    }

    // labels: clock, addresses, host, display name shown; wallpaper: beyond the 3 the default; screen2: the wallpaper
    // script's runs (start, 12 clock ticks); picture: the user's own or the default, once laid out for 720p.
    void preset_data()
    {
        columns<QString, QString>(); // the appliance, what the window shows and ran
        row("defaults", QString("@NasUser\njohn1"),
            QString(
                "labels=11111;user=john1;display=;taskbar=False;wallpaper=wallpaper_default.jpg;screen2=0;tandem=00;"
                "picture=default"));
        row("all no, kept task bar",
            QString("@settings\n[UIControl]\nDisplayDatetime=no\nDisplayIP=no\nDisplayServername=no\n[TaskBar]\n"
                    "Enable=yes\n[Wallpaper]\nImage=4\n"),
            QString("labels=00000;user=admin;taskbar=yes;wallpaper=wallpaper_default.jpg"));
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
            QVERIFY(qAbs(qRed(drawn.pixel(1, 1)) - qRed(expected.pixel(1, 1))) < 24);
        }
    }

    // One plant per reader: nothing that could block is opened, nothing written through a link, emptied files new.
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
        const auto [plant, path, expected] = fetch<QString, QString, QString>();
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
        QCOMPARE(tiles(*w.findChild<MultiIconViewV*>()), expected);
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
        for (const QString& i : u"lo=127.0.0.1 docker0=1.1.1.1 veth1=1.1.1.2 eth0=fe80::1,1.1.1.3 eth1= wlan0=10.0.0.1,"
                                u"1.1.1.4 enp3s0=1.1.1.5 bond0=127.0.0.2 ubr1=10.0.0.2 qvs0=10.0.0.3 br0=10.0.0.4 "
                                u"eth2=10.0.0.5 eth3=10.0.0.6 eth4=10.0.0.7"_s.split(' ')) {
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
        MultiIconViewV* grid = w.findChild<MultiIconViewV*>();
        const QString file = h.root.path("/etc/config/bento.conf");
        const QFileSystemWatcher* watcher = w.findChild<QFileSystemWatcher*>();
        const char* steps[][2] = {{"A C", "A C"}, {"A B C", "A B C"}, {"A:d B C", "B C"}, {"A B C", "A B C"},
            {"A B", "A B"}, {"A B T:t", "A B"}, {"A B T:t", "A B"}, {"A B T:t", "A B"}};
        for (int i = 0; i < 8; ++i) {
            const QByteArray text = h.conf(QLatin1String(steps[i][0]));
            const bool same = text == h.root.read("/etc/config/bento.conf");
            grid->setSelect(1);
            const QString chosen = grid->text(1);
            const qsizetype before = h.lines().filter("md5sum").size();
            QVERIFY(i % 2 ? (h.root.write("/etc/config/new", text),
                        !std::rename(qPrintable(h.root.path("/etc/config/new")), qPrintable(file)))
                          : h.root.write("/etc/config/bento.conf", text));
            // The model's own report first: single tiles, the viewer stays.
            w.findChild<AggPkgInfo*>()->ReadConf("/etc/config/bento.conf");
            QCOMPARE(tiles(*grid), steps[i][1]);
            QCOMPARE(grid->text(grid->select()), chosen);
            QTRY_VERIFY(h.lines().filter("md5sum").size() > before);
            // Both reports of a replacement are handled once a later change of an ignored watched file is reported.
            QSignalSpy spy(watcher, &QFileSystemWatcher::fileChanged);
            QVERIFY(h.root.write("/tmp/.audiosource.conf", QByteArray::number(i)));
            QTRY_VERIFY_WITH_TIMEOUT(spy.contains(QVariantList {h.root.path("/tmp/.audiosource.conf")}), 60000);
            QCOMPARE(grid->select(), same ? 1 : 0); // a rebuild selects tile 0
        }
        QVERIFY(part(w, "frmtandem")->isVisibleTo(&w)); // hidden at start
    }

    // Left/Right along the title bar and at its ends, Down/Up into the grid (or past an empty one), the switch dialog.
    void titleBar_data()
    {
        columns<bool, int, QString>(); // the product switch shown, tiles, moves "from key to, ..."
        row("with tandem", true, 3,
            QString("frmsetting R frmtandem, frmtandem R frmlogout, frmlogout R frmlogout, frmtandem L frmsetting, "
                    "frmlang L frmlang, frmsetting T frmsetting, frmsetting D grid, frmtips U grid"));
        row("empty grid", false, 0, QString("frmaudio D frmtips, frmtips U frmlang"));
    }
    void titleBar()
    {
        const auto [tandem, tiles, moves] = fetch<bool, int, QString>();
        Home_s h;
        MainMWindow w;
        MultiIconViewV* grid = w.findChild<MultiIconViewV*>();
        grid->delAll(1);
        for (int i = 0; i < tiles; ++i)
            grid->add(QPixmap(), QString::number(i));
        part(w, "frmtandem")->setVisible(tandem);
        showActive(w);
        const QMap<QString, Qt::Key> keys {
            {"L", Qt::Key_Left}, {"R", Qt::Key_Right}, {"D", Qt::Key_Down}, {"U", Qt::Key_Up}, {"T", Qt::Key_Tab}};
        for (const QString& move : moves.split(", ")) {
            const QStringList m = move.split(' ');
            grid->setSelect(2);
            grid->setSelect(-1); // the zoom goes, the selection stays
            part(w, m[0])->setFocus();
            QTest::keyClick(part(w, m[0]), keys[m[1]]);
            QWidget* expected = m[2] == "grid" ? grid : part(w, m[2]);
            QVERIFY2(expected->hasFocus() && (m[2] != "grid" || grid->select() == 2), qPrintable(move));
        }
        auto* tips = w.findChild<TipsScreen*>(); // OK on Tips brings the tips screen to the front
        QTest::keyClick(part(w, "frmtips"), Qt::Key_Return);
        QTRY_VERIFY(tips->isVisible() && QApplication::activeWindow() == tips);
        tips->hide();
        if (tandem) { // the product switch: Cancel focused; Escape (whatever the check finds) comes back, nothing done
            h.clear();
            bool cancelFocused = false;
            onModal([&cancelFocused](QWidget* d) {
                cancelFocused = QTest::qWaitFor([d] { return part(*d, "pbtCancel")->hasFocus(); }, 30000);
                QTest::keyClick(d, Qt::Key_Escape);
            });
            QTest::keyClick(part(w, "frmtandem"), Qt::Key_Return);
            QVERIFY(cancelFocused);
            w.activateWindow(); // the window manager's part
            QTRY_VERIFY(part(w, "frmtandem")->hasFocus() && h.lines().isEmpty());
        }
    }

    // Log-out asks for a login next start and ends the loop; the settings' end restarts only for a web-set task bar.
    void endingTheLoop_data()
    {
        columns<QByteArray, int>(); // the user's settings (empty: log out), the event loop's exit code
        row("log out", QByteArray(), 0);
        row("True is not yes", QByteArray("[TaskBar]\nEnable=True\nsetfromweb=1\n"), 7);
        row("yes from the web", QByteArray("[TaskBar]\nEnable=YES\nsetfromweb=1\n"), 0);
        row("yes, not from the web", QByteArray("[TaskBar]\nEnable=yes\nsetfromweb=0\n"), 7);
    }
    void endingTheLoop()
    {
        const auto [settings, exitCode] = fetch<QByteArray, int>();
        Home_s h("@/etc/Tellora/config/login.conf\n[UIControl]\nRequireLogin = no\n");
        MainMWindow w;
        h.root.write("/home/admin/.config/Vendra/IVO.conf", settings + "[UIControl]\nDisplayIP=no\n");
        QTimer::singleShot(0, &w, [&] {
            if (settings.isEmpty())
                QTest::mouseClick(part(w, "frmlogout"), Qt::LeftButton);
            else
                w.settingsfinished(0);
            QTimer::singleShot(0, &w, [] { QCoreApplication::exit(7); });
        });
        QCOMPARE(QCoreApplication::exec(), exitCode);
        QCOMPARE(h.root.read("/etc/Tellora/config/login.conf").contains("RequireLogin=yes"), settings.isEmpty());
        QCOMPARE(
            h.root.read("/home/admin/.config/Vendra/IVO.conf").contains("setfromweb"), !settings.isEmpty() && exitCode);
        QCOMPARE(part(w, "txtip1")->isHidden(), !settings.isEmpty());
    }

    void secondCommandFile_data() // "lsh" and an English "msg" run end to end in the reactions flow
    {
        columns<QByteArray, QByteArray, QString>(); // the line, the language, what "sh -c" runs or the message shown
        row("lap stop", QByteArray("lap Foo stop\n"), QByteArray(), QString("sh -c foo-stop now"));
        row("msg in German", QByteArray("MSG Foo hello\n"), QByteArray("ger"), QString("Hallo|OK"));
        row("msg, none in Italian", QByteArray("msg Foo hello\n"), QByteArray("ita"), QString());
    }
    void secondCommandFile()
    {
        const auto [line, language, result] = fetch<QByteArray, QByteArray, QString>();
        Home_s h("@settings\n[Preference]\nLanguage=" + language + "\n");
        if (language == "ita")
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(kLoadFailed));
        MainMWindow w;
        h.clear();
        h.root.write("/tmp/ivo.hd3", line);
        w.fileChanged(h.root.path("/tmp/ivo.hd3"));
        QString seen; // a message is up by now, or none comes
        if (InfoDialog* d = w.findChild<InfoDialog*>(QString(), Qt::FindDirectChildrenOnly)) {
            QTRY_VERIFY(d->focusWidget());
            seen = text(*d, "labInfoText") + '|' + part<QPushButton>(*d, "pbtYes")->text();
            QTest::keyClick(d->focusWidget(), Qt::Key_Return); // the remote's OK
            QTRY_VERIFY(!w.findChild<InfoDialog*>(QString(), Qt::FindDirectChildrenOnly));
        }
        QCOMPARE(h.detached().value(0, seen), result);
        QCOMPARE(!part(w, "labwaiting")->isHidden(), result.startsWith("sh")); // launched behind the animation
    }

    // A flood of messages: one dialog at a time, never one inside another's modal loop; the newest waiting is next.
    void messageFlood()
    {
        QByteArray messages;
        for (int i = 0; i < 100; ++i)
            messages += "[k" + QByteArray::number(i) + "]\neng = Message " + QByteArray::number(i) + "\n";
        Home_s h("@/tmp/ivo.hd3\n@/apps/Foo/.ivo/ivomsg.conf\n" + messages);
        MainMWindow w;
        int written = 0, most = 0;
        QStringList answered;
        QTimer tick; // writes every 5 ms, then answers what is up
        connect(&tick, &QTimer::timeout, [&] {
            QList<QWidget*> up;
            for (QWidget* t : QApplication::topLevelWidgets())
                if (t->isVisible() && t->inherits("InfoDialog"))
                    up << t;
            most = qMax(most, int(up.size()));
            if (written < 100)
                h.root.write("/tmp/ivo.hd3", "msg Foo k" + QByteArray::number(written++) + "\n");
            else if (!up.isEmpty())
                answered << text(*up.last(), "labInfoText"), part<QPushButton>(*up.last(), "pbtYes")->click();
        });
        tick.start(5);
        QTRY_VERIFY_WITH_TIMEOUT(written == 100 && answered.size() >= 2 && !QApplication::activeModalWidget(), 20000);
        // Nothing else was waiting: one more message is the next and last to come up.
        h.root.write("/tmp/ivo.hd3", "msg Foo k42\n");
        QTRY_VERIFY_WITH_TIMEOUT(answered.contains("Message 42") && !QApplication::activeModalWidget(), 20000);
        QCOMPARE(most, 1);
        QCOMPARE(answered.mid(1), (QStringList {"Message 99", "Message 42"}));
    }

    // The two first-run notices; the marker goes directly for admin, through sudo for others, stays for non-admins.
    void firstRun_data()
    {
        columns<QStringList>(); // who | the mobile-remote notice's button (none shown) | marker removal
        row("admin goes to settings", QStringList {"", "pbtYes", "@/bin/rm"});
        row("other administrator, got it", QStringList {"@NasUser\njohn1", "pbtNo", "@/usr/bin/sudo @/bin/rm"});
        row("not an administrator", QStringList {"@NasUser\njohn1@NasGroupID\n1", "", ""});
    }
    void firstRun()
    {
        const auto [r] = fetch<QStringList>();
        const QString button = r[1], removal = r[2];
        Home_s h(r[0].toUtf8());
        h.root.write("/.padlinkfirst", {});
        h.root.write("/tmp/.@removeTelloraPackage.list", "x\n");
        QDir().mkpath("root");
        QFile("root/.firstTime").open(QIODevice::WriteOnly);
        h.answer(".*sudo.*", "", 1); // a failing sudo keeps the marker and says so
        MainMWindow w;
        h.clear();
        QStringList notices; // titles
        std::function<void(QWidget*)> answer = [&](QWidget* d) {
            notices << text(*d, "labInfoTitle");
            part<QPushButton>(*d, notices.size() == 1 ? "pbtYes" : button)->click();
            if (notices.size() == 1 && !button.isEmpty())
                onModal(answer);
        };
        onModal(answer);
        if (removal.contains("sudo"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Padlink: sudo command failed: exitCode: 1 .*"));
        w.refreshClock(); // the second call
        w.refreshClock(); // only once
        QCOMPARE(notices.join('|'), button.isEmpty() ? "" : "|Security Update: Padlink Service Disabled by Default");
        QCOMPARE(w.findChild<SettingsDialog*>()->isVisible(), button == "pbtYes"); // "Go to Settings" opens them
        QVERIFY(!QFile::exists("root/.firstTime") && !QFile::exists(h.root.path("/tmp/.@removeTelloraPackage.list")));
        const QString line = QString(removal + " -f @/.padlinkfirst").replace("@", h.root.root());
        QCOMPARE(h.lines(), removal.isEmpty() ? QStringList() : QStringList {line});
        if (!removal.isEmpty())
            QCOMPARE(h.calls().first().budget, removal.contains("sudo") ? Budget::Sudo : Budget::Setting);
    }

    // The menu offers every language and Back; a choice switches language, locale and texts; missing ones fall back.
    void languageMenu()
    {
        Home_s h;
        MainMWindow w;
        w.show();
        TipsScreen* tips = w.findChild<TipsScreen*>();
        tips->form();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QString offered;
        auto choose = [&](const QString& entry) {
            onModal([&offered, entry](QWidget* menu) {
                offered = entries(menu);
                pick(menu, entry);
            });
            QTest::keyClick(part(w, "frmlang"), Qt::Key_Return);
        };
        QString names;
        for (const UiLanguage::Language_s& l : UiLanguage::table())
            names += l.name + '|';
        choose("Deutsch");
        QCOMPARE(offered, names + "[Back]");
        QCOMPARE(UiLanguage::stored(), QStringLiteral("ger"));
        const SettingsDialog* settings = w.findChild<SettingsDialog*>(); // switched with the menu, its row too
        QCOMPARE(settings->lang() + text(*settings, "txtPrefLang"), QStringLiteral("gerDeutsch"));
        QCOMPARE(qgetenv("LANG") + qgetenv("LC_ALL"), QByteArray("de_DE.UTF-8de_DE.UTF-8"));
        QTRY_COMPARE(text(w, "txttips"), QStringLiteral("Tipps"));
        choose("[Zurück]");
        QVERIFY(offered.contains("|*Deutsch|") && UiLanguage::stored() == "ger");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(kLoadFailed));
        choose("Italiano"); // no translation
        QCOMPARE(qgetenv("LANG"), QByteArray("it_IT.UTF-8"));
        QTRY_COMPARE(text(*tips, "txtKeyboard"), QStringLiteral("Keyboard"));
    }

    // A language visited and left draws every text (family, size, width) as a fresh start in that language does.
    void languageRoundTrip_data()
    {
        columns<QString, QStringList>(); // the language started in, the languages chosen (the last one that again)
        row("Japanese, then Thai", QString("eng"), QStringList {"日本語", "ไทย", "English"});
        row("from Japanese through Thai", QString("jpn"), QStringList {"ไทย", "日本語"});
    }
    void languageRoundTrip()
    {
        const auto [started, chosen] = fetch<QString, QStringList>();
        const QByteArray stored = "@settings\n[Preference]\nLanguage=" + started.toLatin1() + "\n";
        const auto letters = [](const MainMWindow& w) {
            QStringList l;
            for (const QWidget* t : w.findChildren<QWidget*>()) {
                if (!qobject_cast<const QLabel*>(t) && !qobject_cast<const QAbstractButton*>(t))
                    continue;
                const QFontInfo info(t->font());
                l << u"%1 %2 %3 %4"_s.arg(t->objectName(), info.family())
                         .arg(info.pointSizeF())
                         .arg(QFontMetricsF(t->font()).horizontalAdvance(u"Tips: 10:45, 192.0.2.2"_s));
            }
            return l;
        };
        QStringList fresh;
        for (const bool visit : {false, true}) {
            Home_s h(stored);
            MainMWindow w;
            w.show();
            QVERIFY(QTest::qWaitForWindowExposed(&w));
            w.startAppliance(); // shown and started as the program starts it
            QVERIFY(settleCommands());
            if (!visit) {
                fresh = letters(w);
                continue;
            }
            for (const QString& name : chosen) {
                onModal([name](QWidget* menu) { pick(menu, name); });
                QTest::keyClick(part(w, "frmlang"), Qt::Key_Return);
            }
            QCOMPARE(w.findChild<SettingsDialog*>()->lang(), started);
            QCOMPARE(letters(w), fresh);
        }
    }

    // A left-out package shifts no later tile; a tile starts through "sh -c" and is selected at the next rebuild.
    void tileList()
    {
        PackageHome_s h({}, "A B:t C::run.sh Cantora D::nothere E:d");
        AggPkgInfo packages;
        packages.ReadConf("/etc/config/bento.conf");
        MultiIconViewV grid(QSize(5, 3), QSizeF(380, 380), QSizeF(150, 200), 1.3, 0);
        TileList tiles(packages, grid);
        tiles.reload();
        QCOMPARE(tiles.names().join(' ') + grid.text(3) + QString::number(tiles.karaokeIndex()), "A C Cantora DD2");
        for (int i = 0; i < 4; ++i) { // an absolute start is an appliance path, a name the package's, any other PATH's
            QCOMPARE(tiles.enter(i).join(' '),
                "-c " + (i == 3 ? "nothere" : h.root.path("/apps/" + tiles.names()[i] + "/run.sh")));
            tiles.reload();
            QCOMPARE(grid.select(), i);
        }
        QVERIFY(tiles.enter(4).isEmpty() && tiles.enter(-1).isEmpty());
        // The model's changes, tile by tile: names and tiles stay aligned, the selection stays on its package.
        connect(&packages, &AggPkgInfo::confPkgChanged, [&](const QString& event) { tiles.follow(event); });
        grid.setSelect(2);
        h.root.write("/etc/config/bento.conf", h.conf("B:t C::run.sh Cantora D::nothere E"));
        packages.ReadConf("/etc/config/bento.conf");
        QCOMPARE(tiles.names().join(' ') + '|' + ::tiles(grid) + QString::number(tiles.karaokeIndex())
                + grid.text(grid.select()),
            "C Cantora D E|C Cantora D E1Cantora");
        // What the command files ask of a package: exactly "start" or "stop" of a launchable one.
        QCOMPARE(tiles.actionArguments("C", "start"), QStringList({"-c", "run.sh"}));
        for (const auto& [package, action] : {std::pair {"C", "Start"}, {"C", "status"}, {"Z", "start"}, {"", "start"}})
            QVERIFY2(tiles.actionArguments(package, action).isEmpty(), action);
    }

    // The animation ends after 49 ticks; a second launch stacks no cursor; a window of ours that came up meanwhile
    // (activated while disabled) gets the focus once the wait is over.
    void launchWaiting()
    {
        QWidget window;
        QLabel lights(&window);
        LaunchWaiting waiting(window, lights);
        connect(&waiting, &LaunchWaiting::finished, &waiting, &LaunchWaiting::finish);
        QSignalSpy finished(&waiting, &LaunchWaiting::finished);
        QDialog tips(&window);
        QPushButton close("Close", &tips);
        waiting.start();
        waiting.start();
        tips.show();
        QApplication::setActiveWindow(&tips);
        QVERIFY(!tips.focusWidget());
        for (int tick = 48; tick > 1; --tick)
            waiting.tick();
        QVERIFY(!window.isEnabled() && !lights.isHidden() && QApplication::overrideCursor() && finished.isEmpty());
        waiting.tick();
        QVERIFY(window.isEnabled() && lights.isHidden() && !QApplication::overrideCursor());
        QCOMPARE(QApplication::focusWidget(), &close);
        waiting.tick();
        QCOMPARE(finished.size(), 1);
    }

    void commands_data()
    {
        columns<QString, QByteArray, QString>(); // the file, its line, what it asks for
        const auto add = [](const char* file, const char* line, const char* asked) {
            row(QString(line).replace('\n', '|').toUtf8(), QString(file), QByteArray(line), QString(asked));
        };
        add("/tmp/ivo.cmd", "settings open\nSettings Close\n", "open");
        add("/tmp/ivo.cmd", "Settings  Open\n", "");
        add("/tmp/ivo.hd3", "LSP Cantora_Key_Press x\n", "karaoke");
        add("/tmp/ivo.hd3", "lap Foo Start\n", "action(Foo,Start)");
        add("/tmp/ivo.hd3", "lshell /opt/bin/tool -x\n", "shell(/opt/bin/tool)");
        add("/tmp/ivo.hd3", "lsh hdkbinput\n", "");
        add("/tmp/ivo.hd3", "lsh  xterm\n", "");
        add("/tmp/ivo.hd3", "\nlsh tool\n", "");
        add("/etc/config/corvex.conf", "[System]\n", "system");
        add("/tmp/.tellora.keybolt.xxx", "red", "keybolt");
    }
    void commands()
    {
        const auto [file, line, asked] = fetch<QString, QByteArray, QString>();
        PackageHome_s h;
        Watched_s watch;
        h.root.write(file, line);
        watch.fileChanged(h.root.path(file));
        QCOMPARE(watch.seen.join(' '), asked);
        if (!file.startsWith("/tmp/ivo."))
            return;
        // A second report of one write (its truncation's) is no second command; the same line written again is one.
        watch.fileChanged(h.root.path(file));
        QCOMPARE(watch.seen.join(' '), asked);
        QFile again(h.root.path(file));
        QVERIFY(again.open(QIODevice::ReadWrite));
        QVERIFY(again.setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime));
        watch.fileChanged(h.root.path(file));
        QCOMPARE(watch.seen.join(' '), asked.isEmpty() ? asked : asked + ' ' + asked);
    }

    // Only writes after the watch are news; a command file renamed over, or removed and created again, is followed.
    void watchedCommandFiles()
    {
        PackageHome_s h("@/tmp/.tellora.keybolt.xxx\nred@/tmp/ivo.hd3\n@/etc/config/bento.conf\n[A]\n", {});
        Watched_s watch;
        QCOMPARE(h.root.read("/tmp/ivo.cmd") + h.root.read("/tmp/.tellora.keybolt.xxx"), "");
        QSignalSpy reported(watch.watcher(), &QFileSystemWatcher::fileChanged);
        h.root.write("/tmp/.audiosource.conf", "x");
        QTRY_VERIFY_WITH_TIMEOUT(!reported.isEmpty(), 60000);
        QCOMPARE(watch.seen, QStringList());
        h.root.write("/tmp/ivo.cmd", "Settings Open\n");
        QStringList expected {"open"};
        QTRY_COMPARE_WITH_TIMEOUT(watch.seen, expected, 60000);
        const QString file = h.root.path("/tmp/ivo.hd3");
        for (int i = 0; i < 4; ++i) {
            const QByteArray line = "lsh tool" + QByteArray::number(i) + "\n";
            if (i % 2 == 0) {
                QVERIFY(h.root.write("/tmp/new", line));
                QCOMPARE(std::rename(qPrintable(h.root.path("/tmp/new")), qPrintable(file)), 0);
            } else {
                QVERIFY(QFile::remove(file));
                QTRY_VERIFY(!watch.watcher()->files().contains(file));
                QVERIFY(h.root.write("/tmp/ivo.hd3", line));
            }
            expected << "shell(tool" + QString::number(i) + ')';
            QTRY_COMPARE_WITH_TIMEOUT(watch.seen, expected, 60000);
        }
    }

    // Started for a colour while the previous run is gone, language in its form; marker and pid file come back.
    void oneTouchTool()
    {
        PackageHome_s h("@ir\nyes\n@/etc/config/bento.conf\n[KeyboltUtil]\nEnable = true\n");
        Watched_s watch;
        OneTouchTool tool(watch);
        QVERIFY(OneTouchTool::enabled());
        for (const char* word :
            {"purple", "", "Green", "Green", "red"}) { // the first start ends at once, the next runs on
            h.pid = h.detached().isEmpty() ? 0x7ffffffe : ::getpid();
            h.root.write("/tmp/.tellora.keybolt.xxx", word);
            tool.launch("cht");
        }
        QCOMPARE(h.calls().last().workingDirectory, h.root.path("/"));
        const QString started = h.root.path("/opt/keybolt/keyBolt") + " -b Green -l TCH";
        QCOMPARE(h.detached(), QStringList({started, started}));
        const QString marker = h.root.path("/tmp/.tellora.keybolt.xxx"),
                      pidFile = h.root.path("/var/run/tellora/ir_reg.pid");
        QFile::remove(marker);
        tool.launch("chs");
        QFile::remove(pidFile);
        watch.fileChanged(pidFile);
        for (const QString& file : {marker, pidFile})
            QVERIFY(QFileInfo(file).size() == 0 && watch.watcher()->files().contains(file));
        QCOMPARE(h.detached().size(), 2);
        h.root.write("/etc/config/bento.conf", "[Keybolt]\nEnable = yes\n[KeyboltUtil]\nEnable = FALSE\n");
        QVERIFY(!OneTouchTool::enabled());
    }

    void remoteKeys_data()
    {
        columns<QByteArray, QString, int, QString>(); // registration file, key line, key posted, key forwarded (if any)
        const QByteArray self = QByteArray::number(::getpid()).rightJustified(8, ' ') + "\n"; // alive
        const QString left = "0003 00 KEY_LEFT r\n", down = "0002 00 KEY_DOWN r\n", up = "0001 00 KEY_UP r\n";
        row("left, registered", self, left, int(Qt::Key_Left), QString("Left"));
        row("OK repeat posts nothing", self, QString("0005 01 KEY_OK r\n"), 0, QString("Return"));
        row("other key", self, QString("0007 00 KEY_MENU r\n"), 0, QString());
        row("pid 0", QByteArray("0\n\n\n"), down, int(Qt::Key_Down), QString());
        row("garbage", QByteArray("pid 42\n"), down, int(Qt::Key_Down), QString());
        row("under 4 bytes", QByteArray("1\n"), up, int(Qt::Key_Up), QString());
        row("gone", QByteArray("2147483646\n"), up, int(Qt::Key_Up), QString());
    }
    void remoteKeys()
    {
        const auto [pidFile, keystr, posted, forwarded] = fetch<QByteArray, QString, int, QString>();
        PackageHome_s h;
        RemoteKeys keys;
        h.root.write("/var/run/tellora/ir_reg.pid", pidFile);
        const QString xdotool = forwarded.isEmpty() ? "" : "sh -c \"xdotool key " + forwarded + '"';
        // A key reaches the window active when it was read (though it lost the focus since); forwarded either way.
        for (const QString& active : {u"never"_s, u"when read"_s, u"throughout"_s}) {
            QLineEdit focused;
            if (active != "never")
                showActive(focused);
            KeyLog_s log;
            qApp->installEventFilter(&log);
            h.clear();
            keys.keyLine(keystr);
            if (active == "when read")
                QApplication::setActiveWindow(nullptr);
            QCoreApplication::sendPostedEvents(); // what was posted has arrived
            qApp->removeEventFilter(&log);
            QCOMPARE(log.keys, active != "never" && posted ? QList<int> {posted} : QList<int> {});
            QCOMPARE(h.lines().filter("xdotool").join(""), xdotool);
        }
        QCOMPARE(h.root.read("/var/run/tellora/ir_reg.pid"),
            pidFile.startsWith(' ') ? pidFile : QByteArray()); // dead: emptied
    }

    // Power-key events (P) and ticks (T) at ms: closes of the front window and restarts (holds: the reactions flow).
    void powerKey_data()
    {
        columns<QString, QByteArray, QString>(); // the script, the media centre's process, "closes restarts"
        QString hold; // repeats every 100 ms, ticks every 500
        for (int t = 0; t <= 5000; t += 100)
            hold += u" P%1"_s.arg(t) + (t % 500 || !t ? QString() : u" T%1"_s.arg(t));
        row("two presses 400 ms apart", u"P0 P400 T500 T1000 T1500"_s, QByteArray(), u"1 0"_s);
        row("media centre runs", u"P0 T500"_s, QByteArray("u 7 kodi.bin -p\n"), u"0 0"_s);
        row("released as 5.5 s pass", hold + " T5500 T6000", QByteArray(), u"1 1"_s);
    }
    void powerKey()
    {
        const auto [script, mediaCentre, effect] = fetch<QString, QByteArray, QString>();
        PackageHome_s h;
        h.answer(".*ps aux.*", mediaCentre);
        RemoteKeys keys;
        const QDateTime start = QDateTime::currentDateTime();
        qint64 now = 0;
        keys.setClock([&] { return start.addMSecs(now); });
        for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
            now = step.mid(1).toLongLong();
            if (step[0] == 'T')
                keys.powerTick();
            else
                keys.keyLine("0008 01 KEY_POWER r\n");
        }
        const QString restart = "sudo " + h.root.path("/opt/bin/privrun") + " tellora_restart";
        QCOMPARE(u"%1 %2"_s.arg(h.detached().count("xdotool key alt+F4")).arg(h.detached().count(restart)), effect);
        QCOMPARE(keys.powerKey(), RemoteKeys::PowerKey::Idle);
    }

private:
    QTemporaryDir m_cwd; // the program's folder, where the first-run marker lies
    QFont m_font;
};

QTEST_MAIN(TstHome)
#include "tst_home.moc"
