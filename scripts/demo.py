#!/usr/bin/env python3
"""Starts the receiver (standing in for the game window) and Helmsway side by side on the
current display, clicks a few controls, prints what the receiver got and saves a screenshot.
Usage: demo.py BUILD_DIR SCREENSHOT [--leave-running]"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "tests", "e2e"))
import e2e  # noqa: E402

build, screenshot = sys.argv[1], sys.argv[2]
leave = "--leave-running" in sys.argv
e2e.HELMSWAY = os.path.join(build, "src/app/qt/helmsway")
e2e.RECEIVER = os.path.join(build, "tools/receiver-x11/helmsway-receiver")
e2e.LAYOUT_DUMP = os.path.join(build, "tests/e2e/helmsway-layout-dump")

receiver, helm = e2e.Receiver(), e2e.Helmsway()
steps = [(["cmdStop"], "Stop"), (["cmdAnchor"], "anchor"),
         (["BlueGem2", "cmdDirection1"], "gem 2, pad 1")]
for controls, what in steps:
    for control in controls:
        helm.click(control)
        time.sleep(0.1)
    print(f"clicked {what}:", [text for _, text in receiver.take(2)])
helm.choose("Interface", 2)
helm.click("cmdNavigate3")
print("clicked Advanced, Goto 3:", [text for _, text in receiver.take(2)])
subprocess.run(["import", "-window", "root", screenshot], check=True)
print("screenshot:", screenshot)
if leave:
    print("Helmsway and the receiver are left running; close them when done.")
    receiver.proc.stdout.close()
else:
    helm.stop()
    receiver.stop()
