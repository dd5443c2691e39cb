#pragma once

#include <QString>

// One ALSA playback device as "aplay -l" lists it, with the names the
// appliance's audio configuration gives it and its PulseAudio sink. A plain
// value: copied and swapped freely.
struct st_audiohwinfo {
    // The card as "aplay -l" prints it: "card 0: PCH [HDA Intel PCH]", its id
    // ("PCH") and its name ("HDA Intel PCH").
    QString card;
    QString cardId;
    QString cardName;
    // The card as it is shown: copies of the three above, renamed by the
    // parser's rules and the audio configuration file.
    QString setCard;
    QString setCardId;
    QString setCardName;
    // The device: "device 3: HDMI 0 [HDMI 0]", its id ("HDMI 0") and its name.
    QString dev;
    QString devId;
    QString devName;
    // The device as it is shown; setDevName labels the device everywhere.
    QString setDev;
    QString setDevId;
    QString setDevName;
    // Its key in the audio configuration file, also the marker name in
    // .asoundrc; empty when the file does not list it.
    QString key;
    // The EDID file of the connector it plays on (appliance path), when the
    // audio configuration file names one.
    QString edidFile;
    // The "aplay -l" line it was parsed from.
    QString line;
    int cardIndex = -1;
    int devIndex = -1;
    int sinkIndex = -1; // PulseAudio sink after a sink reload, -1 before
    int current = 0; // 1 on the chosen device after a sink reload
};
