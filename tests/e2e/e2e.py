"""The real Helmsway beside the real receiver, titled like the game window, on a private
desktop (run under tools/with-desktop/with-desktop). Clicks go to the places the core's layout table
gives; the receiver's lines are checked exactly, and the program must still be running.

  e2e.py GROUP BUILD_DIR

clicks: each kind of control clicked, once and twice quickly, and what only a window manager
shows. game-window, ship-names: the program under abuse. gnome: on GNOME's own
window manager instead (run under tests/support/with-mutter).
"""
import os
import re
import resource
import signal
import subprocess
import sys
import time

here = os.path.dirname(__file__)
sys.path[:0] = [os.path.join(here, "..", "..", "tools", "helmdesk"),
                os.path.join(here, "..", "support")]
import helmdesk  # noqa: E402
from clicks import FAILURES, TWICE, check, command, finish, relays, steer  # noqa: E402


def clicks(p):
    r, h = helmdesk.Receiver(p["receiver"]), helmdesk.Helmsway(p["helmsway"], p["places"])
    check("kept on top at start", "_NET_WM_STATE_ABOVE" in h.state())
    steer(h, r)
    relays("Start twice quickly", r, h.click("cmdStart", -1, *TWICE), "Start")
    h.menu("mnuOptions", "mnuOnTop")
    check("Always On Top off", helmdesk.wait_for(lambda: "_NET_WM_STATE_ABOVE" not in h.state()))
    h.menu("mnuOptions", "mnuOnTop")
    check("Always On Top on again", helmdesk.wait_for(lambda: "_NET_WM_STATE_ABOVE" in h.state()))
    h.close()
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
    h.close()

    # A Wayland session where Qt would take its Wayland plugin: the helm asks for X11 (XWayland)
    # all the same, where the game is, and relays.
    wayland = dict(os.environ, WAYLAND_DISPLAY="wayland-0", XDG_SESSION_TYPE="wayland",
                   QT_QPA_PLATFORM="wayland")
    h, r = helmdesk.Helmsway(p["helmsway"], p["places"], env=wayland), receiver()
    relays("on a Wayland session", r, h.click("cmdStop"), "Stop")
    r.close()
    h.close()

    # No X11 display at all, as on a Wayland session with Xwayland off: one line says why, and
    # the program ends with a failure instead of a helm that could do nothing.
    alone = {key: value for key, value in os.environ.items() if key != "DISPLAY"}
    ended = subprocess.run([p["helmsway"]], env=dict(alone, WAYLAND_DISPLAY="wayland-0"),
                           capture_output=True, text=True, timeout=60)
    check("no X11 display: status 1", ended.returncode, 1)
    said = ended.stderr.splitlines()
    check("no X11 display: one line says so %r" % said,
          len(said) == 1 and said[0].startswith("helmsway: no X11 display"))


