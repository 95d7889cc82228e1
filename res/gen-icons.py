#!/usr/bin/env python3
"""Draws the icons and the cursor of Zorvane.exe into res/icons/.

Standard library and the zopfli command only, and deterministic: the same
bytes on every run, so the generated files are committed and the build never
needs Python. Only arithmetic and square roots are used (no trigonometry),
whose results do not depend on the platform's maths library.

Files written:
  app.ico     icon 128: a push-pin on a badge, 32-bit with alpha, in three
              images. 128x128 is stored PNG-compressed, which Windows Vista
              and later and Wine read: 4.2 KB against 66 KB for the raw
              bitmap, which would be most of the executable. 32x32 and 16x16
              are plain bitmaps, the sizes Windows XP and 2000 ask for (they
              cannot decode PNG), each drawn for its size: a box-filtered
              shrink of the large picture loses the needle at 16 pixels
  finder.ico  icon 133: 32x32, 16 colours; a cross-hair that inverts the
              background under its lines
  finder.cur  cursor 131: the same cross-hair, hot spot on the crossing point
  exit.ico    icon 134: 32x32, 256 colours; a power symbol on a red disc
"""

import argparse
import math
import os
import struct
import subprocess
import sys
import tempfile
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(HERE, "icons")

# cos 45 degrees, written out so no trigonometry is involved.
C45 = 0.7071067811865476

# The sixteen colours of the standard Windows palette, as (R, G, B).
VGA16 = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
VGA_BLACK = 0
VGA_WHITE = 15


# --------------------------------------------------------------------------
# File format
# --------------------------------------------------------------------------

def row_stride(width, bpp):
    """Bytes per DIB row: rows are padded to a multiple of four bytes."""
    return ((width * bpp + 31) // 32) * 4


def pack_rows(rows, width, bpp):
    """Packs top-down rows of pixel values (palette indices, BGRA tuples or
    mask bits) into bottom-up DIB rows."""
    stride = row_stride(width, bpp)
    out = bytearray()
    for row in reversed(rows):
        line = bytearray()
        if bpp == 32:
            for b, g, r, a in row:
                line += bytes((b, g, r, a))
        elif bpp == 8:
            line += bytes(row)
        elif bpp in (1, 4):
            per_byte = 8 // bpp
            for start in range(0, width, per_byte):
                byte = 0
                for i in range(per_byte):
                    value = row[start + i] if start + i < width else 0
                    byte |= value << (8 - bpp * (i + 1))
                line.append(byte)
        else:
            raise ValueError("unsupported depth %d" % bpp)
        line += bytes(stride - len(line))
        out += line
    return bytes(out)


def dib_image(width, height, bpp, palette, colour_rows, and_rows):
    """One icon or cursor image: BITMAPINFOHEADER with the height doubled
    (colour bits plus mask), the palette, the colour (XOR) bits, then the
    1-bit AND mask."""
    xor_bits = pack_rows(colour_rows, width, bpp)
    and_bits = pack_rows(and_rows, width, 1)
    header = struct.pack(
        "<IiiHHIIiiII",
        40,              # biSize
        width,
        height * 2,      # colour bits and mask together
        1,               # biPlanes
        bpp,
        0,               # BI_RGB
        len(xor_bits) + len(and_bits),
        0, 0,            # resolution: unused
        0, 0)            # biClrUsed 0: the full palette of the depth
    pal = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    if bpp <= 8 and len(palette) != 1 << bpp:
        raise ValueError("palette must have %d entries" % (1 << bpp))
    return header + pal + xor_bits + and_bits


def png_chunk(kind, data):
    return (struct.pack(">I", len(data)) + kind + data
            + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))


def zopfli_zlib(data):
    """data as a zlib stream written by zopfli (Debian's zopfli package),
    3 % smaller than zlib's best here, and the same bytes on every run."""
    with tempfile.TemporaryDirectory() as folder:
        path = os.path.join(folder, "raw")
        with open(path, "wb") as f:
            f.write(data)
        try:
            return subprocess.run(["zopfli", "--zlib", "--i15", "-c", path],
                                  check=True, stdout=subprocess.PIPE).stdout
        except FileNotFoundError:
            sys.exit("gen-icons: zopfli is missing (bash tools/setup.sh installs it)")


def png_rgba(width, height, rows):
    """A PNG of top-down rows of (R, G, B, A) byte tuples: 8 bits per channel
    with alpha. No row is filtered: the badge's flat colours and even
    gradients repeat from row to row, which deflate finds by itself, and
    every filter made the 128-pixel picture larger (4,179 bytes of data
    unfiltered, 4,424 with the usual smallest-sum choice per row)."""
    raw = bytearray()
    for row in rows:
        raw.append(0)
        raw += bytes(v for px in row for v in px)
    ihdr = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", ihdr)
            + png_chunk(b"IDAT", zopfli_zlib(bytes(raw)))
            + png_chunk(b"IEND", b""))


