"""Helmsway's benchmarks, each against a reference measured in the same run. Every measuring
subcommand runs on a desktop of its own (bench/run starts it) and appends JSON records to the
results file; `report` prints the tables.

  bench.py typing|clicks|bursts|startup|idle RESULTS [--smoke] [--layout L]
  bench.py report RESULTS
"""
import argparse
import difflib
import json
import os
import re
import statistics
import subprocess
import sys
import tempfile
import threading
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, os.path.join(ROOT, "tools", "helmdesk"))
import helmdesk  # noqa: E402  (the receiver and program drivers the tests use too)
import xprobe  # noqa: E402

LINUX = os.path.join(ROOT, "build", "linux")
BENCH = os.path.join(ROOT, "build", "bench")
HELMSWAY, RECEIVER, PLACES = (helmdesk.programs(LINUX)[name]
                               for name in ("helmsway", "receiver", "places"))
BARE_QT = os.path.join(BENCH, "bare-qt")
TYPER = os.path.join(BENCH, "type-through-helmsway")


def record(path, **fields):
    with open(path, "a") as out:
        out.write(json.dumps(fields, ensure_ascii=False) + "\n")


def percentile(values, p):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(round(p / 100 * (len(ordered) - 1))))]


# ---------------------------------------------------------------------------------------------
# Typing: the same long text through Helmsway's sender and through xdotool.

