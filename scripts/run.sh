#!/usr/bin/env bash
# Installs what is missing, builds the editor and quorrel-cli (no tests,
# benchmarks or tools) and starts the editor; a font file given as argument
# is opened at start-up.
set -euo pipefail
args=()
for a in "$@"; do
  # The script changes folder; a relative font path must still be found.
  if [ -e "$a" ]; then args+=("$(realpath -- "$a")"); else args+=("$a"); fi
done
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build_dir=${QUORREL_BUILD_DIR:-build}
# A build folder made by scripts/test.sh keeps its options; a new one gets
# only what the editor needs.
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  echo "Configuring $build_dir ..."
  cmake -S . -B "$build_dir" -G Ninja -DQUORREL_BUILD_TESTS=OFF >/dev/null
fi
# A first build takes some minutes; Ninja's [done/total] lines show how far
# it has come.
echo "Building the editor and quorrel-cli ..."
cmake --build "$build_dir" --target quorrel quorrel-cli -j "$(nproc)"
exec "$build_dir/src/app/quorrel" "${args[@]}"
