#!/usr/bin/env bash
# Installs what is missing, builds, and opens the window on the sample
# catalogue beside the program. With arguments, runs the command-line
# companion on the bundled sample instead (scripts/run.sh list 11000).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
scripts/build.sh
if [ $# -gt 0 ]; then
  exec build/bin/kestrow-cli --dir res/sample "$@"
fi
exec build/bin/kestrow
