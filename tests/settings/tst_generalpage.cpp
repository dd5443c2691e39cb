// The General and About pages: the boxes, the mobile-remote service, the task bar's switch and size.
#include "DataRows.h"
#include "SettingsFixture.h"

#include "ui_SettingsDialog.h"

#include "appliance/UserSettings.h"
#include "settings/PadlinkService.h"
#include "settings/TaskBarPanel.h"

#include <QtTest>

#include <fcntl.h>
#include <unistd.h>

const QString kLink = QStringLiteral("/etc/Tellora/xorg_rcS.d/S03remotepad");
const QString kTarget = QStringLiteral("/etc/Tellora/xinit/start_remotepad");

class TstGeneralPage : public QObject
{
    Q_OBJECT

    static void expectWarnings(const QStringList& patterns)
    {
        for (const QString& p : patterns)
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QRegularExpression::anchoredPattern(p)));
        QTest::failOnWarning(QRegularExpression(".*"));
    }

private slots:
    // The two sized lines rewritten in place (long lines in 1023-byte pieces), the rest kept; no file is created.
    void taskBarHeights_data()
    {
        columns<QByteArray, int, QByteArray>(); // the file before (null: none), the screen's height, the file after
        const auto conf = [](int panel, int tray) {
            return "# Panel\npanel_items = TSC\npanel_size = 100% " + QByteArray::number(panel)
                + "\npanel_margin = 0 0\nsystray_icon_size = " + QByteArray::number(tray) + "\nfont = Sans 10";
        };
        // Low screens: the bar keeps 20 lines and the tray its own size.
        for (auto [screen, panel, tray] : {std::array {1080, 50, 36}, {453, 20, 24}, {454, 21, 24}, {467, 21, 11}})
            row(QByteArray::number(screen), conf(30, 24), screen, conf(panel, tray));
        row("long line", QByteArray(1030, 'x') + " panel_size\n", 1080,
            QByteArray(1023, 'x') + "panel_size = 100% 50\n");
        row("no file", QByteArray(), 1080, QByteArray());
    }
    void taskBarHeights()
    {
        const auto [before, screenHeight, after] = fetch<QByteArray, int, QByteArray>();
        ScratchSysroot root;
        QVERIFY(before.isNull() || root.write("/home/admin/.config/tint2/tint2rc", before));
        TaskBarPanel::setHeight(screenHeight);
        QCOMPARE(QFileInfo::exists(TaskBarPanel::configPath()), !after.isNull());
        QCOMPARE(root.read("/home/admin/.config/tint2/tint2rc"), after);
    }

    void padlink_data()
    {
        // On, the account, what stands at the link, killall's and pidof's exit codes, the warnings, checked after.
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
        r("on, rm fails on an old link", true, "john_1", "old", 0, 0,
            {"Padlink: failed to remove .*S03remotepad with sudo rm -f", "Padlink: 既有 symlink 刪除失敗: .*"}, false);
        r("off, daemon not running", false, "admin", "link", 1, 1, {"Padlink: remotepad is already stopped"}, false);
        r("off, daemon cannot be stopped", false, "admin", "link", 1, 0,
            {"Padlink: /bin/killall remotepad failed", "Padlink: daemon 停止失敗，保留 Enable Padlink 狀態"}, true);
        r("off, file at the link", false, "admin", "file", 0, 1,
            {"Padlink: symlink 路徑存在但不是 symlink，略過刪除: .*S03remotepad"}, true);
        r("off, nothing there", false, "admin", "", 0, 1, {}, false);
        r("off, outside the administrators", false, "admin", "link", 0, 1,
            {"Padlink: non-admin user tried to change Padlink setting"}, true);
    }
    // On: the boot link and a detached daemon holding none of our files; off: killall; a failure keeps the state.
    void padlink()
    {
        const auto [on, account, atLink, killall, pidof, warnings, checked]
            = fetch<bool, QByteArray, QByteArray, int, int, QStringList, bool>();
        const QByteArray tag = QTest::currentDataTag();
        ScratchSysroot root;
        const QString link = root.path(kLink);
        QVERIFY(QDir().mkpath(root.path("/bin")) && QDir().mkpath(QFileInfo(link).path()));
        for (const char* tool : {"ln", "rm"})
            QVERIFY(QFile::link(QStandardPaths::findExecutable(tool), root.path(QStringLiteral("/bin/") + tool)));
        qputenv("NasUser", account.toBase64());
        // The stand-in reports its session, parent and files under another name (the simulator kills remotepad).
        const QString report = root.path("/daemon.out");
        if (on && !tag.contains("no daemon")) {
            QVERIFY(root.write("/opt/bin/remotepad",
                QStringLiteral(
                    "#!/bin/sh\nexec /bin/sh -c '{ echo \"$(cut -d\" \" -f6 /proc/$$/stat) $PPID\"; for f in "
                    "/proc/$$/fd/*; do readlink \"$f\"; done; } >%1.tmp; mv %1.tmp %1'\n")
                    .arg(report)
                    .toUtf8()));
            QVERIFY(QFile::setPermissions(root.path("/opt/bin/remotepad"), QFile::ReadOwner | QFile::ExeOwner));
        }
        if (atLink == "file")
            QVERIFY(root.write(kLink, "not a link\n"));
        if (atLink == "old" || atLink == "link")
            QVERIFY(QFile::link(atLink == "old" ? "/elsewhere" : kTarget, link));
        LiveRunner runner; // sudo ln and rm really change the link in the scratch sysroot
        runner.real = [rm = !tag.contains("rm fails")](const QString& program, const QStringList& args) {
            const bool tool = args.value(0).endsWith("/bin/ln") || (rm && args.value(0).endsWith("/bin/rm"));
            return program.endsWith("/usr/bin/sudo") && tool ? args : QStringList();
        };
        runner.answer(QRegularExpression::escape(root.path("/bin/killall")) + " remotepad", "", killall);
        runner.answer(".*/bin/pidof remotepad", "", pidof);
        const QString probe = root.path("/leak-probe");
        const int inherited = ::open(QFile::encodeName(probe).constData(), O_CREAT | O_WRONLY, 0600);
        QVERIFY(inherited >= 0);

        expectWarnings(warnings);
        PadlinkService service(!tag.contains("outside"));
        QCOMPARE(on ? service.enable() : service.disable(), checked);
        ::close(inherited);
        QCOMPARE(QFileInfo(link).isSymLink(), atLink == "old" || (checked && (on || atLink == "link")));
        if (atLink == "file")
            QCOMPARE(root.read(kLink), QByteArray("not a link\n"));
        QVERIFY(!tag.contains("outside") || runner.calls().isEmpty());
        if (!on)
            QCOMPARE(runner.lines().filter("pidof").size(), killall == 0 ? 0 : 1);
        else if (account == "admin")
            QVERIFY(runner.calls().isEmpty());
        if (on && checked) {
            QCOMPARE(QFileInfo(link).symLinkTarget(), kTarget);
            QVERIFY(PadlinkService::isEnabled());
            QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(report), 30000);
            const QStringList lines = QString::fromUtf8(root.read("/daemon.out")).split('\n', Qt::SkipEmptyParts);
            const QStringList sessionAndParent = lines.value(0).split(' ');
            QVERIFY(sessionAndParent.value(0).toLongLong() != ::getsid(0));
            QVERIFY(sessionAndParent.value(1).toLongLong() != QCoreApplication::applicationPid());
            QVERIFY(!lines.contains(probe));
        }
    }

    void boxesFollowTheFiles_data()
    {
        // Box, file (u: user settings, l: login.conf) and key, value found (none: no file), checked, value written.
        columns<QString, QString, QByteArray, bool, QString>();
        row("time off", "cbxDatetime", "u:DisplayDatetime", QByteArray("NO"), false, "yes");
        row("address by default", "cbxIP", "u:DisplayIP", QByteArray(), true, "no");
        row("name on", "cbxServername", "u:DisplayServername", QByteArray("whatever"), true, "no");
        row("login asked", "cbxRequireLogin", "l:RequireLogin", QByteArray("YES"), false, "no");
        row("auto login", "cbxRequireLogin", "l:RequireLogin", QByteArray("off"), true, "yes");
        row("no login file", "cbxRequireLogin", "l:RequireLogin", QByteArray(), false, "no");
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

    // The home screen's notice opens the General page on the mobile-remote box; a failed switch puts it back.
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

    // Refusing the restart puts the box back; accepting stores the choice and ends the event loop with status 0.
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
        row("first line, trimmed", QByteArray("3.1.0"), QByteArray(" 2026-11-30 \r\nlater\n"), "3.1.0   2026-11-30");
        row("no date file", QByteArray("3.1.0"), QByteArray("-"), "3.1.0");
        row("no version", QByteArray(), QByteArray("2026-11-30\n"), "-");
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
