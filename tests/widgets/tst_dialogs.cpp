// The message and input-method list dialogs: the parts each message mode shows and how it closes, what each list
// mode offers and that a choice is applied when the accepted dialog goes and only then, operation with the remote's
// keys alone, and the sizes that follow the screen.
#include "DataRows.h"
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "WidgetFixture.h"
#include "im/SystemInputMethod.h"
#include "widgets/ImageResources.h"
#include "widgets/InfoDialog.h"
#include "widgets/ListDialog.h"

#include <QLayout>
#include <QListWidget>
#include <QPushButton>

namespace {

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

class TstDialogs : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageResources::registerAll(); }

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

    // What a mode offers (US English never for removal), the remote's keys while the dialog runs, and the method
    // switched to when it is destroyed (the commands of each change are the input-method suite's).
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
        const QMap<QString, Qt::Key> named {
            {"Down", Qt::Key_Down}, {"Right", Qt::Key_Right}, {"Left", Qt::Key_Left}, {"Return", Qt::Key_Return}};
        for (const QString& k : keys.split(' ')) {
            if (named.contains(k))
                QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, named[k]);
            else
                QTest::mouseClick(d->findChild<QPushButton*>(k), Qt::LeftButton);
        }
        QVERIFY(!d->isVisible());
        QCOMPARE(methods.runner.lines(), QStringList()); // nothing before the dialog goes
        delete d;
        const QStringList lines = methods.runner.lines();
        QCOMPARE(lines.isEmpty() ? QString() : lines.last().section(' ', 2), method);
    }

    // Horizontal sizes follow the screen's width, vertical ones and the points its height: a screen twice as wide
    // doubles the first and keeps the second.
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

QTEST_MAIN(TstDialogs)
#include "tst_dialogs.moc"
