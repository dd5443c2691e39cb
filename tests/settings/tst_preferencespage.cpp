// The Preferences page: its menus, the receiver's proc files, ALSA's default and the sinks, entering the page.
#include "AudioFixture.h"
#include "DataRows.h"
#include "SettingsFixture.h"

#include "ui_SettingsDialog.h"

#include "appliance/UserSettings.h"
#include "prefs/AlsaDefaults.h"
#include "prefs/IrReceiverMode.h"
#include "prefs/PrefChoices.h"

namespace {

const QString kModes = "/proc/ite_8721f_cir/support";
const QString kCurrent = "/proc/ite_8721f_cir/current";

QString menuText(const PrefMenu_s& m) { return m.entries.join(',') + " @" + QString::number(m.current); }

// The settings dialog on an appliance whose receiver offers NEC and RC6 (in RC6 now) and that can learn remotes.
struct PrefScene_s : SettingsScene_s {
    PrefScene_s()
    {
        runner.answer(".*privrun hal_app --check_ec_support", "1\n");
        root.write(kModes, "1:NEC\n2:RC6\n");
        root.write(kCurrent, "2\n");
    }
};

} // namespace

class TstPreferencesPage : public QObject
{
    Q_OBJECT

private slots:
    // The receiver's mode shown, and its menu, from what its driver's two files hold.
    void receiverMode_data()
    {
        columns<QByteArray, QByteArray, QString, QString>(); // support, current, shown ("-": the row hides), menu
        row("name holds a colon, no line feed", QByteArray("1:NEC\n7: Mode: B "), QByteArray("7"), "Mode: B",
            "NEC,Mode: B @1");
        row("garbage lines are no modes", QByteArray("\n\x01\xff\nx:Bad\n:None\nRC5\n3:Sony\n"), QByteArray("3\n2\n"),
            "Sony", "Sony @0");
        row("current not offered", QByteArray("1:NEC\n"), QByteArray("4"), "-", "NEC @-1");
        row("current not a number", QByteArray("0:Zero\n"), QByteArray("one"), "-", "Zero @-1");
        row("no support file", QByteArray(), QByteArray("1"), "-", "-");
    }
    void receiverMode()
    {
        const auto [support, current, shown, menu] = fetch<QByteArray, QByteArray, QString, QString>();
        ScratchSysroot root;
        if (!support.isNull())
            root.write(kModes, support);
        if (!current.isNull())
            root.write(kCurrent, current);
        QCOMPARE(IrReceiverMode::currentName().value_or("-"), shown);
        const auto modes = IrReceiverMode::modes();
        QCOMPARE(modes ? menuText(PrefChoices::receiverModes(*modes, shown)) : "-", menu);
    }

    // A chosen mode is kept and put back when the driver forgot it; its file is never created.
    void receiverChoiceKept()
    {
        ScratchSysroot root;
        root.write(kModes, "1:NEC\n2:RC6\n");
        root.write(kCurrent, "2\n");
        IrReceiverMode::restoreStored(); // nothing kept yet
        QCOMPARE(root.read(kCurrent), "2\n");
        IrReceiverMode::choose(1);
        root.write(kCurrent, "2\n"); // the driver forgot it
        IrReceiverMode::restoreStored();
        QCOMPARE(root.read(kCurrent), "1");
        QFile::remove(root.path(kCurrent));
        IrReceiverMode::choose(2);
        IrReceiverMode::restoreStored();
        QVERIFY(!QFile::exists(root.path(kCurrent)));
        QCOMPARE(UserSettings::internalIr(), 2);
    }

    // ALSA's default device set in place, the rest of the file kept; a missing file is not created.
    void alsaDefault_data()
    {
        columns<QByteArray, QByteArray>(); // the file before (null: none), after
        row("first of two replaced",
            QByteArray("defaults.pcm.card 0\n  defaults.pcm.device 0 # x\ndefaults.pcm.device 5\n"),
            QByteArray("defaults.pcm.card 0\ndefaults.pcm.device 7\ndefaults.pcm.device 5\n"));
        row("key needs its blank", QByteArray("defaults.pcm.devices 1\ndefaults.pcm.device\t2"),
            QByteArray("defaults.pcm.devices 1\ndefaults.pcm.device\t2\ndefaults.pcm.device 7\n"));
        row("long line", QByteArray(1023, '#') + "defaults.pcm.device 1 tail\nz\n",
            QByteArray(1023, '#') + "defaults.pcm.device 7\nz\n");
        row("missing", QByteArray(), QByteArray());
    }
    void alsaDefault()
    {
        const auto [before, after] = fetch<QByteArray, QByteArray>();
        ScratchSysroot root;
        if (!before.isNull())
            root.write("/a.conf", before);
        QCOMPARE(AlsaDefaults::setDefaultDevice(root.path("/a.conf"), 7), !before.isNull());
        QCOMPARE(QFile::exists(root.path("/a.conf")), !before.isNull());
        if (!before.isNull())
            QCOMPARE(root.read("/a.conf"), after);
    }

