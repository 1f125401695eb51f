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
import select
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


def start_reporting(what, command):
    """Starts a server that writes a line to the pipe it is handed once it is ready (command(fd)
    is its command line), and returns the process and that line. A server that does not report
    in time is stopped."""
    read_fd, write_fd = os.pipe()
    process = subprocess.Popen(command(write_fd), pass_fds=(write_fd,),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               start_new_session=True)
    os.close(write_fd)
    line = b""
    try:
        deadline = time.monotonic() + TIMEOUT
        while not line.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            if remaining <= 0 or not select.select([read_fd], [], [], remaining)[0]:
                raise Failure(f"{what} did not start")
            chunk = os.read(read_fd, 256)
            if not chunk:
                raise Failure(f"{what} ended at start")
            line += chunk
    except Failure:
        os.killpg(process.pid, signal.SIGKILL)
        process.wait()
        raise
    finally:
        os.close(read_fd)
    return process, line.decode().strip()


class Session:
    def __init__(self, build_dir, window_manager=False):
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
        self.others = []
        self.display = None
        self.wm = None
        self.helpers = []  # the session bus, the accessibility bus, a compositor
        self.extra_env = {}  # set, or removed where None, in every process's environment
        self._start_xvfb()
        if window_manager:
            self._start_window_manager()

    # -- processes -------------------------------------------------------------------------

    def _start_xvfb(self):
        self.xvfb, number = start_reporting(
            "Xvfb", lambda fd: ["Xvfb", "-displayfd", str(fd), "-screen", "0", "1024x768x24",
                                "-nolisten", "tcp", "-noreset"])
        self.display = ":" + number

    def _start_window_manager(self):
        """openbox, as a user's desktop has one: windows get frames, and positions mean them."""
        self.wm = subprocess.Popen(["openbox", "--sm-disable"], env=self.env(),
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                                   start_new_session=True)
        # openbox owns the screen once it has set its check window on the root.
        self.wait_for("openbox", lambda: "_NET_SUPPORTING_WM_CHECK(WINDOW)" in
                      self.x("xprop", "-root", "_NET_SUPPORTING_WM_CHECK"))

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
        for key, value in self.extra_env.items():
            if value is None:
                env.pop(key, None)
            else:
                env[key] = value
        return env

    def start_helper(self, args, env=None):
        p = subprocess.Popen(args, env=env or self.env(), stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL, start_new_session=True)
        self.helpers.append(p)
        return p

    def start_accessibility(self):
        """A session bus of its own with the accessibility bus on it, as a desktop has, and Qt's
        bridge to it on, as a screen reader running would turn it on."""
        bus, address = start_reporting(
            "the session bus",
            lambda fd: ["dbus-daemon", "--session", "--nofork", f"--print-address={fd}"])
        self.helpers.append(bus)
        self.extra_env.update(DBUS_SESSION_BUS_ADDRESS=address,
                              QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        # This process reads the accessibility tree through the same bus.
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = self.extra_env["DBUS_SESSION_BUS_ADDRESS"]
        self.start_helper(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])

    def _start_vorel(self):
        return subprocess.Popen([os.path.join(self.prog, "vorel")], cwd=self.work,
                                env=self.env(), stdout=self.vorel_log,
                                stderr=subprocess.STDOUT, start_new_session=True)

    def start(self):
        self.vorel_log = open(os.path.join(self.root, "vorel.log"), "w")
        self.vorel = self._start_vorel()

    def start_another(self):
        """A second Vorel on the same display, home and program folder: the same register."""
        process = self._start_vorel()
        self.others.append(process)
        return process

    def wait_exit(self, timeout=TIMEOUT):
        try:
            return self.vorel.wait(timeout)
        except subprocess.TimeoutExpired:
            raise Failure("Vorel did not end")

    def close(self):
        for p in [self.vorel, *self.others, self.wm] + self.helpers[::-1] + [self.xvfb]:
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
        # The search sees the Latin-1 window name: non-ASCII characters match any character
        # there, and the UTF-8 names found are then compared exactly.
        pattern = ("^" + "".join(c if ord(c) < 128 else ".+" for c in re.escape(title)) + "$"
                   if title is not None else ".*")
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
            if title is None or name == title:
                found.append((wid, name))
        return found

    def window_of(self, process, title, timeout=TIMEOUT):
        """The visible window of one process with the given title."""
        def found():
            mine = []
            for wid, _ in self.windows(title):
                try:
                    pid = self.x("xdotool", "getwindowpid", wid).strip()
                except subprocess.CalledProcessError:
                    continue
                if pid == str(process.pid):
                    mine.append(wid)
            return mine
        self.wait_for(f"the window '{title}' of process {process.pid}", lambda: found(), timeout)
        return found()[-1]

    def is_program_window(self, wid):
        try:
            return '"vorel"' in self.x("xprop", "-id", wid, "WM_CLASS")
        except subprocess.CalledProcessError:
            return False

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

    def frame(self, wid):
        """The window's frame (x, y, width, height): its client rectangle grown by the
        frame extents the window manager announces, once it has announced them."""
        x, y, w, h = self.geometry(wid)
        out = self.x("xprop", "-id", wid, "_NET_FRAME_EXTENTS")
        m = re.search(r"=\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+)", out)
        if not m:
            return None
        left, right, top, bottom = map(int, m.groups())
        return (x - left, y - top, w + left + right, h + top + bottom)

    # -- input ------------------------------------------------------------------------------

    def focus(self, wid):
        self.x("xdotool", "windowfocus", "--sync", wid)

    def key(self, wid, *keys):
        self.focus(wid)
        self.x("xdotool", "key", "--clearmodifiers", "--delay", "30", *keys)

    def type(self, wid, text):
        self.focus(wid)
        # xdotool reads the text in its locale's encoding: UTF-8, whichever locales exist.
        run(["xdotool", "type", "--clearmodifiers", "--delay", "30", text],
            env=dict(self.env(), LC_ALL="C.UTF-8"))

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
    if (x, y) != (10, 10) or (w, h) != (516, 50):
        raise Failure(f"main window at {(x, y, w, h)}, expected (10, 10, 516, 50)")
    others = [t for wid, t in s.windows() if t != "Vorel" and s.is_program_window(wid)]
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


