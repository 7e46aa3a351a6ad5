#!/usr/bin/env python3
"""Draws the program icon in the sizes a Freedesktop icon theme looks for.

usage: icons.py <MSSONG.ttf> <out-dir>
writes <out-dir>/hicolor/<N>x<N>/apps/ordbok.png for N in 16 24 32 48 64 128 256
"""
import os
import sys

from pictures import icon

SIZES = (16, 24, 32, 48, 64, 128, 256)


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    font_path, out_dir = argv[1:]
    for size in SIZES:
        folder = os.path.join(out_dir, "hicolor", f"{size}x{size}", "apps")
        os.makedirs(folder, exist_ok=True)
        icon(font_path, size).save(os.path.join(folder, "ordbok.png"))


if __name__ == "__main__":
    main(sys.argv)
