// The audio model against what aplay, pactl and the appliance's files really hold: names, the user's choice in
// .asoundrc, the sinks, the exact command lines, and the simulated machine end to end.
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "audio/AudioConfig.h"
#include "audio/AudioToolOutput.h"

#include <QtTest>

#include <latch>
#include <thread>

namespace {

// "aplay -l" of the appliance: its codec's analog output and three HDMI devices.
const QByteArray kAplay = "**** List of PLAYBACK Hardware Devices ****\n"
                          "card 0: PCH [HDA Intel PCH], device 0: ALC662 rev3 Analog [ALC662 rev3 Analog]\n"
                          "  Subdevices: 1/1\n"
                          "  Subdevice #0: subdevice #0\n"
                          "card 0: PCH [HDA Intel PCH], device 3: HDMI 0 [HDMI 0]\n"
                          "  Subdevices: 1/1\n"
                          "  Subdevice #0: subdevice #0\n"
                          "card 0: PCH [HDA Intel PCH], device 7: HDMI 1 [HDMI 1]\n"
                          "  Subdevices: 1/1\n"
                          "  Subdevice #0: subdevice #0\n"
                          "card 0: PCH [HDA Intel PCH], device 8: HDMI 2 [HDMI 2]\n"
                          "  Subdevices: 1/1\n"
                          "  Subdevice #0: subdevice #0\n";

// pactl -f json list sinks short with the three sinks loaded, after the session manager's own (no ALSA device).
const QByteArray kSinks
    = R"([{"index":38,"name":"alsa_output.pci-0000_00_1f.3.analog-stereo","driver":"PipeWire","sample_specification":)"
      R"("s32le 2ch 48000Hz","state":"SUSPENDED"},{"index":40,"name":"alsa_output.hw:0,0","driver":"PipeWire",)"
      R"("sample_specification":"s32le 2ch 48000Hz","state":"SUSPENDED"},{"index":41,"name":"alsa_output.hw:0,3",)"
      R"("driver":"PipeWire","sample_specification":"s32le 2ch 48000Hz","state":"SUSPENDED"},{"index":42,"name":)"
      R"("alsa_output.hw:0,7","driver":"PipeWire","sample_specification":"s32le 2ch 48000Hz","state":"SUSPENDED"}])"
      "\n";

QByteArray entry(const char* key, int dev, const char* devId, const char* devName, const char* shown,
    const char* edid = "", const char* cardId = "PCH")
{
    return QStringLiteral("\n[%1]\ncardindex = 0\ndevindex = %2\ncardid = %3\ncardname = HDA Intel PCH\ndevid = %4\n"
                          "devname = %5\nset_cardid =\nset_devname = %6\nedid_path = %7\n")
        .arg(key)
        .arg(dev)
        .arg(cardId, devId, devName, shown, edid)
        .toUtf8();
}

// The appliance's audio configuration: two HDMI outputs with their connectors, the third reserved, the analog one.
QByteArray nasaudio(const char* defaultKey = "HDMI1", const char* hdmi1CardId = "PCH", const char* hdmi2Edid = "/e2")
{
    return QByteArray("[Playback]\ndevices = HDMI1, HDMI2,HDMI3,Analog\ndefault = ") + defaultKey + "\n"
        + entry("HDMI1", 3, "HDMI 0", "HDMI 0", "HDMI 1", "/sys/class/drm/card0-HDMI-A-1", hdmi1CardId)
        + entry("HDMI2", 7, "HDMI 1", "HDMI 1", "HDMI 2", hdmi2Edid) + entry("HDMI3", 8, "HDMI 2", "HDMI 2", "Reserved")
        + entry("Analog", 0, "ALC662 rev3 Analog", "Analog", "Line out");
}

const QByteArray kAnalogCap = "[System Enclosure]\nMODEL = TLR-440\nCAP = 0x1000400F\n";

QString marker(const char* key, int card, int dev)
{
    return QStringLiteral("# 54656C6C6F7261 - %1\ndefaults.pcm.card %2\ndefaults.pcm.device %3\n")
        .arg(key)
        .arg(card)
        .arg(dev);
}

// A scratch appliance whose tools answer as the appliance's do.
struct Appliance_s {
    ScratchSysroot root;
    RecordingRunner runner;
    explicit Appliance_s(const QByteArray& aplay = kAplay, const QByteArray& conf = nasaudio(),
        const QByteArray& sinks = kSinks, const QByteArray& model = kAnalogCap)
    {
        runner.answer(".* -c \"aplay -l \\| grep \\^card\"", aplay);
        runner.answer(".*/bin/pactl -f json list sinks short\"", sinks);
        root.write("/etc/Tellora/config/nasaudio.conf", conf);
        root.write("/etc/model.conf", model);
    }
    QString asoundrc() const
    {
        QFile f(root.home() + "/.asoundrc");
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QStringLiteral("(none)");
    }
    void setAsoundrc(const QByteArray& text) const
    {
        QFile f(root.home() + "/.asoundrc");
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
    }
    // Command lines as the appliance runs them.
    QStringList lines() const { return runner.lines().replaceInStrings(root.root(), QString()); }
};

// Each device as "label/key/EDID file".
QString deviceNames(const AudioConfig& audio)
{
    QStringList out;
    for (const st_audiohwinfo& d : audio.devices())
        out << d.setDevName + '/' + d.key + '/' + d.edidFile;
    return out.join(' ');
}

} // namespace

