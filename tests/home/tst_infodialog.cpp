#include "home/ImageResources.h"
#include "home/InfoDialog.h"

#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>

namespace {
template<typename T> T* part(const QDialog& d, const char* name)
{
    T* w = d.findChild<T*>(QLatin1String(name));
    if (!w)
        qFatal("no %s in the form", name);
    return w;
}
QLabel* title(const QDialog& d) { return part<QLabel>(d, "labInfoTitle"); }
QLabel* text(const QDialog& d) { return part<QLabel>(d, "labInfoText"); }
QProgressBar* bar(const QDialog& d) { return part<QProgressBar>(d, "prgbar"); }
QPushButton* yes(const QDialog& d) { return part<QPushButton>(d, "pbtYes"); }
QPushButton* no(const QDialog& d) { return part<QPushButton>(d, "pbtNo"); }
QLayout* vldlg(const QDialog& d) { return part<QLayout>(d, "vldlg"); }
} // namespace

class TstInfoDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageResources::registerAll(); }
    void modes_data();
    void modes();
    void escape_data();
    void escape();
    void countdownEndsWithNo();
    void okDuringCountdownAccepts();
    void resetClearsContents();
    void adaptation_data();
    void adaptation();
    void invalidRectUsesPrimaryScreen();
};

void TstInfoDialog::modes_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("progress");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("cancel");
    QTest::addColumn<QString>("focus");
    QTest::addColumn<int>("countdown");
    QTest::newRow("0 message only") << 0 << false << false << false << QString() << -1;
    QTest::newRow("1 OK") << 1 << false << true << false << "pbtYes" << -1;
    QTest::newRow("2 OK and Cancel") << 2 << false << true << true << "pbtNo" << -1;
    QTest::newRow("3 progress only") << 3 << true << false << false << QString() << -1;
    QTest::newRow("4 progress and Cancel") << 4 << true << false << true << QString() << -1;
    QTest::newRow("5 countdown") << 5 << false << true << true << "pbtNo" << 15;
}

void TstInfoDialog::modes()
{
    QFETCH(int, mode);
    QFETCH(bool, progress);
    QFETCH(bool, ok);
    QFETCH(bool, cancel);
    QFETCH(QString, focus);
    QFETCH(int, countdown);

    InfoDialog d;
    d.reset(mode);
    d.setLabelText(QStringLiteral("text"));
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QCOMPARE(d.mode(), mode);
    QCOMPARE(bar(d)->isVisible(), progress);
    QCOMPARE(yes(d)->isVisible(), ok);
    QCOMPARE(no(d)->isVisible(), cancel);
    QVERIFY(!title(d)->isVisible()); // no title yet
    if (!focus.isEmpty()) {
        QVERIFY(d.focusWidget());
        QCOMPARE(d.focusWidget()->objectName(), focus);
    }
    QCOMPARE(d.countdown(), countdown);
    d.setTitleText(QStringLiteral("Title"));
    QVERIFY(title(d)->isVisible());
}

void TstInfoDialog::escape_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("closes");
    QTest::newRow("0") << 0 << false;
    QTest::newRow("1") << 1 << true;
    QTest::newRow("2") << 2 << true;
    QTest::newRow("3") << 3 << false;
    QTest::newRow("4") << 4 << true;
    QTest::newRow("5") << 5 << true;
}

void TstInfoDialog::escape()
{
    QFETCH(int, mode);
    QFETCH(bool, closes);
    InfoDialog d;
    d.reset(mode);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    QTest::keyClick(&d, Qt::Key_Escape);
    QCOMPARE(d.isVisible(), !closes);
    if (closes)
        QCOMPARE(d.result(), int(QDialog::Rejected));
    // Nor can the program's own accept() close the two locked modes.
    d.show();
    d.accept();
    QCOMPARE(d.isVisible(), !closes);
}

void TstInfoDialog::countdownEndsWithNo()
{
    InfoDialog d;
    d.reset(5);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    for (int left = 14; left >= 0; --left) {
        d.refreshDiallog();
        QCOMPARE(no(d)->text(), QStringLiteral("No (%1)").arg(left));
        QVERIFY(d.isVisible());
    }
    d.refreshDiallog();
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Rejected));
    // A later tick changes nothing.
    d.refreshDiallog();
    QCOMPARE(no(d)->text(), QStringLiteral("No (0)"));
}

