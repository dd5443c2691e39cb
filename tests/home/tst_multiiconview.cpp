#include "home/IconItem.h"
#include "home/ImageResources.h"
#include "home/MultiIconViewV.h"

#include <QGraphicsScene>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace {

// The home screen's grid: 5 x 3 tiles of 380, spacing 150 x 200, zoom 1.3.
std::unique_ptr<MultiIconViewV> homeGrid(int entries, QSize grid = QSize(5, 3))
{
    auto v = std::make_unique<MultiIconViewV>(grid, QSizeF(380, 380), QSizeF(150, 200), 1.3, 0);
    QPixmap pm(40, 40);
    pm.fill(Qt::red);
    for (int i = 0; i < entries; ++i)
        v->add(pm, QStringLiteral("e%1").arg(i));
    return v;
}

// Every signal of the grid, in the order it came.
struct SignalLog {
    QStringList lines;
    explicit SignalLog(MultiIconViewV* v)
    {
        auto log = [this](const QString& s) { lines << s; };
        QObject::connect(v, &MultiIconViewV::itemSelected, [=](int i) { log(QStringLiteral("selected %1").arg(i)); });
        QObject::connect(v, &MultiIconViewV::itemEntered, [=](int i) { log(QStringLiteral("entered %1").arg(i)); });
        QObject::connect(v, &MultiIconViewV::focusExit, [=] { log(QStringLiteral("focusExit")); });
        QObject::connect(v, &MultiIconViewV::topMost, [=] { log(QStringLiteral("topMost")); });
        QObject::connect(v, &MultiIconViewV::bottomMost, [=] { log(QStringLiteral("bottomMost")); });
    }
};

bool zoomed(const MultiIconViewV& v, int slot) { return !v.pageItem(slot)->transform().isIdentity(); }

int zoomedSlots(const MultiIconViewV& v)
{
    int n = 0;
    for (int s = 0; s < v.pageSize(); ++s)
        n += zoomed(v, s) ? 1 : 0;
    return n;
}

QImage frameOf(const char* name)
{
    return QPixmap(QStringLiteral(":/images/") + QLatin1String(name))
        .scaled(380, 380, Qt::KeepAspectRatio, Qt::SmoothTransformation)
        .toImage();
}

} // namespace

