#!/usr/bin/env python3
"""Each kind of report content grown on its own, converted and paged by the
built tool, against the copy floor measured in the same run.

    python3 bench/shapes.py [--tool build/qvformat] [--sizes 2,4,8] [--runs 5]
                            [--callgrind] [SHAPE...]

A shape is one block of a sample report (examples/1234_57.htm for the older
layout, 1234_58.htm for the newer) repeated until the report holds the size
asked (MiB); the rest of the sample stays as it is:

  orders     the order results (the labelled order tables and the story lines
             between them)
  narrative  the opening story before the first order result
  items      the carried-item table's rows with their category rows (each
             category an item banner), item numbers made fresh in every copy
  spells     the spell table's rows with their school rows
  skills     the combat skill table's rows
  maps       the order results with a map before a teleport (the sample's
             step map) after every 20 KiB of them

Every report is run as a conversion (qvformat REPORT) and as an item-list page
(qvformat /t REPORT). The floor is copying the bytes such a run reads and
writes: `cat` of the report and of the document it made, each into a file of
the same folder. The tool and the floor alternate, --runs times each, and the
medians are compared: "x floor" is the tool's wall time over the floor's, at
every size; "per 2x" is how much the tool's time grows when the input doubles
(the geometric mean over the sizes given); "x cpu" is the ratio of the CPU
times (user and system) of the same runs, which other work on the machine
sways less than the wall times. --callgrind runs the tool once per
report under `valgrind --tool=callgrind` instead and prints the instructions
(repeatable where wall times are not); it needs valgrind.
"""

import argparse
import math
import resource
import os
import pathlib
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
MIB = 1 << 20
SAMPLES = {"old": "1234_57", "new": "1234_58"}


def cp(text):
    return text.encode("cp1250")


def find(lines, what, start=0):
    for i in range(start, len(lines)):
        if what in lines[i]:
            return i
    raise SystemExit(f"sample without {what!r}")


def block(lines, layout, shape):
    """[first, last) of the lines the shape repeats."""
    old = layout == "old"
    if shape == "orders":
        first = find(lines, b"<TABLE CLASS=par>" if old else b'<TD CLASS="p" WIDTH=170>')
        return first, find(lines, cp("NEKIK ÍRHATSZ"), first)
    if shape == "narrative":
        first = find(lines, b"KALANDJAI") + (1 if old else 2)
        return first, find(lines, b"<TABLE CLASS=par>" if old else b'<TD CLASS="p" WIDTH=170>')
    if shape == "items":
        table = find(lines, cp("NÁLAD LÉVŐ TÁRGYAK"))
        first = find(lines, b"tfej2" if old else b'CLASS="c3"', table)
        last = find(lines, b"[benne" if old else b"</TABLE>", first)
        return first, last
    if shape == "spells":
        table = find(lines, cp("VARÁZSLATAID ÉS PSZÍ"))
        first = find(lines, b"tfej2" if old else b'CLASS="c3"', table)
        return first, find(lines, cp("Butaság ára"), first)
    if shape == "skills":
        table = find(lines, b"HARCI ISMERETEK")
        first = table + (2 if old else 1)
        return first, find(lines, b"</TABLE>", first)
    if shape == "maps":
        first = find(lines, cp("E KÖRBEN TETT LÉPÉSEID") if old else cp("E körben tett lépéseid"))
        last = find(lines, b"<P>" if old else b"<! end of map>", first + 1)
        return first, last + (0 if old else 1)
    raise SystemExit(f"no shape {shape}")


