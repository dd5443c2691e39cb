#include "audio/AudioConfig.h"

#include <algorithm>

#include "appliance/Appliance.h"
#include "appliance/CommandRunner.h"
#include "appliance/ConfigFile.h"
#include "appliance/Paths.h"
#include "appliance/WholeFile.h"
#include "audio/AudioToolOutput.h"
#include "util/IniParser.h"

#include <mutex>

namespace {

const char* const kNasAudioConf = "/etc/Tellora/config/nasaudio.conf";

// Bit 28 of the enclosure's capability word: the appliance has an analog
// audio output.
bool hasAnalogOutput()
{
    lumo::IniParser model;
    model.ParseFile(Paths::ModelConf.localStd());
    QString cap = QString::fromStdString(model.Get("System Enclosure", "CAP", "")).trimmed();
    if (cap.startsWith(QLatin1String("0x"), Qt::CaseInsensitive))
        cap.remove(0, 2);
    bool ok = false;
    const qulonglong word = cap.toULongLong(&ok, 16);
    return ok && (word >> 28 & 1) != 0;
}

int toIndex(const std::string& text)
{
    bool ok = false;
    const int n = QString::fromStdString(text).trimmed().toInt(&ok);
    return ok && n >= 0 ? n : -1;
}

} // namespace

AudioConfig* AudioConfig::GetInstance()
{
    static std::mutex lock;
    static AudioConfig* instance = nullptr;
    std::lock_guard<std::mutex> guard(lock);
    if (!instance)
        instance = new AudioConfig; // lives until the process ends
    return instance;
}

AudioConfig::AudioConfig()
    : m_home(qEnvironmentVariableIsSet("HOME") ? qEnvironmentVariable("HOME") : QStringLiteral("/root"))
{
    refresh();
}

QByteArray AudioConfig::bash_(const QString& script, Budget budget) const
{
    return Appliance::runner().runShell(Paths::Bash.local(), script, budget).out;
}

void AudioConfig::refresh()
{
    m_devList = AudioToolOutput::devices(bash_(QStringLiteral("aplay -l | grep ^card"), Budget::Query));
    m_current = -1;
    read_nasaudio();
    read_userconf();
    PulseAudioSinksReload();
}

const st_audiohwinfo* AudioConfig::get(int i) const
{
    return i >= 0 && i < m_devList.size() ? &m_devList.at(i) : nullptr;
}

bool AudioConfig::parse_hwinfo(const QString& line, st_audiohwinfo* info)
{
    return AudioToolOutput::parseCardLine(line, info);
}

void AudioConfig::read_nasaudio()
{
    const bool analog = hasAnalogOutput();
    lumo::IniParser conf;
    conf.ParseFile(Appliance::path(kNasAudioConf));
    const QStringList keys = QString::fromStdString(conf.Get("Playback", "devices", "")).split(QLatin1Char(','));
    const QString defaultKey = QString::fromStdString(conf.Get("Playback", "default", "")).trimmed();

    for (const QString& rawKey : keys) {
        const QString key = rawKey.trimmed();
        if (key.isEmpty())
            continue;
        const std::string section = key.toStdString();
        const auto value = [&](const char* name) { return QString::fromStdString(conf.Get(section, name, "")); };
        const int card = toIndex(conf.Get(section, "cardindex", ""));
        const int dev = toIndex(conf.Get(section, "devindex", ""));
        if (!analog && value("devname").compare(QLatin1String("analog"), Qt::CaseInsensitive) == 0)
            continue;
        // The same numbers and, where the file gives them, the same ids: a
        // card that moved to another number is not renamed by mistake.
        const QString cardId = value("cardid");
        const QString devId = value("devid");
        const auto same = [&](const st_audiohwinfo& r) {
            return r.cardIndex == card && r.devIndex == dev && (cardId.isEmpty() || cardId == r.cardId)
                && (devId.isEmpty() || devId == r.devId);
        };
        const auto it = std::find_if(m_devList.begin(), m_devList.end(), same);
        if (it == m_devList.end())
            continue;
        const QString shown[4] = {value("set_cardid"), value("set_cardname"), value("set_devid"), value("set_devname")};
        if (std::find(std::begin(shown), std::end(shown), QLatin1String("Reserved")) != std::end(shown)) {
            m_devList.erase(it);
            continue;
        }
        QString* fields[4] = {&it->setCardId, &it->setCardName, &it->setDevId, &it->setDevName};
        for (int f = 0; f < 4; ++f)
            if (!shown[f].isEmpty())
                *fields[f] = shown[f];
        it->key = key;
        const QString edidPath = value("edid_path").trimmed();
        if (!edidPath.isEmpty())
            it->edidFile = edidPath + QStringLiteral("/edid");
    }

    m_default = -1;
    for (int i = 0; i < m_devList.size() && !defaultKey.isEmpty(); ++i) {
        if (m_devList.at(i).key == defaultKey) {
            m_default = i;
            break;
        }
    }
}

