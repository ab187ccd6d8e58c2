#!/usr/bin/python3
"""One session of the real program against echolon-sim, as a user runs it.

Connect, read eight waveforms of every range of the instrument into the empty
library, write one of them back while the engine dialog and the exchange
window are minimised and restored, print the report to PDF, leave with
Ctrl+F10. Then the library file, the simulator's log and the PDF must show
what the user did, and only that.

Started by run.sh on a virtual display inside a session bus of its own. Every
wait has a time-out and a failure names its step; a screenshot of the moment
is left in the work folder. A watchdog (watchdog.py) asks the program's main
window for its place on the screen all along: when the program's UI thread
leaves it unanswered for longer than UI_STALL_LIMIT, the step fails, with the
UI thread's stack when gdb is at hand.
"""
import argparse
import os
import re
import signal
import sqlite3
import subprocess
import sys
import time

import pyatspi

APP_NAME = "Echolon 4.1"
EXCHANGE_TITLE = "connect with device"
ENGINE_TITLE = "Идет обмен данными..."
READ_HINT = "Прочитать выделенные рефлектограммы из прибора"
WRITE_HINT = "Записать выделенные рефлектограммы в прибор"
CLOSE_CAPTION = "Закрыть"
LIST_READS = 100    # the exchange window reads every bank's list entry
# Rows of the instrument list read into the library: the simulator's first
# eight waveforms, one of each range from 250 to 50,000 m, one of them zoomed.
MARKED_ROWS = tuple(range(8))
BANK_SIZE = 384     # data bytes of one short-frame bank

# The simulator answers at the real line speed, so answers reach the program
# in pieces as from a cable; the list of 100 banks takes some 45 s of the
# run. ECHOLON_E2E_SIM_ARGS= (empty) gives a quick run of about 10 s.
SIM_ARGS = os.environ.get("ECHOLON_E2E_SIM_ARGS", "--pace").split()
# Multiplies every time-out, for very slow machines.
SCALE = float(os.environ.get("ECHOLON_E2E_TIME_SCALE", "1"))
PACED = "--pace" in SIM_ARGS
# The longest the program's UI thread may leave the main window unanswered.
UI_STALL_LIMIT = 1.0 * SCALE


class Failed(Exception):
    pass


