"""Helmsway from its Debian package on the Wayland desktops of Debian 13, headless: GNOME
Shell 48 with Helmsway's extension enabled as the README tells a player, and KWin 6.3. The game
is a native Wayland SDL3 window of the program `cuo` (on GNOME it picks Wayland by itself; KWin
6.3 lacks wp_fifo_v1, so it is told to, as SDL3 picks by itself from Plasma 6.4 on) or an X11
window on Xwayland, and a native browser window titled like the game opens on top of it. Run
inside the Debian 13 root under tests/support/with-gnome-shell or with-kwin.

  wayland.py gnome|kwin CASE BUILD_DIR SDL3_RECEIVER

native, x11: the clicks every helm must turn into phrases, and on GNOME a ship name typed into
the prompt (on KWin's Xwayland the test's keys do not always open the menu). keyboard: the
phrases on ru,us with ru selected. session (GNOME): the native case with a session manager on
the bus, as in a player's session. unreachable: the extension missing (GNOME), or a Helmsway
outside the package, which KWin does not let type: it says so at start, in one line.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

here = os.path.dirname(__file__)
sys.path[:0] = [os.path.join(here, "..", "..", "tools", "helmdesk"),
                os.path.join(here, "..", "support")]
import helmdesk  # noqa: E402
from clicks import check, finish, relays, steer  # noqa: E402

HELMSWAY = "/usr/games/helmsway"
TITLE = "Sam - ClassicUO - 1.1.0.0"
# What the one line says where the desktop keeps the helm from the game.
UNREACHABLE = {"gnome": "gnome-extensions enable helmsway@example.org",
               "kwin": "KWin does not let this Helmsway type"}


def browser_on_top(p):
    """A native browser window titled like the game, opened last, so it has the focus."""
    browser = helmdesk.NativeReceiver(p["sdl3"], "firefox")
    check("the browser is native Wayland", browser.driver, "wayland")
    check("the browser has the focus", helmdesk.wait_for(lambda: browser.focused, 30))
    return browser


def steer_and_name(p, h, game):
    steer(h, game)
    if p["desktop"] == "gnome":
        h.open_ship_name()
        helmdesk.run("xdotool", "type", "--delay", "20", "Sea Wolf")
        entered = time.monotonic()
        helmdesk.run("xdotool", "key", "Return")
        relays("ship name", game, entered, "Set Name Sea Wolf")


def native(p, phrases_only=False):
    # The game opens after the helm: nothing of it is known at the helm's start.
    with helmdesk.Helmsway(HELMSWAY, p["places"]) as h, \
            helmdesk.NativeReceiver(p["sdl3"], "cuo") as game, browser_on_top(p) as browser:
        check("the game is native Wayland", game.driver, "wayland")
        relays("Stop", game, h.click("cmdStop"), "Stop")
        check("the game has the focus", helmdesk.wait_for(lambda: game.focused, 30))
        h.click("BlueGem", 2)
        relays("gem 2, pad 1", game, h.click("cmdDirection", 1), "Forward Left")
        if not phrases_only:
            steer_and_name(p, h, game)
        check("nothing for the browser", browser.quiet(0.1), [])


def x11(p):
    with helmdesk.Receiver(p["receiver"], title=TITLE) as game, \
            helmdesk.Helmsway(HELMSWAY, p["places"]) as h, browser_on_top(p) as browser:
        relays("Stop", game, h.click("cmdStop"), "Stop")
        check("the game is active", helmdesk.wait_for(
            lambda: helmdesk.active_window() == str(game.window), 30))
        steer_and_name(p, h, game)
        check("nothing for the browser", browser.quiet(0.1), [])


def keyboard(p):
    # Xwayland's keymap is the desktop's, its groups named by their layouts (setxkbmap -query
    # names no layout there).
    keymap = helmdesk.run("xkbcomp", "-xkb", os.environ["DISPLAY"], "-")
    groups = re.findall(r'name\[[Gg]roup(\d)\]\s*=\s*"([^"]*)"', keymap)
    check("ru,us on the keyboard %s" % groups, groups[:2],
          [("1", "Russian"), ("2", "English (US)")])
    native(p, phrases_only=True)


def unreachable(p):
    helm = HELMSWAY
    if p["desktop"] == "kwin":
        # A copy of its own, as a build of one's own is: the package's menu entry names another.
        copy = os.path.join(tempfile.mkdtemp(), "helmsway")
        shutil.copytree(os.path.dirname(os.path.realpath(HELMSWAY)), copy)
        helm = os.path.join(copy, "helmsway")
    proc = subprocess.Popen([helm], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    check("the setup notice is shown",
          helmdesk.find_window("^Helmsway setup$", proc.pid, 30) > 0)
    proc.terminate()
    said = proc.communicate(timeout=20)[1].splitlines()
    check("one line says what to do %r" % said,
          len(said) == 1 and UNREACHABLE[p["desktop"]] in said[0])


CASES = {"native": native, "x11": x11, "keyboard": keyboard, "session": native,
         "unreachable": unreachable}

if __name__ == "__main__":
    desktop, case, build, sdl3 = sys.argv[1:5]
    if desktop == "kwin":
        os.environ["SDL_VIDEO_DRIVER"] = "wayland"
    programs = helmdesk.programs(build)
    programs.update(places=helmdesk.load_places(programs["places"]), sdl3=sdl3, desktop=desktop)
    if not helmdesk.wait_for(lambda: "window id" in helmdesk.ask(
            "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 60):
        raise RuntimeError("the desktop did not take over Xwayland")
    CASES[case](programs)
    finish(case)
