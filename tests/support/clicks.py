"""The checks of the end-to-end runs, and the clicks the Linux program (driven by helmdesk) and
Helmsway.exe under Wine (driven by winedesk) must both turn into the same phrases. A helm here
is either driver's Helmsway, a game either driver's Receiver."""
import sys

# Timer1 is 300 ms; the lines must come after it, and not much later.
EARLIEST_MS, LATEST_MS = 250, 5000
# A quick double click: two clicks 60 ms apart.
TWICE = (2, 60)
FAILURES = []


def short(value):
    text = repr(value)
    return text if len(text) <= 200 else text[:120] + " ... " + text[-60:]


def check(case, got, want=True):
    if got != want:
        FAILURES.append("%s: got %s, want %s" % (case, short(got), short(want)))
    print("ok  " if got == want else "FAIL", case, flush=True)


def command(phrase):
    """What one command leaves in the receiver: its line and the empty one of the second Enter."""
    return [phrase, ""]


def relays(case, receiver, clicked_at, phrase):
    """The phrase arrives once, about 300 ms after the click, and nothing after it."""
    got = receiver.take_lines(2)
    check(case, [line.text for line in got], command(phrase))
    delays = [round((line.at - clicked_at) * 1000) for line in got]
    check(case + " ~300 ms %s" % delays, all(EARLIEST_MS <= d <= LATEST_MS for d in delays))
    check(case + " nothing more", receiver.quiet(0.1), [])


def steer(helm, game):
    """Each kind of control: a picture, a picture of an array after ones that only change the
    helm, and the Advanced frame's push button of an array. Quick double clicks count twice:
    the anchor (raised at start) and the facing move twice, and the second phrase is typed,
    once. Ends with the Advanced layout shown, speed One and no facing."""
    relays("anchor twice quickly", game, helm.click("cmdAnchor", -1, *TWICE), "Drop Anchor")
    relays("Stop", game, helm.click("cmdStop"), "Stop")
    helm.click("BlueGem", 1)
    relays("turn right twice quickly", game, helm.click("cmdTurnRght", -1, *TWICE), "Turn Right")
    relays("facing 3 after two right turns", game, helm.click("cmdDirection", 1), "Back Left")
    helm.click("cmdSpeed", 1)
    helm.click("BlueGem", 2)
    relays("speed 1, facing 2, pad 1", game, helm.click("cmdDirection", 1), "Forward Left One")
    helm.show_advanced()
    relays("Goto 3", game, helm.click("cmdNavigate", 3), "Goto 3")


def finish(group):
    """Reports the failures and ends the run with its status."""
    for failure in FAILURES:
        print("FAILED", failure)
    print("%s: %s" % (group, "failed" if FAILURES else "passed"))
    sys.exit(1 if FAILURES else 0)