    // The audio row's menu; the chosen output becomes ALSA's default device too.
    void audioChoice()
    {
        Appliance_s a;
        a.root.write("/usr/share/alsa/alsa.conf", "defaults.pcm.card 0\ndefaults.pcm.device 0\n");
        AudioConfig audio;
        QCOMPARE(menuText(PrefChoices::audioOutputs(audio)), "Analog,HDMI 1,HDMI 2 @1");
        const QString alsa = a.root.path("/usr/share/alsa/alsa.conf");
        QCOMPARE(PrefChoices::chooseAudioOutput(audio, 2, alsa).value_or("-"), "HDMI 2");
        QVERIFY(!PrefChoices::chooseAudioOutput(audio, 3, alsa));
        QCOMPARE(a.root.read("/usr/share/alsa/alsa.conf"), "defaults.pcm.card 0\ndefaults.pcm.device 7\n");
    }

    // Entering relists the outputs, reloads sinks only after the cards changed, and makes HDMI 1 (41) the default.
    void audioOnEntering()
    {
        PrefScene_s scene;
        scene.root.write("/etc/Tellora/config/nasaudio.conf", nasaudio());
        scene.runner.answer(".*/bin/pactl -f json list sinks short\"", kSinks);
        scene.build();
        scene.runner.answer(".* -c \"aplay -l \\| grep \\^card\"", aplay("appliance"));
        scene.runner.clear();
        Ui::SettingsDialog& ui = *scene.enter("rbtPref").form();
        ui.rbtDisp->setChecked(true);
        ui.rbtPref->setChecked(true);
        QVERIFY(settleCommands());
        const QStringList enter = {"/bin/bash -c \"aplay -l | grep ^card\"",
            "/bin/bash -c \"/bin/pactl -f json list sinks short\"", "/bin/bash -c \"/bin/pactl set-default-sink 41\""};
        QStringList load = {enter[0], "/bin/bash -c \"pactl unload-module module-alsa-sink\""};
        for (const char* dev : {"0,0", "0,3", "0,7"})
            load << QString("/bin/bash -c \"pactl load-module module-alsa-sink device=hw:%1\"").arg(dev);
        QCOMPARE(scene.runner.lines().filter(QRegularExpression("aplay|pactl")).replaceInStrings(scene.root.root(), ""),
            load + enter.mid(1) + enter);
    }

    // Entering the page and switching the language show the busy sign before they wait.
    void busySignFirst()
    {
        PrefScene_s scene;
        SettingsDialog& d = scene.open();
        QVERIFY(settleCommands());
        SignWatch_s watch(scene.runner);
        d.form()->rbtPref->setChecked(true);
        QVERIFY(settleCommands());
        const int entering = std::exchange(watch.waits, 0);
        d.retranslateUi("ger");
        QVERIFY(settleCommands());
        QVERIFY(entering > 0 && watch.waits > 0);
        QCOMPARE(watch.bare, QStringList());
    }

    // Slot rows read "Reset" once learned; choosing the current language again changes nothing but reads them again.
    void learnedRemotes()
    {
        PrefScene_s scene;
        UserSettings::open()->setValue("Preference/Language", "eng");
        UserSettings::open()->setValue("RemoteKeySet1/key0", "4000");
        Ui::SettingsDialog& ui = *scene.enter("rbtPref").form();
        const auto texts = [&] { return QStringList {ui.txtCR_1->text(), ui.txtCR_2->text(), ui.txtCR_3->text()}; };
        QCOMPARE(texts(), QStringList({"Learn now", "Reset", "Learn now"}));
        UserSettings::open()->setValue("RemoteKeySet2/key0", "5000"); // learned meanwhile
        QString offered;
        onModal([&](QWidget* menu) {
            offered = entries(menu);
            QTest::keyClick(menu, Qt::Key_Return);
        });
        pressKey(Qt::Key_Return);
        QVERIFY(offered.contains("|*English|"));
        QCOMPARE(texts(), QStringList({"Learn now", "Reset", "Reset"}));
        QCOMPARE(ui.txtPrefLang->text(), "English");
        QCOMPARE(UserSettings::open()->value("Preference/Language").toString(), "eng");
    }

    // A click on a row focuses it; a click on the focused row opens the same menu as Right.
    void receiverMenuByMouse()
    {
        PrefScene_s scene;
        Ui::SettingsDialog& ui = *scene.enter("rbtPref").form();
        QTest::mouseClick(ui.frmPrefIr, Qt::LeftButton);
        QCOMPARE(focused(), "frmPrefIr");
        QVERIFY(!QApplication::activePopupWidget());
        QString byKey, byClick;
        const auto menuKeys = [](QString* offered) {
            onModal([=](QWidget* menu) {
                *offered = entries(menu);
                QTest::keyClick(menu, Qt::Key_Up);
                QTest::keyClick(menu, Qt::Key_Escape);
            });
        };
        menuKeys(&byKey);
        pressKey(Qt::Key_Right);
        menuKeys(&byClick);
        QTest::mouseClick(ui.frmPrefIr, Qt::LeftButton);
        QCOMPARE(byKey, "NEC|*RC6|[Back]");
        QCOMPARE(byClick, byKey);
        QCOMPARE(scene.root.read(kCurrent), "2\n");
        QCOMPARE(ui.txtPrefIr->text(), "RC6");
        QCOMPARE(focused(), "frmPrefIr");
    }
};

QTEST_MAIN(TstPreferencesPage)
#include "tst_preferencespage.moc"
