#!/bin/sh
# Not a test: makes the README's screenshots of the Windows build under Wine.
# Usage (from a configured linux tree): tests/support/with-desktop tests/wine/screenshots.sh <dir>
#   with HELMSWAY_WIN and WINEPREFIX set as for the tests.
. "$(dirname "$0")/lib.sh"
out=$(cd "${1:?output folder}" && pwd)
# On Wine's virtual desktop, so the windows wear Wine's own frames.
use_virtual_desktop
start_receiver game.log
start_helmsway
find_client_area

# shoot <file> <left> <top> <width> <height>, in Wine desktop coordinates, 8 pixels of margin.
shoot() {
  import -window root -crop "$(($4 + 16))x$(($5 + 16))+$((screen_x + $2 - 8))+$((screen_y + $3 - 8))" \
    "$out/$1"
}
# window_shot <file> <window prefix> <probe output>: the window the probe described.
window_shot() {
  origin=$(value_of "$3" "$2origin") outer=$(value_of "$3" "$2outer")
  shoot "$1" "${origin%,*}" "${origin#*,}" "${outer%x*}" "${outer#*x}"
}

probe click BlueGem 2 -- click cmdSpeed 2 >/dev/null
sleep 0.3
window_shot helmsway-windows-simple.png "" "$(probe window)"
probe menu mnuAdvanced >/dev/null
sleep 0.3
window_shot helmsway-windows-advanced.png "" "$(probe window)"
about=$(probe menu mnuAbout -- about)
sleep 0.3
window_shot helmsway-windows-about.png about. "$about"
probe about-close ok >/dev/null
