"""Helmsway from its Debian package on GNOME Shell 48 (Debian 13), headless, with its extension
enabled as the README tells a player: the game a native Wayland SDL3 window of the program
`cuo`, as ClassicUO runs there by itself, or an X11 window on Xwayland, and a native browser
window titled like the game opening on top of it. Run inside the Debian 13 root under
tests/support/with-gnome-shell.

  gnome48.py CASE BUILD_DIR SDL3_RECEIVER

native, x11: the clicks every helm must turn into phrases, and a ship name typed into the
prompt. keyboard: the same phrases on the keyboard GNOME was started with (ru,us with ru
selected). session: the native case in GNOME's real session setting, with a session manager
on the bus that mutter hands the session's environment to. no-extension: the shell runs
without the extension, and Helmsway says so once, in one line.
"""
import os
import re
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


def wait_for_xwayland_wm():
    if not helmdesk.wait_for(lambda: "window id" in helmdesk.ask(
            "xprop", "-root", "_NET_SUPPORTING_WM_CHECK"), 60):
        raise RuntimeError("the shell did not take over Xwayland")


def browser_on_top(p, folder):
    """A native browser window titled like the game, opened last, so it has the focus."""
    browser = helmdesk.NativeReceiver(p["sdl3"], "firefox", folder)
    check("the browser is native Wayland", browser.driver, "wayland")
    check("the browser has the focus", helmdesk.wait_for(lambda: browser.focused, 30))
    return browser


def ship_name(h, game):
    """A name typed into the prompt reaches the game."""
    h.open_ship_name()
    helmdesk.run("xdotool", "type", "--delay", "20", "Sea Wolf")
    entered = time.monotonic()
    helmdesk.run("xdotool", "key", "Return")
    relays("ship name", game, entered, "Set Name Sea Wolf")


def native(p, folder, phrases_only=False):
    # The game opens after the helm: nothing of it is known at the helm's start.
    h = helmdesk.Helmsway(HELMSWAY, p["places"])
    game = helmdesk.NativeReceiver(p["sdl3"], "cuo", folder)
    check("the game is native Wayland by itself", game.driver, "wayland")
    browser = browser_on_top(p, folder)
    relays("Stop", game, h.click("cmdStop"), "Stop")
    check("the game has the focus", helmdesk.wait_for(lambda: game.focused, 30))
    h.click("BlueGem", 2)
    relays("gem 2, pad 1", game, h.click("cmdDirection", 1), "Forward Left")
    if not phrases_only:
        steer(h, game)
        ship_name(h, game)
    check("nothing for the browser", browser.quiet(0.1), [])
    for window in (h, browser, game):
        window.close()


def x11(p, folder):
    game = helmdesk.Receiver(p["receiver"], title=TITLE)
    h = helmdesk.Helmsway(HELMSWAY, p["places"])
    browser = browser_on_top(p, folder)
    relays("Stop", game, h.click("cmdStop"), "Stop")
    check("the game is active", helmdesk.wait_for(
        lambda: helmdesk.active_window() == str(game.window), 30))
    steer(h, game)
    ship_name(h, game)
    check("nothing for the browser", browser.quiet(0.1), [])
    for window in (h, browser, game):
        window.close()


def keyboard(p, folder):
    # Xwayland's keymap is the shell's, its groups named by their layouts (setxkbmap -query
    # names no layout there).
    keymap = helmdesk.run("xkbcomp", "-xkb", os.environ["DISPLAY"], "-")
    groups = re.findall(r'name\[[Gg]roup(\d)\]\s*=\s*"([^"]*)"', keymap)
    check("ru,us on the shell's keyboard %s" % groups, groups[:2],
          [("1", "Russian"), ("2", "English (US)")])
    native(p, folder, phrases_only=True)


def session(p, folder):
    native(p, folder)


def no_extension(p, folder):
    game = helmdesk.NativeReceiver(p["sdl3"], "cuo", folder)
    helm = subprocess.Popen([HELMSWAY], stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                            text=True)
    notice = helmdesk.find_window("^Helmsway setup$", helm.pid, 30)
    check("the setup notice is shown", notice > 0)
    helm.terminate()
    said = helm.communicate(timeout=20)[1].splitlines()
    check("one line says what to do %r" % said,
          len(said) == 1 and "gnome-extensions enable helmsway@example.org" in said[0])
    game.close()


CASES = {"native": native, "x11": x11, "keyboard": keyboard, "session": session,
         "no-extension": no_extension}

if __name__ == "__main__":
    case, build, sdl3 = sys.argv[1:4]
    programs = helmdesk.programs(build)
    programs["places"] = helmdesk.load_places(programs["places"])
    programs["sdl3"] = sdl3
    wait_for_xwayland_wm()
    with tempfile.TemporaryDirectory() as folder:
        CASES[case](programs, folder)
    finish(case)
