#!/usr/bin/env bash
# Starts Tresmolo under a virtual X server with a private settings folder, selects FOLDER, runs a
# search in file mode with the folder list on, and saves a picture of the whole screen.
#   scripts/screenshot.sh [--style N] [--width W] [--dialog | --more-options | --duplicates | --keep-rules]
#                         OUT.png [FOLDER]
# N: a visual style, 210 to 218. W: the window's width in pixels; the screen is made as wide as the
# window, so the picture shows the window alone across its whole width. --dialog takes the picture
# while the search dialog shows, instead of pressing its OK; --more-options also unfolds its
# "More Options". --duplicates takes it with the duplicates window open over the main window (its
# help box answered); --keep-rules also opens its "Select Files to Remove..." dialog.
# SCREENSHOT_SCREEN=WxH sets the screen's size instead (e.g. 1024x768 to see a small screen).
# LANG (e.g. de_DE.UTF-8) chooses the language as for the program itself.
# SCREENSHOT_CONF, when set, is added to the settings file (e.g. a [SearchFilters] group).
set -euo pipefail
cd "$(dirname "$0")/.."
usage="usage: $0 [--style N] [--width W] [--dialog | --more-options | --duplicates | --keep-rules] OUT.png [FOLDER]"
style=""
width=""
dialog=0
more=0
dups=0
while [[ "${1:-}" == --* ]]; do
  case "$1" in
    --style) style=${2:?$usage}; shift 2 ;;
    --width) width=${2:?$usage}; shift 2 ;;
    --dialog) dialog=1; shift ;;
    --more-options) dialog=1; more=1; shift ;;
    --duplicates) dups=1; shift ;;
    --keep-rules) dups=2; shift ;;
    *) echo "$usage" >&2; exit 2 ;;
  esac
done
[[ -z "$width" || "$width" =~ ^[0-9]+$ ]] || { echo "$usage" >&2; exit 2; }
out=$(realpath -m "${1:?$usage}")
folder=$(realpath "${2:-$PWD}")

scripts/setup.sh >/dev/null
[[ -x build/src/tresmolo ]] || { source scripts/build-flags.sh; cmake -S . -B build "${build_flags[@]}" >/dev/null; cmake --build build -j "$(nproc)" >/dev/null; }

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
if [[ -n "${SCREENSHOT_CONF:-}" ]]; then
  printf '\n%s\n' "$SCREENSHOT_CONF" >> "$home/config/Tresmolo/Tresmolo.conf"
fi
if [[ $more -eq 1 ]]; then
  printf '\n[SearchDialog]\nMoreOptionsShown=1\n' >> "$home/config/Tresmolo/Tresmolo.conf"
fi
if [[ -n "$style" ]]; then
  printf '\n[Workspace]\nApplicationLook=%s\n' "$style" >> "$home/config/Tresmolo/Tresmolo.conf"
fi

# The server picks a free display itself and writes its number, so two pictures taken at the same
# time never share a screen.
Xvfb -displayfd 3 -screen 0 "${SCREENSHOT_SCREEN:-${width:-1400}x900}x24" -nolisten tcp 3>"$home/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 50); do
  [[ -s "$home/display" ]] && break
  sleep 0.1
done
display=:$(tr -d '[:space:]' < "$home/display")
export DISPLAY=$display HOME=$home XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_RUNTIME_DIR=$home/runtime
unset QT_QPA_PLATFORM
build/src/tresmolo >/dev/null 2>&1 &
app=$!

# The search dialog: the program's visible window that is not the main one (its title is in the
# user's language).
search_dialog() {
  local w
  for w in $(xdotool search --onlyvisible --pid "$app" 2>/dev/null); do
    [[ "$(xdotool getwindowname "$w" 2>/dev/null)" != "Tresmolo" ]] && { echo "$w"; return 0; }
  done
  return 1
}
# The automatic search opens the search dialog: wait until it shows and press OK; a window that is
# found just before it is mapped refuses the key, so try again until the dialog is gone.
for _ in $(seq 150); do
  if [[ $dialog -eq 1 ]]; then
    search_dialog >/dev/null && break
    sleep 0.2
    continue
  fi
  win=$(search_dialog) || true
  if [[ -n "$win" ]]; then
    xdotool windowactivate --sync "$win" >/dev/null 2>&1 || true
    xdotool key --window "$win" Return >/dev/null 2>&1 || true
    sleep 0.3
    search_dialog >/dev/null || break
  fi
  sleep 0.2
done
if [[ -n "$width" ]]; then
  # No window manager runs here: the main window takes any place and size.
  main=""
  for _ in $(seq 50); do
    main=$(xdotool search --onlyvisible --name "^Tresmolo$" 2>/dev/null | head -n1) && [[ -n "$main" ]] && break
    sleep 0.2
  done
  xdotool windowmove "$main" 0 0
  xdotool windowsize "$main" "$width" 860
fi
if [[ $dups -ge 1 ]]; then
  # The command panel's Duplicate Files button; Return answers the help box, which has the
  # keyboard; then a click on the button beside Verify Contents.
  sleep 2
  main=$(xdotool search --onlyvisible --name "^Tresmolo$" 2>/dev/null | head -n1)
  xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
  eval "$(xdotool getwindowgeometry --shell "$main")"
  xdotool mousemove $((X + ${SCREENSHOT_DUPS_X:-665})) $((Y + ${SCREENSHOT_DUPS_Y:-110})) click 1
  results=""
  for _ in $(seq 50); do
    results=$(xdotool search --onlyvisible --name "^Duplicate Search Results" 2>/dev/null | head -n1) && [[ -n "$results" ]] && break
    sleep 0.2
  done
  sleep 1.5
  xdotool key Return
  if [[ $dups -eq 2 && -n "$results" ]]; then
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$results")"
    xdotool mousemove $((X + ${SCREENSHOT_RULES_X:-190})) $((Y + 16)) click 1
  fi
fi
sleep "${SCREENSHOT_WAIT:-3}"
import -window root "$out"
echo "saved $out"
