#!/usr/bin/python3
"""The exact-nadir window as it opens on a small desktop, read over AT-SPI as a screen reader finds it: once a
reading shows, the window with the frame its window manager adds lies inside the work area, every button
inside the window, and no label's box overlaps a button's.

Usage: atspi_fit.py PID FRAME_LEFT FRAME_RIGHT FRAME_TOP FRAME_BOTTOM WORK_WIDTH WORK_HEIGHT"""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

pid = int(sys.argv[1])
left, right, top, bottom, work_width, work_height = (int(a) for a in sys.argv[2:8])


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def children(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child


def walk(node):
    yield node
    for child in children(node):
        yield from walk(child)


def box(node):
    e = node.get_extents(Atspi.CoordType.SCREEN)
    return (e.x, e.y, e.x + e.width, e.y + e.height)


def showing(node):
    return node.get_state_set().contains(Atspi.StateType.SHOWING)


def meets(a, b):
    return a[0] < b[2] and b[0] < a[2] and a[1] < b[3] and b[1] < a[3]


def exact_window():
    for app in children(Atspi.get_desktop(0)):
        if app.get_process_id() == pid:
            app.set_cache_mask(Atspi.Cache.NONE)
            for window in children(app):
                buttons = [n for n in walk(window) if n.get_role() == Atspi.Role.PUSH_BUTTON]
                # the exact window is the one with five buttons, Copy among them enabled once a reading shows
                if len(buttons) >= 5 and all(b.get_state_set().contains(Atspi.StateType.ENABLED) for b in buttons):
                    return window, buttons
    return None


end = time.monotonic() + 60
found = None
while found is None and time.monotonic() < end:
    found = exact_window()
    time.sleep(0.3)
if found is None:
    fail("no exact-nadir window with a reading in the accessible tree")
window, buttons = found


def outside(outer):
    return outer[0] < 0 or outer[1] < 0 or outer[2] > work_width or outer[3] > work_height


# The window manager frames and places the window after it is mapped; on a busy machine the window may still
# be on its way when its reading shows. Where it comes to rest is what counts.
end = time.monotonic() + 20
while True:
    frame = box(window)
    outer = (frame[0] - left, frame[1] - top, frame[2] + right, frame[3] + bottom)
    if not outside(outer) or time.monotonic() > end:
        break
    time.sleep(0.3)
if outside(outer):
    fail(f"the window with its frame {outer} leaves the work area {work_width} x {work_height}")
labels = [n for n in walk(window) if n.get_role() == Atspi.Role.LABEL and showing(n) and n.get_name()]
for button in buttons:
    if not (frame[0] <= box(button)[0] and box(button)[2] <= frame[2] and frame[1] <= box(button)[1]
            and box(button)[3] <= frame[3]):
        fail(f"the button {button.get_name()!r} {box(button)} lies outside the window {frame}")
    for label in labels:
        if meets(box(label), box(button)):
            fail(f"the label {label.get_name()[:60]!r} {box(label)} overlaps the button {button.get_name()!r} "
                 f"{box(button)}")
print(f"ok: the window with its frame {outer} inside {work_width} x {work_height}: {len(labels)} labels, "
      f"none over its {len(buttons)} buttons")