void AudioConfig::read_userconf()
{
    const AudioToolOutput::UserConf_s conf = AudioToolOutput::parseUserConf(ConfigFile::read(userConfPath_()));

    const auto find = [&](auto&& match) {
        for (int i = 0; i < m_devList.size(); ++i)
            if (match(m_devList.at(i)))
                return i;
        return -1;
    };
    const auto sameNumbers
        = [&](const st_audiohwinfo& r) { return r.cardIndex == conf.card && r.devIndex == conf.dev; };
    const auto sameKey = [&](const st_audiohwinfo& r) { return !conf.key.isEmpty() && r.key == conf.key; };

    bool rewrite = false;
    int chosen = find([&](const st_audiohwinfo& r) { return sameKey(r) && sameNumbers(r); });
    if (chosen < 0) {
        // Our device under new numbers (cards renumbered): follow it.
        chosen = find(sameKey);
        rewrite = chosen >= 0;
    }
    if (chosen < 0 && conf.card >= 0 && conf.dev >= 0)
        chosen = find(sameNumbers); // another program's choice: keep its file
    if (chosen < 0) {
        chosen = m_default >= 0 ? m_default : (m_devList.isEmpty() ? -1 : 0);
        rewrite = true;
    }
    m_current = chosen;
    if (rewrite)
        write_userconf();
}

void AudioConfig::write_userconf()
{
    const st_audiohwinfo* cur = get(m_current);
    if (!cur)
        return;
    // A FIFO or a device in its place is not written (nor waited on).
    WholeFile::write(userConfPath_(), AudioToolOutput::userConfText(cur->key, cur->cardIndex, cur->devIndex),
        WholeFile::Links::Followed);
}

void AudioConfig::PulseAudioSinksReload()
{
    // A reload interrupts the sound and takes its time: the same cards keep
    // the sinks they have. A line names the card and the device, so a card
    // swapped for another under the same numbers still counts as changed.
    QStringList lines;
    for (const st_audiohwinfo& r : std::as_const(m_devList))
        lines << r.line;
    const auto load = [this] {
        bash_(QStringLiteral("pactl unload-module module-alsa-sink"), Budget::Setting);
        for (const st_audiohwinfo& r : std::as_const(m_devList))
            bash_(QStringLiteral("pactl load-module module-alsa-sink device=hw:%1,%2").arg(r.cardIndex).arg(r.devIndex),
                Budget::Setting);
    };
    // False when the server's list, read, lacks a device's sink; an
    // unreadable list leaves the indices of the last reload.
    const auto findSinks = [this] {
        QList<AudioToolOutput::SinkRef_s> sinks;
        if (!AudioToolOutput::sinks(
                bash_(Appliance::path(QStringLiteral("/bin/pactl")) + " -f json list sinks short", Budget::Query),
                &sinks))
            return true;
        bool all = true;
        for (st_audiohwinfo& r : m_devList) {
            const auto s = std::find_if(sinks.cbegin(), sinks.cend(),
                [&r](const AudioToolOutput::SinkRef_s& s) { return s.card == r.cardIndex && s.dev == r.devIndex; });
            r.sinkIndex = s == sinks.cend() ? -1 : s->index;
            all = all && s != sinks.cend();
        }
        return all;
    };
    std::lock_guard<std::mutex> guard(m_loadLock);
    const bool reload = m_loadedFor != lines;
    if (reload) {
        load();
        m_loadedFor = lines;
    }
    // Kept, but gone from the sound server (it restarted, a card came back
    // under the same listing): loaded again.
    if (!findSinks() && !reload) {
        load();
        findSinks();
    }
    for (int i = 0; i < m_devList.size(); ++i)
        m_devList[i].current = i == m_current ? 1 : 0;
}

void AudioConfig::SetPulseAudioDefaultSink()
{
    const st_audiohwinfo* cur = get(m_current);
    if (!cur)
        return;
    bash_(Appliance::path(QStringLiteral("/bin/pactl")) + QStringLiteral(" set-default-sink ")
            + QString::number(cur->sinkIndex),
        Budget::Setting);
}

bool AudioConfig::set(int i)
{
    if (!get(i))
        return false;
    if (i != m_current) {
        m_current = i;
        write_userconf();
    }
    SetPulseAudioDefaultSink();
    return true;
}

bool AudioConfig::testDevice(int i)
{
    if (!get(i))
        return false;
    const int chosen = m_current;
    if (i != chosen) {
        m_current = i;
        SetPulseAudioDefaultSink();
    }
    AudioTest();
    if (i != chosen) {
        m_current = chosen;
        SetPulseAudioDefaultSink();
    }
    return true;
}

void AudioConfig::AudioTest()
{
    for (const char* channel : {"/usr/share/sounds/alsa/Front_Left.wav", "/usr/share/sounds/alsa/Front_Right.wav"})
        Appliance::runner().runLine(
            QStringLiteral("pw-cat -p ") + Appliance::path(QString::fromLatin1(channel)), Budget::Sound);
}

QString AudioConfig::outputLabel(int i, const MonitorNameLookup& modelName) const
{
    const st_audiohwinfo* r = get(i);
    if (!r)
        return QString();
    const QString name = r->setDevName;
    if (!modelName || !name.contains(QLatin1String("HDMI")))
        return name;
    const QString model = modelName({r->edidFile, QString::number(r->cardIndex), name.right(1)});
    return model.isEmpty() ? name : name + QStringLiteral(": ") + model;
}
