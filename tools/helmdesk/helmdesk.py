"""Drives the real Helmsway from outside on an X desktop, for the tests, the demo, the
screenshots and the benchmarks: the receiver that stands in for the game window and its lines,
the program, clicks at a control's place read from the layout table (helmsway-places), menus,
the Ship Name prompt, and the process's memory."""
import collections
import os
import queue
import re
import shutil
import subprocess
import tempfile
import threading
import time

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


def ask(*args):
    """A query's output, empty when it finds nothing (xdotool then ends with a failure)."""
    return subprocess.run(args, capture_output=True, text=True).stdout


def active_window():
    """The window the window manager has made active, as xdotool names windows."""
    return ask("xdotool", "getactivewindow").strip()


def wait_for(condition, timeout=20.0):
    """Whether the condition came true within the timeout: a ceiling only, the wait ends as
    soon as it holds."""
    end = time.monotonic() + timeout
    while not condition():
        if time.monotonic() > end:
            return False
        time.sleep(0.02)
    return True


def find_window(name, pid=None, timeout=10.0):
    """The first visible window whose name matches (of that process, if given)."""
    # --all: xdotool otherwise takes a window that meets either condition.
    by_pid = ["--all", "--pid", str(pid)] if pid else []
    found = []

    def search():
        found[:] = ask("xdotool", "search", "--onlyvisible", *by_pid, "--name", name).split()
        return found

    if not wait_for(search, timeout):
        raise RuntimeError("no window named %s" % name)
    return int(found[0])


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
    simple height, advanced height); ("menu", name) -> (Rights, Downs) from the first menu's
    first item to a menu title (Downs -1) or item."""
    places = {}
    for line in run(places_exe).splitlines():
        name, *fields = line.split()
        if name == "menu":
            places[(name, fields[0])] = tuple(int(n) for n in fields[1:])
            continue
        numbers = tuple(int(n) for n in fields)
        if name == "panel":
            places["panel"] = numbers
        else:
            places[(name, numbers[0])] = numbers[1:]
    return places


class Closing:
    """Ends what it started when a `with` block ends, however it ends."""

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self.close()


class Lines(Closing):
    """A receiver's lines as they come, each taken once, whatever reads them into `lines`."""

    def __init__(self):
        self.lines = queue.Queue()

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


