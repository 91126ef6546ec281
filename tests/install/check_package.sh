#!/usr/bin/env bash
# Makes the Debian package in BUILD and checks it with lintian: no error and
# no warning.
#   check_package.sh BUILD
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A folder of its own, so that a package made by hand in BUILD stays.
(cd "$build" && cpack -G DEB -B "$work" >/dev/null)
lintian --fail-on error,warning "$work"/ondarell_*.deb
