#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes one face of a font collection cut down to the characters that a language's catalogues can show.

A page fetches its fonts whole: Noto Sans CJK Bold is 20 MB for its five faces of some 65,000 glyphs each,
where the game in one language draws a few hundred characters. The characters kept are every one of the
game's catalogue source (its Qt Linguist .ts file) and of the translations in Qt's catalogue (.qm), and
printable ASCII (the numbers, the version, the licence's words); the face keeps its names, so the program
finds it as before.

Usage: cut-font.py <collection> <family> <font to write> <catalogue>...
"""
import struct
import sys


def fail(message):
    print(f"cut-font.py: {message}", file=sys.stderr)
    sys.exit(1)


try:
    from fontTools import subset
    from fontTools.ttLib import TTCollection
except ImportError:
    fail("Python's fontTools is missing (Debian package python3-fonttools)")


def translations(path):
    """The translations of a Qt catalogue (.qm): in its messages block, each a tag 3 record in UTF-16."""
    data = open(path, "rb").read()
    if data[:16] != bytes.fromhex("3cb86418caef9c95cd211cbf60a1bddd"):
        fail(f"{path} is not a Qt catalogue")
    texts, at = [], 16
    while at + 5 <= len(data):
        tag, length = data[at], struct.unpack(">I", data[at + 1:at + 5])[0]
        block, at = data[at + 5:at + 5 + length], at + 5 + length
        if tag != 0x69:  # messages
            continue
        inner = 0
        while inner < len(block):
            record = block[inner]
            inner += 1
            if record == 1:  # end of a message
                continue
            if record in (3, 6, 7, 8):  # translation, comment, source, context: a length, then the text
                size = struct.unpack(">I", block[inner:inner + 4])[0]
                inner += 4
                if record == 3 and size != 0xFFFFFFFF:
                    texts.append(block[inner:inner + size].decode("utf-16-be"))
                    inner += size
                elif size != 0xFFFFFFFF:
                    inner += size
            elif record == 5:  # obsolete: a hash
                inner += 4
            else:
                fail(f"{path}: unknown record {record}")
    return texts


def main():
    if len(sys.argv) < 5:
        fail("usage: cut-font.py <collection> <family> <font to write> <catalogue>...")
    collection, family, output, catalogues = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    faces = [font["name"].getDebugName(1) for font in TTCollection(collection).fonts]
    if family not in faces:
        fail(f"{collection} has no face '{family}' (it has: {', '.join(faces)})")
    characters = {chr(c) for c in range(0x20, 0x7F)}
    for catalogue in catalogues:
        if catalogue.endswith(".qm"):
            texts = translations(catalogue)
        else:
            texts = [open(catalogue, encoding="utf-8").read()]
        characters.update(c for text in texts for c in text if c.isprintable())

    options = subset.Options()
    options.font_number = faces.index(family)
    options.layout_features = ["*"]  # the shaping the captions may need: vertical forms, ligatures
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.notdef_outline = True
    font = subset.load_font(collection, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text="".join(sorted(characters)))
    subsetter.subset(font)
    subset.save_font(font, output, options)


if __name__ == "__main__":
    main()
