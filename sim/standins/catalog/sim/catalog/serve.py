"""The maker's catalog service: a real HTTP server on loopback serving the
catalog folder. It listens on PORT (0: a free one the system picks, so that
simulators side by side never meet), then writes the port it got to
PORT_FILE; it ends once the sysroot's sim folder is gone.

usage: serve.py PORT PORT_FILE FOLDER"""
import functools
import http.server
import os
import sys
import threading
import time

port, port_file, folder = int(sys.argv[1]), sys.argv[2], sys.argv[3]
state = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
handler = functools.partial(http.server.SimpleHTTPRequestHandler, directory=folder)
server = http.server.ThreadingHTTPServer(('127.0.0.1', port), handler)
with open(port_file + '.tmp', 'w') as f:
    f.write(f'{server.server_address[1]}\n')
os.replace(port_file + '.tmp', port_file)


def watch():
    while os.path.isdir(state):
        time.sleep(2)
    server.shutdown()


threading.Thread(target=watch, daemon=True).start()
server.serve_forever()
