// The message and input-method list dialogs: the parts each message mode shows and how it closes, what each list
// mode offers and that a choice is applied when the accepted dialog goes and only then, operation with the remote's
// keys alone, and the sizes that follow the screen.
#include "DataRows.h"
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "WidgetFixture.h"
#include "home/ImageResources.h"
#include "home/InfoDialog.h"
#include "home/ListDialog.h"
#include "im/SystemInputMethod.h"

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

QStringList items(const QListWidget* list)
{
    QStringList out;
    for (int i = 0; i < list->count(); ++i)
        out << list->item(i)->text();
    return out;
}

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
        row("3 progress only", 3, QString("prgbar|"));
        row("4 progress and Cancel", 4, QString("prgbar pbtNo*|esc ok"));
        row("5 countdown", 5,
            QString("pbtYes pbtNo*|esc ok|No (14) No (13) No (12) No (11) No (10) No (9) No (8) No (7) No (6) No (5) "
                    "No (4) No (3) No (2) No (1) No (0) closed No"));
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

    // What a mode offers (US English never for removal), keys (or a button click) while the dialog runs, and the
    // commands run when it is destroyed.
    void applied_data()
    {
        columns<int, QString, QString, QStringList>(); // the mode, what it offers, keys or a button, commands run
        const QString set = "gsettings set org.freedesktop.ibus.general %1 %2";
        const auto change = [&](const QString& value, const char* active) {
            return QStringList {set.arg("preload-engines", value), set.arg("engines-order", value),
                QString("/usr/bin/ibus engine ") + active};
        };
        const QStringList addJp = change("\"['xkb:us::eng', 'xkb:de::deu', 'xkb:jp::jpn']\"", "xkb:jp::jpn");
        const QString add = "Add input: Français, 日本語", remove = "Remove input: Deutsch";
        row("add, OK clicked", 0, add, QString("Down pbtYes"), addJp);
        row("add, Return on OK", 0, add, QString("Down Down Return"), addJp);
        row("add, back to the list, Return", 0, add, QString("Down Down Up Return"), addJp);
        row("remove, Return in the list", 1, remove, QString("Return"), change("['xkb:us::eng']", "xkb:us::eng"));
        row("remove, Cancel", 1, remove, QString("Down Right Return"), QStringList());
        row("add, Escape", 0, add, QString("Down Escape"), QStringList());
        row("OK without a mode", 3, QString(": "), QString("pbtYes"), QStringList());
    }
    void applied()
    {
        const auto [mode, shown, keys, lines] = fetch<int, QString, QString, QStringList>();
        Methods_s methods;
        SystemInputMethod model;
        auto* d = new ListDialog(nullptr, &model);
        d->reset(mode);
        d->show();
        QVERIFY(QTest::qWaitForWindowExposed(d));
        const QListWidget* list = d->findChild<QListWidget*>("listWidget");
        QCOMPARE(d->findChild<QLabel*>("labInfoText")->text() + ": " + items(list).join(", "), shown);
        QVERIFY(mode > 1 || (d->focusWidget() == list && list->currentRow() == 0));
        methods.runner.clear();
        const QMap<QString, Qt::Key> named {{"Down", Qt::Key_Down}, {"Up", Qt::Key_Up}, {"Right", Qt::Key_Right},
            {"Return", Qt::Key_Return}, {"Escape", Qt::Key_Escape}};
        for (const QString& k : keys.split(' ')) {
            if (named.contains(k))
                QTest::keyClick(d->focusWidget() ? d->focusWidget() : d, named[k]);
            else
                QTest::mouseClick(d->findChild<QPushButton*>(k), Qt::LeftButton);
        }
        QVERIFY(!d->isVisible());
        QCOMPARE(methods.runner.lines(), QStringList()); // nothing before the dialog goes
        delete d;
        QCOMPARE(methods.runner.lines().replaceInStrings(methods.root.root(), QString()), lines);
    }

    // Horizontal sizes follow the screen's width, vertical ones and the points its height: a screen twice as wide
    // doubles the first and keeps the second.
    void scaling_data()
    {
        columns<int>(); // 0 a message, 1 a large message, 2 the list
        row("message", 0);
        row("large message", 1);
        row("list", 2);
    }
    void scaling()
    {
        const auto [kind] = fetch<int>();
        Methods_s methods;
        SystemInputMethod model;
        std::unique_ptr<QDialog> d(
            kind == 2 ? static_cast<QDialog*>(new ListDialog(nullptr, &model)) : new InfoDialog(nullptr, kind == 1));
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
        QVERIFY(seen[0] > 0 && seen[1] > 0 && seen[2] > 0 && seen[3] > 0 && seen[4] > 0 && seen[5] > 0);
    }
};

QTEST_MAIN(TstDialogs)
#include "tst_dialogs.moc"
