#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Measures HighRoll against its floors on a private Xvfb display and prints one table.

Run through ../bench.sh, which builds the game and the floors first. The desktop's dice games (kiriki,
tali) are measured beside them when they are installed; the benchmark never installs them. Exit status: 0 when every figure meets
its target, 3 when the benchmark ran but a figure missed, 1 when it could not measure (a program failed
to start, never showed its window or did not react to the click).
"""

import argparse
import glob
import json
import os
import re
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

from Xlib import X, Xatom
from Xlib import display as xdisplay
from Xlib import error as xerror
from Xlib.ext import xtest

NS_PER_MS = 1_000_000
CLK_TCK = os.sysconf("SC_CLK_TCK")


class Facts:
    """The game's numbers and words, as the game's own code gives them: printed as JSON by
    highroll_facts (tools/facts.cpp), which is built from the same libraries and headers as the game."""

    def __init__(self, program):
        try:
            printed = subprocess.run([program], check=True, stdout=subprocess.PIPE, text=True).stdout
            facts = json.loads(printed)
            # The game's pace: the die and the marquee while the game waits for "Begin".
            self.die_period_ms = facts["periodsMs"]["die"]
            self.marquee_period_ms = facts["periodsMs"]["marqueeWaiting"]
            self.title_width = facts["titleWidth"]
            self.player_roll_title = facts["texts"]["playerRollTitle"]
            button = next(control["pixels"] for control in facts["controls"] if control["name"] == "Command1")
        except (OSError, subprocess.CalledProcessError, ValueError, KeyError, StopIteration) as error:
            raise SystemExit(f"bench: cannot read the game's facts from {program}: {error!r}")
        # Centre of Command1 ("Begin") in the client area.
        self.begin_button = (button["left"] + button["width"] // 2, button["top"] + button["height"] // 2)


MEMORY_SAMPLE_S = 3.0
# The CPU a program has used this long after its start: its start-up work whether it falls before or
# after its window is mapped (the first paint comes after the map).
EARLY_CPU_S = 0.4
LOAD_WINDOW_S = 10.0
# Time for the die to start after the click before its window opens.
DIE_SETTLE_S = 0.5
# Time for the paint floor, started beside the rolling die, to get past its own start-up.
PAINT_SETTLE_S = 1.0
MAP_TIMEOUT_S = 20.0
CLICK_TIMEOUT_S = 3.0
TICK_WINDOW_S = 5.0
TICK_SETTLE_S = 1.0
# At fewer intervals a 95th percentile says little; a working run gives about 100 per window.
MIN_TICK_INTERVALS = 50

# The cost targets are judged on instructions counted under callgrind, which the machine's load does
# not change: the same number of timer ticks of the game and of its floor, after some ticks let pass.
# The faces the game's die shows are random and cost more or less to draw, so its count over a run
# moves with them; over this many ticks little enough that one run decides (docs/benchmark.md).
COUNTED_TICKS = 1000
COUNT_SETTLE_TICKS = 10
# Under callgrind a program runs tens of times slower: starting, reacting to the click, each dump.
COUNT_TIMEOUT_S = 120.0
# callgrind writes the counts since its last dump as the program enters its event loop (start-up) and
# as a timer is about to tick (each dump after that holds one tick's work, from tick to tick).
CALLGRIND = ("valgrind", "--tool=callgrind", "--dump-before=QCoreApplication::exec*",
             "--dump-before=QTimer::timerEvent*")

TICK_LINE = re.compile(r"\b(Timer[12])\s+([0-9]+\.[0-9]+)\s*$")

# The desktop's dice games, measured for comparison when installed (Debian installs games to /usr/games).
DICE_GAMES = ("kiriki", "tali")


class BenchError(Exception):
    """A run that could not be measured; the message says which program and why."""


def percentile(values, fraction):
    """Nearest-rank percentile: a value that was actually observed."""
    ordered = sorted(values)
    rank = max(1, int(-(-fraction * len(ordered) // 1)))
    return ordered[rank - 1]


# The tests' X helpers (tests/support/xvfbserver.*, x11desktop.*) are not used here: bench.sh builds no tests,
# and the start-up figure needs the MapNotify read on a socket this script selects on, plus XTEST clicks.
class Xvfb:
    """A private X server. -displayfd lets the server pick a free display number itself, so two
    benchmarks (or a test run) on one machine never race for the same number."""

    def __init__(self, log):
        read_end, write_end = os.pipe()
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
            pass_fds=(write_end,), stdin=subprocess.DEVNULL, stdout=log, stderr=log)
        os.close(write_end)
        number = b""
        deadline = time.monotonic() + 15
        while not number.endswith(b"\n"):
            ready, _, _ = select.select([read_end], [], [], max(0.0, deadline - time.monotonic()))
            chunk = os.read(read_end, 16) if ready else b""
            if not chunk:
                os.close(read_end)
                self.stop()
                raise BenchError("Xvfb did not start (see its log above)")
            number += chunk
        os.close(read_end)
        self.name = ":" + number.decode().strip()

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            try:
                self.process.wait(5)
            except subprocess.TimeoutExpired:
                self.process.kill()
                self.process.wait()


class SessionBus:
    """A private D-Bus session bus for the desktop's dice games: kiriki does not start without one. The
    game and the floors run without it, as they always have, so their figures stay comparable."""

    def __init__(self, log):
        self.process = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address"],
                                        stdin=subprocess.DEVNULL, stdout=subprocess.PIPE, stderr=log,
                                        text=True)
        self.address = self.process.stdout.readline().strip()
        if not self.address:
            self.stop()
            raise BenchError("dbus-daemon did not start (see its log above)")

    def stop(self):
        if self.process.poll() is None:
            self.process.terminate()
            self.process.wait()


class Sample:
    """One reading of a process's counters from /proc.

    run_ns sums the on-CPU time of every thread (first field of /proc/PID/task/*/schedstat, in ns); it is
    the figure utime+stime is derived from, but without the 1/CLK_TCK (10 ms) steps that utime+stime
    (/proc/PID/stat, read as well) are reported in, which would be a tenth of an idle program's CPU in
    10 s. wakeups sums voluntary_ctxt_switches over the threads: a thread that sleeps until the next
    timer, X event or message switches out voluntarily once per wake-up.
    """

    def __init__(self, pid):
        self.time_ns = time.monotonic_ns()
        self.run_ns = 0
        self.wakeups = 0
        try:
            tasks = os.listdir(f"/proc/{pid}/task")
            with open(f"/proc/{pid}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except FileNotFoundError:
            raise BenchError(f"process {pid} ended while it was being measured") from None
        # fields[0] is field 3 (state) of proc(5), so utime (14) and stime (15) are at 11 and 12.
        self.cpu_ticks = int(fields[11]) + int(fields[12])
        for task in tasks:
            try:
                with open(f"/proc/{pid}/task/{task}/schedstat") as schedstat:
                    self.run_ns += int(schedstat.read().split()[0])
                with open(f"/proc/{pid}/task/{task}/status") as status:
                    for line in status:
                        if line.startswith("voluntary_ctxt_switches:"):
                            self.wakeups += int(line.split()[1])
            except FileNotFoundError:
                # The thread ended between the listing and the read; its counts are gone with it.
                pass


def load(before, after):
    """CPU seconds per 10 s, wake-ups per second, and the utime+stime cross-check, between samples."""
    seconds = (after.time_ns - before.time_ns) / 1e9
    cpu = (after.run_ns - before.run_ns) / 1e9 * (LOAD_WINDOW_S / seconds)
    ticks_cpu = (after.cpu_ticks - before.cpu_ticks) / CLK_TCK * (LOAD_WINDOW_S / seconds)
    wakeups = (after.wakeups - before.wakeups) / seconds
    return cpu, wakeups, ticks_cpu


class Dumps:
    """The dumps callgrind writes for one process, numbered from 1 as they are written."""

    def __init__(self, directory, pid):
        self.prefix = os.path.join(directory, f"callgrind.{pid}.")
        self.last_read = 0

    def latest(self):
        """The number of the latest dump callgrind has begun to write (those read are gone)."""
        numbers = [int(path[len(self.prefix):]) for path in glob.glob(glob.escape(self.prefix) + "*")]
        return max([self.last_read, *numbers])

    def instructions(self, number):
        """The instructions in dump number, once callgrind has written it whole (its last line, the
        totals, is there); None before that. A dump read is removed: a run writes a thousand."""
        path = f"{self.prefix}{number}"
        try:
            with open(path) as dump:
                totals = [int(line.split()[1]) for line in dump if line.startswith("totals:")]
        except FileNotFoundError:
            return None
        if not totals:
            return None
        os.remove(path)
        self.last_read = max(self.last_read, number)
        return totals[0]


def resident_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    raise BenchError(f"no VmRSS for process {pid}")


class Bench:
    def __init__(self, screen_name, log, facts):
        self.log = log
        self.facts = facts
        self.display = xdisplay.Display(screen_name)
        self.root = self.display.screen().root
        # Every top-level window's MapNotify reaches a client that selects SubstructureNotify on the root
        # (there is no window manager on this display to reparent it).
        self.root.change_attributes(event_mask=X.SubstructureNotifyMask)
        self.display.sync()
        self.atom_pid = self.display.intern_atom("_NET_WM_PID")
        self.atom_name = self.display.intern_atom("_NET_WM_NAME")
        self.atom_utf8 = self.display.intern_atom("UTF8_STRING")
        # The C locale for every program: the game then shows its words in English, as the facts give them.
        self.env = dict(os.environ, DISPLAY=screen_name, QT_QPA_PLATFORM="xcb", LANG="C.UTF-8",
                        LC_ALL="C.UTF-8")
        for name in ("WAYLAND_DISPLAY", "QT_LOGGING_RULES", "QT_MESSAGE_PATTERN", "QT_SCALE_FACTOR",
                     "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING", "LANGUAGE"):
            self.env.pop(name, None)
        self.running = []

    def drain(self):
        while self.display.pending_events():
            self.display.next_event()

    def window_pid(self, window):
        try:
            prop = window.get_full_property(self.atom_pid, Xatom.CARDINAL)
        except xerror.XError:
            return None
        return prop.value[0] if prop and len(prop.value) else None

    def launch(self, label, path, env=None, stderr=None, wrapper=(), timeout_s=MAP_TIMEOUT_S):
        """Starts path (under wrapper, such as valgrind, when one is given) and waits for its first
        MapNotify; returns the process, its start time, the start-up time in ms and the window.

        The clock starts just before the fork/exec and stops when the MapNotify for a window carrying the
        child's _NET_WM_PID arrives on our connection: the X server sends it as it maps the window, and
        we read it as soon as select() says the socket is readable, so the figure is exec-to-mapped with
        well under a millisecond of our own latency (the same for every program measured)."""
        # Every program starts with the pointer off its window, wherever the last click left it.
        screen = self.display.screen()
        xtest.fake_input(self.display, X.MotionNotify, x=screen.width_in_pixels - 1,
                         y=screen.height_in_pixels - 1)
        self.display.sync()
        self.drain()
        start_ns = time.monotonic_ns()
        process = subprocess.Popen([*wrapper, path], env=env or self.env, stdin=subprocess.DEVNULL,
                                   stdout=subprocess.DEVNULL, stderr=stderr or self.log)
        self.running.append(process)
        deadline = time.monotonic() + timeout_s
        while True:
            ready, _, _ = select.select([self.display.fileno()], [], [], 0.05)
            arrived_ns = time.monotonic_ns()
            while self.display.pending_events():
                event = self.display.next_event()
                if event.type == X.MapNotify and self.window_pid(event.window) == process.pid:
                    return process, start_ns, (arrived_ns - start_ns) / NS_PER_MS, event.window
            if process.poll() is not None:
                raise BenchError(f"{label} exited with status {process.returncode} before showing its window")
            if not ready and time.monotonic() > deadline:
                raise BenchError(f"{label} showed no window within {timeout_s:.0f} s")

    def finish(self, process):
        if process.poll() is None:
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        self.running.remove(process)

    def stop_all(self):
        for process in list(self.running):
            self.finish(process)

    @staticmethod
    def sleep_until(start_ns, offset_s):
        delay = start_ns / 1e9 + offset_s - time.monotonic_ns() / 1e9
        if delay > 0:
            time.sleep(delay)

    def title(self, window):
        # One request for the whole title: read in two parts, as get_full_property does, a title that
        # changes in between (the marquee scrolls every 40 ms) can shrink below the second part's offset.
        prop = window.get_property(self.atom_name, self.atom_utf8, 0, 1024)
        return prop.value.decode("utf-8", "replace") if prop else ""

    def press_begin(self, label, window, timeout_s=CLICK_TIMEOUT_S):
        """Clicks "Begin" through XTEST, as a pointer would, and waits for the player's die to start."""
        position = self.root.translate_coords(window, *self.facts.begin_button)
        xtest.fake_input(self.display, X.MotionNotify, x=position.x, y=position.y)
        xtest.fake_input(self.display, X.ButtonPress, 1)
        xtest.fake_input(self.display, X.ButtonRelease, 1)
        self.display.sync()
        deadline = time.monotonic() + timeout_s
        while self.title(window) != self.facts.player_roll_title:
            if time.monotonic() > deadline:
                raise BenchError(f"{label} did not start the player's die after a click on Begin "
                                 f"(title is {self.title(window)!r})")
            time.sleep(0.01)

    def check_marquee(self, label, window):
        title = self.title(window)
        if len(title) != self.facts.title_width:
            raise BenchError(f"{label}: the title should be a {self.facts.title_width}-character marquee, "
                             f"is {title!r}")

    def early_cpu_ms(self, process, start_ns):
        self.sleep_until(start_ns, EARLY_CPU_S)
        return Sample(process.pid).run_ns / NS_PER_MS

    def start_run(self, label, path, env=None):
        """Start-up, CPU in the first 0.4 s and memory of a program started alone, then stopped."""
        process, start_ns, startup_ms, _ = self.launch(label, path, env=env)
        early_cpu = self.early_cpu_ms(process, start_ns)
        self.sleep_until(start_ns, MEMORY_SAMPLE_S)
        memory = resident_mb(process.pid)
        self.finish(process)
        return {"startup": startup_ms, "early_cpu": early_cpu, "memory": memory}

    def startup_ms(self, label, path, env=None):
        """Start-up alone: the program is stopped as soon as its window is mapped."""
        process, _, startup_ms, _ = self.launch(label, path, env=env)
        self.finish(process)
        return startup_ms

    def game_run(self, game_path, title_path, paint_path):
        """One run of the game, with the title floor alongside it while the marquee scrolls and the paint
        floor alongside it while its die rolls.

        Each pair is sampled over the same 10 s, so whatever else the machine does then weighs on both
        alike; each program uses one or two percent of a core, too little to slow the other down. The
        game starts alone (its start-up is measured against the floors, which also start alone) and each
        floor starts once the game's window is up."""
        process, start_ns, startup_ms, window = self.launch("highroll", game_path)
        early_cpu = self.early_cpu_ms(process, start_ns)
        floor, floor_start_ns, _, floor_window = self.launch("title floor", title_path)
        self.sleep_until(start_ns, MEMORY_SAMPLE_S)
        memory = resident_mb(process.pid)
        # The first die tick fixed the computer's opening roll; the game now waits for "Begin" with the
        # marquee scrolling.
        self.check_marquee("highroll", window)
        # Both past their start-up: the later-started floor sets when the window opens.
        self.sleep_until(floor_start_ns, MEMORY_SAMPLE_S)
        before, floor_before = Sample(process.pid), Sample(floor.pid)
        time.sleep(LOAD_WINDOW_S)
        after, floor_after = Sample(process.pid), Sample(floor.pid)
        self.check_marquee("highroll", window)
        self.check_marquee("title floor", floor_window)
        self.finish(floor)
        game = {"startup": startup_ms, "early_cpu": early_cpu, "memory": memory}
        title = {}
        game["marquee_cpu"], game["marquee_wakeups"], game["marquee_ticks_cpu"] = load(before, after)
        title["marquee_cpu"], title["marquee_wakeups"], title["marquee_ticks_cpu"] = load(floor_before,
                                                                                           floor_after)
        # The click leaves the pointer over the button, as a player's is. The paint floor opens beside
        # the game's window (see bench/paintwindow.cpp), off the pointer.
        self.press_begin("highroll", window)
        clicked_ns = time.monotonic_ns()
        floor, floor_start_ns, _, _ = self.launch("paint floor", paint_path)
        self.sleep_until(clicked_ns, DIE_SETTLE_S)
        self.sleep_until(floor_start_ns, PAINT_SETTLE_S)
        before, floor_before = Sample(process.pid), Sample(floor.pid)
        time.sleep(LOAD_WINDOW_S)
        after, floor_after = Sample(process.pid), Sample(floor.pid)
        if self.title(window) != self.facts.player_roll_title:
            raise BenchError("highroll: the player's die stopped by itself")
        self.finish(floor)
        self.finish(process)
        game["die_cpu"], game["die_wakeups"], game["die_ticks_cpu"] = load(before, after)
        paint = {}
        paint["die_cpu"], paint["die_wakeups"], paint["die_ticks_cpu"] = load(floor_before, floor_after)
        return game, title, paint

    def wait_for(self, label, process, what, condition):
        """Waits, at callgrind's pace, until condition() returns something other than None."""
        deadline = time.monotonic() + COUNT_TIMEOUT_S
        while (value := condition()) is None:
            if process.poll() is not None:
                raise BenchError(f"{label} exited with status {process.returncode} while waiting for {what}")
            if time.monotonic() > deadline:
                raise BenchError(f"{label}: no {what} within {COUNT_TIMEOUT_S:.0f} s under callgrind")
            time.sleep(0.05)
        return value

    def counted_launch(self, label, path, directory, env=None):
        process, _, _, window = self.launch(label, path, env=env,
                                            wrapper=(*CALLGRIND, "--callgrind-out-file="
                                                     + os.path.join(directory, "callgrind.%p")),
                                            timeout_s=COUNT_TIMEOUT_S)
        dumps = Dumps(directory, process.pid)
        startup = self.wait_for(label, process, "count before the event loop", lambda: dumps.instructions(1))
        return process, window, dumps, startup

    def counted_ticks(self, label, process, dumps):
        """The instructions of COUNTED_TICKS ticks, from tick to tick, after COUNT_SETTLE_TICKS more."""
        first = dumps.latest() + COUNT_SETTLE_TICKS + 1
        counts = [self.wait_for(label, process, f"{COUNTED_TICKS} counted ticks",
                                lambda number=number: dumps.instructions(number))
                  for number in range(first, first + COUNTED_TICKS)]
        return sum(counts)

    def wait_for_marquee(self, label, process, window):
        width = self.facts.title_width
        self.wait_for(label, process, "marquee in the title",
                      lambda: True if len(self.title(window)) == width else None)

    def count_run(self, paths, directory):
        """One run of each program under callgrind, alone: the instructions before its event loop, and
        for the game and the title and paint floors those of COUNTED_TICKS ticks while the marquee
        scrolls or the die rolls."""
        counts = {}
        label = "highroll (callgrind)"
        process, window, dumps, startup = self.counted_launch(label, paths["game"], directory)
        self.wait_for_marquee(label, process, window)
        marquee = self.counted_ticks(label, process, dumps)
        self.press_begin(label, window, timeout_s=COUNT_TIMEOUT_S)
        die = self.counted_ticks(label, process, dumps)
        if self.title(window) != self.facts.player_roll_title:
            raise BenchError(f"{label}: the player's die stopped by itself")
        self.finish(process)
        counts["game"] = {"startup_ir": startup, "marquee_ir": marquee, "die_ir": die}

        label = "title floor (callgrind)"
        process, window, dumps, startup = self.counted_launch(label, paths["title"], directory)
        self.wait_for_marquee(label, process, window)
        counts["title"] = {"marquee_ir": self.counted_ticks(label, process, dumps)}
        self.finish(process)

        label = "paint floor (callgrind)"
        process, window, dumps, startup = self.counted_launch(label, paths["paint"], directory)
        counts["paint"] = {"die_ir": self.counted_ticks(label, process, dumps)}
        self.finish(process)

        for name, path in (("text", paths["text"]), ("bare", paths["bare"])):
            process, _, _, startup = self.counted_launch(f"{name} (callgrind)", path, directory)
            counts[name] = {"startup_ir": startup}
            self.finish(process)
        return counts

    def tick_run(self, path):
        """A run with the tick log on: the game writes the steady time of every tick, and the periods
        are the gaps between consecutive ticks of one timer inside a window where its interval is fixed.
        Kept apart from the load runs because writing the log costs CPU itself."""
        env = dict(self.env, QT_LOGGING_RULES="highroll.ticks.debug=true")
        with tempfile.TemporaryFile("w+") as log:
            process, start_ns, _, window = self.launch("highroll (tick log)", path, env=env, stderr=log)
            self.sleep_until(start_ns, TICK_SETTLE_S)
            marquee = (time.monotonic_ns() / NS_PER_MS, None)
            time.sleep(TICK_WINDOW_S)
            marquee = (marquee[0], time.monotonic_ns() / NS_PER_MS)
            self.press_begin("highroll (tick log)", window)
            time.sleep(DIE_SETTLE_S)
            die_start = time.monotonic_ns() / NS_PER_MS
            time.sleep(TICK_WINDOW_S)
            die = (die_start, time.monotonic_ns() / NS_PER_MS)
            self.finish(process)
            log.seek(0)
            ticks = {"Timer1": [], "Timer2": []}
            for line in log:
                match = TICK_LINE.search(line)
                if match:
                    ticks[match.group(1)].append(float(match.group(2)))
        if not ticks["Timer1"] and not ticks["Timer2"]:
            raise BenchError("highroll wrote no tick log: is the highroll.ticks category in runtime/timer.cpp?")

        def periods(times, window_ms):
            inside = [t for t in times if window_ms[0] <= t <= window_ms[1]]
            return [b - a for a, b in zip(inside, inside[1:])]

        return {"die": periods(ticks["Timer1"], die), "marquee": periods(ticks["Timer2"], marquee)}


def column(rows, key):
    return [row[key] for row in rows]


def spread(values, digits):
    median = statistics.median(values)
    return f"{median:.{digits}f} [{min(values):.{digits}f}-{max(values):.{digits}f}]"


def markdown_table(header, rows):
    widths = [max(len(str(line[i])) for line in [header, *rows]) for i in range(len(header))]

    def markdown(line):
        return "| " + " | ".join(str(cell).ljust(width) for cell, width in zip(line, widths)) + " |"

    return [markdown(header), "|" + "|".join("-" * (width + 2) for width in widths) + "|",
            *(markdown(line) for line in rows)]


def dice_games():
    """The desktop's dice games that are installed, as (name, path)."""
    search = os.pathsep.join([os.environ.get("PATH", ""), "/usr/games"])
    found = ((name, shutil.which(name, path=search)) for name in DICE_GAMES)
    return [(name, path) for name, path in found if path]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--game", required=True)
    parser.add_argument("--bare", required=True)
    parser.add_argument("--title", required=True)
    parser.add_argument("--text", required=True)
    parser.add_argument("--paint", required=True)
    parser.add_argument("--facts", required=True, help="highroll_facts of the game's build")
    parser.add_argument("--runs", type=int, default=5, help="runs of each program (default 5)")
    parser.add_argument("--start-runs", type=int, default=20,
                        help="more starts of the game, the text floor and the bare window (default 20)")
    parser.add_argument("--tick-runs", type=int, default=2, help="runs with the tick log on (default 2)")
    parser.add_argument("--count-runs", type=int, default=1,
                        help="runs of each program under callgrind (default 1)")
    parser.add_argument("--save", help="also write the table to this file")
    parser.add_argument("--language", metavar="LOCALE",
                        help="also start the game in this locale (e.g. de_DE.UTF-8), in the same rounds, to "
                             "show what loading its catalogues costs")
    args = parser.parse_args()
    if args.runs < 1 or args.tick_runs < 1 or args.count_runs < 1 or args.start_runs < 0:
        parser.error("--runs, --tick-runs and --count-runs must be at least 1, --start-runs at least 0")
    for path in (args.game, args.bare, args.title, args.text, args.paint, args.facts):
        if not os.access(path, os.X_OK):
            parser.error(f"not an executable: {path}")
    if shutil.which("valgrind") is None:
        parser.error("valgrind is not installed (scripts/packages.sh lists it in DESKTOP_PACKAGES)")
    facts = Facts(args.facts)

    # A SIGTERM (or a closed terminal) takes the same way out as Ctrl+C, so the X server and the programs
    # under test are always stopped.
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(130))
    signal.signal(signal.SIGHUP, lambda *_: sys.exit(130))

    log = tempfile.TemporaryFile("w+")
    server = None
    bench = None
    bus = None
    try:
        server = Xvfb(log)
        bench = Bench(server.name, log, facts)
        others = dice_games()
        other_env = None
        if others and shutil.which("dbus-daemon"):
            bus = SessionBus(log)
            other_env = dict(bench.env, DBUS_SESSION_BUS_ADDRESS=bus.address)
        load_before = os.getloadavg()
        began = time.monotonic()
        print(f"Xvfb on {server.name}; {args.runs} runs of each program, {args.tick_runs} tick-log runs, "
              f"{args.count_runs} runs under callgrind; "
              f"dice games: {', '.join(name for name, _ in others) or 'none installed'}", flush=True)
        # Not counted: the first start of each program reads its libraries and fonts from disk.
        for label, path in (("bare window", args.bare), ("text floor", args.text), ("title floor", args.title),
                            ("paint floor", args.paint), ("highroll", args.game)):
            bench.finish(bench.launch(label, path)[0])
        # The dice games are not ours: one that cannot start here is left out, not a failed benchmark.
        for name, path in list(others):
            try:
                bench.finish(bench.launch(name, path, env=other_env)[0])
            except BenchError as error:
                print(f"bench: {error}; measuring without it", flush=True)
                bench.stop_all()
                others.remove((name, path))

        # The game in the player's language: the same program, another locale.
        localized_env = dict(bench.env, LANG=args.language, LC_ALL=args.language) if args.language else None
        localized_label = f"highroll ({args.language})"
        bare, text, title, paint, game, localized = [], [], [], [], [], []
        other = {name: [] for name, _ in others}
        for run in range(args.runs):
            # Interleaved, so a change in the machine's load weighs on every program alike.
            bare.append(bench.start_run("bare window", args.bare))
            text.append(bench.start_run("text floor", args.text))
            game_result, title_result, paint_result = bench.game_run(args.game, args.title, args.paint)
            game.append(game_result)
            title.append(title_result)
            paint.append(paint_result)
            if localized_env:
                localized.append(bench.start_run(localized_label, args.game, env=localized_env))
            for name, path in others:
                other[name].append(bench.start_run(name, path, env=other_env))
            print(f"run {run + 1}/{args.runs}: start-up {game[-1]['startup']:.1f} ms (text floor "
                  f"{text[-1]['startup']:.1f}, bare {bare[-1]['startup']:.1f}), marquee CPU "
                  f"{game[-1]['marquee_cpu']:.4f} s (floor {title[-1]['marquee_cpu']:.4f}), die CPU "
                  f"{game[-1]['die_cpu']:.4f} s (floor {paint[-1]['die_cpu']:.4f})", flush=True)
        # Start-up varies from start to start by more than the target's margin, so its median is taken over
        # these quick starts too, interleaved like the runs.
        startups = {"game": column(game, "startup"), "text": column(text, "startup"),
                    "bare": column(bare, "startup"), "localized": column(localized, "startup")}
        starters = [("bare", "bare window", args.bare, None), ("text", "text floor", args.text, None),
                    ("game", "highroll", args.game, None)]
        if localized_env:
            starters.append(("localized", localized_label, args.game, localized_env))
        for _ in range(args.start_runs):
            for name, label, path, env in starters:
                startups[name].append(bench.startup_ms(label, path, env=env))
        die_periods, marquee_periods = [], []
        for _ in range(args.tick_runs):
            periods = bench.tick_run(args.game)
            die_periods += periods["die"]
            marquee_periods += periods["marquee"]
        for name, values in (("die", die_periods), ("marquee", marquee_periods)):
            if len(values) < MIN_TICK_INTERVALS:
                raise BenchError(f"only {len(values)} {name} tick intervals were logged")
        counts = {"game": [], "title": [], "paint": [], "text": [], "bare": []}
        paths = {"game": args.game, "title": args.title, "paint": args.paint, "text": args.text, "bare": args.bare}
        for run in range(args.count_runs):
            with tempfile.TemporaryDirectory(prefix="highroll-bench-") as directory:
                try:
                    for name, result in bench.count_run(paths, directory).items():
                        counts[name].append(result)
                finally:
                    # callgrind writes its last dump as the program ends: before the folder goes.
                    bench.stop_all()
            print(f"callgrind run {run + 1}/{args.count_runs}: marquee "
                  f"{counts['game'][-1]['marquee_ir'] / 1e6:.2f} M instructions (floor "
                  f"{counts['title'][-1]['marquee_ir'] / 1e6:.2f}), die {counts['game'][-1]['die_ir'] / 1e6:.2f} M "
                  f"(floor {counts['paint'][-1]['die_ir'] / 1e6:.2f})", flush=True)
        localized_counts = []
        if localized_env:
            for _ in range(args.count_runs):
                with tempfile.TemporaryDirectory(prefix="highroll-bench-") as directory:
                    try:
                        process, _, _, startup = bench.counted_launch(f"{localized_label} (callgrind)", args.game,
                                                                      directory, env=localized_env)
                        localized_counts.append({"startup_ir": startup})
                    finally:
                        bench.stop_all()
        elapsed = time.monotonic() - began
        load_after = os.getloadavg()
    except BenchError as error:
        log.seek(0)
        sys.stderr.write(log.read()[-4000:])
        print(f"bench: {error}", file=sys.stderr)
        return 1
    except KeyboardInterrupt:
        print("bench: interrupted", file=sys.stderr)
        return 130
    finally:
        if bench:
            bench.stop_all()
        if bus:
            bus.stop()
        if server:
            server.stop()

    def median(rows, key):
        return statistics.median(column(rows, key))

    def millions(rows, key):
        return spread([value / 1e6 for value in column(rows, key)], 2)

    table = []

    def row(figure, ours, floor, target, passed):
        table.append((figure, ours, floor, target, "PASS" if passed else "MISS"))

    def shown(figure, ours, floor):
        """A figure printed beside the verdicts, not judged: time and wake-ups move with the machine."""
        table.append((figure, ours, floor, "(shown)", "-"))

    row(f"start-up, exec to window mapped (ms) [n={len(startups['game'])}]", spread(startups["game"], 1),
        spread(startups["text"], 1), "<= 1.1 x text floor",
        statistics.median(startups["game"]) <= 1.1 * statistics.median(startups["text"]))
    shown("start-up: instructions before the event loop (M)", millions(counts["game"], "startup_ir"),
          millions(counts["text"], "startup_ir"))
    shown("CPU used in the first 0.4 s (ms)", spread(column(game, "early_cpu"), 1),
          spread(column(text, "early_cpu"), 1))
    row("resident memory 3 s after start (MB)", spread(column(game, "memory"), 1),
        spread(column(text, "memory"), 1), "<= text floor + 1 MB",
        median(game, "memory") <= median(text, "memory") + 1)
    # Each cost target: the game beside its floor, judged on the instructions of the same ticks.
    for phase, key, floor_name, floor, floor_counts in (
            ("marquee", "marquee", "title floor", title, counts["title"]),
            ("die rolling", "die", "paint floor", paint, counts["paint"])):
        row(f"{phase}: instructions per {COUNTED_TICKS} ticks (M)", millions(counts["game"], f"{key}_ir"),
            millions(floor_counts, f"{key}_ir"), f"<= 1.1 x {floor_name}",
            median(counts["game"], f"{key}_ir") <= 1.1 * median(floor_counts, f"{key}_ir"))
        shown(f"{phase}: CPU s per 10 s", spread(column(game, f"{key}_cpu"), 4),
              spread(column(floor, f"{key}_cpu"), 4))
        shown(f"{phase}: wake-ups per s", spread(column(game, f"{key}_wakeups"), 1),
              spread(column(floor, f"{key}_wakeups"), 1))
    for name, values, period in (("die", die_periods, facts.die_period_ms),
                                 ("marquee", marquee_periods, facts.marquee_period_ms)):
        mid = statistics.median(values)
        p95 = percentile(values, 0.95)
        row(f"{name} tick period, median (ms) [n={len(values)}]", f"{mid:.2f}", "-",
            f"{period} +/- 1", abs(mid - period) <= 1)
        row(f"{name} tick period, 95th percentile (ms)", f"{p95:.2f} (max {max(values):.2f})", "-",
            f"{period} +/- 5", abs(p95 - period) <= 5)

    lines = markdown_table(("figure", "HighRoll: median [min-max]", "floor: median [min-max]", "target",
                            "result"), table)
    lines.append("")
    # Every program started alone, in the same runs: the floors and the desktop's dice games beside us.
    starts = [("HighRoll", game, startups["game"], counts["game"]),
              ("text floor", text, startups["text"], counts["text"]),
              ("bare window", bare, startups["bare"], counts["bare"])]
    if localized_env:
        starts.insert(1, (f"HighRoll, {args.language}", localized, startups["localized"], localized_counts))
    starts += [(name, other[name], column(other[name], "startup"), None) for name, _ in others]
    lines += markdown_table(("program", "start-up (ms)", "instructions before the event loop (M)",
                             "CPU in the first 0.4 s (ms)", "resident memory (MB)"),
                            [(name, spread(started, 1), millions(counted, "startup_ir") if counted else "-",
                              spread(column(rows, "early_cpu"), 1), spread(column(rows, "memory"), 1))
                             for name, rows, started, counted in starts])
    lines.append("")
    lines.append(f"{args.runs} runs of each program and {args.start_runs} more starts, {args.tick_runs} tick-log runs, "
                 f"{args.count_runs} runs under "
                 f"callgrind ({COUNTED_TICKS} ticks each after {COUNT_SETTLE_TICKS}), {elapsed:.0f} s; "
                 f"load average {load_before[0]:.2f} before, {load_after[0]:.2f} after; "
                 f"{os.cpu_count()} CPUs.")
    lines.append("utime+stime cross-check (s per 10 s, medians): marquee "
                 f"{median(game, 'marquee_ticks_cpu'):.2f} (floor {median(title, 'marquee_ticks_cpu'):.2f}), "
                 f"die {median(game, 'die_ticks_cpu'):.2f} (floor {median(paint, 'die_ticks_cpu'):.2f}).")
    text = "\n".join(lines)
    print()
    print(text)
    if args.save:
        with open(args.save, "w") as out:
            out.write(text + "\n")
    return 0 if all(line[4] != "MISS" for line in table) else 3


if __name__ == "__main__":
    sys.exit(main())
