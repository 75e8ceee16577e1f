#!/usr/bin/env bash
# The editor used as a person uses it, on a virtual X server: open a real font
# (a Linux console font that Debian ships, made an FZX file by quorrel-cli),
# pick a character by typing it into the character list, draw a free-hand
# stroke with the mouse, save with Ctrl+S, quit through File > Exit.
# quorrel-cli then has to show that exactly the drawn pixels changed.
#
#   draw_and_save.sh QUORREL QUORREL_CLI
#
# Exit status: 0 passed, 1 failed, 77 skipped (no console font or no X
# tools). On failure the work folder with screenshots is kept and named.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
python=${PYTHON:-python3}

# The glyph: 'M' of the console font is 8 columns wide and its top row is
# empty, so a stroke along that row from column 1 to 4 gives a known line
# "01111000".
console_font=/usr/share/consolefonts/Lat15-Fixed16.psf.gz
char=M
code=77
row=0
first=1
last=4
zoom=8 # the editor's default zoom; settings start empty in a fresh HOME

# ---------------------------------------------------------------------------
# Inside Xvfb: drive the window. Runs as "draw_and_save.sh --session WORK QUORREL".
session() {
    local work=$1 quorrel=$2
    export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config XDG_RUNTIME_DIR=$work/runtime
    export QT_QPA_PLATFORM=xcb
    mkdir -p "$XDG_CONFIG_HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

    "$quorrel" "$work/font.fzx" >"$work/quorrel.log" 2>&1 &
    local pid=$! win=""

    step() { echo "[$(date +%T.%2N)] $*"; }
    fail() {
        echo "FAIL: $*" >&2
        if [ -n "$win" ]; then import -window root "$work/failure.png" 2>/dev/null || true; fi
        kill "$pid" 2>/dev/null || true
        exit 1
    }
    shot() { import -window "$win" -depth 8 "ppm:$work/window.ppm"; }

    step "editor started"
    win=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quorrel v\.0\.9$' | head -n 1) || true
    [ -n "$win" ] || fail "the window \"Quorrel v.0.9\" did not appear"
    timeout 10 xdotool windowfocus --sync "$win" || fail "the window did not take the keyboard focus"
    eval "$(xdotool getwindowgeometry --shell "$win")" # WIDTH HEIGHT
    step "window $win is ${WIDTH}x$HEIGHT"

    # The font is read once the window is first active, which may come after
    # it shows, and a screenshot may come before the editor has painted:
    # click into the character list and type the character, then watch for
    # the glyph on the canvas, picking again now and then. The list sits
    # below the toolbars at the left; the point lies inside it for a window
    # of the default size.
    local corner="" deadline=$((SECONDS + 20)) repick=0
    while :; do
        if [ $SECONDS -ge $repick ]; then
            xdotool mousemove --window "$win" 120 $((HEIGHT / 3)) click 1
            xdotool type "$char"
            repick=$((SECONDS + 3))
        fi
        shot
        if corner=$("$python" "$here/glyphpixels.py" locate "$work/window.ppm" "$work/before.json" $code $zoom); then
            break
        fi
        [ $SECONDS -lt $deadline ] || fail "the canvas never showed character $code (see $work/window.ppm)"
        sleep 0.1
    done
    local gx=${corner% *} gy=${corner#* }
    step "canvas shows character $code at $gx,$gy"
    local y=$((gy + zoom * row + zoom / 2))
    cx() { echo $((gx + zoom * $1 + zoom / 2)); }

    # One free-hand stroke with the left button, in steps as a hand moves.
    # The X server hands pointer and key events to the editor in the order
    # sent, so no step waits for the one before (mousemove --sync would even
    # hang when the pointer is already in place).
    xdotool mousemove --window "$win" "$(cx $first)" $y mousedown 1
    local c
    for ((c = first + 1; c <= last; c++)); do
        xdotool mousemove --window "$win" "$(cx $c)" $y
    done
    xdotool mouseup 1

    step "stroke drawn"
    xdotool key ctrl+s
    deadline=$((SECONDS + 10))
    until ! cmp -s "$work/font.fzx" "$work/original.fzx"; do
        [ $SECONDS -lt $deadline ] || fail "Ctrl+S left the font file as it was"
        sleep 0.1
    done

    # Saved, so quitting asks nothing. The menu's letter goes to the menu only
    # once its popup is on screen: a second visible window of the program.
    step "saved"
    xdotool key alt+f
    deadline=$((SECONDS + 10))
    until xdotool search --onlyvisible --class '^quorrel$' | grep -qvx "$win"; do
        [ $SECONDS -lt $deadline ] || fail "the File menu did not open"
        sleep 0.1
    done
    step "File menu open"
    xdotool key x
    deadline=$((SECONDS + 10))
    while kill -0 "$pid" 2>/dev/null; do
        [ $SECONDS -lt $deadline ] || fail "the editor did not quit after File > Exit"
        sleep 0.1
    done
    local status=0
    wait "$pid" || status=$?
    [ $status -eq 0 ] || fail "the editor quit with status $status (output in $work/quorrel.log)"
}

if [ "${1:-}" = "--session" ]; then
    session "$2" "$3"
    exit 0
fi

# ---------------------------------------------------------------------------
if [ $# -ne 2 ]; then
    echo "usage: $0 QUORREL QUORREL_CLI" >&2
    exit 2
fi
quorrel=$1 cli=$2

if [ ! -f "$console_font" ]; then
    echo "SKIP: $console_font is missing (package console-setup-linux)"
    exit 77
fi
for tool in xvfb-run xdotool import "$python"; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed"
        exit 77
    fi
done

work=$(mktemp -d "${TMPDIR:-/tmp}/quorrel-e2e.XXXXXX")
# What the import had to leave out (codes beyond 255) goes to a log.
"$cli" convert "$console_font" "$work/original.fzx" 2>"$work/convert.log"
cp "$work/original.fzx" "$work/font.fzx"
"$cli" info --json "$work/original.fzx" >"$work/before.json"

# One server for the window and xdotool; the timeout ends both with the test.
# The display search starts at a random number: two runs of xvfb-run -a
# starting at the same moment from the same number can pick the same one.
display=$((100 + RANDOM % 800))
if ! timeout -k 5 60 xvfb-run -a -n $display -s "-screen 0 1280x1024x24" \
    "$0" --session "$work" "$quorrel"; then
    echo "FAIL: the editor session did not finish; work folder kept: $work" >&2
    exit 1
fi

"$cli" info --json "$work/font.fzx" >"$work/after.json"
if ! "$python" "$here/glyphpixels.py" check "$work/before.json" "$work/after.json" $code $row $first $last; then
    echo "FAIL: the saved font differs from the drawing; work folder kept: $work" >&2
    exit 1
fi
rm -rf "$work"
echo "PASS: character $code got pixels $first..$last of row $row, nothing else changed"
