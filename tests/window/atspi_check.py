"""Reads the running window over AT-SPI as a screen reader does and checks
what a blind user needs: every showing object named, the two sliders with
values, the Profile and Destination combos, actions on the Begin and End
times and on Home and Help, and that setting the seek slider's value seeks
the preview.  Exits non-zero with the reasons on failure."""
import re
import sys
import time

import pyatspi

APP_NAME = "orva-video-converter"
DEADLINE_SECONDS = 60


def poll(what, find, seconds=DEADLINE_SECONDS):
    """Calls find() until it gives something other than None or time is up."""
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        try:
            found = find()
        except Exception:  # the tree changes while it is read
            found = None
        if found is not None:
            return found
        time.sleep(0.2)
    sys.exit("FAIL: timed out waiting for " + what)


def application():
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == APP_NAME:
            return app
    return None


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def descendants(obj):
    for child in obj:
        if child is None:
            continue
        yield child
        yield from descendants(child)


def showing_objects(app):
    return [o for o in descendants(app) if showing(o)]


def actions(obj):
    try:
        action = obj.queryAction()
    except NotImplementedError:
        return []
    return [action.getName(i) for i in range(action.nActions)]


def value_of(obj):
    try:
        return obj.queryValue()
    except NotImplementedError:
        return None


def by_role(objects, role):
    return [o for o in objects if o.getRoleName() == role]


def main():
    app = poll("the program on the accessibility bus", application)
    # Ready once the clip is listed and loaded in the preview: the seek
    # slider is enabled and knows the clip's length.
    def loaded():
        sliders = by_role(showing_objects(app), "slider")
        seek = [s for s in sliders if s.name == "Position"]
        if seek and seek[0].getState().contains(pyatspi.STATE_ENABLED) and value_of(seek[0]).maximumValue > 0:
            return seek[0]
        return None
    seek = poll("the clip loaded in the preview", loaded)

    faults = []
    objects = showing_objects(app)
    for obj in objects:
        if not obj.name:
            faults.append("a showing %s has no name" % obj.getRoleName())

    sliders = by_role(objects, "slider")
    if len(sliders) != 2:
        faults.append("%d sliders show, not 2" % len(sliders))
    for slider in sliders:
        value = value_of(slider)
        if value is None or not value.maximumValue > value.minimumValue:
            faults.append("slider %r has no value range" % slider.name)

    combos = sorted(o.name for o in by_role(objects, "combo box"))
    if combos != ["Destination", "Profile"]:
        faults.append("combo boxes are named %r" % combos)

    # Home and Help show only when their pages are set: they are looked for
    # among all objects, the time labels among the showing ones.
    everything = list(descendants(app))
    for pattern, pool in ((r"Begin\b", objects), (r"End\b", objects), (r"Home$", everything),
                          (r"Help$", everything)):
        controls = [o for o in pool if o.getRoleName() in ("push button", "link")]
        named = [o for o in controls if re.match(pattern, o.name)]
        if not any("Press" in actions(o) for o in named):
            faults.append("no control named %s can be pressed" % pattern)

    clip_length = value_of(seek).maximumValue
    wanted = clip_length * 0.65
    value_of(seek).currentValue = wanted
    clock = "00:00:%02d / " % int(wanted)

    def seeked():
        labels = [o for o in by_role(showing_objects(app), "label") if o.name.startswith(clock)]
        return True if labels and abs(value_of(seek).currentValue - wanted) < 1 else None
    poll("the preview to seek to %.1f s (clock %r)" % (wanted, clock), seeked, 30)

    if faults:
        sys.exit("FAIL: " + "; ".join(faults))
    print("PASS: %d showing objects named; sliders %s; combos %s; seek moved the preview to %s" %
          (len(objects), [s.name for s in sliders], combos, clock.strip(" /")))


main()
