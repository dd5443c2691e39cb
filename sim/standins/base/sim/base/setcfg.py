# The setcfg stand-in's work: setcfg SECTION KEY VALUE -f FILE sets one key
# of one section, keeping every other line as it was.
import os, sys

argv = sys.argv[1:]
if len(argv) != 5 or argv[3] != '-f':
    sys.exit('usage: setcfg SECTION KEY VALUE -f FILE')
section, key, value, _, path = argv
try:
    with open(path, encoding='utf-8', errors='surrogateescape') as f:
        lines = f.read().splitlines()
except FileNotFoundError:
    lines = []
out, current, done, sec_end = [], None, False, None
for i, line in enumerate(lines):
    s = line.strip()
    if s.startswith('[') and ']' in s:
        if current == section and not done:
            sec_end = len(out)
        current = s[1:s.index(']')]
    elif current == section and not done and '=' in s and s.split('=', 1)[0].strip() == key:
        line, done = f'{key} = {value}', True
    out.append(line)
if not done:
    if current == section and sec_end is None:
        sec_end = len(out)
    if sec_end is None:
        if out and out[-1].strip():
            out.append('')
        out += [f'[{section}]', f'{key} = {value}']
    else:
        while sec_end > 0 and not out[sec_end - 1].strip():
            sec_end -= 1
        out.insert(sec_end, f'{key} = {value}')
tmp = path + '.setcfg'
with open(tmp, 'w', encoding='utf-8', errors='surrogateescape') as f:
    f.write('\n'.join(out) + '\n')
os.replace(tmp, path)
