#!/bin/sh
# Makes the Wine prefix the tests share, once. The programs run on a Wine virtual desktop:
# there Wine decides activation itself, as Windows does. On the bare X desktop every Wine
# window is the window manager's, and its focus events arrive late enough to undo an
# activation (a closing dialog's focus going back to its owner after Helmsway has already
# activated the game), which is a property of the bridge, not of Helmsway.
set -eu
: "${WINEPREFIX:?}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ -f "$WINEPREFIX/.helmsway-ready" ]; then exit 0; fi
rm -rf "$WINEPREFIX"
wineboot -i
wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x700 /f
wineserver -w
touch "$WINEPREFIX/.helmsway-ready"
