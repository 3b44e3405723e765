#!/usr/bin/env python3
# SPDX-License-Identifier: LGPL-2.1-or-later
# Drives the gallery with real pointer and keyboard input (xdotool) and checks where its window
# is after each step: on X11 by xwininfo; on Wayland (QT_QPA_PLATFORM=wayland, in the compositor
# of tests/e2e/with-weston.sh), where a client cannot learn where it is, from screenshots. A
# failure leaves gallery_e2e-failure.png in the given folder.
#   scripts/with-display.sh tests/e2e/gallery_e2e.py <tarn-gallery> <folder>
import os, re, subprocess, sys, tempfile, threading, time  # noqa: E401

GALLERY, OUT = sys.argv[1:3]
WAYLAND = os.environ.get("QT_QPA_PLATFORM") == "wayland"
G, PAGE = "GalleryWindow", "TarnBaseDialog"  # the gallery and its shortcut page, by class
CONFIG = tempfile.TemporaryDirectory()
SIZES, CONTROLS = {}, {}  # what the gallery lists of a window each time it gets the focus
# The edge and corner drags: the sides dragged (-1 left or top, 1 right or bottom), the travel.
EDGES = [((1, 0), (60, 0)), ((0, 1), (0, 40)), ((-1, 0), (-50, 0)), ((0, -1), (0, -30)),
         ((-1, -1), (20, 25)), ((1, 1), (-40, -30)), ((1, -1), (15, -10)), ((-1, 1), (-25, 15))]


def read(stdout):
    for kind, window, *rest in (line.rstrip("\n").split("\t") + [""] for line in stdout):
        if kind == "window":  # size, minimum size
            SIZES[window] = tuple(map(int, rest[0].split(",")))
        elif kind == "widget":  # rectangle in the window, class, object name, text
            CONTROLS[(window, *rest[1:4])] = tuple(map(int, rest[0].split(",")))


def wait_for(what, condition, timeout=30):
    end = time.monotonic() + timeout
    while not (result := condition()):
        assert time.monotonic() < end, f"timed out waiting for {what() if callable(what) else what}"
        time.sleep(0.02)
    return result


def run(*args, text=True, check=True):
    return subprocess.run(list(map(str, args)), capture_output=True, text=text, check=check).stdout


WIDTH, HEIGHT = map(int, run("xdotool", "getdisplaygeometry").split())
OUTPUT = 0, 0, WIDTH, HEIGHT - 1  # weston's, on the X screen less its bottom row


