// What the home window's collaborators do without a window: the tiles and the launch animation, the watched files and
// their commands, the remote's keys with the power key, and the one-touch tool.
#include "DataRows.h"
#include "HomeFixture.h"
#include "home/ApplianceWatch.h"
#include "home/LaunchWaiting.h"
#include "home/OneTouchTool.h"
#include "home/RemoteKeys.h"
#include "home/TileList.h"
#include "packages/bentoconf.h"
#include "widgets/MultiIconViewV.h"

#include <QDialog>
#include <QFileSystemWatcher>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

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
        connect(this, &ApplianceWatch::packageMessageRequested,
            [this](const QString& p, const QString& k) { seen << "message(" + p + ',' + k + ')'; });
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

class TstHomeParts : public QObject
{
    Q_OBJECT

private slots:
    // A left-out package shifts no later tile; a tile starts through "sh -c" and is selected at the next rebuild.
    void tiles()
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
        QString labels;
        for (int i = 0; i < grid.count(); ++i)
            labels += grid.text(i) + ' ';
        QCOMPARE(
            tiles.names().join(' ') + '|' + labels + QString::number(tiles.karaokeIndex()) + grid.text(grid.select()),
            "C Cantora D E|C Cantora D E 1Cantora");
        // What the command files ask of a package: exactly "start" or "stop" of a launchable one.
        QCOMPARE(tiles.actionArguments("C", "start"), QStringList({"-c", "run.sh"}));
        for (const auto& [package, action] : {std::pair {"C", "Start"}, {"C", "status"}, {"Z", "start"}, {"", "start"}})
            QVERIFY2(tiles.actionArguments(package, action).isEmpty(), action);
    }

    // The animation runs for 49 ticks when no application takes over (a take-over ends it in the reactions flow); a
    // second launch stacks no cursor. A window of ours that came up and was activated meanwhile, disabled with the
    // home window, gets the focus once the wait is over.
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
        add("/tmp/ivo.cmd", "SETTINGS CLOSE   ", "close");
        add("/tmp/ivo.cmd", "Settings  Open\n", "");
        add("/tmp/ivo.hd3", "LSP Cantora_Key_Press x\n", "karaoke");
        add("/tmp/ivo.hd3", "lsp other\n", "");
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

    // Stale commands were emptied before the watch, so only a later write is news; a command file replaced as editors
    // and atomic writers do it (renamed over, or removed and created again later) is followed: every command counts.
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

    // The one-touch button tool: started for a colour while the previous one is gone, with the language in its form; a
    // removed marker comes back, and so does the registration file.
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
        // With no active window no widget gets a key, the registered program either way. A key read while a window
        // was active reaches it also when the window manager took the focus away before its turn came.
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

    // Power-key events (P) and timer ticks (T) at times in ms; the closes of the foreground window and the restarts
    // they lead to. (A hold, and another key ending one, run end to end in the reactions flow.)
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
};

QTEST_MAIN(TstHomeParts)
#include "tst_homeparts.moc"
