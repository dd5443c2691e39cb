// The audio model on what aplay, pactl and the appliance's files hold (the simulator's listings of real machines),
// the user's choice in .asoundrc and the exact commands.
#include "AudioFixture.h"
#include "PlantedFifo.h"
#include "audio/AudioToolOutput.h"

#include <QtTest>

#include <atomic>
#include <thread>

namespace {

// Each device as "label/key/EDID file" or "label/sink index".
QString devices(const AudioConfig& audio, bool sinks = false)
{
    QStringList out;
    for (const st_audiohwinfo& d : audio.devices())
        out << d.setDevName + '/' + (sinks ? QString::number(d.sinkIndex) : d.key + '/' + d.edidFile);
    return out.join(' ');
}

} // namespace

class TstAudioConfig : public QObject
{
    Q_OBJECT

private slots:
    // Numbers, ids and names of each card line, and the shown names after the renaming rules.
    void aplayLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expect");
        QTest::newRow("Intel HDMI") << "card 0: PCH [HDA Intel PCH], device 3: HDMI 0 [HDMI 0]"
                                    << "0|PCH|HDA Intel PCH|3|HDMI 0|HDMI 0|card 0: PCH [HDA Intel PCH]|HDMI 0";
        QTest::newRow("generic codec") << "card 1: Generic [HD-Audio Generic], device 0: ALC897 Analog [ALC897 Analog]"
                                       << "1|Generic|HD-Audio Generic|0|ALC897 Analog|ALC897 Analog|NAS Audio|Analog";
        QTest::newRow("NVIDIA") << "card 2: NVidia [HDA NVidia], device 7: HDMI 1 [HDMI 1]"
                                << "2|NVidia|HDA NVidia|7|HDMI 1|HDMI 1|card 2: NVidia [HDA NVidia]|Output 1";
        QTest::newRow("KAB generic")
            << "card 3: KAB [kab Generic], device 0: USB Audio [USB Audio #1]"
            << "3|KAB|kab Generic|0|USB Audio|USB Audio #1|card 3: KAB [kab Generic]|USB Audio #1";
        QTest::newRow("device in the card name") << "card 4: Dev [USB device], device 1: Out [Out]"
                                                 << "4|Dev|USB device|1|Out|Out|card 4: Dev [USB device]|Out";
        QTest::newRow("header") << "**** List of PLAYBACK Hardware Devices ****"
                                << "";
        QTest::newRow("no device") << "card 0: PCH [HDA Intel PCH]"
                                   << "";
        QTest::newRow("bad numbers") << "card x: PCH [PCH], device 3: A [A]\ncard 0: P [P], device -3: A [A]"
                                     << "";
        QTest::newRow("no brackets") << "card 0: PCH, device 3: HDMI 0"
                                     << "";
    }
    void aplayLines()
    {
        QFETCH(QString, line);
        QFETCH(QString, expect);
        QStringList seen;
        for (const st_audiohwinfo& d : AudioToolOutput::devices(line.toUtf8()))
            seen << QString::number(d.cardIndex) + '|' + d.cardId + '|' + d.cardName + '|' + QString::number(d.devIndex)
                    + '|' + d.devId + '|' + d.devName + '|' + d.setCard + '|' + d.setDevName;
        QCOMPARE(seen.join('\n'), expect);
    }

    // The configuration renames, keys and hides devices; the enclosure's bit 28 decides on the analog entry.
    void names_data()
    {
        QTest::addColumn<QByteArray>("cards");
        QTest::addColumn<QByteArray>("conf");
        QTest::addColumn<QByteArray>("cap");
        QTest::addColumn<QString>("expect");
        QTest::addColumn<int>("defaultIndex");
        const QString hdmi2 = "HDMI 2/HDMI2//sys/class/drm/card0-HDMI-A-2/edid";
        const QString hdmi = "HDMI 1/HDMI1//sys/class/drm/card0-HDMI-A-1/edid " + hdmi2;
        QTest::newRow("analog output") << aplay("appliance") << nasaudio() << QByteArray("0x1000400F")
                                       << "Analog/Analog/ " + hdmi << 1;
        QTest::newRow("no analog output")
            << aplay("appliance") << nasaudio() << QByteArray("EFFFFFFF") << "ALC662 rev3 Analog// " + hdmi << 1;
        QTest::newRow("HDMI1 entry of another card")
            << aplay("appliance") << nasaudio("cardid = PCH\ncardname = HDA Intel PCH\ndevid = HDMI 0", "cardid = X")
            << QByteArray("0x10000000") << "Analog/Analog/ HDMI 0// " + hdmi2 << -1;
        QTest::newRow("desktop, no entry matches")
            << aplay("desktop") << nasaudio() << QByteArray()
            << "HDMI 0// Analog// Analog// Output 0// Output 1// USB Audio//" << -1;
    }
    void names()
    {
        QFETCH(QByteArray, cards);
        QFETCH(QByteArray, conf);
        QFETCH(QByteArray, cap);
        QFETCH(QString, expect);
        QFETCH(int, defaultIndex);
        Appliance_s a(cards, conf, kSinks, cap);
        const AudioConfig audio;
        QCOMPARE(devices(audio), expect);
        QCOMPARE(audio.defaultIndex(), defaultIndex);
    }

    // Which device .asoundrc chooses (Analog 0/0, HDMI1 0/3 the default, HDMI2 0/7) and the file afterwards.
    void userChoice_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: none
        QTest::addColumn<QByteArray>("conf");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("after"); // empty: as it was
        QTest::newRow("ours") << marker("HDMI2", 0, 7).toUtf8() + "# kept\n" << nasaudio() << 2 << QString();
        QTest::newRow("ours, card renumbered")
            << marker("HDMI2", 1, 7).toUtf8() << nasaudio() << 2 << marker("HDMI2", 0, 7);
        QTest::newRow("another program's 0/3")
            << QByteArray("pcm.!default {\n type hw\n}\ndefaults.pcm.card 0\ndefaults.pcm.device 3\n") << nasaudio()
            << 1 << QString();
        QTest::newRow("unknown key, known numbers") << marker("HDMI9", 0, 0).toUtf8() << nasaudio() << 0 << QString();
        QTest::newRow("numbers of no device")
            << QByteArray("defaults.pcm.card 5\ndefaults.pcm.device 0\n") << nasaudio() << 1 << marker("HDMI1", 0, 3);
        QTest::newRow("card only") << QByteArray("defaults.pcm.card 0\n") << nasaudio() << 1 << marker("HDMI1", 0, 3);
        QTest::newRow("garbage") << QByteArray("\xff\x00 defaults.pcm.card x\n", 23) << nasaudio() << 1
                                 << marker("HDMI1", 0, 3);
        QTest::newRow("none") << QByteArray() << nasaudio() << 1 << marker("HDMI1", 0, 3);
        QTest::newRow("no default") << QByteArray() << nasaudio("default = HDMI1", "") << 0 << marker("Analog", 0, 0);
        QTest::newRow("no devices") << QByteArray() << QByteArray() << -1 << "-";
    }
    void userChoice()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, conf);
        QFETCH(int, current);
        QFETCH(QString, after);
        Appliance_s a(conf.isNull() ? QByteArray() : aplay("appliance"), conf);
        if (!file.isNull())
            QVERIFY(a.root.write("/home/admin/.asoundrc", file));
        const AudioConfig audio;
        QCOMPARE(audio.currentIndex(), current);
        QCOMPARE(a.asoundrc(), after.isEmpty() ? QString::fromUtf8(file) : after);
        for (int i = 0; i < audio.count(); ++i)
            QCOMPARE(audio.get(i)->current, int(i == current));
    }

    // A FIFO as .asoundrc is neither read nor written, either of which would wait for ever: the default is chosen.
    void fifoUserChoice()
    {
        Appliance_s a;
        PlantedFifo fifo(a.path());
        std::atomic<int> current {-2};
        std::thread t([&] { current = AudioConfig().currentIndex(); });
        const bool done = QTest::qWaitFor([&] { return current != -2; }, 5000);
        const int reader = ::open(qPrintable(a.path()), O_RDONLY | O_NONBLOCK | O_CLOEXEC); // lets a writer go
        t.join();
        ::close(reader);
        QVERIFY(done && current == 1 && !fifo.wasOpened());
    }

    // A sink list that is not a JSON array leaves the indices of the last reload.
    void sinksKeptOnBadList()
    {
        Appliance_s a;
        AudioConfig audio;
        RecordingRunner second;
        second.answer(".*", R"({"index":1,"name":"alsa_output.hw:0,0"})");
        audio.PulseAudioSinksReload();
        QCOMPARE(devices(audio, true), "Analog/40 HDMI 1/41 HDMI 2/42");
    }

    // The exact commands of each operation once the model is built (HDMI1 chosen, sink 41), the chosen device and
    // .asoundrc afterwards: a test plays on its device and comes back to the chosen one, the file untouched.
    void commands_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("file");
        const QString sink = "/bin/bash -c \"/bin/pactl set-default-sink %1\"";
        const QStringList play
            = {"pw-cat -p /usr/share/sounds/alsa/Front_Left.wav", "pw-cat -p /usr/share/sounds/alsa/Front_Right.wav"};
        const QString chosen = marker("HDMI1", 0, 3);
        QStringList load
            = {"/bin/bash -c \"aplay -l | grep ^card\"", "/bin/bash -c \"pactl unload-module module-alsa-sink\""};
        for (const char* dev : {"0,0", "0,3", "0,7"})
            load << QString("/bin/bash -c \"pactl load-module module-alsa-sink device=hw:%1\"").arg(dev);
        QTest::newRow("refresh") << "refresh"
                                 << load + QStringList {"/bin/bash -c \"/bin/pactl -f json list sinks short\""} << 1
                                 << chosen;
        QTest::newRow("set the chosen one") << "set 1" << QStringList {sink.arg(41)} << 1 << chosen;
        QTest::newRow("set outside") << "set 3" << QStringList() << 1 << chosen;
        QTest::newRow("test the chosen one") << "test 1" << play << 1 << chosen;
        QTest::newRow("test outside") << "test -1" << QStringList() << 1 << chosen;
    }
    void commands()
    {
        QFETCH(QString, action);
        QFETCH(QStringList, lines);
        QFETCH(int, current);
        QFETCH(QString, file);
        Appliance_s a;
        QVERIFY(a.root.write("/home/admin/.asoundrc", marker("HDMI1", 0, 3).toUtf8()));
        AudioConfig audio;
        if (action != "refresh")
            a.runner.clear();
        const int i = action.section(' ', 1).toInt();
        QCOMPARE(action.startsWith("set")   ? audio.set(i)
                : action.startsWith("test") ? audio.testDevice(i)
                                            : true,
            !lines.isEmpty());
        QCOMPARE(a.lines(), lines);
        QCOMPARE(audio.currentIndex(), current);
        QCOMPARE(a.asoundrc(), file);
    }

    // HDMI outputs are named after their monitor, found through the caller's reader.
    void monitorLabels()
    {
        Appliance_s a(aplay("appliance"), nasaudio("edid_path = /sys/class/drm/card0-HDMI-A-2", ""));
        const AudioConfig audio;
        QStringList asked, labels;
        for (int i = 0; i < audio.count(); ++i)
            labels << audio.outputLabel(i, [&](const MonitorRef_s& m) {
                asked << m.edidFile + '|' + m.card + '|' + m.port;
                return m.edidFile.isEmpty() ? QString() : QStringLiteral("TV-55X");
            });
        QCOMPARE(labels, QStringList({"Analog", "HDMI 1: TV-55X", "HDMI 2"}));
        QCOMPARE(asked, QStringList({"/sys/class/drm/card0-HDMI-A-1/edid|0|1", "|0|2"}));
    }
};

QTEST_GUILESS_MAIN(TstAudioConfig)
#include "tst_audioconfig.moc"
