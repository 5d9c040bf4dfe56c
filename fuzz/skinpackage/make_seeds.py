#!/usr/bin/env python3
"""Writes the small seed inputs of the skin package fuzzers into seeds/.

Run from anywhere; needs only Python's standard library and the zip command.
"""
import os
import struct
import subprocess
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def bmp(width, height, bits, palette=(), rows=None, top_down=False, compression=0, masks=()):
    stride = (width * bits + 31) // 32 * 4
    if rows is None:
        rows = [bytes((x * 37 + y * 11) & 0xFF for x in range(stride)) for y in range(height)]
    info = struct.pack('<IiiHHIIiiII', 40, width, -height if top_down else height, 1, bits,
                       compression, stride * height, 0, 0, len(palette), 0)
    extra = b''.join(struct.pack('<I', m) for m in masks)
    pal = b''.join(struct.pack('<I', c) for c in palette)
    pixels = b''.join(r.ljust(stride, b'\0')[:stride] for r in rows)
    offset = 14 + len(info) + len(extra) + len(pal)
    return b'BM' + struct.pack('<IHHI', offset + len(pixels), 0, 0, offset) + info + extra + pal + pixels


def sk2(entries):
    out = bytearray(b'OrvaneSkin2\0' + struct.pack('<III', 24, len(entries), 24))
    for name, kind, data in entries:
        data_offset = len(out) + 77
        out += name.encode().ljust(64, b'\0') + struct.pack('<BIII', kind, data_offset, len(data),
                                                            data_offset + len(data))
        out += data
    out += b'\0' * 64 + struct.pack('<BIII', 0xFF, 0, 0, 0)
    return bytes(out)


def raw_deflate(data, level=9, strategy=zlib.Z_DEFAULT_STRATEGY):
    c = zlib.compressobj(level, zlib.DEFLATED, -15, 8, strategy)
    return c.compress(data) + c.flush()


def write(folder, name, data):
    path = os.path.join(HERE, 'seeds', folder)
    os.makedirs(path, exist_ok=True)
    with open(os.path.join(path, name), 'wb') as f:
        f.write(data)


def zip_package(sk2_bytes, options):
    with tempfile.TemporaryDirectory() as tmp:
        with open(os.path.join(tmp, 'SKINDATA.SK2'), 'wb') as f:
            f.write(sk2_bytes)
        subprocess.run(['zip', '-q', '-X'] + options + ['p.zip', 'SKINDATA.SK2'], cwd=tmp, check=True)
        with open(os.path.join(tmp, 'p.zip'), 'rb') as f:
            return b'SK' + f.read()[2:]


bitmaps = {
    '1bit.bmp': bmp(9, 3, 1, palette=(0x000000, 0xFFFFFF)),
    '4bit.bmp': bmp(5, 2, 4, palette=tuple(0x111111 * i for i in range(16)), top_down=True),
    '8bit.bmp': bmp(3, 3, 8, palette=tuple(0x010203 * i for i in range(4))),
    '16bit.bmp': bmp(3, 2, 16),
    '16bit565.bmp': bmp(3, 2, 16, compression=3, masks=(0xF800, 0x07E0, 0x001F)),
    '24bit.bmp': bmp(4, 3, 24),
    '32bit.bmp': bmp(2, 2, 32, top_down=True),
}
for name, data in bitmaps.items():
    write('bitmap', name, data)

entries = [
    ('SKIN2_TITLEBAR1', 0, bitmaps['24bit.bmp']),
    ('SKIN2_CHECKBOX', 0, bitmaps['8bit.bmp']),
    ('SKIN2_TITLEBARICONPOSX', 1, struct.pack('<i', 5)),
    ('SKIN2_TITLEFIVESECT', 2, b'\x01'),
    ('SKIN2_AUTHOR', 3, b'Orvane'),
]
skin = sk2(entries)
write('sk2file', 'skin.sk2', skin)
write('sk2file', 'empty.sk2', sk2([]))

text = b'SKIN2_TITLEBAR1 SKIN2_TITLEBAR2 frame border button ' * 20
write('inflate', 'dynamic.bin', raw_deflate(text + bitmaps['24bit.bmp']))
write('inflate', 'fixed.bin', raw_deflate(text, strategy=zlib.Z_FIXED))
write('inflate', 'stored.bin', raw_deflate(b'stored bytes', level=0))
write('inflate', 'run.bin', raw_deflate(b'x' * 600))

write('package', 'deflated.ssk', zip_package(skin, ['-9']))
write('package', 'stored.ssk', zip_package(skin, ['-0']))
write('package', 'encrypted.ssk', zip_package(skin, ['-P', 'pw']))
