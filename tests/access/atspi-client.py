#!/usr/bin/python3
"""The screen reader's side of atspi.sh: a real AT-SPI client (pyatspi).

   atspi-client.py GAME_PID KEPT_ROUND_JSON SHIPPED_FOLDER

It finds the game among the desktop's applications, reads the main window's
board as a table of the dealt level's rows and columns, each cell named by
its place and picture as the kept round holds it (named as the level's
pictures.ini names it in Chinese); moves the keyboard cursor
and sees the focus follow, cell by cell, with its events; removes a pair
(easy mode: any two tiles of one picture) and sees both cells become empty,
hears their names change and the announcement of the pair. Every wait
polls for progress under a generous ceiling: the machine may be slow.
"""

import configparser
import json
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

CEILING = 120  # seconds: a ceiling for a stuck game, never a verdict's timing

game_pid = int(sys.argv[1])
with open(sys.argv[2], encoding="utf-8") as kept_file:
    kept = json.load(kept_file)
rows, columns, cells = kept["rows"], kept["columns"], kept["cells"]
names = configparser.ConfigParser(interpolation=None)
names.read(os.path.join(sys.argv[3], *[part for part in kept["level"].split("\\") if part], "pictures.ini"),
           encoding="utf-8")

heard = []  # (event type, source name) as they came


def listen(event):
    try:
        heard.append((event.type, event.source.name if event.source else ""))
    except Exception:  # a source gone while the event travelled
        heard.append((event.type, ""))


for kind in ("focus:", "object:state-changed:focused", "object:state-changed:selected",
             "object:property-change:accessible-name", "object:state-changed:showing"):
    pyatspi.Registry.registerEventListener(listen, kind)


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def pump():
    context = GLib.MainContext.default()
    while context.pending():
        context.iteration(False)


def wait_for(what, condition):
    """Polls the condition, events delivered in between, until it holds."""
    start = time.monotonic()
    while True:
        pump()
        try:
            value = condition()
        except Exception:  # an object not there yet, or gone while read
            value = None
        if value:
            return value
        if time.monotonic() - start > CEILING:
            fail("waited in vain for " + what)
        time.sleep(0.05)


def find(root, predicate):
    """The first accessible under root, breadth first, that the predicate takes."""
    level = [root]
    while level:
        below = []
        for accessible in level:
            for child in accessible:
                if child is not None:
                    if predicate(child):
                        return child
                    below.append(child)
        level = below
    return None


def fresh(accessible):
    accessible.clearCache()
    return accessible


def the_game():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and app.get_process_id() == game_pid:
            return app
    return None


app = wait_for("the game on the accessibility bus", the_game)
board = wait_for("the board as a table",
                 lambda: find(app, lambda a: a.getRole() == pyatspi.ROLE_TABLE))
table = board.queryTable()
if (table.nRows, table.nColumns) != (rows, columns):
    fail(f"the table has {table.nRows} × {table.nColumns} cells, the level {rows} × {columns}")


def picture(code):
    if not code:
        return "空"
    return names.get("zh", str(code), fallback=f"图案 {code}")


def cell(row, column):
    return fresh(table.getAccessibleAt(row - 1, column - 1))


def expected_name(row, column, code):
    return f"第{row}行第{column}列：{picture(code)}"


# Every cell by its place and what the kept round says lies there.
for row in range(1, rows + 1):
    for column in range(1, columns + 1):
        accessible = cell(row, column)
        code = cells[row - 1][column - 1]
        if accessible.name != expected_name(row, column, code):
            fail(f"cell ({row}, {column}) is called {accessible.name!r}, not {expected_name(row, column, code)!r}")
        if accessible.getRole() != pyatspi.ROLE_TABLE_CELL:
            fail(f"cell ({row}, {column}) has the role {accessible.getRoleName()}")
        if accessible.getState().contains(pyatspi.STATE_SELECTABLE) != (code != 0):
            fail(f"cell ({row}, {column}) is selectable only when a tile lies there")


def focused_cell():
    for row in range(1, rows + 1):
        for column in range(1, columns + 1):
            if cell(row, column).getState().contains(pyatspi.STATE_FOCUSED):
                return (row, column)
    return None


def key(name):
    subprocess.run(["xdotool", "key", name], check=True)


