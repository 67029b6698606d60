#!/usr/bin/env python3
"""Runs the built tool on pathological reports and shows what each run costs.

    python3 scripts/pathological.py [--tool build/qvformat] [--timeout 300] [--keep DIR] [CASE...]

Every case is made from the sample reports in a fresh directory and run as a
conversion (qvformat x_1.htm) and as an item-list page (qvformat /t x_1.htm);
the batch case runs /k and /t /k. The table shows the input's size, the exit
status, the wall time, the peak memory (maximum resident set) and the output's
size; a document also says whether its braces are balanced. A run that passes
the time-out is killed and shown as "timeout". Nothing here passes or fails:
the figures are for reading, not a timed test. The peak memory needs GNU time
(/usr/bin/time, Debian: time).

Cases:
  one_line_50mb        a 50 MB report without a line end (the older sample, joined, repeated)
  nbsp_1e6_old/_new    10^6 "&nbsp;" in a line of the opening story
  bold_1e6_old/_new    10^6 "&nbsp;<b>x</b> " in a line of the opening story
  markers_1e4_old/_new every line holding a section marker repeated 10^4 times
  lines_10mb_old/_new  a 10 MB line after each of the first three marker lines
  nul_invalid_old/_new NUL and bytes Windows-1250 leaves undefined, every 50 bytes
  empty                an empty file
  batch_directory      a sample beside a directory named like a report (d_1.htm), /k and /t /k
"""

import argparse
import os
import pathlib
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent
OLD = (ROOT / "examples" / "1234_57.htm").read_bytes()
NEW = (ROOT / "examples" / "1234_58.htm").read_bytes()
MB = 1 << 20


def cp_markers():
    """Section markers: the upper-case literals of the converters' section
    walk, in Windows-1250."""
    found = set()
    for path in (ROOT / "convert").glob("*.cc"):
        for m in re.finditer(r'"([^"\\\n]{6,})"(_cp)?', path.read_text(encoding="utf-8")):
            text = m.group(1)
            letters = [c for c in text if c.isalpha()]
            if len(letters) >= 6 and all(c.isupper() for c in letters):
                found.add(text.encode("cp1250" if m.group(2) else "utf-8", errors="replace"))
    return found


MARKERS = cp_markers()


def lines(report):
    return report.split(b"\r\n")


def joined(parts):
    return b"\r\n".join(parts)


def story_line(report):
    """Index of the line after the adventure's title (the opening story)."""
    parts = lines(report)
    for i, line in enumerate(parts):
        if b"KALANDJAI" in line:
            return i + 2
    return len(parts) // 3


def insert_line(report, line):
    parts = lines(report)
    at = story_line(report)
    return joined(parts[:at] + [line] + parts[at:])


def marker_indexes(report):
    return [i for i, line in enumerate(lines(report)) if any(m in line for m in MARKERS)]


def repeat_markers(report, times):
    parts = lines(report)
    marked = set(marker_indexes(report))
    out = []
    for i, line in enumerate(parts):
        out.extend([line] * (times if i in marked else 1))
    return joined(out)


