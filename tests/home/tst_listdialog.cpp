// The input-method list dialog: what each mode offers, that a choice is applied when the accepted dialog goes and
// only then, operation with the remote's keys alone, and scaling.
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "home/ImageResources.h"
#include "home/ListDialog.h"
#include "im/SystemInputMethod.h"

#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

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

class TstListDialog : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ImageResources::registerAll(); }

    // What a mode offers (US English never for removal), keys (or a button click) while the dialog runs, and the
    // commands run when it is destroyed.
    void applied_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("lines");
        const QString set = "gsettings set org.freedesktop.ibus.general %1 %2";
        const auto change = [&](const QString& value, const char* active) {
            return QStringList {set.arg("preload-engines", value), set.arg("engines-order", value),
                QString("/usr/bin/ibus engine ") + active};
        };
        const QStringList addJp = change("\"['xkb:us::eng', 'xkb:de::deu', 'xkb:jp::jpn']\"", "xkb:jp::jpn");
        const QString add = "Add input: Français, 日本語", remove = "Remove input: Deutsch";
        QTest::newRow("add, OK clicked") << 0 << add << "Down pbtYes" << addJp;
        QTest::newRow("add, Return on OK") << 0 << add << "Down Down Return" << addJp;
        QTest::newRow("add, back to the list, Return") << 0 << add << "Down Down Up Return" << addJp;
        QTest::newRow("remove, Return in the list")
            << 1 << remove << "Return" << change("['xkb:us::eng']", "xkb:us::eng");
        QTest::newRow("remove, Cancel") << 1 << remove << "Down Right Return" << QStringList();
        QTest::newRow("add, Escape") << 0 << add << "Down Escape" << QStringList();
        QTest::newRow("OK without a mode") << 3 << ": "
                                           << "pbtYes" << QStringList();
    }
    void applied()
    {
        QFETCH(int, mode);
        QFETCH(QString, shown);
        QFETCH(QString, keys);
        QFETCH(QStringList, lines);
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

    // Everything scales with the screen: at 2160p twice the 1080p values.
    void scaling()
    {
        Methods_s methods;
        SystemInputMethod model;
        ListDialog d(nullptr, &model);
        QList<int> seen;
        for (const QRect& screen : {QRect(0, 0, 1920, 1080), QRect(0, 0, 3840, 2160)}) {
            d.adaptUiToScreen(screen);
            seen << d.styleSheet().section("border-width: ", 1).section("px", 0, 0).toInt()
                 << d.findChild<QLayout*>("vldlg")->contentsMargins().top()
                 << d.findChild<QListWidget*>("listWidget")->minimumHeight()
                 << d.findChild<QPushButton*>("pbtNo")->minimumWidth();
        }
        QCOMPARE(seen, QList<int>({6, 24, 300, 144, 12, 48, 600, 288}));
        QVERIFY(d.styleSheet().startsWith("#ListDialog{"));
    }
};

QTEST_MAIN(TstListDialog)
#include "tst_listdialog.moc"
