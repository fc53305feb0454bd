#!/usr/bin/env bash
# Installs the Debian packages that building, testing and looking at Tresmolo need, and only those
# that are missing. Runs as root (or through sudo when it is there), without questions.
set -euo pipefail

packages=(
  cmake g++ make pkg-config
  qt6-base-dev qt6-svg-dev libgl-dev libqt6svg6
  xvfb xauth imagemagick xdg-utils dbus dbus-x11 fonts-dejavu-core
  desktop-file-utils appstream dpkg-dev file
  fd-find xdotool weston qt6-wayland
  clang-format libxxhash-dev libsqlite3-dev
  btrfs-progs xfsprogs e2fsprogs
)
# --bench: also the duplicate finders and ripgrep that bench/compare.sh measures against (not needed
# by tests).
[[ "${1:-}" == "--bench" ]] && packages+=(jdupes rmlint fdupes rdfind ripgrep)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=""
[[ $(id -u) -eq 0 ]] || sudo="sudo"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
