#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Times cairnbook-cli beside gpsbabel on the benchmarks' files.

Each case runs ours and the peer in interleaved pairs (so that a change of
the machine's load touches both alike) and reports the CPU time (user +
system), wall time and peak memory of each: median and range, and the ratio
of the medians. Usage: bench_peers.py BUILD_DIR [RUNS] [WORD], WORD choosing
the cases whose names hold it ("LOC", "GPX", "native").
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def run(command):
    """CPU seconds, wall seconds and peak resident MB of one command."""
    start = time.monotonic()
    with open(os.devnull, "wb") as null:
        child = subprocess.Popen(command, stdout=null, stderr=null)
        _, status, usage = os.wait4(child.pid, 0)
    wall = time.monotonic() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("failed: " + " ".join(command))
    return usage.ru_utime + usage.ru_stime, wall, usage.ru_maxrss / 1024


def summary(samples):
    med = statistics.median(samples)
    return med, "%.2f (%.2f-%.2f)" % (med, min(samples), max(samples))


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 5
    word = sys.argv[3] if len(sys.argv) > 3 else ""
    cli = os.path.join(build, "src/cli/cairnbook-cli")
    files = subprocess.run([os.path.join(build, "bench/bench_data"), "--write-files"],
                           check=True, capture_output=True, text=True).stdout.split()
    native, loc, gpx = files
    out = tempfile.mkdtemp(prefix="cairnbook-peers-")
    peer = shutil.which("gpsbabel")
    cases = [
        ("LOC 200k geocaches, read and written", [cli, "convert", loc, out + "/loc.ckb"],
         [peer, "-i", "geo", "-f", loc, "-o", "unicsv", "-F", "/dev/null"]),
        ("GPX 200k pocket query, read and written", [cli, "convert", gpx, out + "/gpx.ckb", "--yes"],
         [peer, "-i", "gpx", "-f", gpx, "-o", "unicsv", "-F", "/dev/null"]),
        ("GPX 200k pocket query to GPX", [cli, "convert", gpx, out + "/gpx.gpx"],
         [peer, "-i", "gpx", "-f", gpx, "-o", "gpx", "-F", "/dev/null"]),
        ("native 1M waypoints, opened and saved", [cli, "convert", native, out + "/n.ckb"], None),
        ("native 1M waypoints, listed", [cli, "list", native], None),
    ]
    print("load average %.2f %.2f %.2f, %d runs each, CPU and wall in s, memory in MB"
          % (os.getloadavg() + (runs,)))
    for name, ours, theirs in cases:
        if word not in name:
            continue
        mine, other = [], []
        for _ in range(runs):
            mine.append(run(ours))
            if theirs and peer:
                other.append(run(theirs))
        print("\n" + name)
        for who, samples in (("cairnbook", mine), ("gpsbabel", other)):
            if not samples:
                continue
            cols = [summary([s[k] for s in samples]) for k in range(3)]
            print("  %-10s cpu %-22s wall %-22s peak %s" % (who, cols[0][1], cols[1][1], cols[2][1]))
        if other:
            cpu = statistics.median(s[0] for s in other) / statistics.median(s[0] for s in mine)
            wall = statistics.median(s[1] for s in other) / statistics.median(s[1] for s in mine)
            print("  ratio      cpu %.1fx  wall %.1fx" % (cpu, wall))
    shutil.rmtree(out)


if __name__ == "__main__":
    main()
