#!/usr/bin/python3
# A screen reader's view of the game, through the accessibility bus: waits
# for the program to say "rolled", reads the dice of the roll by their
# names, checks that the status line told its change, takes a scoring die
# with the press action, passes the dice to the computer and listens to its
# turn. Prints what it read and heard; exits non-zero on a fault.
# With "names" after the program's name it only reads out the window's
# title, menus and buttons, one "role: name" a line, and ends.
import sys
import pyatspi
from gi.repository import GLib

APP = sys.argv[1] if len(sys.argv) > 1 else "desktop_tests"
NAMES_ONLY = len(sys.argv) > 2 and sys.argv[2] == "names"
statuses = []
failures = []


def on_name(event):
    try:
        if event.source.getRoleName() == "label":
            # The bridge tells which label changed, not to what: the name is
            # read when the event arrives, as a screen reader reads it.
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


# How long the program may take to show what the reader waits for; a busy
# machine only makes it slower, so the reader looks again until then.
PATIENCE_MS = 20000
LOOK_EVERY_MS = 100


def wait_for(ready, then, waited=0):
    """Calls then() once ready() holds, looking again every little while."""
    if ready() or waited >= PATIENCE_MS:
        then()
        return False
    GLib.timeout_add(LOOK_EVERY_MS, wait_for, ready, then, waited + LOOK_EVERY_MS)
    return False


def rolled_dice():
    return [d for d in dice() if d.name.startswith("Die ") and not d.name.endswith("empty")]


def roll_read():
    return bool(rolled_dice()) and "Select Dice." in statuses and any(d.description == "scores" for d in rolled_dice())


def after_roll():
    rolled = rolled_dice()
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
            wait_for(lambda: bool(kept()), done)
            return
    pyatspi.Registry.stop()


def kept():
    return [d.name for d in dice() if d.name.startswith("Set aside ") and not d.name.endswith("empty")]


def done():
    print("set aside:", ", ".join(kept()))
    if not kept():
        failures.append("the pressed die did not reach the tray")
        pyatspi.Registry.stop()
        return
    # The dice pass to the computer: the reader hears whose turn it is and
    # how it ended, and none of the prompts meant for the player.
    passing = [a for a in walk(app(), []) if a.getRoleName() == "push button" and a.name == "Pass Dice"]
    if not passing:
        failures.append("no Pass Dice button")
        pyatspi.Registry.stop()
        return
    del statuses[:]
    passing[0].queryAction().doAction(0)
    wait_for(computer_turn_over, computer_turn_heard)


def computer_turn():
    """What was heard from the computer's turn on, up to the prompt after it."""
    playing = [i for i, s in enumerate(statuses) if s.endswith(" is playing.")]
    if not playing:
        return None
    after = statuses[playing[0]:]
    end = [i for i, s in enumerate(after) if s == "Roll the dice."]
    return after[:end[0]] if end else None


def computer_turn_over():
    return computer_turn() is not None


PROMPTS = ("Select Dice.", "Select Dice or Pass Dice.", "All dice score - You must roll.", "Roll or pass the dice.",
           "Select dice or roll.", "Roll, select, or pass the dice.", "Rolling...")


def computer_turn_heard():
    turn = computer_turn()
    print("heard:", " | ".join(turn or statuses))
    if turn is None:
        failures.append("the computer's turn was not heard (heard %r)" % statuses)
    else:
        prompts = [s for s in turn if s in PROMPTS]
        if prompts:
            failures.append("the player was prompted during the computer's turn (%r)" % prompts)
    pyatspi.Registry.stop()


def on_stdin(source, condition):
    line = sys.stdin.readline().strip()
    if line == "rolled":
        wait_for(roll_read, after_roll)
        return False
    return True


READ_ROLES = ("frame", "menu", "menu item", "push button")


def read_names():
    for a in walk(app(), []):
        try:
            if a.getRoleName() in READ_ROLES and a.name:
                print("%s: %s" % (a.getRoleName(), a.name))
        except Exception:
            pass
    pyatspi.Registry.stop()


def start():
    if app() is None:
        failures.append("the program is not on the accessibility bus")
        pyatspi.Registry.stop()
        return False
    if NAMES_ONLY:
        read_names()
        return False
    print("ready", flush=True)
    GLib.io_add_watch(sys.stdin, GLib.IO_IN, on_stdin)
    return False


def start_when_on_bus(waited=0):
    if app() is None and waited < PATIENCE_MS:
        GLib.timeout_add(LOOK_EVERY_MS, start_when_on_bus, waited + LOOK_EVERY_MS)
        return False
    start()
    return False


pyatspi.Registry.registerEventListener(on_name, "object:property-change:accessible-name")
GLib.timeout_add(LOOK_EVERY_MS, start_when_on_bus)
GLib.timeout_add(3 * PATIENCE_MS, lambda: (failures.append("timed out"), pyatspi.Registry.stop()))
pyatspi.Registry.start()
for f in failures:
    print("FAULT:", f)
sys.stdout.flush()
sys.exit(1 if failures else 0)
