#!/usr/bin/env python3
"""Starts a receiver built like the open-source client (SDL2, titled "Sam - ClassicUO -
1.1.0.0") and, above it, a browser-like window titled after the game, then Helmsway beside
them on the current display; clicks a few controls, prints what each window got and saves a
screenshot. Usage: demo.py BUILD_DIR SCREENSHOT [--leave-running]"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tools", "helmdesk"))
import helmdesk  # noqa: E402

build, screenshot = sys.argv[1], sys.argv[2]
programs = helmdesk.programs(build)
game = helmdesk.Receiver(programs["sdl-receiver"], title="Sam - ClassicUO - 1.1.0.0")
decoy = helmdesk.Receiver(programs["receiver"], title="Ultima Online - Boats guide - Firefox")
helm = helmdesk.Helmsway(programs["helmsway"], helmdesk.load_places(programs["places"]))
steps = [([("cmdStop",)], "Stop"), ([("cmdAnchor",)], "anchor"),
         ([("BlueGem", 2), ("cmdDirection", 1)], "gem 2, pad 1")]
for controls, what in steps:
    for control in controls:
        helm.click(*control)
        time.sleep(0.1)
    print(f"clicked {what}: the game got", game.take(2))
helm.show_advanced()
helm.click("cmdNavigate", 3)
print("clicked Advanced, Goto 3: the game got", game.take(2))
print("the browser window titled after the game got", decoy.quiet(0.3))
subprocess.run(["import", "-window", "root", screenshot], check=True)
print("screenshot:", screenshot)
if "--leave-running" in sys.argv:
    print("Helmsway and the two windows are left running; close them when done.")
    for receiver in (game, decoy):
        receiver.proc.stdout.close()
else:
    helm.close()
    for receiver in (game, decoy):
        receiver.close()
