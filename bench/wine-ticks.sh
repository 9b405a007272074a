#!/bin/sh
# The click-to-keys spread under Wine: the Wine tests' probe clicks Stop and reports the tick
# count of the click; the Win32 receiver logs the tick count of each Enter. Prints one line per
# command: ms from the click to the last Enter.
# Usage (on a desktop of its own): wine-ticks.sh COUNT
. "$(dirname "$0")/../tools/winedesk/winedesk.sh"
count=$1
start_receiver game.log
start_helmsway
i=0
while [ "$i" -lt "$count" ]; do
  clicked=$(value_of "$(probe ticks -- click cmdStop)" ticks)
  wait_lines "$work/game.log" $((2 * i + 2))
  arrived=$(sed -n "$((2 * i + 3))p" "$work/game.log" | cut -f1)
  echo $((arrived - clicked))
  i=$((i + 1))
done
