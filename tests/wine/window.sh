#!/bin/sh
# Helmsway driven by the probe's messages and read back through Win32: the main window's border
# and buttons, topmost placement, the two layouts' client sizes (twips at 96 dpi), check marks,
# centring and version record; the About window; no game window; closing with a command pending.
. "$(dirname "$0")/lib.sh"
start_helmsway

out=$(probe window)
expect "$out" thickframe=0 maximizebox=0 minimizebox=1 sysmenu=1 caption=Helmsway dpi=96 \
  topmost=1 client=167x178 mnuOnTop=1 mnuSimple=1 mnuAdvanced=0
# Centred on the (virtual) screen when first shown.
screen=$(value_of "$out" screen) outer=$(value_of "$out" outer) origin=$(value_of "$out" origin)
want_x=$(( (${screen%x*} - ${outer%x*}) / 2 )) want_y=$(( (${screen#*x} - ${outer#*x}) / 2 ))
[ "$origin" = "$want_x,$want_y" ] || fail "placed at $origin, not centred at $want_x,$want_y"

# A menu item, then the window: Always On Top off and on again, the check mark following;
# Advanced shows the frame (4395 twips of client area), Simple hides it again, and the same
# layout again changes nothing. The top-left corner stays put throughout.
for step in "mnuOnTop topmost=0 mnuOnTop=0" "mnuOnTop topmost=1 mnuOnTop=1" \
  "mnuAdvanced client=167x293 mnuSimple=0 mnuAdvanced=1" \
  "mnuSimple client=167x178 mnuSimple=1 mnuAdvanced=0" \
  "mnuSimple client=167x178 mnuSimple=1 mnuAdvanced=0"; do
  set -- $step
  item=$1
  shift
  expect "$(probe menu "$item" -- window)" "$@" "origin=$origin"
done

out=$(probe version "$(windows_path "$HELMSWAY_WIN/Helmsway.exe")")
expect "$out" fileversion=4.0.0.0 productversion=4.0.0.0 FileVersion=4.00 ProductVersion=4.00 \
  ProductName=Helmsway

# About: modal and topmost, its texts, the focus on OK, and every way to close it.
for how in enter esc ok close; do
  expect "$(probe menu mnuAbout -- about)" "about.caption=About Helmsway" about.topmost=1 \
    about.thickframe=0 about.minimizebox=0 about.maximizebox=0 about.owner=0 \
    about.client=305x246 main.enabled=0 about.focus=1 about.labels=7 about.label=Helmsway \
    "about.label=Version 4.0"
  expect "$(probe about-close $how -- window)" about.closed=1 enabled=1 topmost=1
done

# Without a game window the keys go to the window that is active, and the anchor toggle stays
# as it was, so the same phrase comes again.
start_receiver other.log Notepad
probe click cmdAnchor >/dev/null
expect_typed "$work/other.log" "Raise Anchor"
probe click cmdAnchor >/dev/null
expect_typed "$work/other.log" "Raise Anchor"

# Closed within 300 ms of a command, by Exit or by the close box: the program ends, and the
# command never comes; the next program's first command is the first the game gets.
start_receiver game.log
expect "$(probe click cmdStop -- menu mnuExit -- wait-gone)" gone=1
start_helmsway
expect "$(probe click cmdPillar -- close -- wait-gone)" gone=1
start_helmsway
probe click cmdAnchor >/dev/null
expect_typed "$work/game.log" "Raise Anchor"
echo "window: ok"
