#!/usr/bin/env bash
# Starts Tresmolo under a virtual X server with a private settings folder, selects FOLDER, runs a
# search in file mode with the folder list on, and saves a picture of the whole screen.
#   scripts/screenshot.sh [--style N] [--width W] OUT.png [FOLDER]
# N: a visual style, 210 to 218. W: the window's width in pixels; the screen is made as wide as the
# window, so the picture shows the window alone across its whole width.
set -euo pipefail
cd "$(dirname "$0")/.."
usage="usage: $0 [--style N] [--width W] OUT.png [FOLDER]"
style=""
width=""
while [[ "${1:-}" == --* ]]; do
  case "$1" in
    --style) style=${2:?$usage}; shift 2 ;;
    --width) width=${2:?$usage}; shift 2 ;;
    *) echo "$usage" >&2; exit 2 ;;
  esac
done
[[ -z "$width" || "$width" =~ ^[0-9]+$ ]] || { echo "$usage" >&2; exit 2; }
out=$(realpath -m "${1:?$usage}")
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
Xvfb "$display" -screen 0 "${width:-1400}x900x24" -nolisten tcp >/dev/null 2>&1 &
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
if [[ -n "$width" ]]; then
  # No window manager runs here: the main window sits at the top left and takes any size.
  main=$(xdotool search --onlyvisible --name "^Tresmolo$" | head -n1)
  xdotool windowsize "$main" "$width" 860
fi
sleep "${SCREENSHOT_WAIT:-3}"
import -window root "$out"
echo "saved $out"
