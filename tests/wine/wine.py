"""The real Helmsway.exe under Wine beside Win32 receivers titled like the game, driven by
winedesk (real input through the X server, and the Win32 probe, which reads the windows back).
Run on a desktop of its own (tools/with-desktop/with-desktop) with HELMSWAY_WIN, WINEPREFIX and
HELMSWAY_PLACES set.

  wine.py CASE [virtual]

window: the windows' looks, menus and closing. pictures: the picture files loaded at run time.
decoys: each client below windows that are not it. relay: what real clicks and keys make of the
game window's input; `virtual` runs it on Wine's virtual desktop.
"""
import contextlib
import ctypes
import os
import re
import shutil
import struct
import subprocess
import sys
import time

here = os.path.dirname(__file__)
sys.path[:0] = [os.path.join(here, "..", "..", "tools", "winedesk"),
                os.path.join(here, "..", "support")]
from clicks import check, command, finish, steer  # noqa: E402
from winedesk import (WIN, Helmsway, Receiver, Wine, run, value_of, wait_for,  # noqa: E402
                      windows_path)


def expect(case, output, *pairs):
    """Each key=value pair must be among the probe's output lines."""
    lines = output.splitlines()
    check("%s: %s" % (case, " ".join(pairs)), [p for p in pairs if p not in lines], [])


def expect_typed(case, receiver, *phrases):
    """The window has got these commands next, each a phrase and its two Enters, and nothing
    else."""
    want = [line for phrase in phrases for line in command(phrase)]
    check(case, receiver.take(len(want)) + receiver.quiet(0.1), want)