def icon_file(width, height, bpp, image, cursor_hotspot=None):
    """An .ico (or, with a hot spot, a .cur) file holding one image."""
    return icon_file_of([(width, height, bpp, image)], cursor_hotspot)


def icon_file_of(images, cursor_hotspot=None):
    """An .ico (or, with a hot spot, a .cur) file of (width, height, bpp,
    image) entries, in the order given."""
    kind = 1 if cursor_hotspot is None else 2
    head = struct.pack("<HHH", 0, kind, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for width, height, bpp, image in images:
        colours = (1 << bpp) if bpp < 8 else 0  # 0 stands for 256 or more
        if cursor_hotspot is None:
            field1, field2 = 1, bpp             # planes, bit count
        else:
            field1, field2 = cursor_hotspot     # hot spot x, y
        entries += struct.pack(
            "<BBBBHHII",
            width & 0xFF, height & 0xFF,  # 256 would be stored as 0
            colours, 0, field1, field2,
            len(image), offset)
        offset += len(image)
    return head + entries + b"".join(image for _, _, _, image in images)


def write_file(out_dir, name, data):
    path = os.path.join(out_dir, name)
    with open(path, "wb") as f:
        f.write(data)
    return path


# --------------------------------------------------------------------------
# Geometry helpers (all in pixel coordinates, y downwards)
# --------------------------------------------------------------------------

def in_round_rect(x, y, x0, y0, x1, y1, radius):
    """True when (x, y) lies in the rectangle with rounded corners."""
    if x < x0 or x > x1 or y < y0 or y > y1:
        return False
    dx = max(x0 + radius - x, 0.0, x - (x1 - radius))
    dy = max(y0 + radius - y, 0.0, y - (y1 - radius))
    return dx * dx + dy * dy <= radius * radius


def lerp(a, b, t):
    return a + (b - a) * t


def lerp_rgb(c0, c1, t):
    return tuple(lerp(a, b, t) for a, b in zip(c0, c1))


def to_byte(v):
    return max(0, min(255, int(v + 0.5)))


def supersample(width, height, n, sample):
    """Averages sample(x, y) -> (r, g, b, a) over an n x n grid per pixel,
    in premultiplied form so transparent samples carry no colour."""
    rows = []
    inv = 1.0 / (n * n)
    for py in range(height):
        row = []
        for px in range(width):
            sr = sg = sb = sa = 0.0
            for j in range(n):
                y = py + (j + 0.5) / n
                for i in range(n):
                    r, g, b, a = sample(px + (i + 0.5) / n, y)
                    sr += r * a
                    sg += g * a
                    sb += b * a
                    sa += a
            alpha = sa * inv
            if alpha > 0.0:
                row.append((sr / sa, sg / sa, sb / sa, alpha))
            else:
                row.append((0.0, 0.0, 0.0, 0.0))
        rows.append(row)
    return rows


def over(dst, colour, alpha):
    """Source-over of a straight colour with alpha onto a straight RGBA."""
    r, g, b, a = dst
    out_a = alpha + a * (1.0 - alpha)
    if out_a <= 0.0:
        return (0.0, 0.0, 0.0, 0.0)
    k = a * (1.0 - alpha)
    return ((colour[0] * alpha + r * k) / out_a,
            (colour[1] * alpha + g * k) / out_a,
            (colour[2] * alpha + b * k) / out_a,
            out_a)


# --------------------------------------------------------------------------
# Icon 128: a push-pin on a rounded badge
# --------------------------------------------------------------------------

BADGE_TOP = (79, 172, 254)
BADGE_BOTTOM = (21, 87, 176)
PIN_LIGHT = (255, 138, 128)
PIN_DARK = (183, 28, 28)
NEEDLE_LIGHT = (245, 245, 245)
NEEDLE_DARK = (150, 150, 160)


class Look:
    """How icon 128 is drawn at one size: where the pin sits and how large
    (in the 128-pixel drawing's coordinates), the least half-width of its
    needle, the offset of its shadow (None: no shadow) and the samples per
    pixel along each axis."""

    def __init__(self, centre, scale, needle_half_min, shadow, samples):
        self.centre = centre
        self.scale = scale
        self.needle_half_min = needle_half_min
        self.shadow = shadow
        self.samples = samples


# At 32 pixels a needle as thin as the large one's would be a faint trace,
# so it keeps at least 0.6 pixel either side. At 16 pixels the shadow only
# blurs the pin's edge, so there is none; the pin grows a fifth and moves to
# the middle to stay clear of the badge's corner, and the needle keeps a
# whole pixel and a half.
LOOKS = {
    128: Look((66.0, 60.0), 1.0, 0.0, (4.0, 5.0), 4),
    32: Look((66.0, 60.0), 1.0, 0.6 * 4.0, (4.0, 5.0), 8),
    16: Look((62.0, 64.0), 1.2, 0.8 * 8.0, None, 8),
}
APP_SIZES = (128, 32, 16)


def pin_part(x, y, look):
    """Which part of the pin covers (x, y), and the shading position across
    it (-1 lit edge .. 1 dark edge). The pin is drawn along an axis u from its
    cap to its needle tip, tilted 45 degrees so the tip points down-left."""
    dx = (x - look.centre[0]) / look.scale
    dy = (y - look.centre[1]) / look.scale
    u = -dx * C45 + dy * C45
    v = dx * C45 + dy * C45
    if in_round_rect(u, v, -46.0, -15.0, -32.0, 15.0, 6.0):
        return "body", v / 15.0
    if -33.0 <= u <= -7.0 and abs(v) <= 9.0:
        return "body", v / 9.0
    if in_round_rect(u, v, -8.0, -22.0, 2.0, 22.0, 5.0):
        return "body", v / 22.0
    if 2.0 <= u <= 48.0:
        half = max(2.6 - (u - 2.0) * (2.0 / 46.0), look.needle_half_min / look.scale)
        if abs(v) <= half:
            return "needle", v / half
    return None, 0.0


def app_sample(x, y, look):
    pixel = (0.0, 0.0, 0.0, 0.0)
    if not in_round_rect(x, y, 4.0, 4.0, 124.0, 124.0, 26.0):
        return pixel
    pixel = over(pixel, lerp_rgb(BADGE_TOP, BADGE_BOTTOM, (y - 4.0) / 120.0), 1.0)
    # A soft gloss on the upper half of the badge.
    if y < 58.0:
        pixel = over(pixel, (255, 255, 255), 0.10 * (58.0 - y) / 54.0)
    # Shadow of the pin, cast down-right.
    if look.shadow is not None:
        if pin_part(x - look.shadow[0], y - look.shadow[1], look)[0] is not None:
            pixel = over(pixel, (0, 20, 60), 0.35)
    part, t = pin_part(x, y, look)
    if part == "body":
        pixel = over(pixel, lerp_rgb(PIN_LIGHT, PIN_DARK, (t + 1.0) / 2.0), 1.0)
    elif part == "needle":
        pixel = over(pixel, lerp_rgb(NEEDLE_LIGHT, NEEDLE_DARK, (t + 1.0) / 2.0), 1.0)
    return pixel


def app_icon_pixels(size):
    """Top-down rows of straight (R, G, B, A) bytes of icon 128 at size."""
    look = LOOKS[size]
    unit = 128.0 / size
    if size == 128:
        sample = lambda x, y: app_sample(x, y, look)
    else:
        sample = lambda x, y: app_sample(x * unit, y * unit, look)
    out = []
    for row in supersample(size, size, look.samples, sample):
        line = []
        for r, g, b, a in row:
            alpha = to_byte(a * 255.0)
            if alpha == 0:
                line.append((0, 0, 0, 0))
            else:
                line.append((to_byte(r), to_byte(g), to_byte(b), alpha))
        out.append(line)
    return out


def app_dib(pixels):
    """A plain 32-bit bitmap with a mask of top-down (R, G, B, A) rows."""
    size = len(pixels)
    colour_rows = [[(b, g, r, a) for r, g, b, a in row] for row in pixels]
    # The mask matters only to systems that ignore alpha.
    and_rows = [[1 if a < 128 else 0 for r, g, b, a in row] for row in pixels]
    return dib_image(size, size, 32, [], colour_rows, and_rows)


def make_app_icon(pictures):
    """The shipped form: the large image PNG-compressed, the small ones plain."""
    images = []
    for size in APP_SIZES:
        pixels = pictures[size]
        image = png_rgba(size, size, pixels) if size == 128 else app_dib(pixels)
        images.append((size, size, 32, image))
    return icon_file_of(images)


def make_app_icon_dib(pictures):
    """Every image as a plain bitmap: what the shipped form must look like
    once the system has loaded it."""
    return icon_file_of([(size, size, 32, app_dib(pictures[size])) for size in APP_SIZES])


# --------------------------------------------------------------------------
# Icon 133 and cursor 131: the inverting cross-hair
# --------------------------------------------------------------------------

FINDER_SIZE = 32
FINDER_HOTSPOT = (16, 15)


def crosshair_pixels():
    """Set of (x, y) pixels on the cross-hair's lines: a ring around the hot
    spot, and two lines through it with a small gap so the target stays
    visible, plus the centre pixel itself."""
    cx, cy = FINDER_HOTSPOT
    on = set()
    for y in range(FINDER_SIZE):
        for x in range(FINDER_SIZE):
            d = math.sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy))
            if abs(d - 9.0) < 0.5:
                on.add((x, y))
    for x in range(cx - 14, cx + 15):
        if abs(x - cx) > 2:
            on.add((x, cy))
    for y in range(cy - 14, cy + 15):
        if abs(y - cy) > 2:
            on.add((cx, y))
    on.add((cx, cy))
    return on


