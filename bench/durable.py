"""Until the pieces are on the disk: 1 GiB in pieces of 100 MiB and of 1 MiB,
100 MiB in pieces of 10 KiB and 60000 bytes in pieces of 2 bytes, the best
of at least three pairs, each started once the machine is quiet, Tarvolin
(which flushes every piece, the script and the folder) against `split`
followed by `sync`, beside the source on this machine's disk and on tmpfs;
and to another file system (ext4 and vfat images on loop devices that write
past this machine's memory), Tarvolin with its read-back against `split`,
`sync` and `cmp` of every piece read from the device. Then how far the
progress ran ahead of the device: the most that /proc/meminfo's Dirty and
Writeback grew during a 1 GiB split in pieces of 100 MiB to the ext4 image,
against split's. A section of its own in bench/RESULTS.md.
"""
import datetime
import os
import shutil
import subprocess
import time

from common import MIB, fresh, make_source, mounted_image, run, split_argv, unmount_image


def dirty_kib():
    """What the system holds to write back: Dirty and Writeback of /proc/meminfo."""
    total = 0
    with open("/proc/meminfo") as info:
        for line in info:
            if line.startswith(("Dirty:", "Writeback:")):
                total += int(line.split()[1])
    return total


def most_dirty(argv):
    """Runs argv, sampling the pages waiting to be written every 2 ms; the
    most they grew above where they stood at the start, in MiB."""
    os.sync()
    start = dirty_kib()
    most = 0
    process = subprocess.Popen(argv, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    while process.poll() is None:
        most = max(most, dirty_kib() - start)
        time.sleep(0.002)
    return most / 1024


def wait_quiet(limit=120):
    """Waits, at most limit seconds, until the machine is quiet as far as
    the bench can tell: nothing else runnable (the 1-minute load average
    below 1) and nothing waiting to be written. Returns the load then."""
    deadline = time.time() + limit
    while True:
        os.sync()
        load = os.getloadavg()[0]
        if (load < 1.0 and dirty_kib() < 1024) or time.time() > deadline:
            return load
        time.sleep(2)


# The durable rows: (source bytes, piece bytes, label).
DURABLE_ROWS = [
    (1024 * MIB, 100 * MIB, "1 GiB in 100 MiB pieces (11)"),
    (1024 * MIB, 1 * MIB, "1 GiB in 1 MiB pieces (1024)"),
    (100 * MIB, 10 * 1024, "100 MiB in 10 KiB pieces (10240)"),
    (60000, 2, "60000 bytes in 2-byte pieces (30000)"),
]


# Drops the pieces named on the command line from memory, so that what
# reads them next reads the device (the bench's stand-in for dd
# iflag=nocache, one process for every piece).
DROP_PIECES = ("import os, sys\n"
               "for name in sys.argv[1:]:\n"
               "    fd = os.open(name, os.O_RDONLY)\n"
               "    os.posix_fadvise(fd, 0, 0, os.POSIX_FADV_DONTNEED)\n"
               "    os.close(fd)\n")


def durable(null_host, data, pairs, say):
    """The time until the pieces are on the disk, beside the source and on
    another file system, for few and for many pieces, and how far the
    progress runs ahead of the device."""
    pairs = max(pairs, 3)
    say("## Until the pieces are on the disk")
    say()
    say("Made by `bench/run` on %s: random bytes, the best of %d pairs after a warm-up, each "
        "pair started once the machine was quiet as far as the bench can tell (load average "
        "below 1, nothing waiting to be written; the load is in the last column). Tarvolin "
        "makes every piece, the script and the folder safe on the device before its notice, "
        "and reads back from the device the pieces that go to another file system; `split` is "
        "followed by `sync` and, on another file system, by a comparison of the pieces with "
        "the source, every piece dropped from memory first so that it is read from the "
        "device. The images of the other file systems are on loop devices with direct I/O: "
        "what reaches them is on this machine's disk, and what is waiting to be written is "
        "the pieces' own." % (datetime.date.today().isoformat(), pairs))
    say()
    say("Goals: at most 1.0 × `split` + `sync` beside the source; at most 1.0 × `split` + "
        "`sync` + the comparison on another file system; in every row.")
    say()
    say("| where the pieces go | source, pieces | Tarvolin wall (s) | split + sync (+ cmp) "
        "wall (s) | ratio | load |")
    say("|---|---|---|---|---|---|")
    verdicts = []

    def compare(source, where, label, check, piece, count, row):
        digits = max(3, len(str(count - 1)))
        shell = "split -b %d -d -a %d %s $out/source.bin. && sync" % (piece, digits, source)
        if check:
            # Relative names: 30000 full paths pass the limit of one command line.
            shell += (" && cd $out && python3 -c \"$DROP\" source.bin.*"
                      " && cat source.bin.* | cmp -s - %s" % source)
        results = {"ours": [], "theirs": []}
        for round_number in range(pairs + 1):
            load = wait_quiet()
            for name in ("ours", "theirs") if round_number % 2 == 0 else ("theirs", "ours"):
                out = os.path.join(where, "out")
                fresh(out)
                os.sync()
                if name == "ours":
                    argv = [null_host, source, str(piece), os.path.join(out, "source.bin")]
                else:
                    argv = ["bash", "-c", shell.replace("$out", out)]
                measured = run(argv, dict(os.environ, DROP=DROP_PIECES))
                if round_number > 0:
                    results[name].append((measured[0], load))
                shutil.rmtree(out)
                os.sync()
        ours = min(results["ours"])
        theirs = min(results["theirs"])
        ratio = ours[0] / theirs[0]
        load = max(l for _, l in results["ours"] + results["theirs"])
        say("| %s | %s | %.3f | %.3f | %.2f | %.1f |" % (label, row, ours[0], theirs[0], ratio,
                                                        load))
        verdicts.append("%s, %s: %.2f x split + sync%s (the project's goal: at most 1.0)"
                        % (label, row, ratio, " + cmp" if check else ""))

    disk = os.path.join(data, "durable")
    os.makedirs(disk, exist_ok=True)
    kind = subprocess.run(["findmnt", "-no", "FSTYPE", "-T", disk], stdout=subprocess.PIPE,
                          text=True).stdout.strip()
    sources = {}
    for size, _, _ in DURABLE_ROWS:
        sources[size] = os.path.join(disk, "source-%d.bin" % size)
        make_source(sources[size], size)
    places = [(disk, "beside the source, this machine's disk (%s)" % kind, False)]
    shm = "/dev/shm/tarvolin-bench-durable"
    lead = []
    for size, piece, row in DURABLE_ROWS:
        count = -(-size // piece)
        compare(sources[size], disk, places[0][1], False, piece, count, row)
    fresh(shm)
    try:
        in_memory = os.path.join(shm, "source.bin")
        shutil.copyfile(sources[DURABLE_ROWS[0][0]], in_memory)
        size, piece, row = DURABLE_ROWS[0]
        compare(in_memory, shm, "beside the source, tmpfs", False, piece, -(-size // piece), row)
    finally:
        shutil.rmtree(shm, ignore_errors=True)
    for image_kind in ("ext4", "vfat"):
        image = os.path.join(data, image_kind + ".img")
        mount = os.path.join(data, image_kind)
        why = mounted_image(image_kind, image, mount, direct=True)
        label = "another file system, loop-mounted %s image" % image_kind
        if why is not None:
            say("| %s | | not measured: %s | | | |" % (label, why.splitlines()[-1]))
            if os.path.exists(image):
                os.remove(image)
            continue
        try:
            for size, piece, row in DURABLE_ROWS:
                compare(sources[size], mount, label, True, piece, -(-size // piece), row)
            if image_kind == "ext4":
                size, piece, _ = DURABLE_ROWS[0]
                source = sources[size]
                out = os.path.join(mount, "out")
                for name, argv in (("Tarvolin", [null_host, source, str(piece),
                                                 os.path.join(out, "source.bin")]),
                                   ("split", split_argv(source, piece, out, "source.bin"))):
                    fresh(out)
                    lead.append((name, most_dirty(argv)))
                    shutil.rmtree(out)
        finally:
            unmount_image(mount)
            os.remove(image)
    say()
    if lead:
        say("Most the pages waiting to be written grew during the split of 1 GiB in 100 MiB "
            "pieces to the ext4 image (how far the progress can run ahead of the device): " +
            ", ".join("%s %.0f MiB" % (name, mib) for name, mib in lead) + ".")
        verdicts.append("ahead of the device: " +
                        ", ".join("%s %.0f MiB" % (name, mib) for name, mib in lead))
        say()
    for verdict in verdicts:
        say("- " + verdict)
    say()
    return verdicts
