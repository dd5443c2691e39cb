#!/usr/bin/env bash
# The home screen: the user's settings, the window manager's configuration,
# the screen and system configuration the title bar reads, stand-ins for the
# scripts start-up runs, the real md5sum (wrapped) and the desktop shell
# service's socket.
source "$SIM_SRC/setup-lib.sh"

install_standins home
# The package configuration's watch compares checksums.
wrap_real /usr/bin/md5sum
mkdir -p "$SYSROOT"/{tmp_kelp,var/run/tellora,home/admin/.autorun}

put_file /home/admin/.config/Vendra/IVO.conf <<'CONF'
[TaskBar]
Enable=False

[UIControl]
DisplayDatetime=yes
DisplayIP=yes
DisplayServername=yes

[Wallpaper]
Image=0

[Preference]
Language=eng
CONF

# openbox reads this through HOME; start-up sets its title-bar layout.
put_file /home/admin/.config/openbox/rc.xml <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<openbox_config xmlns="http://openbox.org/3.4/rc">
	<resistance>
		<strength>10</strength>
		<screen_edge_strength>20</screen_edge_strength>
	</resistance>
	<focus>
		<focusNew>yes</focusNew>
		<followMouse>no</followMouse>
	</focus>
	<placement>
		<policy>Smart</policy>
	</placement>
	<theme>
		<titleLayout>NLIMC</titleLayout>
		<keepBorder>yes</keepBorder>
	</theme>
	<desktops>
		<number>1</number>
	</desktops>
	<mouse>
		<context name="Client">
			<mousebind button="Left" action="Press">
				<action name="Focus"/>
				<action name="Raise"/>
			</mousebind>
		</context>
	</mouse>
</openbox_config>
XML

# The connected output; its mode follows the simulated screen size unless a
# developer took the file over (removed the marker line).
put_file /etc/Tellora/config/screen.conf <<'CONF'
# sim: Mode follows IVO_SIM_SIZE
[Screen1]
Name = HDMI-1
Connected = True
Mode = 1920x1080

[Screen2]
Name = none
Connected = False
CONF
if grep -q '^# sim: Mode follows' "$SYSROOT/etc/Tellora/config/screen.conf"; then
    size=${IVO_SIM_SIZE:-1920x1080}
    sed -i "0,/^Mode = .*/s//Mode = $size/" "$SYSROOT/etc/Tellora/config/screen.conf"
fi

# Japanese switches the interface to "Noto Sans JP"; Debian names that family
# "Noto Sans CJK JP".
put_file /home/admin/.config/fontconfig/fonts.conf <<'XML'
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <alias binding="same">
    <family>Noto Sans JP</family>
    <prefer><family>Noto Sans CJK JP</family></prefer>
  </alias>
</fontconfig>
XML

put_file /etc/config/corvex.conf <<'CONF'
[System]
Time Zone = Europe/Berlin
CONF

