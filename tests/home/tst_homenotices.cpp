// First-run notices, the language menu with the translations, the tips
// screen, the product switch and the end of the settings dialog.
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "home/MainMWindow.h"
#include "home/TipsScreen.h"
#include "i18n/LanguageSwitch.h"
#include "i18n/UiLanguage.h"

#include <QApplication>
#include <QDir>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QTimer>

namespace {

struct Home_s : RecordingRunner {
    ScratchSysroot root;
    Home_s(const QByteArray& user = "YWRtaW4=", const QByteArray& group = "MA==") // admin, group 0
    {
        qputenv("NasUser", user);
        qputenv("NasGroupID", group);
        // The compiled translations, where the appliance keeps them.
        for (const char* code : {"ger", "spa"})
            QFile::copy(qEnvironmentVariable("IVO_BINARY_DIR") + "/bin/lang/" + code + ".qm",
                (QDir().mkpath(root.path("/opt/ivo/lang")), root.path("/opt/ivo/lang/") + code + ".qm"));
    }
    QSettings settings() const { return QSettings(root.home() + "/.config/Vendra/IVO.conf", QSettings::IniFormat); }
};

// Runs fn on the next modal widget (or popup menu) once it is up.
void onModal(const std::function<void(QWidget*)>& fn)
{
    QTimer::singleShot(20, [fn] {
        QWidget* w
            = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::activeModalWidget();
        if (w)
            fn(w);
        else
            onModal(fn);
    });
}

QString text(const QWidget* w, const char* name) { return w->findChild<QLabel*>(name)->text(); }

} // namespace

