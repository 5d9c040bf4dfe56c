#!/usr/bin/env python3
"""Starts Windows programs under Wine one after another, many times, and times
each start as a player meets it: from launching the program until its main
window is mapped on the display (seen by xev on the root window) and until its
first paint of the board (the "board-painted" line the program writes to
standard error in a build with start-up markers). Also collects the programs'
own stamps. Prints medians and spreads, and ratios to the first program.

Usage: measure.py --runs N --loader WINELOADER NAME=PROGRAM.exe ...
The first NAME is the reference; DISPLAY and WINEPREFIX come from the caller.
"""
import argparse
import os
import re
import select
import signal
import statistics
import subprocess
import sys
import time

MAP_WINDOW = re.compile(r"^\s+event 0x[0-9a-f]+, window (0x[0-9a-f]+), override (YES|NO)")
MARKER = re.compile(r"^marker (\S+) ([0-9.]+)$")
TIMEOUT = 30.0


class RootEvents:
    """xev on the root window: the windows that become visible, as they do."""

    def __init__(self):
        self.process = subprocess.Popen(["xev", "-root", "-event", "substructure"], stdout=subprocess.PIPE,
                                        stderr=subprocess.DEVNULL, bufsize=0)
        self.buffer = b""
        self.pending_map = False

    def lines(self):
        data = os.read(self.process.stdout.fileno(), 65536)
        if not data:
            raise RuntimeError("xev ended")
        self.buffer += data
        *complete, self.buffer = self.buffer.split(b"\n")
        return [line.decode(errors="replace") for line in complete]

    def close(self):
        self.process.terminate()
        self.process.wait()


def start_once(loader, program, events):
    """One start: returns (visible, painted, stamps) in milliseconds since launch."""
    launched = time.monotonic()
    child = subprocess.Popen([loader, program], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                             stderr=subprocess.PIPE, bufsize=0)
    visible = painted = None
    stamps = {}
    error_buffer = b""
    try:
        while visible is None or painted is None:
            left = TIMEOUT - (time.monotonic() - launched)
            if left <= 0:
                raise RuntimeError(f"{program}: no window or no first paint within {TIMEOUT:.0f} s")
            ready, _, _ = select.select([events.process.stdout, child.stderr], [], [], left)
            now = (time.monotonic() - launched) * 1e3
            if events.process.stdout in ready:
                for line in events.lines():
                    if line.startswith("MapNotify event"):
                        events.pending_map = True
                    elif events.pending_map:
                        events.pending_map = False
                        if MAP_WINDOW.match(line) and visible is None:
                            visible = now
            if child.stderr in ready:
                data = os.read(child.stderr.fileno(), 65536)
                if not data:
                    raise RuntimeError(f"{program} ended before its first paint (exit {child.wait()})")
                error_buffer += data
                *complete, error_buffer = error_buffer.split(b"\n")
                for raw in complete:
                    match = MARKER.match(raw.decode(errors="replace").strip())
                    if match:
                        # A stamp written more than once counts at its first.
                        stamps.setdefault(match.group(1), float(match.group(2)))
                        if match.group(1) == "board-painted":
                            painted = now
        return visible, painted, stamps
    finally:
        child.send_signal(signal.SIGKILL)
        child.wait()
        # The wineserver tears the process down after the loader goes: wait
        # until its windows are gone before the next start.
        deadline = time.monotonic() + 5
        while time.monotonic() < deadline:
            ready, _, _ = select.select([events.process.stdout], [], [], 0.3)
            if not ready:
                break
            events.lines()


def spread(values):
    return f"{statistics.median(values):7.1f} ms  [{min(values):6.1f} .. {max(values):6.1f}]"


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--runs", type=int, default=15)
    parser.add_argument("--warmup", type=int, default=2)
    parser.add_argument("--loader", required=True)
    parser.add_argument("--compare", action="append", default=[],
                        help="A:B, also print A's medians as ratios to B's")
    parser.add_argument("programs", nargs="+", help="NAME=PROGRAM.exe; the first is the reference")
    args = parser.parse_args()
    programs = [entry.split("=", 1) for entry in args.programs]

    events = RootEvents()
    time.sleep(0.5)
    results = {name: {"visible": [], "painted": [], "loading": [], "stamps": {}} for name, _ in programs}
    try:
        for _ in range(args.warmup):
            for _, program in programs:
                start_once(args.loader, program, events)
        for run in range(args.runs):
            # Alternating order, so that a drift of the machine touches all.
            order = programs if run % 2 == 0 else list(reversed(programs))
            for name, program in order:
                visible, painted, stamps = start_once(args.loader, program, events)
                results[name]["visible"].append(visible)
                results[name]["painted"].append(painted)
                # Loading the program and its libraries, before its own code
                # runs: the paint's arrival less the paint's own stamp.
                results[name]["loading"].append(painted - stamps.get("board-painted", painted))
                for stamp, value in stamps.items():
                    results[name]["stamps"].setdefault(stamp, []).append(value)
    finally:
        events.close()

    reference = programs[0][0]
    ref_visible = statistics.median(results[reference]["visible"])
    ref_painted = statistics.median(results[reference]["painted"])
    print(f"{args.runs} starts each (after {args.warmup} warm-up rounds); median [min .. max]; ratio of medians")
    for name, _ in programs:
        r = results[name]
        print(f"{name}")
        print(f"  launch -> main window visible   {spread(r['visible'])}  "
              f"{statistics.median(r['visible']) / ref_visible:5.2f}x {reference}")
        print(f"  launch -> first paint of board  {spread(r['painted'])}  "
              f"{statistics.median(r['painted']) / ref_painted:5.2f}x {reference}")
        print(f"  launch -> first stamp (loading) {spread(r['loading'])}")
    for pair in args.compare:
        a, b = pair.split(":")
        for figure, label in (("visible", "main window visible"), ("painted", "first paint of board")):
            ratio = statistics.median(results[a][figure]) / statistics.median(results[b][figure])
            print(f"{a} / {b}: launch -> {label} {ratio:5.2f}x")
    print()
    print("In-process stamps (median ms since the program's first stamp):")
    names = [name for name, _ in programs]
    stamp_order = []
    for name in names:
        for stamp in results[name]["stamps"]:
            if stamp not in stamp_order:
                stamp_order.append(stamp)
    print("  " + f"{'stamp':16}" + "".join(f"{name:>14}" for name in names))
    for stamp in sorted(stamp_order, key=lambda s: max(
            statistics.median(results[n]["stamps"][s]) for n in names if s in results[n]["stamps"])):
        cells = []
        for name in names:
            values = results[name]["stamps"].get(stamp)
            cells.append(f"{statistics.median(values):14.1f}" if values else f"{'-':>14}")
        print("  " + f"{stamp:16}" + "".join(cells))
    return 0


if __name__ == "__main__":
    sys.exit(main())
