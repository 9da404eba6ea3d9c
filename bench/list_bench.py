#!/usr/bin/env python3
"""Times `corvane list` on a large MBOX of real messages against Python's `mailbox`
and `email` packages making the same summary (To, From, Subject, Date and the
attachment mark) in the same run, and reports the indexer's peak memory.

usage: list_bench.py [--size-mib N] [--python-mib M] [--build DIR]
Python summarises the messages of the first M MiB of the same file (its throughput
is what is compared); corvane lists the whole file.
"""
import argparse
import email
import email.header
import mailbox
import os
import pathlib
import shlex
import subprocess
import sys
import tempfile
import time

HERE = pathlib.Path(__file__).resolve().parent


def decoded(value):
    if value is None:
        return ""
    parts = []
    for text, charset in email.header.decode_header(str(value)):
        if isinstance(text, bytes):
            text = text.decode(charset or "latin-1", "replace")
        parts.append(text)
    return "".join(parts)


def python_summary(path, limit):
    done = count = 0
    start = time.perf_counter()
    box = mailbox.mbox(str(path), create=False)
    with open(os.devnull, "w") as sink:
        for key in box.iterkeys():
            raw = box.get_bytes(key)
            msg = email.message_from_bytes(raw)
            row = [decoded(msg.get(h)) for h in ("To", "From", "Subject", "Date")]
            row.append(any(p.get_filename() for p in msg.walk() if not p.is_multipart()))
            print(row, file=sink)
            done += len(raw)
            count += 1
            if done >= limit:
                break
    seconds = time.perf_counter() - start
    return done, count, seconds


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--size-mib", type=int, default=1024)
    ap.add_argument("--python-mib", type=int, default=64)
    ap.add_argument("--build", default=str(HERE.parent / "build"))
    args = ap.parse_args()
    corvane = pathlib.Path(args.build) / "src" / "corvane"
    path = HERE / "data" / f"bench-{args.size_mib}.mbox"
    if not path.exists() or path.stat().st_size != args.size_mib << 20:
        subprocess.check_call([sys.executable, str(HERE / "make_mailbox.py"), "mbox", str(args.size_mib), str(path)])
    subprocess.call(f"cat {shlex.quote(str(path))} > /dev/null", shell=True)
    with tempfile.TemporaryDirectory() as tmp:
        rss_file = os.path.join(tmp, "rss")
        out_file = os.path.join(tmp, "out")
        start = time.perf_counter()
        subprocess.check_call(f"/usr/bin/time -f %M -o {rss_file} {corvane} list {shlex.quote(str(path))} > {out_file}",
                              shell=True)
        seconds = time.perf_counter() - start
        rss_mib = int(open(rss_file).read().split()[-1]) / 1024
        with open(out_file, "rb") as f:
            rows = sum(1 for _ in f)
    size = path.stat().st_size
    p_bytes, p_count, p_seconds = python_summary(path, args.python_mib << 20)
    ours_mb, theirs_mb = size / seconds / 1e6, p_bytes / p_seconds / 1e6
    print(f"corvane list : {rows:9d} messages {seconds:7.2f} s {ours_mb:8.1f} MB/s {rows / seconds:10.0f} messages/s"
          f"  peak RSS {rss_mib:.1f} MiB")
    print(f"Python       : {p_count:9d} messages {p_seconds:7.2f} s {theirs_mb:8.1f} MB/s "
          f"{p_count / p_seconds:10.0f} messages/s")
    print(f"ratio        : {ours_mb / theirs_mb:.1f}x (MB/s)  {rows / seconds / (p_count / p_seconds):.1f}x (messages/s)")
    print(f"peak RSS beyond 8 bytes per message: {rss_mib - rows * 8 / 2**20:.1f} MiB")


if __name__ == "__main__":
    main()
