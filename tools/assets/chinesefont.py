#!/usr/bin/env python3
"""Take one face out of a TrueType collection as a plain .ttf.

    chinesefont.py uming.ttc "AR PL UMing TW" MSSONG.ttf

The Taiwan face suits a dictionary whose words come in Big5. Its family name
is kept; the program maps "MS Song" onto it at run time.
"""

import sys

from fontTools.ttLib import TTCollection


def find_face(collection, family):
    for font in collection.fonts:
        if font["name"].getDebugName(1) == family:
            return font
    names = ", ".join(f["name"].getDebugName(1) for f in collection.fonts)
    sys.exit(f"no face named {family!r} in the collection (faces: {names})")


def main(argv):
    if len(argv) != 4:
        sys.exit(__doc__)
    source, family, target = argv[1:]
    # Lazy loading copies the untouched tables byte for byte: the outlines
    # and bitmaps (20 MB) are never parsed.
    collection = TTCollection(source, lazy=True, recalcTimestamp=False)
    face = find_face(collection, family)
    face.save(target)
    print(f"MSSONG: {target} ({family}, {face['maxp'].numGlyphs} glyphs)")


if __name__ == "__main__":
    main(sys.argv)
