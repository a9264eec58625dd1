"""Throughput: a file of random bytes (1 GiB unless --size-mib says
otherwise) split into pieces of 100 MiB, 10 MiB and 1 MiB by Tarvolin's
engine with a host that does nothing, against `split -b SIZE -d -a 3` on the
same file into a folder on the same file system (`-a 4` where more than 1000
pieces need four digits, as Tarvolin's names then have). After a warm-up the
two alternate, N pairs (5 unless --pairs says otherwise); the medians of
wall and CPU time and the median of the pairwise ratios are reported.
"""
import os

from common import MIB, median, paired


def throughput(null_host, big, size_mib, data, pairs, say):
    say("| piece size | Tarvolin wall (s) | split wall (s) | wall ratio | Tarvolin CPU (s) "
        "| split CPU (s) | CPU ratio | Tarvolin peak RSS (MiB) |")
    say("|---|---|---|---|---|---|---|---|")
    verdicts = []
    for piece in (100 * MIB, 10 * MIB, 1 * MIB):
        results = paired({
            "ours": lambda out, p=piece: ([null_host, big, str(p), os.path.join(out, "source.bin")], None),
            "split": lambda out, p=piece: (["split", "-b", str(p), "-d", "-a",
                                            "3" if size_mib * MIB // p <= 1000 else "4",
                                            big, os.path.join(out, "source.bin.")], None),
        }, data, pairs)
        ours, theirs = results["ours"], results["split"]
        wall_ratio = median([o[0] / t[0] for o, t in zip(ours, theirs)])
        cpu_ratio = median([o[1] / t[1] for o, t in zip(ours, theirs)])
        rss = max(o[2] for o in ours) / 1024
        say("| %d MiB | %.3f | %.3f | %.2f | %.3f | %.3f | %.2f | %.1f |" % (
            piece // MIB, median([o[0] for o in ours]), median([t[0] for t in theirs]),
            wall_ratio, median([o[1] for o in ours]), median([t[1] for t in theirs]),
            cpu_ratio, rss))
        verdicts.append("%d MiB: wall ratio %.2f (the project's goal: at most 0.7 × GNU split), "
                        "CPU ratio %.2f (the project's goal: at most 0.5 × GNU split), "
                        "peak %.1f MiB" % (piece // MIB, wall_ratio, cpu_ratio, rss))
    return verdicts
