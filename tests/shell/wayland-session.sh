#!/usr/bin/env bash
# Runs a test program under a real Wayland compositor: weston with its X11 back end inside a private
# Xvfb, which gives it a seat that xdotool drives. A private XDG_RUNTIME_DIR and a socket of its own;
# both servers end with this script. Without weston, Xvfb, xdotool or Qt's Wayland plugin the program
# runs offscreen and skips, told why in TRESMOLO_WAYLAND_SKIP.
#   wayland-session.sh SHELL PROGRAM [ARGUMENTS]     SHELL: desktop-shell.so or kiosk-shell.so
set -uo pipefail
shell=$1
shift
plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
for need in weston Xvfb xdotool; do
  command -v "$need" >/dev/null || { export TRESMOLO_WAYLAND_SKIP="$need is not installed"; exec "$@"; }
done
[[ -e "$plugins/platforms/libqwayland-generic.so" ]] ||
  { export TRESMOLO_WAYLAND_SKIP="Qt's Wayland plugin is not installed (qt6-wayland)"; exec "$@"; }

# One run under a fresh pair of servers, both ended after it, in at most `limit` seconds: now and
# then (about one run in thirty here) a run under the pair stalls for good, and a new pair does not.
weston=
xvfb=
runtime=
stop_servers() {
  [[ -n "$weston$xvfb" ]] && kill $weston $xvfb 2>/dev/null
  wait 2>/dev/null
  [[ -n "$runtime" ]] && rm -rf "$runtime"
  weston= xvfb= runtime=
}
trap stop_servers EXIT
trap 'exit 1' TERM INT

run_once() {
  runtime=$(mktemp -d /tmp/tresmolo-wayland-XXXXXX)
  Xvfb -displayfd 3 -screen 0 1600x1000x24 -nolisten tcp 3>"$runtime/display" >"$runtime/xvfb.log" 2>&1 &
  xvfb=$!
  for _ in $(seq 100); do [[ -s "$runtime/display" ]] && break; sleep 0.05; done
  export DISPLAY=:$(tr -d '[:space:]' <"$runtime/display") XDG_RUNTIME_DIR=$runtime
  # The pointer starts outside weston's window (1400 x 900 of the screen), so its first move into
  # the window is a proper entry.
  xdotool mousemove 1590 990
  local socket=tresmolo-test-$$
  weston --backend=x11-backend.so --socket="$socket" --use-pixman --no-config --width=1400 --height=900 \
    --idle-time=0 --shell="$shell" >"$runtime/weston.log" 2>&1 &
  weston=$!
  for _ in $(seq 200); do [[ -S "$runtime/$socket" ]] && break; sleep 0.05; done
  [[ -S "$runtime/$socket" ]] || { echo "weston did not start:"; cat "$runtime/weston.log"; return 1; }
  sleep 0.5 # the shell's own clients (panel, background) come first
  # An absolute socket path: the test points XDG_RUNTIME_DIR at its own private home.
  WAYLAND_DISPLAY=$runtime/$socket QT_QPA_PLATFORM=wayland TRESMOLO_WESTON_SHELL=$shell \
    timeout --kill-after=5 "$limit" "$@"
}

limit=90
run_once "$@"
status=$?
if [[ $status -eq 124 || $status -eq 137 ]]; then
  echo "wayland-session: no end within $limit s; once more under new servers"
  stop_servers
  run_once "$@"
  status=$?
fi
exit $status