def benchmark_text(characters):
    """Phrases, digits, blanks and ship names with the characters layouts disagree about."""
    phrases = ["Forward Left", "Slow Back Right", "Turn Around", "Raise Anchor", "Goto 3",
               "Forward Right One", "Drop Anchor", "Continue", "Sueacron", "Stop"]
    names = ['Set Name The Sea@Dog', 'Set Name "Jolly" Roger', "Set Name Port/Starboard",
             "Set Name Back\\Slash", "Set Name Under_Score", "Set Name Straße", "Set Name Café",
             "Set Name Æsir", "Set Name  blanks  between  ", "Set Name 0123456789",
             "Set Name {+^%~()[]}<>|", "Set Name Пётр Ωμέγα 海龍 ⛵😀"]
    lines, total, i = ["start"], 0, 0
    while total < characters:
        line = phrases[i % len(phrases)] if i % 3 else names[(i // 3) % len(names)]
        if i % 7 == 0:
            line += " %d" % (i * 7919 % 100000)
        lines.append(line)
        total += len(line) + 1
        i += 1
    return lines


def collect(receiver, count, idle=3.0):
    got = []
    while len(got) < count:
        try:
            got.append(receiver.lines.get(timeout=idle))
        except Exception:
            break
    return got


def typing(args):
    lines = benchmark_text(600 if args.smoke else 1000)
    with tempfile.NamedTemporaryFile("w", suffix=".txt", delete=False, encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")
        path = f.name
    expected = "\n".join(lines[1:])
    def through_helmsway(window):
        # Its borrowed keys stay bound until it is told the lines have all been read.
        return subprocess.Popen([TYPER, path], stdin=subprocess.PIPE)

    def through_xdotool(window):
        # xdotool types a line break as Linefeed, which no program takes for Enter, so each
        # line is typed and followed by an Enter key, all in one xdotool run.
        subprocess.run(
            ["xdotool", "windowactivate", "--sync", str(window), "sleep", "0.3"] +
            [arg for line in lines
             for arg in ("type", "--delay", "0", "--args", "1", line, "key", "Return")],
            check=True)

    senders = {"Helmsway X11 sender": through_helmsway,
               "xdotool type --delay 0": through_xdotool}
    if args.group:
        xprobe.Display().lock_group(args.group)
    layout = args.layout + ("" if not args.group else " (group %d)" % (args.group + 1))
    rounds = 1
    for sender, send in [item for _ in range(rounds) for item in senders.items()]:
        r = helmdesk.Receiver(RECEIVER)
        typer = None
        try:
            time.sleep(0.3)
            typer = send(r.window)
            got = collect(r, len(lines), idle=30.0)
        finally:
            if typer:
                typer.stdin.close()
                typer.wait()
            r.close()
        received = "\n".join(line.text for line in got[1:])
        matcher = difflib.SequenceMatcher(None, expected, received, autojunk=False)
        right = sum(block.size for block in matcher.get_matching_blocks())
        wrong = max(len(expected), len(received)) - right
        for tag, a, b, c, d in matcher.get_opcodes():
            if tag != "equal":
                print("%s %s: %s %r -> %r" % (layout, sender, tag, expected[a:b],
                                              received[c:d]), file=sys.stderr)
        seconds = (got[-1][0] - got[0][0]) / 1000 if len(got) > 1 else float("nan")
        chars = sum(len(line.text) + 1 for line in got[1:])
        record(args.results, bench="typing", layout=layout, sender=sender,
               characters=len(expected) + 1, cps=chars / seconds if seconds > 0 else 0,
               wrong=wrong, seconds=seconds)
    os.unlink(path)


# ---------------------------------------------------------------------------------------------
# Click to keys: a click injected at a known moment, the activation seen on the root window,
# the last key's arrival from the receiver's own clock.

class ActiveWindowWatch:
    def __init__(self):
        self.proc = subprocess.Popen(["xprop", "-root", "-spy", "_NET_ACTIVE_WINDOW"],
                                     stdout=subprocess.PIPE, text=True)
        self.changes = []
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.proc.stdout:
            found = re.search(r"0x[0-9a-f]+", line)
            if found:
                self.changes.append((time.monotonic(), int(found.group(0), 16)))

    def first_after(self, t, window, timeout=2.0):
        end = time.monotonic() + timeout
        while time.monotonic() < end:
            for when, which in list(self.changes):
                if when >= t and which == window:
                    return when
            time.sleep(0.0005)
        return None

    def close(self):
        self.proc.terminate()


def receiver_offset(display, receiver):
    """Seconds to add to the receiver's ms column to read it on time.monotonic()'s clock: an
    Enter injected at a known moment, the least difference of a few kept."""
    offsets = []
    for _ in range(5):
        t = time.monotonic()
        display.keys(["Return"])
        offsets.append(t - receiver.lines.get(timeout=2).ms / 1000)
        time.sleep(0.05)
    return max(offsets)  # the key cannot arrive before it was sent


def clicks(args):
    count = 10 if args.smoke else 200
    places = helmdesk.load_places(PLACES)
    display = xprobe.Display()
    r = helmdesk.Receiver(RECEIVER)
    h = helmdesk.Helmsway(HELMSWAY, places)
    watch = ActiveWindowWatch()
    try:
        subprocess.run(["xdotool", "windowactivate", "--sync", str(r.window)], check=True)
        time.sleep(0.2)
        offset = receiver_offset(display, r)
        x0, y0, _ = h.origin()
        left, top, width, height = places[("cmdStop", -1)]
        x, y = left + width // 2, top + height // 2
        activation, keys = [], []
        for _ in range(count):
            t = time.monotonic()
            display.click(x0 + x, y0 + y)
            got = [r.lines.get(timeout=3) for _ in range(2)]
            active = watch.first_after(t, r.window)
            if active is not None:
                activation.append((active - t) * 1000)
            keys.append((got[-1][0] / 1000 + offset - t) * 1000)
            time.sleep(0.05)
        record(args.results, bench="clicks", side="Helmsway (click on Stop)",
               activation=activation, keys=keys)

        # The floor of this measuring chain: the same keys sent by the benchmark itself
        # exactly 300 ms after its own moment of "click".
        floor = []
        for _ in range(count):
            t = time.monotonic()
            time.sleep(max(0.0, t + 0.3 - time.monotonic()))
            display.keys(["S", "t", "o", "p", "Return", "Return"])
            got = [r.lines.get(timeout=3) for _ in range(2)]
            floor.append((got[-1][0] / 1000 + offset - t) * 1000)
            time.sleep(0.05)
        record(args.results, bench="clicks", side="reference (sleep 300 ms, XTest)",
               activation=[], keys=floor)
    finally:
        watch.close()
        h.close()
        r.close()


def bursts(args):
    """Bursts of clicks at a few hundred a second on Stop, each ended by one on the pad's
    bottom element; the program's memory after each, against the first, which warms up."""
    rounds, per_burst = (1, 300) if args.smoke else (4, 1500)
    places = helmdesk.load_places(PLACES)
    r, h = helmdesk.Receiver(RECEIVER), helmdesk.Helmsway(HELMSWAY, places)
    rates, rss = [], []
    try:
        for _ in range(rounds + 1):
            t = time.monotonic()
            h.click("cmdStop", repeat=per_burst, delay_ms=2)
            h.click("cmdDirection", 5)
            rates.append(per_burst / (time.monotonic() - t))
            r.take(2)
            rss.append(h.rss_kb())
    finally:
        h.close()
        r.close()
    record(args.results, bench="bursts", clicks=per_burst * (rounds + 1),
           rate=statistics.median(rates), rss_kb=rss)


# ---------------------------------------------------------------------------------------------
# Start-up, footprint and idle, for a program against its floor.

def first_paint(display, window, settle=1.0):
    """The moment the window first showed what it shows once settled."""
    _, _, width, height = helmdesk.geometry(window)
    frames = []
    end = time.monotonic() + settle
    while time.monotonic() < end:
        frames.append((time.monotonic(), display.picture(window, width, height)))
        time.sleep(0.001)
    final = frames[-1][1]
    return next(t for t, picture in frames if picture == final)


def process_threads(pid):
    return [os.path.join("/proc", str(pid), "task", t) for t in os.listdir("/proc/%d/task" % pid)]


def wakeups_and_cpu(pid):
    switches, ticks = 0, 0
    for task in process_threads(pid):
        try:
            with open(task + "/status") as status:
                text = status.read()
            switches += sum(int(v) for v in re.findall(r"ctxt_switches:\s+(\d+)", text))
            with open(task + "/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
            ticks += int(fields[11]) + int(fields[12])
        except FileNotFoundError:
            pass
    return switches, ticks * 1000 / os.sysconf("SC_CLK_TCK")


def file_sizes(path, strip="strip"):
    with tempfile.TemporaryDirectory() as tmp:
        stripped = os.path.join(tmp, "stripped")
        subprocess.run([strip, "-o", stripped, path], check=True)
        return os.path.getsize(path), os.path.getsize(stripped)


def startup(args):
    runs = 2 if args.smoke else 7
    display = xprobe.Display()
    programs = [("Helmsway", [HELMSWAY], "^Helmsway$", HELMSWAY, "strip"),
                ("bare Qt window", [BARE_QT], "^Bare Qt$", BARE_QT, "strip")]
    if args.wine:
        win = os.path.join(ROOT, "build", "windows")
        programs = [("Helmsway.exe (Wine)", ["wine", os.path.join(win, "Helmsway.exe")],
                     "^Helmsway$", os.path.join(win, "Helmsway.exe"), "x86_64-w64-mingw32-strip"),
                    ("bare Win32 window (Wine)",
                     ["wine", os.path.join(BENCH, "windows", "bare-win32.exe")], "^Bare Win32$",
                     os.path.join(BENCH, "windows", "bare-win32.exe"), "x86_64-w64-mingw32-strip")]
    for name, command, title, exe, strip in programs:
        starts, rss = [], []
        for _ in range(runs):
            t = time.monotonic()
            proc = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            window = helmdesk.find_window(title, timeout=20)
            painted = first_paint(display, window)
            starts.append((painted - t) * 1000)
            rss.append(helmdesk.rss_kb(program_pid(proc.pid, exe)))
            proc.terminate()
            proc.wait()
            if args.wine:
                subprocess.run(["wineserver", "-w"])
        built, stripped = file_sizes(exe, strip)
        record(args.results, bench="startup", platform="Windows (Wine)" if args.wine else "Linux",
               program=name, start_ms=statistics.median(starts), rss_kb=statistics.median(rss),
               size=built, stripped=stripped)


def program_pid(pid, exe):
    """Under Wine the program runs in a process of its own beside the launcher."""
    base = os.path.basename(exe).encode()
    if not exe.endswith(".exe"):
        return pid
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open("/proc/%s/cmdline" % entry, "rb") as f:
                    cmd = f.read().split(b"\0")
            except OSError:
                continue
            if cmd and cmd[0].endswith(base):
                return int(entry)
    return pid


def idle(args):
    seconds = 2 if args.smoke else 10
    for name, command, title in [("Helmsway", [HELMSWAY], "^Helmsway$"),
                                 ("bare Qt window", [BARE_QT], "^Bare Qt$")]:
        proc = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        helmdesk.find_window(title, timeout=20)
        time.sleep(1.0)
        s0, c0 = wakeups_and_cpu(proc.pid)
        time.sleep(seconds)
        s1, c1 = wakeups_and_cpu(proc.pid)
        proc.terminate()
        proc.wait()
        record(args.results, bench="idle", program=name, seconds=seconds,
               wakeups=(s1 - s0) / seconds, cpu_ms=(c1 - c0) / seconds)


# ---------------------------------------------------------------------------------------------

def table(title, header, rows):
    widths = [max(len(str(x)) for x in column) for column in zip(header, *rows)]
    print("\n" + title)
    print("| " + " | ".join(str(h).ljust(w) for h, w in zip(header, widths)) + " |")
    print("|" + "|".join("-" * (w + 2) for w in widths) + "|")
    for row in rows:
        print("| " + " | ".join(str(c).ljust(w) for c, w in zip(row, widths)) + " |")


def report(args):
    records = [json.loads(line) for line in open(args.results)]
    runs = {}
    for r in records:
        if r["bench"] == "typing":
            runs.setdefault(r["layout"], {}).setdefault(r["sender"], []).append(r)
    helm, xdo = "Helmsway X11 sender", "xdotool type --delay 0"
    typing_rows, ratios, helm_wrong = [], [], 0
    for layout, senders in runs.items():
        cells = [layout]
        for sender in (helm, xdo):
            rs = senders.get(sender, [])
            cps = statistics.median(r["cps"] for r in rs) if rs else float("nan")
            cells += ["%.0f" % cps, "%d" % sum(r["wrong"] for r in rs)]
        if helm in senders and xdo in senders:
            ratio = float(cells[1]) / max(1.0, float(cells[3]))
            ratios.append(ratio)
            cells.append("%.1f" % ratio)
        helm_wrong += sum(r["wrong"] for r in senders.get(helm, []))
        typing_rows.append(cells)
    chars = next(iter(r["characters"] for r in records if r["bench"] == "typing"), 0)
    table("Typing %d characters per run (goal: 0 wrong on every layout, at least 5x xdotool)"
          % chars, ["layout", "Helmsway chars/s", "wrong", "xdotool chars/s", "wrong", "x"],
          typing_rows)
    if ratios:
        print("%d layouts: Helmsway %d wrong in all; at least %.1fx xdotool (median %.1fx)\n" % (
            len(ratios), helm_wrong, min(ratios), statistics.median(ratios)))

    rows = []
    for r in records:
        if r["bench"] == "clicks":
            k = r["keys"]
            a = r["activation"] or [float("nan")]
            rows.append((r["side"], len(k), "%.1f" % statistics.median(a),
                         "%.1f" % percentile(a, 99), "%.1f" % statistics.median(k),
                         "%.1f" % percentile(k, 99), "%.1f" % min(k), "%.1f" % max(k)))
        if r["bench"] == "wine-ticks" and r["keys"]:
            k = r["keys"]
            rows.append((r["side"], len(k), "-", "-", "%.0f" % statistics.median(k),
                         "%.0f" % percentile(k, 99), "%.0f" % min(k), "%.0f" % max(k)))
    table("Click to keys, ms (goal: last key p99 within a few ms of 300 ms on Linux)",
          ["side", "n", "activation p50", "activation p99", "last key p50", "last key p99",
           "min", "max"], rows)

    rows = [(r["clicks"], "%.0f" % r["rate"], r["rss_kb"][0], r["rss_kb"][-1],
             r["rss_kb"][-1] - r["rss_kb"][0]) for r in records if r["bench"] == "bursts"]
    table("Bursts of clicks (goal: memory flat)",
          ["clicks", "clicks/s", "VmRSS after the first, kB", "after the last, kB", "grown, kB"],
          rows)

    rows = [(r["platform"], r["program"], "%.0f" % r["start_ms"], "%.1f" % (r["rss_kb"] / 1024),
             "%.0f" % (r["size"] / 1024), "%.0f" % (r["stripped"] / 1024))
            for r in records if r["bench"] == "startup"]
    table("Start-up and footprint (goal: within 1.5x of the floor)",
          ["platform", "program", "exec to first paint, ms", "VmRSS, MiB", "exe, KiB",
           "stripped, KiB"], rows)

    rows = [(r["program"], r["seconds"], "%.1f" % r["wakeups"], "%.2f" % r["cpu_ms"])
            for r in records if r["bench"] == "idle"]
    table("Idle, timer disarmed (goal: no wake-ups caused by Helmsway)",
          ["program", "seconds", "wake-ups/s (all threads)", "CPU ms/s"], rows)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("what", choices=["typing", "clicks", "bursts", "startup", "idle", "report"])
    parser.add_argument("results")
    parser.add_argument("--smoke", action="store_true")
    parser.add_argument("--layout", default="us")
    parser.add_argument("--group", type=int, default=0)
    parser.add_argument("--wine", action="store_true")
    args = parser.parse_args()
    globals()[args.what](args)


if __name__ == "__main__":
    main()
