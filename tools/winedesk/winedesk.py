"""Drives the real Helmsway.exe under Wine on an X desktop, in helmdesk's words: the Win32
receiver and its lines, the program, real clicks and keys through the X server at the layout's
places, menus, the Ship Name prompt; and the Win32 probe, which reads the windows back. Needs
HELMSWAY_WIN (the Windows build tree) and WINEPREFIX, and for clicks at a control's place
HELMSWAY_PLACES. Every wait ends on what it waits for, with a ceiling of ten seconds or more."""
import os
import shutil
import subprocess
import sys
import tempfile
import threading
import time

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "helmdesk"))
import helmdesk  # noqa: E402
from helmdesk import Line, active_window, ask, click_at, run, wait_for  # noqa: E402

WIN = os.environ["HELMSWAY_WIN"]
ENV = dict(os.environ, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=", LC_ALL="C.UTF-8")
PROBE = os.path.join(WIN, "tools/win32-probe/probe.exe")
RECEIVER = os.path.join(WIN, "tools/receiver-win32/receiver.exe")


def windows_path(path):
    return "Z:" + path.replace("/", "\\")


def value_of(output, key):
    """The first value of `key` among the probe's key=value lines."""
    return next(line.partition("=")[2] for line in output.splitlines()
                if line.startswith(key + "="))


class Wine:
    """One Wine session, ended with all its programs by close(), and a folder of its own for
    the receivers' logs. Each Wine window is an X window of its own that openbox manages, as
    Linux players run the game's client; with `virtual` every program runs inside one Wine
    virtual desktop instead, where Wine decides activation itself, as Windows does."""

    def __init__(self, virtual=False):
        self.desktop = ["explorer", "/desktop=Helmsway,1024x700"] if virtual else []
        self.work = tempfile.mkdtemp(prefix="helmsway-wine.")
        self.clipboard = None

    def start(self, *args):
        return subprocess.Popen(["wine", *self.desktop, *args], env=ENV,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def probe(self, *args):
        """The probe's output without the console's carriage returns; raises if the probe
        reports an error."""
        # Its errors not through a pipe: a wineserver that this wine starts keeps it open.
        output = subprocess.run(["wine", *self.desktop, PROBE, *map(str, args)], env=ENV,
                                stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                                text=True, encoding="utf-8", errors="replace").stdout
        output = output.replace("\r", "")
        if any(line.startswith("error:") for line in output.splitlines()):
            raise RuntimeError("probe %s: %s" % (" ".join(map(str, args)), output))
        return output

    def screen(self):
        """Where Windows' screen lies on the X screen: inside the virtual desktop's X window,
        if there is one."""
        if not self.desktop:
            return 0, 0
        return helmdesk.geometry(helmdesk.find_window("^Helmsway - Wine desktop$"))[:2]

    def paste_ready(self, text):
        """The text on the X clipboard, for a ctrl+v into a Wine window."""
        self.clipboard = subprocess.Popen(["xclip", "-selection", "clipboard", "-quiet"],
                                          stdin=subprocess.PIPE, stdout=subprocess.DEVNULL,
                                          stderr=subprocess.DEVNULL)
        self.clipboard.stdin.write(text.encode())
        self.clipboard.stdin.close()
        held = lambda: subprocess.run(  # noqa: E731
            ["xclip", "-o", "-selection", "clipboard"], capture_output=True).stdout
        if not wait_for(lambda: held() == text.encode(), 10):
            raise RuntimeError("the clipboard never held the text")

    def close(self):
        if self.clipboard:
            self.clipboard.kill()
        subprocess.run(["wineserver", "-k"], env=ENV, capture_output=True)
        shutil.rmtree(self.work, ignore_errors=True)

    def __enter__(self):
        return self

    def __exit__(self, *_):
        self.close()


class Receiver(helmdesk.Lines):
    """The Win32 receiver, a window like the game's that logs what is typed into it; its lines
    are read from the log as they come. Given a program file name, it runs from a copy of that
    name, as a client's process is known by its program."""

    def __init__(self, wine, log, title="Ultima Online", window_class=None, program=None):
        super().__init__()
        self.log, exe = os.path.join(wine.work, log), RECEIVER
        if program:
            os.makedirs(self.log + ".program")
            exe = shutil.copy(RECEIVER, os.path.join(self.log + ".program", program))
        wine.start(exe, windows_path(self.log), title, *([window_class] if window_class else []))
        if not wait_for(lambda: os.path.exists(self.log) and os.path.getsize(self.log) > 0):
            raise RuntimeError("the receiver did not start")
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        """Each whole line after the first ("ready"), with its tick count."""
        with open(self.log, "rb") as log:
            log.readline()
            pending = b""
            while True:
                pending += log.read()
                *whole, pending = pending.split(b"\n")
                for line in whole:
                    ms, _, text = line.decode("utf-8").partition("\t")
                    self.lines.put(Line(int(ms), text, time.monotonic()))
                time.sleep(0.01)


class Helmsway:
    """Helmsway.exe (from the folder `folder`, if given), started once the probe sees its main
    window. Before real clicks find_client_area() reads where it lies on the X screen."""

    def __init__(self, wine, folder=WIN):
        self.wine, self.places = wine, None
        wine.start(os.path.join(folder, "Helmsway.exe"))
        wine.probe("wait-main")

    def find_client_area(self):
        self.screen = self.wine.screen()
        x, y = map(int, self.wine.probe("origin").split())
        self.client = self.screen[0] + x, self.screen[1] + y
        self.window = (ask("xdotool", "search", "--name", "^Helmsway$").split() or [None])[0]

    def settle(self):
        """With openbox managing the windows: until openbox has given the main window the focus
        back after a dialog of ours closed. Wine hears of that late; a click before it would be
        undone."""
        if not self.wine.desktop and not wait_for(lambda: active_window() == self.window, 10):
            raise RuntimeError("openbox never gave the main window the focus")

    def centre(self, name, index=-1):
        if self.places is None:
            self.places = helmdesk.load_places(os.environ["HELMSWAY_PLACES"])
        left, top, width, height = self.places[(name, index)]
        return self.client[0] + left + width // 2, self.client[1] + top + height // 2

    def click(self, name, index=-1, repeat=1, delay_ms=0):
        """Real clicks at the control's centre, by its place in the layout table; the moment of
        the first."""
        return click_at(*self.centre(name, index), repeat, delay_ms)

    def press_and_leave(self, name, index=-1):
        """Pressed on the control, let go 40 pixels to its right."""
        x, y = self.centre(name, index)
        run("xdotool", "mousemove", str(x), str(y), "mousedown", "1",
            "mousemove", str(x + 40), str(y), "mouseup", "1")

    def click_screen(self, x, y):
        """A click at a place on Windows' screen."""
        return click_at(self.screen[0] + x, self.screen[1] + y)

    def click_ok(self, title):
        """A real click on the OK button of the window of that title."""
        left, top, right, bottom = map(int, self.wine.probe("ok-rect", title).split())
        self.click_screen((left + right) // 2, (top + bottom) // 2)

    def menu(self, title, item):
        """Real clicks on a menu title and then on the item, at the places the hook inside
        Helmsway reads while the menu is open (keys pressed into a menu just opened may be lost
        on a busy machine)."""
        self.settle()
        self.click_screen(*map(int, self.wine.probe("menu-place", title).split()))
        self.wine.probe("wait-popup")
        self.click_screen(*map(int, self.wine.probe("menu-place", item).split()))

    def show_advanced(self):
        """Interface > Advanced; returns once the window has grown to show the frame."""
        self.menu("mnuInterface", "mnuAdvanced")
        if not wait_for(lambda: "client=167x293" in self.wine.probe("window").splitlines()):
            raise RuntimeError("the window did not grow to the Advanced layout")

    def open_ship_name(self):
        """Options > Ship Name; returns once the prompt is in the foreground."""
        self.menu("mnuOptions", "mnuName")
        self.wine.probe("wait-foreground", "Ship Name")
