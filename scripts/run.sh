#!/usr/bin/env bash
# Builds Tresmolo and starts it. Installs what is missing first. Arguments go to the program:
#   scripts/run.sh [--search] [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)" --target tresmolo
exec build/src/tresmolo "$@"
