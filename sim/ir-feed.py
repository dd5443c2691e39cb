#!/usr/bin/env python3
"""Writes raw receiver samples into the IR receiver's FIFO the way a live
receiver delivers them: each sample once it has ended, so a button held for a
second keeps the receiver busy for a second.

    ir-feed.py SAMPLES_FILE FIFO

Gives up (exit status 1) when nobody opens the FIFO for reading within five
seconds."""
import errno
import os
import struct
import sys
import time


def open_writer(fifo, seconds=5.0):
    deadline = time.monotonic() + seconds
    while True:
        try:
            fd = os.open(fifo, os.O_WRONLY | os.O_NONBLOCK | os.O_CLOEXEC)
        except OSError as e:
            if e.errno != errno.ENXIO or time.monotonic() > deadline:
                return -1
            time.sleep(0.05)
            continue
        os.set_blocking(fd, True)
        return fd


def write_all(fd, data):
    view = memoryview(data)
    while view:
        view = view[os.write(fd, view):]


def main():
    if len(sys.argv) != 3:
        print("usage: ir-feed.py SAMPLES_FILE FIFO", file=sys.stderr)
        return 2
    with open(sys.argv[1], "rb") as f:
        data = f.read()
    fd = open_writer(sys.argv[2])
    if fd < 0:
        return 1
    start = time.monotonic()
    ends = 0.0
    pending = bytearray()
    for (sample,) in struct.iter_unpack("=I", data[: len(data) // 4 * 4]):
        ends += (sample & 0x00FFFFFF) / 1e6
        wait = start + ends - time.monotonic()
        # Samples that end within a millisecond of each other go together.
        if wait > 0.001:
            write_all(fd, pending)
            pending.clear()
            time.sleep(wait)
        pending += struct.pack("=I", sample)
    write_all(fd, pending)
    os.close(fd)
    return 0


if __name__ == "__main__":
    sys.exit(main())
