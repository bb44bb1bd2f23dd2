#!/usr/bin/env bash
# The game on Wayland, in a private headless Weston: the game starts and
# plays a level there, and the splash and the mode chooser are see-through
# where their face is empty (Wayland has no window masks, so they are drawn
# with an alpha channel instead).
#
#   weston.sh <build folder>
set -euo pipefail
build=$1
if ! command -v weston >/dev/null; then
  echo "SKIP: weston is not installed (scripts/install-deps installs it)"
  exit 77
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/daz-weston.XXXXXX")
runtime=$work/runtime
mkdir -m 700 "$runtime"
weston_pid=
cleanup() {
  [[ -n "$weston_pid" ]] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [[ -f "$work/weston.log" ]] && tail -20 "$work/weston.log" >&2; exit 1; }

env -u DISPLAY -u WAYLAND_DISPLAY XDG_RUNTIME_DIR="$runtime" \
  weston --backend=headless-backend.so --socket=daz-test --idle-time=0 --no-config \
  >"$work/weston.log" 2>&1 &
weston_pid=$!
# Weston makes its socket once it is ready for clients.
for _ in $(seq 1 300); do
  [[ -S "$runtime/daz-test" ]] && break
  kill -0 "$weston_pid" 2>/dev/null || fail "weston did not start"
  sleep 0.1
done
[[ -S "$runtime/daz-test" ]] || fail "weston made no socket"

on_wayland() {
  env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=daz-test QT_QPA_PLATFORM=wayland \
      HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CONFIG_HOME="$work/home/config" \
      XDG_CACHE_HOME="$work/home/cache" timeout 120 "$@"
}

on_wayland "$build/bin/jilan-llk" --smoke-test >"$work/smoke.log" 2>&1 || {
  cat "$work/smoke.log" >&2
  fail "the game did not start and play on Wayland"
}
on_wayland env DAZ_EXPECT_SEE_THROUGH=1 "$build/bin/startup_tests" \
    --gtest_filter='SplashTest.WhiteIsSeeThroughAndTheFigureIsNot:ModeChooserWindowTest.LayoutTitleAndShape' \
    >"$work/tests.log" 2>&1 || {
  cat "$work/tests.log" >&2
  fail "the shaped windows are not see-through on Wayland"
}
grep -q '\[  PASSED  \] 2 tests' "$work/tests.log" || { cat "$work/tests.log" >&2; fail "the two window tests did not run"; }
echo "weston: the game plays, the splash and the chooser are see-through"