def frames():
    # The windows in a screenshot, each by the rows where its border ring (colour 0, 16, 13)
    # runs alike. A maximised window has no ring: it is the output when no background shows.
    run("xdotool", "mousemove", WIDTH - 1, HEIGHT - 2)  # the pointer's picture would cut a ring
    shot, rows = run("import", "-window", "root", "-depth", "8", "rgb:-", text=False), {}
    for y in range(HEIGHT - 1):
        for ring in re.finditer(rb"(?:\x00\x10\x0d){40,}", shot[3 * WIDTH * y:3 * WIDTH * (y + 1)]):
            if ring.start() % 3 == 0:
                rows.setdefault((ring.start() // 3, (ring.end() - ring.start()) // 3), []).append(y)
    found = [(x, ys[0], w, ys[-1] - ys[0] + 1) for (x, w), ys in rows.items() if len(ys) > 1]
    return found or ([OUTPUT] if b"\x00\xff\x00" not in shot else [])  # weston.ini's background


def geometry(name):  # (x, y, width, height) of the window of that class; falsy when not shown
    if WAYLAND:  # the page is the ring of the size it listed, the gallery any other
        return next((r for r in frames() if (r[2:] == SIZES.get(PAGE)) == (name == PAGE)), None)
    ids, i = re.findall(r"0x[0-9a-f]+", run("xprop", "-root", "_NET_CLIENT_LIST")), name == PAGE
    info = run("xwininfo", "-id", ids[i], check=False) if len(ids) > i else ""
    numbers = re.findall(r"(?:Absolute upper-left [XY]|Width|Height):\s+(-?\d+)", info)
    return "IsViewable" in info and tuple(map(int, numbers))


def expect(name, rect):  # a compositor sizes without the library's extra pixel: ±2 on Wayland
    return wait_for(lambda: f"{name} at {rect}, not at {geometry(name)}", lambda: (now := geometry(
        name)) and max(abs(a - b) for a, b in zip(now, rect)) <= 2 * WAYLAND and now)


def control(name, *key):  # the screen point of a control's centre
    rect = wait_for(f"{key} listed", lambda: next(
        (r for k, r in list(CONTROLS.items()) if k[:len(key) + 1] == (name, *key)), None))
    x, y, w, _ = wait_for(f"{name} on the screen", lambda: geometry(name))
    # The only control clicked after the window grew (close) keeps to the right edge.
    return x + w - SIZES[name][0] + rect[0] + rect[2] // 2, y + rect[1] + rect[3] // 2


def title():  # a point on the gallery's title bar, below its top band and 1 px border
    x, y, w, _ = geometry(G)
    return x + w // 3, y + 16


def click(point, count=1):
    run("xdotool", "mousemove", *point, "click", "--repeat", count, "--delay", 80, 1)


def drag(x, y, dx, dy):
    # A compositor takes a drag once the gallery asks, which needs the button still held and a
    # move still to come; it places a window dragged by its left or top edge until the release.
    pause = ["sleep", 0.3] if WAYLAND else []
    run("xdotool", "mousemove", x, y, "mousedown", 1, *pause, "mousemove", x + dx // 2,
        y + dy // 2, *pause, "mousemove", x + dx, y + dy, *pause, "mouseup", 1)


def resized(rect, sides, travel):  # the dragged size grows by the travel plus one pixel
    size = [n + side * d + (side != 0) for n, side, d in zip(rect[2:], sides, travel)]
    return (*[p + (n - m) * (side < 0) for p, n, m, side in zip(rect, rect[2:], size, sides)],
            *size)  # the opposite edge stays


# The UI scale 1.25 makes the title bar's height no whole number.
ENV = dict(os.environ, TARN_GALLERY_SCRIPTED="1", XDG_CONFIG_HOME=CONFIG.name,
           QT_QPA_PLATFORM="wayland" if WAYLAND else "xcb")
gallery = subprocess.Popen([GALLERY, "--scale", "1.25"], stdout=subprocess.PIPE, text=True, env=ENV)
threading.Thread(target=read, args=(gallery.stdout,), daemon=True).start()
sys.excepthook = lambda *error: (  # a failure leaves a screenshot
    run("import", "-window", "root", f"{OUT}/gallery_e2e-failure.png"), sys.__excepthook__(*error))
# A shortcut pressed into the page's Menu field, saved by Save (the green button).
click(control(G, "QPushButton", "", "Shortcut settings…"))
click(control(PAGE, "ShortCutEdit", "", "10"))
run("xdotool", "key", "ctrl+shift+j")
click(control(PAGE, "QPushButton", "greenColor"))
wait_for("the page to close", lambda: not geometry(PAGE))
assert "Menu\\Key=Ctrl+Shift+J" in open(f"{CONFIG.name}/tarn-gallery/tarn.ini").read()
for sides, travel in EDGES:
    x, y, w, h = start = geometry(G)
    drag(x + (sides[0] + 1) * (w - 1) // 2, y + (sides[1] + 1) * (h - 1) // 2, *travel)
    expect(G, resized(start, sides, travel))
x, y, w, h = geometry(G)
drag(*title(), 100, 50)
start = expect(G, (x + 100, y + 50, w, h))
area = OUTPUT if WAYLAND else run("xprop", "-root", "_NET_WORKAREA").split("=")[1].split(",")
for rect in (tuple(map(int, area[:4])), start):  # double clicks maximise, then restore
    click(title(), 2)
    expect(G, rect)
click(control(G, "QToolButton", "close-button"))
wait_for("the gallery to close", lambda: not geometry(G))
try:
    assert gallery.wait(30) == 0, "the gallery failed"
except subprocess.TimeoutExpired:
    # Qt 5.15's Wayland client at times deadlocks on quitting, its window already gone:
    # ~QWaylandDisplay waits for its event thread, which waits in wl_display_read_events().
    assert WAYLAND, "the gallery hung"
    gallery.kill()
