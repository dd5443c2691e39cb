"""The hot-plug script's work: screen.conf's "Screen1" ... "Screen5" follow the
connected outputs xrandr reports (in its order), and the file's modes and
arrangement are applied with xrandr, one output at a time."""
import os
import re
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import monitors  # noqa: E402

CONF = os.path.join(monitors.SYSROOT, 'etc', 'Tellora', 'config', 'screen.conf')
XRANDR = os.path.join(monitors.STATE, 'bin', 'xrandr')
MAX_OUTPUTS = 5


def xrandr(*args):
    return subprocess.run([XRANDR, *args], capture_output=True, text=True)


def connected_outputs(text):
    """[(name, {mode: [rate words]}, current mode, current rate word)] of the
    connected outputs; rate words as the model reads them ("*" gone, an
    attached "+" kept), the current rate as the file keeps it (no marker)."""
    outputs = []
    for line in text.splitlines():
        words = line.split()
        if not words or line.startswith('Screen '):
            continue
        if not line.startswith(' '):
            outputs.append([words[0], {}, '', ''] if words[1:2] == ['connected'] else None)
            continue
        if not outputs or outputs[-1] is None:
            continue
        out = outputs[-1]
        rates = [w.replace('*', '', 1) for w in words[1:] if w != '+']
        out[1].setdefault(words[0], []).extend(rates)
        for w in words[1:]:
            if '*' in w:
                out[2], out[3] = words[0], w.replace('*', '', 1).rstrip('+')
    return [tuple(o) for o in outputs if o is not None]


class Ini:
    """screen.conf as lines, edited in place so that the rest stays as it was."""

    def __init__(self, path):
        try:
            with open(path, encoding='utf-8', errors='surrogateescape') as f:
                self.lines = f.read().splitlines()
        except FileNotFoundError:
            self.lines = []
        self.original = list(self.lines)

    def _sections(self):
        current = None
        for i, line in enumerate(self.lines):
            s = line.strip()
            if s.startswith('[') and ']' in s:
                current = s[1:s.index(']')]
            yield i, current, s

    def get(self, section, key, default=''):
        for _, sec, s in self._sections():
            if sec == section and '=' in s and not s.startswith('[') and s.split('=', 1)[0].strip() == key:
                return s.split('=', 1)[1].strip()
        return default

    def has_section(self, section):
        return any(sec == section for _, sec, _ in self._sections())

    def set(self, section, key, value):
        last = None
        for i, sec, s in self._sections():
            if sec != section:
                continue
            last = i if s else last
            if '=' in s and not s.startswith('[') and s.split('=', 1)[0].strip() == key:
                self.lines[i] = f'{key} = {value}'
                return
        if last is None:
            if self.lines and self.lines[-1].strip():
                self.lines.append('')
            self.lines += [f'[{section}]', f'{key} = {value}']
        else:
            self.lines.insert(last + 1, f'{key} = {value}')

    def save(self, path):
        if self.lines == self.original:
            return
        tmp = path + '.hotplug'
        with open(tmp, 'w', encoding='utf-8', errors='surrogateescape') as f:
            f.write('\n'.join(self.lines) + '\n')
        os.replace(tmp, path)


def rate_argument(word):
    m = re.match(r'[0-9]+(\.[0-9]+)?', word)
    return m.group(0) if m else ''


def main():
    q = xrandr('-q')
    if q.returncode != 0:
        print('xrandr-hotplug: no X server to ask', file=sys.stderr)
        return 0
    outputs = connected_outputs(q.stdout)[:MAX_OUTPUTS]
    conf = Ini(CONF)
    for i in range(MAX_OUTPUTS):
        section = f'Screen{i + 1}'
        if i >= len(outputs):
            if conf.has_section(section):
                conf.set(section, 'Connected', 'False')
                conf.set(section, 'Name', 'none')
            continue
        name, modes, cur_mode, cur_rate = outputs[i]
        conf.set(section, 'Connected', 'True')
        conf.set(section, 'Name', name)
        # A mode this monitor does not offer (another one was plugged in)
        # gives way to the mode it shows now.
        if conf.get(section, 'Mode') not in modes and cur_mode:
            conf.set(section, 'Mode', cur_mode)
            conf.set(section, 'Rate', cur_rate)
        elif not conf.get(section, 'Rate') and conf.get(section, 'Mode') == cur_mode:
            # A mode written without its rate shows the rate it runs at.
            conf.set(section, 'Rate', cur_rate)
    conf.save(CONF)

    main_name = outputs[0][0] if outputs else ''
    for i, (name, modes, _, _) in enumerate(outputs):
        section = f'Screen{i + 1}'
        mode = conf.get(section, 'Mode')
        if mode not in modes:
            continue
        args = ['--output', name, '--mode', mode]
        rate = rate_argument(conf.get(section, 'Rate'))
        if rate:
            args += ['--rate', rate]
        if i == 0:
            args.append('--primary')
        else:
            extend = conf.get(section, 'ExtendMode').lower()
            origin = conf.get(section, 'ExtendFrom') or outputs[i - 1][0]
            args += {'right': ['--right-of', origin], 'left': ['--left-of', origin]}.get(
                extend, ['--same-as', main_name])
        r = xrandr(*args)
        if r.returncode != 0:
            sys.stderr.write(r.stderr)
    fill_rates(conf, len(outputs))
    return 0


def fill_rates(conf, count):
    """A mode written without its rate shows the rate it came up with."""
    sections = [f'Screen{i + 1}' for i in range(count)]
    if all(conf.get(s, 'Rate') for s in sections):
        return
    for section, (_, _, mode, rate) in zip(sections, connected_outputs(xrandr('-q').stdout)):
        if not conf.get(section, 'Rate') and conf.get(section, 'Mode') == mode:
            conf.set(section, 'Rate', rate)
    conf.save(CONF)


if __name__ == '__main__':
    sys.exit(main())
