"""Click to keys on GNOME Shell 48 (Debian 13): Helmsway from its package clicked on Stop, the
phrase's line timed as the bench reads it from the game, by either path in one bench run.

  gnome48.py shell|x11 RESULTS BUILD SDL3_RECEIVER [--smoke]

shell: the extension enabled, the game a native Wayland SDL3 window (cuo), keys through the
shell's virtual keyboard. x11: no extension, the game an X11 window, keys through XTest. Runs
inside the Debian 13 root under tests/support/with-gnome-shell (bench/run starts it).
"""
import json
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tools",
                                "helmdesk"))
import helmdesk  # noqa: E402

TITLE = "Sam - ClassicUO - 1.1.0.0"


def main():
    path, results, build, sdl3 = sys.argv[1:5]
    count = 5 if "--smoke" in sys.argv else 100
    places = helmdesk.load_places(helmdesk.programs(build)["places"])
    game = (helmdesk.NativeReceiver(sdl3, "cuo") if path == "shell" else
            helmdesk.Receiver(helmdesk.programs(build)["receiver"], title=TITLE))
    delays = []
    with game, helmdesk.Helmsway("/usr/games/helmsway", places) as helm:
        for _ in range(count):
            clicked = helm.click("cmdStop")
            lines = game.take_lines(2)
            if [line.text for line in lines] != ["Stop", ""]:
                raise RuntimeError("the game got %r" % [line.text for line in lines])
            delays.append((lines[0].at - clicked) * 1000)
    side = {"shell": "GNOME 48, native game, through the extension",
            "x11": "GNOME 48, X11 game, through XTest"}[path]
    with open(results, "a") as out:
        out.write(json.dumps({"bench": "clicks", "side": side + " (to the phrase's Enter)",
                              "activation": [], "keys": delays}) + "\n")


if __name__ == "__main__":
    main()
