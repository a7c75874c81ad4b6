# SPDX-FileCopyrightText: 2026 The universe and gyrelle developers
# SPDX-License-Identifier: MIT

"""Watches atspi_subject's spinner through AT-SPI, as a screen reader does:
a cached client that reads states once and then follows state-changed events.
The subject starts in German, makes its spinner's accessible interface and
starts the spinner; the accessibility bus comes up after that.
Usage: /usr/bin/python3 atspi_listener.py SUBJECT (on a session bus, with
LAUNCHER naming the accessibility bus launcher)"""
import os
import re
import select
import subprocess
import sys
import time

from gi.repository import GLib

subject_path = sys.argv[1]
subject_name = os.path.basename(subject_path)
events = []
finished = []  # the subject's "done N" markers
failures = []


def pump(until, seconds=10.0):
    """Runs the GLib main loop until until() is true; false on a time-out."""
    context = GLib.MainContext.default()
    deadline = time.monotonic() + seconds
    while not until():
        if time.monotonic() > deadline:
            return False
        context.iteration(False)
        time.sleep(0.005)
    return True


def on_state_changed(event):
    try:
        if event.source.getRoleName() == "progress bar":
            events.append(f"{event.type}={event.detail1}")
    except Exception:  # the source may be gone already
        pass


def find_spinner():
    for application in pyatspi.Registry.getDesktop(0):
        if application is not None and application.name == subject_name:
            found = pyatspi.findDescendant(application, lambda a: a.getRoleName() == "progress bar")
            if found is not None:
                return found
    return None


def states(accessible):
    wanted = {pyatspi.STATE_BUSY: "busy", pyatspi.STATE_SHOWING: "showing", pyatspi.STATE_VISIBLE: "visible"}
    held = accessible.getState()
    return " ".join(name for state, name in wanted.items() if held.contains(state)) or "-"


def read_line(stream, seconds=10):
    """The next line the subject prints; empty if it prints none in time."""
    ready, _, _ = select.select([stream], [], [], seconds)
    return stream.readline().strip() if ready else ""


def on_name_changed(event):
    try:
        finished.append(event.source.name)
    except Exception:  # as on_state_changed
        pass


def step(subject, spinner, command, expected_events, expected_states):
    """Sends COMMAND, waits until the subject has sent all it causes, then compares
    the events and the cached states, and those with what the application answers."""
    del events[:]
    subject.stdin.write(command + "\n")
    subject.stdin.flush()
    marker = f"done {len(finished) + 1}"
    if not pump(lambda: marker in finished):
        failures.append(f"after {command}: the subject never reported it done")
    cached = states(spinner)
    spinner.clear_cache()
    asked = states(spinner)
    print(f"{command:6} events: {' '.join(events) or '-'}; states: {cached}; asked: {asked}")
    if events != expected_events:
        failures.append(f"after {command}: events {events}, expected {expected_events}")
    if (cached, asked) != (expected_states, expected_states):
        failures.append(f"after {command}: states '{cached}', asked '{asked}', expected '{expected_states}'")


def start_accessibility_bus():
    """Starts the bus launcher, as a desktop session does (accessibility is on
    in the session's settings)."""
    subprocess.Popen([os.environ["LAUNCHER"], "--launch-immediately"])

    def wait_for(command, expected):
        for _ in range(100):
            if expected in subprocess.run(command, capture_output=True, text=True).stdout:
                return
            time.sleep(0.1)
        sys.exit(f"FAIL: {command[0]} never answered {expected}")

    # Nothing may ask for the bus address before the launcher owns its name:
    # that would start a second launcher through D-Bus activation.
    wait_for(["dbus-send", "--session", "--print-reply", "--dest=org.freedesktop.DBus", "/",
              "org.freedesktop.DBus.NameHasOwner", "string:org.a11y.Bus"], "boolean true")
    wait_for(["xprop", "-root", "AT_SPI_BUS"], "unix:")


environment = {name: value for name, value in os.environ.items() if not name.startswith(("LC_", "LANG"))}
subject = subprocess.Popen([subject_path, "interface", "start"], stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True,
                           env=dict(environment, LANG="de_DE.UTF-8"))
if read_line(subject.stdout, 20) != "ready":
    subject.kill()
    sys.exit("FAIL: the subject did not start")
start_accessibility_bus()
import pyatspi  # noqa: E402 (only now: it asks for the bus, which D-Bus would start)
from gi.repository import Atspi  # noqa: E402

