#!/usr/bin/env python3
"""Writes the performance page from the JSON files of the benchmark programs.

Each target below names the benchmark that measures it. A time target is judged on the
median of the repetitions; a memory ceiling on the largest repetition, because a ceiling has
to hold on every run. The machine is described from /proc, uname and the build's CMake cache.
Standard library only.
"""

import argparse
import datetime
import glob
import json
import os
import platform
import re
import statistics
import subprocess
import sys
from dataclasses import dataclass, field

NS_PER_UNIT = {"ns": 1.0, "us": 1e3, "ms": 1e6, "s": 1e9}


@dataclass
class Target:
    figure: str  # what the user waits for, in words
    program: str  # benchmark program (the JSON file's stem)
    run: str  # the benchmark's run name in that program
    metric: str  # "real_time", "cpu_time", a counter name, or "bytes_per_second"
    limit: float  # the ceiling, in `unit`; None: reported without a target
    unit: str  # "us", "ms", "KiB", "MB/s"
    why: str = ""  # where the target comes from, when it is ours
    ceiling_on_max: bool = False  # judged on the worst repetition


TARGETS = [
    Target("Read and parse a 15 × 15 puzzle file", "bench_core", "ReadAndParse/15",
           "real_time", 10, "us"),
    Target("Repaint 240 × 268, 15 × 15 grid (225 cells), the game's grid painter",
           "bench_display", "BM_RepaintSmall15", "real_time", 300, "us"),
    Target("Repaint 961 × 961, 40 × 40 grid (1600 cells), the game's grid painter",
           "bench_display", "BM_RepaintLarge40", "real_time", 5, "ms"),
    Target("Repaint 961 × 961, 40 × 40 grid, pencil letters and both marks in every square",
           "bench_display", "BM_RepaintLarge40Comforts", "real_time", 5, "ms"),
    Target("Repaint 240 × 268, 15 × 15 grid (225 cells), GDI calls alone", "bench_gdi",
           "BM_RepaintGrid15x15/1", "real_time", 300, "us"),
    Target("Repaint 961 × 961, 40 × 40 grid (1600 cells), GDI calls alone", "bench_gdi",
           "BM_RepaintGrid40x40/1", "real_time", 5, "ms"),
    Target("Keystroke to present, 15 × 15 in Small", "bench_display", "BM_KeystrokeSmall15",
           "real_time", 0.5, "ms"),
    Target("Keystroke to present, 21 × 21 in Large", "bench_display", "BM_KeystrokeLarge21",
           "real_time", 2, "ms"),
    Target("Keystroke to present, 15 × 15 in Small, every comfort on (pencil, marks, "
           "cross-references, undo step, solved test)", "bench_display",
           "BM_KeystrokeSmall15Comforts", "real_time", 0.5, "ms"),
    Target("Keystroke to present, 21 × 21 in Large, every comfort on", "bench_display",
           "BM_KeystrokeLarge21Comforts", "real_time", 2, "ms"),
    Target("Keystroke to present, 21 × 21 diagramless in Large, a block placed or a letter "
           "typed over it (the words numbered again)", "bench_display",
           "BM_KeystrokeDiagramlessLarge21", "real_time", 2, "ms"),
    Target("Magnification change with its repaint", "bench_display", "BM_MagnificationChange",
           "real_time", 5, "ms"),
    # The auto-save runs a second after a change, on the game's thread between keys: a key
    # that comes while it writes waits for it, and must not be felt late (a delay under 50 ms
    # is not). Its cost is the storage's: four flushes (each record's file and its folder),
    # about 5 ms each on a virtual disk, where building the record takes microseconds.
    Target("One auto-save: the record written whole to the puzzle's progress file and the "
           "state file, with their flushes", "bench_shell", "BM_AutoSave", "real_time", 25, "ms"),
    Target("Start-up to first present, headless, starter puzzle", "bench_shell",
           "BM_StartUpStarterPuzzle", "real_time", 50, "ms"),
    Target("Start-up to first present, headless, saved puzzle in Large", "bench_shell",
           "BM_StartUpRestoringLarge", "real_time", 50, "ms"),
    Target("Print a 21 × 21 puzzle (134 clues) with its solution to a PDF in memory, from the "
           "game's state", "bench_print", "PrintSunday/2", "real_time", 200, "ms"),
    Target("50 MB download: resident set growth", "bench_inet", "BM_Download50MB/real_time",
           "peak_rss_growth_KiB", 512, "KiB", ceiling_on_max=True),
    Target("50 MB download: heap growth", "bench_inet", "BM_Download50MB/real_time",
           "peak_heap_growth_KiB", 512, "KiB", ceiling_on_max=True),
    Target("50 MB download from 127.0.0.1: throughput", "bench_inet",
           "BM_Download50MB/real_time", "bytes_per_second", None, "MB/s"),
    Target("Install a pack: 31 puzzles, dialogs answered", "bench_installer",
           "BM_InstallPack/real_time", "real_time", 50, "ms",
           why="ours; see the note on installation below"),
    Target("Real window, scale 2, starter puzzle: exec to the window mapped with its first "
           "frame, warm start", "realwindow", "RealWindow/StartToFirstFrame", "real_time", 80,
           "ms", why="see the note on the real window below"),
    Target("Real window: resident set (VmRSS) a second after start-up", "realwindow",
           "RealWindow/StartToFirstFrame", "rss_MB", 30, "MB", ceiling_on_max=True),
    Target("Real window: proportional set (PSS) a second after start-up", "realwindow",
           "RealWindow/StartToFirstFrame", "pss_MB", None, "MB"),
    Target("Real window: keystroke to the pixels on the X server", "realwindow",
           "RealWindow/KeystrokeToPixels", "real_time", 2, "ms"),
    Target("Real window: CPU while idle, the puzzle's clock paused", "realwindow",
           "RealWindow/StartToFirstFrame", "idle_cpu_percent", 0.01, "%", ceiling_on_max=True,
           why="ours, for none at all: waking ten times a second shows as about 0.05 %"),
    Target("Real window: CPU while idle, the puzzle's clock running (a tick a second)",
           "realwindow", "RealWindow/StartToFirstFrame", "idle_clock_cpu_percent", None, "%"),
]


