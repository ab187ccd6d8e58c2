#!/usr/bin/python3
"""Watches that the program's UI thread keeps answering, for drive.py.

Asks the program's main window for its place on the screen, again and again,
over the accessibility bus; the program answers that on its UI thread. When
no answer has come for longer than --limit seconds, writes what it saw into
--out (the time, the length of the silence so far and, when gdb is there, the
UI thread's stack taken during the silence) and ends. drive.py fails its step
as soon as that file holds anything.

    watchdog.py --pid PID --title-prefix "Echolon 4.1" --limit 1.0 --out FILE
"""
import argparse
import shutil
import subprocess
import threading
import time

import pyatspi


def main_window(pid, prefix):
    for app in pyatspi.Registry.getDesktop(0):
        if app is None or app.get_process_id() != pid:
            continue
        for w in app:
            if w is not None and w.getRoleName() == "frame" and w.name.startswith(prefix):
                return w
    return None


def ui_stack(pid):
    if shutil.which("gdb") is None:
        return "(gdb is not installed: no stack)"
    try:
        out = subprocess.run(["gdb", "-p", str(pid), "-batch", "-ex", "thread apply 1 bt 40"],
                             capture_output=True, text=True, timeout=60).stdout
    except Exception as e:
        return f"(gdb failed: {e})"
    return "\n".join(line for line in out.splitlines() if line.startswith("#")) or out[-3000:]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--pid", type=int, required=True)
    ap.add_argument("--title-prefix", required=True)
    ap.add_argument("--limit", type=float, required=True)
    ap.add_argument("--out", required=True)
    args = ap.parse_args()

    last_answer = [None]  # monotonic time of the last answer, once there was one
    done = threading.Event()

    def watch():
        while not done.wait(0.05):
            since = last_answer[0]
            if since is None or time.monotonic() - since <= args.limit:
                continue
            silent = time.monotonic() - since
            stack = ui_stack(args.pid)
            with open(args.out, "w") as f:
                f.write(f"the program's UI thread left its main window unanswered for "
                        f"{silent:.1f} s (limit {args.limit:.1f} s), from "
                        f"{time.strftime('%H:%M:%S', time.localtime(time.time() - silent))}; "
                        f"the UI thread's stack then:\n{stack}\n")
            done.set()

    threading.Thread(target=watch, daemon=True).start()
    window = None
    while not done.is_set():
        try:
            if window is None:
                window = main_window(args.pid, args.title_prefix)
            if window is not None:
                window.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
                last_answer[0] = time.monotonic()
        except Exception:
            window = None  # looked up again; a silent program stays unanswered
        time.sleep(0.05)


if __name__ == "__main__":
    main()
