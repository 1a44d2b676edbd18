#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""The game through a real accessibility client, as a screen reader meets it.

Finds the window "Skarpo" in the desktop's accessibility tree, reads the names
and descriptions of the die and of a few places of the board, presses the die
through its action and hears the status line announce the throw.
Run by accessibility_test.sh inside a private session bus and a virtual display.
Usage: accessibility_test.py GAME
"""
import os
import subprocess
import sys
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError as missing:
    print(f"{missing}: the Python accessibility client is not installed (Debian package python3-pyatspi): skipped",
          file=sys.stderr)
    sys.exit(77)


def fail(why):
    print(f"FAIL: {why}", file=sys.stderr)
    sys.exit(1)


def run_loop(seconds, done):
    """Lets the client take its events for up to `seconds`, or until done() is true."""
    deadline = time.monotonic() + seconds

    def look():
        if done() or time.monotonic() > deadline:
            pyatspi.Registry.stop()
            return False
        return True

    GLib.timeout_add(20, look)
    pyatspi.Registry.start()
    return done()


def find_window(title, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            for window in app or []:
                if window is not None and window.name == title:
                    return window
        time.sleep(0.2)
    return None


def descendant(root, **wanted):
    """The first descendant with the wanted name or role."""
    def fits(node):
        return node is not None and all(
            (node.name if key == "name" else node.getRole()) == value for key, value in wanted.items())
    found = pyatspi.findDescendant(root, fits, breadth_first=True)
    if found is None:
        fail(f"nothing with {wanted} under {root.name!r}")
    return found


def table_dialog(window):
    """Options > Host a Table...: reached from the menu, every field and button named."""
    item = descendant(window, name="Host a Table\u2026")
    action = item.queryAction()
    action.doAction(0)
    dialog = find_window("Host a Table", 10)
    if dialog is None:
        fail("no dialog 'Host a Table' after its menu item")
    roles = (pyatspi.ROLE_TEXT, pyatspi.ROLE_PASSWORD_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_PUSH_BUTTON,
             pyatspi.ROLE_CHECK_BOX)
    found = pyatspi.utils.findAllDescendants(dialog, lambda node: node is not None and node.getRole() in roles)
    unnamed = [node.getRoleName() for node in found if not node.name]
    names = [node.name for node in found if node.name]
    if unnamed or len(found) < 9:
        fail(f"the dialog's fields and buttons: named {names}, unnamed {unnamed}")
    print(f"Host a Table: {', '.join(names)}")


def main():
    game = sys.argv[1]
    # Asking for the desktop starts the accessibility bus of this session, as a desktop session would have.
    pyatspi.Registry.getDesktop(0)
    env = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    program = subprocess.Popen([game], env=env, stderr=subprocess.DEVNULL)
    try:
        window = find_window("Skarpo", 20)
        if window is None:
            fail("no window 'Skarpo' in the desktop's accessibility tree")
        print("found the window 'Skarpo'")

        board = descendant(window, name="Board")
        places = {child.name: child for child in board}
        if len(places) != 117:
            fail(f"the board has {len(places)} named places, not 117")
        expected = {
            "Die": "waiting for your throw",
            "Square 1": "your entry square",
            "Square 12": "corner, jumps to square 42",
            "Square 20": "doubling square",
            "Square 3": "empty",
            "Your final place 1": "your counter",
            "Cyan home column 2": "empty",
        }
        for name, description in expected.items():
            if name not in places:
                fail(f"no {name!r} on the board")
            got = places[name].description
            if got != description:
                fail(f"{name!r} says {got!r}, not {description!r}")
            print(f"{name}: {got}")
        die = places["Die"]
        if die.getRole() != pyatspi.ROLE_PUSH_BUTTON or not die.getState().contains(pyatspi.STATE_ENABLED):
            fail("the die is not an available button")
        if places["Square 3"].getState().contains(pyatspi.STATE_ENABLED):
            fail("square 3 is available, though nothing stands there")

        status = descendant(window, role=pyatspi.ROLE_STATUS_BAR, name="Click the die to start")
        print(f"status line: {status.name}")

        heard = []

        def on_name(event):
            if event.source is not None and event.source.getRole() == pyatspi.ROLE_STATUS_BAR:
                heard.append(event.source.name)

        pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
        action = die.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if "Press" not in names:
            fail(f"the die's actions are {names}, without Press")
        action.doAction(names.index("Press"))
        print("pressed the die")
        # the counters march out (3 s), the die rolls (1.8 s): then the throw is told
        if not run_loop(30, lambda: any(words.startswith("Your throw: ") for words in heard)):
            fail(f"the status line never told the throw; it said {heard}")
        print(f"heard: {' | '.join(heard)}")
        # what the places say follows the game: the counters have marched out of the final places
        after = {name: places[name].description for name in ("Your start place 1", "Your final place 1")}
        # after a six the start place is marked, and where its counter would enter is said first
        start = after["Your start place 1"].removeprefix("enters on square 1; ")
        if not start.startswith("your counter") or after["Your final place 1"] != "empty":
            fail(f"after the march the places say {after}")
        print(f"after the march: {after}")
        table_dialog(window)
        print("ok")
    finally:
        program.kill()
        program.wait()


if __name__ == "__main__":
    main()
