"""Finds the program's controls through the accessibility tree (AT-SPI), as a screen reader does.

  controls.py places PID   prints, as shell assignments, the screen point at the middle of each
                           control the end-to-end tests press, from the control's real geometry;
                           fails while the window is not yet in the tree
  controls.py lines PID    prints the lines the list shows, one a line
  controls.py press PID NAME
                           presses the shown button of that accessible name, as a screen reader does
"""
import sys

import pyatspi

# The shell array each control lands in, and the role and accessible name it is found by.
CONTROLS = {
    "longitude_field": (pyatspi.ROLE_TEXT, "Longitude in degrees"),
    "east": (pyatspi.ROLE_RADIO_BUTTON, "East"),
    "west": (pyatspi.ROLE_RADIO_BUTTON, "West"),
    "date_field": (pyatspi.ROLE_TEXT, "Date and time in UT"),
    "mjd_field": (pyatspi.ROLE_TEXT, "Modified Julian Date"),
    "copy_mjd": (pyatspi.ROLE_PUSH_BUTTON, "Copy MJD to clipboard"),
    "copy_vectors": (pyatspi.ROLE_PUSH_BUTTON, "Copy Vectors to Clipboard"),
    "close_button": (pyatspi.ROLE_PUSH_BUTTON, "Close"),
}
LIST_NAME = "Position and velocity lines"


def application(pid):
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.get_process_id() == pid:
            return app
    sys.exit(f"no application with process {pid} in the accessibility tree")


def find(app, role, name):
    found = pyatspi.findDescendant(
        app, lambda node: node.getRole() == role and node.name == name and node.getState().contains(pyatspi.STATE_SHOWING))
    if found is None:
        sys.exit(f"no shown {role} named {name!r}")
    return found


def places(app):
    for variable, (role, name) in CONTROLS.items():
        box = find(app, role, name).queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        if box.width <= 0 or box.height <= 0:
            sys.exit(f"{name!r} has no area yet")
        print(f"{variable}=({box.x + box.width // 2} {box.y + box.height // 2})")


def lines(app):
    shown = pyatspi.findDescendant(app, lambda node: node.name == LIST_NAME and node.getRole() == pyatspi.ROLE_LIST)
    if shown is None:
        sys.exit(f"no list named {LIST_NAME!r}")
    for item in shown:
        print(item.name)


def press(app, name):
    find(app, pyatspi.ROLE_PUSH_BUTTON, name).queryAction().doAction(0)


if __name__ == "__main__":
    command, pid = sys.argv[1], int(sys.argv[2])
    {"places": places, "lines": lines, "press": lambda app: press(app, sys.argv[3])}[command](application(pid))
