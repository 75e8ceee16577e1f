#!/usr/bin/env bash
# Makes the desktop-font seeds of fuzz_desktop, which the codec tests also
# read, with fontforge (packages fontforge, python3-fontforge):
#   tallbars.ttf    em 16 units, codes 32 to 255 each a bar 1 unit wide and
#                   2700 high: at --size 192 every character is 12 x 32,400
#                   pixels, far taller than any font can be
#   greystrike.otb  a bitmap-only font whose one strike (16 pixels) holds
#                   8 bits per pixel
set -euo pipefail
out=$(cd "$(dirname "$0")" && pwd)/seeds/desktop
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Codes FIRST to LAST of an em of 16 units, each a box (x0, y0)-(x1, y1)
# with an advance of 2, saved to the file named last.
cat >"$work/boxes.py" <<'PY'
import fontforge, sys
first, last, x0, y0, x1, y1 = (int(a) for a in sys.argv[1:7])
font = fontforge.font()
font.em, font.ascent, font.descent = 16, 12, 4
font.fontname = font.familyname = font.fullname = sys.argv[7]
for code in range(first, last + 1):
    glyph = font.createChar(code)
    pen = glyph.glyphPen()
    for x, y in ((x0, y0), (x0, y1), (x1, y1), (x1, y0)):
        (pen.lineTo if x != x0 or y != y0 else pen.moveTo)((x, y))
    pen.closePath()
    pen = None
    glyph.width = 2
font.save(sys.argv[8]) if sys.argv[8].endswith(".sfd") else font.generate(sys.argv[8])
PY
fontforge -lang=py -script "$work/boxes.py" 32 255 0 0 1 2700 TallBars "$out/tallbars.ttf" 2>/dev/null

# The python module cannot set strikes: the native script does.
fontforge -lang=py -script "$work/boxes.py" 32 126 0 0 1 10 GreyStrike "$work/grey.sfd" 2>/dev/null
cat >"$work/strike.pe" <<'PE'
Open($1)
BitmapsAvail([0x80010])
BitmapsRegen([0x80010])
Generate($2, "otb")
PE
fontforge -lang=ff -script "$work/strike.pe" "$work/grey.sfd" "$out/greystrike.otb" 2>/dev/null
ls -l "$out"
