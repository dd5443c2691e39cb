"""The simulated appliance's HDMI outputs: which monitors are plugged in (the
simulator setting XRANDR_OUTPUTS), their modes as the X server would list
them, and their EDID blocks under the simulated sysfs DRM tree."""
import os
import re
import sys

SYSROOT = '@SYSROOT@'
STATE = os.path.join(SYSROOT, 'sim')
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import edid  # noqa: E402

CONNECTORS = 5  # HDMI-A-1 ... HDMI-A-5 on card 0

TV_MODES = [
    ('3840x2160', ['60.00', '50.00', '30.00']),
    ('1920x1080', ['60.00', '50.00', '59.94']),
    ('1920x1080i', ['60.00', '50.00']),
    ('1280x720', ['60.00', '50.00', '59.94']),
    ('720x576', ['50.00']),
    ('720x480', ['59.94']),
]
DESK_MODES = [
    ('1920x1080', ['60.00', '50.00', '59.94']),
    ('1680x1050', ['59.88']),
    ('1280x1024', ['75.02', '60.02']),
    ('1280x720', ['60.00', '50.00', '59.94']),
    ('1024x768', ['75.03', '60.00']),
    ('800x600', ['60.32']),
    ('640x480', ['59.94']),
]

# One monitor per connector: its name, EDID version, preferred timing, size
# (cm), the modes the server offers for it, and the preferred mode and rate.
MONITORS = [
    dict(name='Sofa View 55', version='1.4', timing='3840x2160@60', size='121x68',
         modes=TV_MODES, preferred=('3840x2160', '60.00')),
    dict(name='Den Desk 24', version='1.3', timing='1920x1080@60', size='53x30',
         modes=DESK_MODES, preferred=('1920x1080', '60.00')),
    dict(name='Porch TV 43', version='1.4', timing='3840x2160@30', size='95x54',
         modes=TV_MODES[:4], preferred=('3840x2160', '30.00')),
    dict(name='Attic Panel', version='1.3', timing='1280x720@60', size='70x39',
         modes=[m for m in TV_MODES if not m[0].startswith('3840')], preferred=('1280x720', '60.00')),
    dict(name='Lobby Wall 65', version='1.4', timing='3840x2160@60', size='143x80',
         modes=TV_MODES, preferred=('3840x2160', '60.00')),
]


def setting(key, default=''):
    """A simulator setting from sim/settings (KEY=value lines, the last wins)."""
    value = ''
    try:
        with open(os.path.join(STATE, 'settings')) as f:
            for line in f:
                if line.startswith(key + '='):
                    value = line[len(key) + 1:].strip()
    except OSError:
        pass
    return value or default


def layout():
    """(number of connected outputs, name prefix, first number); (0, ...) when
    the real xrandr answers (the default)."""
    count = setting('XRANDR_OUTPUTS', 'real')
    prefix = setting('XRANDR_NAMES', 'HDMI-')
    # Output names like HDMI-A-0 count from 0, like HDMI-1 from 1.
    first = 0 if re.search(r'-A-$', prefix) else 1
    if not count.isdigit():
        return 0, prefix, first
    return max(1, min(int(count), CONNECTORS)), prefix, first


def write_sysfs(connected):
    """The DRM connectors: EDID and status of each, a monitor on the first
    `connected` ones; an unplugged connector keeps an empty EDID file, as the
    kernel does."""
    for i in range(CONNECTORS):
        folder = os.path.join(SYSROOT, 'sys', 'class', 'drm', f'card0-HDMI-A-{i + 1}')
        os.makedirs(folder, exist_ok=True)
        m = MONITORS[i]
        data = edid.build(m['name'], m['version'], m['timing'], m['size'], serial=i + 1) if i < connected else b''
        with open(os.path.join(folder, 'edid'), 'wb') as f:
            f.write(data)
        with open(os.path.join(folder, 'status'), 'w') as f:
            f.write('connected\n' if i < connected else 'disconnected\n')


if __name__ == '__main__':
    # monitors.py sysfs: lays out the connectors for the current setting.
    count, _, _ = layout()
    write_sysfs(count or 1)
