#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes one face of a font collection cut down to the characters that the given catalogues can show.

A page fetches its fonts whole: Noto Sans CJK Bold is 20 MB for its ten faces of some 65,000 glyphs each,
where the game in one language draws a few hundred characters. The characters kept are every one of the
catalogues' sources, the game's (.ts) and Qt's (its .qm turned back into text by lconvert), and printable
ASCII (the numbers, the version, the licence's words); the face keeps its names, so the program finds it as
before.

Usage: cut-font.py <collection> <family> <font to write> <catalogue as text>...
"""
import sys


def fail(message):
    print(f"cut-font.py: {message}", file=sys.stderr)
    sys.exit(1)


try:
    from fontTools import subset
    from fontTools.ttLib import TTCollection
except ImportError:
    fail("Python's fontTools is missing (Debian package python3-fonttools)")


def main():
    if len(sys.argv) < 5:
        fail("usage: cut-font.py <collection> <family> <font to write> <catalogue>...")
    collection, family, output, catalogues = sys.argv[1], sys.argv[2], sys.argv[3], sys.argv[4:]
    faces = [font["name"].getDebugName(1) for font in TTCollection(collection).fonts]
    if family not in faces:
        fail(f"{collection} has no face '{family}' (it has: {', '.join(faces)})")
    characters = {chr(c) for c in range(0x20, 0x7F)}
    for catalogue in catalogues:
        characters.update(c for c in open(catalogue, encoding="utf-8").read() if c.isprintable())

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
