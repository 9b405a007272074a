"""The real Helmsway beside the real receiver, titled like the game window, on a private
desktop (run under tests/support/with-desktop). Clicks go to the places the core's layout table
gives; the receiver's lines are checked exactly, and the program must still be running.

  e2e.py GROUP BUILD_DIR

clicks, names: what each control and menu does, with the time the keys arrive after the click.
missing, text, truncated, game-window, ship-names, bursts: the program under abuse (broken
picture files; game windows that vanish or ignore their keys, of either client, below decoys
titled after the game; Wayland sessions; huge names; hundreds of clicks a second).
"""
import os
import select
import signal
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools", "helmdesk"))
import helmdesk  # noqa: E402

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
    print("ok  " if got == want else "FAIL", case)


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


def clicks(p):
    r, h = helmdesk.Receiver(p["receiver"]), helmdesk.Helmsway(p["helmsway"], p["places"])
    check("kept on top at start", "_NET_WM_STATE_ABOVE" in h.state())
    cases = [
        ("Stop", [], ("cmdStop",), "Stop"),
        ("first anchor", [], ("cmdAnchor",), "Raise Anchor"),
        ("second anchor", [], ("cmdAnchor",), "Drop Anchor"),
        ("pillar", [], ("cmdPillar",), "Doracron"),
        ("gem 2, pad 1", [("BlueGem", 2)], ("cmdDirection", 1), "Forward Left"),
        ("slow, pad 5 (facing 2)", [("cmdSpeed", 2)], ("cmdDirection", 5), "Slow Back Right"),
        ("gem 0, pad 5 slow", [("BlueGem", 0)], ("cmdDirection", 5), "Slow Back"),
        ("gem 1, turn right", [("BlueGem", 1)], ("cmdTurnRght",), "Turn Right"),
        ("after the turn, normal, pad 2", [("cmdSpeed", 3)], ("cmdDirection", 2), "Forward"),
        # Quick double clicks: both clicks count, so the toggles and the facing move twice and
        # the second phrase is typed, once.
        ("anchor twice quickly", [], ("cmdAnchor", -1, *TWICE), "Drop Anchor"),
        ("pillar twice quickly", [], ("cmdPillar", -1, *TWICE), "Doracron"),
        ("gem 1, turn right twice quickly", [("BlueGem", 1)], ("cmdTurnRght", -1, *TWICE),
         "Turn Right"),
        ("facing 3 after two right turns", [], ("cmdDirection", 1), "Back Left"),
        ("turn left twice quickly", [], ("cmdTurnLeft", -1, *TWICE), "Turn Left"),
        ("turn around twice quickly", [], ("cmdTurnArnd", -1, *TWICE), "Turn Around"),
        ("facing 1 again", [], ("cmdDirection", 1), "Forward Right"),
        ("pad twice quickly", [], ("cmdDirection", 3, *TWICE), "Back Right"),
    ]
    for case, before, control, phrase in cases:
        for step in before:
            h.click(*step)
            time.sleep(0.05)
        relays(case, r, h.click(*control), phrase)

    _, y, width, height = h.geometry()
    menu_bar = h.origin()[2]
    h.menu("Interface", 2)
    _, y2, width2, advanced = h.geometry()
    check("Advanced makes the panel 293 px", advanced - menu_bar, 293)
    check("the top-left corner and the width stay", (y2, width2), (y, width))
    for case, control, phrase in [("Goto 3", ("cmdNavigate", 3), "Goto 3"),
                                  ("Start", ("cmdStart",), "Start"),
                                  ("Cont.", ("cmdContinue",), "Continue"),
                                  ("Nav", ("cmdNav",), "Nav")]:
        relays(case, r, h.click(*control), phrase)
    h.menu("Interface", 1)
    check("Simple again", h.geometry()[3], height)

    h.menu("Options", 1)
    check("Always On Top off", "_NET_WM_STATE_ABOVE" not in h.state())
    h.menu("Options", 1)
    check("Always On Top on again", "_NET_WM_STATE_ABOVE" in h.state())

    # Closed by its title bar within 300 ms of a click: nothing is typed, the program ends.
    h.click("cmdStop")
    x, y, width, _ = h.geometry()
    helmdesk.click_at(x + width - 8, y - 10)
    check("closing within 300 ms types nothing", r.quiet(1.0), [])
    try:
        check("closing ends the program", h.proc.wait(timeout=3), 0)
    except Exception as error:
        check("closing ends the program", repr(error), 0)
    h.close()
    r.close()


def names(p):
    """A short name with reserved characters and letters beyond ASCII, on every layout."""
    r, h = helmdesk.Receiver(p["receiver"]), helmdesk.Helmsway(p["helmsway"], p["places"])
    name = "a+b{c} ß é"
    relays("Set Ship Name " + name, r, h.ship_name(name), "Set Name " + name)
    h.ship_name("Ghost", answer="Escape")
    check("Esc in the prompt relays nothing", r.quiet(0.8), [])
    h.close()
    r.close()


