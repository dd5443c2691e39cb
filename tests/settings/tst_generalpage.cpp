// The General and About pages and what the General page switches: the mobile-remote service with its privileged
// steps, the task bar's size.
#include "DataRows.h"
#include "SettingsFixture.h"

#include "ui_SettingsDialog.h"

#include "appliance/UserSettings.h"
#include "settings/PadlinkService.h"
#include "settings/TaskBarPanel.h"

#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

namespace {

const QString kLink = QStringLiteral("/etc/Tellora/xorg_rcS.d/S03remotepad");
const QString kTarget = QStringLiteral("/etc/Tellora/xinit/start_remotepad");
const QString kRefused = QStringLiteral("Padlink: non-admin user tried to change Padlink setting");

// Records every command; a sudo command of ln or rm runs for real (as this user), so the link really changes in the
// scratch sysroot as it would on the appliance.
class SudoRunner : public RecordingRunner
{
public:
    CommandResult_s execute(const QString& program, const QStringList& args, Budget budget) override
    {
        const CommandResult_s scripted = RecordingRunner::execute(program, args, budget);
        const bool fileTool = args.value(0).endsWith("/bin/ln") || args.value(0).endsWith("/bin/rm");
        if (!program.endsWith("/usr/bin/sudo") || !fileTool)
            return scripted;
        return ProcessRunner().run(args.value(0), args.mid(1), budget);
    }
};

} // namespace

class TstGeneralPage : public QObject
{
    Q_OBJECT

    std::unique_ptr<ScratchSysroot> m_root;

    QString link() const { return m_root->path(kLink); }
    // Writes the stand-in daemon: it reports its session, parent and open files, then ends. It leaves the name
    // remotepad at once, so that the simulator's tests, which stop every remotepad, never stop it.
    void writeDaemon() const
    {
        const QString out = m_root->path("/daemon.out");
        QVERIFY(m_root->write("/report.sh",
            QStringLiteral("{ echo \"$(cut -d' ' -f6 /proc/$$/stat) $PPID\"; for f in /proc/$$/fd/*; do "
                           "readlink \"$f\"; done; } >%1.tmp; mv %1.tmp %1\n")
                .arg(out)
                .toUtf8()));
        QVERIFY(m_root->write(
            "/opt/bin/remotepad", "#!/bin/sh\nexec /bin/sh " + m_root->path("/report.sh").toUtf8() + "\n"));
        QVERIFY(QFile::setPermissions(m_root->path("/opt/bin/remotepad"), QFile::ReadOwner | QFile::ExeOwner));
    }
    // What the stand-in daemon reported; empty until it ran.
    QStringList daemonReport() const
    {
        return QString::fromUtf8(m_root->read("/daemon.out")).split('\n', Qt::SkipEmptyParts);
    }
    static void expectWarnings(const QStringList& patterns)
    {
        for (const QString& p : patterns)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::anchoredPattern(p)));
        QTest::failOnWarning(QRegularExpression(".*"));
    }
    static bool outsider() { return QByteArray(QTest::currentDataTag()).startsWith("outside"); }

