"""Helmsway under abuse, on a desktop of its own: broken picture files, a game window that
vanishes or ignores its keys, several windows with the game's title, huge and blank ship
names, and hundreds of clicks a second. Every case checks what reached the receiver and that
the program is still running.

  hardening.py GROUP --helmsway EXE --receiver EXE --places EXE
"""
import argparse
import subprocess
import sys
import time

import desk

FAILURES = []


def short(value):
    text = repr(value)
    return text if len(text) <= 200 else text[:120] + " ... " + text[-60:]


def check(case, got, want):
    if got != want:
        FAILURES.append("%s: got %s, want %s" % (case, short(got), short(want)))


def command(phrase):
    """What one command leaves in the receiver: the phrase's line and the empty one that the
    second Enter makes."""
    return [phrase, ""]


# Pad element 1 (the top one) by facing, at full speed, and pad element 1 at facing 0 by
# speed: enough of the pad's tables to tell each helm state apart from the keys alone.
TOP_BY_FACING = {0: "Forward", 1: "Forward Right", 2: "Forward Left", 3: "Back Left",
                 4: "Back Right"}
TOP_BY_SPEED = {1: "Forward One", 2: "Slow Forward", 3: "Forward"}


def next_facing(facing):
    return facing % 4 + 1


def diagonal_cases():
    """For each diagonal picture: a gem, then Turn Right, chosen so that the turn has to load
    the broken file. The turn must then stop before relaying, with the facing already moved;
    the gem must move the facing although its own loading may fail."""
    for diagonal, pair in enumerate(desk.DIAGONAL_PAIRS):
        facing = diagonal + 1
        # The active picture is loaded by the turn that lands on its facing; an inactive one by
        # any turn that lands elsewhere (and by a gem whose facing is elsewhere).
        for name, start in ((pair[1], facing - 1 or 4), (pair[0], (diagonal + 2) % 4 + 1)):
            yield name, start


def run_diagonal(h, r, case, start, broken):
    h.click("BlueGem", start)
    h.click("cmdDirection", 1)
    check(case + " gem sets the facing", r.take(2), command(TOP_BY_FACING[start]))
    h.click("cmdTurnRght")
    want_turn = [] if broken else command("Turn Right")
    check(case + " turn right", r.take(len(want_turn)) if want_turn else r.quiet(), want_turn)
    h.click("cmdDirection", 1)
    check(case + " turn moved the facing", r.take(2), command(TOP_BY_FACING[next_facing(start)]))


def speed_cases():
    """For each speed picture: the clicks after which the selector must have changed the speed
    although loading that picture failed."""
    for element, pair in enumerate(desk.SPEED_PAIRS, start=1):
        other = 1 if element != 1 else 2
        yield pair[1], [element % 3 + 1, element], element   # active: the clicked element
        yield pair[0], [other], other                        # inactive: another element


def run_speed(h, r, case, clicks, speed):
    for index in clicks:
        h.click("cmdSpeed", index)
    check(case + " speed sends nothing", r.quiet(0.5), [])
    h.click("cmdDirection", 1)
    check(case + " speed changed", r.take(2), command(TOP_BY_SPEED[speed]))


def pictures(args, places, faults):
    r = desk.Receiver(args.receiver)
    try:
        cases = [("diagonal", name, start) for name, start in diagonal_cases()]
        cases += [("speed", name, (clicks, speed)) for name, clicks, speed in speed_cases()]
        for fault in faults:
            # The same scenario with intact files first: it must relay what the broken one
            # must not, or the case proves nothing.
            for kind, name, data in [cases[1], cases[-1]] if fault is None else cases:
                case = "%s %s" % (name, fault or "intact")
                h = desk.Helmsway(args.helmsway, places, None if fault is None else name, fault)
                try:
                    if kind == "diagonal":
                        run_diagonal(h, r, case, data, fault is not None)
                    else:
                        run_speed(h, r, case, *data)
                    check(case + " still running", h.alive(), True)
                finally:
                    h.close()
    finally:
        r.close()


def game_window(args, places):
    h = desk.Helmsway(args.helmsway, places)
    try:
        # The game window closes between the activation and the tick.
        r = desk.Receiver(args.receiver)
        h.click("cmdStop")
        r.close()
        time.sleep(0.6)
        check("closed before the tick: still running", h.alive(), True)

        # A game window that takes no notice of its keys.
        deaf = desk.Receiver(args.receiver, ignore=True)
        for _ in range(3):
            h.click("cmdStop")
            time.sleep(0.4)
        check("ignoring receiver: still running", h.alive(), True)
        deaf.close()

        # The program still relays afterwards.
        r = desk.Receiver(args.receiver)
        h.click("cmdAnchor")
        check("relays after both", r.take(2), command("Raise Anchor"))
        r.close()

        # Two windows with the game's title: the exactly titled one gets the keys, whichever
        # was opened last.
        for order in (("Ultima Online", "Ultima Online - Sam (Atlantic)"),
                      ("Ultima Online - Sam (Atlantic)", "Ultima Online")):
            rs = {title: desk.Receiver(args.receiver, title=title) for title in order}
            h.click("cmdStop")
            case = "opened %s then %s" % order
            check(case + ": exact title", rs["Ultima Online"].take(2), command("Stop"))
            check(case + ": logged-in title", rs["Ultima Online - Sam (Atlantic)"].quiet(0.3), [])
            for receiver in rs.values():
                receiver.close()

        # No game window at all: the keys go wherever the focus is, and nothing breaks.
        h.click("cmdStop")
        time.sleep(0.6)
        check("no game window: still running", h.alive(), True)
    finally:
        h.close()


