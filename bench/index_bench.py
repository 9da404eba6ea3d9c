#!/usr/bin/env python3
"""Times `corvane index` against `grep -c '^From '`, a plain memchr line scan and
`cat > /dev/null` on the same warm files, in one run, and prints the ratios and the
indexer's peak memory.

usage: index_bench.py [--size-mib N] [--build DIR]
The files are made under bench/data/ by make_mailbox.py when missing.
"""
import argparse
import os
import pathlib
import shlex
import subprocess
import sys
import tempfile
import time

HERE = pathlib.Path(__file__).resolve().parent


def run(cmd):
    """Runs cmd (a shell command line) and returns (seconds, peak RSS in KiB).

    Output goes to a file, not to /dev/null: grep stops at the first match when it
    sees its output is /dev/null. The peak memory is read by /usr/bin/time, whose
    child is small before it starts the command (a child of this Python process
    would carry Python's own peak into the figure)."""
    env = dict(os.environ, LC_ALL="C")
    with tempfile.TemporaryDirectory() as tmp:
        rss_file = os.path.join(tmp, "rss")
        out_file = os.path.join(tmp, "out")
        start = time.perf_counter()
        status = subprocess.call(f"/usr/bin/time -f %M -o {rss_file} sh -c {shlex.quote(cmd)} > {out_file}",
                                 shell=True, env=env)
        seconds = time.perf_counter() - start
        if status not in (0, 1):
            sys.exit(f"failed: {cmd}")
        with open(rss_file) as f:
            rss = int(f.read().split()[-1])
    return seconds, rss


def best(cmd, repeats):
    runs = [run(cmd) for _ in range(repeats)]
    return min(r[0] for r in runs), max(r[1] for r in runs)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--size-mib", type=int, default=1024)
    ap.add_argument("--build", default=str(HERE.parent / "build"))
    ap.add_argument("--repeats", type=int, default=3)
    args = ap.parse_args()
    build = pathlib.Path(args.build)
    corvane = build / "src" / "corvane"
    line_scan = build / "bench" / "line_scan"
    data = HERE / "data"
    files = {}
    for kind in ("mbox", "imm"):
        path = data / f"bench-{args.size_mib}.{kind}"
        if not path.exists() or path.stat().st_size != args.size_mib << 20:
            subprocess.check_call([sys.executable, str(HERE / "make_mailbox.py"), kind, str(args.size_mib), str(path)])
        files[kind] = path

    for kind, path in files.items():
        size = path.stat().st_size
        run(f"cat {shlex.quote(str(path))} > /dev/null")  # warm the page cache
        out = subprocess.run([str(corvane), "index", str(path)], capture_output=True, text=True, check=True).stdout
        count = int(out.rsplit('"count": ', 1)[1].rstrip("}\n"))
        q = shlex.quote(str(path))
        timings = {
            "corvane index": best(f"{corvane} index {q}", args.repeats),
            "corvane index --no-mmap": best(f"{corvane} index --no-mmap {q}", args.repeats),
            "grep -c '^From '": best(f"grep -c '^From ' {q}", args.repeats),
            "memchr line scan": best(f"{line_scan} {q}", args.repeats),
            "cat > /dev/null": best(f"cat {q} > /dev/null", args.repeats),
        }
        print(f"\n{kind.upper()}: {path.name}, {size / 2**20:.0f} MiB, {count} messages")
        for name, (seconds, rss) in timings.items():
            print(f"  {name:26s} {seconds:7.3f} s  {size / seconds / 1e9:6.2f} GB/s  peak RSS {rss / 1024:7.1f} MiB")
        ours = timings["corvane index"][0]
        for name in ("grep -c '^From '", "memchr line scan", "cat > /dev/null"):
            print(f"  corvane index vs {name:20s} {timings[name][0] / ours:5.2f}x the throughput")
        rss_mib = timings["corvane index"][1] / 1024
        print(f"  peak RSS beyond 8 bytes per message: {rss_mib - count * 8 / 2**20:.1f} MiB")


if __name__ == "__main__":
    main()
