"""Writes the two channel test sounds: a short rising chime on the left
channel only (Front_Left.wav) and on the right only (Front_Right.wav), 48 kHz
16-bit stereo. Deterministic: the same bytes on every run."""
import math
import os
import struct
import sys
import wave

RATE = 48000


def chime(channel):
    frames = bytearray()
    notes = (523.25, 659.25, 783.99)  # C5 E5 G5
    per_note = int(RATE * 0.18)
    for n, freq in enumerate(notes):
        for i in range(per_note):
            t = i / RATE
            envelope = min(1.0, i / 480) * math.exp(-4.0 * t)
            value = int(12000 * envelope * math.sin(2 * math.pi * freq * t))
            left, right = (value, 0) if channel == 0 else (0, value)
            frames += struct.pack('<hh', left, right)
    return bytes(frames)


def main(folder):
    os.makedirs(folder, exist_ok=True)
    for name, channel in (('Front_Left.wav', 0), ('Front_Right.wav', 1)):
        with wave.open(os.path.join(folder, name), 'wb') as w:
            w.setnchannels(2)
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(chime(channel))


main(sys.argv[1])
