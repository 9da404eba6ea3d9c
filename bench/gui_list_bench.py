#!/usr/bin/env python3
"""Lists a 100,000-message MBOX in the desktop viewer (offscreen) and with
`corvane list` in the same run, and compares the two times; also reports the
longest time the viewer's user-interface thread was blocked meanwhile.

usage: gui_list_bench.py [--messages N] [--build DIR]
"""
import argparse
import json
import os
import pathlib
import subprocess
import sys
import time

HERE = pathlib.Path(__file__).resolve().parent


def make_file(messages):
    out = HERE / "data" / f"list-{messages}.mbox"
    if out.exists():
        return out
    block = (HERE.parent.parent / "shared" / "corpus" / "python-email.mbox").read_bytes()
    per_block = block.count(b"\nFrom ") + (1 if block.startswith(b"From ") else 0)
    out.parent.mkdir(parents=True, exist_ok=True)
    with out.open("wb") as f:
        for _ in range(-(-messages // per_block)):
            f.write(block)
    return out


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--messages", type=int, default=100_000)
    parser.add_argument("--build", default=str(HERE.parent / "build"))
    args = parser.parse_args()
    build = pathlib.Path(args.build)
    path = make_file(args.messages)

    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", QTWEBENGINE_CHROMIUM_FLAGS="--disable-gpu")
    subprocess.run([build / "src" / "corvane", "list", path], stdout=subprocess.DEVNULL, check=True)  # warm cache
    start = time.perf_counter()
    subprocess.run([build / "src" / "corvane", "list", path], stdout=subprocess.DEVNULL, check=True)
    cli_seconds = time.perf_counter() - start
    gui = subprocess.run([build / "bench" / "gui_list_bench", path], env=env, capture_output=True, text=True, check=True)
    result = json.loads(gui.stdout.strip().splitlines()[-1])
    ratio = result["list_seconds"] / cli_seconds
    print(f"file: {path} ({path.stat().st_size / 2**20:.0f} MiB, {result['messages']} messages listed)")
    print(f"corvane list: {cli_seconds:.2f} s")
    print(f"viewer, click to final message box: {result['list_seconds']:.2f} s ({ratio:.2f}x the command line; goal <= 1.5x)")
    print(f"longest UI-thread gap: {result['max_gap_ms']} ms (goal <= 100 ms)")
    return 0 if ratio <= 1.5 and result["max_gap_ms"] <= 100 else 1


if __name__ == "__main__":
    sys.exit(main())
