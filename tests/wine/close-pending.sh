#!/bin/sh
# Closing the main window within 300 ms of a command: the program ends, nothing is typed.
. "$(dirname "$0")/lib.sh"
start_receiver game.log

start_helmsway
out=$(probe click cmdStop -- menu mnuExit -- wait-gone)
expect "$out" gone=1

start_helmsway
out=$(probe click cmdPillar -- close -- wait-gone)
expect "$out" gone=1

# Neither command came: the next program's first command is the first line the game gets.
start_helmsway
probe click cmdAnchor >/dev/null
wait_lines "$work/game.log" 2
expect_typed "$work/game.log" "Raise Anchor" ""
echo "close-pending: ok"
