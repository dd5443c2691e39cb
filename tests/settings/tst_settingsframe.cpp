// The settings dialog's frame: who counts as administrator, the page buttons
// and the keys between the column and the pages, the wheel, closing.
#include "DataRows.h"
#include "SettingsFixture.h"

#include "ui_SettingsDialog.h"

#include "home/MultiIconViewV.h"
#include "home/ScreenScale.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QSettings>
#include <QSignalSpy>

#include <QRadioButton>
#include <QScreen>
#include <QStackedWidget>
#include <QWheelEvent>

class TestSettingsFrame : public QObject
{
    Q_OBJECT

private slots:
    void administrator_data()
    {
        columns<QByteArray, bool>(); // NasGroupID, an administrator
        row("base64 of 0", QByteArray("MA=="), true);
        row("plain 0", QByteArray("0"), true);
        row("plain 0 with blanks", QByteArray(" 0\n"), true);
        row("base64 of 100", QByteArray("MTAw"), false);
        row("base64 of ' 0 '", QByteArray("IDAg"), true);
        // "YQ==" decodes to "a": not digits, so the raw text is compared.
        row("base64 of a letter", QByteArray("YQ=="), false);
        row("empty", QByteArray(), false);
    }

    void administrator()
    {
        const auto [nasGroupId, admin] = fetch<QByteArray, bool>();
        QCOMPARE(SettingsDialog::isAdminGroup(nasGroupId), admin);
    }

    // Escape on a package's page goes back to the grid (the Applications suite); on the column it closes.
    void escapeOnTheColumnCloses()
    {
        SettingsScene_s scene;
        SettingsDialog& d = scene.open();
        d.form()->stwgSub->setCurrentIndex(SettingsDialog::PageAppOne);
        d.form()->rbtGeneral->setFocus();
        pressKey(Qt::Key_Escape);
        QTRY_VERIFY(!d.isVisible());
        // Closing puts the first page button and the grid back.
        QVERIFY(d.form()->rbtApp->isChecked());
        QCOMPARE(d.form()->stwgSub->currentIndex(), int(SettingsDialog::PageAppAll));
    }

    void wheel_data()
    {
        columns<int, int>(); // the wheel's delta, the page it leads to from Display
        row("119 does nothing", 119, int(SettingsDialog::PageDisplay));
        row("-119 does nothing", -119, int(SettingsDialog::PageDisplay));
        row("120 is Up", 120, int(SettingsDialog::PageGeneral));
        row("-240 is Down", -240, int(SettingsDialog::PagePref));
    }

    void wheel()
    {
        const auto [delta, page] = fetch<int, int>();
        SettingsScene_s scene;
        SettingsDialog& d = scene.open();
        d.form()->rbtDisp->setFocus();
        d.form()->rbtDisp->setChecked(true);
        const QPointF at(5, 5);
        QWheelEvent wheel(
            at, d.mapToGlobal(at), {}, QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&d, &wheel);
        // The key is posted: delivered by the next round of the event loop.
        QCoreApplication::processEvents();
        QCOMPARE(d.form()->stwgSub->currentIndex(), page);
    }

    void keepsTheScreenSize()
    {
        SettingsScene_s scene;
        SettingsDialog& d = scene.open();
        const QSize screen = d.screen()->geometry().size();
        const int titleHeight = d.form()->frmTitle->height();
        // A taller size, from a window manager or a long text, is not taken as
        // the screen: the dialog goes back to the screen and its scale.
        d.resize(screen + QSize(0, 400));
        QTRY_COMPARE(d.size(), screen);
        QCOMPARE(d.form()->frmTitle->height(), titleHeight);
    }

