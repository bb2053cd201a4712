"""The window's findings, one row each, on the running program; run by window_e2e.sh with its path.

Each row starts from the window as it opens in en_US (West, the present instant) under the
settings the row names, and leaves the fields as they were.
"""

import os
import subprocess
import sys

import atspi
from accessibility_e2e import Tally

PROGRAM = sys.argv[1] if len(sys.argv) > 1 else "skyanchor-satellite"
LONGITUDE, DATE, MJD = "Longitude in degrees", "Date and time in UT", "Modified Julian Date"
COPY_MJD, COPY_VECTORS = "Copy MJD to clipboard", "Copy Vectors to Clipboard"
ENGLISH = {"LANG": "en_US.UTF-8", "LC_ALL": "en_US.UTF-8", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
THIRTEEN_POINTS = {"QT_ENABLE_HIGHDPI_SCALING": "0", "QT_FONT_DPI": "139"}  # the 9 pt default at 13 pt's pixels


def run(*arguments, **environment):
    return subprocess.run([PROGRAM, *arguments], env={**os.environ, **ENGLISH, **environment}, capture_output=True,
                          text=True, timeout=atspi.STEP_TIMEOUT * 2)


def extents(accessible):
    box = accessible.queryComponent().getExtents(atspi.pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def band(app):
    return next(accessible for accessible, _ in atspi.walk(app) if accessible.getRoleName() == "alert")


def copy_buttons_enabled(app):
    return ["enabled" in atspi.node(atspi.find(app, name)).states for name in (COPY_MJD, COPY_VECTORS)]


def typed_then(field, text, probe):
    """Types text into the field, reads what probe(app) gives, and types the field's text back."""
    def row(app):
        before = atspi.text_of(atspi.find(app, field))
        atspi.type_into(app, field, text)
        try:
            return probe(app)
        finally:
            atspi.type_into(app, field, before)
    return row


def copying_refused(app):
    return atspi.wait_for("both copy buttons disabled", lambda: copy_buttons_enabled(app) == [False, False] or None)


def band_holds_its_text(app):
    atspi.give_focus(atspi.find(app, LONGITUDE))  # the date's message stands when the focus has left it
    shown = atspi.wait_for("the band's message", lambda: "nonsense" in band(app).name and band(app))
    text = shown.queryText()
    left, top, width, height = text.getRangeExtents(0, text.characterCount, atspi.pyatspi.DESKTOP_COORDS)
    x, y, band_width, band_height = extents(shown)
    inside = x <= left and y <= top and left + width <= x + band_width and top + height <= y + band_height
    return inside and width > 0 and height > 0, f"text {left, top, width, height} in band {x, y, band_width, band_height}"


def confirmation_replaced(app):
    atspi.find(app, COPY_VECTORS).queryAction().doAction(0)
    atspi.wait_for("the copy confirmed", lambda: "copied" in band(app).name)
    return typed_then(LONGITUDE, "abc", lambda app: atspi.wait_for(
        "the problem over the confirmation", lambda: "abc" in band(app).name, timeout=2.5))(app)


def longitude_right_of_the_choice(app):
    field = extents(atspi.find(app, LONGITUDE))[0]
    return all(field > extents(atspi.find(app, name))[0] for name in ("East", "West"))


def alt_m_types_nothing(app):
    mjd = atspi.find(app, MJD)
    before = atspi.text_of(mjd)
    atspi.give_focus(mjd)
    atspi.keys("alt+m")
    atspi.pump(0.5)
    return atspi.text_of(mjd) == before


def tab_reaches_west(app):
    atspi.give_focus(atspi.find(app, LONGITUDE))
    events = atspi.Events()
    visited = atspi.tab_walk(events, 1)
    events.close()
    return [node.name for node in visited] == ["West"], visited


def no_maximise_offered(_app):
    window = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Skyanchor Satellite$"], capture_output=True,
                            text=True, timeout=atspi.STEP_TIMEOUT).stdout.split()[0]
    def read(*command):
        return subprocess.run(command, capture_output=True, text=True, timeout=atspi.STEP_TIMEOUT).stdout

    actions = read("xprop", "-id", window, "_NET_WM_ALLOWED_ACTIONS")
    size = read("xdotool", "getwindowgeometry", window)
    read("wmctrl", "-i", "-r", window, "-b", "add,maximized_vert,maximized_horz")  # asked all the same
    atspi.pump(0.5)
    kept = read("xdotool", "getwindowgeometry", window) == size
    return "_NET_WM_ACTION_CLOSE" in actions and "MAXIMIZE" not in actions and kept, actions + size


def stderr_without_isolates(_app):
    said = run("--date", "nonsense").stderr
    return bool(said) and "\u2068" not in said and "\u2069" not in said, ascii(said)


# (finding, program arguments, environment, check): one row each.
ROWS = [
    ("a longitude of \"12o\" is not copied", [], {}, typed_then(LONGITUDE, "12o", copying_refused)),
    ("a longitude of \"75.5 E\" is not copied", [], {}, typed_then(LONGITUDE, "75.5 E", copying_refused)),
    ("an MJD of \"MJD 60000\" is not copied", [], {}, typed_then(MJD, "MJD 60000", copying_refused)),
    ("en_US \"04.03.2026\" is refused", [], {}, typed_then(DATE, "04.03.2026", copying_refused)),
    ("the band holds its whole text at 13 pt", [], THIRTEEN_POINTS, typed_then(DATE, "nonsense", band_holds_its_text)),
    ("the next edit's problem replaces a copy's confirmation at once", [], {}, confirmation_replaced),
    ("-reverse puts the longitude field right of East and West", ["-reverse"], {}, longitude_right_of_the_choice),
    ("Alt+M in the MJD field types nothing", [], {}, alt_m_types_nothing),
    ("Tab into East/West lands on the checked West", [], {}, tab_reaches_west),
    ("the window manager offers no maximise", [], {}, no_maximise_offered),
    ("the scripting mode's standard error holds no isolates", [], {}, stderr_without_isolates),
]


def main():
    tally = Tally()
    for finding, arguments, environment, check in ROWS:
        program = subprocess.Popen([PROGRAM, *arguments], env={**os.environ, **ENGLISH, **environment},
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            app = atspi.find_application(timeout=10)
            atspi.find(app, LONGITUDE)
            found = check(app)
            holds, evidence = found if isinstance(found, tuple) else (found, "")
        except Exception as failure:  # noqa: BLE001 -- a row that breaks fails alone, with what broke it
            holds, evidence = False, repr(failure)
        finally:
            program.kill()
            program.wait()
        tally.check(finding, holds, evidence)
    return tally.summary()


if __name__ == "__main__":
    sys.exit(main())
