// The Preferences page: its rows' menus and what choosing an entry does to the appliance (the receiver's proc files,
// ALSA's configuration, the sound server, the input-method framework), and the values read when the page is entered.
#include "AudioFixture.h"
#include "SettingsFixture.h"

#include "ui_SettingsDialog.h"

#include "appliance/UserSettings.h"
#include "home/ListDialog.h"
#include "im/SystemInputMethod.h"
#include "lirc/CustomRemoteDialog.h"
#include "settings/AlsaDefaults.h"
#include "settings/IrReceiverMode.h"
#include "settings/PrefChoices.h"

#include <QMenu>
#include <QStackedWidget>
#include <QtTest>

namespace {

const QString kModes = "/proc/ite_8721f_cir/support";
const QString kCurrent = "/proc/ite_8721f_cir/current";

QString menuText(const PrefMenu_s& m) { return m.entries.join(',') + " @" + QString::number(m.current); }

// The input-method framework with English (US) and Deutsch switched on; English (UK) and Français are offered too.
// The framework names no active engine, so the model keeps the one it set last.
void offerInputMethods(RecordingRunner& runner, const ScratchSysroot& root)
{
    runner.answer(".*/usr/bin/ibus list-engine",
        "language: English\n  xkb:us::eng - English (US)\n  xkb:gb::eng - English (UK)\n"
        "language: German\n  xkb:de::deu - German\nlanguage: French\n  xkb:fr::fra - French\n");
    runner.answer(".*/usr/bin/ibus engine", "");
    runner.answer(".*gsettings get org.freedesktop.ibus.general preload-engines.*", "'xkb:us::eng', 'xkb:de::deu'");
    QByteArray xml = "<IMList>";
    for (const char* m :
        {"xkb:us::eng|English (US)", "xkb:gb::eng|English (UK)", "xkb:de::deu|Deutsch", "xkb:fr::fra|Français"}) {
        const QList<QByteArray> f = QByteArray(m).split('|');
        xml += "<IMInfo><id>" + f[0] + "</id><display>" + f[1] + "</display></IMInfo>";
    }
    root.write("/etc/Tellora/config/IMList.xml", xml + "</IMList>");
}

// The settings dialog on an appliance whose receiver offers NEC and RC6 (in RC6 now) and that can learn remotes, or
// on one with neither; the input methods as above (the program's model is built once, by the first scene).
struct PrefScene_s : SettingsScene_s {
    explicit PrefScene_s(bool full = true)
    {
        offerInputMethods(runner, root);
        runner.answer(".*privrun hal_app --check_ec_support", full ? "1\n" : "0\n");
        if (full) {
            root.write(kModes, "1:NEC\n2:RC6\n");
            root.write(kCurrent, "2\n");
        }
    }
    // The dialog open on the Preferences page, its first row focused from the left column.
    Ui::SettingsDialog& enter()
    {
        Ui::SettingsDialog& ui = *open().form();
        ui.rbtPref->setChecked(true);
        ui.rbtPref->setFocus();
        pressKey(Qt::Key_Right);
        return ui;
    }
};

// Keys on a choice menu (or a modal dialog's focused widget), and what the menu offered: its entries with the default
// one in brackets.
void keysOn(QWidget* w, const QList<Qt::Key>& keys, QString* offered = nullptr)
{
    auto* menu = qobject_cast<QMenu*>(w);
    if (menu && offered) {
        QStringList entries;
        for (const QAction* a : menu->actions()) {
            if (!a->isSeparator())
                entries << (a == menu->defaultAction() ? "(" + a->text() + ")" : a->text());
        }
        *offered = entries.join(',');
    }
    for (Qt::Key k : keys)
        QTest::keyClick(menu ? w : QApplication::focusWidget(), k);
}
// Runs fn on the next menu, or modal dialog once it has the focus.
void onFocusedModal(const std::function<void(QWidget*)>& fn)
{
    onModal([fn](QWidget* w) {
        if (qobject_cast<QMenu*>(w) || w->isAncestorOf(QApplication::focusWidget()))
            fn(w);
        else
            QTimer::singleShot(20, [fn] { onFocusedModal(fn); });
    });
}
// Keys on the next menu or modal dialog, once it is up.
void keysOnModal(const QList<Qt::Key>& keys, QString* offered = nullptr)
{
    onFocusedModal([=](QWidget* w) { keysOn(w, keys, offered); });
}

QString focused() { return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString(); }

} // namespace

