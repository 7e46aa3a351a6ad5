#!/usr/bin/env python3
"""Draw the background tile and the start window and program pictures.

    pictures.py MSSONG.ttf OUTDIR

2.gif       256x256 paper tile, seamless, light enough for black text on it
start1.png  a vermilion seal with the word 字典 (dictionary), 112x208
start2.png  the brush radical 聿 in ink inside a faint brush circle, 192x192
ordbok.png  program and tray icon: 字 on a seal-red tile, 64x64

The start pictures and the icon are drawn at twice their display size. The
noise is seeded, so every build gives the same bytes.
"""

import math
import os
import random
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

PAPER = (245, 240, 226)
SEAL_RED = (178, 34, 34)
INK = (28, 26, 24)


def periodic_noise(size, blur, rng):
    """Grey noise around 128 that tiles without a seam.

    Blurring a 3x3 repeat and keeping the middle gives the same values at
    opposite edges, because the blur sees the wrapped neighbours.
    """
    noise = Image.frombytes("L", (size, size), bytes(rng.randrange(256) for _ in range(size * size)))
    repeat = Image.new("L", (3 * size, 3 * size))
    for dx in range(3):
        for dy in range(3):
            repeat.paste(noise, (dx * size, dy * size))
    repeat = repeat.filter(ImageFilter.GaussianBlur(blur))
    middle = repeat.crop((size, size, 2 * size, 2 * size))
    # Stretch the blurred values back to the full range so amplitude is ours to set.
    low, high = middle.getextrema()
    return middle.point(lambda v: (v - low) * 255 // max(1, high - low))


def paper_fibres(size, count, rng):
    """Faint short fibres, each drawn at all nine offsets so that it wraps."""
    fibres = Image.new("L", (size, size), 0)
    draw = ImageDraw.Draw(fibres)
    for _ in range(count):
        x, y = rng.uniform(0, size), rng.uniform(0, size)
        angle, length = rng.uniform(0, math.pi), rng.uniform(6, 22)
        bend = rng.uniform(-0.4, 0.4)
        points = []
        for step in range(8):
            t = step / 7
            a = angle + bend * t
            points.append((x + math.cos(a) * length * t, y + math.sin(a) * length * t))
        shade = rng.randrange(40, 110)
        for dx in (-size, 0, size):
            for dy in (-size, 0, size):
                draw.line([(px + dx, py + dy) for px, py in points], fill=shade, width=1)
    return fibres.filter(ImageFilter.GaussianBlur(0.6))


def background(size=256):
    rng = random.Random(2)
    grain = periodic_noise(size, 0.7, rng)
    clouds = periodic_noise(size, 14, rng)
    fibres = paper_fibres(size, 70, rng)
    paper = Image.new("RGB", (size, size))
    pixels = []
    for g, c, f in zip(grain.getdata(), clouds.getdata(), fibres.getdata()):
        # A few levels of grain and cloud only: the tile sits behind text.
        shift = (g - 128) * 3 / 128 + (c - 128) * 5 / 128 - f * 10 / 255
        pixels.append(tuple(max(0, min(255, round(p + shift * k)))
                            for p, k in zip(PAPER, (1.0, 1.0, 1.25))))
    paper.putdata(pixels)
    return paper.quantize(colors=128, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)


def glyph_mask(char, font, box):
    """The character's ink as a mask, centred in a box of the given size."""
    mask = Image.new("L", box, 0)
    draw = ImageDraw.Draw(mask)
    left, top, right, bottom = draw.textbbox((0, 0), char, font=font)
    draw.text(((box[0] - (right - left)) / 2 - left, (box[1] - (bottom - top)) / 2 - top),
              char, font=font, fill=255)
    return mask


def brushed(mask, spread):
    """Soften a printed glyph into something closer to ink: blur, then firm up
    the edge again, which rounds the stroke ends and corners."""
    soft = mask.filter(ImageFilter.GaussianBlur(spread))
    return soft.point(lambda v: 0 if v < 70 else 255 if v > 150 else (v - 70) * 255 // 80)


def seal_body(size, inset, radius, rng=None):
    """A rounded seal face; given a random source, its border is chipped a
    little, as a worn stone-cut edge is."""
    mask = Image.new("L", size, 0)
    ImageDraw.Draw(mask).rounded_rectangle((inset, inset, size[0] - inset - 1, size[1] - inset - 1),
                                           radius=radius, fill=255)
    if rng is None:
        return mask
    chips = Image.new("L", size, 0)
    draw = ImageDraw.Draw(chips)
    for _ in range((size[0] + size[1]) // 6):
        # Mostly along the border, a few inside.
        x, y = rng.randrange(size[0]), rng.randrange(size[1])
        if rng.random() < 0.8:
            if rng.random() < 0.5:
                x = rng.choice((inset, size[0] - inset - 1)) + rng.uniform(-2, 2)
            else:
                y = rng.choice((inset, size[1] - inset - 1)) + rng.uniform(-2, 2)
        r = rng.uniform(0.8, 2.2)
        draw.ellipse((x - r, y - r, x + r, y + r), fill=255)
    return ImageChops.subtract(mask, chips.filter(ImageFilter.GaussianBlur(0.5)))


def seal(font_path):
    size = (112, 208)
    rng = random.Random(1)
    font = ImageFont.truetype(font_path, 84)
    body = seal_body(size, 3, 10, rng)
    characters = Image.new("L", size, 0)
    for index, char in enumerate("\u5b57\u5178"):
        cell = brushed(glyph_mask(char, font, (100, 96)), 1.0)
        characters.paste(cell, (6, 8 + index * 96), cell)
    picture = Image.new("RGBA", size, SEAL_RED + (0,))
    picture.putalpha(ImageChops.subtract(body, characters))
    return picture


def brush_radical(font_path):
    size = 192
    rng = random.Random(3)
    font = ImageFont.truetype(font_path, 128)
    # An open brush circle: thick where the brush lands, thinning out.
    ring = Image.new("L", (size, size), 0)
    draw = ImageDraw.Draw(ring)
    start = 120
    for step in range(300):
        t = step / 300
        angle = math.radians(start + 320 * t)
        r = 80 + 3 * math.sin(t * 9)
        x, y = size / 2 + r * math.cos(angle), size / 2 + r * math.sin(angle)
        w = 9 * (1 - t) ** 0.7 + 1.5 + rng.uniform(-0.6, 0.6)
        draw.ellipse((x - w, y - w, x + w, y + w), fill=70)
    ring = ring.filter(ImageFilter.GaussianBlur(1.2))
    radical = brushed(glyph_mask("\u2f80", font, (size, size)), 1.6)
    alpha = ImageChops.lighter(ring, radical)
    picture = Image.new("RGBA", (size, size), INK + (0,))
    picture.putalpha(alpha)
    return picture


def icon(font_path, size=64):
    font = ImageFont.truetype(font_path, size * 3 // 4)
    # No chipped edge: at tray size it would only look dirty.
    body = seal_body((size, size), 2, size // 8)
    character = brushed(glyph_mask("\u5b57", font, (size, size)), size / 64)
    picture = Image.new("RGBA", (size, size), SEAL_RED + (0,))
    picture.putalpha(body)
    white = Image.new("RGBA", (size, size), (255, 250, 240, 255))
    picture.paste(white, (0, 0), ImageChops.multiply(character, body))
    return picture


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    font_path, out_dir = argv[1:]
    os.makedirs(out_dir, exist_ok=True)
    background().save(os.path.join(out_dir, "2.gif"))
    seal(font_path).save(os.path.join(out_dir, "start1.png"))
    brush_radical(font_path).save(os.path.join(out_dir, "start2.png"))
    icon(font_path).save(os.path.join(out_dir, "ordbok.png"))
    print(f"pictures: 2.gif, start1.png, start2.png, ordbok.png in {out_dir}")


if __name__ == "__main__":
    main(sys.argv)
