"""The real Helmsway beside the real receiver, titled like the game window, on a private
desktop (run under tests/support/with-desktop). Clicks go to the places the core's layout table
gives; the receiver's lines are checked exactly, and the program must still be running.

  e2e.py GROUP BUILD_DIR

clicks: each kind of control clicked, once, twice quickly and in a burst, and what only a
window manager shows. game-window, ship-names: the program under abuse.
"""
import os
import resource
import select
import signal
import subprocess
import sys

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
    # Each kind of control: a picture, a picture of an array after one that only changes the
    # helm, and the Advanced frame's push buttons, alone and of an array. Quick double clicks
    # count twice: the anchor and the facing move twice, and the second phrase is typed, once.
    relays("Stop", r, h.click("cmdStop"), "Stop")
    h.click("BlueGem", 2)
    relays("gem 2, pad 1", r, h.click("cmdDirection", 1), "Forward Left")
    relays("anchor twice quickly", r, h.click("cmdAnchor", -1, *TWICE), "Drop Anchor")
    relays("turn right twice quickly", r, h.click("cmdTurnRght", -1, *TWICE), "Turn Right")
    relays("facing 4 after two right turns", r, h.click("cmdDirection", 1), "Back Right")
    h.show_advanced()
    relays("Goto 3", r, h.click("cmdNavigate", 3), "Goto 3")
    relays("Start twice quickly", r, h.click("cmdStart", -1, *TWICE), "Start")
    # Clicks at a few hundred a second, then one on the pad (the map command has cleared the
    # facing): each restarts the 300 ms, so the pad's phrase comes last, once and whole. Only a
    # machine that held the clicks up for 300 ms lets a Stop through before it.
    h.click("cmdStop", repeat=600, delay_ms=2)
    h.click("cmdDirection", 5)
    got = r.take(2)
    while got == command("Stop"):
        got = r.take(2)
    check("600 clicks, then the pad", got, command("Back"))
    check("600 clicks, then the pad: nothing more", r.quiet(0.1), [])

    h.menu("Options", 1)
    check("Always On Top off", helmdesk.wait_for(lambda: "_NET_WM_STATE_ABOVE" not in h.state()))
    h.menu("Options", 1)
    check("Always On Top on again", helmdesk.wait_for(lambda: "_NET_WM_STATE_ABOVE" in h.state()))

    # Closed by its title bar within 300 ms of a click: nothing is typed, the program ends.
    h.click("cmdStop")
    x, y, width, _ = h.geometry()
    helmdesk.click_at(x + width - 8, y - 10)
    check("closing within 300 ms types nothing", r.quiet(1.0), [])
    check("closing ends the program", h.proc.wait(timeout=10), 0)
    r.close()


def typed_somewhere(h, name, then=lambda: None):
    """Sends a ship name holding a character no layout has and waits for the tick to type it,
    wherever the keys go: the key borrowed for that character changes the keyboard map."""
    before = keyboard_map()
    h.ship_name(name)
    then()
    return helmdesk.wait_for(lambda: keyboard_map() != before)


def game_window(p):
    receiver = lambda **kw: helmdesk.Receiver(p["receiver"], **kw)  # noqa: E731
    h = helmdesk.Helmsway(p["helmsway"], p["places"])
    for case, name, game, before_tick in [
            # No game window at all: the keys go wherever the focus is, and nothing breaks.
            ("no game window", "\U0001F6A2", lambda: None, lambda game: None),
            # The game window closes between the activation and the tick.
            ("closed before the tick", "\u2693", receiver, lambda game: game.close())]:
        window = game()
        check(case + ": typed, still running",
              typed_somewhere(h, name, then=lambda: before_tick(window)) and h.alive())
        r = receiver()
        relays(case + ": relays next", r, h.click("cmdStop"), "Stop")
        r.close()

    # The open-source client below windows that are not it, opened after it and so above it:
    # one titled after the game, one of a file manager showing a folder of the game's name. The
    # name arrives exactly, as SDL2 hands text to the client, and nothing reaches a decoy.
    game = helmdesk.Receiver(p["sdl-receiver"], title="ClassicUO - 1.1.0.0")
    decoys = [receiver(title="Ultima Online - Boats guide - Firefox"),
              receiver(title="Ultima Online", window_class="org.gnome.Nautilus")]
    relays("ship name into ClassicUO (SDL2) below decoys", game, h.ship_name("a+b{c} ß é"),
           "Set Name a+b{c} ß é")
    for decoy in decoys:
        check("nothing for a decoy", decoy.quiet(0.05), [])
        decoy.close()
    game.close()
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
    running = h.poll() is None
    h.terminate()
    # Ended by the signal itself, or by the quit it asks for once the event loop runs.
    check("no X11 display: still running when asked to end",
          running and h.wait(10) in (0, -signal.SIGTERM))
    lines = [said] + h.stderr.readlines()
    check("no X11 display: said once", sum("no X11 display" in line for line in lines), 1)