FRENCH_DAYS = ["lundi", "mardi", "mercredi", "jeudi", "vendredi", "samedi", "dimanche"]
FRENCH_MONTHS = ["janvier", "février", "mars", "avril", "mai", "juin", "juillet", "août",
                 "septembre", "octobre", "novembre", "décembre"]
EDITOR = "Fichier des noms et des dates de naissance "
SAMPLE = record(b"MARTIN PAUL HENRI", b"14/03/1962")


def caption(name, day, month, year, sign):
    import datetime
    weekday = FRENCH_DAYS[datetime.date(year, month, day).weekday()]
    return f"{name} ({weekday} {day:02d} {FRENCH_MONTHS[month - 1]} {year} - {sign})"


DUPONT_TITLE = caption("DUPONTDURAND JEAN", 5, 3, 1962, "Poissons")


def report_of_second_person(s, main, title, before_ok=None):
    """"&Vorel", the second row of the chooser, OK: the report window with title."""
    s.key(main, "alt+v")
    chooser = s.wait_window("Choix d'une personne")
    s.click(chooser, 100, 75)  # rows are 20 pixels under a 20-pixel heading
    if before_ok:
        before_ok(chooser)
    s.key(chooser, "Return")
    return s.wait_window(title)


def fill_entry(s, entry, name, day, month, year):
    """Types a person into the entry dialog, from field to field with Tab, as a user does."""
    s.type(entry, name)
    for value in (day, month, year):
        s.key(entry, "Tab")
        s.type(entry, value)


def write_two_persons(s):
    """A register beside the program: the sample person, then DUPONTDURAND JEAN."""
    with open(os.path.join(s.prog, "VOREL.DAT"), "wb") as f:
        f.write(SAMPLE + record(b"DUPONTDURAND JEAN", b"05/03/1962"))


def read_register(s):
    """The register in the user's data folder, where it goes when none is beside the program."""
    path = os.path.join(s.home, ".local", "share", "vorel", "VOREL.DAT")
    return open(path, "rb").read() if os.path.exists(path) else b""


def scenario_register(s):
    s.start()
    main = s.wait_window("Vorel")
    s.key(main, "alt+f")
    editor = s.wait_window(EDITOR)
    s.click(editor, 516, 88)  # "Ajouter"
    entry = s.wait_window("Ajouter")
    # Lower case, a hyphen and digits: the name field keeps letters and spaces, in capitals.
    fill_entry(s, entry, "Dupont-Durand jean2", "5", "3", "62")
    s.key(entry, "Return")
    s.wait_gone("Ajouter")
    s.click(editor, 516, 345)  # OK: the close query asks whether to save
    question = s.wait_window("Confirmation")
    s.key(question, "alt+o")
    s.wait_gone(EDITOR)
    data = read_register(s)
    if len(data) != 534:
        raise Failure(f"VOREL.DAT holds {len(data)} bytes, expected 534")
    if data[:267] != SAMPLE:
        raise Failure("the first record is not the sample person")
    if data[267:] != record(b"DUPONTDURAND JEAN", b"05/03/1962"):
        raise Failure(f"second record: {data[267:268 + data[267]]!r} {data[524:524 + data[523]]!r}")
    if os.path.exists(os.path.join(s.prog, "VOREL.DAT")):
        raise Failure("the register was saved in the program folder")
    s.key(main, "alt+q")
    s.wait_exit()


def add_person_and_save(s, main, name, day, month, year):
    """"&Fichier", "Ajouter" a person, OK, and "Oui" to the save question."""
    s.key(main, "alt+f")
    editor = s.wait_window(EDITOR)
    s.click(editor, 516, 88)  # "Ajouter"
    entry = s.wait_window("Ajouter")
    fill_entry(s, entry, name, day, month, year)
    s.key(entry, "Return")
    s.wait_gone("Ajouter")
    s.click(editor, 516, 345)  # OK
    question = s.wait_window("Confirmation")
    s.key(question, "alt+o")
    return question


def scenario_two_programs(s):
    """Two Vorel on one register, a person added and saved in each: the second is asked
    whether to add its changes to the file the first changed, and no one is lost."""
    write_two_persons(s)
    s.start()
    first_main = s.window_of(s.vorel, "Vorel")
    second = s.start_another()
    second_main = s.window_of(second, "Vorel")
    add_person_and_save(s, first_main, "Premier Ajout", "1", "2", "1990")
    s.wait_gone(EDITOR)
    first_question = add_person_and_save(s, second_main, "Second Ajout", "3", "4", "1991")
    # The save question closes and the next one opens under the same title.
    s.wait_for("the question about the other program's changes",
               lambda: [w for w, _ in s.windows("Confirmation") if w != first_question])
    question = [w for w, _ in s.windows("Confirmation") if w != first_question][-1]
    text = s.message_box_text(question)
    if "modifié par un autre programme depuis son ouverture" not in text:
        raise Failure(f"the second program did not ask about the other's changes: {text!r}")
    s.key(question, "alt+o")  # Oui: add its changes to the file as it now is
    s.wait_gone(EDITOR)
    data = open(os.path.join(s.prog, "VOREL.DAT"), "rb").read()
    expected = (SAMPLE + record(b"DUPONTDURAND JEAN", b"05/03/1962") +
                record(b"PREMIER AJOUT", b"01/02/1990") + record(b"SECOND AJOUT", b"03/04/1991"))
    if data != expected:
        names = [data[i + 1:i + 1 + data[i]] for i in range(0, len(data), 267)]
        raise Failure(f"the register holds {names}")
    s.key(second_main, "alt+q")
    s.key(first_main, "alt+q")
    s.wait_exit()