class TstPreferencesPage : public QObject
{
    Q_OBJECT

private slots:
    // The receiver's mode as the page shows it, from what its driver's two files hold.
    void receiverMode_data()
    {
        QTest::addColumn<QByteArray>("support");
        QTest::addColumn<QByteArray>("current");
        QTest::addColumn<QString>("shown"); // "-": the row hides
        QTest::addColumn<QString>("menu");
        QTest::newRow("second of two") << QByteArray("1:NEC\n2:RC6\n") << QByteArray("2\n") << "RC6"
                                       << "NEC,RC6 @1";
        QTest::newRow("name holds a colon, no line feed")
            << QByteArray("1:NEC\n7: Mode: B ") << QByteArray("7") << "Mode: B"
            << "NEC,Mode: B @1";
        QTest::newRow("garbage lines are no modes")
            << QByteArray("\n\x01\xff\nx:Bad\n:None\nRC5\n3:Sony\n") << QByteArray("3\n2\n") << "Sony"
            << "Sony @0";
        QTest::newRow("current not offered") << QByteArray("1:NEC\n") << QByteArray("4") << "-"
                                             << "NEC @-1";
        QTest::newRow("current not a number") << QByteArray("1:NEC\n") << QByteArray("one") << "-"
                                              << "NEC @-1";
        QTest::newRow("no current file") << QByteArray("1:NEC\n") << QByteArray() << "-"
                                         << "NEC @-1";
        QTest::newRow("no support file") << QByteArray() << QByteArray("1") << "-"
                                         << "-";
    }
    void receiverMode()
    {
        QFETCH(QByteArray, support);
        QFETCH(QByteArray, current);
        QFETCH(QString, shown);
        QFETCH(QString, menu);
        ScratchSysroot root;
        if (!support.isNull())
            root.write(kModes, support);
        if (!current.isNull())
            root.write(kCurrent, current);
        QCOMPARE(IrReceiverMode::currentName().value_or("-"), shown);
        const auto modes = IrReceiverMode::modes();
        QCOMPARE(modes ? menuText(PrefChoices::receiverModes(*modes, shown)) : "-", menu);
    }

    // Choosing a mode switches the receiver and keeps the choice; the next settings dialog puts a kept choice back,
    // and never creates the driver's file.
    void receiverChoiceKept()
    {
        ScratchSysroot root;
        root.write(kModes, "1:NEC\n2:RC6\n");
        root.write(kCurrent, "2\n");
        IrReceiverMode::restoreStored(); // nothing kept yet
        QCOMPARE(root.read(kCurrent), "2\n");
        IrReceiverMode::choose(1);
        QCOMPARE(root.read(kCurrent), "1");
        QCOMPARE(UserSettings::open()->value("Preference/InternalIR").toString(), "1");
        root.write(kCurrent, "2\n"); // the driver forgot it
        IrReceiverMode::restoreStored();
        QCOMPARE(root.read(kCurrent), "1");
        QFile::remove(root.path(kCurrent));
        IrReceiverMode::choose(2);
        IrReceiverMode::restoreStored();
        QVERIFY(!QFile::exists(root.path(kCurrent)));
        QCOMPARE(UserSettings::internalIr(), 2);
    }

    // ALSA's default device follows the chosen output; the rest of the file stays as it was.
    void alsaDefault_data()
    {
        QTest::addColumn<QByteArray>("before");
        QTest::addColumn<QByteArray>("after");
        QTest::newRow("first of two replaced")
            << QByteArray("defaults.pcm.card 0\n  defaults.pcm.device 0 # x\ndefaults.pcm.device 5\n")
            << QByteArray("defaults.pcm.card 0\ndefaults.pcm.device 7\ndefaults.pcm.device 5\n");
        QTest::newRow("key needs its blank") << QByteArray("defaults.pcm.devices 1\ndefaults.pcm.device\t2")
                                             << QByteArray("defaults.pcm.devices 1\n"
                                                           "defaults.pcm.device\t2\n"
                                                           "defaults.pcm.device 7\n");
        QTest::newRow("empty") << QByteArray("") << QByteArray("defaults.pcm.device 7\n");
        // A line longer than a read is taken in pieces: the key in its second piece replaces that piece only.
        QTest::newRow("long line") << QByteArray(1023, '#') + "defaults.pcm.device 1 tail\nz\n"
                                   << QByteArray(1023, '#') + "defaults.pcm.device 7\nz\n";
    }
    void alsaDefault()
    {
        QFETCH(QByteArray, before);
        QFETCH(QByteArray, after);
        ScratchSysroot root;
        root.write("/a.conf", before);
        QVERIFY(AlsaDefaults::setDefaultDevice(root.path("/a.conf"), 7));
        QCOMPARE(root.read("/a.conf"), after);
    }
    void alsaDefaultMissing()
    {
        ScratchSysroot root;
        QVERIFY(!AlsaDefaults::setDefaultDevice(root.path("/a.conf"), 7));
        QVERIFY(!QFile::exists(root.path("/a.conf")));
    }

