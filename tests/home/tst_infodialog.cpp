#include "home/ImageResources.h"
#include "home/InfoDialog.h"

#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
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
} // namespace

class TstInfoDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageResources::registerAll(); }

    void modes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("progress");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<bool>("cancel");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("countdown");
        QTest::addColumn<bool>("closable");
        QTest::newRow("0 message only") << 0 << false << false << false << QString() << -1 << false;
        QTest::newRow("1 OK") << 1 << false << true << false << "pbtYes" << -1 << true;
        QTest::newRow("2 OK and Cancel") << 2 << false << true << true << "pbtNo" << -1 << true;
        QTest::newRow("3 progress only") << 3 << true << false << false << QString() << -1 << false;
        QTest::newRow("4 progress and Cancel") << 4 << true << false << true << QString() << -1 << true;
        QTest::newRow("5 countdown") << 5 << false << true << true << "pbtNo" << 15 << true;
    }
    void modes()
    {
        QFETCH(int, mode);
        QFETCH(bool, progress);
        QFETCH(bool, ok);
        QFETCH(bool, cancel);
        QFETCH(QString, focus);
        QFETCH(int, countdown);
        QFETCH(bool, closable);
        InfoDialog d;
        d.reset(3); // a used dialog: reset clears what the last use left
        d.setTitleText(QStringLiteral("T"));
        d.setLabelText(QStringLiteral("L"));
        d.setRange(5, 50);
        d.setValue(20);
        d.reset(mode);
        QCOMPARE(text(d)->text(), QString());
        QCOMPARE(QList<int>({d.minimum(), d.maximum(), d.value()}), QList<int>({0, 100, 0}));
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d));
        QCOMPARE(bar(d)->isVisible(), progress);
        QCOMPARE(yes(d)->isVisible(), ok);
        QCOMPARE(no(d)->isVisible(), cancel);
        QVERIFY(!title(d)->isVisible()); // no title text, no title
        if (!focus.isEmpty())
            QCOMPARE(d.focusWidget()->objectName(), focus);
        QCOMPARE(d.countdown(), countdown);
        d.setTitleText(QStringLiteral("Title"));
        QVERIFY(title(d)->isVisible());

        // Escape, and the program's own accept(), close only the closable modes.
        QTest::keyClick(&d, Qt::Key_Escape);
        QCOMPARE(d.isVisible(), !closable);
        if (closable)
            QCOMPARE(d.result(), int(QDialog::Rejected));
        d.show();
        d.accept();
        QCOMPARE(d.isVisible(), !closable);
    }

    void countdown()
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
        d.refreshDiallog(); // the sixteenth tick says No
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Rejected));

        d.reset(5); // OK during the countdown accepts at once
        d.show();
        d.refreshDiallog();
        QTest::mouseClick(yes(d), Qt::LeftButton);
        QVERIFY(!d.isVisible());
        QCOMPARE(d.result(), int(QDialog::Accepted));
    }

    void adaptation_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<QRect>("screen");
        QTest::addColumn<int>("border");
        QTest::addColumn<int>("margin");
        QTest::addColumn<int>("minWidth");
        QTest::addColumn<int>("titlePoints");
        QTest::addColumn<int>("buttonWidth");
        QTest::addColumn<int>("buttonPoints");
        QTest::newRow("1080p") << false << QRect(0, 0, 1920, 1080) << 6 << 24 << 514 << 20 << 144 << 18;
        QTest::newRow("1080p large") << true << QRect(0, 0, 1920, 1080) << 6 << 60 << 780 << 24 << 144 << 18;
        QTest::newRow("4K doubles") << true << QRect(0, 0, 3840, 2160) << 12 << 120 << 1560 << 48 << 288 << 36;
        const QSize p = QGuiApplication::primaryScreen()->geometry().size();
        QTest::newRow("no rectangle: the primary screen")
            << false << QRect() << p.width() / 320 << 24 * p.width() / 1920 << 514 * p.width() / 1920
            << 20 * p.height() / 1080 << 144 * p.width() / 1920 << 18 * p.height() / 1080;
    }
    void adaptation()
    {
        QFETCH(bool, large);
        QFETCH(QRect, screen);
        QFETCH(int, border);
        QFETCH(int, margin);
        QFETCH(int, minWidth);
        QFETCH(int, titlePoints);
        QFETCH(int, buttonWidth);
        QFETCH(int, buttonPoints);
        InfoDialog d(nullptr, large);
        d.adaptUiToScreen(screen);
        QVERIFY(d.styleSheet().startsWith(
            QStringLiteral("#InfoDialog{border-width: %1px; border-style: solid; border-color:rgba(128,128,128,255);")
                .arg(border)));
        QVERIFY(d.styleSheet().contains(
            QStringLiteral("QPushButton:focus{outline:none; border-image: url(:/images/icon_pressed.png)}  ")));
        QCOMPARE(part<QLayout>(d, "vldlg")->contentsMargins().left(), margin);
        for (QWidget* w : std::initializer_list<QWidget*> {title(d), text(d), bar(d)})
            QCOMPARE(w->minimumWidth(), minWidth);
        QCOMPARE(title(d)->font().pointSize(), titlePoints);
        QCOMPARE(yes(d)->minimumWidth(), buttonWidth);
        QCOMPARE(no(d)->font().pointSize(), buttonPoints);
    }
};

QTEST_MAIN(TstInfoDialog)
#include "tst_infodialog.moc"
