"""Drives the real Helmsway from outside on an X desktop, for the tests, the demo, the
screenshots and the benchmarks: the receiver that stands in for the game window and its lines,
the program, clicks at a control's place read from the layout table (helmsway-places), menus,
the Ship Name prompt, and the process's memory."""
import collections
import os
import queue
import re
import subprocess
import threading
import time

# Where the menu titles sit on the bar, in pixels from the window's left edge.
MENU_TITLES = {"Options": 28, "Interface": 97}

# A receiver's line: its own clock in ms, the text, and when it was read here (monotonic).
Line = collections.namedtuple("Line", "ms text at")


def programs(build):
    """The programs of a linux build tree, by the names the constructors below take."""
    return {"helmsway": os.path.join(build, "src/app/qt/helmsway"),
            "receiver": os.path.join(build, "tools/receiver-x11/helmsway-receiver"),
            "sdl-receiver": os.path.join(build, "tools/receiver-sdl2/helmsway-receiver-sdl2"),
            "places": os.path.join(build, "tools/helmsway-places/helmsway-places")}


def run(*args, **kw):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kw).stdout


def find_window(name, pid=None, timeout=10.0):
    """The first visible window whose name matches (of that process, if given)."""
    end = time.monotonic() + timeout
    # --all: xdotool otherwise takes a window that meets either condition.
    by_pid = ["--all", "--pid", str(pid)] if pid else []
    while time.monotonic() < end:
        found = subprocess.run(["xdotool", "search", "--onlyvisible", *by_pid, "--name", name],
                               capture_output=True, text=True).stdout.split()
        if found:
            return int(found[0])
        time.sleep(0.002)
    raise RuntimeError("no window named %s" % name)


def geometry(window):
    """x, y, width, height of the client window. xwininfo's absolute corner is the client's
    own; xdotool's getwindowgeometry adds the frame offset once more under openbox."""
    info = run("xwininfo", "-id", str(window))
    return tuple(int(re.search(key + r":\s+(-?\d+)", info).group(1))
                 for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))


def click_at(x, y, repeat=1, delay_ms=0):
    """A left click at a screen place; the moment it was made."""
    # --sync waits for the pointer to move, which it never does when it is there already.
    if run("xdotool", "getmouselocation").split()[:2] != ["x:%d" % x, "y:%d" % y]:
        run("xdotool", "mousemove", "--sync", str(x), str(y))
    at = time.monotonic()
    run("xdotool", "click", *(["--repeat", str(repeat), "--delay", str(delay_ms)]
                              if repeat > 1 else []), "1")
    return at


def rss_kb(pid):
    with open("/proc/%d/status" % pid) as status:
        return int(re.search(r"VmRSS:\s+(\d+)", status.read()).group(1))


def load_places(places_exe):
    """(name, index) -> (left, top, width, height) below the menu bar; "panel" -> (width,
    simple height, advanced height)."""
    places = {}
    for line in run(places_exe).splitlines():
        name, *numbers = line.split()
        numbers = tuple(int(n) for n in numbers)
        if name == "panel":
            places["panel"] = numbers
        else:
            places[(name, numbers[0])] = numbers[1:]
    return places


class Receiver:
    """helmsway-receiver (or helmsway-receiver-sdl2, which takes only a title), its lines
    gathered by a thread. `window_class` lets it pose as another program's window."""

    def __init__(self, exe, title="Ultima Online", ignore=False, window_class=None):
        args = [exe, "--title", title] + (["--ignore"] if ignore else [])
        args += ["--class", window_class] if window_class else []
        self.proc = subprocess.Popen(args, stdout=subprocess.PIPE, text=True, encoding="utf-8")
        first = self.proc.stdout.readline()
        if not first.startswith("ready\t"):
            raise RuntimeError("receiver did not start: %r" % first)
        self.window = int(first.split("\t")[1], 16)
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.proc.stdout:
            ms, _, text = line.rstrip("\n").partition("\t")
            self.lines.put(Line(int(ms), text, time.monotonic()))

    def take_lines(self, count, timeout=20.0):
        """Up to `count` lines, waiting at most `timeout` seconds in all."""
        got, end = [], time.monotonic() + timeout
        while len(got) < count:
            try:
                got.append(self.lines.get(timeout=max(0.001, end - time.monotonic())))
            except queue.Empty:
                break
        return got

    def take(self, count, timeout=20.0):
        return [line.text for line in self.take_lines(count, timeout)]

    def quiet(self, seconds=0.8):
        """Whatever arrives within `seconds`: a case that expects nothing reads this."""
        return self.take(1 << 30, timeout=seconds)

    def close(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            self.proc.wait(5)


class Helmsway:
    """The program on the current display (in the environment `env`, if given)."""

    def __init__(self, exe, places, env=None):
        self.places = places
        self.proc = subprocess.Popen([exe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                     env=env)
        self.window = find_window("^Helmsway$", self.proc.pid)
        time.sleep(0.3)  # the window manager's frame and the first paint

    def geometry(self):
        return geometry(self.window)

    def origin(self):
        """The screen place of the area below the menu bar, and the menu bar's height: the
        window's height less the panel's (Simple or Advanced)."""
        x, y, _, height = self.geometry()
        _, simple, advanced = self.places["panel"]
        menu = height - (advanced if height > advanced else simple)
        return x, y + menu, menu

    def click(self, name, index=-1, repeat=1, delay_ms=0):
        """Clicks the control's centre; the moment of the click."""
        x0, y0, _ = self.origin()
        left, top, width, height = self.places[(name, index)]
        return click_at(x0 + left + width // 2, y0 + top + height // 2, repeat, delay_ms)

    def menu(self, title, item_downs):
        """Opens a menu by its title's place on the bar, then picks an item by the keyboard:
        separators are skipped, and nothing depends on the height of an item in the style."""
        x, y, _, _ = self.geometry()
        click_at(x + MENU_TITLES[title], y + self.origin()[2] // 2)
        time.sleep(0.2)
        run("xdotool", "key", "--delay", "50", *(["Down"] * item_downs), "Return")
        time.sleep(0.2)

    def ship_name(self, name):
        """Fills the Ship Name prompt by pasting, and answers it with Enter; the moment of the
        Enter. Pasted, not typed: xdotool types a character the layout lacks on a key it binds
        only for that moment, and Qt loses it whenever it looks the key up late."""
        clip = subprocess.Popen(["xclip", "-selection", "clipboard", "-loops", "1", "-quiet"],
                                stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        clip.stdin.write(name.encode())
        clip.stdin.close()
        try:
            self.menu("Options", 2)
            find_window("^Ship Name$", self.proc.pid)  # a modal dialog: it has the focus
            time.sleep(0.3)
            run("xdotool", "key", "ctrl+v")
            time.sleep(0.3)
            at = time.monotonic()
            run("xdotool", "key", "Return")
            return at
        finally:
            try:
                clip.wait(1)
            except subprocess.TimeoutExpired:
                clip.kill()

    def state(self):
        return run("xprop", "-id", str(self.window), "_NET_WM_STATE")

    def alive(self):
        return self.proc.poll() is None

    def rss_kb(self):
        return rss_kb(self.proc.pid)

    def close(self):
        if self.alive():
            self.proc.terminate()
        try:
            self.proc.wait(5)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()
