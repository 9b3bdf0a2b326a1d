#!/usr/bin/env python3
"""Draws data/images/Sheltering.gif, the picture of the wind adjustment wizard.

Three scenes show how exposed a fuelbed is to the wind: exposed fuel on open ground, partially
sheltered fuel on the middle of a slope, and fully sheltered fuel under a closed canopy. The arrows
stand for the wind: long where the fuel feels the open wind, short where the terrain or the canopy
slows it. Standard library only; run it from anywhere to redraw the picture.
"""
import math
import os
import struct
import sys

WIDTH, HEIGHT = 450, 200
PANEL = WIDTH // 3
SCENE = 156  # the scene above the caption strip

PALETTE = [
    (255, 255, 255),  # 0 paper
    (0, 0, 0),        # 1 text
    (206, 230, 246),  # 2 sky
    (150, 112, 72),   # 3 soil
    (196, 176, 70),   # 4 surface fuel
    (34, 104, 50),    # 5 tree crown
    (104, 72, 40),    # 6 trunk
    (24, 64, 168),    # 7 wind
    (128, 128, 128),  # 8 frame
    (74, 140, 66),    # 9 hillside
]
PAPER, TEXT, SKY, SOIL, FUEL, CROWN, TRUNK, WIND, FRAME, HILL = range(10)

# A 5 x 7 capital font, rows top to bottom, the leftmost pixel the highest bit.
FONT = {
    "A": [14, 17, 17, 31, 17, 17, 17], "D": [30, 17, 17, 17, 17, 17, 30],
    "E": [31, 16, 16, 30, 16, 16, 31], "F": [31, 16, 16, 30, 16, 16, 16],
    "H": [17, 17, 17, 31, 17, 17, 17], "I": [14, 4, 4, 4, 4, 4, 14],
    "L": [16, 16, 16, 16, 16, 16, 31], "O": [14, 17, 17, 17, 17, 17, 14],
    "P": [30, 17, 17, 30, 16, 16, 16], "R": [30, 17, 17, 30, 20, 18, 17],
    "S": [15, 16, 16, 14, 1, 1, 30], "T": [31, 4, 4, 4, 4, 4, 4],
    "U": [17, 17, 17, 17, 17, 17, 14], "X": [17, 17, 10, 4, 10, 17, 17],
    "Y": [17, 17, 10, 4, 4, 4, 4], " ": [0] * 7,
}


