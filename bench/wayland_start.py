#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 HighRoll maintainers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up of the game on a private headless Wayland compositor (weston), with Qt's default
client-buffer set-up (EGL and a Mesa driver loaded to decide on decorations) and with the game's own
(software only), interleaved: time from exec to the first frame committed, and resident memory 2 s later.

    bench/wayland_start.py PROGRAM [RUNS]

"default" is the same program with QT_WAYLAND_DISABLE_WINDOWDECORATION=0 in its environment, which
leaves Qt's choice alone, as builds before this set-up did.
"""
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

# A buffer attached, then the surface committed: the first frame the compositor can show.
FRAME = re.compile(rb"-> wl_surface@\d+\.commit\(\)")
ATTACH = re.compile(rb"-> wl_surface@\d+\.attach\(wl_buffer@")


def start_weston(runtime_dir):
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime_dir)
    env.pop("WAYLAND_DISPLAY", None)
    env.pop("DISPLAY", None)
    weston = subprocess.Popen(["weston", "--backend=headless-backend.so", "--socket=bench", "--no-config",
                               "--idle-time=0"], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    for _ in range(200):
        if os.path.exists(os.path.join(runtime_dir, "bench")):
            return weston
        time.sleep(0.05)
    raise SystemExit("weston did not open its socket")


def run_once(program, runtime_dir, extra_env):
    env = dict(os.environ, XDG_RUNTIME_DIR=runtime_dir, WAYLAND_DISPLAY="bench", QT_QPA_PLATFORM="wayland",
               WAYLAND_DEBUG="client", **extra_env)
    env.pop("DISPLAY", None)
    started = time.monotonic()
    game = subprocess.Popen([program], env=env, stderr=subprocess.PIPE, stdout=subprocess.DEVNULL)
    attached = False
    first_frame = None
    for line in game.stderr:
        if ATTACH.search(line):
            attached = True
        elif attached and FRAME.search(line):
            first_frame = (time.monotonic() - started) * 1000
            break
    # Keep draining the protocol log so the game never blocks on a full pipe.
    drain = subprocess.Popen(["cat"], stdin=game.stderr, stdout=subprocess.DEVNULL)
    time.sleep(2)
    with open(f"/proc/{game.pid}/status") as status:
        rss_kb = int(re.search(r"VmRSS:\s+(\d+)", status.read()).group(1))
    game.terminate()
    game.wait()
    drain.wait()
    return first_frame, rss_kb / 1024


def main():
    if len(sys.argv) < 2 or shutil.which("weston") is None:
        raise SystemExit(__doc__)
    program, runs = sys.argv[1], int(sys.argv[2]) if len(sys.argv) > 2 else 7
    variants = {"default (EGL)": {"QT_WAYLAND_DISABLE_WINDOWDECORATION": "0"}, "software only": {}}
    results = {name: [] for name in variants}
    with tempfile.TemporaryDirectory() as runtime_dir:
        os.chmod(runtime_dir, 0o700)
        weston = start_weston(runtime_dir)
        try:
            for _ in range(runs):
                for name, extra in variants.items():
                    results[name].append(run_once(program, runtime_dir, extra))
        finally:
            weston.terminate()
            weston.wait()
    print(f"{runs} interleaved runs each; median [min-max]")
    for name, samples in results.items():
        frames = [frame for frame, _ in samples]
        rss = [mb for _, mb in samples]
        print(f"{name:14} first frame {statistics.median(frames):6.1f} ms [{min(frames):.1f}-{max(frames):.1f}]"
              f"   RSS {statistics.median(rss):5.1f} MB [{min(rss):.1f}-{max(rss):.1f}]")


if __name__ == "__main__":
    main()
