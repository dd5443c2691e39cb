#!/usr/bin/env python3
"""Writes a monitor's 128-byte EDID base block (version 1.3 or 1.4), the way a
television hands it to the kernel, for the simulated sysfs DRM connectors.

  edid.py OUT --name NAME [--vendor ABC] [--product N] [--serial N]
            [--year Y] [--week W] [--version 1.3|1.4] [--size WxH (cm)]
            [--preferred MODE] [--serial-text TEXT] [--no-name] [--bad-checksum]

MODE is one of the detailed timings below (3840x2160@60, 1920x1080@60, ...).
"""
import argparse
import sys

# CEA-861 timings: pixel clock kHz, h active/front porch/sync/back porch,
# v active/front porch/sync/back porch.
TIMINGS = {
    '3840x2160@60': (594000, 3840, 176, 88, 296, 2160, 8, 10, 72),
    '3840x2160@30': (297000, 3840, 176, 88, 296, 2160, 8, 10, 72),
    '1920x1080@60': (148500, 1920, 88, 44, 148, 1080, 4, 5, 36),
    '1920x1080@50': (148500, 1920, 528, 44, 148, 1080, 4, 5, 36),
    '1280x720@60': (74250, 1280, 110, 40, 220, 720, 5, 5, 20),
}


def vendor_id(code):
    if len(code) != 3 or not code.isalpha() or not code.isupper():
        raise SystemExit('edid.py: --vendor takes three capital letters')
    v = 0
    for ch in code:
        v = (v << 5) | (ord(ch) - ord('A') + 1)
    return v.to_bytes(2, 'big')


def detailed_timing(mode, size_mm):
    clock, ha, hfp, hs, hbp, va, vfp, vs, vbp = TIMINGS[mode]
    hb, vb = hfp + hs + hbp, vfp + vs + vbp
    w, h = size_mm
    return bytes([
        (clock // 10) & 0xFF, (clock // 10) >> 8,
        ha & 0xFF, hb & 0xFF, (ha >> 8) << 4 | hb >> 8,
        va & 0xFF, vb & 0xFF, (va >> 8) << 4 | vb >> 8,
        hfp & 0xFF, hs & 0xFF, (vfp & 0xF) << 4 | (vs & 0xF),
        (hfp >> 8) << 6 | (hs >> 8) << 4 | (vfp >> 4) << 2 | vs >> 4,
        w & 0xFF, h & 0xFF, (w >> 8) << 4 | h >> 8,
        0, 0,
        0x1E,  # digital separate sync, both polarities positive
    ])


def text_descriptor(tag, text):
    data = text.encode('ascii')[:13]
    if len(data) < 13:
        data += b'\n' + b' ' * (12 - len(data))
    return bytes([0, 0, 0, tag, 0]) + data


def range_limits(v14):
    # 24-75 Hz vertical, 15-135 kHz horizontal, 600 MHz pixel clock.
    return bytes([0, 0, 0, 0xFD, 0, 24, 75, 15, 135, 60, 0x01 if v14 else 0x00]) + b'\n' + b' ' * 6


def chromaticity():
    # sRGB primaries and D65 white, 10 bits each.
    pts = [round(v * 1024) for v in (0.640, 0.330, 0.300, 0.600, 0.150, 0.060, 0.3127, 0.3290)]
    lo = lambda a, b, c, d: (a & 3) << 6 | (b & 3) << 4 | (c & 3) << 2 | (d & 3)
    return bytes([lo(*pts[0:4]), lo(*pts[4:8])] + [p >> 2 for p in pts])


def build_args(args):
    v14 = args.version == '1.4'
    w_cm, h_cm = (int(x) for x in args.size.split('x'))
    e = bytearray(b'\x00\xff\xff\xff\xff\xff\xff\x00')
    e += vendor_id(args.vendor)
    e += args.product.to_bytes(2, 'little') + args.serial.to_bytes(4, 'little')
    e += bytes([args.week, args.year - 1990, 1, 4 if v14 else 3])
    # Digital input (1.4: 8 bits per colour, HDMI-a), size, gamma 2.2, DPMS
    # active-off, RGB 4:4:4 + YCrCb, sRGB default, preferred timing in the
    # first descriptor.
    e += bytes([0xA2 if v14 else 0x80, w_cm, h_cm, 120, 0x2E if v14 else 0x2A])
    e += chromaticity()
    e += bytes([0x21, 0x08, 0x00])  # 640x480@60, 800x600@60, 1024x768@60
    std = [(1920, 0xC0), (1280, 0xC0)]  # 16:9 at 60 Hz
    for i in range(8):
        e += bytes([std[i][0] // 8 - 31, std[i][1]]) if i < len(std) else b'\x01\x01'
    e += detailed_timing(args.preferred, (w_cm * 10, h_cm * 10))
    e += range_limits(v14)
    e += text_descriptor(0xFC, args.name) if not args.no_name else bytes([0, 0, 0, 0x10]) + bytes(14)
    e += text_descriptor(0xFF, args.serial_text or f'{args.serial:08d}')
    e += bytes([0])  # no extension blocks
    assert len(e) == 127
    check = (-sum(e)) & 0xFF
    if args.bad_checksum:
        check ^= 0x5A
    e.append(check)
    return bytes(e)


def build(name, version='1.4', preferred='3840x2160@60', size='121x68', serial=1, product=0x1001):
    """The block of one of the simulator's monitors (an empty name: none)."""
    return build_args(argparse.Namespace(
        name=name, no_name=not name, vendor='IVS', product=product, serial=serial, serial_text='',
        year=2023, week=12, version=version, size=size, preferred=preferred, bad_checksum=False))


def main():
    p = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    p.add_argument('out')
    p.add_argument('--name', default='')
    p.add_argument('--no-name', action='store_true')
    p.add_argument('--vendor', default='IVS')
    p.add_argument('--product', type=int, default=0x1001)
    p.add_argument('--serial', type=int, default=1)
    p.add_argument('--serial-text', default='')
    p.add_argument('--year', type=int, default=2023)
    p.add_argument('--week', type=int, default=12)
    p.add_argument('--version', choices=['1.3', '1.4'], default='1.4')
    p.add_argument('--size', default='121x68')
    p.add_argument('--preferred', choices=sorted(TIMINGS), default='3840x2160@60')
    p.add_argument('--bad-checksum', action='store_true')
    args = p.parse_args()
    if not args.no_name and not args.name:
        p.error('--name or --no-name is needed')
    data = build_args(args)
    if args.out == '-':
        sys.stdout.buffer.write(data)
    else:
        with open(args.out, 'wb') as f:
            f.write(data)


if __name__ == '__main__':
    main()
