// The keeper of the active window, against a stand-in X server: the window above the home window closed and Qt
// missed the focus-in that followed; the X focus and the window manager's word decide what the keeper does.
#include "app/FocusKeeper.h"

#include "WidgetFixture.h"

#include <QMenu>
#include <QSignalSpy>
#include <QWindow>

class TstFocusKeeper : public QObject
{
    Q_OBJECT

    // A window the window manager names that is no longer there.
    static constexpr quint64 kGone = 0x5c0001;

    // The X server as the row names it: what each call would find, and what the keeper did.
    static FocusKeeper::XServer_s standIn(const QMap<QString, quint64>& ids, const QString& xFocus,
        const QString& wmActive, int& looks, QStringList& did, QWidget& home, QWidget& closed)
    {
        const auto doing = [&did](const QString& what) {
            return [&did, what](QWidget* w) {
                did << what + ' ' + w->objectName();
                QApplication::setActiveWindow(w); // what Qt does on the focus-in
            };
        };
        return {[&looks, ids, &xFocus] { return ++looks, ids.value(xFocus); },
            [ids, &wmActive] {
                return wmActive == "unnamed" ? std::nullopt : std::optional<quint64>(ids.value(wmActive));
            },
            [](quint64 w) { return w != kGone; },
            [&home, &closed, doing](quint64 w) { doing("refocus")(w == home.winId() ? &home : &closed); },
            doing("activate"), doing("adopt")};
    }

private slots:
    void afterWindowCloses_data()
    {
        QTest::addColumn<QString>("xFocus");
        QTest::addColumn<QString>("wmActive");
        QTest::addColumn<bool>("menu");
        QTest::addColumn<QString>("done");
        QTest::newRow("on the window under it") << "home"
                                                << "home" << false << "refocus home";
        QTest::newRow("known to Qt's window layer") << "home"
                                                    << "home" << false << "adopt home";
        QTest::newRow("a menu open meanwhile") << "home"
                                               << "home" << true << "refocus home";
        QTest::newRow("on another program's window") << "other"
                                                     << "other" << false << "";
        QTest::newRow("still on the closed window") << "closed"
                                                    << "other" << false << "";
        QTest::newRow("kept by the window manager") << "wm"
                                                    << "none" << false << "activate home";
        QTest::newRow("no window manager") << "none"
                                           << "unnamed" << false << "";
    }
    void afterWindowCloses()
    {
        QFETCH(QString, xFocus);
        QFETCH(QString, wmActive);
        QFETCH(bool, menu);
        QFETCH(QString, done);
        QWidget home;
        home.setObjectName("home");
        home.setFocusPolicy(Qt::StrongFocus);
        showActive(home);
        QWidget closed(&home, Qt::Tool); // the window that was above, gone
        const QMap<QString, quint64> ids {
            {"home", home.winId()}, {"closed", closed.winId()}, {"other", 0x5a0001}, {"wm", 0x5b0001}};

        int looks = 0;
        QStringList did;
        FocusKeeper keeper(standIn(ids, xFocus, wmActive, looks, did, home, closed), &home);
        // The focus-in for the home window went astray: Qt's windows count another one active (a window of no
        // widget, so that the widgets count none), or only the widgets missed it.
        QWindow elsewhere;
        if (done.startsWith("adopt")) {
            QApplication::setActiveWindow(nullptr);
        } else {
            elsewhere.show();
            elsewhere.requestActivate();
            QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::focusWindow() == &elsewhere, 30000);
        }
        QVERIFY(!QApplication::activeWindow());
        QVERIFY(keeper.watching());
        QMenu popup;
        popup.addAction("entry");
        if (menu) {
            // Nothing happens while a menu is open; once it closed, the keeper looks again.
            QSignalSpy ticks(keeper.findChild<QTimer*>(), &QTimer::timeout);
            popup.popup(home.geometry().center());
            QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 2, 30000);
            QCOMPARE(looks, 0);
            popup.close();
        }
        if (!done.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == &home, 30000);
            QCOMPARE(did, QStringList {done});
        } else {
            // Each look finds nothing to do, until the keeper gives up.
            QTRY_VERIFY_WITH_TIMEOUT(!keeper.watching(), 30000);
            QCOMPARE(looks, FocusKeeper::kLooks);
            QVERIFY(did.isEmpty());
        }
    }

    // An application in front closed: Qt, which counted no window active meanwhile, hears nothing, and only the
    // window manager's active window changes.
    void afterApplicationCloses_data()
    {
        QTest::addColumn<QString>("wmActive");
        QTest::addColumn<QString>("done");
        QTest::newRow("the window manager focuses none") << "none"
                                                         << "activate home";
        QTest::newRow("another program's window follows") << "other"
                                                          << "";
        // The window manager keeps naming the application's window after it went, and keeps the focus itself.
        QTest::newRow("the window manager names the gone window") << "gone"
                                                                  << "activate home";
    }
    void afterApplicationCloses()
    {
        QFETCH(QString, wmActive);
        QFETCH(QString, done);
        QWidget home;
        home.setObjectName("home");
        showActive(home);
        QWidget closed(&home, Qt::Tool);
        int looks = 0;
        QStringList did;
        QString xFocus = "other", wm = "other";
        FocusKeeper keeper(standIn({{"home", home.winId()}, {"other", 0x5a0001}, {"gone", kGone}}, xFocus, wm, looks,
                               did, home, closed),
            &home);
        // While a window of ours is active the news is Qt's own.
        keeper.activeWindowChanged();
        QVERIFY(!keeper.watching());
        // The application took the focus; whatever the keeper looked at then is over.
        QApplication::setActiveWindow(nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(!keeper.watching(), 30000);
        QVERIFY(did.isEmpty());
        looks = 0;
        // The window manager names the application's window; by the keeper's last look at it, the application
        // closes.
        keeper.activeWindowChanged();
        QVERIFY(keeper.watching());
        QTRY_COMPARE_WITH_TIMEOUT(looks, FocusKeeper::kLooks, 30000);
        wm = wmActive;
        xFocus = wmActive == "other" ? "other" : "wm";
        keeper.activeWindowChanged();
        QTRY_VERIFY_WITH_TIMEOUT(!keeper.watching(), 30000);
        QCOMPARE(did, done.isEmpty() ? QStringList() : QStringList {done});
        QCOMPARE(looks, FocusKeeper::kLooks + (done.isEmpty() ? FocusKeeper::kLooks : 1));
    }
};

QTEST_MAIN(TstFocusKeeper)
#include "tst_focuskeeper.moc"
