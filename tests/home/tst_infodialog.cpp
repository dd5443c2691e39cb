#include "home/ImageResources.h"
#include "home/InfoDialog.h"

#include <QLayout>
#include <QTest>

class TstInfoDialog : public QObject
{
    Q_OBJECT

    static QWidget* part(const QDialog& d, const char* name) { return d.findChild<QWidget*>(name); }

private slots:
    void initTestCase() { ImageResources::registerAll(); }

    // The parts shown (the focused one *) | Escape and accept() closing it | in mode 5 the countdown's button texts.
    void modes_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("expect");
        QTest::newRow("0 message only") << 0 << "|";
        QTest::newRow("1 OK") << 1 << "pbtYes*|esc ok";
        QTest::newRow("2 OK and Cancel") << 2 << "pbtYes pbtNo*|esc ok";
        QTest::newRow("3 progress only") << 3 << "prgbar|";
        QTest::newRow("4 progress and Cancel") << 4 << "prgbar pbtNo*|esc ok";
        QTest::newRow("5 countdown") << 5
                                     << "pbtYes pbtNo*|esc ok|No (14) No (13) No (12) No (11) No (10) No (9) No (8) "
                                        "No (7) No (6) No (5) No (4) No (3) No (2) No (1) No (0) closed No";
    }
    void modes()
    {
        QFETCH(int, mode);
        QFETCH(QString, expect);
        InfoDialog d;
        d.setLabelText("L"); // reset clears what the last use left
        d.setRange(5, 50);
        d.reset(mode);
        QVERIFY(
            d.minimum() == 0 && d.maximum() == 100 && d.value() == 0 && part(d, "labInfoText")->property("text") == "");
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d) && !part(d, "labInfoTitle")->isVisible()); // no title text, no title
        QStringList seen;
        for (QWidget* w : {part(d, "prgbar"), part(d, "pbtYes"), part(d, "pbtNo")}) {
            if (w->isVisible())
                seen << w->objectName() + (d.focusWidget() == w ? "*" : "");
        }
        QTest::keyClick(&d, Qt::Key_Escape);
        const bool escaped = !d.isVisible() && d.result() == QDialog::Rejected;
        d.show();
        d.accept();
        const bool accepted = !d.isVisible() && d.result() == QDialog::Accepted;
        seen = QStringList {seen.join(' '), QLatin1String(escaped ? "esc" : "") + (accepted ? " ok" : "")};
        if (mode == 5) {
            d.reset(mode);
            d.show();
            QString ticks;
            for (int i = 0; i < 20 && d.isVisible(); ++i) {
                d.refreshDiallog();
                ticks += d.isVisible() ? part(d, "pbtNo")->property("text").toString() + ' ' : "closed";
            }
            seen << ticks + (d.result() == QDialog::Rejected ? " No" : " OK");
        }
        QCOMPARE(seen.join('|'), expect);
    }

    void adaptation_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<QRect>("screen");
        // border, margin, minimum width, title points, button width, button points
        QTest::addColumn<QList<int>>("v");
        QTest::newRow("1080p") << false << QRect(0, 0, 1920, 1080) << QList<int> {6, 24, 514, 20, 144, 18};
        QTest::newRow("5:4, large") << true << QRect(0, 0, 1280, 1024) << QList<int> {4, 40, 520, 22, 96, 17};
    }
    void adaptation()
    {
        QFETCH(bool, large);
        QFETCH(QRect, screen);
        QFETCH(QList<int>, v);
        InfoDialog d(nullptr, large);
        d.adaptUiToScreen(screen);
        QCOMPARE(d.styleSheet(),
            QStringLiteral("#InfoDialog{border-width: %1px; border-style: solid; border-color:rgba(128,128,128,255);"
                           "background-color: qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, stop:0.106195 "
                           "rgb(12, 84, 117), stop:0.893805 rgb(0, 0, 0))} QPushButton{color: rgb(255,255,255); "
                           "border-image: url(:/images/icon_normal.png)} QPushButton:focus{outline:none; "
                           "border-image: url(:/images/icon_pressed.png)}  QPushButton:disabled{color: "
                           "rgb(85,84,84);border-image: url(:/images/icon_disabled.png)} QProgressBar {border: 2px "
                           "solid grey; border-radius: 5px;} QProgressBar::chunk {background-color: "
                           "qlineargradient(spread:pad, x1:0, y1:0, x2:0, y2:1, stop:0 rgba(0, 204, 255, 255), "
                           "stop:1 rgba(0, 57, 162, 255)); width: 20px;}")
                .arg(v[0]));
        QCOMPARE(QList<int>({d.findChild<QLayout*>("vldlg")->contentsMargins().left(),
                     part(d, "prgbar")->minimumWidth(), part(d, "labInfoTitle")->font().pointSize(),
                     part(d, "pbtYes")->minimumWidth(), part(d, "pbtNo")->font().pointSize()}),
            v.mid(1));
    }
};

QTEST_MAIN(TstInfoDialog)
#include "tst_infodialog.moc"
