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
import resource
import subprocess
import sys
import time

HERE = pathlib.Path(__file__).resolve().parent


def run(cmd, stdout=subprocess.DEVNULL):
    """Runs cmd in a fresh process; returns (seconds, peak RSS in KiB, output)."""
    env = dict(os.environ, LC_ALL="C")
    start = time.perf_counter()
    proc = subprocess.Popen(cmd, stdout=stdout, env=env, shell=isinstance(cmd, str))
    _, status, usage = os.wait4(proc.pid, 0)
    seconds = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) not in (0, 1):
        sys.exit(f"failed: {cmd}")
    return seconds, usage.ru_maxrss


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
        run(f"cat '{path}' > /dev/null")  # warm the page cache
        out = subprocess.run([str(corvane), "index", str(path)], capture_output=True, text=True, check=True).stdout
        count = int(out.rsplit('"count": ', 1)[1].rstrip("}\n"))
        timings = {
            "corvane index": best([str(corvane), "index", str(path)], args.repeats),
            "corvane index --no-mmap": best([str(corvane), "index", "--no-mmap", str(path)], args.repeats),
            "grep -c '^From '": best(["grep", "-c", "^From ", str(path)], args.repeats),
            "memchr line scan": best([str(line_scan), str(path)], args.repeats),
            "cat > /dev/null": best(f"cat '{path}' > /dev/null", args.repeats),
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