def save_reopen_print(s, main, report, name, expected_text):
    """Saves the report as NAME.RTF, reopens it and prints it to a PDF file: each holds
    expected_text."""
    s.click(report, 20, 16)  # "Enregistrer"
    dialog = s.wait_window("Enregistrer le vorel dans un fichier texte")
    s.type(dialog, name)
    s.key(dialog, "Return")
    report = s.wait_window(name + ".RTF")
    path = os.path.join(s.work, name + ".RTF")
    saved = run(["pandoc", "-f", "rtf", "-t", "plain", "--wrap=none", path])
    if expected_text not in saved:
        raise Failure(f"{name}.RTF does not hold {expected_text!r}")
    s.key(main, "alt+o")
    dialog = s.wait_window("Ouvrir un fichier texte")
    s.type(dialog, path)
    s.key(dialog, "Return")
    s.wait_gone("Ouvrir un fichier texte")
    report = s.wait_window(name + ".RTF")
    before = s.clipboard()
    s.click(report, 84, 16)  # "Copier dans le Presse-papiers": the whole text reopened
    s.wait_for("the copy", lambda: s.clipboard() != before)
    if expected_text not in s.clipboard().replace("\u00a0", " "):
        raise Failure(f"the reopened {name}.RTF does not show {expected_text!r}")
    # No printer here: the print dialog offers a PDF file in the home folder.
    pdf = os.path.join(s.home, "print.pdf")
    if os.path.exists(pdf):
        os.remove(pdf)
    s.click(report, 52, 16)  # "Imprimer"
    dialog = s.wait_window("Imprimer")
    s.key(dialog, "Return")
    s.wait_gone("Imprimer")
    s.wait_for("the PDF file", lambda: os.path.exists(pdf) and os.path.getsize(pdf) > 1000)
    time.sleep(0.5)
    printed = run(["pdftotext", "-layout", pdf, "-"]).replace("\u00a0", " ")
    if " ".join(expected_text.split()) not in " ".join(printed.split()):
        raise Failure(f"the printed {name} does not hold {expected_text!r}")


def scenario_wm_theme_and_couple(s):
    """The thème and the two-person report from the toolbar, under a window manager: each
    composed, saved, reopened and printed."""
    write_two_persons(s)
    s.start()
    main = s.wait_window("Vorel")
    x, y, w, h = s.geometry(main)
    if (w, h) != (516, 50):
        raise Failure(f"the main window is {w} x {h}, not 516 x 50")
    s.key(main, "alt+t")
    chooser = s.wait_window("Choix d'une personne")
    s.click(chooser, 100, 75)  # the second row
    s.key(chooser, "Return")
    report = s.wait_window("Thème de " + caption("DUPONTDURAND JEAN", 5, 3, 1962, "Poissons"))
    save_reopen_print(s, main, report, "theme", "La grille d'inclusion")
    s.key(main, "alt+c")
    chooser = s.wait_window("Choix de la première personne")
    s.key(chooser, "Return")  # the chooser kept the second row, the last one
    chooser = s.wait_window("Choix de la seconde personne")
    s.key(chooser, "Return")  # it starts on the row before the last
    report = s.wait_window("DUPONTDURAND JEAN et MARTIN PAUL HENRI")
    save_reopen_print(s, main, report, "couple", "Vos chemins de vie ensemble")
    s.key(main, "alt+q")
    s.wait_exit()


def scenario_report(s):
    write_two_persons(s)
    s.start()
    main = s.wait_window("Vorel")
    title = DUPONT_TITLE
    report = report_of_second_person(s, main, title)
    s.click(report, 20, 16)  # "Enregistrer"
    dialog = s.wait_window("Enregistrer le vorel dans un fichier texte")
    s.type(dialog, "dupont")
    s.key(dialog, "Return")
    s.wait_gone("Enregistrer le vorel dans un fichier texte")
    s.wait_window("dupont.RTF")
    path = os.path.join(s.work, "dupont.RTF")
    if not os.path.exists(path):
        raise Failure(f"no dupont.RTF in the working folder: {os.listdir(s.work)}")
    import json
    doc = json.loads(run(["pandoc", "-f", "rtf", "-t", "json", path]))

    def text(inlines):
        out = ""
        for i in inlines:
            if i["t"] == "Str":
                out += i["c"]
            elif i["t"] in ("Space", "SoftBreak"):
                out += " "
            elif i["t"] in ("Strong", "Emph", "Underline"):
                out += text(i["c"])
        return out

    paras = [(b["c"], text(b["c"])) for b in doc["blocks"] if b["t"] in ("Para", "Plain")]
    bold = lambda inlines: all(i["t"] in ("Strong", "Space") for i in inlines)
    texts = [t for _, t in paras]
    if "Vorel de " + title not in texts:
        raise Failure(f"no title line in {texts[:3]}")
    headings = ["Vos désirs profonds, vos espoirs, bref ce que vous tendez à rechercher et à "
                "apprécier, sera caractérisé par les tendances suivantes :",
                "Comment les autres vous perçoivent, tant au plan physique que moral :",
                "Capacités ou aptitudes professionnelles à développer :",
                "Impact important dans votre vie socio-professionnelle, cette analyse porte "
                "autant sur le caractère que sur la destinée :"]
    for h in headings:
        found = [c for c, t in paras if t == h]
        if not found or not bold(found[0]):
            raise Failure(f"heading not found in bold: {h}")
    for label in ("Vos nombres de chance : ", "Vos jours de chance : ",
                  "Vos périodes de chance : "):
        found = [c for c, t in paras if t.startswith(label)]
        if not found or not bold(found[0]):
            raise Failure(f"lucky line not found in bold: {label}")
    # An edit makes the report unsaved again; quitting the program still asks nothing.
    report = s.wait_window("dupont.RTF")
    s.type(report, "x")
    s.key(main, "alt+q")
    s.wait_exit()
    # The file dialog kept its memory out of the configuration folder.
    if os.listdir(s.config) != ["vorel.ini"]:
        raise Failure(f"the configuration folder holds {sorted(os.listdir(s.config))}")


