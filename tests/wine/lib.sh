# The Wine test scenarios' checks, on top of the Wine desktop driver.
. "$(dirname "$0")/../../tools/winedesk/winedesk.sh"

# expect <probe output> key=value...: each pair must be among the output's lines.
expect() {
  output=$1
  shift
  for pair; do
    printf '%s\n' "$output" | grep -qxF "$pair" ||
      { printf '%s\n' "$output" >&2; fail "expected $pair"; }
  done
}

# expect_typed <log> <phrase>...: the window has got these commands too, each a phrase and
# its two Enters, after those expected before, and nothing else.
expect_typed() {
  log=$1
  shift
  touch "$log.expected"
  for phrase in "$@"; do printf '%s\n\n' "$phrase" >>"$log.expected"; done
  wait_lines "$log" "$(wc -l <"$log.expected")" || true
  typed "$log" | diff -u "$log.expected" - >&2 || { cat -A "$log" >&2; fail "typed text differs"; }
}

