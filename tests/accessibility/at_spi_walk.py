#!/usr/bin/python3
"""Reads the accessibility tour's windows through AT-SPI, as a screen reader does.

Fails on a control a user can reach that has no name, a table without a name, without a
header for each column or without text in its cells, a Tab order that leaves out a control
of the window, and a main window whose notice does not tell a failed find. Run by run-at-spi-walk.sh, which starts the buses it needs.
"""
import os
import subprocess
import sys
import time

import pyatspi

APP_NAME = "quorvan-accessibility-tour"
# Roles whose children are rows of data, not controls: looked at as tables, not walked.
DATA_ROLES = {pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE, pyatspi.ROLE_LIST,
              pyatspi.ROLE_TREE, pyatspi.ROLE_MENU_BAR, pyatspi.ROLE_MENU,
              pyatspi.ROLE_TOOL_BAR}
# Controls a window takes the focus of but which are no stop of their own. A label whose text
# the mouse may select takes the focus on a click only.
NOT_STOPS = {pyatspi.ROLE_LABEL, pyatspi.ROLE_SCROLL_BAR, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_MENU_ITEM,
             pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL, pyatspi.ROLE_SCROLL_PANE,
             pyatspi.ROLE_VIEWPORT, pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL,
             pyatspi.ROLE_FRAME, pyatspi.ROLE_DIALOG, pyatspi.ROLE_WINDOW}
TAB_LIMIT = 80


def states(obj):
    return obj.getState()


def has(obj, state):
    try:
        return states(obj).contains(state)
    except Exception:
        return False


def label_name(obj):
    """The name a screen reader takes: the object's own, or that of the label naming it."""
    name = (obj.name or "").strip()
    if name:
        return name
    try:
        for relation in obj.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                for i in range(relation.getNTargets()):
                    target = relation.getTarget(i)
                    if target is not None and (target.name or "").strip():
                        return target.name.strip()
    except Exception:
        pass
    return ""


def describe(obj):
    return "%s '%s'" % (obj.getRoleName(), obj.name or "")


def path_of(obj):
    parts = []
    while obj is not None and obj.getRole() != pyatspi.ROLE_APPLICATION:
        parts.append(describe(obj))
        obj = obj.parent
    return " < ".join(parts)


def walk(obj, found):
    """Every showing object under obj, tables and lists kept whole."""
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is None or not has(child, pyatspi.STATE_SHOWING):
            continue
        found.append(child)
        if child.getRole() not in DATA_ROLES:
            walk(child, found)


def is_stop(obj):
    return (obj.getRole() not in NOT_STOPS and has(obj, pyatspi.STATE_FOCUSABLE)
            and has(obj, pyatspi.STATE_ENABLED) and has(obj, pyatspi.STATE_SHOWING))


def check_table(table, problems):
    where = path_of(table)
    if not label_name(table):
        problems.append("table without a name: " + where)
    try:
        grid = table.queryTable()
    except NotImplementedError:
        return
    if grid.nColumns == 0:
        problems.append("table without columns: " + where)
        return
    for c in range(grid.nColumns):
        header = grid.getColumnHeader(c)
        text = (header.name if header is not None else "") or grid.getColumnDescription(c)
        if not (text or "").strip():
            problems.append("table column %d without a header: %s" % (c, where))
    if grid.nRows > 0:
        texts = [(grid.getAccessibleAt(0, c).name or "").strip() for c in range(grid.nColumns)]
        if not any(texts):
            problems.append("table whose first row has no text: " + where)


def bare(title):
    """A caption without the change mark, which Qt shows as "*" in the place of "[*]"."""
    return (title or "").replace("[*]", "").replace("*", "")


def window_of(app, title):
    """The showing window of that title (the window system adds nothing to it here)."""
    for _ in range(20):
        for i in range(app.childCount):
            window = app.getChildAtIndex(i)
            if (window is not None and has(window, pyatspi.STATE_SHOWING)
                    and bare(window.name) == bare(title)):
                return window
        time.sleep(0.1)
        app.clear_cache()
    return None


