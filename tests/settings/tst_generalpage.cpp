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
    // The stand-in daemon reports its session, parent and open files, then ends. It leaves the name remotepad at once,
    // so that the simulator's tests, which stop every remotepad, never stop it.
    void writeDaemon() const
    {
        QVERIFY(m_root->write("/opt/bin/remotepad",
            QStringLiteral("#!/bin/sh\nexec /bin/sh -c '{ echo \"$(cut -d\" \" -f6 /proc/$$/stat) $PPID\"; for f in "
                           "/proc/$$/fd/*; do readlink \"$f\"; done; } >%1.tmp; mv %1.tmp %1'\n")
                .arg(m_root->path("/daemon.out"))
                .toUtf8()));
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

    void padlink_data()
    {
        // On or off, the account, what stands at the link ("file", an "old" link elsewhere, a "link" to the start
        // script), the exit codes of killall and pidof, the warnings, the box checked afterwards. The daemon stopped by
        // the admin account, and a sudo that hangs, are the simulator flows'.
        columns<bool, QByteArray, QByteArray, int, int, QStringList, bool>();
        const auto r
            = [](const char* tag, bool on, QByteArray account, QByteArray at, int killall, int pidof,
                  QStringList warnings, bool checked) { row(tag, on, account, at, killall, pidof, warnings, checked); };
        r("on, admin account", true, "admin", "", 0, 0, {}, true);
        r("on, file at the link", true, "admin", "file", 0, 0,
            {"Padlink: symlink 路徑已存在但不是 symlink: .*S03remotepad"}, false);
        r("on, no daemon", true, "admin", "", 0, 0,
            {"Padlink: daemon exec 失敗: No such file or directory", "Padlink: daemon 啟動失敗"}, false);
        r("on, an old link is made anew", true, "john_1", "old", 0, 0, {}, true);
        r("on, outside the administrators", true, "admin", "", 0, 0, {kRefused}, false);
        r("off, daemon not running", false, "admin", "link", 1, 1, {"Padlink: remotepad is already stopped"}, false);
        r("off, daemon cannot be stopped", false, "admin", "link", 1, 0,
            {"Padlink: /bin/killall remotepad failed", "Padlink: daemon 停止失敗，保留 Enable Padlink 狀態"}, true);
        r("off, file at the link", false, "admin", "file", 0, 1,
            {"Padlink: symlink 路徑存在但不是 symlink，略過刪除: .*S03remotepad"}, true);
        r("off, nothing there", false, "admin", "", 0, 1, {}, false);
        r("off, outside the administrators", false, "admin", "link", 0, 1, {kRefused}, true);
    }
    // On: the boot link to the appliance's own target and a daemon in a session of its own that holds none of our
    // files, the admin account taking these steps itself. Off: the admin account stops the daemon with the
    // appliance's killall. A failure keeps the box's state and leaves whatever else stood at the link untouched.
    void padlink()
    {
        const auto [on, account, atLink, killall, pidof, warnings, checked]
            = fetch<bool, QByteArray, QByteArray, int, int, QStringList, bool>();
        const QByteArray tag = QTest::currentDataTag();
        qputenv("NasUser", account.toBase64());
        if (on && !tag.contains("no daemon"))
            writeDaemon();
        if (atLink == "file")
            QVERIFY(m_root->write(kLink, "not a link\n"));
        if (atLink == "old" || atLink == "link")
            QVERIFY(QFile::link(atLink == "old" ? "/elsewhere" : kTarget, link()));
        SudoRunner runner;
        runner.answer(QRegularExpression::escape(m_root->path("/bin/killall")) + " remotepad", "", killall);
        runner.answer(".*/bin/pidof remotepad", "", pidof);
        const QString probe = m_root->path("/leak-probe");
        const int inherited = ::open(QFile::encodeName(probe).constData(), O_CREAT | O_WRONLY, 0600);
        QVERIFY(inherited >= 0);

        expectWarnings(warnings);
        PadlinkService service(!tag.contains("outside"));
        QCOMPARE(on ? service.enable() : service.disable(), checked);
        ::close(inherited);
        QCOMPARE(QFileInfo(link()).isSymLink(), checked && (on || atLink == "link"));
        if (atLink == "file")
            QCOMPARE(m_root->read(kLink), QByteArray("not a link\n"));
        QVERIFY(!tag.contains("outside") || runner.calls().isEmpty());
        if (!on)
            QCOMPARE(runner.lines().filter("pidof").size(), killall == 0 ? 0 : 1);
        else if (account == "admin")
            QVERIFY(runner.calls().isEmpty());
        if (on && checked) {
            QCOMPARE(QFileInfo(link()).symLinkTarget(), kTarget);
            QVERIFY(PadlinkService::isEnabled());
            QTRY_VERIFY_WITH_TIMEOUT(!daemonReport().isEmpty(), 30000);
            const QStringList report = daemonReport(), sessionAndParent = report.first().split(' ');
            QVERIFY(sessionAndParent.value(0).toLongLong() != ::getsid(0));
            QVERIFY(sessionAndParent.value(1).toLongLong() != QCoreApplication::applicationPid());
            QVERIFY2(!report.contains(probe), qPrintable(report.join(", ")));
        }
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
