#!/usr/bin/python3
"""Writes the TrueType fuzz corpus: small subsets of Debian's DejaVu Sans and IPA Mincho,
cut and mutated copies of them, and fonts of hostile composite glyphs (self-referring,
mutually referring, nested 70 deep, doubling at every level).
Usage: make-truetype-corpus.py OUTDIR (uses fontTools; the same seed gives the same files)."""
import io
import os
import random
import struct
import sys

from fontTools import subset
from fontTools.ttLib import TTFont


def subset_font(path, text, keep_kern):
    options = subset.Options()
    options.legacy_kern = keep_kern
    options.layout_features = []
    options.drop_tables += ["GDEF", "GPOS", "GSUB", "FFTM", "MATH", "gasp"]
    options.name_IDs = [0, 1, 2, 3, 4, 5, 6]
    font = TTFont(path)
    subsetter = subset.Subsetter(options)
    subsetter.populate(text=text)
    subsetter.subset(font)
    out = io.BytesIO()
    font.save(out)
    return out.getvalue()


def sfnt(tables):
    """An sfnt of (tag, bytes) pairs in the given order."""
    head = struct.pack(">IHHHH", 0x00010000, len(tables), 0, 0, 0)
    directory, bodies = b"", b""
    offset = 12 + 16 * len(tables)
    for tag, body in tables:
        directory += struct.pack(">4sIII", tag.encode("latin-1"), 0, offset + len(bodies), len(body))
        bodies += body + b"\0" * (-len(body) % 4)
    return head + directory + bodies


def square():
    points = [(0, 0), (0, 500), (500, 500), (500, 0)]
    data = struct.pack(">hhhhhHH", 1, 0, 0, 500, 500, 3, 0) + b"\x01" * 4
    previous = 0
    for x, _ in points:
        data += struct.pack(">h", x - previous)
        previous = x
    previous = 0
    for _, y in points:
        data += struct.pack(">h", y - previous)
        previous = y
    return data


def composite(references):
    """Components (glyph, dx, dy), each placed by its x and y offset as words."""
    data = struct.pack(">hhhhh", -1, 0, 0, 500, 500)
    for i, (glyph, dx, dy) in enumerate(references):
        more = 0x0020 if i + 1 < len(references) else 0
        data += struct.pack(">HHhh", 0x0001 | 0x0002 | more, glyph, dx, dy)
    return data


def font_of(glyphs):
    head = struct.pack(">IIIIHHqqhhhhHHhhh", 0x00010000, 0, 0, 0x5F0F3CF5, 0, 1000, 0, 0,
                       0, 0, 500, 500, 0, 8, 2, 1, 0)
    hhea = struct.pack(">I", 0x00010000) + b"\0" * 30 + struct.pack(">H", len(glyphs))
    maxp = struct.pack(">IH", 0x00005000, len(glyphs))
    hmtx = b"".join(struct.pack(">Hh", 600, 0) for _ in glyphs)
    loca, glyf = b"", b""
    for g in glyphs:
        loca += struct.pack(">I", len(glyf))
        glyf += g + b"\0" * (-len(g) % 4)
    loca += struct.pack(">I", len(glyf))
    return sfnt([("glyf", glyf), ("head", head), ("hhea", hhea), ("hmtx", hmtx),
                 ("loca", loca), ("maxp", maxp)])


def main(out):
    os.makedirs(out, exist_ok=True)
    rng = random.Random(18)
    files = {
        "dejavu-sans-subset.ttf": subset_font("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
                                              "AOVÅéfi", True),
        "ipa-mincho-subset.ttf": subset_font("/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf",
                                             "永あア", False),
        "self-referring.ttf": font_of([square(), composite([(1, 0, 0)])]),
        "mutually-referring.ttf": font_of([square(), composite([(2, 0, 0)]),
                                           composite([(0, 0, 0), (1, 10, 10)])]),
        "nested-70-deep.ttf": font_of([square()] + [composite([(i + 2, 5, 5)]) for i in range(70)]
                                      + [composite([(0, 0, 0)])]),
        "doubling-24-levels.ttf": font_of([square()] + [composite([(i + 2, 0, 0), (i + 2, 7, 7)])
                                                        for i in range(24)]
                                          + [composite([(0, 0, 0)])]),
    }
    for name in ("dejavu-sans-subset.ttf", "ipa-mincho-subset.ttf"):
        whole = files[name]
        stem = name[:-4]
        for cut in (11, 60, len(whole) // 3, len(whole) - 7):
            files[f"{stem}-cut-{cut}.ttf"] = whole[:cut]
        for k in range(6):
            mutated = bytearray(whole)
            for _ in range(1 + k * 3):
                mutated[rng.randrange(12, len(mutated))] = rng.randrange(256)
            files[f"{stem}-mutated-{k}.ttf"] = bytes(mutated)
    for name, data in files.items():
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main(sys.argv[1])
