#!/usr/bin/env python3
"""Writes a large MBOX or IMM file for the benchmarks, built from the real messages
of the shared corpus repeated until the file reaches the asked size.

usage: make_mailbox.py mbox|imm SIZE_MIB OUT
"""
import pathlib
import sys

CORPUS = pathlib.Path(__file__).resolve().parent.parent.parent / "shared" / "corpus"


def mbox_block():
    return (CORPUS / "python-email.mbox").read_bytes()


def imm_block():
    # IMM messages: CR LF lines, the header block From, To, Subject, Date and then the
    # MIME-Version marker, so every marker after the first needs the backward walk;
    # every other message names an attachment the way IMM files do.
    out = bytearray()
    for n, path in enumerate(sorted((CORPUS / "python-email").glob("msg_*.txt"))):
        text = path.read_bytes().replace(b"\r\n", b"\n")
        head, _, body = text.partition(b"\n\n")
        kept = [line for line in head.split(b"\n") if not line.lower().startswith(b"mime-version:")]
        lines = [b"From: sender%d@example.org" % n, b"To: rcpt@example.org",
                 b"Subject: message %d" % n, b"Date: Wed, 9 Dec 2026 08:00:00 +0100",
                 b"MIME-Version: 1.0"] + kept + [b""] + body.split(b"\n")
        if n % 2:
            lines.append(b"[%ImFilePath%]C:\\mail\\Attachments\\file" + b"%d.bin" % n)
        out += b"\r\n".join(lines) + b"\r\n"
    return bytes(out)


def main():
    kind, size_mib, out = sys.argv[1], int(sys.argv[2]), pathlib.Path(sys.argv[3])
    block = mbox_block() if kind == "mbox" else imm_block()
    target = size_mib << 20
    out.parent.mkdir(parents=True, exist_ok=True)
    with out.open("wb") as f:
        written = 0
        chunk = block * max(1, (8 << 20) // len(block))
        while written < target:
            piece = chunk[: target - written]
            f.write(piece)
            written += len(piece)


if __name__ == "__main__":
    main()