def crosshair_image():
    """AND 1 with colour white inverts the screen; AND 1 with colour black
    leaves it alone."""
    on = crosshair_pixels()
    colour_rows = [[VGA_WHITE if (x, y) in on else VGA_BLACK
                    for x in range(FINDER_SIZE)] for y in range(FINDER_SIZE)]
    and_rows = [[1] * FINDER_SIZE for _ in range(FINDER_SIZE)]
    return dib_image(FINDER_SIZE, FINDER_SIZE, 4, VGA16, colour_rows, and_rows)


def make_finder_icon():
    return icon_file(FINDER_SIZE, FINDER_SIZE, 4, crosshair_image())


def make_finder_cursor():
    return icon_file(FINDER_SIZE, FINDER_SIZE, 4, crosshair_image(),
                     cursor_hotspot=FINDER_HOTSPOT)


# --------------------------------------------------------------------------
# Icon 134: a power symbol on a red disc, 256 colours
# --------------------------------------------------------------------------

DISC_TOP = (244, 96, 84)
DISC_BOTTOM = (176, 24, 24)
GRADIENT_STEPS = 16
WHITE_STEPS = 15


def exit_palette():
    """The sixteen standard colours, then every mix of a disc gradient level
    with white, so each pixel's colour is an exact palette entry."""
    pal = list(VGA16)
    for g in range(GRADIENT_STEPS):
        base = lerp_rgb(DISC_TOP, DISC_BOTTOM, g / (GRADIENT_STEPS - 1))
        for k in range(WHITE_STEPS):
            mix = lerp_rgb(base, (255, 255, 255), k / (WHITE_STEPS - 1))
            pal.append(tuple(to_byte(c) for c in mix))
    return pal


