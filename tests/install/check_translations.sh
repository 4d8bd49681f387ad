#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Every text marked for translation has its German: lupdate, run over the
# sources as the build runs it, finds nothing new or unfinished in a copy of
# the translation.
set -eu
lupdate=$1 sources=$2 ts=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$ts" "$work/check.ts"
"$lupdate" -silent -no-obsolete -locations none \
  -tr-function-alias QT_TR_NOOP+=TR_NOOP,QT_TRANSLATE_NOOP+=TRANSLATE_NOOP \
  "@$sources" -ts "$work/check.ts" 2>/dev/null
if grep -q 'type="unfinished"' "$work/check.ts"; then
  echo "texts without a translation in $(basename "$ts"):"
  grep -B2 'type="unfinished"' "$work/check.ts" | grep '<source>'
  exit 1
fi
echo "every text has its translation in $(basename "$ts")"