    // The audio row's menu and choice: the chosen output in .asoundrc, as the sound server's default and as ALSA's
    // default device.
    void audioChoice()
    {
        Appliance_s a;
        a.root.write("/usr/share/alsa/alsa.conf", "defaults.pcm.card 0\ndefaults.pcm.device 0\n");
        AudioConfig audio;
        QCOMPARE(menuText(PrefChoices::audioOutputs(audio)), "Analog,HDMI 1,HDMI 2 @1");
        a.runner.clear();
        const QString alsa = a.root.path("/usr/share/alsa/alsa.conf");
        QCOMPARE(PrefChoices::chooseAudioOutput(audio, 2, alsa).value_or("-"), "HDMI 2");
        QCOMPARE(a.asoundrc(), marker("HDMI2", 0, 7));
        QCOMPARE(a.root.read("/usr/share/alsa/alsa.conf"), "defaults.pcm.card 0\ndefaults.pcm.device 7\n");
        QCOMPARE(a.lines(), QStringList {"/bin/bash -c \"/bin/pactl set-default-sink 42\""});
        QVERIFY(!PrefChoices::chooseAudioOutput(audio, 3, alsa));
        QCOMPARE(audio.currentIndex(), 2);
    }

    // Keys alone over the page: Down and Up walk the rows that show (the receiver's row only with its driver's files,
    // the learned-remote rows only where the appliance can learn) and stop at the ends; a row shows its arrows while
    // it has the focus; Tab stays, Left goes back to the page buttons.
    void keyboardWalk_data()
    {
        QTest::addColumn<bool>("full");
        QTest::addColumn<QStringList>("rows");
        QTest::newRow("receiver, remotes")
            << true
            << QStringList {"frmPrefLang", "frmPrefIM", "frmPrefIr", "frmCRemote", "frmCR_1", "frmCR_2", "frmCR_3"};
        QTest::newRow("neither") << false << QStringList {"frmPrefLang", "frmPrefIM"};
    }
    void keyboardWalk()
    {
        QFETCH(bool, full);
        QFETCH(QStringList, rows);
        PrefScene_s scene(full);
        Ui::SettingsDialog& ui = scene.enter();
        const auto arrows = [&] {
            QStringList shown;
            for (const QLabel* l : ui.pgPref->findChildren<QLabel*>(QRegularExpression("(Up|Down)$")))
                if (l->isVisible())
                    shown << l->objectName();
            return shown;
        };
        QStringList down {focused()}, up;
        for (int i = 1; i <= rows.size(); ++i) {
            pressKey(Qt::Key_Down);
            down << focused();
        }
        QCOMPARE(down, rows + QStringList {rows.last()});
        const QString last = rows.last().mid(3);
        QCOMPARE(arrows(), QStringList({"lab" + last + "Up", "lab" + last + "Down"}));
        pressKey(Qt::Key_Tab);
        QCOMPARE(focused(), rows.last());
        for (int i = 1; i <= rows.size(); ++i) {
            pressKey(Qt::Key_Up);
            up.prepend(focused());
        }
        QCOMPARE(up, QStringList {rows.first()} + rows.mid(0, rows.size() - 1));
        pressKey(Qt::Key_Left);
        QVERIFY(ui.grMain->isAncestorOf(QApplication::focusWidget()) || QApplication::focusWidget() == ui.grMain);
        QCOMPARE(arrows(), QStringList());
        QVERIFY(!ui.frmPrefAudio->isVisible() && !ui.speakerTestBtn->isVisible());
    }

    // The receiver's menu, opened with Return, offers its modes with the current one as default: choosing NEC writes
    // 1 into the driver's file and keeps it; Right opens it too, and Escape there changes nothing.
    void receiverMenu()
    {
        PrefScene_s scene;
        Ui::SettingsDialog& ui = scene.enter();
        QCOMPARE(ui.txtPrefIr->text(), "RC6");
        pressKey(Qt::Key_Down);
        pressKey(Qt::Key_Down);
        QString offered;
        keysOnModal({Qt::Key_Up, Qt::Key_Return}, &offered);
        pressKey(Qt::Key_Return);
        QCOMPARE(offered, "NEC,(RC6),[Back]");
        QCOMPARE(scene.root.read(kCurrent), "1");
        QCOMPARE(UserSettings::internalIr(), 1);
        QCOMPARE(ui.txtPrefIr->text(), "NEC");
        keysOnModal({Qt::Key_Down, Qt::Key_Escape}, &offered);
        pressKey(Qt::Key_Right);
        QCOMPARE(offered, "(NEC),RC6,[Back]");
        QCOMPARE(scene.root.read(kCurrent), "1");
        QCOMPARE(ui.txtPrefIr->text(), "NEC");
        QCOMPARE(focused(), "frmPrefIr");
    }

