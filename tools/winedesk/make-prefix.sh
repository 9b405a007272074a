#!/bin/sh
# Makes the Wine prefix that the Wine tests, the screenshots and the benchmarks share, once. No
# virtual desktop is set in it: each Wine window is then an X window that the desktop's window
# manager runs, as Linux players run the game's client. A test that wants Wine's virtual
# desktop asks for it when it starts programs (Wine(virtual=True) in winedesk.py).
set -eu
: "${WINEPREFIX:?}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -f "$WINEPREFIX/.helmsway-ready-without-desktop" ]; then
  rm -rf "$WINEPREFIX"
  wineboot -i
  wineserver -w
  touch "$WINEPREFIX/.helmsway-ready-without-desktop"
fi
# Wine's own fonts, MS Sans Serif and Tahoma among them. Debian's Wine does not look for them
# where it installs them, and without them every face falls back to DejaVu Sans, whose wider
# letters wrap and cut the About window's texts as Windows never does.
fonts=/usr/share/wine/fonts
if [ -d "$fonts" ]; then cp -u "$fonts"/* "$WINEPREFIX/drive_c/windows/Fonts/"; fi
