#!/usr/bin/env bash
# What the home screen's reactions need: the one-touch button tool, a helper
# for the second command file, a package message, sudo at its absolute path,
# the compiled translations where the appliance keeps them, and the window
# manager's close key, which the power key presses.
source "$SIM_SRC/setup-lib.sh"

install_standins reactions
# Keys handed on to the application in front and its closing (xdotool), the
# look for the applications that take the power key themselves (ps) and the
# karaoke service's stop (curl): the real programs, wrapped.
wrap_real xdotool ps curl
mkdir -p "$SYSROOT/usr/bin"
ln -sfn "$SIM_STATE/bin/sudo" "$SYSROOT/usr/bin/sudo"

# The translations lrelease put beside the program.
bin_dir=$(dirname "${IVO_BIN:-$(dirname "$SIM_SRC")/build/default/bin/ivo}")
mkdir -p "$SYSROOT/opt/ivo"
ln -sfn "$bin_dir/lang" "$SYSROOT/opt/ivo/lang"

# "msg Cinema welcome" in /tmp/ivo.hd3 shows this in the current language.
put_file /share/vol1/.tellora/apps/Cinema/.ivo/ivomsg.conf <<'CONF'
[welcome]
eng = Cinema has new films for you. Open it from its tile to see what is on tonight.
ger = Cinema hat neue Filme für Sie. Öffnen Sie es über seine Kachel, um das heutige Programm zu sehen.
fre = Cinema a de nouveaux films pour vous. Ouvrez-le depuis sa vignette pour voir le programme de ce soir.
spa = Cinema tiene películas nuevas para usted. Ábralo desde su mosaico para ver la programación de esta noche.
CONF

# openbox closes the active window on Alt+F4 only when its configuration
# binds it; the simulated user's configuration gets the binding once.
rc=$SYSROOT/home/admin/.config/openbox/rc.xml
if [ -f "$rc" ] && ! grep -q 'key="A-F4"' "$rc"; then
    sed -i 's|</openbox_config>|\t<keyboard>\n\t\t<keybind key="A-F4">\n\t\t\t<action name="Close"/>\n\t\t</keybind>\n\t</keyboard>\n</openbox_config>|' "$rc"
fi
