#!/usr/bin/env python3
"""Runs the C++ parse benchmark and the same work done by Python's standard `email`
package (message_from_bytes, reading To, From, Subject and Date, walking the parts)
over the same messages, in one run, and prints both throughputs and their ratio.

usage: parse_bench.py [--mib N] [--build DIR]
"""
import argparse
import email
import json
import pathlib
import subprocess
import time

HERE = pathlib.Path(__file__).resolve().parent
MBOX = HERE.parent.parent / "shared" / "corpus" / "python-email.mbox"


def split_mbox(data):
    # The same boundaries as the indexer: a line break followed by "From ".
    starts = [0]
    for i in range(len(data) - 5):
        if data[i] in (10, 13) and data[i + 1:i + 6] == b"From ":
            starts.append(i)
    starts.append(len(data))
    out = []
    for a, b in zip(starts, starts[1:]):
        m = data[a:b]
        if m[:1] == b"\n":
            m = m[1:]
        elif m[:1] == b"\r":
            m = m[2:]
        out.append(m)
    return out


def python_run(messages, target):
    done = count = parts = 0
    start = time.perf_counter()
    while done < target:
        for raw in messages:
            msg = email.message_from_bytes(raw)
            for name in ("To", "From", "Subject", "Date"):
                msg.get(name)
            parts += sum(1 for p in msg.walk() if not p.is_multipart())
            done += len(raw)
            count += 1
    seconds = time.perf_counter() - start
    return {"bytes": done, "messages": count, "seconds": seconds,
            "mb_per_s": done / seconds / 1e6, "messages_per_s": count / seconds}


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--mib", type=float, default=200)
    ap.add_argument("--python-mib", type=float, default=None, help="work for Python (default: same as --mib)")
    ap.add_argument("--build", default=str(HERE.parent / "build"))
    args = ap.parse_args()
    ours = json.loads(subprocess.check_output([str(pathlib.Path(args.build) / "bench" / "parse_bench"), str(MBOX),
                                               str(args.mib)]))
    messages = split_mbox(MBOX.read_bytes())
    theirs = python_run(messages, int((args.python_mib or args.mib) * 2**20))
    print(f"corvane MIME parse : {ours['mb_per_s']:8.1f} MB/s {ours['messages_per_s']:10.0f} messages/s "
          f"({ours['bytes'] / 2**20:.0f} MiB, {ours['seconds']:.2f} s)")
    print(f"Python email       : {theirs['mb_per_s']:8.1f} MB/s {theirs['messages_per_s']:10.0f} messages/s "
          f"({theirs['bytes'] / 2**20:.0f} MiB, {theirs['seconds']:.2f} s)")
    print(f"ratio              : {ours['mb_per_s'] / theirs['mb_per_s']:8.1f}x")


if __name__ == "__main__":
    main()
