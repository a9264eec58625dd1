"""What the benchmarks of bench/run share: the release build, timing a
program, fresh folders and sources, pairs of alternating runs, file systems
on loop-mounted images, a virtual display, and the sections of
bench/RESULTS.md.
"""
import contextlib
import os
import shutil
import statistics
import subprocess
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
MIB = 1 << 20


def build():
    folder = subprocess.run([os.path.join(ROOT, "tools", "build"), "--release"],
                            check=True, stdout=subprocess.PIPE, text=True).stdout.strip()
    return os.path.join(ROOT, folder.splitlines()[-1])


def run(command, env=None):
    """Runs command; returns (wall seconds, CPU seconds, peak resident KiB).
    The peak is what the program reports of itself (the benchmark programs
    print it): the child's rusage keeps the high-water mark of this
    interpreter, from which it was started. None where it reports nothing."""
    start = time.perf_counter()
    process = subprocess.Popen(command, env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.DEVNULL)
    output = process.stdout.read().decode()
    _, status, usage = os.wait4(process.pid, 0)
    wall = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        raise SystemExit("failed: " + " ".join(command))
    peak = None
    for line in output.splitlines():
        if line.startswith("peak_rss_kib "):
            peak = int(line.split()[1])
    return wall, usage.ru_utime + usage.ru_stime, peak


def fresh(folder):
    shutil.rmtree(folder, ignore_errors=True)
    os.makedirs(folder)


def make_source(path, size):
    if os.path.exists(path) and os.path.getsize(path) == size:
        return
    with open(path, "wb") as out:
        left = size
        while left:
            chunk = min(left, 16 * MIB)
            out.write(os.urandom(chunk))
            left -= chunk


def used_mib(folder):
    os.sync()
    return shutil.disk_usage(folder).used / MIB


def paired(commands, data, pairs, space=False):
    """Runs the commands (name -> argv builder) alternately; a warm-up first.
    Returns name -> list of (wall, cpu, rss), with the MiB that the run's
    output took on the file system (df before and after) added when space
    is asked for."""
    names = list(commands)
    results = {name: [] for name in names}
    for round_number in range(pairs + 1):
        order = names if round_number % 2 == 0 else list(reversed(names))
        for name in order:
            out = os.path.join(data, "out")
            fresh(out)
            argv, env = commands[name](out)
            before = used_mib(data) if space else None
            measured = run(argv, env)
            if space:
                measured += (used_mib(data) - before,)
            if round_number > 0:  # round 0 warms up
                results[name].append(measured)
            shutil.rmtree(out)
            # Each run starts with no dirty pages of the last one left to write back.
            os.sync()
    return results


def touch_free_memory():
    path = "/dev/shm/tarvolin-bench-touch"
    if not os.path.isdir("/dev/shm"):
        return
    free = shutil.disk_usage("/dev/shm").free
    available = os.sysconf("SC_PAGE_SIZE") * os.sysconf("SC_AVPHYS_PAGES")
    size = max(0, min(free, available) - 4 * (1 << 30))
    zeros = bytes(16 * MIB)
    try:
        with open(path, "wb") as out:
            for _ in range(size // len(zeros)):
                out.write(zeros)
    except OSError:
        pass
    finally:
        if os.path.exists(path):
            os.remove(path)


def median(values):
    return statistics.median(values)


def sparse(path, size):
    with open(path, "wb") as out:
        out.truncate(size)


def split_argv(source, piece, out, name):
    """GNU split naming its pieces as Tarvolin does."""
    return ["split", "-b", str(piece), "-d", "-a", "3", source, os.path.join(out, name + ".")]


def mounted_image(kind, image, mount, direct=False):
    """Makes a file system of that kind on a sparse image and mounts it by
    a loop device (one that reads and writes the image past this machine's
    memory where direct is asked for, so that what the file system holds is
    on the disk as on a device of its own); the reason when it cannot."""
    make = {"XFS": ["mkfs.xfs", "-q", "-f", "-m", "reflink=1", image],
            "Btrfs": ["mkfs.btrfs", "-q", "-f", image],
            "ext4": ["mkfs.ext4", "-q", "-F", image],
            "vfat": ["mkfs.vfat", image]}[kind]
    if os.geteuid() != 0:
        return "a loop mount needs root"
    if not shutil.which(make[0]):
        return make[0] + " is missing"
    sparse(image, 6 * 1024 * MIB)
    made = subprocess.run(make, stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
    if made.returncode != 0:
        return made.stdout.strip()
    os.makedirs(mount, exist_ok=True)
    device = image
    options = ["-o", "loop"]
    if direct:
        attached = subprocess.run(["losetup", "--direct-io=on", "--find", "--show", image],
                                  stdout=subprocess.PIPE, stderr=subprocess.STDOUT, text=True)
        if attached.returncode != 0:
            return attached.stdout.strip()
        device, options = attached.stdout.strip(), []
    mounted = subprocess.run(["mount"] + options + [device, mount], stdout=subprocess.PIPE,
                             stderr=subprocess.STDOUT, text=True)
    if mounted.returncode != 0 and direct:
        subprocess.run(["losetup", "--detach", device])
    return None if mounted.returncode == 0 else mounted.stdout.strip()


def unmount_image(mount):
    """Unmounts the image and lets go of its loop device."""
    device = subprocess.run(["findmnt", "-no", "SOURCE", mount], stdout=subprocess.PIPE,
                            text=True).stdout.strip()
    subprocess.run(["umount", mount])
    if device.startswith("/dev/loop"):
        subprocess.run(["losetup", "--detach", device], stderr=subprocess.DEVNULL)


def replace_section(results, lines):
    """Puts the lines, a section of their own, in place of that section of
    the results (or before the notes)."""
    with open(results) as old:
        text = old.read()
    heading = lines[0]
    section = "\n".join(lines) + "\n"
    if heading in text:
        start = text.index(heading)
        end = text.find("\n## ", start + len(heading))
        text = text[:start] + section + (text[end + 1:] if end >= 0 else "")
    elif "\n## Notes" in text:
        at = text.index("\n## Notes") + 1
        text = text[:at] + section + text[at:]
    else:
        text += "\n" + section
    with open(results, "w") as out:
        out.write(text)


@contextlib.contextmanager
def virtual_display():
    """A display of its own for the real windows, started as the tools start
    theirs (start_display of tools/window-test: Xvfb on a free display, then
    openbox); yields its DISPLAY, and ends both afterwards."""
    shell = subprocess.Popen(
        ["bash", "-c", '. tools/window-test && start_display && echo "$DISPLAY" && read -r _;'
         " stop_display"], cwd=ROOT, stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)
    try:
        display = shell.stdout.readline().strip()
        if display in ("", ":"):
            raise SystemExit("no virtual display could be started")
        yield display
    finally:
        shell.stdin.close()
        shell.wait()
