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
class SignalLog
{
public:
    explicit SignalLog(MultiIconViewV* v)
    {
        QObject::connect(
            v, &MultiIconViewV::itemSelected, [this](int i) { lines << QStringLiteral("selected %1").arg(i); });
        QObject::connect(
            v, &MultiIconViewV::itemEntered, [this](int i) { lines << QStringLiteral("entered %1").arg(i); });
        QObject::connect(v, &MultiIconViewV::focusExit, [this] { lines << QStringLiteral("focusExit"); });
        QObject::connect(v, &MultiIconViewV::topMost, [this] { lines << QStringLiteral("topMost"); });
        QObject::connect(v, &MultiIconViewV::bottomMost, [this] { lines << QStringLiteral("bottomMost"); });
    }
    QStringList lines;
};

bool zoomed(const MultiIconViewV& v, int slot) { return !v.pageItem(slot)->transform().isIdentity(); }

int zoomedSlots(const MultiIconViewV& v)
{
    int n = 0;
    for (int s = 0; s < v.pageSize(); ++s)
        n += zoomed(v, s) ? 1 : 0;
    return n;
}

QImage frameOf(const QString& resource)
{
    return QPixmap(resource).scaled(380, 380, Qt::KeepAspectRatio, Qt::SmoothTransformation).toImage();
}

} // namespace

class TstMultiIconView : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageResources::registerAll(); }

    void construction_data();
    void construction();
    void paging_data();
    void paging();
    void keys_data();
    void keys();
    void signalsOnlyForRealChanges();
    void clicks();
    void clickOnEmptyGridLeaves();
    void addWithoutPictureShowsDefault();
    void clearingKeepsPageAndShowsStatusOfFlaggedEntries();
    void deletingEntries();
    void setIconAndTextRefreshVisibleEntry();
    void wheelNeedsFocus_data();
    void wheelNeedsFocus();
    void markerGeometryFollowsSize_data();
    void markerGeometryFollowsSize();
    void poolStaysFixed();
};

void TstMultiIconView::construction_data()
{
    QTest::addColumn<QSize>("grid");
    QTest::addColumn<QSizeF>("item");
    QTest::addColumn<QSizeF>("spacing");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QSizeF>("sceneSize");
    QTest::addColumn<int>("pageSize");
    QTest::addColumn<QPointF>("lastSlotPos");
    QTest::addColumn<double>("zoom");

    // 2650 x (580 x 3 + 145); the last slot in the middle of its cell.
    QTest::newRow("home") << QSize(5, 3) << QSizeF(380, 380) << QSizeF(150, 200) << 1.3 << 0 << QSizeF(2650, 1885) << 15
                          << QPointF(-1325 + 265 + 4 * 530, -942.5 + 290 + 2 * 580) << 1.3;
    QTest::newRow("mode 1 has an extra row")
        << QSize(5, 3) << QSizeF(380, 380) << QSizeF(150, 200) << 1.3 << 1 << QSizeF(2650, 2030) << 20
        << QPointF(-1325 + 265 + 4 * 530, -1015 + 290 + 3 * 580) << 1.3;
    QTest::newRow("bad grid becomes 3x2")
        << QSize(0, 4) << QSizeF(100, 100) << QSizeF(0, 0) << 1.5 << 0 << QSizeF(300, 225) << 6
        << QPointF(-150 + 50 + 200, -112.5 + 50 + 100) << 1.5;
    QTest::newRow("negative spacing becomes 20") << QSize(2, 1) << QSizeF(100, 100) << QSizeF(-1, 5) << 1.5 << 0
                                                 << QSizeF(240, 150) << 2 << QPointF(60, -75 + 60) << 1.5;
    QTest::newRow("empty item becomes 20") << QSize(1, 1) << QSizeF(0, 50) << QSizeF(0, 0) << 1.5 << 0 << QSizeF(20, 25)
                                           << 1 << QPointF(0, -12.5 + 10) << 1.5;
    QTest::newRow("small zoom becomes 1.2") << QSize(1, 1) << QSizeF(10, 10) << QSizeF(0, 0) << 0.9 << 0
                                            << QSizeF(10, 12.5) << 1 << QPointF(0, -6.25 + 5) << 1.2;
}

