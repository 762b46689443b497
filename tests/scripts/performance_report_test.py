#!/usr/bin/env python3
"""The performance page's generator on benchmark output written for each case: medians and
units, aggregates, memory ceilings, failed and missing benchmarks, and the page itself."""

import json
import os
import subprocess
import sys
import tempfile
import unittest

SCRIPTS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "scripts")
sys.path.insert(0, SCRIPTS)
import performance_report as report  # noqa: E402


MEDIAN, CPU, TARGET, RESULT, NOTES = (report.TARGET_COLUMNS.index(c) for c in
                                      ("Median", "CPU", "Target", "Result", "Notes"))


def repetition(name, real, unit, cpu=None, **counters):
    entry = {"name": name, "run_name": name, "run_type": "iteration", "iterations": 100,
             "real_time": real, "cpu_time": real if cpu is None else cpu, "time_unit": unit}
    entry.update(counters)
    return entry


def aggregate(name, kind, real, unit):
    return {"name": f"{name}_{kind}", "run_name": name, "run_type": "aggregate",
            "aggregate_name": kind, "iterations": 3, "real_time": real, "cpu_time": real,
            "time_unit": unit}


def target(run_name, program, **changes):
    for t in report.TARGETS:
        if t.program == program and t.run == run_name and all(
                getattr(t, k) == v for k, v in changes.items()):
            return t
    raise AssertionError(f"no target for {program} {run_name} {changes}")


class ReportTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.dir = self.folder.name

    def tearDown(self):
        self.folder.cleanup()

    def write(self, program, entries):
        with open(os.path.join(self.dir, program + ".json"), "w", encoding="utf-8") as f:
            json.dump({"context": {"library_build_type": "release"}, "benchmarks": entries}, f)

    def row(self, t, busy=""):
        _, runs = report.load_runs(self.dir)
        return report.verdict_row(t, runs, busy)


class MediansAndVerdicts(ReportTest):
    def test_median_of_repetitions_converted_to_the_targets_unit(self):
        # 9, 12 and 11 us written in nanoseconds: the median is 11 us, over the 10 us target.
        self.write("bench_core", [repetition("ReadAndParse/15", v, "ns")
                                  for v in (9000, 12000, 11000)])
        row = self.row(target("ReadAndParse/15", "bench_core"))
        self.assertEqual(row[MEDIAN], "11.0 µs")
        self.assertEqual(row[TARGET], "< 10 µs")
        self.assertEqual(row[RESULT], "**missed**")

    def test_even_count_median_and_met(self):
        # Microseconds against a millisecond target: median of 100, 300, 400, 450 us is 0.35 ms.
        self.write("bench_display", [repetition("BM_KeystrokeSmall15", v, "us")
                                     for v in (450, 100, 400, 300)])
        row = self.row(target("BM_KeystrokeSmall15", "bench_display"))
        self.assertEqual(row[MEDIAN], "0.350 ms")
        self.assertEqual(row[RESULT], "met")

    def test_a_value_at_the_target_is_missed(self):
        self.write("bench_display", [repetition("BM_KeystrokeLarge21", 2, "ms")] * 3)
        self.assertEqual(self.row(target("BM_KeystrokeLarge21", "bench_display"))[RESULT],
                         "**missed**")

    def test_wall_clock_is_judged_not_cpu_time(self):
        self.write("bench_shell", [repetition("BM_StartUpStarterPuzzle", 60, "ms", cpu=5)] * 3)
        row = self.row(target("BM_StartUpStarterPuzzle", "bench_shell"))
        self.assertEqual(row[CPU], "5.00 ms")
        self.assertEqual(row[RESULT], "**missed**")

    def test_aggregates_beside_repetitions_are_not_read(self):
        entries = [repetition("ReadAndParse/15", v, "us") for v in (20, 21, 22)]
        entries.append(aggregate("ReadAndParse/15", "median", 1, "us"))
        self.write("bench_core", entries)
        row = self.row(target("ReadAndParse/15", "bench_core"))
        self.assertEqual(row[MEDIAN], "21.0 µs")
        self.assertEqual(row[RESULT], "**missed**")

    def test_a_program_that_fixes_its_repetitions_gives_its_median_aggregate(self):
        name = "BM_RepaintGrid15x15/1/repeats:9"
        self.write("bench_gdi", [aggregate(name, "mean", 100, "us"),
                                 aggregate(name, "median", 350, "us"),
                                 aggregate(name, "stddev", 5, "us")])
        row = self.row(target("BM_RepaintGrid15x15/1", "bench_gdi"))
        self.assertEqual(row[MEDIAN], "350 µs")
        self.assertEqual(row[RESULT], "**missed**")


