// The home window's reactions: remote key names, the power key, the title
// bar and the command files.
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "home/IconItem.h"
#include "home/InfoDialog.h"
#include "home/MainMWindow.h"
#include "home/MultiIconViewV.h"
#include "home/TipsScreen.h"

#include <QApplication>
#include <QFileSystemWatcher>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <unistd.h>

namespace {

// A scratch appliance, a logged-in administrator, one package "Foo" and a
// runner that hands out process ids.
struct Home_s : RecordingRunner {
    ScratchSysroot root;
    qint64 pid = 0;
    Home_s()
    {
        qputenv("NasUser", "YWRtaW4="); // admin
        qputenv("NasGroupID", "MA==");
        qputenv("BENTO_CLASS", "Tellora");
        root.write("/etc/config/bento.conf",
            "[Foo]\nClass = Tellora\nEnable = TRUE\nInstall_Path = /apps/Foo\n[Keybolt]\nEnable = true\n");
        root.write("/apps/Foo/.ivo/ivo.xml", "<IVO><start>/apps/Foo/run.sh</start><stop>foo-stop now</stop></IVO>");
        root.write("/apps/Foo/.ivo/ivomsg.conf", "[hello]\neng = Hello, viewer\nger = Hallo\n");
    }
    bool startDetachedPid(const QString& program, const QStringList& args, const QString& wd, qint64* p) override
    {
        *p = pid;
        return startDetached(program, args, wd);
    }
    QStringList detached() const
    {
        QStringList l;
        for (const Call_s& c : calls())
            if (c.detached)
                l << c.program + ' ' + c.args.join(' ');
        return l;
    }
};

QFrame* frame(const QWidget& w, const QString& name) { return w.findChild<QFrame*>(name); }

void showActive(QWidget& w)
{
    w.show();
    w.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&w));
}

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

class TstHomeReactions : public QObject
{
    Q_OBJECT

private slots:
    void remoteKeys_data()
    {
        QTest::addColumn<QByteArray>("pidFile");
        QTest::addColumn<QString>("keystr");
        QTest::addColumn<int>("posted");
        QTest::addColumn<QString>("forwarded"); // empty: not registered or not a key
        const QByteArray self = QByteArray::number(::getpid()).rightJustified(8, ' ') + "\n"; // alive
        QTest::newRow("left, registered") << self << "0003 00 KEY_LEFT r\n" << int(Qt::Key_Left) << "Left";
        QTest::newRow("OK repeat posts nothing") << self << "0005 01 KEY_OK r\n" << 0 << "Return";
        QTest::newRow("enter") << self << "0005 00 KEY_ENTER r\n" << int(Qt::Key_Return) << "Return";
        QTest::newRow("exit") << self << "0009 00 KEY_EXIT r\n" << int(Qt::Key_Escape) << "Escape";
        QTest::newRow("other key") << self << "0007 00 KEY_MENU r\n" << 0 << "";
        QTest::newRow("no file") << QByteArray() << "0001 00 KEY_UP r\n" << int(Qt::Key_Up) << "";
        QTest::newRow("pid 0") << QByteArray("0\n\n\n") << "0002 00 KEY_DOWN r\n" << int(Qt::Key_Down) << "";
        QTest::newRow("garbage") << QByteArray("pid 42\n") << "0002 00 KEY_DOWN r\n" << int(Qt::Key_Down) << "";
        QTest::newRow("too big") << QByteArray("99999999999\n") << "0001 00 KEY_UP r\n" << int(Qt::Key_Up) << "";
        QTest::newRow("gone") << QByteArray("2147483646\n") << "0001 00 KEY_UP r\n" << int(Qt::Key_Up) << "";
        QTest::newRow("under 4 bytes") << QByteArray("1\n") << "0001 00 KEY_UP r\n" << int(Qt::Key_Up) << "";
    }
    void remoteKeys()
    {
        QFETCH(QByteArray, pidFile);
        QFETCH(QString, keystr);
        QFETCH(int, posted);
        QFETCH(QString, forwarded);
        Home_s h;
        MainMWindow w;
        if (!pidFile.isEmpty())
            h.root.write("/var/run/tellora/ir_reg.pid", pidFile);
        w.irkeyPressed(keystr); // no active window: nothing is posted
        showActive(w);
        KeyLog_s log;
        QApplication::focusWidget()->installEventFilter(&log);
        h.clear();
        w.irkeyPressed(keystr);
        QTest::qWait(20);
        QCOMPARE(log.keys, posted ? QList<int> {posted} : QList<int> {});
        const QStringList sent
            = forwarded.isEmpty() ? QStringList() : QStringList {"sh -c \"xdotool key " + forwarded + '"'};
        QCOMPARE(h.lines().filter("xdotool"), sent); // an entered Return also starts the tile
        // A registration that is not alive leaves an empty file.
        QCOMPARE(h.root.read("/var/run/tellora/ir_reg.pid"), pidFile.startsWith(' ') ? pidFile : QByteArray());
    }

