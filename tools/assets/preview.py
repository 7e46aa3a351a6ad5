#!/usr/bin/env python3
"""Draw preview sheets of the built assets for a person to look at.

    preview.py PROGRAM_DIR OUTDIR

fonts.png: every tone-marked letter in pyserif.ttf, row by row, with the
same letter from DejaVu Serif beneath it, and a line of the Chinese font. radicals.png: all radical pictures with their
numbers. Not part of the build.
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

from pinyinfont import TONED_LETTERS

REFERENCE_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf"


def font_sheet(program_dir, path):
    pinyin = ImageFont.truetype(os.path.join(program_dir, "pyserif.ttf"), 40)
    reference = ImageFont.truetype(REFERENCE_FONT, 20)
    label = ImageFont.truetype(REFERENCE_FONT, 16)
    chinese = ImageFont.truetype(os.path.join(program_dir, "MSSONG.ttf"), 40)
    sheet = Image.new("RGB", (700, 90 + 70 * len(TONED_LETTERS) + 80), "white")
    draw = ImageDraw.Draw(sheet)
    draw.text((10, 10), "pyserif.ttf: pyserif (top), DejaVu Serif (bottom)",
              font=label, fill="black")
    draw.text((10, 35), "h\u01ceo zh\u014dnggu\u00f3 \u014cuzh\u014du n\u01da l\u01dc",
              font=pinyin, fill="black")
    for row, (letter, marked) in enumerate(TONED_LETTERS):
        y = 100 + 70 * row
        draw.text((10, y + 10), letter, font=label, fill="gray")
        for tone, text in enumerate(marked):
            x = 60 + 150 * tone
            draw.text((x, y), text, font=pinyin, fill="black")
            draw.text((x + 40, y + 12), f"U+{ord(text[0]):04X}", font=label, fill="gray")
            draw.text((x + 5, y + 45), text, font=reference, fill="blue")
    draw.text((10, sheet.height - 60), "\u5b57\u5178 \u6c49\u5b57 \u6f22\u5b57 \u2f00\u2f08\u2fd5",
              font=chinese, fill="black")
    sheet.save(path)


def radical_sheet(program_dir, path):
    names = [f"r{n:03d}.gif" for n in range(1, 215)]
    names += sorted(n for n in os.listdir(program_dir) if n.startswith("rs") and n.endswith(".gif"))
    label = ImageFont.truetype(REFERENCE_FONT, 11)
    columns, cell = 20, 72
    rows = (len(names) + columns - 1) // columns
    sheet = Image.new("RGB", (columns * cell, rows * (cell + 14)), (220, 220, 220))
    draw = ImageDraw.Draw(sheet)
    for index, name in enumerate(names):
        x, y = (index % columns) * cell, (index // columns) * (cell + 14)
        picture = Image.open(os.path.join(program_dir, name)).convert("RGB")
        sheet.paste(picture, (x + (cell - picture.width) // 2, y + 2))
        draw.text((x + 4, y + cell - 4), name[:-4], font=label, fill="black")
    sheet.save(path)


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    program_dir, out_dir = argv[1:]
    os.makedirs(out_dir, exist_ok=True)
    font_sheet(program_dir, os.path.join(out_dir, "fonts.png"))
    radical_sheet(program_dir, os.path.join(out_dir, "radicals.png"))
    print(f"previews in {out_dir}")


if __name__ == "__main__":
    main(sys.argv)
