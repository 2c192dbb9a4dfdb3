#!/usr/bin/env python3
"""VLMR as a user meets it, driven through its accessibility interface.

The built program starts on a fresh data directory; the test opens
"Scheduled Tasks" from the frame's toolbar, adds a daily task on the task
form that runs a program writing a marker file, due at the present minute,
and sees the task listed, performed when due, and its row moved on to the
next day - all read from the widgets as a screen reader reads them; then
ends it by a signal while a new task's Description is being typed, and
again with each list's form or each wizard open and edited: every end is
clean (exit code 0, no lock or log files left, the window places kept).

Run inside its own session bus (dbus-run-session) on an X display; the
accessibility bus is started on that session bus.

Usage: vlmr_task_list.py <VLMR binary>
"""
import datetime
import os
import subprocess
import sys
import tempfile
import time
import traceback

from gi.repository import Gio, GLib

DESCRIPTION = "Write the marker"
COMMAND = '/bin/sh -c "echo ran >> ran.txt"'


def eventually(what, probe):
    """Polls probe until it returns something true. It waits as long as it
    takes on a busy machine: the suite's timeout for the test bounds it, and
    the line printed first names what was awaited when that timeout strikes.
    Between polls the bus's news (a new window, a changed row) is taken in."""
    print("waiting for " + what, flush=True)
    events = GLib.MainContext.default()
    while True:
        while events.pending():
            events.iteration(False)
        result = probe()
        if result:
            return result
        time.sleep(0.1)


def accessibility_bus():
    """The accessibility bus's address; asking for it starts the bus."""
    session = Gio.bus_get_sync(Gio.BusType.SESSION, None)
    reply = session.call_sync("org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress", None,
                              GLib.VariantType("(s)"), Gio.DBusCallFlags.NONE, GLib.MAXINT, None)
    return reply.unpack()[0]


# The test reads the bus asked for here, whatever an X root window property
# may name; the program asks the session bus for it.
os.environ["AT_SPI_BUS_ADDRESS"] = accessibility_bus()
import pyatspi  # noqa: E402  (reads the bus address when imported)


def children(node):
    return [node.getChildAtIndex(i) for i in range(node.childCount)]


def find(root, role, name):
    """The first descendant on screen with that role and name, or None."""
    for node in children(root):
        if node is None or not node.getState().contains(pyatspi.STATE_SHOWING):
            continue
        if node.getRole() == role and node.name == name:
            return node
        found = find(node, role, name)
        if found:
            return found
    return None


def window(app, name):
    return eventually("window " + repr(name),
                      lambda: next((w for w in children(app) if w.name == name), None))


def act(node, action):
    actions = node.queryAction()
    names = [actions.getName(i) for i in range(actions.nActions)]
    assert action in names, f"{node.name!r} offers {names}, not {action!r}"
    actions.doAction(names.index(action))


def press(root, role, name, action="Press"):
    act(eventually(f"{name!r} to {action.lower()}", lambda: find(root, role, name)), action)


def type_into(root, role, name, text):
    field = eventually(f"the entry {name!r}", lambda: find(root, role, name))
    field.queryComponent().grabFocus()
    field.queryEditableText().setTextContents(text)
    return field


def rows(table):
    """The list's rows as dictionaries by column heading."""
    grid = table.queryTable()
    if grid.nRows == 0:  # the headings are read through a row's cells
        return []
    headings = [grid.getColumnHeader(c).name for c in range(grid.nColumns)]
    return [{headings[c]: grid.getAccessibleAt(r, c).name for c in range(grid.nColumns)}
            for r in range(grid.nRows)]


def user_date(day):
    return day.strftime("%b %d,%Y").upper()


def start(vlmr_binary, data_dir):
    environment = {name: value for name, value in os.environ.items() if name != "AT_SPI_BUS_ADDRESS"}
    environment.update(QT_QPA_PLATFORM="xcb", QT_ACCESSIBILITY="1",
                       QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1",
                       XDG_DATA_HOME=os.path.join(data_dir, "xdg"))
    with open(os.path.join(data_dir, "vlmr.out"), "w") as output:
        return subprocess.Popen([vlmr_binary], cwd=data_dir, env=environment, stdout=output,
                                stderr=subprocess.STDOUT)


def ended_cleanly(vlmr, data_dir):
    """Asked to end, VLMR closes its windows and files and leaves with
    success, keeping the places of its windows as File, Exit does."""
    vlmr.terminate()
    print("waiting for VLMR to end", flush=True)
    assert vlmr.wait() == 0, f"VLMR ended with {vlmr.returncode} when terminated"
    left = [name for name in os.listdir(data_dir)
            if name == "VLMR.LCK" or name.endswith("-wal") or name.endswith("-shm")]
    assert not left, f"left behind: {left}"
    with open(os.path.join(data_dir, "POSITION.INI")) as positions:
        return positions.read()


def stopped(vlmr):
    vlmr.terminate()
    try:
        vlmr.wait(10)
    except subprocess.TimeoutExpired:
        vlmr.kill()
        vlmr.wait()


def run(vlmr_binary, data_dir):
    # An empty main data file: the data directory is found at once. The
    # task list does not open by itself; the test opens it.
    open(os.path.join(data_dir, "VLDB.TPS"), "w").close()
    with open(os.path.join(data_dir, "vlmr.INI"), "w") as ini:
        ini.write("[Settings]\nLogEvents=1\nStartUpSchedule=1\n")
    vlmr = start(vlmr_binary, data_dir)
    try:
        drive(vlmr, data_dir)
        # Ended with a task form open and its Description being typed.
        kept = ended_cleanly(vlmr, data_dir)
        assert "[BrowseSchedule]" in kept, "the task list's place was kept:\n" + kept
    finally:
        stopped(vlmr)
    for button in WINDOWS:
        vlmr = start(vlmr_binary, data_dir)
        try:
            edit_in_window(vlmr, button)
            ended_cleanly(vlmr, data_dir)
        finally:
            stopped(vlmr)


