#!/usr/bin/env bash
# Whole-process cost of a single quorrel-cli call against the least any
# program could take for it, the runs taking turns so that all see the same
# machine load; prints the median (and fastest) wall time of each and the
# ratio of the medians:
#   - `info FONT` against /bin/true;
#   - `convert FONT OUT.fzx` against floor_convert.c (read, write a temporary
#     file, fsync, rename), both writing into a folder in memory (/dev/shm)
#     when there is one, else into the temporary folder;
#   - once: all the collection's FZX fonts converted by one `convert
#     --out-dir` against one `convert` process per font.
#
#   bench/cli_startup.sh [QUORREL_CLI [RUNS]]
#
# QUORREL_CLI defaults to build-bench/src/cli/quorrel-cli (a Release build),
# RUNS to 300. The font is ao/Cheveron/Cheveron.fzx of the shared collection
# (QUORREL_SHARED_DIR, by default ../shared beside the repository). Target:
# each single call at most 1.5 times its floor.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$repo/build-bench/src/cli/quorrel-cli}
runs=${2:-300}
shared=${QUORREL_SHARED_DIR:-$repo/../shared}
font=$shared/fonts/fzx/ao/Cheveron/Cheveron.fzx

[ -x "$cli" ] || { echo "no quorrel-cli at $cli (build it first, see bench/README.md)" >&2; exit 1; }
[ -f "$font" ] || { echo "font not found: $font" >&2; exit 1; }

work=$(mktemp -d)
out=$work
if [ -d /dev/shm ] && [ -w /dev/shm ]; then out=$(mktemp -d -p /dev/shm); fi
trap 'rm -rf "$work" "$out"' EXIT
cc -O2 -o "$work/floor" "$repo/bench/floor_convert.c"

# Microseconds from bash's own clock: no process is started to read it.
now() { local t=${EPOCHREALTIME/[.,]/}; REPLY=$((10#$t)); }

# "median fastest" of the numbers given, in microseconds.
stats() {
    printf '%s\n' "$@" | sort -n |
        awk '{v[NR] = $1} END {m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print m, v[1]}'
}

# Runs the floor command and the measured one in turn, RUNS times each after
# a warm-up, and prints both and their ratio. Arguments: label, the floor's
# label, then the two commands as single strings.
compare() {
    local label=$1 floor_label=$2 floor_cmd=$3 cmd=$4 t0 t1 i
    local floor_times=() times=()
    $floor_cmd >/dev/null && $cmd >/dev/null
    for ((i = 0; i < runs; i++)); do
        now; t0=$REPLY
        $floor_cmd >/dev/null
        now; t1=$REPLY
        $cmd >/dev/null
        now
        floor_times+=($((t1 - t0)))
        times+=($((REPLY - t1)))
    done
    local fm ff m f
    read -r fm ff < <(stats "${floor_times[@]}")
    read -r m f < <(stats "${times[@]}")
    printf '%-34s %8.0f us median %8.0f us fastest\n' "$floor_label" "$fm" "$ff"
    printf '%-34s %8.0f us median %8.0f us fastest' "$label" "$m" "$f"
    awk -v a="$m" -v b="$fm" 'BEGIN {r = a / b; printf "   ratio %.2f (target 1.50: %s)\n", r, r <= 1.5 ? "met" : "MISSED"}'
}

echo "$runs runs each, taking turns; font $font; output in $out"
compare "quorrel-cli info" "/bin/true" "/bin/true" "$cli info $font"
compare "quorrel-cli convert" "floor_convert" "$work/floor $font $out/floor.fzx" \
    "$cli convert $font $out/out.fzx"

# A folder of fonts: one process against one per font.
fonts=()
while IFS= read -r -d '' f; do fonts+=("$f"); done < <(find "$shared/fonts/fzx" -name '*.fzx' -print0)
mkdir -p "$out/one" "$out/each"
now; t0=$REPLY
"$cli" convert "${fonts[@]}" --out-dir "$out/one" --to fzx
now; t1=$REPLY
for f in "${fonts[@]}"; do "$cli" convert "$f" "$out/each/$(basename "$f")"; done
now
printf '%d fonts: one convert --out-dir %d ms, one convert each %d ms (%d and %d files written)\n' \
    "${#fonts[@]}" "$(((t1 - t0) / 1000))" "$(((REPLY - t1) / 1000))" \
    "$(find "$out/one" -type f | wc -l)" "$(find "$out/each" -type f | wc -l)"
