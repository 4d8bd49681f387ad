#!/usr/bin/env bash
# Kills `cairnbook-cli convert` with SIGKILL at random moments while it writes
# a 50 MB document over an existing one, and checks after each kill that the
# target is the whole old or the whole new file and nothing lies beside it.
#   tools/kill_save_test.sh [build/src/cli/cairnbook-cli] [RUNS]
set -euo pipefail
cli=${1:-build/src/cli/cairnbook-cli}
runs=${2:-50}
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
                + bytes([i % 50, 1]) + struct.pack('<ddd', i % 3000, -120 - i * 1e-5, 40 + i * 1e-5)
                + bytes([0]) + s(b"Additional info of the kill test, " + b"x" * 30))
PY
"$cli" convert "$work/big.ckb" "$work/new.ckb" >/dev/null
printf 'old contents' > "$work/old.ckb"
old=$(sha256sum < "$work/old.ckb"); new=$(sha256sum < "$work/new.ckb")
start=$(date +%s%N); "$cli" convert "$work/big.ckb" "$work/t.ckb" >/dev/null; rm "$work/t.ckb"
span=$(( ($(date +%s%N) - start) / 1000 ))   # microseconds one save takes
olds=0; news=0
mkdir "$work/run"
for i in $(seq 1 "$runs"); do
  cp "$work/old.ckb" "$work/run/target.ckb"
  "$cli" convert "$work/big.ckb" "$work/run/target.ckb" >/dev/null 2>&1 &
  pid=$!
  sleep "$(awk -v r=$RANDOM -v s=$span 'BEGIN { printf "%.6f", r / 32768 * s * 1.2 / 1e6 }')"
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  got=$(sha256sum < "$work/run/target.ckb")
  if [ "$got" = "$old" ]; then olds=$((olds + 1));
  elif [ "$got" = "$new" ]; then news=$((news + 1));
  else echo "run $i: the target is neither the old nor the new file"; exit 1; fi
  left=$(ls -A "$work/run" | grep -v '^target.ckb$' || true)
  if [ -n "$left" ]; then echo "run $i: left beside the target: $left"; exit 1; fi
done
echo "$runs kills during a $(( $(stat -c %s "$work/new.ckb") / 1000000 )) MB save: $olds left the old file, $news the new one; nothing else was left"
