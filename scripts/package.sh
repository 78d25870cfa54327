#!/usr/bin/env bash
# Builds the Debian package of kestrow and kestrow-cli with CPack, for /usr:
# BUILD_DIR/kestrow_VERSION_ARCH.deb. Installs what is missing first.
#   scripts/package.sh [BUILD_DIR]   (default build-package)
# Only the programs are built, without tests, benchmarks or tools/. Given the
# folder of scripts/build.sh (CI gives build/), it reuses what is compiled
# there; scripts/build.sh turns the rest on again.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-package}

scripts/setup.sh
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DKESTROW_WERROR=ON \
  -DKESTROW_BUILD_TESTS=OFF -DKESTROW_BUILD_BENCH=OFF -DKESTROW_BUILD_TOOLS=OFF >/dev/null
cmake --build "$build"
rm -f "$build"/kestrow_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/kestrow_*.deb)
echo "$deb"
dpkg-deb --field "$deb" Package Version Depends Recommends
