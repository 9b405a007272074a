"""The GNOME Shell 48 desktop the gnome48 tests run on, checked by itself: a native SDL3 window
of the program `cuo` opens on Wayland and gets the keyboard focus, an X11 window on Xwayland
then takes the focus from it, and XTest keys reach that X11 window and not the native one.
Run inside the Debian 13 root under tests/support/with-gnome-shell.

  desktop.py X11_RECEIVER SDL3_RECEIVER
"""
import os
import queue
import shutil
import subprocess
import sys
import tempfile
import threading
import time

TITLE = "Sam - ClassicUO - 1.1.0.0"
# Ceilings for things that come in well under a second; a loaded machine gets its time.
PATIENCE = 60


class Receiver:
    def __init__(self, name, command):
        self.name = name
        self.proc = subprocess.Popen(command, stdout=subprocess.PIPE, text=True,
                                     encoding="utf-8")
        self.lines = queue.Queue()
        threading.Thread(target=self._read, daemon=True).start()

    def _read(self):
        for line in self.proc.stdout:
            self.lines.put(line.rstrip("\n"))
        self.lines.put(None)

    def next_line(self, what):
        try:
            line = self.lines.get(timeout=PATIENCE)
        except queue.Empty:
            line = None
        if line is None:
            sys.exit("%s: nothing within %d s where %s belonged (exit status %s)"
                     % (self.name, PATIENCE, what, self.proc.poll()))
        return line

    def expect(self, wanted, what):
        line = self.next_line(what)
        if line != wanted:
            sys.exit("%s: %r where %s (%r) belonged" % (self.name, line, what, wanted))

    def unread(self):
        found = []
        while True:
            try:
                line = self.lines.get_nowait()
            except queue.Empty:
                return found
            if line is not None:
                found.append(line)

    def stop(self):
        if self.proc.poll() is None:
            self.proc.terminate()
            self.proc.wait(timeout=PATIENCE)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=PATIENCE)


def main():
    x11_receiver, sdl3_receiver = sys.argv[1:3]
    folder = tempfile.mkdtemp()
    # Under the name ClassicUO's program has, which is the app id GNOME knows it by.
    cuo = os.path.join(folder, "cuo")
    shutil.copy(sdl3_receiver, cuo)
    native = Receiver("cuo", [cuo, "--title", TITLE])
    x11 = None
    try:
        native.expect("ready\twayland", "its start on SDL3's Wayland driver")
        native.expect("focus\t1", "the keyboard focus a new window gets")

        x11 = Receiver("helmsway-receiver", [x11_receiver, "--title", "Xwayland window"])
        ready = x11.next_line("its start")
        if not ready.startswith("ready\t"):
            sys.exit("helmsway-receiver: %r where its start belonged" % ready)
        window = ready.split("\t")[1]
        native.expect("focus\t0", "the focus going to the X11 window")
        # mutter focuses the new window; Xwayland sends XTest keys wherever X has its focus.
        deadline = time.monotonic() + PATIENCE
        while True:
            active = subprocess.run(["xdotool", "getwindowfocus"], capture_output=True,
                                    text=True, timeout=PATIENCE).stdout.strip()
            if active and int(active) == int(window, 16):
                break
            if time.monotonic() > deadline:
                sys.exit("the X11 window %s never had the X focus (%r had it)" % (window, active))
            time.sleep(0.1)
        xdotool("type", "--delay", "20", "Forward Left")
        xdotool("key", "Return")
        line = x11.next_line("the typed line")
        if line.split("\t", 1)[-1] != "Forward Left":
            sys.exit("helmsway-receiver: %r where 'Forward Left' belonged" % line)
        stray = [line for line in native.unread() if not line.startswith("focus\t")]
        if stray:
            sys.exit("cuo: got %r, typed into the X11 window" % stray)
        print("ok: cuo on wayland, focused; XTest typing reached the X11 window only")
    finally:
        for receiver in (x11, native):
            if receiver:
                receiver.stop()
        shutil.rmtree(folder, ignore_errors=True)


main()