class Canvas:
    def __init__(self, width, height, colour):
        self.width, self.height = width, height
        self.pixels = bytearray([colour]) * (width * height)

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                self.pixels[y * self.width + x] = colour

    def polygon(self, points, colour):
        """Fills a polygon by the even-odd rule, sampling at pixel centres."""
        ys = [p[1] for p in points]
        for y in range(max(int(min(ys)), 0), min(int(max(ys)) + 1, self.height)):
            yc = y + 0.5
            xs = []
            for (xa, ya), (xb, yb) in zip(points, points[1:] + points[:1]):
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for xl, xr in zip(xs[::2], xs[1::2]):
                for x in range(int(round(xl)), int(round(xr))):
                    self.put(x, y, colour)

    def text(self, x, y, words, scale, colour):
        for i, letter in enumerate(words):
            for row, bits in enumerate(FONT[letter]):
                for col in range(5):
                    if bits & (16 >> col):
                        self.rect(x + (i * 6 + col) * scale, y + row * scale,
                                  x + (i * 6 + col + 1) * scale, y + (row + 1) * scale, colour)

    def centred_text(self, left, width, y, words, scale, colour):
        self.text(left + (width - (len(words) * 6 - 1) * scale) // 2, y, words, scale, colour)


def wind(canvas, x, y, length, rise=0.0):
    """An arrow blowing to the right from (x, y), climbing rise pixels per pixel."""
    run = length / math.hypot(1, rise)
    ux, uy = run / length, -rise * run / length  # unit vector along the arrow
    nx, ny = -uy, ux                             # and across it
    tip = (x + ux * length, y + uy * length)
    neck = (tip[0] - ux * 9, tip[1] - uy * 9)
    canvas.polygon([(x + nx * 1.5, y + ny * 1.5), (neck[0] + nx * 1.5, neck[1] + ny * 1.5),
                    (neck[0] - nx * 1.5, neck[1] - ny * 1.5), (x - nx * 1.5, y - ny * 1.5)], WIND)
    canvas.polygon([(neck[0] + nx * 5.5, neck[1] + ny * 5.5), tip, (neck[0] - nx * 5.5, neck[1] - ny * 5.5)], WIND)


def grass(canvas, x0, x1, ground):
    """A band of surface fuel along a ground line given as a function of x."""
    for x in range(x0, x1):
        top = ground(x) - (5 if x % 4 == 0 else 3)
        canvas.rect(x, int(top), x + 1, int(ground(x)), FUEL)


def conifer(canvas, x, base, height, width):
    canvas.rect(x - 2, base - height // 5, x + 2, base, TRUNK)
    canvas.polygon([(x - width / 2, base - height // 5), (x, base - height), (x + width / 2, base - height // 5)],
                   CROWN)


def exposed(canvas, left):
    ground = lambda x: 128
    canvas.rect(left, 128, left + PANEL, SCENE, SOIL)
    grass(canvas, left, left + PANEL, ground)
    for y in (40, 70, 100):
        wind(canvas, left + 14, y, 112)
    wind(canvas, left + 14, 118, 112)


def partially_sheltered(canvas, left):
    # A slope rising to a ridge on the right; the wind comes over from the left and the fuel on the
    # middle of the slope feels part of it.
    ground = lambda x: 140 - (x - left) * 0.62
    canvas.polygon([(left, 140), (left + PANEL, 140 - PANEL * 0.62), (left + PANEL, SCENE), (left, SCENE)], HILL)
    grass(canvas, left, left + PANEL, ground)
    for tx in (left + 30, left + 96):
        conifer(canvas, tx, int(ground(tx)) + 2, 34, 18)
    wind(canvas, left + 14, 22, 112)
    wind(canvas, left + 14, 48, 96)
    wind(canvas, left + 42, ground(left + 42) - 13, 48, rise=0.62)


def fully_sheltered(canvas, left):
    ground = lambda x: 128
    canvas.rect(left, 128, left + PANEL, SCENE, SOIL)
    grass(canvas, left, left + PANEL, ground)
    for i, tx in enumerate(range(left + 8, left + PANEL, 19)):
        conifer(canvas, tx, 128, 84 + (i % 3) * 6, 26)
    wind(canvas, left + 14, 20, 112)
    wind(canvas, left + 60, 118, 30)


def draw():
    canvas = Canvas(WIDTH, HEIGHT, PAPER)
    canvas.rect(0, 0, WIDTH, SCENE, SKY)
    captions = [("EXPOSED", ""), ("PARTIALLY", "SHELTERED"), ("FULLY", "SHELTERED")]
    for i, scene in enumerate((exposed, partially_sheltered, fully_sheltered)):
        left = i * PANEL
        scene(canvas, left)
        first, second = captions[i]
        top = SCENE + (8 if second else 14)
        canvas.centred_text(left, PANEL, top, first, 2, TEXT)
        if second:
            canvas.centred_text(left, PANEL, top + 18, second, 2, TEXT)
    for x in (PANEL - 1, 2 * PANEL - 1):
        canvas.rect(x, 0, x + 1, HEIGHT, FRAME)
    for x0, y0, x1, y1 in ((0, 0, WIDTH, 1), (0, HEIGHT - 1, WIDTH, HEIGHT), (0, 0, 1, HEIGHT),
                           (WIDTH - 1, 0, WIDTH, HEIGHT)):
        canvas.rect(x0, y0, x1, y1, FRAME)
    return canvas


def lzw(indices, min_code_size):
    """The LZW code stream of a GIF image, packed least significant bit first."""
    clear, end = 1 << min_code_size, (1 << min_code_size) + 1
    out, bits, nbits = bytearray(), 0, 0
    table, code_size, next_code = {}, min_code_size + 1, end + 1

    def write(code):
        nonlocal bits, nbits
        bits |= code << nbits
        nbits += code_size
        while nbits >= 8:
            out.append(bits & 0xFF)
            bits >>= 8
            nbits -= 8

    def reset():
        nonlocal table, code_size, next_code
        table = {bytes([i]): i for i in range(clear)}
        code_size, next_code = min_code_size + 1, end + 1

    reset()
    write(clear)
    prefix = b""
    for index in indices:
        longer = prefix + bytes([index])
        if longer in table:
            prefix = longer
            continue
        write(table[prefix])
        if next_code < 4096:
            table[longer] = next_code
            next_code += 1
            # The decoder adds its entries one code later, so it widens the codes one code later too.
            if next_code > (1 << code_size) and code_size < 12:
                code_size += 1
        else:
            write(clear)
            reset()
        prefix = bytes([index])
    write(table[prefix])
    write(end)
    if nbits:
        out.append(bits & 0xFF)
    return bytes(out)


def gif(canvas):
    depth = 4  # 16 colours
    colours = PALETTE + [(0, 0, 0)] * ((1 << depth) - len(PALETTE))
    data = bytearray(b"GIF89a")
    data += struct.pack("<HHBBB", canvas.width, canvas.height, 0x80 | (depth - 1) << 4 | (depth - 1), 0, 0)
    for colour in colours:
        data += bytes(colour)
    data += struct.pack("<BHHHHB", 0x2C, 0, 0, canvas.width, canvas.height, 0)
    data.append(depth)
    stream = lzw(canvas.pixels, depth)
    for start in range(0, len(stream), 255):
        block = stream[start:start + 255]
        data.append(len(block))
        data += block
    data += b"\x00\x3B"
    return bytes(data)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data", "images", "Sheltering.gif")
    with open(target, "wb") as out:
        out.write(gif(draw()))


if __name__ == "__main__":
    main()
