#!/usr/bin/env python3
"""Start-up benchmark: `kestrel FILE` to its first frame, against a bare Qt window.

Both programs run alternately under one Xvfb server, ROUNDS times each, with
KESTREL_STARTUP_TIMING set: they write the time of each start-up phase and quit
at their first frame. The time from launch to each phase is taken against the
clock read just before the launch. Prints the medians, the phases of kestrel
and the ratio of the two first frames.

kestrel runs from a copy in a temporary folder, with a settings file beside it
that names the definition file as well (a player who used it before) and has
the first-start messages already seen and the quiz class 超級, in which all of
the 1024 generated monsters in FILE are candidates.

Usage: python3 scripts/bench-startup.py [BUILD_DIR] [ROUNDS]
       (BUILD_DIR defaults to build-bench; runs itself under xvfb-run)
"""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time


def launch(command, env):
    """Milliseconds from launch to each phase the program reports."""
    start = time.time_ns()
    done = subprocess.run(command, env=env, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                          text=True, timeout=60)
    phases = {}
    for line in done.stderr.splitlines():
        parts = line.split()
        if len(parts) == 3 and parts[0] == "kestrel-startup":
            phases[parts[1]] = (int(parts[2]) - start) / 1e6
    if "first-frame" not in phases:
        sys.exit("no first frame from %s:\n%s" % (command[0], done.stderr))
    return phases


def main():
    build = sys.argv[1] if len(sys.argv) > 1 else "build-bench"
    rounds = int(sys.argv[2]) if len(sys.argv) > 2 else 15
    if not os.environ.get("DISPLAY"):
        os.execvp("xvfb-run", ["xvfb-run", "-a", "-s", "-screen 0 1280x1024x24",
                               sys.executable] + sys.argv[:1] + [build, str(rounds)])
    binaries = os.path.join(build, "bin")
    with tempfile.TemporaryDirectory() as work:
        kestrel = os.path.join(work, "kestrel")
        shutil.copy(os.path.join(binaries, "kestrel"), kestrel)
        monsters = os.path.join(work, "monsters.csv")
        subprocess.run([os.path.join(binaries, "bench_keystroke"), "--write-monsters", monsters], check=True)
        with open(os.path.join(work, "kestrel.ini"), "wb") as ini:
            ini.write(b"[SETTING]\r\nINFORMATIONFLAG=5F\r\nQUIZCLASS=4\r\nMONSTERFILE=" + monsters.encode() + b"\r\n")
        env = dict(os.environ, KESTREL_STARTUP_TIMING="1")
        bare = [os.path.join(binaries, "bench_bare_window")]
        launch(bare, env)  # the first start of anything loads the libraries from disk
        program, yardstick = [], []
        for _ in range(rounds):
            program.append(launch([kestrel, monsters], env))
            yardstick.append(launch(bare, env))

    def median(runs, phase):
        return statistics.median(run[phase] for run in runs if phase in run)

    print("kestrel FILE, 1024 monsters, %d rounds, medians in ms from launch:" % rounds)
    for phase in ["main", "application", "window", "layout", "init", "shown", "first-frame"]:
        print("  %-12s %7.1f" % (phase, median(program, phase)))
    first, base = median(program, "first-frame"), median(yardstick, "first-frame")
    print("bare Qt window, medians in ms from launch:")
    for phase in ["main", "application", "shown", "first-frame"]:
        print("  %-12s %7.1f" % (phase, median(yardstick, phase)))
    print("kestrel / bare window: %.2f" % (first / base))
    ratios = sorted(p["first-frame"] / y["first-frame"] for p, y in zip(program, yardstick))
    print("ratio of each round's pair: min %.2f, median %.2f, max %.2f" % (
        ratios[0], statistics.median(ratios), ratios[-1]))


if __name__ == "__main__":
    main()