def scenario_placement(s):
    s.start()
    main = s.wait_window("Vorel")
    s.x("xdotool", "windowmove", "--sync", main, "200", "150")
    s.wait_for("the move", lambda: s.geometry(main)[:2] == (200, 150))
    s.key(main, "alt+q")
    s.wait_exit()
    ini = open(os.path.join(s.config, "vorel.ini"), "rb").read().decode("latin-1")
    if "[MainW]\r\nx=200\r\ny=150\r\n" not in ini or "[AnalWin]\r\n" not in ini:
        raise Failure(f"vorel.ini holds {ini!r}")
    s.start()
    main = s.wait_window("Vorel")
    if s.geometry(main)[:2] != (200, 150):
        raise Failure(f"main window at {s.geometry(main)} after the restart")
    s.key(main, "alt+q")
    s.wait_exit()


def scenario_badfiles(s):
    with open(os.path.join(s.prog, "VOREL.DAT"), "wb") as f:
        f.write(SAMPLE + record(b"DURAND ANNE", b"01/06/1980") + b"\x05" * 100)
    s.start()
    box = s.wait_window("Vorel")  # the error box comes before the main window
    text = s.message_box_text(box)
    if "Lecture au-delà de la fin de fichier." not in text:
        raise Failure(f"the error box says {text!r}")
    s.key(box, "Return")
    s.wait_for("the main window", lambda: len(s.windows("Vorel")) == 1)
    main = s.wait_window("Vorel")
    # The whole records were kept: the second person can be chosen.
    report_of_second_person(s, main, caption("DURAND ANNE", 1, 6, 1980, "Gémeaux"))
    # A file that is not RTF opens as plain text.
    with open(os.path.join(s.work, "notes.txt"), "wb") as f:
        f.write("première ligne\r\nseconde ligne\n".encode("cp1252"))
    s.key(main, "alt+o")
    question = s.wait_window("Confirmation")
    s.key(question, "alt+n")
    dialog = s.wait_window("Ouvrir un fichier texte")
    s.type(dialog, "notes.txt")
    s.key(dialog, "Return")
    report = s.wait_window("notes.txt")
    before = s.clipboard()
    s.click(report, 84, 16)  # "Copier dans le Presse-papiers": the whole text
    s.wait_for("the copy", lambda: s.clipboard() != before)
    if s.clipboard() != "première ligne\nseconde ligne":
        raise Failure(f"the report window shows {s.clipboard()!r}")
    # A named pipe that nobody writes to: refused at once, and the program goes on.
    os.mkfifo(os.path.join(s.work, "pipe.RTF"))
    s.key(main, "alt+o")
    dialog = s.wait_window("Ouvrir un fichier texte")
    s.type(dialog, "pipe.RTF")
    s.key(dialog, "Return")
    s.wait_for("the error box", lambda: len(s.windows("Vorel")) == 2, timeout=10)
    box = [wid for wid, _ in s.windows("Vorel") if wid != main][0]
    text = s.message_box_text(box)
    expected = "Impossible d'ouvrir le fichier " + os.path.join(s.work, "pipe.RTF") + "."
    if expected not in text:
        raise Failure(f"the error box says {text!r}")
    s.key(box, "Return")
    s.wait_for("the error box to close", lambda: len(s.windows("Vorel")) == 1)
    s.key(main, "alt+q")
    s.wait_exit()


def scenario_screenshots(s, out_dir):
    """A picture of every window, for the README and for looking at."""
    os.makedirs(out_dir, exist_ok=True)
    shot = lambda wid, name: s.x("import", "-window", wid, os.path.join(out_dir, name + ".png"))
    with open(os.path.join(s.prog, "VOREL.DAT"), "wb") as f:
        f.write(SAMPLE + record(b"DURAND ANNE MARIE", b"01/06/1980") +
                record(b"LEFEBVRE CHRISTOPHE", b"29/02/1984") + record(b"ROUSSEAU ELODIE", b"17/11/1991"))
    s.start()
    logo = s.wait_window("Vorel pour Windows")
    time.sleep(0.5)  # let it paint
    shot(logo, "logo")
    main = s.wait_window("Vorel")
    time.sleep(0.3)
    shot(main, "main")
    s.key(main, "alt+f")
    editor = s.wait_window(EDITOR)
    time.sleep(0.3)
    shot(editor, "register-editor")
    s.click(editor, 516, 88)
    entry = s.wait_window("Ajouter")
    fill_entry(s, entry, "Moreau Helene", "8", "9", "1975")
    time.sleep(0.3)
    shot(entry, "entry-dialog")
    s.key(entry, "Escape")
    s.wait_gone("Ajouter")
    s.click(editor, 516, 345)
    s.wait_gone(EDITOR)
    def shoot_chooser(chooser):
        time.sleep(0.3)
        shot(chooser, "chooser")

    report = report_of_second_person(s, main, caption("DURAND ANNE MARIE", 1, 6, 1980, "Gémeaux"),
                                     shoot_chooser)
    s.x("xdotool", "windowsize", "--sync", report, "760", "560")
    time.sleep(0.5)
    shot(report, "report")
    # The thème of the same person, scrolled to its grid and its lessons.
    s.key(main, "alt+t")
    chooser = s.wait_window("Choix d'une personne")
    s.key(chooser, "Return")
    report = s.wait_window("Thème de " + caption("DURAND ANNE MARIE", 1, 6, 1980, "Gémeaux"))
    s.key(report, "ctrl+End")
    s.key(report, "ctrl+Home")
    for _ in range(4):
        s.key(report, "Page_Down")
    time.sleep(0.5)
    shot(report, "theme")
    s.key(main, "alt+p")
    about = s.wait_window("A propos")
    time.sleep(0.3)
    shot(about, "about")
    s.key(about, "Return")
    s.wait_gone("A propos")
    s.key(main, "alt+a")
    help_window = s.wait_window("Aide de Vorel")
    time.sleep(0.5)
    shot(help_window, "help")
    s.key(main, "alt+q")
    s.wait_exit()
    # The register editor in a dark theme, as a desktop in its dark style gives it.
    s.extra_env.update(QT_QPA_PLATFORMTHEME="gtk3", GTK_THEME="Adwaita:dark")
    s.start()
    main = s.wait_window("Vorel")
    s.key(main, "alt+f")
    editor = s.wait_window(EDITOR)
    s.key(editor, "shift+Tab")  # the focus on the grid
    time.sleep(0.3)
    shot(editor, "register-editor-dark")
    s.key(editor, "Escape")
    s.wait_gone(EDITOR)
    s.key(main, "alt+q")
    s.wait_exit()


