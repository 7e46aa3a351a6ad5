#!/usr/bin/env python3
"""Render the radical pictures r001.gif .. r214.gif and rs<N>.gif.

    radicals.py CJKRadicals.txt MSSONG.ttf OUTDIR [SIZE]

r<NNN>.gif shows the Kangxi form of radical NNN (Kangxi Radicals block);
rs<N>.gif the simplified form of the radicals that have a separate one (the
"N'" rows from the CJK Radicals Supplement). Pictures are SIZE pixels square
(default 64: twice a 32 pixel slot, so they stay sharp on 2x screens), black
on white.

A line of CJKRadicals.txt looks like "120'; 2EB0; 7E9F": radical number,
apostrophe for the simplified form, radical character, unified ideograph.
"""

import os
import sys

from PIL import Image, ImageDraw, ImageFont

SIMPLIFIED = (120, 147, 149, 154, 159, 167, 168, 169, 178, 181, 182,
              183, 184, 187, 195, 196, 199, 210, 211, 212, 213)


def read_radicals(path):
    """Return ({number: kangxi char}, {number: simplified char})."""
    kangxi, simplified = {}, {}
    with open(path, encoding="utf-8") as lines:
        for line in lines:
            line = line.split("#", 1)[0].strip()
            if not line:
                continue
            number, radical, _ideograph = (field.strip() for field in line.split(";"))
            target = simplified if number.endswith("'") else kangxi
            target.setdefault(int(number.rstrip("'")), chr(int(radical, 16)))
    return kangxi, simplified


def render(char, font, size):
    picture = Image.new("L", (size, size), 255)
    draw = ImageDraw.Draw(picture)
    left, top, right, bottom = draw.textbbox((0, 0), char, font=font)
    # Centre the ink, not the advance box: radical glyphs sit anywhere in the em.
    x = (size - (right - left)) / 2 - left
    y = (size - (bottom - top)) / 2 - top
    draw.text((x, y), char, font=font, fill=0)
    return picture


def main(argv):
    if len(argv) not in (4, 5):
        sys.exit(__doc__)
    table, font_path, out_dir = argv[1:4]
    size = int(argv[4]) if len(argv) == 5 else 64
    kangxi, simplified = read_radicals(table)
    missing = [n for n in range(1, 215) if n not in kangxi]
    missing += [f"{n}'" for n in SIMPLIFIED if n not in simplified]
    if missing:
        sys.exit(f"{table} lacks radicals {missing}")

    # The widest radicals fill the em: 13/16 leaves a margin of 3/32 all round.
    font = ImageFont.truetype(font_path, size * 13 // 16)
    os.makedirs(out_dir, exist_ok=True)
    for number in range(1, 215):
        render(kangxi[number], font, size).save(os.path.join(out_dir, f"r{number:03d}.gif"))
    for number in SIMPLIFIED:
        render(simplified[number], font, size).save(os.path.join(out_dir, f"rs{number}.gif"))
    print(f"radicals: 214 Kangxi and {len(SIMPLIFIED)} simplified pictures, "
          f"{size}x{size}, in {out_dir}")


if __name__ == "__main__":
    main(sys.argv)
