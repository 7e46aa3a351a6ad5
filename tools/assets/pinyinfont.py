#!/usr/bin/env python3
"""Build the pinyin font pyserif.ttf from DejaVu Serif.

Pinyin is Unicode text: the tone-marked letters sit at their own code points
(U+0101 is the level-tone a, U+01DA the falling-rising u with diaeresis, ...).
DejaVu Serif draws all of them; this script renames the family so that the
program can ask for it by its own name, and refuses a source font that lacks
any letter pinyin needs.

    pinyinfont.py DejaVuSerif.ttf pyserif.ttf
"""

import sys
import unicodedata

from fontTools.ttLib import TTFont

FAMILY = "Ovrek's PinYin Serif"
POSTSCRIPT_NAME = "OvreksPinYinSerif"

# Macron, acute, caron, grave: tones 1 to 4.
TONE_MARKS = ["\u0304", "\u0301", "\u030c", "\u0300"]

# Each letter that carries a tone mark, with the marked forms of tones 1 to 4 (precomposed
# where Unicode has them, as the program writes them).
TONED_LETTERS = [
    (letter, [unicodedata.normalize("NFC", letter + mark) for mark in TONE_MARKS])
    for letter in "aeiou\u00fcAEIOU\u00dc"
]

# Name records that carry the family; copyright, licence and vendor records stay.
FAMILY_NAME_IDS = {1: FAMILY, 3: FAMILY, 4: FAMILY, 6: POSTSCRIPT_NAME, 16: FAMILY}


def rename(font):
    for record in font["name"].names:
        if record.nameID in FAMILY_NAME_IDS:
            record.string = FAMILY_NAME_IDS[record.nameID]


def check_coverage(font):
    unicode_map = font.getBestCmap()
    needed = [letter for letter, marked in TONED_LETTERS for letter in [letter] + marked]
    missing = [c for text in needed for c in text if ord(c) not in unicode_map]
    if missing:
        sys.exit("source font lacks " + " ".join(f"U+{ord(c):04X}" for c in missing))
    return len(needed)


def main(argv):
    if len(argv) != 3:
        sys.exit(__doc__)
    source, target = argv[1], argv[2]
    # The source's own date stays: the same input gives the same file.
    font = TTFont(source, recalcTimestamp=False)
    count = check_coverage(font)
    rename(font)
    font.save(target)
    print(f"pyserif: {target} ({FAMILY}, {count} pinyin letters checked)")


if __name__ == "__main__":
    main(sys.argv)
