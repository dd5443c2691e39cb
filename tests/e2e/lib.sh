# Sourced by the simulator flows (and tests/package/check): the simulator in a sysroot of the flow's own, the remote
# through the real IR daemon, what the screen shows. IVO_SIM_SIZE picks the screen; IVO_E2E_SHOTS=DIR keeps the
# flow's pictures (those of docs/); IVO_E2E_KEEP=1 keeps the sysroot.
set -euo pipefail
src=${IVO_SOURCE_DIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)}
export IVO_BIN=${IVO_BIN:?the program to run} IVO_SIM_ROOT=/tmp/iv-$(basename "$0" .sh)-$$
sim=$src/sim/ivo-sim root=$IVO_SIM_ROOT log=$IVO_SIM_ROOT/sim/commands.log ivolog=$IVO_SIM_ROOT/sim/ivo.log
shots=${IVO_E2E_SHOTS:-} size=${IVO_SIM_SIZE:-1920x1080} conf=$IVO_SIM_ROOT/home/admin/.config/Vendra/IVO.conf
width=${size%x*} height=${size#*x}
fail() { echo "FAIL: $* ($SECONDS s)" >&2; tail -n 30 "$ivolog" "$log" >&2 || true; exit 1; }
trap '"$sim" stop >/dev/null 2>&1 || true; [ -n "${IVO_E2E_KEEP:-}" ] || rm -rf "$root"' EXIT
poll() { local end=$((SECONDS + $1)); shift; until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.1; done; }
is() { [ "$("${@:2}")" = "$1" ]; }
active() { [ "$(xdotool getactivewindow getwindowname 2>/dev/null)" = "$1" ]; }
# Clients of the IR daemon: its own ends of their connections carry its socket's path.
clients() { [ "$(grep -c " 03 [0-9]* $root/dev/lircd\$" /proc/net/unix)" "$@" ]; }
windows() { { xdotool search --onlyvisible --pid "$pid" 2>/dev/null || true; } | wc -l; } # a menu open adds one
more() { [ "$(windows)" -gt "$1" ]; }
mark() { m_cmd=$(wc -l <"$log"); }
since() { tail -n +$((m_cmd + 1)) "$log"; }
setting() { awk -F' *= *' -v g="[${1%%/*}]" -v k="${1#*/}" '/^\[/ { in_g = $0 == g } in_g && $1 == k { print $2 }' "${2:-$conf}"; }
# The settings page logged last; the pages logged ($1 only that index).
page() { grep -o 'currentChanged(int)\]\[[0-9]*\] index=[0-9]*' "$ivolog" | tail -n 1 | sed 's/.*=//'; }
pages() { grep -c "currentChanged(int).* index=${1:-[0-9]*}\$" "$ivolog" || true; }
daemon() { pgrep -f " remotepad $root/sim\$" >/dev/null; }
# The session of a process that runs (no zombie).
session() { local stat; stat=$(cat "/proc/$1/stat" 2>/dev/null) && set -- ${stat##*) } && [ "$1" != Z ] && echo "$4"; }
running() { session "$1" >/dev/null; }
# The command file written again until the settings open (the home window may not watch it yet).
opened() { echo "Settings Open" >"$root/tmp/ivo.cmd"; poll 5 active IVO-Settings; }

# The simulator (variables given are its environment) on a display of its own, once the home screen has the focus and
# listens to the IR daemon; $home is its window, $pid its process.
start() {
    unset DISPLAY
    for attempt in 1 2 3; do # another X server may take the display number picked
        env IVO_SIM_SIZE="$size" "$@" "$sim" run --keep >/dev/null && break
        "$sim" stop >/dev/null 2>&1 || true
        [ $attempt -lt 3 ] || fail "the simulator did not start"
    done
    export DISPLAY=$(cat "$root/sim/display")
    poll 60 active IVO || fail "the home screen never took the focus"
    home=$(xdotool getactivewindow) pid=$(cut -d" " -f1 "$root/sim/ivo.pid")
    poll 60 clients -ge 1 || fail "the home screen never connected to the IR daemon"
}

# The remote's KEY_$1 as the daemon reads it; $2 counts the repeats of a key held down.
press() {
    local keys=(- UP DOWN LEFT RIGHT OK EXIT MENU POWER) code
    for code in "${!keys[@]}"; do [ "${keys[code]}" != "$1" ] || break; done
    irsend -d "$root/dev/lircd" SIMULATE "$(printf '%016x %02x KEY_%s simremote' "$code" "${2:-0}" "$1")" ||
        fail "no IR daemon for $1"
}
# With the flow's `where` (the focus from a new screenshot, "none" when nowhere) and `toward` (a key from $1 to $2):
# step presses $1 and waits for the focus at $2; goto takes it to $1 one key at a time.
step() { press "$1"; poll 60 is "$2" where || fail "$1 did not take the focus to $2 (it is at $(where))"; }
leftfrom() { now=$(where) && [ "$now" != "$1" ]; }
goto() {
    local now tries=0
    poll 60 leftfrom none || return 1
    while [ "$now" != "$1" ]; do
        [ "$now" != none ] && [ $((tries++)) -lt 12 ] || return 1
        toward "$now" "$1"
        poll 30 leftfrom "$now" || true
    done
}

# Pixels of colour $3 (the focus frame's cyan unless given; $4 how near, 10% unless given) in the region $2 of the
# picture $1: x,y,w,h on a 1920 x 1080 screen, scaled to this one, or WxH+X+Y in this screen's pixels.
scaled() { local x y w h; IFS=, read -r x y w h <<<"$1"; echo "$((w * width / 1920))x$((h * width / 1920))+$((x * width / 1920))+$((y * width / 1920))"; }
area() { echo $(($1 * width / 1920 * width / 1920)); }
colour() {
    local crop=$2
    [[ $crop == *+* ]] || crop=$(scaled "$crop")
    convert "$1" -crop "$crop" +repage -fuzz "${4:-10%}" -fill black +opaque "${3:-#00d8ff}" -fill white \
        -opaque "${3:-#00d8ff}" -format '%[fx:int(mean*w*h)]' info:
}
# Little compression: a loaded machine spends most of a screenshot's second on it.
snap() { import -window root -define png:compression-level=1 "$root/sim/$1.png"; }
# Of the regions name:x,y,w,h, the one with the most of the focus frame in the picture $1 (one pass), "none" below a
# few hundred pixels.
framedat() {
    local picture=$1 r n i=0 crops=() best=none most=$(area 900)
    shift
    for r in "$@"; do crops+=('(' -clone 0 -crop "$(scaled "${r#*:}")" ')'); done
    for n in $(convert "$picture" "${crops[@]}" -delete 0 -fuzz 10% -fill black +opaque '#00d8ff' -fill white \
        -opaque '#00d8ff' -format '%[fx:int(mean*w*h)] ' info:); do
        r=${*:$((++i)):1}
        [ "$n" -le "$most" ] || { best=${r%%:*} most=$n; }
    done
    echo "$best"
}
# The home screen: the title bar's buttons at x 1140 (languages), 1270 (audio), 1410 (settings), 1550 (log-out), the
# grid's first row g0 to g4.
homeregions=(t1140:1140,50,140,90 t1270:1270,50,140,90 t1410:1410,50,140,90 t1550:1550,50,140,90)
for _tile in 0 1 2 3 4; do homeregions+=("g$_tile:$((380 + 229 * _tile)),157,240,240"); done
# The focus frame on the grid's tile $1, or on the title bar's button at x $1.
framed() { snap grid && [ "$(colour "$root/sim/grid.png" $((380 + 229 * $1)),157,240,240)" -ge "$(area 1000)" ]; }
titled() { snap title && [ "$(colour "$root/sim/title.png" "$1,50,140,90")" -gt "$(area 900)" ]; }
# The settings' App page button filled: their page buttons have the focus.
onapp() { snap settings && [ "$(colour "$root/sim/settings.png" 20,170,380,135 'rgb(7,81,120)' 3%)" -ge "$(area 20000)" ]; }
# The launch's waiting animation (its leading light).
lit() { snap lights && [ "$(colour "$root/sim/lights.png" 830,420,160,160 '#bff4ff' 8%)" -ge 60 ]; }
# From the home grid Up to the title bar (again: the grid may take its focus late), Right to the button at x $1.
titlebar() {
    local x
    for _ in $(seq 30); do press UP; poll 2 titled 1140 && break; done
    titled 1140 || fail "Up did not reach the title bar"
    for x in 1270 1410; do
        [ "$x" -le "$1" ] || break
        press RIGHT
        poll 30 titled $x || fail "Right did not reach the title bar's button at $x"
    done
}
# The question answered "Yes": Left from "No" until the left half of its lower third is bluer than the right, then OK.
yesfocused() {
    local X Y WIDTH HEIGHT WINDOW SCREEN half blue='rgb(14,153,226)'
    eval "$(xdotool getactivewindow getwindowgeometry --shell)"
    snap question
    half="$((WIDTH / 2))x$((HEIGHT / 3))"
    [ "$(colour "$root/sim/question.png" "$half+$X+$((Y + HEIGHT * 2 / 3))" "$blue")" -gt \
        "$(colour "$root/sim/question.png" "$half+$((X + WIDTH / 2))+$((Y + HEIGHT * 2 / 3))" "$blue")" ]
}
answeryes() { press LEFT; poll 30 yesfocused || fail "Left on the question did not reach Yes"; press OK; }
# The pictures of docs/: the screenshot $1 kept as $2, or the screen once settled (two shots alike) as $1.
keep() { [ -z "$shots" ] || convert "$root/sim/$1.png" "$shots/$2-${height}p.png"; }
settled() { snap a && snap b && [ "$(compare -metric AE "$root/sim/a.png" "$root/sim/b.png" null: 2>&1)" = 0 ]; }
picture() {
    [ -n "$shots" ] || return 0
    poll 30 settled || fail "the screen never settled for $1"
    convert "$root/sim/b.png" "$shots/$1-${height}p.png"
}