def long_lines(report, size):
    parts = lines(report)
    firsts = marker_indexes(report)[:3]
    out = []
    for i, line in enumerate(parts):
        out.append(line)
        if i in firsts:
            out.append((b"hosszu sor " * (size // 11 + 1))[:size])
    return joined(out)


def sprinkle(report):
    junk = b"\x00\x81\x83\x88\x90\x98"
    out = bytearray()
    for at in range(0, len(report), 50):
        out += report[at:at + 50] + junk[(at // 50) % len(junk):(at // 50) % len(junk) + 1]
    return bytes(out)


def one_line(size):
    flat = OLD.replace(b"\r\n", b" ")
    return (flat * (size // len(flat) + 1))[:size]


CASES = {
    "one_line_50mb": lambda: one_line(50 * MB),
    "nbsp_1e6_old": lambda: insert_line(OLD, b"&nbsp;" * 10**6),
    "nbsp_1e6_new": lambda: insert_line(NEW, b"&nbsp;" * 10**6),
    "bold_1e6_old": lambda: insert_line(OLD, b"&nbsp;<b>x</b> " * 10**6),
    "bold_1e6_new": lambda: insert_line(NEW, b"&nbsp;<b>x</b> " * 10**6),
    "markers_1e4_old": lambda: repeat_markers(OLD, 10**4),
    "markers_1e4_new": lambda: repeat_markers(NEW, 10**4),
    "lines_10mb_old": lambda: long_lines(OLD, 10 * MB),
    "lines_10mb_new": lambda: long_lines(NEW, 10 * MB),
    "nul_invalid_old": lambda: sprinkle(OLD),
    "nul_invalid_new": lambda: sprinkle(NEW),
    "empty": lambda: b"",
    "batch_directory": None,
}


def brace_balance(rtf):
    depth = 0
    i = 0
    while i < len(rtf):
        c = rtf[i]
        if c == 0x5C:  # backslash: the next byte goes with it
            i += 1
        elif c == 0x7B:
            depth += 1
        elif c == 0x7D:
            depth -= 1
            if depth < 0:
                return -1
        i += 1
    return depth


def run(tool, args, cwd, timeout):
    """(status, seconds, peak MB or None, first error line). The peak comes
    from GNU time (/usr/bin/time), which measures the tool alone."""
    gnu_time = pathlib.Path("/usr/bin/time")
    memory = pathlib.Path(cwd) / ".peak"
    command = [tool] + args
    if gnu_time.exists():
        command = [str(gnu_time), "-f", "%M", "-o", str(memory)] + command
    start = time.monotonic()
    child = subprocess.Popen(command, cwd=cwd, stdout=subprocess.DEVNULL, stderr=subprocess.PIPE,
                             start_new_session=True)
    killed = []
    timer = threading.Timer(timeout, lambda: (killed.append(1), os.killpg(child.pid, signal.SIGKILL)))
    timer.start()
    _, error = child.communicate()
    timer.cancel()
    seconds = time.monotonic() - start
    peak = None
    if memory.exists():
        text = memory.read_text().strip().splitlines()
        peak = int(text[-1]) / 1024 if text and text[-1].isdigit() else None
        memory.unlink()
    lines = [l for l in error.decode("utf-8", "replace").splitlines() if l.strip()]
    status = "timeout" if killed else child.returncode
    return status, seconds, peak, lines[0] if lines else ""


def size_text(n):
    return f"{n / MB:.1f} MB" if n >= MB else f"{n} B"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--tool", default=str(ROOT / "build" / "qvformat"))
    parser.add_argument("--timeout", type=float, default=300)
    parser.add_argument("--keep", help="make the cases in this directory and keep them")
    parser.add_argument("--make", nargs=2, metavar=("FILE", "CASE"), help=argparse.SUPPRESS)
    parser.add_argument("cases", nargs="*", help="cases to run (default: all)")
    args = parser.parse_args()
    if args.make:
        pathlib.Path(args.make[0]).write_bytes(CASES[args.make[1]]())
        return
    tool = str(pathlib.Path(args.tool).resolve())
    names = args.cases or list(CASES)
    for name in names:
        if name not in CASES:
            sys.exit(f"no case {name}; cases: {' '.join(CASES)}")

    base = pathlib.Path(args.keep or tempfile.mkdtemp(prefix="qvpatho."))
    print(f"{'case':17} {'mode':8} {'input':>9} {'exit':>7} {'seconds':>8} {'peak MB':>8} "
          f"{'output':>9}  notes")
    for name in names:
        folder = base / name
        shutil.rmtree(folder, ignore_errors=True)
        folder.mkdir(parents=True)
        if CASES[name] is None:
            (folder / "1234_57.htm").write_bytes(OLD)
            (folder / "d_1.htm").mkdir()
            runs = [("/k", ["/k"], "1234r57.rtf"), ("/t /k", ["/t", "/k"], "1234r57.htm")]
            size = len(OLD)
        else:
            # Made by a process of its own: the runner stays small.
            report = folder / "x_1.htm"
            subprocess.run([sys.executable, __file__, "--make", str(report), name], check=True)
            runs = [("convert", ["x_1.htm"], "xr1.rtf"), ("page", ["/t", "x_1.htm"], "xr1.htm")]
            size = report.stat().st_size
        for mode, params, output in runs:
            status, seconds, peak, error = run(tool, params, folder, args.timeout)
            out = folder / output
            notes = error
            out_size = "-"
            if out.is_file():
                out_size = size_text(out.stat().st_size)
                if output.endswith(".rtf"):
                    balance = brace_balance(out.read_bytes())
                    notes = ("balanced" if balance == 0 else f"UNBALANCED ({balance})") + \
                        (f"; {error}" if error else "")
                out.unlink()  # the next run starts without it
            peak_text = "-" if peak is None else f"{peak:.0f}"
            print(f"{name:17} {mode:8} {size_text(size):>9} {str(status):>7} {seconds:8.2f} "
                  f"{peak_text:>8} {out_size:>9}  {notes}", flush=True)
        if not args.keep:
            shutil.rmtree(folder)
    if not args.keep:
        shutil.rmtree(base)


if __name__ == "__main__":
    main()