pyatspi.Registry.registerEventListener(on_state_changed, "object:state-changed")
pyatspi.Registry.registerEventListener(on_name_changed, "object:property-change:accessible-name")
spinner = None
try:
    if not pump(lambda: find_spinner() is not None, 20):
        sys.exit("FAIL: the subject's spinner never appeared on the accessibility bus")
    spinner = find_spinner()
    # Keep states as read, as screen readers do: only events update them.
    Atspi.Accessible.set_cache_mask(spinner.get_application(), Atspi.Cache.STATES)
    print(f"role: {spinner.getRoleName()}; name: {spinner.name}")
    name = "Beschäftigt" if os.environ["CATALOGUES_BUILT"] == "1" else "Busy"  # built without Qt's lrelease
    if (spinner.getRoleName(), spinner.name) != ("progress bar", name):
        failures.append(f"role and name are not 'progress bar' and '{name}'")
    print(f"{'shown':6} states: {states(spinner)}")
    if states(spinner) != "busy showing visible":
        failures.append("a spinner that runs is not busy, showing and visible")
    value = spinner.queryValue()
    value_range = (value.minimumValue, value.maximumValue, value.currentValue)
    print(f"value: minimum, maximum, current = {value_range}")
    if value_range != (0, 0, 0):
        failures.append("not an indeterminate progress bar's value")
    on = ["object:state-changed:busy=1", "object:state-changed:visible=1", "object:state-changed:showing=1"]
    off = ["object:state-changed:busy=0", "object:state-changed:visible=0", "object:state-changed:showing=0"]
    # Qt's bridge tells "showing" on every show and hide, as the widget's
    # visibility, but only to the listeners it knows of: the plugin tells it
    # after Qt's, always, and so corrects it for a spinner that draws nothing.
    shown, hidden = "object:state-changed:showing=1", "object:state-changed:showing=0"
    # The spinner's interface was made, and the spinner started, before the bus
    # came up: the first change after the client's read is told too.
    step(subject, spinner, "stop", off, "-")
    step(subject, spinner, "stop", [], "-")  # changes nothing
    step(subject, spinner, "paints", on + off + on + off, "-")
    painted = read_line(subject.stdout)
    print(painted)
    counts = re.fullmatch(r"paints: start 0, stall 0, stop 1, turning (\d+); frame events: 0", painted)
    if not counts or int(counts[1]) < 3:
        failures.append("repaints other than after stop and the timer's ticks, or frame events")
    # From here on the application swallows every frame event (style animations off).
    step(subject, spinner, "swallow", [], "-")
    step(subject, spinner, "start", on, "busy showing visible")
    step(subject, spinner, "stop", off, "-")
    step(subject, spinner, "hide", [hidden, hidden], "-")
    step(subject, spinner, "show", [shown, hidden], "-")
    # The application reads the state before the plugin's correction: clients
    # that follow events are corrected all the same.
    step(subject, spinner, "hide read", [hidden, hidden], "-")
    step(subject, spinner, "show read", [shown, hidden], "-")
    step(subject, spinner, "hide", [hidden, hidden], "-")
    step(subject, spinner, "start", ["object:state-changed:busy=1"], "busy")
    step(subject, spinner, "show", [shown, "object:state-changed:visible=1", shown], "busy showing visible")
    step(subject, spinner, "stop", off, "-")
    step(subject, spinner, "keep", on[1:], "showing visible")
    step(subject, spinner, "keep", [], "showing visible")
    step(subject, spinner, "start", on[:1], "busy showing visible")
    step(subject, spinner, "stall", off[:1], "showing visible")
    step(subject, spinner, "hide", [hidden, "object:state-changed:visible=0", hidden], "-")
    step(subject, spinner, "show", [shown, "object:state-changed:visible=1", shown], "showing visible")
    # Drawn, its "visible" too.
    step(subject, spinner, "hide read", [hidden, "object:state-changed:visible=0", hidden], "-")
    step(subject, spinner, "show read", [shown, "object:state-changed:visible=1", shown], "showing visible")
    # Minimised and restored, the spinner's states stay as they are.
    step(subject, spinner, "minimise", [], "showing visible")
    step(subject, spinner, "restore", [], "showing visible")
    step(subject, spinner, "windowed", [], "showing visible")
    windowed = read_line(subject.stdout)
    print(windowed)
    if windowed != "hidden 1, shown 1 by the window system":
        failures.append("minimise and restore did not hide and show the spinner as the window system does")
    # Last, so that no other step sees its events: Qt announces a new spinner
    # shown before its interface exists.
    step(subject, spinner, "add", [shown, hidden], "showing visible")
    # The rest of the application: a model change reaches Qt once (Qt applies it
    # to the view's table interface there), a call that changes nothing not at
    # all, and a handler installed now gets all; its reads of the spinner's
    # state keep no event from clients.
    step(subject, spinner, "inspect", off[1:] + on + off + on[1:], "showing visible")
    inspected = read_line(subject.stdout)
    print(inspected)
    passed = "TableModelChanged" + " StateChanged" * 4
    if inspected != f"passed to Qt: {passed}; handled: {passed}":
        failures.append("events passed to Qt or to a later handler: not the model's and the four changes, once each")
finally:
    try:
        subject.stdin.write("quit\n")
        subject.stdin.close()
        subject.wait(10)
    except (OSError, subprocess.TimeoutExpired):  # it died or hangs
        subject.kill()

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
