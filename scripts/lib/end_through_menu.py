#!/usr/bin/python3
"""Finds a program's window on the accessibility bus, as a screen reader does,
and picks an item of its menu there: the item's own action, no key or click.

Usage: end_through_menu.py <process id> <window title> <menu> <item> [seconds]

Waits up to the given seconds (30 unless given) for the window; the captions
are given as the user reads them, without their access-key ampersands.
"""
import sys
import time

import pyatspi


def log(text):
    print(f"end_through_menu: {text}", flush=True)


def application_of(pid):
    for application in pyatspi.Registry.getDesktop(0):
        try:
            if application is not None and application.get_process_id() == pid:
                return application
        except Exception:  # an application that went away meanwhile
            continue
    return None


def find(root, role, name):
    return pyatspi.findDescendant(
        root, lambda node: node is not None and node.getRole() == role and node.name == name)


def showing_window(pid, title):
    application = application_of(pid)
    if application is None:
        return None
    for window in application:
        if window is None or window.getRole() != pyatspi.ROLE_FRAME or window.name != title:
            continue
        states = window.getState()
        if states.contains(pyatspi.STATE_SHOWING) and states.contains(pyatspi.STATE_VISIBLE):
            return window
    return None


def main(pid, title, menu_name, item_name, seconds=30.0):
    deadline = time.monotonic() + seconds
    window = None
    while window is None:
        try:
            window = showing_window(pid, title)
        except Exception as error:  # the bus or the program still starting
            log(f"not yet: {error}")
        if window is None:
            if time.monotonic() > deadline:
                log(f"no window \"{title}\" of process {pid} showed up on the accessibility bus")
                return 1
            time.sleep(0.5)
    log(f"window \"{window.name}\" of process {pid} is showing")

    menu = find(window, pyatspi.ROLE_MENU_ITEM, menu_name) or find(window, pyatspi.ROLE_MENU, menu_name)
    if menu is None:
        log(f"the window has no menu \"{menu_name}\"")
        return 1
    item = find(menu, pyatspi.ROLE_MENU_ITEM, item_name)
    if item is None:
        log(f"the menu \"{menu_name}\" has no item \"{item_name}\"")
        return 1
    action = item.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if not names:
        log(f"the item \"{item_name}\" offers no action")
        return 1
    log(f"doing \"{names[0]}\" on {menu_name} > {item_name}")
    action.doAction(0)
    return 0


if __name__ == "__main__":
    if len(sys.argv) not in (5, 6):
        sys.exit(__doc__)
    sys.exit(main(int(sys.argv[1]), *sys.argv[2:5], *map(float, sys.argv[5:])))
