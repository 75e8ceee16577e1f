#!/usr/bin/env bash
# Installs what is missing, checks the source layout with clang-format,
# builds everything with the tests, runs each fuzzer for a bounded time,
# builds and checks the Debian package, and then runs every test through
# CTest; last it lists the tests that were skipped, each with its reason.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/check-format.sh
scripts/build.sh -DQUORREL_BUILD_TESTS=ON
scripts/fuzz.sh
scripts/check-package.sh
results=$PWD/build/ctest-results.xml
status=0
ctest --test-dir build --output-on-failure -j "$(nproc)" --output-junit "$results" || status=$?
python3 scripts/skipped-tests.py "$results" || true
exit $status
