#!/bin/sh
# Each client as players run it, below windows that are not it, opened after it and so above
# it: a browser tab, a launcher, an Explorer folder titled exactly "Ultima Online" (told apart
# by its window class only), a window of the client's own process that is not its game window
# (an assistant's, by its class). The keys go to the game below them; once another game window
# is opened on top, to that one, the client the player used last.
. "$(dirname "$0")/lib.sh"
start_receiver game.log "Ultima Online - Sam (Atlantic)"
start_receiver guide.log "Ultima Online - Boats guide - Firefox"
start_receiver launcher.log "Ultima Online Launcher"
start_receiver folder.log "Ultima Online" CabinetWClass
start_helmsway
find_client_area
settle
probe sync "Ultima Online" >/dev/null

click cmdStop
expect_typed "$work/game.log" Stop
for decoy in guide launcher folder; do expect_typed "$work/$decoy.log"; done

start_receiver login.log "Ultima Online"
probe click cmdStop >/dev/null
expect_typed "$work/login.log" Stop

# The classic client whose title an assistant writes, told by its class; TazUO by its program
# and the title's stable part.
for client in "razor|Sam - 85/100 HP|Ultima Online|client.exe" \
  "tazuo|Sam - HP 85/100 - [TazUO - 5.25.0]||TazUO.exe"; do
  IFS='|' read -r name title class program <<END
$client
END
  start_receiver "$name.log" "$title" "$class" "$program"
  start_receiver "$name-tab.log" "Sam - [TazUO - 5.25.0] - YouTube — Mozilla Firefox" \
    MozillaWindowClass
  start_receiver "$name-assistant.log" "UOSteam - Sam (Atlantic)" \
    WindowsForms10.Window.8.app.0.2bf8098_r6_ad1 client.exe
  probe sync "UOSteam - Sam (Atlantic)" >/dev/null
  probe click cmdStop >/dev/null
  expect_typed "$work/$name.log" Stop
  expect_typed "$work/$name-tab.log"
  expect_typed "$work/$name-assistant.log"
done
echo "decoys: ok"
