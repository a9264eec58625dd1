"""The whole program as a user runs it: the real window under Xvfb, the press
of Enter on "开始分割" until the script appears, 1 GiB in 10 MiB pieces on
tmpfs, against split and the engine alone on the same file.
"""
import os
import shutil
import subprocess
import time

from common import MIB, fresh, median, run, virtual_display


def whole_program(folder, null_host, big, say):
    """The real program under Xvfb, driven by the keyboard: from the press of
    Enter on the start button to the script's appearance."""
    program = os.path.join(folder, "app", "tarvolin")
    if not (shutil.which("Xvfb") and shutil.which("xdotool")) or not os.path.exists(program):
        say("(the whole program was not measured: Xvfb, xdotool or the program is missing)")
        return []
    shm = "/dev/shm/tarvolin-bench"
    fresh(shm)
    source = os.path.join(shm, "source.bin")
    shutil.copyfile(big, source)
    times = {"program": [], "engine": [], "split": []}
    try:
        with virtual_display() as display:
            env = dict(os.environ, DISPLAY=display, QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8")
            key = lambda *keys: subprocess.run(["xdotool", "key", "--delay", "60"] + list(keys),
                                               env=env)
            for _ in range(3):
                for name in list(os.listdir(shm)):
                    if name != "source.bin":
                        os.remove(os.path.join(shm, name))
                os.sync()
                app = subprocess.Popen([program], cwd=shm, env=env, stdout=subprocess.DEVNULL,
                                       stderr=subprocess.DEVNULL)
                window = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name",
                                         "Tarvolin"], env=env, stdout=subprocess.PIPE,
                                        text=True).stdout.split()[0]
                # The keys go to the window that has the focus, as tools/window-test gives it.
                subprocess.run(["xdotool", "windowactivate", "--sync", window], env=env,
                               stderr=subprocess.DEVNULL)
                time.sleep(1)
                key("Tab", "Tab", "Tab", "Home", "Tab")
                subprocess.run(["xdotool", "type", "--delay", "40", str(10 * MIB)], env=env)
                key("shift+Tab", "shift+Tab", "shift+Tab", "shift+Tab")
                time.sleep(0.5)
                script = os.path.join(shm, "source.bin.BAT")
                start = time.perf_counter()
                subprocess.run(["xdotool", "key", "Return"], env=env)
                while not os.path.exists(script):
                    if time.perf_counter() - start > 60:
                        raise SystemExit("the program wrote no script")
                    time.sleep(0.001)
                times["program"].append(time.perf_counter() - start)
                app.kill()
                app.wait()
                for name in os.listdir(shm):
                    if name != "source.bin":
                        os.remove(os.path.join(shm, name))
                times["engine"].append(run([null_host, source, str(10 * MIB),
                                            os.path.join(shm, "engine.bin")])[0])
                for name in os.listdir(shm):
                    if name != "source.bin":
                        os.remove(os.path.join(shm, name))
                times["split"].append(run(["split", "-b", str(10 * MIB), "-d", "-a", "3", source,
                                           os.path.join(shm, "split.bin.")])[0])
    finally:
        shutil.rmtree(shm, ignore_errors=True)
    program_s, engine_s, split_s = (median(times[k]) for k in ("program", "engine", "split"))
    say("| 1 GiB in 10 MiB pieces on tmpfs | wall (s) |")
    say("|---|---|")
    say("| the program: Enter on 开始分割 to the script | %.3f |" % program_s)
    say("| the engine alone | %.3f |" % engine_s)
    say("| split | %.3f |" % split_s)
    return ["the whole program: %.2f x split (the project's goal: at most 1.0 × GNU split), "
            "%.2f x the engine alone (the project's goal: at most 1.1 × the engine)"
            % (program_s / split_s, program_s / engine_s)]
