"""Reads the running program over AT-SPI as a screen reader does, and drives it with real keys.

A library for the end-to-end scripts, which start the program on a display with its own D-Bus
session and accessibility on (see lib.sh). Run alone it prints the accessibility tree:

    python3 atspi.py dump [APPLICATION]

Every wait ends after STEP_TIMEOUT seconds; what is read is returned as plain values (Node), so
that a failed expectation can print what was there instead.
"""

import subprocess
import sys
import time
from dataclasses import dataclass, field

import pyatspi
from gi.repository import GLib

STEP_TIMEOUT = 5.0
APPLICATION = "skyanchor-satellite"


class Failure(Exception):
    """Something the program should have shown over AT-SPI did not come within the time."""


@dataclass(frozen=True)
class Node:
    """One accessible object as AT-SPI gives it; states in the events' spelling ("invalid-entry")."""

    role: str
    name: str
    description: str
    states: frozenset
    depth: int = 0

    def __str__(self):
        states = " ".join(sorted(self.states))
        line = f"{'  ' * self.depth}[{self.role}] \"{self.name}\" {{{states}}}"
        return line + (f" -- {self.description}" if self.description else "")

    @property
    def shown(self):
        return "showing" in self.states


def state_names(accessible):
    accessible.clear_cache()  # with event listeners registered libatspi keeps states it may have missed a change of
    return frozenset(pyatspi.stateToString(state).replace(" ", "-") for state in accessible.getState().getStates())


def node(accessible, depth=0):
    return Node(accessible.getRoleName(), accessible.name or "", accessible.description or "", state_names(accessible), depth)


def pump(seconds=0.0):
    """Lets AT-SPI deliver what is queued, for at least the given time."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while True:
        while context.pending():
            context.iteration(False)
        if time.monotonic() >= deadline:
            return
        time.sleep(0.02)


def wait_for(what, probe, timeout=STEP_TIMEOUT):
    """Pumps events until probe() gives something other than None, False or an empty list, and returns it.

    Accessible objects are not tested for truth: pyatspi gives them the length of their children.
    """
    deadline = time.monotonic() + timeout
    while True:
        pump()
        found = probe()
        if found is not None and found is not False and found != []:
            return found
        if time.monotonic() >= deadline:
            raise Failure(f"{what}: not within {timeout:g} s")
        time.sleep(0.05)


def find_application(name=APPLICATION, timeout=STEP_TIMEOUT):
    def registered():
        desktop = pyatspi.Registry.getDesktop(0)
        return next((app for app in desktop if app is not None and app.name == name and app.childCount > 0), None)

    return wait_for(f"the application {name} on the accessibility bus", registered, timeout)


def walk(accessible, depth=0):
    """Every object under accessible, depth first, with its depth."""
    yield accessible, depth
    for child in accessible:
        if child is not None:
            yield from walk(child, depth + 1)


def tree(application):
    return [node(accessible, depth) for accessible, depth in walk(application)]


def find(application, name):
    """The first object with that accessible name."""

    def match():
        return next((accessible for accessible, _ in walk(application) if accessible.name == name), None)

    return wait_for(f"an object named {name!r}", match)


def keys(*names):
    subprocess.run(["xdotool", "key", "--clearmodifiers", *names], check=True, timeout=STEP_TIMEOUT)


def type_text(text):
    subprocess.run(["xdotool", "type", "--delay", "30", "--", text], check=True, timeout=STEP_TIMEOUT * 4)


def tab_walk(events, presses):
    """Presses Tab that many times; after each press, the object that took the focus, told by its focus
    event as a screen reader is told. A list item stands for its list, which keeps a current item."""
    visited = []
    for _ in range(presses):
        events.clear()
        keys("Tab")
        events.wait(f"the focus moves on Tab after {[n.name for n in visited]}", "object:state-changed:focused",
                    lambda event: event.detail1 == 1)
        pump(0.3)
        taker = events.matching("object:state-changed:focused", lambda event: event.detail1 == 1)[-1].accessible
        visited.append(node(taker.parent if taker.getRoleName() == "list item" else taker))
    return visited


def click_at_centre(accessible):
    extents = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    subprocess.run(["xdotool", "mousemove", str(extents.x + extents.width // 2), str(extents.y + extents.height // 2),
                    "click", "1"], check=True, timeout=STEP_TIMEOUT)


def give_focus(accessible):
    """Asks the object for the focus as a screen reader does; clicks at its real extents if it will not take it."""
    def has_focus():
        return "focused" in state_names(accessible)

    accessible.queryComponent().grabFocus()
    try:
        wait_for("the focus by AT-SPI", has_focus, timeout=1.0)
    except Failure:
        click_at_centre(accessible)
        wait_for(f"the focus in {accessible.name!r} by a click", has_focus)


def type_into(application, name, text):
    """Replaces the text of the field with that accessible name by typing it, as a user does."""
    target = find(application, name)
    give_focus(target)
    keys("ctrl+a", "BackSpace")
    type_text(text)
    pump(0.3)
    return target


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


@dataclass
class Event:
    type: str
    source: Node
    detail1: int
    data: str
    accessible: object = field(repr=False, compare=False)


@dataclass
class Events:
    """Records the program's events of the given kinds from the moment it is made.

    Qt sends only the kinds someone listens for, so make it before the actions to be watched.
    """

    application: str = APPLICATION
    kinds: tuple = ("object:state-changed:invalid-entry", "object:state-changed:showing", "object:state-changed:focused",
                    "object:announcement", "object:property-change:accessible-description",
                    "object:property-change:accessible-name")
    seen: list = field(default_factory=list)

    def __post_init__(self):
        pyatspi.Registry.registerEventListener(self._record, *self.kinds)
        pump(0.5)  # the program learns of the listener over the bus

    def _record(self, event):
        try:
            if event.host_application is None or event.host_application.name != self.application:
                return
            source = node(event.source)
        except GLib.GError:  # the source went away before it could be read
            return
        data = str(event.any_data) if event.any_data is not None else ""
        self.seen.append(Event(event.type, source, event.detail1, data, event.source))

    def close(self):
        pyatspi.Registry.deregisterEventListener(self._record, *self.kinds)

    def clear(self):
        pump()
        self.seen.clear()

    def matching(self, kind, test=lambda event: True):
        pump()
        return [event for event in self.seen if event.type.startswith(kind) and test(event)]

    def wait(self, what, kind, test=lambda event: True, timeout=STEP_TIMEOUT):
        return wait_for(what, lambda: self.matching(kind, test), timeout)


def alerts(events):
    """Messages a screen reader would speak: an alert that becomes shown, or an announcement."""
    shown = events.matching("object:state-changed:showing", lambda e: e.detail1 == 1 and e.source.role == "alert")
    announced = events.matching("object:announcement")
    return [e.source.name or e.data for e in shown] + [e.data for e in announced]


def main(arguments):
    if len(arguments) < 1 or arguments[0] != "dump":
        sys.exit("usage: atspi.py dump [APPLICATION]")
    for line in tree(find_application(arguments[1] if len(arguments) > 1 else APPLICATION)):
        print(line)


if __name__ == "__main__":
    main(sys.argv[1:])
