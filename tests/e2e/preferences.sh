#!/usr/bin/env bash
# The Preferences page with the remote (X keys inside the choice menus): the receiver's mode goes into its driver's
# file and is kept; an input method is switched on through the list dialog (in the real gsettings and ibus); a learned
# remote is reset; French is chosen and the settings follow. IVO_E2E_SHOTS=DIR keeps the pictures of docs/.
export IVO_SIM_IR=yes # the appliance's own receiver: the learned remotes have key tables
. "$(dirname "$0")/lib.sh"
menu() {
    local before
    before=$(windows)
    press OK
    poll 30 more "$before" || fail "OK did not open a choice menu"
    xdotool key --delay 150 "$@"
}
imenv() { env HOME="$root/home/admin" XDG_CONFIG_HOME="$root/home/admin/.config" GSETTINGS_BACKEND=keyfile IBUS_ADDRESS="unix:path=$root/sim/ibus/bus" "$@"; }
preload() { imenv gsettings get org.freedesktop.ibus.general preload-engines; }
engine() { imenv ibus engine; }
current() { cat "$root/proc/ite_8721f_cir/current"; }

"$sim" setup >/dev/null || fail "the simulator's setup failed"
{ echo "[RemoteKeySet1]"; for k in 0 1 2 3 4 5 6; do echo "key$k=$((4000 + k))"; done; } >>"$conf" # learned before
printf '4000 103\n4001 108\n' >"$root/home/admin/.config/Vendra/lirckeytable2.conf"
start

# "L0" to "L4" the page buttons (App ... About), "R0" to "R6" the rows (language ... third learned remote), each filled
# with a colour of its own when focused: the centre (of a 1920 x 1080 screen) nearest the band of rows of that colour.
band() {
    convert "$root/sim/focus.png" -crop "$1" +repage -fuzz 3% -fill black +opaque "$2" -fill white -opaque "$2" \
        -colorspace gray -scale "1x$height!" -depth 8 txt:- | awk -F'[,:() ]+' -v w="$width" -v c="${*:3}" '
        NR > 1 && $4 > 128 { n++; s += $2 }
        END { if (n <= 20) exit 1; k = split(c, cs, " ")
              for (i = 1; i <= k; i++) { d = cs[i] * w / 1920 - s / n; d = d < 0 ? -d : d; if (i == 1 || d < min) { min = d; best = i - 1 } }
              print best }'
}
where() {
    local i
    snap focus || { echo none; return; }
    i=$(band "$(scaled 450,0,1360,1080)" 'rgb(14,60,85)' 218 316 478 576 674 772 870) && { echo "R$i"; return; }
    i=$(band "$(scaled 20,0,380,1080)" 'rgb(7,81,120)' 237 373 509 645 781) && { echo "L$i"; return; }
    echo none
}
toward() {
    if [ "${1:0:1}" != "${2:0:1}" ]; then
        if [ "${2:0:1}" = R ]; then press RIGHT; else press LEFT; fi
    elif [ "${1:1}" -lt "${2:1}" ]; then press DOWN
    else press UP; fi
}
dialog() { [ "$(xdotool getactivewindow 2>/dev/null)" != "$home" ] && ! active IVO-Settings; }

titlebar 1410
press OK
poll 60 active IVO-Settings || fail "OK on the settings button did not open the settings"
settingswin=$(xdotool getactivewindow)
goto L3 || fail "the remote's arrows did not reach the Preferences button"
goto R0 || fail "Right did not enter the Preferences page"

# The receiver's menu: NEC (the current mode), RC6, Sony SIRC.
goto R2 || fail "the remote's arrows did not reach the receiver row"
menu Down Return
poll 30 is 2 current || fail "choosing RC6 did not switch the receiver"
poll 30 is 2 setting Preference/InternalIR || fail "the receiver's mode was not kept"

# English (US) (active) and Deutsch are on; Add lists the others, where OK takes the first, English (UK).
goto R1 || fail "Up did not reach the input-method row"
menu Down Down Return
poll 30 dialog || fail "Add did not open the list dialog"
picture settings-input-add
press OK
poll 30 active IVO-Settings || fail "OK did not close the list dialog"
poll 30 is "['xkb:us::eng', 'xkb:de::deu', 'xkb:gb::eng']" preload || fail "English (UK) was not switched on: $(preload)"
poll 30 is xkb:gb::eng engine || fail "English (UK) is not active"

# The second learned slot opens the learning dialog on its reset page, where OK forgets the remote.
goto R5 || fail "the remote's arrows did not reach the second slot"
press OK
poll 30 active "IVO-Learn Remote" || fail "OK on the second slot did not open the learning dialog"
press OK
poll 30 active IVO-Settings || fail "Reset did not close the learning dialog"
[ -z "$(setting RemoteKeySet1/key0)" ] || fail "the reset slot is still in the user settings"
[ ! -s "$root/home/admin/.config/Vendra/lirckeytable2.conf" ] || fail "the reset slot's key table is not empty"
picture settings-preferences

# Two down from English: Français; the settings stay, in French.
goto R0 || fail "Up did not reach the language row"
menu Down Down Return
poll 30 is fre setting Preference/Language || fail "choosing Français did not switch the language"
french() { [ "$(xdotool getactivewindow)" = "$settingswin" ] && ! active IVO-Settings; }
poll 30 french || fail "the settings did not stay open in French"
