#!/usr/bin/env bash
# Builds Tresmolo and starts it. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
if [[ -x build/src/tresmolo ]]; then
  exec build/src/tresmolo "$@"
fi
# Until the main window exists, show what the engine does on a folder (default: here).
exec build/bench/tresmolo-bench walk "${1:-$PWD}"
