"""Reads the running window over AT-SPI as a screen reader does and checks
what a blind user needs: every showing object named, the two sliders with
values, the Profile and Destination combos, actions on the Begin and End
times and on Home and Help, that nothing the user cannot see reports itself
as showing, and that setting the seek slider's value seeks the preview.
Exits non-zero with the reasons on failure."""
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


def extents(obj):
    """(x, y, width, height) on the screen, or None without a place."""
    try:
        box = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    except NotImplementedError:
        return None
    return (box.x, box.y, box.width, box.height)


def inside(inner, outer):
    return (outer[0] <= inner[0] and outer[1] <= inner[1] and
            inner[0] + inner[2] <= outer[0] + outer[2] and inner[1] + inner[3] <= outer[1] + outer[3])


def overlaps(one, other):
    return (one[0] < other[0] + other[2] and other[0] < one[0] + one[2] and
            one[1] < other[1] + other[3] and other[1] < one[1] + one[3])


def describe(obj):
    return "%s %r" % (obj.getRoleName(), obj.name)


def hidden_but_showing(app):
    """Objects that report SHOWING while the user cannot see them: not
    visible themselves, inside a parent that is not showing, without a size
    or outside their window, or wholly under a later (so higher) sibling
    that paints its own background. Labels are drawn without one and do not
    hide what lies under them."""
    faults = []

    def walk(obj, window):
        children = [c for c in obj if c is not None]
        for index, child in enumerate(children):
            place = extents(child)
            if child.getRoleName() in ("frame", "window", "dialog"):
                inner_window = place
            else:
                inner_window = window
            if showing(child):
                why = None
                if not showing(obj) and obj.getRoleName() != "application":
                    why = "inside a %s that is not showing" % describe(obj)
                elif not child.getState().contains(pyatspi.STATE_VISIBLE):
                    why = "not visible"
                elif place is not None and (place[2] <= 0 or place[3] <= 0):
                    why = "of no size"
                elif place is not None and window is not None and not overlaps(place, window):
                    why = "outside its window"
                elif place is not None:
                    for above in children[index + 1:]:
                        cover = extents(above)
                        if (showing(above) and above.getRoleName() != "label" and cover is not None
                                and inside(place, cover)):
                            why = "under the %s" % describe(above)
                            break
                if why is not None:
                    faults.append("%s reports showing, %s" % (describe(child), why))
            walk(child, inner_window)

    walk(app, None)
    return faults


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

    faults.extend(hidden_but_showing(app))

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
    # A word written on a button goes with it: one left showing without its
    # button reads as a control that does nothing.
    hidden_buttons = {o.name for o in by_role(everything, "push button") if not showing(o)}
    for label in by_role(objects, "label"):
        if label.name in hidden_buttons:
            faults.append("label %r shows without its button" % label.name)
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