# Pad element 1 (the top one) by facing, at full speed, and by speed at facing 0: enough of
# the pad's tables to tell each helm state apart from the keys alone.
TOP_BY_FACING = {0: "Forward", 1: "Forward Right", 2: "Forward Left", 3: "Back Left",
                 4: "Back Right"}
TOP_BY_SPEED = {1: "Forward One", 2: "Slow Forward", 3: "Forward"}


def picture_cases():
    """For each diagonal picture, a gem, then Turn Right, chosen so that the turn has to load
    that file: the active one is loaded by the turn that lands on its facing, an inactive one
    by any turn that lands elsewhere. The turn must then stop before relaying, with the facing
    already moved. For each speed picture, the clicks after which the selector must have
    changed the speed although loading that file failed."""
    for diagonal, (inactive, active) in enumerate(helmdesk.DIAGONAL_PAIRS):
        facing = diagonal + 1
        yield active, "diagonal", facing - 1 or 4
        yield inactive, "diagonal", (diagonal + 2) % 4 + 1
    for element, (inactive, active) in enumerate(helmdesk.SPEED_PAIRS, start=1):
        other = 1 if element != 1 else 2
        yield active, "speed", ([element % 3 + 1, element], element)
        yield inactive, "speed", ([other], other)


def pictures(p, fault):
    r = helmdesk.Receiver(p["receiver"])
    cases = list(picture_cases())
    # The same scenarios with intact files first: they must relay what the broken ones must
    # not, or the cases prove nothing.
    for broken, (name, kind, data) in [(None, cases[1]), (None, cases[-1])] + \
                                      [(fault, case) for case in cases]:
        case = "%s %s" % (name, broken or "intact")
        h = helmdesk.Helmsway(p["helmsway"], p["places"], copy=True,
                              spoil=broken and (name, broken))
        if kind == "diagonal":
            h.click("BlueGem", data)
            h.click("cmdDirection", 1)
            check(case + " gem sets the facing", r.take(2), command(TOP_BY_FACING[data]))
            h.click("cmdTurnRght")
            check(case + " turn right", r.quiet() if broken else r.take(2),
                  [] if broken else command("Turn Right"))
            h.click("cmdDirection", 1)
            check(case + " turn moved the facing", r.take(2),
                  command(TOP_BY_FACING[data % 4 + 1]))
        else:
            clicks, speed = data
            for index in clicks:
                h.click("cmdSpeed", index)
            check(case + " speed sends nothing", r.quiet(0.5), [])
            h.click("cmdDirection", 1)
            check(case + " speed changed", r.take(2), command(TOP_BY_SPEED[speed]))
        check(case + " still running", h.alive())
        h.close()
    r.close()