class Piped(Lines):
    """A receiver that prints its lines: `exe` run with `args`, under the file name `program`
    where one is given (a copy in a folder of its own, so /proc and the window system see that
    name). Its first line says it is ready and is handed to `ready`."""

    def __init__(self, exe, args, program=None):
        super().__init__()
        self.folder = tempfile.mkdtemp() if program else None
        if program:
            exe = shutil.copy(exe, os.path.join(self.folder, program))
        self.proc = subprocess.Popen([exe] + args, stdout=subprocess.PIPE, text=True,
                                     encoding="utf-8")
        first = self.proc.stdout.readline()
        if not first.startswith("ready\t"):
            raise RuntimeError("receiver did not start: %r" % first)
        self.ready(first.rstrip("\n").split("\t")[1])
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.proc.stdout:
            first, _, text = line.rstrip("\n").partition("\t")
            if not self.report(first, text):
                self.lines.put(Line(int(first), text, time.monotonic()))

    def report(self, first, text):
        """Whether a line is a report of the receiver's own rather than a line typed into it."""
        return False

    def close(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            self.proc.wait(5)
        if self.folder:
            shutil.rmtree(self.folder, ignore_errors=True)


class Receiver(Piped):
    """helmsway-receiver (or helmsway-receiver-sdl2, which takes only a title) on X11.
    `window_class` and `program` let it pose as another program's window."""

    def __init__(self, exe, title="Ultima Online", window_class=None, program=None):
        super().__init__(exe, ["--title", title] +
                         (["--class", window_class] if window_class else []), program)
        # openbox frames a new window and gives it the focus on its own time; a click on the
        # helm's menu before that would see its menu closed by the focus moving.
        wait_for(lambda: active_window() == str(self.window), 5)

    def ready(self, window):
        self.window = int(window, 16)


class NativeReceiver(Piped):
    """helmsway-receiver-sdl3 (built in the Debian 13 root, run there) under a program's name,
    as the compositor sees it: its video driver, its lines, and whether its window has the
    keyboard focus, as it reports them."""

    def __init__(self, exe, program, title="Sam - ClassicUO - 1.1.0.0"):
        self.focused = False
        super().__init__(exe, ["--title", title], program)

    def ready(self, driver):
        self.driver = driver

    def report(self, first, text):
        if first == "focus":
            self.focused = text == "1"
        return first == "focus"


class Helmsway(Closing):
    """The program on the current display (in the environment `env`, if given)."""

    def __init__(self, exe, places, env=None):
        self.places = places
        self.proc = subprocess.Popen([exe], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                     env=env)
        self.window = find_window("^Helmsway$", self.proc.pid)
        # Framed by the window manager: its place on the screen is settled for the clicks.
        wait_for(lambda: "=" in ask("xprop", "-id", str(self.window), "_NET_FRAME_EXTENTS"), 10)

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

    def windows(self):
        """The program's windows on the screen: the main one, open menus and dialogs."""
        return set(ask("xdotool", "search", "--onlyvisible", "--classname", "^helmsway$").split())

    def menu(self, title, item):
        """Picks a menu item by the keyboard, the way the layout table orders the menus: a
        click at the bar's left edge opens its first menu, Down chooses that menu's first item,
        Right moves to the title's menu (with its first item chosen) and Down to the item.
        Nothing depends on the titles' widths or the items' heights in the style. Returns once
        the menu has closed again."""
        rights, _ = self.places[("menu", title)]
        item_rights, downs = self.places[("menu", item)]
        if item_rights != rights:
            raise ValueError("%s is not in the %s menu" % (item, title))
        before = self.windows() | {str(self.window)}  # the main window may not show yet
        # The keys below go to the window with the focus, which KWin hands over from a native
        # window (no X11 window is active then) only after the menu has opened: the helm is
        # made active first.
        if not active_window():
            run("xdotool", "windowactivate", "--sync", str(self.window))
            if not wait_for(lambda: ask("xdotool", "getwindowfocus").strip() == str(self.window)):
                raise RuntimeError("the helm did not get the focus for its %s menu" % title)
        x, y, _, _ = self.geometry()
        click_at(x + 8, y + self.origin()[2] // 2)
        if not wait_for(lambda: self.windows() - before):
            raise RuntimeError("the %s menu did not open" % title)
        popup = self.windows() - before
        run("xdotool", "key", "--delay", "50",
            *(["Down"] + ["Right"] * rights + ["Down"] * downs), "Return")
        if not wait_for(lambda: not popup & self.windows()):
            raise RuntimeError("the %s menu did not close" % title)

    def show_advanced(self):
        """Interface > Advanced; returns once the window has grown to show the frame."""
        self.menu("mnuInterface", "mnuAdvanced")
        if not wait_for(lambda: self.geometry()[3] > self.places["panel"][2]):
            raise RuntimeError("the window did not grow to the Advanced layout")

    def open_ship_name(self):
        """Options > Ship Name; returns once the prompt has the focus."""
        self.menu("mnuOptions", "mnuName")
        prompt = str(find_window("^Ship Name$", self.proc.pid))
        if not wait_for(lambda: active_window() == prompt):
            raise RuntimeError("the Ship Name prompt did not get the focus")

    def ship_name(self, name):
        """Fills the Ship Name prompt by pasting, and answers it with Enter; the moment of the
        Enter. Pasted, not typed: xdotool types a character the layout lacks on a key it binds
        only for that moment, and Qt loses it whenever it looks the key up late. Not where a
        compositor's clipboard bridge takes the text first (mutter's): type there."""
        clip = subprocess.Popen(["xclip", "-selection", "clipboard", "-loops", "1", "-quiet"],
                                stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL)
        clip.stdin.write(name.encode())
        clip.stdin.close()
        try:
            self.open_ship_name()
            run("xdotool", "key", "ctrl+v")
            # xclip ends once it has handed the text over; the Enter comes after it.
            clip.wait(20)
            at = time.monotonic()
            run("xdotool", "key", "Return")
            return at
        finally:
            if clip.poll() is None:
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
