"""Drives lumeno through the accessibility bus, as a screen reader or an
automation tool would: finds the window's controls by role and name, types an
article through the text interface, presses the shuffle button's action and
reads the shuffled article back. Prints what it saw; exits non-zero on the
first thing that is missing or wrong.

Usage: atspi_shuffle.py PID ARTICLE_FILE
"""
import sys
import time
import warnings

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

# The per-interface getters used here are deprecated in newer libatspi but
# are the ones every version has.
warnings.filterwarnings("ignore", category=DeprecationWarning)

MAX_DEPTH = 40


def fail(message):
    print(f"FAIL: {message}", file=sys.stderr)
    sys.exit(1)


def application(pid, timeout):
    """The accessible application of process pid, once it has registered."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and app.get_process_id() == pid:
                return app
        time.sleep(0.2)
    fail(f"process {pid} never appeared on the accessibility bus")


def nodes(node, depth=0):
    """Every node under node, depth first, with its depth."""
    if node is None or depth > MAX_DEPTH:
        return
    yield node, depth
    for i in range(node.get_child_count()):
        yield from nodes(node.get_child_at_index(i), depth + 1)


def find(app, role, name):
    for node, _ in nodes(app):
        if node.get_role_name() == role and node.get_name() == name:
            return node
    fail(f"no {role} named {name!r}")


def wait_for(what, predicate, timeout=10.0):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = predicate()
        if value:
            return value
        time.sleep(0.1)
    fail(f"timed out waiting for {what}")


def press(node):
    """Runs the node's press action, as a screen reader's activation does."""
    action = node.get_action_iface()
    names = [action.get_action_name(i) for i in range(action.get_n_actions())] if action else []
    if "Press" not in names:
        fail(f"{node.get_name()!r} has no press action, only {names}")
    if not action.do_action(names.index("Press")):
        fail(f"the press action of {node.get_name()!r} was refused")


def main():
    pid = int(sys.argv[1])
    with open(sys.argv[2], encoding="utf-8") as article_file:
        article = article_file.read()

    app = application(pid, timeout=20)
    tree = [(depth, node.get_role_name(), node.get_name()) for node, depth in nodes(app)]
    for depth, role, name in tree:
        print(f"{'  ' * depth}{role}: {name}")
    # The window's first child is its title bar (the bus has no title-bar
    # role; Qt shows it as text), named as the window, holding the buttons.
    window = app.get_child_at_index(0)
    title_bar = window.get_child_at_index(0) if window is not None else None
    if title_bar is None or not window.get_name() or title_bar.get_name() != window.get_name():
        fail("no title bar with the window's caption")
    buttons = [(title_bar.get_child_at_index(i).get_role_name(), title_bar.get_child_at_index(i).get_name())
               for i in range(title_bar.get_child_count())]
    if buttons != [("push button", "最小化"), ("push button", "最大化"), ("push button", "关闭")]:
        fail(f"the caption buttons read as {buttons}")
    for role, name in [("check box", "清除空格"), ("check box", "清除换行"), ("slider", "词频"),
                       ("page tab", "原始文章内容"), ("page tab", "打乱后的文章"), ("text", "加入关键词")]:
        find(app, role, name)
    slider = find(app, "slider", "词频").get_value_iface()
    if slider is None or not slider.get_minimum_value() < slider.get_current_value() <= slider.get_maximum_value():
        fail("the slider has no value in its range")

    original = find(app, "text", "原始文章内容")
    editable = original.get_editable_text_iface()
    if editable is None or not editable.set_text_contents(article):
        fail("the article memo does not take text")
    typed = original.get_text_iface()
    wait_for("the article in the memo", lambda: typed.get_text(0, -1) == article)

    press(find(app, "push button", "打乱文章顺序"))
    shuffled = find(app, "text", "打乱后的文章").get_text_iface()
    result = wait_for("the shuffled article", lambda: shuffled.get_text(0, -1))
    print(f"result: {result}")
    if result == article:
        fail("the article came back unshuffled")
    # The same characters in another order, with the closing "。" added.
    if sorted(c for c in result if not c.isspace()) != sorted(article + "。"):
        fail("the shuffled article lost or gained characters")
    selected = find(app, "page tab", "打乱后的文章")
    if not selected.get_state_set().contains(Atspi.StateType.SELECTED):
        fail("the page of the shuffled article was not selected")

    # A caption button pressed through the bus does what its click does, and
    # then reads as what it would do next.
    maximize = title_bar.get_child_at_index(1)
    press(maximize)
    wait_for("the maximize button to read as restore", lambda: maximize.clear_cache() or maximize.get_name() == "还原")
    press(maximize)
    wait_for("the restore button to read as maximize", lambda: maximize.clear_cache() or maximize.get_name() == "最大化")
    print("PASS")


main()
