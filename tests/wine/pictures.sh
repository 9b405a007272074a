#!/bin/sh
# The picture files Helmsway loads at run time: every kind of bitmap that Windows reads is
# shown, while a file missing or cut short ends the turn before it relays anything; nothing
# done before it is undone (the facing has turned), and the program carries on.
. "$(dirname "$0")/lib.sh"
mkdir "$work/program"
cp "$HELMSWAY_WIN/Helmsway.exe" "$HELMSWAY_WIN"/*.bmp "$work/program/"
picture=$work/program/fwd_r_sa.bmp
cp "$picture" "$work/original.bmp"
start_receiver game.log
start_helmsway "$work/program"
lines=0

# rewrite <kind>: the original 25x25 picture, 24 bits bottom-up, written anew in another form.
rewrite() {
  python3 - "$work/original.bmp" "$1" "$picture" <<'PY'
import struct, sys
source, kind, target = sys.argv[1:]
data = open(source, "rb").read()
width, height = struct.unpack_from("<ii", data, 18)
stride = (width * 3 + 3) // 4 * 4
start = struct.unpack_from("<I", data, 10)[0]
rows = [[data[start + y * stride + 3 * x:start + y * stride + 3 * x + 3] for x in range(width)]
        for y in range(height)]  # bottom-up, blue green red
bits = {"os2": 24, "os2-8": 8, "top-down": 24, "1": 1, "4": 4, "8": 8, "16": 16, "32": 32,
        "rle8": 8}[kind]
palette = sorted({p for row in rows for p in row})[:1 << bits] if bits <= 8 else []
palette += [b"\0\0\0"] * ((1 << bits) - len(palette) if bits <= 8 else 0)  # a full table
index = lambda p: palette.index(p) if p in palette else 0

def packed(row):
    if bits == 24:
        out = b"".join(row)
    elif bits == 32:
        out = b"".join(p + b"\0" for p in row)
    elif bits == 16:
        out = b"".join(struct.pack("<H", (p[2] >> 3) << 10 | (p[1] >> 3) << 5 | p[0] >> 3)
                       for p in row)
    else:
        value = 0
        for p in row:
            value = value << bits | index(p)
        pad = -len(row) * bits % 8
        out = (value << pad).to_bytes((len(row) * bits + pad) // 8, "big")
    return out + b"\0" * (-len(out) % 4)

if kind == "rle8":  # every pixel a run of one, each row ended, then the end of the picture
    pixels = b"".join(b"".join(bytes([1, index(p)]) for p in row) + b"\0\0" for row in rows)
    pixels += b"\0\1"
else:
    pixels = b"".join(packed(row) for row in (rows[::-1] if kind == "top-down" else rows))
if kind.startswith("os2"):
    info = struct.pack("<IHHHH", 12, width, height, 1, bits)
    table = b"".join(p for p in palette)
else:
    info = struct.pack("<IiiHHIIiiII", 40, width, -height if kind == "top-down" else height,
                       1, bits, 1 if kind == "rle8" else 0, len(pixels), 2835, 2835, 0, 0)
    table = b"".join(p + b"\0" for p in palette)
offset = 14 + len(info) + len(table)
head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
open(target, "wb").write(head + info + table + pixels)
PY
}

# Facing 1, then Turn Right to facing 2, which loads fwd_r_sa.bmp for the upper right element.
for kind in os2 os2-8 top-down 1 4 8 16 32 rle8; do
  rewrite "$kind"
  probe click BlueGem 1 -- click cmdTurnRght >/dev/null
  lines=$((lines + 2))
  wait_lines "$work/game.log" "$lines"
  [ "$(typed "$work/game.log" | sed -n "$((lines - 1))p")" = "Turn Right" ] ||
    fail "a bitmap of kind $kind was not shown"
done

# Cut short by its last byte, then missing: the turn stops at the picture, and the facing is
# 2 after it, where the top pad element means Forward Left.
head -c $(($(wc -c <"$work/original.bmp") - 1)) "$work/original.bmp" >"$picture"
probe click BlueGem 1 -- click cmdTurnRght -- click cmdDirection 1 >/dev/null
wait_lines "$work/game.log" $((lines + 2))
rm "$picture"
probe click BlueGem 1 -- click cmdTurnRght -- click cmdDirection 1 >/dev/null
wait_lines "$work/game.log" $((lines + 4))
typed "$work/game.log" | tail -n +$((lines + 1)) >"$work/actual"
printf '%s\n' "Forward Left" "" "Forward Left" "" | diff -u - "$work/actual" >&2 ||
  fail "a damaged picture did not stop the turn"
echo "pictures: ok"
