#!/usr/bin/env python3
"""Writes the small seed files of fuzz/wave-corpus: valid and broken wave files. keybd1.wav
beside them is the game's own click, as the build synthesises it."""
import os
import struct
import sys


def chunk(name, body):
    c = name + struct.pack('<I', len(body)) + body
    return c + b'\0' if len(body) % 2 else c


def fmt(channels, rate, bits, tag=1):
    align = channels * bits // 8
    return chunk(b'fmt ', struct.pack('<HHIIHH', tag, channels, rate, rate * align, align, bits))


def riff(chunks):
    return b'RIFF' + struct.pack('<I', 4 + len(chunks)) + b'WAVE' + chunks


FILES = {
    'mono16.wav': riff(fmt(1, 22050, 16) + chunk(b'data', bytes([0, 0, 0x10, 0x20, 0xf0, 0xdf, 0, 0]))),
    'stereo8.wav': riff(fmt(2, 8000, 8) + chunk(b'data', bytes([0x80, 0x80, 0xc0, 0x40, 0x90]))),
    'chunks-around.wav': riff(chunk(b'LIST', b'INFOabc') + fmt(1, 44100, 16) +
                              chunk(b'fact', b'\4\0\0\0') + chunk(b'data', b'\1\2\3\4')),
    'data-first.wav': riff(chunk(b'data', b'\1\2') + fmt(1, 11025, 8)),
    'data-too-long.wav': riff(fmt(1, 22050, 16)) + b'data' + struct.pack('<I', 1000) + b'\0\1',
    'float.wav': riff(fmt(1, 48000, 32, tag=3) + chunk(b'data', b'\0' * 8)),
}

if __name__ == '__main__':
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), 'wave-corpus')
    for name, data in FILES.items():
        with open(os.path.join(folder, name), 'wb') as f:
            f.write(data)
