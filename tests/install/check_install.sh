#!/usr/bin/env bash
# Installs the program into a temporary prefix and checks what a desktop and
# a package manager read of it: the menu entry starts the installed program
# with the installed icon, the icon is drawn at each size it claims, the
# metadata and the entry validate, and nothing points into the build or
# source folders (the program runs from any prefix).
set -euo pipefail
build=$1
source=$2
config=${3:-Release}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "check_install: $*" >&2; exit 1; }
id=cat.ondarell.Ondarell
entry=$prefix/share/applications/$id.desktop
metainfo=$prefix/share/metainfo/$id.metainfo.xml

program=$(sed -n 's/^Exec=//p' "$entry")
[ -x "$prefix/bin/$program" ] || fail "the entry starts '$program', which is not installed"
icon=$(sed -n 's/^Icon=//p' "$entry")
[ -s "$prefix/share/icons/hicolor/scalable/apps/$icon.svg" ] || fail "no scalable icon $icon"
pngs=("$prefix"/share/icons/hicolor/*x*/apps/"$icon".png)
[ "${#pngs[@]}" -ge 8 ] || fail "the icon comes at ${#pngs[@]} sizes"
if command -v identify >/dev/null; then
  for png in "${pngs[@]}"; do
    size=$(basename "$(dirname "$(dirname "$png")")")
    [ "$(identify -format '%wx%h' "$png")" = "$size" ] || fail "$png is not $size"
  done
fi
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" || fail "the metadata names another entry"
grep -q "<binary>$program</binary>" "$metainfo" || fail "the metadata names another program"
zcat "$prefix/share/man/man1/$program.1.gz" | grep -q '^\.TH ONDARELL 1' || fail "no manual page"
zcat "$prefix/share/man/ca/man1/$program.1.gz" | grep -q '^\.SH DESCRIPCIÓ' || fail "no manual page in Catalan"
grep -q 'GNU GENERAL PUBLIC LICENSE' "$prefix/share/doc/ondarell/LICENSE" || fail "no licence"
grep -q 'SIL OPEN FONT LICENSE' "$prefix/share/doc/ondarell/OFL.txt" || fail "no font licence"

# (A debug or sanitizer build names its sources for its own reports.)
if [ "$config" = Release ] || [ "$config" = MinSizeRel ]; then
  for folder in "$build" "$source"; do
    ! grep -qaF "$(cd "$folder" && pwd)" "$prefix/bin/$program" || fail "the program refers to $folder"
  done
fi

if command -v desktop-file-validate >/dev/null; then
  desktop-file-validate --no-hints "$entry" || fail "the menu entry does not validate"
fi
if command -v appstreamcli >/dev/null; then
  appstreamcli validate --pedantic --no-net "$metainfo" || fail "the metadata does not validate"
fi
echo "installed tree checked in $prefix"
