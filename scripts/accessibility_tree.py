#!/usr/bin/python3
"""Prints what a screen reader finds in Orvanta's windows, through AT-SPI.

Every object of the application's accessibility tree is one line: its depth,
its role, its name and its description. Then, for the main window and the
live window each, the count of controls a user reaches (buttons, boxes,
tables, menus and their items, tabs, check boxes, panels) that have no name, or
a name that is a control's object name rather than words ("Edit5",
"FrmLiveOrvantaNewGame"). The live window is opened through its menu item, as
a screen reader's user would.

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


def is_table_corner(node):
    """The pane Qt puts where a table's two headers meet: no widget, no control."""
    parent = node.parent
    return (node.getRole() == pyatspi.ROLE_PANEL and parent is not None and
            parent.getRole() == pyatspi.ROLE_TABLE and node.getIndexInParent() == 0)


def do_action(node):
    try:
        node.queryAction().doAction(0)
    except Exception:  # no reply while the window it opened runs
        pass


def dump(window, object_names):
    unnamed = []
    object_named = []
    controls = 0
    for depth, node in walk(window):
        role = node.getRoleName()
        name = node.name or ""
        description = node.description or ""
        print("%s%s %r%s" % ("  " * depth, role, name,
                             " (%s)" % description if description else ""))
        # Cells are read from their table's headers; the table itself is counted.
        # Every page's controls count, not only the page in front.
        if node.getRole() not in CONTROL_ROLES or is_table_corner(node):
            continue
        controls += 1
        if not name.strip():
            unnamed.append(role)
        elif OBJECT_NAME.match(name) or name in object_names:
            object_named.append("%s %r" % (role, name))
    return controls, unnamed, object_named


def report(title, counts):
    controls, unnamed, object_named = counts
    print("== %s: %d controls, %d without a name, %d named by an object name" %
          (title, controls, len(unnamed), len(object_named)))
    for role in sorted(set(unnamed)):
        print("   without a name: %d %s" % (unnamed.count(role), role))
    for line in object_named:
        print("   object name: %s" % line)


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
