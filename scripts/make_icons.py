#!/usr/bin/env python3
"""Draws the two program icons: single 32 x 32 images with 32 bits per pixel.

presets.ico: three preset sliders on a dark blue tile.
kestrin.ico: a kestrel-brown wing over a console prompt on a slate tile.

Run from the repository's root; it rewrites frontend/win32/presets.ico and
generator/kestrin.ico.
"""
import math
import struct

SIZE = 32
SAMPLES = 4  # per axis, for smooth edges


def rounded_tile(x, y, radius=6.0, inset=1.0):
    lo, hi = inset, SIZE - inset
    cx = min(max(x, lo + radius), hi - radius)
    cy = min(max(y, lo + radius), hi - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2 and lo <= x <= hi and lo <= y <= hi


def in_capsule(x, y, x0, x1, yc, half):
    cx = min(max(x, x0), x1)
    return (x - cx) ** 2 + (y - yc) ** 2 <= half ** 2


def presets_shape(x, y):
    if not rounded_tile(x, y):
        return None
    rows = [(9.0, 20.0), (16.0, 11.0), (23.0, 16.0)]
    for yc, knob in rows:
        if (x - knob) ** 2 + (y - yc) ** 2 <= 3.2 ** 2:
            return (250, 196, 64)
        if in_capsule(x, y, 7.0, 25.0, yc, 1.3):
            return (235, 222, 170) if x < knob else (120, 140, 190)
    return (28, 44, 92)


def kestrin_shape(x, y):
    if not rounded_tile(x, y):
        return None
    # The wing: a crescent swept up to the right.
    outer = (x - 10.0) ** 2 + (y - 26.0) ** 2 <= 17.0 ** 2
    inner = (x - 6.0) ** 2 + (y - 30.0) ** 2 <= 15.5 ** 2
    if outer and not inner and y < 20.0:
        return (196, 112, 52)
    # The prompt: a chevron and an underscore.
    chevron = 6.5 <= x <= 11.5 and abs(abs(y - 24.0) - (11.5 - x)) <= 1.1
    underscore = 13.5 <= x <= 20.0 and 27.0 <= y <= 29.0
    if chevron or underscore:
        return (235, 222, 170)
    return (44, 52, 64)


def render(shape):
    pixels = []
    for row in range(SIZE):
        line = []
        for col in range(SIZE):
            r = g = b = a = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour = shape(col + (sx + 0.5) / SAMPLES, row + (sy + 0.5) / SAMPLES)
                    if colour:
                        r += colour[0]
                        g += colour[1]
                        b += colour[2]
                        a += 1
            n = SAMPLES * SAMPLES
            if a:
                line.append((round(r / a), round(g / a), round(b / a), round(255 * a / n)))
            else:
                line.append((0, 0, 0, 0))
        pixels.append(line)
    return pixels


def ico_bytes(pixels):
    xor = b"".join(bytes((b, g, r, a)) for line in reversed(pixels) for (r, g, b, a) in line)
    mask_row = math.ceil(SIZE / 32) * 4
    and_mask = bytearray()
    for line in reversed(pixels):
        bits = 0
        for col, (_, _, _, a) in enumerate(line):
            if a == 0:
                bits |= 1 << (31 - col)
        and_mask += struct.pack(">I", bits)[:mask_row]
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(and_mask), 0, 0, 0, 0)
    image = header + xor + bytes(and_mask)
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 22)
    return directory + image


def main():
    for path, shape in (("frontend/win32/presets.ico", presets_shape), ("generator/kestrin.ico", kestrin_shape)):
        with open(path, "wb") as out:
            out.write(ico_bytes(render(shape)))


if __name__ == "__main__":
    main()
