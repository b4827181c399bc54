#!/usr/bin/python3
"""What a screen reader finds of the exact-nadir window, read from outside over AT-SPI: the window is a frame or
a dialog (not a filler), and with the place list open, Down makes the highlighted place's row the focused
object, named by its text. Keys go in through xdotool, as a user's would.

Usage: atspi_exact.py PID WINDOW_ID WINDOW_TITLE TOOL
(TOOL: quorvis-exact, whose --places lists what the window's search finds, in order.)"""
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

pid, window_id, title, tool = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
TYPED = "lond"


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def poll(what, seconds=20):
    """what() until it gives something other than None, or None after `seconds`."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        value = what()
        if value is not None:
            return value
        time.sleep(0.2)
    return None


def children(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def role(node):
    return node.get_role_name()


def focused_rows(window):
    return [n.get_name() for n in walk(window)
            if n.get_role() == Atspi.Role.LIST_ITEM and n.get_state_set().contains(Atspi.StateType.FOCUSED)]


def press(*keys):
    subprocess.run(["xdotool", "windowfocus", "--sync", window_id, "key", "--delay", "80", *keys], check=True)


def the_app():
    desktop = Atspi.get_desktop(0)
    for app in children(desktop):
        if app.get_process_id() == pid:
            app.set_cache_mask(Atspi.Cache.NONE)  # states change under us; ask each time
            return app
    return None


app = poll(the_app, 60)
if app is None:
    fail(f"the program (pid {pid}) never registered on the accessibility bus")
window = poll(lambda: next((w for w in children(app) if w.get_name() == title), None))
if window is None:
    fail(f"no accessible window named {title!r}; the program's windows: "
         f"{[(w.get_name(), role(w)) for w in children(app)]}")
if window.get_role() not in (Atspi.Role.FRAME, Atspi.Role.DIALOG):
    fail(f"the exact-nadir window is announced as a {role(window)}, not as a frame or a dialog")
print(f"ok: the exact-nadir window is a {role(window)} named {title!r}")

listed = subprocess.run([tool, "--places", TYPED], check=True, capture_output=True, text=True).stdout
# "London, England, United Kingdom: 51°31′ N, 0°08′ W, Europe/London": the name before the last colon
expected = [line.rsplit(": ", 1)[0].strip() for line in listed.splitlines() if line.strip()]
subprocess.run(["xdotool", "windowfocus", "--sync", window_id, "type", "--delay", "80", TYPED], check=True)
rows = poll(lambda: next(([r.get_name() for r in children(n)] for n in walk(window)
                          if n.get_role() == Atspi.Role.LIST and n.get_name() == "Places found"
                          and n.get_state_set().contains(Atspi.StateType.SHOWING)
                          and n.get_child_count() > 1), None))
if rows is None:
    fail(f"after typing {TYPED!r}, the accessible tree holds no place list with its rows")
print(f"ok: the place list is in the tree with {len(rows)} rows, the first {rows[0]!r}")

for reached in range(2):
    press("Down")
    want = expected[reached] if reached < len(expected) else None

    def heard():
        rows = focused_rows(window)
        # a row may add its coordinates to tell it from a town of the same name
        named = len(rows) == 1 and want and (rows[0] == want or rows[0].startswith(want + " ("))
        return rows if named else None

    got = poll(heard, 10)
    if got is None:
        fail(f"after Down #{reached + 1} the focused rows are {focused_rows(window)}, not {want!r} "
             f"(quorvis-exact --places {TYPED} lists {expected})")
    print(f"ok: Down #{reached + 1}: the focused object is the row {got[0]!r}")
