#!/usr/bin/env python3
"""Draw the two radical chart pictures from the program's own chart grid.

    radicalcharts.py LAYOUT.json MSSONG.ttf OUTDIR [SCALE]

LAYOUT.json is written by ordbok-chartlayout (tools/assets/chartlayout.cpp) from
dictionary/radicalchartgrid.cpp, the grid the chart windows hit-test, so a
cell is drawn exactly where a click on it is taken. Positions there are in
twips, and the layout says how many make one pixel of the chart's natural
size; the pictures are drawn at SCALE (default 2) times that size, so they stay
sharp on 1x and 2x screens:

radicals-traditional.png  the 214 radicals in their Kangxi forms
radicals-simplified.png   the simplified forms, and below them the other shapes
                          radicals take inside characters

Each cell shows its shape and, beneath it, the radical number. Cells of
radicals with an odd stroke count are tinted warm, even ones cool, so the
stroke groups stand out. The background is transparent: the simplified chart
sits on the tiled paper of its window.
"""

import json
import math
import os
import sys

from PIL import Image, ImageDraw, ImageFont

INSET = 22  # twips between a cell's hotspot and its drawn box
TINTS = {1: (255, 251, 240, 235), 0: (243, 247, 252, 235)}
BORDER = (190, 182, 168, 255)
INK = (20, 20, 20, 255)
NUMBER = (110, 100, 90, 255)
OTHER_SHAPE_NUMBER = (150, 40, 30, 255)


def draw_glyph(draw, char, font, box):
    """Centre the ink of char in box (left, top, right, bottom)."""
    left, top, right, bottom = draw.textbbox((0, 0), char, font=font)
    if right <= left or bottom <= top:
        return False
    x = (box[0] + box[2] - (right - left)) / 2 - left
    y = (box[1] + box[3] - (bottom - top)) / 2 - top
    draw.text((x, y), char, font=font, fill=INK)
    return True


def draw_chart(chart, font_path, scale, twips_per_pixel):
    px = scale / twips_per_pixel
    size = (math.ceil(chart["width"] * px), math.ceil(chart["height"] * px))
    picture = Image.new("RGBA", size, (0, 0, 0, 0))
    draw = ImageDraw.Draw(picture)
    cell_w = chart["cells"][0]["w"] * px
    glyph_font = ImageFont.truetype(font_path, round(cell_w * 0.66))
    number_font = ImageFont.truetype(font_path, round(cell_w * 0.3))
    missing = []

    main_bottom = max(c["y"] + c["h"] for c in chart["cells"] if c["form"] == 1)
    others = [c for c in chart["cells"] if c["form"] > 1]
    if others:
        # A dividing line halfway between the main grid and the other shapes.
        y = (main_bottom + min(c["y"] for c in others)) / 2 * px
        draw.line([(4 * scale, y), (size[0] - 4 * scale, y)], fill=BORDER, width=max(1, scale))

    for cell in chart["cells"]:
        left = (cell["x"] + INSET) * px
        top = (cell["y"] + INSET) * px
        right = (cell["x"] + cell["w"] - INSET) * px
        bottom = (cell["y"] + cell["h"] - INSET) * px
        draw.rounded_rectangle((left, top, right, bottom), radius=3 * scale,
                               fill=TINTS[cell["strokes"] % 2], outline=BORDER, width=1)
        label_height = (bottom - top) * 0.27
        glyph_box = (left + scale, top + scale, right - scale, bottom - label_height)
        if not draw_glyph(draw, chr(cell["glyph"]), glyph_font, glyph_box):
            missing.append(f"U+{cell['glyph']:04X}")
        number = str(cell["radical"])
        colour = NUMBER if cell["form"] == 1 else OTHER_SHAPE_NUMBER
        l, t, r, b = draw.textbbox((0, 0), number, font=number_font)
        draw.text(((left + right - (r - l)) / 2 - l, bottom - label_height / 2 - (b - t) / 2 - t - scale / 2),
                  number, font=number_font, fill=colour)
    return picture, missing


def main(argv):
    if len(argv) not in (4, 5):
        sys.exit(__doc__)
    layout_path, font_path, out_dir = argv[1:4]
    scale = int(argv[4]) if len(argv) == 5 else 2
    with open(layout_path, encoding="utf-8") as source:
        layout = json.load(source)
    charts, twips_per_pixel = layout["charts"], layout["twipsPerPixel"]
    os.makedirs(out_dir, exist_ok=True)
    for chart in charts:
        picture, missing = draw_chart(chart, font_path, scale, twips_per_pixel)
        if missing:
            sys.exit(f"{font_path} cannot draw {', '.join(missing)}")
        name = f"radicals-{chart['name']}.png"
        picture.save(os.path.join(out_dir, name), optimize=True)
        print(f"radical chart {name}: {len(chart['cells'])} cells, "
              f"{picture.width}x{picture.height}")


if __name__ == "__main__":
    main(sys.argv)