def scenario_install(s):
    """scripts/install into a fresh home: a menu entry whose command starts the program."""
    script = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts",
                          "install")
    target = os.path.join(s.home, "apps", "vorel")
    env = dict(s.env(), VOREL_BUILD_DIR=s.build_dir)
    env.pop("XDG_DATA_HOME", None)
    run([script, target], env=env)
    entry_path = os.path.join(s.home, ".local", "share", "applications", "vorel.desktop")
    icon = os.path.join(s.home, ".local", "share", "icons", "hicolor", "256x256", "apps",
                        "vorel.png")
    if not os.path.exists(entry_path) or not os.path.exists(icon):
        raise Failure("no menu entry or no icon")
    for name in ("vorel", "vorel-report", "VOREL.HLP"):
        if not os.path.exists(os.path.join(target, name)):
            raise Failure(f"{name} is not in the program folder")
    entry = dict(line.split("=", 1) for line in open(entry_path, encoding="utf-8")
                 if "=" in line)
    if entry.get("Icon", "").strip() != "vorel" or entry.get("Name", "").strip() != "Vorel":
        raise Failure(f"the menu entry reads {entry}")
    import shlex
    command = shlex.split(entry["Exec"].strip())
    s.vorel = subprocess.Popen(command, cwd=entry["Path"].strip(), env=s.env(),
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               start_new_session=True)
    main = s.wait_window("Vorel")
    s.key(main, "alt+q")
    s.wait_exit()


def scenario_undo(s):
    """Undo takes back the user's own edits, never the report as composed or opened; Ctrl+Y
    redoes as Ctrl+Shift+Z does."""
    write_two_persons(s)
    s.start()
    main = s.wait_window("Vorel")
    report = report_of_second_person(s, main, DUPONT_TITLE)

    def text():
        """The whole report, as the copy button puts it on the clipboard."""
        # xclip stays on as the clipboard's owner: it must not hold our pipes.
        subprocess.run(["xclip", "-selection", "clipboard", "-i"], input=b"-", env=s.env(),
                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, check=True)
        s.wait_for("the marker", lambda: s.clipboard() == "-")
        s.click(report, 84, 16)
        s.wait_for("the copy", lambda: s.clipboard() != "-")
        return s.clipboard()

    composed = text()
    if not composed.startswith("\n\nVorel de DUPONTDURAND JEAN"):
        raise Failure(f"the report reads {composed[:60]!r}")
    s.key(report, "ctrl+z")
    if text() != composed:
        raise Failure("Ctrl+Z took the composed report away")
    s.type(report, "Z")  # the caret is at the start
    steps = [("ctrl+z", False), ("ctrl+y", True), ("ctrl+z", False), ("ctrl+shift+z", True),
             ("ctrl+z", False)]
    for keys, edited in steps:
        s.key(report, keys)
        expected = "Z" + composed if edited else composed
        if text() != expected:
            raise Failure(f"after {keys} the report begins {text()[:20]!r}")
    s.click(report, 20, 16)  # "Enregistrer"
    dialog = s.wait_window("Enregistrer le vorel dans un fichier texte")
    s.type(dialog, "undo")
    s.key(dialog, "Return")
    s.wait_window("undo.RTF")
    # Opened again, the same: Ctrl+Z leaves the text, and it is not taken for an edit.
    for _ in range(2):
        s.key(main, "alt+o")
        dialog = s.wait_window("Ouvrir un fichier texte")
        if s.windows("Confirmation"):
            raise Failure("opening asked to save a report that was not changed")
        s.type(dialog, "undo.RTF")
        s.key(dialog, "Return")
        s.wait_gone("Ouvrir un fichier texte")
        report = s.wait_window("undo.RTF")
        s.key(report, "ctrl+z")
        if text().strip() != composed.strip():
            raise Failure("Ctrl+Z took the opened report away")
    s.key(main, "alt+q")
    s.wait_exit()


# -- through the accessibility bus ---------------------------------------------------------
# What a screen reader is told: every window's tree, read as it reads it.

# Controls a screen reader must be able to name; Qt's own parts (scroll bars, viewports,
# fillers) are not among them.
NAMED_ROLES = {"push button", "toggle button", "text", "password text", "table", "link"}