@dataclass
class Run:
    """The repetitions of one benchmark, each value in nanoseconds or in its counter's unit."""
    program: str
    name: str
    real_ns: list = field(default_factory=list)
    cpu_ns: list = field(default_factory=list)
    counters: dict = field(default_factory=dict)
    iterations: list = field(default_factory=list)
    error: str = ""


# Fields of a benchmark entry that are not user counters.
NOT_COUNTERS = {
    "name", "family_index", "per_family_instance_index", "run_name", "run_type",
    "repetitions", "repetition_index", "threads", "iterations", "real_time", "cpu_time",
    "time_unit", "aggregate_name", "aggregate_unit", "error_occurred", "error_message",
    "label", "items_per_second",
}


def run_name(entry):
    """The benchmark's name without the repetitions a program may fix in its code."""
    return re.sub(r"/repeats:\d+", "", entry.get("run_name", entry["name"]))


def add_values(run, entry):
    scale = NS_PER_UNIT[entry.get("time_unit", "ns")]
    run.real_ns.append(entry["real_time"] * scale)
    run.cpu_ns.append(entry["cpu_time"] * scale)
    run.iterations.append(entry["iterations"])
    for key, value in entry.items():
        if key not in NOT_COUNTERS and isinstance(value, (int, float)):
            run.counters.setdefault(key, []).append(float(value))


