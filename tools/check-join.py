#!/usr/bin/env python3
"""Carries out a Tarvolin joining script the way the command interpreter
reads its COPY/B lines, in the script's folder, and prints what it did.

Usage: check-join.py SCRIPT.BAT ENCODING
Each line "COPY/B a/B+b/B target/B" writes target as the sources joined; a
name is bare or in double quotes, and %% stands for %.
"""
import os
import sys


def names(line):
    if not line.startswith("COPY/B "):
        raise SystemExit("not a COPY/B line: " + line)
    at = len("COPY/B ")
    sources = []
    while True:
        name, at = read_name(line, at)
        sources.append(name)
        if line.startswith("/B+", at):
            at += 3
            continue
        if not line.startswith("/B ", at):
            raise SystemExit("expected /B after " + name)
        at += 3
        break
    target, at = read_name(line, at)
    if line[at:] != "/B":
        raise SystemExit("line does not end in the target's /B")
    return sources, target


def read_name(line, at):
    if line[at] == '"':
        end = line.index('"', at + 1)
        raw, at = line[at + 1:end], end + 1
    else:
        end = line.index("/B", at)
        raw, at = line[at:end], end
    return raw.replace("%%", "%"), at


def main():
    script, encoding = sys.argv[1], sys.argv[2]
    folder = os.path.dirname(os.path.abspath(script))
    data = open(script, "rb").read()
    if not data.endswith(b"\r\n"):
        raise SystemExit("the script does not end in CR LF")
    for line in data[:-2].split(b"\r\n"):
        sources, target = names(line.decode(encoding))
        joined = b"".join(open(os.path.join(folder, s), "rb").read() for s in sources)
        with open(os.path.join(folder, target), "wb") as out:
            out.write(joined)
        print("joined %d pieces into %s (%d bytes)" % (len(sources), target, len(joined)))


if __name__ == "__main__":
    main()
