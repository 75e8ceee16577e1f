#!/usr/bin/env bash
# Fails when a C++ source drifts from the layout that .clang-format sets.
# Mend with: clang-format -i FILE...
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
