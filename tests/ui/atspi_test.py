#!/usr/bin/python3
"""What a screen reader receives from Vantor, through a real AT-SPI client.

    tests/ui/atspi_test.py VANTOR

Runs in a D-Bus session of its own (it starts one around itself), with
at-spi2-core's bus and registry, an X server of its own (Xvfb) and Vantor on
the xcb platform plugin with accessibility on. It drives the window through
AT-SPI alone, as a screen reader's user can, and checks what comes back: a
result announced politely, an error text assertively, a fault's box as an
alert that carries its text and closes through AT-SPI, and then one walk of
the tree: every control named, every window a frame, the side windows' names
and text, the angle letters labelling their buttons.
"""

import os
import subprocess
import sys
import tempfile
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi, GLib  # noqa: E402

Role = Atspi.Role
POLITE, ASSERTIVE = 1, 2  # an announcement's detail1
FUNCTION_LINES = "Abs\tFac\tSin\nACos\tInt\tTan\nASin\tLog\nATan\tPi\nCos\tRound"
# Roles of the controls a user reaches, each of which must say what it is.
CONTROLS = {Role.PUSH_BUTTON, Role.TEXT, Role.RADIO_BUTTON, Role.LABEL, Role.MENU_ITEM, Role.MENU}

passed, failed = 0, 0
announcements = []


def check(condition, what):
    global passed, failed
    if condition:
        passed += 1
        print(f"ok: {what}")
    else:
        failed += 1
        print(f"FAILED: {what}")
    return condition


def in_private_session():
    """Runs the program again, and ends with it, in a D-Bus session and a
    runtime folder of its own, so that the accessibility bus the session
    starts is its alone; returns once it runs there."""
    if os.environ.get("VANTOR_ATSPI_SESSION") is not None:
        return
    with tempfile.TemporaryDirectory(prefix="vantor-atspi-") as runtime:
        environment = dict(os.environ, XDG_RUNTIME_DIR=runtime, VANTOR_ATSPI_SESSION="1")
        sys.exit(subprocess.call(["dbus-run-session", "--", sys.executable] + sys.argv, env=environment))


def wait_for(predicate, seconds=10):
    """Runs the event loop until predicate() gives a true value, or the time is up."""
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while time.monotonic() < deadline:
        while context.pending():
            context.iteration(False)
        value = predicate()
        if value:
            return value
        time.sleep(0.02)
    return None


def descendants(node):
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            yield child
            yield from descendants(child)


def application_of(process):
    """The process's application on the accessibility bus, once it is there."""
    desktop = Atspi.get_desktop(0)

    def found():
        applications = (desktop.get_child_at_index(i) for i in range(desktop.get_child_count()))
        return next((app for app in applications if app.get_process_id() == process.pid), None)
    return wait_for(found)


def text_of(node):
    """The node's whole text; None where it has no text to give."""
    try:
        return Atspi.Text.get_text(node, 0, Atspi.Text.get_character_count(node))
    except GLib.Error:
        return None


def press(node):
    Atspi.Action.do_action(node, 0)


def find(node, role, name):
    return next((n for n in descendants(node) if n.get_role() == role and n.get_name() == name), None)


def start_x_server():
    """An X server on a display nobody uses: the display number comes back from Xvfb."""
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24",
                               "-nolisten", "tcp"], pass_fds=(write_end,))
    os.close(write_end)
    with os.fdopen(read_end) as display:
        os.environ["DISPLAY"] = ":" + display.readline().strip()
    return server


def on_announcement(event):
    announcements.append((event.any_data, event.detail1))


def press_equals_with(application, expression, text):
    """Types a text over the expression through AT-SPI and presses "=" the same way."""
    announcements.clear()
    Atspi.EditableText.set_text_contents(expression, text)
    press(find(application, Role.PUSH_BUTTON, "="))


def announced():
    """The announcements of one command: the first, and any that follow within half a second."""
    if wait_for(lambda: announcements):
        wait_for(lambda: False, seconds=0.5)
    return announcements