    // Power-key events (P) and timer ticks (T) at times in ms; the closes of
    // the foreground window and the restarts they lead to.
    void powerKey_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QByteArray>("mediaCentre");
        QTest::addColumn<int>("closes");
        QTest::addColumn<int>("restarts");
        QString hold, held;
        for (int t = 0; t <= 6000; t += 100)
            hold += QStringLiteral(" P%1").arg(t) + (t % 500 == 0 && t ? QStringLiteral(" T%1").arg(t) : QString());
        for (int t = 0; t <= 5000; t += 100)
            held += QStringLiteral(" P%1").arg(t) + (t % 500 == 0 && t ? QStringLiteral(" T%1").arg(t) : QString());
        QTest::newRow("two presses 400 ms apart") << "P0 P400 T500 T1000 T1500" << QByteArray() << 1 << 0;
        QTest::newRow("media centre runs") << "P0 T500" << QByteArray("u 7 kodi.bin -p\n") << 0 << 0;
        QTest::newRow("another key ends the hold") << "P0 K200 T500 P700 T1200 T1700" << QByteArray() << 1 << 0;
        // The restart ends the hold; the later repeats start a new one.
        QTest::newRow("6 s hold") << hold + " T6500 T7000" << QByteArray() << 1 << 1;
        QTest::newRow("released as 5.5 s pass") << held + " T5500 T6000" << QByteArray() << 1 << 1;
    }
    void powerKey()
    {
        QFETCH(QString, script);
        QFETCH(QByteArray, mediaCentre);
        QFETCH(int, closes);
        QFETCH(int, restarts);
        Home_s h;
        h.answer(".*ps aux.*", mediaCentre);
        MainMWindow w;
        const QDateTime start = QDateTime::currentDateTime();
        qint64 now = 0;
        w.setClock([&] { return start.addMSecs(now); });
        for (const QString& step : script.split(' ', Qt::SkipEmptyParts)) {
            now = step.mid(1).toLongLong();
            if (step[0] == 'T')
                w.powerkeyTimeout();
            else
                w.irkeyPressed(step[0] == 'P' ? "0008 01 KEY_POWER r\n" : "0003 00 KEY_LEFT r\n");
        }
        QCOMPARE(h.detached().count("xdotool key alt+F4"), closes);
        QCOMPARE(h.detached().count("sudo " + h.root.path("/opt/bin/privrun") + " tellora_restart"), restarts);
        QVERIFY(!w.powerKeyTimer()->isActive() && w.powerKeyCount() == 0);
    }

    // Left and Right along the title bar, with and without the video
    // conferencing button; Down and Up into the grid and across an empty one.
    void titleBar_data()
    {
        QTest::addColumn<bool>("tandem");
        QTest::addColumn<int>("tiles");
        QTest::addColumn<QString>("moves"); // from key to, ...; "grid" is the tile grid
        QTest::newRow("with tandem") << true << 3
                                     << "frmlang R frmaudio, frmaudio R frmsetting, frmsetting R frmtandem, "
                                        "frmtandem R frmlogout, frmlogout R frmlogout, frmlogout L frmtandem, "
                                        "frmtandem L frmsetting, frmaudio L frmlang, frmlang L frmlang, "
                                        "frmsetting T frmsetting, frmsetting D grid, frmtips U grid";
        QTest::newRow("without") << false << 3 << "frmsetting R frmlogout, frmlogout L frmsetting, frmlogout D grid";
        QTest::newRow("empty grid") << false << 0 << "frmaudio D frmtips, frmtips U frmlang";
    }
    void titleBar()
    {
        QFETCH(bool, tandem);
        QFETCH(int, tiles);
        QFETCH(QString, moves);
        Home_s h;
        MainMWindow w;
        w.iconView()->delAll(1);
        for (int i = 0; i < tiles; ++i)
            w.iconView()->add(QPixmap(), QString::number(i));
        frame(w, "frmtandem")->setVisible(tandem);
        showActive(w);
        const QMap<QString, Qt::Key> keys {
            {"L", Qt::Key_Left}, {"R", Qt::Key_Right}, {"D", Qt::Key_Down}, {"U", Qt::Key_Up}, {"T", Qt::Key_Tab}};
        for (const QString& move : moves.split(", ")) {
            const QStringList m = move.split(' ');
            w.iconView()->setSelect(2);
            w.iconView()->setSelect(-1); // the zoom goes, the selection stays
            frame(w, m[0])->setFocus();
            QTest::keyClick(frame(w, m[0]), keys[m[1]]);
            QWidget* expected = m[2] == "grid" ? static_cast<QWidget*>(w.iconView()) : frame(w, m[2]);
            QVERIFY2(expected->hasFocus(), qPrintable(move));
            if (m[2] == "grid")
                QCOMPARE(w.iconView()->select(), 2);
        }
        if (!tiles)
            return;
        // A click on a button clears the selection first; Return keeps it.
        w.iconView()->setSelect(1);
        QTest::keyClick(frame(w, "frmtips"), Qt::Key_Return);
        QVERIFY(w.tipsScreen()->isVisible());
        QVERIFY(!w.iconView()->pageItem(1)->transform().isIdentity());
        w.tipsScreen()->close();
        QTest::mouseClick(frame(w, "frmtips"), Qt::LeftButton);
        QVERIFY(w.tipsScreen()->isVisible() && w.iconView()->pageItem(1)->transform().isIdentity());
        w.tipsScreen()->close();
    }

    void logOut()
    {
        Home_s h;
        h.root.write("/etc/Tellora/config/login.conf", "[UIControl]\nRequireLogin = no\n");
        MainMWindow w;
        QTimer::singleShot(0, &w, [&] { QTest::mouseClick(frame(w, "frmlogout"), Qt::LeftButton); });
        QTimer guard;
        connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        guard.start(10000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(h.root.read("/etc/Tellora/config/login.conf").contains("RequireLogin=yes"));
    }

    void secondCommandFile_data()
    {
        QTest::addColumn<QByteArray>("line");
        QTest::addColumn<QString>("launched"); // what "sh -c" runs; empty: nothing
        QTest::newRow("lsh") << QByteArray("lsh xterm -e top\n") << "xterm";
        QTest::newRow("LSH, a path") << QByteArray("LSH /opt/bin/tool\n") << "@/opt/bin/tool";
        QTest::newRow("hdkbinput") << QByteArray("lsh hdkbinput\n") << "";
        QTest::newRow("two blanks") << QByteArray("lsh  xterm\n") << "";
        QTest::newRow("lap start") << QByteArray("lap Foo start\n") << "@/apps/Foo/run.sh";
        QTest::newRow("lap stop") << QByteArray("lap Foo stop\n") << "foo-stop now";
        QTest::newRow("lap Start") << QByteArray("lap Foo Start\n") << "";
        QTest::newRow("lap unknown") << QByteArray("lap Bar start\n") << "";
        QTest::newRow("no karaoke tile") << QByteArray("lsp cantora_key_press\n") << "";
        QTest::newRow("empty") << QByteArray() << "";
    }
    void secondCommandFile()
    {
        QFETCH(QByteArray, line);
        QFETCH(QString, launched);
        Home_s h;
        MainMWindow w;
        h.clear();
        h.root.write("/tmp/ivo.hd3", line);
        w.fileChanged(h.root.path("/tmp/ivo.hd3"));
        launched.replace('@', h.root.root());
        QCOMPARE(h.detached(), launched.isEmpty() ? QStringList() : QStringList {"sh -c " + launched});
        QCOMPARE(w.waitingStep() != 0, !launched.isEmpty());
        if (w.waitingStep())
            w.launchDelayed();
    }

    void packageMessage_data()
    {
        QTest::addColumn<QByteArray>("language");
        QTest::addColumn<QString>("shown");
        QTest::newRow("none stored: English") << QByteArray() << "Hello, viewer";
        QTest::newRow("German") << QByteArray("ger") << "Hallo";
        QTest::newRow("no text in French") << QByteArray("fre") << "";
    }
    void packageMessage()
    {
        QFETCH(QByteArray, language);
        QFETCH(QString, shown);
        Home_s h;
        h.root.write("/home/admin/.config/Vendra/IVO.conf", "[Preference]\nLanguage=" + language + "\n");
        if (!language.isEmpty()) // no translations in the scratch appliance
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*m_translatorPtr->load\\(\\) ... fail"));
        MainMWindow w;
        QString seen;
        QTimer::singleShot(100, &w, [&] {
            if (auto* d = qobject_cast<InfoDialog*>(QApplication::activeModalWidget())) {
                seen
                    = d->findChild<QLabel*>("labInfoText")->text() + '|' + d->findChild<QPushButton*>("pbtYes")->text();
                QTest::keyClick(d->focusWidget(), Qt::Key_Return); // the remote's OK
            }
        });
        h.root.write("/tmp/ivo.hd3", "msg Foo hello\n");
        w.fileChanged(h.root.path("/tmp/ivo.hd3"));
        QTest::qWait(shown.isEmpty() ? 150 : 0);
        QCOMPARE(seen, shown.isEmpty() ? QString() : shown + "|OK");
    }

    void settingsCommand_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("command");
        QTest::newRow("open") << "Settings Open" << int(MainMWindow::SettingsCommand::Open);
        QTest::newRow("lower case") << "settings open" << int(MainMWindow::SettingsCommand::Open);
        QTest::newRow("close") << "Settings Close" << int(MainMWindow::SettingsCommand::Close);
        QTest::newRow("show") << "Settings Show" << int(MainMWindow::SettingsCommand::None);
        QTest::newRow("two blanks") << "Settings  Open" << int(MainMWindow::SettingsCommand::None);
    }
    void settingsCommand()
    {
        QFETCH(QString, line);
        QFETCH(int, command);
        QCOMPARE(int(MainMWindow::settingsCommand_(line)), command);
    }

    // The one-touch button tool: started for a colour while the previous one
    // is gone, with the language in its form; a removed marker comes back.
    void keybolt()
    {
        Home_s h;
        h.answer(".*check_ir_support", "yes\n");
        h.root.write("/home/admin/.config/Vendra/IVO.conf", "[Preference]\nLanguage=cht\n");
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*load\\(\\) ... fail"));
        MainMWindow w;
        const QString marker = h.root.path("/tmp/.tellora.keybolt.xxx");
        const QString tool = h.root.path("/opt/keybolt/keyBolt") + " -b Green -l TCH";
        auto press = [&](const char* word) {
            h.root.write("/tmp/.tellora.keybolt.xxx", word);
            w.fileChanged(marker);
        };
        h.pid = 0x7ffffffe; // started, and gone at once
        press("purple");
        press("");
        press("Green");
        QCOMPARE(h.calls().last().workingDirectory, h.root.path("/"));
        h.pid = ::getpid(); // one that runs on
        press("Green");
        press("red");
        QCOMPARE(h.detached(), QStringList({tool, tool}));
        QFile::remove(marker);
        w.fileChanged(marker);
        QVERIFY(QFileInfo::exists(marker) && w.watcher()->files().contains(marker));
        // The registration file comes back empty when removed.
        const QString pid = h.root.path("/var/run/tellora/ir_reg.pid");
        QFile::remove(pid);
        w.fileChanged(pid);
        QVERIFY(QFileInfo::exists(pid) && w.watcher()->files().contains(pid));
    }
};

QTEST_MAIN(TstHomeReactions)
#include "tst_homereactions.moc"
