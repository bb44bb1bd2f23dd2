#!/usr/bin/env bash
# Installs into a temporary prefix, makes it read-only, and plays from it
# as a player with a fresh home: the installed program loads the catalogue
# and a level, closes and saves. The settings land in the player's folder
# and not one file of the prefix changes. With the disk full it plays and
# saves nothing. It speaks the language LANG names, with a fresh home each
# time, and the one the player kept in preferences.ini over it, its --help
# too. Then a reinstall, also into the player's own ~/.local, keeps the
# player's progress.
#
#   read-only-prefix.sh <cmake> <build folder>
set -euo pipefail
cmake=$1 build=$2
id=com.example.jilan_llk
work=$(mktemp -d "${TMPDIR:-/tmp}/daz-install.XXXXXX")
trap 'chmod -R u+w "$work"; rm -rf "$work"' EXIT
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log"
chmod -R a-w "$prefix"

fail() { echo "FAIL: $*" >&2; exit 1; }

# Every path with its type and mode, every file with its checksum: root
# writes through missing write permissions, so the list is what tells.
snapshot() {
  (cd "$prefix" && find . -printf '%y %m %p\n' | LC_ALL=C sort &&
   find . -type f -print0 | LC_ALL=C sort -z | xargs -0 sha256sum)
}
snapshot >"$work/before"

mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
# run <prefix> <data home>: the smoke test, its exit status in $status
run() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY \
      QT_QPA_PLATFORM=offscreen HOME="$work/home" XDG_DATA_HOME="$2" \
      XDG_CONFIG_HOME="$work/home/config" XDG_CACHE_HOME="$work/home/cache" \
      XDG_RUNTIME_DIR="$work/runtime" \
      timeout 120 "$1/bin/jilan-llk" --smoke-test || status=$?
}
# play <prefix> <data home>
play() {
  run "$1" "$2"
  [[ $status == 0 ]] || fail "$1/bin/jilan-llk --smoke-test exited with $status"
}
play "$prefix" "$work/home/data"

ini=$work/home/data/$id/DAZGame.ini
[[ -f $ini ]] || fail "no $ini"
grep -q '^\[UserSet\]' "$ini" || fail "no [UserSet] section in $ini"

# With the disk full (no file may grow past nothing) the game still plays:
# it says once, and why, that it keeps nothing this time, and keeps nothing.
saved=$(sha256sum "$ini")
out=$(trap '' XFSZ; ulimit -f 0; run "$prefix" "$work/home/data" 2>&1; echo "exit status $status")
[[ $out == *"exit status 1" ]] || fail "a full disk: $out"
[[ $(grep -c '^\[' <<<"$out") == 1 && $out == *"进度和设置不会保存"* ]] \
  || fail "a full disk is not told once as a reason nothing is saved: $out"
[[ $out != *"Another copy"* ]] || fail "a full disk is taken for another running copy: $out"
sha256sum --status -c <<<"$saved" || fail "a full disk: $ini changed"

# speak <home> <LANG> <option>: what the game prints, in $out, with only
# LANG to choose the language by. Qt reads the variable itself, so the
# locale need not be generated on this machine.
speak() {
  out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG="$2" \
        QT_QPA_PLATFORM=offscreen HOME="$1" XDG_DATA_HOME="$1/data" XDG_CONFIG_HOME="$1/config" \
        XDG_CACHE_HOME="$1/cache" XDG_RUNTIME_DIR="$work/runtime" \
        timeout 120 "$prefix/bin/jilan-llk" "$3" 2>"$1/stderr") \
    || fail "LANG=$2 jilan-llk $3: $(cat "$1/stderr")"
}
# The smoke test prints the window's title, then the board's caption; in
# English neither holds a Chinese character (in UTF-8 the ideographs and
# the CJK punctuation begin with a byte from E3 to E9).
english() { [[ ${out%%$'\n'*} == "Jilan Link "* ]] && ! LC_ALL=C grep -q $'[\xe3-\xe9]' <<<"$out"; }
chinese() { [[ ${out%%$'\n'*} == "霁岚连连看"* ]]; }
for lang in en_US.UTF-8 zh_CN.UTF-8 C.UTF-8; do
  home=$work/lang-$lang
  mkdir -p "$home"
  speak "$home" "$lang" --smoke-test
  if [[ $lang == en_* ]]; then english; else chinese; fi || fail "LANG=$lang, a new player: $out"
  # The player's choice wins over the desktop's, also in --help.
  kept=$([[ $lang == en_* ]] && echo zh || echo en)
  printf '[Preferences]\nlanguage=%s\n' "$kept" >"$home/data/$id/preferences.ini"
  speak "$home" "$lang" --help
  if [[ $kept == en ]]; then [[ $out == *"Jilan Link: "* ]]; else [[ $out == *"霁岚连连看："* ]]; fi \
    || fail "LANG=$lang, language=$kept kept: --help says $out"
done
speak "$work/lang-C.UTF-8" C.UTF-8 --smoke-test
english || fail "LANG=C.UTF-8, English kept: $out"

snapshot >"$work/after"
diff "$work/before" "$work/after" >&2 || fail "the installed files changed"

# Progress survives a reinstall, wherever the prefix is.
for place in "$prefix:$work/home/data" "$work/home/.local:$work/home/.local/share"; do
  p=${place%%:*} data=${place#*:}
  chmod -R u+w "$work"
  "$cmake" --install "$build" --prefix "$p" >>"$work/install.log"
  play "$p" "$data"
  saved=$(find "$data" -name DAZGame.ini -path "*/$id/*" ! -path "$p/share/$id/DAZGame.ini" | head -1)
  [[ -n $saved ]] || fail "no player's DAZGame.ini under $data"
  sed -i 's/^UserJF=.*/UserJF=4242/' "$saved"
  "$cmake" --install "$build" --prefix "$p" >>"$work/install.log"
  play "$p" "$data"
  grep -q '^UserJF=4242' "$saved" || fail "a reinstall into $p lost the score in $saved"
done
echo "read-only prefix: ok"
