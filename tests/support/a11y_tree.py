#!/usr/bin/env python3
"""Walks the accessibility tree of a running program as a screen reader sees it (AT-SPI through
pyatspi) and checks it. Prints one line per object checked: window, role, name, states, and the
description, text or value where there is one.

  a11y_tree.py APP [--window REGEX]... [--enabled NAME]... [--disabled NAME]... [--screen WxH]
               [--bars N] [--require ROLE:NAME-REGEX]... [--tab N] [--wait SECONDS]

Checks, for every showing object of the windows whose title matches a --window pattern (every
window of APP when none is given):
- every control (buttons, fields, lists, bars, status displays, ...) has a name;
- push buttons are focusable, and their enabled and sensitive states agree;
- --enabled / --disabled: the named control is shown, has a description, and is enabled /
  disabled;
- --bars N: the chart has N bars, each named "<range>: <value>";
- --require: an object whose role and name match (regular expressions) is shown;
- --screen: each window lies on the screen, and each object inside its parent (1 pixel slack);
- --tab N: N presses of Tab (xdotool, to the active window) reach every enabled push button.
Exits 1 with every failure listed, 0 when all hold.
"""
import argparse
import re
import subprocess
import sys
import time

import pyatspi

CONTROL_ROLES = {
    "push button", "toggle button", "check box", "radio button", "combo box", "text",
    "entry", "password text", "spin button", "slider", "list", "list item", "table",
    "tree", "progress bar", "status bar", "chart", "menu item", "page tab",
    "table cell", "dialog", "frame", "window", "alert",
}
# Objects whose children are drawn inside a scrolled view: they may extend past it.
SCROLLED_PARENTS = {"scroll pane", "viewport", "table", "list", "tree", "menu", "menu bar",
                    "combo box"}


def states_of(acc):
    s = acc.getState()
    names = []
    for key, state in (("enabled", pyatspi.STATE_ENABLED), ("sensitive", pyatspi.STATE_SENSITIVE),
                       ("focusable", pyatspi.STATE_FOCUSABLE), ("focused", pyatspi.STATE_FOCUSED),
                       ("showing", pyatspi.STATE_SHOWING), ("checked", pyatspi.STATE_CHECKED)):
        if s.contains(state):
            names.append(key)
    return names


def extents(acc):
    try:
        box = acc.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return None
    return (box.x, box.y, box.width, box.height)


def details(acc, role):
    parts = []
    if acc.description:
        parts.append(f"description={acc.description!r}")
    if role in ("progress bar", "slider"):
        try:
            parts.append(f"value={acc.queryValue().currentValue:g}")
        except NotImplementedError:
            pass
    if role in ("text", "label"):
        try:
            text = acc.queryText().getText(0, -1)
            parts.append(f"text={text[:60]!r}")
        except NotImplementedError:
            pass
    return (" | " + " ".join(parts)) if parts else ""


def focused_in(acc):
    """The focused object under `acc` (showing objects only), or None."""
    states = acc.getState()
    if not states.contains(pyatspi.STATE_SHOWING):
        return None
    if states.contains(pyatspi.STATE_FOCUSED):
        return acc
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        found = focused_in(child) if child is not None else None
        if found is not None:
            return found
    return None


def find_apps(name, wait):
    """Every application of that name on the bus (a toolkit loaded by a platform theme may
    register one of its own beside Qt's)."""
    end = time.time() + wait
    while True:
        desktop = pyatspi.Registry.getDesktop(0)
        apps = [a for a in desktop if a is not None and (a.name or "").lower() == name.lower()]
        if any(a.childCount > 0 for a in apps):
            return apps
        if time.time() > end:
            names = [a.name for a in desktop if a is not None]
            sys.exit(f"a11y_tree: no application '{name}' with windows on the bus ({names})")
        time.sleep(0.3)


