#!/usr/bin/env bash
# Builds the Debian package of Tresmolo with CPack: BUILD/tresmolo_<version>_<arch>.deb.
#   scripts/package.sh [BUILD]                 BUILD defaults to build-release (a release build
#                                              without tests and benchmarks, the README's install
#                                              build); an existing build folder is reused
#   scripts/package.sh --try-install [BUILD]   then installs the package with apt-get, runs
#                                              `tresmolo --version` and `--help` from PATH and
#                                              removes the package again (needs root or sudo)
set -euo pipefail
cd "$(dirname "$0")/.."

try_install=0
if [[ "${1:-}" == "--try-install" ]]; then
  try_install=1
  shift
fi
build=${1:-build-release}

scripts/setup.sh
source scripts/build-flags.sh
if [[ ! -f "$build/CMakeCache.txt" ]]; then
  cmake -S . -B "$build" "${release_flags[@]}"
fi
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/tresmolo_*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/tresmolo_*.deb)
echo "built $deb"

if [[ $try_install -eq 1 ]]; then
  sudo=""
  [[ $(id -u) -eq 0 ]] || sudo="sudo"
  if dpkg-query -W -f='${Status}' tresmolo 2>/dev/null | grep -q "install ok installed"; then
    echo "tresmolo is installed already; not trying the package" >&2
    exit 1
  fi
  trap '$sudo apt-get remove -y -qq tresmolo >/dev/null' EXIT
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "$(realpath "$deb")" >/dev/null
  (cd / && env -u DISPLAY -u WAYLAND_DISPLAY tresmolo --version)
  (cd / && env -u DISPLAY -u WAYLAND_DISPLAY tresmolo --help) | head -n 1
  [[ "$(command -v tresmolo)" == /usr/bin/tresmolo ]]
  echo "the package installs, runs from PATH and is removed again"
fi
