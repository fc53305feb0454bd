#!/usr/bin/env bash
# Builds Tresmolo and runs its tests headless. Installs what is missing first.
#   scripts/test.sh             the plain suite (what CI runs), warnings as errors, then the checks of
#                               what is installed and packaged (dist/unix/check-install.sh)
#   scripts/test.sh --sanitize  the suite built with AddressSanitizer and UndefinedBehaviorSanitizer
#   scripts/test.sh --tsan      the engine and search-run tests built with ThreadSanitizer
set -euo pipefail
cd "$(dirname "$0")/.."

mode=plain
case "${1:-}" in
  --sanitize) mode=asan ;;
  --tsan) mode=tsan ;;
  "") ;;
  *) echo "usage: $0 [--sanitize|--tsan]" >&2; exit 2 ;;
esac

scripts/setup.sh
source scripts/build-flags.sh

build=build
flags=("${build_flags[@]}") # the same build as scripts/run.sh
ctest_args=()
case "$mode" in
  asan)
    build=build-asan
    flags=(-DCMAKE_BUILD_TYPE=Debug -DTRESMOLO_WERROR=ON -DTRESMOLO_SANITIZE=address,undefined)
    export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    ;;
  tsan)
    build=build-tsan
    flags=(-DCMAKE_BUILD_TYPE=Debug -DTRESMOLO_WERROR=ON -DTRESMOLO_SANITIZE=thread)
    export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tests/tsan.supp"
    ctest_args=(-L threads)
    ;;
esac

cmake -S . -B "$build" "${flags[@]}"
cmake --build "$build" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure --timeout 300 "${ctest_args[@]}"

# What the program installs, its desktop entry and metainfo, and the Debian package.
if [[ "$mode" == plain ]]; then
  dist/unix/check-install.sh "$build"
fi