# The frame's buttons whose windows a signal ends with an edit made in them:
# a list with the form its "New" or "Insert" opens, or a wizard.
WINDOWS = ["To Do List", "Contacts", "Email Messages", "Clipboard Saver", "Message Wizard",
           "Program Wizard"]


def editable(root):
    """The first editable text on screen in the window, or None."""
    for node in children(root):
        if node is None or not node.getState().contains(pyatspi.STATE_SHOWING):
            continue
        if node.getRole() == pyatspi.ROLE_TEXT and node.getState().contains(pyatspi.STATE_EDITABLE):
            return node
        found = editable(node)
        if found:
            return found
    return None


def vlmr_frame(vlmr):
    """The running VLMR on the accessibility bus, and its frame."""
    desktop = pyatspi.Registry.getDesktop(0)

    def started():
        assert vlmr.poll() is None, "VLMR ended with status %s" % vlmr.returncode
        return next((a for a in children(desktop) if a is not None and a.name == "VLMR"), None)
    app = eventually("VLMR on the accessibility bus", started)
    return app, window(app, "Velmora 2000")


def edit_in_window(vlmr, button):
    app, frame = vlmr_frame(vlmr)
    shown = {w.name for w in children(app)}
    press(frame, pyatspi.ROLE_PUSH_BUTTON, button)
    opened = eventually(f"the window of {button!r}",
                        lambda: next((w for w in children(app) if w.name not in shown), None))
    for new in ("New", "Insert", "&Insert"):
        if find(opened, pyatspi.ROLE_PUSH_BUTTON, new):
            shown.add(opened.name)
            press(opened, pyatspi.ROLE_PUSH_BUTTON, new)
            opened = eventually(f"the form of {button!r}",
                                lambda: next((w for w in children(app) if w.name not in shown), None))
            break
    field = eventually(f"a field to edit in {opened.name!r}", lambda: editable(opened))
    field.queryComponent().grabFocus()
    field.queryEditableText().setTextContents("edited")


def drive(vlmr, data_dir):
    app, frame = vlmr_frame(vlmr)
    press(frame, pyatspi.ROLE_PUSH_BUTTON, "View Schedule")
    tasks = window(app, "Scheduled Tasks")
    today = datetime.date.today()
    eventually("the day tab showing today", lambda: find(tasks, pyatspi.ROLE_PAGE_TAB, user_date(today)))

    press(tasks, pyatspi.ROLE_PUSH_BUTTON, "New")
    form = window(app, "New Task")
    press(form, pyatspi.ROLE_RADIO_BUTTON, "Run Program", "Toggle")
    type_into(form, pyatspi.ROLE_TEXT, "Description:", DESCRIPTION)
    press(form, pyatspi.ROLE_PAGE_TAB, "Command")
    type_into(form, pyatspi.ROLE_TEXT, "Command:", COMMAND)
    start_in = os.path.join(data_dir, "start-in")
    os.mkdir(start_in)
    type_into(form, pyatspi.ROLE_TEXT, "Start in:", start_in)
    press(form, pyatspi.ROLE_PAGE_TAB, "When")
    press(form, pyatspi.ROLE_RADIO_BUTTON, "Day of Week", "Toggle")
    date = find(form, pyatspi.ROLE_SPIN_BUTTON, "Next Date to Perform Task:")
    assert date.queryText().getText(0, -1) == user_date(today), "a new task takes the list's day"
    # Due early today, not at the present time the form proposes: performed
    # at the scheduler's next look.
    type_into(form, pyatspi.ROLE_SPIN_BUTTON, "Time:", "00:01")
    press(form, pyatspi.ROLE_PUSH_BUTTON, "OK")

    # Every task by date: the task and, once performed, its history.
    press(tasks, pyatspi.ROLE_PAGE_TAB, "All by Date")
    table = eventually("the task list", lambda: find(tasks, pyatspi.ROLE_TABLE, ""))

    def listed(date):
        return next((row for row in rows(table)
                     if row["Description"] == DESCRIPTION and row["Date"] == user_date(date)), None)
    listed_time = "12:01AM"
    row = eventually("the new task listed", lambda: listed(today))
    assert row["Time"] == listed_time, f"listed at {row['Time']}, not {listed_time}"
    marker = os.path.join(start_in, "ran.txt")
    # Just after midnight 00:01 is still ahead: a minute's wait at most.
    eventually("the task's program to write its marker", lambda: os.path.exists(marker))
    row = eventually("the row moved on to its next date", lambda: listed(today + datetime.timedelta(days=1)))
    assert row["Time"] == listed_time, f"moved on to {row['Time']}, not {listed_time}"
    with open(marker) as ran:
        assert ran.read() == "ran\n", "performed once"

    press(tasks, pyatspi.ROLE_PUSH_BUTTON, "New")
    type_into(window(app, "New Task"), pyatspi.ROLE_TEXT, "Description:", "Not stored")


def main():
    with tempfile.TemporaryDirectory(prefix="vlmr-task-list-") as data_dir:
        try:
            run(sys.argv[1], data_dir)
        except Exception:
            traceback.print_exc()
            for name in ("vlmr.out", "VLMREVNT.LOG"):
                path = os.path.join(data_dir, name)
                if os.path.exists(path):
                    print(f"--- {name}\n" + open(path).read())
            return 1
    print("passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
