#!/usr/bin/env bash
# Installs what is missing, builds and starts the editor; a font file given
# as argument is opened at start-up.
set -euo pipefail
args=()
for a in "$@"; do
  # The script changes folder; a relative font path must still be found.
  if [ -e "$a" ]; then args+=("$(realpath -- "$a")"); else args+=("$a"); fi
done
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
exec build/src/app/quorrel "${args[@]}"