class TstHomeNotices : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QDir::setCurrent(m_cwd.path()); }

    // The older-generation notice, then the mobile-remote notice for
    // administrators; the marker goes directly for "admin", through sudo
    // (5 s at most) for the others, and stays for non-administrators.
    void firstRun_data()
    {
        QTest::addColumn<QByteArray>("user");
        QTest::addColumn<QByteArray>("group");
        QTest::addColumn<QString>("button"); // of the mobile-remote notice; empty: none shown
        QTest::addColumn<QString>("removal");
        QTest::newRow("admin goes to settings") << QByteArray("YWRtaW4=") << QByteArray("MA==") << "pbtYes"
                                                << "@/bin/rm -f @/.padlinkfirst";
        QTest::newRow("other administrator, got it") << QByteArray("am9objE=") << QByteArray("MA==") << "pbtNo"
                                                     << "@/usr/bin/sudo @/bin/rm -f @/.padlinkfirst";
        QTest::newRow("not an administrator") << QByteArray("am9objE=") << QByteArray("MQ==") << ""
                                              << "";
    }
    void firstRun()
    {
        QFETCH(QByteArray, user);
        QFETCH(QByteArray, group);
        QFETCH(QString, button);
        QFETCH(QString, removal);
        Home_s h(user, group);
        h.root.write("/.padlinkfirst", {});
        h.root.write("/tmp/.@removeTelloraPackage.list", "x\n");
        QDir().mkpath("root");
        QFile("root/.firstTime").open(QIODevice::WriteOnly);
        h.answer(".*sudo.*", "", 1); // a failing sudo keeps the marker and says so
        MainMWindow w;
        h.clear();
        QStringList notices;
        onModal([&](QWidget* first) {
            notices << text(first, "labInfoText").left(20);
            first->findChild<QPushButton*>("pbtYes")->click();
            if (!button.isEmpty())
                onModal([&](QWidget* second) {
                    notices << text(second, "labInfoTitle") + '|' + second->findChild<QPushButton*>("pbtYes")->text()
                            + '|' + second->findChild<QPushButton*>("pbtNo")->text();
                    second->findChild<QPushButton*>(button)->click();
                });
        });
        if (button == "pbtYes")
            QTest::ignoreMessage(
                QtWarningMsg, "Cannot open Padlink settings because SettingsDialog is not initialized.");
        if (removal.contains("sudo"))
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Padlink: sudo command failed: exitCode: 1 .*"));
        w.refreshClock(); // the second call
        QStringList expected {"Applications used by"};
        if (!button.isEmpty())
            expected << "Security Update: Padlink Service Disabled by Default|Go to Settings|Got it";
        QCOMPARE(notices, expected);
        QVERIFY(!QFile::exists("root/.firstTime") && !QFile::exists(h.root.path("/tmp/.@removeTelloraPackage.list")));
        QCOMPARE(h.lines(), removal.isEmpty() ? QStringList() : QStringList {removal.replace("@", h.root.root())});
        if (!removal.isEmpty())
            QCOMPARE(h.calls().first().timeoutMs, removal.contains("sudo") ? 5000 : -1);
        w.refreshClock(); // only once
        QCOMPARE(notices.size(), expected.size());
    }

    // The menu offers every language and Back; a choice switches the
    // language, its locale and every text; a missing translation falls back
    // to the source texts.
    void languageMenu()
    {
        Home_s h;
        MainMWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        auto* lang = w.findChild<QFrame*>("frmlang");
        auto choose = [&](const QString& entry) {
            QStringList offered;
            onModal([&offered, entry](QWidget* popup) {
                auto* menu = qobject_cast<QMenu*>(popup);
                for (QAction* a : menu->actions())
                    if (!a->isSeparator())
                        offered << a->text() + (a == menu->defaultAction() ? "*" : "");
                for (QAction* a : menu->actions())
                    if (a->text() == entry)
                        menu->setActiveAction(a);
                QTest::keyClick(menu, Qt::Key_Return);
            });
            QTest::keyClick(lang, Qt::Key_Return);
            QCoreApplication::processEvents();
            return offered;
        };
        QStringList names;
        for (const UiLanguage::Language_s& l : UiLanguage::table())
            names << l.name;
        QCOMPARE(choose("Deutsch"), names << "[Back]");
        QCOMPARE(w.language()->current(), QStringLiteral("ger"));
        QCOMPARE(UiLanguage::stored(), QStringLiteral("ger"));
        QCOMPARE(qgetenv("LANG") + qgetenv("LC_ALL"), QByteArray("de_DE.UTF-8de_DE.UTF-8"));
        QTRY_COMPARE(text(&w, "txttips"), QStringLiteral("Tipps"));
        QCOMPARE(text(w.tipsScreen(), "txtKeyboard"), QStringLiteral("Tastatur"));
        QVERIFY(text(w.tipsScreen(), "lblR01").endsWith(">1</b>&nbsp;&nbsp;&nbsp;Anwendung beenden"));
        QCOMPARE(text(&w, "txtadmin"), QStringLiteral("admin"));

        QVERIFY(choose("[Zurück]").contains("Deutsch*"));
        QCOMPARE(w.language()->current(), QStringLiteral("ger"));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(".*\\[err\\] m_translatorPtr->load\\(\\) ... fail"));
        choose("Français"); // no translation in this appliance
        QCOMPARE(qgetenv("LANG"), QByteArray("fr_FR.UTF-8"));
        QTRY_COMPARE(text(w.tipsScreen(), "txtKeyboard"), QStringLiteral("Keyboard"));
        choose("Español");
        QTRY_COMPARE(text(w.tipsScreen(), "txtMouse"), QStringLiteral("Ratón"));

        // A new window takes the stored language, and the switch's rules for
        // codes it does not know.
        MainMWindow again;
        QCOMPARE(again.language()->current(), QStringLiteral("spa"));
        LanguageSwitch fresh;
        QCOMPARE(fresh.retranslate("xyz"), LanguageSwitch::Outcome::English);
        QCOMPARE(fresh.retranslate(""), LanguageSwitch::Outcome::English);
        QCOMPARE(fresh.retranslate("xyz"), LanguageSwitch::Outcome::Ignored);
        QCOMPARE(fresh.retranslate("eng"), LanguageSwitch::Outcome::Unchanged);
        QCOMPARE(fresh.retranslate("ger"), LanguageSwitch::Outcome::Switched);
        QCOMPARE(UiLanguage::localeOf("fra") + UiLanguage::localeOf("xyz"), QStringLiteral("fr_FR.UTF-8en_US.UTF-8"));
    }

    void tipsScreen_data()
    {
        QTest::addColumn<QString>("display");
        QTest::addColumn<bool>("ir");
        QTest::addColumn<QString>("picture"); // empty: none
        QTest::addColumn<bool>("button"); // the one-touch caption shown
        QTest::newRow("four bays") << "TLR-440" << true << "B" << true;
        QTest::newRow("earlier entry wins") << "TLR-440RU" << true << "F" << true;
        QTest::newRow("no picture") << "TLR-2 Lite" << true << "" << true;
        QTest::newRow("unknown") << "HDMI-1" << true << "G" << false;
        QTest::newRow("no receiver") << "TLR-440" << false << "B" << true;
    }
    void tipsScreen()
    {
        QFETCH(QString, display);
        QFETCH(bool, ir);
        QFETCH(QString, picture);
        QFETCH(bool, button);
        TipsScreen tips(display, nullptr, ir, true);
        const QString sheet = "border-image: url(:/images/Tellora-Tip_slice_" + picture + ".png);";
        QCOMPARE(tips.findChild<QLabel*>("lblOTB")->styleSheet(), picture.isEmpty() ? QString() : sheet);
        QCOMPARE(!tips.findChild<QLabel*>("txtOTB")->isHidden(), button);
        QCOMPARE(!tips.findChild<QFrame*>("frmOTB")->isHidden(), ir);
        QCOMPARE(text(&tips, "txtNasType"), display);
        tips.show();
        tips.findChild<QPushButton*>("pbtCloseX")->click();
        QVERIFY(!tips.isVisible());
    }

    // Escape or Cancel: back on the title bar; nothing is switched.
    void tandemSwitcher()
    {
        Home_s h;
        h.root.write("/etc/config/bento.conf", "[Tandem]\nEnable = TRUE\n");
        MainMWindow w;
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        h.clear();
        for (int key : {int(Qt::Key_Escape), int(Qt::Key_Return)}) { // Return on the focused Cancel
            onModal([key](QWidget* d) {
                QCOMPARE(d->width(), QApplication::primaryScreen()->size().width() / 4);
                QVERIFY(d->findChild<QPushButton*>("pbtCancel")->hasFocus());
                QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
            });
            QTest::keyClick(w.findChild<QFrame*>("frmtandem"), Qt::Key_Return);
            w.activateWindow(); // the window manager's part
            QTRY_VERIFY(w.findChild<QFrame*>("frmtandem")->hasFocus());
        }
        QCOMPARE(h.lines(), QStringList());
    }

    void settingsFinished_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<bool>("restarts");
        QTest::newRow("True is not yes") << QByteArray("[TaskBar]\nEnable=True\nsetfromweb=1\n") << false;
        QTest::newRow("yes from the web") << QByteArray("[TaskBar]\nEnable=YES\nsetfromweb=1\n") << true;
        QTest::newRow("yes, not from the web") << QByteArray("[TaskBar]\nEnable=yes\nsetfromweb=0\n") << false;
    }
    void settingsFinished()
    {
        QFETCH(QByteArray, ini);
        QFETCH(bool, restarts);
        Home_s h;
        MainMWindow w;
        h.root.write("/home/admin/.config/Vendra/IVO.conf", ini + "[UIControl]\nDisplayIP=no\n");
        QTimer::singleShot(0, &w, [&] {
            w.settingsfinished(0);
            QTimer::singleShot(0, &w, [] { QCoreApplication::exit(7); });
        });
        QCOMPARE(QCoreApplication::exec(), restarts ? 0 : 7);
        QCOMPARE(h.settings().contains("TaskBar/setfromweb"), !restarts);
        QVERIFY(w.findChild<QLabel*>("txtip1")->isHidden() && !w.findChild<QLabel*>("txtclock")->isHidden());
    }

private:
    QTemporaryDir m_cwd; // the program's folder, where the first-run marker lies
};

QTEST_MAIN(TstHomeNotices)
#include "tst_homenotices.moc"
