"""Peak memory (maximum resident set) of the engine at pieces of 1 MiB,
100 MiB and 1 GiB (a source of 1 GiB and 2 bytes), and the longest time the
main window goes without handling its events while a 1 GiB piece is copied.
"""
import os
import shutil
import subprocess

from common import MIB, fresh, run, sparse


def memory_and_gap(null_host, window_host, data, offscreen, say):
    source = os.path.join(data, "memory.bin")
    sparse(source, 1024 * MIB + 2)
    out = os.path.join(data, "out")
    say("| engine, piece size | peak RSS (MiB) |")
    say("|---|---|")
    peaks = []
    for piece in (MIB, 100 * MIB, 1024 * MIB):
        fresh(out)
        _, _, peak = run([null_host, source, str(piece), os.path.join(out, "memory.bin")])
        peaks.append(peak / 1024)
        say("| %d MiB | %.1f |" % (piece // MIB, peaks[-1]))
    fresh(out)
    process = subprocess.run([window_host, source, str(1024 * MIB), os.path.join(out, "memory.bin")],
                             env=offscreen, check=True, stdout=subprocess.PIPE, text=True)
    gap = next(int(line.split()[1]) for line in process.stdout.splitlines()
               if line.startswith("longest_gap_ms "))
    shutil.rmtree(out)
    os.remove(source)
    say()
    say("Longest time the main window went without handling its events while a 1 GiB "
        "piece was copied: %d ms." % gap)
    return ["peak memory %.1f to %.1f MiB across 1 MiB to 1 GiB pieces (the project's goal: "
            "within 2 MiB of each other, under 10 MiB)" % (min(peaks), max(peaks)),
            "longest gap between event pumps during a 1 GiB piece: %d ms (the project's "
            "goal: at most 100 ms)" % gap]
