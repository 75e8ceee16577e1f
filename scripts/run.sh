#!/usr/bin/env bash
# Installs what is missing, builds and starts the editor; extra arguments
# (a font file) go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
if [ -x build/src/app/quorrel ]; then
  exec build/src/app/quorrel "$@"
fi
exec build/src/cli/quorrel-cli --help
