#!/usr/bin/env bash
# The General and About settings' peers: the mobile remote-control daemon with
# its start script and boot-link folder, the real killall, pidof and ln they
# are switched with (killall and pidof wrapped: logged, with their hang
# switches), the task bar's panel configuration in the user's home,
# and the build date the About page shows beside the version.
source "$SIM_SRC/setup-lib.sh"

install_standins padlink
link_real /bin/ln
wrap_real /bin/killall /bin/pidof
mkdir -p "$SYSROOT/etc/Tellora/xorg_rcS.d" "$SIM_STATE/padlink"
cp "$SIM_SRC/pidfile.sh" "$SIM_STATE/pidfile.sh"
ln -sfn "$(command -v bash)" "$SIM_STATE/padlink/remotepad"

put_file /.build_date <<<'2026-11-30'

put_file /home/admin/.config/tint2/tint2rc <<'CONF'
# The task bar along the bottom of the television: window buttons, the tray
# and a clock. The settings size panel_size and systray_icon_size to the
# screen height.

# Backgrounds: 1 the bar, 2 the active window's button
rounded = 0
border_width = 0
background_color = #101418 90
border_color = #000000 0

rounded = 4
border_width = 0
background_color = #00AFFB 40
border_color = #00AFFB 80

# Panel
panel_items = TSC
panel_size = 100% 30
panel_margin = 0 0
panel_padding = 4 2 4
panel_background_id = 1
panel_position = bottom center horizontal
panel_layer = top
panel_monitor = all
panel_dock = 0
wm_menu = 1
autohide = 0
strut_policy = follow_size

# Window buttons
taskbar_mode = single_desktop
taskbar_padding = 0 0 4
taskbar_background_id = 0
taskbar_active_background_id = 0
task_icon = 1
task_text = 1
task_centered = 0
task_maximum_size = 240 30
task_padding = 6 2 6
task_background_id = 0
task_active_background_id = 2
task_font = Sans 10
task_font_color = #FFFFFF 80
task_active_font_color = #FFFFFF 100
mouse_left = toggle_iconify
mouse_middle = none
mouse_right = close

# Tray
systray_padding = 4 2 4
systray_background_id = 0
systray_sort = ascending
systray_icon_size = 24

# Clock
time1_format = %H:%M
time1_font = Sans Bold 11
clock_font_color = #FFFFFF 100
clock_padding = 4 0
clock_background_id = 0
CONF
