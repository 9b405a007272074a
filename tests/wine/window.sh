#!/bin/sh
# The main window read back through Win32: its border and buttons, topmost placement, the two
# layouts' client sizes (twips at 96 dpi), check marks, centring, and the version record.
. "$(dirname "$0")/lib.sh"
start_helmsway

out=$(probe window)
expect "$out" thickframe=0 maximizebox=0 minimizebox=1 sysmenu=1 caption=Helmsway dpi=96 \
  topmost=1 client=167x178 mnuOnTop=1 mnuSimple=1 mnuAdvanced=0
# Centred on the (virtual) screen when first shown.
screen=$(value_of "$out" screen) outer=$(value_of "$out" outer) origin=$(value_of "$out" origin)
want_x=$(( (${screen%x*} - ${outer%x*}) / 2 )) want_y=$(( (${screen#*x} - ${outer#*x}) / 2 ))
[ "$origin" = "$want_x,$want_y" ] || fail "placed at $origin, not centred at $want_x,$want_y"

# Always On Top, twice: off, then on again; the check mark follows.
out=$(probe menu mnuOnTop -- window)
expect "$out" topmost=0 mnuOnTop=0
out=$(probe menu mnuOnTop -- window)
expect "$out" topmost=1 mnuOnTop=1

# Advanced shows the frame (4395 twips of client area), Simple hides it again; the top-left
# corner and the width stay.
out=$(probe menu mnuAdvanced -- window)
expect "$out" client=167x293 mnuSimple=0 mnuAdvanced=1 "origin=$origin"
out=$(probe menu mnuSimple -- window)
expect "$out" client=167x178 mnuSimple=1 mnuAdvanced=0 "origin=$origin"
# The same layout again changes nothing.
out=$(probe menu mnuSimple -- window)
expect "$out" client=167x178 mnuSimple=1 mnuAdvanced=0 "origin=$origin"

out=$(probe version "$(windows_path "$HELMSWAY_WIN/Helmsway.exe")")
expect "$out" fileversion=4.0.0.0 productversion=4.0.0.0 FileVersion=4.00 ProductVersion=4.00 \
  ProductName=Helmsway

out=$(probe menu mnuExit -- wait-gone)
expect "$out" gone=1
echo "window: ok"
