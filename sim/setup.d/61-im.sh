#!/usr/bin/env bash
# Input methods: the appliance's offer list, the real ibus at the path the
# product calls and the real gsettings on PATH, both wrapped (logged, with
# their hang switches; 61-im.start runs the daemon on a private address), the
# switched-on methods in the real gsettings' keyfile backend under the
# simulated user's home (the memory backend forgets between processes).
source "$SIM_SRC/setup-lib.sh"

wrap_real /usr/bin/ibus gsettings

# Offered methods; pinyin and hangul are offered but have no engine installed
# here, so the product leaves them out.
put_file /etc/Tellora/config/IMList.xml <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<IMList>
	<IMInfo>
		<id>xkb:us::eng</id>
		<display>English (US)</display>
	</IMInfo>
	<IMInfo>
		<id>xkb:gb::eng</id>
		<display>English (UK)</display>
	</IMInfo>
	<IMInfo>
		<id>xkb:de::deu</id>
		<display>Deutsch</display>
	</IMInfo>
	<IMInfo>
		<id>xkb:fr::fra</id>
		<display>Français</display>
	</IMInfo>
	<IMInfo>
		<id>xkb:es::spa</id>
		<display>Español</display>
	</IMInfo>
	<IMInfo>
		<id>xkb:jp::jpn</id>
		<display>日本語</display>
	</IMInfo>
	<IMInfo>
		<id>pinyin</id>
		<display>中文 (拼音)</display>
	</IMInfo>
	<IMInfo>
		<id>hangul</id>
		<display>한국어</display>
	</IMInfo>
</IMList>
XML

keyfile=$SYSROOT/home/admin/.config/glib-2.0/settings/keyfile
if ! grep -qs '^preload-engines=' "$keyfile"; then
    HOME=$SYSROOT/home/admin XDG_CONFIG_HOME=$SYSROOT/home/admin/.config GSETTINGS_BACKEND=keyfile \
        gsettings set org.freedesktop.ibus.general preload-engines "['xkb:us::eng', 'xkb:de::deu']" \
        || echo "setup: gsettings could not store the switched-on input methods (package ibus?)" >&2
fi