private slots:
    void init()
    {
        m_root = std::make_unique<ScratchSysroot>();
        QDir().mkpath(m_root->path("/etc/Tellora/xorg_rcS.d"));
        QDir().mkpath(m_root->path("/bin"));
        for (const char* tool : {"ln", "rm"})
            QVERIFY(QFile::link(QStandardPaths::findExecutable(tool), m_root->path(QStringLiteral("/bin/") + tool)));
        qputenv("NasUser", QByteArray("admin").toBase64());
    }
    void cleanup() { m_root.reset(); }

    void taskBarHeights_data()
    {
        columns<int, int, int>(); // the screen's height, the panel's height, the tray's icon size
        // Low screens: the bar keeps 20 lines and the tray its own size.
        for (auto [screen, panel, tray] : {std::array {1080, 50, 36}, {453, 20, 24}, {454, 21, 24}, {467, 21, 11}})
            row(QByteArray::number(screen), screen, panel, tray);
    }
    // The two sized lines are rewritten in place; everything else, the last line without its line feed, stays.
    void taskBarHeights()
    {
        const auto [screenHeight, panel, tray] = fetch<int, int, int>();
        const QByteArray before = "# Panel\npanel_items = TSC\npanel_size = 100% 30\npanel_margin = 0 0\n"
                                  "systray_icon_size = 24\nfont = Sans 10";
        QVERIFY(m_root->write("/home/admin/.config/tint2/tint2rc", before));
        TaskBarPanel::setHeight(screenHeight);
        QCOMPARE(m_root->read("/home/admin/.config/tint2/tint2rc"),
            "# Panel\npanel_items = TSC\npanel_size = 100% " + QByteArray::number(panel)
                + "\npanel_margin = 0 0\nsystray_icon_size = " + QByteArray::number(tray) + "\nfont = Sans 10");
    }
    // No configuration: nothing is created. A line far over 1023 bytes is taken in pieces.
    void taskBarFileEdges()
    {
        TaskBarPanel::setHeight(1080);
        QVERIFY(!QFileInfo::exists(TaskBarPanel::configPath()));
        const QByteArray longLine = QByteArray(1030, 'x') + " panel_size\n";
        QCOMPARE(TaskBarPanel::resized(longLine, 1080), QByteArray(1023, 'x') + "panel_size = 100% 50\n");
    }

    void padlinkEnable_data()
    {
        // The admin account, what stands at the link ("file", "link" elsewhere or nothing), a daemon to start, the
        // warnings, the box checked afterwards. A sudo that hangs is the simulator suite's, with the runner's kill.
        columns<bool, QByteArray, bool, QStringList, bool>();
        row("admin account", true, QByteArray(), true, QStringList(), true);
        const QString occupied = "Padlink: symlink 路徑已存在但不是 symlink: .*S03remotepad";
        row("file at the link", true, QByteArray("file"), true, QStringList {occupied}, false);
        const QStringList noDaemon {"Padlink: daemon exec 失敗: No such file or directory", "Padlink: daemon 啟動失敗"};
        row("no daemon, admin account", true, QByteArray(), false, noDaemon, false);
        row("an old link is made anew", false, QByteArray("link"), true, QStringList(), true);
        // Someone outside the administrators, even named admin, sees the box return to the link's state.
        row("outside the administrators", true, QByteArray(), true, QStringList {kRefused}, false);
    }
    // On: the boot link with the appliance's own target and a daemon in a session of its own that holds none of our
    // files; the admin account takes these steps itself. Every failure leaves the box unchecked, no link behind and
    // whatever else stood at the path untouched.
    void padlinkEnable()
    {
        const auto [adminAccount, atLink, daemon, warnings, checked]
            = fetch<bool, QByteArray, bool, QStringList, bool>();
        qputenv("NasUser", QByteArray(adminAccount ? "admin" : "john_1").toBase64());
        if (daemon)
            writeDaemon();
        if (atLink == "file")
            QVERIFY(m_root->write(kLink, "not a link\n"));
        if (atLink == "link")
            QVERIFY(QFile::link("/elsewhere", link()));
        SudoRunner runner;
        const QString probe = m_root->path("/leak-probe");
        const int inherited = ::open(QFile::encodeName(probe).constData(), O_CREAT | O_WRONLY, 0600);
        QVERIFY(inherited >= 0);

        expectWarnings(warnings);
        QCOMPARE(PadlinkService(!outsider()).enable(), checked);
        ::close(inherited);
        QCOMPARE(QFileInfo(link()).isSymLink(), checked);
        QVERIFY(!adminAccount || runner.calls().isEmpty());
        if (checked) {
            QCOMPARE(QFileInfo(link()).symLinkTarget(), kTarget);
            QVERIFY(PadlinkService::isEnabled());
            QTRY_VERIFY_WITH_TIMEOUT(!daemonReport().isEmpty(), 30000);
            const QStringList report = daemonReport(), sessionAndParent = report.first().split(' ');
            QVERIFY(sessionAndParent.value(0).toLongLong() != ::getsid(0));
            QVERIFY(sessionAndParent.value(1).toLongLong() != QCoreApplication::applicationPid());
            QVERIFY2(!report.contains(probe), qPrintable(report.join(", ")));
        }
        if (atLink == "file")
            QCOMPARE(m_root->read(kLink), QByteArray("not a link\n"));
    }

    void padlinkDisable_data()
    {
        // What stands at the link, the exit codes of killall and pidof, the warnings, the box checked afterwards.
        columns<QByteArray, int, int, QStringList, bool>();
        const auto r = [](const char* tag, QByteArray at, int kill, int pid, QStringList warns, bool checked) {
            row(tag, at, kill, pid, warns, checked);
        };
        r("daemon not running", "link", 1, 1, {"Padlink: remotepad is already stopped"}, false);
        r("daemon cannot be stopped", "link", 1, 0,
            {"Padlink: /bin/killall remotepad failed", "Padlink: daemon 停止失敗，保留 Enable Padlink 狀態"}, true);
        r("file at the link", "file", 0, 1, {"Padlink: symlink 路徑存在但不是 symlink，略過刪除: .*S03remotepad"},
            true);
        r("daemon stopped", "link", 0, 1, {}, false);
        r("nothing there", "", 0, 1, {}, false);
        r("outside the administrators", "link", 0, 1, {kRefused}, true);
    }
    void padlinkDisable()
    {
        const auto [atLink, killall, pidof, warnings, checked] = fetch<QByteArray, int, int, QStringList, bool>();
        if (atLink == "file")
            QVERIFY(m_root->write(kLink, "not a link\n"));
        if (atLink == "link")
            QVERIFY(QFile::link(kTarget, link()));
        SudoRunner runner;
        // The admin account stops the daemon itself, with the appliance's killall.
        runner.answer(QRegularExpression::escape(m_root->path("/bin/killall")) + " remotepad", "", killall);
        runner.answer(".*/bin/pidof remotepad", "", pidof);

        expectWarnings(warnings);
        QCOMPARE(PadlinkService(!outsider()).disable(), checked);
        QCOMPARE(QFileInfo(link()).isSymLink(), atLink == "link" && checked);
        if (atLink == "file")
            QCOMPARE(m_root->read(kLink), QByteArray("not a link\n"));
        QCOMPARE(runner.lines().filter("pidof").size(), killall == 0 ? 0 : 1);
        QVERIFY(!outsider() || runner.calls().isEmpty());
    }

    void boxesFollowTheFiles_data()
    {
        // The box; the file (u: the user's settings, l: login.conf) and key of [UIControl] it shows; the value found
        // there (none: no file); checked; the value Return writes.
        columns<QString, QString, QByteArray, bool, QString>();
        const auto r = [](const char* tag, QString box, QString key, QByteArray found, bool checked, QString written) {
            row(tag, box, key, found, checked, written);
        };
        r("time off", "cbxDatetime", "u:DisplayDatetime", "NO", false, "yes");
        r("address by default", "cbxIP", "u:DisplayIP", "", true, "no");
        r("name on", "cbxServername", "u:DisplayServername", "whatever", true, "no");
        r("login asked", "cbxRequireLogin", "l:RequireLogin", "YES", false, "no");
        r("auto login", "cbxRequireLogin", "l:RequireLogin", "off", true, "yes");
        r("no login file", "cbxRequireLogin", "l:RequireLogin", "", false, "no");
    }
    // Each box shows its setting as the home screen reads it, and Return writes the other value.
    void boxesFollowTheFiles()
    {
        const auto [box, key, found, checked, written] = fetch<QString, QString, QByteArray, bool, QString>();
        SettingsScene_s scene;
        const QString file
            = key.startsWith('u') ? "/home/admin/.config/Vendra/IVO.conf" : "/etc/Tellora/config/login.conf";
        QVERIFY(found.isEmpty() || scene.root.write(file, "[UIControl]\n" + key.mid(2).toUtf8() + '=' + found + '\n'));
        SettingsDialog& d = scene.open();
        auto* target = part<QCheckBox>(d, box);
        QCOMPARE(target->isChecked(), checked);
        target->setFocus();
        pressKey(Qt::Key_Return);
        QCOMPARE(target->isChecked(), !checked);
        QCOMPARE(QSettings(scene.root.path(file), QSettings::IniFormat).value("UIControl/" + key.mid(2)).toString(),
            written);
        QCOMPARE(d.form()->labIpAddress->isVisibleTo(&d), d.form()->cbxIP->isChecked());
    }

    // Outside the administrators there is no Applications button: the dialog starts on General, and the remote's keys
    // go round the boxes, passing the mobile-remote box by (the administrators' way is the simulator flow's); Right
    // and Tab stay, Escape goes back to the column.
    void keysAlone()
    {
        SettingsScene_s scene("MTAw");
        SettingsDialog& d = scene.open();
        const Ui::SettingsDialog& ui = *d.form();
        QVERIFY(!ui.rbtApp->isVisible());
        QTRY_COMPARE(QApplication::focusWidget(), ui.rbtGeneral);
        pressKey(Qt::Key_Return);
        QStringList reached {focused()};
        for (int i = 0; i < 5; ++i) {
            pressKey(Qt::Key_Down);
            reached << focused();
        }
        QCOMPARE(reached,
            QStringList({"cbxDatetime", "cbxIP", "cbxServername", "cbxRequireLogin", "cbxTaskbar", "cbxDatetime"}));
        for (Qt::Key key : {Qt::Key_Up, Qt::Key_Right, Qt::Key_Tab})
            pressKey(key);
        QCOMPARE(focused(), "cbxTaskbar");
        pressKey(Qt::Key_Escape);
        QCOMPARE(QApplication::focusWidget(), ui.rbtGeneral);
        QVERIFY(d.isVisible());
    }

    // "Go to Settings" of the home screen's notice: the General page with the mobile-remote box focused; a switch
    // that fails puts the box back.
    void padlinkFromTheNotice()
    {
        SettingsScene_s scene;
        QVERIFY(QDir().mkpath(scene.root.path("/etc/Tellora/xorg_rcS.d")));
        const Ui::SettingsDialog& ui = *scene.open().form();
        ui.rbtApp->setChecked(true);
        scene.dialog->ShowGeneralPadlink();
        QCOMPARE(ui.stwgSub->currentIndex(), int(SettingsDialog::PageGeneral));
        QVERIFY(ui.rbtGeneral->isChecked());
        QCOMPARE(QApplication::focusWidget(), ui.cbxPadlink);
        expectWarnings({"Padlink: daemon exec 失敗: No such file or directory", "Padlink: daemon 啟動失敗"});
        pressKey(Qt::Key_Return);
        QVERIFY(!ui.cbxPadlink->isChecked() && !PadlinkService::isEnabled());
    }

    // Refusing the restart puts the box back without asking again; accepting it stores the choice and ends the
    // program's event loop with status 0.
    void taskBarSwitch()
    {
        SettingsScene_s scene;
        SettingsDialog& d = scene.open();
        QCheckBox* box = d.form()->cbxTaskbar;
        QVERIFY(!box->isChecked());
        QStringList asked;
        QTimer answer;
        answer.callOnTimeout([&] {
            if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                asked << dialog->findChild<QLabel*>("labInfoText")->text();
                asked.size() == 1 ? dialog->reject() : dialog->accept();
            }
        });
        answer.start(20);
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(asked, QStringList {"Tellora will restart after applying this feature."});
        QVERIFY(!box->isChecked());
        QVERIFY(!UserSettings::taskBarEnabled());

        QTimer::singleShot(0, [box] { QTest::keyClick(box, Qt::Key_Return); });
        QTimer::singleShot(60000, [] { QCoreApplication::exit(1); }); // never reached when the switch works
        QCOMPARE(QCoreApplication::exec(), 0);
        QCOMPARE(asked.size(), 2);
        QCOMPARE(QSettings(scene.root.home() + "/.config/Vendra/IVO.conf", QSettings::IniFormat)
                     .value("TaskBar/Enable")
                     .toString(),
            "True");
    }

    void aboutVersion_data()
    {
        columns<QByteArray, QByteArray, QString>(); // the version, the build date ("-" for no file), the text shown
        const auto r = [](const char* tag, QByteArray version, QByteArray date, QString shown) {
            row(tag, version, date, shown);
        };
        r("first line, trimmed", "3.1.0", " 2026-11-30 \r\nlater\n", "3.1.0   2026-11-30");
        r("no date file", "3.1.0", "-", "3.1.0");
        r("no version", "", "2026-11-30\n", "-");
    }
    void aboutVersion()
    {
        const auto [version, buildDate, shown] = fetch<QByteArray, QByteArray, QString>();
        SettingsScene_s scene;
        QVERIFY(scene.root.write("/etc/config/bento.conf", "[Tellora]\nName = Tellora\nVersion = " + version + "\n"));
        QVERIFY(buildDate == "-" || scene.root.write("/.build_date", buildDate));
        QCOMPARE(scene.build().form()->txtAboutVer->text(), shown);
    }
};

QTEST_MAIN(TstGeneralPage)
#include "tst_generalpage.moc"