void TstInfoDialog::okDuringCountdownAccepts()
{
    InfoDialog d;
    d.reset(5);
    d.show();
    QVERIFY(QTest::qWaitForWindowExposed(&d));
    d.refreshDiallog();
    QTest::mouseClick(yes(d), Qt::LeftButton);
    QVERIFY(!d.isVisible());
    QCOMPARE(d.result(), int(QDialog::Accepted));
}

void TstInfoDialog::resetClearsContents()
{
    InfoDialog d;
    d.reset(3);
    d.setTitleText(QStringLiteral("T"));
    d.setLabelText(QStringLiteral("L"));
    d.setRange(5, 50);
    d.setValue(20);
    QCOMPARE(d.minimum(), 5);
    QCOMPARE(d.maximum(), 50);
    QCOMPARE(d.value(), 20);
    d.reset(2);
    QCOMPARE(title(d)->text(), QString());
    QVERIFY(title(d)->isHidden());
    QCOMPARE(text(d)->text(), QString());
    QCOMPARE(d.minimum(), 0);
    QCOMPARE(d.maximum(), 100);
    QCOMPARE(d.value(), 0);
}

void TstInfoDialog::adaptation_data()
{
    QTest::addColumn<bool>("large");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<int>("border");
    QTest::addColumn<QMargins>("margins");
    QTest::addColumn<int>("minWidth");
    QTest::addColumn<int>("titlePoints");
    QTest::addColumn<int>("textPoints");
    QTest::addColumn<int>("buttonWidth");
    QTest::addColumn<int>("buttonPoints");
    QTest::newRow("1080p normal") << false << QRect(0, 0, 1920, 1080) << 6 << QMargins(24, 24, 24, 24) << 514 << 20
                                  << 20 << 144 << 18;
    QTest::newRow("1080p large") << true << QRect(0, 0, 1920, 1080) << 6 << QMargins(60, 60, 60, 60) << 780 << 24 << 20
                                 << 144 << 18;
    QTest::newRow("4K doubles") << true << QRect(0, 0, 3840, 2160) << 12 << QMargins(120, 120, 120, 120) << 1560 << 48
                                << 40 << 288 << 36;
    QTest::newRow("720p") << false << QRect(0, 0, 1280, 720) << 4 << QMargins(16, 16, 16, 16) << 342 << 13 << 13 << 96
                          << 12;
}

void TstInfoDialog::adaptation()
{
    QFETCH(bool, large);
    QFETCH(QRect, screen);
    QFETCH(int, border);
    QFETCH(QMargins, margins);
    QFETCH(int, minWidth);
    QFETCH(int, titlePoints);
    QFETCH(int, textPoints);
    QFETCH(int, buttonWidth);
    QFETCH(int, buttonPoints);

    InfoDialog d(nullptr, large);
    d.adaptUiToScreen(screen);
    QVERIFY(d.styleSheet().startsWith(
        QStringLiteral("#InfoDialog{border-width: %1px; border-style: solid; border-color:rgba(128,128,128,255);")
            .arg(border)));
    QVERIFY(d.styleSheet().contains(QStringLiteral("QPushButton:focus{outline:none; border-image: "
                                                   "url(:/images/icon_pressed.png)}  QPushButton:disabled")));
    QCOMPARE(vldlg(d)->contentsMargins(), margins);
    QCOMPARE(title(d)->minimumWidth(), minWidth);
    QCOMPARE(text(d)->minimumWidth(), minWidth);
    QCOMPARE(bar(d)->minimumWidth(), minWidth);
    QCOMPARE(title(d)->font().pointSize(), titlePoints);
    QCOMPARE(text(d)->font().pointSize(), textPoints);
    QCOMPARE(yes(d)->minimumWidth(), buttonWidth);
    QCOMPARE(no(d)->font().pointSize(), buttonPoints);
}

void TstInfoDialog::invalidRectUsesPrimaryScreen()
{
    InfoDialog d;
    const QSize primary = QGuiApplication::primaryScreen()->geometry().size();
    d.adaptUiToScreen(QRect());
    QVERIFY(d.styleSheet().startsWith(QStringLiteral("#InfoDialog{border-width: %1px;").arg(primary.width() / 320)));
    QCOMPARE(text(d)->minimumWidth(), 514 * primary.width() / 1920);
}

QTEST_MAIN(TstInfoDialog)
#include "tst_infodialog.moc"
