#!/usr/bin/python3
"""Draws the program icon: a cat's face in the 16 standard colours, as a
32 x 32 and a 16 x 16 image of 4 bits per pixel, written as tuckle.ico."""
import struct

# The standard 16-colour palette (black, dark colours, greys, bright colours).
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, ORANGE, WHITE, GREEN, PINK = 0, 11, 15, 10, 13


def draw(size):
    """Returns rows (top first) of palette indices, None where transparent."""
    s = size / 32.0
    img = [[None] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            fx, fy = (x + 0.5) / s, (y + 0.5) / s
            # Head: a circle; ears: two triangles above it.
            head = (fx - 16) ** 2 + (fy - 18) ** 2 <= 12.5 ** 2
            left_ear = 4 <= fy <= 12 and abs(fx - 8) <= (fy - 4) * 0.6
            right_ear = 4 <= fy <= 12 and abs(fx - 24) <= (fy - 4) * 0.6
            if head or left_ear or right_ear:
                img[y][x] = ORANGE
                edge = abs(((fx - 16) ** 2 + (fy - 18) ** 2) ** 0.5 - 12.5) < 1.0 / s + 0.3
                if head and edge:
                    img[y][x] = BLACK
            for ex in (11.5, 20.5):
                if (fx - ex) ** 2 + (fy - 16) ** 2 <= 2.6 ** 2:
                    img[y][x] = GREEN
                if (fx - ex) ** 2 + (fy - 16) ** 2 <= 1.0:
                    img[y][x] = BLACK
            if abs(fx - 16) <= 2 and 20 <= fy <= 22 and abs(fx - 16) <= (22 - fy) + 0.5:
                img[y][x] = PINK
            if 24 <= fy <= 25 and 12 <= fx <= 20 and img[y][x] is not None:
                img[y][x] = BLACK
    return img


def dib(size):
    img = draw(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    pal = b''.join(struct.pack('BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor = b''
    andm = b''
    for row in reversed(img):
        bits = [0 if p is None else p for p in row]
        line = bytes((bits[i] << 4) | bits[i + 1] for i in range(0, size, 2))
        xor += line + b'\0' * ((-len(line)) % 4)
        mask = 0
        mline = b''
        for i, p in enumerate(row):
            mask = (mask << 1) | (1 if p is None else 0)
            if i % 8 == 7:
                mline += bytes([mask])
                mask = 0
        andm += mline + b'\0' * ((-len(mline)) % 4)
    return header + pal + xor + andm


images = [dib(32), dib(16)]
out = struct.pack('<HHH', 0, 1, len(images))
offset = 6 + 16 * len(images)
for size, data in zip((32, 16), images):
    out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(data), offset)
    offset += len(data)
out += b''.join(images)
open('tuckle.ico', 'wb').write(out)
