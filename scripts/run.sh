#!/usr/bin/env bash
# Installs what is missing, builds, and shows the bundled sample catalogue
# with the command-line companion (scripts/run.sh list 11000).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
exec build/bin/kestrow-cli --dir res/sample "${@:-categories}"
