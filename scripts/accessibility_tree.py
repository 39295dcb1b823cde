#!/usr/bin/python3
"""Prints what a screen reader finds in Orvanta's windows, through AT-SPI.

Every object of the application's accessibility tree is one line: its depth,
its role, its name and its description, and for a table's cell what it can
be (checkable, checked) and do (Toggle, Press). Then, for the main window and
the live window each, the count of controls a user reaches (buttons, boxes,
tables and their headers, menus and their items, tabs, check boxes, panels)
that have no name, or a name that is a control's object name rather than words
("Edit5", "FrmLiveOrvantaNewGame"); and for each table what a reader hears
as each column's and row's header, how many of its columns have none to show,
and its check boxes with a Toggle action. The live window is opened through
its menu item, as a screen reader's user would.

On the main window's parlay sheet (the first table with a check box), the
script then does what a reader's user does: toggles the first box and back,
and presses a cell of the second column, and reports where the program said
the focus went.

    accessibility_tree.py [--open-live] [--names-file FILE]

--names-file: the controls' object names, one a line (from
ORVANTA_PRINT_CAPTIONS or a table dump); a name listed there counts as an
object name.
"""
import argparse
import re
import sys
import time

import pyatspi

CONTROL_ROLES = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY,
    pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_MENU,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_CHECK_MENU_ITEM,
    pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_DATE_EDITOR, pyatspi.ROLE_PANEL,
    pyatspi.ROLE_GROUPING, pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG,
    pyatspi.ROLE_SPLIT_PANE, pyatspi.ROLE_PAGE_TAB_LIST, pyatspi.ROLE_COMBO_BOX,
    pyatspi.ROLE_TABLE_COLUMN_HEADER, pyatspi.ROLE_TABLE_ROW_HEADER, pyatspi.ROLE_MENU_BAR,
}
# Names in the style of the controls' object names: a word then digits, or a
# window's class-like name.
OBJECT_NAME = re.compile(
    r"^(Frm[A-Za-z]*|Edit\d+|edtGaniota|edAgona|meTime|Label\d+|Lbl[A-Za-z]*|BitBtn\d+|"
    r"Button\d+|bbtn[A-Za-z]+|GroupBox\d+|Panel\d+|Splitter\d+|Image\d+|AdvStringGrid\d*|"
    r"AdvCalcArbitrage|AdvProbability|AdvOdds\d*|TS[A-Za-z]+|PageControl\d+|MainMenu\d+|"
    r"mi[A-Z][A-Za-z0-9]*|DateTimePicker\d+|WebBrowser\d+|AboutDlgS|Timer\d+)$")


def find_app(name, seconds=20):
    deadline = time.time() + seconds
    while time.time() < deadline:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name:
                return app
        time.sleep(0.25)
    sys.exit("no application named %s on the accessibility bus" % name)


def walk(node, depth=0):
    yield depth, node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def do_action(node):
    try:
        node.queryAction().doAction(0)
    except Exception:  # no reply while the window it opened runs
        pass


def action_names(node):
    try:
        action = node.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def is_box(node):
    """A check box, or a cell that says it is checkable (a newer Qt says so)."""
    return node.getRole() == pyatspi.ROLE_CHECK_BOX or node.getState().contains(
        pyatspi.STATE_CHECKABLE)


def is_cell(node):
    parent = node.parent
    return (parent is not None and parent.getRole() == pyatspi.ROLE_TABLE and
            node.getRole() in (pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_CHECK_BOX))


def cell_line(node):
    """What a cell is besides its text: a box, checked, and its actions."""
    states = node.getState()
    marks = (["checkable"] if is_box(node) else []) + (
        ["checked"] if states.contains(pyatspi.STATE_CHECKED) else [])
    actions = action_names(node)
    return "%s%s" % (" [%s]" % ", ".join(marks) if marks else "",
                     " {%s}" % ", ".join(actions) if actions else "")


def header_name(header):
    return (header.name or "").strip() if header is not None else ""


def table_report(node):
    """A table as a reader hears it: each column's and row's header, and its boxes."""
    table = node.queryTable()
    shown = node.getState().contains(pyatspi.STATE_VISIBLE)
    columns, headless = [], 0
    # A table without rows has no cell to ask for its column's header: its
    # headers are its children.
    if table.nRows == 0:
        columns = [header_name(child) or "?" for child in node
                   if child is not None and child.getRole() == pyatspi.ROLE_TABLE_COLUMN_HEADER]
    for col in range(table.nColumns if table.nRows else 0):
        header = table.getColumnHeader(col)
        name = header_name(header)
        # A header hidden in a table that shows is no header to a reader.
        if not name or (shown and not header.getState().contains(pyatspi.STATE_VISIBLE)):
            headless += 1
        columns.append(name or "?")
    rows = [header_name(table.getRowHeader(row)) or "-" for row in range(table.nRows)]
    boxes = toggles = 0
    for row in range(table.nRows):
        for col in range(table.nColumns):
            cell = table.getAccessibleAt(row, col)
            if cell is not None and is_box(cell):
                boxes += 1
                toggles += "Toggle" in action_names(cell)
    print("   table %r: %d rows x %d columns, %d columns without a header shown" %
          (node.name, table.nRows, table.nColumns, headless))
    print("     column headers: %s" % " | ".join(columns))
    print("     row headers: %s" % " | ".join(rows))
    if boxes:
        print("     %d check boxes, %d with a Toggle action" % (boxes, toggles))
    return headless


