"""Watches atspi_subject's spinner through AT-SPI, as a screen reader does:
a cached client that reads states once and then follows state-changed events.
Usage: /usr/bin/python3 atspi_listener.py SUBJECT"""
import os
import subprocess
import sys
import time

import pyatspi
from gi.repository import Atspi, GLib

subject_path = sys.argv[1]
subject_name = os.path.basename(subject_path)
events = []
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


def step(subject, spinner, command, expected_events, expected_states):
    """Sends COMMAND, waits for EXPECTED_EVENTS, then compares the cached states."""
    del events[:]
    subject.stdin.write(command + "\n")
    subject.stdin.flush()
    pump(lambda: events[: len(expected_events)] == expected_events, 5)
    pump(lambda: False, 0.3)  # any further event has time to arrive
    now = states(spinner)
    print(f"{command:6} events: {' '.join(events) or '-'}; states: {now}")
    if events != expected_events:
        failures.append(f"after {command}: events {events}, expected {expected_events}")
    if now != expected_states:
        failures.append(f"after {command}: states '{now}', expected '{expected_states}'")


pyatspi.Registry.registerEventListener(on_state_changed, "object:state-changed")
subject = subprocess.Popen([subject_path], stdin=subprocess.PIPE, text=True)
spinner = None
try:
    if not pump(lambda: find_spinner() is not None, 20):
        sys.exit("FAIL: the subject's spinner never appeared on the accessibility bus")
    spinner = find_spinner()
    # Keep states as read, as screen readers do: only events update them.
    Atspi.Accessible.set_cache_mask(spinner.get_application(), Atspi.Cache.STATES)
    print(f"role: {spinner.getRoleName()}; name: {spinner.name}")
    if (spinner.getRoleName(), spinner.name) != ("progress bar", "Busy"):
        failures.append("role and name are not 'progress bar' and 'Busy'")
    print(f"{'shown':6} states: {states(spinner)}")
    if states(spinner) != "-":
        failures.append("a stopped, undrawn spinner is busy, showing or visible")
    on = ["object:state-changed:busy=1", "object:state-changed:visible=1", "object:state-changed:showing=1"]
    off = ["object:state-changed:busy=0", "object:state-changed:visible=0", "object:state-changed:showing=0"]
    step(subject, spinner, "start", on, "busy showing visible")
    step(subject, spinner, "stop", off, "-")
    step(subject, spinner, "hide", [], "-")
    step(subject, spinner, "show", [], "-")
    step(subject, spinner, "start", on, "busy showing visible")
    step(subject, spinner, "stall", off, "-")
finally:
    subject.stdin.write("quit\n")
    subject.stdin.close()
    subject.wait(10)

for failure in failures:
    print("FAIL:", failure)
sys.exit(1 if failures else 0)