void TstMultiIconView::construction()
{
    QFETCH(QSize, grid);
    QFETCH(QSizeF, item);
    QFETCH(QSizeF, spacing);
    QFETCH(double, scale);
    QFETCH(int, mode);
    QFETCH(QSizeF, sceneSize);
    QFETCH(int, pageSize);
    QFETCH(QPointF, lastSlotPos);
    QFETCH(double, zoom);

    MultiIconViewV v(grid, item, spacing, scale, mode);
    QCOMPARE(v.sceneRect().size(), sceneSize);
    QCOMPARE(v.sceneRect().center(), QPointF(0, 0));
    QCOMPARE(v.pageSize(), pageSize);
    QCOMPARE(v.scene()->items().size(), pageSize);
    QCOMPARE(v.pageItem(pageSize - 1)->pos(), lastSlotPos);
    QCOMPARE(v.pageItem(pageSize - 1)->id(), pageSize - 1);
    QCOMPARE(v.select(), -1);
    QCOMPARE(v.pageStart(), -1);
    QVERIFY(!v.previousMarkerVisible());
    QVERIFY(!v.nextMarkerVisible());

    v.add(QPixmap(), QStringLiteral("x"));
    v.setSelect(0);
    QCOMPARE(v.pageItem(0)->transform().m11(), zoom);
}

void TstMultiIconView::paging_data()
{
    QTest::addColumn<QSize>("grid");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("pageStart");
    QTest::addColumn<int>("filledSlots");
    QTest::addColumn<bool>("previous");
    QTest::addColumn<bool>("next");

    const QSize home(5, 3);
    QTest::newRow("first page") << home << 20 << 3 << 3 << 0 << 15 << false << true;
    QTest::newRow("second row stays on first page") << home << 20 << 7 << 7 << 0 << 15 << true << true;
    QTest::newRow("third row of 20 shows the last page") << home << 20 << 10 << 10 << 5 << 15 << true << true;
    QTest::newRow("16 entries, last one") << home << 16 << 15 << 15 << 5 << 11 << true << false;
    QTest::newRow("middle row kept in the middle") << home << 40 << 22 << 22 << 15 << 15 << true << true;
    QTest::newRow("last entry of 40") << home << 40 << 39 << 39 << 25 << 15 << true << false;
    QTest::newRow("fewer entries than a row") << home << 3 << 2 << 2 << 0 << 3 << false << false;
    QTest::newRow("index past the end is clamped") << home << 20 << 99 << 19 << 5 << 15 << true << false;
    QTest::newRow("last row of an exact page") << home << 15 << 14 << 14 << 0 << 15 << true << false;
    // Four rows but only three filled: the page never starts before entry 0.
    QTest::newRow("taller page than the list") << QSize(5, 4) << 11 << 10 << 10 << 0 << 11 << true << false;
}

void TstMultiIconView::paging()
{
    QFETCH(QSize, grid);
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(int, selected);
    QFETCH(int, pageStart);
    QFETCH(int, filledSlots);
    QFETCH(bool, previous);
    QFETCH(bool, next);

    auto v = homeGrid(count, grid);
    v->setSelect(index);
    QCOMPARE(v->select(), selected);
    QCOMPARE(v->pageStart(), pageStart);
    QCOMPARE(v->previousMarkerVisible(), previous);
    QCOMPARE(v->nextMarkerVisible(), next);
    for (int s = 0; s < v->pageSize(); ++s) {
        const IconItem* it = v->pageItem(s);
        if (s < filledSlots) {
            QCOMPARE(it->text(), QStringLiteral("e%1").arg(pageStart + s));
            QVERIFY(it->isClickable());
        } else {
            QVERIFY2(it->text().isEmpty(), qPrintable(QStringLiteral("slot %1").arg(s)));
            QVERIFY(it->pixmap(0).isNull());
            QVERIFY(!it->isClickable());
        }
    }
    QCOMPARE(zoomedSlots(*v), 1);
    QVERIFY(zoomed(*v, selected - pageStart));
    QCOMPARE(v->pageItem(selected - pageStart)->pixmap(5).toImage(), frameOf(QStringLiteral(":/images/app_focus.png")));
}

