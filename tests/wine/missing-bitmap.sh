#!/bin/sh
# A picture file that will not load ends the turn before it relays anything; nothing done
# before it is undone (the facing has turned), and the program carries on.
. "$(dirname "$0")/lib.sh"
mkdir "$work/program"
cp "$HELMSWAY_WIN/Helmsway.exe" "$HELMSWAY_WIN"/*.bmp "$work/program/"
rm "$work/program/fwd_r_sa.bmp"
start_receiver game.log
start_helmsway "$work/program"

# Facing 1 loads pictures that are there; turning right to facing 2 needs the missing one.
probe click BlueGem 1 -- click cmdTurnRght -- sleep 700 >/dev/null
expect_typed "$work/game.log"
# The facing is 2 now: the top pad element means Forward Left.
probe click cmdDirection 1 >/dev/null
wait_lines "$work/game.log" 2
expect_typed "$work/game.log" "Forward Left" ""
echo "missing-bitmap: ok"
