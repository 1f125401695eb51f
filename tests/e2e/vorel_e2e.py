#!/usr/bin/env python3
"""End-to-end tests of the installed program, driven from outside on a private X server.

Usage: vorel_e2e.py SCENARIO BUILD_DIR

Each scenario installs the program into a scratch program folder, starts it with a fresh HOME
and XDG_CONFIG_HOME on its own Xvfb display, and drives it only with real key and mouse events
(xdotool). Between steps it waits for what a user would see: a window with a given title
appearing or going. Every wait is bounded, and everything started is stopped at the end.
"""

import os
import re
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import time

TIMEOUT = 20.0


class Failure(Exception):
    pass


def run(args, **kw):
    return subprocess.run(args, check=True, capture_output=True, text=True, **kw).stdout


class Session:
    def __init__(self, build_dir):
        self.build_dir = build_dir
        self.root = tempfile.mkdtemp(prefix="vorel-e2e-")
        self.prog = os.path.join(self.root, "prog")
        self.home = os.path.join(self.root, "home")
        self.config = os.path.join(self.home, ".config")
        self.work = os.path.join(self.root, "work")
        for d in (self.prog, self.home, self.config, self.work):
            os.makedirs(d)
        run(["cmake", "--install", build_dir, "--prefix", self.prog])
        self.xvfb = None
        self.vorel = None
        self.display = None
        self._start_xvfb()

    # -- processes -------------------------------------------------------------------------

    def _start_xvfb(self):
        read_fd, write_fd = os.pipe()
        self.xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_fd), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
            start_new_session=True)
        os.close(write_fd)
        number = b""
        deadline = time.monotonic() + TIMEOUT
        while not number.endswith(b"\n"):
            if time.monotonic() > deadline:
                raise Failure("Xvfb did not start")
            chunk = os.read(read_fd, 16)
            if not chunk:
                raise Failure("Xvfb ended at start")
            number += chunk
        os.close(read_fd)
        self.display = ":" + number.decode().strip()

    def env(self):
        env = {
            "PATH": os.environ.get("PATH", "/usr/bin:/bin"),
            "HOME": self.home,
            "XDG_CONFIG_HOME": self.config,
            "XDG_RUNTIME_DIR": self.root,
            "DISPLAY": self.display,
            "QT_QPA_PLATFORM": "xcb",
            "LANG": "fr_FR.UTF-8",
        }
        return env

    def start(self):
        self.vorel_log = open(os.path.join(self.root, "vorel.log"), "w")
        self.vorel = subprocess.Popen([os.path.join(self.prog, "vorel")], cwd=self.work,
                                      env=self.env(), stdout=self.vorel_log,
                                      stderr=subprocess.STDOUT, start_new_session=True)

    def wait_exit(self, timeout=TIMEOUT):
        try:
            return self.vorel.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure("Vorel did not end")

    def close(self):
        for p in (self.vorel, self.xvfb):
            if p and p.poll() is None:
                try:
                    os.killpg(p.pid, signal.SIGKILL)
                except ProcessLookupError:
                    pass
                p.wait()
        shutil.rmtree(self.root, ignore_errors=True)

    # -- what a user sees ------------------------------------------------------------------

    def x(self, *args):
        return run(list(args), env=self.env())

    def windows(self, title=None):
        """Visible top-level windows (id, title), optionally those whose title matches."""
        pattern = "^" + re.escape(title) + "$" if title is not None else ".*"
        try:
            out = self.x("xdotool", "search", "--onlyvisible", "--name", pattern)
        except subprocess.CalledProcessError:
            return []
        found = []
        for wid in out.split():
            try:
                name = self.x("xdotool", "getwindowname", wid).rstrip("\n")
            except subprocess.CalledProcessError:
                continue
            if name or title == "":
                found.append((wid, name))
        return found

    def wait_window(self, title, timeout=TIMEOUT):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.vorel and self.vorel.poll() is not None:
                raise Failure(f"Vorel ended while waiting for the window '{title}'")
            found = self.windows(title)
            if found:
                return found[-1][0]
            time.sleep(0.05)
        raise Failure(f"no window '{title}' within {timeout} s; visible: {self.windows()}")

    def wait_gone(self, title, timeout=TIMEOUT):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if not self.windows(title):
                return
            time.sleep(0.05)
        raise Failure(f"the window '{title}' did not go within {timeout} s")

    def wait_for(self, what, predicate, timeout=TIMEOUT):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if predicate():
                return
            time.sleep(0.05)
        raise Failure(f"{what} did not happen within {timeout} s")

    def geometry(self, wid):
        out = self.x("xwininfo", "-id", wid)
        value = lambda key: int(re.search(key + r":\s+(-?\d+)", out).group(1))
        return (value("Absolute upper-left X"), value("Absolute upper-left Y"),
                value("Width"), value("Height"))

    # -- input ------------------------------------------------------------------------------

    def focus(self, wid):
        self.x("xdotool", "windowfocus", "--sync", wid)

    def key(self, wid, *keys):
        self.focus(wid)
        self.x("xdotool", "key", "--clearmodifiers", "--delay", "30", *keys)

    def type(self, wid, text):
        self.focus(wid)
        self.x("xdotool", "type", "--clearmodifiers", "--delay", "30", text)

    def click(self, wid, x, y):
        self.x("xdotool", "mousemove", "--window", wid, str(x), str(y), "click", "1")

    def drag(self, wid, x, y, to_x, to_y):
        self.x("xdotool", "mousemove", "--window", wid, str(x), str(y), "mousedown", "1",
               "mousemove", str(to_x), str(to_y), "mouseup", "1")

    def clipboard(self):
        try:
            return self.x("xclip", "-o", "-selection", "clipboard")
        except subprocess.CalledProcessError:
            return ""

    def message_box_text(self, wid):
        """The text of a message box: Ctrl+C copies it to the clipboard."""
        before = self.clipboard()
        self.key(wid, "ctrl+c")
        self.wait_for("the copy of the message", lambda: self.clipboard() != before)
        return self.clipboard()


