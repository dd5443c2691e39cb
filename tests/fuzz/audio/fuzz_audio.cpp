// The audio model on hostile tool output and files. Input: the "aplay -l" listing, "----", the audio configuration,
// "----", .asoundrc, "----", pactl's sink list. Rules: a device is chosen whenever there is one and only it carries
// the current flag, no reserved device is listed, sink indices come from sinks naming the device, and .asoundrc
// names the chosen device afterwards.
#include "../support/ToolFuzzing.h"
#include "audio/AudioConfig.h"
#include "audio/AudioToolOutput.h"

static QList<QByteArray> g_parts;
static const QString kRc = QStringLiteral("/home/.asoundrc");

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    fuzzSysroot(argc, argv, "/home");
    fuzzPut("/etc/model.conf", "[System Enclosure]\nCAP = 0x10000000\n");
    static FuzzRunner runner([](const QString&, const QStringList& args) {
        return g_parts.value(args.value(1).startsWith("aplay") ? 0
                : args.value(1).endsWith("list sinks short")   ? 3
                                                               : 9);
    });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    g_parts = fuzzParts(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    fuzzPut("/etc/Tellora/config/nasaudio.conf", g_parts.value(1));
    QFile::remove(Appliance::path(kRc));
    if (g_parts.size() > 2)
        fuzzPut(kRc, g_parts.value(2));

    const AudioConfig audio;
    const int n = audio.count();
    check(audio.currentIndex() < n && (n == 0) == (audio.currentIndex() < 0) && audio.defaultIndex() < n);
    QList<AudioToolOutput::SinkRef_s> sinks;
    AudioToolOutput::sinks(g_parts.value(3), &sinks);
    for (int i = 0; i < n; ++i) {
        const st_audiohwinfo* d = audio.get(i);
        check(d->current == int(i == audio.currentIndex()) && d->setDevName != "Reserved");
        check(d->sinkIndex == -1 || std::any_of(sinks.cbegin(), sinks.cend(), [&](const auto& s) {
            return s.card == d->cardIndex && s.dev == d->devIndex && s.index == d->sinkIndex;
        }));
    }
    QFile rc(Appliance::path(kRc));
    if (n > 0 && rc.open(QIODevice::ReadOnly)) {
        const QByteArray text = rc.readAll();
        const AudioToolOutput::UserConf_s conf = AudioToolOutput::parseUserConf(text);
        const st_audiohwinfo* cur = audio.get(audio.currentIndex());
        // Either the file it found, naming the device by its numbers, or its own, which reads back as written.
        const bool own = text == AudioToolOutput::userConfText(cur->key, cur->cardIndex, cur->devIndex);
        check(conf.card == cur->cardIndex && conf.dev == cur->devIndex && (!own || conf.key == cur->key));
    }
    return 0;
}
