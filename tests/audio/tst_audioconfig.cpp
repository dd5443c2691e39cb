// The audio model on what aplay, pactl and the appliance's files hold, and the user's choice in .asoundrc.
#include "AudioFixture.h"
#include "DataRows.h"
#include "PlantedFifo.h"
#include "audio/AudioToolOutput.h"

#include <QtTest>

#include <atomic>
#include <thread>

class TstAudioConfig : public QObject
{
    Q_OBJECT

private slots:
    // A card line's fields: a KAB card escapes the "Generic" rule, " device" in a card's name stays.
    void aplayLines_data()
    {
        columns<QString, QString>(); // the line, "card|id|name|device|id|name|shown card|shown device"
        row("KAB generic", "card 3: KAB [kab Generic], device 0: USB Audio [USB Audio #1]",
            "3|KAB|kab Generic|0|USB Audio|USB Audio #1|card 3: KAB [kab Generic]|USB Audio #1");
        row("device in the card name", "card 4: Dev [USB device], device 1: Out [Out]",
            "4|Dev|USB device|1|Out|Out|card 4: Dev [USB device]|Out");
    }
    void aplayLines()
    {
        const auto [line, expect] = fetch<QString, QString>();
        QStringList seen;
        for (const st_audiohwinfo& d : AudioToolOutput::devices(line.toUtf8()))
            seen << QString::number(d.cardIndex) + '|' + d.cardId + '|' + d.cardName + '|' + QString::number(d.devIndex)
                    + '|' + d.devId + '|' + d.devName + '|' + d.setCard + '|' + d.setDevName;
        QCOMPARE(seen.join('\n'), expect);
    }

    // The configuration renames, keys and hides devices; the enclosure's bit 28 decides on the analog entry.
    void names_data()
    {
        columns<QByteArray, QByteArray, QByteArray, QString, int>(); // aplay, nasaudio.conf, CAP, devices, default
        const QString hdmi2 = "HDMI 2/HDMI2//sys/class/drm/card0-HDMI-A-2/edid";
        const QString hdmi = "HDMI 1/HDMI1//sys/class/drm/card0-HDMI-A-1/edid " + hdmi2;
        row("analog output", aplay("appliance"), nasaudio(), QByteArray("0x1000400F"), "Analog/Analog/ " + hdmi, 1);
        row("no analog output", aplay("appliance"), nasaudio(), QByteArray("EFFFFFFF"), "ALC662 rev3 Analog// " + hdmi,
            1);
        row("HDMI1 entry of another card", aplay("appliance"),
            nasaudio("cardid = PCH\ncardname = HDA Intel PCH\ndevid = HDMI 0", "cardid = X"), QByteArray("0x10000000"),
            "Analog/Analog/ HDMI 0// " + hdmi2, -1);
        row("desktop, no entry matches", aplay("desktop"), nasaudio(), QByteArray(),
            "HDMI 0// Analog// Analog// Output 0// Output 1// USB Audio//", -1);
    }
    void names()
    {
        const auto [cards, conf, cap, expect, defaultIndex] = fetch<QByteArray, QByteArray, QByteArray, QString, int>();
        Appliance_s a(cards, conf, kSinks, cap);
        const AudioConfig audio;
        QStringList devices; // "label/key/EDID file"
        for (const st_audiohwinfo& d : audio.devices())
            devices << d.setDevName + '/' + d.key + '/' + d.edidFile;
        QCOMPARE(devices.join(' '), expect);
        QCOMPARE(audio.defaultIndex(), defaultIndex);
    }

    // Which device .asoundrc chooses (Analog 0/0, HDMI1 0/3 the default, HDMI2 0/7) and the file afterwards.
    void userChoice_data()
    {
        columns<QByteArray, QByteArray, int, QString>(); // .asoundrc (null: none), nasaudio.conf, chosen, after
        row("ours", marker("HDMI2", 0, 7).toUtf8() + "# kept\n", nasaudio(), 2, ""); // after: as it was
        row("ours, card renumbered", marker("HDMI2", 1, 7).toUtf8(), nasaudio(), 2, marker("HDMI2", 0, 7));
        row("another program's 0/3",
            QByteArray("pcm.!default {\n type hw\n}\ndefaults.pcm.card 0\ndefaults.pcm.device 3\n"), nasaudio(), 1, "");
        row("garbage", QByteArray("\xff\x00 defaults.pcm.card x\n", 23), nasaudio(), 1, marker("HDMI1", 0, 3));
        row("none, no default", QByteArray(), nasaudio("default = HDMI1", ""), 0, marker("Analog", 0, 0));
        row("no devices", QByteArray(), QByteArray(), -1, "-");
    }
    void userChoice()
    {
        const auto [file, conf, current, after] = fetch<QByteArray, QByteArray, int, QString>();
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
        const bool opened = fifo.wasOpened(); // before our own reader, which the FIFO would count
        const int reader = ::open(qPrintable(a.path()), O_RDONLY | O_NONBLOCK | O_CLOEXEC); // lets a writer go
        t.join();
        ::close(reader);
        QVERIFY(done && current == 1 && !opened);
    }

    // A second reload: a sink list that is not an array keeps the indices; sinks the server lost are loaded again.
    void sinksReloaded_data()
    {
        columns<QByteArray, QString, int>(); // the sink list, the indices after, the sinks loaded
        row("not an array", QByteArray(R"({"index":1,"name":"alsa_output.hw:0,0"})"), "40 41 42", 0);
        row("lost", QByteArray("[]"), "-1 -1 -1", 3);
    }
    void sinksReloaded()
    {
        const auto [sinks, indices, loaded] = fetch<QByteArray, QString, int>();
        Appliance_s a;
        AudioConfig audio;
        RecordingRunner second;
        second.answer(".*list sinks.*", sinks);
        audio.PulseAudioSinksReload();
        QStringList seen;
        for (const st_audiohwinfo& d : audio.devices())
            seen << QString::number(d.sinkIndex);
        QCOMPARE(seen.join(' '), indices);
        QCOMPARE(second.lines().filter("load-module module-alsa-sink device=").size(), loaded);
    }

    // A test of the chosen device plays on it alone; .asoundrc stays.
    void testChosen()
    {
        Appliance_s a;
        QVERIFY(a.root.write("/home/admin/.asoundrc", marker("HDMI1", 0, 3).toUtf8()));
        AudioConfig audio;
        a.runner.clear();
        QVERIFY(audio.testDevice(1));
        QCOMPARE(a.lines(),
            QStringList({"pw-cat -p /usr/share/sounds/alsa/Front_Left.wav",
                "pw-cat -p /usr/share/sounds/alsa/Front_Right.wav"}));
        QCOMPARE(audio.currentIndex(), 1);
        QCOMPARE(a.asoundrc(), marker("HDMI1", 0, 3));
    }

    // An HDMI output's monitor is looked up by the configured EDID file, or else by card and connector.
    void monitorLookups()
    {
        Appliance_s a(aplay("appliance"), nasaudio("edid_path = /sys/class/drm/card0-HDMI-A-2", ""));
        const AudioConfig audio;
        QStringList asked;
        for (int i = 0; i < audio.count(); ++i)
            audio.outputLabel(
                i, [&](const MonitorRef_s& m) { return asked << m.edidFile + '|' + m.card + '|' + m.port, QString(); });
        QCOMPARE(asked, QStringList({"/sys/class/drm/card0-HDMI-A-1/edid|0|1", "|0|2"}));
    }
};

QTEST_GUILESS_MAIN(TstAudioConfig)
#include "tst_audioconfig.moc"
