#!/bin/sh
# Builds the benchmarks in Release and runs them: the catalogue library
# against the literal reference on a synthetic catalogue of 100,000 quests
# (100 areas) and 50,000 clear keys. Prints the machine, Google Benchmark's
# report and a summary table of medians with their ratios, which is also left
# in $build/bench-table.md for bench/README.md.
#
# Usage: scripts/bench.sh [kestrow_bench flags...]
#   e.g. scripts/bench.sh --benchmark_filter=ours/   (only the library)
#        scripts/bench.sh --quests=20000 --keys=10000 (a smaller catalogue)
# The build folder is build-bench (override with KESTROW_BENCH_BUILD_DIR), so
# that a Debug or sanitizer build in build/ is left alone.
#
# The run takes about a minute and a half on two cores. Run it on a quiet
# machine: compiling in parallel makes every figure slower and noisier.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${KESTROW_BENCH_BUILD_DIR:-$root/build-bench}

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DKESTROW_WERROR=ON -DKESTROW_BUILD_BENCH=ON -DKESTROW_BUILD_TESTS=OFF >/dev/null
ninja -C "$build" kestrow_bench kestrow_generate

compiler=$(sed -n 's/^CMAKE_CXX_COMPILER:[A-Z]*=//p' "$build/CMakeCache.txt")
echo "== machine"
echo "date:     $(date -u '+%Y-%m-%d %H:%M UTC')"
echo "cpu:      $(lscpu | sed -n 's/^Model name:[[:space:]]*//p' | head -n 1), nproc $(nproc)"
echo "memory:   $(free -h | awk '/^Mem:/ {print $2}')"
echo "compiler: $("$compiler" --version | head -n 1)"
echo "load:     $(cut -d ' ' -f 1-3 /proc/loadavg) (1, 5, 15 min)"
load1=$(cut -d ' ' -f 1 /proc/loadavg)
if awk -v l="$load1" 'BEGIN { exit !(l > 0.5) }'; then
    echo "warning:  the machine is busy; the figures will be slower and noisier than usual" >&2
fi
echo

"$build/bin/kestrow_bench" --table="$build/bench-table.md" "$@"
