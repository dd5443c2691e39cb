// The home window's reactions that need the window: the title bar, what the second command file starts or shows, the
// first-run notices, the language menu, the product switch and the end of the settings dialog.
#include "CommandSettle.h"
#include "DataRows.h"
#include "HomeFixture.h"
#include "home/MainMWindow.h"
#include "home/TipsScreen.h"
#include "i18n/UiLanguage.h"
#include "settings/SettingsDialog.h"
#include "widgets/InfoDialog.h"
#include "widgets/MultiIconViewV.h"

#include <QMenu>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

// An administrator logged in, one package "Foo" and the built translations but Italian (a language the appliance
// lacks).
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

} // namespace

class TstHomeReactions : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QDir::setCurrent(m_cwd.path()));
        m_font = QApplication::font();
    }
    void init() { QApplication::setFont(m_font); } // the application's font is the process's

    // Left and Right around the product switch and at the ends of the title bar; Down and Up into the grid and across
    // an empty one; the product switch's dialog. (The chain without the switch is walked by the monkey's regressions.)
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

    // Log-out asks for a login at the next start and ends the event loop; the settings' end restarts only for a task
    // bar the web turned on.
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

    // Messages written faster than anyone can read them: one dialog at a time, never one inside another's modal
    // loop; of those that waited the newest comes next.
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

    // The older-generation notice, then the mobile-remote notice for administrators; the marker goes directly for
    // "admin", through sudo (5 s at most) for the others, and stays for non-administrators.
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

    // The menu offers every language and Back; a choice switches the language, its locale and every text; a missing
    // translation falls back to the source texts.
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

    // A language visited and left draws the texts of the home window, its tips and the settings as a fresh start in
    // the language come back to does: each in the same family and size, a sample as wide. (Japanese has a family of
    // its own.)
    void languageRoundTrip_data()
    {
        columns<QString, QStringList>(); // the language started in, the languages chosen (the last one that again)
        row("Thai", QString("eng"), QStringList {"ไทย", "English"});
        row("Japanese", QString("eng"), QStringList {"日本語", "English"});
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

private:
    QTemporaryDir m_cwd; // the program's folder, where the first-run marker lies
    QFont m_font;
};

QTEST_MAIN(TstHomeReactions)
#include "tst_homereactions.moc"
