#!/usr/bin/env bash
# The game as a player's session ends it, as a real process: a logout's
# SIGTERM, a lost terminal's SIGHUP and Ctrl+C's SIGINT end it the way 退出
# does (it exits with 0, releases its lock, keeps the round and the
# settings); a kill loses nothing kept before it; a file-size limit fails
# a write instead of killing the game; a relative XDG_DATA_HOME is ignored.
# Nothing waits on the clock: each step waits for the file the game writes
# (the kept round appears as the first level is dealt).
#
#   endings.sh GAME APP_ID
set -uo pipefail
# Jobs of their own, so that SIGINT reaches the game as from a terminal.
set -m
game=$1
app_id=$2
work=$(mktemp -d "${TMPDIR:-/tmp}/daz-endings.XXXXXX")
trap 'kill -9 $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# Starts the game in mode 2 with a home of its own, and waits until the
# level is dealt and kept; prints the player's folder.
start() {
  local home=$work/$1
  mkdir -p "$home"
  HOME=$home XDG_DATA_HOME=$home/data "$game" --mode 2 >"$home/log" 2>&1 &
  pid=$!
  player=$home/data/$app_id
  until [[ -s $player/kept-round.json ]]; do
    kill -0 "$pid" 2>/dev/null || fail "$1: the game ended before it dealt a level: $(cat "$home/log")"
    sleep 0.05
  done
}

for signal in TERM HUP INT; do
  start "$signal"
  kill -s "$signal" "$pid"
  wait "$pid"
  status=$?
  [[ $status == 0 ]] || fail "SIG$signal: the game exited with $status, not as 退出 does: $(cat "$work/$signal/log")"
  [[ ! -e $player/jilan-llk.lock ]] || fail "SIG$signal: the lock was left behind"
  grep -q '"level"' "$player/kept-round.json" || fail "SIG$signal: the round was not kept"
  grep -q '^UserGK=' "$player/DAZGame.ini" || fail "SIG$signal: the settings were not saved"
done

# A kill: the next start goes on with the round kept before it.
start kill
kill -9 "$pid"
wait "$pid" 2>/dev/null
kept=$(grep -o '"cells":[^]]*]' "$player/kept-round.json")
HOME=$work/kill XDG_DATA_HOME=$work/kill/data "$game" --smoke-test >"$work/kill/log2" 2>&1 ||
  fail "the start after a kill: $(cat "$work/kill/log2")"
[[ $(grep -o '"cells":[^]]*]' "$player/kept-round.json") == "$kept" ]] ||
  fail "the start after a kill did not go on with the kept round"

# A file-size limit: the write fails and is told; the game is not killed.
mkdir -p "$work/fsize"
HOME=$work/fsize XDG_DATA_HOME=$work/fsize/data prlimit --fsize=4096 "$game" --smoke-test >"$work/fsize/log" 2>&1
status=$?
((status < 128)) || fail "a file-size limit killed the game with status $status"

# A relative XDG_DATA_HOME is ignored: the player's files go to the default.
mkdir -p "$work/relative/cwd"
(cd "$work/relative/cwd" && HOME=$work/relative XDG_DATA_HOME=data "$game" --smoke-test >../log 2>&1) ||
  fail "a relative XDG_DATA_HOME: $(cat "$work/relative/log")"
[[ -f $work/relative/.local/share/$app_id/DAZGame.ini ]] || fail "a relative XDG_DATA_HOME: nothing saved in the default"
[[ ! -e $work/relative/cwd/data ]] || fail "a relative XDG_DATA_HOME was taken relative to the working folder"
echo "endings: all passed"