class TstAudioConfig : public QObject
{
    Q_OBJECT

private slots:
    // Card and device numbers, ids and names, and the shown card and device names after the renaming rules.
    void aplayLines_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("expect");
        QTest::newRow("Intel HDMI") << "card 0: PCH [HDA Intel PCH], device 3: HDMI 0 [HDMI 0]"
                                    << "0|PCH|HDA Intel PCH|3|HDMI 0|HDMI 0|card 0: PCH [HDA Intel PCH]|HDMI 0";
        QTest::newRow("generic codec") << "card 1: Generic [HD-Audio Generic], device 0: ALC897 Analog [ALC897 Analog]"
                                       << "1|Generic|HD-Audio Generic|0|ALC897 Analog|ALC897 Analog|NAS Audio|Analog";
        QTest::newRow("NVIDIA HDMI") << "card 2: NVidia [HDA NVidia], device 7: HDMI 1 [HDMI 1]"
                                     << "2|NVidia|HDA NVidia|7|HDMI 1|HDMI 1|card 2: NVidia [HDA NVidia]|Output 1";
        QTest::newRow("KAB generic") << "card 3: KAB [kab Generic USB], device 0: USB Audio [USB Audio]"
                                     << "3|KAB|kab Generic USB|0|USB Audio|USB Audio|card 3: KAB [kab Generic USB]|USB "
                                        "Audio";
        QTest::newRow("device in the card name")
            << "card 4: Device [USB Audio device], device 0: USB Audio [USB Audio #1]"
            << "4|Device|USB Audio device|0|USB Audio|USB Audio #1|card 4: Device [USB Audio device]|USB Audio #1";
        QTest::newRow("header") << "**** List of PLAYBACK Hardware Devices ****"
                                << "-";
        QTest::newRow("subdevices") << "  Subdevices: 1/1"
                                    << "-";
        QTest::newRow("card without device") << "card 0: PCH [HDA Intel PCH]"
                                             << "-";
        QTest::newRow("card number not a number") << "card x: PCH [HDA Intel PCH], device 3: HDMI 0 [HDMI 0]"
                                                  << "-";
        QTest::newRow("negative device") << "card 0: PCH [HDA Intel PCH], device -3: HDMI 0 [HDMI 0]"
                                         << "-";
        QTest::newRow("no brackets") << "card 0: PCH, device 3: HDMI 0"
                                     << "-";
    }
    void aplayLines()
    {
        QFETCH(QString, line);
        QFETCH(QString, expect);
        st_audiohwinfo single;
        const bool parsed = AudioConfig::parse_hwinfo(line, &single);
        const QList<st_audiohwinfo> list = AudioToolOutput::devices(line.toUtf8());
        QCOMPARE(parsed, !list.isEmpty());
        QString seen = "-";
        if (!list.isEmpty()) {
            const st_audiohwinfo& d = list.first();
            seen = QStringList {QString::number(d.cardIndex), d.cardId, d.cardName, QString::number(d.devIndex),
                d.devId, d.devName, d.setCard, d.setDevName}
                       .join('|');
            QCOMPARE(single.card + ", " + single.dev, line);
        }
        QCOMPARE(seen, expect);
    }

    // The audio configuration renames, keys and hides devices; the enclosure's bit 28 decides on the analog entry.
    void names_data()
    {
        QTest::addColumn<QByteArray>("conf");
        QTest::addColumn<QByteArray>("model");
        QTest::addColumn<QString>("expect");
        QTest::addColumn<int>("defaultIndex");
        const QString hdmi = "HDMI 1/HDMI1//sys/class/drm/card0-HDMI-A-1/edid HDMI 2/HDMI2//e2/edid";
        QTest::newRow("analog output") << nasaudio() << kAnalogCap << "Line out/Analog/ " + hdmi << 1;
        QTest::newRow("no analog output")
            << nasaudio() << QByteArray("[System Enclosure]\nCAP = EFFFFFFF\n") << "ALC662 rev3 Analog// " + hdmi << 1;
        QTest::newRow("HDMI1 entry of another card")
            << nasaudio("HDMI1", "NVidia") << kAnalogCap << "Line out/Analog/ HDMI 0// HDMI 2/HDMI2//e2/edid" << -1;
        QTest::newRow("no EDID path") << nasaudio("HDMI2", "PCH",
            "") << kAnalogCap << "Line out/Analog/ HDMI 1/HDMI1//sys/class/drm/card0-HDMI-A-1/edid HDMI 2/HDMI2/"
                                      << 2;
        QTest::newRow("no configuration")
            << QByteArray() << QByteArray() << "ALC662 rev3 Analog// HDMI 0// HDMI 1// HDMI 2//" << -1;
    }
    void names()
    {
        QFETCH(QByteArray, conf);
        QFETCH(QByteArray, model);
        QFETCH(QString, expect);
        QFETCH(int, defaultIndex);
        Appliance_s a(kAplay, conf, kSinks, model);
        const AudioConfig audio;
        QCOMPARE(deviceNames(audio), expect);
        QCOMPARE(audio.defaultIndex(), defaultIndex);
    }

    // Which device .asoundrc chooses (Analog 0/0, HDMI1 0/3, HDMI2 0/7; HDMI1 the default), and whether the file is
    // left as it was or written anew.
    void userChoice_data()
    {
        QTest::addColumn<QByteArray>("file"); // null: no file
        QTest::addColumn<QByteArray>("conf");
        QTest::addColumn<QByteArray>("aplay");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("after"); // empty: unchanged
        const QByteArray ours = marker("HDMI2", 0, 7).toUtf8();
        QTest::newRow("ours") << ours + "# a note\n" << nasaudio() << kAplay << 2 << QString();
        QTest::newRow("ours, card renumbered")
            << marker("HDMI2", 1, 7).toUtf8() << nasaudio() << kAplay << 2 << marker("HDMI2", 0, 7);
        QTest::newRow("another program's, 0/3")
            << QByteArray("pcm.!default {\n type hw\n card 0\n}\ndefaults.pcm.card 0\n"
                          "defaults.pcm.device 3\n")
            << nasaudio() << kAplay << 1 << QString();
        QTest::newRow("unknown key, known numbers")
            << marker("HDMI9", 0, 0).toUtf8() << nasaudio() << kAplay << 0 << QString();
        QTest::newRow("numbers of no device") << QByteArray("defaults.pcm.card 5\ndefaults.pcm.device 0\n")
                                              << nasaudio() << kAplay << 1 << marker("HDMI1", 0, 3);
        QTest::newRow("card only") << QByteArray("defaults.pcm.card 0\n") << nasaudio() << kAplay << 1
                                   << marker("HDMI1", 0, 3);
        QTest::newRow("garbage") << QByteArray("\xff\x00 defaults.pcm.card zero\n", 26) << nasaudio() << kAplay << 1
                                 << marker("HDMI1", 0, 3);
        QTest::newRow("no file") << QByteArray() << nasaudio() << kAplay << 1 << marker("HDMI1", 0, 3);
        QTest::newRow("no default: the first device")
            << QByteArray() << nasaudio("HDMI7") << kAplay << 0 << marker("Analog", 0, 0);
        QTest::newRow("no devices: nothing written") << QByteArray() << nasaudio() << QByteArray() << -1 << "(none)";
    }
    void userChoice()
    {
        QFETCH(QByteArray, file);
        QFETCH(QByteArray, conf);
        QFETCH(QByteArray, aplay);
        QFETCH(int, current);
        QFETCH(QString, after);
        Appliance_s a(aplay, conf);
        if (!file.isNull())
            a.setAsoundrc(file);
        const AudioConfig audio;
        QCOMPARE(audio.currentIndex(), current);
        QCOMPARE(a.asoundrc(), after.isEmpty() ? QString::fromUtf8(file) : after);
        for (int i = 0; i < audio.count(); ++i)
            QCOMPARE(audio.get(i)->current, i == current ? 1 : 0);
    }

    // Sink indices of Analog, HDMI1, HDMI2 from pactl's JSON; the JSON of a second reload, when given.
    void sinks_data()
    {
        QTest::addColumn<QByteArray>("json");
        QTest::addColumn<QByteArray>("again");
        QTest::addColumn<QString>("expect");
        QTest::newRow("three sinks") << kSinks << QByteArray() << "40 41 42";
        QTest::newRow("not an array leaves them")
            << kSinks << QByteArray(R"({"index":1,"name":"alsa_output.hw:0,0"})") << "40 41 42";
        QTest::newRow("names without one colon")
            << QByteArray(R"([{"index":7,"name":"alsa_output.pci-0000_00_1f.3.hdmi-stereo"},)"
                          R"({"index":8,"name":"a:hw:0,3"},{"index":9,"name":"alsa_output.hw:0,7,1"}])")
            << QByteArray() << "-1 -1 -1";
        QTest::newRow("index not a number")
            << QByteArray(R"([{"index":"41","name":"alsa_output.hw:0,3"}])") << QByteArray() << "-1 -1 -1";
        QTest::newRow("truncated") << kSinks.left(200) << QByteArray() << "-1 -1 -1";
    }
    void sinks()
    {
        QFETCH(QByteArray, json);
        QFETCH(QByteArray, again);
        QFETCH(QString, expect);
        Appliance_s a(kAplay, nasaudio(), json);
        AudioConfig audio;
        if (!again.isNull()) {
            RecordingRunner second;
            second.answer(".*/bin/pactl -f json list sinks short\"", again);
            audio.PulseAudioSinksReload();
        }
        QStringList seen;
        for (const st_audiohwinfo& d : audio.devices())
            seen << QString::number(d.sinkIndex);
        QCOMPARE(seen.join(' '), expect);
    }

    // The exact command lines of each operation after the model was built (HDMI1, sink 41, the chosen device), and
    // the chosen device and .asoundrc afterwards: a test plays on its device and comes back to the chosen one.
    void commands_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<int>("current");
        QTest::addColumn<QString>("file");
        const QString sink = "/bin/bash -c \"/bin/pactl set-default-sink %1\"";
        const QStringList play
            = {"pw-cat -p /usr/share/sounds/alsa/Front_Left.wav", "pw-cat -p /usr/share/sounds/alsa/Front_Right.wav"};
        const QString chosen = marker("HDMI1", 0, 3);
        QTest::newRow("refresh") << "refresh" << true
                                 << QStringList {"/bin/bash -c \"aplay -l | grep ^card\"",
                                        "/bin/bash -c \"pactl unload-module module-alsa-sink\"",
                                        "/bin/bash -c \"pactl load-module module-alsa-sink device=hw:0,0\"",
                                        "/bin/bash -c \"pactl load-module module-alsa-sink device=hw:0,3\"",
                                        "/bin/bash -c \"pactl load-module module-alsa-sink device=hw:0,7\"",
                                        "/bin/bash -c \"/bin/pactl -f json list sinks short\""}
                                 << 1 << chosen;
        QTest::newRow("set the chosen one") << "set 1" << true << QStringList {sink.arg(41)} << 1 << chosen;
        QTest::newRow("set another") << "set 2" << true << QStringList {sink.arg(42)} << 2 << marker("HDMI2", 0, 7);
        QTest::newRow("set outside") << "set 3" << false << QStringList() << 1 << chosen;
        QTest::newRow("test another") << "test 0" << true
                                      << QStringList {sink.arg(40)} + play + QStringList {sink.arg(41)} << 1 << chosen;
        QTest::newRow("test the chosen one") << "test 1" << true << play << 1 << chosen;
        QTest::newRow("test outside") << "test -1" << false << QStringList() << 1 << chosen;
    }
    void commands()
    {
        QFETCH(QString, action);
        QFETCH(bool, ok);
        QFETCH(QStringList, lines);
        QFETCH(int, current);
        QFETCH(QString, file);
        Appliance_s a;
        a.setAsoundrc(marker("HDMI1", 0, 3).toUtf8());
        AudioConfig audio;
        const QString before = a.asoundrc();
        if (action != "refresh")
            a.runner.clear();
        const int i = action.section(' ', 1).toInt();
        bool done = true;
        if (action.startsWith("set"))
            done = audio.set(i);
        else if (action.startsWith("test"))
            done = audio.testDevice(i);
        QCOMPARE(done, ok);
        QCOMPARE(a.lines(), lines);
        QCOMPARE(audio.currentIndex(), current);
        QCOMPARE(a.asoundrc(), action.startsWith("set") ? file : before);
    }

    // HDMI outputs are named after their monitor: from the EDID file the configuration names, else from the
    // connector of the card number and the name's last character.
    void monitorLabels()
    {
        Appliance_s a(kAplay, nasaudio("HDMI1", "PCH", ""));
        const AudioConfig audio;
        QStringList asked;
        const MonitorNameLookup lookup = [&](const MonitorRef_s& m) {
            asked << m.edidFile + '|' + m.card + '|' + m.port;
            return m.edidFile.isEmpty() ? QString() : QStringLiteral("TV-55X");
        };
        QStringList labels;
        for (int i = 0; i < audio.count(); ++i)
            labels << audio.outputLabel(i, lookup);
        QCOMPARE(labels, QStringList({"Line out", "HDMI 1: TV-55X", "HDMI 2"}));
        QCOMPARE(asked, QStringList({"/sys/class/drm/card0-HDMI-A-1/edid|0|1", "|0|2"}));
        QCOMPARE(audio.outputLabel(1, nullptr), "HDMI 1");
    }

    // Two threads asking at once get the one instance, built once.
    void oneInstance()
    {
        Appliance_s a;
        std::latch start(2);
        AudioConfig* seen[2] = {};
        const auto ask = [&](int n) {
            start.arrive_and_wait();
            seen[n] = AudioConfig::GetInstance();
        };
        std::thread t1(ask, 0), t2(ask, 1);
        t1.join();
        t2.join();
        QVERIFY(seen[0] && seen[0] == seen[1] && seen[0] == AudioConfig::GetInstance());
        QCOMPARE(a.lines().count("/bin/bash -c \"aplay -l | grep ^card\""), 1);
        QCOMPARE(seen[0]->count(), 3);
    }

    // On the simulated appliance: its stand-ins keep the sound server's state between calls, so the default sink at
    // play time and after it is the real outcome of the model's commands.
    void simulatedMachine()
    {
#ifdef __SANITIZE_THREAD__
        QSKIP("ThreadSanitizer cannot follow the processes this starts");
#endif
        ScratchSysroot root;
        qputenv("IVO_SIM_ROOT", root.root().toLocal8Bit());
        const QString sim = qEnvironmentVariable("IVO_SOURCE_DIR") + "/sim/ivo-sim";
        QProcess setup;
        setup.start(sim, {"setup"});
        QVERIFY(setup.waitForFinished(60000) && setup.exitCode() == 0);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", (root.root() + "/sim/bin:").toLocal8Bit() + path);
        const auto pactl = [](const QStringList& args) {
            QProcess p;
            p.start("pactl", args);
            p.waitForFinished(30000);
            return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
        };
        const auto played = [&] { return QString::fromUtf8(root.read("/sim/audio/played.log")).trimmed(); };

        {
            AudioConfig audio;
            QCOMPARE(deviceNames(audio),
                "Analog/Analog/ HDMI 1/HDMI1//sys/class/drm/card0-HDMI-A-1/edid "
                "HDMI 2/HDMI2//sys/class/drm/card0-HDMI-A-2/edid");
            QCOMPARE(audio.currentIndex(), 1);
            QVERIFY(audio.set(2));
            QCOMPARE(pactl({"get-default-sink"}), "alsa_output.hw:0,7");
            QVERIFY(audio.testDevice(0));
            QCOMPARE(played(),
                "/usr/share/sounds/alsa/Front_Left.wav\talsa_output.hw:0,0\n"
                "/usr/share/sounds/alsa/Front_Right.wav\talsa_output.hw:0,0");
            QCOMPARE(pactl({"get-default-sink"}), "alsa_output.hw:0,7");
        }
        const AudioConfig next; // the next start of the program keeps the choice and loads each sink once
        QCOMPARE(next.currentIndex(), 2);
        QCOMPARE(pactl({"list", "sinks", "short"}).count("alsa_output.hw:"), 3);
        qputenv("PATH", path);
    }
};

QTEST_GUILESS_MAIN(TstAudioConfig)
#include "tst_audioconfig.moc"
