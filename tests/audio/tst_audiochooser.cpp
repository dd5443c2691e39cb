// The audio output chooser (Analog 0/0, HDMI 1 0/3 chosen, HDMI 2 0/7): rows, the remote, tests, Apply, 4K sizes.
#include "AudioFixture.h"
#include "DataRows.h"
#include "WidgetFixture.h"
#include "audiochooser/AudioDetectDialog.h"
#include "audiochooser/QTestAudioButton.h"
#include "home/RemoteKeys.h"
#include "lirc/LircInput.h"

#include <QLayout>
#include <QLocalServer>
#include <QRadioButton>
#include <QtTest>

namespace {

// The chooser shown and active, its IR client connected to a stand-in of the daemon.
struct Chooser_s : Appliance_s {
    AudioConfig audio;
    QLocalServer daemon;
    bool listening = QDir().mkpath(root.path("/dev")) && daemon.listen(root.path("/dev/lircd"));
    AudioDetectDialog dialog;
    Chooser_s()
        : dialog(nullptr, &audio)
    {
        dialog.show();
        dialog.activateWindow();
        dialog.initFocus();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QTRY_VERIFY(listening && dialog.lircInput()->isConnected());
    }
    QPushButton* button(const char* name) const { return dialog.findChild<QPushButton*>(name); }
    // One line of the IR daemon to the chooser; the home window's keys, when given, read it before (first) or after.
    void remote(const QString& line, RemoteKeys* home = nullptr, bool first = false)
    {
        if (home && first)
            home->keyLine(line);
        dialog.ad_irkeyPressed(line);
        QCoreApplication::sendPostedEvents();
        if (home && !first)
            home->keyLine(line);
        QCoreApplication::sendPostedEvents();
    }
};

} // namespace

class TstAudioChooser : public QObject
{
    Q_OBJECT

private slots:
    // Rows in order, HDMI ones named from their monitor's EDID, the chosen one checked; screen.conf changes relabel.
    void rowsAndRelabel()
    {
        Appliance_s a;
        const QString edid = "/sys/class/drm/card0-HDMI-A-1/edid", conf = "/etc/Tellora/config/screen.conf";
        a.runner.answer(".*parse-edid < .*card0-HDMI-A-1/edid\"",
            "Section \"Monitor\"\n\tIdentifier \"Sofa View 55\"\n\tModelName \"Sofa View 55\"\nEndSection\n");
        QVERIFY(a.root.write(edid, "EDID") && a.root.write(conf, "[Screen1]\nName = HDMI-1\n"));
        AudioConfig audio;
        AudioDetectDialog dialog(nullptr, &audio);
        QStringList rows;
        for (int i = 0; i < audio.count(); ++i)
            rows << dialog.radioButton(i)->text() + (dialog.radioButton(i)->isChecked() ? " *" : "") + " | "
                    + dialog.testButton(i)->text();
        QCOMPARE(rows, QStringList({"Analog | Test", "HDMI 1: Sofa View 55 * | Test", "HDMI 2 | Test"}));

        const qsizetype reads = a.lines().filter("aplay").size();
        QVERIFY(QFile::remove(a.root.path(conf)));
        QTRY_VERIFY_WITH_TIMEOUT(a.lines().filter("aplay").size() > reads, 30000);
        QVERIFY(QFile::remove(a.root.path(edid))); // the monitor on HDMI 1 went
        QVERIFY(a.root.write(conf, "[Screen2]\nName = HDMI-2\n"));
        QTRY_COMPARE_WITH_TIMEOUT(dialog.radioButton(1)->text(), QString("HDMI 1"), 30000);
    }

