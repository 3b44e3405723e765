#!/usr/bin/env python3
# SPDX-License-Identifier: LGPL-2.1-or-later
"""Drives the gallery on a real X display with real pointer and keyboard input (xdotool) and
checks the window geometry after every step; on failure it leaves a screenshot of the screen.
With QT_QPA_PLATFORM=wayland it drives the gallery in a compositor nested in the display
(tests/e2e/with-weston.sh), where it finds the windows by their rings in screenshots.

    scripts/with-display.sh tests/e2e/gallery_e2e.py <tarn-gallery> <folder for screenshots>

Exits 77 (skipped) when an X tool it needs is missing."""
import collections
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time

TOOLS = ("xdotool", "xprop", "xwininfo", "import")
GALLERY, OUT_DIR = sys.argv[1], sys.argv[2]
BORDER = 1  # the gallery window's border width
SCALE = 1.25  # the gallery's UI scale, so that the title bar's height is not a whole number
WAYLAND = os.environ.get("QT_QPA_PLATFORM") == "wayland"
SIZES, MINIMUM = {}, {}  # each window's size and minimum size, as it listed them on focus


class Gallery:
    """The gallery process; collects its output lines and the controls it lists on focus."""

    def __init__(self, config_dir):
        env = dict(os.environ, TARN_GALLERY_SCRIPTED="1", XDG_CONFIG_HOME=config_dir)
        env.setdefault("QT_QPA_PLATFORM", "xcb")
        self.proc = subprocess.Popen([GALLERY, "--scale", str(SCALE)], env=env,
                                     stdout=subprocess.PIPE, encoding="utf-8")
        self.lines, self.controls, self.windows, self.sizes = [], {}, [], SIZES
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.proc.stdout:
            fields = line.rstrip("\n").split("\t")
            if fields[0] == "window":
                self.windows.append(fields[1])  # one entry each time a window gets the focus
                self.sizes[fields[1]] = tuple(map(int, fields[2].split(",")))
                MINIMUM[fields[1]] = tuple(map(int, fields[3].split(",")))
            elif fields[0] == "widget":
                rect = tuple(map(int, fields[2].split(",")))
                self.controls[(fields[1], *fields[3:6])] = rect
            else:
                self.lines.append(line.rstrip("\n"))

    def control(self, window, cls, name="", text=None):
        """The rectangle of a control, as its window (named by its class) listed it when it
        last got the focus; text None matches any text (a translated one)."""
        def found():
            return next((rect for key, rect in list(self.controls.items())
                         if key[:3] == (window, cls, name) and text in (None, key[3])), None)
        return wait_for(f"{window} {cls} {name} {text} listed", found)


def wait_for(what, condition, timeout=15):
    end = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > end:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.02)


def run(*args):
    return subprocess.run(list(map(str, args)), capture_output=True, text=True).stdout


def xdo(*args):
    subprocess.run(["xdotool", *map(str, args)], check=True)


def screen():
    """The compositor's output: the X screen less its bottom row (tests/e2e/with-weston.sh)."""
    width, height = map(int, run("xdotool", "getdisplaygeometry").split())
    return 0, 0, width, height - 1


def frames():
    """On Wayland, where a client cannot learn where it is: the windows' rectangles in a
    screenshot, each by the rows where the top and bottom of its border ring run alike. A
    maximised window has no ring: it is the output when no background shows."""
    output = screen()
    xdo("mousemove", output[2] - 1, output[3] - 1)  # the pointer's picture would cut a ring
    shot = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], capture_output=True).stdout
    rows = collections.defaultdict(list)
    for y in range(output[3]):
        line = shot[3 * output[2] * y:3 * output[2] * (y + 1)]
        for ring in re.finditer(rb"(?:\x00\x10\x0d){40,}", line):  # the colour (0, 16, 13)
            if ring.start() % 3 == 0:
                rows[ring.start() // 3, (ring.end() - ring.start()) // 3].append(y)
    found = [(x, ys[0], w, ys[-1] - ys[0] + 1) for (x, w), ys in rows.items() if len(ys) > 1]
    return found or ([output] if b"\x00\xff\x00" not in shot else [])  # weston.ini's background


def geometry(window):
    """(x, y, width, height) of an X window on the screen, None when it is not mapped; on
    Wayland that of the gallery's window of the given class."""
    if WAYLAND:  # the shortcut page is the ring of the size it listed, the gallery any other
        page = SIZES.get("TarnBaseDialog")
        return next((r for r in frames() if (r[2:] == page) == (window == "TarnBaseDialog")), None)
    info = dict(line.strip().split(": ", 1) for line in run("xwininfo", "-id", window).splitlines()
                if ": " in line)
    if info.get("Map State") != "IsViewable":
        return None
    return tuple(int(info[k]) for k in
                 ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))


def near(rect, expected):
    """On Wayland the compositor sizes a dragged window, without the library's extra pixel
    and down to the plain minimum size: 2 pixels either way."""
    return rect == expected or bool(
        WAYLAND and rect and max(abs(a - b) for a, b in zip(rect, expected)) <= 2)