class MemoryAndThroughput(ReportTest):
    RUN = "BM_Download50MB/real_time"

    def test_ceiling_judged_on_the_largest_repetition(self):
        self.write("bench_inet", [
            repetition(self.RUN, 30, "ms", peak_rss_growth_KiB=v, peak_heap_growth_KiB=100.0,
                       bytes_per_second=2e9) for v in (100.0, 600.0, 200.0)])
        rss = self.row(target(self.RUN, "bench_inet", metric="peak_rss_growth_KiB"))
        self.assertEqual(rss[MEDIAN], "200 KiB")
        self.assertEqual(rss[RESULT], "**missed**")
        self.assertIn("600", rss[NOTES])
        heap = self.row(target(self.RUN, "bench_inet", metric="peak_heap_growth_KiB"))
        self.assertEqual(heap[RESULT], "met")
        speed = self.row(target(self.RUN, "bench_inet", metric="bytes_per_second"))
        self.assertEqual(speed[MEDIAN], "2,000 MB/s")
        self.assertEqual(speed[TARGET], "none set")
        self.assertEqual(speed[RESULT], "—")

    def test_a_run_without_the_counter_is_not_judged(self):
        self.write("bench_inet", [repetition(self.RUN, 30, "ms")] * 2)
        row = self.row(target(self.RUN, "bench_inet", metric="peak_heap_growth_KiB"))
        self.assertEqual(row[MEDIAN], "no value")
        self.assertNotIn("met", row[RESULT])


class RealWindow(ReportTest):
    """The real-window probe writes one entry per start, with its memory and idle counters,
    and one per keystroke."""

    def test_starts_keystrokes_memory_and_idle_cpu_each_against_their_target(self):
        starts = [repetition("RealWindow/StartToFirstFrame", ms, "ms", cpu=20.0, rss_MB=rss,
                             pss_MB=12.0, idle_cpu_percent=idle, idle_clock_cpu_percent=0.08)
                  for ms, rss, idle in ((60, 24.0, 0.0), (90, 31.0, 0.0), (70, 25.0, 0.02))]
        keys = [repetition("RealWindow/KeystrokeToPixels", ms, "ms") for ms in (0.5, 2.5, 1.0)]
        self.write("realwindow", starts + keys)
        start = self.row(target("RealWindow/StartToFirstFrame", "realwindow",
                                metric="real_time"))
        self.assertEqual((start[MEDIAN], start[CPU], start[RESULT]), ("70.0 ms", "20.0 ms", "met"))
        rss = self.row(target("RealWindow/StartToFirstFrame", "realwindow", metric="rss_MB"))
        self.assertEqual((rss[MEDIAN], rss[TARGET], rss[RESULT]), ("25.0 MB", "< 30 MB",
                                                                   "**missed**"))
        pss = self.row(target("RealWindow/StartToFirstFrame", "realwindow", metric="pss_MB"))
        self.assertEqual((pss[MEDIAN], pss[RESULT]), ("12.0 MB", "—"))
        idle = self.row(target("RealWindow/StartToFirstFrame", "realwindow",
                               metric="idle_cpu_percent"))
        self.assertEqual((idle[MEDIAN], idle[RESULT]), ("0 %", "**missed**"))
        ticking = self.row(target("RealWindow/StartToFirstFrame", "realwindow",
                                  metric="idle_clock_cpu_percent"))
        self.assertEqual((ticking[MEDIAN], ticking[RESULT]), ("0.0800 %", "—"))
        key = self.row(target("RealWindow/KeystrokeToPixels", "realwindow"))
        self.assertEqual((key[MEDIAN], key[RESULT]), ("1.00 ms", "met"))


