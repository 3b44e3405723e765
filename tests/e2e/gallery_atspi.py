#!/usr/bin/python3
# SPDX-License-Identifier: LGPL-2.1-or-later
"""Reads the gallery's accessibility tree through AT-SPI, as a screen reader on the desktop
does, once with the main window alone and once with each dialog it opens, and fails on any
control the user can operate that has no name.

    scripts/with-display.sh dbus-run-session -- tests/e2e/gallery_atspi.py <tarn-gallery>

Needs XDG_RUNTIME_DIR (with-display.sh sets it) and a session bus of its own (dbus-run-session);
exits 77 (skipped) when pyatspi is missing."""
import os
import subprocess
import sys
import tempfile
import time

try:
    import pyatspi
except ImportError:
    print("gallery_atspi: python3-pyatspi is not installed, skipping", file=sys.stderr)
    sys.exit(77)

GALLERY = sys.argv[1]
# The window each run opens over the main window, and a control only that window has.
RUNS = (
    (None, "Notice…"),
    ("message", "Keep the disk image"),
    ("notice", "What is new"),
    ("shortcuts", "Enable Boss key"),
)
OPERABLE = {pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_COMBO_BOX,
            pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_BOX, pyatspi.ROLE_LINK, pyatspi.ROLE_ENTRY,
            pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_RADIO_BUTTON,
            pyatspi.ROLE_SPIN_BUTTON}


def operable(node, states):
    """A control the user can operate: by its role, or text and labels that take the focus (a
    read-only capture field, a label whose link Tab reaches). A combo box's popup list is read
    as part of the combo box, whose name is its current item."""
    role = node.getRole()
    if node.parent is not None and node.parent.getRole() == pyatspi.ROLE_COMBO_BOX:
        return False
    return role in OPERABLE or (role in (pyatspi.ROLE_TEXT, pyatspi.ROLE_LABEL)
                                and states.contains(pyatspi.STATE_FOCUSABLE))


def nodes(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child)


def application(pid):
    desktop = pyatspi.Registry.getDesktop(0)
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def text_of(node):
    try:
        return node.queryText().getText(0, -1)
    except NotImplementedError:
        return ""


def shown_controls(pid):
    """(role, name, text) of every operable control on the screen; empty until the program
    has joined the bus."""
    app = application(pid)
    if app is None:
        return []
    found = []
    for node in nodes(app):
        states = node.getState()
        if states.contains(pyatspi.STATE_SHOWING) and operable(node, states):
            found.append((node.getRoleName(), node.name, text_of(node)))
    return found


def check(dialog, marker):
    """Starts the gallery, opening dialog over its main window, and waits until the marker's
    control is on the bus; returns the operable controls without a name."""
    with tempfile.TemporaryDirectory() as config:
        args = [GALLERY, "--lang", "en"]
        if dialog:
            args += ["--open", dialog]
        env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                   XDG_CONFIG_HOME=config)
        gallery = subprocess.Popen(args, env=env)
        try:
            # The program joins the accessibility bus a few seconds after it starts.
            end = time.monotonic() + 30
            controls = []
            while not any(name == marker for _, name, _ in controls):
                if time.monotonic() > end or gallery.poll() is not None:
                    raise AssertionError(f"{dialog or 'main window'}: no control named {marker!r}"
                                         f" on the bus; found {controls}")
                time.sleep(0.2)
                controls = shown_controls(gallery.pid)
            return [c for c in controls if not c[1].strip()]
        finally:
            gallery.kill()
            gallery.wait()


def main():
    failures = []
    for dialog, marker in RUNS:
        unnamed = check(dialog, marker)
        print(f"{dialog or 'main window'}: {len(unnamed)} unnamed", flush=True)
        failures += [f"{dialog or 'main window'}: [{role}] text {text!r}"
                     for role, _, text in unnamed]
    if failures:
        print("controls without a name:\n  " + "\n  ".join(failures), file=sys.stderr)
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
