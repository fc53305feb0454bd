#!/usr/bin/env bash
# Builds Tresmolo and starts it. Installs what is missing first. Arguments go to the program:
#   scripts/run.sh [--search] [FOLDER]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
source scripts/build-flags.sh # the same build as scripts/test.sh: neither rebuilds the other's work
cmake -S . -B build "${build_flags[@]}" >/dev/null
cmake --build build -j "$(nproc)" --target tresmolo
exec build/src/tresmolo "$@"
