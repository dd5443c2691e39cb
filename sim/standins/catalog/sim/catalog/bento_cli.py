"""The package tool stand-in's work (/sbin/bento_cli runs it).

  bento_cli -a NAME             install or update NAME in the background
  bento_cli -c NAME             cancel that job
  bento_cli -s NAME --output 2  print the job state as one JSON object
  bento_cli --enable NAME       set Enable = TRUE in /etc/config/bento.conf
  bento_cli --disable NAME      set Enable = FALSE

The job takes the package file named by the catalog (served from the
simulator's catalog folder), "downloads" it with rising progress, "installs"
it in steps 1 to 4, unpacks it under /share/vol1/.tellora/apps/NAME and adds
or updates the package's section of bento.conf. The pace follows the
simulator setting BENTO_STEP_MS (default 250 ms per step). With the setting
BENTO_LOCKSTEP=yes the job waits at its start and at the end of each phase
until a state query has read that state, so whoever follows the job sees both
phases however late its queries come."""
import fcntl, json, os, shutil, signal, subprocess, sys, tarfile, time
import xml.etree.ElementTree as ET
from urllib.parse import urlparse

sysroot = '@SYSROOT@'
state_dir = os.path.join(sysroot, 'sim')
jobs = os.path.join(state_dir, 'bento')
www = os.path.join(state_dir, 'catalog', 'www')
conf_path = os.path.join(sysroot, 'etc', 'config', 'bento.conf')
apps = '/share/vol1/.tellora/apps'
tellora_bin = os.path.join(sysroot, 'share', 'vol1', '.tellora', 'bin')


def setting(key, default):
    try:
        with open(os.path.join(state_dir, 'settings')) as f:
            values = [l.split('=', 1)[1].strip() for l in f if l.startswith(key + '=')]
        return values[-1] if values and values[-1] else default
    except OSError:
        return default


def state_file(name):
    return os.path.join(jobs, name + '.json')


def seen_file(name):
    """The last state a query printed."""
    return os.path.join(jobs, name + '.seen')


def read(path):
    try:
        with open(path) as f:
            return f.read()
    except OSError:
        return None


def write_state(name, status, progress):
    tmp = state_file(name) + '.tmp'
    with open(tmp, 'w') as f:
        json.dump({'name': name, 'status_value': status, 'progress': str(progress)}, f)
    os.replace(tmp, state_file(name))


class Conf:
    """bento.conf as lines, edited under a lock shared by every job."""

    def __init__(self):
        os.makedirs(jobs, exist_ok=True)
        self.lock = open(os.path.join(jobs, '.lock'), 'w')
        fcntl.flock(self.lock, fcntl.LOCK_EX)
        try:
            with open(conf_path, encoding='utf-8') as f:
                self.lines = f.read().splitlines()
        except FileNotFoundError:
            self.lines = []

    def section(self, name):
        """(first, end) line range of [name], or None."""
        start = None
        for i, line in enumerate(self.lines):
            s = line.strip()
            if s.startswith('[') and s.endswith(']'):
                if start is not None:
                    return start, i
                if s[1:-1] == name:
                    start = i
        return (start, len(self.lines)) if start is not None else None

    def get(self, name, key):
        rng = self.section(name)
        for line in self.lines[rng[0] + 1:rng[1]] if rng else []:
            if '=' in line and line.split('=', 1)[0].strip() == key:
                return line.split('=', 1)[1].strip()
        return None

    def set(self, name, key, value):
        rng = self.section(name)
        if rng is None:
            if self.lines and self.lines[-1].strip():
                self.lines.append('')
            self.lines.append(f'[{name}]')
            rng = (len(self.lines) - 1, len(self.lines))
        for i in range(rng[0] + 1, rng[1]):
            if '=' in self.lines[i] and self.lines[i].split('=', 1)[0].strip() == key:
                self.lines[i] = f'{key} = {value}'
                return
        end = rng[1]
        while end > rng[0] + 1 and not self.lines[end - 1].strip():
            end -= 1
        self.lines.insert(end, f'{key} = {value}')

    def save(self):
        tmp = conf_path + '.bento_cli'
        with open(tmp, 'w', encoding='utf-8') as f:
            f.write('\n'.join(self.lines) + '\n')
        os.replace(tmp, conf_path)


def catalog_location(name):
    """The package file of NAME for this appliance model, as a local path."""
    try:
        with open(os.path.join(sysroot, 'etc', 'config', 'Model_Name.conf')) as f:
            model = f.readline().strip()
        root = ET.parse(os.path.join(www, 'bentocenter_eng.xml')).getroot()
    except (OSError, ET.ParseError):
        return None
    for item in root.iter('item'):
        if item.findtext('internalName') != name:
            continue
        for platform in item.iter('platform'):
            if platform.findtext('platformID') == model and platform.findtext('location'):
                return os.path.join(www, urlparse(platform.findtext('location')).path.lstrip('/'))
    return None