def expect_geometry(window, expected):
    try:
        wait_for(f"geometry {expected}", lambda: near(geometry(window), expected))
    except AssertionError as error:
        raise AssertionError(f"{error}; it is {geometry(window)}") from None


def expect_line(gallery, text, since):
    wait_for(f'"{text}" in the output', lambda: text in gallery.lines[since:])


def at(window, rect):
    """Screen position of the centre of a rectangle given in window coordinates."""
    x, y, _, _ = geometry(window)
    return x + rect[0] + rect[2] // 2, y + rect[1] + rect[3] // 2


def at_right(window, listed_size, rect):
    """Like at(), for a control that keeps its distance to the window's right edge."""
    x, y, w, _ = geometry(window)
    return x + w - listed_size[0] + rect[0] + rect[2] // 2, y + rect[1] + rect[3] // 2


def click(point, count=1):
    xdo("mousemove", *point, "click", "--repeat", count, "--delay", 80, 1)


def drag(start, travel):
    # A compositor takes a drag once the gallery asks, which needs the button still held and
    # a move still to come; and it places a window dragged by its left or top edge only until
    # the release.
    pause = ["sleep", 0.3] if WAYLAND else []
    xdo("mousemove", *start, "mousedown", 1, *pause,
        "mousemove", start[0] + travel[0] // 2, start[1] + travel[1] // 2, *pause,
        "mousemove", start[0] + travel[0], start[1] + travel[1], *pause, "mouseup", 1)


def resized(start, code, travel, minimum):
    """The geometry the library gives after dragging an edge or corner by travel: the dragged
    size grows by the travel plus one pixel, neither axis goes below the minimum, the opposite
    edge stays."""
    x, y, w, h = start
    dx, dy = travel
    title = 30 * SCALE
    min_w = minimum[0] - 2 * BORDER + 4
    min_h = int(title + int(minimum[1] - 2 * BORDER - title) + 4)
    w = max(w - dx + 1 if code in (10, 13, 16) else w + dx + 1 if code in (11, 14, 17) else w,
            min_w)
    h = max(h - dy + 1 if code in (12, 13, 14) else h + dy + 1 if code in (15, 16, 17) else h,
            min_h)
    if code in (10, 13, 16):
        x = start[0] + start[2] - w
    if code in (12, 13, 14):
        y = start[1] + start[3] - h
    return x, y, w, h


def title_point(window_geometry):
    """A point on the title bar's label side, below its top band."""
    x, y, w, _ = window_geometry
    return x + w // 3, y + BORDER + 15


def above(window):
    return "_NET_WM_STATE_ABOVE" in run("xprop", "-id", window, "_NET_WM_STATE")


def root_numbers(prop):
    return [int(n) for n in run("xprop", "-root", prop).split("=")[1].split(",")]


def minimum_size(window):
    for line in run("xprop", "-id", window, "WM_NORMAL_HINTS").splitlines():
        if "minimum size" in line:
            return tuple(int(n) for n in line.split(":")[1].split(" by "))
    raise AssertionError("the window announces no minimum size")


