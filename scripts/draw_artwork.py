#!/usr/bin/env python3
"""Draws Kestrow's bitmaps and icons into res/.

Everything is drawn here from hand-made pixel maps and simple geometry, so the
artwork can be changed by editing this file and running it again:

    python3 scripts/draw_artwork.py

Only the Python standard library is used; PNG and ICO files are assembled by
hand with zlib and struct.  The outputs are committed, so building the program
never needs this script.
"""

import math
import os
import struct
import zlib

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ICONS = os.path.join(ROOT, "res", "icons")
TOOLBAR = os.path.join(ROOT, "res", "toolbar")

# Colours of the quest list's status bitmaps.
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
GREY = (128, 128, 128)
LIGHT_GREY = (192, 192, 192)
MAGENTA = (255, 0, 255)
GREEN = (0, 128, 0)
TEAL = (0, 132, 132)
OLIVE = (128, 128, 0)


# ---------------------------------------------------------------------------
# File writers
# ---------------------------------------------------------------------------

def png_bytes(width, height, pixels, alpha):
    """Encodes rows of (r, g, b, a) tuples as an 8-bit RGB or RGBA PNG."""
    channels = 4 if alpha else 3
    raw = bytearray()
    for y in range(height):
        raw.append(0)  # filter type "none" for every row
        for x in range(width):
            raw.extend(pixels[y][x][:channels])

    def chunk(kind, data):
        body = kind + data
        return (struct.pack(">I", len(data)) + body
                + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def dib_bytes(size, pixels):
    """Encodes a square RGBA image as an ICO entry in the classic DIB form.

    Small icon sizes stay in this form because the resource compilers and
    shells that predate PNG-compressed icons only understand it."""
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         0, 0, 0, 0, 0)
    colour = bytearray()
    for y in reversed(range(size)):  # DIB rows run bottom-up
        for x in range(size):
            r, g, b, a = pixels[y][x]
            colour.extend((b, g, r, a))
    mask = bytearray()
    row_bytes = ((size + 31) // 32) * 4
    for y in reversed(range(size)):
        row = bytearray(row_bytes)
        for x in range(size):
            if pixels[y][x][3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask.extend(row)
    return header + bytes(colour) + bytes(mask)


def ico_bytes(images):
    """Builds an .ico from (size, data) pairs; data is a PNG or a DIB."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = bytearray()
    blobs = bytearray()
    for size, data in images:
        dim = 0 if size >= 256 else size  # 0 stands for 256
        entries.extend(struct.pack("<BBBBHHII", dim, dim, 0, 0, 1, 32,
                                   len(data), offset + len(blobs)))
        blobs.extend(data)
    return out + bytes(entries) + bytes(blobs)


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


# ---------------------------------------------------------------------------
# Canvas
# ---------------------------------------------------------------------------

class Canvas:
    """A grid of straight (non-premultiplied) RGBA pixels.

    Shapes are signed distance functions in logical units; `scale` device
    pixels make one logical unit.  A pixel's coverage is taken from the
    distance at its centre, which gives crisp edges for shapes that sit on
    pixel boundaries and smooth edges for curves."""

    def __init__(self, width, height, background=(0, 0, 0, 0), scale=1.0):
        self.width = width
        self.height = height
        self.scale = scale
        if len(background) == 3:
            background = background + (255,)
        self.px = [[tuple(float(c) for c in background) for _ in range(width)]
                   for _ in range(height)]

    def blend(self, x, y, colour, coverage=1.0):
        if coverage <= 0.0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        r, g, b = colour[:3]
        a = (colour[3] if len(colour) > 3 else 255) / 255.0 * min(coverage, 1.0)
        dr, dg, db, da = self.px[y][x]
        da /= 255.0
        out_a = a + da * (1.0 - a)
        if out_a <= 0.0:
            return
        mix = lambda s, d: (s * a + d * da * (1.0 - a)) / out_a
        self.px[y][x] = (mix(r, dr), mix(g, dg), mix(b, db), out_a * 255.0)

    def put(self, x, y, colour):
        self.blend(x, y, colour, 1.0)

    def paint(self, sdf, colour, grow=0.0, aa=True, box=None):
        """Fills the shape `sdf`, widened by `grow` device pixels."""
        s = self.scale
        x0, y0, x1, y1 = 0, 0, self.width, self.height
        if box is not None:
            x0 = max(0, int(math.floor(box[0] * s - grow - 2)))
            y0 = max(0, int(math.floor(box[1] * s - grow - 2)))
            x1 = min(self.width, int(math.ceil(box[2] * s + grow + 2)))
            y1 = min(self.height, int(math.ceil(box[3] * s + grow + 2)))
        for y in range(y0, y1):
            ly = (y + 0.5) / s
            for x in range(x0, x1):
                d = sdf((x + 0.5) / s, ly) * s - grow
                if aa:
                    cov = 0.5 - d
                else:
                    cov = 1.0 if d <= 0.0 else 0.0
                if cov > 0.0:
                    self.blend(x, y, colour, cov)

    def pixels(self):
        return [[tuple(int(round(max(0.0, min(255.0, c)))) for c in p)
                 for p in row] for row in self.px]


# Signed distance functions: negative inside, positive outside, in logical
# units.  Each returns a function of (x, y).

def box(x0, y0, x1, y1, radius=0.0):
    cx, cy = (x0 + x1) / 2.0, (y0 + y1) / 2.0
    hx, hy = (x1 - x0) / 2.0 - radius, (y1 - y0) / 2.0 - radius

    def sdf(x, y):
        dx, dy = abs(x - cx) - hx, abs(y - cy) - hy
        outside = math.hypot(max(dx, 0.0), max(dy, 0.0))
        return outside + min(max(dx, dy), 0.0) - radius
    sdf.bounds = (x0, y0, x1, y1)
    return sdf


def circle(cx, cy, r):
    def sdf(x, y):
        return math.hypot(x - cx, y - cy) - r
    sdf.bounds = (cx - r, cy - r, cx + r, cy + r)
    return sdf


def ring(cx, cy, r_inner, r_outer):
    mid, half = (r_inner + r_outer) / 2.0, (r_outer - r_inner) / 2.0

    def sdf(x, y):
        return abs(math.hypot(x - cx, y - cy) - mid) - half
    sdf.bounds = (cx - r_outer, cy - r_outer, cx + r_outer, cy + r_outer)
    return sdf


def capsule(ax, ay, bx, by, r):
    def sdf(x, y):
        vx, vy = bx - ax, by - ay
        t = ((x - ax) * vx + (y - ay) * vy) / (vx * vx + vy * vy)
        t = max(0.0, min(1.0, t))
        return math.hypot(x - ax - t * vx, y - ay - t * vy) - r
    sdf.bounds = (min(ax, bx) - r, min(ay, by) - r, max(ax, bx) + r, max(ay, by) + r)
    return sdf


def arc(cx, cy, radius, half_width, start_deg, end_deg):
    """A stroke along a circle from start to end (degrees, counter-clockwise
    on screen, 0 pointing right), with round ends."""
    a0, a1 = math.radians(start_deg), math.radians(end_deg)
    ends = [(cx + radius * math.cos(a), cy - radius * math.sin(a)) for a in (a0, a1)]

    def sdf(x, y):
        ang = math.atan2(-(y - cy), x - cx)
        rel = (ang - a0) % (2 * math.pi)
        if rel <= (a1 - a0):
            return abs(math.hypot(x - cx, y - cy) - radius) - half_width
        return min(math.hypot(x - ex, y - ey) for ex, ey in ends) - half_width
    r = radius + half_width
    sdf.bounds = (cx - r, cy - r, cx + r, cy + r)
    return sdf


def union(*shapes):
    def sdf(x, y):
        return min(s(x, y) for s in shapes)
    sdf.bounds = (min(s.bounds[0] for s in shapes), min(s.bounds[1] for s in shapes),
                  max(s.bounds[2] for s in shapes), max(s.bounds[3] for s in shapes))
    return sdf


def half_plane(nx, ny, c):
    """The side of the line nx*x + ny*y = c where the value is below c."""
    n = math.hypot(nx, ny)

    def sdf(x, y):
        return (nx * x + ny * y - c) / n
    return sdf


def intersect(shape, *cuts):
    def sdf(x, y):
        return max([shape(x, y)] + [c(x, y) for c in cuts])
    sdf.bounds = shape.bounds
    return sdf


def fill(canvas, shape, colour, outline=None, width=1.0, aa=True):
    """Paints a shape with an optional outline `width` device pixels wide
    drawn outside it."""
    if outline is not None:
        canvas.paint(shape, outline, grow=width, aa=aa, box=shape.bounds)
    canvas.paint(shape, colour, aa=aa, box=shape.bounds)


# ---------------------------------------------------------------------------
# Status bitmaps of the quest list
# ---------------------------------------------------------------------------

# The two signs, drawn for a 16 by 16 cell: 済 (done) and 未 (not yet).
SIGN_DONE = [
    ".#........#...",
    "..#..#########",
    "......#....#..",
    "#......#..#...",
    ".#......##....",
    "......##..##..",
    ".....#......#.",
    "...#..######..",
    "...#..#....#..",
    "..#...######..",
    "..#...#....#..",
    ".#...#.....#..",
    ".#..#......#..",
    "#..#.......#..",
]

SIGN_NOT_YET = [
    "......#......",
    "......#......",
    "..#########..",
    "......#......",
    "......#......",
    "#############",
    "......#......",
    ".....###.....",
    "....#.#.#....",
    "...#..#..#...",
    "..#...#...#..",
    ".#....#....#.",
    "#.....#.....#",
    "......#......",
]

# A narrow pixel font, five rows high, for the tag letters and the lettering
# of the program icon.
FONT = {
    "A": [".#.", "#.#", "###", "#.#", "#.#"],
    "E": ["###", "#..", "##.", "#..", "###"],
    "F": ["###", "#..", "##.", "#..", "#.."],
    "K": ["#.#", "##.", "#..", "##.", "#.#"],
    "M": ["#...#", "##.##", "#.#.#", "#...#", "#...#"],
    "N": ["#..#", "##.#", "#.##", "#..#", "#..#"],
    "O": [".#.", "#.#", "#.#", "#.#", ".#."],
    "R": ["##.", "#.#", "##.", "#.#", "#.#"],
    "S": [".##", "#..", ".#.", "..#", "##."],
    "T": ["###", ".#.", ".#.", ".#.", ".#."],
    "W": ["#...#", "#...#", "#.#.#", "#.#.#", ".#.#."],
}


def text_cells(text):
    """The (x, y) cells of `text` set in FONT, one blank column between
    letters, with the text's width."""
    cells, x = [], 0
    for ch in text:
        glyph = FONT[ch]
        for gy, row in enumerate(glyph):
            for gx, c in enumerate(row):
                if c == "#":
                    cells.append((x + gx, gy))
        x += len(glyph[0]) + 1
    return cells, x - 1


def status_bitmap(done, tag=None, tag_colour=None):
    c = Canvas(16, 16, WHITE)
    sign = SIGN_DONE if done else SIGN_NOT_YET
    colour = GREY if done else MAGENTA
    left = (16 - len(sign[0])) // 2 + (len(sign[0]) % 2)
    for y, row in enumerate(sign):
        for x, ch in enumerate(row):
            if ch == "#":
                c.put(left + x, 1 + y, colour)
    if tag:
        cells, _ = text_cells(tag)
        cells = [(1 + x, 10 + y) for x, y in cells]
        # A white border around the letters keeps them readable where they
        # stand in front of the sign.
        for x, y in cells:
            for dx in (-1, 0, 1):
                for dy in (-1, 0, 1):
                    c.put(x + dx, y + dy, WHITE)
        for x, y in cells:
            c.put(x, y, tag_colour)
    return c


STATUS_BITMAPS = {
    130: (True, None, None),
    131: (False, None, None),
    132: (False, "WS", GREEN),
    133: (False, "AF", TEAL),
    134: (True, "AF", LIGHT_GREY),
    135: (True, "WS", LIGHT_GREY),
    136: (False, "NM", OLIVE),
    137: (True, "NM", LIGHT_GREY),
}


# ---------------------------------------------------------------------------
# Program icon: a sheet of paper under a magnifying glass, magenta lettering
# ---------------------------------------------------------------------------

INK = (48, 48, 64, 255)
PAPER = (255, 255, 255, 255)
RULE = (150, 160, 185, 255)
LENS = (150, 205, 255, 110)
RIM = (40, 48, 96, 255)
HANDLE = (120, 64, 24, 255)
LETTERING = (255, 0, 255, 255)


def draw_sheet(c, x0, y0, x1, y1, ear, line_rows, line_x0, line_x1, line_h, outline):
    """A sheet with its top right corner folded over by `ear` units."""
    sheet = intersect(box(x0, y0, x1, y1), half_plane(1, -1, x1 - ear - y0))
    fill(c, sheet, PAPER, INK, outline)
    fold = intersect(box(x1 - ear, y0, x1, y0 + ear), half_plane(1, -1, x1 - ear - y0))
    fill(c, fold, (220, 224, 236, 255), INK, outline * 0.7)
    for i, ly in enumerate(line_rows):
        end = line_x1 if i % 3 != 2 else line_x0 + (line_x1 - line_x0) * 0.6
        c.paint(box(line_x0, ly, end, ly + line_h), RULE, box=(line_x0, ly, end, ly + line_h))


def program_icon(size):
    c = Canvas(size, size, scale=float(size))
    px = 1.0 / size  # one device pixel in logical units
    outline = max(1.0, size / 40.0)
    # Straight edges snap to whole pixels so that small sizes stay sharp.
    snap = lambda v: round(v * size) / size
    line_h = snap(max(px, 0.045))
    rows = [snap(0.17 + i * 0.095) for i in range(6)]
    draw_sheet(c, snap(0.10), snap(0.04), snap(0.62), snap(0.76), snap(0.14),
               rows, snap(0.17), snap(0.52), line_h, outline)

    # The glass: a tinted lens, its rim and a handle pointing down right.
    cx, cy, r = 0.60, 0.42, 0.21
    c.paint(circle(cx, cy, r), LENS, box=circle(cx, cy, r).bounds)
    glint = arc(cx, cy, r * 0.62, max(px * 0.6, 0.02), 110, 160)
    c.paint(glint, (255, 255, 255, 220), box=glint.bounds)
    rim_width = max(1.6 * px, 0.055)
    rim = ring(cx, cy, r, r + rim_width)
    c.paint(rim, RIM, box=rim.bounds)
    # The handle starts at the rim, so it never shows through the lens.
    start = (r + rim_width * 0.5) / math.sqrt(2.0)
    fill(c, capsule(cx + start, cy + start, 0.88, 0.70, 0.06), HANDLE, INK, outline * 0.8)

    # Magenta lettering below the picture.  Large icons spell the name in the
    # pixel font; small ones only suggest a line of text.
    cells, width = text_cells("KESTROW")
    unit = int(size * 0.94 // width)
    if unit >= 2:
        left = (size - width * unit) // 2
        top = size - 5 * unit - max(1, size // 64)
        for x, y in cells:
            for dy in range(unit):
                for dx in range(unit):
                    c.put(left + x * unit + dx, top + y * unit + dy, LETTERING)
    else:
        top, bottom = 0.82, 0.97
        if size <= 16:
            top, bottom = 13.0 / 16, 15.0 / 16
        for a, b in ((0.06, 0.30), (0.36, 0.52), (0.58, 0.94)):
            word = box(a, top, b, bottom)
            c.paint(word, LETTERING, box=word.bounds)
    return c


def document_icon(size):
    c = Canvas(size, size, scale=float(size))
    outline = max(1.0, size / 32.0)
    p = 1.0 / size
    # Keep the sheet's edges on pixel boundaries so small sizes stay sharp.
    x0, x1 = round(0.19 * size) * p, round(0.81 * size) * p
    y0, y1 = 1 * p, (size - 1) * p
    ear = round(0.25 * size) * p
    step = max(2, round(size / 8.0)) * p
    rows, y = [], y0 + ear + step
    while y + p <= y1 - step * 0.8:
        rows.append(y)
        y += step
    draw_sheet(c, x0, y0, x1, y1, ear, rows, x0 + step, x1 - step, p, outline)
    return c


# ---------------------------------------------------------------------------
# Tool bar images, 20 by 19 on light grey, drawn in logical pixels so that
# the high-resolution copies are drawn again rather than enlarged
# ---------------------------------------------------------------------------

TB_W, TB_H = 20, 19


def toolbar_canvas(k):
    return Canvas(TB_W * k, TB_H * k, LIGHT_GREY, scale=float(k))


def hline(c, x0, x1, y, colour):
    """A rule on pixel row y of the small image.  It stays one device pixel
    thick on the enlarged images, where it sits in the middle of the row, so
    they show finer detail instead of fatter lines."""
    k = int(c.scale)
    top = ((2 * y + 1) * k // 2) / float(k)
    c.paint(box(x0, top, x1, top + 1.0 / k), colour, box=(x0, y, x1, y + 1))


def draw_save(k):
    c = toolbar_canvas(k)
    body = intersect(box(2, 1, 18, 18), half_plane(1, -1, 16))
    fill(c, body, (32, 48, 128), BLACK, 1)
    # Metal shutter with the window that shows the disk.
    fill(c, box(6, 1, 15, 7), (224, 224, 224), BLACK, 1)
    fill(c, box(11, 2, 13, 6), (32, 48, 128))
    # Label.
    fill(c, box(4, 10, 16, 18), WHITE, BLACK, 1)
    for y in (12, 14):
        hline(c, 6, 14, y, (0, 0, 128))
    return c


def draw_page(c, x0, y0, x1, y1, lines):
    fill(c, box(x0, y0, x1, y1), WHITE, BLACK, 1)
    for i, y in enumerate(lines):
        end = x1 - 2 if i % 3 != 2 else x0 + 2 + (x1 - x0 - 4) // 2
        hline(c, x0 + 2, end, y, (0, 0, 128))


def draw_copy(k):
    c = toolbar_canvas(k)
    draw_page(c, 2, 1, 11, 13, [3, 5, 7, 9, 11])
    draw_page(c, 9, 6, 18, 18, [8, 10, 12, 14, 16])
    return c


def draw_find(k):
    c = toolbar_canvas(k)
    dark, body, shine = (24, 24, 24), (72, 72, 80), (150, 150, 160)
    glass = (96, 176, 240)
    # Eyepieces, the bridge, then the two barrels.
    for x in (4, 12):
        fill(c, box(x, 2, x + 4, 7, 0.8), body, BLACK, 1)
    fill(c, box(8, 7, 12, 11), dark, BLACK, 1)
    for x in (2, 12):
        fill(c, box(x, 6, x + 6, 17, 1.2), body, BLACK, 1)
        c.paint(box(x + 1, 8, x + 2, 12), shine, box=(x + 1, 8, x + 2, 12))
        if k > 1:
            lens = circle(x + 3, 14, 2.0)
            fill(c, lens, glass, dark, 1.0)
            c.paint(circle(x + 2.3, 13.3, 0.5), WHITE, box=(x, 11, x + 6, 17))
        else:
            # Too small for a round lens: a square pane with a light corner.
            fill(c, box(x + 1, 12, x + 5, 16), glass, dark, 1, aa=False)
            c.put(x + 1, 12, (200, 232, 255))
    return c


def draw_about(k):
    c = toolbar_canvas(k)
    mark = union(arc(10, 6.4, 3.6, 1.45, -80, 200),
                 box(8.55, 9.4, 11.45, 13.2, 0.3),
                 box(8.55, 14.6, 11.45, 17.4, 0.4))
    aa = k > 1
    shadow = lambda x, y: mark(x - 1, y - 1)
    shadow.bounds = tuple(v + 1 for v in mark.bounds)
    c.paint(shadow, (128, 128, 128), grow=1.0 * k, aa=aa, box=shadow.bounds)
    fill(c, mark, (255, 255, 0), BLACK, 1.0 * k, aa=aa)
    return c


TOOLBAR_IMAGES = {
    "save": draw_save,
    "copy": draw_copy,
    "find": draw_find,
    "about": draw_about,
}


def main():
    for number, (done, tag, colour) in STATUS_BITMAPS.items():
        img = status_bitmap(done, tag, colour)
        write(os.path.join(ICONS, "status_%d.png" % number),
              png_bytes(16, 16, img.pixels(), alpha=False))

    ico_entries = []
    for size in (16, 32, 48, 64, 256):
        img = program_icon(size).pixels()
        data = png_bytes(size, size, img, alpha=True)
        write(os.path.join(ICONS, "kestrow_%d.png" % size), data)
        if size in (16, 32, 48):
            ico_entries.append((size, dib_bytes(size, img)))
        elif size == 256:
            ico_entries.append((size, data))
    write(os.path.join(ICONS, "kestrow.ico"), ico_bytes(ico_entries))

    for size in (16, 32):
        write(os.path.join(ICONS, "document_%d.png" % size),
              png_bytes(size, size, document_icon(size).pixels(), alpha=True))

    for name, draw in TOOLBAR_IMAGES.items():
        for k, suffix in ((1, ""), (2, "@2x")):
            img = draw(k)
            write(os.path.join(TOOLBAR, name + suffix + ".png"),
                  png_bytes(img.width, img.height, img.pixels(), alpha=False))


if __name__ == "__main__":
    main()