    // Opening the chooser over the window that opened it, and a test sound, show the busy sign before they wait.
    void busySignFirst()
    {
        Appliance_s a;
        AudioConfig audio;
        QWidget home;
        home.resize(640, 360);
        home.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home));
        SignWatch_s watch(a.runner);
        AudioDetectDialog dialog(&home, &audio);
        const int opening = std::exchange(watch.waits, 0);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        dialog.findChild<QPushButton*>("pbtTest1")->click();
        QVERIFY(opening > 0 && watch.waits > 0);
        QCOMPARE(watch.bare, QStringList());
    }

    // The remote: a test plays once and gives the sound back, only Apply changes the choice, the home ignores it.
    void remote_data()
    {
        columns<QString, QString, QStringList, QString, bool>(); // keys, the home's copy, commands, .asoundrc, open
        const QString kept = marker("HDMI1", 0, 3), sink = "/bin/bash -c \"/bin/pactl set-default-sink %1\"";
        const QStringList play
            = {"pw-cat -p /usr/share/sounds/alsa/Front_Left.wav", "pw-cat -p /usr/share/sounds/alsa/Front_Right.wav"};
        const QString keys = "DOWN RIGHT OK OK:01 ENTER:02 LEFT DOWN DOWN OK DOWN OK";
        const QStringList commands = QStringList {sink.arg(40)} + play + QStringList {sink.arg(41), sink.arg(42)};
        for (const QString home : {"none", "first", "after"})
            row("test the analog output, pick HDMI 2, apply; home's copy " + home.toLatin1(), keys, home, commands,
                marker("HDMI2", 0, 7), false);
        row("apply without a pick", "DOWN DOWN DOWN DOWN ENTER", "none", QStringList(), kept, false);
        row("keys the chooser does not take", "POWER MENU BACK", "first", QStringList(), kept, true);
    }
    void remote()
    {
        const auto [keys, home, lines, file, open] = fetch<QString, QString, QStringList, QString, bool>();
        Chooser_s c;
        RemoteKeys homeKeys;
        c.runner.clear();
        int code = 0;
        for (const QString& key : keys.split(' ')) {
            const QString repeat = key.section(':', 1);
            c.remote(QString("%1 %2 KEY_%3 simremote\n")
                         .arg(++code, 16, 16, QChar('0'))
                         .arg(repeat.isEmpty() ? "00" : repeat)
                         .arg(key.section(':', 0, 0)),
                home == "none" ? nullptr : &homeKeys, home == "first");
        }
        QCOMPARE(c.lines(), lines);
        QCOMPARE(c.asoundrc(), file);
        QCOMPARE(c.dialog.isVisible(), open);
    }

    // HDMI 2 goes while the chooser is open: a click on its stale row picks nothing, Apply takes the row picked before.
    void vanishedRow()
    {
        Chooser_s c;
        c.dialog.radioButton(0)->click();
        c.root.write("/etc/Tellora/config/nasaudio.conf", nasaudio("set_devname = HDMI 2", "set_devname = Reserved"));
        c.dialog.updateDevList(c.root.path("/etc/Tellora/config/screen.conf"));
        QCOMPARE(c.audio.count(), 2);
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression("row 2 .* 2 outputs"));
        c.dialog.radioButton(2)->click();
        c.button("applyButton")->click();
        QCOMPARE(c.asoundrc(), marker("Analog", 0, 0));
    }

    // Every size is twice as large on a 3840 x 2160 screen as on 1920 x 1080.
    void sizes()
    {
        Chooser_s c;
        const auto measure = [&](int width, int height) {
            c.dialog.resize(width, height);
            c.dialog.layout()->activate();
            return QList<QSize> {c.dialog.radioButton(0)->sizeHint(), c.dialog.testButton(0)->sizeHint(),
                c.dialog.testButton(0)->iconSize(), c.button("closeButton")->sizeHint(),
                c.button("closeButton")->iconSize(), c.button("applyButton")->sizeHint(),
                c.dialog.findChild<QWidget*>("scrollArea")->size()};
        };
        QList<QSize> hd = measure(1920, 1080);
        for (QSize& s : hd)
            s *= 2;
        QCOMPARE(measure(3840, 2160), hd);
    }
};

QTEST_MAIN(TstAudioChooser)
#include "tst_audiochooser.moc"
