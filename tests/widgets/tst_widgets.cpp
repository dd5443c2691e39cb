// The grid of tiles (moves, pages, pictures, repaints) and the message and input-method list dialogs.
#include "DataRows.h"
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "WidgetFixture.h"
#include "im/SystemInputMethod.h"
#include "widgets/IconItem.h"
#include "widgets/ImageResources.h"
#include "widgets/InfoDialog.h"
#include "widgets/ListDialog.h"
#include "widgets/MultiIconViewV.h"

#include <QGraphicsScene>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>

#include <memory>

namespace {

// The home screen's grid: 5 columns of 380 tiles, spacing 150 x 200, zoom 1.3.
std::unique_ptr<MultiIconViewV> homeGrid(int entries, int rows = 3)
{
    auto v = std::make_unique<MultiIconViewV>(QSize(5, rows), QSizeF(380, 380), QSizeF(150, 200), 1.3, 0);
    for (int i = 0; i < entries; ++i)
        v->add(QPixmap(), QStringLiteral("e%1").arg(i));
    return v;
}

// A kept picture's pixels, and a resource picture scaled to that many.
QImage pixels(const QPixmap& p)
{
    QImage image = p.toImage();
    image.setDevicePixelRatio(1);
    return image;
}

QImage tile(const char* name, const QSize& size, Qt::TransformationMode mode = Qt::SmoothTransformation)
{
    return QPixmap::fromImage(QImage(QString(":/images/") + name)).scaled(size, Qt::KeepAspectRatio, mode).toImage();
}

// A key ("Down*" auto-repeated; "ignored" logged when not taken), "wheel DELTA [unfocused]" or "click SLOT".
void send(MultiIconViewV& v, const QString& input, QStringList& log)
{
    const QStringList w = input.split(' ');
    const bool repeat = input.endsWith('*');
    QKeyEvent key(QEvent::KeyPress, QKeySequence(input.chopped(repeat))[0].key(), Qt::NoModifier, QString(), repeat);
    QWheelEvent wheel(QPointF(100, 100), v.mapToGlobal(QPointF(100, 100)), QPoint(), QPoint(0, w.value(1).toInt()),
        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    if (w[0] == "click") {
        QTest::mouseClick(v.viewport(), Qt::LeftButton, {}, v.mapFromScene(v.pageItem(w[1].toInt())->pos()));
    } else if (w[0] == "wheel") {
        w.size() > 2 ? v.clearFocus() : v.setFocus();
        QApplication::sendEvent(v.viewport(), &wheel);
    } else if (!QApplication::sendEvent(&v, &key) || !key.isAccepted()) {
        log << "ignored";
    }
}

// The largest difference of one colour channel between two pictures of one size (256 for another size).
int largestDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return 256;
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            for (const int shift : {0, 8, 16})
                most = std::max(most, std::abs(int(a.pixel(x, y) >> shift & 255) - int(b.pixel(x, y) >> shift & 255)));
    return most;
}

// English (US) and Deutsch switched on, Deutsch active; Français and 日本語 available.
struct Methods_s {
    ScratchSysroot root;
    RecordingRunner runner;
    Methods_s()
    {
        runner.answer(".*/usr/bin/ibus list-engine",
            "language: English\n  xkb:us::eng - English (US)\n  xkb:de::deu - "
            "German\n  xkb:fr::fra - French\n  xkb:jp::jpn - Japanese\n");
        runner.answer(".*/usr/bin/ibus engine", "xkb:de::deu\n");
        runner.answer(".* -c \"gsettings get .*", "'xkb:us::eng', 'xkb:de::deu'\n");
        root.write("/etc/Tellora/config/IMList.xml",
            "<IMList><IMInfo><id>xkb:us::eng</id><display>English (US)</display></IMInfo><IMInfo><id>xkb:de::deu</id>"
            "<display>Deutsch</display></IMInfo><IMInfo><id>xkb:fr::fra</id><display>Français</display></IMInfo>"
            "<IMInfo><id>xkb:jp::jpn</id><display>日本語</display></IMInfo></IMList>");
    }
};

} // namespace

class TstWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageResources::registerAll(); }

    // After selecting `start` and the inputs: selection, page start, markers (< previous, > next) and signals.
    void navigation_data()
    {
        columns<int, int, int, QString, QString, QString>(); // rows, entries, start, inputs, state, signals
        row("selected row in the middle", 3, 40, 22, "", "22 15 <>", "selected 22");
        row("clamped to the end", 3, 20, 99, "", "19 5 <", "selected 19");
        row("page taller than the list", 4, 11, 10, "", "10 0 <", "selected 10");
        row("down to a shorter row", 3, 7, 3, "Down", "6 0 <", "selected 3,selected 6");
        row("down on the last row", 3, 20, 17, "Down", "17 5 <", "selected 17,bottomMost");
        row("held down keeps moving", 3, 40, 5, "Down*,Down*", "15 10 <>", "selected 5,selected 10,selected 15");
        row("up, then the top row", 3, 20, 7, "Up,Up", "2 0 >", "selected 7,selected 2,topMost");
        row("left wraps a row", 3, 20, 5, "Left", "4 0 >", "selected 5,selected 4");
        row("left on entry 0 leaves", 3, 20, 0, "Left", "0 0 ", "selected 0,focusExit");
        row("held left moves once", 3, 20, 5, "Left*", "5 0 <>", "selected 5");
        row("right on the last entry", 3, 20, 19, "Right", "19 5 <", "selected 19");
        row("return and enter enter", 3, 20, 4, "Return,Enter", "4 0 >", "selected 4,entered 4,entered 4");
        row("other keys go on", 3, 20, 4, "A", "4 0 >", "selected 4,ignored");
        row("wheel up", 3, 20, 7, "wheel 120", "2 0 >", "selected 7,selected 2");
        row("wheel down", 3, 16, 7, "wheel -120", "12 5 <>", "selected 7,selected 12");
        row("wheel too small", 3, 20, 7, "wheel 119,wheel -119", "7 0 <>", "selected 7");
        row("wheel without focus", 3, 20, 7, "wheel 120 unfocused", "7 0 ", "selected 7"); // nor zoom, nor markers
        row("a click zooms back, the next enters", 3, 20, 6, "Esc,click 6,click 6", "6 0 ",
            "selected 6,focusExit,entered 6");
        row("clicks land on the entry shown", 3, 20, 15, "click 0", "5 0 <>", "selected 15,selected 5");
        row("click on an empty grid leaves", 3, 0, 0, "click 0", "-1 -1 ", "focusExit");
    }
    void navigation()
    {
        const auto [rows, count, start, inputs, state, signalled] = fetch<int, int, int, QString, QString, QString>();
        auto v = homeGrid(count, rows);
        v->resize(1600, 1000);
        v->show();
        v->activateWindow(); // a window manager may not give a new window the focus by itself
        QVERIFY(QTest::qWaitForWindowActive(v.get()));
        QStringList log;
        connect(v.get(), &MultiIconViewV::itemSelected, [&](int i) { log << QStringLiteral("selected %1").arg(i); });
        connect(v.get(), &MultiIconViewV::itemEntered, [&](int i) { log << QStringLiteral("entered %1").arg(i); });
        connect(v.get(), &MultiIconViewV::focusExit, [&] { log << "focusExit"; });
        connect(v.get(), &MultiIconViewV::topMost, [&] { log << "topMost"; });
        connect(v.get(), &MultiIconViewV::bottomMost, [&] { log << "bottomMost"; });
        v->setSelect(start);
        for (const QString& input : inputs.split(',', Qt::SkipEmptyParts))
            send(*v, input, log);
        QCOMPARE(log.join(','), signalled);
        QCOMPARE(QStringLiteral("%1 %2 ").arg(v->select()).arg(v->pageStart()) + (v->previousMarkerVisible() ? "<" : "")
                + (v->nextMarkerVisible() ? ">" : ""),
            state);
        QCOMPARE(v->scene()->items().size(), v->pageSize()); // the pool never grows
        const int pageStart = state.section(' ', 1, 1).toInt(), selected = state.section(' ', 0, 0).toInt();
        for (int s = 0; s < v->pageSize(); ++s) {
            const int entry = pageStart + s;
            const bool filled = pageStart >= 0 && entry < count;
            QCOMPARE(v->pageItem(s)->text(), filled ? QStringLiteral("e%1").arg(entry) : QString());
            QCOMPARE(v->pageItem(s)->isClickable(), filled);
            // Only the selected tile is zoomed and framed, while the grid has the focus and was not left.
            const bool focused = entry == selected && v->hasFocus() && !signalled.endsWith("focusExit");
            QCOMPARE(!v->pageItem(s)->transform().isIdentity(), focused);
            const QPixmap frame = v->pageItem(s)->pixmap(5);
            QCOMPARE(pixels(frame), focused ? tile("app_focus.png", frame.size()) : QImage());
        }
    }

    // A move repaints only what it changes: the screen then shows what a repaint of the whole window gives.
    void partialRepaints_data()
    {
        columns<int, QString>(); // first selection, keys
        row("moves on one page", 7, "Right,Right,Down,Left,Up,Up");
        row("page changes", 2, "Down,Down,Down,Up,Down,Down");
        row("zoom taken away and given back", 6, "Escape,Right,Down");
    }
    void partialRepaints()
    {
        const auto [start, keys] = fetch<int, QString>();
        QWidget window;
        window.setObjectName("wall");
        window.setStyleSheet("#wall{border-image: url(:/images/wallpaper_default.jpg)}");
        window.resize(960, 540);
        auto v = homeGrid(0);
        for (int i = 0; i < 40; ++i)
            v->add(QPixmap(), QStringLiteral("Application with a long name %1").arg(i));
        v->setParent(&window);
        v->setGeometry(window.rect());
        v->setSelect(start);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        v->setFocus();
        const auto shown = [&] {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
            return window.screen()->grabWindow(window.winId()).toImage();
        };
        QStringList log;
        for (const QString& key : keys.split(',')) {
            send(*v, key, log);
            const QImage partial = shown();
            window.repaint();
            // Clipped scaled pictures may round a few steps apart; a partial repaint's leftovers are far more.
            const int difference = largestDifference(partial, shown());
            QVERIFY2(difference <= 3, qPrintable(QStringLiteral("%1 after %2").arg(difference).arg(key)));
        }
    }

    // Pictures are kept at the zoomed tile's drawn size (at most the given); a grid drawn larger asks again, once.
    void picturesAtDrawnSize()
    {
        auto v = homeGrid(0);
        QPixmap big(600, 600);
        big.fill(Qt::red);
        v->add(big, "a");
        v->add(big, "b");
        QSignalSpy sharper(v.get(), &MultiIconViewV::sharperPicturesWanted);
        for (const int width : {960, 480, 3840}) {
            v->resize(width, width * 9 / 16);
            v->show();
            QVERIFY(QTest::qWaitForWindowExposed(v.get()));
            const int drawn = qMin(380, qRound(380 * 1.3 * v->transform().m11()));
            if (width == 3840) {
                QTRY_COMPARE(sharper.size(), 1);
                v->setIcon(big, 0, 0); // the owner's answer
            }
            QTRY_VERIFY2(qAbs(v->icon(0, 0).width() - drawn) <= 1,
                qPrintable(QStringLiteral("%1 px kept, %2 drawn").arg(v->icon(0, 0).width()).arg(drawn)));
            QCOMPARE(v->icon(0, 0).deviceIndependentSize().toSize(), QSize(380, 380));
            QCOMPARE(v->icon(1, 0).cacheKey() == v->icon(0, 0).cacheKey(), width != 3840); // one copy for both
        }
        QCOMPARE(sharper.size(), 1);
    }

    // Entries added where asked, changed, flagged and deleted, as the tiles show them.
    void entries()
    {
        auto v = homeGrid(0);
        QSignalSpy selections(v.get(), &MultiIconViewV::itemSelected);
        QPixmap wide(200, 100);
        wide.fill(Qt::blue);
        v->setSelect(0); // nothing to select yet
        QVERIFY(
            v->add(QPixmap(), QStringLiteral("a")) && v->add(wide, QStringLiteral("b"), 0) && v->add(wide, "c", 99));
        QCOMPARE(QStringList({v->text(0), v->text(1), v->text(2)}), QStringList({"b", "a", "c"}));
        QCOMPARE(v->icon(1, 0).toImage(), tile("default.png", QSize(380, 380)));
        QVERIFY(v->icon(0, 0).size() == QSize(380, 190) && v->pageItem(0)->text().isEmpty()); // the page stays

        for (int i : {2, 2, -1, 2}) // -1 only takes the zoom away
            v->setSelect(i);
        QVERIFY(selections.size() == 1 && v->pageItem(2)->transform().isIdentity()); // shown with the focus only
        v->show();
        v->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(v.get()) && qFuzzyCompare(v->pageItem(2)->transform().m11(), 1.3));
        QPixmap status(380, 380);
        status.fill(Qt::green);
        QVERIFY(v->setIcon(status, 1, 5) && v->setText(QStringLiteral("new"), 1) && v->setFlag(1, 1));
        QVERIFY(
            v->pageItem(1)->text() == "new" && v->pageItem(1)->pixmap(5).toImage() == status.toImage()); // refreshed
        QVERIFY(!v->setIcon(status, 1, 6) && !v->setIcon(status, 3, 1) && !v->setText({}, -1) && v->flag(77) == 0);
        v->setSelect(1); // a flagged entry gets the other frame
        const QImage off = v->pageItem(1)->pixmap(5).toImage();
        v->setIcon(wide, 1, 0); // and keeps it
        QVERIFY(pixels(v->pageItem(1)->pixmap(5)) == tile("app_focus_off.png", off.size()));
        QVERIFY(v->pageItem(1)->pixmap(5).toImage() == off);
        v->setSelect(-1); // unzoomed: flagged entries show their own status
        QVERIFY(v->pageItem(1)->pixmap(5).toImage() == status.toImage() && v->pageItem(0)->pixmap(5).isNull());

        v->setSelect(2);
        QVERIFY(!v->del(3) && v->del(2));
        QVERIFY(v->select() == 1 && v->pageItem(2)->text().isEmpty()); // the selection follows the end of the list
        QVERIFY(v->del(0) && v->del(0));
        QVERIFY(v->select() == -1 && !v->pageItem(0)->isClickable()); // the last tile went from the page too
    }

    // The parts shown (the focused one *) | Escape and accept() closing it | in mode 5 the countdown's button texts.
    void modes_data()
    {
        columns<int, QString>(); // the mode, what shows and happens
        row("0 message only", 0, QString("|"));
        row("1 OK", 1, QString("pbtYes*|esc ok"));
        row("2 OK and Cancel", 2, QString("pbtYes pbtNo*|esc ok"));
        row("4 progress and Cancel", 4, QString("prgbar pbtNo*|esc ok"));
        QString countdown;
        for (int left = 14; left >= 0; --left)
            countdown += QString("No (%1) ").arg(left);
        row("5 countdown", 5, "pbtYes pbtNo*|esc ok|" + countdown + "closed No");
    }
    void modes()
    {
        const auto [mode, expect] = fetch<int, QString>();
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

    // What a mode offers (never US English to remove), the remote's keys, the method switched to when destroyed.
    void applied_data()
    {
        columns<int, QString, QString, QString>(); // the mode, what it offers, keys or a button, the method switched to
        const QString add = "Add input: Français, 日本語", remove = "Remove input: Deutsch";
        row("add, Return on OK", 0, add, QString("Down Down Return"), QString("xkb:jp::jpn"));
        row("remove, Return in the list", 1, remove, QString("Return"), QString("xkb:us::eng"));
        row("remove, Cancel", 1, remove, QString("Down Right Return"), QString());
        row("add, Right and Left back to OK", 0, add, QString("Down Down Right Left Return"), QString("xkb:jp::jpn"));
        row("OK without a mode", 3, QString(":"), QString("pbtYes"), QString());
    }
    void applied()
    {
        const auto [mode, shown, keys, method] = fetch<int, QString, QString, QString>();
        Methods_s methods;
        SystemInputMethod model;
        auto* d = new ListDialog(nullptr, &model);
        d->reset(mode);
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d));
        const QListWidget* list = d->findChild<QListWidget*>("listWidget");
        QString offered = d->findChild<QLabel*>("labInfoText")->text() + ":";
        for (int i = 0; i < list->count(); ++i)
            offered += (i ? ", " : " ") + list->item(i)->text();
        QCOMPARE(offered, shown);
        QVERIFY(mode > 1 || (d->focusWidget() == list && list->currentRow() == 0));
        methods.runner.clear();
        for (const QString& k : keys.split(' '))
            k.startsWith("pbt") ? QTest::mouseClick(d->findChild<QPushButton*>(k), Qt::LeftButton)
                                : QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, QKeySequence(k)[0].key());
        QVERIFY(!d->isVisible());
        QCOMPARE(methods.runner.lines(), QStringList()); // nothing before the dialog goes
        delete d;
        const QStringList lines = methods.runner.lines();
        QCOMPARE(lines.isEmpty() ? QString() : lines.last().section(' ', 2), method);
    }

    // Horizontal sizes follow the screen's width, vertical ones and points its height.
    void scaling()
    {
        for (int kind : {0, 1, 2}) { // a message, a large message, the list
            Methods_s methods;
            SystemInputMethod model;
            std::unique_ptr<QDialog> d(kind == 2 ? static_cast<QDialog*>(new ListDialog(nullptr, &model))
                                                 : new InfoDialog(nullptr, kind == 1));
            QList<int> seen;
            for (const QRect& screen : {QRect(0, 0, 1920, 1080), QRect(0, 0, 3840, 1080)}) {
                kind == 2 ? static_cast<ListDialog*>(d.get())->adaptUiToScreen(screen)
                          : static_cast<InfoDialog*>(d.get())->adaptUiToScreen(screen);
                const QMargins m = d->findChild<QLayout*>("vldlg")->contentsMargins();
                const QPushButton* no = d->findChild<QPushButton*>("pbtNo");
                seen << d->styleSheet().section("border-width: ", 1).section("px", 0, 0).toInt() << m.left()
                     << no->minimumWidth() << m.top() << no->minimumHeight() << no->font().pointSize();
            }
            QCOMPARE(seen.mid(6), (QList<int> {2 * seen[0], 2 * seen[1], 2 * seen[2], seen[3], seen[4], seen[5]}));
            QVERIFY(*std::min_element(seen.begin(), seen.begin() + 6) > 0);
        }
    }
};

QTEST_MAIN(TstWidgets)
#include "tst_widgets.moc"
