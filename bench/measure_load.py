#!/usr/bin/env python3
"""Time from starting the editor with a big description on the command line until it is idle.

    bench/measure_load.py [--runs N] [--sizes 1,10,64] [--one-line] [BUILD_DIR]

Writes descriptions of the given sizes in MB (lines of about 60 characters, as typed) into a
temporary folder, starts build/bin/quorvane on each (offscreen platform, settings of its own)
and watches the process's CPU time in /proc: the editor is idle once it has used no CPU for
half a second; the figure is the wall time until its last busy moment. Prints the median.
With --one-line the opening remarks are one line of that size without a blank instead.
"""
import argparse, os, statistics, subprocess, sys, tempfile, time

TICK = os.sysconf("SC_CLK_TCK")
LINE = "Line of a long description, with a caf\xe9, 5 \x80 and a <i>tag</i>.<BR>"


def description(megabytes):
    total = megabytes * 1_000_000
    head = "[[[QVN FILE]]]Big\r\nA Headline\r\n   \r\n"
    per = (total - len(head) - 12) // 6
    section = (LINE * (per // len(LINE) + 1))[:per]
    return (head + "\r\n".join([section] * 6) + "\r\n").encode("latin-1")


def one_line(megabytes):
    head = "[[[QVN FILE]]]Long Line\r\nA Headline\r\n\r\n"
    return (head + "x" * (megabytes * 1_000_000) + "\r\n" * 6).encode("latin-1")


def cpu_ticks(pid):
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return int(fields[11]) + int(fields[12])


def time_to_idle(program, path, env, quiet=0.5, limit=120.0):
    start = time.monotonic()
    process = subprocess.Popen([program, path], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        last_ticks, last_busy = -1, start
        while time.monotonic() - start < limit:
            time.sleep(0.01)
            ticks = cpu_ticks(process.pid)
            now = time.monotonic()
            if ticks != last_ticks:
                last_ticks, last_busy = ticks, now
            elif now - last_busy >= quiet:
                return last_busy - start, ticks / TICK
        raise RuntimeError("the editor did not become idle")
    finally:
        process.kill()
        process.wait()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("build", nargs="?", default=os.path.join(os.path.dirname(__file__), "..", "build"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--sizes", default="1,10,64")
    parser.add_argument("--one-line", action="store_true")
    args = parser.parse_args()
    program = os.path.join(args.build, "bin", "quorvane")
    with tempfile.TemporaryDirectory() as folder:
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_CONFIG_HOME=os.path.join(folder, "config"))
        for size in (int(s) for s in args.sizes.split(",")):
            path = os.path.join(folder, f"big{size}.qvn")
            with open(path, "wb") as f:
                f.write(one_line(size) if args.one_line else description(size))
            runs = [time_to_idle(program, path, env) for _ in range(args.runs)]
            wall = statistics.median(r[0] for r in runs)
            cpu = statistics.median(r[1] for r in runs)
            print(f"{size:3d} MB: idle after {wall:.2f} s (median of {args.runs}), CPU {cpu:.2f} s")
            sys.stdout.flush()


if __name__ == "__main__":
    main()
