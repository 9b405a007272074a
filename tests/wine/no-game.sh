#!/bin/sh
# Without a window titled "Ultima Online" nothing crashes, the keys go to the window that is
# active, and the anchor toggle stays as it was, so the same phrase comes again.
. "$(dirname "$0")/lib.sh"
start_helmsway
start_receiver other.log Notepad

probe click cmdAnchor >/dev/null
wait_lines "$work/other.log" 2
probe click cmdAnchor >/dev/null
wait_lines "$work/other.log" 4
expect_typed "$work/other.log" "Raise Anchor" "" "Raise Anchor" ""

out=$(probe window)
expect "$out" topmost=1 caption=Helmsway
echo "no-game: ok"