void TstMultiIconView::keys_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("autoRepeat");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<bool>("accepted");

    using L = QStringList;
    QTest::newRow("down to a shorter row") << 7 << 3 << int(Qt::Key_Down) << false << 6 << L {"selected 6"} << true;
    QTest::newRow("down on the last row") << 20 << 17 << int(Qt::Key_Down) << false << 17 << L {"bottomMost"} << true;
    QTest::newRow("held down keeps moving") << 20 << 5 << int(Qt::Key_Down) << true << 10 << L {"selected 10"} << true;
    QTest::newRow("up") << 20 << 12 << int(Qt::Key_Up) << false << 7 << L {"selected 7"} << true;
    QTest::newRow("up on the first row") << 20 << 2 << int(Qt::Key_Up) << false << 2 << L {"topMost"} << true;
    QTest::newRow("left wraps to the previous row")
        << 20 << 5 << int(Qt::Key_Left) << false << 4 << L {"selected 4"} << true;
    QTest::newRow("left on the first entry leaves")
        << 20 << 0 << int(Qt::Key_Left) << false << 0 << L {"focusExit"} << true;
    QTest::newRow("held left moves once") << 20 << 5 << int(Qt::Key_Left) << true << 5 << L {} << true;
    QTest::newRow("right") << 20 << 4 << int(Qt::Key_Right) << false << 5 << L {"selected 5"} << true;
    QTest::newRow("held right moves once") << 20 << 4 << int(Qt::Key_Right) << true << 4 << L {} << true;
    QTest::newRow("right on the last entry") << 20 << 19 << int(Qt::Key_Right) << false << 19 << L {} << true;
    QTest::newRow("return enters") << 20 << 4 << int(Qt::Key_Return) << false << 4 << L {"entered 4"} << true;
    QTest::newRow("enter enters") << 20 << 4 << int(Qt::Key_Enter) << false << 4 << L {"entered 4"} << true;
    QTest::newRow("escape leaves") << 20 << 4 << int(Qt::Key_Escape) << false << 4 << L {"focusExit"} << true;
    QTest::newRow("other keys go on") << 20 << 4 << int(Qt::Key_A) << false << 4 << L {} << false;
}

void TstMultiIconView::keys()
{
    QFETCH(int, count);
    QFETCH(int, start);
    QFETCH(int, key);
    QFETCH(bool, autoRepeat);
    QFETCH(int, selected);
    QFETCH(QStringList, log);
    QFETCH(bool, accepted);

    auto v = homeGrid(count);
    v->setSelect(start);
    SignalLog signalLog(v.get());
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(v.get(), &press);
    QCOMPARE(v->select(), selected);
    QCOMPARE(signalLog.lines, log);
    QCOMPARE(press.isAccepted(), accepted);
    // Leaving by Escape or by Left on entry 0 takes the zoom away.
    const bool left = log.contains(QStringLiteral("focusExit"));
    QCOMPARE(zoomedSlots(*v), left ? 0 : 1);
}

void TstMultiIconView::signalsOnlyForRealChanges()
{
    auto v = homeGrid(20);
    QSignalSpy spy(v.get(), &MultiIconViewV::itemSelected);
    v->setSelect(3);
    v->setSelect(3);
    QCOMPARE(spy.size(), 1);
    v->setSelect(-1); // only the zoom goes
    QCOMPARE(v->select(), 3);
    v->setSelect(3); // back to the same entry: no news
    QCOMPARE(spy.size(), 1);
    QCOMPARE(zoomedSlots(*v), 1);
    v->setSelect(40); // clamped to 19
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.last().at(0).toInt(), 19);

    auto empty = homeGrid(0);
    QSignalSpy none(empty.get(), &MultiIconViewV::itemSelected);
    empty->setSelect(0);
    QCOMPARE(none.size(), 0);
    QCOMPARE(empty->select(), -1);
}