class ScreenReader:
    def __init__(self, s):
        import pyatspi  # once the session bus is in this process's environment
        self.pyatspi = pyatspi
        self.s = s

    def application(self):
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name == "Vorel":
                return app
        return None

    def top_levels(self):
        app = self.application()
        return [app.getChildAtIndex(i) for i in range(app.childCount)] if app else []

    def window(self, role, name, timeout=TIMEOUT):
        """The top-level window with that role and name, once it is on the screen."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if self.s.vorel and self.s.vorel.poll() is not None:
                raise Failure(f"Vorel ended while waiting for the {role} '{name}'")
            try:
                for w in self.top_levels():
                    if (w is not None and w.getRoleName() == role and w.name == name and
                            w.getState().contains(self.pyatspi.STATE_SHOWING)):
                        return w
            except Exception:
                pass  # a window going while it is read
            time.sleep(0.1)
        raise Failure(f"no {role} '{name}' within {timeout} s")

    def gone(self, role, name, timeout=TIMEOUT):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            try:
                if not any(w is not None and w.getRoleName() == role and w.name == name and
                           w.getState().contains(self.pyatspi.STATE_SHOWING)
                           for w in self.top_levels()):
                    return
            except Exception:
                pass
            time.sleep(0.1)
        raise Failure(f"the {role} '{name}' did not go within {timeout} s")

    def walk(self, node, depth=0):
        """(role, name) of node and everything under it."""
        yield node.getRoleName(), node.name
        if depth < 12:
            for i in range(node.childCount):
                child = node.getChildAtIndex(i)
                if child is not None:
                    yield from self.walk(child, depth + 1)

    def find(self, node, role, name):
        if node.getRoleName() == role and node.name == name:
            return node
        for i in range(node.childCount):
            child = node.getChildAtIndex(i)
            found = self.find(child, role, name) if child is not None else None
            if found is not None:
                return found
        return None

    def press(self, window, name, role="push button"):
        """Presses a control as a screen reader's user does. A button that opens a modal dialog
        answers only when the dialog closes: that answer is not waited for."""
        from gi.repository import GLib
        control = self.find(window, role, name)
        if control is None:
            raise Failure(f"no {role} '{name}' in '{window.name}'")
        # No grace for a program just started either (-1): the dialog is the answer.
        self.pyatspi.setTimeout(1000, -1)
        try:
            control.queryAction().doAction(0)
        except GLib.GError:
            pass
        finally:
            self.pyatspi.setTimeout(25000, -1)


# Each window, and the names a screen reader must find in it (others may be there too).
A11Y_NAMES = {
    ("frame", "Vorel"): [("push button", n) for n in
                         ("Fichier", "Vorel", "Thème", "Couple", "Ouvrir", "Aide", "A propos",
                          "Quitter")],
    ("dialog", EDITOR): [("table", "Liste des personnes")] + [
        ("push button", n) for n in ("Ajouter", "Supprimer", "Modifier", "Trier", "OK")],
    ("dialog", "Ajouter"): [("text", n) for n in ("Nom et prénom(s)", "Jour", "Mois", "Année")] +
                           [("push button", "OK"), ("push button", "Annuler")],
    ("dialog", "Choix d'une personne"): [("table", "Liste des personnes"),
                                          ("push button", "OK"), ("push button", "Annuler")],
    ("frame", DUPONT_TITLE): [("push button", n) for n in ("Enregistrer", "Imprimer", "Copier")] +
                             [("text", "Texte du vorel")],
    ("dialog", "A propos"): [("image", "Icône de Vorel"), ("link", "vorel.example"),
                             ("push button", "OK")],
    ("frame", "Aide de Vorel"): [("document frame", "Aide de Vorel"),
                                 ("link", "Le programme et sa fenêtre principale"),
                                 ("link", "Ouvrir un bilan enregistré")],
}


def check_accessible(reader, role, title):
    window = reader.window(role, title)
    found = set()
    for r, name in reader.walk(window):
        if r in NAMED_ROLES and not name.strip():
            raise Failure(f"a {r} without a name in '{title}'")
        found.add((r, name))
    missing = [e for e in A11Y_NAMES[(role, title)] if e not in found]
    if missing:
        raise Failure(f"'{title}' lacks {missing}; it holds {sorted(found)}")
    for w in reader.top_levels():
        if w is not None and w.getRoleName() not in ("frame", "dialog"):
            raise Failure(f"the window '{w.name}' reads as a {w.getRoleName()}")


def scenario_a11y(s):
    """Each window in turn, opened with the keyboard, walked as a screen reader walks it."""
    s.start_accessibility()
    write_two_persons(s)
    s.start()
    reader = ScreenReader(s)
    main = s.wait_window("Vorel")
    check_accessible(reader, "frame", "Vorel")
    s.key(main, "alt+f")
    editor = s.wait_window(EDITOR)
    check_accessible(reader, "dialog", EDITOR)
    s.key(editor, "alt+a")  # "&Ajouter"
    entry = s.wait_window("Ajouter")
    check_accessible(reader, "dialog", "Ajouter")
    s.key(entry, "Escape")
    s.wait_gone("Ajouter")
    s.key(editor, "Escape")  # nothing changed: it closes without a question
    s.wait_gone(EDITOR)
    s.key(main, "alt+v")
    chooser = s.wait_window("Choix d'une personne")
    check_accessible(reader, "dialog", "Choix d'une personne")
    s.click(chooser, 100, 75)
    s.key(chooser, "Return")
    s.wait_window(DUPONT_TITLE)
    check_accessible(reader, "frame", DUPONT_TITLE)
    s.key(main, "alt+p")
    about = s.wait_window("A propos")
    check_accessible(reader, "dialog", "A propos")
    s.key(about, "Return")
    s.wait_gone("A propos")
    s.key(main, "alt+a")
    s.wait_window("Aide de Vorel")
    check_accessible(reader, "frame", "Aide de Vorel")
    s.key(main, "alt+q")
    if s.wait_exit() != 0:
        raise Failure("Vorel did not end with status 0")


def scenario_wayland(s):
    """Natively on Wayland, a compositor without a screen: every window opens and closes, and
    the program ends well. Nothing types there, so a screen reader's presses drive it."""
    runtime = os.path.join(s.root, "wayland")
    os.makedirs(runtime, mode=0o700)
    s.extra_env.update(XDG_RUNTIME_DIR=runtime, WAYLAND_DISPLAY="wayland-vorel",
                       QT_QPA_PLATFORM="wayland", DISPLAY=None,
                       # The headless seat has no keyboard, and Qt's text input asks it for one
                       # as soon as a text field takes the focus: its compose input instead.
                       QT_IM_MODULE="compose")
    s.start_helper(["weston", "--backend=headless-backend.so", "--socket=wayland-vorel",
                    "--idle-time=0"])
    s.wait_for("the compositor", lambda: os.path.exists(os.path.join(runtime, "wayland-vorel")))
    s.start_accessibility()
    write_two_persons(s)
    s.start()
    reader = ScreenReader(s)
    main = reader.window("frame", "Vorel")
    reader.press(main, "Fichier")
    editor = reader.window("dialog", EDITOR)
    reader.press(editor, "Ajouter")
    entry = reader.window("dialog", "Ajouter")
    reader.press(entry, "Annuler")
    reader.gone("dialog", "Ajouter")
    reader.press(editor, "OK")
    reader.gone("dialog", EDITOR)
    reader.press(main, "Vorel")
    chooser = reader.window("dialog", "Choix d'une personne")
    reader.press(chooser, "OK")
    reader.window("frame", "MARTIN PAUL HENRI (mercredi 14 mars 1962 - Poissons)")
    reader.press(main, "A propos")
    about = reader.window("dialog", "A propos")
    reader.press(about, "OK")
    reader.gone("dialog", "A propos")
    reader.press(main, "Quitter")
    status = s.wait_exit()
    if status != 0:
        raise Failure(f"Vorel ended with status {status}")
    if "[MainW]" not in read_ini(s):
        raise Failure("vorel.ini was not written")


