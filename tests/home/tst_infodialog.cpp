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
        d.reset(mode);
        d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&d) && !part(d, "labInfoTitle")->isVisible()); // no title text, no title
        QStringList shown;
        for (const char* name : {"prgbar", "pbtYes", "pbtNo"})
            if (part(d, name)->isVisible())
                shown << name + QString(d.focusWidget() == part(d, name) ? "*" : "");
        QTest::keyClick(&d, Qt::Key_Escape);
        QString seen = shown.join(' ') + (!d.isVisible() && d.result() == QDialog::Rejected ? "|esc" : "|");
        d.show();
        d.accept();
        seen += !d.isVisible() && d.result() == QDialog::Accepted ? " ok" : "";
        if (mode == 5) {
            d.reset(mode);
            d.show();
            seen += '|';
            for (int i = 0; i < 20 && d.isVisible(); ++i) {
                d.refreshDiallog();
                seen += d.isVisible() ? part(d, "pbtNo")->property("text").toString() + ' ' : "closed";
            }
            seen += d.result() == QDialog::Rejected ? " No" : " OK";
        }
        QCOMPARE(seen, expect);
    }

    // Border, margin, minimum width, title points, button width, button points.
    void adaptation_data()
    {
        QTest::addColumn<bool>("large");
        QTest::addColumn<QRect>("screen");
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
        QCOMPARE(d.styleSheet().section(';', 0, 0), QStringLiteral("#InfoDialog{border-width: %1px").arg(v[0]));
        QCOMPARE(QList<int>({d.findChild<QLayout*>("vldlg")->contentsMargins().left(),
                     part(d, "prgbar")->minimumWidth(), part(d, "labInfoTitle")->font().pointSize(),
                     part(d, "pbtYes")->minimumWidth(), part(d, "pbtNo")->font().pointSize()}),
            v.mid(1));
    }
};

QTEST_MAIN(TstInfoDialog)
#include "tst_infodialog.moc"
