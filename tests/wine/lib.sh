# Shared by the Wine test scenarios: starting the programs, the probe, reading the log.
set -eu
: "${HELMSWAY_WIN:?}" "${WINEPREFIX:?}"
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LC_ALL=C.UTF-8
work=$(mktemp -d "${TMPDIR:-/tmp}/helmsway-wine.XXXXXX")
probe_exe=$HELMSWAY_WIN/tools/win32-probe/probe.exe
receiver_exe=$HELMSWAY_WIN/tools/receiver-win32/receiver.exe

cleanup() {
  wineserver -k 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

windows_path() { printf 'Z:%s' "$1" | tr / '\\'; }

# The probe's output without the console's carriage returns.
probe() { wine "$probe_exe" "$@" | tr -d '\r'; }

# expect <probe output> key=value...: each pair must be among the output's lines.
expect() {
  output=$1
  shift
  for pair in "$@"; do
    printf '%s\n' "$output" | grep -qxF "$pair" || {
      printf '%s\n' "$output" >&2
      fail "expected $pair"
    }
  done
}

value_of() { printf '%s\n' "$1" | sed -n "s/^$2=//p" | head -n 1; }

# start_receiver <log name> [title [window class]]: the log is $work/<log name>.
start_receiver() {
  log=$work/$1
  wine "$receiver_exe" "$(windows_path "$log")" "${2:-Ultima Online}" ${3:+"$3"} >/dev/null 2>&1 &
  tries=0
  until [ -s "$log" ]; do
    tries=$((tries + 1))
    [ "$tries" -gt 400 ] && fail "the receiver did not start"
    sleep 0.05
  done
}

start_helmsway() {
  wine "${1:-$HELMSWAY_WIN}/Helmsway.exe" >/dev/null 2>&1 &
  probe wait-main >/dev/null
}

# The texts typed so far, one per Enter (the log's first line is "ready").
typed() { tail -n +2 "$1" | cut -f2-; }

# wait_lines <log> <count>: until that many Enter lines are logged (10 s at most).
wait_lines() {
  tries=0
  while [ "$(typed "$1" | wc -l)" -lt "$2" ]; do
    tries=$((tries + 1))
    [ "$tries" -gt 200 ] && break
    sleep 0.05
  done
}

# expect_typed <log> <line>...: exactly these lines were typed, in this order.
expect_typed() {
  log=$1
  shift
  printf '%s\n' "$@" >"$work/expected"
  [ $# -eq 0 ] && : >"$work/expected"
  typed "$log" >"$work/actual"
  diff -u "$work/expected" "$work/actual" >&2 || { cat -A "$log" >&2; fail "typed text differs"; }
}

# A real mouse click through the X server at the centre of a control.
click_on_screen() {
  desktop=$(xdotool search --name 'Wine desktop' | head -n 1)
  [ -n "$desktop" ] || fail "no Wine desktop window"
  origin_x=$(xwininfo -id "$desktop" | sed -n 's/.*Absolute upper-left X: *//p')
  origin_y=$(xwininfo -id "$desktop" | sed -n 's/.*Absolute upper-left Y: *//p')
  set -- $(probe rect "$@")
  xdotool mousemove $((origin_x + ($1 + $3) / 2)) $((origin_y + ($2 + $4) / 2)) click 1
}
