#!/bin/sh
# Clicks type their phrase and two Enters into the game window 300 ms later.
. "$(dirname "$0")/lib.sh"
start_receiver game.log
start_helmsway

# A real mouse click on Stop: Helmsway becomes active, then hands the activation on.
click_on_screen cmdStop
wait_lines "$work/game.log" 2
expect_typed "$work/game.log" Stop ""

# Keys arrive only when Timer1 fires, 300 ms after the click.
clicked=$(value_of "$(probe ticks -- click cmdAnchor)" ticks)
wait_lines "$work/game.log" 4
arrived=$(sed -n 4p "$work/game.log" | cut -f1)
[ $((arrived - clicked)) -ge 290 ] || fail "typed $((arrived - clicked)) ms after the click"

step() {  # step <lines expected afterwards> <probe arguments...>
  lines=$1
  shift
  probe "$@" >/dev/null
  wait_lines "$work/game.log" "$lines"
}
step 6 click cmdAnchor
step 8 click cmdPillar
step 10 click cmdPillar
step 12 click cmdDirection 1
step 14 click BlueGem 2 -- click cmdDirection 1
step 16 click cmdSpeed 1 -- click BlueGem 0 -- click cmdDirection 1
# Two clicks within 300 ms: only the second phrase is typed.
step 18 click cmdTurnLeft -- click cmdStop
step 20 menu mnuAdvanced -- click cmdNavigate 3
step 22 click cmdContinue
# Reserved characters and letters beyond ASCII, typed exactly as entered.
step 24 menu mnuName -- name 'a+b{c} ß é Æ'
# Beyond the Basic Multilingual Plane: typed as a surrogate pair.
step 26 menu mnuName -- name 'Clef 𝄞'
# Cancel relays nothing.
probe menu mnuName -- name-cancel -- sleep 700 >/dev/null

# A Ctrl-click: the Ctrl the user still holds must not turn the phrase into shortcuts.
xdotool keydown Control_L
click_on_screen cmdStop
expect "$(probe held)" held.ctrl=1
wait_lines "$work/game.log" 28
# Last of all: the batch ends by pressing Ctrl again, and under Wine the receiver keeps seeing
# it held afterwards even once the user lets go, which would spoil any later step.
sleep 0.3
xdotool keyup Control_L

expect_typed "$work/game.log" Stop "" "Raise Anchor" "" "Drop Anchor" "" Doracron "" \
  Sueacron "" Forward "" "Forward Left" "" "Forward One" "" Stop "" "Goto 3" "" Continue "" \
  "Set Name a+b{c} ß é Æ" "" "Set Name Clef 𝄞" "" Stop ""
echo "relay: ok"