def check_announcements(application, expression):
    press_equals_with(application, expression, "2 + 3 * SIN(30)")
    check(announced() == [("3.49999999844557", POLITE)],
          f"\"=\" announces the worked example's value politely: {announcements}")
    press_equals_with(application, expression, "((")
    check(announced() == [("Error. Wrong Parenthisation", ASSERTIVE)],
          f"\"=\" announces an error text assertively: {announcements}")


def alerts(application):
    """The open alerts; None when a window went away while they were looked for."""
    try:
        return [window for window in descendants(application) if window.get_role() == Role.ALERT]
    except GLib.Error:
        return None


def check_fault(application, expression):
    press_equals_with(application, expression, "1/0")
    shown = wait_for(lambda: alerts(application))
    if not check(shown and shown[0].get_description() == "Division by zero",
                 "a fault opens an alert whose description is its text"):
        return
    check(text_of(expression) == "1/0", "the fault writes nothing into the expression")
    check(not announcements, f"a fault announces nothing beside its alert: {announcements}")
    press(find(shown[0], Role.PUSH_BUTTON, "OK"))
    check(wait_for(lambda: alerts(application) == []), "the alert's OK, pressed through AT-SPI, closes it")


def check_tree(application):
    press(find(application, Role.PUSH_BUTTON, "Fn"))
    press(find(application, Role.PUSH_BUTTON, "M"))
    windows = wait_for(lambda: application.get_child_count() == 3 and
                       [application.get_child_at_index(i) for i in range(3)])
    if not check(windows, "Fn and M, pressed through AT-SPI, open the two side windows"):
        return
    by_name = {window.get_name(): window for window in windows}
    check(sorted(by_name) == ["Functions", "Scratch pad", "Vantor"], f"the windows' names: {sorted(by_name)}")
    roles = [window.get_role_name() for window in windows]
    check(all(window.get_role() == Role.FRAME for window in windows), f"every window has a window's role: {roles}")
    functions = by_name.get("Functions")
    check(functions is not None and text_of(functions) == FUNCTION_LINES,
          "the function list's five lines are its text")

    unnamed = [f"{node.get_role_name()} in {node.get_parent().get_name()!r}"
               for window in windows for node in descendants(window)
               if node.get_role() in CONTROLS and not node.get_name()]
    check(not unnamed, f"every control has a name: unnamed {unnamed}")

    for letter, option in (("D", "Degrees"), ("R", "Radians")):
        label = find(by_name["Vantor"], Role.LABEL, letter)
        button = find(by_name["Vantor"], Role.RADIO_BUTTON, option)
        check(label is not None and button is not None and
              related(label, Atspi.RelationType.LABEL_FOR) == [button] and
              related(button, Atspi.RelationType.LABELLED_BY) == [label],
              f"\"{letter}\" labels the option button {option}")


def related(node, relation_type):
    return [relation.get_target(i) for relation in node.get_relation_set()
            if relation.get_relation_type() == relation_type for i in range(relation.get_n_targets())]


def main():
    vantor = os.path.abspath(sys.argv[1])
    server = start_x_server()
    Atspi.init()
    # Qt sends only the events some client has asked for: ask before it starts.
    listener = Atspi.EventListener.new(on_announcement)
    listener.register("object:announcement")
    program = subprocess.Popen([vantor], env=dict(os.environ, QT_QPA_PLATFORM="xcb",
                                                  QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    try:
        application = application_of(program)
        expression = application and wait_for(lambda: find(application, Role.TEXT, "Expression"))
        if check(expression, "Vantor appears on the accessibility bus with its expression box"):
            check_announcements(application, expression)
            check_fault(application, expression)
            check_tree(application)
            press(find(application, Role.MENU_ITEM, "Exit"))
            check(wait_for(lambda: program.poll() is not None) and program.returncode == 0,
                  "Exit, chosen through AT-SPI, ends Vantor")
    finally:
        if program.poll() is None:
            program.kill()
        program.wait()
        server.terminate()
        server.wait()
    print(f"accessibility: {passed} passed, {failed} failed")
    return 1 if failed else 0


if __name__ == "__main__":
    in_private_session()
    sys.exit(main())
