#!/usr/bin/env bash
# Configures and builds into build/ (Release) with the developer's options,
# which a plain cmake build leaves off: warnings as errors, the benchmarks and
# tools/; the tests too, which scripts/package.sh turns off where it is given
# build/. Arguments go to the configure step.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DKESTROW_WERROR=ON -DKESTROW_BUILD_TESTS=ON -DKESTROW_BUILD_BENCH=ON -DKESTROW_BUILD_TOOLS=ON "$@" >/dev/null
cmake --build build