    void scaledBeforeFirstShown()
    {
        // Laid out for its screen while still hidden, as when the home screen
        // starts on a screen other than 1080p: the fonts keep their scale once the
        // dialog shows with its look (under the program's own sheet).
        qApp->setStyleSheet(wallpaperStyleSheet(1));
        auto noSheet = qScopeGuard([] { qApp->setStyleSheet(QString()); });
        SettingsScene_s scene;
        SettingsDialog& d = scene.build();
        const ScreenScale scale(d.screen()->geometry().size());
        d.ensurePolished(); // as its layout does when the home screen asks its size
        d.adaptUiToScreen(d.screen()->geometry().size());
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(d.form()->labSettings->font().pointSize(), scale.x(38));
        QCOMPARE(d.form()->cbxDatetime->font().pointSize(), scale.x(30));
    }

    void pixelScale_data()
    {
        columns<QByteArray, int>(); // the main output's mode, 5 scaled with at least 2
        row("1080p", QByteArray("1920x1080"), 5);
        row("4K", QByteArray("3840x2160"), 10);
        row("640 wide", QByteArray("640x480"), 2);
        row("no screen described", QByteArray(), 2);
    }

    void pixelScale()
    {
        const auto [mode, scaled] = fetch<QByteArray, int>();
        SettingsScene_s scene;
        if (!mode.isEmpty())
            scene.root.write("/etc/Tellora/config/screen.conf", "[Screen1]\nConnected=True\nMode=" + mode + "\n");
        SettingsDialog& d = scene.build();
        QCOMPARE(d.pixel_scale(5, 2), scaled);
    }

    void watchedFiles()
    {
        SettingsScene_s scene;
        const QString settingsFile = scene.root.home() + "/.config/Vendra/IVO.conf";
        scene.root.write("/etc/Tellora/config/screen.conf", "[Screen1]\nConnected=True\n");
        scene.root.write("/etc/Tellora/config/login.conf", "[UIControl]\nRequireLogin=yes\n");
        scene.root.write("/home/admin/.config/Vendra/IVO.conf", "[UIControl]\nDisplayIP=yes\n");
        SettingsDialog& d = scene.build();
        QSignalSpy restarts(&d, &SettingsDialog::IVOrestart);

        // Another program sets the task bar from the web: restart, key gone.
        scene.root.write("/home/admin/.config/Vendra/IVO.conf", "[TaskBar]\nEnable=True\nsetfromweb=1\n");
        QTRY_COMPARE(restarts.size(), 1);
        QVERIFY(!QSettings(settingsFile, QSettings::IniFormat).contains("TaskBar/setfromweb"));

        // A log-out request of the mobile remote, and automatic login switched
        // on elsewhere: the box follows without writing the file back.
        scene.runner.clear();
        scene.root.write("/etc/Tellora/config/login.conf", "[Padlink]\nLogout=yes\n[UIControl]\nRequireLogin=no\n");
        QTRY_COMPARE(restarts.size(), 2);
        QTRY_VERIFY(d.form()->cbxRequireLogin->isChecked());
        QVERIFY(!scene.root.read("/etc/Tellora/config/login.conf").contains("Padlink"));

        // The screen configuration removed: created again with touch.
        QFile::remove(scene.root.path("/etc/Tellora/config/screen.conf"));
        const QString touch
            = scene.root.path("/usr/bin/touch") + ' ' + scene.root.path("/etc/Tellora/config/screen.conf");
        QTRY_VERIFY(scene.runner.lines().contains(touch));
    }

    void emptyLanguageIsEnglish()
    {
        SettingsScene_s scene;
        qputenv("LC_ALL", "C.UTF-8");
        SettingsDialog& d = scene.build();
        QVERIFY(d.lang().isEmpty());
        d.retranslateUi(QString());
        QCOMPARE(d.lang(), QString("eng"));
        QCOMPARE(d.form()->txtPrefLang->text(), QString("English"));
        QCOMPARE(qgetenv("LC_ALL"), QByteArray("C.UTF-8"));
        // An unknown code is ignored once a language is current.
        d.retranslateUi("xyz");
        QCOMPARE(d.lang(), QString("eng"));
    }
};

QTEST_MAIN(TestSettingsFrame)
#include "tst_settingsframe.moc"
