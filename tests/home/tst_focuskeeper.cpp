// The keeper of the active window, against a stand-in X server: the window above the home window closed and Qt
// missed the focus-in that followed; the X focus and the window manager's word decide what the keeper does.
#include "DataRows.h"
#include "WidgetFixture.h"
#include "app/FocusKeeper.h"

#include <QMenu>
#include <QSignalSpy>
#include <QWindow>

class TstFocusKeeper : public QObject
{
    Q_OBJECT

    static constexpr quint64 kGone = 0x5c0001; // a window the window manager names that is no longer there

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
        columns<QString, QString, bool, QString>(); // the X focus, the window manager's active one, a menu, done
        row("on the window under it", "home", "home", false, "refocus home");
        row("known to Qt's window layer", "home", "home", false, "adopt home");
        row("a menu open meanwhile", "home", "home", true, "refocus home");
        row("on another program's window", "other", "other", false, "");
        row("still on the closed window", "closed", "other", false, "");
        row("kept by the window manager", "wm", "none", false, "activate home");
        row("no window manager", "none", "unnamed", false, "");
    }
    void afterWindowCloses()
    {
        const auto [xFocus, wmActive, menu, done] = fetch<QString, QString, bool, QString>();
        QWidget home;
        home.setObjectName("home");
        home.setFocusPolicy(Qt::StrongFocus);
        showActive(home);
        QWidget closed(&home, Qt::Tool); // the window that was above, gone
        int looks = 0;
        QStringList did;
        FocusKeeper keeper(
            standIn({{"home", home.winId()}, {"closed", closed.winId()}, {"other", 0x5a0001}, {"wm", 0x5b0001}}, xFocus,
                wmActive, looks, did, home, closed),
            &home);
        // The focus-in went astray: Qt's windows count another (widgetless) one active, or only the widgets missed it.
        QWindow elsewhere;
        if (done.startsWith("adopt")) {
            QApplication::setActiveWindow(nullptr);
        } else {
            elsewhere.show();
            elsewhere.requestActivate();
            QTRY_VERIFY_WITH_TIMEOUT(QGuiApplication::focusWindow() == &elsewhere, 30000);
        }
        QVERIFY(!QApplication::activeWindow() && keeper.watching());
        QMenu popup;
        popup.addAction("entry");
        if (menu) { // nothing happens while a menu is open; once it closed, the keeper looks again
            QSignalSpy ticks(keeper.findChild<QTimer*>(), &QTimer::timeout);
            popup.popup(home.geometry().center());
            QTRY_VERIFY_WITH_TIMEOUT(ticks.count() >= 2, 30000);
            QCOMPARE(looks, 0);
            popup.close();
        }
        if (!done.isEmpty()) {
            QTRY_VERIFY_WITH_TIMEOUT(QApplication::activeWindow() == &home, 30000);
            QCOMPARE(did, QStringList {done});
        } else { // each look finds nothing to do, until the keeper gives up
            QTRY_VERIFY_WITH_TIMEOUT(!keeper.watching(), 30000);
            QCOMPARE(looks, FocusKeeper::kLooks);
            QVERIFY(did.isEmpty());
        }
    }

    // An application in front closed: Qt, which counted no window active meanwhile, hears nothing, and only the
    // window manager's active window changes (to none, another program's, or still the gone one's name).
    void afterApplicationCloses_data()
    {
        columns<QString, QString>(); // the window manager's active window at the end, done
        row("the window manager focuses none", "none", "activate home");
        row("another program's window follows", "other", "");
        row("the window manager names the gone window", "gone", "activate home");
    }
    void afterApplicationCloses()
    {
        const auto [wmActive, done] = fetch<QString, QString>();
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
        keeper.activeWindowChanged(); // while a window of ours is active the news is Qt's own
        QVERIFY(!keeper.watching());
        QApplication::setActiveWindow(nullptr); // the application took the focus: the keeper's looks end
        QTRY_VERIFY_WITH_TIMEOUT(!keeper.watching(), 30000);
        QVERIFY(did.isEmpty());
        looks = 0;
        // The window manager names the application's window; by the keeper's last look at it, the application closes.
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
