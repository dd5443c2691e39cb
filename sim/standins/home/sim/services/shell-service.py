#!/usr/bin/env python3
"""Stand-in for the desktop shell service: listens on its socket, records
every message in sim/shell.log and answers {"result":"ok"}. It ends itself
once no ivo of the simulator has run for a minute."""
import os, select, socket, sys, time

sysroot = '@SYSROOT@'
state = os.path.join(sysroot, 'sim')
path = os.path.join(sysroot, 'tmp_kelp', '.tellorafuse')
os.makedirs(os.path.dirname(path), exist_ok=True)
if os.path.exists(path):
    os.unlink(path)
server = socket.socket(socket.AF_UNIX, socket.SOCK_STREAM)
server.bind(path)
server.listen(4)

def ivo_alive():
    try:
        with open(os.path.join(state, 'ivo.pid')) as f:
            os.kill(int(f.read().split()[0]), 0)
        return True
    except (OSError, ValueError):
        return False

last_seen = time.monotonic()
while time.monotonic() - last_seen < 60:
    if ivo_alive():
        last_seen = time.monotonic()
    ready, _, _ = select.select([server], [], [], 1.0)
    if not ready:
        continue
    conn, _ = server.accept()
    conn.settimeout(2)
    try:
        data = conn.recv(4096)
        with open(os.path.join(state, 'shell.log'), 'ab') as log:
            log.write(data + b'\n')
        conn.sendall(b'{"result":"ok"}')
    except OSError:
        pass
    finally:
        conn.close()
server.close()
os.unlink(path)