def scenario_accents(s):
    """On a French keyboard é is a key of its own: the name field takes it as E."""
    s.x("setxkbmap", "fr")
    s.start()
    main = s.wait_window("Vorel")
    s.key(main, "alt+f")
    editor = s.wait_window(EDITOR)
    s.key(editor, "alt+a")  # "&Ajouter"
    entry = s.wait_window("Ajouter")
    fill_entry(s, entry, "Hélène Dupré-Bœuf", "5", "3", "1962")
    s.key(entry, "Return")
    s.wait_gone("Ajouter")
    s.key(editor, "Escape")  # through the save question
    question = s.wait_window("Confirmation")
    s.key(question, "alt+o")
    s.wait_gone(EDITOR)
    data = read_register(s)
    if data[267:] != record(b"HELENE DUPREBOEUF", b"05/03/1962"):
        raise Failure(f"second record: {data[268:268 + data[267]]!r}")
    s.key(main, "alt+q")
    s.wait_exit()


# -- under a window manager ---------------------------------------------------------------
# openbox frames every window: a title bar and borders that the program does not draw. A
# position read or written by the program is the frame's, and a centred window is centred
# frame included.

SCREEN = (1024, 768)


def settled_frame(s, wid):
    """The frame once the window manager has framed the window and nothing moves any more."""
    last, since = None, time.monotonic()
    deadline = since + TIMEOUT
    while time.monotonic() < deadline:
        f = s.frame(wid)
        if f != last:
            last, since = f, time.monotonic()
        elif f is not None and time.monotonic() - since > 0.5:
            return f
        time.sleep(0.05)
    raise Failure(f"the frame of {wid} did not settle: {last}")


def check_centred(s, title):
    wid = s.wait_window(title)
    x, y, w, h = settled_frame(s, wid)
    off = (x + w / 2 - SCREEN[0] / 2, y + h / 2 - SCREEN[1] / 2)
    if abs(off[0]) > 1 or abs(off[1]) > 1:
        raise Failure(f"'{title}' stands at {(x, y, w, h)}: its centre is {off} off the screen's")
    return wid


