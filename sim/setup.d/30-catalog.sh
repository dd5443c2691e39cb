#!/usr/bin/env bash
# The online catalog and the package tool: the package tool stand-in
# (/sbin/bento_cli), the maker's catalog service content (catalog files for
# every interface language, icons rendered from our SVG art, package files)
# and the catalog address in corvex.conf. 30-catalog.start serves the content
# on loopback when the simulator runs (port: IVO_SIM_CATALOG_PORT).
source "$SIM_SRC/setup-lib.sh"

port=${IVO_SIM_CATALOG_PORT:-39517}
install_standins catalog
mkdir -p "$SIM_STATE/bento"
python3 "$SIM_STATE/catalog/make-catalog.py" "$port"
echo "$port" >"$SIM_STATE/catalog/port"

# "System"/"BENTO CENTER XML": added when missing; an address of ours is moved
# to the current port; a developer's own address is kept.
python3 - "$SYSROOT/etc/config/corvex.conf" "http://127.0.0.1:$port/bentocenter_%s.xml" <<'PY'
import os, re, sys
path, url = sys.argv[1], sys.argv[2]
key = 'BENTO CENTER XML'
try:
    with open(path, encoding='utf-8') as f:
        lines = f.read().splitlines()
except FileNotFoundError:
    lines = []
section, system_end, done = None, None, False
for i, line in enumerate(lines):
    s = line.strip()
    if s.startswith('[') and s.endswith(']'):
        section = s[1:-1]
        continue
    if section == 'System':
        if s:
            system_end = i + 1
        if '=' in s and s.split('=', 1)[0].strip() == key:
            if re.fullmatch(r'http://127\.0\.0\.1:\d+/bentocenter_%s\.xml', s.split('=', 1)[1].strip()):
                lines[i] = f'{key} = {url}'
            done = True
if not done:
    if system_end is None:
        if lines and lines[-1].strip():
            lines.append('')
        lines += ['[System]', f'{key} = {url}']
    else:
        lines.insert(system_end, f'{key} = {url}')
with open(path + '.tmp', 'w', encoding='utf-8') as f:
    f.write('\n'.join(lines) + '\n')
os.replace(path + '.tmp', path)
PY