def check_edges(window, minimum, step):
    """Drags every edge and corner at the window's outermost pixels, then the title bar."""
    w_, h_ = geometry(window)[2:]
    places = [  # code, press point in window coordinates (from size w, h), travel
        (11, lambda w, h: (w - 1, h // 2), (60, 0)),
        (15, lambda w, h: (w // 2, h - 1), (0, 40)),
        (10, lambda w, h: (0, h // 2), (-50, 0)),
        (12, lambda w, h: (w // 2, 0), (0, -30)),
        (12, lambda w, h: (w // 2, BORDER + 2), (0, 25)),  # the title bar's top band
        (13, lambda w, h: (0, 0), (20, 25)),
        (17, lambda w, h: (w - 1, h - 1), (-40, -30)),
        (14, lambda w, h: (w - 1, 0), (15, -10)),
        (16, lambda w, h: (0, h - 1), (-25, 15)),
        (10, lambda w, h: (0, h // 2), (w_ - 100, 0)),  # down to the minimum width
        (15, lambda w, h: (w // 2, h - 1), (0, 100 - h_)),  # down to the minimum height
    ]
    for code, place, travel in places:
        start = geometry(window)
        px, py = place(*start[2:])
        step(f"drag {code} at ({px}, {py}) by {travel}")
        drag((start[0] + px, start[1] + py), travel)
        expect_geometry(window, resized(start, code, travel, minimum))
    start = geometry(window)
    step("drag the title bar")
    drag(title_point(start), (-100, -50))
    expect_geometry(window, (start[0] - 100, start[1] - 50, *start[2:]))


def clients():
    if WAYLAND:
        return [window for window in ("GalleryWindow", "TarnBaseDialog") if geometry(window)]
    return [int(n, 16) for n in
            re.findall(r"0x[0-9a-f]+", run("xprop", "-root", "_NET_CLIENT_LIST"))]


def centred(outer, size):
    """Where the library centres a window of the given size over a rectangle: the rectangle's
    centre, rounded down as QRect::center() does, minus half the size."""
    x, y, w, h = outer
    return (2 * x + w - 1) // 2 - size[0] // 2, (2 * y + h - 1) // 2 - size[1] // 2, *size


def only_window(what="", condition=lambda window: True):
    """The one top-level window on the screen, once it is mapped and meets the condition."""
    def found():
        windows = clients()
        return len(windows) == 1 and geometry(windows[0]) and condition(windows[0]) and windows[0]
    return wait_for("the gallery window alone on the screen " + what, found)


def main():
    missing = [t for t in TOOLS if not shutil.which(t)]
    if missing:
        print("skipped: not installed:", ", ".join(missing))
        return 77
    started, current = time.monotonic(), ["start"]

    def step(name):
        current[0] = name
        print(f"{time.monotonic() - started:6.2f}s {name}", flush=True)

    with tempfile.TemporaryDirectory() as config_dir:
        gallery = Gallery(config_dir)
        try:
            step("the gallery comes up centred on the screen")
            wait_for("the gallery's focus", lambda: "GalleryWindow" in gallery.windows, 30)
            win = only_window()
            x, y, w, h = geometry(win)
            # On Wayland the compositor places the windows, the page as the gallery's transient.
            available = screen() if WAYLAND else tuple(root_numbers("_NET_WORKAREA")[:4])
            expect_geometry(win, (x, y, w, h) if WAYLAND else centred(available, (w, h)))

            step("hover over a control")
            since = len(gallery.lines)
            xdo("mousemove", *at(win, gallery.control("GalleryWindow", "TarnPushButton", "",
                                                      "Button")))
            expect_line(gallery, "TarnPushButton entered", since)
            xdo("mousemove", x + w // 2, y + h - 60)
            expect_line(gallery, "TarnPushButton left", since)
            expect_geometry(win, (x, y, w, h))

            for on in (True, False):
                step(f"stay on top {'on' if on else 'off'}")
                start = geometry(win)
                click(at(win, gallery.control("GalleryWindow", "QCheckBox", "", "Stay on top")))
                # Qt makes a new native window for the new flags; Wayland has no such state.
                win = only_window("with _NET_WM_STATE_ABOVE " + ("set" if on else "cleared"),
                                  lambda window: WAYLAND or above(window) == on)
                expect_geometry(win, start)

            step("open the shortcut page, centred over the gallery")
            start, focused = geometry(win), gallery.windows.count("GalleryWindow")
            click(at(win, gallery.control("GalleryWindow", "QPushButton", "",
                                          "Shortcut settings…")))
            wait_for("the shortcut page's focus", lambda: gallery.windows[-1] == "TarnBaseDialog")
            page = wait_for("the page on the screen", lambda: next(
                (c for c in clients() if c != win and geometry(c)), None))
            if not WAYLAND:
                expect_geometry(page, centred(start, geometry(page)[2:]))
            step("press Ctrl+Shift+J into the Menu field and save")  # Save is "greenColor"
            click(at(page, gallery.control("TarnBaseDialog", "ShortCutEdit", "", "10")))
            xdo("key", "ctrl+shift+j")
            click(at(page, gallery.control("TarnBaseDialog", "QPushButton", "greenColor")))
            wait_for("the page to close", lambda: clients() == [win])
            ini = os.path.join(config_dir, "tarn-gallery", "tarn.ini")
            assert "Menu\\Key=Ctrl+Shift+J" in open(ini, encoding="utf-8").read(), "not saved"
            wait_for("the gallery's focus",
                     lambda: gallery.windows.count("GalleryWindow") > focused)
            since = len(gallery.lines)
            xdo("key", "ctrl+shift+j")
            expect_line(gallery, "Shortcut: Menu", since)
            expect_geometry(win, start)

            check_edges(win, MINIMUM[win] if WAYLAND else minimum_size(win), step)

            step("double click the title: maximise")
            before = geometry(win)
            click(title_point(before), 2)
            expect_geometry(win, available)
            step("double click the title: restore")
            click(title_point(geometry(win)), 2)
            expect_geometry(win, before)

            step("close")
            close = gallery.control("GalleryWindow", "QToolButton", "close-button")
            click(at_right(win, gallery.sizes["GalleryWindow"], close))
            assert gallery.proc.wait(15) == 0, "the gallery failed"
        except Exception as error:  # any failure leaves a screenshot and the gallery's output
            shot = os.path.join(OUT_DIR, "gallery_e2e-failure.png")
            subprocess.run(["import", "-window", "root", shot])
            print(f"FAIL in step '{current[0]}': {error!r}\nscreenshot: {shot}\n"
                  "gallery output:\n  " + "\n  ".join(gallery.lines[-15:]))
            gallery.proc.kill()
            return 1
    step("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
