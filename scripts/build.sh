#!/usr/bin/env bash
# Configures and builds Quorrel into build/ (or $QUORREL_BUILD_DIR).
# Extra arguments go to CMake's configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${QUORREL_BUILD_DIR:-build}
cmake -S . -B "$build_dir" -G Ninja "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
