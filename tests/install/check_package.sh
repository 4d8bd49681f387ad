#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package as `make package` does, checks that it carries
# what a user needs, unpacks it into a temporary root and runs both programs
# from there.
set -eu
. "$(dirname "$0")/run_installed.sh"
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >/dev/null
deb=$(ls "$work"/cairnbook_*.deb)
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6'
dpkg-deb -c "$deb" | awk '{print $6}' >"$work/contents"
for path in usr/bin/cairnbook usr/bin/cairnbook-cli usr/share/man/man1/cairnbook.1 \
  usr/share/man/man1/cairnbook-cli.1 usr/share/metainfo/org.quillmoor.cairnbook.metainfo.xml \
  usr/share/icons/hicolor/48x48/apps/cairnbook.png usr/share/applications/cairnbook.desktop \
  usr/share/doc/cairnbook/copyright usr/share/cairnbook/translations/cairnbook_de.qm; do
  grep -qx "./$path" "$work/contents" || { echo "the package lacks $path"; exit 1; }
done
dpkg -x "$deb" "$work/root"
run_installed "$work/root"
echo "$(basename "$deb") built, unpacked and run"
