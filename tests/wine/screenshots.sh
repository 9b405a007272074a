#!/bin/sh
# Not a test: makes the README's screenshots of the Windows build under Wine.
# Usage (from a configured linux tree): tests/support/with-desktop tests/wine/screenshots.sh <dir>
#   with HELMSWAY_WIN and WINEPREFIX set as for the tests.
. "$(dirname "$0")/lib.sh"
out=$(cd "${1:?output folder}" && pwd)
start_receiver game.log
start_helmsway

desktop=$(xdotool search --name 'Wine desktop' | head -n 1)
origin_x=$(xwininfo -id "$desktop" | sed -n 's/.*Absolute upper-left X: *//p')
origin_y=$(xwininfo -id "$desktop" | sed -n 's/.*Absolute upper-left Y: *//p')

# shoot <file> <left> <top> <width> <height>, in Wine desktop coordinates, 8 pixels of margin.
shoot() {
  import -window root -crop "$(($4 + 16))x$(($5 + 16))+$((origin_x + $2 - 8))+$((origin_y + $3 - 8))" \
    "$out/$1"
}
window_shot() {
  info=$(probe window)
  origin=$(value_of "$info" origin) outer=$(value_of "$info" outer)
  shoot "$1" "${origin%,*}" "${origin#*,}" "${outer%x*}" "${outer#*x}"
}

probe click BlueGem 2 -- click cmdSpeed 2 >/dev/null
sleep 0.3
window_shot helmsway-windows-simple.png
probe menu mnuAdvanced >/dev/null
sleep 0.3
window_shot helmsway-windows-advanced.png
probe menu mnuAbout -- about >/dev/null
sleep 0.3
# The About window is centred on the 1024x700 Wine desktop.
shoot helmsway-windows-about.png $(( (1024 - 311) / 2 )) $(( (700 - 275) / 2 )) 311 275
probe about-close ok >/dev/null
