#!/usr/bin/env bash
# The online catalog and the package tool: the package tool stand-in
# (/sbin/bento_cli), the maker's catalog service content (catalog files for
# every interface language, icons rendered from our SVG art, package files)
# and the catalog address in corvex.conf. 30-catalog.start serves the content
# on loopback when the simulator runs, on a free port (or
# IVO_SIM_CATALOG_PORT), and points the address at it; until then the
# address names port 0, where nothing answers.
source "$SIM_SRC/setup-lib.sh"

port=${IVO_SIM_CATALOG_PORT:-0}
if [ -z "${IVO_SIM_CATALOG_PORT:-}" ] && pidfile_alive "$SIM_STATE/pids/catalog.pid"; then
    port=$(cat "$SIM_STATE/catalog/port" 2>/dev/null || echo 0)
fi
install_standins catalog
mkdir -p "$SIM_STATE/bento"
python3 "$SIM_STATE/catalog/make-catalog.py" "$port"
