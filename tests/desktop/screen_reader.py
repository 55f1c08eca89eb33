#!/usr/bin/python3
# A screen reader's view of the game, through the accessibility bus: waits
# for the program to say "rolled", reads the dice of the roll by their
# names, checks that the status line told its change, and takes a scoring
# die with the press action. Prints what it read; exits non-zero on a fault.
import sys
import pyatspi
from gi.repository import GLib

APP = sys.argv[1] if len(sys.argv) > 1 else "desktop_tests"
statuses = []
failures = []


def on_name(event):
    try:
        if event.source.getRoleName() == "label":
            statuses.append(event.source.name)
    except Exception:
        pass


def walk(acc, found):
    try:
        found.append(acc)
        for i in range(acc.childCount):
            walk(acc.getChildAtIndex(i), found)
    except Exception:
        pass
    return found


def app():
    for a in pyatspi.Registry.getDesktop(0):
        if a is not None and a.name == APP:
            return a
    return None


def dice():
    return [a for a in walk(app(), []) if a.getRoleName() == "push button" and
            (a.name.startswith("Die ") or a.name.startswith("Set aside "))]


def after_roll():
    rolled = [d for d in dice() if d.name.startswith("Die ") and not d.name.endswith("empty")]
    print("read:", ", ".join(d.name for d in rolled))
    if not rolled:
        failures.append("no die of the roll could be read")
    if "Select Dice." not in statuses:
        failures.append("the status line did not tell 'Select Dice.' (heard %r)" % statuses)
    scoring = [d for d in rolled if d.description == "scores"]
    if not scoring:
        failures.append("no die is described as scoring")
    else:
        action = scoring[0].queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        if "Press" not in names and "press" not in names:
            failures.append("the die offers no press action (%r)" % names)
        else:
            action.doAction(names.index("Press") if "Press" in names else names.index("press"))
            print("pressed:", scoring[0].name)
    GLib.timeout_add(500, done)
    return False


def done():
    kept = [d.name for d in dice() if d.name.startswith("Set aside ") and not d.name.endswith("empty")]
    print("set aside:", ", ".join(kept))
    if not kept:
        failures.append("the pressed die did not reach the tray")
    pyatspi.Registry.stop()
    return False


def on_stdin(source, condition):
    line = sys.stdin.readline().strip()
    if line == "rolled":
        GLib.timeout_add(700, after_roll)
        return False
    return True


def start():
    if app() is None:
        failures.append("the program is not on the accessibility bus")
        pyatspi.Registry.stop()
        return False
    print("ready", flush=True)
    GLib.io_add_watch(sys.stdin, GLib.IO_IN, on_stdin)
    return False


pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
GLib.timeout_add(200, start)
GLib.timeout_add(30000, lambda: (failures.append("timed out"), pyatspi.Registry.stop()))
pyatspi.Registry.start()
for f in failures:
    print("FAULT:", f)
sys.stdout.flush()
sys.exit(1 if failures else 0)
