// The settings dialog's frame: who counts as administrator, the page buttons
// and the keys between the column and the pages, the wheel, closing.
#include "SettingsFixture.h"

#include "ui_SettingsDialog.h"

#include "home/MultiIconViewV.h"

#include <QRadioButton>
#include <QStackedWidget>
#include <QWheelEvent>

class TestSettingsFrame : public QObject
{
    Q_OBJECT

private slots:
    void administrator_data();
    void administrator();
    void firstPageFollowsTheUser_data();
    void firstPageFollowsTheUser();
    void upAndDownSwitchPages();
    void escapeClosesFromColumnButReturnsFromOneAppPage();
    void wheel_data();
    void wheel();
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
    QTest::newRow("plain 100") << QByteArray("100") << false;
}

void TestSettingsFrame::administrator()
{
    QFETCH(QByteArray, nasGroupId);
    QFETCH(bool, admin);
    QCOMPARE(SettingsDialog::isAdminGroup(nasGroupId), admin);
}

void TestSettingsFrame::firstPageFollowsTheUser_data()
{
    QTest::addColumn<QByteArray>("nasGroupId");
    QTest::addColumn<bool>("appsShown");
    QTest::addColumn<int>("page");
    QTest::newRow("administrator") << QByteArray("MA==") << true << int(SettingsDialog::PageAppAll);
    QTest::newRow("user") << QByteArray("MTAw") << false << int(SettingsDialog::PageGeneral);
}

void TestSettingsFrame::firstPageFollowsTheUser()
{
    QFETCH(QByteArray, nasGroupId);
    QFETCH(bool, appsShown);
    QFETCH(int, page);
    SettingsScene_s scene(nasGroupId);
    SettingsDialog& d = scene.open();
    QCOMPARE(d.form()->rbtApp->isVisible(), appsShown);
    QCOMPARE(d.form()->stwgSub->currentIndex(), page);
    QVERIFY(d.form()->grMain->isAncestorOf(QApplication::focusWidget()));
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

void TestSettingsFrame::escapeClosesFromColumnButReturnsFromOneAppPage()
{
    SettingsScene_s scene;
    SettingsDialog& d = scene.open();
    d.form()->stwgSub->setCurrentIndex(SettingsDialog::PageAppOne);
    d.form()->pbtInstall->setEnabled(true);
    d.form()->pbtInstall->setFocus();
    pressKey(Qt::Key_Escape);
    QCOMPARE(d.form()->stwgSub->currentIndex(), int(SettingsDialog::PageAppAll));
    QVERIFY(d.isVisible());

    d.form()->rbtGeneral->setFocus();
    pressKey(Qt::Key_Escape);
    QTRY_VERIFY(!d.isVisible());
    // Closing puts the first page button back.
    QVERIFY(d.form()->rbtApp->isChecked());
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

QTEST_MAIN(TestSettingsFrame)
#include "tst_settingsframe.moc"
