#!/usr/bin/env bash
# The Windows check, on Linux: builds the catalogue, the system's code page 932
# conversion and their tests for 64-bit Windows with MinGW-w64 and runs them
# under wine, then compiles the Win32 code of the platform layer and the
# resource script. Installs what is missing.
# Ends with "N passed, M failed", where a failed compile counts as a failure.
#   scripts/windows-check.sh [BUILD_DIR]   (default build-windows)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}

# Each step's heading tells the seconds since the start, for slow CI runs.
step() { echo "== $1 (at ${SECONDS}s)"; }

step "installing what is missing"
# libgtest-dev brings GoogleTest's sources to /usr/src/googletest; the MinGW
# compiler brings windres.
scripts/setup.sh g++-mingw-w64-x86-64-posix wine wine64 libgtest-dev cmake ninja-build

step "configuring $build"
cmake -S tests/windows -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" >/dev/null

passed=0
failed=0
failures=()
fail() {
  failed=$((failed + 1))
  failures+=("$1")
}

# A wine prefix of its own, with HOME and TMPDIR inside the same folder, so
# that nothing wine writes outlives the run. No display: wine's own windows
# fail quietly, and the tests open none.
work=$(mktemp -d "${TMPDIR:-/tmp}/kestrow-wine.XXXXXX")
mkdir "$work/home" "$work/tmp"
wine_env=(
  -u DISPLAY -u WAYLAND_DISPLAY
  WINEPREFIX="$work/prefix" HOME="$work/home" TMPDIR="$work/tmp" WINEDEBUG=-all
  # No Mono or Gecko installer dialogs, and no menu entries.
  WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # An English locale gives code page 1252, which cannot spell Japanese folder
  # names, so a path narrowed to the ANSI code page fails to open; code page
  # 932 would let it pass.
  LC_ALL=C.UTF-8
)
cleanup() {
  env "${wine_env[@]}" wineserver -k 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
# Interrupted, too, which ends the script through the EXIT trap.
trap 'exit 130' INT TERM HUP

run_tests() {
  if ! wait "$wineboot"; then
    cat "$work/wineboot.log"
    fail "creating the wine prefix"
    return
  fi
  step "running them under wine"
  local status=0
  timeout 300 env "${wine_env[@]}" wine "$build/windows_tests.exe" >"$work/raw.log" 2>&1 || status=$?
  # Wine's console ends lines with CR LF.
  tr -d '\r' <"$work/raw.log" | tee "$work/tests.log"
  local ok bad
  ok=$(grep -c '^\[       OK \]' "$work/tests.log" || true)
  # A failed test's own line ends in its time; the summary repeats it without.
  bad=$(grep -cE '^\[  FAILED  \] .* \([0-9]+ ms\)$' "$work/tests.log" || true)
  passed=$((passed + ok))
  failed=$((failed + bad))
  if [ "$status" -ne 0 ] && [ "$bad" -eq 0 ]; then
    fail "windows_tests.exe ended with status $status without a failed test"
  elif [ "$ok" -eq 0 ] && [ "$bad" -eq 0 ]; then
    fail "windows_tests.exe ran no test"
  fi
}

# Creating the prefix takes some ten seconds and needs nothing from the build,
# so it goes on while the compiler works. It reports that 32-bit rundll32 is missing (there
# is no wine32 here), which is harmless: its output is shown only on failure.
env "${wine_env[@]}" wineboot -i >"$work/wineboot.log" 2>&1 &
wineboot=$!

step "building the catalogue and code page 932 tests for Windows"
if cmake --build "$build" --target windows_tests; then
  run_tests
else
  fail "building windows_tests.exe"
fi

step "the Win32 code of shell/desktop"
cmake --build "$build" --target win32_platform || fail "compiling shell/desktop for Win32"

step "res/kestrow.rc"
cmake --build "$build" --target kestrow_resources || fail "compiling res/kestrow.rc"

step "done"
for what in "${failures[@]}"; do echo "FAILED: $what"; done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