def gnome(p):
    """GNOME's mutter with Xwayland (run under tests/support/with-mutter): the SDL2 client, and
    a chat window that pops up on top of it before each click. The game comes to the front and
    gets the phrase, and mutter takes every request as one with the click's time. Then a menu
    and the Ship Name prompt."""
    if not helmdesk.wait_for(lambda: "window id" in helmdesk.ask(
            "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 60):
        raise RuntimeError("mutter did not take over Xwayland")
    game = helmdesk.Receiver(p["sdl-receiver"], title="Sam - ClassicUO - 1.1.0.0")
    h = helmdesk.Helmsway(p["helmsway"], p["places"])
    for case, click, phrase in [("Stop", ("cmdStop",), "Stop"),
                                ("pad 1", ("cmdDirection", 1), "Forward"),
                                ("anchor", ("cmdAnchor",), "Raise Anchor")]:
        chat = helmdesk.Receiver(p["receiver"], title="#boats \u2014 Chat")
        check(case + ": the chat is active", helmdesk.wait_for(
            lambda: helmdesk.active_window() == str(chat.window), 30))
        relays(case, game, h.click(*click), phrase)
        check(case + ": the game is active", helmdesk.wait_for(
            lambda: helmdesk.active_window() == str(game.window), 30))
        check(case + ": nothing for the chat", chat.quiet(0.05), [])
        chat.close()
    # The menus and the prompt, Qt's own windows, on mutter too.
    h.menu("mnuOptions", "mnuOnTop")
    check("Always On Top off", helmdesk.wait_for(lambda: "_NET_WM_STATE_ABOVE" not in h.state()))
    h.menu("mnuOptions", "mnuOnTop")
    check("Always On Top on again", helmdesk.wait_for(lambda: "_NET_WM_STATE_ABOVE" in h.state()))
    # Typed: mutter's clipboard bridge would take a pasted name first.
    h.open_ship_name()
    helmdesk.run("xdotool", "type", "--delay", "20", "Sea Wolf")
    entered = time.monotonic()
    helmdesk.run("xdotool", "key", "Return")
    relays("ship name", game, entered, "Set Name Sea Wolf")
    h.close()
    game.close()
    with open(os.environ["DESKTOP_LOG"], errors="replace") as log:
        check("no request mutter calls buggy",
              [line.strip() for line in log if "Buggy client" in line], [])


def game_clients(p):
    """The SDL2 client as players run it (ClassicUO with title-bar stats, known by its program
    file) below windows that are not it, opened after it and so above it: a chat titled
    exactly like it, told by its class, and an assistant titled like the classic client, told
    by its program. A ship name reaches the game as SDL2 hands text to the client, borrowed
    keys and all. The other clients' titles are the core's cases, their classes and programs
    ActivationTest's, the classic client under Wine classic-client-under-wine's."""
    title = "Sam - HP 85/100, MP 42/50, SP 95/100 - ClassicUO - 1.1.0.0"
    with helmdesk.Helmsway(p["helmsway"], p["places"]) as h, \
            helmdesk.Receiver(p["sdl-receiver"], title, program="ClassicUO.bin.x86_64") as game, \
            helmdesk.Receiver(p["receiver"], title, window_class="discord") as chat, \
            helmdesk.Receiver(p["receiver"], "Ultima Online - Sam (Atlantic)",
                              program="RazorEnhanced.exe") as assistant:
        relays("ClassicUO below decoys", game, h.ship_name("a+b{c} ß é"), "Set Name a+b{c} ß é")
        for decoy in (chat, assistant):
            check("nothing for a decoy", decoy.quiet(0.05), [])


def classic_client_under_wine(p):
    """The classic client as Linux players run it, under Wine with an assistant's title: an X11
    window classed "client.exe" whose process runs Wine's loader. The Win32 receiver stands in
    for it, run from a copy named client.exe; a browser tab titled the same lies above it."""
    sys.path.insert(0, os.path.join(here, "..", "..", "tools", "winedesk"))
    import winedesk  # needs the Windows build, which only this group has

    wine = winedesk.Wine()
    title = "Sam - 85/100 HP"
    game = winedesk.Receiver(wine, "client.log", title, program="client.exe")
    helmdesk.find_window("^%s$" % re.escape(title), timeout=60)
    tab = helmdesk.Receiver(p["receiver"], title=title + " - Mozilla Firefox", window_class="firefox")
    h = helmdesk.Helmsway(p["helmsway"], p["places"])
    relays("the classic client under Wine, titled by an assistant", game, h.click("cmdStop"),
           "Stop")
    check("nothing for the tab above it", tab.quiet(0.05), [])
    h.close()
    tab.close()
    wine.close()


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
            ("Exit", lambda h: h.menu("mnuOptions", "mnuExit")),
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
    return [int(child) for child in helmdesk.ask("ps", "--ppid", str(pid), "-o", "pid=").split()]


def running(pid):
    """Whether the process is there and not a zombie waiting to be reaped."""
    return helmdesk.ask("ps", "-o", "stat=", "-p", str(pid)).strip()[:1] not in ("", "Z")


def keyboard_map():
    """Every keycode's keysyms (xkbcomp's listing would merge the keys without a name, which
    most spare keys are), and xkbcomp's listing for the rest of the keymap."""
    return (helmdesk.run("xmodmap", "-pke"),
            helmdesk.run("xkbcomp", "-xkb", os.environ["DISPLAY"], "-"))


GROUPS = {"clicks": clicks, "game-window": game_window, "game-clients": game_clients,
          "ship-names": ship_names, "classic-client-under-wine": classic_client_under_wine,
          "gnome": gnome}

if __name__ == "__main__":
    group, build = sys.argv[1:3]
    # The helms this test crashes on purpose leave no core files behind.
    resource.setrlimit(resource.RLIMIT_CORE, (0, 0))
    programs = helmdesk.programs(build)
    programs["places"] = helmdesk.load_places(programs["places"])
    GROUPS[group](programs)
    finish(group)
