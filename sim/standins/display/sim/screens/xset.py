"""The xset stand-in's work (sim/bin/xset runs it): xset with display power
management, which no X server here has: the DPMS state lives in
sim/xset.json and "xset q" prints it in the real tool's DPMS section, for as
long as the X server runs (a new server has its defaults again). Every
other option goes to the real xset; "q" takes the other sections from the
real xset, or without an X server from an idle server's answer recorded
here."""
import json
import os
import re
import subprocess
import sys

SYSROOT = '@SYSROOT@'
STATE = os.path.join(SYSROOT, 'sim')
STATE_FILE = os.path.join(STATE, 'xset.json')
REAL = '/usr/bin/xset'

IDLE_SERVER = """Keyboard Control:
  auto repeat:  on    key click percent:  0    LED mask:  00000000
  XKB indicators:
    00: Caps Lock:   off    01: Num Lock:    off    02: Scroll Lock: off
    03: Shift Lock:  off    04: Group 2:     off    05: Mouse Keys:  off
  auto repeat delay:  660    repeat rate:  25
  auto repeating keys:  00feffffdffffbbf
                        fadfffffffdfe5ef
                        ffffffffffffffff
                        ffffffffffffffff
  bell percent:  50    bell pitch:  400    bell duration:  100
Pointer Control:
  acceleration:  2/1    threshold:  4
Screen Saver:
  prefer blanking:  yes    allow exposures:  yes
  timeout:  {timeout}    cycle:  {cycle}
Colors:
  default colormap:  0x20    BlackPixel:  0x0    WhitePixel:  0xffffff
Font Path:
  /usr/share/fonts/X11/misc,built-ins
DPMS (Energy Star):
  Server does not have the DPMS Extension
"""
LEVELS = {'on': 'On', 'standby': 'Standby', 'suspend': 'Suspend', 'off': 'Off'}


def server():
    """The X server the state belongs to: its display and when its socket was
    made, so that a restarted server starts again from its defaults."""
    display = os.environ.get('DISPLAY', '')
    m = re.match(r'[^:]*:(\d+)', display)
    try:
        return f"{display}@{os.stat(f'/tmp/.X11-unix/X{m.group(1)}').st_mtime_ns}" if m else ''
    except OSError:
        return ''


def load():
    state = dict(enabled=True, standby=600, suspend=600, off=600, level='On', timeout=600, cycle=600,
                 server=server())
    try:
        with open(STATE_FILE) as f:
            kept = json.load(f)
        if kept.get('server', '') == state['server']:
            state.update(kept)
    except (OSError, ValueError, AttributeError):
        pass
    return state


def save(state):
    tmp = STATE_FILE + '.tmp'
    with open(tmp, 'w') as f:
        json.dump(state, f)
    os.replace(tmp, STATE_FILE)


def dpms_section(state):
    lines = ['DPMS (Energy Star):',
             f"  Standby: {state['standby']}    Suspend: {state['suspend']}    Off: {state['off']}"]
    if state['enabled']:
        lines += ['  DPMS is Enabled',
                  '  Monitor is On' if state['level'] == 'On' else
                  '  Monitor is Off' if state['level'] == 'Off' else f"  Monitor is in {state['level']}"]
    else:
        lines.append('  DPMS is Disabled')
    return lines


def query(state):
    try:
        real = subprocess.run([REAL, 'q'], capture_output=True, text=True)
        text = real.stdout if real.returncode == 0 else ''
    except OSError:
        text = ''
    if not text:
        text = IDLE_SERVER.format(timeout=state['timeout'], cycle=state['cycle'])
    out, skipping = [], False
    for line in text.splitlines():
        if line.startswith('DPMS'):
            out += dpms_section(state)
            skipping = True
        elif skipping and line.startswith(' '):
            continue
        else:
            skipping = False
            out.append(line)
    if not any(line.startswith('DPMS') for line in text.splitlines()):
        out += dpms_section(state)
    print('\n'.join(out))


def saver_without_server(state, args):
    """The screen saver's time-outs when the real xset has no server to set."""
    if args[:2] == ['s', 'off']:
        state['timeout'] = 0
    elif args[:2] in (['s', 'on'], ['s', 'default']):
        state['timeout'], state['cycle'] = 600, 600
    elif len(args) >= 2 and args[0] == 's' and args[1].isdigit():
        state['timeout'] = int(args[1])
        if len(args) >= 3 and args[2].isdigit():
            state['cycle'] = int(args[2])


def main(argv):
    state = load()
    rest, want_query, i = [], False, 0
    while i < len(argv):
        a = argv[i]
        if a == 'q':
            want_query = True
        elif a == '+dpms':
            state['enabled'] = True
        elif a == '-dpms':
            state['enabled'] = False
        elif a == 'dpms':
            if i + 1 < len(argv) and argv[i + 1] == 'force':
                level = argv[i + 2] if i + 2 < len(argv) else ''
                if level not in LEVELS:
                    print('missing argument to dpms force' if not level else f'unknown option {level}',
                          file=sys.stderr)
                    return 1
                state['enabled'], state['level'] = True, LEVELS[level]
                i += 2
            else:
                times = []
                while i + 1 < len(argv) and argv[i + 1].isdigit() and len(times) < 3:
                    times.append(int(argv[i + 1]))
                    i += 1
                new = dict(zip(('standby', 'suspend', 'off'), times))
                s, p, o = (new.get(k, state[k]) for k in ('standby', 'suspend', 'off'))
                for a_name, a_val, b_name, b_val in (('standby', s, 'suspend', p), ('suspend', p, 'off', o),
                                                     ('standby', s, 'off', o)):
                    if b_val and a_val > b_val:
                        print(f'illegal combination of values\n  {a_name} time of {a_val} is greater than '
                              f'{b_name} time of {b_val}', file=sys.stderr)
                        return 1
                state.update(new)
        else:
            rest.append(a)
        i += 1
    if rest:
        try:
            real = subprocess.run([REAL] + rest, capture_output=True, text=True)
            no_server = real.returncode != 0 and 'unable to open display' in real.stderr
            sys.stdout.write(real.stdout)
            sys.stderr.write('' if no_server else real.stderr)
        except OSError:
            no_server = True
        if no_server:
            saver_without_server(state, rest)
    save(state)
    if want_query:
        query(state)
    return 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
