#!/bin/sh
# What a user's clicks and keys make of the game window's input, with real input through the
# X server: clicks at the layout's places on each kind of control, quick double clicks, a
# press let go elsewhere, the ship-name prompt answered with Enter, OK and Esc, About closed
# just before a click, a Ctrl-click. Each command must reach the game exactly once, as its
# phrase and two Enters.
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

# Keys arrive when Timer1 fires, 300 ms after the click.
clicked=$(value_of "$(probe ticks -- click cmdStop)" ticks)
expect_typed "$game" Stop
took=$(($(sed -n 3p "$game" | cut -f1) - clicked))
[ "$took" -ge 290 ] && [ "$took" -le 1500 ] || fail "typed $took ms after the click"

# Pressed on Stop and let go over the pad's right element: no click on either. A quick second
# click counts as a click, and brings the game forward again: the first click's keys must not
# land in Helmsway, which the second click made active. The anchor is raised, then dropped;
# two right turns from facing 1 make the pad's top element Back Left.
press_and_leave cmdStop
click cmdAnchor -1 2
expect_typed "$game" "Drop Anchor"
click BlueGem 1
click cmdTurnRght -1 2
expect_typed "$game" "Turn Right"
click cmdDirection 1
expect_typed "$game" "Back Left"
click cmdSpeed 1
click BlueGem 2
click cmdDirection 1
expect_typed "$game" "Forward Left One"

# Interface, Advanced; then a push button of the map frame.
menu mnuInterface mnuAdvanced
wait_until 20 'probe window | grep -qxF client=167x293' || fail "Advanced never shown"
click cmdNavigate 3
expect_typed "$game" "Goto 3"

# The ship's name typed on the keyboard, with characters that need Shift on this layout (the
# digits on a French one) and letters of the layout beyond ASCII, and Enter. No character
# behind AltGr: xdotool's AltGr does not always reach Wine.
case $(setxkbmap -query | sed -n 's/^layout: *//p') in
fr) name='Mer é+(42) ç' ;;
*) name='Sea Dog {+}(42)' ;;
esac
menu mnuOptions mnuName
probe wait-foreground "Ship Name" >/dev/null
xdotool type --delay 20 "$name"
xdotool key Return
expect_typed "$game" "Set Name $name"
# Pasted: letters no keyboard layout here has, and one beyond the 16-bit range; then OK.
paste_ready 'Ægir ß 𝄞'
menu mnuOptions mnuName
probe wait-foreground "Ship Name" >/dev/null
xdotool key ctrl+v
click_ok "Ship Name"
expect_typed "$game" "Set Name Ægir ß 𝄞"
# Esc relays nothing. About closed by its OK button and a click right after: the click's
# command, once.
menu mnuOptions mnuName
probe wait-foreground "Ship Name" >/dev/null
xdotool type --delay 20 Ghost
xdotool key Escape
menu mnuOptions mnuAbout
click_ok "About Helmsway"
click cmdStop
expect_typed "$game" Stop

# A Ctrl-click: the Ctrl the user still holds must not turn the phrase into shortcuts.
xdotool keydown Control_L
click cmdStop
expect "$(probe held)" held.ctrl=1
expect_typed "$game" Stop
xdotool keyup Control_L
echo "relay ${1:-managed} $(setxkbmap -query | sed -n 's/^layout: *//p'): ok"
