#!/bin/sh
# The picture files Helmsway loads at run time: every kind of bitmap that Windows reads is
# shown, while a file missing or cut short ends the turn before it relays anything; nothing
# done before it is undone (the facing has turned), and the program carries on.
. "$(dirname "$0")/lib.sh"
mkdir "$work/program"
cp "$HELMSWAY_WIN/Helmsway.exe" "$HELMSWAY_WIN"/*.bmp "$work/program/"
picture=$work/program/fwd_r_sa.bmp
start_receiver game.log
start_helmsway "$work/program"

# header <file>: the information header's size, bits a pixel and compression (none in the
# 12-byte OS/2 header, whose fields are 16 bits wide).
header() {
  size=$(od -An -tu4 -j14 -N4 "$1")
  if [ $size -eq 12 ]; then echo 12 $(od -An -tu2 -j24 -N2 "$1") 0; else
    echo $size $(od -An -tu2 -j28 -N2 "$1") $(od -An -tu4 -j30 -N4 "$1"); fi
}

# The picture for the upper right element written anew by ImageMagick (28 colours, so that a
# palette takes 8 bits), as each kind that header() must then read: OS/2 with 24 bits and
# with a palette; 1, 4 and 8 bits, and 8 run-length coded; the fifth Windows header with 16
# and 32 bits in bit fields; 24 bits top-down (the height made negative afterwards). Facing 1,
# then Turn Right to facing 2 shows it.
for kind in "12 24 0 BMP2:" "12 8 0 BMP2: -type palette" "40 1 0 BMP3: -colors 2" \
  "40 4 0 BMP3: -colors 16" "40 8 0 BMP3: -type palette -compress None" \
  "40 8 1 BMP3: -type palette" "124 16 3 BMP: -define bmp:subtype=RGB565" \
  "124 32 3 BMP: -alpha set" "40 24 0 BMP3: -flip"; do
  set -- $kind
  format=$4
  shift 4
  convert -size 25x25 gradient:navy-gold "$@" "$format$picture"
  [ "${1:-}" != -flip ] ||
    printf '\347\377\377\377' | dd of="$picture" bs=1 seek=22 conv=notrunc 2>/dev/null
  written=$(header "$picture")
  [ "$written" = "${kind%% BMP*}" ] || fail "ImageMagick wrote $written, not $kind"
  probe click BlueGem 1 -- click cmdTurnRght >/dev/null
  expect_typed "$work/game.log" "Turn Right"
done

# Cut short by its last byte, then missing: the turn stops at the picture, before it brings
# the game forward or relays (Helmsway, activated before, stays in front), and the facing has
# turned to 2, where the top pad element means Forward Left.
for damage in "truncate -s -1" rm; do
  $damage "$picture"
  xdotool search --name '^Helmsway$' windowactivate
  probe wait-foreground Helmsway >/dev/null
  expect "$(probe click BlueGem 1 -- click cmdTurnRght -- foreground)" foreground=Helmsway
  probe click cmdDirection 1 >/dev/null
  expect_typed "$work/game.log" "Forward Left"
done
echo "pictures: ok"
