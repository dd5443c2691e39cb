#pragma once

#include "appliance/CommandBudget.h"
#include "audio/AudioHwInfo.h"

#include <QList>
#include <QString>

#include <functional>
#include <mutex>
#include <optional>

// Where the monitor on an HDMI output is described: the EDID file the audio
// configuration names (appliance path, empty when it names none), which wins
// when set; else the DRM connector given by card number and connector number
// ("1" for card0-HDMI-A-1).
struct MonitorRef_s {
    QString edidFile;
    QString card;
    QString port;
};
// Answers the model name of the monitor at ref, empty when none is known. The
// audio model does not read EDID itself; the caller hands in the monitor
// reader.
using MonitorNameLookup = std::function<QString(const MonitorRef_s& ref)>;

// The appliance's audio outputs: the ALSA playback devices named as the
// appliance's audio configuration says, the user's choice kept in ~/.asoundrc,
// one PulseAudio sink per device with the chosen one as the default, and the
// left/right test sound. One instance per process (GetInstance); commands run
// synchronously on the caller's thread. The sinks are loaded again only when
// the devices differ from the last load, so reading the model again is cheap
// and does not cut the sound.
class AudioConfig
{
public:
    // The process's instance, built (and refreshed) on first use under a
    // process-wide lock.
    static AudioConfig* GetInstance();

    // A model of its own, refreshed at once. The program uses GetInstance();
    // tests build their own.
    AudioConfig();

    // Lists the devices again, applies the audio configuration and the user's
    // choice, and reloads the PulseAudio sinks when the devices changed.
    void refresh();

    int count() const { return int(m_devList.size()); }
    const QList<st_audiohwinfo>& devices() const { return m_devList; }
    // Device i, or null outside the list.
    const st_audiohwinfo* get(int i) const;
    int currentIndex() const { return m_current; }
    int defaultIndex() const { return m_default; }
    QString homeDir() const { return m_home; }

    // Makes device i the chosen one (.asoundrc rewritten only when the choice
    // changes) and the PulseAudio default; false outside the list.
    bool set(int i);
    // Plays the test sound on device i without changing the choice: i becomes
    // the PulseAudio default for the test, then the chosen device is again.
    // .asoundrc is not touched. False outside the list.
    bool testDevice(int i);

    void SetPulseAudioDefaultSink();
    // Unloads the ALSA sinks and loads one per listed device, unless this
    // model's last load was for the same "aplay -l" lines; then reads the
    // sinks' indices either way.
    void PulseAudioSinksReload();
    // The left, then the right channel test sound on the default sink.
    void AudioTest();

    // One "aplay -l" card line; false when the line is not one.
    static bool parse_hwinfo(const QString& line, st_audiohwinfo* info);
    void read_nasaudio();
    void read_userconf();
    void write_userconf();

    // The label of device i: its shown name, and for an HDMI output with a
    // known monitor ": " and the monitor's model name after it.
    QString outputLabel(int i, const MonitorNameLookup& modelName) const;

    // Callers pass only indices below count().
    QString GetSetDevName(int index) const { return at_(index).setDevName; }
    QString GetEdidFile(int index) const { return at_(index).edidFile; }
    QString GetDevName(int index) const { return at_(index).devName; }
    int GetCardIndex(int index) const { return at_(index).cardIndex; }
    int GetDevIndex(int index) const { return at_(index).devIndex; }

private:
    const st_audiohwinfo& at_(int index) const
    {
        Q_ASSERT_X(index < m_devList.count(), "AudioConfig", "index < m_aconf.devList.count()");
        return m_devList.at(index);
    }
    QString userConfPath_() const { return m_home + QStringLiteral("/.asoundrc"); }
    // "/bin/bash" "-c" script, waited for; its standard output.
    QByteArray bash_(const QString& script, Budget budget) const;

    QList<st_audiohwinfo> m_devList;
    // The "aplay -l" lines of the devices the sinks were last loaded for;
    // none before the first load. Guarded by m_loadLock: the model is read
    // on the command worker and on the GUI thread.
    std::optional<QStringList> m_loadedFor;
    std::mutex m_loadLock;
    int m_current = -1;
    int m_default = -1;
    QString m_home;
};
