"""A source of 5 GiB (sparse: every piece is really written) in pieces of
2147483646 bytes and of 100 MiB, against split, joined back with cat as the
script would and compared with cmp.
"""
import os
import shutil
import subprocess

from common import MIB, fresh, run, sparse


def five_gibibytes(null_host, data, say):
    size = 5 * 1024 * MIB
    source = os.path.join(data, "five.bin")
    sparse(source, size)
    out = os.path.join(data, "out")
    say("| 5 GiB, piece size | Tarvolin wall (s) | split wall (s) | ratio | joined back |")
    say("|---|---|---|---|---|")
    verdicts = []
    # The first run that writes gigabytes after the source appears pays for
    # the system's memory (once 12 s where the same split then took 2.6 s):
    # one run, not measured, pays it for all.
    fresh(out)
    run(["split", "-b", str(1024 * MIB), source, os.path.join(out, "warm.")])
    shutil.rmtree(out)
    for piece in (2147483646, 100 * MIB):
        # Each run starts with nothing left to write back: 5 GiB is more than
        # the kernel lets wait in memory, so the disk's pace shows.
        fresh(out)
        os.sync()
        ours, _, _ = run([null_host, source, str(piece), os.path.join(out, "five.bin")])
        count = -(-size // piece)
        names = [os.path.join(out, "five.bin.%03d" % i) for i in range(count)]
        joined = os.path.join(out, "joined.bin")
        subprocess.run("cat %s > %s" % (" ".join(names), joined), shell=True, check=True)
        same = subprocess.run(["cmp", "-s", source, joined]).returncode == 0
        fresh(out)
        os.sync()
        theirs, _, _ = run(["split", "-b", str(piece), "-d", "-a", "3", source,
                            os.path.join(out, "five.bin.")])
        shutil.rmtree(out)
        os.sync()
        say("| %s | %.2f | %.2f | %.2f | %s |" % (
            "%d bytes" % piece if piece % MIB else "%d MiB" % (piece // MIB), ours, theirs,
            ours / theirs, "yes" if same else "NO"))
        verdicts.append("5 GiB in pieces of %d bytes: %.2f x split, joined back %s"
                        % (piece, ours / theirs, "byte for byte" if same else "WRONG"))
    os.remove(source)
    return verdicts
