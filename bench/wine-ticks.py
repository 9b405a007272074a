"""The click-to-keys spread under Wine: the Wine tests' probe clicks Stop and reports the tick
count of the click; the Win32 receiver logs the tick count of each Enter. Prints one line per
command: ms from the click to the last Enter.

  wine-ticks.py COUNT   (on a desktop of its own, with HELMSWAY_WIN and WINEPREFIX set)
"""
import os
import sys

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tools", "winedesk"))
from winedesk import Helmsway, Receiver, Wine, value_of  # noqa: E402

with Wine() as wine:
    game = Receiver(wine, "game.log")
    Helmsway(wine)
    for _ in range(int(sys.argv[1])):
        clicked = int(value_of(wine.probe("ticks", "--", "click", "cmdStop"), "ticks"))
        lines = game.take_lines(2)
        if len(lines) < 2:
            sys.exit("the command never came")
        print(lines[1].ms - clicked, flush=True)