def record(name, date):
    b = bytearray(267)
    b[0] = len(name)
    b[1:1 + len(name)] = name
    b[256] = len(date)
    b[257:257 + len(date)] = date
    return bytes(b)


def write_bmp(path, width, height):
    row = (width * 3 + 3) & ~3
    pixels = b"".join(bytes([120, 60, 20]) * width + b"\0" * (row - width * 3)
                      for _ in range(height))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(pixels), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


# -- scenarios ------------------------------------------------------------------------------

def start_scenario(s, with_splash):
    if with_splash:
        write_bmp(os.path.join(s.work, "LOGICIEL.BMP"), 200, 120)
    s.start()
    s.wait_window("Vorel pour Windows")
    if with_splash:
        s.wait_window("Logiciel")
        s.wait_gone("Vorel pour Windows", timeout=1)
    main = s.wait_window("Vorel")
    if s.windows("Vorel pour Windows") or s.windows("Logiciel"):
        raise Failure("the logo or the splash is still on the screen with the main window")
    x, y, w, h = s.geometry(main)
    if (x, y) != (10, 10) or (w, h) != (388, 50):
        raise Failure(f"main window at {(x, y, w, h)}, expected (10, 10, 388, 50)")
    others = [t for _, t in s.windows() if t != "Vorel"]
    if others:
        raise Failure(f"other windows are visible: {others}")
    return main


def scenario_start(s):
    main = start_scenario(s, with_splash=False)
    s.key(main, "alt+q")
    s.wait_exit()


def scenario_splash(s):
    main = start_scenario(s, with_splash=True)
    s.key(main, "alt+q")
    s.wait_exit()


SCENARIOS = {
    "start": scenario_start,
    "splash": scenario_splash,
}


def main(argv):
    if len(argv) != 3 or argv[1] not in SCENARIOS:
        print(__doc__, file=sys.stderr)
        print("scenarios: " + ", ".join(SCENARIOS), file=sys.stderr)
        return 2
    session = Session(argv[2])
    try:
        SCENARIOS[argv[1]](session)
        print(f"{argv[1]}: ok")
        return 0
    except (Failure, subprocess.CalledProcessError) as e:
        print(f"{argv[1]}: FAILED: {e}", file=sys.stderr)
        log = os.path.join(session.root, "vorel.log")
        if os.path.exists(log):
            print(open(log).read()[-3000:], file=sys.stderr)
        return 1
    finally:
        session.close()


if __name__ == "__main__":
    sys.exit(main(sys.argv))
