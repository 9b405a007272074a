# What with-gnome-shell and with-kwin share while their desktop starts, sourced in their
# session stage. `desktop` is the desktop's process once started, `desktop_name` its name.

# Looks again every tenth of a second until "$@" succeeds, for at most $1 seconds; gives up at
# once when the desktop has ended. Only the condition decides; the interval just sets how soon
# after it holds the start goes on.
await() {
  limit=$(($(date +%s) + $1))
  shift
  until "$@" >/dev/null 2>&1; do
    if [ -n "$desktop" ] && ! kill -0 "$desktop" 2>/dev/null; then return 1; fi
    [ "$(date +%s)" -lt "$limit" ] || return 1
    sleep 0.1
  done
}

# The desktop did not start: why, the end of its log, and the status that says so.
fail() {
  say "$1; $desktop_name's log:" 2>&4
  tail -n 40 "$DESKTOP_LOG" >&4
  exit 125
}
