// The keeper of the active window, against a stand-in X server: the window above the home window closed and Qt
// missed the focus-in that followed; the X focus decides whether the home window is handed the focus again.
#include "app/FocusKeeper.h"

#include "WidgetFixture.h"

#include <QMenu>

class TstFocusKeeper : public QObject
{
    Q_OBJECT

private slots:
    void afterWindowCloses_data()
    {
        QTest::addColumn<QString>("xFocus");
        QTest::addColumn<bool>("menu");
        QTest::addColumn<bool>("handed");
        QTest::newRow("on the window under it") << "home" << false << true;
        QTest::newRow("on another program's window") << "other" << false << false;
        QTest::newRow("still on the closed window") << "closed" << false << false;
        QTest::newRow("a menu takes the keys") << "home" << true << false;
    }
    void afterWindowCloses()
    {
        QFETCH(QString, xFocus);
        QFETCH(bool, menu);
        QFETCH(bool, handed);
        QWidget home;
        home.setFocusPolicy(Qt::StrongFocus);
        showActive(home);
        QWidget closed(&home, Qt::Tool); // the window that was above, gone
        const QMap<QString, quint64> ids {{"home", home.winId()}, {"closed", closed.winId()}, {"other", 0x5a0001}};

        int looks = 0;
        QList<quint64> refocused;
        FocusKeeper keeper({[&] { return ++looks, ids.value(xFocus); },
                               [&](quint64 w) {
                                   refocused << w;
                                   QApplication::setActiveWindow(&home); // what Qt does on the focus-in
                               }},
            nullptr);
        // The focus-in for the home window went astray.
        QApplication::setActiveWindow(nullptr);
        QVERIFY(keeper.watching());
        QMenu popup;
        popup.addAction("entry");
        if (menu)
            popup.popup(home.geometry().center());
        if (handed) {
            QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == &home, 30000);
            QCOMPARE(refocused, QList<quint64> {home.winId()});
        } else {
            // Each look finds nothing to hand over (a menu open: none is needed), until the keeper gives up.
            QTRY_VERIFY_WITH_TIMEOUT(!keeper.watching(), 30000);
            QCOMPARE(looks, menu ? 0 : FocusKeeper::kLooks);
            QVERIFY(refocused.isEmpty());
        }
    }
};

QTEST_MAIN(TstFocusKeeper)
#include "tst_focuskeeper.moc"
