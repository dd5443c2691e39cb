// The settings dialog's frame: who counts as administrator, the page buttons
// and the keys between the column and the pages, the wheel, closing.
#include "SettingsFixture.h"

#include "ui_SettingsDialog.h"

#include "home/MultiIconViewV.h"
#include "home/ScreenScale.h"
#include "settings/ChoiceMenu.h"

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
    void administrator_data();
    void administrator();
    void upAndDownSwitchPages();
    void escapeOnTheColumnCloses();
    void wheel_data();
    void wheel();
    void pixelScale_data();
    void pixelScale();
    void keepsTheScreenSize();
    void scaledBeforeFirstShown();
    void watchedFiles();
    void emptyLanguageIsEnglish();
    void choiceMenu_data();
    void choiceMenu();
};

void TestSettingsFrame::administrator_data()
{
    QTest::addColumn<QByteArray>("nasGroupId");
    QTest::addColumn<bool>("admin");
    QTest::newRow("base64 of 0") << QByteArray("MA==") << true;
    QTest::newRow("plain 0") << QByteArray("0") << true;
    QTest::newRow("plain 0 with blanks") << QByteArray(" 0\n") << true;
    QTest::newRow("base64 of 100") << QByteArray("MTAw") << false;
    QTest::newRow("base64 of ' 0 '") << QByteArray("IDAg") << true;
    // "YQ==" decodes to "a": not digits, so the raw text is compared.
    QTest::newRow("base64 of a letter") << QByteArray("YQ==") << false;
    QTest::newRow("empty") << QByteArray() << false;
}

void TestSettingsFrame::administrator()
{
    QFETCH(QByteArray, nasGroupId);
    QFETCH(bool, admin);
    QCOMPARE(SettingsDialog::isAdminGroup(nasGroupId), admin);
}

void TestSettingsFrame::upAndDownSwitchPages()
{
    SettingsScene_s scene;
    SettingsDialog& d = scene.open();
    d.form()->rbtApp->setFocus();
    const QList<int> down {
        SettingsDialog::PageGeneral, SettingsDialog::PageDisplay, SettingsDialog::PagePref, SettingsDialog::PageAbout};
    for (int page : down) {
        pressKey(Qt::Key_Down);
        QTRY_COMPARE(d.form()->stwgSub->currentIndex(), page);
    }
    pressKey(Qt::Key_Up);
    QTRY_COMPARE(d.form()->stwgSub->currentIndex(), int(SettingsDialog::PagePref));
}

// Escape on a package's page goes back to the grid (the Applications suite); on the column it closes.
void TestSettingsFrame::escapeOnTheColumnCloses()
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

void TestSettingsFrame::wheel_data()
{
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("page");
    QTest::newRow("119 does nothing") << 119 << int(SettingsDialog::PageDisplay);
    QTest::newRow("-119 does nothing") << -119 << int(SettingsDialog::PageDisplay);
    QTest::newRow("120 is Up") << 120 << int(SettingsDialog::PageGeneral);
    QTest::newRow("-240 is Down") << -240 << int(SettingsDialog::PagePref);
}

void TestSettingsFrame::wheel()
{
    QFETCH(int, delta);
    QFETCH(int, page);
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

void TestSettingsFrame::keepsTheScreenSize()
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

void TestSettingsFrame::scaledBeforeFirstShown()
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

void TestSettingsFrame::pixelScale_data()
{
    QTest::addColumn<QByteArray>("mode");
    QTest::addColumn<int>("scaled");
    QTest::newRow("1080p") << QByteArray("1920x1080") << 5;
    QTest::newRow("4K") << QByteArray("3840x2160") << 10;
    QTest::newRow("640 wide") << QByteArray("640x480") << 2;
    QTest::newRow("no screen described") << QByteArray() << 2;
}

void TestSettingsFrame::pixelScale()
{
    QFETCH(QByteArray, mode);
    QFETCH(int, scaled);
    SettingsScene_s scene;
    if (!mode.isEmpty())
        scene.root.write("/etc/Tellora/config/screen.conf", "[Screen1]\nConnected=True\nMode=" + mode + "\n");
    SettingsDialog& d = scene.build();
    QCOMPARE(d.pixel_scale(5, 2), scaled);
}

void TestSettingsFrame::watchedFiles()
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
    const QString touch = scene.root.path("/usr/bin/touch") + ' ' + scene.root.path("/etc/Tellora/config/screen.conf");
    QTRY_VERIFY(scene.runner.lines().contains(touch));
}

void TestSettingsFrame::emptyLanguageIsEnglish()
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

void TestSettingsFrame::choiceMenu_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("chosen");
    QTest::newRow("the current one") << QList<int> {Qt::Key_Return} << 1;
    QTest::newRow("the next one") << QList<int> {Qt::Key_Down, Qt::Key_Return} << 2;
    QTest::newRow("Back") << QList<int> {Qt::Key_Down, Qt::Key_Down, Qt::Key_Return} << -1;
    QTest::newRow("Escape") << QList<int> {Qt::Key_Escape} << -1;
}

void TestSettingsFrame::choiceMenu()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, chosen);
    QWidget parent;
    QLabel value("x", &parent);
    parent.show();
    QStringList offered;
    QString highlighted;
    onModal([&](QWidget* popup) {
        auto* menu = qobject_cast<QMenu*>(popup);
        for (QAction* a : menu->actions())
            if (!a->isSeparator())
                offered << a->text();
        highlighted = menu->activeAction() ? menu->activeAction()->text() : QString();
        for (int key : keys)
            QTest::keyClick(menu, Qt::Key(key));
    });
    QCOMPARE(ChoiceMenu(&parent).run(&value, {"Off", "10 min", "20 min"}, 1), chosen);
    QCOMPARE(offered, (QStringList {"Off", "10 min", "20 min", "[Back]"}));
    QCOMPARE(highlighted, QString("10 min"));
}

QTEST_MAIN(TestSettingsFrame)
#include "tst_settingsframe.moc"
