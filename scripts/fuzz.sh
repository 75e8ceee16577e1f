#!/usr/bin/env bash
# Builds the libFuzzer harnesses with clang into build-fuzz/ and runs each for
# a fixed number of runs with a fixed seed, starting from the shared fonts
# when they are there. Set FUZZ_RUNS for a longer session.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${FUZZ_RUNS:-20000}
if [ ! -f fuzz/CMakeLists.txt ]; then exit 0; fi
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DQUORREL_BUILD_FUZZ=ON \
  -DQUORREL_BUILD_TESTS=OFF -DQUORREL_BUILD_APP=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target fuzz_fzx fuzz_chr fuzz_bdf fuzz_yaff fuzz_psf fuzz_sheet \
  fuzz_desktop fuzz_finder
for harness in build-fuzz/fuzz/fuzz_*; do
  [ -x "$harness" ] || continue
  name=$(basename "$harness")
  corpus=$(mktemp -d)
  seeds=()
  case "$name" in
    *fzx*) [ -d ../shared/fonts/fzx ] && seeds+=(../shared/fonts/fzx) ;;
    *chr*) [ -d ../shared/fonts/chr ] && seeds+=(../shared/fonts/chr) ;;
    *yaff*) seeds+=(fuzz/seeds/yaff); [ -d ../shared/reference ] && seeds+=(../shared/reference) ;;
    *bdf*) seeds+=(fuzz/seeds/bdf) ;;
    *psf*) seeds+=(fuzz/seeds/psf) ;;
    *finder*) seeds+=(fuzz/seeds/finder) ;;
    *desktop*)
      # Small bitmap and outline faces of the system, unpacked, as they come.
      desktop=$(mktemp -d)
      for f in /usr/share/fonts/X11/misc/ter-u12n_unicode.pcf.gz /usr/share/fonts/X11/75dpi/helvR08.pcf.gz; do
        [ -f "$f" ] && gzip -dc "$f" >"$desktop/$(basename "$f" .gz)"
      done
      for f in /usr/share/fonts/opentype/terminus/terminus-normal.otb /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf; do
        [ -f "$f" ] && cp "$f" "$desktop/"
      done
      # Fonts at the reader's limits (fuzz/make-desktop-seeds.sh).
      seeds+=("$desktop" fuzz/seeds/desktop) ;;
  esac
  echo "fuzzing $name for $runs runs"
  # libspectrum's own leaks (see the file) are not the harness's.
  LSAN_OPTIONS=suppressions=$PWD/fuzz/lsan-suppressions.txt \
  "$harness" -seed=1 -runs="$runs" -max_len=20000 "$corpus" "${seeds[@]}" >"$corpus.log" 2>&1 || {
    tail -n 40 "$corpus.log"; echo "$name failed"; exit 1; }
  rm -rf "$corpus" "$corpus.log" ${desktop:+"$desktop"}
  desktop=
done
