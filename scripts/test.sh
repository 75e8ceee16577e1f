#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit and
# command-line tests through CTest, then each fuzzer for a bounded run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-format.sh
scripts/build.sh -DQUORREL_BUILD_TESTS=ON
scripts/fuzz.sh
scripts/check-package.sh
ctest --test-dir build --output-on-failure -j "$(nproc)"
