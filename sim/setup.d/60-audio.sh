#!/usr/bin/env bash
# Sound: stand-ins for aplay, pactl and pw-cat (this machine has no sound
# devices; the simulated machine's cards come from sim/audio/cards-*.txt, the
# sound server's state from sim/audio/pulse.json; 60-audio.start runs the
# server pactl and pw-cat talk to), the appliance's audio
# configuration for those cards, the enclosure's capability word (bit 28:
# analog output) and the two channel test sounds.
source "$SIM_SRC/setup-lib.sh"

install_standins audio
# The product calls pactl by absolute path as well as by name.
mkdir -p "$SYSROOT/bin"
ln -sfn "$SIM_STATE/bin/pactl" "$SYSROOT/bin/pactl"
python3 "$SIM_STATE/audio/make-test-sounds.py" "$SYSROOT/usr/share/sounds/alsa"

put_file /etc/model.conf <<'CONF'
[System Enclosure]
MODEL = TLR-440
CAP = 0x1000400F
CONF

# The appliance's names for its outputs: the third HDMI device has no
# connector on this model.
put_file /etc/Tellora/config/nasaudio.conf <<'CONF'
[Playback]
devices = HDMI1,HDMI2,HDMI3,Analog
default = HDMI1

[HDMI1]
cardindex = 0
devindex = 3
cardid = PCH
cardname = HDA Intel PCH
devid = HDMI 0
devname = HDMI 0
set_cardid =
set_cardname = TV Output
set_devid =
set_devname = HDMI 1
edid_path = /sys/class/drm/card0-HDMI-A-1

[HDMI2]
cardindex = 0
devindex = 7
cardid = PCH
cardname = HDA Intel PCH
devid = HDMI 1
devname = HDMI 1
set_cardid =
set_cardname = TV Output
set_devid =
set_devname = HDMI 2
edid_path = /sys/class/drm/card0-HDMI-A-2

[HDMI3]
cardindex = 0
devindex = 8
cardid = PCH
cardname = HDA Intel PCH
devid = HDMI 2
devname = HDMI 2
set_devname = Reserved

[Analog]
cardindex = 0
devindex = 0
cardid = PCH
cardname = HDA Intel PCH
devid = ALC662 rev3 Analog
devname = Analog
set_cardname = Line Out
set_devname = Analog
CONF

# ALSA's own configuration: the Preferences page points its default device at
# the output the viewer chooses.
put_file /usr/share/alsa/alsa.conf <<'CONF'
# Defaults of the simulated appliance's sound library: the card and device a
# program opens when it names none.
defaults.ctl.card 0
defaults.pcm.card 0
defaults.pcm.device 0
defaults.pcm.subdevice -1
defaults.pcm.nonblock 1
CONF
