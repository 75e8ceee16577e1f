#!/bin/sh
# Loads a tape from `quorrel-cli spectrum` in Fuse (OpenSE BASIC ROM) under
# Xvfb, types LOAD "", and compares the emulator's screen with
# `quorrel-cli render --wrap --at` of the same text, pixel for pixel; then
# the same for a snapshot, which needs no typing.
# Usage: fuse_tap_test.sh QUORREL_CLI [SCREENSHOT.png]
# Exits 77 (skipped) where Fuse, its ROM, the font or the X tools are missing.
set -eu
cli=$1
keep=${2:-}
rom=/usr/share/spectrum-roms/opense.rom
# The font: DejaVu Serif drawn at 10 pixels, proportional and with kerned
# characters (J, j).
ttf=/usr/share/fonts/truetype/dejavu/DejaVuSerif.ttf
for tool in fuse-sdl xvfb-run xdotool import convert; do
  command -v "$tool" >/dev/null 2>&1 || { echo "SKIP: $tool not installed (fuse-emulator-sdl, opense-basic, xvfb, xdotool, imagemagick)"; exit 77; }
done
[ -f "$ttf" ] || { echo "SKIP: $ttf missing (fonts-dejavu-core)"; exit 77; }
[ -f "$rom" ] || { echo "SKIP: $rom missing (opense-basic)"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
font=$work/font.fzx
"$cli" convert "$ttf" "$font" --size 10 2>"$work/convert.log"
# One column of tracking (the header's second byte), which the outline
# font does not give, so that the routine's tracking is tried too.
printf '\001' | dd of="$font" bs=1 seek=1 conv=notrunc 2>/dev/null
text='Quorrel on a Spectrum:
Just kern, tracking and wrapping, jointly set by our own routine.'
"$cli" spectrum "$font" "$work/t.tap" --text "$text" --at 9,20 --ink 0 --paper 7 --border 1
"$cli" spectrum "$font" "$work/t.z80" --text "$text" --at 9,20 --ink 0 --paper 7 --border 1
"$cli" render "$font" "$work/expected.png" --text "$text" --wrap --at 9,20 --width 256 --height 192
convert "$work/expected.png" -colorspace gray -threshold 50% "$work/expected.pbm"

cat > "$work/run.sh" <<'INNER'
#!/bin/sh
# Runs inside Xvfb: Fuse, keys, then screenshots until the text shows.
work=$1
# Fuse is up once its window shows.
start() {
  fuse-sdl --machine 48 --rom-48 "$rom" --no-sound "$@" >>"$work/fuse.log" 2>&1 &
  pid=$!
  timeout 20 xdotool search --sync --onlyvisible --name . >/dev/null 2>&1
}
rom=$2
if [ "$3" = tape ]; then
  start --tape "$work/t.tap" || exit 1
  xdotool search --onlyvisible --name . windowfocus >/dev/null 2>&1
  xdotool key --delay 150 Return
  sleep 1
  # OpenSE BASIC takes keywords spelt out; Fuse's symbol shift is Ctrl.
  xdotool key --delay 200 l o a d space ctrl+p ctrl+p Return
else
  start --snapshot "$work/t.z80" || exit 1
fi
i=0
while [ $i -lt 40 ]; do
  sleep 1
  import -window root -crop 256x192+32+24 +repage "$work/shot.png" 2>/dev/null || true
  convert "$work/shot.png" -colorspace gray -threshold 50% "$work/shot.pbm" 2>/dev/null || true
  if cmp -s "$work/shot.pbm" "$work/expected.pbm"; then break; fi
  i=$((i + 1))
done
kill $pid 2>/dev/null
INNER
chmod +x "$work/run.sh"
status=0
for kind in tape snapshot; do
  rm -f "$work/shot.png" "$work/shot.pbm"
  # -noreset: SDL's probe is the server's first client, and when it leaves
  # the server would reset, refusing Fuse's own connection meanwhile.
  HOME=$work SDL_AUDIODRIVER=dummy timeout 90 xvfb-run -a -s "-screen 0 800x600x24 -noreset" "$work/run.sh" "$work" "$rom" $kind || true
  [ -n "$keep" ] && [ -f "$work/shot.png" ] && cp "$work/shot.png" "${keep%.png}-$kind.png"
  if cmp -s "$work/shot.pbm" "$work/expected.pbm"; then
    echo "Fuse shows the text of the $kind as render sets it"
  else
    echo "FAIL: Fuse's screen for the $kind differs from render's picture"
    status=1
  fi
done
exit $status
