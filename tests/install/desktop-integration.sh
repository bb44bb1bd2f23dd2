#!/usr/bin/env bash
# Installs into a temporary prefix and checks what a desktop reads there:
# the desktop entry and the AppStream metadata validate, and the command,
# the icon at every size and the man page they name are in place.
#
#   desktop-integration.sh <cmake> <build folder>
set -euo pipefail
cmake=$1 build=$2
id=com.example.jilan_llk
work=$(mktemp -d "${TMPDIR:-/tmp}/daz-install.XXXXXX")
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log"

fail() { echo "FAIL: $*" >&2; exit 1; }

desktop=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml
desktop-file-validate "$desktop"
appstreamcli validate --pedantic --no-net "$metainfo"
# English is the base, and every text the player reads has its Chinese.
for key in Name GenericName Comment Keywords; do
  grep -q "^$key=" "$desktop" || fail "no $key in the desktop entry"
  grep -q "^$key\[zh_CN\]=" "$desktop" || fail "$key has no zh_CN translation"
done
for tag in name summary p li caption; do
  base=$(grep -c "<$tag>" "$metainfo" || true)
  chinese=$(grep -c "<$tag xml:lang=\"zh_CN\">" "$metainfo" || true)
  [[ $base == "$chinese" ]] || fail "$base <$tag> in the metainfo, $chinese of them in zh_CN"
done
# The metainfo's launchable must be the installed desktop entry.
appstreamcli validate-tree --no-net "$prefix"

# What the desktop entry and the metainfo name must exist.
entry() { sed -n "s/^$1=//p" "$desktop"; }
command=$(entry Exec)
[[ -x $prefix/bin/$command ]] || fail "Exec=$command is not in $prefix/bin"
grep -q "<binary>$command</binary>" "$metainfo" || fail "the metainfo does not provide $command"
[[ $(entry Icon) == "$id" ]] || fail "Icon=$(entry Icon), not $id"
# Qt names the window class after the application, and --version prints
# the application's name and version: the desktop matches its windows to
# the entry by that class, and the metainfo must name the same release.
read -r name version < <(QT_QPA_PLATFORM=offscreen "$prefix/bin/$command" --version 2>/dev/null)
[[ $(entry StartupWMClass) == "$name" ]] || fail "StartupWMClass=$(entry StartupWMClass), windows are $name"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo has no release $version"
gzip -t "$prefix/share/man/man6/$command.6.gz" || fail "no man page for $command"
gzip -t "$prefix/share/man/zh_CN/man6/$command.6.gz" || fail "no Chinese man page for $command"
for doc in README.md CREDITS copyright; do
  [[ -s $prefix/share/doc/$command/$doc ]] || fail "no $doc in share/doc/$command"
done
[[ -s $prefix/share/$id/DAZGame.ini ]] || fail "no shipped catalogue"
[[ ! -e $prefix/share/$id/CMakeLists.txt && ! -e $prefix/share/$id/CopyData.cmake ]] \
  || fail "build files in the shipped folder"
[[ ! -e $prefix/share/$id/CREDITS ]] || fail "the credits are in the shipped folder, not with the documents"

# Every hicolor size, as a PNG of that size.
for size in 16 24 32 48 64 128 256; do
  png=$prefix/share/icons/hicolor/${size}x${size}/apps/$id.png
  [[ -f $png ]] || fail "no ${size}px icon"
  # PNG signature, then the IHDR chunk: width and height, big-endian.
  b=($(od -An -tu1 -N24 "$png"))
  [[ "${b[*]:0:8}" == "137 80 78 71 13 10 26 10" ]] || fail "$png is not a PNG"
  w=$(( (b[16] << 24) | (b[17] << 16) | (b[18] << 8) | b[19] ))
  h=$(( (b[20] << 24) | (b[21] << 16) | (b[22] << 8) | b[23] ))
  [[ $w == "$size" && $h == "$size" ]] || fail "$png is ${w}x${h}"
done
echo "desktop integration: ok"