def teleport_maps(lines, layout):
    """The sample with the order results repeated to about MAP_EVERY bytes and
    the sample's step map, titled as the map before a teleport, after them:
    [first, last) is the block the maps shape repeats."""
    first, last = block(lines, layout, "maps")
    title = lines[first].replace(
        cp("E KÖRBEN TETT LÉPÉSEID TÉRKÉPE" if layout == "old" else "E körben tett lépéseid térképe"),
        cp("A TELEPORTÁLÁS PILLANATA ELŐTTI TÉRKÉPED"))
    mapped = [title] + lines[first + 1:last] + [b"<P>"]
    orders, at = block(lines, layout, "orders")
    results = lines[orders:at]
    times = max(1, MAP_EVERY // (len(b"\r\n".join(results)) + 2))
    piece = results * times + mapped
    return lines[:orders] + piece + lines[at:], orders, orders + len(piece)


# One map in so many report bytes: the pictures of an 8 MiB report stay under
# the tool's limit on a document's picture data.
MAP_EVERY = 20 << 10


SHAPES = ["orders", "narrative", "items", "spells", "skills", "maps"]
NUMBERS = re.compile(rb"(#t|\(#)(\d+)")


def grown(layout, shape, size):
    """The sample with the shape's block repeated up to about size bytes."""
    report = (ROOT / "examples" / (SAMPLES[layout] + ".htm")).read_bytes()
    lines = report.split(b"\r\n")
    if shape == "maps":
        lines, first, last = teleport_maps(lines, layout)
    else:
        first, last = block(lines, layout, shape)
    piece = b"\r\n".join(lines[first:last]) + b"\r\n"
    head = b"\r\n".join(lines[:first]) + b"\r\n"
    tail = b"\r\n".join(lines[last:])
    copies = max(1, (size - len(head) - len(tail)) // len(piece))
    if shape != "items":
        return head + piece * copies + tail
    parts = [head]
    for k in range(copies):
        parts.append(NUMBERS.sub(lambda m: m.group(1) + str(int(m.group(2)) + 1000 * (k + 1))
                                 .encode(), piece))
    parts.append(tail)
    return b"".join(parts)


def children_cpu():
    usage = resource.getrusage(resource.RUSAGE_CHILDREN)
    return usage.ru_utime + usage.ru_stime


def timed(command, cwd, env):
    """(wall seconds, CPU seconds of the process)."""
    cpu = children_cpu()
    start = time.perf_counter()
    done = subprocess.run(command, cwd=cwd, env=env, stdout=subprocess.DEVNULL,
                          stderr=subprocess.PIPE)
    seconds = time.perf_counter() - start
    if done.returncode != 0:
        raise SystemExit(f"{' '.join(command)} in {cwd}: exit {done.returncode}\n"
                         + done.stderr.decode("utf-8", "replace"))
    return seconds, children_cpu() - cpu


def copy_floor(folder, report, output):
    cpu = children_cpu()
    start = time.perf_counter()
    with open(folder / "floor.in", "wb") as sink:
        subprocess.run(["cat", report], cwd=folder, stdout=sink, check=True)
    with open(folder / "floor.out", "wb") as sink:
        subprocess.run(["cat", output], cwd=folder, stdout=sink, check=True)
    return time.perf_counter() - start, children_cpu() - cpu


def instructions(tool, params, folder, env):
    out = folder / "callgrind.out"
    done = subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={out}", tool]
                          + params, cwd=folder, env=env, stdout=subprocess.DEVNULL,
                          stderr=subprocess.PIPE)
    found = re.search(rb"Collected : (\d+)", done.stderr)
    if done.returncode != 0 or not found:
        raise SystemExit(done.stderr.decode("utf-8", "replace"))
    out.unlink(missing_ok=True)
    return int(found.group(1))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--tool", default=str(ROOT / "build" / "qvformat"))
    parser.add_argument("--sizes", default="2,4,8", help="report sizes in MiB, ascending")
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--layouts", default="old,new")
    parser.add_argument("--modes", default="convert,page")
    parser.add_argument("--callgrind", action="store_true")
    parser.add_argument("--keep", help="make the reports in this folder and keep them")
    parser.add_argument("shapes", nargs="*", help=f"default: {' '.join(SHAPES)}")
    args = parser.parse_args()
    tool = str(pathlib.Path(args.tool).resolve())
    sizes = [float(s) for s in args.sizes.split(",")]
    env = dict(os.environ, QVFORMAT_NO_OPEN="1")
    base = pathlib.Path(args.keep or tempfile.mkdtemp(prefix="qvshapes."))

    if args.callgrind:
        print(f"{'shape':10} {'layout':6} {'mode':8} {'input':>8} {'instructions':>14} "
              f"{'per byte':>9}")
    else:
        print(f"{'shape':10} {'layout':6} {'mode':8} {'input':>8} {'output':>8} {'tool ms':>9} "
              f"{'floor ms':>9} {'x floor':>8} {'per 2x':>7} {'x cpu':>6}")
    worst = 0.0
    for shape in args.shapes or SHAPES:
        for layout in args.layouts.split(","):
            name = SAMPLES[layout]
            folder = base / f"{shape}-{layout}"
            folder.mkdir(parents=True, exist_ok=True)
            for mode in args.modes.split(","):
                params = (["/t"] if mode == "page" else []) + [name + ".htm"]
                output = name.replace("_", "r") + (".htm" if mode == "page" else ".rtf")
                times = []
                for size in sizes:
                    report = grown(layout, shape, int(size * MIB))
                    (folder / (name + ".htm")).write_bytes(report)
                    os.sync()  # the report on disk, as a player's is, before any run
                    insize = f"{len(report) / MIB:.1f} MiB"
                    if args.callgrind:
                        count = instructions(tool, params, folder, env)
                        print(f"{shape:10} {layout:6} {mode:8} {insize:>8} {count:14,d} "
                              f"{count / len(report):9.1f}", flush=True)
                        continue
                    tool_s, floor_s = [], []
                    for _ in range(args.runs):
                        tool_s.append(timed([tool] + params, folder, env))
                        floor_s.append(copy_floor(folder, name + ".htm", output))
                        # The copies go to disk before the next run, untimed, so that
                        # no run's flush has to write another's bytes.
                        os.sync()
                    t = statistics.median(w for w, _ in tool_s)
                    f = statistics.median(w for w, _ in floor_s)
                    cpu = (statistics.median(c for _, c in tool_s)
                           / max(statistics.median(c for _, c in floor_s), 1e-4))
                    times.append(t)
                    ratio = t / f
                    worst = max(worst, ratio)
                    growth = ""
                    if len(times) == len(sizes) and len(sizes) > 1:
                        doublings = math.log2(sizes[-1] / sizes[0])
                        growth = f"{(times[-1] / times[0]) ** (1 / doublings):.2f}"
                    outsize = f"{(folder / output).stat().st_size / MIB:.1f} MiB"
                    print(f"{shape:10} {layout:6} {mode:8} {insize:>8} {outsize:>8} "
                          f"{t * 1000:9.1f} {f * 1000:9.1f} {ratio:8.2f} {growth:>7} {cpu:6.2f}",
                          flush=True)
            if not args.keep:
                shutil.rmtree(folder)
    if not args.callgrind:
        print(f"largest x floor: {worst:.2f}")
    if not args.keep:
        shutil.rmtree(base, ignore_errors=True)


if __name__ == "__main__":
    sys.exit(main())