def game_window(p):
    h = helmdesk.Helmsway(p["helmsway"], p["places"])
    receiver = lambda **kw: helmdesk.Receiver(p["receiver"], **kw)  # noqa: E731
    # No game window at all: the keys go wherever the focus is, and nothing breaks.
    h.click("cmdStop")
    time.sleep(0.6)
    check("no game window: still running", h.alive())

    # The game window closes between the activation and the tick.
    r = receiver()
    h.click("cmdStop")
    r.close()
    time.sleep(0.6)
    check("closed before the tick: still running", h.alive())

    # A game window that takes no notice of its keys.
    deaf = receiver(ignore=True)
    for _ in range(3):
        h.click("cmdStop")
        time.sleep(0.4)
    check("ignoring receiver: still running", h.alive())
    deaf.close()

    r = receiver()
    relays("relays after all that", r, h.click("cmdAnchor"), "Raise Anchor")
    r.close()

    # Each client below windows titled after the game that are not it, opened after it and so
    # above it: the keys go to the game, never to a decoy. The open-source client's login
    # screen opened above the logged-in classic client is the one the player used last.
    def decoys():
        return [receiver(title=title, window_class=window_class) for title, window_class in [
            ("Ultima Online - Boats guide - Firefox", None), ("Ultima Online Launcher", None),
            ("ClassicUO Launcher", None), ("Ultima Online", "org.gnome.Nautilus")]]

    classic = receiver(title="Ultima Online - Sam (Atlantic)")
    for case, game in [("classic client (Xlib)", lambda: classic),
                       ("ClassicUO (SDL2)", lambda: helmdesk.Receiver(
                           p["sdl-receiver"], title="ClassicUO - 1.1.0.0"))]:
        game = game()
        around = decoys()
        relays(case + " below decoys", game, h.click("cmdStop"), "Stop")
        for decoy in around:
            check(case + ": nothing for a decoy", decoy.quiet(0.05), [])
            decoy.close()
    check("the classic client below the open-source one", classic.quiet(0.05), [])
    # Text as SDL2 hands it to the open-source client, exactly.
    relays("ship name into ClassicUO (SDL2)", game, h.ship_name("a+b{c} ß é"),
           "Set Name a+b{c} ß é")
    for each in (classic, game):
        each.close()
    h.close()

    # A Wayland session where Qt would take its Wayland plugin: the helm asks for X11 (XWayland)
    # all the same, where the game is, and relays.
    wayland = dict(os.environ, WAYLAND_DISPLAY="wayland-0", XDG_SESSION_TYPE="wayland",
                   QT_QPA_PLATFORM="wayland")
    h, r = helmdesk.Helmsway(p["helmsway"], p["places"], env=wayland), receiver()
    relays("on a Wayland session", r, h.click("cmdStop"), "Stop")
    r.close()
    h.close()

    # No X11 display at all: the helm still opens, and says once why no command reaches the game.
    alone = {key: value for key, value in os.environ.items() if key != "DISPLAY"}
    h = subprocess.Popen([p["helmsway"]], env=dict(alone, QT_QPA_PLATFORM="offscreen"),
                         stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    said = h.stderr.readline() if select.select([h.stderr], [], [], 30)[0] else ""
    h.terminate()
    check("no X11 display: still running when asked to end", h.wait(10), -signal.SIGTERM)
    lines = [said] + h.stderr.readlines()
    check("no X11 display: said once", sum("no X11 display" in line for line in lines), 1)


def stretch(pattern, length):
    return (pattern * (length // len(pattern) + 1))[:length]


def ship_names(p):
    r, h = helmdesk.Receiver(p["receiver"]), helmdesk.Helmsway(p["helmsway"], p["places"])
    for case, name in [
            ("10,000 characters", stretch('Sea Dog {+^%~()[]} 42 @ " / \\ _ ', 10000)),
            ("blanks only", "     "),
            # Characters the US map has no key for, typed on spare keys.
            ("300 characters, some off the keyboard map", stretch("Ægir's ßéa Dog ", 300)),
            ("10,000 characters, some off the keyboard map",
             stretch('Sea Dog {+^%~()[]} 42 @ " / \\ _ ß é Æ  ', 10000))]:
        h.ship_name(name)
        got, want = r.take(2, timeout=90), "Set Name " + name
        check("ship name of %s typed exactly" % case, got, command(want))
        if got and got[0] != want:
            at = next((i for i, (a, b) in enumerate(zip(got[0], want)) if a != b),
                      min(len(got[0]), len(want)))
            FAILURES.append("  first difference at %d of %d/%d: %r vs %r" % (
                at, len(got[0]), len(want), got[0][at:at + 20], want[at:at + 20]))
        check("ship name of %s: still running" % case, h.alive())
    h.close()

    # Keys borrowed for a name stay bound while the program runs, and the keyboard map is
    # given back however it ends: a signal, or the X connection taken away.
    for ending in ("SIGTERM", "SIGHUP", "xkill"):
        found = keyboard_map()
        h = helmdesk.Helmsway(p["helmsway"], p["places"])
        h.ship_name("\u0141\u00f3d\u017a \U0001F600")
        check("%s: name typed" % ending, len(r.take(2)), 2)
        check("%s: keys borrowed" % ending, keyboard_map() != found)
        if ending == "xkill":
            helmdesk.run("xkill", "-id", str(h.window))
        else:
            h.proc.send_signal(getattr(signal, ending))
        h.proc.wait(10)
        check("%s: keyboard map given back" % ending, keyboard_map() == found)
    r.close()


def keyboard_map():
    return helmdesk.run("xkbcomp", "-xkb", os.environ["DISPLAY"], "-")


def bursts(p, seconds=20, per_burst=5.0):
    """Bursts of clicks at a few hundred a second on Stop, each ended by one click on the pad's
    bottom element: the timer restarts with every click, so only "Back" may arrive, once per
    burst, and the program's memory must not grow with the clicks."""
    r, h = helmdesk.Receiver(p["receiver"]), helmdesk.Helmsway(p["helmsway"], p["places"])
    rounds, rss = max(1, int(seconds / per_burst)), []
    for burst in range(rounds + 1):  # the first one warms up
        count, t0 = int(per_burst * 300), time.monotonic()
        h.click("cmdStop", repeat=count, delay_ms=2)
        h.click("cmdDirection", 5)
        took = time.monotonic() - t0
        check("burst %d" % burst, r.take(2), command("Back"))
        check("burst %d: nothing else" % burst, r.quiet(0.5), [])
        check("burst %d: still running" % burst, h.alive())
        rss.append(h.rss_kb())
        print("burst %d: %d clicks in %.1f s (%.0f/s), VmRSS %d kB" % (
            burst, count, took, count / took, rss[-1]))
    grown = rss[-1] - rss[0]
    if grown > max(1024, rss[0] // 20):
        FAILURES.append("memory grew by %d kB over %d bursts: %r" % (grown, rounds, rss))
    r.close()
    h.close()


GROUPS = {"clicks": clicks, "names": names, "game-window": game_window,
          "ship-names": ship_names, "bursts": bursts,
          **{fault: lambda p, f=fault: pictures(p, f) for fault in ("missing", "text", "truncated")}}

if __name__ == "__main__":
    group, build = sys.argv[1:3]
    programs = helmdesk.programs(build)
    programs["places"] = helmdesk.load_places(programs["places"])
    GROUPS[group](programs)
    for failure in FAILURES:
        print("FAILED", failure)
    print("%s: %s" % (group, "failed" if FAILURES else "passed"))
    sys.exit(1 if FAILURES else 0)
