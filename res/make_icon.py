#!/usr/bin/env python3
"""Draws the application icon, res/horavel.ico: 32 x 32 and 16 x 16, 16 colours.

A blue globe with yellow land, a dark outline and shading towards the lower
right, and two white clock hands from the centre to 12 and to 9 o'clock.
Run it again after changing the drawing; the build uses the .ico it writes.
"""
import math
import struct
import sys

# The standard 16-colour palette, as (blue, green, red, 0).
PALETTE = [
    (0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128), (128, 128, 0),
    (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0), (0, 255, 255), (255, 0, 0),
    (255, 0, 255), (255, 255, 0), (255, 255, 255),
]
DARK_BLUE, DARK_GREY, BLUE, YELLOW, OLIVE, WHITE, BLACK = 4, 8, 12, 11, 3, 15, 0

# Land masses as ellipses on a unit globe: centre x, centre y, radius x, radius y.
LAND = [(-0.35, -0.35, 0.28, 0.22), (-0.15, 0.25, 0.2, 0.35), (0.4, -0.15, 0.3, 0.25), (0.45, 0.45, 0.18, 0.14)]


def draw(size):
    """Returns rows of palette indices, None where the icon is transparent."""
    centre = (size - 1) / 2
    radius = size / 2 - 0.5
    pixels = [[None] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            dx, dy = (x - centre) / radius, (y - centre) / radius
            distance = math.hypot(dx, dy)
            if distance > 1.0:
                continue
            if distance > 1.0 - 1.6 / radius:
                pixels[y][x] = BLACK
                continue
            shaded = dx + dy > 0.55
            land = any(((dx - lx) / rx) ** 2 + ((dy - ly) / ry) ** 2 <= 1 for lx, ly, rx, ry in LAND)
            if land:
                pixels[y][x] = OLIVE if shaded else YELLOW
            else:
                pixels[y][x] = DARK_BLUE if shaded else BLUE
    mid = size // 2
    thickness = 2 if size >= 32 else 1
    hand_up = int(radius * 0.75)
    hand_left = int(radius * 0.6)
    for t in range(thickness):
        for y in range(mid - hand_up, mid + 1):
            pixels[y][mid - t] = WHITE
        for x in range(mid - hand_left, mid + 1):
            pixels[mid - t][x] = WHITE
    return pixels


def bitmap(pixels):
    """A 4-bit icon image: header, palette, colour rows and mask rows, bottom up."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (b, g, r) in PALETTE)
    colour_rows = b""
    mask_rows = b""
    mask_stride = ((size + 31) // 32) * 4
    for row in reversed(pixels):
        packed = bytearray()
        for x in range(0, size, 2):
            high = row[x] or 0
            low = row[x + 1] or 0
            packed.append((high << 4) | low)
        colour_rows += bytes(packed)
        mask = bytearray(mask_stride)
        for x, value in enumerate(row):
            if value is None:
                mask[x // 8] |= 0x80 >> (x % 8)
        mask_rows += bytes(mask)
    return header + palette + colour_rows + mask_rows


def main(path):
    images = [bitmap(draw(size)) for size in (32, 16)]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, image in zip((32, 16), images):
        entries += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    with open(path, "wb") as icon:
        icon.write(directory + entries + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "horavel.ico")