def load_runs(json_dir):
    """Returns ({program: context}, {(program, run name): Run}) for every JSON file. The
    repetitions give the values; a program that reports aggregates only gives its median."""
    contexts, runs = {}, {}
    for path in sorted(glob.glob(os.path.join(json_dir, "*.json"))):
        program = os.path.splitext(os.path.basename(path))[0]
        try:
            with open(path, encoding="utf-8") as f:
                data = json.load(f)
        except (OSError, json.JSONDecodeError) as error:
            print(f"{path}: not read ({error})", file=sys.stderr)
            continue
        contexts[program] = data.get("context", {})
        medians = {}
        for entry in data.get("benchmarks", []):
            name = run_name(entry)
            if entry.get("run_type", "iteration") != "iteration":
                if entry.get("aggregate_name") == "median":
                    medians[name] = entry
                continue
            run = runs.setdefault((program, name), Run(program, name))
            if entry.get("error_occurred"):
                run.error = entry.get("error_message", "error")
                continue
            add_values(run, entry)
        for name, entry in medians.items():
            if (program, name) not in runs:
                add_values(runs.setdefault((program, name), Run(program, name)), entry)
    return contexts, runs


def values_of(run, metric, unit):
    """The repetitions' values of `metric` in `unit`, or [] when the run lacks it."""
    if metric in ("real_time", "cpu_time"):
        ns = run.real_ns if metric == "real_time" else run.cpu_ns
        return [v / NS_PER_UNIT[unit] for v in ns]
    values = run.counters.get(metric, [])
    if metric == "bytes_per_second":
        return [v / 1e6 for v in values]
    return values


def number(value):
    """A figure with three significant digits, no exponent."""
    if value == 0:
        return "0"
    digits = max(0, 2 - int(f"{abs(value):e}".split("e")[1]))
    return f"{value:,.{digits}f}"


def unit_text(unit):
    return {"us": "µs"}.get(unit, unit)


def spread(values, unit):
    if len(values) < 2:
        return ""
    return f"{number(min(values))} – {number(max(values))} {unit_text(unit)}"


# Columns of the targets table; verdict_row fills them in this order.
TARGET_COLUMNS = ["Figure", "Benchmark", "Median", "CPU", "Target", "Result", "Notes"]
RESULT = TARGET_COLUMNS.index("Result")


def verdict_row(target, runs, busy_reason):
    """One row of the targets table. The CPU column is the median CPU time of a time target,
    which shows how much of the wall-clock time the program itself spent."""
    run = runs.get((target.program, target.run))
    unit = unit_text(target.unit)
    bound = f"< {target.limit:g} {unit}" if target.limit is not None else "none set"
    name = f"`{target.program}` {target.run}"
    if run is None:
        return [target.figure, name, "not run", "", bound, "—",
                "the benchmark is missing from this build"]
    if run.error:
        return [target.figure, name, "error", "", bound, "**missed**", run.error]
    values = values_of(run, target.metric, target.unit)
    if not values:
        return [target.figure, name, "no value", "", bound, "—",
                f"the run reports no {target.metric}"]
    median = statistics.median(values)
    cpu = ""
    if target.metric == "real_time":
        cpu = f"{number(statistics.median(values_of(run, 'cpu_time', target.unit)))} {unit}"
    judged = max(values) if target.ceiling_on_max else median
    reason = ""
    if target.limit is None:
        verdict = "—"
    elif judged < target.limit:
        verdict = "met"
    else:
        verdict = "**missed**"
        if target.ceiling_on_max and median < target.limit:
            reason = f"the largest repetition was {number(judged)} {unit}"
        if busy_reason:
            reason = "; ".join(r for r in (reason, busy_reason) if r)
    if target.why:
        reason = "; ".join(r for r in (reason, target.why) if r)
    return [target.figure, name, f"{number(median)} {unit}", cpu, bound, verdict, reason]


def counter_text(key, value):
    if key == "bytes_per_second":
        return f"{number(value / 1e6)} MB/s"
    return f"{key} {number(value)}"


