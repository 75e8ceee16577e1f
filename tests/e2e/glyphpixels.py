#!/usr/bin/env python3
"""Pixel helpers for the end-to-end test, standard library only.

locate SHOT.ppm FONT.json CODE ZOOM
    Finds the zoomed glyph CODE of FONT.json (quorrel-cli info --json) on a
    screenshot of the editor window and prints the window coordinates of the
    top left corner of its glyph area ("X Y"). Exit 1 when the canvas does not
    show that glyph (yet).

check BEFORE.json AFTER.json CODE ROW FIRST LAST
    Exit 0 when AFTER differs from BEFORE only in glyph CODE, and there only
    in the pixels ROW, columns FIRST..LAST, which must have been clear before
    and be set after. Every difference found is printed otherwise.
"""

import json
import sys

GRID = (128, 128, 128)  # grid lines between paper cells
INK = (0, 0, 0)


def read_ppm(path):
    """(width, height, pixels) of a binary 8-bit PPM; pixels is a bytes object."""
    with open(path, "rb") as f:
        data = f.read()
    fields = []
    pos = 0
    while len(fields) < 4:
        while data[pos : pos + 1].isspace():
            pos += 1
        if data[pos : pos + 1] == b"#":
            pos = data.index(b"\n", pos)
            continue
        end = pos
        while not data[end : end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b"P6" or fields[3] != b"255":
        raise ValueError(f"{path}: not an 8-bit binary PPM")
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1 :]


def load_font(path):
    with open(path, encoding="utf-8") as f:
        return json.load(f)


def glyph_of(font, code):
    for glyph in font["glyphs"]:
        if glyph["code"] == code:
            return glyph
    raise SystemExit(f"character {code} is not in the font")


def cell_rows(glyph, height):
    """The glyph as `height` rows of '0'/'1', each `width` long, top row first
    (the JSON rows start `leading` rows down and may stop early)."""
    width = glyph["width"]
    rows = ["0" * width] * max(height, glyph["leading"] + len(glyph["rows"]))
    for i, row in enumerate(glyph["rows"]):
        rows[glyph["leading"] + i] = row.ljust(width, "0")
    return rows


def locate(shot, font_json, code, zoom):
    width, height, pixels = read_ppm(shot)
    font = load_font(font_json)
    rows = cell_rows(glyph_of(font, int(code)), font["height"])
    zoom = int(zoom)
    half = zoom // 2

    def centre_is_ink(x, y):
        """None outside the shot, else whether the pixel is ink."""
        if not (0 <= x < width and 0 <= y < height):
            return None
        i = 3 * (y * width + x)
        return tuple(pixels[i : i + 3]) == INK

    def shows_glyph(left, top):
        return all(
            centre_is_ink(left + zoom * c + half, top + zoom * r + half) == (bit == "1")
            for r, row in enumerate(rows)
            for c, bit in enumerate(row)
        )

    # The glyph area starts with a grid corner; the glyph is there when every
    # cell centre is ink exactly where the glyph has ink.
    grid = bytes(GRID)
    start = pixels.find(grid)
    while start >= 0:
        if start % 3 == 0:
            x, y = (start // 3) % width, (start // 3) // width
            if shows_glyph(x, y):
                print(x, y)
                return 0
        start = pixels.find(grid, start + 1)
    return 1


def check(before_json, after_json, code, row, first, last):
    code, row, first, last = int(code), int(row), int(first), int(last)
    before, after = load_font(before_json), load_font(after_json)
    faults = []
    for key in ("height", "tracking", "lastchar"):
        if before[key] != after[key]:
            faults.append(f"{key}: {before[key]} became {after[key]}")
    old = {g["code"]: g for g in before["glyphs"]}
    new = {g["code"]: g for g in after["glyphs"]}
    if sorted(old) != sorted(new):
        faults.append(f"characters {sorted(old)} became {sorted(new)}")
    for c in sorted(set(old) & set(new)):
        for key in ("width", "kern"):
            if old[c][key] != new[c][key]:
                faults.append(f"character {c}: {key} {old[c][key]} became {new[c][key]}")
        was = cell_rows(old[c], before["height"])
        now = cell_rows(new[c], after["height"])
        want = list(was)
        if c == code:
            if any(was[row][col] != "0" for col in range(first, last + 1)):
                raise SystemExit(f"test setup: row {row} of character {code} is not clear")
            line = list(want[row])
            line[first : last + 1] = "1" * (last - first + 1)
            want[row] = "".join(line)
        if now != want:
            faults.append(
                f"character {c}: expected rows\n  " + "\n  ".join(want) + "\nsaved rows\n  " + "\n  ".join(now)
            )
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    commands = {"locate": (locate, 4), "check": (check, 6)}
    if len(sys.argv) < 2 or sys.argv[1] not in commands or len(sys.argv) != commands[sys.argv[1]][1] + 2:
        raise SystemExit(__doc__)
    function, _ = commands[sys.argv[1]]
    sys.exit(function(*sys.argv[2:]))
