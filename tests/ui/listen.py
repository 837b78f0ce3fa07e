#!/usr/bin/python3
"""What Orca speaks while a user works Vantor by keyboard and mouse.

    tests/ui/listen.py VANTOR

Orca, a window manager (openbox) and Vantor on the xcb plugin share an X
server and a D-Bus session of their own; xdotool types and clicks where
AT-SPI says the controls are. Orca speaks to no speech server: its debug log
keeps every utterance, which this prints under the step that caused it. For
measuring by ear, not a test: Orca's words change from release to release.
Needs orca, openbox, xdotool and what make test-accessibility installs.
"""

import datetime
import os
import re
import subprocess
import sys
import tempfile
import time

from atspi_test import Atspi, Role, application_of, descendants, find, in_private_session, start_x_server, wait_for


def xdotool(*arguments):
    subprocess.run(["xdotool", *map(str, arguments)], check=True)


def click(node):
    extents = Atspi.Component.get_extents(node, Atspi.CoordType.SCREEN)
    xdotool("mousemove", extents.x + extents.width // 2, extents.y + extents.height // 2, "click", 1)


def main():
    vantor = os.path.abspath(sys.argv[1])
    log = os.path.join(tempfile.mkdtemp(prefix="vantor-orca-"), "orca.log")
    processes = [start_x_server(), subprocess.Popen(["openbox"], stderr=subprocess.DEVNULL)]
    # An address where no speech server answers: Orca then logs what it
    # would say without waiting on one.
    processes.append(subprocess.Popen(["orca", "--replace", "--disable", "braille", "--debug-file", log],
                                      env=dict(os.environ, SPEECHD_ADDRESS="unix_socket:/nonexistent"),
                                      stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
    time.sleep(5)
    program = subprocess.Popen([vantor], env=dict(os.environ, QT_QPA_PLATFORM="xcb"))
    processes.append(program)
    application = application_of(program)
    control = lambda role, name: find(application, role, name)  # noqa: E731
    wait_for(lambda: False, seconds=3)

    def type_over(box, text):
        return lambda: (click(control(Role.TEXT, box)), xdotool("key", "ctrl+a"), xdotool("type", text))

    key = lambda name: lambda: xdotool("key", name)  # noqa: E731
    steps = [
        ("1/3 typed", [type_over("Expression", "1/3")]),
        ("Enter", [key("Return")]),
        ("2+3 typed", [type_over("Expression", "2+3")]),
        ("a click on \"=\"", [lambda: click(control(Role.PUSH_BUTTON, "="))]),
        ("Space, on \"=\"", [key("space")]),
        ("2*4 typed, Tab 16 times to \"=\", Space",
         [type_over("Expression", "2*4")] + [key("Tab")] * 16 + [key("space")]),
        ("(( typed", [type_over("Expression", "((")]),
        ("Enter", [key("Return")]),
        ("a named row, 2*3 typed", [type_over("Name of variable 1", "a"),
                                    type_over("Expression of variable 1", "2*3")]),
        ("Enter in the row", [key("Return")]),
        ("1/0 typed", [type_over("Expression", "1/0")]),
        ("Enter", [key("Return")]),
        ("Enter on the box", [key("Return")]),
        ("a click on \"Fn\"", [lambda: click(control(Role.PUSH_BUTTON, "Fn"))]),
        ("a click on \"M\"", [lambda: click(control(Role.PUSH_BUTTON, "M"))]),
    ]
    started = []
    for title, actions in steps:
        started.append(datetime.datetime.now().strftime("%H:%M:%S.%f"))
        for action in actions:
            action()
            wait_for(lambda: False, seconds=0.3)
        wait_for(lambda: False, seconds=2.5)
    for process in reversed(processes):
        process.terminate()
        process.wait()

    # Orca writes its log in bursts: each utterance goes to the step its time falls in.
    with open(log, errors="replace") as lines:
        spoken = [(line[:15], match.group(1)) for line in lines
                  for match in [re.search(r"SPEECH OUTPUT: '(.*)'\s*[\[{]", line)] if match]
    for index, (title, _) in enumerate(steps):
        end = started[index + 1] if index + 1 < len(steps) else "99"
        said = [text for when, text in spoken if started[index] <= when < end]
        print(f"{title}: {' / '.join(text.strip() for text in said)}")


if __name__ == "__main__":
    in_private_session()
    main()
