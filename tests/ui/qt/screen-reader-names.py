#!/usr/bin/python3
"""The main window as a screen reader reads it.

Starts the real program on its own Xvfb display with a private D-Bus session
and the accessibility bus, reads the window's tree through AT-SPI (as Orca
does) and checks that every control that takes the focus has its own name
and the right role, and that the source label is labelled by its caption.
Prints the tree's focusable controls. Exits 77 (skipped) only where the
buses or the display cannot start.

Usage: screen-reader-names.py PROGRAM
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77

# name -> role, as the window offers them
EXPECTED = {
    "开始分割": "push button",
    "驱动器": "combo box",
    "文件夹": "list",
    "文件": "list",
    "分割后文件的大小：": "text",
    "分割后文件保存在：": "text",
    "关闭": "push button",
    "关于": "push button",
}
# Whatever lies inside these is the control's own (entries, menus).
COMPOUND = {"combo box", "list", "list box", "table", "tree", "menu"}


def skip(why):
    print("skipped: " + why)
    sys.exit(SKIP)


def wait_for(what, timeout):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = what()
        if found:
            return found
        time.sleep(0.2)
    return None


def focusable_controls(node, found):
    """Every focusable object below node, the insides of lists left out."""
    import pyatspi

    for child in node:
        if child is None:
            continue
        role = child.getRoleName()
        if child.getState().contains(pyatspi.STATE_FOCUSABLE):
            found.append(child)
        if role not in COMPOUND:
            focusable_controls(child, found)
    return found


def all_objects(node):
    yield node
    for child in node:
        if child is not None:
            yield from all_objects(child)


def check(program):
    try:
        import pyatspi
    except ImportError:
        skip("python3-pyatspi is not installed")

    def application():
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and "tarvolin" in (app.name or "").lower():
                for window in app:
                    if window is not None and window.name.startswith("Tarvolin"):
                        return window
        return None

    scratch = tempfile.mkdtemp()
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
               LC_ALL="C.UTF-8", LANG="C.UTF-8")
    tarvolin = subprocess.Popen([program], cwd=scratch, env=env)
    try:
        window = wait_for(application, 30)
        if window is None:
            print("the window never came up on the accessibility bus")
            return 1
        failures = []
        controls = focusable_controls(window, [])
        print("Focusable controls as a screen reader reads them:")
        for control in controls:
            print("  %-12s %s" % (control.getRoleName(), control.name))
        names = [c.name for c in controls]
        for name, role in EXPECTED.items():
            matching = [c for c in controls if c.name == name]
            if len(matching) != 1:
                failures.append("%s: %d controls of that name" % (name, len(matching)))
            elif matching[0].getRoleName() != role:
                failures.append("%s: a %s, not a %s" % (name, matching[0].getRoleName(), role))
        for name in names:
            if name not in EXPECTED:
                failures.append("a control named %r" % name)

        # The source label: its caption labels it.
        labels = [o for o in all_objects(window)
                  if o.getRoleName() == "label" and any(
                      r.getRelationType() == pyatspi.RELATION_LABELLED_BY and
                      r.getTarget(0).name == "将要被分割文件名："
                      for r in o.getRelationSet())]
        print("Labelled by 将要被分割文件名：: %d label(s)" % len(labels))
        if len(labels) != 1:
            failures.append("the source label is not labelled by 将要被分割文件名：")
        for failure in failures:
            print("FAIL: " + failure)
        return 1 if failures else 0
    finally:
        tarvolin.terminate()
        tarvolin.wait(10)
        shutil.rmtree(scratch, ignore_errors=True)


def start_display():
    """Xvfb on the first free display, which it picks itself (no other
    Xvfb started beside it gets the same) and names once it accepts
    clients; the server and its display's name. Without -noreset the
    server resets when its last client leaves (the accessibility bus's
    launcher, which only sets a property) and refuses the program and the
    registry while it does."""
    read, write = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
         "-noreset"],
        pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write)
    with os.fdopen(read) as numbers:
        number = numbers.readline().strip()
    if not number:
        xvfb.kill()
        skip("Xvfb did not start")
    return xvfb, ":" + number


def main():
    program = os.path.abspath(sys.argv[1])
    if os.environ.get("TARVOLIN_PRIVATE_BUS") != "1":
        # Again, on a display and in a D-Bus session of its own; the buses
        # started on demand then know the display.
        for tool in ("Xvfb", "dbus-run-session", "dbus-send"):
            if shutil.which(tool) is None:
                skip(tool + " is not installed")
        xvfb, display = start_display()
        try:
            env = dict(os.environ, DISPLAY=display, TARVOLIN_PRIVATE_BUS="1")
            env.pop("XAUTHORITY", None)
            sys.exit(subprocess.call(
                ["dbus-run-session", "--", sys.executable, __file__, program], env=env))
        finally:
            xvfb.terminate()
            xvfb.wait(10)

    # The accessibility bus starts on its first call.
    started = wait_for(lambda: subprocess.call(
        ["dbus-send", "--session", "--print-reply", "--dest=org.a11y.Bus", "/org/a11y/bus",
         "org.a11y.Bus.GetAddress"], stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL) == 0, 10)
    if not started:
        skip("the accessibility bus did not start")
    return check(program)


if __name__ == "__main__":
    sys.exit(main())
