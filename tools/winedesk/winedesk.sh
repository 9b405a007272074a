# Drives the real Helmsway.exe under Wine on an X desktop, as helmdesk drives the Linux
# program: starts it beside the Win32 receiver, asks the Win32 probe, clicks and types real
# input at the layout's places, reads what the receiver logged. Sourced by the Wine tests,
# scripts/screenshots-windows and bench/wine-ticks.sh, with HELMSWAY_WIN (the Windows build
# tree), WINEPREFIX and HELMSWAY_PLACES set. Every wait ends on what it waits for, with a
# ceiling of ten seconds or more.
set -eu
: "${HELMSWAY_WIN:?}" "${WINEPREFIX:?}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
work=$(mktemp -d "${TMPDIR:-/tmp}/helmsway-wine.XXXXXX")
probe_exe=$HELMSWAY_WIN/tools/win32-probe/probe.exe clipboard=""
trap 'kill $clipboard 2>/dev/null || true; wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# wait_until <ceiling in seconds> <shell condition>: true as soon as the condition holds,
# false if it still does not at the ceiling.
wait_until() {
  deadline=$(($(date +%s) + $1))
  until eval "$2"; do
    [ "$(date +%s)" -lt "$deadline" ] || return 1
    sleep 0.05
  done
}

# Each Wine window is an X window of its own that openbox manages, as Linux players run the
# game's client; after use_virtual_desktop every program runs inside one Wine virtual desktop
# instead, where Wine decides activation itself, as Windows does.
in_desktop=""
use_virtual_desktop() { in_desktop="explorer /desktop=Helmsway,1024x700"; }
run_wine() { wine $in_desktop "$@"; }

windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

# The probe's output without the console's carriage returns; a probe that reports an error
# ends the script.
probe() {
  output=$(run_wine "$probe_exe" "$@" | tr -d '\r')
  printf '%s\n' "$output"
  case "$output" in error:* | *"
error:"*) fail "probe $*: $output" ;; esac
}

value_of() { printf '%s\n' "$1" | sed -n "s/^$2=//p" | head -n 1; }

# start_receiver <log name> [title [window class [program file]]]: a window like the game's,
# logging what is typed into it to $work/<log name>; given a program file name, run from a copy
# of that name, as a client's process is known by its program.
start_receiver() {
  log=$work/$1 exe=$HELMSWAY_WIN/tools/receiver-win32/receiver.exe
  if [ -n "${4:-}" ]; then
    mkdir -p "$log.program" && cp "$exe" "$log.program/$4" && exe=$log.program/$4
  fi
  run_wine "$exe" "$(windows_path "$log")" "${2:-Ultima Online}" ${3:+"$3"} >/dev/null 2>&1 &
  wait_until 20 '[ -s "$log" ]' || fail "the receiver did not start"
}

start_helmsway() {
  run_wine "${1:-$HELMSWAY_WIN}/Helmsway.exe" >/dev/null 2>&1 &
  probe wait-main >/dev/null
}

# The texts typed so far, one per Enter (the log's first line is "ready").
typed() { tail -n +2 "$1" | cut -f2-; }

# wait_lines <log> <count>: until that many Enter lines are logged; false after 15 s.
wait_lines() { wait_until 15 "[ \$(typed '$1' | wc -l) -ge $2 ]"; }

# Real input through the X server. find_client_area first: it reads where Windows' screen
# lies on the X screen (inside the virtual desktop's X window, if there is one) and where the
# main window's client area lies on it.
find_client_area() {
  screen_x=0 screen_y=0
  if [ -n "$in_desktop" ]; then
    desktop=$(xdotool search --name '^Helmsway - Wine desktop$' | head -n 1)
    [ -n "$desktop" ] || fail "no Wine desktop window"
    screen_x=$(xwininfo -id "$desktop" | sed -n 's/.*Absolute upper-left X: *//p')
    screen_y=$(xwininfo -id "$desktop" | sed -n 's/.*Absolute upper-left Y: *//p')
  fi
  set -- $(probe origin)
  client_x=$((screen_x + $1)) client_y=$((screen_y + $2))
  main_x_window=$(xdotool search --name '^Helmsway$' | head -n 1)
}

# With openbox managing the windows: until openbox has given the main window the focus back
# after a dialog of ours closed. Wine hears of that late; a click before it would be undone.
settle() {
  [ -n "$in_desktop" ] || wait_until 10 '[ "$(xdotool getactivewindow)" = "$main_x_window" ]' ||
    fail "openbox never gave the main window the focus"
}

# click <control> [index] [count]: real clicks at the control's centre, by its place in the
# core's layout table; a count of 2 is a quick double click. press_and_leave: pressed on the
# control, let go 40 pixels to its right.
centre_of() {
  set -- $("$HELMSWAY_PLACES" | awk -v n="$1" -v i="${2:--1}" '$1 == n && $2 == i {
    print $3 + int($5 / 2), $4 + int($6 / 2) }')
  [ $# -eq 2 ] || fail "no place for that control"
  echo $((client_x + $1)) $((client_y + $2))
}
click() { xdotool mousemove $(centre_of "$1" "${2:--1}") click --repeat "${3:-1}" --delay 60 1; }
press_and_leave() {
  set -- $(centre_of "$1")
  xdotool mousemove "$1" "$2" mousedown 1 mousemove $(($1 + 40)) "$2" mouseup 1
}

# click_ok <window title>: a real click on that window's OK button.
click_ok() {
  title=$1
  set -- $(probe ok-rect "$title")
  [ $# -eq 4 ] || fail "no OK button in $title: $*"
  click_screen $((($1 + $3) / 2)) $((($2 + $4) / 2))
}

# menu <title> <item>: real clicks on a menu title and then on the item, at the places the hook
# inside Helmsway reads while the menu is open (keys pressed into a menu just opened may be
# lost on a busy machine).
menu() {
  settle
  click_screen $(probe menu-place "$1")
  probe wait-popup >/dev/null
  click_screen $(probe menu-place "$2")
}
click_screen() { xdotool mousemove $((screen_x + $1)) $((screen_y + $2)) click 1; }

# paste_ready <text>: the text on the X clipboard, for a ctrl+v into a Wine window.
paste_ready() {
  printf '%s' "$1" | xclip -selection clipboard -quiet >/dev/null 2>&1 &
  clipboard=$! text=$1
  wait_until 10 '[ "$(xclip -o -selection clipboard 2>/dev/null)" = "$text" ]' ||
    fail "the clipboard never held the text"
}
