#!/usr/bin/env bash
# Whole-process cost of quorrel-cli: `convert` of a real font to a temporary
# .fzx file against /bin/true, the runs taking turns so that all see the same
# machine load. Prints the median (and fastest) wall time of each and the
# ratio of the medians.
#
#   bench/cli_startup.sh [QUORREL_CLI [RUNS]]
#
# QUORREL_CLI defaults to build-bench/src/cli/quorrel-cli (a Release build),
# RUNS to 300. The font is ao/Cheveron/Cheveron.fzx of the shared collection
# (QUORREL_SHARED_DIR, by default ../shared beside the repository).
#
# The output is written twice per turn: into a folder in memory (/dev/shm),
# which measures the program, and into the temporary folder (TMPDIR), which
# adds what the disk takes to make the file durable before it replaces the
# old one. The target, at most twice the time of /bin/true, is for the first.
set -euo pipefail

repo=$(cd "$(dirname "$0")/.." && pwd)
cli=${1:-$repo/build-bench/src/cli/quorrel-cli}
runs=${2:-300}
shared=${QUORREL_SHARED_DIR:-$repo/../shared}
font=$shared/fonts/fzx/ao/Cheveron/Cheveron.fzx

[ -x "$cli" ] || { echo "no quorrel-cli at $cli (build it first, see bench/README.md)" >&2; exit 1; }
[ -f "$font" ] || { echo "font not found: $font" >&2; exit 1; }

disk_dir=$(mktemp -d)
memory_dir=
if [ -d /dev/shm ] && [ -w /dev/shm ]; then memory_dir=$(mktemp -d -p /dev/shm); fi
trap 'rm -rf "$disk_dir" ${memory_dir:+"$memory_dir"}' EXIT

# Microseconds from bash's own clock: no process is started to read it.
now() { local t=${EPOCHREALTIME/[.,]/}; REPLY=$((10#$t)); }

# One warm-up each, so the page cache holds the programs and the font.
"$cli" convert "$font" "$disk_dir/out.fzx"
/bin/true

true_times=() disk_times=() memory_times=()
for ((i = 0; i < runs; i++)); do
    now; t0=$REPLY
    /bin/true
    now; t1=$REPLY
    "$cli" convert "$font" "$disk_dir/out.fzx"
    now; t2=$REPLY
    true_times+=($((t1 - t0)))
    disk_times+=($((t2 - t1)))
    if [ -n "$memory_dir" ]; then
        "$cli" convert "$font" "$memory_dir/out.fzx"
        now
        memory_times+=($((REPLY - t2)))
    fi
done

# "median fastest" of the numbers given, in microseconds.
stats() {
    printf '%s\n' "$@" | sort -n |
        awk '{v[NR] = $1} END {m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; print m, v[1]}'
}
report() { # label, then the times
    local label=$1
    shift
    read -r median fastest < <(stats "$@")
    printf '%-34s %8.0f us median %8.0f us fastest' "$label" "$median" "$fastest"
    if [ -n "${base:-}" ]; then
        awk -v a="$median" -v b="$base" 'BEGIN {printf "   ratio %.2f", a / b}'
    else
        base=$median
    fi
    echo
}

echo "$runs runs each, taking turns; font $font"
report "/bin/true" "${true_times[@]}"
if [ -n "$memory_dir" ]; then
    report "quorrel-cli convert (in memory)" "${memory_times[@]}"
    read -r memory_median _ < <(stats "${memory_times[@]}")
fi
report "quorrel-cli convert (in $(dirname "$disk_dir"))" "${disk_times[@]}"
if [ -n "$memory_dir" ]; then
    awk -v a="$memory_median" -v b="$base" 'BEGIN {
        r = a / b
        printf "target: convert in memory at most 2.00 x /bin/true: %.2f, %s\n", r, r <= 2 ? "met" : "MISSED"
    }'
fi
