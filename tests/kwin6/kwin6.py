"""Helmsway from its Debian package on KWin 6.3 (Debian 13), headless, in the cases GNOME Shell
48 has (tests/gnome48): the game a native Wayland SDL3 window of the program `cuo`, or an X11
window, under a native browser window titled like the game; the phrases on ru,us with ru
selected; and a Helmsway KWin does not let type, which says so in one line. Run inside the
Debian 13 root under tests/support/with-kwin.

  kwin6.py CASE BUILD_DIR SDL3_RECEIVER
"""
import os
import shutil
import subprocess
import sys
import tempfile

here = os.path.dirname(__file__)
sys.path[:0] = [os.path.join(here, "..", "gnome48")]
import gnome48  # noqa: E402
from gnome48 import check, finish, helmdesk, relays, steer  # noqa: E402

# KWin 6.3 has no wp_fifo_v1, so SDL3 would pick X11 by itself; from Plasma 6.4 on it picks
# Wayland, as it is told to here.
os.environ["SDL_VIDEO_DRIVER"] = "wayland"


def no_setup(p, folder):
    """A Helmsway that is not the one the package's menu entry names, as a build of one's own
    is: KWin does not grant it fake input, and it says so once, in one line."""
    installed = os.path.dirname(os.path.realpath(gnome48.HELMSWAY))
    copy = os.path.join(folder, "helmsway")
    shutil.copytree(installed, copy)
    helm = subprocess.Popen([os.path.join(copy, "helmsway")], stdout=subprocess.DEVNULL,
                            stderr=subprocess.PIPE, text=True)
    notice = helmdesk.find_window("^Helmsway setup$", helm.pid, 30)
    check("the setup notice is shown", notice > 0)
    helm.terminate()
    said = helm.communicate(timeout=20)[1].splitlines()
    check("one line says what to do %r" % said,
          len(said) == 1 and "KWin does not let this Helmsway type" in said[0])


def native(p, folder):
    """The game opens after the helm: every click of the shared scenario. The Ship Name prompt,
    which the tests open through the menu by keys, does not always open on KWin's Xwayland."""
    h = helmdesk.Helmsway(gnome48.HELMSWAY, p["places"])
    game = helmdesk.NativeReceiver(p["sdl3"], "cuo", folder)
    check("the game is native Wayland", game.driver, "wayland")
    browser = gnome48.browser_on_top(p, folder)
    relays("Stop", game, h.click("cmdStop"), "Stop")
    check("the game has the focus", helmdesk.wait_for(lambda: game.focused, 30))
    steer(h, game)
    check("nothing for the browser", browser.quiet(0.1), [])
    for window in (h, browser, game):
        window.close()


def x11(p, folder):
    """The game an X11 window opened before the helm, under the native browser."""
    game = helmdesk.Receiver(p["receiver"], title=gnome48.TITLE)
    h = helmdesk.Helmsway(gnome48.HELMSWAY, p["places"])
    browser = gnome48.browser_on_top(p, folder)
    relays("Stop", game, h.click("cmdStop"), "Stop")
    check("the game is active", helmdesk.wait_for(
        lambda: helmdesk.active_window() == str(game.window), 30))
    steer(h, game)
    check("nothing for the browser", browser.quiet(0.1), [])
    for window in (h, browser, game):
        window.close()


CASES = {"native": native, "x11": x11, "keyboard": gnome48.keyboard,
         "no-setup": no_setup}

if __name__ == "__main__":
    case, build, sdl3 = sys.argv[1:4]
    programs = helmdesk.programs(build)
    programs["places"] = helmdesk.load_places(programs["places"])
    programs["sdl3"] = sdl3
    with tempfile.TemporaryDirectory() as folder:
        CASES[case](programs, folder)
    finish(case)
