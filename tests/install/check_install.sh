#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs into a temporary root and checks what a desktop, a software centre
# and a packager look at: the metainfo validates, both manual pages render
# without warnings, the desktop entry validates and claims GPX, and both
# programs run from there and name their version.
set -eu
. "$(dirname "$0")/run_installed.sh"
build=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$build" --prefix "$root/usr" >/dev/null
share=$root/usr/share
appstreamcli validate --no-net "$share/metainfo/org.quillmoor.cairnbook.metainfo.xml"
for page in cairnbook cairnbook-cli; do
  warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$share/man/man1/$page.1" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then echo "$page.1: $warnings"; exit 1; fi
  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$share/man/man1/$page.1" | grep -q "^NAME"
done
desktop-file-validate "$share/applications/cairnbook.desktop"
grep -q '^MimeType=.*application/gpx+xml;' "$share/applications/cairnbook.desktop"
test -f "$share/icons/hicolor/scalable/apps/cairnbook.svg"
for size in 16 22 24 32 48 64 128 256; do
  png=$share/icons/hicolor/${size}x$size/apps/cairnbook.png
  # A PNG's width and height stand at bytes 16 to 23 of its header.
  test "$(od -An -tu4 --endian=big -j16 -N8 "$png" | tr -s ' ')" = " $size $size"
done
test -f "$share/doc/cairnbook/manual.html"
run_installed "$root"
echo "installed and checked in $root"