def window(wine):
    """Helmsway driven by the probe's messages and read back through Win32: the main window's
    border and buttons, topmost placement, the two layouts' client sizes (twips at 96 dpi),
    check marks, centring and version record; the About window; no game window; closing with a
    command pending."""
    Helmsway(wine)
    out = wine.probe("window")
    expect("window", out, "thickframe=0", "maximizebox=0", "minimizebox=1", "sysmenu=1",
           "caption=Helmsway", "dpi=96", "topmost=1", "client=167x178", "mnuOnTop=1",
           "mnuSimple=1", "mnuAdvanced=0")
    # Centred on the (virtual) screen when first shown.
    (sw, sh), (ow, oh) = ([int(n) for n in value_of(out, key).split("x")]
                          for key in ("screen", "outer"))
    origin = value_of(out, "origin")
    check("centred at first", origin, "%d,%d" % ((sw - ow) // 2, (sh - oh) // 2))

    # A menu item, then the window: Always On Top off and on again, the check mark following;
    # Advanced shows the frame (4395 twips of client area), Simple hides it again, and the same
    # layout again changes nothing. The top-left corner stays put throughout.
    for item, *pairs in [("mnuOnTop", "topmost=0", "mnuOnTop=0"),
                         ("mnuOnTop", "topmost=1", "mnuOnTop=1"),
                         ("mnuAdvanced", "client=167x293", "mnuSimple=0", "mnuAdvanced=1"),
                         ("mnuSimple", "client=167x178", "mnuSimple=1", "mnuAdvanced=0"),
                         ("mnuSimple", "client=167x178", "mnuSimple=1", "mnuAdvanced=0")]:
        expect(item, wine.probe("menu", item, "--", "window"), *pairs, "origin=" + origin)

    expect("version", wine.probe("version", windows_path(os.path.join(WIN, "Helmsway.exe"))),
           "fileversion=4.0.0.0", "productversion=4.0.0.0", "FileVersion=4.00",
           "ProductVersion=4.00", "ProductName=Helmsway")

    # About: modal and topmost, its texts, the focus on OK, and every way to close it.
    for how in ("enter", "esc", "ok", "close"):
        expect("About", wine.probe("menu", "mnuAbout", "--", "about"),
               "about.caption=About Helmsway", "about.topmost=1", "about.thickframe=0",
               "about.minimizebox=0", "about.maximizebox=0", "about.owner=0",
               "about.client=305x246", "main.enabled=0", "about.focus=1", "about.labels=7",
               "about.label=Helmsway", "about.label=Version 4.0")
        expect("About closed by " + how, wine.probe("about-close", how, "--", "window"),
               "about.closed=1", "enabled=1", "topmost=1")

    # Without a game window the keys go to the window that is active, and the anchor toggle
    # stays as it was, so the same phrase comes again.
    other = Receiver(wine, "other.log", "Notepad")
    for time in ("first", "again"):
        wine.probe("click", "cmdAnchor")
        expect_typed("no game window: anchor " + time, other, "Raise Anchor")

    # Closed by Exit within 300 ms of a command (the close box ends in the same WM_DESTROY):
    # the program ends, and the command never comes; the next program's first command is the
    # first the game gets.
    game = Receiver(wine, "game.log")
    expect("Exit", wine.probe("click", "cmdStop", "--", "menu", "mnuExit", "--", "wait-gone"),
           "gone=1")
    Helmsway(wine)
    wine.probe("click", "cmdAnchor")
    expect_typed("after closing within 300 ms", game, "Raise Anchor")


class Opens:
    """Counts the times a file is opened from now on (inotify; each open is followed by its
    close, so no two opens are merged into one event)."""

    def __init__(self, path):
        libc = ctypes.CDLL(None, use_errno=True)
        self.fd, self.count = libc.inotify_init1(os.O_NONBLOCK), 0
        libc.inotify_add_watch(self.fd, path.encode(), 0x20 | 0x10)  # IN_OPEN, IN_CLOSE_NOWRITE

    def total(self):
        with contextlib.suppress(BlockingIOError):
            events = os.read(self.fd, 4096)
            self.count += sum(mask == 0x20 for _, mask, _, _ in struct.iter_unpack("<iIII", events))
        return self.count


def shown(h, control, index):
    """Whether the element, 25 pixels high, shows the navy to gold gradient of tests/pictures,
    top to bottom (a palette of few colours dithers it)."""
    x, y = h.centre(control, index)
    at = "1x25+%d+%d" % (x, y - 12)
    column = subprocess.run(["import", "-window", "root", "-crop", at, "-depth", "8", "rgb:-"],
                            capture_output=True).stdout
    redder = [r - b for r, _, b in struct.iter_unpack("BBB", column)]
    return len(redder) == 25 and sum(redder[:5]) < 0 < sum(redder[-5:])


def pictures(wine):
    """The picture files Helmsway loads at run time: each kind of bitmap that Windows reads is
    shown as it is drawn, read once, while a file missing or cut short ends the turn before it
    relays anything; nothing done before it is undone (the facing has turned), and the program
    carries on."""
    folder = os.path.join(wine.work, "program")
    os.mkdir(folder)
    for name in os.listdir(WIN):
        if name == "Helmsway.exe" or name.endswith(".bmp"):
            shutil.copy(os.path.join(WIN, name), folder)
    picture = os.path.join(folder, "fwd_r_sa.bmp")
    game = Receiver(wine, "game.log")
    h = Helmsway(wine, folder)
    h.find_client_area()

    # The picture for the upper right element replaced by each kind ImageMagick wrote for the
    # core's tests (the upside-down one made top-down); facing 1, then Turn Right to facing 2
    # shows it. Made from the bytes that were checked: a second read could load another file.
    for kind in ["os2-24", "os2-8", "1", "4", "8", "rle8", "32", "v5-16", "v5-32", "24-flipped"]:
        shutil.copy(os.path.join(os.environ["HELMSWAY_TEST_PICTURES"], kind + ".bmp"), picture)
        if kind == "24-flipped":
            with open(picture, "r+b") as bitmap:
                bitmap.seek(22)
                bitmap.write(struct.pack("<i", -25))
        opens = Opens(picture)
        wine.probe("click", "BlueGem", 1, "--", "click", "cmdTurnRght")
        expect_typed("Turn Right shows a bitmap of kind " + kind, game, "Turn Right")
        check(kind + " read once", opens.total(), 1)
        check(kind + " shown as drawn", wait_for(lambda: shown(h, "cmdDirection", 2), 10))

    # Cut short by its last byte, then missing: the turn stops at the picture, before it brings
    # the game forward or relays (Helmsway, activated before, stays in front), and the facing
    # has turned to 2, where the top pad element means Forward Left.
    for damage, spoil in [("cut short", lambda: os.truncate(picture, os.path.getsize(picture) - 1)),
                          ("missing", lambda: os.remove(picture))]:
        spoil()
        run("xdotool", "search", "--name", "^Helmsway$", "windowactivate")
        wine.probe("wait-foreground", "Helmsway")
        expect(damage, wine.probe("click", "BlueGem", 1, "--", "click", "cmdTurnRght", "--",
                                  "foreground"), "foreground=Helmsway")
        wine.probe("click", "cmdDirection", 1)
        expect_typed(damage + ": the turn stopped, the facing turned", game, "Forward Left")


def decoys(wine):
    """Each client as players run it, below windows that are not it, opened after it and so
    above it: an Explorer folder titled exactly "Ultima Online", told apart by its window class
    only; a window of the client's own process that is not its game window (an assistant's, by
    its class). The keys go to the game below them; once another game window is opened on top,
    to that one, the client the player used last. Decoys told by their titles alone are the
    core's cases."""
    game = Receiver(wine, "game.log", "Ultima Online - Sam (Atlantic)")
    folder = Receiver(wine, "folder.log", "Ultima Online", "CabinetWClass")
    h = Helmsway(wine)
    h.find_client_area()
    h.settle()
    wine.probe("sync", "Ultima Online")
    h.click("cmdStop")
    expect_typed("the game below a folder", game, "Stop")
    expect_typed("nothing for the folder", folder)

    login = Receiver(wine, "login.log", "Ultima Online")
    wine.probe("click", "cmdStop")
    expect_typed("the game window opened last", login, "Stop")

    # The classic client whose title an assistant writes, told by its class; TazUO by its
    # program and the title's stable part.
    for name, title, window_class, program in [
            ("razor", "Sam - 85/100 HP", "Ultima Online", "client.exe"),
            ("tazuo", "Sam - HP 85/100 - [TazUO - 5.25.0]", None, "TazUO.exe")]:
        client = Receiver(wine, name + ".log", title, window_class, program)
        assistant = Receiver(wine, name + "-assistant.log", "UOSteam - Sam (Atlantic)",
                             "WindowsForms10.Window.8.app.0.2bf8098_r6_ad1", "client.exe")
        wine.probe("sync", "UOSteam - Sam (Atlantic)")
        wine.probe("click", "cmdStop")
        expect_typed(name, client, "Stop")
        expect_typed("nothing for the assistant", assistant)


def relay(wine):
    """What a user's clicks and keys make of the game window's input, with real input through
    the X server: clicks at the layout's places on each kind of control, quick double clicks, a
    press let go elsewhere, the ship-name prompt answered with Enter, OK and Esc, About closed
    just before a click, a Ctrl-click. Each command must reach the game exactly once, as its
    phrase and two Enters. On the desktop's keyboard layout, us or fr."""
    game = Receiver(wine, "game.log")
    h = Helmsway(wine)
    h.find_client_area()
    # Helmsway, started last, took the X focus from the receiver. Wine gives a window's
    # process the news on its own time, and a process told that its window lost the focus
    # hands the foreground to the desktop if that window holds it: after a first click had
    # already activated the game, the keys would go nowhere. The receiver handles the news
    # first.
    h.settle()
    wine.probe("sync", "Ultima Online")

    # Keys arrive when Timer1 fires, 300 ms after the click, by the clock Windows gives both.
    clicked = int(value_of(wine.probe("ticks", "--", "click", "cmdStop"), "ticks"))
    got = game.take_lines(2)
    check("Stop by the probe", [line.text for line in got] + game.quiet(0.1), command("Stop"))
    took = got[-1].ms - clicked if got else None
    check("typed %s ms after the click" % took, took is not None and 290 <= took <= 1500)

    # Pressed on Stop and let go over the pad's right element: no click on either. Then the
    # clicks the Linux program gets too; a quick second click brings the game forward again:
    # the first click's keys must not land in Helmsway, which the second click made active.
    h.press_and_leave("cmdStop")
    steer(h, game)

    # A second command within 300 ms starts the count afresh: its phrase comes no sooner than
    # 300 ms after it. The pause only spaces the clicks, so that a count left running would
    # type it 150 ms after; a machine that held the second click back past the first one's
    # tick lets the first phrase through before it.
    h.click("cmdStop")
    time.sleep(0.15)
    second = h.click("cmdDirection", 5)
    got = game.take_lines(2)
    if [line.text for line in got] == command("Stop"):
        got = game.take_lines(2)
    check("a second command restarts the 300 ms", [line.text for line in got],
          command("Back One"))
    check("... and is typed no sooner", bool(got) and got[0].at - second >= 0.25)

    # The ship's name typed on the keyboard, with characters that need Shift on this layout
    # (the digits on a French one) and letters of the layout beyond ASCII, and Enter. No
    # character behind AltGr: xdotool's AltGr does not always reach Wine.
    layout = re.search(r"^layout:\s*(\S+)", run("setxkbmap", "-query"), re.M).group(1)
    name = "Mer \u00e9+(42) \u00e7" if layout == "fr" else "Sea Dog {+}(42)"
    h.open_ship_name()
    run("xdotool", "type", "--delay", "20", name)
    run("xdotool", "key", "Return")
    expect_typed("ship name typed", game, "Set Name " + name)
    # Pasted: letters no keyboard layout here has, and one beyond the 16-bit range; then OK.
    wine.paste_ready("\u00c6gir \u00df \U0001d11e")
    h.open_ship_name()
    run("xdotool", "key", "ctrl+v")
    h.click_ok("Ship Name")
    expect_typed("ship name pasted", game, "Set Name \u00c6gir \u00df \U0001d11e")
    # Esc relays nothing. About closed by its OK button and a click right after: the click's
    # command, once.
    h.open_ship_name()
    run("xdotool", "type", "--delay", "20", "Ghost")
    run("xdotool", "key", "Escape")
    h.menu("mnuOptions", "mnuAbout")
    h.click_ok("About Helmsway")
    h.click("cmdStop")
    expect_typed("Esc, then About closed just before a click", game, "Stop")

    # A Ctrl-click: the Ctrl the user still holds must not turn the phrase into shortcuts.
    run("xdotool", "keydown", "Control_L")
    h.click("cmdStop")
    expect("Ctrl held", wine.probe("held"), "held.ctrl=1")
    expect_typed("Ctrl-click", game, "Stop")
    run("xdotool", "keyup", "Control_L")

    # Caps Lock on: the phrase keeps its case, not "fORWARD lEFT".
    run("xdotool", "key", "Caps_Lock")
    check("Caps Lock on", "Caps Lock:   on" in run("xset", "q"))
    h.click("cmdSpeed", 3)
    h.click("BlueGem", 2)
    h.click("cmdDirection", 1)
    expect_typed("Caps Lock on", game, "Forward Left")
    run("xdotool", "key", "Caps_Lock")


CASES = {"window": window, "pictures": pictures, "decoys": decoys, "relay": relay}

if __name__ == "__main__":
    case = sys.argv[1]
    with Wine(virtual=sys.argv[2:] == ["virtual"]) as wine:
        try:
            CASES[case](wine)
        except RuntimeError as error:  # a wait of the driver's that never ended
            check("runs to the end", str(error), "")
    finish(case)
