#!/usr/bin/env bash
# The game as a screen reader meets it: under a private X server, a
# private session bus and the accessibility bus that at-spi2-core starts
# on it, a real AT-SPI client (atspi-client.py, through pyatspi) reads the
# main window's board as a table, moves the keyboard cursor, removes a
# pair and hears it all change. The player's folders lie in a fresh home.
# Nothing waits on the clock: each step waits for what it needs to see,
# under a generous ceiling.
#
#   atspi.sh GAME APP_ID SHIPPED_FOLDER
# Exits 77 (skipped) only when a tool it needs is not installed.
set -uo pipefail
game=$1
app_id=$2
here=$(cd "$(dirname "$0")" && pwd)

skip() {
  echo "SKIP: $*"
  exit 77
}

if [[ ${1:-} != --inside ]]; then
  for tool in Xvfb dbus-run-session xdotool; do
    command -v "$tool" >/dev/null || skip "$tool is not installed"
  done
  launcher=
  for candidate in /usr/libexec/at-spi-bus-launcher /usr/lib/at-spi2-core/at-spi-bus-launcher; do
    [[ -x $candidate ]] && launcher=$candidate && break
  done
  [[ -n $launcher ]] || skip "at-spi-bus-launcher (at-spi2-core) is not installed"
  # Debian's pyatspi is for the system's Python, whatever python3 is first on the path.
  python=/usr/bin/python3
  [[ -x $python ]] && "$python" -c 'import pyatspi' 2>/dev/null || skip "pyatspi (python3-pyatspi) is not installed"

  work=$(mktemp -d "${TMPDIR:-/tmp}/daz-atspi.XXXXXX")
  xvfb=
  trap '[[ -n $xvfb ]] && kill "$xvfb" 2>/dev/null; wait 2>/dev/null; rm -rf "$work"' EXIT
  # An X server of its own, on the first free display; it says which.
  Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb=$!
  for ((i = 0; i < 600; i++)); do
    [[ -s $work/display ]] && break
    kill -0 "$xvfb" 2>/dev/null || { echo "FAIL: Xvfb did not start: $(cat "$work/xvfb.log")" >&2; exit 1; }
    sleep 0.1
  done
  [[ -s $work/display ]] || { echo "FAIL: Xvfb named no display" >&2; exit 1; }
  export DISPLAY=:$(head -n1 "$work/display")
  # The server answers before anything is started on it.
  for ((i = 0; i < 600; i++)); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    kill -0 "$xvfb" 2>/dev/null || { echo "FAIL: Xvfb ended: $(cat "$work/xvfb.log")" >&2; exit 1; }
    sleep 0.1
  done
  xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "FAIL: no X server answers on $DISPLAY" >&2; exit 1; }
  export WORK=$work LAUNCHER=$launcher PYTHON=$python SHIPPED=$3
  # A session bus of its own: the accessibility bus is found through it.
  dbus-run-session -- "$0" --inside "$game" "$app_id"
  exit $?
fi

# --- Inside the private session bus ----------------------------------------
game=$2
app_id=$3
fail() {
  echo "FAIL: $*" >&2
  exit 1
}
home=$WORK/home
mkdir -p "$home" "$WORK/runtime"
chmod 700 "$WORK/runtime"
export HOME=$home XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache
export XDG_RUNTIME_DIR=$WORK/runtime
unset WAYLAND_DISPLAY

"$LAUNCHER" --launch-immediately >"$WORK/launcher.log" 2>&1 &
launcher=$!
game_pid=
cleanup() {
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null
  kill "$launcher" 2>/dev/null
  wait 2>/dev/null
}
trap cleanup EXIT

# Easy mode: any two tiles with one picture go, so the client can choose
# any pair it reads. Qt's bridge is on as with a screen reader running.
QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$game" --mode 1 >"$WORK/game.log" 2>&1 &
game_pid=$!
kept=$XDG_DATA_HOME/$app_id/kept-round.json
for ((i = 0; i < 1200; i++)); do
  [[ -s $kept ]] && break
  kill -0 "$game_pid" 2>/dev/null || fail "the game ended before it dealt a level: $(cat "$WORK/game.log")
the X server said: $(cat "$WORK/xvfb.log")"
  sleep 0.1
done
[[ -s $kept ]] || fail "no level was dealt: $(cat "$WORK/game.log")"

"$PYTHON" "$here/atspi-client.py" "$game_pid" "$kept" "$SHIPPED" || fail "the client: see above; the game said: $(cat "$WORK/game.log")"
echo "atspi: all passed"
