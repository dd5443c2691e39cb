"""The simulated sound server behind the pactl and pw-cat stand-ins.

State lives in pulse.json beside this file: loaded modules, sinks and the
default sink. The ALSA devices that exist are those the aplay stand-in lists.
Output and messages follow the real tools' forms.

  pulse.py ARGS...          one pactl command (pw-cat: --play ARGS...)
  pulse.py --serve          the resident server (setup.d/60-audio.start): on
                            loopback, at a free port it writes to pulse.port
                            beside this file, until the sim folder goes

A client (sim/audio/client.sh) sends NUL-terminated fields: the sim folder
it belongs to, its working folder, the number of arguments and the
arguments. The answer is the exit code, standard output and standard error,
each NUL-terminated, or "elsewhere" for a client of another sysroot.
"""
import contextlib
import fcntl
import io
import json
import os
import re
import socketserver
import sys
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
STATE = os.path.join(HERE, 'pulse.json')
SIM_STATE = os.path.dirname(HERE)
SYSROOT = os.path.dirname(SIM_STATE)
SPEC = 's32le 2ch 48000Hz'


def setting(key, default):
    try:
        with open(os.path.join(SIM_STATE, 'settings'), encoding='utf-8') as f:
            values = [l.split('=', 1)[1].strip() for l in f if l.startswith(key + '=')]
    except FileNotFoundError:
        values = []
    return values[-1] if values and values[-1] else default


def alsa_devices():
    path = os.path.join(HERE, 'cards-%s.txt' % setting('AUDIO_CARDS', 'appliance'))
    try:
        with open(path, encoding='utf-8') as f:
            text = f.read()
    except FileNotFoundError:
        return set()
    return {(int(c), int(d)) for c, d in re.findall(r'^card (\d+):.*?, device (\d+):', text, re.M)}


def initial():
    # What the session manager made of the machine's codec before anyone
    # loaded a module by hand; its name carries no ALSA device.
    sink = {'index': 38, 'name': 'alsa_output.pci-0000_00_1f.3.analog-stereo', 'module': None}
    return {'next_module': 536870912, 'next_sink': 40, 'modules': [], 'sinks': [sink], 'default': sink['name']}


def fail(message, code=1):
    print(message, file=sys.stderr)
    return code


def find_sink(state, ref):
    for s in state['sinks']:
        if s['name'] == ref or str(s['index']) == ref:
            return s
    return None


def load_module(state, args):
    if not args:
        return fail('You have to specify a module name and arguments.')
    name, params = args[0], dict(a.split('=', 1) for a in args[1:] if '=' in a)
    if name != 'module-alsa-sink':
        return fail('Failure: Module initialization failed')
    m = re.fullmatch(r'hw:(\d+),(\d+)', params.get('device', ''))
    if not m or (int(m.group(1)), int(m.group(2))) not in alsa_devices():
        return fail('Failure: Module initialization failed')
    sink_name = params.get('sink_name', 'alsa_output.' + params['device'])
    if any(s['name'] == sink_name for s in state['sinks']):
        return fail('Failure: Module initialization failed')  # the device is busy
    module = state['next_module']
    state['next_module'] += 1
    state['modules'].append({'index': module, 'name': name, 'argument': ' '.join(args[1:])})
    state['sinks'].append({'index': state['next_sink'], 'name': sink_name, 'module': module})
    state['next_sink'] += 1
    print(module)
    return 0


def unload_module(state, args):
    if not args:
        return fail('You have to specify a module index or name')
    ref = args[0]
    gone = [m['index'] for m in state['modules'] if m['name'] == ref or str(m['index']) == ref]
    if not gone:
        return fail('Failed to unload module: Module %s not loaded' % ref)
    state['modules'] = [m for m in state['modules'] if m['index'] not in gone]
    state['sinks'] = [s for s in state['sinks'] if s['module'] not in gone]
    if not any(s['name'] == state['default'] for s in state['sinks']):
        state['default'] = state['sinks'][0]['name'] if state['sinks'] else None
    return 0