def job(name):
    step = int(setting('BENTO_STEP_MS', '250')) / 1000.0
    lockstep = setting('BENTO_LOCKSTEP', 'no') == 'yes'

    def report(status, progress, hold=False):
        write_state(name, status, progress)
        # Held until read; a cancelled job (its state removed) or a sysroot
        # gone away ends the wait, and nothing waits longer than ten minutes.
        deadline = time.monotonic() + 600
        while hold and lockstep and time.monotonic() < deadline:
            state = read(state_file(name))
            if state is None or state == read(seen_file(name)):
                break
            time.sleep(0.02)
        time.sleep(step)

    package = catalog_location(name)
    for progress in range(0, 101, 10):
        if progress == 40 and not (package and os.path.isfile(package)):
            # Stays failed until cancelled; it never reports "enabled".
            write_state(name, 'download_failed', progress)
            return
        report('download_operating', progress, hold=progress in (0, 100))
    for progress in range(1, 5):
        report('install_operating', progress, hold=progress == 4)

    folder = os.path.join(apps, name)
    target = sysroot + folder
    os.makedirs(target, exist_ok=True)
    with tarfile.open(package) as tar:
        if hasattr(tarfile, 'data_filter'):
            tar.extractall(target, filter='data')
        else:
            tar.extractall(target)
    for link, program in (('run.sh', 'tvapp'), ('service.sh', 'appservice')):
        if os.path.exists(os.path.join(tellora_bin, program)):
            path = os.path.join(target, link)
            if os.path.lexists(path):
                os.remove(path)
            os.symlink(os.path.join(tellora_bin, program), path)
    meta = {}
    with open(os.path.join(target, 'package.conf')) as f:
        for line in f:
            if '=' in line:
                key, value = line.split('=', 1)
                meta[key.strip()] = value.strip()

    conf = Conf()
    conf.set(name, 'Name', name)
    for key in ('Display_Name', 'Version', 'Author'):
        conf.set(name, key, meta.get(key, ''))
    conf.set(name, 'Class', 'Tellora')
    conf.set(name, 'Install_Path', folder)
    conf.set(name, 'Shell', folder + '/service.sh')
    conf.set(name, 'Date', meta.get('Date', ''))
    conf.set(name, 'Enable', 'TRUE')
    conf.save()
    for path in (state_file(name), os.path.join(jobs, name + '.pid'), seen_file(name)):
        if os.path.exists(path):
            os.remove(path)


def stop_job(name):
    try:
        with open(os.path.join(jobs, name + '.pid')) as f:
            os.killpg(int(f.read().strip()), signal.SIGTERM)
    except (OSError, ValueError):
        pass
    for path in (os.path.join(jobs, name + '.pid'), state_file(name), seen_file(name)):
        if os.path.exists(path):
            os.remove(path)


def main(argv):
    if argv[:1] == ['--job'] and len(argv) == 2:
        job(argv[1])
        return 0
    os.makedirs(jobs, exist_ok=True)
    if len(argv) == 2 and argv[0] == '-a':
        name = argv[1]
        stop_job(name)
        # The first state is there before the command returns.
        write_state(name, 'download_operating', 0)
        child = subprocess.Popen([sys.executable, os.path.abspath(__file__), '--job', name],
                                 stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                 stderr=open(os.path.join(jobs, name + '.log'), 'w'),
                                 start_new_session=True)
        with open(os.path.join(jobs, name + '.pid'), 'w') as f:
            f.write(str(child.pid))
        return 0
    if len(argv) == 2 and argv[0] == '-c':
        stop_job(argv[1])
        return 0
    if len(argv) == 4 and argv[0] == '-s' and argv[2:] == ['--output', '2']:
        name = argv[1]
        state = read(state_file(name))
        if state is not None:
            print(state)
            tmp = seen_file(name) + '.tmp'
            with open(tmp, 'w') as f:
                f.write(state)
            os.replace(tmp, seen_file(name))
            return 0
        enable = Conf().get(name, 'Enable')
        status = 'not_installed' if enable is None else 'enabled' if enable.upper() == 'TRUE' else 'disabled'
        print(json.dumps({'name': name, 'status_value': status, 'progress': '0'}))
        return 0
    if len(argv) == 2 and argv[0] in ('--enable', '--disable'):
        conf = Conf()
        if conf.section(argv[1]) is None:
            print(f'bento_cli: no package {argv[1]}', file=sys.stderr)
            return 1
        conf.set(argv[1], 'Enable', 'TRUE' if argv[0] == '--enable' else 'FALSE')
        conf.save()
        return 0
    print('usage: bento_cli -a NAME | -c NAME | -s NAME --output 2 | --enable NAME | --disable NAME',
          file=sys.stderr)
    return 2


if __name__ == '__main__':
    sys.exit(main(sys.argv[1:]))