# The keys reach the window once it is active (it activates itself when shown).
wait_for("the main window active", lambda: any(fresh(window).getState().contains(pyatspi.STATE_ACTIVE)
                                              for window in app if window is not None))
key("Right")  # the first move shows the cursor at the top-left cell
at = wait_for("the cursor's cell to take the focus", focused_cell)
if at != (1, 1):
    fail(f"the first arrow focused cell {at}, not the top-left one")


def move_to(row, column):
    global at
    while at != (row, column):
        if at[1] != column:
            step, expected = ("Right", (at[0], at[1] + 1)) if at[1] < column else ("Left", (at[0], at[1] - 1))
        else:
            step, expected = ("Down", (at[0] + 1, at[1])) if at[0] < row else ("Up", (at[0] - 1, at[1]))
        heard.clear()
        key(step)
        wait_for(f"the focus on cell {expected} after {step}", lambda: focused_cell() == expected)
        name = expected_name(expected[0], expected[1], cells[expected[0] - 1][expected[1] - 1])
        wait_for(f"a focus event from {name!r}",
                 lambda: any(kind.startswith("focus") or kind == "object:state-changed:focused"
                             for kind, source in heard if source == name))
        at = expected


# Two tiles of one picture, the first pair in reading order.
places = {}
pair = None
for row in range(1, rows + 1):
    for column in range(1, columns + 1):
        code = cells[row - 1][column - 1]
        if code and code in places and pair is None:
            pair = (places[code], (row, column), code)
        places.setdefault(code, (row, column))
if pair is None:
    fail("the kept round holds no two tiles of one picture")
first, second, code = pair

move_to(*first)
key("space")
wait_for(f"cell {first} selected", lambda: cell(*first).getState().contains(pyatspi.STATE_SELECTED))
if not table.isSelected(first[0] - 1, first[1] - 1):
    fail(f"the table does not say that cell {first} is selected")
move_to(*second)
heard.clear()
key("space")
for place in (first, second):
    name = expected_name(place[0], place[1], 0)
    wait_for(f"cell {place} empty", lambda: cell(*place).name == name)
    if cell(*place).getState().contains(pyatspi.STATE_SELECTABLE):
        fail(f"the emptied cell {place} is still selectable")
    wait_for(f"the name change of cell {place} heard",
             lambda: ("object:property-change:accessible-name", name) in heard)
said = f"消去：第{first[0]}行第{first[1]}列 与 第{second[0]}行第{second[1]}列"
wait_for("the pair announced",
         lambda: any(kind == "object:property-change:accessible-name" and source == said for kind, source in heard))
# Shown anew, the notification is spoken by a screen reader that presents
# notifications as they show.
wait_for("the announcement shown", lambda: ("object:state-changed:showing", said) in heard)
announcer = find(app, lambda a: a.getRole() == pyatspi.ROLE_NOTIFICATION)
if announcer is None or fresh(announcer).name != said:
    fail(f"the announcer says {announcer.name if announcer else None!r}, not {said!r}")

# The score the pair earned, and the time left, are read from the strip.
if find(app, lambda a: fresh(a).name == "积分：1") is None:
    fail("no part of the window reads the score of one point as 积分：1")
if find(app, lambda a: a.name.startswith("生命：") and a.name.endswith("%")) is None:
    fail("no part of the window reads the time left")

# The strip's tools are buttons named with their uses left.
undo = find(app, lambda a: a.getRole() == pyatspi.ROLE_PUSH_BUTTON and a.name.startswith("撤消，剩余"))
if undo is None:
    fail("no 撤消 button with its uses left")
action = undo.queryAction()
names = [action.getName(i).lower() for i in range(action.nActions)]
if "press" not in names:
    fail(f"the 撤消 button cannot be pressed, only {names}")
# One pair is one point, an undo costs two: pressed, it is refused, and said so.
heard.clear()
action.doAction(names.index("press"))
wait_for("the refused undo announced",
         lambda: any(kind == "object:property-change:accessible-name" and source == "积分不足"
                     for kind, source in heard))
if cell(*first).name != expected_name(first[0], first[1], 0):
    fail("a refused undo brought the pair back")
print("atspi-client: the board, the cursor, a pair and the strip as a client reads them")