void TstMultiIconView::clicks()
{
    auto v = homeGrid(20);
    v->resize(1600, 1000);
    v->show();
    QVERIFY(QTest::qWaitForWindowExposed(v.get()));
    v->setSelect(0);
    SignalLog signalLog(v.get());

    auto clickSlot = [&](int slot) {
        const QPoint at = v->mapFromScene(v->pageItem(slot)->pos());
        QTest::mouseClick(v->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    };
    clickSlot(6);
    QCOMPARE(signalLog.lines, QStringList {"selected 6"});
    clickSlot(6);
    QCOMPARE(signalLog.lines, (QStringList {"selected 6", "entered 6"}));

    // After the owner took the zoom away, a click only brings it back.
    v->setSelect(-1);
    signalLog.lines.clear();
    clickSlot(6);
    QCOMPARE(signalLog.lines, QStringList {});
    QVERIFY(zoomed(*v, 6));
    QCOMPARE(v->pageItem(6)->pixmap(5).toImage(), frameOf(QStringLiteral(":/images/app_focus.png")));
    clickSlot(6);
    QCOMPARE(signalLog.lines, QStringList {"entered 6"});

    // Clicks land on the entry shown, not on the slot number.
    v->setSelect(15); // page starts at 5
    signalLog.lines.clear();
    clickSlot(0);
    QCOMPARE(signalLog.lines, QStringList {"selected 5"});
}

void TstMultiIconView::clickOnEmptyGridLeaves()
{
    auto v = homeGrid(0);
    v->resize(800, 600);
    v->show();
    QVERIFY(QTest::qWaitForWindowExposed(v.get()));
    QSignalSpy spy(v.get(), &MultiIconViewV::focusExit);
    QTest::mouseClick(v->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(400, 300));
    QCOMPARE(spy.size(), 1);
}

void TstMultiIconView::addWithoutPictureShowsDefault()
{
    MultiIconViewV v(QSize(5, 3), QSizeF(380, 380), QSizeF(150, 200), 1.3, 0);
    QVERIFY(v.add(QPixmap(), QStringLiteral("a")));
    QPixmap wide(200, 100);
    wide.fill(Qt::blue);
    QVERIFY(v.add(wide, QStringLiteral("b"), 0)); // inserted in front
    QVERIFY(v.add(wide, QStringLiteral("c"), 99)); // appended

    QCOMPARE(v.count(), 3);
    QCOMPARE(v.text(0), QStringLiteral("b"));
    QCOMPARE(v.text(1), QStringLiteral("a"));
    QCOMPARE(v.text(2), QStringLiteral("c"));
    const QImage expected = QPixmap(QStringLiteral(":/images/default.png"))
                                .scaled(380, 380, Qt::KeepAspectRatio, Qt::FastTransformation)
                                .toImage();
    QVERIFY(!expected.isNull());
    QCOMPARE(v.icon(1, 0).toImage(), expected);
    QCOMPARE(v.icon(0, 0).size(), QSize(380, 190)); // aspect kept
    for (int layer = 1; layer < MultiIconViewV::LayerCount; ++layer)
        QVERIFY(v.icon(0, layer).isNull());
    QCOMPARE(v.flag(0), 0);
    // Adding does not refresh the page.
    QCOMPARE(v.pageItem(0)->text(), QString());
}

void TstMultiIconView::clearingKeepsPageAndShowsStatusOfFlaggedEntries()
{
    auto v = homeGrid(6);
    QPixmap status(380, 380);
    status.fill(Qt::green);
    v->setIcon(status, 1, 5);
    v->setFlag(1, 1);
    QCOMPARE(v->flag(1), 1);
    QCOMPARE(v->flag(77), 0);

    v->setSelect(1);
    QCOMPARE(v->pageItem(1)->pixmap(5).toImage(), frameOf(QStringLiteral(":/images/app_focus_off.png")));
    v->setSelect(-1);
    QCOMPARE(zoomedSlots(*v), 0);
    QCOMPARE(v->pageItem(1)->pixmap(5).toImage(), status.toImage());
    QVERIFY(v->pageItem(0)->pixmap(5).isNull());
    QCOMPARE(v->pageItem(0)->text(), QStringLiteral("e0")); // page contents stay
    QVERIFY(!v->previousMarkerVisible());
}

void TstMultiIconView::deletingEntries()
{
    auto v = homeGrid(3);
    v->setSelect(2);
    QSignalSpy spy(v.get(), &MultiIconViewV::itemSelected);
    QVERIFY(!v->del(3));
    QVERIFY(v->del(2));
    QCOMPARE(v->select(), 1); // the selection follows the end of the list
    QCOMPARE(spy.size(), 1);
    QVERIFY(v->pageItem(2)->text().isEmpty());
    QVERIFY(v->del(0));
    QVERIFY(v->del(0));
    QCOMPARE(v->count(), 0);
    QCOMPARE(v->select(), -1);
    for (int s = 0; s < v->pageSize(); ++s)
        QVERIFY(v->pageItem(s)->text().isEmpty() && !v->pageItem(s)->isClickable());

    auto all = homeGrid(20);
    all->setSelect(12);
    all->delAll(1);
    QCOMPARE(all->count(), 0);
    QCOMPARE(all->select(), -1);
    QVERIFY(!all->pageItem(0)->isClickable());
    QVERIFY(!all->nextMarkerVisible());
}

void TstMultiIconView::setIconAndTextRefreshVisibleEntry()
{
    auto v = homeGrid(20);
    v->setSelect(0);
    QPixmap badge(20, 20);
    badge.fill(Qt::yellow);
    QVERIFY(v->setIcon(badge, 2, 1));
    QCOMPARE(v->pageItem(2)->pixmap(1).toImage(), badge.toImage());
    QVERIFY(v->setText(QStringLiteral("new"), 2));
    QCOMPARE(v->pageItem(2)->text(), QStringLiteral("new"));
    QVERIFY(!v->setIcon(badge, 2, 6));
    QVERIFY(!v->setIcon(badge, 20, 1));
    QVERIFY(!v->setText(QStringLiteral("x"), -1));
    // A new icon on the selected tile keeps its focus frame.
    QVERIFY(v->setIcon(QPixmap(), 0, 0));
    QVERIFY(zoomed(*v, 0));
    QCOMPARE(v->pageItem(0)->pixmap(5).toImage(), frameOf(QStringLiteral(":/images/app_focus.png")));
}

void TstMultiIconView::wheelNeedsFocus_data()
{
    QTest::addColumn<bool>("focus");
    QTest::addColumn<int>("delta");
    QTest::addColumn<int>("selected");
    QTest::newRow("up") << true << 120 << 2;
    QTest::newRow("down") << true << -120 << 12;
    QTest::newRow("too small up") << true << 119 << 7;
    QTest::newRow("too small down") << true << -119 << 7;
    QTest::newRow("no focus") << false << 120 << 7;
}

void TstMultiIconView::wheelNeedsFocus()
{
    QFETCH(bool, focus);
    QFETCH(int, delta);
    QFETCH(int, selected);

    QWidget window;
    QLineEdit* other = new QLineEdit(&window);
    auto* v = new MultiIconViewV(QSize(5, 3), QSizeF(380, 380), QSizeF(150, 200), 1.3, 0, &window);
    v->setGeometry(0, 40, 800, 560);
    for (int i = 0; i < 20; ++i)
        v->add(QPixmap(), QString::number(i));
    v->setSelect(7);
    window.resize(800, 600);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    if (focus)
        v->setFocus();
    else
        other->setFocus();
    QCOMPARE(v->hasFocus(), focus);

    QWheelEvent wheel(QPointF(100, 100), v->mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, delta), Qt::NoButton,
        Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(v->viewport(), &wheel);
    QCOMPARE(v->select(), selected);
}

void TstMultiIconView::markerGeometryFollowsSize_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("previous");
    QTest::addColumn<QRect>("next");
    QTest::newRow("1080p") << QSize(1920, 1080) << QRect(1828, 24, 46, 24) << QRect(1828, 1032, 46, 24);
    QTest::newRow("half") << QSize(960, 540) << QRect(914, 12, 23, 12) << QRect(914, 516, 23, 12);
}

void TstMultiIconView::markerGeometryFollowsSize()
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
    // The whole scene fits, aspect kept.
    const QRect shown = v->mapFromScene(v->sceneRect()).boundingRect();
    QVERIFY(shown.width() <= size.width() + 1 && shown.height() <= size.height() + 1);
    QVERIFY(shown.height() >= size.height() - 10 || shown.width() >= size.width() - 10);
}

void TstMultiIconView::poolStaysFixed()
{
    auto v = homeGrid(1000);
    v->setSelect(500);
    QCOMPARE(v->scene()->items().size(), 15);
    QCOMPARE(v->pageStart(), 495);
    QCOMPARE(v->pageItem(0)->text(), QStringLiteral("e495"));
}

QTEST_MAIN(TstMultiIconView)
#include "tst_multiiconview.moc"
