#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Kills `cairnbook-cli convert` with SIGKILL at random moments while it writes
# a 50 MB document over an existing one, in turn as .ckb, .wpt and .gpx, and
# checks after each kill that the target is the whole old or the whole new
# file, and that nothing lies beside it after the next open. Where strace is
# installed, it also kills the save exactly at its rename (the moment a
# complete temporary stands beside the target) and at its link.
#   tools/kill_save_test.sh [build/src/cli/cairnbook-cli] [RUNS]
set -euo pipefail
cli=${1:-build/src/cli/cairnbook-cli}
runs=${2:-100}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
python3 - "$work/big.ckb" <<'PY'
import struct, sys
def s(b): return bytes([len(b)]) + b
n = 420000
with open(sys.argv[1], 'wb') as f:
    f.write(s(b"Cairnbook Version 2.0") + struct.pack('<II', 1, n))
    for i in range(n):
        f.write(s(b"W%07d" % i) + s(b"Kill test waypoint comment") + struct.pack('<I', i + 1)
                + bytes([i % 42, 1]) + struct.pack('<ddd', i % 3000, -120 - i * 1e-5, 40 + i * 1e-5)
                + bytes([0]) + s(b"Additional info of the kill test, " + b"x" * 30))
PY
exts=(ckb wpt gpx)
declare -A new span
for ext in "${exts[@]}"; do
  start=$(date +%s%N)
  "$cli" convert "$work/big.ckb" "$work/new.$ext" --yes >/dev/null 2>&1
  span[$ext]=$(( ($(date +%s%N) - start) / 1000 ))   # microseconds one save takes
  new[$ext]=$(sha256sum < "$work/new.$ext")
done
printf 'old contents' > "$work/old"
old=$(sha256sum < "$work/old")
mkdir "$work/run"

# The target is the old or the new file; after an open of the folder's
# documents nothing lies beside it. Counts which it was.
declare -A seen
check() { # run ext what
  local got; got=$(sha256sum < "$work/run/target.$2")
  if [ "$got" = "$old" ]; then seen[old]=$(( ${seen[old]:-0} + 1 ));
  elif [ "$got" = "${new[$2]}" ]; then seen[new]=$(( ${seen[new]:-0} + 1 ));
  else echo "run $1 ($3, .$2): the target is neither the old nor the new file"; exit 1; fi
  if [ -n "$(ls -A "$work/run" | grep -v "^target\.$2\$" || true)" ]; then
    seen[beside]=$(( ${seen[beside]:-0} + 1 ))
    "$cli" list "$work/run/target.$2" >/dev/null 2>&1 || true
    local left; left=$(ls -A "$work/run" | grep -v "^target\.$2\$" || true)
    if [ -n "$left" ]; then echo "run $1 ($3, .$2): left beside the target after an open: $left"; exit 1; fi
  fi
  rm -f "$work/run/target.$2"
}

for i in $(seq 1 "$runs"); do
  ext=${exts[$(( i % 3 ))]}
  cp "$work/old" "$work/run/target.$ext"
  "$cli" convert "$work/big.ckb" "$work/run/target.$ext" --yes >/dev/null 2>&1 &
  pid=$!
  sleep "$(awk -v r=$RANDOM -v s="${span[$ext]}" 'BEGIN { printf "%.6f", r / 32768 * s * 1.2 / 1e6 }')"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  check "$i" "$ext" "random kill"
done
summary="$runs kills during 50 MB saves (.ckb, .wpt, .gpx): ${seen[old]:-0} left the old file, ${seen[new]:-0} the new one, ${seen[beside]:-0} a temporary that the next open cleared"

if command -v strace >/dev/null 2>&1; then
  for ext in "${exts[@]}"; do
    # At the rename, over an existing file: the old file stays, a complete
    # temporary stands beside it until the next open.
    cp "$work/old" "$work/run/target.$ext"
    strace -f -qq -o /dev/null -e trace=rename,renameat,renameat2 \
      -e inject=rename,renameat,renameat2:signal=KILL \
      "$cli" convert "$work/big.ckb" "$work/run/target.$ext" --yes >/dev/null 2>&1 || true
    check "rename" "$ext" "killed at the rename"
    # At the link of a new file: nothing at all is left.
    strace -f -qq -o /dev/null -e trace=linkat -e inject=linkat:signal=KILL \
      "$cli" convert "$work/big.ckb" "$work/run/target.$ext" --yes >/dev/null 2>&1 || true
    left=$(ls -A "$work/run")
    if [ -n "$left" ]; then echo "killed at the link (.$ext): left: $left"; exit 1; fi
  done
  summary="$summary; killed at the rename (3 formats): the old file stayed and the next open cleared the temporary; killed at the link of a new file: nothing was left"
else
  summary="$summary; strace is not installed: no kills at the rename"
fi
echo "$summary"
