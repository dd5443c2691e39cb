#pragma once

#include "audio/AudioHwInfo.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Readers of what the audio tools and files hand us: "aplay -l", the sink list
// of "pactl -f json list sinks short" and the user's .asoundrc. Pure functions
// on text; they never fail loudly, whatever the text holds.
namespace AudioToolOutput {

// One "aplay -l" card line ("card 0: PCH [HDA Intel PCH], device 3: HDMI 0
// [HDMI 0]") into info; false, info untouched, when the line is not one.
bool parseCardLine(const QString& line, st_audiohwinfo* info);

// Every playback device of an "aplay -l" listing, in listing order, shown
// names already renamed: an NVIDIA card's "HDMI" outputs read "Output", and a
// generic codec (not a KAB one) shows as "NAS Audio" / "Analog".
QList<st_audiohwinfo> devices(const QByteArray& listing);

// A PulseAudio sink of an ALSA device: "alsa_output.hw:1,3" is card 1,
// device 3.
struct SinkRef_s {
    int card = -1;
    int dev = -1;
    int index = -1;
};
// The sinks of the JSON array pactl prints; false when the text is not a JSON
// array. Sinks whose name does not carry "hw:CARD,DEV" are left out.
bool sinks(const QByteArray& json, QList<SinkRef_s>* out);

// What .asoundrc says: the marker line's key (empty without our marker) and
// the two "defaults.pcm" numbers (-1 when absent or not a number).
struct UserConf_s {
    QString key;
    int card = -1;
    int dev = -1;
};
UserConf_s parseUserConf(const QByteArray& text);
// The three lines this system writes.
QByteArray userConfText(const QString& key, int card, int dev);

} // namespace AudioToolOutput
