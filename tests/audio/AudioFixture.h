#pragma once
// The simulator's machine listings and audio configuration, a sink list, and a scratch appliance answering with them.
#include "RecordingRunner.h"
#include "ScratchSysroot.h"
#include "audio/AudioConfig.h"

#include <QFile>

inline QByteArray source(const QString& path)
{
    QFile f(qEnvironmentVariable("IVO_SOURCE_DIR") + '/' + path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
// "aplay -l" of the appliance (analog 0/0, HDMI 0/3, 0/7, 0/8) and of a desktop with three cards.
inline QByteArray aplay(const char* machine)
{
    return source(QString("sim/standins/audio/sim/audio/cards-%1.txt").arg(machine));
}

// The simulator's audio configuration: HDMI1 0/3 (default), HDMI2 0/7, HDMI3 0/8 reserved, Analog 0/0.
inline QByteArray nasaudio(const QByteArray& from = "", const QByteArray& to = "")
{
    QByteArray sh = source("sim/setup.d/60-audio.sh");
    sh = sh.mid(sh.indexOf("[Playback]"));
    return sh.left(sh.indexOf("CONF\n")).replace(from, to);
}

// pactl's sinks after the reload: 0/0, 0/3 and 0/7 among sinks naming no device or a wrong one, or no numeric index.
inline const QByteArray kSinks
    = R"([{"index":38,"name":"alsa_output.pci-0000_00_1f.3.analog-stereo","driver":"PipeWire",)"
      R"("state":"SUSPENDED"},{"index":40,"name":)"
      R"("alsa_output.hw:0,0"},{"index":8,"name":"a:hw:0,3"},{"index":41,"name":"alsa_output.hw:0,3"},)"
      R"({"index":9,"name":"hw:0,7,1"},{"index":"7","name":"hw:0,7"},{"index":42,"name":"hw:0,7"}])";

inline QString marker(const char* key, int card, int dev)
{
    return QString("# 54656C6C6F7261 - %1\ndefaults.pcm.card %2\ndefaults.pcm.device %3\n").arg(key).arg(card).arg(dev);
}

struct Appliance_s {
    ScratchSysroot root;
    RecordingRunner runner;
    explicit Appliance_s(const QByteArray& cards = aplay("appliance"), const QByteArray& conf = nasaudio(),
        const QByteArray& sinks = kSinks, const QByteArray& cap = "0x1000400F")
    {
        runner.answer(".* -c \"aplay -l \\| grep \\^card\"", cards);
        runner.answer(".*/bin/pactl -f json list sinks short\"", sinks);
        root.write("/etc/Tellora/config/nasaudio.conf", conf);
        root.write("/etc/model.conf", "[System Enclosure]\nCAP = " + cap + "\n");
    }
    QString asoundrc() const
    {
        return QFile::exists(path()) ? QString::fromUtf8(root.read("/home/admin/.asoundrc")) : "-";
    }
    QString path() const { return root.home() + "/.asoundrc"; }
    QStringList lines() const { return runner.lines().replaceInStrings(root.root(), QString()); }
};