def focused_in(window):
    objects = []
    walk(window, objects)
    for obj in objects:
        if has(obj, pyatspi.STATE_FOCUSED) and obj.getRole() not in NOT_STOPS:
            return obj
    # A focused cell stands for its table.
    for obj in objects:
        if obj.getRole() in DATA_ROLES and has(obj, pyatspi.STATE_FOCUSED):
            return obj
    return None


def key(obj):
    # An object is the same one while its D-Bus path is.
    try:
        return obj.path
    except AttributeError:
        return id(obj)


def radio_group(obj):
    return key(obj.parent) if obj.getRole() == pyatspi.ROLE_RADIO_BUTTON else None


class Tour:
    def __init__(self, program):
        self.process = subprocess.Popen([program], stdin=subprocess.PIPE,
                                        stdout=subprocess.PIPE, text=True, bufsize=1)

    def said(self):
        line = self.process.stdout.readline()
        if not line:
            raise RuntimeError("the tour ended early")
        return line.strip()

    def tell(self, command):
        self.process.stdin.write(command + "\n")
        self.process.stdin.flush()
        return self.said() if command in ("tab", "find") else None


def find_app():
    desktop = pyatspi.Registry.getDesktop(0)
    for _ in range(100):
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == APP_NAME:
                return app
        time.sleep(0.1)
    return None


def check_window(name, window, tour, problems):
    window.clear_cache()
    objects = []
    walk(window, objects)
    stops = [o for o in objects if is_stop(o)]
    for obj in objects:
        if obj.getRole() in (pyatspi.ROLE_TABLE, pyatspi.ROLE_TREE_TABLE):
            check_table(obj, problems)
    for obj in stops:
        if not label_name(obj):
            problems.append("%s: unnamed %s" % (name, path_of(obj)))
    # Tab from where the window put the focus until it comes round again.
    visited = {}
    first = focused_in(window)
    if first is not None:
        visited[key(first)] = first
    order = []
    for _ in range(TAB_LIMIT):
        order.append(tour.tell("tab"))
        window.clear_cache()
        now = focused_in(window)
        if now is None:
            continue
        if first is None:
            first = now
        elif key(now) == key(first):
            break
        visited[key(now)] = now
    if os.environ.get("QUORVAN_AT_SPI_VERBOSE"):
        print("%s: Tab goes %s" % (name, ", ".join(order)))
    groups_visited = {radio_group(o) for o in visited.values() if radio_group(o)}
    for obj in stops:
        if key(obj) in visited or (radio_group(obj) and radio_group(obj) in groups_visited):
            continue
        problems.append("%s: Tab never reaches %s" % (name, path_of(obj)))
    print("%s: %d controls, %d reached by Tab" % (name, len(stops), len(visited)))


def check_notice(window, tour, problems):
    """A failed find is told by the window's notice, which a screen reader speaks."""
    tour.tell("find")
    for _ in range(20):
        window.clear_cache()
        objects = []
        walk(window, objects)
        notices = [o for o in objects if o.getRole() == pyatspi.ROLE_NOTIFICATION]
        if any(o.name == "Not found." for o in notices):
            return
        time.sleep(0.1)
    problems.append("MainForm: no notification says \"Not found.\"")


def main():
    tour = Tour(sys.argv[1])
    app = None
    problems = []
    windows = 0
    while True:
        line = tour.said()
        if line == "done":
            break
        if not line.startswith("window "):
            continue
        name, _, title = line[len("window "):].partition(" ")
        if app is None:
            app = find_app()
            if app is None:
                print("the tour never appeared on the accessibility bus")
                return 1
        time.sleep(0.3)
        app.clear_cache()
        window = window_of(app, title)
        if window is None:
            problems.append("%s: no window '%s' showing" % (name, title))
        else:
            check_window(name, window, tour, problems)
            if name == "MainForm":
                check_notice(window, tour, problems)
            windows += 1
        tour.tell("next")
    tour.process.stdin.close()
    try:
        tour.process.wait(timeout=30)
    except subprocess.TimeoutExpired:
        print("the tour did not end by itself; stopped")
        tour.process.kill()
    for problem in problems:
        print(problem)
    print("%d windows, %d problems" % (windows, len(problems)))
    return 1 if problems or windows == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