def stretch(pattern, length):
    return (pattern * (length // len(pattern) + 1))[:length]


def ship_names(p):
    r, h = helmdesk.Receiver(p["receiver"]), helmdesk.Helmsway(p["helmsway"], p["places"])
    # Characters the US map has no key for, typed on spare keys, between reserved ones.
    name = stretch('Sea Dog {+^%~()[]} 42 @ " / \\ _ ß é Æ  ', 10000)
    h.ship_name(name)
    got, want = r.take(2, timeout=90), "Set Name " + name
    check("ship name of 10,000 characters typed exactly", got, command(want))
    if got and got[0] != want:
        at = next(i for i, (a, b) in enumerate(zip(got[0] + "\0", want + "\1")) if a != b)
        FAILURES.append("  first difference at %d: %r vs %r" % (
            at, got[0][at:at + 20], want[at:at + 20]))
    check("ship name of 10,000 characters: still running", h.alive())
    h.close()

    # Keys borrowed for a name stay bound while the program runs, and the keyboard map is
    # given back however it ends: by its own hand, killed, crashed or cut off from the display.
    # Its guardian gives them back where it cannot, and ends too.
    for ending, end in [
            ("Exit", lambda h: h.menu("Options", 4)),
            ("close box", lambda h: helmdesk.click_at(h.geometry()[0] + h.geometry()[2] - 8,
                                                      h.geometry()[1] - 10)),
            ("xkill", lambda h: helmdesk.run("xkill", "-id", str(h.window)))] + [
            (name, lambda h, name=name: h.proc.send_signal(getattr(signal, name)))
            for name in ("SIGTERM", "SIGINT", "SIGHUP", "SIGQUIT", "SIGUSR1", "SIGSEGV",
                         "SIGKILL")]:
        found = keyboard_map()
        h = helmdesk.Helmsway(p["helmsway"], p["places"])
        h.ship_name("\u0141\u00f3d\u017a \U0001F600")
        check("%s: name typed" % ending, len(r.take(2)), 2)
        check("%s: keys borrowed" % ending, keyboard_map() != found)
        guardians = children(h.proc.pid)
        check("%s: one guardian" % ending, len(guardians), 1)
        end(h)
        h.proc.wait(10)
        check("%s: keyboard map given back" % ending,
              helmdesk.wait_for(lambda: keyboard_map() == found))
        check("%s: guardian ended" % ending,
              helmdesk.wait_for(lambda: not any(map(running, guardians))))

    # Keys a dead helm left bound (its guardian killed with it) are given back by the next helm
    # that starts, which then has every spare place for itself; a running helm's stay bound.
    found = keyboard_map()
    room = 4 * sum(line.split("=")[1].strip() == "" for line in found[0].splitlines())
    # Eight characters take eight spare keys (one place each, the plain level first), which
    # leaves the second helm the others.
    cyrillic = "".join(map(chr, range(0x410, 0x410 + 8)))
    cjk = "".join(map(chr, range(0x6000, 0x6000 + 2 * room)))
    first, second = None, None
    for name in (cyrillic, cjk[room:room + 20]):
        # Started one after the other: the second covers the first, whose clicks are done.
        first, second = second, helmdesk.Helmsway(p["helmsway"], p["places"])
        relays("a helm of two: " + name[:3], r, second.ship_name(name), "Set Name " + name)
    for guardian in children(first.proc.pid) + [first.proc.pid]:
        os.kill(guardian, signal.SIGKILL)
    first.proc.wait(10)
    second.close()
    check("a running helm's keys kept, a dead one's left", " U0410 " in keyboard_map()[0])
    third = helmdesk.Helmsway(p["helmsway"], p["places"])
    relays("every spare place after a dead helm", r, third.ship_name(cjk[:room]),
           "Set Name " + cjk[:room])
    third.close()
    check("keyboard map given back after three helms",
          helmdesk.wait_for(lambda: keyboard_map() == found))
    r.close()


def children(pid):
    """The processes whose parent is `pid`."""
    found = []
    for entry in os.listdir("/proc"):
        try:
            with open("/proc/%s/stat" % entry) as stat:
                if entry.isdigit() and int(stat.read().rsplit(")", 1)[1].split()[1]) == pid:
                    found.append(int(entry))
        except OSError:
            pass
    return found


def running(pid):
    """Whether the process is there and not a zombie waiting to be reaped."""
    try:
        with open("/proc/%d/stat" % pid) as stat:
            return stat.read().rsplit(")", 1)[1].split()[0] != "Z"
    except OSError:
        return False


def keyboard_map():
    """Every keycode's keysyms (xkbcomp's listing would merge the keys without a name, which
    most spare keys are), and xkbcomp's listing for the rest of the keymap."""
    return (helmdesk.run("xmodmap", "-pke"),
            helmdesk.run("xkbcomp", "-xkb", os.environ["DISPLAY"], "-"))


GROUPS = {"clicks": clicks, "game-window": game_window, "ship-names": ship_names}

if __name__ == "__main__":
    group, build = sys.argv[1:3]
    # The helms this test crashes on purpose leave no core files behind.
    resource.setrlimit(resource.RLIMIT_CORE, (0, 0))
    programs = helmdesk.programs(build)
    programs["places"] = helmdesk.load_places(programs["places"])
    GROUPS[group](programs)
    for failure in FAILURES:
        print("FAILED", failure)
    print("%s: %s" % (group, "failed" if FAILURES else "passed"))
    sys.exit(1 if FAILURES else 0)
