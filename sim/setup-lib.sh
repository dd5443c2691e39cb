# Helpers for the setup steps in setup.d/. Each step runs with SYSROOT (the
# scratch sysroot), SIM_SRC (this folder), SIM_STATE ($SYSROOT/sim) and ARTGEN
# (the build's picture renderer) set.
set -euo pipefail
source "$SIM_SRC/pidfile.sh"

# install_standins AREA: copies standins/AREA/* into the sysroot (the folders
# below AREA mirror the appliance's paths) and writes the sysroot's path in
# place of @SYSROOT@.
install_standins() {
    local area=$SIM_SRC/standins/$1 src rel dst
    while IFS= read -r -d '' src; do
        rel=${src#"$area"/}
        dst=$SYSROOT/$rel
        mkdir -p "$(dirname "$dst")"
        rm -f "$dst"
        sed "s|@SYSROOT@|$SYSROOT|g" "$src" >"$dst"
        chmod --reference="$src" "$dst"
    done < <(find "$area" -type f -print0)
}

# link_real PATH...: the appliance path is a link to this machine's program of
# the same name (the product calls it by absolute path; it works here as is).
link_real() {
    local p real
    for p in "$@"; do
        real=$(command -v "$(basename "$p")" || true)
        [ -n "$real" ] || { echo "setup: no $(basename "$p") on this machine" >&2; continue; }
        mkdir -p "$SYSROOT$(dirname "$p")"
        ln -sfn "$real" "$SYSROOT$p"
    done
}

# wrap_real PROGRAM...: this machine's program of that name, run through a
# wrapper in sim/bin (first on the product's PATH) that logs its command line
# and honours its hang switch. A PROGRAM given as an appliance path
# (/usr/bin/ibus) is also linked there to the wrapper, for the product calls
# it by that path.
wrap_real() {
    local p name
    for p in "$@"; do
        name=$(basename "$p")
        command -v "$name" >/dev/null || echo "setup: no $name on this machine" >&2
        rm -f "$SIM_STATE/bin/$name"
        sed "s|@SYSROOT@|$SYSROOT|g" "$SIM_SRC/standins/real-program" >"$SIM_STATE/bin/$name"
        chmod 755 "$SIM_STATE/bin/$name"
        if [[ $p == /* ]]; then
            mkdir -p "$SYSROOT$(dirname "$p")"
            ln -sfn "$SIM_STATE/bin/$name" "$SYSROOT$p"
        fi
    done
}

# put_file PATH [MODE]: writes standard input to PATH in the sysroot unless the
# file exists, so a developer's edits survive a new "setup".
put_file() {
    local dst=$SYSROOT$1
    mkdir -p "$(dirname "$dst")"
    if [ -e "$dst" ]; then cat >/dev/null; else cat >"$dst"; fi
    [ -z "${2:-}" ] || chmod "$2" "$dst"
}

# render_art MANIFEST DIR WHAT: draws the pictures MANIFEST lists ("OUTPUT
# SOURCE WIDTHxHEIGHT" lines, paths under DIR) with the renderer the build
# draws the product's own pictures with, in one run.
render_art() {
    if [ ! -x "${ARTGEN:-}" ]; then
        echo "setup: no picture renderer at ${ARTGEN:-(unset)} (build first): $3 have no icons" >&2
        return 1
    fi
    "$ARTGEN" "$1" "$2" "$2" || { echo "setup: could not render the icons of $3" >&2; return 1; }
}
