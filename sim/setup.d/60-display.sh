#!/usr/bin/env bash
# The display: the xrandr, xset and hot-plug stand-ins, the margin tool, the
# monitors' EDID blocks under the simulated sysfs with the real EDID tools
# (wrapped: logged, with their hang switches),
# and the wallpaper pictures the Display page offers.
source "$SIM_SRC/setup-lib.sh"

install_standins display
# The product runs xrandr by its absolute path too, and the margin tool by
# its name on PATH as well as by path.
mkdir -p "$SYSROOT/usr/bin"
ln -sfn "$SIM_STATE/bin/xrandr" "$SYSROOT/usr/bin/xrandr"
ln -sfn "$SYSROOT/opt/bin/ivomargin" "$SIM_STATE/bin/ivomargin"
wrap_real /usr/bin/parse-edid /usr/bin/edid-decode

if [ -n "${IVO_SIM_OUTPUTS:-}" ]; then
    if grep -q '^XRANDR_OUTPUTS=' "$SIM_STATE/settings"; then
        sed -i "s/^XRANDR_OUTPUTS=.*/XRANDR_OUTPUTS=$IVO_SIM_OUTPUTS/" "$SIM_STATE/settings"
    else
        echo "XRANDR_OUTPUTS=$IVO_SIM_OUTPUTS" >>"$SIM_STATE/settings"
    fi
fi
# The monitors plugged in now; the xrandr stand-in lays them out again when
# the setting changes.
python3 "$SIM_STATE/screens/monitors.py"

# The 4K wallpapers the program's installation brings along.
bin_dir=$(dirname "${IVO_BIN:-/nonexistent/ivo}")
mkdir -p "$SYSROOT/opt/ivo"
for n in 1 2 3; do
    picture=$bin_dir/wallpaper_image${n}_4K.jpg
    if [ -f "$picture" ]; then
        ln -sfn "$picture" "$SYSROOT/opt/ivo/wallpaper_image${n}_4K.jpg"
    fi
done