class TstMultiIconView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageResources::registerAll(); }

    void construction_data()
    {
        QTest::addColumn<QSize>("grid");
        QTest::addColumn<QSizeF>("spacing");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QSizeF>("sceneSize");
        QTest::addColumn<int>("pageSize");
        QTest::addColumn<double>("zoom");
        // Cells of 530 x 580; a quarter cell below the rows in mode 0, a
        // half cell and a whole extra row of items otherwise.
        QTest::newRow("home") << QSize(5, 3) << QSizeF(150, 200) << 1.3 << 0 << QSizeF(2650, 1885) << 15 << 1.3;
        QTest::newRow("mode 1") << QSize(5, 3) << QSizeF(150, 200) << 1.3 << 1 << QSizeF(2650, 2030) << 20 << 1.3;
        QTest::newRow("bad grid, spacing, zoom")
            << QSize(0, 4) << QSizeF(-1, 5) << 0.9 << 0 << QSizeF(3 * 400, 2 * 400 + 100) << 6 << 1.2;
    }
    void construction()
    {
        QFETCH(QSize, grid);
        QFETCH(QSizeF, spacing);
        QFETCH(double, scale);
        QFETCH(int, mode);
        QFETCH(QSizeF, sceneSize);
        QFETCH(int, pageSize);
        QFETCH(double, zoom);
        MultiIconViewV v(grid, QSizeF(380, 380), spacing, scale, mode);
        QCOMPARE(v.sceneRect(), QRectF(QPointF(-sceneSize.width() / 2, -sceneSize.height() / 2), sceneSize));
        QCOMPARE(v.pageSize(), pageSize);
        QCOMPARE(v.scene()->items().size(), pageSize);
        const double cellWidth = sceneSize.width() / v.grid().width();
        const IconItem* last = v.pageItem(pageSize - 1);
        QCOMPARE(last->id(), pageSize - 1);
        QCOMPARE(last->pos().x(), v.sceneRect().right() - cellWidth / 2);
        QCOMPARE(v.select(), -1);
        QVERIFY(!v.previousMarkerVisible() && !v.nextMarkerVisible());
        v.add(QPixmap(), QStringLiteral("x"));
        v.setSelect(0);
        QCOMPARE(v.pageItem(0)->transform().m11(), zoom);
    }

    void paging_data()
    {
        QTest::addColumn<QSize>("grid");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("pageStart");
        QTest::addColumn<int>("filled");
        QTest::addColumn<bool>("previous");
        QTest::addColumn<bool>("next");
        const QSize home(5, 3);
        QTest::newRow("first page") << home << 20 << 3 << 3 << 0 << 15 << false << true;
        QTest::newRow("second row stays on page 0") << home << 20 << 7 << 7 << 0 << 15 << true << true;
        QTest::newRow("third row of 20: last page") << home << 20 << 10 << 10 << 5 << 15 << true << true;
        QTest::newRow("16 entries, the last") << home << 16 << 15 << 15 << 5 << 11 << true << false;
        QTest::newRow("selected row in the middle") << home << 40 << 22 << 22 << 15 << 15 << true << true;
        QTest::newRow("last of 40") << home << 40 << 39 << 39 << 25 << 15 << true << false;
        QTest::newRow("one short row") << home << 3 << 2 << 2 << 0 << 3 << false << false;
        QTest::newRow("clamped to the end") << home << 20 << 99 << 19 << 5 << 15 << true << false;
        QTest::newRow("1000 entries") << home << 1000 << 500 << 500 << 495 << 15 << true << true;
        // Four rows, three filled: the page never starts before entry 0.
        QTest::newRow("page taller than the list") << QSize(5, 4) << 11 << 10 << 10 << 0 << 11 << true << false;
    }
    void paging()
    {
        QFETCH(QSize, grid);
        QFETCH(int, count);
        QFETCH(int, index);
        QFETCH(int, selected);
        QFETCH(int, pageStart);
        QFETCH(int, filled);
        QFETCH(bool, previous);
        QFETCH(bool, next);
        auto v = homeGrid(count, grid);
        v->setSelect(index);
        QCOMPARE(v->select(), selected);
        QCOMPARE(v->pageStart(), pageStart);
        QCOMPARE(v->previousMarkerVisible(), previous);
        QCOMPARE(v->nextMarkerVisible(), next);
        QCOMPARE(v->scene()->items().size(), v->pageSize()); // the pool never grows
        for (int s = 0; s < v->pageSize(); ++s) {
            const IconItem* it = v->pageItem(s);
            QCOMPARE(it->text(), s < filled ? QStringLiteral("e%1").arg(pageStart + s) : QString());
            QCOMPARE(it->isClickable(), s < filled);
            QCOMPARE(it->pixmap(0).isNull(), s >= filled);
        }
        QCOMPARE(zoomedSlots(*v), 1);
        QVERIFY(zoomed(*v, selected - pageStart));
        QCOMPARE(v->pageItem(selected - pageStart)->pixmap(5).toImage(), frameOf("app_focus.png"));
    }

    void keys_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("repeat");
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("log");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("down to a shorter row") << 7 << 3 << int(Qt::Key_Down) << false << 6 << "selected 6" << true;
        QTest::newRow("down on the last row") << 20 << 17 << int(Qt::Key_Down) << false << 17 << "bottomMost" << true;
        QTest::newRow("held down keeps moving") << 20 << 5 << int(Qt::Key_Down) << true << 10 << "selected 10" << true;
        QTest::newRow("up") << 20 << 12 << int(Qt::Key_Up) << false << 7 << "selected 7" << true;
        QTest::newRow("up on the first row") << 20 << 2 << int(Qt::Key_Up) << false << 2 << "topMost" << true;
        QTest::newRow("left wraps a row") << 20 << 5 << int(Qt::Key_Left) << false << 4 << "selected 4" << true;
        QTest::newRow("left on entry 0 leaves") << 20 << 0 << int(Qt::Key_Left) << false << 0 << "focusExit" << true;
        QTest::newRow("held left moves once") << 20 << 5 << int(Qt::Key_Left) << true << 5 << "" << true;
        QTest::newRow("right") << 20 << 4 << int(Qt::Key_Right) << false << 5 << "selected 5" << true;
        QTest::newRow("held right moves once") << 20 << 4 << int(Qt::Key_Right) << true << 4 << "" << true;
        QTest::newRow("right on the last entry") << 20 << 19 << int(Qt::Key_Right) << false << 19 << "" << true;
        QTest::newRow("return enters") << 20 << 4 << int(Qt::Key_Return) << false << 4 << "entered 4" << true;
        QTest::newRow("enter enters") << 20 << 4 << int(Qt::Key_Enter) << false << 4 << "entered 4" << true;
        QTest::newRow("escape leaves") << 20 << 4 << int(Qt::Key_Escape) << false << 4 << "focusExit" << true;
        QTest::newRow("other keys go on") << 20 << 4 << int(Qt::Key_A) << false << 4 << "" << false;
    }
    void keys()
    {
        QFETCH(int, count);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(bool, repeat);
        QFETCH(int, selected);
        QFETCH(QString, log);
        QFETCH(bool, accepted);
        auto v = homeGrid(count);
        v->setSelect(start);
        SignalLog signalLog(v.get());
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), repeat);
        QApplication::sendEvent(v.get(), &press);
        QCOMPARE(v->select(), selected);
        QCOMPARE(signalLog.lines.join(QLatin1Char(',')), log);
        QCOMPARE(press.isAccepted(), accepted);
        // Leaving takes the zoom away; the stored selection stays.
        QCOMPARE(zoomedSlots(*v), log == QLatin1String("focusExit") ? 0 : 1);
    }

    void signalsOnlyForRealChanges()
    {
        auto v = homeGrid(20);
        QSignalSpy spy(v.get(), &MultiIconViewV::itemSelected);
        v->setSelect(3);
        v->setSelect(3);
        v->setSelect(-1); // only the zoom goes
        QCOMPARE(v->select(), 3);
        v->setSelect(3);
        QCOMPARE(spy.size(), 1);
        QCOMPARE(zoomedSlots(*v), 1);
        auto empty = homeGrid(0);
        QSignalSpy none(empty.get(), &MultiIconViewV::itemSelected);
        empty->setSelect(0);
        QCOMPARE(none.size(), 0);
        QCOMPARE(empty->select(), -1);
    }

    void clicks()
    {
        auto v = homeGrid(20);
        v->resize(1600, 1000);
        v->show();
        QVERIFY(QTest::qWaitForWindowExposed(v.get()));
        v->setSelect(0);
        SignalLog signalLog(v.get());
        auto click = [&](int slot) {
            QTest::mouseClick(v->viewport(), Qt::LeftButton, {}, v->mapFromScene(v->pageItem(slot)->pos()));
        };
        click(6); // another tile: selected only
        click(6); // the zoomed tile: entered
        QCOMPARE(signalLog.lines, (QStringList {"selected 6", "entered 6"}));
        v->setSelect(-1); // the owner took the zoom away: a click brings it back
        click(6);
        QVERIFY(zoomed(*v, 6));
        QCOMPARE(v->pageItem(6)->pixmap(5).toImage(), frameOf("app_focus.png"));
        click(6);
        v->setSelect(15); // page starts at 5: clicks land on the entry shown
        click(0);
        QCOMPARE(signalLog.lines, (QStringList {"selected 6", "entered 6", "entered 6", "selected 15", "selected 5"}));

        auto empty = homeGrid(0);
        empty->resize(800, 600);
        empty->show();
        QVERIFY(QTest::qWaitForWindowExposed(empty.get()));
        QSignalSpy leave(empty.get(), &MultiIconViewV::focusExit);
        QTest::mouseClick(empty->viewport(), Qt::LeftButton, {}, QPoint(400, 300));
        QCOMPARE(leave.size(), 1);
    }

    void addSetIconAndDefaultPicture()
    {
        MultiIconViewV v(QSize(5, 3), QSizeF(380, 380), QSizeF(150, 200), 1.3, 0);
        QPixmap wide(200, 100);
        wide.fill(Qt::blue);
        QVERIFY(v.add(QPixmap(), QStringLiteral("a")));
        QVERIFY(v.add(wide, QStringLiteral("b"), 0)); // in front
        QVERIFY(v.add(wide, QStringLiteral("c"), 99)); // appended
        QCOMPARE(QStringList({v.text(0), v.text(1), v.text(2)}), QStringList({"b", "a", "c"}));
        const QImage expected = QPixmap(QStringLiteral(":/images/default.png"))
                                    .scaled(380, 380, Qt::KeepAspectRatio, Qt::FastTransformation)
                                    .toImage();
        QVERIFY(!expected.isNull());
        QCOMPARE(v.icon(1, 0).toImage(), expected);
        QCOMPARE(v.icon(0, 0).size(), QSize(380, 190)); // aspect kept
        QCOMPARE(v.pageItem(0)->text(), QString()); // adding does not refresh the page

        v.setSelect(0);
        QPixmap badge(20, 20);
        badge.fill(Qt::yellow);
        QVERIFY(v.setIcon(badge, 1, 1));
        QCOMPARE(v.pageItem(1)->pixmap(1).toImage(), badge.toImage()); // on the page: refreshed
        QVERIFY(v.setText(QStringLiteral("new"), 1));
        QCOMPARE(v.pageItem(1)->text(), QStringLiteral("new"));
        QVERIFY(!v.setIcon(badge, 1, 6) && !v.setIcon(badge, 3, 1) && !v.setText({}, -1));
        QVERIFY(v.setIcon(QPixmap(), 0, 0)); // the selected tile keeps its frame
        QCOMPARE(v.pageItem(0)->pixmap(5).toImage(), frameOf("app_focus.png"));
    }

    void flaggedEntries()
    {
        auto v = homeGrid(6);
        QPixmap status(380, 380);
        status.fill(Qt::green);
        v->setIcon(status, 1, 5);
        v->setFlag(1, 1);
        QCOMPARE(v->flag(1), 1);
        QCOMPARE(v->flag(77), 0);
        v->setSelect(1);
        QCOMPARE(v->pageItem(1)->pixmap(5).toImage(), frameOf("app_focus_off.png"));
        v->setSelect(-1); // unzoomed: flagged entries show their own status
        QCOMPARE(v->pageItem(1)->pixmap(5).toImage(), status.toImage());
        QVERIFY(v->pageItem(0)->pixmap(5).isNull());
        QCOMPARE(v->pageItem(0)->text(), QStringLiteral("e0"));
    }

    void deletingEntries()
    {
        auto v = homeGrid(3);
        v->setSelect(2);
        QSignalSpy spy(v.get(), &MultiIconViewV::itemSelected);
        QVERIFY(!v->del(3));
        QVERIFY(v->del(2));
        QCOMPARE(v->select(), 1); // the selection follows the end of the list
        QCOMPARE(spy.size(), 1);
        QVERIFY(v->pageItem(2)->text().isEmpty());
        QVERIFY(v->del(0) && v->del(0));
        QCOMPARE(v->select(), -1);
        QVERIFY(!v->pageItem(0)->isClickable()); // the last tile went from the page too

        auto all = homeGrid(20);
        all->setSelect(12);
        all->delAll(1);
        QCOMPARE(all->count(), 0);
        QCOMPARE(all->select(), -1);
        QVERIFY(!all->pageItem(0)->isClickable());
        QVERIFY(!all->nextMarkerVisible());
    }

    void wheelNeedsFocus_data()
    {
        QTest::addColumn<bool>("focus");
        QTest::addColumn<int>("delta");
        QTest::addColumn<int>("selected");
        QTest::newRow("up") << true << 120 << 2;
        QTest::newRow("down") << true << -120 << 12;
        QTest::newRow("too small") << true << 119 << 7;
        QTest::newRow("too small down") << true << -119 << 7;
        QTest::newRow("no focus") << false << 120 << 7;
    }
    void wheelNeedsFocus()
    {
        QFETCH(bool, focus);
        QFETCH(int, delta);
        QFETCH(int, selected);
        QWidget window;
        auto* other = new QLineEdit(&window);
        auto* v = new MultiIconViewV(QSize(5, 3), QSizeF(380, 380), QSizeF(150, 200), 1.3, 0, &window);
        v->setGeometry(0, 40, 800, 560);
        for (int i = 0; i < 20; ++i)
            v->add(QPixmap(), QString::number(i));
        v->setSelect(7);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        focus ? v->setFocus() : other->setFocus();
        QWheelEvent wheel(QPointF(100, 100), v->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, delta),
            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(v->viewport(), &wheel);
        QCOMPARE(v->select(), selected);
    }

    void markerGeometryFollowsSize_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<QRect>("previous");
        QTest::addColumn<QRect>("next");
        QTest::newRow("1080p") << QSize(1920, 1080) << QRect(1828, 24, 46, 24) << QRect(1828, 1032, 46, 24);
        QTest::newRow("half") << QSize(960, 540) << QRect(914, 12, 23, 12) << QRect(914, 516, 23, 12);
    }
    void markerGeometryFollowsSize()
    {
        QFETCH(QSize, size);
        QFETCH(QRect, previous);
        QFETCH(QRect, next);
        auto v = homeGrid(20);
        v->resize(size);
        v->show();
        QVERIFY(QTest::qWaitForWindowExposed(v.get()));
        QCOMPARE(v->previousMarker()->geometry(), previous);
        QCOMPARE(v->nextMarker()->geometry(), next);
        const QRect shown = v->mapFromScene(v->sceneRect()).boundingRect(); // fitted, aspect kept
        QVERIFY(shown.width() <= size.width() + 1 && shown.height() <= size.height() + 1);
        QVERIFY(shown.height() >= size.height() - 10 || shown.width() >= size.width() - 10);
    }
};

QTEST_MAIN(TstMultiIconView)
#include "tst_multiiconview.moc"