def list_sinks(state, args, as_json):
    if args[:2] != ['sinks', 'short']:
        return fail('pactl: the simulated server lists only "sinks short"')
    # The sample format column is left out of the JSON form: nothing here reads it.
    rows = [{'index': s['index'], 'name': s['name'], 'driver': 'PipeWire', 'state': 'SUSPENDED'} for s in state['sinks']]
    if as_json:
        print(json.dumps(rows, separators=(',', ':'), ensure_ascii=False))
    else:
        for r in rows:
            print('\t'.join(str(v) for v in (r['index'], r['name'], r['driver'], SPEC, r['state'])))
    return 0


def pactl(state, argv):
    as_json = False
    while argv and argv[0].startswith('-'):
        opt = argv.pop(0)
        if opt == '-f' and argv:
            as_json = argv.pop(0) == 'json'
        elif opt.startswith('--format='):
            as_json = opt.split('=', 1)[1] == 'json'
    if not argv:
        return fail('No valid command specified.')
    cmd, args = argv[0], argv[1:]
    if cmd == 'load-module':
        return load_module(state, args)
    if cmd == 'unload-module':
        return unload_module(state, args)
    if cmd == 'list':
        return list_sinks(state, args, as_json)
    if cmd == 'set-default-sink':
        sink = find_sink(state, args[0]) if args else None
        if not sink:
            return fail('Failure: No such entity')
        state['default'] = sink['name']
        return 0
    if cmd == 'get-default-sink':
        print(state['default'] or '@DEFAULT_SINK@')
        return 0
    return fail('Specify a command: the simulated server knows load-module, unload-module, list, '
                'set-default-sink and get-default-sink')


def play(state, argv, cwd):
    files = [a for a in argv if not a.startswith('-')]
    if '-p' not in argv and '--playback' not in argv or not files:
        return fail('pw-cat: the simulated server only plays (-p FILE)')
    path = files[-1]
    if not os.path.isfile(os.path.join(cwd, path)):
        return fail('sndfile: failed to open audio file "%s": System error : No such file or directory' % path)
    shown = path[len(SYSROOT):] if path.startswith(SYSROOT + '/') else path
    with open(os.path.join(HERE, 'played.log'), 'a', encoding='utf-8') as f:
        f.write('%s\t%s\n' % (shown, state['default'] or ''))
    return 0


def command(argv, cwd):
    """One command against the state on disk, as one call of the tool."""
    with open(STATE + '.lock', 'a') as lock:
        fcntl.flock(lock, fcntl.LOCK_EX)
        try:
            with open(STATE, encoding='utf-8') as f:
                state = json.load(f)
        except (FileNotFoundError, ValueError):
            state = initial()
        code = play(state, argv[1:], cwd) if argv[:1] == ['--play'] else pactl(state, argv)
        with open(STATE + '.tmp', 'w', encoding='utf-8') as f:
            json.dump(state, f, indent=1)
        os.replace(STATE + '.tmp', STATE)
    return code


class Client(socketserver.StreamRequestHandler):
    def handle(self):
        data = b''
        fields = []
        while len(fields) < 3 or len(fields) < 3 + int(fields[2]):
            chunk = self.request.recv(65536)
            if not chunk:
                return
            data += chunk
            fields = data.split(b'\0')[:-1]
        sim, cwd, _, *argv = [f.decode('utf-8', 'surrogateescape') for f in fields]
        if sim != SIM_STATE:
            self.wfile.write(b'elsewhere\0')
            return
        out, err = io.StringIO(), io.StringIO()
        with contextlib.redirect_stdout(out), contextlib.redirect_stderr(err):
            code = command(argv, cwd)
        self.wfile.write(b'\0'.join(s.encode('utf-8', 'surrogateescape')
                                    for s in (str(code), out.getvalue(), err.getvalue())) + b'\0')


def serve():
    server = socketserver.TCPServer(('127.0.0.1', 0), Client)
    port_file = os.path.join(HERE, 'pulse.port')
    with open(port_file + '.tmp', 'w') as f:
        f.write('%d\n' % server.server_address[1])
    os.replace(port_file + '.tmp', port_file)

    def watch():
        while os.path.isdir(SIM_STATE):
            time.sleep(2)
        server.shutdown()

    threading.Thread(target=watch, daemon=True).start()
    server.serve_forever()
    return 0


if __name__ == '__main__':
    sys.exit(serve() if sys.argv[1:] == ['--serve'] else command(sys.argv[1:], os.getcwd()))
