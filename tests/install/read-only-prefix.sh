#!/usr/bin/env bash
# Installs into a temporary prefix, makes it read-only, and plays from it
# as a player with a fresh home: the installed program loads the catalogue
# and a level, closes and saves. The settings land in the player's folder
# and not one file of the prefix changes. Then a reinstall, also into the
# player's own ~/.local, keeps the player's progress.
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
# play <prefix> <data home>
play() {
  local status=0
  env -u DISPLAY -u WAYLAND_DISPLAY \
      QT_QPA_PLATFORM=offscreen HOME="$work/home" XDG_DATA_HOME="$2" \
      XDG_CONFIG_HOME="$work/home/config" XDG_CACHE_HOME="$work/home/cache" \
      XDG_RUNTIME_DIR="$work/runtime" \
      timeout 120 "$1/bin/jilan-llk" --smoke-test || status=$?
  [[ $status == 0 ]] || fail "$1/bin/jilan-llk --smoke-test exited with $status"
}
play "$prefix" "$work/home/data"

ini=$work/home/data/$id/DAZGame.ini
[[ -f $ini ]] || fail "no $ini"
grep -q '^\[UserSet\]' "$ini" || fail "no [UserSet] section in $ini"

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