def all_runs_rows(runs):
    rows = []
    for (program, name), run in sorted(runs.items()):
        if run.error:
            rows.append([f"`{program}`", name, "error", "", "", "", run.error])
            continue
        real = statistics.median(run.real_ns)
        unit = "ms" if real >= 1e6 else "us" if real >= 1e3 else "ns"
        scale = NS_PER_UNIT[unit]
        cv = (f"{statistics.stdev(run.real_ns) / statistics.mean(run.real_ns) * 100:.1f} %"
              if len(run.real_ns) > 1 else "")
        counters = ", ".join(counter_text(key, statistics.median(vals))
                             for key, vals in sorted(run.counters.items()))
        rows.append([
            f"`{program}`", name, f"{number(real / scale)} {unit_text(unit)}",
            f"{number(statistics.median(run.cpu_ns) / scale)} {unit_text(unit)}",
            spread([v / scale for v in run.real_ns], unit), cv, counters])
    return rows


def table(header, rows):
    lines = ["| " + " | ".join(header) + " |", "|" + "|".join("---" for _ in header) + "|"]
    for row in rows:
        lines.append("| " + " | ".join(str(cell).replace("|", "\\|") for cell in row) + " |")
    return "\n".join(lines)


def read_text(path):
    try:
        with open(path, encoding="utf-8", errors="replace") as f:
            return f.read()
    except OSError:
        return ""


def cpu_description():
    info = read_text("/proc/cpuinfo")
    model = re.search(r"^model name\s*:\s*(.+)$", info, re.M)
    virtual = re.search(r"^flags\s*:.*\bhypervisor\b", info, re.M)
    text = model.group(1).strip() if model else platform.machine()
    return text + (" (virtual machine)" if virtual else "")


def memory_description():
    match = re.search(r"^MemTotal:\s*(\d+) kB", read_text("/proc/meminfo"), re.M)
    return f"{int(match.group(1)) / 1024 / 1024:.1f} GiB" if match else "unknown"


def os_description():
    match = re.search(r'^PRETTY_NAME="?([^"\n]+)"?', read_text("/etc/os-release"), re.M)
    uname = platform.uname()
    name = match.group(1) if match else uname.system
    return f"{name}, {uname.system} {uname.release} {uname.machine}"


def cmake_cache(build_dir):
    cache = {}
    for line in read_text(os.path.join(build_dir, "CMakeCache.txt")).splitlines():
        match = re.match(r"^([A-Za-z0-9_]+):[A-Z]+=(.*)$", line)
        if match:
            cache[match.group(1)] = match.group(2)
    return cache


def first_line(command):
    try:
        out = subprocess.run(command, capture_output=True, text=True, check=True).stdout
        return out.splitlines()[0].strip() if out else ""
    except (OSError, subprocess.CalledProcessError):
        return ""


def git_description():
    """The commit the build came from, and the tracked files that differed from it."""
    commit = first_line(["git", "log", "-1", "--format=%h %s"]) or "unknown"
    try:
        status = subprocess.run(["git", "status", "--porcelain", "--untracked-files=no"],
                                capture_output=True, text=True, check=True).stdout
    except (OSError, subprocess.CalledProcessError):
        status = ""
    changed = [line[3:] for line in status.splitlines() if len(line) > 3]
    if not changed:
        return commit
    return f"{commit} (uncommitted changes in {', '.join(f'`{c}`' for c in changed)})"


def load_numbers(text):
    """The three load averages of a /proc/loadavg line."""
    parts = text.split()
    try:
        return [float(p) for p in parts[:3]]
    except ValueError:
        return []


PEER_SAMPLES = [("`.ipuz`", "ipuz", "ReadIpuzFile"), ("`.jpz`", "jpz", "ReadJpzFile"),
                ("`.xd`", "xd", "ReadXdFile")]


