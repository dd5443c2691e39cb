"""xrandr for a layout of several HDMI outputs, which no X server here has:
keeps the outputs' modes and positions in sim/xrandr.json and prints them as
the real tool does. A mode set with "--output X --mode M --rate R" is what
the next query prints."""
import json
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import monitors  # noqa: E402

STATE_FILE = os.path.join(monitors.STATE, 'xrandr.json')
ROTATIONS = '(normal left inverted right x axis y axis)'


def fresh_state(count, prefix, first):
    outputs = []
    for i in range(monitors.CONNECTORS):
        m = monitors.MONITORS[i]
        connected = i < count
        w, h = (int(v) * 10 for v in m['size'].split('x'))
        outputs.append(dict(
            name=f'{prefix}{i + first}', connected=connected,
            modes=[[n, list(r)] for n, r in m['modes']] if connected else [],
            preferred=list(m['preferred']) if connected else None,
            current=list(m['preferred']) if connected else None,
            pos=[0, 0], primary=i == 0 and connected, mm=[w, h]))
    # A DisplayPort connector without a monitor, between the HDMI ones.
    outputs.insert(1, dict(name='DP-1', connected=False, modes=[], preferred=None, current=None,
                           pos=[0, 0], primary=False, mm=[0, 0]))
    return dict(layout=[count, prefix, first], outputs=outputs)


def load():
    count, prefix, first = monitors.layout()
    try:
        with open(STATE_FILE) as f:
            state = json.load(f)
        if state.get('layout') == [count, prefix, first]:
            return state
    except (OSError, ValueError):
        pass
    # A new layout: the monitors were plugged in as the setting says.
    monitors.write_sysfs(count)
    return fresh_state(count, prefix, first)


def save(state):
    tmp = STATE_FILE + '.tmp'
    with open(tmp, 'w') as f:
        json.dump(state, f, indent=1)
    os.replace(tmp, STATE_FILE)


def size_of(mode):
    w, h = mode.rstrip('i').split('x')
    return int(w), int(h)


def screen_size(outputs):
    on = [o for o in outputs if o['current']]
    if not on:
        return 320, 200
    return (max(o['pos'][0] + size_of(o['current'][0])[0] for o in on),
            max(o['pos'][1] + size_of(o['current'][0])[1] for o in on))


def query(state):
    outputs = state['outputs']
    w, h = screen_size(outputs)
    lines = [f'Screen 0: minimum 320 x 200, current {w} x {h}, maximum 16384 x 16384']
    for o in outputs:
        if not o['connected'] and not o['current']:
            lines.append(f"{o['name']} disconnected {ROTATIONS}")
            continue
        head = f"{o['name']} {'connected' if o['connected'] else 'disconnected'} "
        if o['primary']:
            head += 'primary '
        if o['current']:
            mw, mh = size_of(o['current'][0])
            head += f"{mw}x{mh}+{o['pos'][0]}+{o['pos'][1]} {ROTATIONS} {o['mm'][0]}mm x {o['mm'][1]}mm"
        else:
            head += ROTATIONS
        lines.append(head)
        for name, rates in o['modes']:
            line = f'   {name:<12}'
            for r in rates:
                cur = '*' if o['current'] == [name, r] else ' '
                pref = '+' if o['preferred'] == [name, r] else ' '
                line += f' {float(r):6.2f}{cur}{pref}'
            lines.append(line)
    print('\n'.join(lines))


def find(outputs, name):
    return next((o for o in outputs if o['name'] == name), None)


def nearest_rate(rates, wanted):
    if wanted is None:
        return rates[0]
    return min(rates, key=lambda r: abs(float(r) - wanted))


def apply(state, name, opts):
    """One --output group; an error message or None."""
    outputs = state['outputs']
    o = find(outputs, name)
    if o is None:
        print(f'warning: output {name} not found; ignoring', file=sys.stderr)
        return None
    if 'off' in opts:
        o['current'] = None
        return None
    mode = opts.get('mode')
    if mode is None and ('auto' in opts or 'preferred' in opts or o['current'] is None):
        mode = (o['preferred'] or [None])[0]
        if mode is None:
            return None  # --auto on an output without a monitor turns it off
    if mode is not None or 'rate' in opts:
        mode = mode or o['current'][0]
        rates = next((r for n, r in o['modes'] if n == mode), None)
        if not rates:
            return f'xrandr: cannot find mode {mode}'
        o['current'] = [mode, nearest_rate(rates, opts.get('rate'))]
    if 'primary' in opts:
        for other in outputs:
            other['primary'] = other is o
    if 'noprimary' in opts:
        o['primary'] = False
    if 'pos' in opts:
        o['pos'] = list(opts['pos'])
    for rel in ('left-of', 'right-of', 'above', 'below', 'same-as'):
        if rel not in opts:
            continue
        ref = find(outputs, opts[rel])
        if ref is None or not ref['current'] or not o['current']:
            continue
        rw, rh = size_of(ref['current'][0])
        w, h = size_of(o['current'][0])
        x, y = ref['pos']
        o['pos'] = {'left-of': [x - w, y], 'right-of': [x + rw, y], 'above': [x, y - h],
                    'below': [x, y + rh], 'same-as': [x, y]}[rel]
    # Positions never go below 0: the whole layout moves instead.
    on = [p for p in outputs if p['current']]
    if on:
        dx = min(p['pos'][0] for p in on)
        dy = min(p['pos'][1] for p in on)
        for p in on:
            p['pos'] = [p['pos'][0] - dx, p['pos'][1] - dy]
    return None


def main(argv):
    state = load()
    if not argv or argv[0] in ('-q', '--query', '--current', '--verbose'):
        query(state)
        save(state)
        return 0
    groups, i = [], 0
    flags = {'--off': 'off', '--auto': 'auto', '--preferred': 'preferred', '--primary': 'primary',
             '--noprimary': 'noprimary'}
    valued = {'--mode': 'mode', '--rate': 'rate', '-r': 'rate', '--refresh': 'rate', '--pos': 'pos',
              '--left-of': 'left-of', '--right-of': 'right-of', '--above': 'above', '--below': 'below',
              '--same-as': 'same-as'}
    try:
        while i < len(argv):
            a = argv[i]
            if a == '--output':
                groups.append((argv[i + 1], {}))
                i += 2
            elif a in flags and groups:
                groups[-1][1][flags[a]] = True
                i += 1
            elif a in valued and groups:
                v = argv[i + 1]
                if a in ('--rate', '-r', '--refresh'):
                    v = float(re.match(r'[0-9.]+', v).group(0))
                elif a == '--pos':
                    v = [int(p) for p in v.split('x')]
                groups[-1][1][valued[a]] = v
                i += 2
            else:
                print(f"xrandr: unrecognized option '{a}'\nTry 'xrandr --help' for more information.",
                      file=sys.stderr)
                return 1
    except (IndexError, ValueError, AttributeError):
        print(f"xrandr: bad or missing argument to '{argv[i]}'", file=sys.stderr)
        return 1
    for name, opts in groups:
        error = apply(state, name, opts)
        if error:
            print(error, file=sys.stderr)
            return 1
    save(state)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
