"""Driving the real program on a private desktop: the receiver that stands in for the game
window, the Helmsway program in a directory of its own (so its picture files can be broken),
clicks at a control's place read from the layout table, and the process's memory."""
import os
import queue
import re
import shutil
import subprocess
import tempfile
import threading
import time

# Inactive and active picture of the pad's diagonals (facings 1 to 4) and of speeds 1 to 3.
DIAGONAL_PAIRS = [("fwd_l_s.bmp", "fwd_l_sa.bmp"), ("fwd_r_s.bmp", "fwd_r_sa.bmp"),
                  ("back_r_s.bmp", "back_r_sa.bmp"), ("back_l_s.bmp", "back_l_sa.bmp")]
SPEED_PAIRS = [("one.bmp", "one_a.bmp"), ("slow.bmp", "slow_a.bmp"),
               ("normal.bmp", "normal_a.bmp")]
RUNTIME_PICTURES = [name for pair in DIAGONAL_PAIRS + SPEED_PAIRS for name in pair]


def run(*args, **kw):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kw).stdout


class Receiver:
    """helmsway-receiver, its lines gathered by a thread as (ms, text)."""

    def __init__(self, exe, title="Ultima Online", ignore=False):
        args = [exe, "--title", title] + (["--ignore"] if ignore else [])
        self.proc = subprocess.Popen(args, stdout=subprocess.PIPE, text=True, encoding="utf-8")
        self.lines = queue.Queue()
        first = self.proc.stdout.readline()
        if not first.startswith("ready"):
            raise RuntimeError("receiver did not start: %r" % first)
        self.window = int(first.split("\t")[1], 16)
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.proc.stdout:
            ms, _, text = line.rstrip("\n").partition("\t")
            self.lines.put((int(ms), text))

    def take(self, count, timeout=3.0):
        """Up to `count` lines, waiting at most `timeout` seconds for them."""
        got = []
        end = time.monotonic() + timeout
        while len(got) < count:
            left = end - time.monotonic()
            if left <= 0:
                break
            try:
                got.append(self.lines.get(timeout=left))
            except queue.Empty:
                break
        return [text for _, text in got]

    def quiet(self, seconds=0.8):
        """Whatever arrives within `seconds`; a test that expects nothing reads this."""
        time.sleep(seconds)
        got = []
        while not self.lines.empty():
            got.append(self.lines.get_nowait()[1])
        return got

    def close(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            self.proc.wait(5)


def load_places(places_exe):
    places = {}
    for line in run(places_exe).splitlines():
        parts = line.split()
        if parts[0] == "panel":
            places["panel"] = tuple(int(p) for p in parts[1:])
        else:
            places[(parts[0], int(parts[1]))] = (int(parts[2]), int(parts[3]))
    return places


class Helmsway:
    """The program copied into a directory of its own with its fourteen pictures, each of
    which a test may remove, cut or replace before the start."""

    def __init__(self, exe, places, break_file=None, fault=None):
        self.dir = tempfile.mkdtemp(prefix="helmsway-")
        source = os.path.dirname(exe)
        shutil.copy2(exe, self.dir)
        for name in RUNTIME_PICTURES:
            shutil.copy2(os.path.join(source, name), self.dir)
        if break_file:
            spoil(os.path.join(self.dir, break_file), fault)
        self.places = places
        self.proc = subprocess.Popen([os.path.join(self.dir, os.path.basename(exe))],
                                     stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.window = None
        end = time.monotonic() + 10
        while time.monotonic() < end and self.window is None:
            out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid",
                                  str(self.proc.pid), "--name", "^Helmsway$"],
                                 capture_output=True, text=True).stdout.split()
            if out:
                self.window = int(out[0])
            else:
                time.sleep(0.05)
        if self.window is None:
            raise RuntimeError("Helmsway did not show its window")
        time.sleep(0.2)

    def origin(self):
        """The screen place of the area below the menu bar: the window's height less the
        panel's (Simple or Advanced) is the menu bar's."""
        info = run("xwininfo", "-id", str(self.window))
        x = int(re.search(r"Absolute upper-left X:\s+(-?\d+)", info).group(1))
        y = int(re.search(r"Absolute upper-left Y:\s+(-?\d+)", info).group(1))
        height = int(re.search(r"Height:\s+(\d+)", info).group(1))
        _, simple, advanced = self.places["panel"]
        menu = height - (advanced if height > advanced else simple)
        return x, y + menu, menu

    def click(self, name, index=-1, repeat=1, delay_ms=0):
        x0, y0, _ = self.origin()
        x, y = self.places[(name, index)]
        args = ["xdotool", "mousemove", str(x0 + x), str(y0 + y), "click"]
        if repeat > 1:
            args += ["--repeat", str(repeat), "--delay", str(delay_ms)]
        run(*args, "1")

    def menu(self, title_index, item_downs):
        """Opens the menu bar's title_index-th menu and picks an item by Down presses."""
        x0, y0, menu = self.origin()
        run("xdotool", "mousemove", str(x0 + 12 + 60 * title_index), str(y0 - menu // 2),
            "click", "1")
        time.sleep(0.3)
        run("xdotool", *(["key", "Down"] * item_downs), "key", "Return")

    def alive(self):
        return self.proc.poll() is None

    def rss_kb(self):
        with open("/proc/%d/status" % self.proc.pid) as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
        return 0

    def close(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            try:
                self.proc.wait(5)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        shutil.rmtree(self.dir, ignore_errors=True)


def spoil(path, fault):
    if fault == "missing":
        os.remove(path)
    elif fault == "truncated":
        with open(path, "rb") as f:
            data = f.read()
        with open(path, "wb") as f:
            f.write(data[: len(data) // 2])
    elif fault == "text":
        with open(path, "w") as f:
            f.write("This is a text file, not a bitmap.\n")
    else:
        raise ValueError(fault)