class FailuresAndReasons(ReportTest):
    def test_a_failed_benchmark_is_missed_with_its_message(self):
        self.write("bench_installer", [{
            "name": "BM_InstallPack/real_time", "run_name": "BM_InstallPack/real_time",
            "run_type": "iteration", "error_occurred": True,
            "error_message": "the pack was not installed completely"}])
        row = self.row(target("BM_InstallPack/real_time", "bench_installer"))
        self.assertEqual(row[MEDIAN], "error")
        self.assertEqual(row[RESULT], "**missed**")
        self.assertIn("not installed completely", row[NOTES])

    def test_a_missing_program_is_not_run(self):
        self.write("bench_core", [repetition("ReadAndParse/15", 5, "us")])
        row = self.row(target("BM_MagnificationChange", "bench_display"))
        self.assertEqual(row[MEDIAN], "not run")
        self.assertEqual(row[RESULT], "—")

    def test_a_busy_machine_is_named_only_beside_a_miss(self):
        self.write("bench_core", [repetition("ReadAndParse/15", 50, "us")])
        self.write("bench_display", [repetition("BM_KeystrokeSmall15", 10, "us")])
        busy = "the machine was busy"
        self.assertIn(busy, self.row(target("ReadAndParse/15", "bench_core"), busy)[NOTES])
        self.assertNotIn(busy, self.row(target("BM_KeystrokeSmall15", "bench_display"), busy)[NOTES])


class Page(ReportTest):
    def run_report(self, load):
        page = os.path.join(self.dir, "out", "performance.md")
        os.makedirs(os.path.dirname(page))
        result = subprocess.run(
            [sys.executable, os.path.join(SCRIPTS, "performance_report.py"),
             "--json-dir", self.dir, "--build-dir", self.dir, "--load-start", load,
             "--load-bench", load, "--load-end", "0.10 0.20 0.30 1/100 1",
             "--repetitions", "3", "--out", page],
            capture_output=True, text=True, cwd=self.dir)
        self.assertEqual(result.returncode, 0, result.stderr)
        with open(page, encoding="utf-8") as f:
            return f.read()

    def test_page_counts_lists_every_run_and_records_the_load(self):
        self.write("bench_core", [repetition("ReadAndParse/15", v, "us") for v in (5, 6, 7)]
                   + [repetition("ParseInMemory/15", v, "us") for v in (2, 3, 4)])
        self.write("bench_shell", [repetition("BM_StartUpStarterPuzzle", 80, "ms")] * 3)
        text = self.run_report("1000.00 900.00 800.00 3/200 77")
        self.assertIn("1 met, 1 missed", text)
        self.assertIn("when the first benchmark started: 1000.00, 900.00, 800.00", text)
        self.assertIn("after the last benchmark: 0.10, 0.20, 0.30", text)
        self.assertIn("Repetitions of each benchmark: 3", text)
        self.assertIn("| `bench_core` | ParseInMemory/15 | 3.00 µs |", text)
        self.assertIn("2.00 – 4.00 µs", text)
        missed = [line for line in text.splitlines() if "**missed**" in line]
        self.assertEqual(len(missed), 1)
        self.assertIn("BM_StartUpStarterPuzzle", missed[0])
        self.assertIn("the machine was busy", missed[0])

    def test_a_quiet_machine_gives_no_busy_reason(self):
        self.write("bench_shell", [repetition("BM_StartUpStarterPuzzle", 80, "ms")] * 3)
        text = self.run_report("0.00 0.00 0.00 1/100 1")
        self.assertIn("0 met, 1 missed", text)
        self.assertNotIn("busy", text)

    def test_no_results_is_an_error(self):
        result = subprocess.run(
            [sys.executable, os.path.join(SCRIPTS, "performance_report.py"), "--json-dir",
             self.dir, "--build-dir", self.dir, "--out", os.path.join(self.dir, "p.md")],
            capture_output=True, text=True)
        self.assertNotEqual(result.returncode, 0)
        self.assertFalse(os.path.exists(os.path.join(self.dir, "p.md")))


if __name__ == "__main__":
    unittest.main()
