#!/usr/bin/env bash
# Brings every translations/tresmolo_<lang>.ts up to date with the sources: lupdate reads every
# source and header of src/ (the list src/CMakeLists.txt gives the `update_translations` target),
# adds each new shown text as unfinished, keeps the translations of the texts that remain and drops
# those of texts that are gone.
#   scripts/update-translations.sh [BUILD]    BUILD defaults to build (configured when it is not)
#
# lupdate runs with -no-obsolete: a text that left the sources leaves the catalogues too, so a
# translator never works on a dead message and the completeness test (tests/i18n) has no obsolete
# entries to complain about. And with -locations none: the catalogues name no file and line, so
# moving code does not rewrite all eight of them and translators' branches merge without
# conflicts over line numbers; the context (the class) and the translators' comments in the code
# (//:) tell where a text is shown.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}

scripts/setup.sh
source scripts/build-flags.sh # the build scripts/run.sh and scripts/test.sh share
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S . -B "$build" "${build_flags[@]}" >/dev/null
else
  # A new source file joins the list only when CMake runs again.
  cmake "$build" >/dev/null
fi
cmake --build "$build" --target update_translations
