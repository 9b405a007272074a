#!/usr/bin/env python3
"""Starts the receiver (standing in for the game window) and Helmsway side by side on the
current display, clicks a few controls, prints what the receiver got and saves a screenshot.
Usage: demo.py BUILD_DIR SCREENSHOT [--leave-running]"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tools", "helmdesk"))
import helmdesk  # noqa: E402

build, screenshot = sys.argv[1], sys.argv[2]
programs = helmdesk.programs(build)
receiver = helmdesk.Receiver(programs["receiver"])
helm = helmdesk.Helmsway(programs["helmsway"], helmdesk.load_places(programs["places"]))
steps = [([("cmdStop",)], "Stop"), ([("cmdAnchor",)], "anchor"),
         ([("BlueGem", 2), ("cmdDirection", 1)], "gem 2, pad 1")]
for controls, what in steps:
    for control in controls:
        helm.click(*control)
        time.sleep(0.1)
    print(f"clicked {what}:", receiver.take(2))
helm.menu("Interface", 2)
helm.click("cmdNavigate", 3)
print("clicked Advanced, Goto 3:", receiver.take(2))
subprocess.run(["import", "-window", "root", screenshot], check=True)
print("screenshot:", screenshot)
if "--leave-running" in sys.argv:
    print("Helmsway and the receiver are left running; close them when done.")
    receiver.proc.stdout.close()
else:
    helm.close()
    receiver.close()