def in_power_symbol(x, y):
    cx, cy = 16.0, 17.0
    dx, dy = x - cx, y - cy
    d = math.sqrt(dx * dx + dy * dy)
    # The bar, with round ends.
    if abs(dx) <= 1.6 and 6.5 <= y <= 15.5:
        return True
    for end_y in (6.5, 15.5):
        if dx * dx + (y - end_y) * (y - end_y) <= 1.6 * 1.6:
            return True
    # The ring, open at the top where the bar enters (about 40 degrees
    # either side of the vertical: tan 40 = 0.839).
    if abs(d - 8.5) <= 1.6:
        if dy < 0.0 and abs(dx) < 0.839 * -dy:
            return False
        return True
    return False


def make_exit_icon():
    size = 32
    pal = exit_palette()
    n = 4
    colour_rows, and_rows = [], []
    for py in range(size):
        crow, arow = [], []
        g = min(GRADIENT_STEPS - 1, max(0, int((py - 1) * GRADIENT_STEPS / 30.0)))
        for px in range(size):
            disc = white = 0
            for j in range(n):
                y = py + (j + 0.5) / n
                for i in range(n):
                    x = px + (i + 0.5) / n
                    if (x - 16.0) ** 2 + (y - 16.0) ** 2 <= 15.0 * 15.0:
                        disc += 1
                        if in_power_symbol(x, y):
                            white += 1
            if disc * 2 < n * n:
                crow.append(VGA_BLACK)
                arow.append(1)
                continue
            k = int(white * (WHITE_STEPS - 1) / disc + 0.5)
            crow.append(16 + g * WHITE_STEPS + k)
            arow.append(0)
        colour_rows.append(crow)
        and_rows.append(arow)
    image = dib_image(size, size, 8, pal, colour_rows, and_rows)
    return icon_file(size, size, 8, image)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument(
        "--out", metavar="DIR", default=OUT_DIR,
        help="folder to write the pictures to (default: %(default)s)")
    parser.add_argument(
        "--app-dib", metavar="PATH",
        help="also write icon 128 with every image an uncompressed bitmap "
             "to PATH, the reference for checking that the PNG form loads "
             "the same")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    pictures = {size: app_icon_pixels(size) for size in APP_SIZES}
    for name, data in (("app.ico", make_app_icon(pictures)),
                       ("finder.ico", make_finder_icon()),
                       ("finder.cur", make_finder_cursor()),
                       ("exit.ico", make_exit_icon())):
        print("%s: %d bytes" % (write_file(args.out, name, data), len(data)))
    if args.app_dib:
        with open(args.app_dib, "wb") as f:
            f.write(make_app_icon_dib(pictures))
        print("%s: %d bytes" % (args.app_dib, os.path.getsize(args.app_dib)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