class Walker:
    def __init__(self, args):
        self.args = args
        self.failures = []
        self.seen = []  # (role, name, states, accessible)

    def fail(self, text):
        self.failures.append(text)

    def walk(self, acc, window, depth, parent_box):
        role = acc.getRoleName()
        name = acc.name or ""
        states = states_of(acc)
        if "showing" not in states:
            return
        box = extents(acc)
        print(f"{window[:26]:<26} {'  ' * depth}{role} | {name!r} | {','.join(states)}"
              f"{details(acc, role)}")
        self.seen.append((role, name, states, acc))
        self.check(acc, role, name, states, window)
        if self.args.screen and box and parent_box and depth > 0:
            self.check_inside(box, parent_box, f"{window}: {role} {name!r}")
        children = [acc.getChildAtIndex(i) for i in range(acc.childCount)]
        children = [c for c in children if c is not None]
        scrolls = role in SCROLLED_PARENTS or any(
            c.getRoleName() == "scroll bar" or
            any(g is not None and g.getRoleName() == "scroll bar" for g in c) for c in children)
        # What a scrolled view holds may extend past it: nothing below it is checked.
        inner = None if scrolls or parent_box is None and depth > 0 else box
        for child in children:
            self.walk(child, window, depth + 1, inner)

    def check(self, acc, role, name, states, window):
        where = f"{window}: {role}"
        if role in CONTROL_ROLES and not name.strip() and not self.unnamed_ok(acc, role):
            self.fail(f"{where} has no name")
        if role == "push button":
            if "focusable" not in states:
                self.fail(f"{where} {name!r} is not focusable")
            if ("enabled" in states) != ("sensitive" in states):
                self.fail(f"{where} {name!r}: enabled and sensitive disagree {states}")

    @staticmethod
    def unnamed_ok(acc, role):
        # Parts that take their name from their owner: the editor of a combo box, the views and
        # the cells of Qt's scrolled lists and tables.
        parent = acc.parent
        owner = parent.getRoleName() if parent is not None else ""
        return owner in ("combo box", "scroll pane", "table", "list") or (
            role == "table cell" and owner == "table")

    def check_inside(self, box, parent, what):
        x, y, w, h = box
        px, py, pw, ph = parent
        if w <= 0 or h <= 0:
            return
        if x < px - 1 or y < py - 1 or x + w > px + pw + 1 or y + h > py + ph + 1:
            self.fail(f"{what} at {box} extends beyond its parent {parent}")

    def check_window(self, acc, title):
        if not self.args.screen:
            return
        sw, sh = (int(v) for v in self.args.screen.split("x"))
        box = extents(acc)
        if box is None:
            return
        x, y, w, h = box
        print(f"{title[:26]:<26} window at {x},{y} size {w}x{h} on a {sw}x{sh} screen")
        if x < 0 or y < 0 or x + w > sw or y + h > sh:
            self.fail(f"window {title!r} at {box} does not fit the {sw}x{sh} screen")

    def find(self, name):
        return [s for s in self.seen if s[1] == name]

    def expectations(self):
        for name in self.args.enabled + self.args.disabled:
            if any(not (s[3].description or "").strip() for s in self.find(name)):
                self.fail(f"{name!r} has no description")
        for name, want in [(n, True) for n in self.args.enabled] + \
                          [(n, False) for n in self.args.disabled]:
            found = self.find(name)
            if not found:
                self.fail(f"no control named {name!r} shown")
            elif any(("enabled" in s[2]) != want for s in found):
                self.fail(f"{name!r} is {'not ' if want else ''}enabled")
        for wanted in self.args.require:
            role, pattern = wanted.split(":", 1)
            if not any(re.fullmatch(role, s[0]) and re.search(pattern, s[1]) for s in self.seen):
                self.fail(f"no {role} named like {pattern!r}")
        if self.args.bars is not None:
            self.check_bars()

    def check_tab_order(self, windows):
        reached = []
        for _ in range(self.args.tab):
            subprocess.run(["xdotool", "key", "Tab"], check=True)
            time.sleep(0.25)
            focus = None
            for window in windows:
                focus = focus or focused_in(window)
            name = focus.name if focus is not None else "(nothing)"
            reached.append(name)
        print("Tab order: " + " -> ".join(repr(n) for n in reached))
        for role, name, states, _ in self.seen:
            if role == "push button" and "enabled" in states and name not in reached:
                self.fail(f"Tab never reaches the push button {name!r}")

    def check_bars(self):
        charts = [s for s in self.seen if s[0] == "chart"]
        if len(charts) != 1:
            self.fail(f"expected one chart, found {len(charts)}")
            return
        bars = [s for s in self.seen if s[0] == "list item" and s[3].parent == charts[0][3]]
        if len(bars) != self.args.bars:
            self.fail(f"the chart has {len(bars)} bars, expected {self.args.bars}")
        for _, name, _, _ in bars:
            if not re.fullmatch(r".+ - .+: \S.*", name):
                self.fail(f"bar name {name!r} is not '<range>: <value>'")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("app")
    parser.add_argument("--window", action="append", default=[])
    parser.add_argument("--enabled", action="append", default=[])
    parser.add_argument("--disabled", action="append", default=[])
    parser.add_argument("--require", action="append", default=[])
    parser.add_argument("--bars", type=int)
    parser.add_argument("--screen")
    parser.add_argument("--tab", type=int, default=0)
    parser.add_argument("--wait", type=float, default=20)
    args = parser.parse_args()

    apps = find_apps(args.app, args.wait)
    walker = Walker(args)
    matched = 0
    windows = []
    for window in [w for app in apps for w in app]:
        if window is None:
            continue
        title = window.name or ""
        if args.window and not any(re.search(p, title) for p in args.window):
            continue
        if "showing" not in states_of(window):
            continue
        matched += 1
        windows.append(window)
        walker.check_window(window, title)
        walker.walk(window, title, 0, None)
    if matched < max(1, len(args.window)):
        titles = [(w.name, states_of(w)) for a in apps for w in a if w is not None]
        walker.fail(f"{matched} windows shown match {args.window or 'any title'} ({titles})")
    walker.expectations()
    if args.tab:
        walker.check_tab_order(windows)
    print(f"checked {len(walker.seen)} objects")
    for f in walker.failures:
        print(f"FAIL: {f}", file=sys.stderr)
    return 1 if walker.failures else 0


if __name__ == "__main__":
    sys.exit(main())
