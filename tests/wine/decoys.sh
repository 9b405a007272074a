#!/bin/sh
# Windows titled after the game that are not the game, opened after it and so above it: a
# browser tab, a launcher, and an Explorer folder titled exactly "Ultima Online" (told apart by
# its window class only). The keys go to the game below them; once another game window is
# opened on top, to that one, the client the player used last.
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
echo "decoys: ok"
