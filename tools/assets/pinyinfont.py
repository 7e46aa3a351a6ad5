#!/usr/bin/env python3
"""Build the pinyin font pyserif.ttf from DejaVu Serif.

Stored pinyin is plain Latin-1 text in which some Latin-1 characters stand
for tone-marked vowels (U+00E1 is the level-tone a, U+00E0 the rising-tone a,
...). This font draws those code points with the tone-marked glyphs; every
other character keeps its DejaVu glyph.

    pinyinfont.py DejaVuSerif.ttf pyserif.ttf
"""

import sys

from fontTools.ttLib import TTFont

FAMILY = "Ovrek's PinYin Serif"
POSTSCRIPT_NAME = "OvreksPinYinSerif"

# Latin-1 code point -> the tone-marked letter it is drawn as.
# Rows: letter, then tones 1 (level), 2 (rising), 3 (falling-rising), 4 (falling).
TONE_GLYPHS = [
    ("a", [(0x00E1, "\u0101"), (0x00E0, "\u00E1"), (0x00E2, "\u01CE"), (0x00E4, "\u00E0")]),
    ("e", [(0x00E3, "\u0113"), (0x00E5, "\u00E9"), (0x00E7, "\u011B"), (0x00E9, "\u00E8")]),
    ("i", [(0x00EA, "\u012B"), (0x00EB, "\u00ED"), (0x00ED, "\u01D0"), (0x00EC, "\u00EC")]),
    ("o", [(0x00EE, "\u014D"), (0x00EF, "\u00F3"), (0x00F1, "\u01D2"), (0x00F3, "\u00F2")]),
    ("u", [(0x00F2, "\u016B"), (0x00F4, "\u00FA"), (0x00F6, "\u01D4"), (0x00F5, "\u00F9")]),
    ("\u00FC", [(0x00FA, "\u01D6"), (0x00F9, "\u01D8"), (0x00FB, "\u01DA"), (0x00FC, "\u01DC")]),
    ("A", [(0x00A2, "\u0100"), (0x00C1, "\u00C1"), (0x00A7, "\u01CD"), (0x00C0, "\u00C0")]),
    ("E", [(0x00B6, "\u0112"), (0x00C9, "\u00C9"), (0x00AE, "\u011A"), (0x00C8, "\u00C8")]),
    ("I", [(0x00B4, "\u012A"), (0x00CD, "\u00CD"), (0x00CF, "\u01CF"), (0x00CC, "\u00CC")]),
    ("O", [(0x00D8, "\u014C"), (0x00D3, "\u00D3"), (0x00B1, "\u01D1"), (0x00D2, "\u00D2")]),
    ("U", [(0x00AA, "\u016A"), (0x00DA, "\u00DA"), (0x00B5, "\u01D3"), (0x00D9, "\u00D9")]),
]

# Name records that carry the family; copyright, licence and vendor records stay.
FAMILY_NAME_IDS = {1: FAMILY, 3: FAMILY, 4: FAMILY, 6: POSTSCRIPT_NAME, 16: FAMILY}


def tone_glyph_pairs():
    for _letter, row in TONE_GLYPHS:
        yield from row


def rename(font):
    for record in font["name"].names:
        if record.nameID in FAMILY_NAME_IDS:
            record.string = FAMILY_NAME_IDS[record.nameID]


def remap(font):
    # The targets are looked up in the untouched Unicode map first: several
    # pairs chain (U+00E1 must get the glyph U+00E0 used to have, and so on).
    unicode_map = font.getBestCmap()
    targets = {}
    for code_point, letter in tone_glyph_pairs():
        glyph = unicode_map.get(ord(letter))
        if glyph is None:
            sys.exit(f"source font has no glyph for U+{ord(letter):04X}")
        targets[code_point] = glyph

    for table in font["cmap"].tables:
        if table.isUnicode():
            table.cmap.update(targets)
        elif table.platformID == 1 and table.platEncID == 0:
            # Mac Roman: the same characters sit at other byte values.
            for code_point, glyph in targets.items():
                mac = chr(code_point).encode("mac_roman", errors="ignore")
                if len(mac) == 1:
                    table.cmap[mac[0]] = glyph
    return len(targets)


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    source, target = argv[1], argv[2]
    # The source's own date stays: the same input gives the same file.
    font = TTFont(source, recalcTimestamp=False)
    rename(font)
    count = remap(font)
    font.save(target)
    print(f"pyserif: {target} ({FAMILY}, {count} tone glyphs)")


if __name__ == "__main__":
    main(sys.argv)
