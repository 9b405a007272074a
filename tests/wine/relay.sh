#!/bin/sh
# What a user's clicks and keys make of the game window's input, with real input through the
# X server: clicks at the layout's places, quick double clicks, a press let go elsewhere, the
# ship-name prompt filled with keys and answered with Enter, a click on OK and Esc, About
# closed just before a click. Each command must reach the game exactly once, as its phrase and
# two Enters.
# Usage: relay.sh [virtual]   (on the desktop's keyboard layout, us or fr)
. "$(dirname "$0")/lib.sh"
[ "${1:-}" = virtual ] && use_virtual_desktop
game=$work/game.log
start_receiver game.log
start_helmsway
find_client_area
# Helmsway, started last, took the X focus from the receiver. Wine gives a window's process
# the news on its own time, and a process told that its window lost the focus hands the
# foreground to the desktop if that window holds it: after a first click had already
# activated the game, the keys would go nowhere. The receiver handles the news first.
settle
probe sync "Ultima Online" >/dev/null

lines=0
# relayed <case> <phrase>: the next command in the game is the phrase and its two Enters.
relayed() {
  lines=$((lines + 2))
  wait_lines "$game" "$lines"
  got=$(typed "$game" | sed -n "$((lines - 1)),${lines}p")
  [ "$got" = "$(printf '%s\n' "$2" "")" ] || { cat -A "$game" >&2; fail "$1: not $2"; }
  echo "ok   $1"
}

# Keys arrive when Timer1 fires, 300 ms after the click.
clicked=$(value_of "$(probe ticks -- click cmdStop)" ticks)
relayed "probe click" Stop
arrived=$(sed -n 3p "$game" | cut -f1)
took=$((arrived - clicked))
[ "$took" -ge 290 ] && [ "$took" -le 1500 ] || fail "typed $took ms after the click"

click cmdStop
relayed "click" Stop
# Pressed on Stop and let go over the pad's right element: no click on either.
press_and_leave cmdStop
# A quick second click counts as a click, and brings the game forward again: the first
# click's keys must not land in Helmsway, which the second click made active.
click cmdAnchor -1 2
relayed "anchor twice: raised, then dropped" "Drop Anchor"
click cmdPillar -1 2
relayed "pillar twice" Sueacron
click cmdAnchor
relayed "anchor once more" "Raise Anchor"
click BlueGem 1
click cmdTurnRght -1 2
relayed "turn right twice" "Turn Right"
click cmdDirection 1
relayed "facing 3 after two right turns from 1" "Back Left"
click cmdTurnLeft -1 2
relayed "turn left twice" "Turn Left"
click cmdTurnArnd -1 2
relayed "turn around twice" "Turn Around"
click cmdDirection 1
relayed "facing 1 again" "Forward Right"
click cmdDirection 3 2
relayed "pad twice" "Back Right"
click cmdSpeed 1
click BlueGem 2
click cmdDirection 1
relayed "one step at facing 2" "Forward Left One"

menu 1 Interface
until_probe client=167x293 window
click cmdNavigate 3
relayed "map course" "Goto 3"
click cmdContinue
relayed "continue" Continue

# The ship's name typed on the keyboard, with characters that need Shift on this layout (the
# digits on a French one) and letters of the layout beyond ASCII, and Enter. No character
# behind AltGr: xdotool's AltGr does not always reach Wine.
case $(setxkbmap -query | sed -n 's/^layout: *//p') in
fr) name='Mer é+(42) ç' ;;
*) name='Sea Dog {+}(42)' ;;
esac
menu 2
probe wait-foreground "Ship Name" >/dev/null
xdotool type --delay 20 "$name"
xdotool key Return
relayed "ship name, Enter" "Set Name $name"
# Pasted: letters no keyboard layout here has, and one beyond the 16-bit range; then OK.
paste_ready 'Ægir ß 𝄞'
menu 2
probe wait-foreground "Ship Name" >/dev/null
xdotool key ctrl+v
click_ok "Ship Name"
relayed "ship name, OK" "Set Name Ægir ß 𝄞"
# Esc relays nothing.
menu 2
probe wait-foreground "Ship Name" >/dev/null
xdotool type --delay 20 Ghost
xdotool key Escape
# About closed by its OK button and a click right after: the click's command, once.
menu 3
click_ok "About Helmsway"
click cmdStop
relayed "Esc in the prompt, then About and a quick click" Stop

# A Ctrl-click: the Ctrl the user still holds must not turn the phrase into shortcuts.
xdotool keydown Control_L
click cmdStop
expect "$(probe held)" held.ctrl=1
relayed "Ctrl-click" Stop
xdotool keyup Control_L

expect_typed "$game" Stop "" Stop "" "Drop Anchor" "" Sueacron "" "Raise Anchor" "" \
  "Turn Right" "" "Back Left" "" "Turn Left" "" "Turn Around" "" "Forward Right" "" \
  "Back Right" "" "Forward Left One" "" "Goto 3" "" Continue "" "Set Name $name" "" \
  "Set Name Ægir ß 𝄞" "" Stop "" Stop ""
echo "relay ${1:-managed} $(setxkbmap -query | sed -n 's/^layout: *//p'): ok"