def peer_section(path, runs):
    """The format readers beside the peer parser's times (bench/peer_formats.sh's lines:
    "sample15.ipuz<TAB>19.5 us ..."), or a line saying why there is no comparison."""
    peer = {}
    try:
        with open(path, encoding="utf-8") as f:
            for line in f:
                name, _, rest = line.partition("\t")
                if rest.split()[:2] and rest.split()[1] == "us":
                    peer[name] = float(rest.split()[0])
    except (OSError, ValueError, IndexError):
        peer = {}
    if not peer:
        return ("The peer parser could not be run (`bench/peer_formats.sh` needs Node.js and the "
                "npm registry), so there is no comparison on this page.")
    rows = []
    for label, ext, bench in PEER_SAMPLES:
        for side in (15, 21):
            run = runs.get(("bench_formats", f"{bench}/{side}"))
            ours = values_of(run, "cpu_time", "us") if run else []
            theirs = peer.get(f"sample{side}.{ext}")
            if not ours or theirs is None:
                rows.append([f"{label} {side} × {side}", "missing", "missing", "—"])
                continue
            mine = statistics.median(ours)
            rows.append([f"{label} {side} × {side}", f"{number(mine)} µs",
                         f"{number(theirs)} µs", f"{mine / theirs:.2f}"])
    return table(["Figure", "Ours (CPU, median)", "Peer (median of 10 runs of 500)",
                  "Ours / peer"], rows)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--json-dir", required=True, help="folder of <program>.json files")
    parser.add_argument("--build-dir", required=True, help="the build the programs came from")
    parser.add_argument("--load-start", default="", help="/proc/loadavg when the command began")
    parser.add_argument("--load-bench", default="", help="/proc/loadavg before the first run")
    parser.add_argument("--load-end", default="", help="/proc/loadavg after the last run")
    parser.add_argument("--repetitions", default="", help="repetitions of each benchmark")
    parser.add_argument("--command", default="make perf", help="the command that made the page")
    parser.add_argument("--peer", default="", help="bench/peer_formats.sh's output")
    parser.add_argument("--out", required=True)
    args = parser.parse_args()

    contexts, runs = load_runs(args.json_dir)
    if not runs:
        print(f"no benchmark results in {args.json_dir}", file=sys.stderr)
        return 1

    cores = os.cpu_count() or 1
    bench_load = load_numbers(args.load_bench)
    busy_reason = ""
    if bench_load and bench_load[0] >= cores / 2:
        busy_reason = (f"the machine was busy: load average {bench_load[0]:.2f} on {cores} "
                       "logical cores when the runs began")

    cache = cmake_cache(args.build_dir)
    compiler = cache.get("CMAKE_CXX_COMPILER", "c++")
    compiler_text = first_line([compiler, "--version"]) or compiler
    build_type = cache.get("CMAKE_BUILD_TYPE", "unknown")
    flags = cache.get(f"CMAKE_CXX_FLAGS_{build_type.upper()}", "")
    library_types = sorted({c.get("library_build_type", "") for c in contexts.values()} - {""})
    now = datetime.datetime.now(datetime.timezone.utc).strftime("%Y-%m-%d %H:%M UTC")

    def load_line(label, text):
        numbers = load_numbers(text)
        if not numbers:
            return None
        return f"- Load average (1, 5, 15 min) {label}: " + ", ".join(f"{n:.2f}" for n in numbers)

    machine = [
        f"- Date: {now}",
        f"- Commit measured: {git_description()}",
        f"- CPU: {cpu_description()}; {cores} logical cores",
        f"- Memory: {memory_description()}",
        f"- OS: {os_description()}",
        f"- Compiler: {compiler_text}",
        f"- Build: CMake preset `perf`, CMAKE_BUILD_TYPE {build_type}"
        + (f" (`{flags}`)" if flags else ""),
    ]
    if library_types:
        machine.append("- Google Benchmark library as packaged: " + ", ".join(library_types)
                       + " build (its own overhead is outside the timed loops)")
    if args.repetitions:
        machine.append(f"- Repetitions of each benchmark: {args.repetitions}")
    for label, text in (("when the command started", args.load_start),
                        ("when the first benchmark started", args.load_bench),
                        ("after the last benchmark", args.load_end)):
        line = load_line(label, text)
        if line:
            machine.append(line)

    target_rows = [verdict_row(t, runs, busy_reason) for t in TARGETS]
    missed = sum(1 for row in target_rows if row[RESULT] == "**missed**")
    met = sum(1 for row in target_rows if row[RESULT] == "met")

    page = f"""# Performance

Generated by `{args.command}` (`scripts/performance.sh`): it makes the release build of the
`perf` preset, runs every Google Benchmark program in `bench/` with repetitions, measures the
game in a real window (`scripts/real_window_perf.sh`) and writes this page from their JSON
output. Do not edit it by hand; run the command again on a quiet machine instead.

## The machine

{chr(10).join(machine)}

## Targets

{met} met, {missed} missed. Times are the median of the repetitions, wall-clock. Memory
ceilings are judged on the largest repetition, since they must hold every time; the median is
shown.

{table(TARGET_COLUMNS, target_rows)}

Installation target: installing a pack is one tap on Yes, answered by 31 files of about 2 KB,
each written to a temporary file, flushed to the disk and renamed into place so that no file
is ever left half-written. Under 50 ms the whole installation is over before the user can
notice a wait after the tap, and it leaves about 1.5 ms for each flush, which a local SSD or
an idle disk keeps to. The flushes are most of the time: the program's own work is the CPU
time of `BM_InstallPack` in the table below. A flush also waits for whatever else the
machine is writing to the same file system, so while other programs write (a build, say) the
installation can take several times as long; `BM_ExtractAllPuzzles` is the 31 writes alone,
over an installed copy.

Start-up runs in one process again and again, so its figures are a warm start: the program
and the files are in memory, as after the first start of a session.

Real window: `scripts/real_window_perf.sh` starts the release build's `crossword` as a user
would, on a virtual X display of its own (Xvfb, no window manager) with the SDL backend at
scale 2 and the starter puzzle: once to make the device, once more to warm up, then once for
each repetition, each time on a copy of the same device. A start is timed from exec until
the X server shows the window with its first frame, polled every 2 ms with a shared-memory
grab of the window (its CPU column is the game's own CPU time up to then). A second later
come the resident set (VmRSS) and PSS (`smaps_rollup`), then the CPU time (`schedstat`, every
thread) over three idle seconds with the puzzle's clock running, and three more after a click
on the title has paused it, when nothing is due; then, resumed by another click, ten
keystrokes sent through XTest, each timed until the window's pixels on the server change. The
idle figures are a share of one core.

## Format readers against a peer parser

`bench_formats` times our readers of `.ipuz`, `.jpz` and `.xd` on crosswords of 15 × 15 and
21 × 21 it makes itself (a block where every fourth row and column cross, one clue a word with
a little markup); `bench/peer_formats.sh` times @xwordly/xword-parser 1.0.5 (Node.js, installed
under the build folder) on the same files in the same run. Ours is the whole road to a
`PuzzleDocument`: content check, parse, markup removal, clue matching, capacity checks; the
peer's is its own parse to its puzzle record. Writing the `.puz` image the game plays is
`WriteImage` in the table below.

{peer_section(args.peer, runs)}

## Every benchmark

Median wall-clock and CPU time per iteration, the range over the repetitions, their
coefficient of variation and the medians of the counters each program reports.

{table(["Program", "Benchmark", "Median", "CPU", "Range", "CV", "Counters"], all_runs_rows(runs))}
"""
    with open(args.out, "w", encoding="utf-8") as f:
        f.write(page)
    print(f"{args.out}: {met} targets met, {missed} missed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