def dump(window, object_names):
    unnamed = []
    object_named = []
    controls = 0
    tables = []
    for depth, node in walk(window):
        role = node.getRoleName()
        name = node.name or ""
        description = node.description or ""
        extra = cell_line(node) if is_cell(node) else ""
        print("%s%s %r%s%s" % ("  " * depth, role, name,
                               " (%s)" % description if description else "", extra))
        if node.getRole() == pyatspi.ROLE_TABLE:
            tables.append(node)
        # Cells are read with their headers; tables and headers are counted.
        # Every page's controls count, not only the page in front.
        if node.getRole() not in CONTROL_ROLES:
            continue
        controls += 1
        if not name.strip():
            unnamed.append(role)
        elif OBJECT_NAME.match(name) or name in object_names:
            object_named.append("%s %r" % (role, name))
    print("== the tables")
    headless = sum(table_report(table) for table in tables)
    return controls, unnamed, object_named, headless


def report(title, counts):
    controls, unnamed, object_named, headless = counts
    print("== %s: %d controls, %d without a name, %d named by an object name, "
          "%d table columns without a header shown" %
          (title, controls, len(unnamed), len(object_named), headless))
    for role in sorted(set(unnamed)):
        print("   without a name: %d %s" % (unnamed.count(role), role))
    for line in object_named:
        print("   object name: %s" % line)


def wait_for_events(seconds):
    """Lets the listeners hear what the program said meanwhile."""
    from gi.repository import GLib
    loop = GLib.MainLoop()
    GLib.timeout_add(int(seconds * 1000), loop.quit)
    loop.run()


def cell_place(cell):
    table = cell.parent.queryTable()
    index = cell.getIndexInParent()
    return table.getRowAtIndex(index), table.getColumnAtIndex(index)


def try_actions(window):
    """Toggles the first check box of a table and back, and presses a cell beside it."""
    for _, node in walk(window):
        if node.getRole() != pyatspi.ROLE_TABLE:
            continue
        table = node.queryTable()
        box = next((table.getAccessibleAt(row, 0) for row in range(table.nRows)
                    if is_box(table.getAccessibleAt(row, 0))), None)
        if box is None or table.nColumns < 2 or table.nRows < 4:
            continue
        def checked():
            return "checked" if box.getState().contains(pyatspi.STATE_CHECKED) else "not checked"
        seen = [checked()]
        for _ in range(2):
            box.queryAction().doAction(action_names(box).index("Toggle"))
            time.sleep(0.3)
            seen.append(checked())
        print("== Toggle on %r row 1 column 1: %s" % (node.name, " -> ".join(seen)))
        focused = []
        listener = lambda event: focused.append(event.source) if event.detail1 else None
        pyatspi.Registry.registerEventListener(listener, "object:state-changed:focused")
        cell = table.getAccessibleAt(3, 1)
        cell.queryAction().doAction(action_names(cell).index("Press"))
        wait_for_events(1.5)
        pyatspi.Registry.deregisterEventListener(listener, "object:state-changed:focused")
        places = ["row %d column %d" % tuple(n + 1 for n in cell_place(source))
                  for source in focused if is_cell(source)]
        print("== Press on %r row 4 column 2: focus said to be on %s" %
              (node.name, ", ".join(places) or "nothing"))
        return


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--open-live", action="store_true")
    parser.add_argument("--names-file")
    args = parser.parse_args()
    object_names = set()
    if args.names_file:
        with open(args.names_file, encoding="utf-8") as f:
            object_names = {line.split("\t")[0].strip() for line in f if line.strip()}

    # Opening the live window runs its own event loop inside the action, so the
    # action's reply comes only when it closes: calls wait a short while only.
    pyatspi.setTimeout(2000, 15000)
    app = find_app("Orvanta")
    time.sleep(1)
    windows = [app.getChildAtIndex(i) for i in range(app.childCount)]
    main_window = next(w for w in windows if w is not None and "Version" in (w.name or ""))
    print("== the main window")
    main_counts = dump(main_window, object_names)
    report("main window", main_counts)
    try_actions(main_window)

    if args.open_live:
        for _, node in walk(main_window):
            if node.getRole() in (pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_PUSH_BUTTON) and \
                    node.name in ("Live Orvanta", "Live Orvanta ", "Ζωντανά"):
                do_action(node)
                break
        else:
            for _, node in walk(main_window):
                if node.getRole() == pyatspi.ROLE_MENU_ITEM and "Live" in (node.name or ""):
                    do_action(node)
                    break
        live = None
        deadline = time.time() + 10
        while live is None and time.time() < deadline:
            time.sleep(0.5)
            for i in range(app.childCount):
                w = app.getChildAtIndex(i)
                if w is not None and w != main_window and w.getState().contains(
                        pyatspi.STATE_SHOWING):
                    live = w
        if live is None:
            sys.exit("the live window did not open")
        print("== the live window")
        report("live window", dump(live, object_names))
        report("main window", main_counts)


if __name__ == "__main__":
    main()