class Session:
    def __init__(self, bin_dir, work):
        self.bin = bin_dir
        self.work = work
        self.home = os.path.join(work, "home")
        self.link = os.path.join(self.home, "instrument")
        self.sim_log = os.path.join(work, "sim.log")
        self.pdf = os.path.join(work, "report.pdf")
        self.step = "start"
        self.procs = {}
        self.sim_stopped = False
        self.app_acc = None  # the program on the accessibility bus, once found
        self.stall_report = os.path.join(work, "ui-stall.txt")

    # ---- waiting -------------------------------------------------------

    def check_alive(self):
        if os.path.exists(self.stall_report):
            with open(self.stall_report) as f:
                raise Failed(f.read())
        prog = self.procs.get("echolon")
        if prog is not None and prog.poll() is not None and self.step != "exit":
            raise Failed(f"the program ended (status {prog.returncode}) "
                         f"during this step; its output is in {self.work}/echolon.out")
        sim = self.procs.get("echolon-sim")
        if sim is not None and sim.poll() is not None:
            raise Failed(f"the simulator ended (status {sim.returncode})")

    def check_messages(self):
        """A message box nobody asked for ends the step with its text."""
        if self.app_acc is None:
            return
        texts = []
        try:
            for w in self.app_acc:
                if w is not None and w.getRoleName() == "alert" and showing(w):
                    texts += [o.name for o in pyatspi.findAllDescendants(
                        w, lambda o: o.getRoleName() == "label" and o.name)]
        except Exception:
            return  # a window closing under the walk; the next round sees it
        if texts:
            raise Failed("the program shows a message: " + " / ".join(texts))

    def wait(self, what, fn, timeout, message_expected=False):
        end = time.monotonic() + timeout * SCALE
        last = None
        while True:
            self.check_alive()
            if not message_expected:
                self.check_messages()
            try:
                r = fn()
                if r:
                    return r
            except Failed:
                raise
            except Exception as e:  # objects vanish while windows close
                last = e
            if time.monotonic() > end:
                why = f" (last error: {last})" if last else ""
                raise Failed(f"timed out after {timeout * SCALE:.0f} s waiting for {what}{why}")
            time.sleep(0.05)

    # ---- processes -----------------------------------------------------

    def spawn(self, name, args):
        out = open(os.path.join(self.work, name + ".out"), "wb")
        # Same process group as the test: a time-out of the test run ends them too.
        self.procs[name] = subprocess.Popen(args, stdout=out, stderr=subprocess.STDOUT)
        return self.procs[name]

    def start_watchdog(self):
        self.spawn("watchdog", ["/usr/bin/python3", os.path.join(os.path.dirname(__file__), "watchdog.py"),
                                "--pid", str(self.procs["echolon"].pid), "--title-prefix", APP_NAME,
                                "--limit", str(UI_STALL_LIMIT), "--out", self.stall_report])

    def stop_watchdog(self):
        p = self.procs.pop("watchdog", None)
        if p is not None and p.poll() is None:
            p.terminate()
            p.wait(10)
        self.check_alive()  # a stall seen just before

    def stop_all(self):
        if self.sim_stopped:
            self.resume_sim()
        for name in ("watchdog", "echolon", "echolon-sim", "openbox"):
            p = self.procs.get(name)
            if p is None or p.poll() is not None:
                continue
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()

    def hold_sim(self):
        # One bank crosses the line in under a second, too short to minimise and
        # restore two windows on a loaded machine. Stopped, the instrument holds
        # back its acknowledgement, which the engine awaits for up to 30 s: the
        # write stays in progress for as long as the test needs.
        os.kill(self.procs["echolon-sim"].pid, signal.SIGSTOP)
        self.sim_stopped = True

    def resume_sim(self):
        os.kill(self.procs["echolon-sim"].pid, signal.SIGCONT)
        self.sim_stopped = False

    def screenshot(self, name):
        try:
            subprocess.run(["import", "-window", "root", os.path.join(self.work, name)],
                           timeout=20, check=False, stderr=subprocess.DEVNULL)
        except Exception:
            pass

    # ---- the desktop ---------------------------------------------------

    def app(self):
        return self.wait(f"the application '{APP_NAME}' on the accessibility bus",
                         lambda: next((a for a in pyatspi.Registry.getDesktop(0)
                                       if a is not None and a.name == APP_NAME), None), 30)

    def find(self, root, what, pred, timeout=15, message_expected=False):
        return self.wait(what, lambda: pyatspi.findDescendant(root, pred), timeout, message_expected)

    def find_named(self, root, name, role, timeout=15, message_expected=False):
        return self.find(root, f"{role} '{name}'",
                         lambda o: o.getRoleName() == role and o.name.replace("&", "") == name,
                         timeout, message_expected)

    def window(self, app, name, role="dialog", timeout=15):
        return self.wait(f"window '{name}'",
                         lambda: next((w for w in app if w.getRoleName() == role and w.name == name
                                       and showing(w)), None), timeout)

    def click(self, obj):
        # A real click: buttons that open a modal dialog would hold a
        # doAction call until the dialog closes.
        e = obj.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        xdotool("mousemove", str(e.x + e.width // 2), str(e.y + e.height // 2), "click", "1")

    def x_window(self, title):
        """The X window of the program with this exact title."""
        def lookup():
            pid = str(self.procs["echolon"].pid)
            ids = subprocess.run(["xdotool", "search", "--pid", pid], capture_output=True,
                                 text=True, timeout=10).stdout.split()
            for w in ids:
                name = subprocess.run(["xdotool", "getwindowname", w], capture_output=True,
                                      text=True, timeout=10).stdout.rstrip("\n")
                if name == title:
                    return w
            return None
        return self.wait(f"the X window '{title}'", lookup, 15)

    def minimise_and_restore(self, acc, title):
        """Iconify the window through the window manager and bring it back,
        each time until the program itself reports the new state."""
        w = self.x_window(title)
        xdotool("windowminimize", "--sync", w)
        self.wait(f"'{title}' iconified by the window manager", lambda: wm_state(w) == "Iconic", 15)
        # Qt names a minimised window by its icon text, empty here: the
        # program has seen the minimise.
        self.wait(f"the program to see '{title}' minimised", lambda: acc.name == "", 15)
        xdotool("windowactivate", "--sync", w)
        self.wait(f"'{title}' restored by the window manager", lambda: wm_state(w) == "Normal", 15)
        self.wait(f"the program to see '{title}' restored", lambda: acc.name == title, 15)


def showing(o):
    return o.getState().contains(pyatspi.STATE_SHOWING)


def checked(o):
    return o.getState().contains(pyatspi.STATE_CHECKED)


def xdotool(*args):
    subprocess.run(["xdotool", *args], check=True, timeout=20,
                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)


def wm_state(w):
    out = subprocess.run(["xprop", "-id", w, "WM_STATE"], capture_output=True, text=True,
                         timeout=10).stdout
    m = re.search(r"window state: (\w+)", out)
    return m.group(1) if m else None


def press(o):
    a = o.queryAction()
    a.doAction([a.getName(i) for i in range(a.nActions)].index("Press"))


def rows(table):
    return table.queryTable().nRows


def cell(table, row, col):
    return table.queryTable().getAccessibleAt(row, col)


def sim_log(path):
    """The simulator's log lines as words, without the time each starts with."""
    with open(path) as f:
        return [line.split()[1:] for line in f if line.strip()]


def rx_frames(path):
    """The frames the simulator received, as bytes, in order."""
    return [bytes.fromhex("".join(parts[2:])) for parts in sim_log(path) if parts and parts[0] == "rx"]


def describe(frames):
    """Frames as CODE/BANK, runs of reads of consecutive banks joined: 55/00..63."""
    out = []
    for f in frames:
        code, bank = f[0], f[1] if len(f) > 1 else -1
        if out and out[-1][0] == code == 0x55 and out[-1][2] + 1 == bank:
            out[-1][2] = bank
        else:
            out.append([code, bank, bank])
    return " ".join(f"{c:02X}/{a:02X}" + (f"..{b:02X}" if b != a else "") for c, a, b in out)


def run(s):
    os.makedirs(s.home)
    with open(os.path.join(s.home, "Echolon.v41"), "w") as f:
        f.write(f"[COM]\nPortNum=1\nShow=0\nDeviceName={s.link}\n")

    s.step = "start"
    s.spawn("openbox", ["openbox", "--sm-disable"])
    s.wait("the window manager", lambda: subprocess.run(
        ["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"], capture_output=True, text=True,
        timeout=10).stdout.find("window id") >= 0, 20)
    s.spawn("echolon-sim", [os.path.join(s.bin, "echolon-sim"), "--link", s.link,
                            "--log", s.sim_log, *SIM_ARGS])
    s.wait("the simulator's device link", lambda: os.path.islink(s.link) and os.path.exists(s.sim_log), 20)
    # --lang described: the texts the session looks for, whatever the locale.
    s.spawn("echolon", [os.path.join(s.bin, "echolon"), "--home", s.home, "--lang", "described"])
    app = s.app()
    s.app_acc = app
    main = s.wait("the main window", lambda: next(
        (w for w in app if w.getRoleName() == "frame" and w.name.startswith(APP_NAME) and showing(w)), None), 30)
    main_title = main.name
    s.start_watchdog()

    # ---- 1. connect: the exchange window reads the instrument's list ----
    s.step = "connect"
    s.click(s.find(main, "the Connect button", lambda o: o.getRoleName() == "push button"
                   and o.name.strip() in ("To open a waveforms", "Connect")))
    exchange = s.window(app, EXCHANGE_TITLE)
    engine = s.find(app, "the engine dialog", lambda o: o.getRoleName() == "dialog"
                    and o.name == ENGINE_TITLE, 15)
    device_list = s.find_named(exchange, "Instrument waveforms", "table")
    library = s.find_named(exchange, "Waveform library", "table")
    s.wait(f"{LIST_READS} list reads at the simulator",
           lambda: len(rx_frames(s.sim_log)) >= LIST_READS, 150 if PACED else 60)
    s.wait("the engine dialog to close after the list", lambda: not showing(engine), 20)
    s.wait("20 waveforms in the instrument list", lambda: rows(device_list) == 20, 15)

    # ---- 2. mark eight waveforms of the instrument and read them ----
    s.step = f"read {len(MARKED_ROWS)} waveforms"
    wanted = []
    for r in MARKED_ROWS:
        bank = int(cell(device_list, r, 2).name)
        name = cell(device_list, r, 3).name
        wanted.append((bank, name))
        mark = cell(device_list, r, 0)
        s.click(mark)
        s.wait(f"the mark of instrument row {r}", lambda: checked(mark), 10)
    s.click(s.find_named(exchange, READ_HINT, "push button"))
    s.wait("the marked waveforms in the library grid", lambda: sorted(
        cell(library, r, 3).name for r in range(rows(library))) == sorted(n for _, n in wanted), 30)
    s.wait("the engine dialog to close after the read", lambda: not showing(engine), 20)
    check_list_and_read(s, wanted)
    # The first waveforms of an empty library switch the main window's charts on.
    check_answers(s, main)

    # ---- 3. write one back while both windows go down and come back ----
    s.step = "write with minimise and restore"
    write_name = cell(library, 0, 3).name
    write_bank = int(cell(library, 0, 2).name)
    mark = cell(library, 0, 0)
    s.click(mark)
    s.wait("the mark of library row 0", lambda: checked(mark), 10)
    s.hold_sim()
    s.click(s.find_named(exchange, WRITE_HINT, "push button"))
    s.wait("the engine dialog to show for the write", lambda: showing(engine), 15)
    s.minimise_and_restore(engine, ENGINE_TITLE)
    s.minimise_and_restore(exchange, EXCHANGE_TITLE)
    s.screenshot("write-restored.png")
    # Give whatever the program does on restoring time to reach the line
    # before the instrument answers; a correct program does nothing here.
    time.sleep(1)
    s.resume_sim()
    # A wrong frame fails at once, not when the exchange is over.
    s.wait("the engine dialog to close after the write",
           lambda: check_write(s, write_bank, finished=False) or not showing(engine), 45)
    check_write(s, write_bank)
    s.wait("the exchange window to stay open after the write", lambda: showing(exchange), 5)
    press(s.find_named(exchange, CLOSE_CAPTION, "push button"))
    s.wait("the exchange window to close", lambda: not showing(exchange), 15)

    # ---- 4. print the report into a PDF file ----
    s.step = "print to PDF"
    s.click(s.find(main, "the Print button", lambda o: o.getRoleName() == "push button"
                   and o.name in ("To print the report", "Print")))
    preview = s.window(app, "Print preview", timeout=30)
    s.click(s.find_named(preview, "Print", "push button"))
    printing = s.window(app, "Print", timeout=30)
    s.find(printing, "the PDF printer", lambda o: o.getRoleName() == "combo box"
           and o.name == "Print to File (PDF)")
    out = s.find_named(printing, "Output file:", "text")
    # Printing to a file proposes the shown waveform's name in the Data folder.
    proposed = out.queryText().getText(0, -1)
    if os.path.dirname(proposed) != os.path.join(s.home, "Data") or \
            os.path.basename(proposed) not in [name + ".pdf" for _, name in wanted]:
        raise Failed(f"print to file proposes {proposed}, not a waveform's name in the Data folder")
    out.queryEditableText().setTextContents(s.pdf)
    s.wait("the output file name", lambda: out.queryText().getText(0, -1) == s.pdf, 10)
    press(s.find_named(printing, "Print", "push button"))
    s.wait("the preview to close after printing", lambda: not any(
        w.name == "Print preview" and showing(w) for w in app), 60, message_expected=True)
    s.wait("the PDF file", lambda: os.path.getsize(s.pdf) > 0, 30, message_expected=True)
    # The program says where the file went, in one message naming it.
    said = s.wait("the message naming the PDF file", lambda: next(
        (w for w in app if w.getRoleName() == "alert" and showing(w)
         and pyatspi.findDescendant(w, lambda o: o.getRoleName() == "label" and s.pdf in (o.name or ""))),
         None), 30, message_expected=True)
    press(s.find(said, "its OK button", lambda o: o.getRoleName() == "push button", message_expected=True))
    s.wait("the message to close", lambda: not showing(said), 15, message_expected=True)

    # ---- 5. leave with Ctrl+F10 ----
    s.step = "exit"
    s.stop_watchdog()
    xdotool("windowactivate", "--sync", s.x_window(main_title))
    xdotool("key", "ctrl+F10")
    alert = s.wait("the 'Exit?' question", lambda: next(
        (w for w in app if w.getRoleName() == "alert" and showing(w)
         and pyatspi.findDescendant(w, lambda o: o.name == "Exit?")), None), 15, message_expected=True)
    yes = s.find_named(alert, "Yes", "push button", message_expected=True)
    try:
        press(yes)
    except Exception:
        pass  # the program may be gone before it answers
    prog = s.procs["echolon"]
    s.wait("the program to end", lambda: prog.poll() is not None, 30, message_expected=True)
    if prog.returncode != 0:
        raise Failed(f"the program ended with status {prog.returncode}")

    check_library(s, wanted)
    check_quiet_line(s)
    check_written_block(s, write_bank, write_name)
    check_pdf(s, wanted)


def check_answers(s, window):
    """The window answers at once, and again after the watchdog's limit."""
    for _ in range(2):
        started = time.monotonic()
        window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        took = time.monotonic() - started
        if took > UI_STALL_LIMIT:
            raise Failed(f"the main window took {took:.1f} s to answer")
        time.sleep(UI_STALL_LIMIT)
        s.check_alive()


def check_library(s, wanted):
    s.step = "check the library file"
    db = sqlite3.connect(os.path.join(s.home, "Data", "ecl41_data.db"))
    got = db.execute("SELECT REC_ID, BANK_NUM, MEMO FROM master").fetchall()
    db.close()
    if sorted((b, n) for _, b, n in got) != sorted(wanted):
        raise Failed(f"table master holds {got}, expected the banks and names {wanted}")
    if len({r for r, _, _ in got}) != len(got):
        raise Failed(f"table master repeats a REC_ID: {got}")


def check_list_and_read(s, wanted):
    frames = rx_frames(s.sim_log)
    expected_list = [bytes([0x55, b]) for b in range(LIST_READS)]
    if frames[:LIST_READS] != expected_list:
        raise Failed("the list was not read as banks 0..99 in order: " + describe(frames[:LIST_READS]))
    read = frames[LIST_READS:]
    expected_read = sorted(bytes([0x55, b]) for b, _ in wanted)
    if sorted(read) != expected_read:
        raise Failed(f"the read of the marked banks should be {describe(expected_read)}; "
                     f"the line carried {describe(read)}")


def check_write(s, write_bank, finished=True):
    """The write of one bank is its frame, then the list entry of bank 0 read
    again; anything else on the line (a second copy of the frame, the list
    reads of a refresh) came from minimising and restoring the windows.
    Unfinished, what has arrived so far must begin that way."""
    write = rx_frames(s.sim_log)[LIST_READS + len(MARKED_ROWS):]
    expected = [(0x56, write_bank), (0x55, 0x00)]
    got = [(f[0], f[1]) for f in write]
    if got != expected if finished else got != expected[:len(got)]:
        raise Failed(f"the write of bank {write_bank} should reach the instrument as one 56 frame "
                     f"and the list read 55 00 after it, nothing else; the line carried "
                     f"{len(write)} frames: {describe(write)}")
    stored = [parts[-1] for parts in sim_log(s.sim_log) if parts[:3] == ["note", "stored", "bank"]]
    if stored != [str(write_bank)]:
        raise Failed(f"the instrument stored banks {stored}, expected [{write_bank}] once")


def check_quiet_line(s):
    s.step = "check the simulator's log"
    extra = rx_frames(s.sim_log)[LIST_READS + len(MARKED_ROWS) + 2:]
    if extra:
        raise Failed(f"the program spoke to the instrument after the write: {describe(extra)}")


def check_written_block(s, write_bank, write_name):
    s.step = "check the written block"
    frame = next(f for f in rx_frames(s.sim_log) if f[0] == 0x56)
    db = sqlite3.connect(os.path.join(s.home, "Data", "ecl41_data.db"))
    points = db.execute("SELECT POINTS FROM master WHERE BANK_NUM = ? AND MEMO = ?",
                        (write_bank, write_name)).fetchone()
    db.close()
    if points is None:
        raise Failed(f"no library row for bank {write_bank} '{write_name}'")
    if frame[2:2 + BANK_SIZE] != bytes(points[0][:BANK_SIZE]):
        raise Failed(f"the block written to bank {write_bank} is not the library's waveform '{write_name}'")


def check_pdf(s, wanted):
    s.step = "check the PDF"
    with open(s.pdf, "rb") as f:
        if f.read(5) != b"%PDF-":
            raise Failed(f"{s.pdf} is not a PDF file")
    text = subprocess.run(["pdftotext", "-layout", s.pdf, "-"], capture_output=True, text=True,
                          timeout=60).stdout
    if not any(name in text for _, name in wanted):
        raise Failed(f"the report names neither {[n for _, n in wanted]}; its text:\n{text[:2000]}")


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--bin", required=True)
    ap.add_argument("--work", required=True)
    args = ap.parse_args()
    s = Session(args.bin, args.work)
    started = time.monotonic()
    try:
        run(s)
    except Exception as e:
        s.screenshot("failure.png")
        why = str(e) if isinstance(e, Failed) else f"{type(e).__name__}: {e}"
        print(f"e2e FAILED in step '{s.step}': {why}", file=sys.stderr)
        if os.path.exists(s.sim_log):
            frames = rx_frames(s.sim_log)
            print(f"e2e: the instrument received {len(frames)} frames: {describe(frames)}", file=sys.stderr)
        return 1
    finally:
        s.stop_all()
    print(f"e2e passed in {time.monotonic() - started:.0f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
