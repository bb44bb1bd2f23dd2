#!/usr/bin/env bash
# Packs the build as the Debian package `cpack -G DEB` makes, checks it
# with lintian (no error, no warning, and the hardening it names in place),
# then plays the packed game once from where the package puts it: the
# command in usr/games finds its shipped folder in usr/share, and speaks
# English under an English LANG.
#
#   debian-package.sh <cpack> <build folder>
set -euo pipefail
cpack=$1 build=$2
if ! command -v dpkg-deb >/dev/null; then
  echo "debian package: no dpkg-deb here, not a Debian system; skipped"
  exit 77
fi
work=$(mktemp -d "${TMPDIR:-/tmp}/daz-deb.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*" >&2; exit 1; }

"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 \
  || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
debs=("$work"/*.deb)
[[ ${#debs[@]} == 1 && -f ${debs[0]} ]] || fail "cpack made ${#debs[@]} packages"
deb=${debs[0]}

# Pedantic and informational tags are shown, to be read; errors, warnings
# and missing hardening fail.
lintian --display-info --pedantic "$deb" 2>&1 | grep -v '^running with root privileges' | tee "$work/lintian.log" || true
if grep -E '^[EW]: |hardening-' "$work/lintian.log" >&2; then
  fail "lintian finds fault with $(basename "$deb")"
fi

root=$work/root
dpkg-deb -x "$deb" "$root"
command=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/com.example.jilan_llk.desktop")
[[ -x $root/usr/games/$command ]] || fail "Exec=$command is not in usr/games"
[[ ! -e $root/usr/bin ]] || fail "the package has usr/bin"
# The package's documents are the documents of the source.
[[ $(zcat "$root/usr/share/doc/$command/changelog.Debian.gz" | head -1) == \
   "$command ($(dpkg-deb -f "$deb" Version)) "* ]] || fail "changelog.Debian.gz is not of this version"

mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
status=0
# The smoke test prints the window's title first.
out=$(env -u DISPLAY -u WAYLAND_DISPLAY -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=en_US.UTF-8 \
    QT_QPA_PLATFORM=offscreen HOME="$work/home" XDG_DATA_HOME="$work/home/data" \
    XDG_CONFIG_HOME="$work/home/config" XDG_CACHE_HOME="$work/home/cache" XDG_RUNTIME_DIR="$work/runtime" \
    timeout 120 "$root/usr/games/$command" --smoke-test) || status=$?
[[ $status == 0 ]] || fail "usr/games/$command --smoke-test exited with $status"
[[ ${out%%$'\n'*} == "Jilan Link "* ]] || fail "usr/games/$command under LANG=en_US.UTF-8 starts as: $out"
echo "debian package: ok"
