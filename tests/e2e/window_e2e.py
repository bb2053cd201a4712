"""The window's findings, a row each, on the program started anew for each (en_US, under openbox); run by accessibility_e2e.sh."""
import os
import subprocess
import sys

import atspi
from accessibility_e2e import Tally

LONGITUDE, DATE, MJD, COPIES = "Longitude in degrees", "Date and time in UT", "Modified Julian Date", ("Copy MJD to clipboard", "Copy Vectors to Clipboard")
ENGLISH = {**os.environ, "LANG": "en_US.UTF-8", "LC_ALL": "en_US.UTF-8", "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"}
run = lambda *command: subprocess.run(command, capture_output=True, text=True, env=ENGLISH, timeout=10)  # noqa: E731
box = lambda node: (lambda e: (e.x, e.y, e.x + e.width, e.y + e.height))(node.queryComponent().getExtents(atspi.pyatspi.DESKTOP_COORDS))  # noqa: E731
band = lambda app: next(node for node, _ in atspi.walk(app) if node.getRoleName() == "alert")  # noqa: E731
typed = lambda field, text, then: lambda app: (atspi.type_into(app, field, text), then(app))[1]  # noqa: E731
no_copy = lambda app: atspi.wait_for("no copy", lambda: all("enabled" not in atspi.node(atspi.find(app, c)).states for c in COPIES))  # noqa: E731


def band_holds_its_text(app):
    atspi.give_focus(atspi.find(app, LONGITUDE))  # the date's message stands once the focus has left it
    text = atspi.wait_for("the message", lambda: "nonsense" in band(app).name and band(app)).queryText()
    x, y, width, height = text.getRangeExtents(0, text.characterCount, atspi.pyatspi.DESKTOP_COORDS)
    left, top, right, bottom = box(band(app))
    return left <= x and top <= y and x + width <= right and y + height <= bottom and width > 0, (x, y, width, height, left, top, right, bottom)


def confirmation_replaced(app):
    atspi.find(app, COPIES[1]).queryAction().doAction(0)
    atspi.wait_for("the copy confirmed", lambda: "copied" in band(app).name)
    atspi.type_into(app, LONGITUDE, "abc")
    return atspi.wait_for("the problem", lambda: "abc" in band(app).name, timeout=2.5)  # a confirmation stands 4 s


def keys_in(field, key):  # where Tab lands, or whether another key left the field's text as it was
    def row(app):
        atspi.give_focus(atspi.find(app, field))
        before = atspi.text_of(atspi.find(app, field))
        if key == "Tab":
            events = atspi.Events()
            visited = ([node.name for node in atspi.tab_walk(events, 1)], events.close())[0]
            return visited == ["West"], visited
        atspi.keys(key)
        atspi.pump(0.5)
        return atspi.text_of(atspi.find(app, field)) == before, atspi.text_of(atspi.find(app, field))
    return row


def no_maximise(_app):  # none offered, and the window keeps its size when asked all the same
    window = run("xdotool", "search", "--onlyvisible", "--name", "^Skyanchor Satellite$").stdout.split()[0]
    size = run("xdotool", "getwindowgeometry", window).stdout
    run("wmctrl", "-i", "-r", window, "-b", "add,maximized_vert,maximized_horz")
    actions = (atspi.pump(0.5), run("xprop", "-id", window, "_NET_WM_ALLOWED_ACTIONS").stdout)[1]
    return "CLOSE" in actions and "MAXIMIZE" not in actions and run("xdotool", "getwindowgeometry", window).stdout == size, actions


ROWS = [  # (finding, program arguments, environment, check)
    ("a longitude \"12o\" is not copied", [], {}, typed(LONGITUDE, "12o", no_copy)),
    ("a longitude \"75.5 E\" is not copied", [], {}, typed(LONGITUDE, "75.5 E", no_copy)),
    ("an MJD \"MJD 60000\" is not copied", [], {}, typed(MJD, "MJD 60000", no_copy)),
    ("en_US \"04.03.2026\" is refused", [], {}, typed(DATE, "04.03.2026", no_copy)),
    ("the band holds its whole text at 13 pt", [], {"QT_ENABLE_HIGHDPI_SCALING": "0", "QT_FONT_DPI": "139"},
     typed(DATE, "nonsense", band_holds_its_text)),
    ("the next edit's problem replaces a copy's confirmation at once", [], {}, confirmation_replaced),
    ("-reverse puts the longitude field right of East and West", ["-reverse"], {},
     lambda app: all(box(atspi.find(app, LONGITUDE))[0] > box(atspi.find(app, name))[0] for name in ("East", "West"))),
    ("Alt+M in the MJD field types nothing", [], {}, keys_in(MJD, "alt+m")),
    ("Tab into East/West lands on the checked West", [], {}, keys_in(LONGITUDE, "Tab")),
    ("the window manager offers no maximise", [], {}, no_maximise),
    ("the scripting mode's standard error holds no isolates", [], {},
     lambda _app: (lambda said: (bool(said) and not {"\u2068", "\u2069"} & set(said), ascii(said)))(run(sys.argv[1], "--date", "x").stderr)),
]


def main():
    tally = Tally()
    for finding, arguments, environment, check in ROWS:
        program = subprocess.Popen([sys.argv[1], *arguments], env={**ENGLISH, **environment}, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        try:
            app = atspi.find_application(timeout=10)
            holds, evidence = (lambda found: found if isinstance(found, tuple) else (found, ""))(check((atspi.find(app, LONGITUDE), app)[1]))
        except Exception as failure:  # noqa: BLE001 -- a row that breaks fails alone, with what broke it
            holds, evidence = False, repr(failure)
        program.kill()
        program.wait()
        tally.check(finding, holds, evidence)
    return tally.summary()


if __name__ == "__main__":
    sys.exit(main())
