#!/usr/bin/env bash
# The appliance skeleton: folders, the runner and hardware stand-ins, links to
# the system programs used by absolute path, and the platform files.
source "$SIM_SRC/setup-lib.sh"

mkdir -p "$SYSROOT"/{etc/config,etc/Tellora/config,etc/Tellora/init.d,opt/bin,sbin,tmp,dev,proc,home/admin}
sed "s|@SYSROOT@|$SYSROOT|g" "$SIM_SRC/standins/lib.sh" >"$SIM_STATE/lib.sh"
touch "$SIM_STATE/commands.log"
install_standins base
# sudo by its full path is the same stand-in.
mkdir -p "$SYSROOT/usr/bin"
ln -sfn "$SIM_STATE/bin/sudo" "$SYSROOT/usr/bin/sudo"
link_real /bin/bash /bin/sh /bin/rm /bin/cp /bin/mv /bin/ls /bin/cat /bin/kill /bin/sleep /usr/bin/env

put_file /sim/settings <<'CONF'
# Simulator settings (KEY=value). Changes take effect at the next question.
IR_SUPPORT=no
EC_SUPPORT=1
# XRANDR_OUTPUTS=real: the X server's own outputs through the real xrandr;
# 1 to 5: that many simulated HDMI monitors (XRANDR_NAMES=HDMI- or HDMI-A-).
XRANDR_OUTPUTS=real
# <TOOL>_HANG=yes: that program never answers, as sudo waiting for a
# password. It logs its command line, adds "PID SWITCH" to sim/hangs.log and
# waits until it is killed (or sim/ goes). <TOOL> is the program's file name
# in upper case, the extension dropped, every other character not A-Z or 0-9
# turned into "_" (xrandr-hotplug.sh: XRANDR_HOTPLUG_HANG, pw-cat:
# PW_CAT_HANG); a link answers to the name of the file it leads to as well
# (a package's run.sh: RUN_HANG or TVAPP_HANG). The switches:
#   stand-ins: APLAY APPSERVICE (service.sh: SERVICE) BENTO_CLI HAL_APP
#     IVOMARGIN KEYBOLT KILLALL LIRC PACTL PRIVRUN PW_CAT REMOTE_HELPER
#     REMOTEPAD SETCFG START_REMOTEPAD SUDO TANDEM_START TELLORA_RESTART
#     TVAPP (run.sh: RUN) TZCONF WALLPAPER XRANDR XRANDR_HOTPLUG XSET
#   this machine's programs, wrapped: CURL EDID_DECODE GSETTINGS IBUS
#     KILLALL MD5SUM PARSE_EDID PIDOF PS XDOTOOL
SUDO_HANG=no
CONF
if [ -n "${IVO_SIM_IR:-}" ]; then
    sed -i "s/^IR_SUPPORT=.*/IR_SUPPORT=$IVO_SIM_IR/" "$SIM_STATE/settings"
fi

put_file /etc/config/Model_Name.conf <<<'TLR-440'
put_file /etc/config/BOOT.conf <<<'TLR_X86'
put_file /etc/platform.conf <<'CONF'
Platform = TLR_X86
DISPLAY_NAME = HDMI-1
CONF
put_file /etc/Tellora/config/login.conf <<'CONF'
[UIControl]
RequireLogin = no
CONF