def drag_title(s, wid, dx, dy):
    """Moves a window as a user does: by its title bar."""
    x, y, w, _ = settled_frame(s, wid)
    sx, sy = x + w // 2, y + 8
    s.x("xdotool", "mousemove", "--sync", str(sx), str(sy), "mousedown", "1")
    for i in range(1, 11):
        s.x("xdotool", "mousemove", "--sync", str(sx + dx * i // 10), str(sy + dy * i // 10))
    s.x("xdotool", "mouseup", "1")
    s.wait_for("the move", lambda: settled_frame(s, wid)[:2] == (x + dx, y + dy))


def read_ini(s):
    return open(os.path.join(s.config, "vorel.ini"), "rb").read().decode("latin-1")


def ini_values(ini, section):
    body = re.search(r"\[" + section + r"\]\r\n((?:[^\[].*\r\n)*)", ini)
    if not body:
        raise Failure(f"no [{section}] in {ini!r}")
    return dict(line.split("=", 1) for line in body.group(1).split("\r\n") if "=" in line)


def scenario_wm_centring(s):
    """The logo, the splash, the about dialog and the three register dialogs, centred from
    their first showing."""
    write_two_persons(s)
    write_bmp(os.path.join(s.work, "LOGICIEL.BMP"), 200, 120)
    s.start()
    for title in ("Vorel pour Windows", "Logiciel"):
        picture = check_centred(s, title)
        # A start-up picture: no frame, and a window type that keeps it off the task bar.
        if s.frame(picture)[2:] != s.geometry(picture)[2:]:
            raise Failure(f"'{title}' has a frame: {s.frame(picture)}")
        if "_NET_WM_WINDOW_TYPE_SPLASH" not in s.x("xprop", "-id", picture, "_NET_WM_WINDOW_TYPE"):
            raise Failure(f"'{title}' is not a start-up picture")
    main = s.wait_window("Vorel")
    if settled_frame(s, main)[:2] != (10, 10):
        raise Failure(f"the main window's frame stands at {settled_frame(s, main)}")
    s.key(main, "alt+p")
    about = check_centred(s, "A propos")
    s.key(about, "Return")
    s.wait_gone("A propos")
    s.key(main, "alt+f")
    editor = check_centred(s, EDITOR)
    s.click(editor, 516, 88)  # "Ajouter"
    entry = check_centred(s, "Ajouter")
    s.key(entry, "Escape")
    s.wait_gone("Ajouter")
    s.click(editor, 516, 345)  # OK; nothing changed, nothing asked
    s.wait_gone(EDITOR)
    s.key(main, "alt+v")
    chooser = check_centred(s, "Choix d'une personne")
    s.key(chooser, "Escape")
    s.wait_gone("Choix d'une personne")
    # A second showing stands where the first did.
    s.key(main, "alt+p")
    about = check_centred(s, "A propos")
    s.key(about, "Return")
    s.key(main, "alt+q")
    s.wait_exit()


def scenario_wm_placement(s):
    """Both windows' frames stand where the settings say, and are written back as they stand."""
    write_two_persons(s)
    title = DUPONT_TITLE
    s.start()
    main = s.wait_window("Vorel")
    if settled_frame(s, main)[:2] != (10, 10):
        raise Failure(f"first run: the main window's frame stands at {settled_frame(s, main)}")
    report = report_of_second_person(s, main, title)
    # The default centres a 600 x 300 window: (1024 - 600) / 2, (768 - 300) / 2.
    if settled_frame(s, report)[:2] != (212, 234):
        raise Failure(f"first run: the report window's frame stands at {settled_frame(s, report)}")
    drag_title(s, main, 190, 140)
    drag_title(s, report, -100, 60)
    main_frame, report_frame = settled_frame(s, main), settled_frame(s, report)
    _, _, report_w, report_h = s.geometry(report)
    s.key(main, "alt+q")
    s.wait_exit()
    ini = read_ini(s)
    expected = {"MainW": {"x": main_frame[0], "y": main_frame[1]},
                "AnalWin": {"x": report_frame[0], "y": report_frame[1], "w": report_w,
                            "h": report_h, "Maxi": 0}}
    for section, keys in expected.items():
        values = ini_values(ini, section)
        for key, value in keys.items():
            if values.get(key) != str(value):
                raise Failure(f"[{section}] {key}={values.get(key)}, expected {value}: {ini!r}")
    s.start()
    main = s.wait_window("Vorel")
    if settled_frame(s, main) != main_frame:
        raise Failure(f"second run: main window at {settled_frame(s, main)}, was {main_frame}")
    report = report_of_second_person(s, main, title)
    if settled_frame(s, report) != report_frame:
        raise Failure(f"second run: report window at {settled_frame(s, report)}, "
                      f"was {report_frame}")
    s.key(main, "alt+q")
    s.wait_exit()


def scenario_wm_maximised(s):
    """A report window kept maximised opens maximised; restored, its frame takes the design
    placement 231, 225, and that is what the settings then record."""
    with open(os.path.join(s.config, "vorel.ini"), "wb") as f:
        f.write(b"[AnalWin]\r\nMaxi=1\r\n")
    write_two_persons(s)
    s.start()
    main = s.wait_window("Vorel")
    report = report_of_second_person(s, main, DUPONT_TITLE)
    x, y, w, h = settled_frame(s, report)
    if w < SCREEN[0] - 2 or h < SCREEN[1] - 40:
        raise Failure(f"the report window opened at {(x, y, w, h)}, not maximised")
    # A double click on the title bar restores it, as a user does.
    s.x("xdotool", "mousemove", "--sync", str(x + w // 2), str(y + 8), "click", "--repeat", "2",
        "--delay", "80", "1")
    s.wait_for("the restore", lambda: settled_frame(s, report)[2] < SCREEN[0] - 100)
    frame = settled_frame(s, report)
    if frame[:2] != (231, 225):
        raise Failure(f"restored, the report window's frame stands at {frame}")
    s.key(main, "alt+q")
    s.wait_exit()
    values = ini_values(read_ini(s), "AnalWin")
    if (values.get("x"), values.get("y"), values.get("Maxi")) != ("231", "225", "0"):
        raise Failure(f"[AnalWin] holds {values}")


SCENARIOS = {
    "start": scenario_start,
    "splash": scenario_splash,
    "register": scenario_register,
    "report": scenario_report,
    "placement": scenario_placement,
    "badfiles": scenario_badfiles,
    "install": scenario_install,
    "undo": scenario_undo,
    "wm.centring": scenario_wm_centring,
    "wm.placement": scenario_wm_placement,
    "wm.maximised": scenario_wm_maximised,
    "twoprograms": scenario_two_programs,
    "wm.themeandcouple": scenario_wm_theme_and_couple,
    "a11y": scenario_a11y,
    "wayland": scenario_wayland,
    "accents": scenario_accents,
}


def main(argv):
    if len(argv) == 4 and argv[1] == "screenshots":
        session = Session(argv[2])
        try:
            scenario_screenshots(session, argv[3])
            return 0
        finally:
            session.close()
    if len(argv) != 3 or argv[1] not in SCENARIOS:
        print(__doc__, file=sys.stderr)
        print("scenarios: " + ", ".join(SCENARIOS), file=sys.stderr)
        return 2
    session = Session(argv[2], window_manager=argv[1].startswith("wm."))
    try:
        SCENARIOS[argv[1]](session)
        print(f"{argv[1]}: ok")
        return 0
    except (Failure, subprocess.CalledProcessError) as e:
        print(f"{argv[1]}: FAILED: {e}", file=sys.stderr)
        if shutil.which("import"):
            shot = os.path.join(tempfile.gettempdir(), f"vorel-e2e-{argv[1]}-failure.png")
            subprocess.run(["import", "-window", "root", shot], env=session.env(),
                           capture_output=True)
            print(f"screen at the failure: {shot}", file=sys.stderr)
        log = os.path.join(session.root, "vorel.log")
        if os.path.exists(log):
            print(open(log).read()[-3000:], file=sys.stderr)
        return 1
    finally:
        session.close()


if __name__ == "__main__":
    sys.exit(main(sys.argv))
