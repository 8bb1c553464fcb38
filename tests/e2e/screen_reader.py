#!/usr/bin/python3
"""A screen reader's session with the running program, through the accessibility bus alone.

Finds every control by its role and accessible name, as a screen reader does, and works it
through AT-SPI's own interfaces: types the login into the text field, reads both meters' values,
mounts the sources and places two components through their actions and the position dialog,
presses Start through the button's action, reads the counter when the series has ended and holds
it to the result file, and closes through the question, reading its text. No key or pointer
event is sent. Arguments: the program's process id, its work folder, the expected counter.
"""

import sys
import time

import pyatspi
from gi.repository import GLib

PID = int(sys.argv[1])
WORK = sys.argv[2]
EXPECTED_LAST_COUNT = sys.argv[3]
TIMEOUT = 90.0


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def wait_for(what, probe, timeout=TIMEOUT):
    """Polls probe until it gives something; nothing to wait for is a failure."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        try:
            found = probe()
        except Exception:  # an object that went away while being read: look again
            found = None
        if found:
            return found
        time.sleep(0.1)
    fail("timed out waiting for " + what)


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == PID:
            return app
    return None


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find_all(role, name=None, description=None, within=None):
    """The controls of a role, by name as a screen reader speaks it (the blanks around it not)."""
    root = within if within is not None else application()
    if root is None:
        return []
    return [n for n in walk(root)
            if n.getRole() == role and (name is None or n.name.strip() == name.strip())
            and (description is None or n.description == description)]


def find(role, name=None, description=None, within=None):
    return wait_for("role %s named %r" % (role, name),
                    lambda: (find_all(role, name, description, within) or [None])[0])


def press(node):
    """Runs a control's first action (a button's press), as a screen reader's 'do action'."""
    action = node.queryAction()
    if not action.doAction(0):
        fail("the action of %r was refused" % node.name)


def do_named_action(node, name):
    action = node.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if name not in names:
        fail("%r has no action %r, only %r" % (node.name, name, names))
    action.doAction(names.index(name))


def set_text(node, text):
    if not node.queryEditableText().setTextContents(text):
        fail("could not type into %r" % node.name)


def text_of(node):
    content = node.queryText()
    return content.getText(0, content.characterCount)


def expect(what, got, wanted):
    if got != wanted:
        fail("%s: %r, expected %r" % (what, got, wanted))
    print("ok: %s = %r" % (what, got), flush=True)


# --- the login
login = find(pyatspi.ROLE_DIALOG, " Bejelentkezés")
set_text(find(pyatspi.ROLE_TEXT, "Add meg az azonosító kódodat", within=login), "e2e")
press(find(pyatspi.ROLE_PUSH_BUTTON, "OK", within=login))
main = wait_for("the main window's title with the login",
                lambda: [f for f in find_all(pyatspi.ROLE_FRAME) if "(Brk2017_e2e)" in f.name])[0]

# --- both meters: the reading as text, as the meter shows it, and as a number
pressure = find(pyatspi.ROLE_DIAL, "Nyomás (mbar)", within=main)
speed = find(pyatspi.ROLE_DIAL, "Fordulatszám (1/s)", within=main)
expect("pressure reading", pressure.description, "Nyomás: 9.8·10² mbar")
expect("pressure value", pressure.queryValue().currentValue, 980.0)
expect("speed reading", speed.description, "Fordulatszám: 0·10⁰ 1/s")
expect("speed value", speed.queryValue().currentValue, 0.0)

# --- the sources onto the markers through their actions; names follow the field positions
sources = find_all(pyatspi.ROLE_IMAGE, within=main)
sources = [s for s in sources if s.name.startswith("Au-forrás")]
if len(sources) != 2:
    fail("two sources, found %d" % len(sources))
do_named_action(sources[0], "Felső jelölőre")
do_named_action(sources[1], "Alsó jelölőre")
find(pyatspi.ROLE_IMAGE, "Au-forrás, x 184, y 15", within=main)
find(pyatspi.ROLE_IMAGE, "Au-forrás, x 184, y 329", within=main)


# --- the target and the detector through the position dialog, opened by their menu action
def place(kind, x, y):
    component = wait_for(kind, lambda: [c for c in find_all(pyatspi.ROLE_IMAGE, within=main)
                                        if c.name.startswith(kind + ",")][0])
    do_named_action(component, "ShowMenu")
    dialog = find(pyatspi.ROLE_DIALOG, "Komponens ")
    set_text(find(pyatspi.ROLE_TEXT, "x =", within=dialog), str(x))
    set_text(find(pyatspi.ROLE_TEXT, "y =", within=dialog), str(y))
    press(find(pyatspi.ROLE_PUSH_BUTTON, "OK", within=dialog))
    find(pyatspi.ROLE_IMAGE, "%s, x %d, y %d" % (kind, x, y), within=main)


place("Detektor", 600, 150)
place("Higany", 480, 150)

# --- Start in the measurement box runs the series of the factor file
counter = find(pyatspi.ROLE_TEXT, "Számláló", within=main)
expect("counter before", text_of(counter).strip(), "0")
press(find(pyatspi.ROLE_PUSH_BUTTON, "Start", description="MÉRÉS", within=main))
result = WORK + "/Brk2017_e2e.txt"


def series_done():
    try:
        with open(result, "rb") as f:
            return f.read().count(b"\n") >= 4
    except OSError:
        return False


wait_for("the series' result file", series_done)
wait_for("the last count on the counter",
         lambda: text_of(counter).strip() == EXPECTED_LAST_COUNT)
print("ok: counter = %r" % text_of(counter).strip(), flush=True)
wait_for("the speed meter's value after the series", lambda: speed.queryValue().currentValue > 0)

# --- closing: the menu's Vége, the question read and answered through its buttons
# The toolkit answers a menu item's action only once the modal question it opens has closed;
# a screen reader does not wait for that answer, and neither does this script.
pyatspi.setTimeout(1000, -1)
try:
    press(find(pyatspi.ROLE_MENU_ITEM, "Vége", within=main))
except GLib.Error:
    pass
pyatspi.setTimeout(-1, -1)
question = wait_for("the close question",
                    lambda: [d for d in find_all(pyatspi.ROLE_ALERT) if "MEGERŐSÍTÉS" in d.name][0])
text = find(pyatspi.ROLE_LABEL, within=question)
expect("question", text.name, "Minden adat el van mentve?")
press(find(pyatspi.ROLE_PUSH_BUTTON, "Igen", within=question))
print("ok: answered", flush=True)