def stretch(pattern, length):
    return (pattern * (length // len(pattern) + 1))[:length]


def ship_names(args, places, off_map=False):
    names = {
        "10,000 characters": stretch('Sea Dog {+^%~()[]} 42 @ " / \\ _ ', 10000),
        "blanks only": "     ",
    }
    if off_map:
        # Characters the US map has no key for, typed on spare keys.
        names = {"300 characters, some off the keyboard map": stretch("Ægir's ßéa Dog ", 300),
                 "10,000 characters, some off the keyboard map":
                 stretch('Sea Dog {+^%~()[]} 42 @ " / \\ _ ß é Æ  ', 10000)}
    h = desk.Helmsway(args.helmsway, places)
    r = desk.Receiver(args.receiver)
    clip = None
    try:
        for case, name in names.items():
            # Pasted, not typed: the test is of what Helmsway types, not of xdotool.
            clip = subprocess.Popen(["xclip", "-selection", "clipboard", "-loops", "1", "-quiet"],
                                    stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)
            clip.stdin.write(name.encode())
            clip.stdin.close()
            h.menu(0, 2)  # Options: Always On Top, Set Ship Name
            desk.run("xdotool", "search", "--sync", "--onlyvisible", "--name", "^Ship Name$")
            time.sleep(0.3)
            desk.run("xdotool", "key", "ctrl+v")
            time.sleep(0.3)
            desk.run("xdotool", "key", "Return")
            got = r.take(2, timeout=90)
            check("ship name of %s typed exactly" % case,
                  got, command("Set Name " + name))
            if got and got[0] != "Set Name " + name:
                want = "Set Name " + name
                at = next((i for i, (a, b) in enumerate(zip(got[0], want)) if a != b),
                          min(len(got[0]), len(want)))
                FAILURES.append("  first difference at %d of %d/%d: %r vs %r" % (
                    at, len(got[0]), len(want), got[0][at:at + 20], want[at:at + 20]))
            check("ship name of %s: still running" % case, h.alive(), True)
            try:
                clip.wait(1)
            except subprocess.TimeoutExpired:
                clip.kill()
    finally:
        if clip and clip.poll() is None:
            clip.kill()
        r.close()
        h.close()


def bursts(args, places, seconds):
    """Bursts of clicks at a few hundred a second on Stop, each ended by one click on the pad's
    bottom element: the timer restarts with every click, so only "Back" may arrive, once per
    burst, and the program's memory must not grow with the clicks."""
    h = desk.Helmsway(args.helmsway, places)
    r = desk.Receiver(args.receiver)
    try:
        per_burst = 5.0
        rounds = max(1, int(seconds / per_burst))
        rss = []
        clicks = 0
        started = time.monotonic()
        for burst in range(rounds + 1):  # the first one warms up
            count = int(per_burst * 300)
            t0 = time.monotonic()
            h.click("cmdStop", repeat=count, delay_ms=2)
            h.click("cmdDirection", 5)
            took = time.monotonic() - t0
            if burst:
                clicks += count
            check("burst %d" % burst, r.take(2), command("Back"))
            check("burst %d: nothing else" % burst, r.quiet(0.5), [])
            check("burst %d: still running" % burst, h.alive(), True)
            rss.append(h.rss_kb())
            print("burst %d: %d clicks in %.1f s (%.0f/s), VmRSS %d kB" % (
                burst, count, took, count / took, rss[-1]))
        grown = rss[-1] - rss[0]
        print("%d clicks in %.0f s; VmRSS after warm-up %d kB, at the end %d kB" % (
            clicks, time.monotonic() - started, rss[0], rss[-1]))
        if grown > max(1024, rss[0] // 20):
            FAILURES.append("memory grew by %d kB over %d bursts: %r" % (grown, rounds, rss))
    finally:
        r.close()
        h.close()


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("group", choices=["missing", "text", "truncated", "game-window",
                                          "ship-names", "off-map-ship-names", "bursts"])
    parser.add_argument("--helmsway", required=True)
    parser.add_argument("--receiver", required=True)
    parser.add_argument("--places", required=True)
    parser.add_argument("--seconds", type=float, default=20)
    args = parser.parse_args()
    places = desk.load_places(args.places)
    if args.group in ("missing", "text", "truncated"):
        pictures(args, places, [None, args.group])
    elif args.group == "game-window":
        game_window(args, places)
    elif args.group in ("ship-names", "off-map-ship-names"):
        ship_names(args, places, off_map=args.group == "off-map-ship-names")
    else:
        bursts(args, places, args.seconds)
    for failure in FAILURES:
        print("FAILED", failure)
    print("%s: %s" % (args.group, "failed" if FAILURES else "passed"))
    return 1 if FAILURES else 0


if __name__ == "__main__":
    sys.exit(main())
