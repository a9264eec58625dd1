"""File systems that share blocks: XFS (reflink) and Btrfs, each on a
loop-mounted image, 2 GiB in pieces of 10 MiB (a multiple of the block size:
the pieces can share the source's blocks) and of 100000000 bytes (not a
multiple: the system copies), against split, paired as in the throughput;
the space each run's output takes (df before and after), the pieces that
share blocks (filefrag), and every piece joined back and compared. Skipped
with a message where loop devices or the file systems cannot be had. A
section of its own in bench/RESULTS.md.
"""
import datetime
import os
import shutil
import subprocess

from common import MIB, fresh, make_source, median, mounted_image, paired, run, split_argv


def shared_pieces(names):
    """How many of the files share blocks with another file (filefrag -v)."""
    count = 0
    for name in names:
        extents = subprocess.run(["filefrag", "-v", name], stdout=subprocess.PIPE,
                                 text=True).stdout
        count += "shared" in extents
    return count


def block_sharing(null_host, data, pairs, say):
    """2 GiB on XFS with reflink and on Btrfs, loop-mounted images."""
    say("## File systems that share blocks")
    say()
    say("Made by `bench/run` on %s: 2 GiB of random bytes on a loop-mounted image of each file "
        "system, %d pairs after a warm-up, medians; space is what a run's output took (df before "
        "and after); a piece shares blocks when `filefrag -v` marks an extent shared."
        % (datetime.date.today().isoformat(), pairs))
    say()
    say("Goal for pieces of a multiple of the block size: every piece shares the source's blocks, "
        "no space is written, and the time is a small part of split's. Source: a C loop of 1 MiB "
        "`copy_file_range` steps on this machine's loop-mounted XFS image split 2 GiB into 10 MiB "
        "pieces in 0.06-0.08 s, against 0.9-4.4 s for split, and took no extra space.")
    say("Pieces of 100000000 bytes (not a multiple of the block size: the system copies all but "
        "the first piece) have no goal of their own; the rows show what the copy costs there.")
    say()
    say("| file system, piece size | Tarvolin wall (s) | split wall (s) | wall ratio "
        "| Tarvolin space (MiB) | split space (MiB) | pieces sharing blocks | joined back |")
    say("|---|---|---|---|---|---|---|---|")
    size = 2048 * MIB
    verdicts = []
    for kind in ("XFS", "Btrfs"):
        image = os.path.join(data, kind + ".img")
        mount = os.path.join(data, kind)
        why = mounted_image(kind, image, mount)
        if why is not None:
            say("| %s | not measured: %s | | | | | | |" % (kind, why.splitlines()[-1]))
            verdicts.append("%s: not measured (%s)" % (kind, why.splitlines()[-1]))
            if os.path.exists(image):
                os.remove(image)
            continue
        try:
            source = os.path.join(mount, "source.bin")
            make_source(source, size)
            os.sync()
            for piece in (10 * MIB, 100000000):
                results = paired({
                    "ours": lambda out, p=piece: ([null_host, source, str(p),
                                                   os.path.join(out, "source.bin")], None),
                    "split": lambda out, p=piece: (split_argv(source, p, out, "source.bin"), None),
                }, mount, pairs, space=True)
                ours, theirs = results["ours"], results["split"]
                ratio = median([o[0] / t[0] for o, t in zip(ours, theirs)])
                # One more run, kept: its pieces are checked for shared blocks and
                # joined back as the script joins them.
                out = os.path.join(mount, "out")
                fresh(out)
                run([null_host, source, str(piece), os.path.join(out, "source.bin")])
                names = [os.path.join(out, "source.bin.%03d" % i) for i in range(-(-size // piece))]
                shared = shared_pieces(names)
                same = subprocess.run("cat %s | cmp -s - %s" % (" ".join(names), source),
                                      shell=True).returncode == 0
                shutil.rmtree(out)
                label = "%d MiB" % (piece // MIB) if piece % MIB == 0 else "%d bytes" % piece
                say("| %s, %s | %.3f | %.3f | %.2f | %.0f | %.0f | %d of %d | %s |" % (
                    kind, label, median([o[0] for o in ours]), median([t[0] for t in theirs]),
                    ratio, median([o[3] for o in ours]), median([t[3] for t in theirs]),
                    shared, len(names), "yes" if same else "NO"))
                verdicts.append("%s, 2 GiB in pieces of %s: wall ratio %.2f, %.0f MiB written "
                                "against split's %.0f, %d of %d pieces share blocks, joined "
                                "back %s" % (kind, label, ratio, median([o[3] for o in ours]),
                                             median([t[3] for t in theirs]), shared, len(names),
                                             "byte for byte" if same else "WRONG"))
        finally:
            subprocess.run(["umount", mount])
            os.remove(image)
    say()
    for verdict in verdicts:
        say("- " + verdict)
    say()
    return verdicts