    // Slot rows read "Reset" once learned and "Learn now" before. Return on the learned one opens the learning dialog
    // on its reset page; resetting there makes it read "Learn now". Choosing the current language again changes
    // nothing but reads the slots again.
    void learnedRemotes()
    {
        PrefScene_s scene;
        UserSettings::open()->setValue("Preference/Language", "eng");
        UserSettings::open()->setValue("RemoteKeySet1/key0", "4000");
        Ui::SettingsDialog& ui = scene.enter();
        const auto texts = [&] { return QStringList {ui.txtCR_1->text(), ui.txtCR_2->text(), ui.txtCR_3->text()}; };
        QCOMPARE(texts(), QStringList({"Learn now", "Reset", "Learn now"}));
        for (int i = 0; i < 5; ++i)
            pressKey(Qt::Key_Down);
        QCOMPARE(focused(), "frmCR_2");
        bool resetPage = false;
        onFocusedModal([&](QWidget* w) {
            resetPage = qobject_cast<CustomRemoteDialog*>(w) && w->findChild<QWidget*>("pgCR_reset")->isVisible();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        });
        pressKey(Qt::Key_Return);
        QVERIFY(resetPage);
        QTRY_COMPARE(focused(), "frmCR_2");
        QCOMPARE(texts(), QStringList({"Learn now", "Learn now", "Learn now"}));
        QVERIFY(!UserSettings::open()->contains("RemoteKeySet1/key0"));

        UserSettings::open()->setValue("RemoteKeySet2/key0", "5000"); // learned meanwhile
        for (int i = 0; i < 5; ++i)
            pressKey(Qt::Key_Up);
        QString offered;
        keysOnModal({Qt::Key_Return}, &offered);
        pressKey(Qt::Key_Return);
        QVERIFY(offered.contains(",(English),"));
        QCOMPARE(texts(), QStringList({"Learn now", "Learn now", "Reset"}));
        QCOMPARE(ui.txtPrefLang->text(), "English");
    }

    // Add and Remove on the input-method row open the list dialog in that mode; what it applies shows on the row, in
    // the framework's list and in the next menu. (Last: it changes the program's input-method model.)
    void inputMethodAddRemove()
    {
        PrefScene_s scene;
        Ui::SettingsDialog& ui = scene.enter();
        pressKey(Qt::Key_Down);
        const auto choose = [&](const QList<Qt::Key>& inMenu, const QList<Qt::Key>& inList) {
            QString offered;
            onModal([&offered, inMenu, inList](QWidget* menu) {
                keysOn(menu, inMenu, &offered);
                keysOnModal(inList);
            });
            pressKey(Qt::Key_Return);
            return offered;
        };
        const QString set = "gsettings set org.freedesktop.ibus.general preload-engines \"%1\"";
        // Add (English (US) was no default: the framework names no active method) and the first offered one.
        QCOMPARE(choose({Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, {Qt::Key_Return}),
            "English (US),Deutsch,Add,Remove,[Back]");
        QTRY_COMPARE(ui.txtPrefIM->text(), "English (UK)");
        QTRY_COMPARE(focused(), "frmPrefIM");
        QVERIFY(scene.runner.lines().contains(set.arg("['xkb:us::eng', 'xkb:de::deu', 'xkb:gb::eng']")));
        // Remove, and its second entry: the active one; the first switched-on one becomes active.
        QCOMPARE(choose({Qt::Key_Down, Qt::Key_Down, Qt::Key_Return}, {Qt::Key_Down, Qt::Key_Return}),
            "English (US),Deutsch,(English (UK)),Add,Remove,[Back]");
        QTRY_COMPARE(ui.txtPrefIM->text(), "English (US)");
        QVERIFY(scene.runner.lines().contains(set.arg("['xkb:us::eng', 'xkb:de::deu']")));
    }
};

QTEST_MAIN(TstPreferencesPage)
#include "tst_preferencespage.moc"
