#!/usr/bin/env bash
# Starts Tresmolo under a virtual X server with a private settings folder, selects FOLDER, runs a
# search in file mode with the folder list on, and saves a picture of the whole screen.
#   scripts/screenshot.sh [--style N] OUT.png [FOLDER]     (N: a visual style, 210 to 218)
# SCREENSHOT_SCREEN=WxH sets the screen's size (default 1400x900).
set -euo pipefail
cd "$(dirname "$0")/.."
style=""
if [[ "${1:-}" == "--style" ]]; then
  style=${2:?usage: $0 [--style N] OUT.png [FOLDER]}
  shift 2
fi
out=$(realpath -m "${1:?usage: $0 [--style N] OUT.png [FOLDER]}")
folder=$(realpath "${2:-$PWD}")

scripts/setup.sh >/dev/null
[[ -x build/src/tresmolo ]] || { cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null; cmake --build build -j "$(nproc)" >/dev/null; }

home=$(mktemp -d)
trap 'kill "${app:-}" "${xvfb:-}" 2>/dev/null || true; rm -rf "$home"' EXIT
mkdir -p "$home/config/Tresmolo" "$home/data" "$home/runtime"
chmod 700 "$home/runtime"
cat > "$home/config/Tresmolo/Tresmolo.conf" <<CONF
[Settings]
LastFolderSelected=$folder
ViewFilesCount=1
DisplayFileList=1
AutoListLastFolderAtStartup=1
CONF
if [[ -n "$style" ]]; then
  printf '\n[Workspace]\nApplicationLook=%s\n' "$style" >> "$home/config/Tresmolo/Tresmolo.conf"
fi

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 "${SCREENSHOT_SCREEN:-1400x900}x24" -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1
export DISPLAY=$display HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/runtime
unset QT_QPA_PLATFORM
build/src/tresmolo >/dev/null 2>&1 &
app=$!

# The automatic search opens the search dialog: wait for it and press OK.
for _ in $(seq 50); do
  if xdotool search --name "Specify Search Parameters" >/dev/null 2>&1; then break; fi
  sleep 0.2
done
win=$(xdotool search --name "Specify Search Parameters" | head -n1)
xdotool windowactivate --sync "$win" 2>/dev/null || true
xdotool key --window "$win" Return
sleep "${SCREENSHOT_WAIT:-3}"
import -window root "$out"
echo "saved $out"
